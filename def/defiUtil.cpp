#include "def/defiUtil.h"

#include <cstdio>
#include <new>
#include <string>

#include "def/defiDebug.h"
#include "def/defiMisc.h"

namespace LefDefParser {

void* defiMalloc(size_t size) {
  for (;;) {
    // Zero bytes may answer null; one byte never does.
    if (void* mem = malloc(size ? size : 1)) return mem;
    std::new_handler handler = std::get_new_handler();
    if (!handler) {
      fputs("ERROR (DEFPARS-6019): Not enough memory, stop parsing!\n", stderr);
      exit(1);
    }
    handler();
  }
}

defiPointList defiCopyPoints(const defiGeometries* geom) {
  defiPointList list{0, nullptr, nullptr};
  const int n = geom ? geom->numPoints() : 0;
  list.x = static_cast<int*>(defiMalloc(sizeof(int) * (n > 0 ? n : 1)));
  list.y = static_cast<int*>(defiMalloc(sizeof(int) * (n > 0 ? n : 1)));
  for (int i = 0; i < n; i++) geom->points(i, &list.x[i], &list.y[i]);
  list.numPoints = n;
  return list;
}

void defiFreePoints(defiPointList& list) {
  defiFreeArray(list.x);
  defiFreeArray(list.y);
  list.numPoints = 0;
}

char* defiDupText(const char* text, defrData* data, bool fold) {
  if (!text) return nullptr;
  const char* src = fold ? DEFCASE(text, data) : text;
  const size_t len = strlen(src) + 1;
  char* copy = static_cast<char*>(defiMalloc(len));
  memcpy(copy, src, len);
  return copy;
}

void defiFreeText(char*& text) {
  free(text);
  text = nullptr;
}

void defiCopyToBuffer(char*& buf, int& size, const char* text, defrData* data,
                      bool fold) {
  const char* src = text ? (fold ? DEFCASE(text, data) : text) : "";
  const size_t len = strlen(src) + 1;
  if (!buf || len > static_cast<size_t>(size)) {
    free(buf);
    buf = static_cast<char*>(defiMalloc(len));
    size = static_cast<int>(len);
  }
  memcpy(buf, src, len);
}

bool defiCheckIndex(int index, int count, const defiIndexCheck& check,
                    defrData* data) {
  if (defiInRange(index, count)) return true;
  if (!check.text) return false;
  if (check.msgNum == 0) {
    defiError(1, 0, check.text, data);
    return false;
  }
  const int len = snprintf(nullptr, 0, check.text, index, count);
  std::string msg(static_cast<size_t>(len), '\0');
  snprintf(&msg[0], msg.size() + 1, check.text, index, count);
  defiError(0, check.msgNum, msg.c_str(), data);
  return false;
}

void defiPropList::Init() {
  num_ = 0;
  cap_ = 2;
  names_ = static_cast<char**>(defiMalloc(sizeof(char*) * cap_));
  values_ = static_cast<char**>(defiMalloc(sizeof(char*) * cap_));
  numbers_ = static_cast<double*>(defiMalloc(sizeof(double) * cap_));
  types_ = static_cast<char*>(defiMalloc(sizeof(char) * cap_));
}

void defiPropList::Destroy() {
  clear();
  defiFreeArray(names_);
  defiFreeArray(values_);
  defiFreeArray(numbers_);
  defiFreeArray(types_);
  cap_ = 0;
}

void defiPropList::clear() {
  for (int i = 0; i < num_; i++) {
    defiFreeText(names_[i]);
    defiFreeText(values_[i]);
  }
  num_ = 0;
}

void defiPropList::add(const char* name, const char* value, double number,
                       char type, defrData* data, bool fold) {
  if (num_ == cap_) {
    const int grown = defiNextCapacity(cap_, 2);
    defiResizeAll(num_, grown, names_, values_, numbers_, types_);
    cap_ = grown;
  }
  names_[num_] = defiDupText(name, data, fold);
  values_[num_] = defiDupText(value, data, fold);
  numbers_[num_] = number;
  types_[num_] = type;
  num_++;
}

const char* defiPropList::name(int i, const defiIndexCheck& c, defrData* d) const {
  return defiCheckIndex(i, num_, c, d) ? names_[i] : nullptr;
}

const char* defiPropList::value(int i, const defiIndexCheck& c, defrData* d) const {
  return defiCheckIndex(i, num_, c, d) ? values_[i] : nullptr;
}

double defiPropList::number(int i, const defiIndexCheck& c, defrData* d) const {
  return defiCheckIndex(i, num_, c, d) ? numbers_[i] : 0.0;
}

char defiPropList::type(int i, const defiIndexCheck& c, defrData* d) const {
  return defiCheckIndex(i, num_, c, d) ? types_[i] : 0;
}

// A numeric property whose value is 0 reads as a string.
int defiPropList::isNumber(int i, const defiIndexCheck& c, defrData* d) const {
  return defiCheckIndex(i, num_, c, d) ? (numbers_[i] != 0.0 ? 1 : 0) : 0;
}

int defiPropList::isString(int i, const defiIndexCheck& c, defrData* d) const {
  return defiCheckIndex(i, num_, c, d) ? (numbers_[i] == 0.0 ? 1 : 0) : 0;
}

}  // namespace LefDefParser
