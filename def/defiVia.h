// One VIAS entry: shapes per layer, a via rule, or an old PATTERNNAME.
#ifndef DEFI_VIA_H
#define DEFI_VIA_H

#include <cstdio>

#include "def/defiMisc.h"
#include "def/defiUtil.h"

namespace LefDefParser {

class defiVia {
 public:
  explicit defiVia(defrData* data);
  ~defiVia();
  DEFI_NO_COPY(defiVia);

  void Init();
  void Destroy();
  void clear();

  void setup(const char* name);
  void addPattern(const char* pattern);
  void addLayer(const char* layer, int xl, int yl, int xh, int yh, int colorMask = 0);
  void addPolygon(const char* layer, defiGeometries* geom, int colorMask = 0);
  void addViaRule(const char* viaRuleName, int xSize, int ySize, const char* botLayer,
                  const char* cutLayer, const char* topLayer, int xSpacing, int ySpacing,
                  int xBotEnc, int yBotEnc, int xTopEnc, int yTopEnc);
  void addRowCol(int numCutRows, int numCutCols);
  void addOrigin(int xOffset, int yOffset);
  void addOffset(int xBotOs, int yBotOs, int xTopOs, int yTopOs);
  void addCutPattern(const char* cutPattern);

  const char* name() const { return name_; }
  int hasPattern() const { return hasPattern_; }
  const char* pattern() const { return pattern_; }
  int numLayers() const { return numLayers_; }
  void layer(int index, char** layer, int* xl, int* yl, int* xh, int* yh) const;
  int rectMask(int index) const { return defiInRange(index, numLayers_) ? rectMask_[index] : 0; }
  int hasRectMask(int index) const { return rectMask(index); }
  int numPolygons() const { return numPolys_; }
  const char* polygonName(int index) const;
  defiPointList getPolygon(int index) const;
  int polyMask(int index) const { return defiInRange(index, numPolys_) ? polyMask_[index] : 0; }
  int hasPolyMask(int index) const { return polyMask(index); }

  int hasViaRule() const { return hasViaRule_; }
  void viaRule(char** viaRuleName, int* xSize, int* ySize, char** botLayer,
               char** cutLayer, char** topLayer, int* xCutSpacing, int* yCutSpacing,
               int* xBotEnc, int* yBotEnc, int* xTopEnc, int* yTopEnc) const;
  int hasRowCol() const { return rows_ ? rows_ : cols_; }
  void rowCol(int* numCutRows, int* numCutCols) const;
  int hasOrigin() const { return xOffset_ ? xOffset_ : yOffset_; }
  void origin(int* xOffset, int* yOffset) const;
  int hasOffset() const;
  void offset(int* xBotOs, int* yBotOs, int* xTopOs, int* yTopOs) const;
  int hasCutPattern() const { return hasCutPattern_; }
  const char* cutPattern() const { return cutPattern_; }

  void print(FILE* f) const;

 private:
  void freeLayers();
  void freePolygons();

  char* name_ = nullptr;
  int nameLength_ = 0;
  char* pattern_ = nullptr;
  int patternLength_ = 0;
  int hasPattern_ = 0;

  char** layers_ = nullptr;
  int* xl_ = nullptr;
  int* yl_ = nullptr;
  int* xh_ = nullptr;
  int* yh_ = nullptr;
  int layersLength_ = 0;
  int numLayers_ = 0;
  int* rectMask_ = nullptr;

  int numPolys_ = 0;
  char** polygonNames_ = nullptr;
  int polysAllocated_ = 0;
  defiPointList* polygons_ = nullptr;
  int* polyMask_ = nullptr;

  char* viaRule_ = nullptr;
  int viaRuleLength_ = 0;
  int xSize_ = 0, ySize_ = 0;
  char* botLayer_ = nullptr;
  int botLayerLength_ = 0;
  char* cutLayer_ = nullptr;
  int cutLayerLength_ = 0;
  char* topLayer_ = nullptr;
  int topLayerLength_ = 0;
  int xCutSpacing_ = 0, yCutSpacing_ = 0;
  int xBotEnc_ = 0, yBotEnc_ = 0;
  int xTopEnc_ = 0, yTopEnc_ = 0;
  int hasViaRule_ = 0;
  int rows_ = 0, cols_ = 0;
  int xOffset_ = 0, yOffset_ = 0;
  int xBotOffset_ = 0, yBotOffset_ = 0, xTopOffset_ = 0, yTopOffset_ = 0;
  char* cutPattern_ = nullptr;
  int cutPatternLength_ = 0;
  int hasCutPattern_ = 0;
  defrData* defData_;
};

}  // namespace LefDefParser

#endif
