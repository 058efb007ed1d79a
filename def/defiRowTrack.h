// The ROW, TRACKS and GCELLGRID statements.
#ifndef DEFI_ROWTRACK_H
#define DEFI_ROWTRACK_H

#include <cstdio>

#include "def/defiUtil.h"

namespace LefDefParser {

class defiRow {
 public:
  explicit defiRow(defrData* data);
  ~defiRow();
  DEFI_NO_COPY(defiRow);

  void Init();
  void Destroy();
  void clear();

  void setup(const char* name, const char* macro, double x, double y, int orient);
  void setDo(double xNum, double yNum, double xStep, double yStep);
  void setHasDoStep();
  DEFI_PROPERTY_ACCESSORS(propCheck())

  const char* name() const { return name_; }
  const char* macro() const { return macro_; }
  double x() const { return x_; }
  double y() const { return y_; }
  double xNum() const { return xNum_; }
  double yNum() const { return yNum_; }
  int orient() const { return orient_; }
  const char* orientStr() const;
  double xStep() const { return xStep_; }
  double yStep() const { return yStep_; }
  int hasDo() const { return hasDo_; }
  int hasDoStep() const { return hasDoStep_; }
  void print(FILE* f) const;

 private:
  static defiIndexCheck propCheck();

  int nameLength_ = 0;
  char* name_ = nullptr;
  int macroLength_ = 0;
  char* macro_ = nullptr;
  double x_ = 0, y_ = 0;
  double xNum_ = 0, yNum_ = 0;
  int orient_ = 0;
  double xStep_ = 0, yStep_ = 0;
  int hasDo_ = 0;
  int hasDoStep_ = 0;
  defiPropList props_;
  defrData* defData_;
};

class defiTrack {
 public:
  explicit defiTrack(defrData* data);
  ~defiTrack();
  DEFI_NO_COPY(defiTrack);

  void Init();
  void Destroy();

  void setup(const char* macro);
  void setDo(double x, double xNum, double xStep);
  void addLayer(const char* layer);
  void addMask(int colorMask, int sameMask);

  const char* macro() const { return macro_; }
  double x() const { return x_; }
  double xNum() const { return xNum_; }
  double xStep() const { return xStep_; }
  int numLayers() const { return numLayers_; }
  const char* layer(int index) const;
  int firstTrackMask() const { return firstTrackMask_; }
  int sameMask() const { return samemask_; }
  void print(FILE* f) const;

 private:
  void freeLayers();

  int macroLength_ = 0;
  char* macro_ = nullptr;
  double x_ = 0, xNum_ = 0, xStep_ = 0;
  int layersLength_ = 0;
  int numLayers_ = 0;
  char** layers_ = nullptr;
  int firstTrackMask_ = 0;
  int samemask_ = 0;
  defrData* defData_;
};

class defiGcellGrid {
 public:
  explicit defiGcellGrid(defrData* data);
  ~defiGcellGrid();
  DEFI_NO_COPY(defiGcellGrid);

  void Init();
  void Destroy();

  void setup(const char* macro, int x, int xNum, double xStep);

  const char* macro() const { return macro_; }
  int x() const { return x_; }
  int xNum() const { return xNum_; }
  double xStep() const { return xStep_; }
  void print(FILE* f) const;

 private:
  int macroLength_ = 0;
  char* macro_ = nullptr;
  int x_ = 0;
  int xNum_ = 0;
  double xStep_ = 0;
  defrData* defData_;
};

}  // namespace LefDefParser

#endif
