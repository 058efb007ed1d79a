#include "def/defrCallbacks.h"

namespace LefDefParser {

const char* typeToString(defrCallbackType_e type) {
  switch (type) {
#define DEFR_CALLBACK_NAME(name, code, text) \
  case name:                                 \
    return text;
    DEFR_CALLBACK_TYPES(DEFR_CALLBACK_NAME)
#undef DEFR_CALLBACK_NAME
  }
  return "BOGUS";
}

namespace {

// Stores the catch-all in a slot of any function type; it relies on its first argument only.
template <class F>
void fillEmpty(F& slot, defrVoidCbkFnType f) {
  if (!slot) slot = reinterpret_cast<F>(reinterpret_cast<void (*)()>(f));
}

}  // namespace

void defrCallbacks::setUnused(defrVoidCbkFnType f) {
  bool versionEmpty = !VersionCbk && !VersionStrCbk;
  defrStringCbkFnType netName = NetNameCbk, subnetName = NetSubnetNameCbk,
                      nonDefault = NetNonDefaultRuleCbk;
  defrNetCbkFnType netPartial = NetPartialPathCbk, snetPartial = SNetPartialPathCbk,
                   snetWire = SNetWireCbk;
  defrDoubleCbkFnType version = VersionCbk;
  defrStringCbkFnType versionStr = VersionStrCbk;
#define DEFR_CALLBACK_FILL(name, fnType, unsetName) fillEmpty(name##Cbk, f);
  DEFR_CALLBACK_SLOTS(DEFR_CALLBACK_FILL)
#undef DEFR_CALLBACK_FILL
  NetNameCbk = netName;
  NetSubnetNameCbk = subnetName;
  NetNonDefaultRuleCbk = nonDefault;
  NetPartialPathCbk = netPartial;
  SNetPartialPathCbk = snetPartial;
  SNetWireCbk = snetWire;
  if (!versionEmpty) {
    VersionCbk = version;
    VersionStrCbk = versionStr;
  }
}

}  // namespace LefDefParser
