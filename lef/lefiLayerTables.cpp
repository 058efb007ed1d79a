// SPACINGTABLE tables (parallel run length, influence, two widths,
// orthogonal) and the layer operations that build them from the number
// stack.
#include "lef/lefiLayer.h"

namespace LefDefParser {

lefiParallel::lefiParallel() : length_(nullptr), width_(nullptr), widthSpacing_(nullptr) {
  Init();
}

lefiParallel::~lefiParallel() { Destroy(); }

void lefiParallel::Init() {
  numLength_ = 0;
  numWidth_ = 0;
  numWidthAllocated_ = 0;
}

void lefiParallel::Destroy() {
  lefiFreeArr(length_);
  lefiFreeArr(width_);
  lefiFreeArr(widthSpacing_);
  Init();
}

void lefiParallel::addParallelLength(int numLength, double* lengths) {
  lefiFreeArr(length_);
  numLength_ = numLength;
  length_ = lengths;
}

void lefiParallel::addParallelWidth(double width) {
  if (numWidth_ == numWidthAllocated_) {
    int newCap = lefiNextCap(numWidthAllocated_);
    int cols = numLength_ > 0 ? numLength_ : 1;
    lefiRegrow(width_, numWidth_, newCap);
    // New rows start zeroed, so a short row never leaves stale values.
    lefiRegrow(widthSpacing_, numWidth_ * cols, newCap * cols);
    numWidthAllocated_ = newCap;
  }
  width_[numWidth_++] = width;
}

void lefiParallel::addParallelWidthSpacing(int numSpacing, double* spacings) {
  int row = numWidth_ - 1;
  if (row < 0) return;
  // Values beyond the length count have no column: dropping them keeps the
  // next row intact.
  int n = numSpacing < numLength_ ? numSpacing : numLength_;
  for (int j = 0; j < n; j++) widthSpacing_[row * numLength_ + j] = spacings[j];
}

double lefiParallel::widthSpacing(int i, int j) const {
  if (i < 0 || i >= numWidth_ || j < 0 || j >= numLength_) return 0.0;
  return widthSpacing_[i * numLength_ + j];
}

lefiInfluence::lefiInfluence() : width_(nullptr), distance_(nullptr), spacing_(nullptr) {
  Init();
}

lefiInfluence::~lefiInfluence() { Destroy(); }

void lefiInfluence::Init() {
  numAllocated_ = 0;
  numWidth_ = 0;
}

void lefiInfluence::Destroy() {
  lefiFreeArr(width_);
  lefiFreeArr(distance_);
  lefiFreeArr(spacing_);
  Init();
}

void lefiInfluence::addInfluence(double width, double distance, double spacing) {
  if (numWidth_ == numAllocated_) {
    int newCap = lefiNextCap(numAllocated_);
    lefiRegrowAll(numWidth_, newCap, width_, distance_, spacing_);
    numAllocated_ = newCap;
  }
  width_[numWidth_] = width;
  distance_[numWidth_] = distance;
  spacing_[numWidth_] = spacing;
  numWidth_++;
}

lefiTwoWidths::lefiTwoWidths()
    : width_(nullptr),
      prl_(nullptr),
      hasPRL_(nullptr),
      numWidthSpacing_(nullptr),
      widthSpacing_(nullptr),
      atNsp_(nullptr) {
  Init();
}

lefiTwoWidths::~lefiTwoWidths() { Destroy(); }

void lefiTwoWidths::Init() {
  numWidth_ = 0;
  numWidthAllocated_ = 0;
}

void lefiTwoWidths::Destroy() {
  lefiFreeArr(width_);
  lefiFreeArr(prl_);
  lefiFreeArr(hasPRL_);
  lefiFreeArr(numWidthSpacing_);
  lefiFreeArr(widthSpacing_);
  lefiFreeArr(atNsp_);
  Init();
}

void lefiTwoWidths::addTwoWidths(double width, double prl, int numSpacing, double* spacings,
                                 int hasPRL) {
  int r = numWidth_;
  if (r == numWidthAllocated_) {
    int newCap = lefiNextCap(numWidthAllocated_);
    lefiRegrowAll(r, newCap, width_, prl_, hasPRL_, numWidthSpacing_, atNsp_);
    numWidthAllocated_ = newCap;
  }
  int before = r > 0 ? atNsp_[r - 1] : 0;
  int n = numSpacing > 0 ? numSpacing : 0;
  lefiRegrow(widthSpacing_, before, before + n);
  for (int j = 0; j < n; j++) widthSpacing_[before + j] = spacings[j];
  width_[r] = width;
  prl_[r] = prl;
  hasPRL_[r] = hasPRL;
  numWidthSpacing_[r] = n;
  atNsp_[r] = before + n;
  numWidth_++;
}

double lefiTwoWidths::widthSpacing(int i, int j) const {
  if (i < 0 || i >= numWidth_ || j < 0 || j >= numWidthSpacing_[i]) return 0.0;
  return widthSpacing_[(i > 0 ? atNsp_[i - 1] : 0) + j];
}

lefiSpacingTable::lefiSpacingTable() { Init(); }

lefiSpacingTable::~lefiSpacingTable() { Destroy(); }

void lefiSpacingTable::Init() {
  hasInfluence_ = 0;
  influence_ = nullptr;
  parallel_ = nullptr;
  twoWidths_ = nullptr;
}

void lefiSpacingTable::Destroy() {
  lefiFreeObj(influence_);
  lefiFreeObj(parallel_);
  lefiFreeObj(twoWidths_);
  Init();
}

void lefiSpacingTable::addParallelLength(int numLength, double* lengths) {
  if (!parallel_) parallel_ = lefiNewObj<lefiParallel>();
  parallel_->addParallelLength(numLength, lengths);
}

void lefiSpacingTable::addParallelWidth(double width) {
  if (parallel_) parallel_->addParallelWidth(width);
}

void lefiSpacingTable::addParallelWidthSpacing(int numSpacing, double* spacings) {
  if (parallel_) parallel_->addParallelWidthSpacing(numSpacing, spacings);
}

void lefiSpacingTable::setInfluence() {
  lefiFreeObj(influence_);
  influence_ = lefiNewObj<lefiInfluence>();
  hasInfluence_ = 1;
}

void lefiSpacingTable::addInfluence(double width, double distance, double spacing) {
  if (influence_) influence_->addInfluence(width, distance, spacing);
}

void lefiSpacingTable::addTwoWidths(double width, double prl, int numSpacing, double* spacings,
                                    int hasPRL) {
  if (!twoWidths_) twoWidths_ = lefiNewObj<lefiTwoWidths>();
  twoWidths_->addTwoWidths(width, prl, numSpacing, spacings, hasPRL);
}

lefiOrthogonal::lefiOrthogonal() : cutWithin_(nullptr), orthoSpacing_(nullptr) { Init(); }

lefiOrthogonal::~lefiOrthogonal() { Destroy(); }

void lefiOrthogonal::Init() {
  numAllocated_ = 0;
  numOrthogonal_ = 0;
}

void lefiOrthogonal::Destroy() {
  lefiFreeArr(cutWithin_);
  lefiFreeArr(orthoSpacing_);
  Init();
}

void lefiOrthogonal::addOrthogonal(double cutWithin, double orthoSpacing) {
  if (numOrthogonal_ == numAllocated_) {
    int newCap = lefiNextCap(numAllocated_);
    lefiRegrowAll(numOrthogonal_, newCap, cutWithin_, orthoSpacing_);
    numAllocated_ = newCap;
  }
  cutWithin_[numOrthogonal_] = cutWithin;
  orthoSpacing_[numOrthogonal_] = orthoSpacing;
  numOrthogonal_++;
}

void lefiLayer::addSpacingTable() {
  if (numSpacingTable_ == spacingTableAllocated_) {
    int newCap = lefiNextCap(spacingTableAllocated_);
    lefiRegrow(spacingTable_, numSpacingTable_, newCap);
    spacingTableAllocated_ = newCap;
  }
  spacingTable_[numSpacingTable_++] = lefiNewObj<lefiSpacingTable>();
}

// The addSp operations act on the last table and ignore a call before any.
#define LEFI_LAST_TABLE(t)                                                 \
  lefiSpacingTable* t = lefiLast(spacingTable_, numSpacingTable_);        \
  if (!t) return

void lefiLayer::addSpParallelLength() {
  LEFI_LAST_TABLE(t);
  int n;
  double* lengths = takeNumbers(&n);
  t->addParallelLength(n, lengths);
}

void lefiLayer::addSpParallelWidth(double width) {
  LEFI_LAST_TABLE(t);
  t->addParallelWidth(width);
}

void lefiLayer::addSpParallelWidthSpacing() {
  LEFI_LAST_TABLE(t);
  t->addParallelWidthSpacing(numNums_, nums_);
  releaseNumbers();
}

void lefiLayer::addSpTwoWidths(double width, double prl) {
  LEFI_LAST_TABLE(t);
  t->addTwoWidths(width, prl, numNums_, nums_, hasTwoWidthPRL_);
  releaseNumbers();
  hasTwoWidthPRL_ = 0;
}

void lefiLayer::setInfluence() {
  LEFI_LAST_TABLE(t);
  t->setInfluence();
}

void lefiLayer::addSpInfluence(double width, double within, double spacing) {
  LEFI_LAST_TABLE(t);
  t->addInfluence(width, within, spacing);
}

#undef LEFI_LAST_TABLE

void lefiLayer::setSpacingTableOrtho() {
  // A second ORTHOGONAL table replaces the first.
  lefiFreeObj(orthogonal_);
  orthogonal_ = lefiNewObj<lefiOrthogonal>();
}

void lefiLayer::addSpacingTableOrthoWithin(double cutWithin, double orthoSpacing) {
  if (!orthogonal_) return;
  orthogonal_->addOrthogonal(cutWithin, orthoSpacing);
  hasSpacingTableOrtho_ = 1;
}

void lefiLayer::clearTables() {
  for (int i = 0; i < numSpacingTable_; i++) lefiFreeObj(spacingTable_[i]);
  // The pointer array stays until the next growth or Destroy.
  numSpacingTable_ = 0;
  spacingTableAllocated_ = 0;
  lefiFreeObj(orthogonal_);
  hasSpacingTableOrtho_ = 0;
}

}  // namespace LefDefParser
