// What the grammar's LAYER actions share: the statement's messages, the
// layer-type rules of its sub-statements and the tables of its one-value
// sub-statements.
#ifndef VELMOR_LEF_LEFRLAYER_H
#define VELMOR_LEF_LEFRLAYER_H

#include "lef/lefiLayer.h"

namespace LefDefParser {

// X(id, number, kind, text); kind E for an error, W for a warning. A "%g"
// receives the read's version.
#define LEF_LAYER_MESSAGES(X)                                                                  \
  X(L1506, 1506, E, "A MAXVIASTACK statement is defined before the LAYER statement.\nRefer to the LEF Language Reference manual for the order of LEF statements.") \
  X(L1507, 1507, E, "END LAYER name %s is different from the LAYER name %s.\nCorrect the LEF file before rerunning it through the LEF parser.") \
  X(L1508, 1508, E, "TYPE statement is a required statement in a LAYER and it is not defined.") \
  X(L1509, 1509, E, "PITCH statement is a required statement in a LAYER with type ROUTING and it is not defined.") \
  X(L1510, 1510, E, "WIDTH statement is a required statement in a LAYER with type ROUTING and it is not defined.") \
  X(L1511, 1511, E, "The DIRECTION statement which is required in a LAYER with TYPE ROUTING is not defined in LAYER %s.\nUpdate your lef file and add the DIRECTION statement for layer %s.") \
  X(L1512, 1512, E, "It is incorrect to define a SPACING statement in LAYER with TYPE MASTERSLICE or OVERLAP. Parser will stop processing.") \
  X(L1513, 1513, E, "DIRECTION statement can only be defined in LAYER with TYPE ROUTING. Parser will stop processing.") \
  X(L1514, 1514, E, "RESISTANCE statement can only be defined in LAYER with TYPE ROUTING. Parser will stop processing.") \
  X(L1515, 1515, E, "RESISTANCE statement can only be defined in LAYER with TYPE ROUTING. Parser will stop processing.") \
  X(L1516, 1516, E, "CAPACITANCE statement can only be defined in LAYER with TYPE ROUTING. Parser will stop processing.") \
  X(L1517, 1517, E, "CAPACITANCE statement can only be defined in LAYER with TYPE ROUTING. Parser will stop processing.") \
  X(L1518, 1518, E, "HEIGHT statement can only be defined in LAYER with TYPE ROUTING. Parser will stop processing.") \
  X(L1519, 1519, E, "WIREEXTENSION statement can only be defined in LAYER with TYPE ROUTING. Parser will stop processing.") \
  X(L1520, 1520, E, "THICKNESS statement can only be defined in LAYER with TYPE ROUTING. Parser will stop processing.") \
  X(L1521, 1521, E, "SHRINKAGE statement can only be defined in LAYER with TYPE ROUTING. Parser will stop processing.") \
  X(L1522, 1522, E, "CAPMULTIPLIER statement can only be defined in LAYER with TYPE ROUTING. Parser will stop processing.") \
  X(L1523, 1523, E, "EDGECAPACITANCE statement can only be defined in LAYER with TYPE ROUTING. Parser will stop processing.") \
  X(L1525, 1525, E, "ANTENNALENGTHFACTOR statement can only be defined in LAYER with TYPE ROUTING. Parser will stop processing.") \
  X(L1526, 1526, E, "ANTENNALENGTHFACTOR statement is a version 5.3 or earlier syntax.\nYour lef file with version %g, has both old and new ANTENNALENGTHFACTOR syntax, which is incorrect.") \
  X(L1527, 1527, E, "ACCURRENTDENSITY statement can't be defined in LAYER with TYPE MASTERSLICE or OVERLAP. Parser will stop processing.") \
  X(L1528, 1528, E, "DCCURRENTDENSITY statement can't be defined in LAYER with TYPE MASTERSLICE or OVERLAP. Parser will stop processing.") \
  X(L1528w, 1528, E, "DCCURRENTDENSITY can't be defined in LAYER with TYPE MASTERSLICE or OVERLAP. Parser will stop processing.") \
  X(L1529, 1529, E, "CUTAREA statement can only be defined in LAYER with type CUT. Parser will stop processing.") \
  X(L1530, 1530, E, "WIDTH statement can only be defined in LAYER with type ROUTING. Parser will stop processing.") \
  X(L1531, 1531, E, "ANTENNAAREARATIO statement is a version 5.4 and later syntax.\nYour lef file is defined with version %g.") \
  X(L1532, 1532, E, "ANTENNADIFFAREARATIO statement is a version 5.4 and later syntax.\nYour lef file is defined with version %g.") \
  X(L1533, 1533, E, "ANTENNAAREARATIO statement can only be defined in LAYER with TYPE ROUTING or CUT. Parser will stop processing.") \
  X(L1534, 1534, E, "ANTENNADIFFAREARATIO statement can only be defined in LAYER with TYPE ROUTING or CUT. Parser will stop processing.") \
  X(L1535, 1535, E, "ANTENNACUMAREARATIO statement is a version 5.4 and later syntax.\nYour lef file is defined with version %g.") \
  X(L1536, 1536, E, "ANTENNACUMAREARATIO statement is a version 5.4 or earlier syntax.\nYour lef file with version %g, has both old and new ANTENNACUMAREARATIO syntax, which is incorrect.") \
  X(L1537, 1537, E, "ANTENNACUMAREARATIO statement can only be defined in LAYER with TYPE ROUTING or CUT. Parser will stop processing.") \
  X(L1538, 1538, E, "ANTENNACUMDIFFAREARATIO statement is a version 5.4 and later syntax.\nYour lef file is defined with version %g.") \
  X(L1539, 1539, E, "ANTENNACUMDIFFAREARATIO statement is a version 5.4 or earlier syntax.\nYour lef file with version %g, has both old and new ANTENNACUMDIFFAREARATIO syntax, which is incorrect.") \
  X(L1540, 1540, E, "ANTENNACUMDIFFAREARATIO statement can only be defined in LAYER with TYPE ROUTING or CUT. Parser will stop processing.") \
  X(L1541, 1541, E, "ANTENNAAREAFACTOR can only be defined in LAYER with TYPE ROUTING or CUT. Parser will stop processing.") \
  X(L1542, 1542, E, "ANTENNASIDEAREARATIO can only be defined in LAYER with TYPE ROUTING. Parser will stop processing.") \
  X(L1543, 1543, E, "ANTENNASIDEAREARATIO statement is a version 5.4 and later syntax.\nYour lef file is defined with version %g.") \
  X(L1544, 1544, E, "ANTENNASIDEAREARATIO statement is a version 5.4 or earlier syntax.\nYour lef file with version %g, has both old and new ANTENNASIDEAREARATIO syntax, which is incorrect.") \
  X(L1545, 1545, E, "ANTENNADIFFSIDEAREARATIO can only be defined in LAYER with TYPE ROUTING. Parser will stop processing.") \
  X(L1546, 1546, E, "ANTENNADIFFSIDEAREARATIO statement is a version 5.4 and later syntax.\nYour lef file is defined with version %g.") \
  X(L1547, 1547, E, "ANTENNADIFFSIDEAREARATIO statement is a version 5.4 or earlier syntax.\nYour lef file with version %g, has both old and new ANTENNADIFFSIDEAREARATIO syntax, which is incorrect.") \
  X(L1548, 1548, E, "ANTENNACUMSIDEAREARATIO can only be defined in LAYER with TYPE ROUTING. Parser will stop processing.") \
  X(L1549, 1549, E, "ANTENNACUMSIDEAREARATIO statement is a version 5.4 and later syntax.\nYour lef file is defined with version %g.") \
  X(L1550, 1550, E, "ANTENNACUMSIDEAREARATIO statement is a version 5.4 or earlier syntax.\nYour lef file with version %g, has both old and new ANTENNACUMSIDEAREARATIO syntax, which is incorrect.") \
  X(L1551, 1551, E, "ANTENNACUMDIFFSIDEAREARATIO can only be defined in LAYER with TYPE ROUTING. Parser will stop processing.") \
  X(L1552, 1552, E, "ANTENNACUMDIFFSIDEAREARATIO statement is a version 5.4 and later syntax.\nYour lef file is defined with version %g.") \
  X(L1553, 1553, E, "ANTENNACUMDIFFSIDEAREARATIO statement is a version 5.4 or earlier syntax.\nYour lef file with version %g, has both old and new ANTENNACUMDIFFSIDEAREARATIO syntax, which is incorrect.") \
  X(L1554, 1554, E, "ANTENNASIDEAREAFACTOR can only be defined in LAYER with TYPE ROUTING. Parser will stop processing.") \
  X(L1555, 1555, E, "ANTENNASIDEAREAFACTOR statement is a version 5.4 and later syntax.\nYour lef file is defined with version %g.") \
  X(L1556, 1556, E, "ANTENNASIDEAREAFACTOR statement is a version 5.4 or earlier syntax.\nYour lef file with version %g, has both old and new ANTENNASIDEAREAFACTOR syntax, which is incorrect.") \
  X(L1557, 1557, E, "ANTENNAMODEL can only be defined in LAYER with TYPE ROUTING. Parser will stop processing.") \
  X(L1558, 1558, E, "ANTENNAMODEL statement is a version 5.5 and later syntax.\nYour lef file is defined with version %g.") \
  X(L1559, 1559, E, "ANTENNAMODEL statement is a version 5.4 or earlier syntax.\nYour lef file with version %g, has both old and new ANTENNAMODEL syntax, which is incorrect.") \
  X(L1560, 1560, E, "ANTENNACUMROUTINGPLUSCUT can only be defined in LAYER with type ROUTING or CUT. Parser will stop processing.") \
  X(L1561, 1561, E, "ANTENNAGATEPLUSDIFF can only be defined in LAYER with type ROUTING or CUT. Parser will stop processing.") \
  X(L1562, 1562, E, "ANTENNAAREAMINUSDIFF can only be defined in LAYER with type ROUTING or CUT. Parser will stop processing.") \
  X(L1563, 1563, E, "ANTENNAAREADIFFREDUCEPWL can only be defined in LAYER with type ROUTING or CUT. Parser will stop processing.") \
  X(L1564, 1564, E, "SLOTWIREWIDTH statement is a version 5.4 and later syntax.\nYour lef file is defined with version %g.") \
  X(L1565, 1565, E, "SLOTWIRELENGTH statement is a version 5.4 and later syntax.\nYour lef file is defined with version %g.") \
  X(L1566, 1566, E, "SLOTWIDTH statement is a version 5.4 and later syntax.\nYour lef file is defined with version %g.") \
  X(L1567, 1567, E, "SLOTLENGTH statement is a version 5.4 and later syntax.\nYour lef file is defined with version %g.") \
  X(L1568, 1568, E, "MAXADJACENTSLOTSPACING statement is a version 5.4 and later syntax.\nYour lef file is defined with version %g.") \
  X(L1569, 1569, E, "MAXCOAXIALSLOTSPACING statement is a version 5.4 and later syntax.\nYour lef file is defined with version %g.") \
  X(L1570, 1570, E, "MAXEDGESLOTSPACING statement is a version 5.4 and later syntax.\nYour lef file is defined with version %g.") \
  X(L1571, 1571, E, "SPLITWIREWIDTH statement is a version 5.4 and later syntax.\nYour lef file is defined with version %g.") \
  X(L1572, 1572, E, "MINIMUMDENSITY statement is a version 5.4 and later syntax.\nYour lef file is defined with version %g.") \
  X(L1573, 1573, E, "MAXIMUMDENSITY statement is a version 5.4 and later syntax.\nYour lef file is defined with version %g.") \
  X(L1574, 1574, E, "DENSITYCHECKWINDOW statement is a version 5.4 and later syntax.\nYour lef file is defined with version %g.") \
  X(L1575, 1575, E, "DENSITYCHECKSTEP statement is a version 5.4 and later syntax.\nYour lef file is defined with version %g.") \
  X(L1576, 1576, E, "FILLACTIVESPACING statement is a version 5.4 and later syntax.\nYour lef file is defined with version %g.") \
  X(L1577, 1577, E, "MAXWIDTH statement can only be defined in LAYER with TYPE ROUTING.  Parser will stop processing.") \
  X(L1578, 1578, E, "MAXWIDTH statement is a version 5.5 and later syntax.\nYour lef file is defined with version %g.") \
  X(L1579, 1579, E, "MINWIDTH statement can only be defined in LAYER with TYPE ROUTING.  Parser will stop processing.") \
  X(L1580, 1580, E, "MINWIDTH statement is a version 5.5 and later syntax.\nYour lef file is defined with version %g.") \
  X(L1581, 1581, E, "MINENCLOSEDAREA statement is a version 5.5 and later syntax.\nYour lef file is defined with version %g.") \
  X(L1582, 1582, E, "PROTRUSION RULE statement is a version 5.5 and later syntax.\nYour lef file is defined with version %g.") \
  X(L1583, 1583, E, "SPACINGTABLE statement is a version 5.5 and later syntax.\nYour lef file is defined with version %g.") \
  X(L1584, 1584, E, "ENCLOSURE statement is a version 5.6 and later syntax.\nYour lef file is defined with version %g.") \
  X(L1585, 1585, E, "PREFERENCLOSURE statement is a version 5.6 and later syntax.\nYour lef file is defined with version %g.") \
  X(L1586, 1586, E, "RESISTANCE statement is a version 5.6 and later syntax.\nYour lef file is defined with version %g.") \
  X(L1587, 1587, E, "DIAGMINEDGELENGTH can only be defined in LAYER with TYPE ROUTING. Parser will stop processing.") \
  X(L1588, 1588, E, "DIAGMINEDGELENGTH statement is a version 5.6 and later syntax.\nYour lef file is defined with version %g.") \
  X(L1589, 1589, E, "An INFLUENCE table statement was defined before the PARALLELRUNLENGTH table statement.\nINFLUENCE table statement should be defined following the PARALLELRUNLENGTH.\nChange the LEF file and rerun the parser.") \
  X(L1590, 1590, E, "There is multiple PARALLELRUNLENGTH table statements are defined within a layer.\nAccording to the LEF Reference Manual, only one PARALLELRUNLENGTH table statement is allowed per layer.") \
  X(L1591, 1591, E, "The number of length in the PARALLELRUNLENGTH statement is not equal to\nthe total number of spacings defined in the WIDTH statement in the SPACINGTABLE.") \
  X(L1592, 1592, E, "A PARALLELRUNLENGTH statement was already defined in the layer.\nIt is PARALLELRUNLENGTH or TWOWIDTHS is allowed per layer.") \
  X(L1593, 1593, E, "A TWOWIDTHS table statement was already defined in the layer.\nOnly one TWOWIDTHS statement is allowed per layer.") \
  X(L1594, 1594, E, "A INFLUENCE table statement was already defined in the layer.\nOnly one INFLUENCE statement is allowed per layer.") \
  X(L1595, 1595, E, "An INFLUENCE table statement was already defined before the layer.\nINFLUENCE statement has to be defined after the PARALLELRUNLENGTH table statement in the layer.") \
  X(L1596, 1596, E, "FROMABOVE statement is a version 5.5 and later syntax.\nYour lef file is defined with version %g.") \
  X(L1597, 1597, E, "FROMBELOW statement is a version 5.5 and later syntax.\nYour lef file is defined with version %g.") \
  X(L1598, 1598, E, "LENGTH WITHIN statement is a version 5.5 and later syntax.\nYour lef file is defined with version %g.") \
  X(L1599, 1599, E, "ANTENNAAREAFACTOR with DIFFUSEONLY statement is a version 5.4 and later syntax.\nYour lef file is defined with version %g.") \
  X(L1600, 1600, E, "CUTAREA statement can only be defined in LAYER with TYPE CUT.") \
  X(L1601, 1601, E, "WIDTH can only be defined in LAYER with TYPE ROUTING.") \
  X(L1663, 1663, E, "A CENTERTOCENTER statement was already defined in SPACING\nCENTERTOCENTER can only be defined once per LAYER CUT SPACING.") \
  X(L1664, 1664, E, "CENTERTOCENTER statement is a version 5.6 and later syntax.\nYour lef file is defined with version %g.") \
  X(L1665, 1665, E, "A SAMENET statement was already defined in SPACING\nSAMENET can only be defined once per LAYER CUT SPACING.") \
  X(L1666, 1666, E, "A PARALLELOVERLAP statement was already defined in SPACING\nPARALLELOVERLAP can only be defined once per LAYER CUT SPACING.") \
  X(L1667, 1667, E, "A SAMENET statement was already defined in SPACING\nEither SAMENET or LAYER can be defined, but not both.") \
  X(L1668, 1668, E, "ADJACENTCUTS statement is a version 5.5 and later syntax.\nYour lef file is defined with version %g.") \
  X(L1669, 1669, E, "A SAMENET statement was already defined in SPACING\nEither SAMENET or ADJACENTCUTS can be defined, but not both.") \
  X(L1680, 1680, E, "PARALLELOVERLAP is a version 5.7 or later syntax.\nYour lef file is defined with version %g.") \
  X(L1681, 1681, E, "ENDOFLINE is a version 5.7 or later syntax.\nYour lef file is defined with version %g.") \
  X(L1682, 1682, E, "NOTCHLENGTH is a version 5.7 or later syntax.\nYour lef file is defined with version %g.") \
  X(L1683, 1683, E, "EXCEPTSAMEPGNET is a version 5.7 or later syntax.\nYour lef file is defined with version %g.") \
  X(L1684, 1684, E, "SAMENET is a version 5.7 or later syntax.\nYour lef file is defined with version %g.") \
  X(L1685, 1685, E, "ARRAYSPACING is a version 5.7 or later syntax.\nYour lef file is defined with version %g.") \
  X(L1686, 1686, E, "ANTENNACUMROUTINGPLUSCUT is a version 5.7 or later syntax.\nYour lef file is defined with version %g.") \
  X(L1687, 1687, E, "ANTENNAGATEPLUSDIFF is a version 5.7 or later syntax.\nYour lef file is defined with version %g.") \
  X(L1688, 1688, E, "ANTENNAAREAMINUSDIFF is a version 5.7 or later syntax.\nYour lef file is defined with version %g.") \
  X(L1689, 1689, E, "ANTENNAAREADIFFREDUCEPWL is a version 5.7 or later syntax.\nYour lef file is defined with version %g.") \
  X(L1690, 1690, E, "EXCEPTEXTRACUT is a version 5.7 or later syntax.\nYour lef file is defined with version %g.") \
  X(L1691, 1691, E, "LENGTH is a version 5.7 or later syntax.\nYour lef file is defined with version %g.") \
  X(L1693, 1693, E, "AREA is a version 5.7 or later syntax.\nYour lef file is defined with version %g.") \
  X(L1694, 1694, E, "SPACINGTABLE ORTHOGONAL is a version 5.7 or later syntax.\nYour lef file is defined with version %g.") \
  X(L1696, 1696, E, "ENDOFNOTCHWIDTH is a version 5.7 or later syntax.\nYour lef file is defined with version %g.") \
  X(L1697, 1697, E, "TWOWIDTHS is a version 5.7 or later syntax.\nYour lef file is defined with version %g.") \
  X(L1700, 1700, E, "MINIMUMCUT WITHIN is a version 5.7 or later syntax.\nYour lef file is defined with version %g.") \
  X(L1702, 1702, E, "CURRENTDEN statement can only be defined in LAYER with TYPE ROUTING. Parser will stop processing.") \
  X(L1704a, 1704, E, "ANTENNADIFFAREARATIO statement is a version 5.4 or earlier syntax.\nYour lef file with version %g, has both old and new ANTENNAAREARATIO syntax, which is incorrect.") \
  X(L1704, 1704, E, "ANTENNADIFFAREARATIO statement is a version 5.4 or earlier syntax.\nYour lef file with version %g, has both old and new ANTENNADIFFAREARATIO syntax, which is incorrect.") \
  X(L1710, 1710, E, "MAXEDGES is a version 5.7 or later syntax.\nYour lef file is defined with version %g.") \
  X(L1715, 1715, E, "It is incorrect to define an AREA statement in LAYER with TYPE MASTERSLICE or OVERLAP. Parser will stop processing.") \
  X(L2010, 2010, W, "It is incorrect to have both SPACING rules & SPACINGTABLE rules within a ROUTING layer") \
  X(L2011, 2011, W, "SLOTWIREWIDTH statement is obsolete in version 5.7 or later.\nThe LEF parser will ignore this statement.\nTo avoid this warning in the future, remove this statement from the LEF file with version 5.7 or later.") \
  X(L2012, 2012, W, "SLOTWIRELENGTH statement is obsolete in version 5.7 or later.\nThe LEF parser will ignore this statement.\nTo avoid this warning in the future, remove this statement from the LEF file with version 5.7 or later.") \
  X(L2013, 2013, W, "SLOTWIDTH statement is obsolete in version 5.7 or later.\nThe LEF parser will ignore this statement.\nTo avoid this warning in the future, remove this statement from the LEF file with version 5.7 or later.") \
  X(L2014, 2014, W, "SLOTLENGTH statement is obsolete in version 5.7 or later.\nThe LEF parser will ignore this statement.\nTo avoid this warning in the future, remove this statement from the LEF file with version 5.7 or later.") \
  X(L2015, 2015, W, "MAXADJACENTSLOTSPACING statement is obsolete in version 5.7 or later.\nThe LEF parser will ignore this statement.\nTo avoid this warning in the future, remove this statement from the LEF file with version 5.7 or later.") \
  X(L2016, 2016, W, "MAXCOAXIALSLOTSPACING statement is obsolete in version 5.7 or later.\nThe LEF parser will ignore this statement.\nTo avoid this warning in the future, remove this statement from the LEF file with version 5.7 or later.") \
  X(L2017, 2017, W, "MAXEDGESLOTSPACING statement is obsolete in version 5.7 or later.\nThe LEF parser will ignore this statement.\nTo avoid this warning in the future, remove this statement from the LEF file with version 5.7 or later.") \
  X(L2018, 2018, W, "SPLITWIREWIDTH statement is obsolete in version 5.7 or later.\nThe LEF parser will ignore this statement.\nTo avoid this warning in the future, remove this statement from the LEF file with version 5.7 or later.") \
  X(L2079, 2079, W, "CURRENTDEN statement is obsolete in version 5.2 and later.\nThe LEF parser will ignore this statement.\nTo avoid this warning in the future, remove this statement from the LEF file with version 5.2 or later.") \
  X(L2080, 2080, W, "The number of cut values in multiple ARRAYSPACING ARRAYCUTS are not in increasing order.\nTo be consistent with the documentation, update the cut values to increasing order.") \
  X(L2081, 2081, E, "MASK information can only be defined with version 5.8")

enum lefLayerMsg {
#define LEF_LAYER_MSG_ID(id, number, kind, text) id,
  LEF_LAYER_MESSAGES(LEF_LAYER_MSG_ID)
#undef LEF_LAYER_MSG_ID
  kLayerNoMsg
};

// Reports a message of the table: an error through lefError, a warning
// through lefWarning, the version in place of "%g". kLayerNoMsg reports
// nothing.
void lefLayerReport(lefLayerMsg msg);
// The same for the two texts that name the layer twice.
void lefLayerReportNames(lefLayerMsg msg, const char* first, const char* second);

// Which layer TYPEs a sub-statement allows; the others draw its error.
enum lefLayerTypeRule {
  kLayerAnyType,
  kLayerRoutingOnly,
  kLayerCutOnly,
  kLayerRoutingOrCut,         // a layer of neither TYPE fails
  kLayerNotMasterOverlap,     // MASTERSLICE and OVERLAP fail
  kLayerNotCutMasterOverlap   // CUT, MASTERSLICE and OVERLAP fail
};

// Sub-statements of one number: X(id, group, type rule, message, obsolete
// warning, setter). Electrical values are checked against the layer TYPE,
// slot and density values against the version.
#define LEF_LAYER_VALUES(X)                                                                   \
  X(Height, kLayerElectrical, kLayerRoutingOnly, L1518, kLayerNoMsg, setHeight)               \
  X(WireExtension, kLayerElectrical, kLayerRoutingOnly, L1519, kLayerNoMsg, setWireExtension) \
  X(Thickness, kLayerElectrical, kLayerNotCutMasterOverlap, L1520, kLayerNoMsg, setThickness) \
  X(Shrinkage, kLayerElectrical, kLayerRoutingOnly, L1521, kLayerNoMsg, setShrinkage)         \
  X(CapMultiplier, kLayerElectrical, kLayerRoutingOnly, L1522, kLayerNoMsg, setCapMultiplier) \
  X(EdgeCap, kLayerElectrical, kLayerRoutingOnly, L1523, kLayerNoMsg, setEdgeCap)             \
  X(SlotWireWidth, kLayerSlot, kLayerAnyType, L1564, L2011, setSlotWireWidth)                 \
  X(SlotWireLength, kLayerSlot, kLayerAnyType, L1565, L2012, setSlotWireLength)               \
  X(SlotWidth, kLayerSlot, kLayerAnyType, L1566, L2013, setSlotWidth)                         \
  X(SlotLength, kLayerSlot, kLayerAnyType, L1567, L2014, setSlotLength)                       \
  X(MaxAdjacentSlotSpacing, kLayerSlot, kLayerAnyType, L1568, L2015,                          \
    setMaxAdjacentSlotSpacing)                                                                \
  X(MaxCoaxialSlotSpacing, kLayerSlot, kLayerAnyType, L1569, L2016, setMaxCoaxialSlotSpacing) \
  X(MaxEdgeSlotSpacing, kLayerSlot, kLayerAnyType, L1570, L2017, setMaxEdgeSlotSpacing)       \
  X(SplitWireWidth, kLayerSlot, kLayerAnyType, L1571, L2018, setSplitWireWidth)               \
  X(MinimumDensity, kLayerDensity, kLayerAnyType, L1572, kLayerNoMsg, setMinimumDensity)      \
  X(MaximumDensity, kLayerDensity, kLayerAnyType, L1573, kLayerNoMsg, setMaximumDensity)      \
  X(DensityCheckStep, kLayerDensity, kLayerAnyType, L1575, kLayerNoMsg, setDensityCheckStep)  \
  X(FillActiveSpacing, kLayerDensity, kLayerAnyType, L1576, kLayerNoMsg, setFillActiveSpacing)

enum lefLayerValueGroup { kLayerElectrical, kLayerSlot, kLayerDensity };

enum lefLayerValueId {
#define LEF_LAYER_VALUE_ID(id, group, rule, msg, obsolete, setter) kLayerValue##id,
  LEF_LAYER_VALUES(LEF_LAYER_VALUE_ID)
#undef LEF_LAYER_VALUE_ID
};

// The new-syntax antenna statements: X(id, version, version error, mixed
// error, type rule, type error, kind, setter). A version of 0 means no
// version or mixed-syntax check and no new-syntax flag; a kind of 0 leaves
// the current kind alone; a null setter means the statement stores its
// value itself (by kind, or as an oxide).
#define LEF_LAYER_ANTENNA(X)                                                                   \
  X(AreaRatio, 5.4, L1531, L1704a, kLayerNotMasterOverlap, L1533, 0,                           \
    &lefiLayer::setAntennaAreaRatio)                                                           \
  X(DiffAreaRatio, 5.4, L1532, L1704, kLayerNotMasterOverlap, L1534, lefiAntennaDAR, nullptr) \
  X(CumAreaRatio, 5.4, L1535, L1536, kLayerNotMasterOverlap, L1537, 0,                         \
    &lefiLayer::setAntennaCumAreaRatio)                                                        \
  X(CumDiffAreaRatio, 5.4, L1538, L1539, kLayerNotMasterOverlap, L1540, lefiAntennaCDAR,       \
    nullptr)                                                                                   \
  X(AreaFactor, 0.0, kLayerNoMsg, kLayerNoMsg, kLayerNotMasterOverlap, L1541, lefiAntennaAF,   \
    &lefiLayer::setAntennaAreaFactor)                                                          \
  X(SideAreaRatio, 5.4, L1543, L1544, kLayerNotCutMasterOverlap, L1542, 0,                     \
    &lefiLayer::setAntennaSideAreaRatio)                                                       \
  X(DiffSideAreaRatio, 5.4, L1546, L1547, kLayerNotCutMasterOverlap, L1545, lefiAntennaDSAR,   \
    nullptr)                                                                                   \
  X(CumSideAreaRatio, 5.4, L1549, L1550, kLayerNotCutMasterOverlap, L1548, 0,                  \
    &lefiLayer::setAntennaCumSideAreaRatio)                                                    \
  X(CumDiffSideAreaRatio, 5.4, L1552, L1553, kLayerNotCutMasterOverlap, L1551,                 \
    lefiAntennaCDSAR, nullptr)                                                                 \
  X(SideAreaFactor, 5.4, L1555, L1556, kLayerNotCutMasterOverlap, L1554, lefiAntennaSAF,       \
    &lefiLayer::setAntennaSideAreaFactor)                                                      \
  X(Model, 5.5, L1558, L1559, kLayerNotMasterOverlap, L1557, lefiAntennaO, nullptr)

enum lefLayerAntennaId {
#define LEF_LAYER_ANTENNA_ID(id, version, versionMsg, mixedMsg, rule, typeMsg, kind, setter) \
  kLayerAntenna##id,
  LEF_LAYER_ANTENNA(LEF_LAYER_ANTENNA_ID)
#undef LEF_LAYER_ANTENNA_ID
};

// Stores an electrical, slot or density value (lefLayerValueId).
void lefLayerSetValue(int valueId, double value);
// A new-syntax antenna statement (lefLayerAntennaId): its type rule and
// error, its kind becoming the current one (if it has one), and its value
// through its setter.
lefLayerTypeRule lefLayerAntennaRule(int antennaId);
lefLayerMsg lefLayerAntennaTypeMsg(int antennaId);
void lefLayerAntennaKind(int antennaId);
void lefLayerAntennaStore(int antennaId, double value);

// Antenna piecewise-linear tables: a new pending table from its first two
// pairs, further pairs, and the hand-over to the layer.
void lefLayerAntennaPwlStart(double d1, double r1, double d2, double r2);
void lefLayerAntennaPwlAdd(double d, double r);
void lefLayerAntennaPwlEnd(lefiAntennaEnum kind);

// A layer PROPERTY name with its value, typed by the LAYER property
// definitions.
void lefLayerAddProp(const char* name, const char* value);
void lefLayerAddNumProp(const char* name, double value);

}  // namespace LefDefParser

// Message helpers for the grammar's actions; they use the frame's gates and
// error-count check, so they expand only inside lef.y.
// Gated: only while the Layer callback is registered and the LAYER counter
// allows; kLayerNoMsg reports nothing and costs no count.
#define LAYER_GATED(msg)                                                         \
  do {                                                                           \
    lefLayerMsg gatedMsg = (msg);                                                \
    if (gatedMsg != kLayerNoMsg && LEF_GATED(Layer)) lefLayerReport(gatedMsg);   \
    CHKERR();                                                                    \
  } while (0)
// Counted against the LAYER limit, with or without a callback.
#define LAYER_COUNTED(msg)                        \
  do {                                            \
    if (LEF_COUNTED(Layer)) lefLayerReport(msg);  \
    CHKERR();                                     \
  } while (0)
// Always given.
#define LAYER_ALWAYS(msg) \
  do {                    \
    lefLayerReport(msg);  \
    CHKERR();             \
  } while (0)
// The version or mixed-syntax error and the type error of a new-syntax
// antenna statement.
#define LAYER_ANTENNA_CHECKS(antennaId)                                              \
  do {                                                                               \
    LAYER_GATED(lefData->layerState.antennaSyntaxMsg(antennaId));                               \
    if (lefData->layerState.typeFails(lefLayerAntennaRule(antennaId)))                          \
      LAYER_GATED(lefLayerAntennaTypeMsg(antennaId));                                \
  } while (0)
// Values are stored only while the Layer callback is registered.
#define LAYER_STORE (lefCallbacks->LayerCbk != nullptr)

#endif
