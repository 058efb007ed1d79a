// The LAYER statement's grammar state for one read.
#ifndef VELMOR_LEF_LEFRLAYERSTATE_H
#define VELMOR_LEF_LEFRLAYERSTATE_H

#include <string>

#include "lef/lefiLayer.h"
#include "lef/lefrLayer.h"

namespace LefDefParser {

class lefiGeometries;

// The LAYER statement's state: some fields last for the read, the others
// for one layer or one sub-statement.
struct lefrLayerState {
  lefrLayerState();
  ~lefrLayerState();
  lefrLayerState(const lefrLayerState&) = delete;
  lefrLayerState& operator=(const lefrLayerState&) = delete;

  // Per read.
  int layerSeen;        // a LAYER was read; MAXVIASTACK needs one before it
  int maxViaStackSeen;  // a later LAYER draws 1506
  int arrayCutsWarned;  // 2080 is given once per read
  int prevArrayCuts;    // ARRAYCUTS of the previous pair
  // Per layer.
  int routing;
  int cut;
  int masterOverlap;
  int hasType;
  int hasPitch;
  int hasWidth;
  int hasDirection;
  int hasSpacing;
  int hasSpacingTable;
  int hasParallel;
  int hasInfluence;
  int hasTwoWidths;
  std::string name;  // for the END check
  // Per sub-statement.
  int centerToCenter;
  int sameNet;
  int parallelOverlap;
  int lengthCount;    // PARALLELRUNLENGTH lengths, as the number stack counts them
  int tableRows;      // rows read so far in the current SPACINGTABLE
  double twoWidthsPrl;  // the TWOWIDTHS row's PRL, -1 without one
  int cutConnection;  // MINIMUMCUT had FROMABOVE or FROMBELOW
  lefiAntennaEnum antennaKind;
  lefiGeometries* minSize;  // MINSIZE point collector, null outside MINSIZE
  void (lefiLayer::*pointSetter)(double, double);  // where PWL points go; null drops them

  // LAYER name: the per-layer fields.
  void startLayer(const char* layerName);
  // What a statement left behind when a syntax error abandoned it.
  void abandon();
  // A new MINSIZE collector, or the MINSIZE points becoming the layer's list.
  void startMinSize();
  void endMinSize(bool store);

  // Whether the layer's TYPE breaks the rule.
  bool typeFails(lefLayerTypeRule rule) const;
  // The message an electrical, slot or density value draws (kLayerNoMsg for
  // none); false when the value is not stored.
  bool valueVerdict(int valueId, lefLayerMsg* msg) const;
  // The version or mixed-syntax message of a new-syntax antenna statement,
  // kLayerNoMsg for none. Sets the new-syntax flag first where the
  // statement does.
  lefLayerMsg antennaSyntaxMsg(int antennaId);
};

}  // namespace LefDefParser

#endif
