#include "lef/lefiPropType.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "lef/lefiDebug.h"
#include "lef/lefrMemory.h"

namespace LefDefParser {

namespace {

// The plain heap: these tables are freed with free.
void* propTypeAlloc(size_t size) { return lefPlainRealloc(nullptr, size); }

}  // namespace

lefiPropType::lefiPropType() { Init(); }

lefiPropType::~lefiPropType() { Destroy(); }

void lefiPropType::Init() {
  numProperties_ = 0;
  propertiesAllocated_ = 0;
  propNames_ = nullptr;
  propTypes_ = nullptr;
}

void lefiPropType::Clear() {
  for (int i = 0; i < numProperties_; i++) {
    free(propNames_[i]);
    propNames_[i] = nullptr;
  }
  numProperties_ = 0;
}

void lefiPropType::Destroy() {
  Clear();
  free(propNames_);
  free(propTypes_);
  propNames_ = nullptr;
  propTypes_ = nullptr;
  propertiesAllocated_ = 0;
}

void lefiPropType::bumpProps() {
  int cap = propertiesAllocated_ ? propertiesAllocated_ * 2 : 2;
  char** names = static_cast<char**>(propTypeAlloc(sizeof(char*) * cap));
  char* types = static_cast<char*>(propTypeAlloc(cap));
  for (int i = 0; i < numProperties_; i++) {
    names[i] = propNames_[i];
    types[i] = propTypes_[i];
  }
  free(propNames_);
  free(propTypes_);
  propNames_ = names;
  propTypes_ = types;
  propertiesAllocated_ = cap;
}

void lefiPropType::setPropType(const char* name, char type) {
  if (numProperties_ == propertiesAllocated_) bumpProps();
  const char* folded = CASE(name);
  char* copy = static_cast<char*>(propTypeAlloc(strlen(folded) + 1));
  strcpy(copy, folded);
  propNames_[numProperties_] = copy;
  propTypes_[numProperties_] = type;
  numProperties_++;
}

char lefiPropType::propType(const char* name) const {
  if (!name) return 'N';
  // Stored names are folded, so the looked-up name is folded the same way.
  const char* folded = CASE(name);
  for (int i = 0; i < numProperties_; i++)
    if (strcmp(folded, propNames_[i]) == 0) return propTypes_[i];
  return 'N';
}

}  // namespace LefDefParser
