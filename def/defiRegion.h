// One REGIONS entry: a named set of rectangles with an optional type and properties.
#ifndef DEFI_REGION_H
#define DEFI_REGION_H

#include <cstdio>

#include "def/defiUtil.h"

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
  int numRectangles() const { return numRects_; }
  int xl(int index) const { return rectValue(xl_, index); }
  int yl(int index) const { return rectValue(yl_, index); }
  int xh(int index) const { return rectValue(xh_, index); }
  int yh(int index) const { return rectValue(yh_, index); }
  void print(FILE* f) const;

 private:
  static defiIndexCheck propCheck();
  int rectValue(const int* values, int index) const;

  char* name_ = nullptr;
  int nameSize_ = 0;
  int numRects_ = 0;
  int rectsAllocated_ = 0;
  int* xl_ = nullptr;
  int* yl_ = nullptr;
  int* xh_ = nullptr;
  int* yh_ = nullptr;
  defiPropList props_;
  char* type_ = nullptr;
  defrData* defData_;
};

}  // namespace LefDefParser

#endif
