// The rectangle and point-list storage of the records that carry shapes.
#ifndef DEFI_SHAPES_H
#define DEFI_SHAPES_H

#include <cstdio>

#include "def/defiUtil.h"

namespace LefDefParser {

// Owned point lists: polygons, or the placements of a fill via.
class defiPointLists {
 public:
  defiPointLists() = default;
  ~defiPointLists() { clear(); }
  DEFI_NO_COPY(defiPointLists);

  void add(const defiGeometries* geom);
  // Frees every list and the array holding them.
  void clear();

  int num() const { return num_; }
  // {0, null, null} for an index outside 0..num()-1.
  defiPointList get(int index) const {
    return defiInRange(index, num_) ? lists_[index] : defiPointList{0, nullptr, nullptr};
  }

 private:
  int num_ = 0;
  int cap_ = 0;
  defiPointList* lists_ = nullptr;
};

// Rectangles as four parallel arrays, growing from `start` entries by doubling.
class defiRects {
 public:
  explicit defiRects(int start) : start_(start) {}
  ~defiRects() { release(); }
  DEFI_NO_COPY(defiRects);

  void add(int xl, int yl, int xh, int yh);
  // Empties the list; release also frees the arrays.
  void clear() { num_ = 0; }
  void release();

  int num() const { return num_; }
  // Coordinate `which` (0 xl, 1 yl, 2 xh, 3 yh) of a rectangle; a bad index is reported
  // by checks[which] and gives 0.
  int coord(int index, int which, const defiIndexCheck* checks, defrData* data) const;
  // The same for an index the caller keeps in range.
  int at(int index, int which) const { return array(which)[index]; }
  // The array of coordinate `which`, for interfaces that hand the arrays out.
  int* array(int which) const {
    int* const arrays[] = {xl_, yl_, xh_, yh_};
    return arrays[which];
  }

 private:
  int start_;
  int num_ = 0;
  int cap_ = 0;
  int* xl_ = nullptr;
  int* yl_ = nullptr;
  int* xh_ = nullptr;
  int* yh_ = nullptr;
};

// The rectangle queries of a record holding `defiRects rects_`, `defrData* defData_` and
// the index checks `kRectChecks[4]`.
#define DEFI_RECT_QUERIES                                                             \
  int numRectangles() const { return rects_.num(); }                                  \
  int xl(int i) const { return rects_.coord(i, 0, kRectChecks, defData_); }           \
  int yl(int i) const { return rects_.coord(i, 1, kRectChecks, defData_); }           \
  int xh(int i) const { return rects_.coord(i, 2, kRectChecks, defData_); }           \
  int yh(int i) const { return rects_.coord(i, 3, kRectChecks, defData_); }

// "   RECT ..." per rectangle and "   POLYGON ..." per polygon, as the records print them.
void defiPrintShapes(FILE* f, const defiRects& rects, const defiPointLists& polygons);

}  // namespace LefDefParser

#endif
