#pragma once

#include <string>
#include <vector>

#include "eval/records.h"

namespace velmor {

// A guide file as read before it meets the nets: the name of each net line
// and the guides after it. Guides ahead of the first net line are dropped.
struct GuideText {
  struct Block {
    std::size_t nameEnd = 0;  // the name ends there in `names`, the last one's end starts it
    LayerGuides guides;       // as read, or cleaned when guides2 is not empty
    LayerGuides guides2;
  };

  std::string path;
  bool opened = false;
  long long longLine = 0;  // the line past kMaxLine that ended the reading, 0 when none
  long long skipped = 0;
  long long firstSkipped = 0;
  std::string names;
  std::vector<Block> blocks;
};

}  // namespace velmor
