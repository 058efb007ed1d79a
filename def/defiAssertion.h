// One ASSERTIONS or CONSTRAINTS rule: nets and paths under a delay bound, or a
// wired-logic net with its distance.
#ifndef DEFI_ASSERTION_H
#define DEFI_ASSERTION_H

#include <cstdio>

#include "def/defiUtil.h"

namespace LefDefParser {

class defiAssertion {
 public:
  explicit defiAssertion(defrData* data);
  ~defiAssertion();
  DEFI_NO_COPY(defiAssertion);

  void Init();
  void Destroy();
  void clear();

  void setConstraintMode() { isAssertion_ = 0; }
  void setAssertionMode() { isAssertion_ = 1; }
  void setNetName(const char* name);
  void setWiredlogicMode() { isWiredlogic_ = 1; }
  void setWiredlogic(const char* net, double dist);
  void setDelay();
  void setSum();
  void setDiff();
  void unsetSum() { isSum_ = 0; }
  void setRiseMin(double d);
  void setRiseMax(double d);
  void setFallMin(double d);
  void setFallMax(double d);
  void addNet(const char* name);
  void addPath(const char* fromInst, const char* fromPin, const char* toInst,
               const char* toPin);

  int isAssertion() const { return isAssertion_; }
  int isConstraint() const { return !isAssertion_; }
  int isSum() const { return isSum_; }
  int isDiff() const { return isDiff_; }
  int isWiredlogic() const { return isWiredlogic_; }
  int isDelay() const { return isDelay_; }
  const char* netName() const { return netName_; }
  // The wired-logic distance shares the fall-max value.
  double distance() const { return fallMax_; }
  int hasRiseMin() const { return hasRiseMin_; }
  int hasRiseMax() const { return hasRiseMax_; }
  int hasFallMin() const { return hasFallMin_; }
  int hasFallMax() const { return hasFallMax_; }
  double riseMin() const { return riseMin_; }
  double riseMax() const { return riseMax_; }
  double fallMin() const { return fallMin_; }
  double fallMax() const { return fallMax_; }

  int numItems() const { return numItems_; }
  int isNet(int index) const;
  int isPath(int index) const;
  void net(int index, char** netName) const;
  void path(int index, char** fromInst, char** fromPin, char** toInst, char** toPin) const;
  void print(FILE* f) const;

 private:
  void addItem(char type, char* a, char* b, char* c, char* d);
  void freeItems();

  char isAssertion_ = 0;
  char isSum_ = 0, isDiff_ = 0;
  char hasRiseMin_ = 0, hasRiseMax_ = 0, hasFallMin_ = 0, hasFallMax_ = 0;
  char isWiredlogic_ = 0, isDelay_ = 0;
  char* netName_ = nullptr;
  int netNameLength_ = 0;
  double riseMin_ = 0, riseMax_ = 0, fallMin_ = 0, fallMax_ = 0;
  // Parallel item arrays: a net item uses only the first name.
  int numItems_ = 0;
  int numItemsAllocated_ = 0;
  char* itemTypes_ = nullptr;
  char** fromInst_ = nullptr;
  char** fromPin_ = nullptr;
  char** toInst_ = nullptr;
  char** toPin_ = nullptr;
  defrData* defData_;
};

}  // namespace LefDefParser

#endif
