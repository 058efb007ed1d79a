#include "def/defiMisc.h"

#include <string>

#include "def/defiDebug.h"

namespace LefDefParser {

// ---- defiGeometries

defiGeometries::defiGeometries(defrData* data) : defData_(data) { Init(); }

defiGeometries::~defiGeometries() { Destroy(); }

void defiGeometries::Init() {
  Destroy();
}

void defiGeometries::Destroy() {
  defiFreeArray(x_);
  defiFreeArray(y_);
  numPoints_ = 0;
  pointsAllocated_ = 0;
}

void defiGeometries::Reset() { numPoints_ = 0; }

void defiGeometries::startList(int x, int y) {
  if (pointsAllocated_ == 0) {
    pointsAllocated_ = 16;
    x_ = static_cast<int*>(defiMalloc(sizeof(int) * pointsAllocated_));
    y_ = static_cast<int*>(defiMalloc(sizeof(int) * pointsAllocated_));
  }
  numPoints_ = 0;
  addToList(x, y);
}

void defiGeometries::addToList(int x, int y) {
  if (numPoints_ == pointsAllocated_) {
    const int grown = defiNextCapacity(pointsAllocated_, 16);
    defiResizeAll(numPoints_, grown, x_, y_);
    pointsAllocated_ = grown;
  }
  x_[numPoints_] = x;
  y_[numPoints_] = y;
  numPoints_++;
}

void defiGeometries::points(int index, int* x, int* y) const {
  static const defiIndexCheck kCheck{
      6070,
      "ERROR (LEFPARS-6070): The index number %d given for GEOMETRY POINTS is "
      "invalid.\nValid index is from 0 to %d"};
  if (!defiCheckIndex(index, numPoints_, kCheck, defData_)) return;
  *x = x_[index];
  *y = y_[index];
}

// ---- defiBox

defiBox::defiBox() { Init(); }

defiBox::~defiBox() { Destroy(); }

void defiBox::Init() {
  xl_ = yl_ = xh_ = yh_ = 0;
  points_ = defiPointList{0, nullptr, nullptr};
}

void defiBox::Destroy() { defiFreePoints(points_); }

void defiBox::addPoint(defiGeometries* geom) {
  defiPointList list = defiCopyPoints(geom);
  if (list.numPoints > 0) {
    xl_ = list.x[0];
    yl_ = list.y[0];
  }
  if (list.numPoints > 1) {
    xh_ = list.x[1];
    yh_ = list.y[1];
  }
  defiFreePoints(points_);
  points_ = list;
}

defiPointList defiBox::getPoint() const { return points_; }

void defiBox::print(FILE* f) const {
  fprintf(f, "Box %d,%d %d %d\n", xl_, yl_, xh_, yh_);
}

// ---- defiSite

defiSite::defiSite(defrData* data) : defData_(data) { Init(); }

defiSite::~defiSite() { Destroy(); }

void defiSite::Init() {
  nameSize_ = 32;
  siteName_ = static_cast<char*>(defiMalloc(nameSize_));
  clear();
}

void defiSite::Destroy() {
  defiFreeText(siteName_);
  nameSize_ = 0;
}

void defiSite::clear() {
  if (siteName_) *siteName_ = '\0';
  xOrig_ = yOrig_ = 0;
  xStep_ = yStep_ = 0;
  xNum_ = yNum_ = 0;
  orient_ = 0;
}

void defiSite::setName(const char* name) {
  clear();
  defiCopyToBuffer(siteName_, nameSize_, name, defData_, true);
}

void defiSite::setLocation(double x, double y) {
  xOrig_ = x;
  yOrig_ = y;
}

void defiSite::setOrient(int orient) { orient_ = orient; }

void defiSite::setDo(double xNum, double yNum, double xStep, double yStep) {
  xNum_ = xNum;
  yNum_ = yNum;
  xStep_ = xStep;
  yStep_ = yStep;
}

const char* defiSite::orientStr() const { return defiOrientStr(orient_); }

void defiSite::print(FILE* f) const {
  fprintf(f, "Site '%s' %s %g,%g  DO %g BY %g STEP %g %g\n", name(), orientStr(),
          xOrig_, yOrig_, xNum_, yNum_, xStep_, yStep_);
}

// ---- defiStyles

defiStyles::defiStyles() { Init(); }

defiStyles::~defiStyles() { Destroy(); }

void defiStyles::Init() {
  styleNum_ = 0;
  polygon_ = nullptr;
  pointCapacity_ = 0;
}

void defiStyles::Destroy() { clear(); }

void defiStyles::clear() {
  if (polygon_) {
    defiFreePoints(*polygon_);
    free(polygon_);
    polygon_ = nullptr;
  }
  pointCapacity_ = 0;
  styleNum_ = 0;
}

void defiStyles::setStyle(int style) { styleNum_ = style; }

void defiStyles::setPolygon(defiGeometries* geom) {
  const int n = geom->numPoints();
  if (!polygon_) {
    polygon_ = static_cast<defiPointList*>(defiMalloc(sizeof(defiPointList)));
    *polygon_ = defiPointList{0, nullptr, nullptr};
    pointCapacity_ = 0;
  }
  if (n > pointCapacity_) {
    defiResizeAll(0, n, polygon_->x, polygon_->y);
    pointCapacity_ = n;
  }
  for (int i = 0; i < n; i++) geom->points(i, &polygon_->x[i], &polygon_->y[i]);
  polygon_->numPoints = n;
}

defiPointList defiStyles::getPolygon() const {
  return polygon_ ? *polygon_ : defiPointList{0, nullptr, nullptr};
}

}  // namespace LefDefParser
