#include "def/defiNonDefault.h"

#include "def/defiDebug.h"

namespace LefDefParser {

defiNonDefault::defiNonDefault(defrData* data) : defData_(data) { Init(); }

defiNonDefault::~defiNonDefault() { Destroy(); }

void defiNonDefault::Init() {
  name_ = nullptr;
  hardSpacing_ = 0;
  numLayers_ = layersCap_ = 0;
  layerNames_ = nullptr;
  width_ = diagWidth_ = spacing_ = wireExt_ = nullptr;
  hasDiagWidth_ = hasSpacing_ = hasWireExt_ = nullptr;
  vias_ = viaRules_ = minCuts_ = NameList();
  props_.Init();
}

void defiNonDefault::Destroy() {
  clear();
  defiFreeArray(layerNames_);
  defiFreeArray(width_);
  defiFreeArray(hasDiagWidth_);
  defiFreeArray(diagWidth_);
  defiFreeArray(hasSpacing_);
  defiFreeArray(spacing_);
  defiFreeArray(hasWireExt_);
  defiFreeArray(wireExt_);
  layersCap_ = 0;
  vias_.destroy();
  viaRules_.destroy();
  minCuts_.destroy();
  props_.Destroy();
}

void defiNonDefault::clear() {
  defiFreeText(name_);
  hardSpacing_ = 0;
  for (int i = 0; i < numLayers_; i++) defiFreeText(layerNames_[i]);
  numLayers_ = 0;
  vias_.clear();
  viaRules_.clear();
  minCuts_.clear();
  props_.clear();
}

void defiNonDefault::setName(const char* name) {
  defiFreeText(name_);
  name_ = defiDupText(name, defData_, true);
}

void defiNonDefault::addLayer(const char* name) {
  if (numLayers_ == layersCap_) {
    const int grown = defiNextCapacity(layersCap_, 2);
    defiResizeAll(numLayers_, grown, layerNames_, width_, hasDiagWidth_, diagWidth_,
                  hasSpacing_, spacing_, hasWireExt_, wireExt_);
    layersCap_ = grown;
  }
  const int i = numLayers_++;
  layerNames_[i] = defiDupText(name, defData_, true);
  width_[i] = diagWidth_[i] = spacing_[i] = wireExt_[i] = 0.0;
  hasDiagWidth_[i] = hasSpacing_[i] = hasWireExt_[i] = 0;
}

void defiNonDefault::addWidth(double v) {
  if (numLayers_ > 0) width_[last()] = v;
}

void defiNonDefault::addDiagWidth(double v) {
  if (numLayers_ == 0) return;
  diagWidth_[last()] = v;
  hasDiagWidth_[last()] = 1;
}

void defiNonDefault::addSpacing(double v) {
  if (numLayers_ == 0) return;
  spacing_[last()] = v;
  hasSpacing_[last()] = 1;
}

void defiNonDefault::addWireExt(double v) {
  if (numLayers_ == 0) return;
  wireExt_[last()] = v;
  hasWireExt_[last()] = 1;
}

// The layer, via, via-rule and min-cut lists share one message.
defiIndexCheck defiNonDefault::layerCheck() {
  return {6090,
          "ERROR (DEFPARS-6090): The index number %d specified for the NONDEFAULT LAYER is "
          "invalid.\nValid index is from 0 to %d. Specify a valid index number and then try "
          "again."};
}

defiIndexCheck defiNonDefault::propCheck() {
  return {6091,
          "ERROR (DEFPARS-6091): The index number %d specified for the NONDEFAULT PROPERTY is "
          "invalid.\nValid index is from 0 to %d. Specify a valid index number and then try "
          "again."};
}

void defiNonDefault::NameList::add(const char* name, int value, defrData* data) {
  if (num == cap) {
    const int grown = defiNextCapacity(cap, 2);
    defiResizeAll(num, grown, names, values);
    cap = grown;
  }
  names[num] = defiDupText(name, data, true);
  values[num++] = value;
}

void defiNonDefault::NameList::clear() {
  for (int i = 0; i < num; i++) defiFreeText(names[i]);
  num = 0;
}

void defiNonDefault::NameList::destroy() {
  clear();
  defiFreeArray(names);
  defiFreeArray(values);
  cap = 0;
}

const char* defiNonDefault::NameList::name(int i, defrData* data) const {
  return defiCheckIndex(i, num, layerCheck(), data) ? names[i] : nullptr;
}

int defiNonDefault::NameList::value(int i, defrData* data) const {
  return defiCheckIndex(i, num, layerCheck(), data) ? values[i] : 0;
}

void defiNonDefault::print(FILE* f) const {
  fprintf(f, "nondefaultrule %s\n", name_ ? name_ : "");
  fprintf(f, "%d layers   %d vias   %d viarules   %d mincuts\n", numLayers_, vias_.num,
          viaRules_.num, minCuts_.num);
  for (int i = 0; i < numLayers_; i++) {
    fprintf(f, "  Layer %s\n", layerNames_[i]);
    fprintf(f, "    WIDTH %g\n", width_[i]);
    if (hasDiagWidth_[i]) fprintf(f, "    DIAGWIDTH %g\n", diagWidth_[i]);
    if (hasSpacing_[i]) fprintf(f, "    SPACING %g\n", spacing_[i]);
    if (hasWireExt_[i]) fprintf(f, "    WIREEXT %g\n", wireExt_[i]);
  }
  for (int i = 0; i < vias_.num; i++) fprintf(f, "    VIA %s\n", vias_.names[i]);
  for (int i = 0; i < viaRules_.num; i++) fprintf(f, "    VIARULE %s\n", viaRules_.names[i]);
  for (int i = 0; i < minCuts_.num; i++)
    fprintf(f, "    MINCUTS %s %d\n", minCuts_.names[i], minCuts_.values[i]);
}

}  // namespace LefDefParser
