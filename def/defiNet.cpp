#include "def/defiNet.h"

#include "def/defiDebug.h"

namespace LefDefParser {

namespace {

const char* const kNoWireSubnet =
    "ERROR (DEFPARS-6080): An internal error has occurred. The index number for the "
    "SUBNET wires array is less then or equal to 0.\nContact Tremlix Customer Support "
    "with this error information.";
const char* const kNoWireNet =
    "ERROR (DEFPARS-6081): An internal error has occurred. The index number for the "
    "NET PATH wires array is less then or equal to 0.\nContact Tremlix Customer "
    "Support with this error information.";
const char* const kNoShield =
    "ERROR (DEFPARS-6082): An internal error has occurred. The index number for the "
    "NET SHIELDPATH wires array is less then or equal to 0.\nContact Tremlix Customer "
    "Support with this error information.";
constexpr defiIndexCheck kInstanceCheck{
    6083,
    "ERROR (DEFPARS-6083): The index number %d specified for the NET INSTANCE is "
    "invalid.\nValid index is from 0 to %d. Specify a valid index number and then try "
    "again."};
constexpr defiIndexCheck kPinCheck{
    6084,
    "ERROR (DEFPARS-6084): The index number %d specified for the NET PIN is "
    "invalid.\nValid index is from 0 to %d. Specify a valid index number and then try "
    "again."};
constexpr defiIndexCheck kPolygonCheck{
    6085,
    "ERROR (DEFPARS-6085): The index number %d specified for the NET POLYGON is "
    "invalid.\nValid index is from 0 to %d. Specify a valid index number and then try "
    "again."};
constexpr defiIndexCheck kRectCheck{
    6086,
    "ERROR (DEFPARS-6086): The index number %d specified for the NET RECTANGLE is "
    "invalid.\nValid index is from 0 to %d. Specify a valid index number and then try "
    "again."};

// Appends a new object to an owned pointer list that starts at 2 and doubles.
template <class T>
T* appendObject(T**& list, int& num, int& allocated, defrData* data) {
  if (num == allocated) {
    const int grown = defiNextCapacity(allocated, 2);
    defiResizeArray(list, num, grown);
    allocated = grown;
  }
  list[num] = new T(data);
  return list[num++];
}

template <class T>
void deleteObjects(T**& list, int& num, int& allocated) {
  for (int i = 0; i < num; i++) delete list[i];
  defiFreeArray(list);
  num = allocated = 0;
}

void freeTexts(char** texts, int num) {
  for (int i = 0; i < num; i++) defiFreeText(texts[i]);
}

}  // namespace

// ---- defiConnList

void defiConnList::Init() {
  num_ = 0;
  cap_ = 16;
  instances_ = static_cast<char**>(defiMalloc(sizeof(char*) * cap_));
  pins_ = static_cast<char**>(defiMalloc(sizeof(char*) * cap_));
  mustJoin_ = static_cast<char*>(defiMalloc(cap_));
  synthesized_ = static_cast<char*>(defiMalloc(cap_));
}

void defiConnList::Destroy() {
  clear();
  defiFreeArray(instances_);
  defiFreeArray(pins_);
  defiFreeArray(mustJoin_);
  defiFreeArray(synthesized_);
  cap_ = 0;
}

void defiConnList::clear() {
  freeTexts(instances_, num_);
  freeTexts(pins_, num_);
  num_ = 0;
}

void defiConnList::add(const char* instance, const char* pin, int mustJoin,
                       int synth, defrData* data) {
  if (num_ == cap_) {
    const int grown = defiNextCapacity(cap_, 16);
    defiResizeAll(num_, grown, instances_, pins_, mustJoin_, synthesized_);
    cap_ = grown;
  }
  // Each name is copied before the next one is folded: the fold buffer is shared.
  instances_[num_] = defiDupText(instance, data, true);
  pins_[num_] = defiDupText(pin, data, true);
  mustJoin_[num_] = mustJoin ? 1 : 0;
  synthesized_[num_] = synth ? 1 : 0;
  num_++;
}

bool defiConnList::setInstance(int i, const char* name, defrData* data) {
  if (!defiCheckIndex(i, num_, kInstanceCheck, data)) return false;
  defiFreeText(instances_[i]);
  instances_[i] = defiDupText(name, data, true);
  return true;
}

bool defiConnList::setPin(int i, const char* name, defrData* data) {
  if (!defiCheckIndex(i, num_, kPinCheck, data)) return false;
  defiFreeText(pins_[i]);
  pins_[i] = defiDupText(name, data, true);
  return true;
}

// ---- defiWire

defiWire::defiWire(defrData* data) : defData_(data) {}

defiWire::~defiWire() { Destroy(); }

void defiWire::Init(const char* type, const char* wireShieldName) {
  clear();
  type_ = defiDupText(type, defData_, true);
  wireShieldName_ = defiDupText(wireShieldName, defData_, false);
}

void defiWire::Destroy() { clear(); }

void defiWire::clear() {
  defiFreeText(type_);
  defiFreeText(wireShieldName_);
  paths_.clear();
}

void defiWire::addPath(defiPath* p, int reset, int netOsnet, int* needCbk) {
  paths_.add(p, reset, netOsnet, needCbk);
}

// ---- defiShield

defiShield::defiShield(defrData* data) : defData_(data) {}

defiShield::~defiShield() { Destroy(); }

void defiShield::Init(const char* name) {
  clear();
  name_ = defiDupText(name ? name : "", defData_, true);
}

void defiShield::Destroy() { clear(); }

void defiShield::clear() {
  defiFreeText(name_);
  paths_.clear();
}

void defiShield::addPath(defiPath* p, int reset, int netOsnet, int* needCbk) {
  paths_.add(p, reset, netOsnet, needCbk);
}

// ---- defiVpin

defiVpin::defiVpin(defrData* data) : defData_(data) {}

defiVpin::~defiVpin() { Destroy(); }

void defiVpin::Init(const char* name) {
  Destroy();
  name_ = defiDupText(name, defData_, true);
  orient_ = -1;
  status_ = ' ';
}

void defiVpin::Destroy() {
  defiFreeText(name_);
  defiFreeText(layer_);
}

void defiVpin::setBounds(int xl, int yl, int xh, int yh) {
  xl_ = xl;
  yl_ = yl;
  xh_ = xh;
  yh_ = yh;
}

void defiVpin::setLayer(const char* layer) {
  defiFreeText(layer_);
  layer_ = defiDupText(layer, defData_, false);
}

void defiVpin::setOrient(int orient) { orient_ = orient; }

void defiVpin::setLoc(int x, int y) {
  xLoc_ = x;
  yLoc_ = y;
}

void defiVpin::setStatus(char status) { status_ = status; }

const char* defiVpin::orientStr() const { return defiOrientStr(orient_); }

// ---- defiSubnet

defiSubnet::defiSubnet(defrData* data) : defData_(data) { Init(); }

defiSubnet::~defiSubnet() { Destroy(); }

void defiSubnet::Init() {
  nameSize_ = 16;
  name_ = static_cast<char*>(defiMalloc(nameSize_));
  conns_.Init();
  clear();
}

void defiSubnet::Destroy() {
  clear();
  conns_.Destroy();
  defiFreeText(name_);
  nameSize_ = 0;
}

void defiSubnet::clear() {
  if (name_) *name_ = '\0';
  conns_.clear();
  isFixed_ = isRouted_ = isCover_ = 0;
  paths_.clear();
  deleteObjects(wires_, numWires_, wiresAllocated_);
  defiFreeText(nonDefaultRule_);
}

void defiSubnet::setName(const char* name) {
  defiCopyToBuffer(name_, nameSize_, name, defData_, true);
}

void defiSubnet::setNonDefault(const char* name) {
  defiFreeText(nonDefaultRule_);
  nonDefaultRule_ = defiDupText(name, defData_, true);
}

void defiSubnet::addPin(const char* instance, const char* pin, int syn) {
  conns_.add(instance, pin, 0, syn, defData_);
}

void defiSubnet::addMustPin(const char* instance, const char* pin, int syn) {
  conns_.add(instance, pin, 1, syn, defData_);
}

void defiSubnet::setType(const char* typ) {
  switch (typ ? *typ : 0) {
    case 'F': isFixed_ = 1; break;
    case 'R': isRouted_ = 1; break;
    case 'C': isCover_ = 1; break;
    default: break;
  }
}

void defiSubnet::addWire(const char* typ) {
  appendObject(wires_, numWires_, wiresAllocated_, defData_)->Init(typ, nullptr);
}

void defiSubnet::addWirePath(defiPath* p, int reset, int netOsnet, int* needCbk) {
  if (numWires_ <= 0) {
    defiError(0, 6080, kNoWireSubnet, defData_);
    return;
  }
  wires_[numWires_ - 1]->addPath(p, reset, netOsnet, needCbk);
}

void defiSubnet::addPath(defiPath* p, int reset, int netOsnet, int* needCbk) {
  paths_.add(p, reset, netOsnet, needCbk);
}

void defiSubnet::print(FILE* f) const {
  fprintf(f, "  subnet '%s'", name_);
  if (isFixed_) fprintf(f, " FIXED");
  if (isRouted_) fprintf(f, " ROUTED");
  if (isCover_) fprintf(f, " COVER");
  fprintf(f, "\n");
  for (int i = 0; i < conns_.num(); i++) {
    fprintf(f, "    ( %s %s )\n", conns_.instance(i), conns_.pin(i));
  }
  if (nonDefaultRule_) fprintf(f, "    nondefaultrule %s\n", nonDefaultRule_);
  for (int i = 0; i < numWires_; i++) {
    fprintf(f, "    %s\n", wires_[i]->wireType());
    for (int j = 0; j < wires_[i]->numPaths(); j++) wires_[i]->path(j)->print(f);
  }
}

// ---- defiNet

defiNet::defiNet(defrData* data) : defData_(data) { Init(); }

defiNet::~defiNet() { Destroy(); }

void defiNet::Init() {
  nameSize_ = 16;
  name_ = static_cast<char*>(defiMalloc(nameSize_));
  *name_ = '\0';
  conns_.Init();
  props_.Init();
  subnetsAllocated_ = 2;
  subnets_ = static_cast<defiSubnet**>(defiMalloc(sizeof(defiSubnet*) * subnetsAllocated_));
  clear();
}

void defiNet::Destroy() {
  clear();
  defiFreeText(name_);
  nameSize_ = 0;
  conns_.Destroy();
  props_.Destroy();
  defiFreeArray(subnets_);
  subnetsAllocated_ = 0;
  defiFreeArray(wlayers_);
  defiFreeArray(wdist_);
  widthsAllocated_ = 0;
  defiFreeArray(slayers_);
  defiFreeArray(sdist_);
  defiFreeArray(sleft_);
  defiFreeArray(sright_);
  spacingAllocated_ = 0;
  defiFreeArray(shieldNets_);
  shieldNetsAllocated_ = 0;
}

void defiNet::clear() {
  isFixed_ = isRouted_ = isCover_ = 0;
  hasWeight_ = hasCap_ = hasFrequency_ = hasVoltage_ = 0;
  fixedbump_ = 0;
  weight_ = 0;
  cap_ = frequency_ = voltage_ = 0;
  xTalk_ = -1;
  style_ = 0;
  deleteObjects(vpins_, numVpins_, vpinsAllocated_);
  for (int i = 0; i < numSubnets_; i++) delete subnets_[i];
  numSubnets_ = 0;
  paths_.clear();
  deleteObjects(wires_, numWires_, wiresAllocated_);
  deleteObjects(shields_, numShields_, shieldsAllocated_);
  deleteObjects(noShields_, numNoShields_, noShieldsAllocated_);
  props_.clear();
  conns_.clear();
  freeTexts(shieldNets_, numShieldNets_);
  numShieldNets_ = 0;
  freeTexts(wlayers_, numWidths_);
  numWidths_ = 0;
  freeTexts(slayers_, numSpacing_);
  numSpacing_ = 0;
  defiFreeText(source_);
  defiFreeText(pattern_);
  defiFreeText(original_);
  defiFreeText(use_);
  defiFreeText(nonDefaultRule_);
  clearRectPoly();
  clearVia();
  if (name_) *name_ = '\0';
}

void defiNet::setName(const char* name) {
  clear();
  defiCopyToBuffer(name_, nameSize_, name, defData_, true);
}

void defiNet::changeNetName(const char* name) {
  defiCopyToBuffer(name_, nameSize_, name, defData_, true);
}

void defiNet::addPin(const char* instance, const char* pin, int syn) {
  conns_.add(instance, pin, 0, syn, defData_);
}

void defiNet::addMustPin(const char* instance, const char* pin, int syn) {
  clear();
  conns_.add(instance, pin, 1, syn, defData_);
}

void defiNet::changeInstance(const char* name, int index) {
  conns_.setInstance(index, name, defData_);
}

void defiNet::changePin(const char* name, int index) {
  conns_.setPin(index, name, defData_);
}

void defiNet::setWeight(int w) {
  weight_ = w;
  hasWeight_ = 1;
}

void defiNet::setCap(double w) {
  cap_ = w;
  hasCap_ = 1;
}

void defiNet::setFrequency(double frequency) {
  frequency_ = frequency;
  hasFrequency_ = 1;
}

void defiNet::setVoltage(double v) {
  voltage_ = v;
  hasVoltage_ = 1;
}

void defiNet::setXTalk(int xtalk) { xTalk_ = xtalk; }
void defiNet::setStyle(int style) { style_ = style; }
void defiNet::setFixedbump() { fixedbump_ = 1; }

namespace {
void replaceText(char*& field, const char* text, defrData* data) {
  defiFreeText(field);
  field = defiDupText(text, data, true);
}
}  // namespace

void defiNet::setSource(const char* typ) { replaceText(source_, typ, defData_); }
void defiNet::setOriginal(const char* typ) { replaceText(original_, typ, defData_); }
void defiNet::setPattern(const char* typ) { replaceText(pattern_, typ, defData_); }
void defiNet::setUse(const char* typ) { replaceText(use_, typ, defData_); }
void defiNet::setNonDefaultRule(const char* name) {
  replaceText(nonDefaultRule_, name, defData_);
}

void defiNet::setType(const char* typ) {
  switch (typ ? *typ : 0) {
    case 'F': isFixed_ = 1; break;
    case 'R': isRouted_ = 1; break;
    case 'C': isCover_ = 1; break;
    default: break;
  }
}

void defiNet::addProp(const char* name, const char* value, char type) {
  props_.add(name, value, 0.0, type, defData_);
}

void defiNet::addNumProp(const char* name, double d, const char* value, char type) {
  props_.add(name, value, d, type, defData_);
}

void defiNet::addSubnet(defiSubnet* subnet) {
  if (numSubnets_ == subnetsAllocated_) {
    const int grown = defiNextCapacity(subnetsAllocated_, 2);
    defiResizeArray(subnets_, numSubnets_, grown);
    subnetsAllocated_ = grown;
  }
  subnets_[numSubnets_++] = subnet;
}

void defiNet::addWire(const char* typ, const char* wireShieldName) {
  appendObject(wires_, numWires_, wiresAllocated_, defData_)->Init(typ, wireShieldName);
}

void defiNet::addWirePath(defiPath* p, int reset, int netOsnet, int* needCbk) {
  if (numWires_ <= 0) {
    defiError(0, 6081, kNoWireNet, defData_);
    return;
  }
  wires_[numWires_ - 1]->addPath(p, reset, netOsnet, needCbk);
}

void defiNet::addShield(const char* shieldName) {
  appendObject(shields_, numShields_, shieldsAllocated_, defData_)->Init(shieldName);
}

void defiNet::addNoShield(const char* shieldName) {
  appendObject(noShields_, numNoShields_, noShieldsAllocated_, defData_)->Init(shieldName);
}

void defiNet::addShieldPath(defiPath* p, int reset, int netOsnet, int* needCbk) {
  defiShield* target = numShields_     ? shields_[numShields_ - 1]
                       : numNoShields_ ? noShields_[numNoShields_ - 1]
                                       : nullptr;
  if (!target) {
    defiError(0, 6082, kNoShield, defData_);
    return;
  }
  target->addPath(p, reset, netOsnet, needCbk);
}

void defiNet::addShieldNet(const char* shieldNetName) {
  if (numShieldNets_ == shieldNetsAllocated_) {
    const int grown = defiNextCapacity(shieldNetsAllocated_, 2);
    defiResizeArray(shieldNets_, numShieldNets_, grown);
    shieldNetsAllocated_ = grown;
  }
  shieldNets_[numShieldNets_++] = defiDupText(shieldNetName, defData_, true);
}

void defiNet::addVpin(const char* name) {
  appendObject(vpins_, numVpins_, vpinsAllocated_, defData_)->Init(name);
}

void defiNet::addVpinLayer(const char* layer) {
  if (numVpins_) vpins_[numVpins_ - 1]->setLayer(layer);
}

void defiNet::addVpinLoc(const char* status, int x, int y, int orient) {
  if (!numVpins_) return;
  defiVpin* v = vpins_[numVpins_ - 1];
  v->setStatus(status ? *status : ' ');
  v->setLoc(x, y);
  v->setOrient(orient);
}

void defiNet::addVpinBounds(int xl, int yl, int xh, int yh) {
  if (numVpins_) vpins_[numVpins_ - 1]->setBounds(xl, yl, xh, yh);
}

void defiNet::setWidth(const char* layer, double dist) {
  if (numWidths_ == widthsAllocated_) {
    const int grown = defiNextCapacity(widthsAllocated_, 4);
    defiResizeAll(numWidths_, grown, wlayers_, wdist_);
    widthsAllocated_ = grown;
  }
  wlayers_[numWidths_] = defiDupText(layer, defData_, true);
  wdist_[numWidths_++] = dist;
}

void defiNet::setSpacing(const char* layer, double dist) {
  if (numSpacing_ == spacingAllocated_) {
    const int grown = defiNextCapacity(spacingAllocated_, 4);
    defiResizeAll(numSpacing_, grown, slayers_, sdist_, sleft_, sright_);
    spacingAllocated_ = grown;
  }
  slayers_[numSpacing_] = defiDupText(layer, defData_, true);
  sdist_[numSpacing_] = dist;
  sleft_[numSpacing_] = dist;
  sright_[numSpacing_++] = dist;
}

void defiNet::setRange(double left, double right) {
  if (!numSpacing_) return;
  sleft_[numSpacing_ - 1] = left;
  sright_[numSpacing_ - 1] = right;
}

void defiNet::widthRule(int index, char** layer, double* dist) const {
  if (!defiInRange(index, numWidths_)) return;
  if (layer) *layer = wlayers_[index];
  if (dist) *dist = wdist_[index];
}

void defiNet::spacingRule(int index, char** layer, double* dist, double* left,
                          double* right) const {
  if (!defiInRange(index, numSpacing_)) return;
  if (layer) *layer = slayers_[index];
  if (dist) *dist = sdist_[index];
  if (left) *left = sleft_[index];
  if (right) *right = sright_[index];
}

// ---- special-net shapes

int defiNet::reserveShape(ShapeAttrs& s, int* needCbk) {
  if (needCbk) *needCbk = 0;
  if (s.num < s.cap) return 0;
  const int grown = s.cap ? s.cap * 2 : 1000;
  defiResizeAll(s.num, grown, s.names, s.masks, s.routeStatus, s.routeStatusName,
                s.shapeType);
  s.cap = grown;
  return grown;
}

void defiNet::finishShape(ShapeAttrs& s, const char* name, int mask,
                          const char* routeStatus, const char* shapeType,
                          const char* routeStatusName, int* needCbk) {
  const int i = s.num;
  s.names[i] = defiDupText(name, defData_, false);
  s.masks[i] = mask;
  s.routeStatus[i] = defiDupText(routeStatus, defData_, false);
  s.shapeType[i] = defiDupText(shapeType, defData_, false);
  s.routeStatusName[i] = defiDupText(routeStatusName, defData_, false);
  s.num++;
  if (s.num == 1000 && needCbk) *needCbk = 1;
}

void defiNet::freeShapeAttrs(ShapeAttrs& s) {
  freeTexts(s.names, s.num);
  freeTexts(s.routeStatus, s.num);
  freeTexts(s.routeStatusName, s.num);
  freeTexts(s.shapeType, s.num);
  defiFreeArray(s.names);
  defiFreeArray(s.masks);
  defiFreeArray(s.routeStatus);
  defiFreeArray(s.routeStatusName);
  defiFreeArray(s.shapeType);
  s.num = s.cap = 0;
}

void defiNet::addRect(const char* layer, int xl, int yl, int xh, int yh, int* needCbk,
                      int colorMask, const char* routeStatus, const char* shapeType,
                      const char* routeStatusName) {
  if (int grown = reserveShape(rects_, needCbk)) {
    defiResizeAll(rects_.num, grown, rects_.xl, rects_.yl, rects_.xh, rects_.yh);
  }
  const int i = rects_.num;
  rects_.xl[i] = xl;
  rects_.yl[i] = yl;
  rects_.xh[i] = xh;
  rects_.yh[i] = yh;
  finishShape(rects_, layer, colorMask, routeStatus, shapeType, routeStatusName, needCbk);
}

void defiNet::addPolygon(const char* layer, defiGeometries* geom, int* needCbk,
                         int colorMask, const char* routeStatus, const char* shapeType,
                         const char* routeStatusName) {
  if (int grown = reserveShape(polys_, needCbk)) {
    defiResizeArray(polys_.points, polys_.num, grown);
  }
  polys_.points[polys_.num] = defiCopyPoints(geom);
  finishShape(polys_, layer, colorMask, routeStatus, shapeType, routeStatusName, needCbk);
}

void defiNet::addPts(const char* viaName, int orient, defiGeometries* geom, int* needCbk,
                     int colorMask, const char* routeStatus, const char* shapeType,
                     const char* routeStatusName) {
  if (int grown = reserveShape(vias_, needCbk)) {
    defiResizeAll(vias_.num, grown, vias_.points, vias_.orients);
  }
  vias_.points[vias_.num] = defiCopyPoints(geom);
  vias_.orients[vias_.num] = orient;
  finishShape(vias_, viaName, colorMask, routeStatus, shapeType, routeStatusName, needCbk);
}

void defiNet::clearRectPoly() {
  defiFreeArray(rects_.xl);
  defiFreeArray(rects_.yl);
  defiFreeArray(rects_.xh);
  defiFreeArray(rects_.yh);
  freeShapeAttrs(rects_);
  for (int i = 0; i < polys_.num; i++) defiFreePoints(polys_.points[i]);
  defiFreeArray(polys_.points);
  freeShapeAttrs(polys_);
}

void defiNet::clearVia() {
  for (int i = 0; i < vias_.num; i++) defiFreePoints(vias_.points[i]);
  defiFreeArray(vias_.points);
  defiFreeArray(vias_.orients);
  freeShapeAttrs(vias_);
}

void defiNet::freeWire() {
  deleteObjects(wires_, numWires_, wiresAllocated_);
  clearRectPoly();
  clearVia();
}

void defiNet::freeShield() { deleteObjects(shields_, numShields_, shieldsAllocated_); }

void defiNet::clearRectPolyNPath() {
  paths_.clear();
  clearRectPoly();
}

bool defiNet::checkRect(int i) const {
  return defiCheckIndex(i, rects_.num, kRectCheck, defData_);
}

bool defiNet::checkPoly(int i) const {
  return defiCheckIndex(i, polys_.num, kPolygonCheck, defData_);
}

bool defiNet::checkVia(int i) const {
  return defiCheckIndex(i, vias_.num, kPolygonCheck, defData_);
}

const char* defiNet::rectName(int i) const { return checkRect(i) ? rects_.names[i] : nullptr; }
int defiNet::xl(int i) const { return checkRect(i) ? rects_.xl[i] : 0; }
int defiNet::yl(int i) const { return checkRect(i) ? rects_.yl[i] : 0; }
int defiNet::xh(int i) const { return checkRect(i) ? rects_.xh[i] : 0; }
int defiNet::yh(int i) const { return checkRect(i) ? rects_.yh[i] : 0; }
int defiNet::rectMask(int i) const { return checkRect(i) ? rects_.masks[i] : 0; }
const char* defiNet::rectRouteStatus(int i) const {
  return checkRect(i) ? rects_.routeStatus[i] : nullptr;
}
const char* defiNet::rectRouteStatusShieldName(int i) const {
  return checkRect(i) ? rects_.routeStatusName[i] : nullptr;
}
const char* defiNet::rectShapeType(int i) const {
  return checkRect(i) ? rects_.shapeType[i] : nullptr;
}

const char* defiNet::polygonName(int i) const { return checkPoly(i) ? polys_.names[i] : nullptr; }
defiPointList defiNet::getPolygon(int i) const {
  return defiInRange(i, polys_.num) ? polys_.points[i] : defiPointList{0, nullptr, nullptr};
}
int defiNet::polyMask(int i) const { return checkPoly(i) ? polys_.masks[i] : 0; }
const char* defiNet::polyRouteStatus(int i) const {
  return checkPoly(i) ? polys_.routeStatus[i] : nullptr;
}
const char* defiNet::polyRouteStatusShieldName(int i) const {
  return checkPoly(i) ? polys_.routeStatusName[i] : nullptr;
}
const char* defiNet::polyShapeType(int i) const {
  return checkPoly(i) ? polys_.shapeType[i] : nullptr;
}

const char* defiNet::viaName(int i) const { return checkVia(i) ? vias_.names[i] : nullptr; }
int defiNet::viaOrient(int i) const { return checkVia(i) ? vias_.orients[i] : 0; }
const char* defiNet::viaOrientStr(int i) const {
  return checkVia(i) ? defiOrientStr(vias_.orients[i]) : nullptr;
}
int defiNet::topMaskNum(int i) const { return checkVia(i) ? vias_.masks[i] / 100 : 0; }
int defiNet::cutMaskNum(int i) const { return checkVia(i) ? vias_.masks[i] / 10 % 10 : 0; }
int defiNet::bottomMaskNum(int i) const { return checkVia(i) ? vias_.masks[i] % 10 : 0; }
const char* defiNet::viaRouteStatus(int i) const {
  return checkVia(i) ? vias_.routeStatus[i] : nullptr;
}
const char* defiNet::viaRouteStatusShieldName(int i) const {
  return checkVia(i) ? vias_.routeStatusName[i] : nullptr;
}
const char* defiNet::viaShapeType(int i) const {
  return checkVia(i) ? vias_.shapeType[i] : nullptr;
}
defiPointList defiNet::getViaPts(int i) const {
  return defiInRange(i, vias_.num) ? vias_.points[i] : defiPointList{0, nullptr, nullptr};
}

void defiNet::print(FILE* f) const {
  fprintf(f, "Net '%s'", name_);
  if (hasWeight_) fprintf(f, " weight %d", weight_);
  if (hasCap_) fprintf(f, " cap %g", cap_);
  if (hasFrequency_) fprintf(f, " frequency %g", frequency_);
  if (hasVoltage_) fprintf(f, " voltage %g", voltage_);
  if (hasXTalk()) fprintf(f, " xtalk %d", xTalk_);
  if (style_) fprintf(f, " style %d", style_);
  if (source_) fprintf(f, " source '%s'", source_);
  if (pattern_) fprintf(f, " pattern '%s'", pattern_);
  if (original_) fprintf(f, " original '%s'", original_);
  if (use_) fprintf(f, " use '%s'", use_);
  if (nonDefaultRule_) fprintf(f, " nondefaultrule '%s'", nonDefaultRule_);
  if (isFixed_) fprintf(f, " FIXED");
  if (isRouted_) fprintf(f, " ROUTED");
  if (isCover_) fprintf(f, " COVER");
  fprintf(f, "\n");
  for (int i = 0; i < props_.num(); i++) {
    fprintf(f, "  Prop '%s' '%s'\n", propName(i), propValue(i));
  }
  for (int i = 0; i < conns_.num(); i++) {
    fprintf(f, "  ( %s %s )%s%s\n", conns_.instance(i), conns_.pin(i),
            conns_.synthesized(i) ? " SYNTHESIZED" : "",
            conns_.mustJoin(i) ? " MUSTJOIN" : "");
  }
  for (int i = 0; i < numVpins_; i++) {
    const defiVpin* v = vpins_[i];
    fprintf(f, "  VPIN %s %d %d %d %d", v->name(), v->xl(), v->yl(), v->xh(), v->yh());
    if (v->layer()) fprintf(f, " layer %s", v->layer());
    if (v->status() != ' ') {
      fprintf(f, " %c %d %d %s", v->status(), v->xLoc(), v->yLoc(), v->orientStr());
    }
    fprintf(f, "\n");
  }
  for (int i = 0; i < numSubnets_; i++) subnets_[i]->print(f);
  for (int i = 0; i < numWires_; i++) {
    fprintf(f, "  %s\n", wires_[i]->wireType());
    for (int j = 0; j < wires_[i]->numPaths(); j++) wires_[i]->path(j)->print(f);
  }
}

}  // namespace LefDefParser
