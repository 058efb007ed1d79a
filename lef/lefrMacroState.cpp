#include "lef/lefrMacroState.h"

#include "lef/lefiMisc.h"
#include "lef/lefiUtil.h"

namespace LefDefParser {

lefrMacroState::~lefrMacroState() { abandon(); }

void lefrMacroState::abandon() {
  lefiFreeObj(geom);
  lefiFreeObj(viaPoly);
  doingGeom = 0;
  viaName.clear();
  macroName.clear();
  pinName.clear();
}

}  // namespace LefDefParser
