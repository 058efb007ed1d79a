// Small shared records: the grammar's point collector, the DIEAREA box, the
// site statements and one STYLES entry.
#ifndef DEFI_MISC_H
#define DEFI_MISC_H

#include <cstdio>

#include "def/defiUtil.h"

namespace LefDefParser {

class defiGeometries {
 public:
  explicit defiGeometries(defrData* data);
  ~defiGeometries();
  DEFI_NO_COPY(defiGeometries);

  void Init();
  void Destroy();
  void Reset();

  void startList(int x, int y);
  void addToList(int x, int y);

  int numPoints() const { return numPoints_; }
  // Reports 6070 and leaves x, y unchanged for a bad index.
  void points(int index, int* x, int* y) const;

 private:
  int numPoints_ = 0;
  int pointsAllocated_ = 0;
  int* x_ = nullptr;
  int* y_ = nullptr;
  defrData* defData_;
};

// DIEAREA: the box is the first two points in file order.
class defiBox {
 public:
  defiBox();
  ~defiBox();
  DEFI_NO_COPY(defiBox);

  void Init();
  void Destroy();
  void addPoint(defiGeometries* geom);

  int xl() const { return xl_; }
  int yl() const { return yl_; }
  int xh() const { return xh_; }
  int yh() const { return yh_; }
  defiPointList getPoint() const;
  void print(FILE* f) const;

 private:
  int xl_ = 0, yl_ = 0, xh_ = 0, yh_ = 0;
  defiPointList points_{0, nullptr, nullptr};
};

// SITE, CANPLACE and CANNOTOCCUPY.
class defiSite {
 public:
  explicit defiSite(defrData* data);
  ~defiSite();
  DEFI_NO_COPY(defiSite);

  void Init();
  void Destroy();
  void clear();

  void setName(const char* name);
  void setLocation(double x, double y);
  void setOrient(int orient);
  void setDo(double xNum, double yNum, double xStep, double yStep);

  const char* name() const { return siteName_; }
  double x_orig() const { return xOrig_; }
  double y_orig() const { return yOrig_; }
  double x_num() const { return xNum_; }
  double y_num() const { return yNum_; }
  double x_step() const { return xStep_; }
  double y_step() const { return yStep_; }
  int orient() const { return orient_; }
  const char* orientStr() const;
  void print(FILE* f) const;

 private:
  char* siteName_ = nullptr;
  int nameSize_ = 0;
  double xOrig_ = 0, yOrig_ = 0;
  double xStep_ = 0, yStep_ = 0;
  double xNum_ = 0, yNum_ = 0;
  int orient_ = 0;
  defrData* defData_;
};

// One STYLES entry.
class defiStyles {
 public:
  defiStyles();
  ~defiStyles();
  DEFI_NO_COPY(defiStyles);

  void Init();
  void Destroy();
  void clear();

  void setStyle(int style);
  void setPolygon(defiGeometries* geom);

  int style() const { return styleNum_; }
  defiPointList getPolygon() const;

 private:
  int styleNum_ = 0;
  defiPointList* polygon_ = nullptr;
  int pointCapacity_ = 0;
};

}  // namespace LefDefParser

#endif
