#include "def/defiPropType.h"

#include <cstdlib>
#include <cstring>

#include "def/defiUtil.h"

namespace LefDefParser {

defiPropType::defiPropType() { Init(); }

defiPropType::~defiPropType() { Destroy(); }

void defiPropType::Init() {
  numProperties_ = 0;
  propertiesAllocated_ = 0;
  propNames_ = nullptr;
  propTypes_ = nullptr;
}

void defiPropType::Destroy() { Clear(); }

void defiPropType::Clear() {
  for (int i = 0; i < numProperties_; i++) defiFreeText(propNames_[i]);
  defiFreeArray(propNames_);
  defiFreeArray(propTypes_);
  numProperties_ = propertiesAllocated_ = 0;
}

void defiPropType::setPropType(const char* name, char type) {
  if (numProperties_ == propertiesAllocated_) {
    const int grown = defiNextCapacity(propertiesAllocated_, 2);
    defiResizeAll(numProperties_, grown, propNames_, propTypes_);
    propertiesAllocated_ = grown;
  }
  propNames_[numProperties_] = defiDupText(name ? name : "", nullptr, false);
  propTypes_[numProperties_++] = type;
}

char defiPropType::propType(const char* name) const {
  if (!name) return 'N';
  for (int i = 0; i < numProperties_; i++) {
    if (strcmp(name, propNames_[i]) == 0) return propTypes_[i];
  }
  return 'N';
}

}  // namespace LefDefParser
