// Every numbered text that the LEF data classes report, in one table.
// X(id, number, text): id names the constant kLefiMsg<id>; numbers with two
// texts carry a suffix in their id. Index texts take (index, last index);
// the layer re-parser texts take the property value and, where noted, the
// layer TYPE.
#ifndef VELMOR_LEF_LEFIMESSAGES_H
#define VELMOR_LEF_LEFIMESSAGES_H

// Tails shared by several re-parser texts.
#define LEFI_MSG_TYPE_TAIL                                                   \
  "\nThe current layer has the TYPE %s.\nUpdate the property of your lef " \
  "file with the correct syntax or remove this property from your lef file.\n"
#define LEFI_MSG_ARRAYSPACING_TAIL                                             \
  "Correct syntax is ARRAYSPACING [LONGARRAY] [WIDTH viaWidth] CUTSPACING " \
  "cutSpacing\n\tARRAYCUTS arrayCuts SPACING arraySpacing ...\n"
#define LEFI_MSG_MINSTEP_TAIL                                                  \
  "Correct syntax is \"MINSTEP minStepLength [MAXEDGES maxEdges] "          \
  "[MINADJACENTLENGTH minAdjLength | MINBETWEENLENGTH minBetweenLength "    \
  "[EXCEPTSAMECORNERS]] ;\"\n"
#define LEFI_MSG_SPACING_SYNTAX                                                \
  "\"SPACING minSpacing [CENTERTOCENTER]\"\n\"[LAYER secondLayerName | "    \
  "ADJACENTCUTS {2|3|4} WITHIN cutWithin | PARALLELOVERLAP | AREA "         \
  "cutArea]\" or\n\"SPACING eolSpace ENDOFLINE eolWidth WITHIN eolWITHIN "  \
  "[PARALLELEDGE parSpace WITHIN parWithin [TOWEDGES]]\"\n"
#define LEFI_MSG_INDEX(subject)      \
  "The index number %d given for " \
  subject " is invalid.\nValid index is from 0 to %d"

#define LEFI_MESSAGES(X)                                                              \
  X(1300, 1300, "ERROR (LEFPARS-1300): " LEFI_MSG_INDEX("the layer property"))       \
  X(1301, 1301, "ERROR (LEFPARS-1301): " LEFI_MSG_INDEX("the layer MINSIZE") "\n")   \
  X(1302, 1302, "ERROR (LEFPARS-1302): " LEFI_MSG_INDEX("the layer MINSTEP"))        \
  X(1303, 1303, "ERROR (LEFPARS-1303): " LEFI_MSG_INDEX("the layer ARRAYCUTS"))      \
  X(1304, 1304, "ERROR (LEFPARS-1304): " LEFI_MSG_INDEX("the layer SPACING"))        \
  X(1305Either, 1305,                                                                 \
    "Incorrect syntax defined for property LEF57_SPACING: %s.\nCorrect syntax is "    \
    "either " LEFI_MSG_SPACING_SYNTAX)                                                \
  X(1305, 1305,                                                                       \
    "Incorrect syntax defined for property LEF57_SPACING: %s.\nCorrect syntax is "    \
    LEFI_MSG_SPACING_SYNTAX)                                                          \
  X(1307, 1307,                                                                       \
    "Incorrect syntax defined for property LEF57_ARRAYSPACING: %s.\n"                 \
    LEFI_MSG_ARRAYSPACING_TAIL)                                                       \
  X(1308, 1308,                                                                       \
    "Incorrect syntax defined for property LEF57_ARRAYSPACING: %s.\nLONGARRAY is "    \
    "defined after CUTSPACING.\n" LEFI_MSG_ARRAYSPACING_TAIL)                         \
  X(1309, 1309,                                                                       \
    "Incorrect syntax defined for property LEF57_ARRAYSPACING: %s.\nWIDTH is "        \
    "defined after CUTSPACING.\n" LEFI_MSG_ARRAYSPACING_TAIL)                         \
  X(1310, 1310,                                                                       \
    "Incorrect syntax defined for property LEF57_ARRAYSPACING: %s.\nCUTSPACING has "  \
    "defined more than once.\n" LEFI_MSG_ARRAYSPACING_TAIL)                           \
  X(1311, 1311,                                                                       \
    "Incorrect syntax defined for property LEF57_ARRAYSPACING: %s.\nCUTSPACING "      \
    "which is required is either has not been defined or defined in a wrong "         \
    "location.\n" LEFI_MSG_ARRAYSPACING_TAIL)                                         \
  X(1312, 1312,                                                                       \
    "Incorrect syntax defined for  property LEF57_ARRAYSPACING: %s.\nSPACING should " \
    "be defined with ARRAYCUTS.\n" LEFI_MSG_ARRAYSPACING_TAIL)                        \
  X(1313, 1313,                                                                       \
    "Incorrect syntax defined for property LEF57_ARRAYSPACING: %s.\n"                 \
    LEFI_MSG_ARRAYSPACING_TAIL)                                                       \
  X(1314, 1314,                                                                       \
    "Incorrect syntax defined for property LEF57_ARRAYSPACING: %s\nARRAYCUTS is "     \
    "required but has not been defined.\n" LEFI_MSG_ARRAYSPACING_TAIL)                \
  X(1315, 1315,                                                                       \
    "Incorrect syntax defined for property LEF57_MINSTEP: %s.\n" LEFI_MSG_MINSTEP_TAIL) \
  X(1315NoDot, 1315,                                                                  \
    "Incorrect syntax defined for property LEF57_MINSTEP: %s\n" LEFI_MSG_MINSTEP_TAIL) \
  X(1315Lower, 1315,                                                                  \
    "incorrect syntax defined for property LEF57_MINSTEP: %s\n" LEFI_MSG_MINSTEP_TAIL) \
  X(1316, 1316,                                                                       \
    "Incorrect syntax defined for property LEF57_ANTENNACUMROUTINGPLUSCUT: %s.\n"     \
    "Correct syntax is \"ANTANNACUMROUTINGPLUSCUT\"\n")                               \
  X(1317, 1317,                                                                       \
    "Incorrect syntax defined for property LEF57_ANTENNAGATEPLUSDIFF: %s.\nCorrect "  \
    "syntax is \"ANTENNAGATEPLUSDIFF plusDiffFactor\"\n")                             \
  X(1318, 1318,                                                                       \
    "Incorrect syntax defined for property LEF57_ANTENNAAREAMINUSDIFF: %s.\nCorrect " \
    "syntax is \"ANTENNAAREAMINUSDIFF minusDiffFactor\"\n")                           \
  X(1319, 1319,                                                                       \
    "Incorrect syntax defined for property LEF57_ANTENNAAREADIFFREDUCEPWL: %s.\n"     \
    "Correct syntax is \"ANTENNAAREADIFFREDUCEPWL (( diffArea1 metalDiffFactor1 ) "   \
    "( diffArea2 metalDiffFactor2 )...)\"\n")                                         \
  X(1320, 1320,                                                                       \
    "Incorrect syntax defined for property LEF57_SPACING: %s.\nCorrect syntax is "    \
    "\"SPACING cutSpacing [CENTERTOCENTER][SAMENET]\n\t[LAYER "                       \
    "secondLayerName[STACK]\n\t| ADJACENTCUTS {2 | 3 | 4} WITHIN cutWithin "          \
    "[EXCEPTSAMEPGNET]\n\t| PARALLELOVERLAP\n\t| AREA cutArea ;\"")                   \
  X(1321, 1321,                                                                       \
    "The property LEF57_SPACING with value %s is for TYPE CUT only."                  \
    LEFI_MSG_TYPE_TAIL)                                                               \
  X(1322, 1322,                                                                       \
    "The property LEF57_SPACING with value %s is for TYPE ROUTING only."              \
    LEFI_MSG_TYPE_TAIL)                                                               \
  X(1323, 1323,                                                                       \
    "The property LEF57_MINSTEP with value %s is for TYPE ROUTING only."              \
    LEFI_MSG_TYPE_TAIL)                                                               \
  /* 1327: the TYPE value, the layer TYPE, the allowed list. */                       \
  X(1327, 1327,                                                                       \
    "Property LEF58_TYPE has incorrect TYPE value: '%s'. For TYPE %s layers valid "   \
    "values are: %s.\n")                                                              \
  /* 1328: the layer TYPE. */                                                         \
  X(1328, 1328, "Layers with TYPE %s cannot have LEF58_TYPE property.\n")             \
  X(1329, 1329,                                                                       \
    "Incorrect LEF58_TYPE property value syntax: '%s'. Correct syntax: 'TYPE <type> " \
    ";'.\n")                                                                          \
  X(1330, 1330,                                                                       \
    "Incorrect syntax defined for property LEF57_ENCLOSURE: %s\nCorrect syntax is "   \
    "\"ENCLOSURE [ABOVE|BELOW] overhang1 overhang2\n\t[WIDTH minWidth "               \
    "[EXCEPTEXTRACUT cutWithin]\n\t|LENGTH minLength] ;\"\n")                         \
  X(1330NoBracket, 1330,                                                              \
    "Incorrect syntax defined for property LEF57_ENCLOSURE: %s\nCorrect syntax is "   \
    "\"ENCLOSURE [ABOVE|BELOW] overhang1 overhang2\n\t[WIDTH minWidth "               \
    "[EXCEPTEXTRACUT cutWithin\n\t|LENGTH minLength] ;\"\n")                          \
  X(1331, 1331,                                                                       \
    "The property LEF57_ENCLOSURE with value %s is for TYPE CUT only."                \
    LEFI_MSG_TYPE_TAIL)                                                               \
  X(1350, 1350, "ERROR (LEFPARS-1350): " LEFI_MSG_INDEX("the macro PIN"))            \
  X(1351, 1351,                                                                       \
    "ERROR (LEFPARS-1351): There is an unexpected lef parser bug which cause it "     \
    "unable to retrieve ANTENNAMODEL data with the given index.")                     \
  X(1352, 1352, "ERROR (LEFPARS-1352): " LEFI_MSG_INDEX("the macro property"))       \
  X(1360, 1360, "ERROR (LEFPARS-1360): " LEFI_MSG_INDEX("the geometry item"))        \
  X(1361, 1361, "ERROR (LEFPARS-1361): " LEFI_MSG_INDEX("the geometry RECTANGLE"))   \
  X(1362, 1362,                                                                       \
    "ERROR (LEFPARS-1362): " LEFI_MSG_INDEX("the geometry RECTANGLE ITERATE"))       \
  X(1363, 1363, "ERROR (LEFPARS-1363): " LEFI_MSG_INDEX("the geometry PATH"))        \
  X(1364, 1364, "ERROR (LEFPARS-1364): " LEFI_MSG_INDEX("the geometry PATH ITERATE")) \
  X(1365, 1365, "ERROR (LEFPARS-1365): " LEFI_MSG_INDEX("the geometry LAYER"))       \
  X(1366, 1366,                                                                       \
    "ERROR (LEFPARS-1366): " LEFI_MSG_INDEX("the geometry LAYER EXCEPT PG NET"))     \
  X(1367, 1367,                                                                       \
    "ERROR (LEFPARS-1367): " LEFI_MSG_INDEX("the geometry LAYER MINSPACING"))        \
  X(1368, 1368,                                                                       \
    "ERROR (LEFPARS-1368): " LEFI_MSG_INDEX("the geometry LAYER RULE WIDTH"))        \
  X(1369, 1369, "ERROR (LEFPARS-1369): " LEFI_MSG_INDEX("the geometry WIDTH"))       \
  X(1370, 1370, "ERROR (LEFPARS-1370): " LEFI_MSG_INDEX("the geometry POLYGON"))     \
  X(1371, 1371,                                                                       \
    "ERROR (LEFPARS-1371): " LEFI_MSG_INDEX("the geometry POLYGON ITERATE"))         \
  X(1372, 1372, "ERROR (LEFPARS-1372): " LEFI_MSG_INDEX("the geometry CLASS"))       \
  X(1373, 1373, "ERROR (LEFPARS-1373): " LEFI_MSG_INDEX("the geometry VIA"))         \
  X(1374, 1374, "ERROR (LEFPARS-1374): " LEFI_MSG_INDEX("the geometry VIA ITERATE")) \
  X(1375, 1375, "ERROR (LEFPARS-1375): unknown geometry type")                        \
  X(1376, 1376, "ERROR (LEFPARS-1376): " LEFI_MSG_INDEX("the IRDROP"))               \
  X(1377, 1377, "ERROR (LEFPARS-1377): " LEFI_MSG_INDEX("the TRACK PATTERN "))       \
  X(1402, 1402, "ERROR (LEFPARS-1402): " LEFI_MSG_INDEX("the NONDEFAULT LAYER"))     \
  X(1403, 1403, "ERROR (LEFPARS-1403): " LEFI_MSG_INDEX("the NONDEFAULT VIA"))       \
  X(1404, 1404, "ERROR (LEFPARS-1404): " LEFI_MSG_INDEX("the NONDEFAULT SPACING"))   \
  X(1405, 1405, "ERROR (LEFPARS-1405): " LEFI_MSG_INDEX("the NONDEFAULT USE VIA"))   \
  X(1406, 1406,                                                                       \
    "ERROR (LEFPARS-1406): " LEFI_MSG_INDEX("the NONDEFAULT USE VIARULE"))           \
  X(1407, 1407, "ERROR (LEFPARS-1407): " LEFI_MSG_INDEX("the NONDEFAULT CUT"))       \
  X(1408, 1408, "ERROR (LEFPARS-1408): " LEFI_MSG_INDEX("the NONDEFAULT PROPERTY"))  \
  X(1420Rect, 1420,                                                                   \
    "ERROR (LEFPARS-1420): " LEFI_MSG_INDEX("the VIA LAYER RECTANGLE"))              \
  X(1420Poly, 1420,                                                                   \
    "ERROR (LEFPARS-1420): " LEFI_MSG_INDEX("the VIA LAYER POLYGON"))                \
  X(1421, 1421,                                                                       \
    "ERROR (LEFPARS-1421): The layer number %d given for the VIA LAYER is "           \
    "invalid.\nValid number is from 0 to %d")                                         \
  X(1422, 1422,                                                                       \
    "ERROR (LEFPARS-1422): The layer number %d given for the VIA PROPERTY is "        \
    "invalid.\nValid number is from 0 to %d")                                         \
  X(1430, 1430, "ERROR (LEFPARS-1430): too many via rule layers")                     \
  X(1431, 1431, "ERROR (LEFPARS-1431): " LEFI_MSG_INDEX("the VIARULE PROPERTY"))

namespace LefDefParser {

#define LEFI_MSG_CONST(id, num, text) \
  constexpr const char* kLefiMsg##id = text; \
  constexpr int kLefiMsgNum##id = num;
LEFI_MESSAGES(LEFI_MSG_CONST)
#undef LEFI_MSG_CONST

struct lefiMessage {
  int num;
  const char* text;
};

// The whole table, for walking it (tests, tools).
constexpr lefiMessage lefiMessageTable[] = {
#define LEFI_MSG_ROW(id, num, text) {num, text},
    LEFI_MESSAGES(LEFI_MSG_ROW)
#undef LEFI_MSG_ROW
};

}  // namespace LefDefParser

#endif
