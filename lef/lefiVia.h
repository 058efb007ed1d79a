// One LEF VIA statement: its layers with their shapes, properties, an
// old-style FOREIGN reference and the parameters of a generating VIARULE.
#ifndef VELMOR_LEF_LEFIVIA_H
#define VELMOR_LEF_LEFIVIA_H

#include <cstdio>

#include "lef/lefiMisc.h"
#include "lef/lefiUtil.h"

namespace LefDefParser {

class lefiViaLayer {
 public:
  lefiViaLayer();
  ~lefiViaLayer();
  lefiViaLayer(const lefiViaLayer&) = delete;
  lefiViaLayer& operator=(const lefiViaLayer&) = delete;

  void Init();
  void Destroy();

  void setName(const char* name);
  void addRect(int mask, double xl, double yl, double xh, double yh);
  // Takes over item 0 of geom, which must be a polygon.
  void addPoly(int mask, lefiGeometries* geom);
  lefiViaLayer* clone() const;

  const char* name() const { return name_; }
  int numRects() const { return numRects_; }
  int numPolygons() const { return numPolys_; }
  int rectColorMask(int i) const;
  int polyColorMask(int i) const;
  double xl(int i) const;
  double yl(int i) const;
  double xh(int i) const;
  double yh(int i) const;
  // The caller keeps i below numPolygons(); null otherwise.
  lefiGeomPolygonItem* getPolygon(int i) const;

 private:
  double rectValue(const double* arr, int i) const;

  char* name_;
  int* rectColorMask_;
  int* polyColorMask_;
  int numRects_;
  int rectsAllocated_;
  double* xl_;
  double* yl_;
  double* xh_;
  double* yh_;
  int numPolys_;
  int polysAllocated_;
  lefiGeomPolygonItem** polygons_;
};

class lefiVia {
 public:
  lefiVia();
  ~lefiVia();
  lefiVia(const lefiVia&) = delete;
  lefiVia& operator=(const lefiVia&) = delete;

  void Init();
  void clear();
  void Destroy();

  // type 1: DEFAULT, 2: GENERATED.
  void setName(const char* name, int type);
  void setResistance(double value);
  void setTopOfStack();
  void setForeign(const char* name, int hasPnt, double x, double y, int orient);
  void addProp(const char* name, const char* value, char type);
  void addNumProp(const char* name, double number, const char* value, char type);
  void bumpProps();
  void addLayer(const char* name);
  void addRectToLayer(int mask, double xl, double yl, double xh, double yh);
  void addPolyToLayer(int mask, lefiGeometries* geom);
  void setViaRule(const char* ruleName, double xSize, double ySize, const char* botLayer,
                  const char* cutLayer, const char* topLayer, double xSpacing,
                  double ySpacing, double xBotEnc, double yBotEnc, double xTopEnc,
                  double yTopEnc);
  void setRowCol(int numRows, int numCols);
  void setOrigin(double x, double y);
  void setOffset(double xBot, double yBot, double xTop, double yTop);
  void setPattern(const char* pattern);
  lefiVia* clone() const;

  const char* name() const { return name_; }
  double resistance() const { return resistance_; }
  int hasDefault() const { return hasDefault_; }
  int hasGenerated() const { return hasGenerated_; }
  int hasResistance() const { return hasResistance_; }
  int hasForeignPnt() const { return hasForeignPnt_; }
  int hasTopOfStack() const { return hasTopOfStack_; }
  int hasForeign() const { return foreign_ ? 1 : 0; }
  int hasForeignOrient() const { return foreignOrient_ != -1 ? 1 : 0; }
  int hasProperties() const { return props_.num ? 1 : 0; }
  int hasViaRule() const { return viaRuleName_ ? 1 : 0; }
  int hasRowCol() const { return (numCutRows_ || numCutCols_) ? 1 : 0; }
  // ORIGIN 0 0 reads as no ORIGIN.
  int hasOrigin() const { return (xOffset_ != 0.0 || yOffset_ != 0.0) ? 1 : 0; }
  int hasOffset() const;
  int hasCutPattern() const { return cutPattern_ ? 1 : 0; }

  const char* foreign() const { return foreign_; }
  double foreignX() const { return foreignX_; }
  double foreignY() const { return foreignY_; }
  int foreignOrient() const { return foreignOrient_; }
  const char* foreignOrientStr() const { return lefiOrientStr(foreignOrient_); }

  const char* viaRuleName() const { return viaRuleName_; }
  double xCutSize() const { return xCutSize_; }
  double yCutSize() const { return yCutSize_; }
  const char* botMetalLayer() const { return botMetalLayer_; }
  const char* cutLayer() const { return cutLayer_; }
  const char* topMetalLayer() const { return topMetalLayer_; }
  double xCutSpacing() const { return xCutSpacing_; }
  double yCutSpacing() const { return yCutSpacing_; }
  double xBotEnc() const { return xBotEnc_; }
  double yBotEnc() const { return yBotEnc_; }
  double xTopEnc() const { return xTopEnc_; }
  double yTopEnc() const { return yTopEnc_; }
  int numCutRows() const { return numCutRows_; }
  int numCutCols() const { return numCutCols_; }
  double xOffset() const { return xOffset_; }
  double yOffset() const { return yOffset_; }
  double xBotOffset() const { return xBotOffset_; }
  double yBotOffset() const { return yBotOffset_; }
  double xTopOffset() const { return xTopOffset_; }
  double yTopOffset() const { return yTopOffset_; }
  const char* cutPattern() const { return cutPattern_; }

  int numLayers() const { return numLayers_; }
  const char* layerName(int layer) const;
  int numRects(int layer) const;
  int numPolygons(int layer) const;
  double xl(int layer, int i) const;
  double yl(int layer, int i) const;
  double xh(int layer, int i) const;
  double yh(int layer, int i) const;
  int rectColorMask(int layer, int i) const;
  int polyColorMask(int layer, int i) const;
  // A copy of the record; zeros and null pointers for a bad layer number
  // or polygon index.
  lefiGeomPolygonItem getPolygon(int layer, int i) const;

  int numProperties() const { return props_.num; }
  const char* propName(int i) const { return props_.name(i); }
  const char* propValue(int i) const { return props_.value(i); }
  double propNumber(int i) const { return props_.number(i); }
  char propType(int i) const { return props_.type(i); }
  int propIsNumber(int i) const { return props_.isNumber(i); }
  int propIsString(int i) const { return props_.isString(i); }

  void print(FILE* f) const;

 private:
  // Layer number checked with the VIA LAYER message; null when bad.
  const lefiViaLayer* layerAt(int layer) const;
  lefiViaLayer* lastLayer() { return lefiLast(layers_, numLayers_); }

  char* name_;
  int nameSize_;
  int hasDefault_;
  int hasGenerated_;
  int hasResistance_;
  int hasForeignPnt_;
  int hasTopOfStack_;
  lefiPropList props_;
  int numLayers_;
  int layersAllocated_;
  lefiViaLayer** layers_;
  double resistance_;
  char* foreign_;
  double foreignX_;
  double foreignY_;
  int foreignOrient_;
  char* viaRuleName_;
  double xCutSize_;
  double yCutSize_;
  char* botMetalLayer_;
  char* cutLayer_;
  char* topMetalLayer_;
  double xCutSpacing_;
  double yCutSpacing_;
  double xBotEnc_;
  double yBotEnc_;
  double xTopEnc_;
  double yTopEnc_;
  int numCutRows_;
  int numCutCols_;
  double xOffset_;
  double yOffset_;
  double xBotOffset_;
  double yBotOffset_;
  double xTopOffset_;
  double yTopOffset_;
  char* cutPattern_;
};

}  // namespace LefDefParser

#endif
