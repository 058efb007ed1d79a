#include "lef/lefiMisc.h"

#include <cstring>

#include "lef/lefiMessages.h"
#include "lef/lefiUtil.h"

namespace LefDefParser {

// ---------------------------------------------------------------- geometries

lefiGeometries::lefiGeometries()
    : numItems_(0),
      itemsAllocated_(0),
      itemType_(nullptr),
      items_(nullptr),
      numPoints_(0),
      pointsAllocated_(0),
      x_(nullptr),
      y_(nullptr) {
  Init();
}

lefiGeometries::~lefiGeometries() { Destroy(); }

void lefiGeometries::Init() {
  Destroy();
  itemsAllocated_ = 2;
  lefiRegrowAll(0, itemsAllocated_, itemType_, items_);
  xStart_ = yStart_ = xStep_ = yStep_ = -1.0;
}

void lefiGeometries::Destroy() {
  clear();
  lefiFreeArr(itemType_);
  lefiFreeArr(items_);
  itemsAllocated_ = 0;
  lefiFreeArr(x_);
  lefiFreeArr(y_);
  numPoints_ = 0;
  pointsAllocated_ = 0;
}

namespace {

template <class T>
void freePoints(void* item) {
  T* p = static_cast<T*>(item);
  p->numPoints = 0;
  lefiFreeArr(p->x);
  lefiFreeArr(p->y);
}

template <class T>
void freeViaName(void* item) {
  lefiFreeStr(static_cast<T*>(item)->name);
}

}  // namespace

void lefiGeometries::clear() {
  for (int i = 0; i < numItems_; i++) {
    switch (itemType_[i]) {
      case lefiGeomViaE: freeViaName<lefiGeomViaItem>(items_[i]); break;
      case lefiGeomViaIterE: freeViaName<lefiGeomViaIterItem>(items_[i]); break;
      case lefiGeomPathE: freePoints<lefiGeomPathItem>(items_[i]); break;
      case lefiGeomPathIterE: freePoints<lefiGeomPathIterItem>(items_[i]); break;
      case lefiGeomPolygonE: freePoints<lefiGeomPolygonItem>(items_[i]); break;
      case lefiGeomPolygonIterE: freePoints<lefiGeomPolygonIterItem>(items_[i]); break;
      default: break;
    }
    lefiFreeArr(items_[i]);
  }
  numItems_ = 0;
}

void lefiGeometries::clearPolyItems() {
  lefiFreeArr(itemType_);
  lefiFreeArr(items_);
  lefiFreeArr(x_);
  lefiFreeArr(y_);
  numItems_ = 0;
  itemsAllocated_ = 0;
  numPoints_ = 0;
  pointsAllocated_ = 0;
}

void lefiGeometries::add(void* item, lefiGeomEnum type) {
  if (numItems_ == itemsAllocated_) {
    int cap = lefiNextCap(itemsAllocated_);
    lefiRegrowAll(numItems_, cap, itemType_, items_);
    itemsAllocated_ = cap;
  }
  items_[numItems_] = item;
  itemType_[numItems_] = type;
  numItems_++;
}

namespace {

template <class T>
T* newItem() {
  T* item = static_cast<T*>(lefMalloc(sizeof(T)));
  memset(static_cast<void*>(item), 0, sizeof(T));
  return item;
}

}  // namespace

void lefiGeometries::addLayer(const char* name) { add(lefiCopyStr(name, true), lefiGeomLayerE); }

void lefiGeometries::addLayerExceptPgNet() {
  int* flag = newItem<int>();
  *flag = 1;
  add(flag, lefiGeomLayerExceptPgNetE);
}

void lefiGeometries::addLayerMinSpacing(double spacing) {
  double* value = newItem<double>();
  *value = spacing;
  add(value, lefiGeomLayerMinSpacingE);
}

void lefiGeometries::addLayerRuleWidth(double width) {
  double* value = newItem<double>();
  *value = width;
  add(value, lefiGeomLayerRuleWidthE);
}

void lefiGeometries::addClass(const char* name) { add(lefiCopyStr(name, true), lefiGeomClassE); }

void lefiGeometries::addWidth(double w) {
  double* value = newItem<double>();
  *value = w;
  add(value, lefiGeomWidthE);
}

void lefiGeometries::copyPoints(int& num, double*& x, double*& y) const {
  num = numPoints_;
  x = y = nullptr;
  if (num <= 0) return;
  x = static_cast<double*>(lefMalloc(sizeof(double) * num));
  y = static_cast<double*>(lefMalloc(sizeof(double) * num));
  memcpy(x, x_, sizeof(double) * num);
  memcpy(y, y_, sizeof(double) * num);
}

void lefiGeometries::addPath(int colorMask) {
  lefiGeomPathItem* p = newItem<lefiGeomPathItem>();
  copyPoints(p->numPoints, p->x, p->y);
  p->colorMask = colorMask;
  add(p, lefiGeomPathE);
}

void lefiGeometries::addPathIter(int colorMask) {
  lefiGeomPathIterItem* p = newItem<lefiGeomPathIterItem>();
  copyPoints(p->numPoints, p->x, p->y);
  copyStep(p);
  p->colorMask = colorMask;
  add(p, lefiGeomPathIterE);
}

void lefiGeometries::addPolygon(int colorMask) {
  lefiGeomPolygonItem* p = newItem<lefiGeomPolygonItem>();
  copyPoints(p->numPoints, p->x, p->y);
  p->colorMask = colorMask;
  add(p, lefiGeomPolygonE);
}

void lefiGeometries::addPolygonIter(int colorMask) {
  lefiGeomPolygonIterItem* p = newItem<lefiGeomPolygonIterItem>();
  copyPoints(p->numPoints, p->x, p->y);
  copyStep(p);
  p->colorMask = colorMask;
  add(p, lefiGeomPolygonIterE);
}

void lefiGeometries::addRect(int colorMask, double xl, double yl, double xh, double yh) {
  lefiGeomRectItem* r = newItem<lefiGeomRectItem>();
  r->xl = xl;
  r->yl = yl;
  r->xh = xh;
  r->yh = yh;
  r->colorMask = colorMask;
  add(r, lefiGeomRectE);
}

void lefiGeometries::addRectIter(int colorMask, double xl, double yl, double xh, double yh) {
  lefiGeomRectIterItem* r = newItem<lefiGeomRectIterItem>();
  r->xl = xl;
  r->yl = yl;
  r->xh = xh;
  r->yh = yh;
  copyStep(r);
  r->colorMask = colorMask;
  add(r, lefiGeomRectIterE);
}

namespace {

// Mask number: hundreds digit top, tens digit cut, units digit bottom.
template <class T>
void setViaMasks(T* v, int viaMasks) {
  v->topMaskNum = viaMasks / 100;
  v->cutMaskNum = (viaMasks / 10) % 10;
  v->bottomMaskNum = viaMasks % 10;
}

}  // namespace

void lefiGeometries::addVia(int viaMasks, double x, double y, const char* name) {
  lefiGeomViaItem* v = newItem<lefiGeomViaItem>();
  v->name = lefiCopyStr(name, true);
  v->x = x;
  v->y = y;
  setViaMasks(v, viaMasks);
  add(v, lefiGeomViaE);
}

void lefiGeometries::addViaIter(int viaMasks, double x, double y, const char* name) {
  lefiGeomViaIterItem* v = newItem<lefiGeomViaIterItem>();
  v->name = lefiCopyStr(name, true);
  v->x = x;
  v->y = y;
  copyStep(v);
  setViaMasks(v, viaMasks);
  add(v, lefiGeomViaIterE);
}

void lefiGeometries::addStepPattern(double xStart, double yStart, double xStep, double yStep) {
  xStart_ = xStart;
  yStart_ = yStart;
  xStep_ = xStep;
  yStep_ = yStep;
}

void lefiGeometries::startList(double x, double y) {
  if (!x_) {
    pointsAllocated_ = 16;
    lefiRegrowAll(0, pointsAllocated_, x_, y_);
  }
  numPoints_ = 0;
  addToList(x, y);
}

void lefiGeometries::addToList(double x, double y) {
  if (numPoints_ == pointsAllocated_) {
    int cap = lefiNextCap(pointsAllocated_);
    lefiRegrowAll(numPoints_, cap, x_, y_);
    pointsAllocated_ = cap;
  }
  x_[numPoints_] = x;
  y_[numPoints_] = y;
  numPoints_++;
}

void* lefiGeometries::item(int index, int msgNum, const char* msgText) const {
  return lefiIndexOk(index, numItems_, msgNum, msgText) ? items_[index] : nullptr;
}

lefiGeomEnum lefiGeometries::itemType(int index) const {
  if (!lefiIndexOk(index, numItems_, kLefiMsgNum1360, kLefiMsg1360)) return lefiGeomUnknown;
  return itemType_[index];
}

#define LEFI_GEOM_ITEM_ACCESSOR(Type, name, id)                         \
  Type* lefiGeometries::name(int index) const {                        \
    return static_cast<Type*>(item(index, kLefiMsgNum##id, kLefiMsg##id)); \
  }
LEFI_GEOM_ITEM_ACCESSOR(lefiGeomRectItem, getRect, 1361)
LEFI_GEOM_ITEM_ACCESSOR(lefiGeomRectIterItem, getRectIter, 1362)
LEFI_GEOM_ITEM_ACCESSOR(lefiGeomPathItem, getPath, 1363)
LEFI_GEOM_ITEM_ACCESSOR(lefiGeomPathIterItem, getPathIter, 1364)
LEFI_GEOM_ITEM_ACCESSOR(char, getLayer, 1365)
LEFI_GEOM_ITEM_ACCESSOR(lefiGeomPolygonItem, getPolygon, 1370)
LEFI_GEOM_ITEM_ACCESSOR(lefiGeomPolygonIterItem, getPolygonIter, 1371)
LEFI_GEOM_ITEM_ACCESSOR(char, getClass, 1372)
LEFI_GEOM_ITEM_ACCESSOR(lefiGeomViaItem, getVia, 1373)
LEFI_GEOM_ITEM_ACCESSOR(lefiGeomViaIterItem, getViaIter, 1374)
#undef LEFI_GEOM_ITEM_ACCESSOR

int lefiGeometries::hasLayerExceptPgNet(int index) const {
  int* flag = static_cast<int*>(item(index, kLefiMsgNum1366, kLefiMsg1366));
  return flag ? *flag : 0;
}

double lefiGeometries::getLayerMinSpacing(int index) const {
  double* value = static_cast<double*>(item(index, kLefiMsgNum1367, kLefiMsg1367));
  return value ? *value : 0.0;
}

double lefiGeometries::getLayerRuleWidth(int index) const {
  double* value = static_cast<double*>(item(index, kLefiMsgNum1368, kLefiMsg1368));
  return value ? *value : 0.0;
}

double lefiGeometries::getWidth(int index) const {
  double* value = static_cast<double*>(item(index, kLefiMsgNum1369, kLefiMsg1369));
  return value ? *value : 0.0;
}

namespace {

void printPoints(FILE* f, int num, const double* x, const double* y) {
  for (int i = 0; i < num; i++) fprintf(f, " %g,%g", x[i], y[i]);
  fprintf(f, "\n");
}

}  // namespace

void lefiGeometries::print(FILE* f) const {
  for (int i = 0; i < numItems_; i++) {
    void* it = items_[i];
    switch (itemType_[i]) {
      case lefiGeomLayerE: fprintf(f, "Layer %s\n", static_cast<char*>(it)); break;
      case lefiGeomLayerExceptPgNetE:
        if (*static_cast<int*>(it)) fprintf(f, "EXCEPTPGNET \n");
        break;
      case lefiGeomLayerMinSpacingE: fprintf(f, "Spacing %g\n", *static_cast<double*>(it)); break;
      case lefiGeomLayerRuleWidthE:
        fprintf(f, "DesignRuleWidth %g\n", *static_cast<double*>(it));
        break;
      case lefiGeomWidthE: fprintf(f, "Width %g\n", *static_cast<double*>(it)); break;
      case lefiGeomPathE: {
        lefiGeomPathItem* p = static_cast<lefiGeomPathItem*>(it);
        fprintf(f, "Path");
        if (p->colorMask) fprintf(f, " MASK %d", p->colorMask);
        printPoints(f, p->numPoints, p->x, p->y);
        break;
      }
      case lefiGeomPathIterE: {
        lefiGeomPathIterItem* p = static_cast<lefiGeomPathIterItem*>(it);
        if (p->colorMask) fprintf(f, "MASK %d", p->colorMask);
        fprintf(f, "Path iter  start %g,%g  step %g,%g\n", p->xStart, p->yStart, p->xStep,
                p->yStep);
        printPoints(f, p->numPoints, p->x, p->y);
        break;
      }
      case lefiGeomRectE: {
        lefiGeomRectItem* r = static_cast<lefiGeomRectItem*>(it);
        if (r->colorMask)
          fprintf(f, "Rect MASK %d, %g,%g  %g,%g\n", r->colorMask, r->xl, r->yl, r->xh, r->yh);
        else
          fprintf(f, "Rect %g,%g  %g,%g\n", r->xl, r->yl, r->xh, r->yh);
        break;
      }
      case lefiGeomRectIterE: {
        lefiGeomRectIterItem* r = static_cast<lefiGeomRectIterItem*>(it);
        if (r->colorMask)
          fprintf(f, "Rect MASK %d iter  start %g,%g  step %g,%g\n", r->colorMask, r->xStart,
                  r->yStart, r->xStep, r->yStep);
        else
          fprintf(f, "Rect iter  start %g,%g  step %g,%g\n", r->xStart, r->yStart, r->xStep,
                  r->yStep);
        fprintf(f, "     %g,%g  %g,%g\n", r->xl, r->yl, r->xh, r->yh);
        break;
      }
      case lefiGeomPolygonE: {
        lefiGeomPolygonItem* p = static_cast<lefiGeomPolygonItem*>(it);
        fprintf(f, "Polygon");
        if (p->colorMask) fprintf(f, " MASK %d", p->colorMask);
        printPoints(f, p->numPoints, p->x, p->y);
        break;
      }
      case lefiGeomPolygonIterE: {
        lefiGeomPolygonIterItem* p = static_cast<lefiGeomPolygonIterItem*>(it);
        if (p->colorMask)
          fprintf(f, "Polygon MASK %d iter  start %g,%g  step %g,%g\n", p->colorMask,
                  p->xStart, p->yStart, p->xStep, p->yStep);
        else
          fprintf(f, "Polygon iter  start %g,%g  step %g,%g\n", p->xStart, p->yStart,
                  p->xStep, p->yStep);
        printPoints(f, p->numPoints, p->x, p->y);
        break;
      }
      case lefiGeomViaE: fprintf(f, "Via \n"); break;
      case lefiGeomViaIterE: fprintf(f, "Via iter \n"); break;
      case lefiGeomClassE: fprintf(f, "Classtype %s\n", static_cast<char*>(it)); break;
      default:
        lefiError(0, kLefiMsgNum1375, kLefiMsg1375);
        fprintf(f, "Unknown geometry type %d\n", static_cast<int>(itemType_[i]));
        break;
    }
  }
}

// ---------------------------------------------------------------- sites

const char* lefiOrientStr(int orient) {
  static const char* const names[] = {"N", "W", "S", "E", "FN", "FW", "FS", "FE"};
  return (orient >= 0 && orient < 8) ? names[orient] : "";
}

lefiSite::lefiSite()
    : nameSize_(0),
      name_(nullptr),
      hasClass_(0),
      sizeX_(0.0),
      sizeY_(0.0),
      hasSize_(0),
      symmetry_(0),
      numRowPattern_(0),
      rowPatternAllocated_(0),
      siteNames_(nullptr),
      siteOrients_(nullptr) {
  siteClass_[0] = '\0';
  Init();
}

lefiSite::~lefiSite() { Destroy(); }

void lefiSite::Init() {
  Destroy();
  nameSize_ = 16;
  name_ = static_cast<char*>(lefMalloc(nameSize_));
  name_[0] = '\0';
}

void lefiSite::clearRowPatterns() {
  for (int i = 0; i < numRowPattern_; i++) lefiFreeStr(siteNames_[i]);
  numRowPattern_ = 0;
}

void lefiSite::Destroy() {
  lefiFreeStr(name_);
  nameSize_ = 0;
  clearRowPatterns();
  // The arrays outlive a setName that emptied the list, so free them
  // whenever they exist.
  lefiFreeArr(siteNames_);
  lefiFreeArr(siteOrients_);
  rowPatternAllocated_ = 0;
}

void lefiSite::setName(const char* name) {
  lefiSetNameBuf(name_, nameSize_, name, true);
  hasClass_ = 0;
  siteClass_[0] = '\0';
  hasSize_ = 0;
  symmetry_ = 0;
  clearRowPatterns();
}

void lefiSite::setClass(const char* cls) {
  lefiCopyFixed(siteClass_, sizeof(siteClass_), cls);
  hasClass_ = 1;
}

void lefiSite::setSize(double x, double y) {
  sizeX_ = x;
  sizeY_ = y;
  hasSize_ = 1;
}

void lefiSite::addRowPattern(const char* name, int orient) {
  if (numRowPattern_ == rowPatternAllocated_) {
    int cap = lefiNextCap(rowPatternAllocated_);
    lefiRegrowAll(numRowPattern_, cap, siteNames_, siteOrients_);
    rowPatternAllocated_ = cap;
  }
  siteNames_[numRowPattern_] = lefiCopyStr(name, false);
  siteOrients_[numRowPattern_] = orient;
  numRowPattern_++;
}

const char* lefiSite::siteOrientStr(int index) const {
  return lefiOrientStr(siteOrients_[index]);
}

void lefiSite::print(FILE* f) const {
  fprintf(f, "SITE %s", name_);
  if (hasClass_) fprintf(f, " CLASS %s", siteClass_);
  if (hasSize_) fprintf(f, " SIZE %g %g", sizeX_, sizeY_);
  if (hasXSymmetry()) fprintf(f, " SYMMETRY X");
  if (hasYSymmetry()) fprintf(f, " SYMMETRY Y");
  if (has90Symmetry()) fprintf(f, " SYMMETRY R90");
  fprintf(f, "\n");
}

// ---------------------------------------------------------------- patterns

lefiSitePattern::lefiSitePattern()
    : nameSize_(0),
      name_(nullptr),
      orient_(0),
      x_(0.0),
      y_(0.0),
      xStart_(-1.0),
      yStart_(-1.0),
      xStep_(-1.0),
      yStep_(-1.0) {
  Init();
}

lefiSitePattern::~lefiSitePattern() { Destroy(); }

void lefiSitePattern::Init() { lefiNewNameBuf(name_, nameSize_); }

void lefiSitePattern::Destroy() {
  lefiFreeStr(name_);
  nameSize_ = 0;
}

void lefiSitePattern::set(const char* name, double x, double y, int orient, double xStart,
                          double yStart, double xStep, double yStep) {
  lefiSetNameBuf(name_, nameSize_, name, true);
  x_ = x;
  y_ = y;
  orient_ = orient;
  xStart_ = xStart;
  yStart_ = yStart;
  xStep_ = xStep;
  yStep_ = yStep;
}

const char* lefiSitePattern::orientStr() const { return lefiOrientStr(orient_); }

int lefiSitePattern::hasStepPattern() const {
  // != keeps a NaN counting as a pattern.
  return (xStart_ != -1.0 || yStart_ != -1.0 || xStep_ != -1.0 || yStep_ != -1.0) ? 1 : 0;
}

void lefiSitePattern::print(FILE* f) const {
  fprintf(f, "  SITE Pattern %s  %g,%g %s\n", name_, x_, y_, orientStr());
  fprintf(f, "    %g,%g step %g,%g\n", xStart_, yStart_, xStep_, yStep_);
}

lefiTrackPattern::lefiTrackPattern()
    : nameSize_(0),
      name_(nullptr),
      start_(0.0),
      numTracks_(0),
      space_(0.0),
      numLayers_(0),
      layerAllocated_(0),
      layerNames_(nullptr) {
  Init();
}

lefiTrackPattern::~lefiTrackPattern() { Destroy(); }

void lefiTrackPattern::Init() {
  Destroy();
  lefiNewNameBuf(name_, nameSize_);
  layerAllocated_ = 2;
  lefiRegrow(layerNames_, 0, layerAllocated_);
  clear();
}

void lefiTrackPattern::clear() {
  for (int i = 0; i < numLayers_; i++) lefiFreeStr(layerNames_[i]);
  numLayers_ = 0;
}

void lefiTrackPattern::Destroy() {
  lefiFreeStr(name_);
  nameSize_ = 0;
  clear();
  start_ = 0.0;
  numTracks_ = 0;
  space_ = 0.0;
  lefiFreeArr(layerNames_);
  layerAllocated_ = 0;
}

void lefiTrackPattern::set(const char* name, double start, int numTracks, double space) {
  lefiSetNameBuf(name_, nameSize_, name, true);
  start_ = start;
  numTracks_ = numTracks;
  space_ = space;
}

void lefiTrackPattern::addLayer(const char* name) {
  if (numLayers_ == layerAllocated_) {
    int cap = lefiNextCap(layerAllocated_);
    lefiRegrow(layerNames_, numLayers_, cap);
    layerAllocated_ = cap;
  }
  layerNames_[numLayers_++] = lefiCopyStr(name, true);
}

const char* lefiTrackPattern::layerName(int index) const {
  if (!lefiIndexOk(index, numLayers_, kLefiMsgNum1377, kLefiMsg1377)) return nullptr;
  return layerNames_[index];
}

void lefiTrackPattern::print(FILE* f) const {
  fprintf(f, "  TRACK Pattern %s  %g DO %d STEP %g\n", name_, start_, numTracks_, space_);
  if (numLayers_ > 0) {
    fprintf(f, "    LAYER ");
    for (int i = 0; i < numLayers_; i++) fprintf(f, "%s ", layerNames_[i]);
    fprintf(f, "\n");
  }
}

lefiGcellPattern::lefiGcellPattern()
    : nameSize_(0), name_(nullptr), start_(0.0), numCRs_(0), space_(0.0) {
  Init();
}

lefiGcellPattern::~lefiGcellPattern() { Destroy(); }

void lefiGcellPattern::Init() {
  lefiNewNameBuf(name_, nameSize_);
  start_ = 0.0;
  numCRs_ = 0;
  space_ = 0.0;
}

void lefiGcellPattern::Destroy() {
  lefiFreeStr(name_);
  nameSize_ = 0;
  start_ = 0.0;
  numCRs_ = 0;
  space_ = 0.0;
}

void lefiGcellPattern::set(const char* name, double start, int numCRs, double space) {
  lefiSetNameBuf(name_, nameSize_, name, true);
  start_ = start;
  numCRs_ = numCRs;
  space_ = space;
}

void lefiGcellPattern::print(FILE* f) const {
  // Printed with the track pattern's words, as the dump has always done.
  fprintf(f, "  TRACK Pattern %s  %g DO %d STEP %g\n", name_, start_, numCRs_, space_);
}

// ---------------------------------------------------------------- SPACING

lefiSpacing::lefiSpacing()
    : name1Size_(0), name2Size_(0), name1_(nullptr), name2_(nullptr), distance_(0.0),
      hasStack_(0) {
  Init();
}

lefiSpacing::~lefiSpacing() { Destroy(); }

void lefiSpacing::Init() {
  lefiNewNameBuf(name1_, name1Size_);
  lefiNewNameBuf(name2_, name2Size_);
  distance_ = 0.0;
  hasStack_ = 0;
}

void lefiSpacing::Destroy() {
  lefiFreeStr(name1_);
  lefiFreeStr(name2_);
  name1Size_ = name2Size_ = 0;
}

void lefiSpacing::set(const char* name1, const char* name2, double distance, int hasStack) {
  // Each name is folded and copied before the next fold reuses the buffer.
  lefiSetNameBuf(name1_, name1Size_, name1, true);
  lefiSetNameBuf(name2_, name2Size_, name2, true);
  distance_ = distance;
  hasStack_ = hasStack;
}

lefiSpacing* lefiSpacing::clone() const {
  lefiSpacing* sp = lefiNewObj<lefiSpacing>();
  sp->Destroy();
  sp->name1_ = lefiCopyStr(name1_, false);
  sp->name1Size_ = static_cast<int>(strlen(name1_)) + 1;
  sp->name2_ = lefiCopyStr(name2_, false);
  sp->name2Size_ = static_cast<int>(strlen(name2_)) + 1;
  sp->distance_ = distance_;
  sp->hasStack_ = hasStack_;
  return sp;
}

void lefiSpacing::print(FILE* f) const {
  fprintf(f, "SPACING %s %s %g", name1_, name2_, distance_);
  if (hasStack_) fprintf(f, "  STACK");
  fprintf(f, "\n");
}

// ---------------------------------------------------------------- IRDROP

lefiIRDrop::lefiIRDrop()
    : nameSize_(0), numValues_(0), valuesAllocated_(0), name_(nullptr), value1_(nullptr),
      value2_(nullptr) {
  Init();
}

lefiIRDrop::~lefiIRDrop() { Destroy(); }

void lefiIRDrop::Init() {
  Destroy();
  lefiNewNameBuf(name_, nameSize_);
  valuesAllocated_ = 2;
  lefiRegrowAll(0, valuesAllocated_, value1_, value2_);
}

void lefiIRDrop::clear() { numValues_ = 0; }

void lefiIRDrop::Destroy() {
  lefiFreeStr(name_);
  nameSize_ = 0;
  clear();
  lefiFreeArr(value1_);
  lefiFreeArr(value2_);
  valuesAllocated_ = 0;
}

void lefiIRDrop::setTableName(const char* name) {
  lefiSetNameBuf(name_, nameSize_, name, true);
  clear();
}

void lefiIRDrop::setValues(double value1, double value2) {
  if (numValues_ == valuesAllocated_) {
    int cap = lefiNextCap(valuesAllocated_);
    lefiRegrowAll(numValues_, cap, value1_, value2_);
    valuesAllocated_ = cap;
  }
  value1_[numValues_] = value1;
  value2_[numValues_] = value2;
  numValues_++;
}

double lefiIRDrop::value1(int index) const {
  return lefiIndexOk(index, numValues_, kLefiMsgNum1376, kLefiMsg1376) ? value1_[index] : 0.0;
}

double lefiIRDrop::value2(int index) const {
  return lefiIndexOk(index, numValues_, kLefiMsgNum1376, kLefiMsg1376) ? value2_[index] : 0.0;
}

void lefiIRDrop::print(FILE* f) const {
  fprintf(f, "IRDROP %s ", name_);
  for (int i = 0; i < numValues_; i++) fprintf(f, "%g %g ", value1_[i], value2_[i]);
  fprintf(f, "\n");
  fprintf(f, "END IRDrop\n");
}

// ---------------------------------------------------------------- MINFEATURE, USEMINSPACING, MAXVIASTACK

void lefiMinFeature::print(FILE* f) const { fprintf(f, "MINfEATURE %g %g\n", one_, two_); }

lefiUseMinSpacing::lefiUseMinSpacing() : name_(nullptr), value_(0) { Init(); }

lefiUseMinSpacing::~lefiUseMinSpacing() { Destroy(); }

void lefiUseMinSpacing::Init() {
  Destroy();
  value_ = 0;
}

void lefiUseMinSpacing::Destroy() { lefiFreeStr(name_); }

void lefiUseMinSpacing::set(const char* name, int value) {
  lefiFreeStr(name_);
  name_ = lefiCopyStr(name, true);
  value_ = value;
}

void lefiUseMinSpacing::print(FILE* f) const {
  fprintf(f, "USEMINSPACING %s %d\n", name_ ? name_ : "", value_);
}

lefiMaxStackVia::lefiMaxStackVia()
    : maxStackVia_(0), hasRange_(0), bottomLayer_(nullptr), topLayer_(nullptr) {
  Init();
}

lefiMaxStackVia::~lefiMaxStackVia() { Destroy(); }

void lefiMaxStackVia::Init() { Destroy(); }

void lefiMaxStackVia::Destroy() {
  maxStackVia_ = 0;
  hasRange_ = 0;
  lefiFreeStr(bottomLayer_);
  lefiFreeStr(topLayer_);
}

void lefiMaxStackVia::setMaxStackViaRange(const char* bottomLayer, const char* topLayer) {
  hasRange_ = 1;
  lefiFreeStr(bottomLayer_);
  lefiFreeStr(topLayer_);
  bottomLayer_ = lefiCopyStr(bottomLayer, true);
  topLayer_ = lefiCopyStr(topLayer, true);
}

void lefiMaxStackVia::print(FILE* f) const {
  fprintf(f, "MAXVIASTACK %d", maxStackVia_);
  if (hasRange_) fprintf(f, " RANGE %s %s", bottomLayer_, topLayer_);
  fprintf(f, "\n");
}

}  // namespace LefDefParser
