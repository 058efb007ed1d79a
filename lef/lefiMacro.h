// The cell library side of LEF: a MACRO with its pins, obstructions,
// density blocks and old-style timing, and the holders of the macro-site
// and macro-foreign callbacks.
#ifndef VELMOR_LEF_LEFIMACRO_H
#define VELMOR_LEF_LEFIMACRO_H

#include <cstdio>

#include "lef/lefiMisc.h"
#include "lef/lefiUtil.h"

namespace LefDefParser {

// The accessors of one antenna value list with layer names, named after
// the LEF keyword (antennaSize(i), antennaSizeLayer(i), ...).
#define LEFI_ANTENNA_LIST_API(Kind, list)                                        \
  void addAntenna##Kind(double value, const char* layer) { list.add(value, layer); } \
  int hasAntenna##Kind() const { return list.num != 0; }                         \
  int numAntenna##Kind() const { return list.num; }                              \
  double antenna##Kind(int i) const { return list.values[i]; }                   \
  const char* antenna##Kind##Layer(int i) const { return list.layers[i]; }

// The value lists of a pin's antenna model, named after their LEF keyword.
#define LEFI_PIN_MODEL_LISTS(X) X(GateArea) X(MaxAreaCar) X(MaxSideAreaCar) X(MaxCutCar)

// One ANTENNAMODEL (OXIDE1 to OXIDE4) of a pin.
class lefiPinAntennaModel {
 public:
  lefiPinAntennaModel();
  ~lefiPinAntennaModel();
  lefiPinAntennaModel(const lefiPinAntennaModel&) = delete;
  lefiPinAntennaModel& operator=(const lefiPinAntennaModel&) = delete;

  void Init();
  void clear();
  void Destroy();

  // OXIDE1 to OXIDE4 for 1 to 4; no oxide (model unused) otherwise.
  void setAntennaModel(int oxide);
  void setAntennaReturnFlag(int flag) { hasReturn_ = flag; }

#define LEFI_MODEL_LIST_API(Kind) LEFI_ANTENNA_LIST_API(Kind, lists_[k##Kind])
  LEFI_PIN_MODEL_LISTS(LEFI_MODEL_LIST_API)
#undef LEFI_MODEL_LIST_API

  const char* antennaOxide() const { return oxide_; }
  int hasReturn() const { return hasReturn_; }

 private:
  enum {
#define LEFI_MODEL_LIST_ENUM(Kind) k##Kind,
    LEFI_PIN_MODEL_LISTS(LEFI_MODEL_LIST_ENUM)
#undef LEFI_MODEL_LIST_ENUM
    kNumLists
  };

  char* oxide_;
  int hasReturn_;
  lefiValueLayerList lists_[kNumLists];
};

// Pin attributes with one value: setter suffix, accessor.
#define LEFI_PIN_VALUES(X)                                                    \
  X(Power, power) X(Leakage, leakage) X(Maxload, maxload) X(Maxdelay, maxdelay) \
  X(Capacitance, capacitance) X(Resistance, resistance)                       \
  X(Pulldownres, pulldownres) X(Tieoffr, tieoffr) X(VHI, VHI) X(VLO, VLO)       \
  X(RiseVoltage, riseVoltage) X(FallVoltage, fallVoltage)                     \
  X(RiseThresh, riseThresh) X(FallThresh, fallThresh)                         \
  X(RiseSatcur, riseSatcur) X(FallSatcur, fallSatcur)                         \
  X(RiseSlewLimit, riseSlewLimit) X(FallSlewLimit, fallSlewLimit)

// The antenna value lists of a pin, named after their LEF keyword.
#define LEFI_PIN_ANTENNA_LISTS(X)                                                 \
  X(Size) X(MetalArea) X(MetalLength) X(PartialMetalArea) X(PartialMetalSideArea) \
  X(PartialCutArea) X(DiffArea)

// Pin attributes with a high and a low value.
#define LEFI_PIN_PAIRS(X) \
  X(OutMargin, outMargin) X(OutResistance, outResistance) X(InMargin, inMargin)

// One PIN of a MACRO.
class lefiPin {
 public:
  lefiPin();
  ~lefiPin();
  lefiPin(const lefiPin&) = delete;
  lefiPin& operator=(const lefiPin&) = delete;

  void Init();
  void Destroy();
  void clear();

  // Clears the previous pin first.
  void setName(const char* name);
  // The pin takes the port over.
  void addPort(lefiGeometries* geom);
  void addForeign(const char* name, int hasPnt, double x, double y, int orient);
  void setLEQ(const char* name);
  void setMustjoin(const char* name);
  void setDirection(const char* dir);
  void setUse(const char* use);
  void setShape(const char* shape);
  void setCurrentSource(const char* name);
  void setTables(const char* highName, const char* lowName);
  void setTaperRule(const char* name);
  void setNetExpr(const char* name);
  void setSupplySensitivity(const char* pinName);
  void setGroundSensitivity(const char* pinName);
  void setProperty(const char* name, const char* value, char type);
  void setNumProperty(const char* name, double d, const char* value, char type);

#define LEFI_PIN_VALUE_API(Name, get)                                    \
  void set##Name(double v) { get##_ = v; has_[kHas##Name] = 1; }        \
  double get() const { return get##_; }                                 \
  int has##Name() const { return has_[kHas##Name]; }
  LEFI_PIN_VALUES(LEFI_PIN_VALUE_API)
#undef LEFI_PIN_VALUE_API
#define LEFI_PIN_PAIR_API(Name, get)                                    \
  void set##Name(double high, double low) {                             \
    get##High_ = high;                                                  \
    get##Low_ = low;                                                    \
    has_[kHas##Name] = 1;                                               \
  }                                                                     \
  double get##High() const { return get##High_; }                       \
  double get##Low() const { return get##Low_; }                         \
  int has##Name() const { return has_[kHas##Name]; }
  LEFI_PIN_PAIRS(LEFI_PIN_PAIR_API)
#undef LEFI_PIN_PAIR_API

#define LEFI_PIN_ANTENNA_API(Kind) LEFI_ANTENNA_LIST_API(Kind, antenna_[kAntenna##Kind])
  LEFI_PIN_ANTENNA_LISTS(LEFI_PIN_ANTENNA_API)
#undef LEFI_PIN_ANTENNA_API

  // Starts model OXIDEn (n from 1 to 4) and makes it current.
  void addAntennaModel(int oxide);
  // These go to the current model, OXIDE1 when none was started.
  void addAntennaGateArea(double value, const char* layer);
  void addAntennaMaxAreaCar(double value, const char* layer);
  void addAntennaMaxSideAreaCar(double value, const char* layer);
  void addAntennaMaxCutCar(double value, const char* layer);

  const char* name() const { return name_; }
  int numPorts() const { return numPorts_; }
  lefiGeometries* port(int index) const;

  int hasForeign() const { return foreigns_.num != 0; }
  int numForeigns() const { return foreigns_.num; }
  const char* foreignName(int i) const { return foreigns_.names[i]; }
  double foreignX(int i) const { return foreigns_.x[i]; }
  double foreignY(int i) const { return foreigns_.y[i]; }
  int foreignOrient(int i) const { return foreigns_.orient[i]; }
  const char* foreignOrientStr(int i) const { return lefiOrientStr(foreigns_.orient[i]); }
  int hasForeignOrient(int i) const { return foreigns_.first[i] != -1 ? 1 : 0; }
  int hasForeignPoint(int i) const { return foreigns_.hasPoint[i]; }

  const char* LEQ() const { return LEQ_; }
  const char* mustjoin() const { return mustjoin_; }
  const char* tableHighName() const { return highTable_; }
  const char* tableLowName() const { return lowTable_; }
  const char* direction() const { return direction_; }
  const char* use() const { return use_; }
  const char* shape() const { return shape_; }
  const char* currentSource() const { return currentSource_; }
  int hasLEQ() const { return has_[kHasLEQ]; }
  int hasDirection() const { return has_[kHasDirection]; }
  int hasUse() const { return has_[kHasUse]; }
  int hasShape() const { return has_[kHasShape]; }
  int hasMustjoin() const { return has_[kHasMustjoin]; }
  int hasCurrentSource() const { return has_[kHasCurrentSource]; }
  int hasTables() const { return has_[kHasTables]; }

  int hasTaperRule() const { return taperRule_ != nullptr; }
  int hasNetExpr() const { return netExpr_ != nullptr; }
  int hasSupplySensitivity() const { return supplySensitivity_ != nullptr; }
  int hasGroundSensitivity() const { return groundSensitivity_ != nullptr; }
  const char* taperRule() const { return taperRule_; }
  const char* netExpr() const { return netExpr_; }
  const char* supplySensitivity() const { return supplySensitivity_; }
  const char* groundSensitivity() const { return groundSensitivity_; }

  int hasAntennaModel() const { return antennaModels_ != nullptr; }
  int numAntennaModel() const { return numAntennaModel_; }
  // The first model in use from index on; index 0 also resets the
  // returned flags of all four.
  lefiPinAntennaModel* antennaModel(int index) const;

  int numProperties() const { return props_.num; }
  const char* propName(int i) const { return props_.name(i); }
  const char* propValue(int i) const { return props_.value(i); }
  double propNum(int i) const { return props_.number(i); }
  char propType(int i) const { return props_.type(i); }
  int propIsNumber(int i) const { return props_.isNumber(i); }
  int propIsString(int i) const { return props_.isString(i); }

  void print(FILE* f) const;

 private:
  static const int kNumModels = 4;
  enum {
#define LEFI_PIN_ANTENNA_ENUM(Kind) kAntenna##Kind,
    LEFI_PIN_ANTENNA_LISTS(LEFI_PIN_ANTENNA_ENUM)
#undef LEFI_PIN_ANTENNA_ENUM
    kNumAntennaLists
  };
  enum {
    kHasLEQ,
    kHasDirection,
    kHasUse,
    kHasShape,
    kHasMustjoin,
#define LEFI_PIN_FLAG(Name, get) kHas##Name,
    LEFI_PIN_PAIRS(LEFI_PIN_FLAG) LEFI_PIN_VALUES(LEFI_PIN_FLAG)
#undef LEFI_PIN_FLAG
    kHasCurrentSource,
    kHasTables,
    kNumPinFlags
  };
  lefiPinAntennaModel* currentModel();

  int nameSize_;
  char* name_;
  char has_[kNumPinFlags];
  lefiForeignList foreigns_;
  int LEQSize_;
  char* LEQ_;
  int mustjoinSize_;
  char* mustjoin_;
#define LEFI_PIN_PAIR_FIELDS(Name, get) double get##High_; double get##Low_;
  LEFI_PIN_PAIRS(LEFI_PIN_PAIR_FIELDS)
#undef LEFI_PIN_PAIR_FIELDS
#define LEFI_PIN_VALUE_FIELD(Name, get) double get##_;
  LEFI_PIN_VALUES(LEFI_PIN_VALUE_FIELD)
#undef LEFI_PIN_VALUE_FIELD
  int lowTableSize_;
  char* lowTable_;
  int highTableSize_;
  char* highTable_;
  int numAntennaModel_;
  int antennaModelAllocated_;
  int curAntennaModelIndex_;
  lefiPinAntennaModel* antennaModels_;
  lefiValueLayerList antenna_[kNumAntennaLists];
  char* taperRule_;
  char* netExpr_;
  char* supplySensitivity_;
  char* groundSensitivity_;
  char direction_[32];
  char use_[12];
  char shape_[12];
  char currentSource_[12];
  lefiPropList props_;
  int numPorts_;
  int portsAllocated_;
  lefiGeometries** ports_;
};

#undef LEFI_ANTENNA_LIST_API

// The MACRO statement's own attributes (pins and obstructions come apart).
class lefiMacro {
 public:
  lefiMacro();
  ~lefiMacro();
  lefiMacro(const lefiMacro&) = delete;
  lefiMacro& operator=(const lefiMacro&) = delete;

  void Init();
  void Destroy();
  void clear();

  // Does not clear: the reader clears just before.
  void setName(const char* name);
  void setClass(const char* name);
  void setSource(const char* name);
  void setGenerator(const char* name);
  void setGenerate(const char* name1, const char* name2);
  void setBuffer() { has_[kHasBuffer] = 1; }
  void setInverter() { has_[kHasInverter] = 1; }
  void setOrigin(double x, double y);
  void setSize(double x, double y);
  void setPower(double p);
  void setEEQ(const char* name);
  void setLEQ(const char* name);
  void setXSymmetry() { has_[kSymmetry] |= 1; }
  void setYSymmetry() { has_[kSymmetry] |= 2; }
  void set90Symmetry() { has_[kSymmetry] |= 4; }
  void setSiteName(const char* name);
  // The macro takes the pattern over.
  void setSitePattern(lefiSitePattern* pattern);
  void addForeign(const char* name, int hasPnt, double x, double y, int orient);
  void setClockType(const char* name);
  void setFixedMask(int isFixedMask) { isFixedMask_ = isFixedMask; }
  void setProperty(const char* name, const char* value, char type);
  void setNumProperty(const char* name, double d, const char* value, char type);

  const char* name() const { return name_; }
  const char* macroClass() const { return macroClass_; }
  const char* source() const { return source_; }
  const char* generator() const { return generator_; }
  const char* EEQ() const { return EEQ_; }
  const char* LEQ() const { return LEQ_; }
  const char* siteName() const { return siteName_; }
  const char* clockType() const { return clockType_; }
  // Fills whichever of the two pointers is not null.
  void generate(char** name1, char** name2) const;
  double originX() const { return originX_; }
  double originY() const { return originY_; }
  double sizeX() const { return sizeX_; }
  double sizeY() const { return sizeY_; }
  double power() const { return power_; }

  int hasClass() const { return has_[kHasClass]; }
  int hasGenerator() const { return has_[kHasGenerator]; }
  int hasGenerate() const { return has_[kHasGenerate]; }
  int hasPower() const { return has_[kHasPower]; }
  int hasOrigin() const { return has_[kHasOrigin]; }
  int hasSource() const { return has_[kHasSource]; }
  int hasEEQ() const { return has_[kHasEEQ]; }
  int hasLEQ() const { return has_[kHasLEQ]; }
  int hasSiteName() const { return has_[kHasSiteName]; }
  int hasSize() const { return has_[kHasSize]; }
  int hasClockType() const { return has_[kHasClockType]; }
  int isBuffer() const { return has_[kHasBuffer]; }
  int isInverter() const { return has_[kHasInverter]; }
  int hasXSymmetry() const { return (has_[kSymmetry] & 1) ? 1 : 0; }
  int hasYSymmetry() const { return (has_[kSymmetry] & 2) ? 1 : 0; }
  int has90Symmetry() const { return (has_[kSymmetry] & 4) ? 1 : 0; }

  int hasSitePattern() const { return patterns_ != nullptr; }
  int numSitePattern() const { return numSites_; }
  lefiSitePattern* sitePattern(int index) const { return patterns_[index]; }

  int hasForeign() const { return foreigns_.num != 0; }
  int numForeigns() const { return foreigns_.num; }
  const char* foreignName(int i) const { return foreigns_.names[i]; }
  double foreignX(int i) const { return foreigns_.x[i]; }
  double foreignY(int i) const { return foreigns_.y[i]; }
  int foreignOrient(int i) const { return foreigns_.orient[i]; }
  const char* foreignOrientStr(int i) const { return lefiOrientStr(foreigns_.orient[i]); }
  int hasForeignOrient(int i) const { return foreigns_.orient[i] != -1 ? 1 : 0; }
  int hasForeignPoint(int i) const { return foreigns_.hasPoint[i]; }
  // Whether entry i was given a point.
  int hasForeignOrigin(int i) const { return foreigns_.first[i]; }
  int isFixedMask() const { return isFixedMask_; }

  int numProperties() const { return props_.num; }
  const char* propName(int i) const { return props_.name(i); }
  const char* propValue(int i) const { return props_.value(i); }
  double propNum(int i) const { return props_.number(i); }
  char propType(int i) const { return props_.type(i); }
  int propIsNumber(int i) const { return props_.isNumber(i); }
  int propIsString(int i) const { return props_.isString(i); }

  void print(FILE* f) const;

 private:
  enum {
    kHasClass,
    kHasGenerator,
    kHasGenerate,
    kHasPower,
    kHasOrigin,
    kHasSource,
    kHasEEQ,
    kHasLEQ,
    kSymmetry,
    kHasSiteName,
    kHasSize,
    kHasClockType,
    kHasBuffer,
    kHasInverter,
    kNumMacroFlags
  };

  int nameSize_;
  char* name_;
  char macroClass_[32];
  char source_[12];
  int generatorSize_;
  char* generator_;
  char has_[kNumMacroFlags];
  char* EEQ_;
  int EEQSize_;
  char* LEQ_;
  int LEQSize_;
  char* gen1_;
  int gen1Size_;
  char* gen2_;
  int gen2Size_;
  double power_;
  double originX_;
  double originY_;
  double sizeX_;
  double sizeY_;
  int numSites_;
  int sitesAllocated_;
  lefiSitePattern** patterns_;
  lefiForeignList foreigns_;
  int siteNameSize_;
  char* siteName_;
  char* clockType_;
  int clockTypeSize_;
  lefiPropList props_;
  int isFixedMask_;
};

// What the macro-site callback receives; it owns nothing.
class lefiMacroSite {
 public:
  lefiMacroSite(const char* name, const lefiSitePattern* pattern)
      : siteName_(name), sitePattern_(pattern) {}
  const char* siteName() const { return siteName_; }
  const lefiSitePattern* sitePattern() const { return sitePattern_; }

 private:
  const char* siteName_;
  const lefiSitePattern* sitePattern_;
};

// What the macro-foreign callback receives; it owns nothing.
class lefiMacroForeign {
 public:
  lefiMacroForeign(const char* name, int hasPts, double x, double y, int hasOrient,
                   int orient)
      : cellName_(name),
        cellHasPts_(hasPts),
        px_(x),
        py_(y),
        cellHasOrient_(hasOrient),
        cellOrient_(orient) {}
  const char* cellName() const { return cellName_; }
  int cellHasPts() const { return cellHasPts_; }
  double px() const { return px_; }
  double py() const { return py_; }
  int cellHasOrient() const { return cellHasOrient_; }
  int cellOrient() const { return cellOrient_; }

 private:
  const char* cellName_;
  int cellHasPts_;
  double px_;
  double py_;
  int cellHasOrient_;
  int cellOrient_;
};

// One OBS block of a macro.
class lefiObstruction {
 public:
  lefiObstruction() : geometries_(nullptr) { Init(); }
  ~lefiObstruction() { Destroy(); }
  lefiObstruction(const lefiObstruction&) = delete;
  lefiObstruction& operator=(const lefiObstruction&) = delete;

  void Init() { geometries_ = nullptr; }
  void Destroy() { clear(); }
  void clear() { lefiFreeObj(geometries_); }

  // Releases the previous geometries and takes these over.
  void setGeometries(lefiGeometries* g);
  lefiGeometries* geometries() const { return geometries_; }

  void print(FILE* f) const;

 private:
  lefiGeometries* geometries_;
};

// One DENSITY block: per layer, rectangles with their density values.
// No accessor checks its indices.
class lefiDensity {
 public:
  lefiDensity();
  ~lefiDensity() { Destroy(); }
  lefiDensity(const lefiDensity&) = delete;
  lefiDensity& operator=(const lefiDensity&) = delete;

  void Init();
  void Destroy() { clear(); }
  void clear();

  void addLayer(const char* name);
  // Goes to the layer added last; ignored before any layer.
  void addRect(double x1, double y1, double x2, double y2, double value);

  int numLayer() const { return numLayers_; }
  const char* layerName(int index) const { return layerNames_[index]; }
  int numRects(int index) const { return numRects_[index]; }
  lefiGeomRectItem getRect(int index, int rectIndex) const {
    return rects_[index][rectIndex];
  }
  double densityValue(int index, int rectIndex) const {
    return densityValues_[index][rectIndex];
  }

  void print(FILE* f) const;

 private:
  int numLayers_;
  int layersAllocated_;
  char** layerNames_;
  int* numRects_;
  int* rectsAllocated_;
  lefiGeomRectItem** rects_;
  double** densityValues_;
};

// Has-flags of a TIMING block, in the order the block's values are kept.
#define LEFI_TIMING_FLAGS(X)                                                        \
  X(Transition) X(Delay) X(RiseSlew) X(RiseSlew2) X(FallSlew) X(FallSlew2)         \
  X(RiseIntrinsic) X(FallIntrinsic) X(RiseRS) X(RiseCS) X(FallRS) X(FallCS)        \
  X(Unateness) X(FallAtt1) X(RiseAtt1) X(FallTo) X(RiseTo) X(StableTiming)         \
  X(SDFonePinTrigger) X(SDFtwoPinTrigger) X(SDFcondStart) X(SDFcondEnd) X(SDFcond)

// Value pairs of a TIMING block: setter suffix, accessor prefix.
#define LEFI_TIMING_PAIRS(X)                                                   \
  X(RiseRS, riseRS) X(RiseCS, riseCS) X(FallRS, fallRS) X(FallCS, fallCS)      \
  X(RiseAtt1, riseAtt1) X(FallAtt1, fallAtt1) X(RiseTo, riseTo) X(FallTo, fallTo)

// Texts of a TIMING block that the block keeps its own copy of: field,
// accessor.
#define LEFI_TIMING_TEXTS(X)                                                     \
  X(delayRiseOrFall_, delayRiseOrFall) X(delayUnateness_, delayUnateness)         \
  X(transitionRiseOrFall_, transitionRiseOrFall)                                  \
  X(transitionUnateness_, transitionUnateness) X(unateness_, unateness)           \
  X(stableRiseFall_, stableRiseFall) X(SDFtriggerType_, SDFonePinTriggerType)     \
  X(SDFfromTrigger_, SDFfromTrigger) X(SDFtoTrigger_, SDFtoTrigger)               \
  X(SDFcondStart_, SDFcondStart) X(SDFcondEnd_, SDFcondEnd) X(SDFcond_, SDFcond)

// One TIMING block of a macro (LEF before 5.4). Its accessors are not
// const, as callers of this interface expect.
class lefiTiming {
 public:
  lefiTiming();
  ~lefiTiming();
  lefiTiming(const lefiTiming&) = delete;
  lefiTiming& operator=(const lefiTiming&) = delete;

  void Init();
  void Destroy();
  // Counts and flags only; the values stay.
  void clear();

  void addFromPin(const char* name);
  void addToPin(const char* name);
  // A text beginning with 'r' or 'R' is RISE; it also picks the side that
  // the variable and slew values that follow belong to.
  void addRiseFall(const char* risefall, double one, double two);
  void addRiseFallVariable(double three, double four);
  void addRiseFallSlew(double one, double two, double three, double four);
  void addRiseFallSlew2(double five, double six, double seven);
#define LEFI_TIMING_PAIR_SET(Name, get) void set##Name(double one, double two);
  LEFI_TIMING_PAIRS(LEFI_TIMING_PAIR_SET)
#undef LEFI_TIMING_PAIR_SET
  void addUnateness(const char* typ);
  void setStable(double setup, double hold, const char* risefall);
  void addDelay(const char* risefall, const char* unateness, double one, double two,
                double three);
  void addTransition(const char* risefall, const char* unateness, double one, double two,
                     double three);
  // The one- and two-pin triggers share one type and one set of values.
  void addSDF1Pin(const char* trigType, double one, double two, double three);
  void addSDF2Pins(const char* trigType, const char* fromTrig, const char* toTrig,
                   double one, double two, double three);
  void setSDFcondStart(const char* condStart);
  void setSDFcondEnd(const char* condEnd);
  void setSDFcond(const char* cond);
  void addTableAxisNumber(double one);
  void addTableEntry(double one, double two, double three);

  int hasData() { return numFrom_ != 0; }
  int numFromPins() { return numFrom_; }
  const char* fromPin(int index) { return from_[index]; }
  int numToPins() { return numTo_; }
  const char* toPin(int index) { return to_[index]; }

#define LEFI_TIMING_HAS(Name) \
  int has##Name() { return has_[k##Name]; }
  LEFI_TIMING_FLAGS(LEFI_TIMING_HAS)
#undef LEFI_TIMING_HAS

  double riseIntrinsicOne() { return riseIntrinsic_[0]; }
  double riseIntrinsicTwo() { return riseIntrinsic_[1]; }
  double riseIntrinsicThree() { return riseIntrinsic_[2]; }
  double riseIntrinsicFour() { return riseIntrinsic_[3]; }
  double fallIntrinsicOne() { return fallIntrinsic_[0]; }
  double fallIntrinsicTwo() { return fallIntrinsic_[1]; }
  double fallIntrinsicThree() { return fallIntrinsic_[2]; }
  double fallIntrinsicFour() { return fallIntrinsic_[3]; }
  double riseSlewOne() { return riseSlew_[0]; }
  double riseSlewTwo() { return riseSlew_[1]; }
  double riseSlewThree() { return riseSlew_[2]; }
  double riseSlewFour() { return riseSlew_[3]; }
  double riseSlewFive() { return riseSlew_[4]; }
  double riseSlewSix() { return riseSlew_[5]; }
  double riseSlewSeven() { return riseSlew_[6]; }
  double fallSlewOne() { return fallSlew_[0]; }
  double fallSlewTwo() { return fallSlew_[1]; }
  double fallSlewThree() { return fallSlew_[2]; }
  double fallSlewFour() { return fallSlew_[3]; }
  double fallSlewFive() { return fallSlew_[4]; }
  double fallSlewSix() { return fallSlew_[5]; }
  double fallSlewSeven() { return fallSlew_[6]; }
#define LEFI_TIMING_PAIR_GET(Name, get)    \
  double get##One() { return get##_[0]; } \
  double get##Two() { return get##_[1]; }
  LEFI_TIMING_PAIRS(LEFI_TIMING_PAIR_GET)
#undef LEFI_TIMING_PAIR_GET
  double stableSetup() { return stableSetup_; }
  double stableHold() { return stableHold_; }
  double delayTableOne() { return delayTable_[0]; }
  double delayTableTwo() { return delayTable_[1]; }
  double delayTableThree() { return delayTable_[2]; }
  double transitionTableOne() { return transitionTable_[0]; }
  double transitionTableTwo() { return transitionTable_[1]; }
  double transitionTableThree() { return transitionTable_[2]; }
  double SDFtriggerOne() { return SDFtrigger_[0]; }
  double SDFtriggerTwo() { return SDFtrigger_[1]; }
  double SDFtriggerThree() { return SDFtrigger_[2]; }

#define LEFI_TIMING_TEXT_GET(field, get) \
  const char* get() { return field; }
  LEFI_TIMING_TEXTS(LEFI_TIMING_TEXT_GET)
#undef LEFI_TIMING_TEXT_GET
  const char* SDFtwoPinTriggerType() { return SDFtriggerType_; }

  int numOfAxisNumbers() { return numAxis_; }
  double* axisNumbers() { return axis_; }
  int numOfTableEntries() { return numTable_; }
  void tableEntry(int num, double* one, double* two, double* three);

 private:
  enum {
#define LEFI_TIMING_ENUM(Name) k##Name,
    LEFI_TIMING_FLAGS(LEFI_TIMING_ENUM)
#undef LEFI_TIMING_ENUM
    kNumTimingFlags
  };
  // Replaces a kept text by a copy of s.
  static void keep(char*& field, const char* s);
  static void addName(char**& names, int& num, int& cap, const char* name);

  int numFrom_;
  char** from_;
  int fromAllocated_;
  int numTo_;
  char** to_;
  int toAllocated_;
  int has_[kNumTimingFlags];
  int nowRise_;
  int numAxis_;
  double* axis_;
  int axisAllocated_;
  int numTable_;
  int tableAllocated_;
  double* table_;  // three values per entry
  double delayTable_[3];
  double transitionTable_[3];
  double riseIntrinsic_[4];
  double fallIntrinsic_[4];
  double riseSlew_[7];
  double fallSlew_[7];
#define LEFI_TIMING_PAIR_FIELD(Name, get) double get##_[2];
  LEFI_TIMING_PAIRS(LEFI_TIMING_PAIR_FIELD)
#undef LEFI_TIMING_PAIR_FIELD
  double stableSetup_;
  double stableHold_;
  double SDFtrigger_[3];
#define LEFI_TIMING_TEXT_FIELD(field, get) char* field;
  LEFI_TIMING_TEXTS(LEFI_TIMING_TEXT_FIELD)
#undef LEFI_TIMING_TEXT_FIELD
};

}  // namespace LefDefParser

#endif
