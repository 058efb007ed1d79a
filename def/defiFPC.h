// One FLOORPLANCONSTRAINTS entry: a direction, one ALIGN, MIN, MAX or EQUAL constraint and
// the rows and components it applies to, each on the bottom-left or the top-right side.
#ifndef DEFI_FPC_H
#define DEFI_FPC_H

#include <cstdio>

#include "def/defiUtil.h"

namespace LefDefParser {

class defiFPC {
 public:
  explicit defiFPC(defrData* data);
  ~defiFPC();
  DEFI_NO_COPY(defiFPC);

  void Init();
  void Destroy();
  void clear();

  void setName(const char* name, const char* direction);
  void setAlign() { hasAlign_ = 1; }
  void setMin(double v);
  void setMax(double v);
  void setEqual(double v);
  void setDoingBottomLeft() { corner_ = 'B'; }
  void setDoingTopRight() { corner_ = 'T'; }
  void addRow(const char* name) { addPart(name, kRowPart); }
  void addComps(const char* name) { addPart(name, 0); }

  const char* name() const { return name_ ? name_ : ""; }
  int isVertical() const { return direction_ == 'V'; }
  int isHorizontal() const { return direction_ == 'H'; }
  int hasAlign() const { return hasAlign_; }
  int hasMin() const { return hasMin_; }
  int hasMax() const { return hasMax_; }
  int hasEqual() const { return hasEqual_; }
  // MIN, MAX and EQUAL share the one value.
  double alignMin() const { return value_; }
  double alignMax() const { return value_; }
  double equal() const { return value_; }
  int numParts() const { return numParts_; }
  // Writes the corner ('B' or 'T'), the kind ('R' or 'C') and the name for an index
  // inside 0..numParts()-1; null out-arguments are skipped.
  void getPart(int index, int* corner, int* kind, char** name) const;
  void print(FILE* f) const;

 private:
  static constexpr char kRowPart = 2;
  static constexpr char kBottomLeftPart = 4;
  void addPart(const char* name, char kind);

  char* name_ = nullptr;
  int nameSize_ = 0;
  char direction_ = 0;
  char hasAlign_ = 0, hasMin_ = 0, hasMax_ = 0, hasEqual_ = 0;
  char corner_ = 0;
  double value_ = 0;
  int partsCap_ = 0;
  int numParts_ = 0;
  char* partFlags_ = nullptr;
  char** partNames_ = nullptr;
  defrData* defData_;
};

}  // namespace LefDefParser

#endif
