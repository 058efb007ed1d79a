// One REGIONS entry: a named set of rectangles with an optional type and properties.
#ifndef DEFI_REGION_H
#define DEFI_REGION_H

#include <cstdio>

#include "def/defiShapes.h"

namespace LefDefParser {

class defiRegion {
 public:
  explicit defiRegion(defrData* data);
  ~defiRegion();
  DEFI_NO_COPY(defiRegion);

  void Init();
  void Destroy();
  void clear();

  void setup(const char* name);
  void addRect(int xl, int yl, int xh, int yh);
  void setType(const char* type);
  DEFI_PROPERTY_ACCESSORS(propCheck())

  const char* name() const { return name_; }
  int hasType() const { return type_ ? 1 : 0; }
  const char* type() const { return type_; }
  DEFI_RECT_QUERIES
  void print(FILE* f) const;

 private:
  static defiIndexCheck propCheck();
  static const defiIndexCheck kRectChecks[4];

  char* name_ = nullptr;
  int nameSize_ = 0;
  defiRects rects_{1};
  defiPropList props_;
  char* type_ = nullptr;
  defrData* defData_;
};

}  // namespace LefDefParser

#endif
