#include "def/defiVia.h"

#include "def/defiDebug.h"

namespace LefDefParser {

defiVia::defiVia(defrData* data) : defData_(data) { Init(); }

defiVia::~defiVia() { Destroy(); }

void defiVia::Init() {
  numLayers_ = layersLength_ = 0;
  numPolys_ = polysAllocated_ = 0;
  xSize_ = ySize_ = 0;
  xCutSpacing_ = yCutSpacing_ = 0;
  xBotEnc_ = yBotEnc_ = xTopEnc_ = yTopEnc_ = 0;
  clear();
}

void defiVia::Destroy() {
  defiFreeText(name_);
  defiFreeText(pattern_);
  nameLength_ = patternLength_ = 0;
  freeLayers();
  defiFreeArray(layers_);
  defiFreeArray(xl_);
  defiFreeArray(yl_);
  defiFreeArray(xh_);
  defiFreeArray(yh_);
  defiFreeArray(rectMask_);
  layersLength_ = 0;
  defiFreeText(viaRule_);
  defiFreeText(botLayer_);
  defiFreeText(cutLayer_);
  defiFreeText(topLayer_);
  defiFreeText(cutPattern_);
  viaRuleLength_ = botLayerLength_ = cutLayerLength_ = topLayerLength_ = 0;
  cutPatternLength_ = 0;
  clear();
}

void defiVia::clear() {
  hasPattern_ = 0;
  hasViaRule_ = 0;
  rows_ = cols_ = 0;
  xOffset_ = yOffset_ = 0;
  xBotOffset_ = yBotOffset_ = xTopOffset_ = yTopOffset_ = 0;
  hasCutPattern_ = 0;
  freePolygons();
}

void defiVia::freeLayers() {
  for (int i = 0; i < numLayers_; i++) defiFreeText(layers_[i]);
  numLayers_ = 0;
}

void defiVia::freePolygons() {
  for (int i = 0; i < numPolys_; i++) {
    defiFreeText(polygonNames_[i]);
    defiFreePoints(polygons_[i]);
  }
  defiFreeArray(polygonNames_);
  defiFreeArray(polygons_);
  defiFreeArray(polyMask_);
  numPolys_ = polysAllocated_ = 0;
}

void defiVia::setup(const char* name) {
  defiCopyToBuffer(name_, nameLength_, name, defData_, true);
  if (pattern_) *pattern_ = '\0';
  freeLayers();
}

void defiVia::addPattern(const char* pattern) {
  defiCopyToBuffer(pattern_, patternLength_, pattern, defData_, true);
  hasPattern_ = 1;
}

void defiVia::addLayer(const char* layer, int xl, int yl, int xh, int yh, int colorMask) {
  if (numLayers_ == layersLength_) {
    const int grown = defiNextCapacity(layersLength_, 8);
    defiResizeAll(numLayers_, grown, layers_, xl_, yl_, xh_, yh_, rectMask_);
    layersLength_ = grown;
  }
  const int i = numLayers_++;
  layers_[i] = defiDupText(layer, defData_, true);
  xl_[i] = xl;
  yl_[i] = yl;
  xh_[i] = xh;
  yh_[i] = yh;
  rectMask_[i] = colorMask;
}

void defiVia::addPolygon(const char* layer, defiGeometries* geom, int colorMask) {
  if (numPolys_ == polysAllocated_) {
    const int grown = defiNextCapacity(polysAllocated_, 2);
    defiResizeAll(numPolys_, grown, polygonNames_, polygons_, polyMask_);
    polysAllocated_ = grown;
  }
  const int i = numPolys_++;
  polygonNames_[i] = defiDupText(layer, defData_, false);
  polygons_[i] = defiCopyPoints(geom);
  polyMask_[i] = colorMask;
}

void defiVia::addViaRule(const char* viaRuleName, int xSize, int ySize,
                         const char* botLayer, const char* cutLayer, const char* topLayer,
                         int xSpacing, int ySpacing, int xBotEnc, int yBotEnc,
                         int xTopEnc, int yTopEnc) {
  defiCopyToBuffer(viaRule_, viaRuleLength_, viaRuleName, defData_, true);
  xSize_ = xSize;
  ySize_ = ySize;
  defiCopyToBuffer(botLayer_, botLayerLength_, botLayer, defData_, true);
  defiCopyToBuffer(cutLayer_, cutLayerLength_, cutLayer, defData_, true);
  defiCopyToBuffer(topLayer_, topLayerLength_, topLayer, defData_, true);
  xCutSpacing_ = xSpacing;
  yCutSpacing_ = ySpacing;
  xBotEnc_ = xBotEnc;
  yBotEnc_ = yBotEnc;
  xTopEnc_ = xTopEnc;
  yTopEnc_ = yTopEnc;
  hasViaRule_ = 1;
}

void defiVia::addRowCol(int numCutRows, int numCutCols) {
  rows_ = numCutRows;
  cols_ = numCutCols;
}

void defiVia::addOrigin(int xOffset, int yOffset) {
  xOffset_ = xOffset;
  yOffset_ = yOffset;
}

void defiVia::addOffset(int xBotOs, int yBotOs, int xTopOs, int yTopOs) {
  xBotOffset_ = xBotOs;
  yBotOffset_ = yBotOs;
  xTopOffset_ = xTopOs;
  yTopOffset_ = yTopOs;
}

void defiVia::addCutPattern(const char* cutPattern) {
  defiCopyToBuffer(cutPattern_, cutPatternLength_, cutPattern, defData_, true);
  hasCutPattern_ = 1;
}

void defiVia::layer(int index, char** layer, int* xl, int* yl, int* xh, int* yh) const {
  if (!defiInRange(index, numLayers_)) return;
  if (layer) *layer = layers_[index];
  if (xl) *xl = xl_[index];
  if (yl) *yl = yl_[index];
  if (xh) *xh = xh_[index];
  if (yh) *yh = yh_[index];
}

const char* defiVia::polygonName(int index) const {
  static const defiIndexCheck kCheck{
      6180,
      "ERROR (DEFPARS-6180): The index number %d specified for the VIA POLYGON is "
      "invalid.\nValid index is from 0 to %d. Specify a valid index number and then "
      "try again"};
  return defiCheckIndex(index, numPolys_, kCheck, defData_) ? polygonNames_[index]
                                                           : nullptr;
}

defiPointList defiVia::getPolygon(int index) const {
  return defiInRange(index, numPolys_) ? polygons_[index]
                                       : defiPointList{0, nullptr, nullptr};
}

void defiVia::viaRule(char** viaRuleName, int* xSize, int* ySize, char** botLayer,
                      char** cutLayer, char** topLayer, int* xCutSpacing,
                      int* yCutSpacing, int* xBotEnc, int* yBotEnc, int* xTopEnc,
                      int* yTopEnc) const {
  *viaRuleName = viaRule_;
  *xSize = xSize_;
  *ySize = ySize_;
  *botLayer = botLayer_;
  *cutLayer = cutLayer_;
  *topLayer = topLayer_;
  *xCutSpacing = xCutSpacing_;
  *yCutSpacing = yCutSpacing_;
  *xBotEnc = xBotEnc_;
  *yBotEnc = yBotEnc_;
  *xTopEnc = xTopEnc_;
  *yTopEnc = yTopEnc_;
}

void defiVia::rowCol(int* numCutRows, int* numCutCols) const {
  *numCutRows = rows_;
  *numCutCols = cols_;
}

void defiVia::origin(int* xOffset, int* yOffset) const {
  *xOffset = xOffset_;
  *yOffset = yOffset_;
}

int defiVia::hasOffset() const {
  if (xBotOffset_) return xBotOffset_;
  if (yBotOffset_) return yBotOffset_;
  if (xTopOffset_) return xTopOffset_;
  return yTopOffset_;
}

void defiVia::offset(int* xBotOs, int* yBotOs, int* xTopOs, int* yTopOs) const {
  *xBotOs = xBotOffset_;
  *yBotOs = yBotOffset_;
  *xTopOs = xTopOffset_;
  *yTopOs = yTopOffset_;
}

void defiVia::print(FILE* f) const {
  fprintf(f, "via '%s'\n", name_ ? name_ : "");
  if (hasPattern_) fprintf(f, "  pattern '%s'\n", pattern_);
  for (int i = 0; i < numLayers_; i++) {
    fprintf(f, "  layer '%s' %d,%d %d,%d\n", layers_[i], xl_[i], yl_[i], xh_[i], yh_[i]);
  }
  if (!hasViaRule_) return;
  fprintf(f, "  viarule '%s'\n", viaRule_);
  fprintf(f, "    cutsize %d %d\n", xSize_, ySize_);
  fprintf(f, "    layers %s %s %s\n", botLayer_, cutLayer_, topLayer_);
  fprintf(f, "    cutspacing %d %d\n", xCutSpacing_, yCutSpacing_);
  fprintf(f, "    enclosure %d %d %d %d\n", xBotEnc_, yBotEnc_, xTopEnc_, yTopEnc_);
  if (hasRowCol()) fprintf(f, "    rowcol %d %d\n", rows_, cols_);
  if (hasOrigin()) fprintf(f, "    origin %d %d\n", xOffset_, yOffset_);
  if (hasOffset()) {
    fprintf(f, "    offset %d %d %d %d\n", xBotOffset_, yBotOffset_, xTopOffset_,
            yTopOffset_);
  }
  if (hasCutPattern_) fprintf(f, "    pattern '%s'\n", cutPattern_);
}

}  // namespace LefDefParser
