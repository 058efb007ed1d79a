// One net of a NETS or SPECIALNETS section with its connections, wiring,
// subnets, shields, VPINs and special-net shapes.
#ifndef DEFI_NET_H
#define DEFI_NET_H

#include <cstdio>

#include "def/defiMisc.h"
#include "def/defiPath.h"
#include "def/defiUtil.h"

namespace LefDefParser {

// Connections (instance, pin, mustJoin, synthesized) of a net or subnet.
class defiConnList {
 public:
  void Init();
  void Destroy();
  void clear();
  void add(const char* instance, const char* pin, int mustJoin, int synth,
           defrData* data);
  int num() const { return num_; }
  const char* instance(int i) const { return defiInRange(i, num_) ? instances_[i] : nullptr; }
  const char* pin(int i) const { return defiInRange(i, num_) ? pins_[i] : nullptr; }
  int mustJoin(int i) const { return defiInRange(i, num_) ? mustJoin_[i] : 0; }
  int synthesized(int i) const { return defiInRange(i, num_) ? synthesized_[i] : 0; }
  // Replace one name; false for a bad index.
  bool setInstance(int i, const char* name, defrData* data);
  bool setPin(int i, const char* name, defrData* data);

 private:
  int num_ = 0;
  int cap_ = 0;
  char** instances_ = nullptr;
  char** pins_ = nullptr;
  char* mustJoin_ = nullptr;
  char* synthesized_ = nullptr;
};

// The connection queries of a net or subnet holding `defiConnList conns_`.
#define DEFI_CONNECTION_QUERIES                                          \
  int numConnections() const { return conns_.num(); }                    \
  const char* instance(int i) const { return conns_.instance(i); }       \
  const char* pin(int i) const { return conns_.pin(i); }                 \
  int pinIsMustJoin(int i) const { return conns_.mustJoin(i); }          \
  int pinIsSynthesized(int i) const { return conns_.synthesized(i); }

// One wiring statement (COVER, FIXED, ROUTED, NOSHIELD ...) with its paths.
class defiWire {
 public:
  explicit defiWire(defrData* data);
  ~defiWire();
  DEFI_NO_COPY(defiWire);

  void Init(const char* type, const char* wireShieldName);
  void Destroy();
  void clear();
  void addPath(defiPath* p, int reset, int netOsnet, int* needCbk);

  int numPaths() const { return paths_.num(); }
  const defiPath* path(int index) const { return paths_.at(index); }
  const char* wireType() const { return type_; }
  const char* wireShieldNetName() const { return wireShieldName_; }

 private:
  char* type_ = nullptr;
  char* wireShieldName_ = nullptr;
  defiPathList paths_;
  defrData* defData_;
};

// One SHIELD wiring of a special net (or NOSHIELD of an old regular net).
class defiShield {
 public:
  explicit defiShield(defrData* data);
  ~defiShield();
  DEFI_NO_COPY(defiShield);

  void Init(const char* name);
  void Destroy();
  void clear();
  void addPath(defiPath* p, int reset, int netOsnet, int* needCbk);

  int numPaths() const { return paths_.num(); }
  const defiPath* path(int index) const { return paths_.at(index); }
  const char* shieldName() const { return name_; }

 private:
  char* name_ = nullptr;
  defiPathList paths_;
  defrData* defData_;
};

class defiVpin {
 public:
  explicit defiVpin(defrData* data);
  ~defiVpin();
  DEFI_NO_COPY(defiVpin);

  void Init(const char* name);
  void Destroy();
  void setBounds(int xl, int yl, int xh, int yh);
  void setLayer(const char* layer);
  void setOrient(int orient);
  void setLoc(int x, int y);
  void setStatus(char status);

  int xl() const { return xl_; }
  int yl() const { return yl_; }
  int xh() const { return xh_; }
  int yh() const { return yh_; }
  int xLoc() const { return xLoc_; }
  int yLoc() const { return yLoc_; }
  int orient() const { return orient_; }
  const char* orientStr() const;
  char status() const { return status_; }
  const char* name() const { return name_; }
  const char* layer() const { return layer_; }

 private:
  int xl_ = 0, yl_ = 0, xh_ = 0, yh_ = 0;
  int orient_ = -1;
  char status_ = ' ';
  int xLoc_ = 0, yLoc_ = 0;
  char* name_ = nullptr;
  char* layer_ = nullptr;
  defrData* defData_;
};

class defiSubnet {
 public:
  explicit defiSubnet(defrData* data);
  ~defiSubnet();
  DEFI_NO_COPY(defiSubnet);

  void Init();
  void Destroy();
  void clear();

  void setName(const char* name);
  void setNonDefault(const char* name);
  void addPin(const char* instance, const char* pin, int syn);
  void addMustPin(const char* instance, const char* pin, int syn);
  void setType(const char* typ);
  void addWire(const char* typ);
  void addWirePath(defiPath* p, int reset, int netOsnet, int* needCbk);
  void addPath(defiPath* p, int reset, int netOsnet, int* needCbk);

  const char* name() const { return name_; }
  DEFI_CONNECTION_QUERIES
  int isFixed() const { return isFixed_; }
  int isRouted() const { return isRouted_; }
  int isCover() const { return isCover_; }
  int hasNonDefaultRule() const { return nonDefaultRule_ != nullptr; }
  const char* nonDefaultRule() const { return nonDefaultRule_; }
  int numWires() const { return numWires_; }
  const defiWire* wire(int i) const { return defiInRange(i, numWires_) ? wires_[i] : nullptr; }
  int numPaths() const { return paths_.num(); }
  const defiPath* path(int i) const { return paths_.at(i); }
  void print(FILE* f) const;

 private:
  char* name_ = nullptr;
  int nameSize_ = 0;
  defiConnList conns_;
  char isFixed_ = 0, isRouted_ = 0, isCover_ = 0;
  defiPathList paths_;
  defiWire** wires_ = nullptr;
  int numWires_ = 0;
  int wiresAllocated_ = 0;
  char* nonDefaultRule_ = nullptr;
  defrData* defData_;
};

class defiNet {
 public:
  explicit defiNet(defrData* data);
  ~defiNet();
  DEFI_NO_COPY(defiNet);

  void Init();
  void Destroy();
  void clear();

  // Filling.
  void setName(const char* name);
  void changeNetName(const char* name);
  void addPin(const char* instance, const char* pin, int syn);
  void addMustPin(const char* instance, const char* pin, int syn);
  void changeInstance(const char* name, int index);
  void changePin(const char* name, int index);
  void setWeight(int w);
  void setCap(double w);
  void setFrequency(double frequency);
  void setVoltage(double v);
  void setXTalk(int xtalk);
  void setStyle(int style);
  void setFixedbump();
  void setSource(const char* typ);
  void setOriginal(const char* typ);
  void setPattern(const char* typ);
  void setUse(const char* typ);
  void setNonDefaultRule(const char* name);
  void setType(const char* typ);
  void addProp(const char* name, const char* value, char type);
  void addNumProp(const char* name, double d, const char* value, char type);
  void addSubnet(defiSubnet* subnet);
  void addWire(const char* typ, const char* wireShieldName);
  void addWirePath(defiPath* p, int reset, int netOsnet, int* needCbk);
  void addShield(const char* shieldName);
  void addNoShield(const char* shieldName);
  void addShieldPath(defiPath* p, int reset, int netOsnet, int* needCbk);
  void addShieldNet(const char* shieldNetName);
  void addVpin(const char* name);
  void addVpinLayer(const char* layer);
  void addVpinLoc(const char* status, int x, int y, int orient);
  void addVpinBounds(int xl, int yl, int xh, int yh);
  void setWidth(const char* layer, double dist);
  void setSpacing(const char* layer, double dist);
  void setRange(double left, double right);
  void addRect(const char* layer, int xl, int yl, int xh, int yh, int* needCbk,
               int colorMask, const char* routeStatus, const char* shapeType,
               const char* routeStatusName);
  void addPolygon(const char* layer, defiGeometries* geom, int* needCbk,
                  int colorMask, const char* routeStatus, const char* shapeType,
                  const char* routeStatusName);
  void addPts(const char* viaName, int orient, defiGeometries* geom, int* needCbk,
              int colorMask, const char* routeStatus, const char* shapeType,
              const char* routeStatusName);
  void freeWire();
  void freeShield();
  void clearRectPolyNPath();
  void clearRectPoly();
  void clearVia();

  // Queries.
  const char* name() const { return name_; }
  DEFI_CONNECTION_QUERIES

  int weight() const { return weight_; }
  int hasWeight() const { return hasWeight_; }
  double cap() const { return hasCap_ ? cap_ : 0.0; }
  int hasCap() const { return hasCap_; }
  double frequency() const { return hasFrequency_ ? frequency_ : 0.0; }
  int hasFrequency() const { return hasFrequency_; }
  double voltage() const { return voltage_; }
  int hasVoltage() const { return hasVoltage_; }
  const char* source() const { return source_; }
  int hasSource() const { return source_ != nullptr; }
  const char* original() const { return original_; }
  int hasOriginal() const { return original_ != nullptr; }
  const char* pattern() const { return pattern_; }
  int hasPattern() const { return pattern_ != nullptr; }
  const char* use() const { return use_; }
  int hasUse() const { return use_ != nullptr; }
  const char* nonDefaultRule() const { return nonDefaultRule_; }
  int hasNonDefaultRule() const { return nonDefaultRule_ != nullptr; }
  int style() const { return style_; }
  int hasStyle() const { return style_ != 0; }
  int XTalk() const { return xTalk_; }
  int hasXTalk() const { return xTalk_ != -1; }
  int hasFixedbump() const { return fixedbump_; }
  int isFixed() const { return isFixed_; }
  int isRouted() const { return isRouted_; }
  int isCover() const { return isCover_; }

  int hasProps() const { return props_.num() != 0; }
  DEFI_PROPERTY_QUERIES(defiSilent)

  int hasSubnets() const { return numSubnets_ != 0; }
  int numSubnets() const { return numSubnets_; }
  const defiSubnet* subnet(int i) const { return defiInRange(i, numSubnets_) ? subnets_[i] : nullptr; }
  int numWires() const { return numWires_; }
  const defiWire* wire(int i) const { return defiInRange(i, numWires_) ? wires_[i] : nullptr; }
  int numPaths() const { return paths_.num(); }
  const defiPath* path(int i) const { return paths_.at(i); }
  int numShields() const { return numShields_; }
  const defiShield* shield(int i) const { return defiInRange(i, numShields_) ? shields_[i] : nullptr; }
  int numNoShields() const { return numNoShields_; }
  const defiShield* noShield(int i) const { return defiInRange(i, numNoShields_) ? noShields_[i] : nullptr; }
  int numShieldNets() const { return numShieldNets_; }
  const char* shieldNet(int i) const { return defiInRange(i, numShieldNets_) ? shieldNets_[i] : nullptr; }
  int numVpins() const { return numVpins_; }
  const defiVpin* vpin(int i) const { return defiInRange(i, numVpins_) ? vpins_[i] : nullptr; }

  int numWidthRules() const { return numWidths_; }
  int hasWidthRules() const { return numWidths_; }
  void widthRule(int index, char** layer, double* dist) const;
  int numSpacingRules() const { return numSpacing_; }
  int hasSpacingRules() const { return numSpacing_; }
  void spacingRule(int index, char** layer, double* dist, double* left, double* right) const;

  int numRectangles() const { return rects_.num; }
  const char* rectName(int i) const;
  int xl(int i) const;
  int yl(int i) const;
  int xh(int i) const;
  int yh(int i) const;
  int rectMask(int i) const;
  const char* rectRouteStatus(int i) const;
  const char* rectRouteStatusShieldName(int i) const;
  const char* rectShapeType(int i) const;

  int numPolygons() const { return polys_.num; }
  const char* polygonName(int i) const;
  defiPointList getPolygon(int i) const;
  int polyMask(int i) const;
  const char* polyRouteStatus(int i) const;
  const char* polyRouteStatusShieldName(int i) const;
  const char* polyShapeType(int i) const;

  int numViaSpecs() const { return vias_.num; }
  const char* viaName(int i) const;
  int viaOrient(int i) const;
  const char* viaOrientStr(int i) const;
  int topMaskNum(int i) const;
  int cutMaskNum(int i) const;
  int bottomMaskNum(int i) const;
  const char* viaRouteStatus(int i) const;
  const char* viaRouteStatusShieldName(int i) const;
  const char* viaShapeType(int i) const;
  defiPointList getViaPts(int i) const;

  void print(FILE* f) const;

 private:
  // Attributes every special-net shape carries, one entry per shape.
  struct ShapeAttrs {
    int num = 0;
    int cap = 0;
    char** names = nullptr;  // layer or via name
    int* masks = nullptr;
    char** routeStatus = nullptr;
    char** routeStatusName = nullptr;
    char** shapeType = nullptr;
  };
  struct Rects : ShapeAttrs {
    int* xl = nullptr;
    int* yl = nullptr;
    int* xh = nullptr;
    int* yh = nullptr;
  };
  struct Polys : ShapeAttrs {
    defiPointList* points = nullptr;
  };
  struct ViaPts : ShapeAttrs {
    defiPointList* points = nullptr;
    int* orients = nullptr;
  };

  // Clears *needCbk and grows the shared arrays when full; returns the new
  // capacity (the caller grows its own arrays) or 0.
  static int reserveShape(ShapeAttrs& s, int* needCbk);
  void finishShape(ShapeAttrs& s, const char* name, int mask, const char* routeStatus,
                   const char* shapeType, const char* routeStatusName, int* needCbk);
  static void freeShapeAttrs(ShapeAttrs& s);
  bool checkRect(int i) const;
  bool checkPoly(int i) const;
  bool checkVia(int i) const;

  char* name_ = nullptr;
  int nameSize_ = 0;
  defiConnList conns_;
  int weight_ = 0;
  char hasWeight_ = 0;
  char isFixed_ = 0, isRouted_ = 0, isCover_ = 0;
  char hasCap_ = 0, hasFrequency_ = 0, hasVoltage_ = 0;
  defiPropList props_;
  int numSubnets_ = 0;
  defiSubnet** subnets_ = nullptr;
  int subnetsAllocated_ = 0;
  char* source_ = nullptr;
  int fixedbump_ = 0;
  double frequency_ = 0;
  char* pattern_ = nullptr;
  char* original_ = nullptr;
  char* use_ = nullptr;
  char* nonDefaultRule_ = nullptr;
  int style_ = 0;
  defiPathList paths_;
  double voltage_ = 0;
  double cap_ = 0;
  int numWires_ = 0;
  int wiresAllocated_ = 0;
  defiWire** wires_ = nullptr;
  int widthsAllocated_ = 0;
  int numWidths_ = 0;
  char** wlayers_ = nullptr;
  double* wdist_ = nullptr;
  int spacingAllocated_ = 0;
  int numSpacing_ = 0;
  char** slayers_ = nullptr;
  double* sdist_ = nullptr;
  double* sleft_ = nullptr;
  double* sright_ = nullptr;
  int xTalk_ = -1;
  int numVpins_ = 0;
  int vpinsAllocated_ = 0;
  defiVpin** vpins_ = nullptr;
  // SHIELD and NOSHIELD entries never meet in one net; keeping them apart
  // means a malformed mix cannot overwrite one with the other.
  int numShields_ = 0;
  int shieldsAllocated_ = 0;
  defiShield** shields_ = nullptr;
  int numNoShields_ = 0;
  int noShieldsAllocated_ = 0;
  defiShield** noShields_ = nullptr;
  int numShieldNets_ = 0;
  int shieldNetsAllocated_ = 0;
  char** shieldNets_ = nullptr;
  Polys polys_;
  Rects rects_;
  ViaPts vias_;
  defrData* defData_;
};

}  // namespace LefDefParser

#endif
