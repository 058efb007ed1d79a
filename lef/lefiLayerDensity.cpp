// AC and DC current-density entries of a layer.
#include "lef/lefiLayer.h"

namespace LefDefParser {

lefiLayerDensity::lefiLayerDensity()
    : type_(nullptr),
      oneEntry_(0.0),
      numFrequency_(0),
      frequency_(nullptr),
      numWidths_(0),
      widths_(nullptr),
      numTableEntries_(0),
      tableEntries_(nullptr),
      numCutareas_(0),
      cutareas_(nullptr) {}

lefiLayerDensity::~lefiLayerDensity() { Destroy(); }

void lefiLayerDensity::Init(const char* type) {
  Destroy();
  type_ = lefiCopyStr(type, true);
  oneEntry_ = 0.0;
}

void lefiLayerDensity::Destroy() {
  lefiFreeStr(type_);
  lefiFreeArr(frequency_);
  lefiFreeArr(widths_);
  lefiFreeArr(tableEntries_);
  lefiFreeArr(cutareas_);
  numFrequency_ = numWidths_ = numTableEntries_ = numCutareas_ = 0;
}

namespace {

// A list given twice replaces the first.
void takeList(int& count, double*& list, int n, double* values) {
  lefiFreeArr(list);
  count = n;
  list = values;
}

}  // namespace

void lefiLayerDensity::addFrequency(int n, double* values) {
  takeList(numFrequency_, frequency_, n, values);
}

void lefiLayerDensity::addWidth(int n, double* values) { takeList(numWidths_, widths_, n, values); }

void lefiLayerDensity::addTableEntry(int n, double* values) {
  takeList(numTableEntries_, tableEntries_, n, values);
}

void lefiLayerDensity::addCutarea(int n, double* values) {
  takeList(numCutareas_, cutareas_, n, values);
}

namespace {

void appendDensity(lefiLayerDensity**& list, int& count, int& cap, const char* type) {
  if (count == cap) {
    int newCap = lefiNextCap(cap);
    lefiRegrow(list, count, newCap);
    cap = newCap;
  }
  lefiLayerDensity* entry = lefiNewObj<lefiLayerDensity>();
  entry->Init(type);
  list[count++] = entry;
}

void releaseDensities(lefiLayerDensity**& list, int& count, int& cap) {
  for (int i = 0; i < count; i++) lefiFreeObj(list[i]);
  lefiFreeArr(list);
  count = 0;
  cap = 0;
}

}  // namespace

void lefiLayer::addAccurrentDensity(const char* type) {
  appendDensity(accurrents_, numAccurrents_, accurrentAllocated_, type);
}

void lefiLayer::addDccurrentDensity(const char* type) {
  appendDensity(dccurrents_, numDccurrents_, dccurrentAllocated_, type);
}

void lefiLayer::clearDensities() {
  releaseDensities(accurrents_, numAccurrents_, accurrentAllocated_);
  releaseDensities(dccurrents_, numDccurrents_, dccurrentAllocated_);
}

// The setters act on the last entry of their list and ignore a call before
// any; the list setters hand the number stack over.
#define LEFI_DENSITY_SETTER(func, list, count, call)    \
  void lefiLayer::func() {                              \
    lefiLayerDensity* d = lefiLast(list, count);        \
    if (!d) return;                                     \
    int n;                                              \
    double* values = takeNumbers(&n);                   \
    d->call(n, values);                                 \
  }
LEFI_DENSITY_SETTER(addAcFrequency, accurrents_, numAccurrents_, addFrequency)
LEFI_DENSITY_SETTER(addAcWidth, accurrents_, numAccurrents_, addWidth)
LEFI_DENSITY_SETTER(addAcTableEntry, accurrents_, numAccurrents_, addTableEntry)
LEFI_DENSITY_SETTER(addAcCutarea, accurrents_, numAccurrents_, addCutarea)
LEFI_DENSITY_SETTER(addDcWidth, dccurrents_, numDccurrents_, addWidth)
LEFI_DENSITY_SETTER(addDcTableEntry, dccurrents_, numDccurrents_, addTableEntry)
LEFI_DENSITY_SETTER(addDcCutarea, dccurrents_, numDccurrents_, addCutarea)
#undef LEFI_DENSITY_SETTER

void lefiLayer::setAcOneEntry(double v) {
  if (lefiLayerDensity* d = lefiLast(accurrents_, numAccurrents_)) d->setOneEntry(v);
}

void lefiLayer::setDcOneEntry(double v) {
  if (lefiLayerDensity* d = lefiLast(dccurrents_, numDccurrents_)) d->setOneEntry(v);
}

}  // namespace LefDefParser
