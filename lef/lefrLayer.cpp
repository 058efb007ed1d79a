#include "lef/lefrLayer.h"

#include <cstdio>
#include <cstring>

#include "lef/lefiMisc.h"
#include "lef/lefrCallbacks.h"
#include "lef/lefrData.h"
#include "lef/lefrMessages.h"
#include "lef/lefrSettings.h"

namespace LefDefParser {

namespace {

struct MsgRow {
  int number;
  bool warning;
  const char* text;
};

const MsgRow kMessages[] = {
#define LEF_LAYER_MSG_ROW(id, number, kind, text) {number, #kind[0] == 'W', text},
    LEF_LAYER_MESSAGES(LEF_LAYER_MSG_ROW)
#undef LEF_LAYER_MSG_ROW
};

struct ValueRow {
  lefLayerValueGroup group;
  lefLayerTypeRule rule;
  lefLayerMsg msg;
  lefLayerMsg obsolete;
  void (lefiLayer::*set)(double);
};

const ValueRow kValues[] = {
#define LEF_LAYER_VALUE_ROW(id, group, rule, msg, obsolete, setter) \
  {group, rule, msg, obsolete, &lefiLayer::setter},
    LEF_LAYER_VALUES(LEF_LAYER_VALUE_ROW)
#undef LEF_LAYER_VALUE_ROW
};

struct AntennaRow {
  double version;  // 0: no version or mixed-syntax check, no new-syntax flag
  lefLayerMsg versionMsg;
  lefLayerMsg mixedMsg;
  lefLayerTypeRule rule;
  lefLayerMsg typeMsg;
  int kind;
  void (lefiLayer::*set)(double);
};

const AntennaRow kAntenna[] = {
#define LEF_LAYER_ANTENNA_ROW(id, version, versionMsg, mixedMsg, rule, typeMsg, kind, setter) \
  {version, versionMsg, mixedMsg, rule, typeMsg, kind, setter},
    LEF_LAYER_ANTENNA(LEF_LAYER_ANTENNA_ROW)
#undef LEF_LAYER_ANTENNA_ROW
};

}  // namespace

void lefLayerReport(lefLayerMsg msg) {
  if (msg == kLayerNoMsg) return;
  const MsgRow& row = kMessages[msg];
  if (row.warning)
    lefWarning(row.number, row.text);
  else if (strstr(row.text, "%g"))
    lefErrorf(row.number, row.text, lefData->versionNum);
  else
    lefError(row.number, row.text);
}

void lefLayerReportNames(lefLayerMsg msg, const char* first, const char* second) {
  const MsgRow& row = kMessages[msg];
  lefErrorf(row.number, row.text, first, second);
}

lefrLayerState::lefrLayerState() : minSize(nullptr) {
  layerSeen = 0;
  maxViaStackSeen = 0;
  arrayCutsWarned = 0;
  prevArrayCuts = 0;
  startLayer("");
  lengthCount = 0;
  tableRows = 0;
  twoWidthsPrl = -1.0;
  cutConnection = 0;
  antennaKind = lefiAntennaDAR;
  pointSetter = nullptr;
}

lefrLayerState::~lefrLayerState() { abandon(); }

void lefrLayerState::startLayer(const char* layerName) {
  routing = cut = masterOverlap = 0;
  hasType = hasPitch = hasWidth = hasDirection = 0;
  hasSpacing = hasSpacingTable = hasParallel = hasInfluence = hasTwoWidths = 0;
  centerToCenter = sameNet = parallelOverlap = 0;
  name = layerName;
}

void lefrLayerState::abandon() {
  lefiFreeObj(minSize);
  name.clear();
}

void lefrLayerState::startMinSize() {
  lefiFreeObj(minSize);
  minSize = lefiNewObj<lefiGeometries>();
}

void lefrLayerState::endMinSize(bool store) {
  if (store && minSize) {
    minSize->addPolygon(0);
    lefData->layer.setMinSize(minSize);
  }
  lefiFreeObj(minSize);
}

bool lefrLayerState::typeFails(lefLayerTypeRule rule) const {
  switch (rule) {
    case kLayerAnyType:
      return false;
    case kLayerRoutingOnly:
      return !routing;
    case kLayerCutOnly:
      return !cut;
    case kLayerRoutingOrCut:
      return !routing && !cut;
    case kLayerNotMasterOverlap:
      return masterOverlap != 0;
    case kLayerNotCutMasterOverlap:
      return cut || masterOverlap;
  }
  return false;
}

bool lefrLayerState::valueVerdict(int valueId, lefLayerMsg* msg) const {
  const ValueRow& row = kValues[valueId];
  double version = lefData->versionNum;
  int ant53 = lefData->ant53;
  *msg = kLayerNoMsg;
  switch (row.group) {
    case kLayerElectrical:
      if (typeFails(row.rule)) *msg = row.msg;
      return true;
    case kLayerSlot:
      if (ant53) return true;
      if (version >= 5.7) {
        *msg = row.obsolete;
        return false;
      }
      if (version >= 5.4) return true;
      *msg = row.msg;
      return false;
    case kLayerDensity:
      if (!ant53 && version < 5.4) *msg = row.msg;
      return true;
  }
  return true;
}

lefLayerMsg lefrLayerState::antennaSyntaxMsg(int antennaId) {
  const AntennaRow& row = kAntenna[antennaId];
  if (row.version == 0.0) return kLayerNoMsg;
  lefData->use5_4 = 1;
  if (lefData->ant53) return kLayerNoMsg;
  if (lefData->versionNum < row.version) return row.versionMsg;
  return lefData->use5_3 ? row.mixedMsg : kLayerNoMsg;
}

void lefLayerSetValue(int valueId, double value) { (lefData->layer.*kValues[valueId].set)(value); }

lefLayerTypeRule lefLayerAntennaRule(int antennaId) { return kAntenna[antennaId].rule; }

lefLayerMsg lefLayerAntennaTypeMsg(int antennaId) { return kAntenna[antennaId].typeMsg; }

void lefLayerAntennaKind(int antennaId) {
  int kind = kAntenna[antennaId].kind;
  if (kind) lefData->layerState.antennaKind = static_cast<lefiAntennaEnum>(kind);
}

void lefLayerAntennaStore(int antennaId, double value) {
  (lefData->layer.*kAntenna[antennaId].set)(value);
}

void lefLayerAntennaPwlStart(double d1, double r1, double d2, double r2) {
  lefiFreeObj(lefData->antennaPWL);
  lefData->antennaPWL = lefiAntennaPWL::create();
  lefData->antennaPWL->addAntennaPWL(d1, r1);
  lefData->antennaPWL->addAntennaPWL(d2, r2);
}

void lefLayerAntennaPwlAdd(double d, double r) {
  if (lefData->antennaPWL) lefData->antennaPWL->addAntennaPWL(d, r);
}

void lefLayerAntennaPwlEnd(lefiAntennaEnum kind) {
  if (!lefData->antennaPWL) return;
  lefData->layer.setAntennaPWL(kind, lefData->antennaPWL);
  lefData->antennaPWL = nullptr;
}

void lefLayerAddProp(const char* name, const char* value) {
  lefData->layer.addProp(name, value, lefSettings->lefProps.lefrLayerProp.propType(name));
}

void lefLayerAddNumProp(const char* name, double value) {
  char text[64];
  snprintf(text, sizeof(text), "%.11g", value);
  lefData->layer.addNumProp(name, value, text, lefSettings->lefProps.lefrLayerProp.propType(name));
}

}  // namespace LefDefParser
