#include "lef/lefiMacro.h"

#include <cstring>

#include "lef/lefiMessages.h"

namespace LefDefParser {

lefiMacro::lefiMacro()
    : nameSize_(0),
      name_(nullptr),
      generatorSize_(0),
      generator_(nullptr),
      EEQ_(nullptr),
      EEQSize_(0),
      LEQ_(nullptr),
      LEQSize_(0),
      gen1_(nullptr),
      gen1Size_(0),
      gen2_(nullptr),
      gen2Size_(0),
      power_(0.0),
      originX_(0.0),
      originY_(0.0),
      sizeX_(0.0),
      sizeY_(0.0),
      numSites_(0),
      sitesAllocated_(0),
      patterns_(nullptr),
      siteNameSize_(0),
      siteName_(nullptr),
      clockType_(nullptr),
      clockTypeSize_(0),
      isFixedMask_(0) {
  memset(has_, 0, sizeof(has_));
  Init();
}

lefiMacro::~lefiMacro() { Destroy(); }

void lefiMacro::Init() {
  lefiNewNameBuf(name_, nameSize_);
  lefiNewNameBuf(generator_, generatorSize_);
  lefiNewNameBuf(EEQ_, EEQSize_);
  lefiNewNameBuf(LEQ_, LEQSize_);
  lefiNewNameBuf(gen1_, gen1Size_);
  lefiNewNameBuf(gen2_, gen2Size_);
  lefiNewNameBuf(siteName_, siteNameSize_);
  lefiNewNameBuf(clockType_, clockTypeSize_);
  props_.Init(2, true, kLefiMsgNum1352, kLefiMsg1352);
  numSites_ = 0;
  sitesAllocated_ = 0;
  patterns_ = nullptr;
  foreigns_.Init();
  isFixedMask_ = 0;
  macroClass_[0] = '\0';
  source_[0] = '\0';
  clear();
}

void lefiMacro::clear() {
  memset(has_, 0, sizeof(has_));
  foreigns_.clear();
  if (patterns_) {
    for (int i = 0; i < numSites_; i++) lefiFreeObj(patterns_[i]);
    lefiFreeArr(patterns_);
  }
  numSites_ = 0;
  sitesAllocated_ = 0;
  props_.clear();
  isFixedMask_ = 0;
}

void lefiMacro::Destroy() {
  clear();
  lefiFreeStr(name_);
  nameSize_ = 0;
  lefiFreeStr(generator_);
  generatorSize_ = 0;
  lefiFreeStr(EEQ_);
  EEQSize_ = 0;
  lefiFreeStr(LEQ_);
  LEQSize_ = 0;
  lefiFreeStr(gen1_);
  gen1Size_ = 0;
  lefiFreeStr(gen2_);
  gen2Size_ = 0;
  lefiFreeStr(siteName_);
  siteNameSize_ = 0;
  lefiFreeStr(clockType_);
  clockTypeSize_ = 0;
  props_.Destroy();
  foreigns_.Destroy();
}

void lefiMacro::setName(const char* name) { lefiSetNameBuf(name_, nameSize_, name, true); }

void lefiMacro::setClass(const char* name) {
  lefiCopyFixed(macroClass_, sizeof(macroClass_), CASE(name));
  has_[kHasClass] = 1;
}

void lefiMacro::setSource(const char* name) {
  lefiCopyFixed(source_, sizeof(source_), CASE(name));
  has_[kHasSource] = 1;
}

void lefiMacro::setGenerator(const char* name) {
  lefiSetNameBuf(generator_, generatorSize_, name, true);
  has_[kHasGenerator] = 1;
}

void lefiMacro::setGenerate(const char* name1, const char* name2) {
  lefiSetNameBuf(gen1_, gen1Size_, name1, true);
  lefiSetNameBuf(gen2_, gen2Size_, name2, false);
  has_[kHasGenerate] = 1;
}

void lefiMacro::setOrigin(double x, double y) {
  originX_ = x;
  originY_ = y;
  has_[kHasOrigin] = 1;
}

void lefiMacro::setSize(double x, double y) {
  sizeX_ = x;
  sizeY_ = y;
  has_[kHasSize] = 1;
}

void lefiMacro::setPower(double p) {
  power_ = p;
  has_[kHasPower] = 1;
}

void lefiMacro::setEEQ(const char* name) {
  lefiSetNameBuf(EEQ_, EEQSize_, name, true);
  has_[kHasEEQ] = 1;
}

void lefiMacro::setLEQ(const char* name) {
  lefiSetNameBuf(LEQ_, LEQSize_, name, true);
  has_[kHasLEQ] = 1;
}

void lefiMacro::setSiteName(const char* name) {
  lefiSetNameBuf(siteName_, siteNameSize_, name, true);
  has_[kHasSiteName] = 1;
}

void lefiMacro::setSitePattern(lefiSitePattern* pattern) {
  if (numSites_ == sitesAllocated_) {
    sitesAllocated_ = lefiNextCap(sitesAllocated_, 4);
    lefiRegrow(patterns_, numSites_, sitesAllocated_);
  }
  patterns_[numSites_++] = pattern;
}

void lefiMacro::addForeign(const char* name, int hasPnt, double x, double y, int orient) {
  foreigns_.add(name, hasPnt, hasPnt, x, y, orient);
}

void lefiMacro::setClockType(const char* name) {
  lefiSetNameBuf(clockType_, clockTypeSize_, name, true);
  has_[kHasClockType] = 1;
}

void lefiMacro::setProperty(const char* name, const char* value, char type) {
  props_.add(name, value, 0.0, type);
}

void lefiMacro::setNumProperty(const char* name, double d, const char* value, char type) {
  props_.add(name, value, d, type);
}

void lefiMacro::generate(char** name1, char** name2) const {
  if (name1) *name1 = gen1_;
  if (name2) *name2 = gen2_;
}

void lefiMacro::print(FILE* f) const {
  fprintf(f, "MACRO %s\n", name_);
  if (hasClass()) fprintf(f, "  Class %s\n", macroClass_);
  if (hasGenerator()) fprintf(f, "  Generator %s\n", generator_);
  if (hasGenerate()) fprintf(f, "  Generate %s %s\n", gen1_, gen2_);
  if (hasPower()) fprintf(f, "  Power %g\n", power_);
  if (hasOrigin()) fprintf(f, "  Origin %g,%g\n", originX_, originY_);
  if (hasEEQ()) fprintf(f, "  EEQ %s\n", EEQ_);
  if (hasLEQ()) fprintf(f, "  LEQ %s\n", LEQ_);
  if (hasSource()) fprintf(f, "  Source %s\n", source_);
  if (hasXSymmetry()) fprintf(f, "  Symmetry X\n");
  if (hasYSymmetry()) fprintf(f, "  Symmetry Y\n");
  if (has90Symmetry()) fprintf(f, "  Symmetry R90\n");
  if (hasSiteName()) fprintf(f, "  Site name %s\n", siteName_);
  for (int i = 0; i < numSites_; i++) {
    fprintf(f, "  Site pattern ");
    patterns_[i]->print(f);
  }
  if (hasSize()) fprintf(f, "  Size %g,%g\n", sizeX_, sizeY_);
  for (int i = 0; i < foreigns_.num; i++) {
    fprintf(f, "  Foreign %s", foreigns_.names[i]);
    if (hasForeignOrigin(i)) fprintf(f, "  %g,%g", foreigns_.x[i], foreigns_.y[i]);
    if (hasForeignOrient(i)) fprintf(f, "  orient %s", foreignOrientStr(i));
    fprintf(f, "\n");
  }
  if (hasClockType()) fprintf(f, "  Clock type %s\n", clockType_);
  fprintf(f, "END MACRO %s\n", name_);
}

}  // namespace LefDefParser
