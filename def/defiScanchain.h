// One SCANCHAINS entry: START and STOP, common scan pins, the floating
// instances, the ordered lists and the partition.
#ifndef DEFI_SCANCHAIN_H
#define DEFI_SCANCHAIN_H

#include <cstdio>

#include "def/defiUtil.h"

namespace LefDefParser {

// Instances of a chain (floating, or one ordered list), each with optional IN and OUT pins and BITS (-1: none).
class defiOrdered {
 public:
  explicit defiOrdered(defrData* data);
  ~defiOrdered();
  DEFI_NO_COPY(defiOrdered);

  void Init();
  void Destroy();
  void clear();

  void addOrdered(const char* inst);
  // These act on the last instance; without one they do nothing.
  void addIn(const char* pin);
  void addOut(const char* pin);
  void setOrderedBits(int bits);

  int num() const { return num_; }
  char** inst() const { return inst_; }
  char** in() const { return in_; }
  char** out() const { return out_; }
  int* bits() const { return bits_; }

 private:
  int num_ = 0;
  int cap_ = 0;
  char** inst_ = nullptr;
  char** in_ = nullptr;
  char** out_ = nullptr;
  int* bits_ = nullptr;
  defrData* defData_;
};

class defiScanchain {
 public:
  explicit defiScanchain(defrData* data);
  ~defiScanchain();
  DEFI_NO_COPY(defiScanchain);

  void Init();
  void Destroy();
  void clear();

  void setName(const char* name);
  void setStart(const char* inst, const char* pin);
  void setStop(const char* inst, const char* pin);
  void setCommonIn(const char* pin);
  void setCommonOut(const char* pin);
  void addFloatingInst(const char* inst);
  // These act on the last floating instance, or the last ordered list's last
  // instance; without one they do nothing.
  void addFloatingIn(const char* pin);
  void addFloatingOut(const char* pin);
  void setFloatingBits(int bits);
  void addOrderedList();
  void addOrderedInst(const char* inst);
  void addOrderedIn(const char* pin);
  void addOrderedOut(const char* pin);
  void setOrderedBits(int bits);
  void setPartition(const char* name, int maxBits);

  const char* name() const { return name_; }
  int hasStart() const { return hasStart_; }
  int hasStop() const { return hasStop_; }
  void start(char** inst, char** pin) const;
  void stop(char** inst, char** pin) const;
  int hasCommonInPin() const { return commonIn_ != nullptr; }
  int hasCommonOutPin() const { return commonOut_ != nullptr; }
  const char* commonInPin() const { return commonIn_; }
  const char* commonOutPin() const { return commonOut_; }
  int hasFloating() const { return floating_.num() > 0; }
  void floating(int* size, char*** inst, char*** in, char*** out, int** bits) const;
  int hasOrdered() const { return numOrdered_ > 0; }
  int numOrderedLists() const { return numOrdered_; }
  // A bad index writes a count of 0 and null arrays.
  void ordered(int index, int* size, char*** inst, char*** in, char*** out, int** bits) const;
  int hasPartition() const { return hasPartition_; }
  const char* partitionName() const { return partName_; }
  int hasPartitionMaxBits() const { return maxBits_ != -1; }
  int partitionMaxBits() const { return maxBits_; }

  void print(FILE* f) const;

 private:
  defiOrdered* lastOrdered() const { return numOrdered_ ? ordered_[numOrdered_ - 1] : nullptr; }

  char* name_ = nullptr;
  int nameSize_ = 0;
  int hasStart_ = 0;
  int hasStop_ = 0;
  int numOrdered_ = 0;
  int orderedCap_ = 0;
  defiOrdered** ordered_ = nullptr;
  char* stopInst_ = nullptr;
  char* stopPin_ = nullptr;
  char* startInst_ = nullptr;
  char* startPin_ = nullptr;
  char* commonIn_ = nullptr;
  char* commonOut_ = nullptr;
  int hasPartition_ = 0;
  char* partName_ = nullptr;
  int maxBits_ = -1;
  defrData* defData_;
  defiOrdered floating_{defData_};
};

}  // namespace LefDefParser

#endif
