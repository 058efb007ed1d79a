#include "def/defiShapes.h"

#include <cstdio>

namespace LefDefParser {

void defiPointLists::add(const defiGeometries* geom) {
  if (num_ == cap_) {
    const int grown = defiNextCapacity(cap_, 2);
    defiResizeAll(num_, grown, lists_);
    cap_ = grown;
  }
  lists_[num_++] = defiCopyPoints(geom);
}

void defiPointLists::clear() {
  for (int i = 0; i < num_; i++) defiFreePoints(lists_[i]);
  defiFreeArray(lists_);
  num_ = cap_ = 0;
}

void defiRects::release() {
  defiFreeArray(xl_);
  defiFreeArray(yl_);
  defiFreeArray(xh_);
  defiFreeArray(yh_);
  num_ = cap_ = 0;
}

void defiRects::add(int xl, int yl, int xh, int yh) {
  if (num_ == cap_) {
    const int grown = defiNextCapacity(cap_, start_);
    defiResizeAll(num_, grown, xl_, yl_, xh_, yh_);
    cap_ = grown;
  }
  xl_[num_] = xl;
  yl_[num_] = yl;
  xh_[num_] = xh;
  yh_[num_] = yh;
  num_++;
}

int defiRects::coord(int index, int which, const defiIndexCheck* checks,
                     defrData* data) const {
  return defiCheckIndex(index, num_, checks[which], data) ? at(index, which) : 0;
}

void defiPrintShapes(FILE* f, const defiRects& rects, const defiPointLists& polygons) {
  for (int i = 0; i < rects.num(); i++) {
    fprintf(f, "   RECT %d %d %d %d\n", rects.at(i, 0), rects.at(i, 1), rects.at(i, 2),
            rects.at(i, 3));
  }
  for (int i = 0; i < polygons.num(); i++) {
    const defiPointList p = polygons.get(i);
    fprintf(f, "   POLYGON ");
    for (int j = 0; j < p.numPoints; j++) fprintf(f, "%d %d ", p.x[j], p.y[j]);
    fprintf(f, "\n");
  }
}

}  // namespace LefDefParser
