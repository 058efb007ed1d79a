#include "lef/lefiViaRule.h"

#include "lef/lefiMessages.h"

namespace LefDefParser {

lefiViaRuleLayer::lefiViaRuleLayer()
    : name_(nullptr),
      direction_(0),
      overhang1_(0.0),
      overhang2_(0.0),
      hasWidth_(0),
      hasResistance_(0),
      hasOverhang_(0),
      hasMetalOverhang_(0),
      hasSpacing_(0),
      hasRect_(0),
      widthMin_(0.0),
      widthMax_(0.0),
      overhang_(0.0),
      metalOverhang_(0.0),
      resistance_(0.0),
      spacingStepX_(0.0),
      spacingStepY_(0.0),
      xl_(0.0),
      yl_(0.0),
      xh_(0.0),
      yh_(0.0) {
  Init();
}

void lefiViaRuleLayer::Init() {
  name_ = nullptr;
  clearLayerOverhang();
}

void lefiViaRuleLayer::Destroy() { lefiFreeStr(name_); }

void lefiViaRuleLayer::setName(const char* name) {
  lefiFreeStr(name_);
  name_ = lefiCopyStr(name, true);
  direction_ = 0;
  hasWidth_ = 0;
  hasResistance_ = 0;
  hasOverhang_ = 0;
  hasMetalOverhang_ = 0;
  hasSpacing_ = 0;
  hasRect_ = 0;
}

void lefiViaRuleLayer::setEnclosure(double overhang1, double overhang2) {
  overhang1_ = overhang1;
  overhang2_ = overhang2;
}

void lefiViaRuleLayer::setWidth(double minW, double maxW) {
  widthMin_ = minW;
  widthMax_ = maxW;
  hasWidth_ = 1;
}

void lefiViaRuleLayer::setOverhang(double d) {
  overhang_ = d;
  hasOverhang_ = 1;
}

void lefiViaRuleLayer::setMetalOverhang(double d) {
  metalOverhang_ = d;
  hasMetalOverhang_ = 1;
}

void lefiViaRuleLayer::setResistance(double d) {
  resistance_ = d;
  hasResistance_ = 1;
}

void lefiViaRuleLayer::setSpacing(double x, double y) {
  spacingStepX_ = x;
  spacingStepY_ = y;
  hasSpacing_ = 1;
}

void lefiViaRuleLayer::setRect(double xl, double yl, double xh, double yh) {
  xl_ = xl;
  yl_ = yl;
  xh_ = xh;
  yh_ = yh;
  hasRect_ = 1;
}

void lefiViaRuleLayer::setOverhangToEnclosure(double d) {
  if (overhang1_ == -1.0)
    overhang1_ = d;
  else if (overhang2_ == -1.0)
    overhang2_ = d;
}

void lefiViaRuleLayer::clearLayerOverhang() {
  overhang1_ = -1.0;
  overhang2_ = -1.0;
}

void lefiViaRuleLayer::print(FILE* f) const {
  fprintf(f, "  Layer %s", name_ ? name_ : "");
  if (isHorizontal()) fprintf(f, " HORIZONTAL");
  if (isVertical()) fprintf(f, " VERTICAL");
  fprintf(f, "\n");
  if (hasWidth_) fprintf(f, "    WIDTH %g %g\n", widthMin_, widthMax_);
  if (hasResistance_) fprintf(f, "    RESISTANCE %g\n", resistance_);
  if (hasOverhang_) fprintf(f, "    OVERHANG %g\n", overhang_);
  if (hasMetalOverhang_) fprintf(f, "    METALOVERHANG %g\n", metalOverhang_);
  if (hasSpacing_) fprintf(f, "    SPACING %g %g\n", spacingStepX_, spacingStepY_);
  if (hasRect_) fprintf(f, "    RECT %g,%g %g,%g\n", xl_, yl_, xh_, yh_);
}

lefiViaRule::lefiViaRule()
    : name_(nullptr),
      nameSize_(0),
      hasGenerate_(0),
      hasDefault_(0),
      numLayers_(0),
      layerOverflow_(0),
      numVias_(0),
      viasAllocated_(0),
      vias_(nullptr),
      props_() {
  Init();
}

lefiViaRule::~lefiViaRule() { Destroy(); }

void lefiViaRule::Init() {
  nameSize_ = 16;
  name_ = static_cast<char*>(lefMalloc(nameSize_));
  name_[0] = '\0';
  viasAllocated_ = 2;
  vias_ = static_cast<char**>(lefMalloc(sizeof(char*) * viasAllocated_));
  props_.Init(1, false, kLefiMsgNum1431, kLefiMsg1431);
  for (lefiViaRuleLayer& l : layers_) l.Init();
  numLayers_ = 0;
  layerOverflow_ = 0;
  numVias_ = 0;
  hasGenerate_ = 0;
  hasDefault_ = 0;
}

void lefiViaRule::Destroy() {
  clear();
  lefiFreeStr(name_);
  nameSize_ = 0;
  lefiFreeArr(vias_);
  viasAllocated_ = 0;
  props_.Destroy();
  for (lefiViaRuleLayer& l : layers_) l.Destroy();
}

void lefiViaRule::clear() {
  hasGenerate_ = 0;
  hasDefault_ = 0;
  props_.clear();
  numLayers_ = 0;
  layerOverflow_ = 0;
  for (int i = 0; i < numVias_; i++) lefiFreeStr(vias_[i]);
  numVias_ = 0;
  // Only slots 0 and 1 are reset after each rule; without this the third
  // layer of the next rule would show the previous rule's enclosure.
  layers_[kMaxLayers - 1].clearLayerOverhang();
}

void lefiViaRule::setName(const char* name) {
  lefiSetNameBuf(name_, nameSize_, name, true);
  clear();
}

void lefiViaRule::setLayer(const char* name) {
  if (numLayers_ == kMaxLayers) {
    lefiError(0, kLefiMsgNum1430, kLefiMsg1430);
    layerOverflow_ = 1;
    return;
  }
  layers_[numLayers_++].setName(name);
}

lefiViaRuleLayer* lefiViaRule::current() {
  if (numLayers_ == 0 || layerOverflow_) return nullptr;
  return &layers_[numLayers_ - 1];
}

void lefiViaRule::setHorizontal() {
  if (lefiViaRuleLayer* l = current()) l->setHorizontal();
}

void lefiViaRule::setVertical() {
  if (lefiViaRuleLayer* l = current()) l->setVertical();
}

void lefiViaRule::setEnclosure(double overhang1, double overhang2) {
  if (lefiViaRuleLayer* l = current()) l->setEnclosure(overhang1, overhang2);
}

void lefiViaRule::setWidth(double minW, double maxW) {
  if (lefiViaRuleLayer* l = current()) l->setWidth(minW, maxW);
}

void lefiViaRule::setOverhang(double d) {
  if (lefiViaRuleLayer* l = current()) l->setOverhang(d);
}

void lefiViaRule::setMetalOverhang(double d) {
  if (lefiViaRuleLayer* l = current()) l->setMetalOverhang(d);
}

void lefiViaRule::setResistance(double d) {
  if (lefiViaRuleLayer* l = current()) l->setResistance(d);
}

void lefiViaRule::setSpacing(double x, double y) {
  if (lefiViaRuleLayer* l = current()) l->setSpacing(x, y);
}

void lefiViaRule::setRect(double xl, double yl, double xh, double yh) {
  if (lefiViaRuleLayer* l = current()) l->setRect(xl, yl, xh, yh);
}

void lefiViaRule::setOverhangToEnclosure(double d) {
  layers_[0].setOverhangToEnclosure(d);
  layers_[1].setOverhangToEnclosure(d);
}

void lefiViaRule::clearLayerOverhang() {
  layers_[0].clearLayerOverhang();
  layers_[1].clearLayerOverhang();
}

void lefiViaRule::addViaName(const char* name) {
  if (numVias_ == viasAllocated_) {
    viasAllocated_ = lefiNextCap(viasAllocated_);
    lefiRegrow(vias_, numVias_, viasAllocated_);
  }
  vias_[numVias_++] = lefiCopyStr(name, true);
}

void lefiViaRule::addProp(const char* name, const char* value, char type) {
  props_.add(name, value, 0.0, type);
}

void lefiViaRule::addNumProp(const char* name, double d, const char* value, char type) {
  props_.add(name, value, d, type);
}

lefiViaRuleLayer* lefiViaRule::layer(int i) {
  if (i < 0 || i >= kMaxLayers) return nullptr;
  return &layers_[i];
}

const char* lefiViaRule::viaName(int i) const {
  if (i < 0 || i >= numVias_) return nullptr;
  return vias_[i];
}

void lefiViaRule::print(FILE* f) const {
  fprintf(f, "VIA RULE %s", name_);
  if (hasGenerate_) fprintf(f, " GENERATE");
  fprintf(f, "\n");
  for (int i = 0; i < numLayers_; i++) layers_[i].print(f);
  for (int i = 0; i < numVias_; i++) fprintf(f, "  Via %s\n", vias_[i]);
}

}  // namespace LefDefParser
