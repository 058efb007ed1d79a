// One SLOTS entry: rectangles and polygons on a layer.
#ifndef DEFI_SLOT_H
#define DEFI_SLOT_H

#include <cstdio>

#include "def/defiMisc.h"
#include "def/defiShapes.h"

namespace LefDefParser {

class defiSlot {
 public:
  explicit defiSlot(defrData* data);
  ~defiSlot();
  DEFI_NO_COPY(defiSlot);

  void Init();
  void Destroy();
  // The layer and rectangles; the polygons stay until clearPoly.
  void clear();
  void clearPoly() { polygons_.clear(); }

  void setLayer(const char* name);
  void addRect(int xl, int yl, int xh, int yh) { rects_.add(xl, yl, xh, yh); }
  void addPolygon(defiGeometries* geom) { polygons_.add(geom); }

  int hasLayer() const { return hasLayer_; }
  const char* layerName() const { return layerName_; }
  DEFI_RECT_QUERIES
  int numPolygons() const { return polygons_.num(); }
  defiPointList getPolygon(int index) const { return polygons_.get(index); }

  void print(FILE* f) const;

 private:
  static const defiIndexCheck kRectChecks[4];

  int hasLayer_ = 0;
  char* layerName_ = nullptr;
  int layerNameSize_ = 0;
  defiRects rects_{1};
  defiPointLists polygons_;
  defrData* defData_;
};

}  // namespace LefDefParser

#endif
