// One NONDEFAULTRULES entry: per-layer widths and spacings, vias, via rules,
// minimum cuts and properties.
#ifndef DEFI_NONDEFAULT_H
#define DEFI_NONDEFAULT_H

#include <cstdio>

#include "def/defiUtil.h"

namespace LefDefParser {

class defiNonDefault {
 public:
  explicit defiNonDefault(defrData* data);
  ~defiNonDefault();
  DEFI_NO_COPY(defiNonDefault);

  void Init();
  void Destroy();
  void clear();

  void setName(const char* name);
  void setHardspacing() { hardSpacing_ = 1; }
  void addLayer(const char* name);
  // These act on the layer added last; without a layer they do nothing.
  void addWidth(double v);
  void addDiagWidth(double v);
  void addSpacing(double v);
  void addWireExt(double v);
  void addVia(const char* name) { vias_.add(name, 0, defData_); }
  void addViaRule(const char* name) { viaRules_.add(name, 0, defData_); }
  void addMinCuts(const char* layer, int numCuts) { minCuts_.add(layer, numCuts, defData_); }

  // The rule's properties are kept as written, even when names are folded.
  void addProperty(const char* name, const char* value, char type) {
    props_.add(name, value, 0.0, type, defData_, /*fold=*/false);
  }
  void addNumProperty(const char* name, double d, const char* value, char type) {
    props_.add(name, value, d, type, defData_, /*fold=*/false);
  }
  DEFI_PROPERTY_QUERIES(propCheck())

  const char* name() const { return name_; }
  int hasHardspacing() const { return hardSpacing_; }

  int numLayers() const { return numLayers_; }
  const char* layerName(int i) const { return ok(i) ? layerNames_[i] : nullptr; }
  double layerWidth(int i) const { return ok(i) ? width_[i] : 0.0; }
  int layerWidthVal(int i) const { return toIntTrunc(layerWidth(i)); }
  int hasLayerDiagWidth(int i) const { return ok(i) ? hasDiagWidth_[i] : 0; }
  double layerDiagWidth(int i) const { return ok(i) ? diagWidth_[i] : 0.0; }
  int layerDiagWidthVal(int i) const { return toIntTrunc(layerDiagWidth(i)); }
  int hasLayerSpacing(int i) const { return ok(i) ? hasSpacing_[i] : 0; }
  double layerSpacing(int i) const { return ok(i) ? spacing_[i] : 0.0; }
  int layerSpacingVal(int i) const { return toIntTrunc(layerSpacing(i)); }
  int hasLayerWireExt(int i) const { return ok(i) ? hasWireExt_[i] : 0; }
  double layerWireExt(int i) const { return ok(i) ? wireExt_[i] : 0.0; }
  int layerWireExtVal(int i) const { return toIntTrunc(layerWireExt(i)); }

  int numVias() const { return vias_.num; }
  const char* viaName(int i) const { return vias_.name(i, defData_); }
  int numViaRules() const { return viaRules_.num; }
  const char* viaRuleName(int i) const { return viaRules_.name(i, defData_); }
  int numMinCuts() const { return minCuts_.num; }
  const char* cutLayerName(int i) const { return minCuts_.name(i, defData_); }
  int numCuts(int i) const { return minCuts_.value(i, defData_); }

  void print(FILE* f) const;

 private:
  // Owned names, each with an int (the cut count of MINCUTS).
  struct NameList {
    int num = 0;
    int cap = 0;
    char** names = nullptr;
    int* values = nullptr;
    void add(const char* name, int value, defrData* data);
    void clear();
    void destroy();
    const char* name(int i, defrData* data) const;
    int value(int i, defrData* data) const;
  };

  static defiIndexCheck layerCheck();
  static defiIndexCheck propCheck();
  bool ok(int i) const { return defiCheckIndex(i, numLayers_, layerCheck(), defData_); }
  int last() const { return numLayers_ - 1; }

  char* name_ = nullptr;
  int hardSpacing_ = 0;
  int numLayers_ = 0;
  int layersCap_ = 0;
  char** layerNames_ = nullptr;
  double* width_ = nullptr;
  char* hasDiagWidth_ = nullptr;
  double* diagWidth_ = nullptr;
  char* hasSpacing_ = nullptr;
  double* spacing_ = nullptr;
  char* hasWireExt_ = nullptr;
  double* wireExt_ = nullptr;
  NameList vias_;
  NameList viaRules_;
  NameList minCuts_;
  defiPropList props_;
  defrData* defData_;
};

}  // namespace LefDefParser

#endif
