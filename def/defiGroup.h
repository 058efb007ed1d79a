// One GROUPS entry: the group's name, its region (by name or by rectangles), its SOFT
// limits and properties. Members go only to the member callback.
#ifndef DEFI_GROUP_H
#define DEFI_GROUP_H

#include <cstdio>

#include "def/defiShapes.h"

namespace LefDefParser {

class defiGroup {
 public:
  explicit defiGroup(defrData* data);
  ~defiGroup();
  DEFI_NO_COPY(defiGroup);

  void Init();
  void Destroy();
  // Keeps the name: setup stores it before clearing the rest.
  void clear();

  void setup(const char* name);
  void setRegionName(const char* name);
  void addRegionRect(int xl, int yl, int xh, int yh);
  void setMaxX(int x);
  void setMaxY(int y);
  void setPerim(int p);
  DEFI_PROPERTY_ACCESSORS(propCheck())

  const char* name() const { return name_; }
  const char* regionName() const { return regionName_; }
  int hasRegionName() const { return hasRegionName_; }
  int hasRegionBox() const { return rects_.num() != 0 ? 1 : 0; }
  void regionRects(int* size, int** xl, int** yl, int** xh, int** yh) const;
  int hasMaxX() const { return hasMaxX_; }
  int maxX() const { return maxX_; }
  int hasMaxY() const { return hasMaxY_; }
  int maxY() const { return maxY_; }
  int hasPerim() const { return hasPerim_; }
  int perim() const { return perim_; }
  void print(FILE* f) const;

 private:
  static defiIndexCheck propCheck();

  char* name_ = nullptr;
  int nameSize_ = 0;
  char* regionName_ = nullptr;
  int regionNameSize_ = 0;
  defiRects rects_{2};
  int maxX_ = 0, maxY_ = 0, perim_ = 0;
  char hasRegionName_ = 0;
  char hasPerim_ = 0;
  char hasMaxX_ = 0;
  char hasMaxY_ = 0;
  defiPropList props_;
  defrData* defData_;
};

}  // namespace LefDefParser

#endif
