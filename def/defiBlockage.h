// One BLOCKAGES entry: a routing blockage on a layer or a placement blockage, with its
// options, rectangles and polygons.
#ifndef DEFI_BLOCKAGE_H
#define DEFI_BLOCKAGE_H

#include <cstdio>

#include "def/defiMisc.h"
#include "def/defiShapes.h"

namespace LefDefParser {

class defiBlockage {
 public:
  explicit defiBlockage(defrData* data);
  ~defiBlockage();
  DEFI_NO_COPY(defiBlockage);

  void Init();
  void Destroy();
  // Options and rectangles; the polygons stay until clearPoly.
  void clear();
  void clearPoly() { polygons_.clear(); }

  void setLayer(const char* name);
  void setPlacement() { hasPlacement_ = 1; }
  void setComponent(const char* name);
  void setSlots() { hasSlots_ = 1; }
  void setFills() { hasFills_ = 1; }
  void setPushdown() { hasPushdown_ = 1; }
  void setExceptpgnet() { hasExceptpgnet_ = 1; }
  void setSoft() { hasSoft_ = 1; }
  void setPartial(double maxDensity) { maxDensity_ = maxDensity; }
  void setSpacing(int minSpacing) { minSpacing_ = minSpacing; }
  void setDesignRuleWidth(int width) { width_ = width; }
  void setMask(int mask) { mask_ = mask; }
  void addRect(int xl, int yl, int xh, int yh) { rects_.add(xl, yl, xh, yh); }
  void addPolygon(defiGeometries* geom) { polygons_.add(geom); }

  int hasLayer() const { return hasLayer_; }
  int hasPlacement() const { return hasPlacement_; }
  int hasComponent() const { return hasComponent_; }
  int hasSlots() const { return hasSlots_; }
  int hasFills() const { return hasFills_; }
  int hasPushdown() const { return hasPushdown_; }
  int hasExceptpgnet() const { return hasExceptpgnet_; }
  int hasSoft() const { return hasSoft_; }
  // -1 stands for "none": a file value of -1 reads as absent.
  int hasPartial() const { return maxDensity_ != -1.0; }
  double placementMaxDensity() const { return maxDensity_; }
  int hasSpacing() const { return minSpacing_ != -1; }
  int minSpacing() const { return minSpacing_; }
  int hasDesignRuleWidth() const { return width_ != -1; }
  int designRuleWidth() const { return width_; }
  int hasMask() const { return mask_; }
  int mask() const { return mask_; }
  const char* layerName() const { return layerName_; }
  const char* layerComponentName() const { return componentName_; }
  const char* placementComponentName() const { return componentName_; }

  DEFI_RECT_QUERIES
  int numPolygons() const { return polygons_.num(); }
  defiPointList getPolygon(int index) const { return polygons_.get(index); }

  void print(FILE* f) const;

 private:
  static const defiIndexCheck kRectChecks[4];

  int hasLayer_ = 0;
  char* layerName_ = nullptr;
  int layerNameSize_ = 0;
  int hasPlacement_ = 0;
  int hasComponent_ = 0;
  char* componentName_ = nullptr;
  int componentNameSize_ = 0;
  int hasSlots_ = 0;
  int hasFills_ = 0;
  int hasPushdown_ = 0;
  int hasExceptpgnet_ = 0;
  int hasSoft_ = 0;
  double maxDensity_ = -1.0;
  int minSpacing_ = -1;
  int width_ = -1;
  defiRects rects_{2};
  int mask_ = 0;
  defiPointLists polygons_;
  defrData* defData_;
};

}  // namespace LefDefParser

#endif
