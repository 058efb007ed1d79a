#pragma once

#include <string>
#include <vector>

#include "eval/geom.h"
#include "eval/records.h"

namespace velmor {

// A guide file as read before it meets the nets: the name of each net line
// and the guides after it. Guides ahead of the first net line are dropped.
struct GuideText {
  struct Block {
    std::size_t nameEnd;   // the name ends there in `names`, the last one's end starts it
    std::size_t guideEnd;  // the block's guides end there in `guides`
  };

  std::string path;
  bool opened = false;
  long long longLine = 0;  // the line past kMaxLine that ended the reading, 0 when none
  long long skipped = 0;
  long long firstSkipped = 0;
  std::string names;
  std::vector<Block> blocks;
  std::vector<Shape> guides;
  // Each block's guides cleaned, when parseRg was asked to clean them.
  std::vector<Net> cleaned;
};

}  // namespace velmor
