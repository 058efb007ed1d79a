// Storage patterns shared by the DEF data classes: owned texts, parallel
// arrays that grow by doubling, point lists, index checks and the property
// list that nets, components, rows and pin properties carry.
#ifndef DEFI_UTIL_H
#define DEFI_UTIL_H

#include <climits>
#include <cstdlib>
#include <cstring>

namespace LefDefParser {

class defrData;
class defiGeometries;

// A polygon: the record that owns it owns the two arrays.
struct defiPointList {
  int numPoints;
  int* x;
  int* y;
};

// malloc that never returns null: as operator new does, a failure calls the installed
// new-handler and tries again; without a handler it ends the process with a message.
void* defiMalloc(size_t size);

// Copies every collected point into freshly allocated arrays.
defiPointList defiCopyPoints(const defiGeometries* geom);
void defiFreePoints(defiPointList& list);

// Malloc'd copy of text (null stays null); `fold` passes it through DEFCASE.
char* defiDupText(const char* text, defrData* data, bool fold);
void defiFreeText(char*& text);

// Copies text into buf, regrowing to exactly length+1 bytes only when it
// does not fit. A null text stores "".
void defiCopyToBuffer(char*& buf, int& size, const char* text, defrData* data,
                      bool fold);

inline int defiNextCapacity(int cap, int start) { return cap == 0 ? start : cap * 2; }

// Reallocates one array to newCap entries, keeping the first `count`.
template <class T>
void defiResizeArray(T*& arr, int count, int newCap) {
  T* grown = static_cast<T*>(defiMalloc(sizeof(T) * (newCap > 0 ? newCap : 1)));
  if (arr && count > 0) memcpy(grown, arr, sizeof(T) * count);
  free(arr);
  arr = grown;
}

// Grows every parallel array of a list together.
template <class... T>
void defiResizeAll(int count, int newCap, T*&... arrays) {
  (defiResizeArray(arrays, count, newCap), ...);
}

template <class T>
void defiFreeArray(T*& arr) {
  free(arr);
  arr = nullptr;
}

// Numbers become ints clamped to the int range: rounded half away from zero for
// coordinates, truncated for counts and the like.
inline int toIntRounded(double v) {
  v = v < 0 ? v - 0.5 : v + 0.5;
  if (!(v > INT_MIN)) return INT_MIN;
  if (!(v < INT_MAX)) return INT_MAX;
  return static_cast<int>(v);
}

inline int toIntTrunc(double v) {
  if (!(v > INT_MIN)) return INT_MIN;
  if (!(v < INT_MAX)) return INT_MAX;
  return static_cast<int>(v);
}

inline bool defiInRange(int index, int count) { return index >= 0 && index < count; }

// How an indexed accessor reacts to a bad index: silently (no text), with a
// fixed warning (msgNum 0, passed on uncounted), or with a numbered error
// whose format takes the index and the count.
struct defiIndexCheck {
  int msgNum;
  const char* text;
};
constexpr defiIndexCheck defiSilent{0, nullptr};

// True when index is in 0..count-1; otherwise reports per `check`.
bool defiCheckIndex(int index, int count, const defiIndexCheck& check,
                    defrData* data);

// The PROPERTY entries of a record: four parallel arrays, capacity 2 at first.
class defiPropList {
 public:
  void Init();
  void Destroy();
  void clear();

  // Name and value pass through DEFCASE unless `fold` is false.
  void add(const char* name, const char* value, double number, char type,
           defrData* data, bool fold = true);

  int num() const { return num_; }
  const char* name(int i, const defiIndexCheck& c, defrData* d) const;
  const char* value(int i, const defiIndexCheck& c, defrData* d) const;
  double number(int i, const defiIndexCheck& c, defrData* d) const;
  char type(int i, const defiIndexCheck& c, defrData* d) const;
  int isNumber(int i, const defiIndexCheck& c, defrData* d) const;
  int isString(int i, const defiIndexCheck& c, defrData* d) const;

 private:
  int num_ = 0;
  int cap_ = 0;
  char** names_ = nullptr;
  char** values_ = nullptr;
  double* numbers_ = nullptr;
  char* types_ = nullptr;
};

// The property queries of a record holding `defiPropList props_` and
// `defrData* defData_`, with its own index check.
#define DEFI_PROPERTY_QUERIES(CHECK)                                               \
  int numProps() const { return props_.num(); }                                    \
  const char* propName(int i) const { return props_.name(i, CHECK, defData_); }    \
  const char* propValue(int i) const { return props_.value(i, CHECK, defData_); }  \
  double propNumber(int i) const { return props_.number(i, CHECK, defData_); }     \
  char propType(int i) const { return props_.type(i, CHECK, defData_); }           \
  int propIsNumber(int i) const { return props_.isNumber(i, CHECK, defData_); }    \
  int propIsString(int i) const { return props_.isString(i, CHECK, defData_); }

// The queries with `addProperty` and `addNumProperty` (defiNet names its adders otherwise).
#define DEFI_PROPERTY_ACCESSORS(CHECK)                                            \
  void addProperty(const char* name, const char* value, char type) {             \
    props_.add(name, value, 0.0, type, defData_);                                  \
  }                                                                                \
  void addNumProperty(const char* name, double d, const char* value, char type) { \
    props_.add(name, value, d, type, defData_);                                    \
  }                                                                                \
  DEFI_PROPERTY_QUERIES(CHECK)

// Makes a record non-copyable: records own raw heap storage.
#define DEFI_NO_COPY(Class)          \
  Class(const Class&) = delete;      \
  Class& operator=(const Class&) = delete

}  // namespace LefDefParser

#endif
