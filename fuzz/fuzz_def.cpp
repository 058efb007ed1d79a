// Reads the input as a DEF file with every callback of the routed-design sections
// registered and paths kept in their nets; each record is printed to /dev/null so that
// every accessor runs over what the reader built.
#include <cstdint>
#include <cstdio>

#include "def/defiComponent.h"
#include "def/defiMisc.h"
#include "def/defiNet.h"
#include "def/defiPath.h"
#include "def/defiPinCap.h"
#include "def/defiProp.h"
#include "def/defiRowTrack.h"
#include "def/defiVia.h"
#include "def/defrReader.h"
// regions, groups, pin properties
#include "def/defiGroup.h"
#include "def/defiRegion.h"
// blockages, slots, fills
#include "def/defiBlockage.h"
#include "def/defiFill.h"
#include "def/defiSlot.h"
// non-default rules, styles, scan chains
#include "def/defiNonDefault.h"
#include "def/defiScanchain.h"
// assertions, constraints, I/O timings, timing disables
#include "def/defiAssertion.h"
#include "def/defiIOTiming.h"
#include "def/defiTimingDisable.h"
// floorplan constraints, partitions
#include "def/defiFPC.h"
#include "def/defiPartition.h"

using namespace LefDefParser;

namespace {

FILE* sink = nullptr;

int onText(defrCallbackType_e, const char* text, void*) {
  fputs(text ? text : "", sink);
  return 0;
}
int onInt(defrCallbackType_e, int, void*) { return 0; }
int onDouble(defrCallbackType_e, double, void*) { return 0; }
int onVoid(defrCallbackType_e, void*, void*) { return 0; }

template <class T>
int onRecord(defrCallbackType_e, T* record, void*) {
  record->print(sink);
  return 0;
}

int onMaskShift(defrCallbackType_e, defiComponentMaskShiftLayer* layers, void*) {
  for (int i = 0; i < layers->numMaskShiftLayers(); i++) fputs(layers->maskShiftLayer(i), sink);
  return 0;
}

// The assertion's print names only its kind: its items are walked here.
int onAssertion(defrCallbackType_e, defiAssertion* a, void*) {
  a->print(sink);
  for (int i = 0; i < a->numItems(); i++) {
    char *fromInst = nullptr, *fromPin = nullptr, *toInst = nullptr, *toPin = nullptr;
    a->net(i, &fromInst);
    a->path(i, &fromInst, &fromPin, &toInst, &toPin);
    fprintf(sink, "%s %s %s %s\n", fromInst ? fromInst : "", fromPin ? fromPin : "",
            toInst ? toInst : "", toPin ? toPin : "");
  }
  fprintf(sink, "%s %g %g\n", a->netName(), a->distance(), a->riseMin());
  return 0;
}

void quiet(const char*) {}

void setUp() {
  sink = fopen("/dev/null", "w");
  defrSetLogFunction(quiet);
  defrSetWarningLogFunction(quiet);
  defrSetAddPathToNet();
  for (auto set : {defrSetDesignCbk, defrSetTechnologyCbk, defrSetArrayNameCbk,
                   defrSetFloorPlanNameCbk, defrSetDividerCbk, defrSetBusBitCbk,
                   defrSetHistoryCbk, defrSetVersionStrCbk, defrSetNetNameCbk,
                   defrSetNetSubnetNameCbk, defrSetNetNonDefaultRuleCbk, defrSetPinExtCbk,
                   defrSetComponentExtCbk, defrSetViaExtCbk, defrSetNetConnectionExtCbk,
                   defrSetNetExtCbk, defrSetGroupExtCbk, defrSetScanChainExtCbk,
                   defrSetIoTimingsExtCbk, defrSetPartitionsExtCbk, defrSetExtensionCbk})
    set(onText);
  for (auto set : {defrSetComponentStartCbk, defrSetNetStartCbk, defrSetStartPinsCbk,
                   defrSetViaStartCbk, defrSetSNetStartCbk, defrSetDefaultCapCbk,
                   defrSetCaseSensitiveCbk})
    set(onInt);
  for (auto set : {defrSetDesignEndCbk, defrSetPropDefEndCbk, defrSetPropDefStartCbk,
                   defrSetComponentEndCbk, defrSetNetEndCbk, defrSetPinEndCbk,
                   defrSetViaEndCbk, defrSetSNetEndCbk})
    set(onVoid);
  defrSetUnitsCbk(onDouble);
  defrSetPropCbk(onRecord<defiProp>);
  defrSetCanplaceCbk(onRecord<defiSite>);
  defrSetCannotOccupyCbk(onRecord<defiSite>);
  defrSetComponentCbk(onRecord<defiComponent>);
  defrSetComponentMaskShiftLayerCbk(onMaskShift);
  defrSetNetCbk(onRecord<defiNet>);
  defrSetSNetCbk(onRecord<defiNet>);
  defrSetSNetPartialPathCbk(onRecord<defiNet>);
  defrSetSNetWireCbk(onRecord<defiNet>);
  defrSetPathCbk(onRecord<defiPath>);
  defrSetDieAreaCbk(onRecord<defiBox>);
  defrSetPinCapCbk(onRecord<defiPinCap>);
  defrSetPinCbk(onRecord<defiPin>);
  defrSetRowCbk(onRecord<defiRow>);
  defrSetTrackCbk(onRecord<defiTrack>);
  defrSetGcellGridCbk(onRecord<defiGcellGrid>);
  defrSetViaCbk(onRecord<defiVia>);
  // regions, groups, pin properties
  defrSetRegionStartCbk(onInt);
  defrSetRegionCbk(onRecord<defiRegion>);
  defrSetRegionEndCbk(onVoid);
  defrSetGroupsStartCbk(onInt);
  defrSetGroupNameCbk(onText);
  defrSetGroupMemberCbk(onText);
  defrSetGroupCbk(onRecord<defiGroup>);
  defrSetGroupsEndCbk(onVoid);
  defrSetPinPropStartCbk(onInt);
  defrSetPinPropCbk(onRecord<defiPinProp>);
  defrSetPinPropEndCbk(onVoid);

  // blockages, slots, fills
  for (auto set : {defrSetBlockageStartCbk, defrSetSlotStartCbk, defrSetFillStartCbk}) set(onInt);
  for (auto set : {defrSetBlockageEndCbk, defrSetSlotEndCbk, defrSetFillEndCbk}) set(onVoid);
  defrSetBlockageCbk(onRecord<defiBlockage>);
  defrSetSlotCbk(onRecord<defiSlot>);
  defrSetFillCbk(onRecord<defiFill>);

  // non-default rules, styles, scan chains
  for (auto set : {defrSetNonDefaultStartCbk, defrSetStylesStartCbk, defrSetScanchainsStartCbk})
    set(onInt);
  for (auto set : {defrSetNonDefaultEndCbk, defrSetStylesEndCbk, defrSetScanchainsEndCbk})
    set(onVoid);
  defrSetNonDefaultCbk(onRecord<defiNonDefault>);
  defrSetScanchainCbk(onRecord<defiScanchain>);
  defrSetStylesCbk([](defrCallbackType_e, defiStyles* style, void*) {
    defiPointList pts = style->getPolygon();
    for (int i = 0; i < pts.numPoints; i++)
      fprintf(sink, "%d %d %d", style->style(), pts.x[i], pts.y[i]);
    return 0;
  });

  // assertions, constraints, I/O timings, timing disables
  for (auto set : {defrSetAssertionsStartCbk, defrSetConstraintsStartCbk,
                   defrSetIOTimingsStartCbk, defrSetTimingDisablesStartCbk})
    set(onInt);
  for (auto set : {defrSetAssertionsEndCbk, defrSetConstraintsEndCbk, defrSetIOTimingsEndCbk,
                   defrSetTimingDisablesEndCbk})
    set(onVoid);
  defrSetAssertionCbk(onAssertion);
  defrSetConstraintCbk(onAssertion);
  defrSetIOTimingCbk(onRecord<defiIOTiming>);
  defrSetTimingDisableCbk(onRecord<defiTimingDisable>);

  // floorplan constraints, partitions
  defrSetFPCStartCbk(onInt);
  defrSetFPCCbk(onRecord<defiFPC>);
  defrSetFPCEndCbk(onVoid);
  defrSetPartitionsStartCbk(onInt);
  defrSetPartitionCbk(onRecord<defiPartition>);
  defrSetPartitionsEndCbk(onVoid);

  defrInit();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static bool ready = (setUp(), true);
  (void)ready;
  FILE* in = size ? fmemopen(const_cast<uint8_t*>(data), size, "r") : fopen("/dev/null", "r");
  if (!in) return 0;
  defrRead(in, "fuzz.def", nullptr, 1);
  fclose(in);
  // Each input starts from an empty session, and the read's state is not left behind.
  defrClearSession();
  return 0;
}
