#include "lef/lefiCrossTalk.h"

namespace LefDefParser {

// Operations on a "last" element do nothing when there is none yet.
#define LEFI_CROSSTALK_FAMILY_IMPL(Kind)                                  \
  void lefi##Kind##Victim::Init(double length) {                          \
    Destroy();                                                            \
    length_ = length;                                                     \
    valuesAllocated_ = 2;                                                 \
    lefiRegrow(values_, 0, valuesAllocated_);                             \
  }                                                                       \
  void lefi##Kind##Victim::Destroy() {                                    \
    clear();                                                              \
    lefiFreeArr(values_);                                                 \
    valuesAllocated_ = 0;                                                 \
  }                                                                       \
  void lefi##Kind##Victim::addVictim##Kind(double d) {                    \
    if (numValues_ == valuesAllocated_) {                                 \
      int cap = lefiNextCap(valuesAllocated_);                            \
      lefiRegrow(values_, numValues_, cap);                               \
      valuesAllocated_ = cap;                                             \
    }                                                                     \
    values_[numValues_++] = d;                                            \
  }                                                                       \
                                                                          \
  void lefi##Kind##Resistance::Init() {                                   \
    Destroy();                                                            \
    numsAllocated_ = 1;                                                   \
    lefiRegrow(nums_, 0, numsAllocated_);                                 \
    victims_.Init(2);                                                     \
  }                                                                       \
  void lefi##Kind##Resistance::clear() {                                  \
    victims_.clear();                                                     \
    numNums_ = 0;                                                         \
  }                                                                       \
  void lefi##Kind##Resistance::Destroy() {                                \
    clear();                                                              \
    lefiFreeArr(nums_);                                                   \
    numsAllocated_ = 0;                                                   \
    victims_.Destroy();                                                   \
  }                                                                       \
  void lefi##Kind##Resistance::addResistanceNumber(double d) {            \
    if (numNums_ == numsAllocated_) {                                     \
      int cap = lefiNextCap(numsAllocated_);                              \
      lefiRegrow(nums_, numNums_, cap);                                   \
      numsAllocated_ = cap;                                               \
    }                                                                     \
    nums_[numNums_++] = d;                                                \
  }                                                                       \
  void lefi##Kind##Resistance::addVictimLength(double d) {                \
    lefi##Kind##Victim* v = lefiNewObj<lefi##Kind##Victim>();             \
    v->Init(d);                                                           \
    victims_.add(v);                                                      \
  }                                                                       \
  void lefi##Kind##Resistance::addVictim##Kind(double d) {                \
    if (lefi##Kind##Victim* v = victims_.last()) v->addVictim##Kind(d);   \
  }                                                                       \
                                                                          \
  void lefi##Kind##Edge::Init() {                                         \
    Destroy();                                                            \
    edge_ = 0.0;                                                          \
    resistances_.Init(2);                                                 \
  }                                                                       \
  void lefi##Kind##Edge::clear() {                                        \
    resistances_.clear();                                                 \
    edge_ = 0.0;                                                          \
  }                                                                       \
  void lefi##Kind##Edge::Destroy() {                                      \
    clear();                                                              \
    resistances_.Destroy();                                               \
  }                                                                       \
  void lefi##Kind##Edge::addResistance() {                                \
    resistances_.add(lefiNewObj<lefi##Kind##Resistance>());               \
  }                                                                       \
  void lefi##Kind##Edge::addResistanceNumber(double d) {                  \
    if (lefi##Kind##Resistance* r = resistances_.last())                  \
      r->addResistanceNumber(d);                                          \
  }                                                                       \
  void lefi##Kind##Edge::addVictimLength(double d) {                      \
    if (lefi##Kind##Resistance* r = resistances_.last()) r->addVictimLength(d); \
  }                                                                       \
  void lefi##Kind##Edge::addVictim##Kind(double d) {                      \
    if (lefi##Kind##Resistance* r = resistances_.last()) r->addVictim##Kind(d); \
  }                                                                       \
                                                                          \
  void lefi##Kind##Table::Init() {                                        \
    Destroy();                                                            \
    edges_.Init(2);                                                       \
  }                                                                       \
  void lefi##Kind##Table::Destroy() {                                     \
    clear();                                                              \
    edges_.Destroy();                                                     \
  }                                                                       \
  void lefi##Kind##Table::setup(int i) {                                  \
    num_ = i;                                                             \
    clear();                                                              \
  }                                                                       \
  void lefi##Kind##Table::newEdge() { edges_.add(lefiNewObj<lefi##Kind##Edge>()); } \
  void lefi##Kind##Table::addEdge(double d) {                             \
    if (lefi##Kind##Edge* e = edges_.last()) e->addEdge(d);               \
  }                                                                       \
  void lefi##Kind##Table::addResistance() {                               \
    if (lefi##Kind##Edge* e = edges_.last()) e->addResistance();          \
  }                                                                       \
  void lefi##Kind##Table::addResistanceNumber(double d) {                 \
    if (lefi##Kind##Edge* e = edges_.last()) e->addResistanceNumber(d);   \
  }                                                                       \
  void lefi##Kind##Table::addVictimLength(double d) {                     \
    if (lefi##Kind##Edge* e = edges_.last()) e->addVictimLength(d);       \
  }                                                                       \
  void lefi##Kind##Table::addVictim##Kind(double d) {                     \
    if (lefi##Kind##Edge* e = edges_.last()) e->addVictim##Kind(d);       \
  }

LEFI_CROSSTALK_FAMILY_IMPL(Noise)
LEFI_CROSSTALK_FAMILY_IMPL(Correction)

}  // namespace LefDefParser
