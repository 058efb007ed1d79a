// The callback table: one slot per kind of DEF statement or section event, each with its
// own function type, and the type codes that tell a callback what it was called for.
#pragma once

namespace LefDefParser {

class defiProp;
class defiSite;
class defiComponent;
class defiComponentMaskShiftLayer;
class defiNet;
class defiPath;
class defiBox;
class defiPinCap;
class defiPin;
class defiRow;
class defiTrack;
class defiGcellGrid;
class defiVia;
class defiRegion;
class defiGroup;
class defiAssertion;
class defiScanchain;
class defiIOTiming;
class defiFPC;
class defiTimingDisable;
class defiPartition;
class defiPinProp;
class defiBlockage;
class defiSlot;
class defiFill;
class defiNonDefault;
class defiStyles;

// Type codes passed as the first argument of every callback, with their display names.
#define DEFR_CALLBACK_TYPES(X) \
  X(defrUnspecifiedCbkType, 0, "Unspecified") \
  X(defrDesignStartCbkType, 1, "Design Start") \
  X(defrTechNameCbkType, 2, "Tech Name") \
  X(defrPropCbkType, 3, "Property") \
  X(defrPropDefEndCbkType, 4, "Property Definitions Section End") \
  X(defrPropDefStartCbkType, 5, "Property Definitions Section Start") \
  X(defrFloorPlanNameCbkType, 6, "FloorPlanName") \
  X(defrArrayNameCbkType, 7, "Array Name") \
  X(defrUnitsCbkType, 8, "Units") \
  X(defrDividerCbkType, 9, "Divider") \
  X(defrBusBitCbkType, 10, "BusBit Character") \
  X(defrSiteCbkType, 11, "BOGUS") \
  X(defrComponentStartCbkType, 12, "Components Section Start") \
  X(defrComponentCbkType, 13, "Component") \
  X(defrComponentEndCbkType, 14, "Components Section End") \
  X(defrNetStartCbkType, 15, "Nets Section Start") \
  X(defrNetCbkType, 16, "Net") \
  X(defrNetNameCbkType, 17, "Net Name") \
  X(defrNetNonDefaultRuleCbkType, 18, "Net Nondefaultrule") \
  X(defrNetSubnetNameCbkType, 19, "Net Subnet Name") \
  X(defrNetEndCbkType, 20, "Nets Section End") \
  X(defrPathCbkType, 21, "Path") \
  X(defrVersionCbkType, 22, "Version") \
  X(defrVersionStrCbkType, 23, "Version") \
  X(defrComponentExtCbkType, 24, "Component User Extention") \
  X(defrPinExtCbkType, 25, "Pin User Extension") \
  X(defrViaExtCbkType, 26, "Via User Extension") \
  X(defrNetConnectionExtCbkType, 27, "NetConnection User Extention") \
  X(defrNetExtCbkType, 28, "Net User Extension") \
  X(defrGroupExtCbkType, 29, "Group User Extension") \
  X(defrScanChainExtCbkType, 30, "ScanChain User Extension") \
  X(defrIoTimingsExtCbkType, 31, "IoTimings User Extension") \
  X(defrPartitionsExtCbkType, 32, "Partitions User Extension") \
  X(defrHistoryCbkType, 33, "History") \
  X(defrDieAreaCbkType, 34, "DieArea") \
  X(defrCanplaceCbkType, 35, "Canplace") \
  X(defrCannotOccupyCbkType, 36, "CannotOccupy") \
  X(defrPinCapCbkType, 37, "PinCap") \
  X(defrDefaultCapCbkType, 38, "DefaultCap") \
  X(defrStartPinsCbkType, 39, "Start Pins Section") \
  X(defrPinCbkType, 40, "Pin") \
  X(defrPinEndCbkType, 41, "End Pins Section") \
  X(defrRowCbkType, 42, "Row") \
  X(defrTrackCbkType, 43, "Track") \
  X(defrGcellGridCbkType, 44, "GcellGrid") \
  X(defrViaStartCbkType, 45, "Start Vias Section") \
  X(defrViaCbkType, 46, "Via") \
  X(defrViaEndCbkType, 47, "End Vias Section") \
  X(defrRegionStartCbkType, 48, "Region Section Start") \
  X(defrRegionCbkType, 49, "Region") \
  X(defrRegionEndCbkType, 50, "Region Section End") \
  X(defrSNetStartCbkType, 51, "Special Net Section Start") \
  X(defrSNetCbkType, 52, "Special Net") \
  X(defrSNetPartialPathCbkType, 53, "BOGUS") \
  X(defrSNetWireCbkType, 54, "BOGUS") \
  X(defrSNetEndCbkType, 55, "Special Net Section End") \
  X(defrGroupsStartCbkType, 56, "Groups Section Start") \
  X(defrGroupNameCbkType, 57, "Group Name") \
  X(defrGroupMemberCbkType, 58, "Group Member") \
  X(defrGroupCbkType, 59, "Group") \
  X(defrGroupsEndCbkType, 60, "Groups Section End") \
  X(defrAssertionsStartCbkType, 61, "Assertions Section Start") \
  X(defrAssertionCbkType, 62, "Assertion") \
  X(defrAssertionsEndCbkType, 63, "Assertions Section End") \
  X(defrConstraintsStartCbkType, 64, "Constraints Section Start") \
  X(defrConstraintCbkType, 65, "Constraint") \
  X(defrConstraintsEndCbkType, 66, "Constraints Section End") \
  X(defrScanchainsStartCbkType, 67, "Scanchains Section Start") \
  X(defrScanchainCbkType, 68, "Scanchain") \
  X(defrScanchainsEndCbkType, 69, "Scanchains Section End") \
  X(defrIOTimingsStartCbkType, 70, "IOTimings Section Start") \
  X(defrIOTimingCbkType, 71, "IOTiming") \
  X(defrIOTimingsEndCbkType, 72, "IOTimings Section End") \
  X(defrFPCStartCbkType, 73, "Floor Plan Constraints Section Start") \
  X(defrFPCCbkType, 74, "Floor Plan Constraint") \
  X(defrFPCEndCbkType, 75, "Floor Plan Constraints Section End") \
  X(defrTimingDisablesStartCbkType, 76, "TimingDisables Section Start") \
  X(defrTimingDisableCbkType, 77, "TimingDisable") \
  X(defrTimingDisablesEndCbkType, 78, "TimingDisables Section End") \
  X(defrPartitionsStartCbkType, 79, "Partitions Section Start") \
  X(defrPartitionCbkType, 80, "Partition") \
  X(defrPartitionsEndCbkType, 81, "Partitions Section End") \
  X(defrPinPropStartCbkType, 82, "PinProp Section Start") \
  X(defrPinPropCbkType, 83, "PinProp") \
  X(defrPinPropEndCbkType, 84, "PinProp Section End") \
  X(defrBlockageStartCbkType, 85, "Blockage Section Start") \
  X(defrBlockageCbkType, 86, "Blockage") \
  X(defrBlockageEndCbkType, 87, "Blockage Section End") \
  X(defrSlotStartCbkType, 88, "Slots Section Start") \
  X(defrSlotCbkType, 89, "Slots") \
  X(defrSlotEndCbkType, 90, "Slots Section End") \
  X(defrFillStartCbkType, 91, "Fills Section Start") \
  X(defrFillCbkType, 92, "Fills") \
  X(defrFillEndCbkType, 93, "Fills Section End") \
  X(defrCaseSensitiveCbkType, 94, "CaseSensitive") \
  X(defrNonDefaultStartCbkType, 95, "NonDefaultRule Section Start") \
  X(defrNonDefaultCbkType, 96, "NonDefault") \
  X(defrNonDefaultEndCbkType, 97, "NonDefaultRule Section End") \
  X(defrStylesStartCbkType, 98, "Styles Section Start") \
  X(defrStylesCbkType, 99, "Styles") \
  X(defrStylesEndCbkType, 100, "Styles Section End") \
  X(defrExtensionCbkType, 101, "Extension") \
  X(defrComponentMaskShiftLayerCbkType, 102, "ComponentMaskShiftLayer") \
  X(defrDesignEndCbkType, 103, "DesignEnd")

// Callback slots in table order: X(registration name, function type, unsetter name).
#define DEFR_CALLBACK_SLOTS(X) \
  X(Design, defrStringCbkFnType, Design) \
  X(Technology, defrStringCbkFnType, Technology) \
  X(DesignEnd, defrVoidCbkFnType, DesignEnd) \
  X(Prop, defrPropCbkFnType, Prop) \
  X(PropDefEnd, defrVoidCbkFnType, PropDefEnd) \
  X(PropDefStart, defrVoidCbkFnType, PropDefStart) \
  X(ArrayName, defrStringCbkFnType, ArrayName) \
  X(FloorPlanName, defrStringCbkFnType, FloorPlanName) \
  X(Units, defrDoubleCbkFnType, Units) \
  X(Divider, defrStringCbkFnType, Divider) \
  X(BusBit, defrStringCbkFnType, BusBit) \
  X(Site, defrSiteCbkFnType, Site) \
  X(Canplace, defrSiteCbkFnType, Canplace) \
  X(CannotOccupy, defrSiteCbkFnType, CannotOccupy) \
  X(ComponentStart, defrIntegerCbkFnType, ComponentStart) \
  X(ComponentEnd, defrVoidCbkFnType, ComponentEnd) \
  X(Component, defrComponentCbkFnType, Component) \
  X(ComponentMaskShiftLayer, defrComponentMaskShiftLayerCbkFnType, ComponentMaskShiftLayer) \
  X(NetStart, defrIntegerCbkFnType, NetStart) \
  X(NetEnd, defrVoidCbkFnType, NetEnd) \
  X(Net, defrNetCbkFnType, Net) \
  X(NetName, defrStringCbkFnType, NetName) \
  X(NetSubnetName, defrStringCbkFnType, NetSubnetName) \
  X(NetNonDefaultRule, defrStringCbkFnType, NetNonDefaultRule) \
  X(NetPartialPath, defrNetCbkFnType, NetPartialPath) \
  X(Path, defrPathCbkFnType, Path) \
  X(Version, defrDoubleCbkFnType, Version) \
  X(VersionStr, defrStringCbkFnType, VersionStr) \
  X(PinExt, defrStringCbkFnType, PinExt) \
  X(ComponentExt, defrStringCbkFnType, ComponentExt) \
  X(ViaExt, defrStringCbkFnType, ViaExt) \
  X(NetConnectionExt, defrStringCbkFnType, NetConnectionExt) \
  X(NetExt, defrStringCbkFnType, NetExt) \
  X(GroupExt, defrStringCbkFnType, GroupExt) \
  X(ScanChainExt, defrStringCbkFnType, ScanChainExt) \
  X(IoTimingsExt, defrStringCbkFnType, IOTimingsExt) \
  X(PartitionsExt, defrStringCbkFnType, PartitionsExt) \
  X(History, defrStringCbkFnType, History) \
  X(DieArea, defrBoxCbkFnType, DieArea) \
  X(PinCap, defrPinCapCbkFnType, PinCap) \
  X(Pin, defrPinCbkFnType, Pin) \
  X(StartPins, defrIntegerCbkFnType, StartPins) \
  X(PinEnd, defrVoidCbkFnType, PinEnd) \
  X(DefaultCap, defrIntegerCbkFnType, DefaultCap) \
  X(Row, defrRowCbkFnType, Row) \
  X(Track, defrTrackCbkFnType, Track) \
  X(GcellGrid, defrGcellGridCbkFnType, GcellGrid) \
  X(ViaStart, defrIntegerCbkFnType, ViaStart) \
  X(ViaEnd, defrVoidCbkFnType, ViaEnd) \
  X(Via, defrViaCbkFnType, Via) \
  X(RegionStart, defrIntegerCbkFnType, RegionStart) \
  X(RegionEnd, defrVoidCbkFnType, RegionEnd) \
  X(Region, defrRegionCbkFnType, Region) \
  X(SNetStart, defrIntegerCbkFnType, SNetStart) \
  X(SNetEnd, defrVoidCbkFnType, SNetEnd) \
  X(SNet, defrNetCbkFnType, SNet) \
  X(SNetPartialPath, defrNetCbkFnType, SNetPartialPath) \
  X(SNetWire, defrNetCbkFnType, SNetWire) \
  X(GroupsStart, defrIntegerCbkFnType, GroupsStart) \
  X(GroupsEnd, defrVoidCbkFnType, GroupsEnd) \
  X(GroupName, defrStringCbkFnType, GroupName) \
  X(GroupMember, defrStringCbkFnType, GroupMember) \
  X(Group, defrGroupCbkFnType, Group) \
  X(AssertionsStart, defrIntegerCbkFnType, AssertionsStart) \
  X(AssertionsEnd, defrVoidCbkFnType, AssertionsEnd) \
  X(Assertion, defrAssertionCbkFnType, Assertion) \
  X(ConstraintsStart, defrIntegerCbkFnType, ConstraintsStart) \
  X(ConstraintsEnd, defrVoidCbkFnType, ConstraintsEnd) \
  X(Constraint, defrAssertionCbkFnType, Constraint) \
  X(ScanchainsStart, defrIntegerCbkFnType, ScanchainsStart) \
  X(ScanchainsEnd, defrVoidCbkFnType, ScanchainsEnd) \
  X(Scanchain, defrScanchainCbkFnType, Scanchain) \
  X(IOTimingsStart, defrIntegerCbkFnType, IOTimingsStart) \
  X(IOTimingsEnd, defrVoidCbkFnType, IOTimingsEnd) \
  X(IOTiming, defrIOTimingCbkFnType, IOTiming) \
  X(FPCStart, defrIntegerCbkFnType, FPCStart) \
  X(FPCEnd, defrVoidCbkFnType, FPCEnd) \
  X(FPC, defrFPCCbkFnType, FPC) \
  X(TimingDisablesStart, defrIntegerCbkFnType, TimingDisablesStart) \
  X(TimingDisablesEnd, defrVoidCbkFnType, TimingDisablesEnd) \
  X(TimingDisable, defrTimingDisableCbkFnType, TimingDisable) \
  X(PartitionsStart, defrIntegerCbkFnType, PartitionsStart) \
  X(PartitionsEnd, defrVoidCbkFnType, PartitionsEnd) \
  X(Partition, defrPartitionCbkFnType, Partition) \
  X(PinPropStart, defrIntegerCbkFnType, PinPropStart) \
  X(PinPropEnd, defrVoidCbkFnType, PinPropEnd) \
  X(PinProp, defrPinPropCbkFnType, PinProp) \
  X(CaseSensitive, defrIntegerCbkFnType, CaseSensitive) \
  X(BlockageStart, defrIntegerCbkFnType, BlockageStart) \
  X(BlockageEnd, defrVoidCbkFnType, BlockageEnd) \
  X(Blockage, defrBlockageCbkFnType, Blockage) \
  X(SlotStart, defrIntegerCbkFnType, SlotStart) \
  X(SlotEnd, defrVoidCbkFnType, SlotEnd) \
  X(Slot, defrSlotCbkFnType, Slot) \
  X(FillStart, defrIntegerCbkFnType, FillStart) \
  X(FillEnd, defrVoidCbkFnType, FillEnd) \
  X(Fill, defrFillCbkFnType, Fill) \
  X(NonDefaultStart, defrIntegerCbkFnType, NonDefaultStart) \
  X(NonDefaultEnd, defrVoidCbkFnType, NonDefaultEnd) \
  X(NonDefault, defrNonDefaultCbkFnType, NonDefault) \
  X(StylesStart, defrIntegerCbkFnType, StylesStart) \
  X(StylesEnd, defrVoidCbkFnType, StylesEnd) \
  X(Styles, defrStylesCbkFnType, Styles) \
  X(Extension, defrStringCbkFnType, Extension)

enum defrCallbackType_e : int {
#define DEFR_CALLBACK_ENUM(name, code, text) name = code,
  DEFR_CALLBACK_TYPES(DEFR_CALLBACK_ENUM)
#undef DEFR_CALLBACK_ENUM
};

// Display name of a type code; "BOGUS" for codes without one.
const char* typeToString(defrCallbackType_e type);

template <class T>
using defrCbk = int (*)(defrCallbackType_e, T, void*);

typedef defrCbk<const char*> defrStringCbkFnType;
typedef defrCbk<void*> defrVoidCbkFnType;
typedef defrCbk<int> defrIntegerCbkFnType;
typedef defrCbk<double> defrDoubleCbkFnType;
typedef defrCbk<defiProp*> defrPropCbkFnType;
typedef defrCbk<defiSite*> defrSiteCbkFnType;
typedef defrCbk<defiComponent*> defrComponentCbkFnType;
typedef defrCbk<defiComponentMaskShiftLayer*> defrComponentMaskShiftLayerCbkFnType;
typedef defrCbk<defiNet*> defrNetCbkFnType;
typedef defrCbk<defiPath*> defrPathCbkFnType;
typedef defrCbk<defiBox*> defrBoxCbkFnType;
typedef defrCbk<defiPinCap*> defrPinCapCbkFnType;
typedef defrCbk<defiPin*> defrPinCbkFnType;
typedef defrCbk<defiRow*> defrRowCbkFnType;
typedef defrCbk<defiTrack*> defrTrackCbkFnType;
typedef defrCbk<defiGcellGrid*> defrGcellGridCbkFnType;
typedef defrCbk<defiVia*> defrViaCbkFnType;
typedef defrCbk<defiRegion*> defrRegionCbkFnType;
typedef defrCbk<defiGroup*> defrGroupCbkFnType;
typedef defrCbk<defiAssertion*> defrAssertionCbkFnType;
typedef defrCbk<defiScanchain*> defrScanchainCbkFnType;
typedef defrCbk<defiIOTiming*> defrIOTimingCbkFnType;
typedef defrCbk<defiFPC*> defrFPCCbkFnType;
typedef defrCbk<defiTimingDisable*> defrTimingDisableCbkFnType;
typedef defrCbk<defiPartition*> defrPartitionCbkFnType;
typedef defrCbk<defiPinProp*> defrPinPropCbkFnType;
typedef defrCbk<defiBlockage*> defrBlockageCbkFnType;
typedef defrCbk<defiSlot*> defrSlotCbkFnType;
typedef defrCbk<defiFill*> defrFillCbkFnType;
typedef defrCbk<defiNonDefault*> defrNonDefaultCbkFnType;
typedef defrCbk<defiStyles*> defrStylesCbkFnType;

class defrCallbacks {
public:
  // Fills every empty slot but the net-name, subnet-name, net non-default-rule and partial
  // path ones with f; the two Version slots only when both are empty.
  void setUnused(defrVoidCbkFnType f);

#define DEFR_CALLBACK_MEMBER(name, fnType, unsetName) fnType name##Cbk = nullptr;
  DEFR_CALLBACK_SLOTS(DEFR_CALLBACK_MEMBER)
#undef DEFR_CALLBACK_MEMBER
};

}  // namespace LefDefParser
