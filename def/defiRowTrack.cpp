#include "def/defiRowTrack.h"

#include "def/defiDebug.h"

namespace LefDefParser {

// ---- defiRow

defiRow::defiRow(defrData* data) : defData_(data) { Init(); }

defiRow::~defiRow() { Destroy(); }

void defiRow::Init() {
  nameLength_ = macroLength_ = 0;
  name_ = macro_ = nullptr;
  x_ = y_ = xNum_ = yNum_ = xStep_ = yStep_ = 0;
  orient_ = 0;
  hasDo_ = hasDoStep_ = 0;
  props_.Init();
}

void defiRow::Destroy() {
  clear();
  defiFreeText(name_);
  defiFreeText(macro_);
  nameLength_ = macroLength_ = 0;
  props_.Destroy();
}

void defiRow::clear() {
  props_.clear();
  hasDo_ = 0;
  hasDoStep_ = 0;
}

void defiRow::setup(const char* name, const char* macro, double x, double y,
                    int orient) {
  clear();
  defiCopyToBuffer(name_, nameLength_, name, defData_, true);
  defiCopyToBuffer(macro_, macroLength_, macro, defData_, true);
  x_ = x;
  y_ = y;
  orient_ = orient;
  xNum_ = yNum_ = xStep_ = yStep_ = 0;
}

void defiRow::setDo(double xNum, double yNum, double xStep, double yStep) {
  xNum_ = xNum;
  yNum_ = yNum;
  xStep_ = xStep;
  yStep_ = yStep;
  hasDo_ = 1;
}

void defiRow::setHasDoStep() { hasDoStep_ = 1; }

const char* defiRow::orientStr() const { return defiOrientStr(orient_); }

defiIndexCheck defiRow::propCheck() {
  return {6140,
          "ERROR (DEFPARS-6140): The index number %d specified for the ROW PROPERTY "
          "is invalid.\nValid index is from 0 to %d. Specify a valid index number and "
          "then try again."};
}

void defiRow::print(FILE* f) const {
  fprintf(f, "Row '%s' '%s' %g,%g  orient %s\n", name(), macro(), x_, y_, orientStr());
  fprintf(f, "  DO X %g STEP %g\n", xNum_, xStep_);
  fprintf(f, "  DO Y %g STEP %g\n", yNum_, yStep_);
}

// ---- defiTrack

defiTrack::defiTrack(defrData* data) : defData_(data) { Init(); }

defiTrack::~defiTrack() { Destroy(); }

void defiTrack::Init() {
  macroLength_ = 0;
  macro_ = nullptr;
  x_ = xNum_ = xStep_ = 0;
  layersLength_ = numLayers_ = 0;
  layers_ = nullptr;
  firstTrackMask_ = samemask_ = 0;
}

void defiTrack::Destroy() {
  defiFreeText(macro_);
  macroLength_ = 0;
  freeLayers();
  defiFreeArray(layers_);
  layersLength_ = 0;
}

void defiTrack::freeLayers() {
  for (int i = 0; i < numLayers_; i++) defiFreeText(layers_[i]);
  numLayers_ = 0;
}

void defiTrack::setup(const char* macro) {
  defiCopyToBuffer(macro_, macroLength_, macro, defData_, true);
  freeLayers();
  x_ = xNum_ = xStep_ = 0;
  firstTrackMask_ = samemask_ = 0;
}

void defiTrack::setDo(double x, double xNum, double xStep) {
  x_ = x;
  xNum_ = xNum;
  xStep_ = xStep;
}

void defiTrack::addLayer(const char* layer) {
  if (numLayers_ == layersLength_) {
    const int grown = defiNextCapacity(layersLength_, 8);
    defiResizeArray(layers_, numLayers_, grown);
    layersLength_ = grown;
  }
  layers_[numLayers_++] = defiDupText(layer, defData_, true);
}

void defiTrack::addMask(int colorMask, int sameMask) {
  firstTrackMask_ = colorMask;
  samemask_ = sameMask;
}

const char* defiTrack::layer(int index) const {
  return defiInRange(index, numLayers_) ? layers_[index] : nullptr;
}

void defiTrack::print(FILE* f) const {
  fprintf(f, "Track '%s'\n", macro());
  fprintf(f, "  DO %g %g STEP %g\n", x_, xNum_, xStep_);
  fprintf(f, "  %d layers ", numLayers_);
  for (int i = 0; i < numLayers_; i++) fprintf(f, " '%s'", layers_[i]);
  fprintf(f, "\n");
}

// ---- defiGcellGrid

defiGcellGrid::defiGcellGrid(defrData* data) : defData_(data) { Init(); }

defiGcellGrid::~defiGcellGrid() { Destroy(); }

void defiGcellGrid::Init() {
  macroLength_ = 0;
  macro_ = nullptr;
  x_ = xNum_ = 0;
  xStep_ = 0;
}

void defiGcellGrid::Destroy() {
  defiFreeText(macro_);
  macroLength_ = 0;
}

void defiGcellGrid::setup(const char* macro, int x, int xNum, double xStep) {
  defiCopyToBuffer(macro_, macroLength_, macro, defData_, true);
  x_ = x;
  xNum_ = xNum;
  xStep_ = xStep;
}

void defiGcellGrid::print(FILE* f) const {
  fprintf(f, "GcellGrid '%s'\n", macro());
  fprintf(f, "  DO %d %d STEP %5.1f\n", x_, xNum_, xStep_);
}

}  // namespace LefDefParser
