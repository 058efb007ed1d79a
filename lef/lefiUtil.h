// Helpers shared by the LEF data classes: index checks, list growth, owned
// name copies, owned child objects, and the list structs that several
// classes hold.
#ifndef VELMOR_LEF_LEFIUTIL_H
#define VELMOR_LEF_LEFIUTIL_H

#include <cstddef>
#include <cstring>
#include <new>

#include "lef/lefiDebug.h"
#include "lef/lefrMemory.h"

namespace LefDefParser {

// A point of the MacroOrigin and MacroSize callbacks.
struct lefiPoints {
  double x;
  double y;
};

// The values of a noise-margin statement.
struct lefiNoiseMargin {
  double high;
  double low;
};

// True when 0 <= i < count; otherwise reports fmt filled with (i, count - 1)
// through lefiError and returns false.
bool lefiIndexOk(int i, int count, int msgNum, const char* fmt);

// Capacity after a full list: twice cap, or start when cap is 0.
inline int lefiNextCap(int cap, int start = 2) { return cap ? cap * 2 : start; }

// Replaces a by a block of newCap entries holding its first count entries
// (the rest zeroed); the old block is released. newCap 0 gives null.
template <class T>
void lefiRegrow(T*& a, int count, int newCap) {
  T* grown = nullptr;
  if (newCap > 0) {
    grown = static_cast<T*>(lefMalloc(sizeof(T) * newCap));
    int keep = (a && count > 0) ? (count < newCap ? count : newCap) : 0;
    if (keep) memcpy(static_cast<void*>(grown), a, sizeof(T) * keep);
    memset(static_cast<void*>(grown + keep), 0, sizeof(T) * (newCap - keep));
  }
  if (a) lefFree(a);
  a = grown;
}

template <class... T>
void lefiRegrowAll(int count, int newCap, T*&... arrays) {
  (lefiRegrow(arrays, count, newCap), ...);
}

// Stores name in a buffer of recorded size, grown to strlen + 1 when too
// small (old contents dropped); folded by CASE when fold is set.
void lefiSetNameBuf(char*& buf, int& size, const char* name, bool fold);

// A lefMalloc copy of s, of CASE(s) when fold is set; null for null.
char* lefiCopyStr(const char* s, bool fold);

// Copy into a fixed field of size bytes, cut short to fit.
void lefiCopyFixed(char* dst, size_t size, const char* src);

inline void lefiFreeStr(char*& p) {
  if (p) lefFree(p);
  p = nullptr;
}

// Replaces buf by an empty name buffer of the starting size.
void lefiNewNameBuf(char*& buf, int& size);

// Value read through an index that the caller should have kept in range:
// the zero value instead of memory outside the list.
template <class T>
T lefiAt(const T* arr, int count, int i) {
  return (arr && i >= 0 && i < count) ? arr[i] : T();
}

template <class T>
void lefiFreeArr(T*& p) {
  if (p) lefFree(p);
  p = nullptr;
}

// A child object in lefMalloc storage, constructed (and so Inited) in place.
template <class T>
T* lefiNewObj() {
  return new (lefMalloc(sizeof(T))) T();
}

template <class T>
void lefiFreeObj(T*& p) {
  if (!p) return;
  p->Destroy();
  p->~T();
  lefFree(p);
  p = nullptr;
}

// The last element of an owned pointer list, null when it is empty.
template <class T>
T* lefiLast(T** arr, int count) {
  return count > 0 ? arr[count - 1] : nullptr;
}

// A list of owned child objects, each made by lefiNewObj (or set up in
// lefMalloc storage by hand) and released with lefiFreeObj.
template <class T>
struct lefiPtrList {
  int num;
  int cap;
  T** items;

  void Init(int startCap) {
    num = 0;
    cap = 0;
    items = nullptr;
    if (startCap > 0) {
      lefiRegrow(items, 0, startCap);
      cap = startCap;
    }
  }
  void add(T* item) {
    if (num == cap) {
      int newCap = lefiNextCap(cap);
      lefiRegrow(items, num, newCap);
      cap = newCap;
    }
    items[num++] = item;
  }
  // Releases the children; the array and capacity stay.
  void clear() {
    for (int i = 0; i < num; i++) lefiFreeObj(items[i]);
    num = 0;
  }
  void Destroy() {
    clear();
    lefiFreeArr(items);
    cap = 0;
  }
  T* last() const { return lefiLast(items, num); }
};

// PROPERTY values of a layer, via, pin, macro, non-default rule or via rule.
// Index errors report the holder's own message.
struct lefiPropList {
  int num;
  int cap;
  char** names;
  char** values;
  double* numbers;
  char* types;
  bool fold;            // names and values stored as CASE gives them
  int msgNum;           // index error
  const char* msgText;

  // Arrays for startCap entries (none when 0).
  void Init(int startCap, bool foldNames, int errNum, const char* errText);
  void add(const char* name, const char* value, double number, char type);
  // Releases the texts; the arrays and capacity stay.
  void clear();
  // clear, then releases the arrays; capacity 0.
  void Destroy();
  // This list (Destroyed) becomes a copy of src with capacity = count.
  void cloneFrom(const lefiPropList& src);

  const char* name(int i) const { return ok(i) ? names[i] : nullptr; }
  const char* value(int i) const { return ok(i) ? values[i] : nullptr; }
  double number(int i) const { return ok(i) ? numbers[i] : 0.0; }
  char type(int i) const { return ok(i) ? types[i] : 0; }
  // A numeric property of value 0 counts as a string.
  int isNumber(int i) const { return ok(i) ? (numbers[i] != 0.0 ? 1 : 0) : 0; }
  int isString(int i) const { return ok(i) ? (numbers[i] == 0.0 ? 1 : 0) : 0; }

 private:
  bool ok(int i) const { return lefiIndexOk(i, num, msgNum, msgText); }
};

// FOREIGN entries of a pin or macro; they differ in what the first slot
// holds, which the caller passes.
struct lefiForeignList {
  int num;
  int cap;
  int* first;
  int* hasPoint;
  int* orient;
  double* x;
  double* y;
  char** names;

  void Init();  // empty, no arrays
  void add(const char* name, int firstSlot, int hasPnt, double px, double py, int orientation);
  void clear();
  void Destroy();
};

// A list of values each with an optional layer name (antenna values).
struct lefiValueLayerList {
  int num;
  int cap;
  double* values;
  char** layers;

  void Init(int startCap = 1);
  // The layer is copied unfolded; null stays null.
  void add(double value, const char* layer);
  // Releases the layer names; count 0. Inline: a pin clears fourteen lists.
  void clear() {
    for (int i = 0; i < num; i++) lefiFreeStr(layers[i]);
    num = 0;
  }
  void Destroy();  // clear, then releases the arrays; capacity 0
};

}  // namespace LefDefParser

#endif
