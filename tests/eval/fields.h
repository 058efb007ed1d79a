#pragma once

#include <vector>

#include "eval/geom.h"

// Rectangles as one flat list of corners, so that a whole list compares at once.
inline std::vector<int> boxFields(const std::vector<velmor::Box>& boxes) {
  std::vector<int> v;
  for (const velmor::Box& b : boxes) v.insert(v.end(), {b.lx, b.ly, b.hx, b.hy});
  return v;
}
