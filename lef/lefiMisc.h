// Geometry lists, sites and patterns, and the small library statements.
#ifndef VELMOR_LEF_LEFIMISC_H
#define VELMOR_LEF_LEFIMISC_H

#include <cstdio>

namespace LefDefParser {

enum lefiGeomEnum : int {
  lefiGeomUnknown = 0,
  lefiGeomLayerE = 1,
  lefiGeomLayerExceptPgNetE = 2,
  lefiGeomLayerMinSpacingE = 3,
  lefiGeomLayerRuleWidthE = 4,
  lefiGeomWidthE = 5,
  lefiGeomPathE = 6,
  lefiGeomPathIterE = 7,
  lefiGeomRectE = 8,
  lefiGeomRectIterE = 9,
  lefiGeomPolygonE = 10,
  lefiGeomPolygonIterE = 11,
  lefiGeomViaE = 12,
  lefiGeomViaIterE = 13,
  lefiGeomClassE = 14,
  lefiGeomEnd
};

// Step pattern of an ITERATE item: xStart is the DO count, yStart the BY
// count, xStep and yStep the STEP distances.
struct lefiGeomRectItem {
  double xl, yl, xh, yh;
  int colorMask;
};

struct lefiGeomRectIterItem {
  double xl, yl, xh, yh;
  double xStart, yStart, xStep, yStep;
  int colorMask;
};

struct lefiGeomPathItem {
  int numPoints;
  double* x;
  double* y;
  int colorMask;
};

struct lefiGeomPathIterItem {
  int numPoints;
  double* x;
  double* y;
  double xStart, yStart, xStep, yStep;
  int colorMask;
};

struct lefiGeomPolygonItem {
  int numPoints;
  double* x;
  double* y;
  int colorMask;
};

struct lefiGeomPolygonIterItem {
  int numPoints;
  double* x;
  double* y;
  double xStart, yStart, xStep, yStep;
  int colorMask;
};

struct lefiGeomViaItem {
  char* name;
  double x, y;
  int topMaskNum, cutMaskNum, bottomMaskNum;
};

struct lefiGeomViaIterItem {
  char* name;
  double x, y;
  double xStart, yStart, xStep, yStep;
  int topMaskNum, cutMaskNum, bottomMaskNum;
};

// The shapes of one geometry block (pin PORT, OBS, MINSIZE, via POLYGON) in
// file order. Accessors do not check the item's kind: ask itemType first.
class lefiGeometries {
 public:
  lefiGeometries();
  ~lefiGeometries();
  lefiGeometries(const lefiGeometries&) = delete;
  lefiGeometries& operator=(const lefiGeometries&) = delete;

  void Init();
  void Destroy();
  void clear();
  // Drops the arrays but not the items, which a via layer has taken over.
  void clearPolyItems();

  void add(void* item, lefiGeomEnum type);
  void addLayer(const char* name);
  void addLayerExceptPgNet();
  void addLayerMinSpacing(double spacing);
  void addLayerRuleWidth(double width);
  void addClass(const char* name);
  void addWidth(double w);
  void addPath(int colorMask);
  void addPathIter(int colorMask);
  void addRect(int colorMask, double xl, double yl, double xh, double yh);
  void addRectIter(int colorMask, double xl, double yl, double xh, double yh);
  void addPolygon(int colorMask);
  void addPolygonIter(int colorMask);
  void addVia(int viaMasks, double x, double y, const char* name);
  void addViaIter(int viaMasks, double x, double y, const char* name);
  void addStepPattern(double xStart, double yStart, double xStep, double yStep);
  void startList(double x, double y);
  void addToList(double x, double y);

  int numItems() const { return numItems_; }
  lefiGeomEnum itemType(int index) const;
  lefiGeomRectItem* getRect(int index) const;
  lefiGeomRectIterItem* getRectIter(int index) const;
  lefiGeomPathItem* getPath(int index) const;
  lefiGeomPathIterItem* getPathIter(int index) const;
  char* getLayer(int index) const;
  int hasLayerExceptPgNet(int index) const;
  double getLayerMinSpacing(int index) const;
  double getLayerRuleWidth(int index) const;
  double getWidth(int index) const;
  lefiGeomPolygonItem* getPolygon(int index) const;
  lefiGeomPolygonIterItem* getPolygonIter(int index) const;
  char* getClass(int index) const;
  lefiGeomViaItem* getVia(int index) const;
  lefiGeomViaIterItem* getViaIter(int index) const;

  void print(FILE* f) const;

 private:
  // Item i when i is a valid index, else reports msgNum and returns null.
  void* item(int index, int msgNum, const char* msgText) const;
  void copyPoints(int& num, double*& x, double*& y) const;
  // The pending ITERATE step of the *Iter items.
  template <class T>
  void copyStep(T* item) const {
    item->xStart = xStart_;
    item->yStart = yStart_;
    item->xStep = xStep_;
    item->yStep = yStep_;
  }

  int numItems_;
  int itemsAllocated_;
  lefiGeomEnum* itemType_;
  void** items_;
  int numPoints_;
  int pointsAllocated_;
  double* x_;
  double* y_;
  double xStart_;
  double yStart_;
  double xStep_;
  double yStep_;
};

// "N" .. "FE" for codes 0 to 7, "" otherwise.
const char* lefiOrientStr(int orient);

// One SITE statement.
class lefiSite {
 public:
  lefiSite();
  ~lefiSite();
  lefiSite(const lefiSite&) = delete;
  lefiSite& operator=(const lefiSite&) = delete;

  void Init();
  void Destroy();

  void setName(const char* name);
  void setClass(const char* cls);
  void setSize(double x, double y);
  void setXSymmetry() { symmetry_ |= 1; }
  void setYSymmetry() { symmetry_ |= 2; }
  void set90Symmetry() { symmetry_ |= 4; }
  void addRowPattern(const char* name, int orient);

  const char* name() const { return name_; }
  int hasClass() const { return hasClass_; }
  const char* siteClass() const { return siteClass_; }
  double sizeX() const { return sizeX_; }
  double sizeY() const { return sizeY_; }
  int hasSize() const { return hasSize_; }
  int hasXSymmetry() const { return (symmetry_ & 1) ? 1 : 0; }
  int hasYSymmetry() const { return (symmetry_ & 2) ? 1 : 0; }
  int has90Symmetry() const { return (symmetry_ & 4) ? 1 : 0; }
  int hasRowPattern() const { return numRowPattern_ ? 1 : 0; }
  int numSites() const { return numRowPattern_; }
  char* siteName(int index) const { return siteNames_[index]; }
  int siteOrient(int index) const { return siteOrients_[index]; }
  const char* siteOrientStr(int index) const;

  void print(FILE* f) const;

 private:
  void clearRowPatterns();

  int nameSize_;
  char* name_;
  int hasClass_;
  char siteClass_[12];
  double sizeX_;
  double sizeY_;
  int hasSize_;
  int symmetry_;
  int numRowPattern_;
  int rowPatternAllocated_;
  char** siteNames_;
  int* siteOrients_;
};

// A site placed with origin, orientation and optional DO/BY/STEP; the
// counts and steps are -1.0 without a DO clause.
class lefiSitePattern {
 public:
  lefiSitePattern();
  ~lefiSitePattern();
  lefiSitePattern(const lefiSitePattern&) = delete;
  lefiSitePattern& operator=(const lefiSitePattern&) = delete;

  void Init();
  void Destroy();
  void set(const char* name, double x, double y, int orient, double xStart, double yStart,
           double xStep, double yStep);

  const char* name() const { return name_; }
  int orient() const { return orient_; }
  const char* orientStr() const;
  double x() const { return x_; }
  double y() const { return y_; }
  int hasStepPattern() const;
  double xStart() const { return xStart_; }
  double yStart() const { return yStart_; }
  double xStep() const { return xStep_; }
  double yStep() const { return yStep_; }

  void print(FILE* f) const;

 private:
  int nameSize_;
  char* name_;
  int orient_;
  double x_;
  double y_;
  double xStart_;
  double yStart_;
  double xStep_;
  double yStep_;
};

// One TRACKS statement of an ARRAY.
class lefiTrackPattern {
 public:
  lefiTrackPattern();
  ~lefiTrackPattern();
  lefiTrackPattern(const lefiTrackPattern&) = delete;
  lefiTrackPattern& operator=(const lefiTrackPattern&) = delete;

  void Init();
  void Destroy();
  void clear();
  void set(const char* name, double start, int numTracks, double space);
  void addLayer(const char* name);

  const char* name() const { return name_; }
  double start() const { return start_; }
  int numTracks() const { return numTracks_; }
  double space() const { return space_; }
  int numLayers() const { return numLayers_; }
  const char* layerName(int index) const;

  void print(FILE* f) const;

 private:
  int nameSize_;
  char* name_;
  double start_;
  int numTracks_;
  double space_;
  int numLayers_;
  int layerAllocated_;
  char** layerNames_;
};

// One GCELLGRID statement of an ARRAY.
class lefiGcellPattern {
 public:
  lefiGcellPattern();
  ~lefiGcellPattern();
  lefiGcellPattern(const lefiGcellPattern&) = delete;
  lefiGcellPattern& operator=(const lefiGcellPattern&) = delete;

  void Init();
  void Destroy();
  void set(const char* name, double start, int numCRs, double space);

  const char* name() const { return name_; }
  double start() const { return start_; }
  int numCRs() const { return numCRs_; }
  double space() const { return space_; }

  void print(FILE* f) const;

 private:
  int nameSize_;
  char* name_;
  double start_;
  int numCRs_;
  double space_;
};

// One SAMENET entry of the SPACING section.
class lefiSpacing {
 public:
  lefiSpacing();
  ~lefiSpacing();
  lefiSpacing(const lefiSpacing&) = delete;
  lefiSpacing& operator=(const lefiSpacing&) = delete;

  void Init();
  void Destroy();
  void set(const char* name1, const char* name2, double distance, int hasStack);
  // An independent copy in lefMalloc storage; release with lefiFreeObj.
  lefiSpacing* clone() const;

  const char* name1() const { return name1_; }
  const char* name2() const { return name2_; }
  double distance() const { return distance_; }
  int hasStack() const { return hasStack_; }

  void print(FILE* f) const;

 private:
  int name1Size_;
  int name2Size_;
  char* name1_;
  char* name2_;
  double distance_;
  int hasStack_;
};

// One TABLE of the IRDROP section.
class lefiIRDrop {
 public:
  lefiIRDrop();
  ~lefiIRDrop();
  lefiIRDrop(const lefiIRDrop&) = delete;
  lefiIRDrop& operator=(const lefiIRDrop&) = delete;

  void Init();
  void Destroy();
  void clear();
  void setTableName(const char* name);
  void setValues(double value1, double value2);

  const char* name() const { return name_; }
  int numValues() const { return numValues_; }
  double value1(int index) const;
  double value2(int index) const;

  void print(FILE* f) const;

 private:
  int nameSize_;
  int numValues_;
  int valuesAllocated_;
  char* name_;
  double* value1_;
  double* value2_;
};

// The MINFEATURE statement.
class lefiMinFeature {
 public:
  lefiMinFeature() : one_(0.0), two_(0.0) {}
  void Init() {}
  void Destroy() {}
  void set(double one, double two) {
    one_ = one;
    two_ = two;
  }
  double one() const { return one_; }
  double two() const { return two_; }
  void print(FILE* f) const;

 private:
  double one_;
  double two_;
};

// One USEMINSPACING statement.
class lefiUseMinSpacing {
 public:
  lefiUseMinSpacing();
  ~lefiUseMinSpacing();
  lefiUseMinSpacing(const lefiUseMinSpacing&) = delete;
  lefiUseMinSpacing& operator=(const lefiUseMinSpacing&) = delete;

  void Init();
  void Destroy();
  void set(const char* name, int value);
  const char* name() const { return name_; }
  int value() const { return value_; }
  void print(FILE* f) const;

 private:
  char* name_;
  int value_;
};

// The MAXVIASTACK statement.
class lefiMaxStackVia {
 public:
  lefiMaxStackVia();
  ~lefiMaxStackVia();
  lefiMaxStackVia(const lefiMaxStackVia&) = delete;
  lefiMaxStackVia& operator=(const lefiMaxStackVia&) = delete;

  void Init();
  void Destroy();
  void setMaxStackVia(int maxStackVia) { maxStackVia_ = maxStackVia; }
  void setMaxStackViaRange(const char* bottomLayer, const char* topLayer);

  int maxStackVia() const { return maxStackVia_; }
  int hasMaxStackViaRange() const { return hasRange_ ? 1 : 0; }
  const char* maxStackViaBottomLayer() const { return bottomLayer_; }
  const char* maxStackViaTopLayer() const { return topLayer_; }
  void print(FILE* f) const;

 private:
  int maxStackVia_;
  int hasRange_;
  char* bottomLayer_;
  char* topLayer_;
};

}  // namespace LefDefParser

#endif
