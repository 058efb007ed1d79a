// One COMPONENTS entry, and the layer list of COMPONENTMASKSHIFT.
#ifndef DEFI_COMPONENT_H
#define DEFI_COMPONENT_H

#include <cstdio>

#include "def/defiShapes.h"

namespace LefDefParser {

enum {
  DEFI_COMPONENT_UNPLACED = 1,
  DEFI_COMPONENT_PLACED = 2,
  DEFI_COMPONENT_FIXED = 3,
  DEFI_COMPONENT_COVER = 4
};

class defiComponentMaskShiftLayer {
 public:
  explicit defiComponentMaskShiftLayer(defrData* data);
  ~defiComponentMaskShiftLayer();
  DEFI_NO_COPY(defiComponentMaskShiftLayer);

  void Init();
  void Destroy();
  void clear();
  void bumpLayers(int size);

  void addMaskShiftLayer(const char* layer);
  int numMaskShiftLayers() const { return numLayers_; }
  const char* maskShiftLayer(int index) const;

 private:
  int layersAllocated_ = 0;
  int numLayers_ = 0;
  char** layers_ = nullptr;
  defrData* defData_;
};

class defiComponent {
 public:
  explicit defiComponent(defrData* data);
  ~defiComponent();
  DEFI_NO_COPY(defiComponent);

  void Init();
  void Destroy();
  void clear();

  void IdAndName(const char* id, const char* name);
  void changeIdAndName(const char* id, const char* name);
  void setPlacementStatus(int status);
  void setPlacementLocation(int x, int y, int orient);
  void setRegionName(const char* name);
  void setRegionBounds(int xl, int yl, int xh, int yh);
  void setEEQ(const char* name);
  void setGenerate(const char* name, const char* macroName);
  void setSource(const char* name);
  void setWeight(int w);
  void setMaskShift(const char* shift);
  void setForeignName(const char* name);
  void setForeignLocation(int x, int y, int orient);
  void setHalo(int left, int bottom, int right, int top);
  void setHaloSoft();
  void setRouteHalo(int dist, const char* minLayer, const char* maxLayer);
  void addNet(const char* netName);
  void reverseNetOrder();
  DEFI_PROPERTY_ACCESSORS(propCheck())

  const char* id() const { return id_; }
  const char* name() const { return name_; }
  int placementStatus() const { return status_; }
  int isUnplaced() const { return status_ == DEFI_COMPONENT_UNPLACED; }
  int isPlaced() const { return status_ == DEFI_COMPONENT_PLACED; }
  int isFixed() const { return status_ == DEFI_COMPONENT_FIXED; }
  int isCover() const { return status_ == DEFI_COMPONENT_COVER; }
  int placementX() const { return x_; }
  int placementY() const { return y_; }
  int placementOrient() const { return orient_; }
  const char* placementOrientStr() const;

  int hasRegionName() const { return hasRegionName_; }
  const char* regionName() const { return regionName_; }
  int hasRegionBounds() const { return rects_.num() != 0; }
  void regionBounds(int* size, int** xl, int** yl, int** xh, int** yh) const;
  int hasEEQ() const { return hasEEQ_; }
  const char* EEQ() const { return EEQ_; }
  int hasGenerate() const { return hasGenerate_; }
  const char* generateName() const { return generateName_; }
  const char* macroName() const { return macroName_; }
  int hasSource() const { return source_ != nullptr; }
  const char* source() const { return source_; }
  int hasWeight() const { return hasWeight_; }
  int weight() const { return weight_; }
  int maskShiftSize() const { return maskShiftSize_; }
  int maskShift(int index) const;
  int hasNets() const { return numNets_ != 0; }
  int numNets() const { return numNets_; }
  const char* net(int index) const;
  int hasHalo() const { return hasHalo_; }
  int hasHaloSoft() const { return haloSoft_; }
  void haloEdges(int* left, int* bottom, int* right, int* top) const;
  int hasRouteHalo() const { return routeHaloDist_; }
  int haloDist() const { return routeHaloDist_; }
  const char* minLayer() const { return minLayer_; }
  const char* maxLayer() const { return maxLayer_; }
  int hasForeignName() const { return hasForeignName_; }
  const char* foreignName() const { return foreignName_; }
  int hasFori() const { return hasForeignLocation_; }
  int foreignX() const { return foreignX_; }
  int foreignY() const { return foreignY_; }
  int foreignOrient() const { return foreignOrient_; }
  const char* foreignOri() const;

  void print(FILE* f) const;

 private:
  static defiIndexCheck propCheck() { return {0, "bad index for component property"}; }

  char* id_ = nullptr;
  char* name_ = nullptr;
  int nameSize_ = 0;
  int idSize_ = 0;
  int status_ = 0;
  char hasRegionName_ = 0;
  char hasEEQ_ = 0;
  char hasGenerate_ = 0;
  char hasWeight_ = 0;
  char hasForeignLocation_ = 0;
  int orient_ = 0;
  int x_ = 0, y_ = 0;
  defiRects rects_{1};
  char* regionName_ = nullptr;
  int regionNameSize_ = 0;
  char* EEQ_ = nullptr;
  int EEQSize_ = 0;
  int numNets_ = 0;
  int netsAllocated_ = 0;
  char** nets_ = nullptr;
  int weight_ = 0;
  int* maskShift_ = nullptr;
  int maskShiftSize_ = 0;
  char* source_ = nullptr;
  int hasForeignName_ = 0;
  char* foreignName_ = nullptr;
  int foreignNameSize_ = 0;
  int foreignX_ = 0, foreignY_ = 0;
  int foreignOrient_ = 0;
  char* generateName_ = nullptr;
  int generateNameSize_ = 0;
  char* macroName_ = nullptr;
  int macroNameSize_ = 0;
  int hasHalo_ = 0;
  int haloSoft_ = 0;
  int leftHalo_ = 0, bottomHalo_ = 0, rightHalo_ = 0, topHalo_ = 0;
  int routeHaloDist_ = 0;
  char* minLayer_ = nullptr;
  int minLayerSize_ = 0;
  char* maxLayer_ = nullptr;
  int maxLayerSize_ = 0;
  defiPropList props_;
  defrData* defData_;
};

}  // namespace LefDefParser

#endif
