// One PINS entry with its shapes, ports and antenna data, and one PINCAP entry.
#ifndef DEFI_PINCAP_H
#define DEFI_PINCAP_H

#include <cstdio>

#include "def/defiMisc.h"
#include "def/defiUtil.h"

namespace LefDefParser {

class defiPinCap {
 public:
  void setPin(int p) { pin_ = p; }
  void setCap(double d) { cap_ = d; }
  int pin() const { return pin_; }
  double cap() const { return cap_; }
  void print(FILE* f) const;

 private:
  int pin_ = 0;
  double cap_ = 0.0;
};

// A list of antenna values, each with an optional layer name.
class defiAntennaList {
 public:
  void add(int value, const char* layer, defrData* data);
  void clear();    // frees the layer names, keeps the arrays
  void Destroy();  // frees everything
  int num() const { return num_; }
  int has() const { return num_ ? 1 : 0; }
  int value(int i) const { return defiInRange(i, num_) ? values_[i] : 0; }
  int hasLayer(int i) const;
  const char* layer(int i) const { return defiInRange(i, num_) ? layers_[i] : nullptr; }

 private:
  int num_ = 0;
  int cap_ = 0;
  int* values_ = nullptr;
  char** layers_ = nullptr;
};

// The queries of one antenna list: hasAPin<Name>, numAPin<Name>, APin<Name>
// and the layer of each value.
#define DEFI_PIN_ANTENNA_QUERIES(Name, member)                                  \
  int hasAPin##Name() const { return member.has(); }                           \
  int numAPin##Name() const { return member.num(); }                           \
  int APin##Name(int i) const { return member.value(i); }                      \
  int hasAPin##Name##Layer(int i) const { return member.hasLayer(i); }         \
  const char* APin##Name##Layer(int i) const { return member.layer(i); }

class defiPinAntennaModel {
 public:
  explicit defiPinAntennaModel(defrData* data);
  ~defiPinAntennaModel();
  DEFI_NO_COPY(defiPinAntennaModel);

  void Init();
  void clear();
  void Destroy();

  void setAntennaModel(int oxide);
  void addAPinGateArea(int value, const char* layer) { gate_.add(value, layer, defData_); }
  void addAPinMaxAreaCar(int value, const char* layer) { areaCar_.add(value, layer, defData_); }
  void addAPinMaxSideAreaCar(int value, const char* layer) { sideCar_.add(value, layer, defData_); }
  void addAPinMaxCutCar(int value, const char* layer) { cutCar_.add(value, layer, defData_); }

  const char* antennaOxide() const { return oxide_; }
  DEFI_PIN_ANTENNA_QUERIES(GateArea, gate_)
  DEFI_PIN_ANTENNA_QUERIES(MaxAreaCar, areaCar_)
  DEFI_PIN_ANTENNA_QUERIES(MaxSideAreaCar, sideCar_)
  DEFI_PIN_ANTENNA_QUERIES(MaxCutCar, cutCar_)

 private:
  char* oxide_ = nullptr;
  defiAntennaList gate_;
  defiAntennaList areaCar_;
  defiAntennaList sideCar_;
  defiAntennaList cutCar_;
  defrData* defData_;
};

// The LAYER rectangles, POLYGONs and VIAs of a pin or of one of its ports.
class defiPinShapes {
 public:
  void Destroy();  // frees all three lists (capacities 0)

  void addLayer(const char* layer, defrData* data);
  void addLayerPts(int xl, int yl, int xh, int yh);
  void addLayerSpacing(int minSpacing);
  void addLayerDesignRuleWidth(int effectiveWidth);
  void addLayerMask(int mask);
  void addPolygon(const char* layer);
  void addPolygonPts(defiGeometries* geom);
  void addPolySpacing(int minSpacing);
  void addPolyDesignRuleWidth(int effectiveWidth);
  void addPolyMask(int mask);
  void addVia(const char* via, int x, int y, int mask, defrData* data);

  int numLayer() const { return numLayers_; }
  const char* layer(int i) const;
  void bounds(int i, int* xl, int* yl, int* xh, int* yh) const;
  int hasLayerSpacing(int i) const;
  int layerSpacing(int i) const;
  int hasLayerDesignRuleWidth(int i) const;
  int layerDesignRuleWidth(int i) const;
  int layerMask(int i) const;
  int numPolygons() const { return numPolys_; }
  const char* polygonName(int i, defrData* data) const;
  defiPointList getPolygon(int i) const;
  int hasPolygonSpacing(int i) const;
  int polygonSpacing(int i) const;
  int hasPolygonDesignRuleWidth(int i) const;
  int polygonDesignRuleWidth(int i) const;
  int polygonMask(int i) const;
  int numVias() const { return numVias_; }
  const char* viaName(int i, defrData* data) const;
  int viaPtX(int i) const;
  int viaPtY(int i) const;
  int viaTopMask(int i) const;
  int viaCutMask(int i) const;
  int viaBottomMask(int i) const;

 private:
  int layersAllocated_ = 0;
  int numLayers_ = 0;
  char** layers_ = nullptr;
  int* xl_ = nullptr;
  int* yl_ = nullptr;
  int* xh_ = nullptr;
  int* yh_ = nullptr;
  int* layerMinSpacing_ = nullptr;
  int* layerEffectiveWidth_ = nullptr;
  int* layerMask_ = nullptr;

  int polysAllocated_ = 0;
  int numPolys_ = 0;
  char** polygonNames_ = nullptr;
  int* polyMinSpacing_ = nullptr;
  int* polyEffectiveWidth_ = nullptr;
  int* polyMask_ = nullptr;
  defiPointList* polygons_ = nullptr;

  int viasAllocated_ = 0;
  int numVias_ = 0;
  char** viaNames_ = nullptr;
  int* viaX_ = nullptr;
  int* viaY_ = nullptr;
  int* viaMask_ = nullptr;
};

// Shape queries of a class holding `defiPinShapes shapes_` and `defData_`.
#define DEFI_PIN_SHAPE_QUERIES                                                              \
  int numLayer() const { return shapes_.numLayer(); }                                       \
  const char* layer(int i) const { return shapes_.layer(i); }                               \
  void bounds(int i, int* xl, int* yl, int* xh, int* yh) const {                            \
    shapes_.bounds(i, xl, yl, xh, yh);                                                      \
  }                                                                                         \
  int hasLayerSpacing(int i) const { return shapes_.hasLayerSpacing(i); }                   \
  int layerSpacing(int i) const { return shapes_.layerSpacing(i); }                         \
  int hasLayerDesignRuleWidth(int i) const { return shapes_.hasLayerDesignRuleWidth(i); }   \
  int layerDesignRuleWidth(int i) const { return shapes_.layerDesignRuleWidth(i); }         \
  int layerMask(int i) const { return shapes_.layerMask(i); }                               \
  int numPolygons() const { return shapes_.numPolygons(); }                                 \
  const char* polygonName(int i) const { return shapes_.polygonName(i, defData_); }         \
  defiPointList getPolygon(int i) const { return shapes_.getPolygon(i); }                   \
  int hasPolygonSpacing(int i) const { return shapes_.hasPolygonSpacing(i); }               \
  int polygonSpacing(int i) const { return shapes_.polygonSpacing(i); }                     \
  int hasPolygonDesignRuleWidth(int i) const { return shapes_.hasPolygonDesignRuleWidth(i); } \
  int polygonDesignRuleWidth(int i) const { return shapes_.polygonDesignRuleWidth(i); }     \
  int polygonMask(int i) const { return shapes_.polygonMask(i); }                           \
  int numVias() const { return shapes_.numVias(); }                                         \
  const char* viaName(int i) const { return shapes_.viaName(i, defData_); }                 \
  int viaPtX(int i) const { return shapes_.viaPtX(i); }                                     \
  int viaPtY(int i) const { return shapes_.viaPtY(i); }                                     \
  int viaTopMask(int i) const { return shapes_.viaTopMask(i); }                             \
  int viaCutMask(int i) const { return shapes_.viaCutMask(i); }                             \
  int viaBottomMask(int i) const { return shapes_.viaBottomMask(i); }

enum {
  DEFI_PIN_UNPLACED = 1,
  DEFI_PIN_PLACED = 2,
  DEFI_PIN_FIXED = 3,
  DEFI_PIN_COVER = 4
};

class defiPinPort {
 public:
  explicit defiPinPort(defrData* data);
  ~defiPinPort();
  DEFI_NO_COPY(defiPinPort);

  void Init();
  void clear();

  void addLayer(const char* layer) { shapes_.addLayer(layer, defData_); }
  void addLayerPts(int xl, int yl, int xh, int yh) { shapes_.addLayerPts(xl, yl, xh, yh); }
  void addLayerSpacing(int s) { shapes_.addLayerSpacing(s); }
  void addLayerDesignRuleWidth(int w) { shapes_.addLayerDesignRuleWidth(w); }
  void addLayerMask(int m) { shapes_.addLayerMask(m); }
  void addPolygon(const char* layer) { shapes_.addPolygon(layer); }
  void addPolygonPts(defiGeometries* geom) { shapes_.addPolygonPts(geom); }
  void addPolySpacing(int s) { shapes_.addPolySpacing(s); }
  void addPolyDesignRuleWidth(int w) { shapes_.addPolyDesignRuleWidth(w); }
  void addPolyMask(int m) { shapes_.addPolyMask(m); }
  void addVia(const char* via, int x, int y, int mask) { shapes_.addVia(via, x, y, mask, defData_); }
  void setPlacement(int status, int x, int y, int orient);

  DEFI_PIN_SHAPE_QUERIES
  int hasPlacement() const { return placeType_ != 0; }
  int isPlaced() const { return placeType_ == DEFI_PIN_PLACED; }
  int isCover() const { return placeType_ == DEFI_PIN_COVER; }
  int isFixed() const { return placeType_ == DEFI_PIN_FIXED; }
  int placementX() const { return x_; }
  int placementY() const { return y_; }
  int orient() const { return orient_; }
  const char* orientStr() const;

 private:
  defiPinShapes shapes_;
  char placeType_ = 0;
  int x_ = 0, y_ = 0;
  char orient_ = 0;
  defrData* defData_;
};

class defiPin {
 public:
  explicit defiPin(defrData* data);
  ~defiPin();
  DEFI_NO_COPY(defiPin);

  void Init();
  void Destroy();
  void clear();

  void Setup(const char* pinName, const char* netName);
  void changePinName(const char* pinName);
  void setDirection(const char* dir);
  void setUse(const char* use);
  void setNetExpr(const char* netExpr);
  void setSupplySens(const char* pinName);
  void setGroundSens(const char* pinName);
  void setSpecial();
  void setPlacement(int status, int x, int y, int orient);

  void addLayer(const char* layer) { shapes_.addLayer(layer, defData_); }
  void addLayerPts(int xl, int yl, int xh, int yh) { shapes_.addLayerPts(xl, yl, xh, yh); }
  void addLayerSpacing(int s) { shapes_.addLayerSpacing(s); }
  void addLayerDesignRuleWidth(int w) { shapes_.addLayerDesignRuleWidth(w); }
  void addLayerMask(int m) { shapes_.addLayerMask(m); }
  void addPolygon(const char* layer) { shapes_.addPolygon(layer); }
  void addPolygonPts(defiGeometries* geom) { shapes_.addPolygonPts(geom); }
  void addPolySpacing(int s) { shapes_.addPolySpacing(s); }
  void addPolyDesignRuleWidth(int w) { shapes_.addPolyDesignRuleWidth(w); }
  void addPolyMask(int m) { shapes_.addPolyMask(m); }
  void addVia(const char* via, int x, int y, int mask) { shapes_.addVia(via, x, y, mask, defData_); }

  // Each acts on the last port; without a port it does nothing.
  void addPort();
  void addPortLayer(const char* layer);
  void addPortLayerPts(int xl, int yl, int xh, int yh);
  void addPortLayerSpacing(int s);
  void addPortLayerDesignRuleWidth(int w);
  void addPortLayerMask(int m);
  void addPortPolygon(const char* layer);
  void addPortPolygonPts(defiGeometries* geom);
  void addPortPolySpacing(int s);
  void addPortPolyDesignRuleWidth(int w);
  void addPortPolyMask(int m);
  void addPortVia(const char* via, int x, int y, int mask);
  void setPortPlacement(int status, int x, int y, int orient);

  // Antenna data. Each ANTENNAMODEL starts a model of its own, however many a pin has.
  void addAntennaModel(int oxide);
  void addAPinPartialMetalArea(int value, const char* layer) { metalArea_.add(value, layer, defData_); }
  void addAPinPartialMetalSideArea(int value, const char* layer) { metalSideArea_.add(value, layer, defData_); }
  void addAPinDiffArea(int value, const char* layer) { diffArea_.add(value, layer, defData_); }
  void addAPinPartialCutArea(int value, const char* layer) { cutArea_.add(value, layer, defData_); }
  void addAPinGateArea(int value, const char* layer);
  void addAPinMaxAreaCar(int value, const char* layer);
  void addAPinMaxSideAreaCar(int value, const char* layer);
  void addAPinMaxCutCar(int value, const char* layer);

  const char* pinName() const { return pinName_; }
  const char* netName() const { return netName_; }
  int hasDirection() const { return hasDirection_; }
  const char* direction() const { return direction_; }
  int hasUse() const { return hasUse_; }
  const char* use() const { return use_; }
  int hasNetExpr() const { return hasNetExpr_; }
  const char* netExpr() const { return netExpr_; }
  int hasSupplySensitivity() const { return hasSupplySens_; }
  const char* supplySensitivity() const { return supplySens_; }
  int hasGroundSensitivity() const { return hasGroundSens_; }
  const char* groundSensitivity() const { return groundSens_; }
  int hasSpecial() const { return hasSpecial_; }
  int hasPlacement() const { return placeType_ != 0; }
  int isUnplaced() const { return placeType_ == DEFI_PIN_UNPLACED; }
  int isPlaced() const { return placeType_ == DEFI_PIN_PLACED; }
  int isFixed() const { return placeType_ == DEFI_PIN_FIXED; }
  int isCover() const { return placeType_ == DEFI_PIN_COVER; }
  int placementX() const { return x_; }
  int placementY() const { return y_; }
  int orient() const { return orient_; }
  const char* orientStr() const;
  int hasLayer() const { return shapes_.numLayer() || shapes_.numPolygons(); }
  DEFI_PIN_SHAPE_QUERIES

  int hasPort() const { return numPorts_; }
  int numPorts() const { return numPorts_; }
  const defiPinPort* pinPort(int index) const;

  int numAntennaModel() const { return numAntennaModels_; }
  const defiPinAntennaModel* antennaModel(int index) const;

  DEFI_PIN_ANTENNA_QUERIES(PartialMetalArea, metalArea_)
  DEFI_PIN_ANTENNA_QUERIES(PartialMetalSideArea, metalSideArea_)
  DEFI_PIN_ANTENNA_QUERIES(DiffArea, diffArea_)
  DEFI_PIN_ANTENNA_QUERIES(PartialCutArea, cutArea_)
#undef DEFI_PIN_ANTENNA_QUERIES

  void print(FILE* f) const;

 private:
  defiPinPort* lastPort() { return numPorts_ ? ports_[numPorts_ - 1] : nullptr; }
  defiPinAntennaModel* lastModel();

  int pinNameLength_ = 0;
  char* pinName_ = nullptr;
  int netNameLength_ = 0;
  char* netName_ = nullptr;
  char hasDirection_ = 0;
  char hasUse_ = 0;
  char placeType_ = 0;
  char orient_ = 0;
  int x_ = 0, y_ = 0;
  int useLength_ = 0;
  char* use_ = nullptr;
  int directionLength_ = 0;
  char* direction_ = nullptr;
  defiPinShapes shapes_;
  int hasSpecial_ = 0;
  int numPorts_ = 0;
  int portsAllocated_ = 0;
  defiPinPort** ports_ = nullptr;
  int numAntennaModels_ = 0;
  int antennaModelsAllocated_ = 0;
  defiPinAntennaModel** antennaModels_ = nullptr;
  defiAntennaList metalArea_;
  defiAntennaList metalSideArea_;
  defiAntennaList diffArea_;
  defiAntennaList cutArea_;
  int netExprLength_ = 0;
  char hasNetExpr_ = 0;
  char* netExpr_ = nullptr;
  int supplySensLength_ = 0;
  char hasSupplySens_ = 0;
  char* supplySens_ = nullptr;
  int groundSensLength_ = 0;
  char hasGroundSens_ = 0;
  char* groundSens_ = nullptr;
  defrData* defData_;
};

}  // namespace LefDefParser

#endif
