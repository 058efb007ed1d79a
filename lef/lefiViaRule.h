// One VIARULE statement (plain or GENERATE): up to three layers with their
// values, the VIA names of a plain rule and its properties.
#ifndef VELMOR_LEF_LEFIVIARULE_H
#define VELMOR_LEF_LEFIVIARULE_H

#include <cstdio>

#include "lef/lefiUtil.h"

namespace LefDefParser {

class lefiViaRuleLayer {
 public:
  lefiViaRuleLayer();
  // The owning rule releases the name through Destroy.
  ~lefiViaRuleLayer() {}
  lefiViaRuleLayer(const lefiViaRuleLayer&) = delete;
  lefiViaRuleLayer& operator=(const lefiViaRuleLayer&) = delete;

  void Init();
  void Destroy();

  // Keeps the enclosure overhangs and the stored values; resets the rest.
  void setName(const char* name);
  void setHorizontal() { direction_ = 'H'; }
  void setVertical() { direction_ = 'V'; }
  void setEnclosure(double overhang1, double overhang2);
  void setWidth(double minW, double maxW);
  void setOverhang(double d);
  void setMetalOverhang(double d);
  void setResistance(double d);
  void setSpacing(double x, double y);
  void setRect(double xl, double yl, double xh, double yh);
  // Fills the first unset enclosure overhang.
  void setOverhangToEnclosure(double d);
  void clearLayerOverhang();

  int hasDirection() const { return direction_ != 0; }
  int hasEnclosure() const { return overhang1_ != -1.0; }
  int hasWidth() const { return hasWidth_; }
  int hasResistance() const { return hasResistance_; }
  int hasOverhang() const { return hasOverhang_; }
  int hasMetalOverhang() const { return hasMetalOverhang_; }
  int hasSpacing() const { return hasSpacing_; }
  int hasRect() const { return hasRect_; }
  int isHorizontal() const { return direction_ == 'H'; }
  int isVertical() const { return direction_ == 'V'; }

  const char* name() const { return name_; }
  double enclosureOverhang1() const { return overhang1_; }
  double enclosureOverhang2() const { return overhang2_; }
  double widthMin() const { return widthMin_; }
  double widthMax() const { return widthMax_; }
  double overhang() const { return overhang_; }
  double metalOverhang() const { return metalOverhang_; }
  double resistance() const { return resistance_; }
  double spacingStepX() const { return spacingStepX_; }
  double spacingStepY() const { return spacingStepY_; }
  double xl() const { return xl_; }
  double yl() const { return yl_; }
  double xh() const { return xh_; }
  double yh() const { return yh_; }

  void print(FILE* f) const;

 private:
  char* name_;
  char direction_;
  double overhang1_;
  double overhang2_;
  int hasWidth_;
  int hasResistance_;
  int hasOverhang_;
  int hasMetalOverhang_;
  int hasSpacing_;
  int hasRect_;
  double widthMin_;
  double widthMax_;
  double overhang_;
  double metalOverhang_;
  double resistance_;
  double spacingStepX_;
  double spacingStepY_;
  double xl_;
  double yl_;
  double xh_;
  double yh_;
};

class lefiViaRule {
 public:
  lefiViaRule();
  ~lefiViaRule();
  lefiViaRule(const lefiViaRule&) = delete;
  lefiViaRule& operator=(const lefiViaRule&) = delete;

  void Init();
  void Destroy();
  void clear();

  // Names the rule, then clears the previous rule's contents.
  void setName(const char* name);
  void setGenerate() { hasGenerate_ = 1; }
  void setDefault() { hasDefault_ = 1; }
  // Takes the next of the three layer slots; a fourth reports 1430.
  void setLayer(const char* name);

  // These act on the layer slot set last.
  void setHorizontal();
  void setVertical();
  void setEnclosure(double overhang1, double overhang2);
  void setWidth(double minW, double maxW);
  void setOverhang(double d);
  void setMetalOverhang(double d);
  void setResistance(double d);
  void setSpacing(double x, double y);
  void setRect(double xl, double yl, double xh, double yh);

  // Slots 0 and 1 only.
  void setOverhangToEnclosure(double d);
  void clearLayerOverhang();

  void addViaName(const char* name);
  void addProp(const char* name, const char* value, char type);
  void addNumProp(const char* name, double d, const char* value, char type);

  const char* name() const { return name_; }
  int hasGenerate() const { return hasGenerate_; }
  int hasDefault() const { return hasDefault_; }
  int numLayers() const { return numLayers_; }
  // Slot i for 0 <= i <= 2, whether in use or not; null otherwise.
  lefiViaRuleLayer* layer(int i);
  int numVias() const { return numVias_; }
  const char* viaName(int i) const;

  int numProps() const { return props_.num; }
  const char* propName(int i) const { return props_.name(i); }
  const char* propValue(int i) const { return props_.value(i); }
  double propNumber(int i) const { return props_.number(i); }
  char propType(int i) const { return props_.type(i); }
  int propIsNumber(int i) const { return props_.isNumber(i); }
  int propIsString(int i) const { return props_.isString(i); }

  void print(FILE* f) const;

 private:
  static const int kMaxLayers = 3;
  // The slot that per-layer setters act on; null without one, or after a
  // layer beyond the third until the rule is cleared.
  lefiViaRuleLayer* current();

  char* name_;
  int nameSize_;
  int hasGenerate_;
  int hasDefault_;
  int numLayers_;
  int layerOverflow_;
  lefiViaRuleLayer layers_[kMaxLayers];
  int numVias_;
  int viasAllocated_;
  char** vias_;
  lefiPropList props_;
};

}  // namespace LefDefParser

#endif
