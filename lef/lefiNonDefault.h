// One NONDEFAULTRULE statement: per-layer wiring values, its own VIA and
// SPACING statements (held as copies), USEVIA, USEVIARULE and MINCUTS lists
// and its properties.
#ifndef VELMOR_LEF_LEFINONDEFAULT_H
#define VELMOR_LEF_LEFINONDEFAULT_H

#include <cstdio>

#include "lef/lefiMisc.h"
#include "lef/lefiUtil.h"
#include "lef/lefiVia.h"

namespace LefDefParser {

// Per-layer values of a rule, in print order: name in the setters and
// accessors, field, dump line (WIREEXTENSION's has no line end).
#define LEFI_NONDEFAULT_LAYER_VALUES(X)                            \
  X(Width, width, "    WIDTH %g\n")                               \
  X(DiagWidth, diagWidth, "    DIAGWIDTH %g\n")                   \
  X(Spacing, spacing, "    SPACING %g\n")                         \
  X(WireExtension, wireExtension, "    WIREEXTENSION %g")          \
  X(Resistance, resistance, "    RESISTANCE RPERSQ %g\n")         \
  X(Capacitance, capacitance, "    CAPACITANCE CPERSQDIST %g\n")  \
  X(EdgeCap, edgeCap, "    EDGECAPACITANCE %g\n")

class lefiNonDefault {
 public:
  lefiNonDefault();
  ~lefiNonDefault();
  lefiNonDefault(const lefiNonDefault&) = delete;
  lefiNonDefault& operator=(const lefiNonDefault&) = delete;

  void Init();
  void Destroy();
  // Keeps the rule name.
  void clear();

  // Clears the previous rule and makes this the reader's current rule.
  void setName(const char* name);
  void addLayer(const char* name);
  // These act on the layer added last.
#define LEFI_ND_SETTER(Name, field, dump) void add##Name(double d);
  LEFI_NONDEFAULT_LAYER_VALUES(LEFI_ND_SETTER)
#undef LEFI_ND_SETTER
  // Both keep a copy; the caller keeps its own object.
  void addViaRule(lefiVia* via);
  void addSpacingRule(lefiSpacing* s);
  void setHardspacing() { hardSpacing_ = 1; }
  void addUseVia(const char* name);
  void addUseViaRule(const char* name);
  void addMinCuts(const char* name, int numCuts);
  void addProp(const char* name, const char* value, char type);
  void addNumProp(const char* name, double d, const char* value, char type);
  // No rule is current any more.
  void end();

  const char* name() const { return name_; }
  int numLayers() const { return numLayers_; }
  const char* layerName(int index) const;
#define LEFI_ND_GETTER(Name, field, dump)   \
  int hasLayer##Name(int index) const; \
  double layer##Name(int index) const;
  LEFI_NONDEFAULT_LAYER_VALUES(LEFI_ND_GETTER)
#undef LEFI_ND_GETTER

  int numVias() const { return numVias_; }
  lefiVia* viaRule(int index) const;
  int numSpacingRules() const { return numSpacing_; }
  lefiSpacing* spacingRule(int index) const;
  int hasHardspacing() const { return hardSpacing_; }
  int numUseVia() const { return numUseVias_; }
  const char* viaName(int index) const;
  int numUseViaRule() const { return numUseViaRules_; }
  const char* viaRuleName(int index) const;
  int numMinCuts() const { return numMinCuts_; }
  const char* cutLayerName(int index) const;
  int numCuts(int index) const;

  int numProps() const { return props_.num; }
  const char* propName(int i) const { return props_.name(i); }
  const char* propValue(int i) const { return props_.value(i); }
  double propNumber(int i) const { return props_.number(i); }
  char propType(int i) const { return props_.type(i); }
  int propIsNumber(int i) const { return props_.isNumber(i); }
  int propIsString(int i) const { return props_.isString(i); }

  void print(FILE* f) const;

 private:
  bool layerOk(int index) const;

  int nameSize_;
  char* name_;

  int numLayers_;
  int layersAllocated_;
  char** layerName_;
#define LEFI_ND_FIELDS(Name, field, dump) \
  double* field##_;                 \
  char* has##Name##_;
  LEFI_NONDEFAULT_LAYER_VALUES(LEFI_ND_FIELDS)
#undef LEFI_ND_FIELDS

  int numVias_;
  int allocatedVias_;
  lefiVia** viaRules_;

  int numSpacing_;
  int allocatedSpacing_;
  lefiSpacing** spacingRules_;

  int hardSpacing_;

  int numUseVias_;
  int allocatedUseVias_;
  char** useViaName_;

  int numUseViaRules_;
  int allocatedUseViaRules_;
  char** useViaRuleName_;

  int numMinCuts_;
  int allocatedMinCuts_;
  char** cutLayerName_;
  int* numCuts_;

  lefiPropList props_;
};

}  // namespace LefDefParser

#endif
