#include "lef/lefiUtil.h"

#include <cstdio>

namespace LefDefParser {

bool lefiIndexOk(int i, int count, int msgNum, const char* fmt) {
  if (i >= 0 && i < count) return true;
  char buf[256];
  snprintf(buf, sizeof(buf), fmt, i, count - 1);
  lefiError(0, msgNum, buf);
  return false;
}

void lefiSetNameBuf(char*& buf, int& size, const char* name, bool fold) {
  int len = static_cast<int>(strlen(name)) + 1;
  if (size < len || !buf) {
    lefiFreeStr(buf);
    buf = static_cast<char*>(lefMalloc(len));
    size = len;
  }
  strcpy(buf, fold ? CASE(name) : name);
}

void lefiNewNameBuf(char*& buf, int& size) {
  lefiFreeStr(buf);
  size = 16;
  buf = static_cast<char*>(lefMalloc(size));
  buf[0] = '\0';
}

char* lefiCopyStr(const char* s, bool fold) {
  if (!s) return nullptr;
  char* copy = static_cast<char*>(lefMalloc(strlen(s) + 1));
  strcpy(copy, fold ? CASE(s) : s);
  return copy;
}

void lefiCopyFixed(char* dst, size_t size, const char* src) {
  if (size == 0) return;
  size_t len = strlen(src);
  if (len >= size) len = size - 1;
  memcpy(dst, src, len);
  dst[len] = '\0';
}

void lefiPropList::Init(int startCap, bool foldNames, int errNum, const char* errText) {
  num = 0;
  cap = 0;
  names = nullptr;
  values = nullptr;
  numbers = nullptr;
  types = nullptr;
  fold = foldNames;
  msgNum = errNum;
  msgText = errText;
  if (startCap > 0) {
    lefiRegrowAll(0, startCap, names, values, numbers, types);
    cap = startCap;
  }
}

void lefiPropList::add(const char* name, const char* value, double number, char type) {
  if (num == cap) {
    int newCap = lefiNextCap(cap);
    lefiRegrowAll(num, newCap, names, values, numbers, types);
    cap = newCap;
  }
  names[num] = lefiCopyStr(name, fold);
  values[num] = lefiCopyStr(value, fold);
  numbers[num] = number;
  types[num] = type;
  num++;
}

void lefiPropList::clear() {
  for (int i = 0; i < num; i++) {
    lefiFreeStr(names[i]);
    lefiFreeStr(values[i]);
    numbers[i] = 0.0;
    types[i] = ' ';
  }
  num = 0;
}

void lefiPropList::Destroy() {
  clear();
  lefiFreeArr(names);
  lefiFreeArr(values);
  lefiFreeArr(numbers);
  lefiFreeArr(types);
  cap = 0;
}

void lefiPropList::cloneFrom(const lefiPropList& src) {
  Destroy();
  fold = src.fold;
  msgNum = src.msgNum;
  msgText = src.msgText;
  if (src.num > 0) {
    lefiRegrowAll(0, src.num, names, values, numbers, types);
    for (int i = 0; i < src.num; i++) {
      names[i] = lefiCopyStr(src.names[i], false);
      values[i] = lefiCopyStr(src.values[i], false);
      numbers[i] = src.numbers[i];
      types[i] = src.types[i];
    }
  }
  num = src.num;
  cap = src.num;
}

void lefiForeignList::Init() {
  num = 0;
  cap = 0;
  first = nullptr;
  hasPoint = nullptr;
  orient = nullptr;
  x = nullptr;
  y = nullptr;
  names = nullptr;
}

void lefiForeignList::add(const char* name, int firstSlot, int hasPnt, double px, double py,
                          int orientation) {
  if (num == cap) {
    int newCap = lefiNextCap(cap, 16);
    lefiRegrowAll(num, newCap, first, hasPoint, orient, x, y, names);
    cap = newCap;
  }
  first[num] = firstSlot;
  hasPoint[num] = hasPnt;
  orient[num] = orientation;
  x[num] = px;
  y[num] = py;
  names[num] = lefiCopyStr(name, true);
  num++;
}

void lefiForeignList::clear() {
  for (int i = 0; i < num; i++) {
    first[i] = 0;
    hasPoint[i] = 0;
    orient[i] = -1;
    lefiFreeStr(names[i]);
  }
  num = 0;
}

void lefiForeignList::Destroy() {
  clear();
  lefiFreeArr(first);
  lefiFreeArr(hasPoint);
  lefiFreeArr(orient);
  lefiFreeArr(x);
  lefiFreeArr(y);
  lefiFreeArr(names);
  cap = 0;
}

void lefiValueLayerList::Init(int startCap) {
  num = 0;
  cap = 0;
  values = nullptr;
  layers = nullptr;
  if (startCap > 0) {
    lefiRegrowAll(0, startCap, values, layers);
    cap = startCap;
  }
}

void lefiValueLayerList::add(double value, const char* layer) {
  if (num == cap) {
    int newCap = lefiNextCap(cap);
    lefiRegrowAll(num, newCap, values, layers);
    cap = newCap;
  }
  values[num] = value;
  layers[num] = lefiCopyStr(layer, false);
  num++;
}

void lefiValueLayerList::Destroy() {
  clear();
  lefiFreeArr(values);
  lefiFreeArr(layers);
  cap = 0;
}

}  // namespace LefDefParser
