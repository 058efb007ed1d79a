#include "def/defiPath.h"

#include <climits>

#include "def/defiDebug.h"
#include "def/defrData.h"

namespace LefDefParser {

namespace {

// Tag letters in the order of their codes 1..15.
constexpr char kTags[] = "LVOWPFTSYRDEUMC";

// Element codes by tag letter: traversal asks for one per element.
struct TagCodes {
  unsigned char code[128] = {};
  constexpr TagCodes() {
    for (int i = 0; kTags[i]; i++) code[static_cast<unsigned char>(kTags[i])] = i + 1;
  }
};
constexpr TagCodes kTagCodes;

int codeOf(char tag) {
  const unsigned char t = static_cast<unsigned char>(tag);
  return t < 128 ? kTagCodes.code[t] : 0;
}

}  // namespace

defiPath::defiPath(defrData* data) : defData_(data) {}

defiPath::defiPath(defiPath* from) : defData_(from->defData_) { takeOver(from); }

void defiPath::takeOver(defiPath* from) {
  const size_t elemBytes = sizeof(Elem) * from->numUsed_;
  const size_t need = elemBytes + from->textUsed_ + 1;
  if (!compact_ || blockBytes_ < need) {
    Destroy();
    elems_ = static_cast<Elem*>(defiMalloc(need));
    blockBytes_ = need;
    compact_ = true;
  }
  char* block = reinterpret_cast<char*>(elems_);
  if (elemBytes) memcpy(block, from->elems_, elemBytes);
  if (from->textUsed_) memcpy(block + elemBytes, from->text_, from->textUsed_);
  text_ = block + elemBytes;
  numUsed_ = numAllocated_ = from->numUsed_;
  textUsed_ = textAllocated_ = from->textUsed_;
  pointer_ = from->pointer_;
  for (int& at : recentText_) at = -1;
  from->clear();
}

defiPath::~defiPath() { Destroy(); }

// A path whose buffers are its own keeps them: the reader starts every path
// of a net with Init.
void defiPath::Init() {
  if (elems_ && !compact_) {
    clear();
    return;
  }
  Destroy();
  bumpSize(16);
}

// Safe to call twice: every pointer is nulled once freed.
void defiPath::Destroy() {
  if (compact_) text_ = nullptr;
  compact_ = false;
  blockBytes_ = 0;
  defiFreeArray(elems_);
  defiFreeArray(text_);
  numUsed_ = numAllocated_ = 0;
  textUsed_ = textAllocated_ = 0;
  pointer_ = -1;
}

// Gives a compact path separate, growable buffers again.
void defiPath::detach() {
  Elem* elems = static_cast<Elem*>(defiMalloc(sizeof(Elem) * (numUsed_ + 16)));
  if (numUsed_) memcpy(elems, elems_, sizeof(Elem) * numUsed_);
  char* text = static_cast<char*>(defiMalloc(textUsed_ + 64));
  if (textUsed_) memcpy(text, text_, textUsed_);
  free(elems_);
  elems_ = elems;
  numAllocated_ = numUsed_ + 16;
  text_ = text;
  textAllocated_ = textUsed_ + 64;
  compact_ = false;
}

void defiPath::clear() {
  numUsed_ = 0;
  textUsed_ = 0;
  pointer_ = -1;
  for (int& at : recentText_) at = -1;
}

void defiPath::bumpSize(int size) {
  if (compact_) detach();
  if (size <= numAllocated_) return;
  defiResizeArray(elems_, numUsed_, size);
  numAllocated_ = size;
}

void defiPath::append(char tag, int a, int b, int c, int d) {
  if (numUsed_ == numAllocated_) bumpSize(numAllocated_ ? numAllocated_ * 2 : 16);
  Elem& e = elems_[numUsed_++];
  e.tag = tag;
  e.v[0] = a;
  e.v[1] = b;
  e.v[2] = c;
  e.v[3] = d;
}

void defiPath::appendText(char tag, const char* text) {
  if (compact_) detach();
  const char* folded = DEFCASE(text ? text : "", defData_);
  for (int at : recentText_) {
    if (at >= 0 && at < textUsed_ && text_[at] == folded[0] &&
        strcmp(text_ + at, folded) == 0) {
      append(tag, at);
      return;
    }
  }
  const int len = static_cast<int>(strlen(folded)) + 1;
  if (textUsed_ + len > textAllocated_) {
    int grown = textAllocated_ ? textAllocated_ * 2 : 64;
    while (grown < textUsed_ + len) grown *= 2;
    defiResizeArray(text_, textUsed_, grown);
    textAllocated_ = grown;
  }
  memcpy(text_ + textUsed_, folded, len);
  append(tag, textUsed_);
  recentText_[nextRecent_] = textUsed_;
  nextRecent_ = (nextRecent_ + 1) % kRecentTexts;
  textUsed_ += len;
}

void defiPath::addLayer(const char* layer) { appendText('L', layer); }
void defiPath::addVia(const char* via) { appendText('V', via); }
void defiPath::addViaRotation(int orient) { append('O', orient); }
void defiPath::addWidth(int width) { append('W', width); }
void defiPath::addPoint(int x, int y) { append('P', x, y); }
void defiPath::addFlushPoint(int x, int y, int ext) { append('F', x, y, ext); }
void defiPath::setTaper() { append('T'); }
void defiPath::addShape(const char* shape) { appendText('S', shape); }
void defiPath::addStyle(int style) { append('Y', style); }
void defiPath::addTaperRule(const char* rule) { appendText('R', rule); }
void defiPath::addViaData(int numX, int numY, int stepX, int stepY) {
  append('D', numX, numY, stepX, stepY);
}
void defiPath::addViaRect(int x1, int y1, int x2, int y2) { append('E', x1, y1, x2, y2); }
void defiPath::addVirtualPoint(int x, int y) { append('U', x, y); }
void defiPath::addMask(int mask) { append('M', mask); }
void defiPath::addViaMask(int mask) { append('C', mask); }

void defiPath::reverseOrder() {
  for (int i = 0, j = numUsed_ - 1; i < j; i++, j--) {
    const Elem t = elems_[i];
    elems_[i] = elems_[j];
    elems_[j] = t;
  }
}

void defiPath::initTraverse() const { pointer_ = -1; }

void defiPath::initTraverseBackwards() const { pointer_ = numUsed_; }

int defiPath::next() const {
  if (pointer_ < numUsed_) pointer_++;
  return currentType();
}

int defiPath::prev() const {
  if (pointer_ >= 0) pointer_--;
  return currentType();
}

int defiPath::currentType() const {
  return defiInRange(pointer_, numUsed_) ? codeOf(elems_[pointer_].tag) : 0;
}

const defiPath::Elem* defiPath::current(char tag) const {
  if (!defiInRange(pointer_, numUsed_)) return nullptr;
  const Elem& e = elems_[pointer_];
  return e.tag == tag ? &e : nullptr;
}

const char* defiPath::currentText(char tag) const {
  const Elem* e = current(tag);
  return e ? text_ + e->v[0] : nullptr;
}

const char* defiPath::getLayer() const { return currentText('L'); }
const char* defiPath::getVia() const { return currentText('V'); }
const char* defiPath::getShape() const { return currentText('S'); }
const char* defiPath::getTaperRule() const { return currentText('R'); }
int defiPath::getTaper() const { return current('T') ? 1 : 0; }

int defiPath::getStyle() const {
  const Elem* e = current('Y');
  return e ? e->v[0] : 0;
}

int defiPath::getWidth() const {
  const Elem* e = current('W');
  return e ? e->v[0] : 0;
}

int defiPath::getViaRotation() const {
  const Elem* e = current('O');
  return e ? e->v[0] : 0;
}

const char* defiPath::getViaRotationStr() const {
  const Elem* e = current('O');
  return e ? defiOrientStr(e->v[0]) : nullptr;
}

int defiPath::getMask() const {
  const Elem* e = current('M');
  return e ? e->v[0] : 0;
}

int defiPath::getViaTopMask() const {
  const Elem* e = current('C');
  return e ? e->v[0] / 100 : 0;
}

int defiPath::getViaCutMask() const {
  const Elem* e = current('C');
  return e ? e->v[0] / 10 % 10 : 0;
}

int defiPath::getViaBottomMask() const {
  const Elem* e = current('C');
  return e ? e->v[0] % 10 : 0;
}

void defiPath::getPoint(int* x, int* y) const {
  if (const Elem* e = current('P')) {
    *x = e->v[0];
    *y = e->v[1];
  }
}

void defiPath::getFlushPoint(int* x, int* y, int* ext) const {
  if (const Elem* e = current('F')) {
    *x = e->v[0];
    *y = e->v[1];
    *ext = e->v[2];
  }
}

void defiPath::getVirtualPoint(int* x, int* y) const {
  if (const Elem* e = current('U')) {
    *x = e->v[0];
    *y = e->v[1];
  }
}

void defiPath::getViaRect(int* x1, int* y1, int* x2, int* y2) const {
  if (const Elem* e = current('E')) {
    *x1 = e->v[0];
    *y1 = e->v[1];
    *x2 = e->v[2];
    *y2 = e->v[3];
  }
}

void defiPath::getViaData(int* numX, int* numY, int* stepX, int* stepY) const {
  if (const Elem* e = current('D')) {
    *numX = e->v[0];
    *numY = e->v[1];
    *stepX = e->v[2];
    *stepY = e->v[3];
  }
}

void defiPath::print(FILE* f) const {
  fprintf(f, "Path:\n");
  for (int i = 0; i < numUsed_; i++) {
    const Elem& e = elems_[i];
    const int* v = e.v;
    switch (e.tag) {
      case 'L': fprintf(f, " layer %s\n", text_ + v[0]); break;
      case 'R': fprintf(f, " taperrule %s\n", text_ + v[0]); break;
      case 'T': fprintf(f, " taper %s\n", "TAPER"); break;
      case 'S': fprintf(f, " shape %s\n", text_ + v[0]); break;
      case 'V': fprintf(f, " via %s\n", text_ + v[0]); break;
      case 'O': fprintf(f, " via rotation %s\n", defiOrientStr(v[0])); break;
      case 'M':
      case 'C': fprintf(f, " mask %d\n", v[0]); break;
      case 'E': fprintf(f, " rect %d,%d,%d,%d\n", v[0], v[1], v[2], v[3]); break;
      case 'W': fprintf(f, " width %d\n", v[0]); break;
      case 'P': fprintf(f, " point %d,%d\n", v[0], v[1]); break;
      case 'F': fprintf(f, " flushpoint %d,%d,%d\n", v[0], v[1], v[2]); break;
      case 'U': fprintf(f, " virtualpoint %d,%d\n", v[0], v[1]); break;
      case 'D': fprintf(f, " DO %d BY %d STEP %d %d\n", v[0], v[1], v[2], v[3]); break;
      default: fprintf(f, " ERROR\n"); break;
    }
  }
}

// ---- defiPathList

void defiPathList::add(defiPath* path, int reset, int netOsnet, int* needCbk) {
  if (reset) removeAll();
  if (num_ == capacity_) {
    if (capacity_ == 0) {
      capacity_ = netOsnet == 2 ? 1000 : 8;
    } else {
      capacity_ = capacity_ <= 32768 ? capacity_ * 2 : capacity_ + 65536;
    }
    if (capacity_ > allocated_) {
      const long long doubled = 2LL * allocated_;
      const int grown = doubled > capacity_ && doubled <= INT_MAX ? static_cast<int>(doubled)
                                                                    : capacity_;
      defiResizeArray(paths_, num_, grown);
      allocated_ = grown;
    }
  }
  paths_[num_++] = path->defData_ ? path->defData_->PathPool.take(path) : new defiPath(path);
  if (num_ == capacity_ && needCbk) *needCbk = 1;
}

void defiPathList::removeAll() {
  for (int i = 0; i < num_; i++) {
    defiPath* path = paths_[i];
    if (path->defData_)
      path->defData_->PathPool.giveBack(path);
    else
      delete path;
  }
  num_ = 0;
}

// ---- defiPathPool

defiPathPool::~defiPathPool() {
  for (int i = 0; i < num_; i++) delete spare_[i];
  defiFreeArray(spare_);
}

defiPath* defiPathPool::take(defiPath* from) {
  if (num_ == 0) return new defiPath(from);
  defiPath* path = spare_[--num_];
  path->takeOver(from);
  return path;
}

void defiPathPool::giveBack(defiPath* path) {
  if (num_ == cap_) {
    cap_ = defiNextCapacity(cap_, 64);
    defiResizeArray(spare_, num_, cap_);
  }
  spare_[num_++] = path;
}

void defiPathList::clear() {
  removeAll();
  defiFreeArray(paths_);
  capacity_ = allocated_ = 0;
}

}  // namespace LefDefParser
