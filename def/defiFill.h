// One FILLS entry: a layer fill with rectangles and polygons, or a fill via with its
// placement points.
#ifndef DEFI_FILL_H
#define DEFI_FILL_H

#include <cstdio>

#include "def/defiMisc.h"
#include "def/defiShapes.h"

namespace LefDefParser {

class defiFill {
 public:
  explicit defiFill(defrData* data);
  ~defiFill();
  DEFI_NO_COPY(defiFill);

  void Init();
  void Destroy();
  // Flags, mask and rectangles; polygons and via points stay until clearPoly and clearPts.
  void clear();
  void clearPoly() { polygons_.clear(); }
  void clearPts() { viaPts_.clear(); }

  void setLayer(const char* name);
  void setLayerOpc() { layerOpc_ = 1; }
  void addRect(int xl, int yl, int xh, int yh) { rects_.add(xl, yl, xh, yh); }
  void addPolygon(defiGeometries* geom) { polygons_.add(geom); }
  void setVia(const char* name);
  void setViaOpc() { viaOpc_ = 1; }
  void addPts(defiGeometries* geom) { viaPts_.add(geom); }
  void setMask(int mask) { mask_ = mask; }

  int hasLayer() const { return hasLayer_; }
  const char* layerName() const { return layerName_; }
  int hasLayerOpc() const { return layerOpc_; }
  int layerMask() const { return mask_; }
  DEFI_RECT_QUERIES
  int numPolygons() const { return polygons_.num(); }
  defiPointList getPolygon(int index) const { return polygons_.get(index); }

  int hasVia() const { return hasVia_; }
  const char* viaName() const { return viaName_; }
  int hasViaOpc() const { return viaOpc_; }
  int numViaPts() const { return viaPts_.num(); }
  defiPointList getViaPts(int index) const { return viaPts_.get(index); }
  // The digits of the mask: top, cut, bottom.
  int viaTopMask() const { return mask_ / 100; }
  int viaCutMask() const { return mask_ / 10 % 10; }
  int viaBottomMask() const { return mask_ % 10; }

  void print(FILE* f) const;

 private:
  static const defiIndexCheck kRectChecks[4];

  int hasLayer_ = 0;
  char* layerName_ = nullptr;
  int layerNameSize_ = 0;
  int layerOpc_ = 0;
  defiRects rects_{1};
  defiPointLists polygons_;
  int hasVia_ = 0;
  char* viaName_ = nullptr;
  int viaNameSize_ = 0;
  int viaOpc_ = 0;
  defiPointLists viaPts_;
  int mask_ = 0;
  defrData* defData_;
};

}  // namespace LefDefParser

#endif
