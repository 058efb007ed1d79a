// One LEF LAYER statement with its attributes, SPACING rules, spacing
// tables, antenna models, current-density tables and rule lists, and the
// helper classes that hold the tables.
#ifndef VELMOR_LEF_LEFILAYER_H
#define VELMOR_LEF_LEFILAYER_H

#include <cstdio>

#include "lef/lefiUtil.h"

namespace LefDefParser {

class lefiGeometries;

// Kind of antenna attribute handed to setAntennaValue, setAntennaDUO and
// setAntennaPWL.
enum lefiAntennaEnum {
  lefiAntennaDAR = 1,    // ANTENNADIFFAREARATIO
  lefiAntennaCDAR = 3,   // ANTENNACUMDIFFAREARATIO
  lefiAntennaAF = 4,     // ANTENNAAREAFACTOR
  lefiAntennaDSAR = 6,   // ANTENNADIFFSIDEAREARATIO
  lefiAntennaCDSAR = 8,  // ANTENNACUMDIFFSIDEAREARATIO
  lefiAntennaSAF = 9,    // ANTENNASIDEAREAFACTOR
  lefiAntennaO = 10,     // ANTENNAMODEL (the grammar's current kind only)
  lefiAntennaADR = 11    // ANTENNAAREADIFFREDUCEPWL
};

// A piecewise-linear antenna table of (diffusion, ratio) pairs.
class lefiAntennaPWL {
 public:
  lefiAntennaPWL();
  ~lefiAntennaPWL();
  lefiAntennaPWL(const lefiAntennaPWL&) = delete;
  lefiAntennaPWL& operator=(const lefiAntennaPWL&) = delete;

  // A new table in lefMalloc storage; its owner releases it.
  static lefiAntennaPWL* create();

  void Init();
  void clear();
  void Destroy();
  void addAntennaPWL(double diffusion, double ratio);

  int numPWL() const { return numPWL_; }
  double PWLdiffusion(int i) const { return lefiAt(d_, numPWL_, i); }
  double PWLratio(int i) const { return lefiAt(r_, numPWL_, i); }

 private:
  int numAlloc_;
  int numPWL_;
  double* d_;
  double* r_;
};

// The one-value antenna setters of a model; the layer forwards each to its
// current model.
#define LEFI_ANTENNA_VALUE_SETTERS(X) \
  X(AreaRatio)                        \
  X(CumAreaRatio)                     \
  X(AreaFactor)                       \
  X(SideAreaRatio)                    \
  X(CumSideAreaRatio)                 \
  X(SideAreaFactor)                   \
  X(GatePlusDiff)                     \
  X(AreaMinusDiff)
#define LEFI_DECLARE_ANTENNA_SETTER(Name) void setAntenna##Name(double v);

// The antenna rules of one oxide of a layer.
class lefiAntennaModel {
 public:
  lefiAntennaModel();
  ~lefiAntennaModel();
  lefiAntennaModel(const lefiAntennaModel&) = delete;
  lefiAntennaModel& operator=(const lefiAntennaModel&) = delete;

  void Init();
  void Destroy();

  void setAntennaModel(int oxide);
  LEFI_ANTENNA_VALUE_SETTERS(LEFI_DECLARE_ANTENNA_SETTER)
  void setAntennaValue(lefiAntennaEnum kind, double v);
  void setAntennaDUO(lefiAntennaEnum kind);
  // Takes pwl over; a kind without a table slot releases it at once.
  void setAntennaPWL(lefiAntennaEnum kind, lefiAntennaPWL* pwl);
  void setAntennaCumRoutingPlusCut();

  int hasAntennaAreaRatio() const { return hasAreaRatio_; }
  int hasAntennaDiffAreaRatio() const { return hasDiffAreaRatio_; }
  int hasAntennaCumAreaRatio() const { return hasCumAreaRatio_; }
  int hasAntennaCumDiffAreaRatio() const { return hasCumDiffAreaRatio_; }
  int hasAntennaAreaFactor() const { return hasAreaFactor_; }
  int hasAntennaAreaFactorDUO() const { return hasAreaFactorDUO_; }
  int hasAntennaSideAreaRatio() const { return hasSideAreaRatio_; }
  int hasAntennaDiffSideAreaRatio() const { return hasDiffSideAreaRatio_; }
  int hasAntennaCumSideAreaRatio() const { return hasCumSideAreaRatio_; }
  int hasAntennaCumDiffSideAreaRatio() const { return hasCumDiffSideAreaRatio_; }
  int hasAntennaSideAreaFactor() const { return hasSideAreaFactor_; }
  int hasAntennaSideAreaFactorDUO() const { return hasSideAreaFactorDUO_; }
  int hasAntennaCumRoutingPlusCut() const { return hasCumRoutingPlusCut_; }
  int hasAntennaGatePlusDiff() const { return hasGatePlusDiff_; }
  int hasAntennaAreaMinusDiff() const { return hasAreaMinusDiff_; }
  int hasAntennaDiffAreaRatioPWL() const { return diffAreaRatioPWL_ ? 1 : 0; }
  int hasAntennaCumDiffAreaRatioPWL() const { return cumDiffAreaRatioPWL_ ? 1 : 0; }
  int hasAntennaDiffSideAreaRatioPWL() const { return diffSideAreaRatioPWL_ ? 1 : 0; }
  int hasAntennaCumDiffSideAreaRatioPWL() const { return cumDiffSideAreaRatioPWL_ ? 1 : 0; }
  int hasAntennaAreaDiffReducePWL() const { return areaDiffReducePWL_ ? 1 : 0; }

  const char* antennaOxide() const { return oxide_; }
  double antennaAreaRatio() const { return areaRatio_; }
  double antennaDiffAreaRatio() const { return diffAreaRatio_; }
  double antennaCumAreaRatio() const { return cumAreaRatio_; }
  double antennaCumDiffAreaRatio() const { return cumDiffAreaRatio_; }
  double antennaAreaFactor() const { return areaFactor_; }
  double antennaSideAreaRatio() const { return sideAreaRatio_; }
  double antennaDiffSideAreaRatio() const { return diffSideAreaRatio_; }
  double antennaCumSideAreaRatio() const { return cumSideAreaRatio_; }
  double antennaCumDiffSideAreaRatio() const { return cumDiffSideAreaRatio_; }
  double antennaSideAreaFactor() const { return sideAreaFactor_; }
  double antennaGatePlusDiff() const { return gatePlusDiff_; }
  double antennaAreaMinusDiff() const { return areaMinusDiff_; }
  lefiAntennaPWL* antennaDiffAreaRatioPWL() const { return diffAreaRatioPWL_; }
  lefiAntennaPWL* antennaCumDiffAreaRatioPWL() const { return cumDiffAreaRatioPWL_; }
  lefiAntennaPWL* antennaDiffSideAreaRatioPWL() const { return diffSideAreaRatioPWL_; }
  lefiAntennaPWL* antennaCumDiffSideAreaRatioPWL() const { return cumDiffSideAreaRatioPWL_; }
  lefiAntennaPWL* antennaAreaDiffReducePWL() const { return areaDiffReducePWL_; }

 private:
  // The table slot of a kind, null for kinds without one.
  lefiAntennaPWL** pwlSlot(lefiAntennaEnum kind);

  int hasAreaRatio_;
  int hasDiffAreaRatio_;
  int hasCumAreaRatio_;
  int hasCumDiffAreaRatio_;
  int hasAreaFactor_;
  int hasAreaFactorDUO_;
  int hasSideAreaRatio_;
  int hasDiffSideAreaRatio_;
  int hasCumSideAreaRatio_;
  int hasCumDiffSideAreaRatio_;
  int hasSideAreaFactor_;
  int hasSideAreaFactorDUO_;
  int hasCumRoutingPlusCut_;
  int hasGatePlusDiff_;
  int hasAreaMinusDiff_;
  char* oxide_;
  double areaRatio_;
  double diffAreaRatio_;
  lefiAntennaPWL* diffAreaRatioPWL_;
  double cumAreaRatio_;
  double cumDiffAreaRatio_;
  lefiAntennaPWL* cumDiffAreaRatioPWL_;
  double areaFactor_;
  double sideAreaRatio_;
  double diffSideAreaRatio_;
  lefiAntennaPWL* diffSideAreaRatioPWL_;
  double cumSideAreaRatio_;
  double cumDiffSideAreaRatio_;
  lefiAntennaPWL* cumDiffSideAreaRatioPWL_;
  double sideAreaFactor_;
  double gatePlusDiff_;
  double areaMinusDiff_;
  lefiAntennaPWL* areaDiffReducePWL_;
};

// One ACCURRENTDENSITY or DCCURRENTDENSITY statement.
class lefiLayerDensity {
 public:
  // Only makes the object safe to Destroy; Init sets it up.
  lefiLayerDensity();
  ~lefiLayerDensity();
  lefiLayerDensity(const lefiLayerDensity&) = delete;
  lefiLayerDensity& operator=(const lefiLayerDensity&) = delete;

  void Init(const char* type);
  void Destroy();

  void setOneEntry(double v) { oneEntry_ = v; }
  // Each takes the array over.
  void addFrequency(int n, double* values);
  void addWidth(int n, double* values);
  void addTableEntry(int n, double* values);
  void addCutarea(int n, double* values);

  const char* type() const { return type_; }
  int hasOneEntry() const { return oneEntry_ != 0.0 ? 1 : 0; }
  double oneEntry() const { return oneEntry_; }
  int numFrequency() const { return numFrequency_; }
  double frequency(int i) const { return lefiAt(frequency_, numFrequency_, i); }
  int numWidths() const { return numWidths_; }
  double width(int i) const { return lefiAt(widths_, numWidths_, i); }
  int numTableEntries() const { return numTableEntries_; }
  double tableEntry(int i) const { return lefiAt(tableEntries_, numTableEntries_, i); }
  int numCutareas() const { return numCutareas_; }
  double cutArea(int i) const { return lefiAt(cutareas_, numCutareas_, i); }

 private:
  char* type_;
  double oneEntry_;
  int numFrequency_;
  double* frequency_;
  int numWidths_;
  double* widths_;
  int numTableEntries_;
  double* tableEntries_;
  int numCutareas_;
  double* cutareas_;
};

// SPACINGTABLE PARALLELRUNLENGTH: one row of spacings per WIDTH.
class lefiParallel {
 public:
  lefiParallel();
  ~lefiParallel();
  lefiParallel(const lefiParallel&) = delete;
  lefiParallel& operator=(const lefiParallel&) = delete;

  void Init();
  void Destroy();
  // Takes the lengths array over.
  void addParallelLength(int numLength, double* lengths);
  void addParallelWidth(double width);
  // Copies at most numLength() spacings into the last row.
  void addParallelWidthSpacing(int numSpacing, double* spacings);

  int numLength() const { return numLength_; }
  int numWidth() const { return numWidth_; }
  double length(int i) const { return lefiAt(length_, numLength_, i); }
  double width(int i) const { return lefiAt(width_, numWidth_, i); }
  double widthSpacing(int i, int j) const;

 private:
  int numLength_;
  int numWidth_;
  int numWidthAllocated_;
  double* length_;
  double* width_;
  double* widthSpacing_;
};

// SPACINGTABLE INFLUENCE: (width, within, spacing) rows.
class lefiInfluence {
 public:
  lefiInfluence();
  ~lefiInfluence();
  lefiInfluence(const lefiInfluence&) = delete;
  lefiInfluence& operator=(const lefiInfluence&) = delete;

  void Init();
  void Destroy();
  void addInfluence(double width, double distance, double spacing);

  int numInfluenceEntry() const { return numWidth_; }
  double width(int i) const { return lefiAt(width_, numWidth_, i); }
  double distance(int i) const { return lefiAt(distance_, numWidth_, i); }
  double spacing(int i) const { return lefiAt(spacing_, numWidth_, i); }

 private:
  int numAllocated_;
  int numWidth_;
  double* width_;
  double* distance_;
  double* spacing_;
};

// SPACINGTABLE TWOWIDTHS: rows of differing lengths.
class lefiTwoWidths {
 public:
  lefiTwoWidths();
  ~lefiTwoWidths();
  lefiTwoWidths(const lefiTwoWidths&) = delete;
  lefiTwoWidths& operator=(const lefiTwoWidths&) = delete;

  void Init();
  void Destroy();
  void addTwoWidths(double width, double prl, int numSpacing, double* spacings, int hasPRL);

  int numWidth() const { return numWidth_; }
  double width(int i) const { return lefiAt(width_, numWidth_, i); }
  double widthPRL(int i) const { return lefiAt(prl_, numWidth_, i); }
  int hasWidthPRL(int i) const { return lefiAt(hasPRL_, numWidth_, i) ? 1 : 0; }
  int numWidthSpacing(int i) const { return lefiAt(numWidthSpacing_, numWidth_, i); }
  double widthSpacing(int i, int j) const;

 private:
  int numWidth_;
  int numWidthAllocated_;
  double* width_;
  double* prl_;
  int* hasPRL_;
  int* numWidthSpacing_;
  double* widthSpacing_;
  int* atNsp_;  // spacings of rows 0 to k together
};

// One SPACINGTABLE of a layer.
class lefiSpacingTable {
 public:
  lefiSpacingTable();
  ~lefiSpacingTable();
  lefiSpacingTable(const lefiSpacingTable&) = delete;
  lefiSpacingTable& operator=(const lefiSpacingTable&) = delete;

  void Init();
  void Destroy();
  void addParallelLength(int numLength, double* lengths);
  void addParallelWidth(double width);
  void addParallelWidthSpacing(int numSpacing, double* spacings);
  void setInfluence();
  void addInfluence(double width, double distance, double spacing);
  void addTwoWidths(double width, double prl, int numSpacing, double* spacings, int hasPRL);

  int isInfluence() const { return hasInfluence_; }
  int isParallel() const { return parallel_ ? 1 : 0; }
  lefiInfluence* influence() const { return influence_; }
  lefiParallel* parallel() const { return parallel_; }
  lefiTwoWidths* twoWidths() const { return twoWidths_; }

 private:
  int hasInfluence_;
  lefiInfluence* influence_;
  lefiParallel* parallel_;
  lefiTwoWidths* twoWidths_;
};

// SPACINGTABLE ORTHOGONAL: (cut within, spacing) pairs.
class lefiOrthogonal {
 public:
  lefiOrthogonal();
  ~lefiOrthogonal();
  lefiOrthogonal(const lefiOrthogonal&) = delete;
  lefiOrthogonal& operator=(const lefiOrthogonal&) = delete;

  void Init();
  void Destroy();
  void addOrthogonal(double cutWithin, double orthoSpacing);

  int numOrthogonal() const { return numOrthogonal_; }
  double cutWithin(int i) const { return lefiAt(cutWithin_, numOrthogonal_, i); }
  double orthoSpacing(int i) const { return lefiAt(orthoSpacing_, numOrthogonal_, i); }

 private:
  int numAllocated_;
  int numOrthogonal_;
  double* cutWithin_;
  double* orthoSpacing_;
};

// Single-valued layer attributes with a has-flag: X(setter, has, getter,
// dump label). clear resets every flag of this list.
#define LEFI_LAYER_ATTRS(X)                                                      \
  X(setWidth, hasWidth, width, "width")                                          \
  X(setArea, hasArea, area, "area")                                              \
  X(setDiagWidth, hasDiagWidth, diagWidth, "diagwidth")                          \
  X(setDiagSpacing, hasDiagSpacing, diagSpacing, "diagspacing")                  \
  X(setWireExtension, hasWireExtension, wireExtension, "wireextension")          \
  X(setResistance, hasResistance, resistance, "resistance")                      \
  X(setCapacitance, hasCapacitance, capacitance, "capacitance")                  \
  X(setHeight, hasHeight, height, "height")                                      \
  X(setThickness, hasThickness, thickness, "thickness")                          \
  X(setShrinkage, hasShrinkage, shrinkage, "shrinkage")                          \
  X(setCapMultiplier, hasCapMultiplier, capMultiplier, "cap muptiplier")         \
  X(setEdgeCap, hasEdgeCap, edgeCap, "edge cap")                                 \
  X(setAntennaArea, hasAntennaArea, antennaArea, "antenna area")                 \
  X(setAntennaLength, hasAntennaLength, antennaLength, "antenna length")         \
  X(setCurrentDensity, hasCurrentDensityPoint, currentDensityPoint, "currentden") \
  X(setSlotWireWidth, hasSlotWireWidth, slotWireWidth, "slotwirewidth")          \
  X(setSlotWireLength, hasSlotWireLength, slotWireLength, "slotwirelength")      \
  X(setSlotWidth, hasSlotWidth, slotWidth, "slotwidth")                          \
  X(setSlotLength, hasSlotLength, slotLength, "slotlength")                      \
  X(setMaxAdjacentSlotSpacing, hasMaxAdjacentSlotSpacing, maxAdjacentSlotSpacing, \
    "maxadjacentslotspacing")                                                    \
  X(setMaxCoaxialSlotSpacing, hasMaxCoaxialSlotSpacing, maxCoaxialSlotSpacing,   \
    "maxcoaxialslotspacing")                                                     \
  X(setMaxEdgeSlotSpacing, hasMaxEdgeSlotSpacing, maxEdgeSlotSpacing,            \
    "maxedgeslotspacing")                                                        \
  X(setSplitWireWidth, hasSplitWireWidth, splitWireWidth, "splitwirewidth")      \
  X(setMinimumDensity, hasMinimumDensity, minimumDensity, "minimumdensity")      \
  X(setMaximumDensity, hasMaximumDensity, maximumDensity, "maximumdensity")      \
  X(setDensityCheckStep, hasDensityCheckStep, densityCheckStep, "densitycheckstep") \
  X(setFillActiveSpacing, hasFillActiveSpacing, fillActiveSpacing, "fillactivespacing")

// Attributes given as one value (flag 1) or as x and y (flag 2):
// X(Name, getter).
#define LEFI_LAYER_XY_ATTRS(X) \
  X(Pitch, pitch)              \
  X(Offset, offset)            \
  X(DiagPitch, diagPitch)

// The columns of the SPACING rule list: X(type, array, value of a new rule).
#define LEFI_SPACING_COLUMNS(X)             \
  X(double, spacing_, v)                    \
  X(char*, spacingName_, nullptr)           \
  X(int, hasSpacingName_, 0)                \
  X(int, hasSpacingLayerStack_, 0)          \
  X(int, spacingAdjacentCuts_, 0)           \
  X(double, spacingAdjacentWithin_, 0.0)    \
  X(int, hasSpacingAdjacent_, 0)            \
  X(int, hasSpacingAdjacentExcept_, 0)      \
  X(int, hasSpacingCenterToCenter_, 0)      \
  X(int, hasSpacingSamenet_, 0)             \
  X(int, hasSpacingSamenetPGonly_, 0)       \
  X(int, hasSpacingParallelOverlap_, 0)     \
  X(int, hasSpacingCutArea_, 0)             \
  X(double, spacingCutArea_, 0.0)           \
  X(int, hasSpacingRange_, 0)               \
  X(double, rangeMin_, -1.0)                \
  X(double, rangeMax_, -1.0)                \
  X(int, hasRangeUseLength_, 0)             \
  X(double, rangeInfluence_, 0.0)           \
  X(double, rangeInfluenceMin_, -1.0)       \
  X(double, rangeInfluenceMax_, -1.0)       \
  X(double, rangeRangeMin_, -1.0)           \
  X(double, rangeRangeMax_, -1.0)           \
  X(int, hasLengthThreshold_, 0)            \
  X(double, lengthThreshold_, 0.0)          \
  X(double, lengthRangeMin_, -1.0)          \
  X(double, lengthRangeMax_, -1.0)          \
  X(int, hasEol_, 0)                        \
  X(double, eolWidth_, 0.0)                 \
  X(double, eolWithin_, 0.0)                \
  X(int, hasParEdge_, 0)                    \
  X(double, parSpace_, 0.0)                 \
  X(double, parWithin_, 0.0)                \
  X(int, hasTwoEdges_, 0)                   \
  X(double, notchLength_, -1.0)             \
  X(double, endOfNotchWidth_, 0.0)          \
  X(double, endOfNotchSpacing_, 0.0)        \
  X(double, endOfNotchLength_, 0.0)

class lefiLayer {
 public:
  lefiLayer();
  ~lefiLayer();
  lefiLayer(const lefiLayer&) = delete;
  lefiLayer& operator=(const lefiLayer&) = delete;

  void Init();
  void clear();
  void Destroy();

  // --- The statement, single attributes, properties, number stack.
  void setName(const char* name);
  void setType(const char* type);
  void setLayerType(const char* lef58Type);
  // Keeps the pointer itself: the reader passes fixed texts.
  void setDirection(const char* dir) { direction_ = dir; hasDirection_ = 1; }
  void setMask(int num) { mask_ = num; hasMask_ = 1; }
  void setDensityCheckWindow(double length, double width);
  void setMaxwidth(double v) { maxwidth_ = v; }
  void setMinwidth(double v) { minwidth_ = v; }
  void setResPerCut(double v) { resPerCut_ = v; }
  void setDiagMinEdgeLength(double v) { diagMinEdgeLength_ = v; }
  void setMaxFloatingArea(double v) { maxFloatingArea_ = v; }
  void addProp(const char* name, const char* value, char type);
  void addNumProp(const char* name, double number, const char* value, char type);
  void addNumber(double v);
  int getNumber() const { return numNums_ - 1; }

#define LEFI_LAYER_ATTR_API(setter, has, getter, label)   \
  void setter(double v) { getter##_ = v; has##_ = 1; }  \
  int has() const { return has##_; }                    \
  double getter() const { return getter##_; }
  LEFI_LAYER_ATTRS(LEFI_LAYER_ATTR_API)
#undef LEFI_LAYER_ATTR_API

#define LEFI_LAYER_XY_API(Name, getter)                                        \
  void set##Name(double v) { getter##X_ = v; getter##Y_ = -1.0; has##Name##_ = 1; } \
  void set##Name##XY(double x, double y) { getter##X_ = x; getter##Y_ = y; has##Name##_ = 2; } \
  int has##Name() const { return has##Name##_ == 1 ? 1 : 0; }                 \
  int hasXY##Name() const { return has##Name##_ == 2 ? 1 : 0; }               \
  double getter() const { return getter##X_; }                                \
  double getter##X() const { return getter##X_; }                             \
  double getter##Y() const { return getter##Y_; }
  LEFI_LAYER_XY_ATTRS(LEFI_LAYER_XY_API)
#undef LEFI_LAYER_XY_API

  const char* name() const { return name_; }
  const char* type() const { return type_; }
  int hasType() const { return (type_ && type_[0]) ? 1 : 0; }
  const char* layerType() const { return layerType_; }
  int hasLayerType() const { return layerType_ ? 1 : 0; }
  int hasMask() const { return hasMask_; }
  int mask() const { return mask_; }
  int hasDirection() const { return hasDirection_; }
  const char* direction() const { return direction_; }
  int hasDensityCheckWindow() const { return hasDensityCheckWindow_; }
  double densityCheckWindowLength() const { return densityCheckWindowLength_; }
  double densityCheckWindowWidth() const { return densityCheckWindowWidth_; }
  int hasMaxwidth() const { return maxwidth_ != -1.0 ? 1 : 0; }
  double maxwidth() const { return maxwidth_; }
  int hasMinwidth() const { return minwidth_ != -1.0 ? 1 : 0; }
  double minwidth() const { return minwidth_; }
  int hasResistancePerCut() const { return resPerCut_ != 0.0 ? 1 : 0; }
  double resistancePerCut() const { return resPerCut_; }
  int hasDiagMinEdgeLength() const { return diagMinEdgeLength_ != 0.0 ? 1 : 0; }
  double diagMinEdgeLength() const { return diagMinEdgeLength_; }
  int hasMaxFloatingArea() const { return maxFloatingArea_ != 0.0 ? 1 : 0; }
  double maxFloatingArea() const { return maxFloatingArea_; }

  int numProps() const { return props_.num; }
  const char* propName(int i) const { return props_.name(i); }
  const char* propValue(int i) const { return props_.value(i); }
  double propNumber(int i) const { return props_.number(i); }
  char propType(int i) const { return props_.type(i); }
  int propIsNumber(int i) const { return props_.isNumber(i); }
  int propIsString(int i) const { return props_.isString(i); }

  void print(FILE* f) const;

  // --- SPACING rules. The option setters act on the last rule.
  void setSpacingMin(double v);
  void setSpacingName(const char* name);
  void setSpacingLayerStack();
  void setSpacingAdjacent(int numCuts, double within);
  void setSpacingAdjacentExcept();
  void setSpacingCenterToCenter();
  void setSpacingSamenet();
  void setSpacingSamenetPGonly();
  void setSpacingParallelOverlap();
  void setSpacingArea(double cutArea);
  void setSpacingRange(double min, double max);
  void setSpacingRangeUseLength();
  void setSpacingRangeInfluence(double v);
  void setSpacingRangeInfluenceRange(double min, double max);
  void setSpacingRangeRange(double min, double max);
  void setSpacingLength(double v);
  void setSpacingLengthRange(double min, double max);
  void setSpacingEol(double width, double within);
  void setSpacingParSW(double space, double within);
  void setSpacingParTwoEdges();
  void setSpacingNotchLength(double v);
  void setSpacingEndOfNotchWidth(double width, double spacing, double length);

  int hasSpacingNumber() const { return (hasSpacing_ && numSpacing_ > 0) ? 1 : 0; }
  int numSpacing() const { return numSpacing_; }
  double spacing(int i) const { return sp(spacing_, i); }
  const char* spacingName(int i) const { return sp(spacingName_, i); }
  int hasSpacingName(int i) const { return sp(hasSpacingName_, i); }
  int hasSpacingLayerStack(int i) const { return sp(hasSpacingLayerStack_, i); }
  int spacingAdjacentCuts(int i) const { return sp(spacingAdjacentCuts_, i); }
  double spacingAdjacentWithin(int i) const { return sp(spacingAdjacentWithin_, i); }
  int hasSpacingAdjacent(int i) const { return sp(hasSpacingAdjacent_, i); }
  int hasSpacingAdjacentExcept(int i) const { return sp(hasSpacingAdjacentExcept_, i); }
  int hasSpacingCenterToCenter(int i) const { return sp(hasSpacingCenterToCenter_, i); }
  int hasSpacingSamenet(int i) const { return sp(hasSpacingSamenet_, i); }
  int hasSpacingSamenetPGonly(int i) const { return sp(hasSpacingSamenetPGonly_, i); }
  int hasSpacingParallelOverlap(int i) const { return sp(hasSpacingParallelOverlap_, i); }
  int hasSpacingArea(int i) const { return sp(hasSpacingCutArea_, i); }
  double spacingArea(int i) const { return sp(spacingCutArea_, i); }
  int hasSpacingRange(int i) const { return sp(hasSpacingRange_, i); }
  double spacingRangeMin(int i) const { return sp(rangeMin_, i); }
  double spacingRangeMax(int i) const { return sp(rangeMax_, i); }
  int hasSpacingRangeUseLengthThreshold(int i) const { return sp(hasRangeUseLength_, i); }
  double spacingRangeInfluence(int i) const { return sp(rangeInfluence_, i); }
  double spacingRangeInfluenceMin(int i) const { return sp(rangeInfluenceMin_, i); }
  double spacingRangeInfluenceMax(int i) const { return sp(rangeInfluenceMax_, i); }
  double spacingRangeRangeMin(int i) const { return sp(rangeRangeMin_, i); }
  double spacingRangeRangeMax(int i) const { return sp(rangeRangeMax_, i); }
  int hasSpacingLengthThreshold(int i) const { return sp(hasLengthThreshold_, i); }
  double spacingLengthThreshold(int i) const { return sp(lengthThreshold_, i); }
  double spacingLengthThresholdRangeMin(int i) const { return sp(lengthRangeMin_, i); }
  double spacingLengthThresholdRangeMax(int i) const { return sp(lengthRangeMax_, i); }
  int hasSpacingEndOfLine(int i) const { return sp(hasEol_, i); }
  double spacingEolWidth(int i) const { return sp(eolWidth_, i); }
  double spacingEolWithin(int i) const { return sp(eolWithin_, i); }
  int hasSpacingParellelEdge(int i) const { return sp(hasParEdge_, i); }
  double spacingParSpace(int i) const { return sp(parSpace_, i); }
  double spacingParWithin(int i) const { return sp(parWithin_, i); }
  int hasSpacingTwoEdges(int i) const { return sp(hasTwoEdges_, i); }
  double spacingNotchLength(int i) const { return sp(notchLength_, i); }
  double spacingEndOfNotchWidth(int i) const { return sp(endOfNotchWidth_, i); }
  double spacingEndOfNotchSpacing(int i) const { return sp(endOfNotchSpacing_, i); }
  double spacingEndOfNotchLength(int i) const { return sp(endOfNotchLength_, i); }
  int hasSpacingRangeInfluence(int i) const;
  int hasSpacingRangeInfluenceRange(int i) const;
  int hasSpacingRangeRange(int i) const;
  int hasSpacingLengthThresholdRange(int i) const;
  int hasSpacingNotchLength(int i) const;
  int hasSpacingEndOfNotchWidth(int i) const;

  // --- SPACINGTABLE. The addSp operations act on the last table.
  void addSpacingTable();
  void addSpParallelLength();
  void addSpParallelWidth(double width);
  void addSpParallelWidthSpacing();
  void setSpTwoWidthsHasPRL(int hasPRL) { hasTwoWidthPRL_ = hasPRL; }
  void addSpTwoWidths(double width, double prl);
  void setInfluence();
  void addSpInfluence(double width, double within, double spacing);
  void setSpacingTableOrtho();
  void addSpacingTableOrthoWithin(double cutWithin, double orthoSpacing);

  int numSpacingTable() const { return numSpacingTable_; }
  lefiSpacingTable* spacingTable(int i) const { return lefiAt(spacingTable_, numSpacingTable_, i); }
  int hasSpacingTableOrtho() const { return hasSpacingTableOrtho_; }
  lefiOrthogonal* orthogonal() const { return orthogonal_; }

  // --- Antenna models. The setters act on the current model, OXIDE1 when
  // no model exists yet.
  void addAntennaModel(int oxide);
  LEFI_ANTENNA_VALUE_SETTERS(LEFI_DECLARE_ANTENNA_SETTER)
  void setAntennaValue(lefiAntennaEnum kind, double v);
  void setAntennaDUO(lefiAntennaEnum kind);
  void setAntennaPWL(lefiAntennaEnum kind, lefiAntennaPWL* pwl);
  void setAntennaCumRoutingPlusCut();

  int numAntennaModel() const { return numAntennaModel_; }
  lefiAntennaModel* antennaModel(int i) const { return lefiAt(antennaModel_, numAntennaModel_, i); }

  // --- Current density and PWL point lists.
  void addAccurrentDensity(const char* type);
  void addDccurrentDensity(const char* type);
  void setAcOneEntry(double v);
  void setDcOneEntry(double v);
  void addAcFrequency();
  void addAcWidth();
  void addAcTableEntry();
  void addAcCutarea();
  void addDcWidth();
  void addDcTableEntry();
  void addDcCutarea();
  void setCurrentPoint(double a, double b) { currentPoints_.add(a, b); }
  void setResistancePoint(double a, double b) { resistancePoints_.add(a, b); }
  void setCapacitancePoint(double a, double b) { capacitancePoints_.add(a, b); }

  int hasAccurrentDensity() const { return numAccurrents_ ? 1 : 0; }
  int hasDccurrentDensity() const { return numDccurrents_ ? 1 : 0; }
  int numAccurrentDensity() const { return numAccurrents_; }
  int numDccurrentDensity() const { return numDccurrents_; }
  lefiLayerDensity* accurrent(int i) const { return lefiAt(accurrents_, numAccurrents_, i); }
  lefiLayerDensity* dccurrent(int i) const { return lefiAt(dccurrents_, numDccurrents_, i); }
  int hasCurrentDensityArray() const { return currentPoints_.num ? 1 : 0; }
  int hasResistanceArray() const { return resistancePoints_.num ? 1 : 0; }
  int hasCapacitanceArray() const { return capacitancePoints_.num ? 1 : 0; }
  void currentDensityArray(int* n, double** a, double** b) const { currentPoints_.get(n, a, b); }
  void resistanceArray(int* n, double** a, double** b) const { resistancePoints_.get(n, a, b); }
  void capacitanceArray(int* n, double** a, double** b) const { capacitancePoints_.get(n, a, b); }

  // --- Rule lists. The completing setters act on the last entry.
  void addMinimumcut(int numCuts, double width);
  void addMinimumcutWithin(double within);
  void addMinimumcutConnect(const char* connection);
  void addMinimumcutLengDis(double length, double distance);
  int numMinimumcut() const { return numMinimumcut_; }
  int minimumcut(int i) const { return lefiAt(minimumcut_, numMinimumcut_, i); }
  double minimumcutWidth(int i) const { return lefiAt(minimumcutWidth_, numMinimumcut_, i); }
  int hasMinimumcutWithin(int i) const { return lefiAt(hasMinimumcutWithin_, numMinimumcut_, i); }
  double minimumcutWithin(int i) const { return lefiAt(minimumcutWithin_, numMinimumcut_, i); }
  int hasMinimumcutConnection(int i) const {
    return lefiAt(hasMinimumcutConnection_, numMinimumcut_, i);
  }
  const char* minimumcutConnection(int i) const {
    return lefiAt(minimumcutConnection_, numMinimumcut_, i);
  }
  int hasMinimumcutNumCuts(int i) const { return lefiAt(hasMinimumcutNumCuts_, numMinimumcut_, i); }
  double minimumcutLength(int i) const { return lefiAt(minimumcutLength_, numMinimumcut_, i); }
  double minimumcutDistance(int i) const { return lefiAt(minimumcutDistance_, numMinimumcut_, i); }

  void addMinstep(double v);
  void addMinstepType(const char* type);
  void addMinstepLengthsum(double v);
  void addMinstepMaxedges(int v);
  void addMinstepMinAdjLength(double v);
  void addMinstepMinBetLength(double v);
  void addMinstepXSameCorners();
  int numMinstep() const { return numMinstep_; }
  int hasMinstep() const { return numMinstep_ ? 1 : 0; }
  double minstep(int i) const;
  const char* minstepType(int i) const;
  double minstepLengthsum(int i) const;
  int minstepMaxedges(int i) const;
  double minstepMinAdjLength(int i) const;
  double minstepMinBetLength(int i) const;
  int hasMinstepType(int i) const;
  int hasMinstepLengthsum(int i) const;
  int hasMinstepMaxedges(int i) const;
  int hasMinstepMinAdjLength(int i) const;
  int hasMinstepMinBetLength(int i) const;
  int hasMinstepXSameCorners(int i) const;

  void addMinenclosedarea(double area);
  void addMinenclosedareaWidth(double width);
  int numMinenclosedarea() const { return numMinenclosedarea_; }
  double minenclosedarea(int i) const { return lefiAt(minenclosedarea_, numMinenclosedarea_, i); }
  double minenclosedareaWidth(int i) const {
    return lefiAt(minenclosedareaWidth_, numMinenclosedarea_, i);
  }
  int hasMinenclosedareaWidth(int i) const;

  // A location of null or "NULL" gives an entry without rule.
  void addEnclosure(const char* location, double overhang1, double overhang2);
  void addEnclosureWidth(double width);
  void addEnclosureExceptEC(double cutWithin);
  void addEnclosureLength(double length);
  int numEnclosure() const { return numEnclosure_; }
  int hasEnclosureRule(int i) const { return enclosureRule(i) ? 1 : 0; }
  const char* enclosureRule(int i) const { return lefiAt(enclosureRules_, numEnclosure_, i); }
  double enclosureOverhang1(int i) const { return lefiAt(overhang1_, numEnclosure_, i); }
  double enclosureOverhang2(int i) const { return lefiAt(overhang2_, numEnclosure_, i); }
  int hasEnclosureWidth(int i) const { return enclosureMinWidth(i) != 0.0 ? 1 : 0; }
  double enclosureMinWidth(int i) const { return lefiAt(encMinWidth_, numEnclosure_, i); }
  int hasEnclosureExceptExtraCut(int i) const { return enclosureExceptExtraCut(i) != 0.0 ? 1 : 0; }
  double enclosureExceptExtraCut(int i) const { return lefiAt(cutWithin_, numEnclosure_, i); }
  int hasEnclosureMinLength(int i) const { return enclosureMinLength(i) != 0.0 ? 1 : 0; }
  double enclosureMinLength(int i) const { return lefiAt(minLength_, numEnclosure_, i); }

  void addPreferEnclosure(const char* location, double overhang1, double overhang2);
  void addPreferEnclosureWidth(double width);
  int numPreferEnclosure() const { return numPreferEnclosure_; }
  int hasPreferEnclosureRule(int i) const { return preferEnclosureRule(i) ? 1 : 0; }
  const char* preferEnclosureRule(int i) const {
    return lefiAt(preferEnclosureRules_, numPreferEnclosure_, i);
  }
  double preferEnclosureOverhang1(int i) const {
    return lefiAt(preferOverhang1_, numPreferEnclosure_, i);
  }
  double preferEnclosureOverhang2(int i) const {
    return lefiAt(preferOverhang2_, numPreferEnclosure_, i);
  }
  int hasPreferEnclosureWidth(int i) const { return preferEnclosureMinWidth(i) != 0.0 ? 1 : 0; }
  double preferEnclosureMinWidth(int i) const {
    return lefiAt(preferMinWidth_, numPreferEnclosure_, i);
  }

  void setArraySpacingLongArray() { hasLongArray_ = 1; }
  void setArraySpacingWidth(double width) { viaWidth_ = width; }
  void setArraySpacingCut(double spacing) { cutSpacing_ = spacing; }
  void addArraySpacingArray(int numCuts, double spacing);
  int hasLongArray() const { return hasLongArray_ ? 1 : 0; }
  int hasViaWidth() const { return viaWidth_ != 0.0 ? 1 : 0; }
  double viaWidth() const { return viaWidth_; }
  int hasArraySpacing() const { return cutSpacing_ != 0.0 ? 1 : 0; }
  double cutSpacing() const { return cutSpacing_; }
  int numArrayCuts() const { return numArrayCuts_; }
  int arrayCuts(int i) const;
  double arraySpacing(int i) const;

  // Copies polygon 0 of geom: x values as widths, y values as lengths.
  void setMinSize(lefiGeometries* geom);
  int numMinSize() const { return numMinSize_; }
  double minSizeWidth(int i) const;
  double minSizeLength(int i) const;

  void setProtrusion(double width1, double length, double width2);
  int hasProtrusion() const { return protrusionWidth1_ != -1.0 ? 1 : 0; }
  double protrusionWidth1() const { return protrusionWidth1_; }
  double protrusionLength() const { return protrusionLength_; }
  double protrusionWidth2() const { return protrusionWidth2_; }

  // --- Re-parsing of LEF57_ and LEF58_TYPE properties (lefiLayerParse.cpp).
  int need58PropsProcessing() const;
  void parse65nmRules();
  void parseLEF58Layer();
  void parseSpacing(int index);
  void parseArraySpacing(int index);
  void parseMinstep(int index);
  void parseAntennaCumRouting(int index);
  void parseAntennaGatePlus(int index);
  void parseAntennaAreaMinus(int index);
  void parseAntennaAreaDiff(int index);
  void parseLayerEnclosure(int index);
  void parseLayerType(int index);

 private:
  // A two-column point list of a PWL form.
  struct PointList {
    int num;
    int cap;
    double* a;
    double* b;
    void Init();
    void add(double x, double y);
    void Destroy();
    void get(int* n, double** pa, double** pb) const {
      *n = num;
      *pa = a;
      *pb = b;
    }
  };

  template <class T>
  T sp(const T* column, int i) const { return lefiAt(column, numSpacing_, i); }
  // The entry index a completing setter writes, -1 when the list is empty.
  static int last(int count) { return count - 1; }
  bool minstepOk(int i) const;
  lefiAntennaModel* currentModel();
  // Hands the number stack over to the caller and empties it.
  double* takeNumbers(int* n);
  void releaseNumbers();
  void clearSpacingRules();
  void clearTables();
  void clearAntenna();
  void clearDensities();
  void clearRuleLists();
  void printSpacingRules(FILE* f) const;

  char* name_;
  int nameSize_;
  char* type_;
  int typeSize_;
  char* layerType_;
  const char* direction_;

#define LEFI_LAYER_ATTR_FIELDS(setter, has, getter, label) \
  int has##_;                                              \
  double getter##_;
  LEFI_LAYER_ATTRS(LEFI_LAYER_ATTR_FIELDS)
#undef LEFI_LAYER_ATTR_FIELDS
#define LEFI_LAYER_XY_FIELDS(Name, getter) \
  int has##Name##_;                        \
  double getter##X_;                       \
  double getter##Y_;
  LEFI_LAYER_XY_ATTRS(LEFI_LAYER_XY_FIELDS)
#undef LEFI_LAYER_XY_FIELDS
  int hasMask_;
  int mask_;
  int hasDirection_;
  int hasDensityCheckWindow_;
  double densityCheckWindowLength_;
  double densityCheckWindowWidth_;
  double maxwidth_;
  double minwidth_;
  double resPerCut_;
  double diagMinEdgeLength_;
  double maxFloatingArea_;

  lefiPropList props_;
  int numNums_;
  int numAllocated_;
  double* nums_;

  int hasSpacing_;
  int numSpacing_;
  int spacingAllocated_;
#define LEFI_SPACING_FIELD(type, array, init) type* array;
  LEFI_SPACING_COLUMNS(LEFI_SPACING_FIELD)
#undef LEFI_SPACING_FIELD

  int numSpacingTable_;
  int spacingTableAllocated_;
  lefiSpacingTable** spacingTable_;
  int hasTwoWidthPRL_;
  int hasSpacingTableOrtho_;
  lefiOrthogonal* orthogonal_;

  int numAntennaModel_;
  int antennaModelAllocated_;
  lefiAntennaModel** antennaModel_;
  lefiAntennaModel* currentAntennaModel_;

  int numAccurrents_;
  int accurrentAllocated_;
  lefiLayerDensity** accurrents_;
  int numDccurrents_;
  int dccurrentAllocated_;
  lefiLayerDensity** dccurrents_;
  PointList currentPoints_;
  PointList resistancePoints_;
  PointList capacitancePoints_;

  int numMinimumcut_;
  int minimumcutAllocated_;
  int* minimumcut_;
  double* minimumcutWidth_;
  int* hasMinimumcutWithin_;
  double* minimumcutWithin_;
  int* hasMinimumcutConnection_;
  char** minimumcutConnection_;
  int* hasMinimumcutNumCuts_;
  double* minimumcutLength_;
  double* minimumcutDistance_;

  int numMinstep_;
  int minstepAllocated_;
  double* minstep_;
  char** minstepType_;
  double* minstepLengthsum_;
  int* minstepMaxedges_;
  double* minstepMinAdjLength_;
  double* minstepMinBetLength_;
  int* minstepXSameCorners_;

  int numMinenclosedarea_;
  int minenclosedareaAllocated_;
  double* minenclosedarea_;
  double* minenclosedareaWidth_;

  int numEnclosure_;
  int enclosureAllocated_;
  char** enclosureRules_;
  double* overhang1_;
  double* overhang2_;
  double* encMinWidth_;
  double* cutWithin_;
  double* minLength_;

  int numPreferEnclosure_;
  int preferEnclosureAllocated_;
  char** preferEnclosureRules_;
  double* preferOverhang1_;
  double* preferOverhang2_;
  double* preferMinWidth_;

  int hasLongArray_;
  double viaWidth_;
  double cutSpacing_;
  int numArrayCuts_;
  int arrayCutsAllocated_;
  int* arrayCuts_;
  double* arraySpacings_;

  int numMinSize_;
  double* minSizeWidth_;
  double* minSizeLength_;

  double protrusionWidth1_;
  double protrusionLength_;
  double protrusionWidth2_;
};

}  // namespace LefDefParser

#endif
