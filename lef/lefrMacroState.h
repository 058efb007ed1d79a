// Grammar state of the VIA, MAXVIASTACK, PROPERTYDEFINITIONS, MACRO, PIN and
// OBS statements for one read.
#ifndef VELMOR_LEF_LEFRMACROSTATE_H
#define VELMOR_LEF_LEFRMACROSTATE_H

#include <string>

namespace LefDefParser {

class lefiGeometries;

struct lefrMacroState {
  lefrMacroState() = default;
  ~lefrMacroState();
  lefrMacroState(const lefrMacroState&) = delete;
  lefrMacroState& operator=(const lefrMacroState&) = delete;

  // Releases what a statement abandoned by a syntax error held.
  void abandon();

  const char* rangeNames[2];  // MAXVIASTACK RANGE layers (ring strings)

  int viaLayers;
  std::string viaName;
  lefiGeometries* viaPoly;  // points of a via POLYGON, made with the callback

  char propType;  // data type of the definition being read
  int propOwner;  // whose PROPERTY list is being read

  std::string macroName;
  int siteSeen, symmetrySeen, sizeSeen, pinSeen, obsSeen, originSeen;
  double siteStep[4];
  char classText[258];
  struct {
    const char* name;  // ring string
    int hasPnt;
    double x, y;
    int orient;
  } foreign;

  std::string pinName;

  int doingGeom;
  lefiGeometries* geom;  // PORT or OBS list being filled
  int layerSeen;
  int portShape;  // 0 at PORT, 1 after LAYER, 2 after PATH, RECT or POLYGON
};

}  // namespace LefDefParser

#endif
