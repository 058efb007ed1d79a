// The LEF callback table: one function slot per kind of statement.
#ifndef VELMOR_LEF_LEFRCALLBACKS_H
#define VELMOR_LEF_LEFRCALLBACKS_H

#include "lef/lefiUtil.h"

namespace LefDefParser {

class lefiArray;
class lefiCorrectionTable;
class lefiDensity;
class lefiIRDrop;
class lefiLayer;
class lefiMacro;
class lefiMacroForeign;
class lefiMacroSite;
class lefiMaxStackVia;
class lefiMinFeature;
class lefiNoiseTable;
class lefiNonDefault;
class lefiObstruction;
class lefiPin;
class lefiProp;
class lefiSite;
class lefiSpacing;
class lefiTiming;
class lefiUnits;
class lefiUseMinSpacing;
class lefiVia;
class lefiViaRule;

typedef void* lefiUserData;

// X(slot name, data type, type code, label for the unused-callback report;
// nullptr for slots that the report leaves out), in slot order.
#define LEF_CALLBACK_SLOTS(X)                                              \
  X(AntennaInout, double, 41, "AntennaInout")                             \
  X(AntennaInput, double, 40, "AntennaInput")                             \
  X(AntennaOutput, double, 42, "AntennaOutput")                           \
  X(ArrayBegin, const char*, 27, "ArrayBegin")                            \
  X(Array, lefiArray*, 24, "Array")                                       \
  X(ArrayEnd, const char*, 28, "ArrayEnd")                                \
  X(BusBitChars, const char*, 4, "BusBitChars")                           \
  X(CaseSensitive, int, 6, "CaseSensitive")                               \
  X(ClearanceMeasure, const char*, 45, "ClearanceMeasure")                \
  X(CorrectionTable, lefiCorrectionTable*, 36, "CorrectionTable")         \
  X(Density, lefiDensity*, 54, "Density")                                 \
  X(Dielectric, double, 16, "Dielectric")                                 \
  X(DividerChar, const char*, 3, "DividerChar")                           \
  X(EdgeRateScaleFactor, double, 34, "EdgeRateScaleFactor")               \
  X(EdgeRateThreshold1, double, 32, "EdgeRateThreshold1")                 \
  X(EdgeRateThreshold2, double, 33, "EdgeRateThreshold2")                 \
  X(Extension, const char*, 53, "Extension")                              \
  X(FixedMask, int, 55, "FixedMask")                                      \
  X(IRDropBegin, void*, 29, "IRDropBegin")                                \
  X(IRDrop, lefiIRDrop*, 15, "IRDrop")                                    \
  X(IRDropEnd, void*, 30, "IRDropEnd")                                    \
  X(InoutAntenna, double, 39, "InoutAntenna")                             \
  X(InputAntenna, double, 37, "InputAntenna")                             \
  X(Layer, lefiLayer*, 11, "Layer")                                       \
  X(LibraryEnd, void*, 58, "LibraryEnd")                                  \
  X(MacroBegin, const char*, 20, "MacroBegin")                            \
  X(Macro, lefiMacro*, 22, "Macro")                                       \
  X(MacroClassType, const char*, 47, nullptr)                             \
  X(MacroEnd, const char*, 51, nullptr)                                   \
  X(MacroFixedMask, int, 50, nullptr)                                     \
  X(MacroOrigin, lefiPoints, 48, nullptr)                                 \
  X(MacroSite, lefiMacroSite const*, 56, nullptr)                         \
  X(MacroForeign, lefiMacroForeign const*, 57, nullptr)                   \
  X(MacroSize, lefiPoints, 49, nullptr)                                   \
  X(Manufacturing, double, 43, "Manufacturing")                           \
  X(MaxStackVia, lefiMaxStackVia*, 52, "MaxStackVia")                     \
  X(MinFeature, lefiMinFeature*, 17, "MinFeature")                        \
  X(NoWireExtension, const char*, 7, "NoWireExtensionAtPins")             \
  X(NoiseMargin, lefiNoiseMargin*, 31, "NoiseMargin")                     \
  X(NoiseTable, lefiNoiseTable*, 35, "NoiseTable")                        \
  X(NonDefault, lefiNonDefault*, 18, "NonDefault")                        \
  X(Obstruction, lefiObstruction*, 23, "Obstruction")                     \
  X(OutputAntenna, double, 38, "OutputAntenna")                           \
  X(Pin, lefiPin*, 21, "Pin")                                             \
  X(PropBegin, void*, 8, "PropBegin")                                     \
  X(Prop, lefiProp*, 9, "Prop")                                           \
  X(PropEnd, void*, 10, "PropEnd")                                        \
  X(Site, lefiSite*, 19, "Site")                                          \
  X(SpacingBegin, void*, 25, "SpacingBegin")                              \
  X(Spacing, lefiSpacing*, 14, "Spacing")                                 \
  X(SpacingEnd, void*, 26, "SpacingEnd")                                  \
  X(Timing, lefiTiming*, 46, "Timing")                                    \
  X(Units, lefiUnits*, 5, "Units")                                        \
  X(UseMinSpacing, lefiUseMinSpacing*, 44, "UseMinSpacing")               \
  X(Version, double, 1, "Version")                                        \
  X(VersionStr, const char*, 2, "Version")                                \
  X(Via, lefiVia*, 12, "Via")                                             \
  X(ViaRule, lefiViaRule*, 13, "ViaRule")

enum lefrCallbackType_e {
  lefrUnspecifiedCbkType = 0,
#define LEF_CALLBACK_TYPE(slot, T, code, label) lefr##slot##CbkType = code,
  LEF_CALLBACK_SLOTS(LEF_CALLBACK_TYPE)
#undef LEF_CALLBACK_TYPE
};

// Function type of a slot whose data argument is T.
template <class T>
using lefrCbkFn = int (*)(lefrCallbackType_e, T, lefiUserData);

// The function that lefrSetUnusedCallbacks stores in every empty slot.
typedef int (*lefrVoidCbkFnType)(lefrCallbackType_e, void*, lefiUserData);

struct lefrCallbacks {
  lefrCallbacks();

  // Replaces the global table by an empty one.
  static void reset();

  // Fills every empty slot with a forwarder to fn; filled slots keep theirs.
  void setUnused(lefrVoidCbkFnType fn);

  // Beside each slot, the function its forwarder calls, so that a later
  // setUnused leaves it alone.
#define LEF_CALLBACK_FIELD(slot, T, code, label) \
  lefrCbkFn<T> slot##Cbk;                        \
  lefrVoidCbkFnType slot##Unused;
  LEF_CALLBACK_SLOTS(LEF_CALLBACK_FIELD)
#undef LEF_CALLBACK_FIELD
};

extern lefrCallbacks* lefCallbacks;

// Label of a type code in the unused-callback report; nullptr for codes the
// report leaves out, "BOGUS ENTRY" for codes without a slot.
const char* lefrCallbackLabel(int code);

}  // namespace LefDefParser

#endif
