// NOISETABLE and CORRECTIONTABLE: table -> edges -> resistance entries ->
// victims -> values. The two families are twins stamped from one macro; only
// the name of the victim's value list differs. Indexed accessors do not
// check their index: the caller keeps to the counts.
#ifndef VELMOR_LEF_LEFICROSSTALK_H
#define VELMOR_LEF_LEFICROSSTALK_H

#include <cstdio>

#include "lef/lefiUtil.h"

// Kind: Noise or Correction; valueName: noise or correction.
#define LEFI_CROSSTALK_FAMILY(Kind, valueName)                                     \
  class lefi##Kind##Victim {                                                    \
   public:                                                                      \
    /* Set up by Init(length). */                                               \
    lefi##Kind##Victim() : length_(0.0), numValues_(0), valuesAllocated_(0),    \
                           values_(nullptr) {}                                  \
    ~lefi##Kind##Victim() { Destroy(); }                                        \
    lefi##Kind##Victim(const lefi##Kind##Victim&) = delete;                     \
    lefi##Kind##Victim& operator=(const lefi##Kind##Victim&) = delete;          \
    void Init(double length);                                                   \
    void Destroy();                                                             \
    void clear() { numValues_ = 0; }                                            \
    void addVictim##Kind(double d);                                             \
    double length() const { return length_; }                                   \
    int num##Kind##s() const { return numValues_; }                             \
    double valueName(int index) const { return values_[index]; }                 \
                                                                                \
   private:                                                                     \
    double length_;                                                             \
    int numValues_;                                                             \
    int valuesAllocated_;                                                       \
    double* values_;                                                            \
  };                                                                            \
                                                                                \
  class lefi##Kind##Resistance {                                                \
   public:                                                                      \
    lefi##Kind##Resistance() : numNums_(0), numsAllocated_(0), nums_(nullptr) { \
      victims_.Init(0);                                                         \
      Init();                                                                   \
    }                                                                           \
    ~lefi##Kind##Resistance() { Destroy(); }                                    \
    lefi##Kind##Resistance(const lefi##Kind##Resistance&) = delete;             \
    lefi##Kind##Resistance& operator=(const lefi##Kind##Resistance&) = delete;  \
    void Init();                                                                \
    void Destroy();                                                             \
    void clear();                                                               \
    void addResistanceNumber(double d);                                         \
    void addVictimLength(double d);                                             \
    void addVictim##Kind(double d);                                             \
    int numNums() const { return numNums_; }                                    \
    double num(int index) const { return nums_[index]; }                        \
    int numVictims() const { return victims_.num; }                             \
    lefi##Kind##Victim* victim(int index) const { return victims_.items[index]; } \
                                                                                \
   private:                                                                     \
    int numNums_;                                                               \
    int numsAllocated_;                                                         \
    double* nums_;                                                              \
    lefiPtrList<lefi##Kind##Victim> victims_;                                   \
  };                                                                            \
                                                                                \
  class lefi##Kind##Edge {                                                      \
   public:                                                                      \
    lefi##Kind##Edge() : edge_(0.0) {                                           \
      resistances_.Init(0);                                                     \
      Init();                                                                   \
    }                                                                           \
    ~lefi##Kind##Edge() { Destroy(); }                                          \
    lefi##Kind##Edge(const lefi##Kind##Edge&) = delete;                         \
    lefi##Kind##Edge& operator=(const lefi##Kind##Edge&) = delete;              \
    void Init();                                                                \
    void Destroy();                                                             \
    void clear();                                                               \
    void addEdge(double d) { edge_ = d; }                                       \
    void addResistance();                                                       \
    void addResistanceNumber(double d);                                         \
    void addVictimLength(double d);                                             \
    void addVictim##Kind(double d);                                             \
    double edge() const { return edge_; }                                       \
    int numResistances() const { return resistances_.num; }                     \
    lefi##Kind##Resistance* resistance(int index) const {                       \
      return resistances_.items[index];                                         \
    }                                                                           \
                                                                                \
   private:                                                                     \
    double edge_;                                                               \
    lefiPtrList<lefi##Kind##Resistance> resistances_;                           \
  };                                                                            \
                                                                                \
  class lefi##Kind##Table {                                                     \
   public:                                                                      \
    lefi##Kind##Table() : num_(0) {                                             \
      edges_.Init(0);                                                           \
      Init();                                                                   \
    }                                                                           \
    ~lefi##Kind##Table() { Destroy(); }                                         \
    lefi##Kind##Table(const lefi##Kind##Table&) = delete;                       \
    lefi##Kind##Table& operator=(const lefi##Kind##Table&) = delete;            \
    void Init();                                                                \
    void Destroy();                                                             \
    void clear() { edges_.clear(); }                                            \
    void setup(int i);                                                          \
    void newEdge();                                                             \
    void addEdge(double d);                                                     \
    void addResistance();                                                       \
    void addResistanceNumber(double d);                                         \
    void addVictimLength(double d);                                             \
    void addVictim##Kind(double d);                                             \
    int num() const { return num_; }                                            \
    int numEdges() const { return edges_.num; }                                 \
    lefi##Kind##Edge* edge(int index) const { return edges_.items[index]; }     \
                                                                                \
   private:                                                                     \
    int num_;                                                                   \
    lefiPtrList<lefi##Kind##Edge> edges_;                                       \
  };

namespace LefDefParser {

LEFI_CROSSTALK_FAMILY(Noise, noise)
LEFI_CROSSTALK_FAMILY(Correction, correction)

}  // namespace LefDefParser

#endif
