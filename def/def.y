/* The DEF grammar. Every list is left-recursive: the parser stacks hold 200 entries and
 * never grow. Lexer modes are set in empty rules that bison reduces without reading a
 * lookahead, so the mode is in force for the very next token. */

%code top {
#include <limits.h>
#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <cmath>
#include <string>
}

%code requires {
namespace LefDefParser {
class defrData;
}
}

/* No conflicts: a new one fails the build. */
%expect 0
%define api.prefix {defyy}
%define api.pure full
%define parse.trace
%header
%parse-param {LefDefParser::defrData *defData}
%lex-param {LefDefParser::defrData *defData}

%union {
  double dval;
  char *string;
  int integer;
  struct { int x, y; } pt;
}

%{
#include "def/defrCallbacks.h"
#include "def/defrData.h"
#include "def/defrReader.h"
#include "def/defiMisc.h"

#define YYINITDEPTH 200
#define YYMAXDEPTH 200

namespace LefDefParser {

int defyylex(DEFYYSTYPE* value, defrData* data);
void defyyerror(defrData* data, const char* text);

// Skipped when the slot is empty or an error was counted; a non-zero result ends the
// parse (after 6010 unless it is 1) and becomes the result of defrRead.
#define CALLBACK(func, type, data)                                                         \
  do {                                                                                     \
    if ((func) && defData->errors == 0) {                                                  \
      defData->callbackResult = (*(func))((type), (data), defData->session->UserData);     \
      if (defData->callbackResult != 0) {                                                  \
        if (defData->callbackResult != 1)                                                  \
          defData->defError(6010, "An error has been reported in callback.");              \
        YYABORT;                                                                           \
      }                                                                                    \
    }                                                                                      \
  } while (0)

#define CHKERR()                                  \
  do {                                            \
    if (defData->checkErrors()) YYABORT;          \
  } while (0)

static void fillSite(defiSite& site, const char* name, double x, double y, int orient,
                     double xNum, double yNum, double xStep, double yStep) {
  site.clear();
  site.setName(name);
  site.setLocation(x, y);
  site.setOrient(orient);
  site.setDo(xNum, yNum, xStep, yStep);
}

// The next n words are names: neither keywords nor numbers.
#define NAME_MODE(n) (defData->dumb_mode = (n), defData->no_num = (n))

%}

/* @DEF_TOKENS@ */

%type <integer> orient
%type <pt> pt

%start def_file

%%

def_file: version_stmt case_sens_stmt rules end_design
  ;

version_stmt: %empty
  | K_VERSION set_name_mode T_STRING ';'
    {
      defData->VersionNum = defData->convert_defname2num($3);
      if (defData->VersionNum > 5.8) {
        std::string msg = "The execution has been stopped because the DEF parser 5.8 does not "
                          "support DEF file with version ";
        msg += $3;
        msg += ".\nUpdate your DEF file to version 5.8 or earlier.";
        defData->defError(6503, msg.c_str());
        YYABORT;
      }
      if (defData->callbacks->VersionStrCbk) {
        CALLBACK(defData->callbacks->VersionStrCbk, defrVersionStrCbkType, $3);
      } else {
        CALLBACK(defData->callbacks->VersionCbk, defrVersionCbkType, defData->VersionNum);
      }
      if (defData->VersionNum < 5.6)
        defData->names_case_sensitive = defData->session->reader_case_sensitive;
      else
        defData->names_case_sensitive = 1;
      defData->hasVer = 1;
      defData->doneDesign = 0;
    }
  ;

/* Sets the lexer's name mode for the one word that follows. */
set_name_mode: %empty { NAME_MODE(1); }
  ;

case_sens_stmt: %empty
  | K_NAMESCASESENSITIVE K_ON ';'
    {
      if (defData->VersionNum < 5.6) {
        defData->names_case_sensitive = 1;
        CALLBACK(defData->callbacks->CaseSensitiveCbk, defrCaseSensitiveCbkType, 1);
        defData->hasNameCase = 1;
      } else if (defData->callbacks->CaseSensitiveCbk &&
                 defData->countWarning(defrWarnCaseSensitive)) {
        defData->defWarning(7011, "The NAMESCASESENSITIVE statement is obsolete in version 5.6 "
                                  "and later.\nThe DEF parser will ignore this statement.");
      }
    }
  | K_NAMESCASESENSITIVE K_OFF ';'
    {
      if (defData->VersionNum < 5.6) {
        defData->names_case_sensitive = 0;
        CALLBACK(defData->callbacks->CaseSensitiveCbk, defrCaseSensitiveCbkType, 0);
        defData->hasNameCase = 1;
      } else if (defData->callbacks->CaseSensitiveCbk) {
        if (defData->countWarning(defrWarnCaseSensitive)) {
          defData->defError(6504, "Def parser version 5.7 and later does not support "
                                  "NAMESCASESENSITIVE OFF.\nEither remove this optional "
                                  "construct or set it to ON.");
          CHKERR();
        }
      }
    }
  ;

rules: %empty
  | rules rule
  | error { CHKERR(); }
  ;

rule: design_statement
  /* sections: add one "| <section>" line each below this comment */
  | row_rule
  | tracks_rule
  | gcellgrid_rule
  | comp_mask_shift_rule
  | components_section
  | nets_section
  | snets_section
  | pins_section
  | vias_section
  | propdef_section
  | extension_section
  /* regions, groups, pin properties */
  | regions_section
  | groups_section
  | pinprops_section
  /* blockages, slots, fills */
  | blockages_section
  | slots_section
  | fills_section
  /* non-default rules, styles, scan chains */
  | nondefault_section
  | styles_section
  | scanchains_section
  /* assertions, constraints, I/O timings, timing disables */
  | assertions_section
  | constraints_section
  | iotimings_section
  | timingdisables_section
  /* floorplan constraints, partitions */
  | fpc_section
  | partitions_section
  ;

design_statement: design_name
  | tech_name
  | array_name
  | floorplan_name
  | history
  | units
  | divider_char
  | bus_bit_chars
  | canplace
  | cannotoccupy
  | die_area
  | default_cap
  ;

design_name: K_DESIGN set_name_mode T_STRING ';'
    {
      defData->hasDes = 1;
      CALLBACK(defData->callbacks->DesignCbk, defrDesignStartCbkType, $3);
    }
  ;

tech_name: K_TECH set_name_mode T_STRING ';'
    { CALLBACK(defData->callbacks->TechnologyCbk, defrTechNameCbkType, $3); }
  ;

array_name: K_ARRAY set_name_mode T_STRING ';'
    { CALLBACK(defData->callbacks->ArrayNameCbk, defrArrayNameCbkType, $3); }
  ;

floorplan_name: K_FLOORPLAN set_name_mode T_STRING ';'
    { CALLBACK(defData->callbacks->FloorPlanNameCbk, defrFloorPlanNameCbkType, $3); }
  ;

/* The lexer has collected the text up to the ';'. */
history: K_HISTORY ';'
    {
      CALLBACK(defData->callbacks->HistoryCbk, defrHistoryCbkType,
               defData->History_text.c_str());
    }
  ;

units: K_UNITS K_DISTANCE K_MICRONS NUMBER ';'
    {
      if (defData->callbacks->UnitsCbk) {
        int valid = defData->defValidNum(toIntTrunc($4));
        if (valid < 0) YYABORT;
        if (valid > 0) CALLBACK(defData->callbacks->UnitsCbk, defrUnitsCbkType, $4);
      }
    }
  ;

divider_char: K_DIVIDERCHAR QSTRING ';'
    {
      defData->hasDivChar = 1;
      CALLBACK(defData->callbacks->DividerCbk, defrDividerCbkType, $2);
    }
  ;

bus_bit_chars: K_BUSBITCHARS QSTRING ';'
    {
      defData->hasBusBit = 1;
      CALLBACK(defData->callbacks->BusBitCbk, defrBusBitCbkType, $2);
    }
  ;

canplace: K_CANPLACE set_name_mode T_STRING NUMBER NUMBER orient
          K_DO NUMBER K_BY NUMBER K_STEP NUMBER NUMBER ';'
    {
      if (defData->callbacks->CanplaceCbk) {
        fillSite(defData->Canplace, $3, $4, $5, $6, $8, $10, $12, $13);
        CALLBACK(defData->callbacks->CanplaceCbk, defrCanplaceCbkType, &defData->Canplace);
      }
    }
  ;

cannotoccupy: K_CANNOTOCCUPY set_name_mode T_STRING NUMBER NUMBER orient
              K_DO NUMBER K_BY NUMBER K_STEP NUMBER NUMBER ';'
    {
      if (defData->callbacks->CannotOccupyCbk) {
        fillSite(defData->CannotOccupy, $3, $4, $5, $6, $8, $10, $12, $13);
        CALLBACK(defData->callbacks->CannotOccupyCbk, defrCannotOccupyCbkType,
                 &defData->CannotOccupy);
      }
    }
  ;

die_area: K_DIEAREA { defData->Geometries.Reset(); } first_pt pt_list ';'
    {
      if (defData->callbacks->DieAreaCbk) {
        defData->DieArea.addPoint(&defData->Geometries);
        CALLBACK(defData->callbacks->DieAreaCbk, defrDieAreaCbkType, &defData->DieArea);
      }
    }
  ;

/* Collects the points of a point list into the per-read geometries. */
first_pt: pt { defData->Geometries.startList($1.x, $1.y); }
  ;

pt_list: pt { defData->Geometries.addToList($1.x, $1.y); }
  | pt_list pt { defData->Geometries.addToList($2.x, $2.y); }
  ;

default_cap: K_DEFAULTCAP NUMBER
    {
      if (defData->VersionNum < 5.4) {
        CALLBACK(defData->callbacks->DefaultCapCbk, defrDefaultCapCbkType, toIntRounded($2));
      } else if (defData->callbacks->DefaultCapCbk &&
                 defData->countWarning(defrWarnDefaultCap)) {
        defData->defWarning(7017, "The DEFAULTCAP statement is obsolete in version 5.4 and "
                                  "later.\nThe DEF parser will ignore this statement.");
      }
    }
    minpins_list K_END K_DEFAULTCAP
  ;

minpins_list: %empty
  | minpins_list K_MINPINS NUMBER K_WIRECAP NUMBER ';'
    {
      if (defData->VersionNum < 5.4 && defData->callbacks->PinCapCbk) {
        defData->PinCap.setPin(toIntRounded($3));
        defData->PinCap.setCap($5);
        CALLBACK(defData->callbacks->PinCapCbk, defrPinCapCbkType, &defData->PinCap);
      }
    }
  ;

/* A '*' repeats the matching coordinate of the previous point. */
pt: '(' NUMBER NUMBER ')'
    {
      defData->lastX = $2;
      defData->lastY = $3;
      $$.x = toIntRounded($2);
      $$.y = toIntRounded($3);
    }
  | '(' '*' NUMBER ')'
    {
      defData->lastY = $3;
      $$.x = toIntRounded(defData->lastX);
      $$.y = toIntRounded($3);
    }
  | '(' NUMBER '*' ')'
    {
      defData->lastX = $2;
      $$.x = toIntRounded($2);
      $$.y = toIntRounded(defData->lastY);
    }
  | '(' '*' '*' ')'
    {
      $$.x = toIntRounded(defData->lastX);
      $$.y = toIntRounded(defData->lastY);
    }
  ;

/* ===================================================================================== *
 * Section rules: ROWS, TRACKS, GCELLGRID, COMPONENTS, NETS, PINS, VIAS,               *
 * PROPERTYDEFINITIONS, extensions and SPECIALNETS.                                      *
 * ===================================================================================== */

%code {

// A text the grammar hands on as a token value; never written through.
static char* keywordText(const char* text) { return const_cast<char*>(text); }

// Counts one error of a section, reported while under the section's limit; true when the
// error limit has been passed and the parse must end.
static bool sectionError(defrData* d, defrWarningKind kind, int num, const std::string& text) {
  if (d->countWarning(kind)) d->defError(num, text.c_str());
  return d->checkErrors() != 0;
}
#define SECTION_ERROR(kind, num, text)                         \
  do {                                                         \
    if (sectionError(defData, (kind), (num), (text))) YYABORT; \
  } while (0)

// MASK values against a section's counter and limit: 1 use, 0 drop, -1 end the read.
static int maskCheck(defrData* d, defrWarningKind kind, double mask) {
  return d->validateMaskInput(toIntTrunc(mask), d->warnCounts[kind],
                              d->settings->warningLimit[kind]);
}

// A whole decimal integer within the int range.
static bool textToInt(const char* text, int* value) {
  char* end;
  long long v = strtoll(text, &end, 10);
  if (end == text || *end != '\0' || v < INT_MIN || v > INT_MAX) return false;
  *value = static_cast<int>(v);
  return true;
}

// The type of a PROPERTY name in the session's definitions for its kind of object; an
// undefined name is reported and stored with type 'N'.
static char propertyType(defrData* d, const defiPropType& table, const char* kind,
                         const char* name) {
  char type = table.propType(name);
  if (type == 'N')
    d->defWarning(7010, (std::string("The PropName ") + name + " is not defined for " + kind +
                         ".").c_str());
  return type;
}

// The text stored beside a numeric property value.
struct NumberText {
  explicit NumberText(double v) { snprintf(text, sizeof text, "%g", v); }
  char text[32];
};

// The kinds of object of PROPERTYDEFINITIONS, in the order of prop_kind.
enum defrPropKind {
  defrPropDesign, defrPropNet, defrPropSNet, defrPropRegion, defrPropGroup,
  defrPropComponent, defrPropRow, defrPropComponentPin, defrPropNonDefault
};
static const char* const kPropKindText[] = {"design", "net", "specialnet", "region", "group",
                                            "component", "row", "componentpin",
                                            "nondefaultrule"};

static defiPropType& propTable(defrSession* s, int kind) {
  switch (kind) {
    case defrPropDesign: return s->DesignProp;
    case defrPropNet: return s->NetProp;
    case defrPropSNet: return s->SNetProp;
    case defrPropRegion: return s->RegionProp;
    case defrPropGroup: return s->GroupProp;
    case defrPropComponent: return s->CompProp;
    case defrPropRow: return s->RowProp;
    case defrPropComponentPin: return s->CompPinProp;
    default: return s->NDefProp;
  }
}

// The DO part of a ROW; true when the parse must end.
static bool rowDo(defrData* d, const char* rowName, double xNum, double yNum, bool hasStep,
                  double xStep, double yStep) {
  if (!d->callbacks->RowCbk) return false;
  if (hasStep && !((yNum == 1 && yStep == 0) || (xNum == 1 && xStep == 0)) &&
      d->VersionNum < 5.6 && d->countWarning(defrWarnRow))
    d->defWarning(7018, (std::string("The DO statement in the ROW statement with the name ") +
                         rowName + " has invalid syntax.\nThe valid syntax is \"DO numX BY 1 "
                         "STEP spaceX 0 | DO 1 BY numY STEP 0 spaceY\".\nSpecify the valid "
                         "syntax and try again.").c_str());
  if (xNum != 1 && yNum != 1 &&
      sectionError(d, defrWarnRow, 6524, "Invalid syntax specified. The valid syntax is "
                   "either \"DO 1 BY num or DO num BY 1\". Specify the valid syntax and try "
                   "again."))
    return true;
  d->Row.setDo(toIntRounded(xNum), toIntRounded(yNum), xStep, yStep);
  return false;
}

// The callback that stores a net of the section being read.
static bool netStored(defrData* d) {
  return d->netOsnet == 2 ? d->callbacks->SNetCbk != nullptr
                                : d->callbacks->NetCbk != nullptr;
}

// Path items are stored only while paths are collected and the net is stored.
static bool pathStored(defrData* d) { return d->collectPaths && netStored(d); }

// Inside a path the lexer reads names, except the words that go on the path.
static void pathKeywords(defrData* d, int on) {
  d->point_is_token = on && d->netOsnet == 1;
  d->new_is_keyword = d->virtual_is_keyword = d->rect_is_keyword = on;
  d->orient_is_keyword = d->do_is_keyword = d->by_is_keyword = d->step_is_keyword = on;
}

// A point read as one token: its coordinates are the ones a later '*' repeats.
static void pathPointToken(defrData* d, decltype(DEFYYSTYPE::pt) pt) {
  d->lastX = pt.x;
  d->lastY = pt.y;
  if (pathStored(d)) d->Path.addPoint(pt.x, pt.y);
}

// A point of a path; a missing coordinate repeats the previous point's.
static decltype(DEFYYSTYPE::pt) pathCoords(defrData* d, const double* x, const double* y) {
  if (x) d->lastX = *x;
  if (y) d->lastY = *y;
  return {toIntRounded(d->lastX), toIntRounded(d->lastY)};
}

static void wiringKeywordsOff(defrData* d) {
  pathKeywords(d, 0);
  d->mustjoin_is_keyword = d->nondef_is_keyword = 0;
  d->fixed_is_keyword = d->cover_is_keyword = d->routed_is_keyword = 0;
}

// The attributes that apply to the next RECT, POLYGON or VIA of a special net.
static void resetShapeAttributes(defrData* d) {
  d->wireMask = 0;
  d->specialWireType = "ROUTED";
  d->name1.clear();  // route-status (shield) net
  d->name2.clear();  // shape type
}

// After a partial hand-out the net has delivered all it held: only an empty copy of the
// wire (or pre-5.4 shield) being read stays, for the paths still to come.
static void keepOpenWireOnly(defrData* d) {
  defiNet& net = d->Net;
  if (d->shield && net.numShields() > 0) {
    std::string name = net.shield(net.numShields() - 1)->shieldName();
    net.freeShield();
    net.addShield(name.c_str());
  } else if (!d->shield && net.numWires() > 0) {
    const defiWire* open = net.wire(net.numWires() - 1);
    std::string type = open->wireType();
    bool shielded = open->wireShieldNetName() != nullptr;
    std::string shieldNet = shielded ? open->wireShieldNetName() : "";
    net.freeWire();
    net.addWire(type.c_str(), shielded ? shieldNet.c_str() : nullptr);
  }
  net.clearRectPolyNPath();
  net.clearVia();
}

// A via of a path, with its mask and orientation when they are not -1.
static void addPathVia(defrData* d, int mask, const char* via, int orient) {
  if (mask >= 0) d->Path.addViaMask(mask);
  d->Path.addVia(via);
  if (orient >= 0) d->Path.addViaRotation(orient);
}

// A finished path of NETS.
static void pathDone(defrData* d) {
  if (pathStored(d)) d->pathIsDone(d->shield, 0, d->netOsnet, &d->needCbk);
}

// A word among the items of a path: a via, or TAPER when no orientation follows.
static void pathVia(defrData* d, const char* via, int orient) {
  if (!pathStored(d)) return;
  if (orient < 0 && strcmp(via, "TAPER") == 0)
    d->Path.setTaper();
  else
    addPathVia(d, -1, via, orient);
}

// After the first point of a path every word is a name, except the words of a path.
static void pathMode(defrData* d) {
  d->dumb_mode = INT_MAX;
  pathKeywords(d, 1);
}

// A via array of a path: stored in SPECIALNETS, refused in NETS. True when the parse must
// end.
static bool pathViaArray(defrData* d, int mask, const char* via, int orient, double numX,
                         double numY, double stepX, double stepY) {
  bool special = d->collectPaths && d->callbacks->SNetCbk;
  if (special && d->VersionNum < 5.5 &&
      sectionError(d, defrWarnNet, 6532, defrFormat("The VIA DO statement is available in "
                   "version 5.5 and later.\nHowever, your DEF file is defined with version %g",
                   d->VersionNum)))
    return true;
  if (special && (numX == 0 || numY == 0) &&
      sectionError(d, defrWarnNet, 6533, "Either the numX or numY in the VIA DO statement has "
                   "the value. The value specified is 0.\nUpdate your DEF file with the correct "
                   "value and then try again.\n"))
    return true;
  if (d->netOsnet == 2) {
    if (pathStored(d)) {
      addPathVia(d, mask, via, orient);
      d->Path.addViaData(toIntTrunc(numX), toIntTrunc(numY), toIntTrunc(stepX),
                         toIntTrunc(stepY));
    }
    return false;
  }
  return d->callbacks->NetCbk &&
         sectionError(d, defrWarnNet, 6567, "The VIA DO statement is defined in the NET "
                      "statement and is invalid.\nRemove this statement from your DEF file and "
                      "try again.");
}

// Pin messages count twice in the pin counter, against the pin and the pin-extension limits.
static bool pinError(defrData* d, int num, const std::string& text) {
  int& count = d->warnCounts[defrWarnPin];
  if (count++ < d->settings->warningLimit[defrWarnPin] &&
      count++ < d->settings->warningLimit[defrWarnPinExt])
    d->defError(num, text.c_str());
  return d->checkErrors() != 0;
}
#define PIN_ERROR(num, text)                          \
  do {                                                \
    if (pinError(defData, (num), (text))) YYABORT;    \
  } while (0)

// A shape of the pin, or of its last PORT while one is being read.
#define PIN_SHAPE(name, ...)                                 \
  do {                                                       \
    if (defData->pinPort)                                    \
      defData->Pin.addPort##name(__VA_ARGS__);               \
    else                                                     \
      defData->Pin.add##name(__VA_ARGS__);                   \
  } while (0)

static bool pinStored(defrData* d) {
  return d->callbacks->PinCbk != nullptr || d->callbacks->PinExtCbk != nullptr;
}

static std::string pinVersionText(const char* keyword, const char* since, double version) {
  return defrFormat("The %s statement is available in version %s and later.\nHowever, your "
                    "DEF file is defined with version %g.", keyword, since, version);
}

// An antenna value of a pin, stored in every version after the version check.
#define PIN_ANTENNA(num, keyword, add, value, layer)                        \
  do {                                                                      \
    if (pinStored(defData)) {                                               \
      if (defData->VersionNum < 5.4)                                        \
        PIN_ERROR((num), pinVersionText((keyword), "5.4", defData->VersionNum)); \
      defData->Pin.add(toIntTrunc(value), (layer));                         \
    }                                                                       \
  } while (0)
};

%type <string> track_dir net_type comp_source source_type use_type pattern_type shape_type;
%type <string> conn_comp comp_gen_pattern antenna_layer_opt prop_text subnet_wire_type;
%type <string> snet_wire_type vpin_status shield_net;
%type <integer> comp_place_status comp_halo_soft samemask_opt pin_status pin_via_mask;
%type <integer> pin_oxide path_orient snet_via_orient prop_kind conn_option;
%type <integer> subnet_synthesized;
%type <dval> via_mask;
%type <pt> path_xy path_coords comp_foreign_pt;

/* Lexer modes shared by several statements. */
set_two_names: %empty { NAME_MODE(2); }
  ;

set_all_names: %empty { NAME_MODE(INT_MAX); }
  ;

/* Property lists read every word as a name; ';' and '+' end the mode in the lexer. */
set_prop_mode: %empty { defData->dumb_mode = INT_MAX; }
  ;

prop_text: QSTRING
  | T_STRING
  ;

/* ----- ROW, TRACKS, GCELLGRID ----- */

row_rule: K_ROW set_two_names T_STRING T_STRING NUMBER NUMBER orient
    {
      if (defData->callbacks->RowCbk) defData->Row.setup($3, $4, $5, $6, $7);
    }
    row_do_option row_options ';'
    { CALLBACK(defData->callbacks->RowCbk, defrRowCbkType, &defData->Row); }
  ;

/* The row name is five symbols before the DO part. */
row_do_option: %empty
    {
      if (defData->VersionNum < 5.6 && defData->callbacks->RowCbk)
        SECTION_ERROR(defrWarnRow, 6523, "Invalid ROW statement defined in the DEF file. The DO "
            "statement which is required in the ROW statement is not defined.\nUpdate your DEF "
            "file with a DO statement.");
    }
  | K_DO NUMBER K_BY NUMBER
    { if (rowDo(defData, $<string>-5, $2, $4, false, 0.0, 0.0)) YYABORT; }
  | K_DO NUMBER K_BY NUMBER K_STEP NUMBER NUMBER
    {
      if (defData->callbacks->RowCbk) defData->Row.setHasDoStep();
      if (rowDo(defData, $<string>-5, $2, $4, true, $6, $7)) YYABORT;
    }
  ;

row_options: %empty
  | row_options '+' K_PROPERTY set_prop_mode row_props
  ;

row_props: row_prop
  | row_props row_prop
  ;

row_prop: T_STRING NUMBER
    {
      if (defData->callbacks->RowCbk) {
        NumberText value($2);
        defData->Row.addNumProperty($1, $2, value.text,
            propertyType(defData, defData->session->RowProp, "ROW", $1));
      }
    }
  | T_STRING prop_text
    {
      if (defData->callbacks->RowCbk)
        defData->Row.addProperty($1, $2,
            propertyType(defData, defData->session->RowProp, "ROW", $1));
    }
  ;

tracks_rule: K_TRACKS track_dir NUMBER
    { if (defData->callbacks->TrackCbk) defData->Track.setup($2); }
    K_DO NUMBER K_STEP NUMBER track_mask_option track_layer_option ';'
    {
      if (defData->callbacks->TrackCbk) {
        if ($6 <= 0 && defData->VersionNum >= 5.4 && defData->countWarning(defrWarnTrack))
          defData->defError(6525, defrFormat("The DO number %g in TRACK is invalid.\nThe number "
              "value has to be greater than 0. Specify the valid syntax and try again.",
              $6).c_str());
        if ($8 < 0 && defData->countWarning(defrWarnTrack))
          defData->defError(6526, defrFormat("The STEP number %g in TRACK is invalid.\nThe number "
              "value has to be greater than 0. Specify the valid syntax and try again.",
              $8).c_str());
        defData->Track.setDo(toIntRounded($3), toIntRounded($6), $8);
        CALLBACK(defData->callbacks->TrackCbk, defrTrackCbkType, &defData->Track);
      }
    }
  ;

track_dir: K_X { $$ = keywordText("X"); }
  | K_Y { $$ = keywordText("Y"); }
  ;

track_mask_option: %empty
  | K_MASK NUMBER samemask_opt
    {
      int use = maskCheck(defData, defrWarnTrack, $2);
      if (use < 0) YYABORT;
      if (use > 0 && defData->callbacks->TrackCbk) defData->Track.addMask(toIntTrunc($2), $3);
    }
  ;

samemask_opt: %empty { $$ = 0; }
  | K_SAMEMASK { $$ = 1; }
  ;

track_layer_option: %empty
  | K_LAYER set_track_layers track_layers { defData->dumb_mode = 0; }
  ;

set_track_layers: %empty { defData->dumb_mode = 1000; }
  ;

track_layers: track_layer
  | track_layers track_layer
  ;

track_layer: T_STRING { if (defData->callbacks->TrackCbk) defData->Track.addLayer($1); }
  ;

gcellgrid_rule: K_GCELLGRID track_dir NUMBER K_DO NUMBER K_STEP NUMBER ';'
    {
      if (defData->callbacks->GcellGridCbk) {
        if ($5 <= 0 && defData->countWarning(defrWarnGcellGrid))
          defData->defError(6527, defrFormat("The DO number %g in GCELLGRID is invalid.\nThe "
              "number value has to be greater than 0. Specify the valid syntax and try again.",
              $5).c_str());
        if ($7 < 0 && defData->countWarning(defrWarnGcellGrid))
          defData->defError(6528, defrFormat("The STEP number %g in GCELLGRID is invalid.\nThe "
              "number value has to be greater than 0. Specify the valid syntax and try again.",
              $7).c_str());
        defData->GcellGrid.setup($2, toIntRounded($3), toIntRounded($5), $7);
        CALLBACK(defData->callbacks->GcellGridCbk, defrGcellGridCbkType, &defData->GcellGrid);
      }
    }
  ;

/* ----- COMPONENTMASKSHIFT and COMPONENTS ----- */

comp_mask_shift_rule: K_COMPSMASKSHIFT mask_shift_layers ';'
    {
      if (defData->VersionNum < 5.8) {
        SECTION_ERROR(defrWarnComponent, 7415, defrFormat("The MASKSHIFT statement is available "
            "in version 5.8 and later.\nHowever, your DEF file is defined with version %g",
            defData->VersionNum));
      } else {
        CALLBACK(defData->callbacks->ComponentMaskShiftLayerCbk,
                 defrComponentMaskShiftLayerCbkType, &defData->ComponentMaskShiftLayer);
      }
      defData->ComponentMaskShiftLayer.clear();
    }
  ;

mask_shift_layers: mask_shift_layer
  | mask_shift_layers mask_shift_layer
  ;

mask_shift_layer: T_STRING
    {
      if (defData->callbacks->ComponentMaskShiftLayerCbk)
        defData->ComponentMaskShiftLayer.addMaskShiftLayer($1);
    }
  ;

components_section: K_COMPS NUMBER ';'
    {
      CALLBACK(defData->callbacks->ComponentStartCbk, defrComponentStartCbkType,
               toIntRounded($2));
    }
    components K_END K_COMPS
    {
      if (defData->callbacks->ComponentCbk)
        CALLBACK(defData->callbacks->ComponentEndCbk, defrComponentEndCbkType, nullptr);
    }
  ;

components: %empty
  | components component
  ;

component: '-' set_all_names T_STRING T_STRING
    { if (defData->callbacks->ComponentCbk) defData->Component.IdAndName($3, $4); }
    comp_nets comp_options ';'
    { CALLBACK(defData->callbacks->ComponentCbk, defrComponentCbkType, &defData->Component); }
  ;

comp_nets: %empty
  | comp_nets '*' { if (defData->callbacks->ComponentCbk) defData->Component.addNet("*"); }
  | comp_nets T_STRING { if (defData->callbacks->ComponentCbk) defData->Component.addNet($2); }
  ;

comp_options: %empty
  | comp_options comp_option
  ;

comp_option: '+' K_EEQMASTER set_name_mode T_STRING
    { if (defData->callbacks->ComponentCbk) defData->Component.setEEQ($4); }
  | '+' K_COMP_GEN set_two_names T_STRING comp_gen_pattern
    { if (defData->callbacks->ComponentCbk) defData->Component.setGenerate($4, $5); }
  | '+' K_SOURCE comp_source
    { if (defData->callbacks->ComponentCbk) defData->Component.setSource($3); }
  | '+' comp_place_status pt orient
    {
      if (defData->callbacks->ComponentCbk) {
        defData->Component.setPlacementStatus($2);
        defData->Component.setPlacementLocation($3.x, $3.y, $4);
      }
    }
  | '+' K_UNPLACED
    {
      if (defData->callbacks->ComponentCbk) defData->Component.setPlacementStatus(1);
      defData->Component.setPlacementLocation(-1, -1, -1);
    }
  | '+' K_UNPLACED pt orient
    {
      if (defData->VersionNum >= 5.4) {
        if (defData->countWarning(defrWarnComponent))
          defData->defWarning(7022, "In the COMPONENT UNPLACED statement, point and orient are "
              "invalid in version 5.4 and later.\nThe DEF parser will ignore this statement.");
      } else if (defData->callbacks->ComponentCbk) {
        defData->Component.setPlacementStatus(1);
        defData->Component.setPlacementLocation($3.x, $3.y, $4);
      }
    }
  | '+' K_WEIGHT NUMBER
    { if (defData->callbacks->ComponentCbk) defData->Component.setWeight(toIntRounded($3)); }
  | '+' K_MASKSHIFT set_name_mode T_STRING
    {
      if (defData->callbacks->ComponentCbk) {
        int use = defData->validateMaskShiftInput(
            $4, defData->warnCounts[defrWarnComponent],
            defData->settings->warningLimit[defrWarnComponent]);
        if (use < 0) YYABORT;
        if (use > 0) defData->Component.setMaskShift($4);
      }
    }
  | '+' K_FOREIGN set_name_mode T_STRING comp_foreign_pt orient
    {
      if (defData->callbacks->ComponentCbk) {
        if (defData->VersionNum >= 5.6) {
          if (defData->countWarning(defrWarnComponent))
            defData->defWarning(7021, "The FOREIGN statement is obsolete in version 5.6 and "
                "later.\nThe DEF parser will ignore this statement.");
        } else {
          defData->Component.setForeignName($4);
          defData->Component.setForeignLocation($5.x, $5.y, $6);
        }
      }
    }
  | '+' K_REGION T_STRING
    { if (defData->callbacks->ComponentCbk) defData->Component.setRegionName($3); }
  | '+' K_REGION comp_region_rects
  | '+' K_HALO comp_halo_soft NUMBER NUMBER NUMBER NUMBER
    {
      if (defData->callbacks->ComponentCbk) {
        if (defData->VersionNum < 5.6)
          SECTION_ERROR(defrWarnComponent, 6529, defrFormat("The HALO statement is a version "
              "5.6 and later syntax.\nHowever, your DEF file is defined with version %g.",
              defData->VersionNum));
        if ($3) {
          if (defData->VersionNum < 5.7)
            SECTION_ERROR(defrWarnComponent, 6550, defrFormat("The HALO SOFT is available in "
                "version 5.7 or later.\nHowever, your DEF file is defined with version %g.",
                defData->VersionNum));
          else
            defData->Component.setHaloSoft();
        }
        defData->Component.setHalo(toIntTrunc($4), toIntTrunc($5), toIntTrunc($6), toIntTrunc($7));
      }
    }
  | '+' K_ROUTEHALO NUMBER set_two_names T_STRING T_STRING
    {
      if (defData->callbacks->ComponentCbk) {
        if (defData->VersionNum < 5.7)
          SECTION_ERROR(defrWarnComponent, 6551, defrFormat("The ROUTEHALO is available in "
              "version 5.7 or later.\nHowever, your DEF file is defined with version %g.",
              defData->VersionNum));
        else
          defData->Component.setRouteHalo(toIntTrunc($3), $5, $6);
      }
    }
  | '+' K_PROPERTY set_prop_mode comp_props
  | '+' K_BEGINEXT
    {
      if (defData->callbacks->ComponentCbk)
        CALLBACK(defData->callbacks->ComponentExtCbk, defrComponentExtCbkType,
                 defData->History_text.c_str());
    }
  ;

comp_gen_pattern: %empty { $$ = keywordText(""); }
  | T_STRING
  ;

comp_place_status: K_PLACED { $$ = 2; }
  | K_FIXED { $$ = 3; }
  | K_COVER { $$ = 4; }
  ;

comp_foreign_pt: pt
  | NUMBER NUMBER { $$.x = toIntRounded($1); $$.y = toIntRounded($2); }
  ;

comp_region_rects: comp_region_rect
  | comp_region_rects comp_region_rect
  ;

comp_region_rect: pt pt
    {
      if (defData->VersionNum >= 5.5)
        defData->defWarning(7020, "The REGION pt pt statement is obsolete in version 5.5 and "
                                  "later.\nThe DEF parser will ignore this statement.");
      else if (defData->callbacks->ComponentCbk)
        defData->Component.setRegionBounds($1.x, $1.y, $2.x, $2.y);
    }
  ;

comp_halo_soft: %empty { $$ = 0; }
  | K_SOFT { $$ = 1; }
  ;

comp_props: comp_prop
  | comp_props comp_prop
  ;

comp_prop: T_STRING NUMBER
    {
      if (defData->callbacks->ComponentCbk) {
        NumberText value($2);
        defData->Component.addNumProperty($1, $2, value.text,
            propertyType(defData, defData->session->CompProp, "COMPONENT", $1));
      }
    }
  | T_STRING prop_text
    {
      if (defData->callbacks->ComponentCbk)
        defData->Component.addProperty($1, $2,
            propertyType(defData, defData->session->CompProp, "COMPONENT", $1));
    }
  ;

comp_source: K_NETLIST { $$ = keywordText("NETLIST"); }
  | K_DIST { $$ = keywordText("DIST"); }
  | K_USER { $$ = keywordText("USER"); }
  | K_TIMING { $$ = keywordText("TIMING"); }
  ;

source_type: comp_source
  | K_TEST { $$ = keywordText("TEST"); }
  ;

/* ----- NETS ----- */

nets_section: K_NETS NUMBER ';'
    {
      CALLBACK(defData->callbacks->NetStartCbk, defrNetStartCbkType, toIntRounded($2));
      defData->netOsnet = 1;
    }
    nets K_END K_NETS
    {
      defData->Subnet.reset();
      defData->netOsnet = 0;
      CALLBACK(defData->callbacks->NetEndCbk, defrNetEndCbkType, nullptr);
    }
  ;

nets: %empty
  | nets net
  ;

net: net_head net_options ';'
    { CALLBACK(defData->callbacks->NetCbk, defrNetCbkType, &defData->Net); }
  ;

/* The name and connections of a net of NETS or SPECIALNETS. */
net_head: '-' start_net net_body
  ;

start_net: %empty
    {
      NAME_MODE(INT_MAX);
      defData->mustjoin_is_keyword = defData->nondef_is_keyword = 1;
      defData->Subnet.reset();
      defData->needCbk = 0;
      defData->shield = 0;
      if (defData->netOsnet == 2) resetShapeAttributes(defData);
    }
  ;

net_body: T_STRING
    {
      if (netStored(defData)) defData->Net.setName($1);
      CALLBACK(defData->callbacks->NetNameCbk, defrNetNameCbkType, $1);
      NAME_MODE(0);
    }
    net_connections
  | K_MUSTJOIN '(' T_STRING T_STRING ')'
    {
      if (netStored(defData)) defData->Net.addMustPin($3, $4, 0);
      NAME_MODE(3);
    }
  ;

net_connections: %empty
  | net_connections net_connection
  ;

net_connection: '(' conn_comp set_all_names T_STRING conn_option ')'
    {
      if (netStored(defData)) defData->Net.addPin($2, $4, $5);
      NAME_MODE(3);
    }
  ;

conn_comp: T_STRING
  | '*' { $$ = keywordText("*"); }
  | K_PIN { $$ = keywordText("PIN"); }
  ;

conn_option: %empty { $$ = 0; }
  | '+' K_SYNTHESIZED { $$ = 1; }
  | '+' K_BEGINEXT
    {
      CALLBACK(defData->callbacks->NetConnectionExtCbk, defrNetConnectionExtCbkType,
               defData->History_text.c_str());
      $$ = 0;
    }
  ;

net_options: %empty
  | net_options net_option
  ;

net_option: '+' net_type
    {
      if (defData->callbacks->NetCbk) defData->Net.addWire($2, nullptr);
      NAME_MODE(1);
    }
    paths
    { wiringKeywordsOff(defData); defData->needCbk = 0; }
  | '+' K_SOURCE source_type
    { if (defData->callbacks->NetCbk) defData->Net.setSource($3); }
  | '+' K_FIXEDBUMP
    {
      if (defData->callbacks->NetCbk) {
        if (defData->VersionNum < 5.5)
          SECTION_ERROR(defrWarnNet, 6530, defrFormat("The FIXEDBUMP statement is available in "
              "version 5.5 and later.\nHowever, your DEF file is defined with version %g.",
              defData->VersionNum));
        defData->Net.setFixedbump();
      }
    }
  | '+' K_FREQUENCY set_real_mode NUMBER
    {
      defData->real_num = 0;
      if (defData->callbacks->NetCbk) {
        if (defData->VersionNum < 5.5)
          SECTION_ERROR(defrWarnNet, 6558, defrFormat("The FREQUENCY statement is a version 5.5 "
              "and later syntax.\nHowever, your DEF file is defined with version %g",
              defData->VersionNum));
        defData->Net.setFrequency($4);
      }
    }
  | '+' K_ORIGINAL T_STRING
    { if (defData->callbacks->NetCbk) defData->Net.setOriginal($3); }
  | '+' K_PATTERN pattern_type
    { if (defData->callbacks->NetCbk) defData->Net.setPattern($3); }
  | '+' K_WEIGHT NUMBER
    { if (defData->callbacks->NetCbk) defData->Net.setWeight(toIntRounded($3)); }
  | '+' K_XTALK NUMBER
    { if (defData->callbacks->NetCbk) defData->Net.setXTalk(toIntRounded($3)); }
  | '+' K_ESTCAP NUMBER
    { if (defData->callbacks->NetCbk) defData->Net.setCap($3); }
  | '+' K_USE use_type
    { if (defData->callbacks->NetCbk) defData->Net.setUse($3); }
  | '+' K_STYLE NUMBER
    { if (defData->callbacks->NetCbk) defData->Net.setStyle(toIntTrunc($3)); }
  | '+' K_NONDEFAULTRULE T_STRING
    {
      if (defData->callbacks->NetCbk) {
        CALLBACK(defData->callbacks->NetNonDefaultRuleCbk, defrNetNonDefaultRuleCbkType, $3);
        defData->Net.setNonDefaultRule($3);
      }
    }
  | '+' K_SHIELDNET T_STRING
    { if (defData->callbacks->NetCbk) defData->Net.addShieldNet($3); }
  | '+' K_NOSHIELD
    {
      if (defData->callbacks->NetCbk) {
        if (defData->VersionNum >= 5.4) {
          defData->Net.addWire("NOSHIELD", nullptr);
        } else {
          defData->Net.addNoShield("");
          wiringKeywordsOff(defData);
          defData->shield = 1;
        }
      }
      NAME_MODE(1);
    }
    paths
    { wiringKeywordsOff(defData); defData->needCbk = 0; defData->shield = 0; }
  | '+' K_SUBNET set_name_mode T_STRING
    {
      if (defData->callbacks->NetCbk) {
        defData->Subnet.reset(new defiSubnet(defData));
        CALLBACK(defData->callbacks->NetSubnetNameCbk, defrNetSubnetNameCbkType, $4);
        defData->Subnet->setName($4);
      }
    }
    subnet_pins
    { defData->fixed_is_keyword = defData->cover_is_keyword = defData->routed_is_keyword = 1; }
    subnet_options
    {
      if (defData->callbacks->NetCbk && defData->Subnet)
        defData->Net.addSubnet(defData->Subnet.release());
      defData->fixed_is_keyword = defData->cover_is_keyword = defData->routed_is_keyword = 0;
    }
  | '+' K_VPIN T_STRING
    { if (defData->callbacks->NetCbk) defData->Net.addVpin($3); }
    vpin_layer_option pt pt
    { if (defData->callbacks->NetCbk) defData->Net.addVpinBounds($6.x, $6.y, $7.x, $7.y); }
    vpin_place_option
  | '+' K_PROPERTY set_prop_mode net_props
  | '+' K_BEGINEXT
    { CALLBACK(defData->callbacks->NetExtCbk, defrNetExtCbkType, defData->History_text.c_str()); }
  ;

set_real_mode: %empty { defData->real_num = 1; }
  ;

net_type: K_FIXED { $$ = keywordText("FIXED"); }
  | K_COVER { $$ = keywordText("COVER"); }
  | K_ROUTED { $$ = keywordText("ROUTED"); }
  ;

use_type: K_SIGNAL { $$ = keywordText("SIGNAL"); }
  | K_POWER { $$ = keywordText("POWER"); }
  | K_GROUND { $$ = keywordText("GROUND"); }
  | K_CLOCK { $$ = keywordText("CLOCK"); }
  | K_TIEOFF { $$ = keywordText("TIEOFF"); }
  | K_ANALOG { $$ = keywordText("ANALOG"); }
  | K_SCAN { $$ = keywordText("SCAN"); }
  | K_RESET { $$ = keywordText("RESET"); }
  ;

pattern_type: K_BALANCED { $$ = keywordText("BALANCED"); }
  | K_STEINER { $$ = keywordText("STEINER"); }
  | K_TRUNK { $$ = keywordText("TRUNK"); }
  | K_WIREDLOGIC { $$ = keywordText("WIREDLOGIC"); }
  ;

subnet_pins: %empty
  | subnet_pins subnet_pin
  ;

subnet_pin: '(' set_all_names conn_comp T_STRING subnet_synthesized ')'
    {
      if (defData->callbacks->NetCbk && defData->Subnet) defData->Subnet->addPin($3, $4, $5);
      NAME_MODE(0);
    }
  ;

subnet_synthesized: %empty { $$ = 0; }
  | '+' K_SYNTHESIZED { $$ = 1; }
  ;

subnet_options: %empty
  | subnet_options subnet_option
  ;

subnet_option: subnet_wire_type
    {
      if (defData->callbacks->NetCbk && defData->Subnet) defData->Subnet->addWire($1);
      NAME_MODE(1);
    }
    paths
    { pathKeywords(defData, 0); }
  | K_NONDEFAULTRULE T_STRING
    { if (defData->callbacks->NetCbk && defData->Subnet) defData->Subnet->setNonDefault($2); }
  ;

subnet_wire_type: net_type
  | K_NOSHIELD { $$ = keywordText("NOSHIELD"); }
  ;

vpin_layer_option: %empty
  | K_LAYER T_STRING { if (defData->callbacks->NetCbk) defData->Net.addVpinLayer($2); }
  ;

vpin_place_option: %empty
  | vpin_status pt orient
    { if (defData->callbacks->NetCbk) defData->Net.addVpinLoc($1, $2.x, $2.y, $3); }
  ;

vpin_status: K_PLACED { $$ = keywordText("PLACED"); }
  | K_FIXED { $$ = keywordText("FIXED"); }
  | K_COVER { $$ = keywordText("COVER"); }
  ;

net_props: net_prop
  | net_props net_prop
  ;

net_prop: T_STRING NUMBER
    {
      if (defData->callbacks->NetCbk) {
        NumberText value($2);
        defData->Net.addNumProp($1, $2, value.text,
            propertyType(defData, defData->session->NetProp, "NET", $1));
      }
    }
  | T_STRING prop_text
    {
      if (defData->callbacks->NetCbk)
        defData->Net.addProp($1, $2, propertyType(defData, defData->session->NetProp, "NET", $1));
    }
  ;

/* ----- Paths of NETS and SPECIALNETS ----- */

paths: path
  | paths K_NEW set_name_mode path
  ;

/* Options and items may be absent: written out, an absent list costs no reduction. */
path: path_layer path_first_point { pathDone(defData); }
  | path_layer path_options path_first_point { pathDone(defData); }
  | path_layer path_first_point path_items { pathDone(defData); }
  | path_layer path_options path_first_point path_items { pathDone(defData); }
  ;

path_layer: T_STRING
    {
      if (pathStored(defData)) {
        if (strcmp($1, "TAPER") == 0 || strcmp($1, "TAPERRULE") == 0)
          SECTION_ERROR(defrWarnNet, 6531, "The layerName which is required in path is missing. "
                        "Include the layerName in the path and then try again.");
        else
          defData->Path.addLayer($1);
      }
    }
  ;

path_options: path_option
  | path_options path_option
  ;

path_option: K_TAPER
    { if (pathStored(defData)) defData->Path.setTaper(); }
  | K_TAPERRULE T_STRING
    { if (pathStored(defData)) defData->Path.addTaperRule($2); }
  | path_style
  ;

path_style: K_STYLE NUMBER
    {
      if (pathStored(defData)) {
        if (defData->VersionNum < 5.6)
          SECTION_ERROR(defrWarnNet, 6534, defrFormat("The STYLE statement is available in "
              "version 5.6 and later.\nHowever, your DEF file is defined with version %g",
              defData->VersionNum));
        else
          defData->Path.addStyle(toIntTrunc($2));
      }
    }
  ;

/* The point rules are written out in full rather than through unit rules: every point of
   every path goes through them, and each rule saved is one reduction less per point. After
   the first point every word is a name, except the words of a path. */
path_first_point: path_xy
    {
      if (pathStored(defData)) defData->Path.addPoint($1.x, $1.y);
      pathMode(defData);
    }
  | T_POINT { pathPointToken(defData, $1); pathMode(defData); }
  | '(' path_coords NUMBER ')'
    {
      if (pathStored(defData)) defData->Path.addFlushPoint($2.x, $2.y, toIntRounded($3));
      pathMode(defData);
    }
  | K_VIRTUAL path_xy
    {
      if (pathStored(defData)) defData->Path.addVirtualPoint($2.x, $2.y);
      pathMode(defData);
    }
  ;

path_xy: '(' path_coords ')' { $$ = $2; }
  ;

/* A '*' repeats the matching coordinate of the previous point. */
path_coords: NUMBER NUMBER { $$ = pathCoords(defData, &$1, &$2); }
  | NUMBER '*' { $$ = pathCoords(defData, &$1, nullptr); }
  | '*' NUMBER { $$ = pathCoords(defData, nullptr, &$2); }
  | '*' '*' { $$ = pathCoords(defData, nullptr, nullptr); }
  ;

/* The common items, points and vias, are items of the list itself: one reduction each. */
path_items: path_item
  | path_xy { if (pathStored(defData)) defData->Path.addPoint($1.x, $1.y); }
  | T_POINT { pathPointToken(defData, $1); }
  | T_STRING { pathVia(defData, $1, -1); }
  | path_items path_item
  | path_items path_xy
    { if (pathStored(defData)) defData->Path.addPoint($2.x, $2.y); }
  | path_items T_POINT { pathPointToken(defData, $2); }
  | path_items T_STRING { pathVia(defData, $2, -1); }
  ;

spath_items: %empty
  | path_items
  ;

path_item: '(' path_coords NUMBER ')'
    { if (pathStored(defData)) defData->Path.addFlushPoint($2.x, $2.y, toIntRounded($3)); }
  | K_VIRTUAL path_xy
    {
      if (pathStored(defData)) {
        if (defData->VersionNum < 5.8 && defData->callbacks->SNetCbk)
          SECTION_ERROR(defrWarnSNet, 6536, defrFormat("The VIRTUAL statement is available in "
              "version 5.8 and later.\nHowever, your DEF file is defined with version %g",
              defData->VersionNum));
        defData->Path.addVirtualPoint($2.x, $2.y);
      }
    }
  | K_MASK NUMBER path_xy
    {
      if (pathStored(defData)) {
        int use = maskCheck(defData, defrWarnSNet, $2);
        if (use < 0) YYABORT;
        if (use > 0) {
          defData->Path.addMask(toIntTrunc($2));
          defData->Path.addPoint($3.x, $3.y);
        }
      }
    }
  | K_MASK NUMBER '(' path_coords NUMBER ')'
    {
      if (pathStored(defData)) {
        int use = maskCheck(defData, defrWarnSNet, $2);
        if (use < 0) YYABORT;
        if (use > 0) {
          defData->Path.addMask(toIntTrunc($2));
          defData->Path.addFlushPoint($4.x, $4.y, toIntRounded($5));
        }
      }
    }
  | K_RECT '(' NUMBER NUMBER NUMBER NUMBER ')'
    {
      if (pathStored(defData)) {
        if (defData->VersionNum < 5.8 && defData->callbacks->SNetCbk)
          SECTION_ERROR(defrWarnSNet, 6536, defrFormat("The RECT statement is available in "
              "version 5.8 and later.\nHowever, your DEF file is defined with version %g",
              defData->VersionNum));
        defData->Path.addViaRect(toIntTrunc($3), toIntTrunc($4), toIntTrunc($5), toIntTrunc($6));
      }
    }
  | K_MASK NUMBER K_RECT '(' NUMBER NUMBER NUMBER NUMBER ')'
    {
      if (pathStored(defData)) {
        int use = maskCheck(defData, defrWarnSNet, $2);
        if (use < 0) YYABORT;
        if (use > 0) {
          defData->Path.addMask(toIntTrunc($2));
          defData->Path.addViaRect(toIntTrunc($5), toIntTrunc($6), toIntTrunc($7), toIntTrunc($8));
        }
      }
    }
  | T_STRING orient { pathVia(defData, $1, $2); }
  | K_MASK NUMBER T_STRING path_orient
    {
      if (pathStored(defData)) {
        int use = maskCheck(defData, defrWarnSNet, $2);
        if (use < 0) YYABORT;
        if ($4 < 0 && strcmp($3, "TAPER") == 0)
          defData->Path.setTaper();
        else if (use > 0)
          addPathVia(defData, toIntTrunc($2), $3, $4);
      }
    }
  | T_STRING K_DO NUMBER K_BY NUMBER K_STEP NUMBER NUMBER
    { if (pathViaArray(defData, -1, $1, -1, $3, $5, $7, $8)) YYABORT; }
  | T_STRING orient K_DO NUMBER K_BY NUMBER K_STEP NUMBER NUMBER
    { if (pathViaArray(defData, -1, $1, $2, $4, $6, $8, $9)) YYABORT; }
  | K_MASK NUMBER T_STRING path_orient K_DO NUMBER K_BY NUMBER K_STEP NUMBER NUMBER
    {
      int use = pathStored(defData) ? maskCheck(defData, defrWarnSNet, $2) : 1;
      if (use < 0) YYABORT;
      if (use > 0 && pathViaArray(defData, toIntTrunc($2), $3, $4, $6, $8, $10, $11)) YYABORT;
    }
  ;

path_orient: %empty { $$ = -1; }
  | orient
  ;

/* ----- SPECIALNETS ----- */

snets_section: K_SNETS NUMBER ';'
    {
      CALLBACK(defData->callbacks->SNetStartCbk, defrSNetStartCbkType, toIntRounded($2));
      defData->netOsnet = 2;
    }
    snets K_END K_SNETS
    {
      defData->netOsnet = 0;
      CALLBACK(defData->callbacks->SNetEndCbk, defrSNetEndCbkType, nullptr);
    }
  ;

snets: %empty
  | snets snet
  ;

snet: net_head snet_options ';'
    { CALLBACK(defData->callbacks->SNetCbk, defrSNetCbkType, &defData->Net); }
  ;

snet_options: %empty
  | snet_options snet_option
  ;

snet_option: '+' K_WIDTH T_STRING NUMBER
    {
      if (defData->VersionNum < 5.5) {
        if (defData->callbacks->SNetCbk)
          defData->Net.setWidth($3, $4);
        else if (defData->countWarning(defrWarnSNet))
          defData->defWarning(7026, "The WIDTH statement is obsolete in version 5.5 and later.\n"
                                    "The DEF parser will ignore this statement.");
      }
    }
  | '+' K_VOLTAGE set_name_mode T_STRING
    {
      if (defData->callbacks->SNetCbk) {
        int voltage;
        if (textToInt($4, &voltage))
          defData->Net.setVoltage(voltage);
        else
          SECTION_ERROR(defrWarnSNet, 6537, std::string("The value ") + $4 + " for statement "
              "VOLTAGE is invalid. The value can only be integer.\nSpecify a valid value in "
              "units of millivolts");
      }
    }
  | '+' K_SPACING T_STRING NUMBER
    { if (defData->callbacks->SNetCbk) defData->Net.setSpacing($3, $4); }
    snet_spacing_range
  | '+' snet_wire_type
    {
      if (defData->VersionNum >= 5.8) {
        defData->specialWireType = $2;
      } else if (defData->callbacks->SNetCbk && defData->countWarning(defrWarnSNet)) {
        defData->defWarning(7023, (std::string("The SPECIAL NET statement, with type ") + $2 +
            ", does not have any net statement defined.\nThe DEF parser will ignore this "
            "statemnet.").c_str());
      }
    }
  | '+' snet_wire_type
    { if (defData->callbacks->SNetCbk) defData->Net.addWire($2, nullptr); }
    spaths snet_wire_done
  | '+' K_SHIELD set_name_mode shield_net
    {
      if (defData->callbacks->SNetCbk && defData->VersionNum < 5.8) {
        if (defData->countWarning(defrWarnSNet))
          defData->defWarning(7025, "The SPECIAL NET SHIELD statement doesn't have routing "
                                    "points definition.\nWill be ignored.");
        defData->specialWireType = "ROUTED";
        defData->name1.clear();
      }
    }
  | '+' K_SHIELD set_name_mode shield_net
    {
      if (defData->callbacks->SNetCbk) {
        if (defData->VersionNum < 5.4) {
          defData->Net.addShield($4);
          defData->shield = 1;
        } else {
          defData->Net.addWire("SHIELD", $4);
        }
      }
      defData->specialWireType = "ROUTED";
      defData->name1.clear();
    }
    spaths snet_wire_done
  | '+' K_SHAPE shape_type
    { defData->name2 = $3; }
  | '+' K_MASK NUMBER
    {
      int use = maskCheck(defData, defrWarnSNet, $3);
      if (use < 0) YYABORT;
      if (use > 0) defData->wireMask = toIntTrunc($3);
    }
  | '+' K_POLYGON set_name_mode T_STRING { defData->Geometries.Reset(); } polygon_points
    {
      if (defData->VersionNum < 5.6) {
        if (defData->callbacks->SNetCbk)
          SECTION_ERROR(defrWarnSNet, 6535, defrFormat("The POLYGON statement is available in "
              "version 5.6 and later.\nHowever, your DEF file is defined with version %g",
              defData->VersionNum));
      } else if (defData->callbacks->SNetCbk) {
        defData->Net.addPolygon($4, &defData->Geometries, &defData->needCbk, defData->wireMask,
                                defData->specialWireType, defData->name2.c_str(),
                                defData->name1.c_str());
      }
    }
    snet_shape_done
  | '+' K_RECT set_name_mode T_STRING pt pt
    {
      if (defData->VersionNum < 5.6 && defData->callbacks->SNetCbk)
        SECTION_ERROR(defrWarnSNet, 6536, defrFormat("The RECT statement is available in "
            "version 5.6 and later.\nHowever, your DEF file is defined with version %g",
            defData->VersionNum));
      if (defData->callbacks->SNetCbk)
        defData->Net.addRect($4, $5.x, $5.y, $6.x, $6.y, &defData->needCbk, defData->wireMask,
                             defData->specialWireType, defData->name2.c_str(),
                             defData->name1.c_str());
    }
    snet_shape_done
  | '+' K_VIA set_name_mode T_STRING snet_via_orient { defData->Geometries.Reset(); } via_points
    {
      if (defData->VersionNum < 5.8) {
        if (defData->callbacks->SNetCbk)
          SECTION_ERROR(defrWarnSNet, 6536, defrFormat("The VIA statement is available in "
              "version 5.8 and later.\nHowever, your DEF file is defined with version %g",
              defData->VersionNum));
      } else if (defData->callbacks->SNetCbk) {
        defData->Net.addPts($4, $5, &defData->Geometries, &defData->needCbk, defData->wireMask,
                            defData->specialWireType, defData->name2.c_str(),
                            defData->name1.c_str());
      }
    }
    snet_shape_done
  | '+' K_SOURCE source_type
    { if (defData->callbacks->SNetCbk) defData->Net.setSource($3); }
  | '+' K_FIXEDBUMP
    { if (defData->callbacks->SNetCbk) defData->Net.setFixedbump(); }
  | '+' K_FREQUENCY NUMBER
    { if (defData->callbacks->SNetCbk) defData->Net.setFrequency($3); }
  | '+' K_ORIGINAL T_STRING
    { if (defData->callbacks->SNetCbk) defData->Net.setOriginal($3); }
  | '+' K_PATTERN pattern_type
    { if (defData->callbacks->SNetCbk) defData->Net.setPattern($3); }
  | '+' K_WEIGHT NUMBER
    { if (defData->callbacks->SNetCbk) defData->Net.setWeight(toIntRounded($3)); }
  | '+' K_ESTCAP NUMBER
    {
      if (defData->VersionNum < 5.5) {
        if (defData->callbacks->SNetCbk)
          defData->Net.setCap($3);
        else if (defData->countWarning(defrWarnSNet))
          defData->defWarning(7024, "The ESTCAP statement is obsolete in version 5.5 and later.\n"
                                    "The DEF parser will ignore this statement.");
      }
    }
  | '+' K_USE use_type
    { if (defData->callbacks->SNetCbk) defData->Net.setUse($3); }
  | '+' K_STYLE NUMBER
    { if (defData->callbacks->SNetCbk) defData->Net.setStyle(toIntTrunc($3)); }
  | '+' K_PROPERTY set_prop_mode snet_props
  | '+' K_BEGINEXT
    { CALLBACK(defData->callbacks->NetExtCbk, defrNetExtCbkType, defData->History_text.c_str()); }
  ;

/* After a wiring statement: the wire callback, which then frees what it was given. */
snet_wire_done: %empty
    {
      if (defData->callbacks->SNetWireCbk) {
        CALLBACK(defData->callbacks->SNetWireCbk, defrSNetWireCbkType, &defData->Net);
        if (defData->shield)
          defData->Net.freeShield();
        else
          defData->Net.freeWire();
      }
      defData->needCbk = 0;
      defData->shield = 0;
      wiringKeywordsOff(defData);
    }
  ;

/* After a RECT, POLYGON or VIA: the shape attributes are used up, and a net whose shape
 * lists reached their hand-out size is handed out and emptied, wires included, so that
 * nothing is handed out twice. */
snet_shape_done: %empty
    {
      resetShapeAttributes(defData);
      if (defData->needCbk && defData->callbacks->SNetPartialPathCbk) {
        CALLBACK(defData->callbacks->SNetPartialPathCbk, defrSNetPartialPathCbkType,
                 &defData->Net);
        defData->Net.clearRectPolyNPath();
        defData->Net.clearVia();
        defData->Net.freeWire();
        defData->needCbk = 0;
      }
    }
  ;

/* The layer of the first path is a name. */
snet_wire_type: net_type { NAME_MODE(1); }
  ;

/* The shield net applies to the shapes that follow; the layer of a first path is a name. */
shield_net: T_STRING
    {
      defData->specialWireType = "SHIELD";
      defData->name1 = $1;
      NAME_MODE(1);
    }
  ;

snet_spacing_range: %empty
  | K_RANGE NUMBER NUMBER
    { if (defData->callbacks->SNetCbk) defData->Net.setRange($2, $3); }
  ;

snet_via_orient: %empty { $$ = 0; }
  | orient
  ;

/* At least three points, collected in the per-read geometries. */
polygon_points: first_pt next_pt pt_list
  ;

next_pt: pt { defData->Geometries.addToList($1.x, $1.y); }
  ;

via_points: first_pt
  | first_pt pt_list
  ;

shape_type: K_RING { $$ = keywordText("RING"); }
  | K_STRIPE { $$ = keywordText("STRIPE"); }
  | K_FOLLOWPIN { $$ = keywordText("FOLLOWPIN"); }
  | K_IOWIRE { $$ = keywordText("IOWIRE"); }
  | K_COREWIRE { $$ = keywordText("COREWIRE"); }
  | K_BLOCKWIRE { $$ = keywordText("BLOCKWIRE"); }
  | K_FILLWIRE { $$ = keywordText("FILLWIRE"); }
  | K_FILLWIREOPC { $$ = keywordText("FILLWIREOPC"); }
  | K_DRCFILL { $$ = keywordText("DRCFILL"); }
  | K_BLOCKAGEWIRE { $$ = keywordText("BLOCKAGEWIRE"); }
  | K_PADRING { $$ = keywordText("PADRING"); }
  | K_BLOCKRING { $$ = keywordText("BLOCKRING"); }
  ;

spaths: spath
  | spaths K_NEW set_name_mode spath
  ;

spath: T_STRING NUMBER
    {
      if (pathStored(defData)) {
        defData->Path.addLayer($1);
        defData->Path.addWidth(toIntRounded($2));
      }
    }
    spath_options path_first_point spath_items
    {
      if (pathStored(defData)) {
        if (defData->needCbk && defData->callbacks->SNetPartialPathCbk) {
          CALLBACK(defData->callbacks->SNetPartialPathCbk, defrSNetPartialPathCbkType,
                   &defData->Net);
          defData->needCbk = 0;
          keepOpenWireOnly(defData);
          defData->pathIsDone(defData->shield, 1, 2, &defData->needCbk);
        } else {
          defData->pathIsDone(defData->shield, 0, 2, &defData->needCbk);
        }
      }
    }
  ;

spath_options: %empty
  | spath_options '+' K_SHAPE shape_type
    {
      if (pathStored(defData)) {
        if (strcmp($4, "FILLWIREOPC") == 0 && defData->VersionNum < 5.7)
          SECTION_ERROR(defrWarnFills, 6552, defrFormat("The FILLWIREOPC is available in "
              "version 5.7 or later.\nHowever, your DEF file is defined with version %g.",
              defData->VersionNum));
        defData->Path.addShape($4);
      }
    }
  | spath_options '+' path_style
  ;

snet_props: snet_prop
  | snet_props snet_prop
  ;

snet_prop: T_STRING NUMBER
    {
      if (defData->callbacks->SNetCbk) {
        NumberText value($2);
        defData->Net.addNumProp($1, $2, value.text,
            propertyType(defData, defData->session->SNetProp, "SPECIAL NET", $1));
      }
    }
  | T_STRING prop_text
    {
      if (defData->callbacks->SNetCbk)
        defData->Net.addProp($1, $2,
            propertyType(defData, defData->session->SNetProp, "SPECIAL NET", $1));
    }
  ;

/* ----- PINS ----- */

pins_section: K_PINS NUMBER ';'
    { CALLBACK(defData->callbacks->StartPinsCbk, defrStartPinsCbkType, toIntRounded($2)); }
    pins K_END K_PINS
    { CALLBACK(defData->callbacks->PinEndCbk, defrPinEndCbkType, nullptr); }
  ;

pins: %empty
  | pins pin
  ;

pin: '-' set_name_mode T_STRING '+' K_NET set_name_mode T_STRING
    {
      if (pinStored(defData)) defData->Pin.Setup($3, $7);
      defData->pinPort = 0;
    }
    pin_options ';'
    { CALLBACK(defData->callbacks->PinCbk, defrPinCbkType, &defData->Pin); }
  ;

pin_options: %empty
  | pin_options pin_option
  ;

pin_option: '+' K_SPECIAL
    { if (defData->callbacks->PinCbk) defData->Pin.setSpecial(); }
  | '+' K_BEGINEXT
    { CALLBACK(defData->callbacks->PinExtCbk, defrPinExtCbkType, defData->History_text.c_str()); }
  | '+' K_DIRECTION T_STRING
    { if (pinStored(defData)) defData->Pin.setDirection($3); }
  | '+' K_NETEXPR QSTRING
    {
      if (pinStored(defData)) {
        if (defData->VersionNum < 5.6)
          PIN_ERROR(6506, pinVersionText("NETEXPR", "5.6", defData->VersionNum));
        else
          defData->Pin.setNetExpr($3);
      }
    }
  | '+' K_SUPPLYSENSITIVITY T_STRING
    {
      if (pinStored(defData)) {
        if (defData->VersionNum < 5.6)
          PIN_ERROR(6507, pinVersionText("SUPPLYSENSITIVITY", "5.6", defData->VersionNum));
        else
          defData->Pin.setSupplySens($3);
      }
    }
  | '+' K_GROUNDSENSITIVITY T_STRING
    {
      if (pinStored(defData)) {
        if (defData->VersionNum < 5.6)
          PIN_ERROR(6508, pinVersionText("GROUNDSENSITIVITY", "5.6", defData->VersionNum));
        else
          defData->Pin.setGroundSens($3);
      }
    }
  | '+' K_USE use_type
    { if (pinStored(defData)) defData->Pin.setUse($3); }
  | '+' K_PORT
    {
      if (!pinStored(defData)) {
        defData->pinPort = 1;
      } else if (defData->VersionNum < 5.7) {
        PIN_ERROR(6555, defrFormat("The PORT in PINS is available in version 5.7 or later.\n"
                                    "However, your DEF file is defined with version %g.",
                                    defData->VersionNum));
      } else {
        defData->Pin.addPort();
        defData->pinPort = 1;
      }
    }
  | '+' K_LAYER set_name_mode T_STRING
    {
      if (pinStored(defData)) PIN_SHAPE(Layer, $4);
    }
    pin_layer_mask pin_layer_rule pt pt
    {
      if (pinStored(defData)) PIN_SHAPE(LayerPts, $8.x, $8.y, $9.x, $9.y);
    }
  | '+' K_POLYGON set_name_mode T_STRING
    {
      if (pinStored(defData) && defData->VersionNum >= 5.6) PIN_SHAPE(Polygon, $4);
      defData->Geometries.Reset();
    }
    pin_poly_mask pin_poly_rule polygon_points
    {
      if (pinStored(defData)) {
        if (defData->VersionNum < 5.6)
          PIN_ERROR(6509, defrFormat("The POLYGON statement is available in version 5.6 and "
              "later.\nHowever, your DEF file is defined with version %g.", defData->VersionNum));
        else
          PIN_SHAPE(PolygonPts, &defData->Geometries);
      }
    }
  | '+' K_VIA set_name_mode T_STRING pin_via_mask '(' NUMBER NUMBER ')'
    {
      if (pinStored(defData)) {
        if (defData->VersionNum < 5.7)
          PIN_ERROR(6556, defrFormat("The PIN VIA statement is available in version 5.7 and "
              "later.\nHowever, your DEF file is defined with version %g.", defData->VersionNum));
        else
          PIN_SHAPE(Via, $4, toIntTrunc($7), toIntTrunc($8), $5);
      }
    }
  | '+' pin_status pt orient
    {
      if (pinStored(defData)) {
        if (defData->pinPort)
          defData->Pin.setPortPlacement($2, $3.x, $3.y, $4);
        else
          defData->Pin.setPlacement($2, $3.x, $3.y, $4);
      }
      defData->pinPort = 0;
    }
  | '+' K_ANTENNAPINPARTIALMETALAREA NUMBER antenna_layer_opt
    { PIN_ANTENNA(6510, "ANTENNAPINPARTIALMETALAREA", addAPinPartialMetalArea, $3, $4); }
  | '+' K_ANTENNAPINPARTIALMETALSIDEAREA NUMBER antenna_layer_opt
    { PIN_ANTENNA(6511, "ANTENNAPINPARTIALMETALSIDEAREA", addAPinPartialMetalSideArea, $3, $4); }
  | '+' K_ANTENNAPINGATEAREA NUMBER antenna_layer_opt
    { PIN_ANTENNA(6512, "ANTENNAPINGATEAREA", addAPinGateArea, $3, $4); }
  | '+' K_ANTENNAPINDIFFAREA NUMBER antenna_layer_opt
    { PIN_ANTENNA(6513, "ANTENNAPINDIFFAREA", addAPinDiffArea, $3, $4); }
  | '+' K_ANTENNAPINMAXAREACAR NUMBER K_LAYER T_STRING
    { PIN_ANTENNA(6514, "ANTENNAPINMAXAREACAR", addAPinMaxAreaCar, $3, $5); }
  | '+' K_ANTENNAPINMAXSIDEAREACAR NUMBER K_LAYER T_STRING
    { PIN_ANTENNA(6515, "ANTENNAPINMAXSIDEAREACAR", addAPinMaxSideAreaCar, $3, $5); }
  | '+' K_ANTENNAPINPARTIALCUTAREA NUMBER antenna_layer_opt
    { PIN_ANTENNA(6516, "ANTENNAPINPARTIALCUTAREA", addAPinPartialCutArea, $3, $4); }
  | '+' K_ANTENNAPINMAXCUTCAR NUMBER K_LAYER T_STRING
    { PIN_ANTENNA(6517, "ANTENNAPINMAXCUTCAR", addAPinMaxCutCar, $3, $5); }
  | '+' K_ANTENNAMODEL pin_oxide
    {
      if (pinStored(defData)) {
        if (defData->VersionNum < 5.5)
          PIN_ERROR(6518, defrFormat("The ANTENNAMODEL statement is available in version 5.5 "
              "and later.\nHowever, your DEF file is defined with version %g.",
              defData->VersionNum));
        defData->Pin.addAntennaModel($3);
      }
    }
  ;

pin_status: K_PLACED { $$ = 2; }
  | K_FIXED { $$ = 3; }
  | K_COVER { $$ = 4; }
  ;

pin_oxide: K_OXIDE1 { $$ = 1; }
  | K_OXIDE2 { $$ = 2; }
  | K_OXIDE3 { $$ = 3; }
  | K_OXIDE4 { $$ = 4; }
  ;

antenna_layer_opt: %empty { $$ = keywordText(""); }
  | K_LAYER T_STRING { $$ = $2; }
  ;

pin_layer_mask: %empty
  | K_MASK NUMBER
    {
      if (pinStored(defData)) {
        int use = maskCheck(defData, defrWarnPin, $2);
        if (use < 0) YYABORT;
        if (use > 0) PIN_SHAPE(LayerMask, toIntTrunc($2));
      }
    }
  ;

pin_layer_rule: %empty
  | K_SPACING NUMBER
    {
      if (pinStored(defData)) {
        if (defData->VersionNum < 5.6)
          PIN_ERROR(6519, defrFormat("The SPACING statement is available in version 5.6 and "
              "later.\nHowever, your DEF file is defined with version %g.", defData->VersionNum));
        else
          PIN_SHAPE(LayerSpacing, toIntTrunc($2));
      }
    }
  | K_DESIGNRULEWIDTH NUMBER
    {
      if (pinStored(defData)) {
        if (defData->VersionNum < 5.6)
          PIN_ERROR(6520, defrFormat("DESIGNRULEWIDTH statement is a version 5.6 and later "
              "syntax.\nYour def file is defined with version %g", defData->VersionNum));
        else
          PIN_SHAPE(LayerDesignRuleWidth, toIntTrunc($2));
      }
    }
  ;

pin_poly_mask: %empty
  | K_MASK NUMBER
    {
      if (pinStored(defData) && defData->VersionNum >= 5.6) {
        int use = maskCheck(defData, defrWarnPin, $2);
        if (use < 0) YYABORT;
        if (use > 0) PIN_SHAPE(PolyMask, toIntTrunc($2));
      }
    }
  ;

pin_poly_rule: %empty
  | K_SPACING NUMBER
    {
      if (pinStored(defData)) {
        if (defData->VersionNum < 5.6)
          PIN_ERROR(6521, defrFormat("SPACING statement is a version 5.6 and later syntax.\n"
              "Your def file is defined with version %g", defData->VersionNum));
        else
          PIN_SHAPE(PolySpacing, toIntTrunc($2));
      }
    }
  | K_DESIGNRULEWIDTH NUMBER
    {
      if (pinStored(defData)) {
        if (defData->VersionNum < 5.6)
          PIN_ERROR(6520, defrFormat("The DESIGNRULEWIDTH statement is available in version "
              "5.6 and later.\nHowever, your DEF file is defined with version %g.",
              defData->VersionNum));
        else
          PIN_SHAPE(PolyDesignRuleWidth, toIntTrunc($2));
      }
    }
  ;

pin_via_mask: %empty { $$ = 0; }
  | K_MASK NUMBER
    {
      int use = pinStored(defData) ? maskCheck(defData, defrWarnPin, $2) : 1;
      if (use < 0) YYABORT;
      $$ = use > 0 ? toIntTrunc($2) : 0;
    }
  ;

/* ----- VIAS ----- */

vias_section: K_VIAS NUMBER ';'
    { CALLBACK(defData->callbacks->ViaStartCbk, defrViaStartCbkType, toIntRounded($2)); }
    vias K_END K_VIAS
    { CALLBACK(defData->callbacks->ViaEndCbk, defrViaEndCbkType, nullptr); }
  ;

vias: %empty
  | vias via
  ;

via: '-' set_name_mode T_STRING
    {
      if (defData->callbacks->ViaCbk) defData->Via.setup($3);
      defData->viaRule = 0;
    }
    via_statements ';'
    {
      CALLBACK(defData->callbacks->ViaCbk, defrViaCbkType, &defData->Via);
      defData->Via.clear();
    }
  ;

via_statements: %empty
  | via_statements via_statement
  ;

via_statement: '+' K_RECT set_name_mode T_STRING via_mask pt pt
    {
      if (defData->callbacks->ViaCbk) {
        int use = maskCheck(defData, defrWarnVia, $5);
        if (use < 0) YYABORT;
        if (use > 0) defData->Via.addLayer($4, $6.x, $6.y, $7.x, $7.y, toIntTrunc($5));
      }
    }
  | '+' K_POLYGON set_name_mode T_STRING via_mask { defData->Geometries.Reset(); } polygon_points
    {
      if (defData->callbacks->ViaCbk) {
        if (defData->VersionNum < 5.6) {
          SECTION_ERROR(defrWarnVia, 6509, defrFormat("The POLYGON statement is available in "
              "version 5.6 and later.\nHowever, your DEF file is defined with version %g.",
              defData->VersionNum));
        } else {
          int use = maskCheck(defData, defrWarnVia, $5);
          if (use < 0) YYABORT;
          if (use > 0) defData->Via.addPolygon($4, &defData->Geometries, toIntTrunc($5));
        }
      }
    }
  | '+' K_PATTERNNAME T_STRING
    {
      if (defData->callbacks->ViaCbk) {
        if (defData->VersionNum < 5.6)
          defData->Via.addPattern($3);
        else if (defData->countWarning(defrWarnVia))
          defData->defWarning(7019, "The PATTERNNAME statement is obsolete in version 5.6 and "
                                    "later.\nThe DEF parser will ignore this statement.");
      }
    }
  | '+' K_VIARULE T_STRING '+' K_CUTSIZE NUMBER NUMBER '+' K_LAYERS set_three_names
    T_STRING T_STRING T_STRING '+' K_CUTSPACING NUMBER NUMBER
    '+' K_ENCLOSURE NUMBER NUMBER NUMBER NUMBER
    {
      defData->viaRule = 1;
      if (defData->callbacks->ViaCbk) {
        if (defData->VersionNum < 5.6)
          SECTION_ERROR(defrWarnVia, 6557, defrFormat("The VIARULE statement is available in "
              "version 5.6 and later.\nHowever, your DEF file is defined with version %g.",
              defData->VersionNum));
        else
          defData->Via.addViaRule($3, toIntTrunc($6), toIntTrunc($7), $11, $12, $13,
                                  toIntTrunc($16), toIntTrunc($17), toIntTrunc($20),
                                  toIntTrunc($21), toIntTrunc($22), toIntTrunc($23));
      }
    }
  | '+' K_ROWCOL NUMBER NUMBER
    {
      if (defData->callbacks->ViaCbk) {
        if (!defData->viaRule)
          SECTION_ERROR(defrWarnVia, 6559, "The ROWCOL statement is missing from the VIARULE "
              "statement. Ensure that it exists in the VIARULE statement.");
        else
          defData->Via.addRowCol(toIntTrunc($3), toIntTrunc($4));
      }
    }
  | '+' K_ORIGIN NUMBER NUMBER
    {
      if (defData->callbacks->ViaCbk) {
        if (!defData->viaRule)
          SECTION_ERROR(defrWarnVia, 6560, "The ORIGIN statement is missing from the VIARULE "
              "statement. Ensure that it exists in the VIARULE statement.");
        else
          defData->Via.addOrigin(toIntTrunc($3), toIntTrunc($4));
      }
    }
  | '+' K_OFFSET NUMBER NUMBER NUMBER NUMBER
    {
      if (defData->callbacks->ViaCbk) {
        if (!defData->viaRule)
          SECTION_ERROR(defrWarnVia, 6561, "The OFFSET statement is missing from the VIARULE "
              "statement. Ensure that it exists in the VIARULE statement.");
        else
          defData->Via.addOffset(toIntTrunc($3), toIntTrunc($4), toIntTrunc($5), toIntTrunc($6));
      }
    }
  | '+' K_PATTERN T_STRING
    {
      if (defData->callbacks->ViaCbk) {
        if (!defData->viaRule)
          SECTION_ERROR(defrWarnVia, 6562, "The PATTERN statement is missing from the VIARULE "
              "statement. Ensure that it exists in the VIARULE statement.");
        else
          defData->Via.addCutPattern($3);
      }
    }
  | '+' K_BEGINEXT
    { CALLBACK(defData->callbacks->ViaExtCbk, defrViaExtCbkType, defData->History_text.c_str()); }
  ;

via_mask: %empty { $$ = 0; }
  | '+' K_MASK NUMBER { $$ = $3; }
  ;

set_three_names: %empty { NAME_MODE(3); }
  ;

/* ----- PROPERTYDEFINITIONS and extension sections ----- */

propdef_section: K_PROPERTYDEFINITIONS
    { CALLBACK(defData->callbacks->PropDefStartCbk, defrPropDefStartCbkType, nullptr); }
    property_defs K_END K_PROPERTYDEFINITIONS
    {
      defData->real_num = 0;
      CALLBACK(defData->callbacks->PropDefEndCbk, defrPropDefEndCbkType, nullptr);
    }
  ;

property_defs: %empty
  | property_defs property_def
  ;

property_def: prop_kind
    {
      defData->Prop.clear();
      NAME_MODE(1);
    }
    T_STRING prop_data_type ';'
    {
      if ($1 == defrPropNonDefault && defData->VersionNum < 5.6) {
        SECTION_ERROR(defrWarnNonDefault, 6505, defrFormat("The NONDEFAULTRULE statement is "
            "available in version 5.6 and later.\nHowever, your DEF file is defined with "
            "version %g.", defData->VersionNum));
      } else {
        if (defData->callbacks->PropCbk) {
          defData->Prop.setPropType(kPropKindText[$1], $3);
          CALLBACK(defData->callbacks->PropCbk, defrPropCbkType, &defData->Prop);
        }
        propTable(defData->session, $1).setPropType(defData->DEFCASE($3), defData->propDataType);
      }
    }
  | error ';' { yyerrok; yyclearin; CHKERR(); }
  ;

prop_kind: K_DESIGN { $$ = defrPropDesign; }
  | K_NET { $$ = defrPropNet; }
  | K_SNET { $$ = defrPropSNet; }
  | K_REGION { $$ = defrPropRegion; }
  | K_GROUP { $$ = defrPropGroup; }
  | K_COMPONENT { $$ = defrPropComponent; }
  | K_ROW { $$ = defrPropRow; }
  | K_COMPONENTPIN { $$ = defrPropComponentPin; }
  | K_NONDEFAULTRULE { $$ = defrPropNonDefault; }
  ;

prop_data_type: K_INTEGER { defData->real_num = 0; } prop_range prop_default
    {
      defData->propDataType = 'I';
      if (defData->callbacks->PropCbk) defData->Prop.setPropInteger();
    }
  | K_REAL { defData->real_num = 1; } prop_range prop_default
    {
      defData->real_num = 0;
      defData->propDataType = 'R';
      if (defData->callbacks->PropCbk) defData->Prop.setPropReal();
    }
  | K_STRING
    {
      defData->propDataType = 'S';
      if (defData->callbacks->PropCbk) defData->Prop.setPropString();
    }
  | K_STRING QSTRING
    {
      defData->propDataType = 'Q';
      if (defData->callbacks->PropCbk) defData->Prop.setPropQString($2);
    }
  | K_NAMEMAPSTRING T_STRING
    {
      defData->propDataType = 'S';
      if (defData->callbacks->PropCbk) defData->Prop.setPropNameMapString($2);
    }
  ;

prop_range: %empty
  | K_RANGE NUMBER NUMBER { defData->Prop.setRange($2, $3); }
  ;

prop_default: %empty
  | NUMBER { if (defData->callbacks->PropCbk) defData->Prop.setNumber($1); }
  ;

extension_section: K_BEGINEXT
    {
      CALLBACK(defData->callbacks->ExtensionCbk, defrExtensionCbkType,
               defData->History_text.c_str());
    }
  ;

/* ----- REGIONS, GROUPS, PINPROPERTIES ----- */

%code {

// One PROPERTY pair of a region, group or pin entry, typed by the session's definitions
// for its kind of object; a number keeps its "%g" text beside it.
template <class Record>
static void addEntryProperty(defrData* d, Record& rec, const defiPropType& table,
                             const char* kind, const char* name, const char* value,
                             const double* number) {
  char type = propertyType(d, table, kind, name);
  if (number)
    rec.addNumProperty(name, *number, NumberText(*number).text, type);
  else
    rec.addProperty(name, value, type);
}

// A SOFT limit of a group: kept before 5.5 when groups are read, reported when they are
// not, and dropped from 5.5 on.
static void groupSoftLimit(defrData* d, void (defiGroup::*set)(int), double value, int num,
                           const char* item) {
  if (d->VersionNum >= 5.5) return;
  if (d->callbacks->GroupCbk)
    (d->Group.*set)(toIntRounded(value));
  else
    d->defWarning(num, defrFormat("The GROUP SOFT %s statement is obsolete in version 5.5 "
                                  "and later.\nThe DEF parser will ignore this statement.",
                                  item).c_str());
}
};

%type <string> region_type;

regions_section: K_REGIONS NUMBER ';'
    { CALLBACK(defData->callbacks->RegionStartCbk, defrRegionStartCbkType, toIntRounded($2)); }
    regions K_END K_REGIONS
    { CALLBACK(defData->callbacks->RegionEndCbk, defrRegionEndCbkType, nullptr); }
  ;

regions: %empty
  | regions region
  ;

region: '-' set_name_mode T_STRING
    {
      if (defData->callbacks->RegionCbk) defData->Region.setup($3);
      defData->regionTypeGiven = 0;
    }
    region_rects region_options ';'
    { CALLBACK(defData->callbacks->RegionCbk, defrRegionCbkType, &defData->Region); }
  ;

region_rects: region_rect
  | region_rects region_rect
  ;

region_rect: pt pt
    { if (defData->callbacks->RegionCbk) defData->Region.addRect($1.x, $1.y, $2.x, $2.y); }
  ;

region_options: %empty
  | region_options region_option
  ;

region_option: '+' K_TYPE region_type
    {
      if (defData->callbacks->RegionCbk) {
        if (defData->regionTypeGiven)
          SECTION_ERROR(defrWarnRegion, 6563, "The TYPE statement already exists. It has been "
                                              "defined in the REGION statement.");
        defData->Region.setType($3);
      }
      defData->regionTypeGiven = 1;
    }
  | '+' K_PROPERTY set_prop_mode region_props
  ;

region_type: K_FENCE { $$ = keywordText("FENCE"); }
  | K_GUIDE { $$ = keywordText("GUIDE"); }
  ;

region_props: region_prop
  | region_props region_prop
  ;

region_prop: T_STRING NUMBER
    {
      if (defData->callbacks->RegionCbk)
        addEntryProperty(defData, defData->Region, defData->session->RegionProp, "REGION", $1,
                         nullptr, &$2);
    }
  | T_STRING prop_text
    {
      if (defData->callbacks->RegionCbk)
        addEntryProperty(defData, defData->Region, defData->session->RegionProp, "REGION", $1,
                         $2, nullptr);
    }
  ;

groups_section: K_GROUPS NUMBER ';'
    { CALLBACK(defData->callbacks->GroupsStartCbk, defrGroupsStartCbkType, toIntRounded($2)); }
    groups K_END K_GROUPS
    { CALLBACK(defData->callbacks->GroupsEndCbk, defrGroupsEndCbkType, nullptr); }
  ;

groups: %empty
  | groups group
  ;

/* Members are names, numbers and keywords included, up to the first '+' or ';'. */
group: '-' set_name_mode T_STRING
    {
      if (defData->callbacks->GroupCbk) defData->Group.setup($3);
      CALLBACK(defData->callbacks->GroupNameCbk, defrGroupNameCbkType, $3);
      NAME_MODE(INT_MAX);
    }
    group_members group_options ';'
    { CALLBACK(defData->callbacks->GroupCbk, defrGroupCbkType, &defData->Group); }
  ;

group_members: %empty
  | group_members T_STRING
    { CALLBACK(defData->callbacks->GroupMemberCbk, defrGroupMemberCbkType, $2); }
  | group_members '*'
    { CALLBACK(defData->callbacks->GroupMemberCbk, defrGroupMemberCbkType, keywordText("*")); }
  ;

group_options: %empty
  | group_options group_option
  ;

group_option: '+' K_SOFT group_soft_limits
  | '+' K_REGION set_name_mode pt pt
    {
      if (defData->VersionNum >= 5.5)
        defData->defWarning(7027, "The GROUP REGION pt pt statement is obsolete in version 5.5 "
                                  "and later.\nThe DEF parser will ignore this statement.");
      else if (defData->callbacks->GroupCbk)
        defData->Group.addRegionRect($4.x, $4.y, $5.x, $5.y);
    }
  | '+' K_REGION set_name_mode T_STRING
    { if (defData->callbacks->GroupCbk) defData->Group.setRegionName($4); }
  | '+' K_PROPERTY set_prop_mode group_props
  | '+' K_BEGINEXT
    {
      CALLBACK(defData->callbacks->GroupExtCbk, defrGroupExtCbkType,
               defData->History_text.c_str());
    }
  ;

group_soft_limits: %empty
  | group_soft_limits K_MAXX NUMBER
    { groupSoftLimit(defData, &defiGroup::setMaxX, $3, 7028, "MAXX"); }
  | group_soft_limits K_MAXY NUMBER
    { groupSoftLimit(defData, &defiGroup::setMaxY, $3, 7029, "MAXY"); }
  | group_soft_limits K_MAXHALFPERIMETER NUMBER
    { groupSoftLimit(defData, &defiGroup::setPerim, $3, 7030, "MAXHALFPERIMETER"); }
  ;

group_props: group_prop
  | group_props group_prop
  ;

group_prop: T_STRING NUMBER
    {
      if (defData->callbacks->GroupCbk)
        addEntryProperty(defData, defData->Group, defData->session->GroupProp, "GROUP", $1,
                         nullptr, &$2);
    }
  | T_STRING prop_text
    {
      if (defData->callbacks->GroupCbk)
        addEntryProperty(defData, defData->Group, defData->session->GroupProp, "GROUP", $1, $2,
                         nullptr);
    }
  ;

pinprops_section: K_PINPROPERTIES NUMBER pinprops_semi
    { CALLBACK(defData->callbacks->PinPropStartCbk, defrPinPropStartCbkType, toIntRounded($2)); }
    pinprops K_END K_PINPROPERTIES
    { CALLBACK(defData->callbacks->PinPropEndCbk, defrPinPropEndCbkType, nullptr); }
  ;

pinprops_semi: %empty
  | ';'
  ;

pinprops: %empty
  | pinprops pinprop
  ;

pinprop: '-' set_two_names T_STRING T_STRING
    { if (defData->callbacks->PinPropCbk) defData->PinProp.setName($3, $4); }
    pinprop_options ';'
    {
      CALLBACK(defData->callbacks->PinPropCbk, defrPinPropCbkType, &defData->PinProp);
      if (defData->callbacks->PinPropCbk) defData->PinProp.clear();
    }
  ;

pinprop_options: %empty
  | pinprop_options '+' K_PROPERTY set_prop_mode pinprop_props
  ;

pinprop_props: pinprop_prop
  | pinprop_props pinprop_prop
  ;

pinprop_prop: T_STRING NUMBER
    {
      if (defData->callbacks->PinPropCbk)
        addEntryProperty(defData, defData->PinProp, defData->session->CompPinProp,
                         "PINPROPERTIES", $1, nullptr, &$2);
    }
  | T_STRING prop_text
    {
      if (defData->callbacks->PinPropCbk)
        addEntryProperty(defData, defData->PinProp, defData->session->CompPinProp,
                         "PINPROPERTIES", $1, $2, nullptr);
    }
  ;

/* ----- BLOCKAGES, SLOTS, FILLS ----- */

%code {

// 1 when the file is at least version `since`, else a counted error whose format takes
// the version: 0, or -1 when the parse must end.
static int versionAtLeast(defrData* d, defrWarningKind kind, double since, int msgNum,
                          const char* format) {
  if (d->VersionNum >= since) return 1;
  return sectionError(d, kind, msgNum, defrFormat(format, d->VersionNum)) ? -1 : 0;
}

static const char* const kLayerOptionText =
    "The defined BLOCKAGES COMPONENT statement has either COMPONENT, SLOTS, FILLS, PUSHDOWN "
    "or EXCEPTPGNET defined.\nOnly one of these statements is allowed per LAYER. Updated the "
    "DEF file to define a valid BLOCKAGES COMPONENT statement per layer.";
static const char* const kPlacementOptionText =
    "The defined BLOCKAGES PLACEMENT statement has either COMPONENT, PUSHDOWN, SOFT or "
    "PARTIAL defined.\nOnly one of these statements is allowed per LAYER. Updated the DEF "
    "file to define a valid BLOCKAGES PLACEMENT statement.";

// A blockage option of which files below 5.8 allow one per blockage; `pair` (or null)
// also refuses a second of an exclusive pair in 5.8. 1 store, 0 refused after the counted
// error, -1 end the parse.
static int blockageOption(defrData* d, int& kind, int* pair, int msgNum, const char* text) {
  if (kind || (pair && *pair))
    return sectionError(d, defrWarnBlockage, msgNum, text) ? -1 : 0;
  if (d->VersionNum < 5.8)
    kind = 1;
  else if (pair)
    *pair = 1;
  return 1;
}

// An option of 5.7 and later, then as blockageOption.
static int blockageOption57(defrData* d, int msgNum, const char* format, int& kind, int* pair,
                            int kindNum, const char* kindText) {
  int use = versionAtLeast(d, defrWarnBlockage, 5.7, msgNum, format);
  return use > 0 ? blockageOption(d, kind, pair, kindNum, kindText) : use;
}

// SPACING or DESIGNRULEWIDTH: one of them from 5.6 on.
static int blockageSpacing(defrData* d, int msgNum, const char* format) {
  int use = versionAtLeast(d, defrWarnBlockage, 5.6, msgNum, format);
  if (use <= 0) return use;
  if (d->blockageLayerSpacing)
    return sectionError(d, defrWarnBlockage, 6541, "The SPACING statement is defined in the "
               "LAYER statement,\nbut there is already either a SPACING statement or "
               "DESIGNRULEWIDTH  statement has defined in the LAYER statement.\nUpdate your "
               "DEF file to have either SPACING statement or a DESIGNRULEWIDTH statement.")
               ? -1 : 0;
  d->blockageLayerSpacing = 1;
  return 1;
}

// Runs `store` when the blockage callback is registered and `check` allows it.
#define BLOCKAGE_OPTION(check, store)                       \
  do {                                                      \
    if (defData->callbacks->BlockageCbk) {                  \
      int use_ = (check);                                   \
      if (use_ < 0) YYABORT;                                \
      if (use_ > 0) store;                                  \
    }                                                       \
  } while (0)

// FILLS OPC: from 5.7 on, else a counted error of the fill counter.
#define FILL_OPC(msgNum, what, store)                                                    \
  do {                                                                                   \
    if (defData->callbacks->FillCbk) {                                                   \
      int use_ = versionAtLeast(defData, defrWarnFills, 5.7, (msgNum), "The " what " is " \
                                "available in version 5.7 or later.\nHowever, your DEF " \
                                "file is defined with version %g.");                     \
      if (use_ < 0) YYABORT;                                                             \
      if (use_ > 0) store;                                                               \
    }                                                                                    \
  } while (0)
};

blockages_section: K_BLOCKAGES NUMBER ';'
    {
      CALLBACK(defData->callbacks->BlockageStartCbk, defrBlockageStartCbkType,
               toIntRounded($2));
    }
    blockages K_END K_BLOCKAGES
    { CALLBACK(defData->callbacks->BlockageEndCbk, defrBlockageEndCbkType, nullptr); }
  ;

blockages: %empty
  | blockages blockage
  ;

blockage: blockage_head blockage_shapes ';'
    {
      if (defData->callbacks->BlockageCbk) {
        CALLBACK(defData->callbacks->BlockageCbk, defrBlockageCbkType, &defData->Blockage);
        defData->Blockage.clear();
      }
    }
  ;

/* 6539 finds the other kind only when an earlier blockage did not reach its ';'. */
blockage_head: '-' K_LAYER set_name_mode T_STRING
    {
      if (defData->callbacks->BlockageCbk) {
        if (defData->Blockage.hasPlacement())
          SECTION_ERROR(defrWarnBlockage, 6539, "Invalid BLOCKAGE statement defined in the DEF "
              "file. The BLOCKAGE statment has both the LAYER and the PLACEMENT statements "
              "defined.\nUpdate your DEF file to have either BLOCKAGE or PLACEMENT statement "
              "only.");
        defData->Blockage.setLayer($4);
        defData->Blockage.clearPoly();
      }
      defData->blockageLayerKind = defData->blockageLayerSpacing = 0;
      defData->blockageSlotsOrFills = 0;
    }
    layer_blockage_options
  | '-' K_PLACEMENT
    {
      if (defData->callbacks->BlockageCbk) {
        if (defData->Blockage.hasLayer())
          SECTION_ERROR(defrWarnBlockage, 6539, "Invalid BLOCKAGE statement defined in the DEF "
              "file. The BLOCKAGE statment has both the LAYER and the PLACEMENT statements "
              "defined.\nUpdate your DEF file to have either BLOCKAGE or PLACEMENT statement "
              "only.");
        defData->Blockage.setPlacement();
        defData->Blockage.clearPoly();
      }
      defData->blockagePlacementKind = defData->blockageSoftOrPartial = 0;
    }
    placement_blockage_options
  ;

layer_blockage_options: %empty
  | layer_blockage_options layer_blockage_option
  ;

layer_blockage_option: '+' K_SPACING NUMBER
    {
      BLOCKAGE_OPTION(blockageSpacing(defData, 6540, "The SPACING statement is available in "
                          "version 5.6 and later.\nHowever, your DEF file is defined with "
                          "version %g"),
                      defData->Blockage.setSpacing(toIntTrunc($3)));
    }
  | '+' K_DESIGNRULEWIDTH NUMBER
    {
      /* Below 5.6 the clash message stands for the version error. */
      BLOCKAGE_OPTION(blockageSpacing(defData, 6541, "The SPACING statement is defined in the "
                          "LAYER statement,\nbut there is already either a SPACING statement "
                          "or DESIGNRULEWIDTH  statement has defined in the LAYER statement."
                          "\nUpdate your DEF file to have either SPACING statement or a "
                          "DESIGNRULEWIDTH statement."),
                      defData->Blockage.setDesignRuleWidth(toIntTrunc($3)));
    }
  | '+' K_MASK NUMBER
    {
      int use = maskCheck(defData, defrWarnBlockage, $3);
      if (use < 0) YYABORT;
      if (use > 0) defData->Blockage.setMask(toIntTrunc($3));
    }
  | '+' K_COMPONENT set_name_mode T_STRING
    {
      BLOCKAGE_OPTION(blockageOption(defData, defData->blockageLayerKind, nullptr, 6542,
                                     kLayerOptionText),
                      defData->Blockage.setComponent($4));
    }
  | '+' K_SLOTS
    {
      BLOCKAGE_OPTION(blockageOption(defData, defData->blockageLayerKind,
                                     &defData->blockageSlotsOrFills, 6542, kLayerOptionText),
                      defData->Blockage.setSlots());
    }
  | '+' K_FILLS
    {
      BLOCKAGE_OPTION(blockageOption(defData, defData->blockageLayerKind,
                                     &defData->blockageSlotsOrFills, 6542, kLayerOptionText),
                      defData->Blockage.setFills());
    }
  | '+' K_PUSHDOWN
    {
      BLOCKAGE_OPTION(blockageOption(defData, defData->blockageLayerKind, nullptr, 6542,
                                     kLayerOptionText),
                      defData->Blockage.setPushdown());
    }
  | '+' K_EXCEPTPGNET
    {
      BLOCKAGE_OPTION(blockageOption57(defData, 6549, "The EXCEPTPGNET is available in "
                          "version 5.7 or later.\nHowever, your DEF file is defined with "
                          "version %g.", defData->blockageLayerKind, nullptr, 6542,
                          kLayerOptionText),
                      defData->Blockage.setExceptpgnet());
    }
  ;

placement_blockage_options: %empty
  | placement_blockage_options placement_blockage_option
  ;

placement_blockage_option: '+' K_COMPONENT set_name_mode T_STRING
    {
      BLOCKAGE_OPTION(blockageOption(defData, defData->blockagePlacementKind, nullptr, 6543,
                                     kPlacementOptionText),
                      defData->Blockage.setComponent($4));
    }
  | '+' K_PUSHDOWN
    {
      BLOCKAGE_OPTION(blockageOption(defData, defData->blockagePlacementKind, nullptr, 6543,
                                     kPlacementOptionText),
                      defData->Blockage.setPushdown());
    }
  | '+' K_SOFT
    {
      BLOCKAGE_OPTION(blockageOption57(defData, 6547, "The PLACEMENT SOFT is available in "
                          "version 5.7 or later.\nHowever, your DEF file is defined with "
                          "version %g.", defData->blockagePlacementKind,
                          &defData->blockageSoftOrPartial, 6543, kPlacementOptionText),
                      defData->Blockage.setSoft());
    }
  | '+' K_PARTIAL NUMBER
    {
      BLOCKAGE_OPTION(blockageOption57(defData, 6548, "The PARTIAL is available in version "
                          "5.7 or later.\nHowever, your DEF file is defined with version %g.",
                          defData->blockagePlacementKind, &defData->blockageSoftOrPartial,
                          6543, kPlacementOptionText),
                      defData->Blockage.setPartial($3));
    }
  ;

blockage_shapes: blockage_shape
  | blockage_shapes blockage_shape
  ;

blockage_shape: K_RECT pt pt
    {
      if (defData->callbacks->BlockageCbk)
        defData->Blockage.addRect($2.x, $2.y, $3.x, $3.y);
    }
  | K_POLYGON { defData->Geometries.Reset(); } polygon_points
    {
      /* Below 5.6 the polygon is dropped without a message. */
      if (defData->callbacks->BlockageCbk && defData->VersionNum >= 5.6) {
        if (!defData->Blockage.hasLayer())
          SECTION_ERROR(defrWarnBlockage, 6544, "A POLYGON statement is defined in the "
              "BLOCKAGE statement,\nbut it is not defined in the BLOCKAGE LAYER statement.\n"
              "Update your DEF file to either remove the POLYGON statement from the BLOCKAGE "
              "statement or\ndefine the POLYGON statement in a BLOCKAGE LAYER statement.");
        else
          defData->Blockage.addPolygon(&defData->Geometries);
      }
    }
  ;

slots_section: K_SLOTS NUMBER ';'
    { CALLBACK(defData->callbacks->SlotStartCbk, defrSlotStartCbkType, toIntRounded($2)); }
    slots K_END K_SLOTS
    { CALLBACK(defData->callbacks->SlotEndCbk, defrSlotEndCbkType, nullptr); }
  ;

slots: %empty
  | slots slot
  ;

slot: '-' K_LAYER set_name_mode T_STRING
    {
      if (defData->callbacks->SlotCbk) {
        defData->Slot.setLayer($4);
        defData->Slot.clearPoly();
      }
    }
    slot_shapes ';'
    {
      if (defData->callbacks->SlotCbk) {
        CALLBACK(defData->callbacks->SlotCbk, defrSlotCbkType, &defData->Slot);
        defData->Slot.clear();
      }
    }
  ;

slot_shapes: slot_shape
  | slot_shapes slot_shape
  ;

slot_shape: K_RECT pt pt
    { if (defData->callbacks->SlotCbk) defData->Slot.addRect($2.x, $2.y, $3.x, $3.y); }
  | K_POLYGON { defData->Geometries.Reset(); } polygon_points
    {
      /* Below 5.6 the polygon is dropped without a message. */
      if (defData->callbacks->SlotCbk && defData->VersionNum >= 5.6)
        defData->Slot.addPolygon(&defData->Geometries);
    }
  ;

fills_section: K_FILLS NUMBER ';'
    { CALLBACK(defData->callbacks->FillStartCbk, defrFillStartCbkType, toIntRounded($2)); }
    fills K_END K_FILLS
    { CALLBACK(defData->callbacks->FillEndCbk, defrFillEndCbkType, nullptr); }
  ;

fills: %empty
  | fills fill
  ;

/* Every fill starts with no polygons and no via points, whichever kind came before. */
fill: '-' K_LAYER set_name_mode T_STRING
    {
      if (defData->callbacks->FillCbk) {
        defData->Fill.setLayer($4);
        defData->Fill.clearPoly();
        defData->Fill.clearPts();
      }
    }
    fill_layer_options fill_shapes ';'
    {
      if (defData->callbacks->FillCbk) {
        CALLBACK(defData->callbacks->FillCbk, defrFillCbkType, &defData->Fill);
        defData->Fill.clear();
      }
    }
  | '-' K_VIA set_name_mode T_STRING
    {
      if (defData->callbacks->FillCbk) {
        defData->Fill.setVia($4);
        defData->Fill.clearPts();
        defData->Fill.clearPoly();
      }
      defData->Geometries.Reset();
    }
    fill_via_options via_points
    {
      /* Handed out at the end of the points, before the ';'. */
      if (defData->callbacks->FillCbk) {
        defData->Fill.addPts(&defData->Geometries);
        CALLBACK(defData->callbacks->FillCbk, defrFillCbkType, &defData->Fill);
        defData->Fill.clear();
      }
    }
    ';'
  ;

fill_layer_options: %empty
  | fill_layer_options '+' K_OPC
    { FILL_OPC(6553, "LAYER OPC", defData->Fill.setLayerOpc()); }
  | fill_layer_options fill_mask
  ;

fill_via_options: %empty
  | fill_via_options '+' K_OPC
    { FILL_OPC(6554, "VIA OPC", defData->Fill.setViaOpc()); }
  | fill_via_options fill_mask
  ;

fill_mask: '+' K_MASK NUMBER
    {
      int use = maskCheck(defData, defrWarnFills, $3);
      if (use < 0) YYABORT;
      if (use > 0 && defData->callbacks->FillCbk) defData->Fill.setMask(toIntTrunc($3));
    }
  ;

fill_shapes: fill_shape
  | fill_shapes fill_shape
  ;

fill_shape: K_RECT pt pt
    { if (defData->callbacks->FillCbk) defData->Fill.addRect($2.x, $2.y, $3.x, $3.y); }
  | K_POLYGON { defData->Geometries.Reset(); } polygon_points
    {
      if (defData->callbacks->FillCbk) {
        /* Not counted: reported for every polygon. */
        if (defData->VersionNum < 5.6) {
          defData->defError(6564, defrFormat("POLYGON statement in FILLS LAYER is a version "
              "5.6 and later syntax.\nYour def file is defined with version %g.",
              defData->VersionNum).c_str());
          CHKERR();
        } else {
          defData->Fill.addPolygon(&defData->Geometries);
        }
      }
    }
  ;

/* ----- NONDEFAULTRULES, STYLES, SCANCHAINS ----- */

%code {

// The IN, OUT or BITS pair of a floating or ordered scan instance; only the all-capital and
// all-small spellings count. BITS keeps the leading integer of its text (0 without one).
static void scanPair(defrData* d, const char* word, const char* value) {
  defiScanchain& c = d->Scanchain;
  const bool ordered = d->scanOrdered != 0;
  if (!strcmp(word, "IN") || !strcmp(word, "in")) {
    ordered ? c.addOrderedIn(value) : c.addFloatingIn(value);
  } else if (!strcmp(word, "OUT") || !strcmp(word, "out")) {
    ordered ? c.addOrderedOut(value) : c.addFloatingOut(value);
  } else if (!strcmp(word, "BITS") || !strcmp(word, "bits")) {
    long v = strtol(value, nullptr, 10);
    int bits = v < INT_MIN ? INT_MIN : v > INT_MAX ? INT_MAX : static_cast<int>(v);
    ordered ? c.setOrderedBits(bits) : c.setFloatingBits(bits);
  }
}

static bool nonDefaultStored(defrData* d) { return d->callbacks->NonDefaultCbk != nullptr; }
static bool scanStored(defrData* d) { return d->callbacks->ScanchainCbk != nullptr; }

};

%type <string> scan_pin_opt;
%type <integer> scan_maxbits;

nondefault_section: K_NONDEFAULTRULES NUMBER ';'
    {
      if (defData->VersionNum < 5.6) {
        if (defData->callbacks->NonDefaultStartCbk)
          SECTION_ERROR(defrWarnNonDefault, 6545, defrFormat("The NONDEFAULTRULE statement is "
              "available in version 5.6 and later.\nHowever, your DEF file is defined with "
              "version %g.", defData->VersionNum));
      } else {
        CALLBACK(defData->callbacks->NonDefaultStartCbk, defrNonDefaultStartCbkType,
                 toIntRounded($2));
      }
    }
    nondefault_rules K_END K_NONDEFAULTRULES
    { CALLBACK(defData->callbacks->NonDefaultEndCbk, defrNonDefaultEndCbkType, nullptr); }
  ;

nondefault_rules: nondefault_rule
  | nondefault_rules nondefault_rule
  ;

nondefault_rule: '-' set_name_mode T_STRING
    {
      if (nonDefaultStored(defData)) {
        defData->NonDefault.clear();
        defData->NonDefault.setName($3);
      }
    }
    nondefault_options ';'
    { CALLBACK(defData->callbacks->NonDefaultCbk, defrNonDefaultCbkType, &defData->NonDefault); }
  ;

nondefault_options: %empty
  | nondefault_options nondefault_option
  ;

nondefault_option: '+' K_HARDSPACING
    { if (nonDefaultStored(defData)) defData->NonDefault.setHardspacing(); }
  | '+' K_LAYER set_name_mode T_STRING K_WIDTH NUMBER
    {
      if (nonDefaultStored(defData)) {
        defData->NonDefault.addLayer($4);
        defData->NonDefault.addWidth($6);
      }
    }
    nondefault_layer_items
  | '+' K_VIA set_name_mode T_STRING
    { if (nonDefaultStored(defData)) defData->NonDefault.addVia($4); }
  | '+' K_VIARULE set_name_mode T_STRING
    { if (nonDefaultStored(defData)) defData->NonDefault.addViaRule($4); }
  | '+' K_MINCUTS set_name_mode T_STRING NUMBER
    { if (nonDefaultStored(defData)) defData->NonDefault.addMinCuts($4, toIntTrunc($5)); }
  | '+' K_PROPERTY set_prop_mode nondefault_props
  ;

nondefault_layer_items: %empty
  | nondefault_layer_items K_DIAGWIDTH NUMBER
    { if (nonDefaultStored(defData)) defData->NonDefault.addDiagWidth($3); }
  | nondefault_layer_items K_SPACING NUMBER
    { if (nonDefaultStored(defData)) defData->NonDefault.addSpacing($3); }
  | nondefault_layer_items K_WIREEXT NUMBER
    { if (nonDefaultStored(defData)) defData->NonDefault.addWireExt($3); }
  ;

nondefault_props: nondefault_prop
  | nondefault_props nondefault_prop
  ;

nondefault_prop: T_STRING NUMBER
    {
      if (nonDefaultStored(defData)) {
        NumberText value($2);
        defData->NonDefault.addNumProperty($1, $2, value.text,
            propertyType(defData, defData->session->NDefProp, "NONDEFAULTRULE", $1));
      }
    }
  | T_STRING prop_text
    {
      if (nonDefaultStored(defData))
        defData->NonDefault.addProperty($1, $2,
            propertyType(defData, defData->session->NDefProp, "NONDEFAULTRULE", $1));
    }
  ;

styles_section: K_STYLES NUMBER ';'
    {
      if (defData->VersionNum < 5.6) {
        if (defData->callbacks->StylesStartCbk)
          SECTION_ERROR(defrWarnStyles, 6546, defrFormat("The STYLES statement is available in "
              "version 5.6 and later.\nHowever, your DEF file is defined with version %g",
              defData->VersionNum));
      } else {
        CALLBACK(defData->callbacks->StylesStartCbk, defrStylesStartCbkType, toIntRounded($2));
      }
    }
    style_entries K_END K_STYLES
    { CALLBACK(defData->callbacks->StylesEndCbk, defrStylesEndCbkType, nullptr); }
  ;

style_entries: %empty
  | style_entries style_entry
  ;

style_entry: '-' K_STYLE NUMBER
    {
      if (defData->callbacks->StylesCbk) defData->Styles.setStyle(toIntTrunc($3));
      defData->Geometries.Reset();
    }
    first_pt pt_list ';'
    {
      if (defData->VersionNum >= 5.6 && defData->callbacks->StylesCbk) {
        defData->Styles.setPolygon(&defData->Geometries);
        CALLBACK(defData->callbacks->StylesCbk, defrStylesCbkType, &defData->Styles);
      }
    }
  ;

scanchains_section: K_SCANCHAINS NUMBER ';'
    {
      CALLBACK(defData->callbacks->ScanchainsStartCbk, defrScanchainsStartCbkType,
               toIntRounded($2));
    }
    scanchains K_END K_SCANCHAINS
    {
      NAME_MODE(0);
      CALLBACK(defData->callbacks->ScanchainsEndCbk, defrScanchainsEndCbkType, nullptr);
    }
  ;

scanchains: %empty
  | scanchains scanchain
  ;

scanchain: '-' set_name_mode T_STRING
    { if (scanStored(defData)) defData->Scanchain.setName($3); }
    scan_members ';'
    { CALLBACK(defData->callbacks->ScanchainCbk, defrScanchainCbkType, &defData->Scanchain); }
  ;

scan_members: %empty
  | scan_members scan_member
  ;

scan_member: '+' K_START set_two_names T_STRING scan_pin_opt
    { if (scanStored(defData)) defData->Scanchain.setStart($4, $5); }
  | '+' K_STOP set_two_names T_STRING scan_pin_opt
    { if (scanStored(defData)) defData->Scanchain.setStop($4, $5); }
  | '+' K_COMMONSCANPINS set_common_pins common_pins
  | '+' K_FLOATING set_all_names { defData->scanOrdered = 0; } scan_insts
  | '+' K_ORDERED set_all_names
    {
      defData->scanOrdered = 1;
      if (scanStored(defData)) defData->Scanchain.addOrderedList();
    }
    scan_insts
  | '+' K_PARTITION set_name_mode T_STRING scan_maxbits
    {
      if (scanStored(defData)) {
        if (defData->VersionNum < 5.5)
          SECTION_ERROR(defrWarnScanchain, 6538, defrFormat("The PARTITION statement is "
              "available in version 5.5 and later.\nHowever, your DEF file is defined with "
              "version %g", defData->VersionNum));
        defData->Scanchain.setPartition($4, $5);
      }
    }
  | '+' K_BEGINEXT
    {
      CALLBACK(defData->callbacks->ScanChainExtCbk, defrScanChainExtCbkType,
               defData->History_text.c_str());
    }
  ;

scan_pin_opt: %empty { $$ = keywordText(""); }
  | T_STRING
  ;

/* The two parenthesised pairs: ( IN pin ) and ( OUT pin ). */
set_common_pins: %empty { NAME_MODE(10); }
  ;

common_pins: %empty
  | common_pin
  | common_pin common_pin
  ;

common_pin: '(' T_STRING T_STRING ')'
    {
      if (scanStored(defData)) {
        if (!strcmp($2, "IN") || !strcmp($2, "in"))
          defData->Scanchain.setCommonIn($3);
        else if (!strcmp($2, "OUT") || !strcmp($2, "out"))
          defData->Scanchain.setCommonOut($3);
      }
    }
  ;

/* Every word of the list is a name, numbers included, up to the next '+' or ';'. */
scan_insts: scan_inst
  | scan_insts scan_inst
  ;

scan_inst: T_STRING
    {
      if (scanStored(defData)) {
        if (defData->scanOrdered)
          defData->Scanchain.addOrderedInst($1);
        else
          defData->Scanchain.addFloatingInst($1);
      }
    }
    scan_pairs
  ;

scan_pairs: %empty
  | scan_pair
  | scan_pair scan_pair
  | scan_pair scan_pair scan_pair
  ;

scan_pair: '(' T_STRING T_STRING ')'
    { if (scanStored(defData)) scanPair(defData, $2, $3); }
  ;

scan_maxbits: %empty { $$ = -1; }
  | K_MAXBITS NUMBER { $$ = toIntRounded($2); }
  ;

/* ----- ASSERTIONS, CONSTRAINTS, IOTIMINGS, TIMINGDISABLES ----- */

%code {

// The one assertion object serves both sections; it is filled while either callback is set.
static bool assertionStored(defrData* d) {
  return d->callbacks->AssertionCbk || d->callbacks->ConstraintCbk;
}

// ASSERTIONS and CONSTRAINTS are obsolete from 5.4. The warning comes at the header and at END
// wherever the start or end callback does not run: in an older file without them too.
static void assertionsObsolete(defrData* d, bool assertions) {
  if (assertions) {
    if (d->callbacks->AssertionCbk && d->countWarning(defrWarnAssertion))
      d->defWarning(7031, "The ASSERTIONS statement is obsolete in version 5.4 and later.\nThe "
                          "DEF parser will ignore this statement.");
  } else if (d->callbacks->ConstraintCbk && d->countWarning(defrWarnConstraint)) {
    d->defWarning(7032, "The CONSTRAINTS statement is obsolete in version 5.4 and later.\nThe "
                        "DEF parser will ignore this statement.");
  }
}

// Each section's rules reach its own callback, whichever of the two is registered.
static void assertionMode(defrData* d, bool assertions) {
  if (!assertionStored(d)) return;
  if (assertions)
    d->Assertion.setAssertionMode();
  else
    d->Assertion.setConstraintMode();
}

enum timingDisableWord { timingDisableThru, timingDisableMacro };

// THRUPIN and MACRO are no keywords: the lexer hands them over as names.
static bool isTimingDisableWord(defrData* d, const char* text, const char* word) {
  return strcmp(d->upperCase(text), word) == 0;
}

#define TIMING_DISABLE_SYNTAX(ok)                   \
  do {                                              \
    if (!(ok)) {                                    \
      defyyerror(defData, "syntax error");          \
      YYERROR;                                      \
    }                                               \
  } while (0)
};

%type <integer> timing_disable_word;
%type <string> iotiming_edge timing_disable_name;

assertions_section: K_ASSERTIONS NUMBER ';'
    {
      if (defData->VersionNum < 5.4 && defData->callbacks->AssertionsStartCbk)
        CALLBACK(defData->callbacks->AssertionsStartCbk, defrAssertionsStartCbkType,
                 toIntRounded($2));
      else
        assertionsObsolete(defData, true);
      assertionMode(defData, true);
    }
    assertion_rules K_END K_ASSERTIONS
    {
      if (defData->VersionNum < 5.4 && defData->callbacks->AssertionsEndCbk)
        CALLBACK(defData->callbacks->AssertionsEndCbk, defrAssertionsEndCbkType, nullptr);
      else
        assertionsObsolete(defData, true);
    }
  ;

constraints_section: K_CONSTRAINTS NUMBER ';'
    {
      if (defData->VersionNum < 5.4 && defData->callbacks->ConstraintsStartCbk)
        CALLBACK(defData->callbacks->ConstraintsStartCbk, defrConstraintsStartCbkType,
                 toIntRounded($2));
      else
        assertionsObsolete(defData, false);
      assertionMode(defData, false);
    }
    assertion_rules K_END K_CONSTRAINTS
    {
      if (defData->VersionNum < 5.4 && defData->callbacks->ConstraintsEndCbk)
        CALLBACK(defData->callbacks->ConstraintsEndCbk, defrConstraintsEndCbkType, nullptr);
      else
        assertionsObsolete(defData, false);
    }
  ;

assertion_rules: %empty
  | assertion_rules assertion_rule
  ;

assertion_rule: '-' assertion_body ';'
    {
      defiAssertion& a = defData->Assertion;
      if (defData->VersionNum < 5.4) {
        if (a.isAssertion())
          CALLBACK(defData->callbacks->AssertionCbk, defrAssertionCbkType, &a);
        else
          CALLBACK(defData->callbacks->ConstraintCbk, defrConstraintCbkType, &a);
      }
      if (assertionStored(defData)) {
        bool assertions = a.isAssertion();
        a.clear();
        assertionMode(defData, assertions);
      }
    }
  ;

assertion_body: assertion_operand assertion_delays
    { if (assertionStored(defData)) defData->Assertion.setDelay(); }
  | K_WIREDLOGIC set_name_mode T_STRING assertion_plus K_MAXDIST NUMBER
    { if (assertionStored(defData)) defData->Assertion.setWiredlogic($3, $6); }
  ;

assertion_plus: %empty
  | '+'
  ;

/* Messages of the record (both SUM and DIFF) leave the read's result alone: the rule still
 * reaches its callback. */
assertion_operand: K_NET set_name_mode T_STRING
    { if (assertionStored(defData)) defData->Assertion.addNet($3); }
  | K_PATH { NAME_MODE(4); } T_STRING T_STRING T_STRING T_STRING
    { if (assertionStored(defData)) defData->Assertion.addPath($3, $4, $5, $6); }
  | K_SUM '(' assertion_operands ')'
    { if (assertionStored(defData)) defData->Assertion.setSum(); }
  | K_DIFF '(' assertion_operands ')'
    { if (assertionStored(defData)) defData->Assertion.setDiff(); }
  ;

assertion_operands: assertion_operand
  | assertion_operands assertion_operand
  | assertion_operands ',' assertion_operand
  ;

assertion_delays: %empty
  | assertion_delays '+' K_RISEMIN NUMBER
    { if (assertionStored(defData)) defData->Assertion.setRiseMin($4); }
  | assertion_delays '+' K_RISEMAX NUMBER
    { if (assertionStored(defData)) defData->Assertion.setRiseMax($4); }
  | assertion_delays '+' K_FALLMIN NUMBER
    { if (assertionStored(defData)) defData->Assertion.setFallMin($4); }
  | assertion_delays '+' K_FALLMAX NUMBER
    { if (assertionStored(defData)) defData->Assertion.setFallMax($4); }
  ;

iotimings_section: K_IOTIMINGS NUMBER ';'
    {
      if (defData->VersionNum < 5.4 && defData->callbacks->IOTimingsStartCbk)
        CALLBACK(defData->callbacks->IOTimingsStartCbk, defrIOTimingsStartCbkType,
                 toIntRounded($2));
      else if (defData->callbacks->IOTimingsStartCbk && defData->countWarning(defrWarnIOTiming))
        defData->defWarning(7035, "The IOTIMINGS statement is obsolete in version 5.4 and "
                                  "later.\nThe DEF parser will ignore this statement.");
    }
    iotimings K_END K_IOTIMINGS
    {
      if (defData->VersionNum < 5.4)
        CALLBACK(defData->callbacks->IOTimingsEndCbk, defrIOTimingsEndCbkType, nullptr);
    }
  ;

iotimings: %empty
  | iotimings iotiming
  ;

iotiming: '-' '(' set_two_names T_STRING T_STRING ')'
    { if (defData->callbacks->IOTimingCbk) defData->IOTiming.setName($4, $5); }
    iotiming_members ';'
    {
      if (defData->VersionNum < 5.4)
        CALLBACK(defData->callbacks->IOTimingCbk, defrIOTimingCbkType, &defData->IOTiming);
    }
  ;

iotiming_members: %empty
  | iotiming_members iotiming_member
  ;

iotiming_member: '+' iotiming_edge K_VARIABLE NUMBER NUMBER
    { if (defData->callbacks->IOTimingCbk) defData->IOTiming.setVariable($2, $4, $5); }
  | '+' iotiming_edge K_SLEWRATE NUMBER NUMBER
    { if (defData->callbacks->IOTimingCbk) defData->IOTiming.setSlewRate($2, $4, $5); }
  | '+' K_CAPACITANCE NUMBER
    { if (defData->callbacks->IOTimingCbk) defData->IOTiming.setCapacitance($3); }
  | '+' K_DRIVECELL set_name_mode T_STRING
    { if (defData->callbacks->IOTimingCbk) defData->IOTiming.setDriveCell($4); }
    iotiming_from K_TOPIN set_name_mode T_STRING
    { if (defData->callbacks->IOTimingCbk) defData->IOTiming.setTo($9); }
    iotiming_parallel
  | '+' K_BEGINEXT
    {
      if (defData->VersionNum < 5.4)
        CALLBACK(defData->callbacks->IoTimingsExtCbk, defrIoTimingsExtCbkType,
                 defData->History_text.c_str());
    }
  ;

iotiming_edge: K_RISE { $$ = keywordText("RISE"); }
  | K_FALL { $$ = keywordText("FALL"); }
  ;

iotiming_from: %empty
  | K_FROMPIN set_name_mode T_STRING
    { if (defData->callbacks->IOTimingCbk) defData->IOTiming.setFrom($3); }
  ;

iotiming_parallel: %empty
  | K_PARALLEL NUMBER
    { if (defData->callbacks->IOTimingCbk) defData->IOTiming.setParallel($2); }
  ;

timingdisables_section: K_TIMINGDISABLES NUMBER ';'
    {
      CALLBACK(defData->callbacks->TimingDisablesStartCbk, defrTimingDisablesStartCbkType,
               toIntRounded($2));
    }
    timing_disables K_END K_TIMINGDISABLES
    { CALLBACK(defData->callbacks->TimingDisablesEndCbk, defrTimingDisablesEndCbkType, nullptr); }
  ;

timing_disables: %empty
  | timing_disables timing_disable
  ;

/* No name mode after '-': a keyword follows there. */
timing_disable: '-' K_FROMPIN set_two_names T_STRING T_STRING K_TOPIN set_two_names T_STRING
                T_STRING ';'
    {
      if (defData->callbacks->TimingDisableCbk)
        defData->TimingDisable.setFromTo($4, $5, $8, $9);
      CALLBACK(defData->callbacks->TimingDisableCbk, defrTimingDisableCbkType,
               &defData->TimingDisable);
    }
  | '-' timing_disable_word T_STRING timing_disable_name ';'
    {
      TIMING_DISABLE_SYNTAX($2 == timingDisableThru);
      if (defData->callbacks->TimingDisableCbk) defData->TimingDisable.setThru($3, $4);
      CALLBACK(defData->callbacks->TimingDisableCbk, defrTimingDisableCbkType,
               &defData->TimingDisable);
    }
  | '-' timing_disable_word T_STRING timing_disable_name T_STRING ';'
    {
      TIMING_DISABLE_SYNTAX($2 == timingDisableMacro &&
                            isTimingDisableWord(defData, $4, "THRUPIN"));
      if (defData->callbacks->TimingDisableCbk) {
        defData->TimingDisable.setMacroThru($5);
        defData->TimingDisable.setMacro($3);
      }
      CALLBACK(defData->callbacks->TimingDisableCbk, defrTimingDisableCbkType,
               &defData->TimingDisable);
    }
  | '-' timing_disable_word T_STRING K_FROMPIN set_name_mode T_STRING K_TOPIN set_name_mode
    T_STRING ';'
    {
      TIMING_DISABLE_SYNTAX($2 == timingDisableMacro);
      if (defData->callbacks->TimingDisableCbk) {
        defData->TimingDisable.setMacroFromTo($6, $9);
        defData->TimingDisable.setMacro($3);
      }
      CALLBACK(defData->callbacks->TimingDisableCbk, defrTimingDisableCbkType,
               &defData->TimingDisable);
    }
  | '-' K_REENTRANTPATHS ';'
    {
      if (defData->callbacks->TimingDisableCbk) {
        defData->TimingDisable.clear();
        defData->TimingDisable.setReentrantPathsFlag();
      }
      CALLBACK(defData->callbacks->TimingDisableCbk, defrTimingDisableCbkType,
               &defData->TimingDisable);
    }
  ;

/* THRUPIN takes an instance and a pin, MACRO a macro name and then its pins. */
timing_disable_word: T_STRING
    {
      if (isTimingDisableWord(defData, $1, "THRUPIN")) {
        $$ = timingDisableThru;
        NAME_MODE(2);
      } else {
        TIMING_DISABLE_SYNTAX(isTimingDisableWord(defData, $1, "MACRO"));
        $$ = timingDisableMacro;
        NAME_MODE(1);
      }
    }
  ;

/* A THRUPIN pin, or the THRUPIN of a macro whose pin follows as a name. */
timing_disable_name: T_STRING
    {
      NAME_MODE(1);
      $$ = $1;
    }
  ;

/* ----- FLOORPLANCONSTRAINTS, PARTITIONS ----- */

%code {

static bool fpcStored(defrData* d) { return d->callbacks->FPCCbk != nullptr; }
static bool partitionStored(defrData* d) { return d->callbacks->PartitionCbk != nullptr; }

// A member's identity; its timing items and PINS follow, and every member of the
// partition writes into the same record.
static void partitionMember(defrData* d, bool from, char kind, const char* inst,
                            const char* pin) {
  if (!partitionStored(d)) return;
  defiPartition& p = d->Partition;
  switch (kind) {
    case 'L': from ? p.setFromClockPin(inst, pin) : p.setToClockPin(inst, pin); break;
    case 'C': from ? p.setFromCompPin(inst, pin) : p.setToCompPin(inst, pin); break;
    default: from ? p.setFromIOPin(pin) : p.setToIOPin(pin); break;
  }
}
};

%type <string> fpc_direction turnoff_setup turnoff_hold;
%type <integer> clock_pin_dir comp_pin_dir io_pin_dir;

fpc_section: K_FPC NUMBER ';'
    { CALLBACK(defData->callbacks->FPCStartCbk, defrFPCStartCbkType, toIntRounded($2)); }
    fpc_rules K_END K_FPC
    { CALLBACK(defData->callbacks->FPCEndCbk, defrFPCEndCbkType, nullptr); }
  ;

fpc_rules: %empty
  | fpc_rules fpc_rule
  ;

fpc_rule: '-' set_name_mode T_STRING fpc_direction
    { if (fpcStored(defData)) defData->FPC.setName($3, $4); }
    fpc_constraint fpc_corners ';'
    { CALLBACK(defData->callbacks->FPCCbk, defrFPCCbkType, &defData->FPC); }
  ;

fpc_direction: K_HORIZONTAL { $$ = keywordText("HORIZONTAL"); }
  | K_VERTICAL { $$ = keywordText("VERTICAL"); }
  ;

fpc_constraint: K_ALIGN
    { if (fpcStored(defData)) defData->FPC.setAlign(); }
  | K_MAX NUMBER
    { if (fpcStored(defData)) defData->FPC.setMax($2); }
  | K_MIN NUMBER
    { if (fpcStored(defData)) defData->FPC.setMin($2); }
  | K_EQUAL NUMBER
    { if (fpcStored(defData)) defData->FPC.setEqual($2); }
  ;

fpc_corners: %empty
  | fpc_corners '+' K_BOTTOMLEFT
    { if (fpcStored(defData)) defData->FPC.setDoingBottomLeft(); }
    fpc_parts
  | fpc_corners '+' K_TOPRIGHT
    { if (fpcStored(defData)) defData->FPC.setDoingTopRight(); }
    fpc_parts
  ;

fpc_parts: %empty
  | fpc_parts fpc_part
  ;

fpc_part: '(' K_ROWS set_name_mode T_STRING ')'
    { if (fpcStored(defData)) defData->FPC.addRow($4); }
  | '(' fpc_comps set_name_mode T_STRING ')'
    { if (fpcStored(defData)) defData->FPC.addComps($4); }
  ;

/* COMPONENTS is a keyword; COMPS is not, so that word is checked here in any case. */
fpc_comps: K_COMPS
  | T_STRING
    {
      if (strcasecmp($1, "COMPS") != 0) {
        defyyerror(defData, "syntax error");
        YYERROR;
      }
    }
  ;

partitions_section: K_PARTITIONS NUMBER ';'
    {
      CALLBACK(defData->callbacks->PartitionsStartCbk, defrPartitionsStartCbkType,
               toIntRounded($2));
    }
    partition_rules K_END K_PARTITIONS
    { CALLBACK(defData->callbacks->PartitionsEndCbk, defrPartitionsEndCbkType, nullptr); }
  ;

partition_rules: %empty
  | partition_rules partition_rule
  ;

partition_rule: '-' set_name_mode T_STRING
    { if (partitionStored(defData)) defData->Partition.setName($3); }
    partition_turnoff partition_members ';'
    { CALLBACK(defData->callbacks->PartitionCbk, defrPartitionCbkType, &defData->Partition); }
  ;

partition_turnoff: %empty
  | K_TURNOFF turnoff_setup turnoff_hold
    { if (partitionStored(defData)) defData->Partition.addTurnOff($2, $3); }
  ;

turnoff_setup: %empty { $$ = keywordText(" "); }
  | K_SETUPRISE { $$ = keywordText("R"); }
  | K_SETUPFALL { $$ = keywordText("F"); }
  ;

turnoff_hold: %empty { $$ = keywordText(" "); }
  | K_HOLDRISE { $$ = keywordText("R"); }
  | K_HOLDFALL { $$ = keywordText("F"); }
  ;

partition_members: %empty
  | partition_members partition_member
  ;

/* Each member's setter runs at its names, before the lists that can wear out the lexer's
   ring of value texts. */
partition_member: '+' clock_pin_dir set_two_names T_STRING T_STRING
    { partitionMember(defData, $2, 'L', $4, $5); }
    clock_edge clock_limits K_PINS set_all_names partition_pins
  | '+' comp_pin_dir set_two_names T_STRING T_STRING
    { partitionMember(defData, $2, 'C', $4, $5); }
    comp_timings
  | '+' io_pin_dir set_name_mode T_STRING
    { partitionMember(defData, $2, 'I', nullptr, $4); }
    io_timings
  | '+' K_BEGINEXT
    {
      CALLBACK(defData->callbacks->PartitionsExtCbk, defrPartitionsExtCbkType,
               defData->History_text.c_str());
    }
  ;

clock_pin_dir: K_FROMCLOCKPIN { $$ = 1; }
  | K_TOCLOCKPIN { $$ = 0; }
  ;

comp_pin_dir: K_FROMCOMPPIN { $$ = 1; }
  | K_TOCOMPPIN { $$ = 0; }
  ;

io_pin_dir: K_FROMIOPIN { $$ = 1; }
  | K_TOIOPIN { $$ = 0; }
  ;

/* The edge is not kept. */
clock_edge: K_RISE
  | K_FALL
  ;

clock_limits: %empty
  | clock_limits K_MIN NUMBER NUMBER
    { if (partitionStored(defData)) defData->Partition.setMin($3, $4); }
  | clock_limits K_MAX NUMBER NUMBER
    { if (partitionStored(defData)) defData->Partition.setMax($3, $4); }
  ;

partition_pins: partition_pin
  | partition_pins partition_pin
  ;

partition_pin: T_STRING
    { if (partitionStored(defData)) defData->Partition.addPin($1); }
  ;

comp_timings: comp_timing
  | comp_timings comp_timing
  ;

comp_timing: K_RISEMIN NUMBER NUMBER
    { if (partitionStored(defData)) defData->Partition.addRiseMinRange($2, $3); }
  | K_FALLMIN NUMBER NUMBER
    { if (partitionStored(defData)) defData->Partition.addFallMinRange($2, $3); }
  | K_RISEMAX NUMBER NUMBER
    { if (partitionStored(defData)) defData->Partition.addRiseMaxRange($2, $3); }
  | K_FALLMAX NUMBER NUMBER
    { if (partitionStored(defData)) defData->Partition.addFallMaxRange($2, $3); }
  ;

io_timings: %empty
  | io_timings io_timing
  ;

io_timing: K_RISEMIN NUMBER
    { if (partitionStored(defData)) defData->Partition.addRiseMin($2); }
  | K_FALLMIN NUMBER
    { if (partitionStored(defData)) defData->Partition.addFallMin($2); }
  | K_RISEMAX NUMBER
    { if (partitionStored(defData)) defData->Partition.addRiseMax($2); }
  | K_FALLMAX NUMBER
    { if (partitionStored(defData)) defData->Partition.addFallMax($2); }
  ;

/* ===================================================================================== *
 * End of the section rules.                                                            *
 * ===================================================================================== */

orient: K_N { $$ = 0; }
  | K_W { $$ = 1; }
  | K_S { $$ = 2; }
  | K_E { $$ = 3; }
  | K_FN { $$ = 4; }
  | K_FW { $$ = 5; }
  | K_FS { $$ = 6; }
  | K_FE { $$ = 7; }
  ;

end_design: K_END K_DESIGN
    {
      defData->doneDesign = 1;
      CALLBACK(defData->callbacks->DesignEndCbk, defrDesignEndCbkType, nullptr);
      if (defData->errors != 0) YYABORT;
      if (!defData->hasVer) {
        char msg[128];
        snprintf(msg, sizeof msg, "No VERSION statement found, using the default value %2g.",
                 defData->VersionNum);
        defData->defWarning(7012, msg);
      }
      if (defData->VersionNum < 5.6) {
        if (!defData->hasNameCase)
          defData->defWarning(7013, "The DEF file is invalid if NAMESCASESENSITIVE is "
              "undefined.\nNAMESCASESENSITIVE is a mandatory statement in the DEF file with "
              "version 5.6 and earlier.\nTo define the NAMESCASESENSITIVE statement, refer to "
              "the LEF/DEF 5.5 and earlier Language Reference manual.");
        if (!defData->hasBusBit)
          defData->defWarning(7014, "The DEF file is invalid if BUSBITCHARS is undefined.\n"
              "BUSBITCHARS is a mandatory statement in the DEF file with version 5.6 and "
              "earlier.\nTo define the BUSBITCHARS statement, refer to the LEF/DEF 5.5 and "
              "earlier Language Reference manual.");
        if (!defData->hasDivChar)
          defData->defWarning(7015, "The DEF file is invalid if DIVIDERCHAR is undefined.\n"
              "DIVIDERCHAR is a mandatory statement in the DEF file with version 5.6 and "
              "earlier.\nTo define the DIVIDERCHAR statement, refer to the LEF/DEF 5.5 and "
              "earlier Language Reference manual.");
      }
      if (!defData->hasDes)
        defData->defWarning(7016, "DESIGN is a mandatory statement in the DEF file. Ensure "
                                  "that it exists in the file.");
    }
  ;

%%

}  // namespace LefDefParser
