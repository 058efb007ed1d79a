#include "lef/lefiArray.h"

namespace LefDefParser {

void lefiArrayFloorPlan::Init(const char* name) {
  Destroy();
  name_ = lefiCopyStr(name, true);
  patternsAllocated_ = 2;
  lefiRegrowAll(0, patternsAllocated_, types_, patterns_);
}

void lefiArrayFloorPlan::Destroy() {
  for (int i = 0; i < numPatterns_; i++) {
    lefiFreeObj(patterns_[i]);
    lefiFreeStr(types_[i]);
  }
  numPatterns_ = 0;
  lefiFreeArr(types_);
  lefiFreeArr(patterns_);
  patternsAllocated_ = 0;
  lefiFreeStr(name_);
}

void lefiArrayFloorPlan::addSitePattern(const char* typ, lefiSitePattern* s) {
  if (numPatterns_ == patternsAllocated_) {
    int cap = lefiNextCap(patternsAllocated_);
    lefiRegrowAll(numPatterns_, cap, types_, patterns_);
    patternsAllocated_ = cap;
  }
  types_[numPatterns_] = lefiCopyStr(typ, false);
  patterns_[numPatterns_] = s;
  numPatterns_++;
}

lefiArray::lefiArray()
    : nameSize_(0),
      name_(nullptr),
      hasDefaultCap_(0),
      tableSize_(0),
      numDefaultCaps_(0),
      defaultCapsAllocated_(0),
      minPins_(nullptr),
      caps_(nullptr) {
  site_.Init(0);
  canPlace_.Init(0);
  cannotOccupy_.Init(0);
  track_.Init(0);
  gcell_.Init(0);
  floors_.Init(0);
  Init();
}

lefiArray::~lefiArray() { Destroy(); }

void lefiArray::Init() {
  Destroy();
  nameSize_ = 16;
  name_ = static_cast<char*>(lefMalloc(nameSize_));
  name_[0] = '\0';
  site_.Init(2);
  canPlace_.Init(2);
  cannotOccupy_.Init(2);
  track_.Init(2);
  gcell_.Init(2);
  floors_.Init(2);
  defaultCapsAllocated_ = 4;
  lefiRegrowAll(0, defaultCapsAllocated_, minPins_, caps_);
}

void lefiArray::clear() {
  site_.clear();
  canPlace_.clear();
  cannotOccupy_.clear();
  track_.clear();
  gcell_.clear();
  floors_.clear();
  hasDefaultCap_ = 0;
  tableSize_ = 0;
  numDefaultCaps_ = 0;
}

void lefiArray::Destroy() {
  clear();
  lefiFreeStr(name_);
  nameSize_ = 0;
  site_.Destroy();
  canPlace_.Destroy();
  cannotOccupy_.Destroy();
  track_.Destroy();
  gcell_.Destroy();
  floors_.Destroy();
  lefiFreeArr(minPins_);
  lefiFreeArr(caps_);
  defaultCapsAllocated_ = 0;
}

void lefiArray::setName(const char* name) { lefiSetNameBuf(name_, nameSize_, name, true); }

void lefiArray::setTableSize(int tsize) {
  tableSize_ = tsize;
  hasDefaultCap_ = 1;
}

void lefiArray::addDefaultCap(int minPins, double cap) {
  if (numDefaultCaps_ == defaultCapsAllocated_) {
    int newCap = lefiNextCap(defaultCapsAllocated_);
    lefiRegrowAll(numDefaultCaps_, newCap, minPins_, caps_);
    defaultCapsAllocated_ = newCap;
  }
  minPins_[numDefaultCaps_] = minPins;
  caps_[numDefaultCaps_] = cap;
  numDefaultCaps_++;
}

void lefiArray::addFloorPlan(const char* name) {
  lefiArrayFloorPlan* fp = lefiNewObj<lefiArrayFloorPlan>();
  fp->Init(name);
  floors_.add(fp);
}

void lefiArray::addSiteToFloorPlan(const char* typ, lefiSitePattern* s) {
  lefiArrayFloorPlan* fp = floors_.last();
  if (fp)
    fp->addSitePattern(typ, s);
  else
    lefiFreeObj(s);  // owned from here on, and nowhere to keep it
}

void lefiArray::print(FILE* f) const { fprintf(f, "ARRAY %s\n", name_); }

}  // namespace LefDefParser
