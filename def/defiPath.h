// One routing path of a net or special net: its elements in file order,
// walked with a cursor.
#ifndef DEFI_PATH_H
#define DEFI_PATH_H

#include <cstdio>

#include "def/defiUtil.h"

namespace LefDefParser {

// Codes returned by next(), prev() and currentType(); 0 ends a walk.
enum defiPath_e {
  DEFIPATH_DONE = 0,
  DEFIPATH_LAYER = 1,
  DEFIPATH_VIA = 2,
  DEFIPATH_VIAROTATION = 3,
  DEFIPATH_WIDTH = 4,
  DEFIPATH_POINT = 5,
  DEFIPATH_FLUSHPOINT = 6,
  DEFIPATH_TAPER = 7,
  DEFIPATH_SHAPE = 8,
  DEFIPATH_STYLE = 9,
  DEFIPATH_TAPERRULE = 10,
  DEFIPATH_VIADATA = 11,
  DEFIPATH_RECT = 12,
  DEFIPATH_VIRTUALPOINT = 13,
  DEFIPATH_MASK = 14,
  DEFIPATH_VIAMASK = 15
};

class defiPath {
 public:
  explicit defiPath(defrData* data);
  // Takes over the contents of `from` in one compact block; `from` is left
  // empty and keeps its buffers for the next path.
  explicit defiPath(defiPath* from);
  ~defiPath();
  DEFI_NO_COPY(defiPath);

  void Init();
  void Destroy();
  void clear();
  void bumpSize(int size);

  void addLayer(const char* layer);
  void addVia(const char* via);
  void addViaRotation(int orient);
  void addWidth(int width);
  void addPoint(int x, int y);
  void addFlushPoint(int x, int y, int ext);
  void setTaper();
  void addShape(const char* shape);
  void addStyle(int style);
  void addTaperRule(const char* rule);
  void addViaData(int numX, int numY, int stepX, int stepY);
  void addViaRect(int x1, int y1, int x2, int y2);
  void addVirtualPoint(int x, int y);
  void addMask(int mask);
  void addViaMask(int mask);
  void reverseOrder();

  // Takes over the contents of `from` as the constructor does, into this path's block
  // when it is large enough.
  void takeOver(defiPath* from);

  void initTraverse() const;
  void initTraverseBackwards() const;
  int next() const;
  int prev() const;
  int currentType() const;

  const char* getLayer() const;
  const char* getVia() const;
  const char* getShape() const;
  const char* getTaperRule() const;
  int getTaper() const;
  int getStyle() const;
  int getWidth() const;
  int getViaRotation() const;
  const char* getViaRotationStr() const;
  int getMask() const;
  int getViaTopMask() const;
  int getViaCutMask() const;
  int getViaBottomMask() const;
  void getPoint(int* x, int* y) const;
  void getFlushPoint(int* x, int* y, int* ext) const;
  void getVirtualPoint(int* x, int* y) const;
  void getViaRect(int* x1, int* y1, int* x2, int* y2) const;
  void getViaData(int* numX, int* numY, int* stepX, int* stepY) const;

  int numElements() const { return numUsed_; }
  void print(FILE* f) const;

 private:
  // Elements are stored inline; a name element keeps the offset of its
  // text in `text_`, so a path costs a few allocations, not one per element.
  struct Elem {
    char tag;
    int v[4];
  };

  void append(char tag, int a = 0, int b = 0, int c = 0, int d = 0);
  void detach();
  void appendText(char tag, const char* text);
  const Elem* current(char tag) const;
  const char* currentText(char tag) const;

  Elem* elems_ = nullptr;
  int numUsed_ = 0;
  int numAllocated_ = 0;
  char* text_ = nullptr;
  int textUsed_ = 0;
  int textAllocated_ = 0;
  mutable int pointer_ = -1;
  // Offsets of the latest distinct texts: via and layer names repeat through
  // a path, and a repeated one is stored once.
  static constexpr int kRecentTexts = 4;
  int recentText_[kRecentTexts] = {-1, -1, -1, -1};
  int nextRecent_ = 0;
  // The texts sit in the elements' block (a path taken over by a wire).
  bool compact_ = false;
  size_t blockBytes_ = 0;  // of a compact path's block
  defrData* defData_;

  friend class defiPathList;
};

// The paths the lists of one read have let go, kept for the next ones: a net's paths
// reuse the objects and blocks of the previous net's. Never more than were live at once.
class defiPathPool {
 public:
  defiPathPool() = default;
  ~defiPathPool();
  DEFI_NO_COPY(defiPathPool);

  defiPath* take(defiPath* from);  // a path holding the contents of `from`
  void giveBack(defiPath* path);

 private:
  defiPath** spare_ = nullptr;
  int num_ = 0;
  int cap_ = 0;
};

// The paths a wire, shield or subnet owns. The hand-out size follows the
// DEF rule (8, or 1000 for a special net; doubling up to 65,536, then +65,536);
// the pointer array itself always doubles so a giant wire stays linear.
class defiPathList {
 public:
  ~defiPathList() { clear(); }
  // Takes over `path`; sets *needCbk to 1 when the list reaches its size.
  void add(defiPath* path, int reset, int netOsnet, int* needCbk);
  int num() const { return num_; }
  defiPath* at(int index) const { return defiInRange(index, num_) ? paths_[index] : nullptr; }
  int capacity() const { return capacity_; }
  void removeAll();  // deletes the paths, keeps the size
  void clear();      // deletes the paths and the array

 private:
  defiPath** paths_ = nullptr;
  int num_ = 0;
  int capacity_ = 0;
  int allocated_ = 0;
};

}  // namespace LefDefParser

#endif
