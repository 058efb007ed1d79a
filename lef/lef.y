/* The LEF grammar. Token codes come from lef_tokens.def: the build puts
   the %token lines where the marker below stands. Generated with the
   prefix lefyy (bison -p lefyy), so the value type stays YYSTYPE. */

%require "3.8"
%expect 0

%code top {
#include <cfloat>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "lef/lef_keywords.h"
#include "lef/lefiDebug.h"
#include "lef/lefrCallbacks.h"
#include "lef/lefrData.h"
#include "lef/lefrMemory.h"
#include "lef/lefrMessages.h"
#include "lef/lefrLayer.h"
#include "lef/lefrSettings.h"
#include "lef/lefrStmtState.h"
}

%{
// The parser's stacks start on its own frame and double on the heap.
#define YYINITDEPTH 10000
#define YYMAXDEPTH 300000
// A failed stack growth is running out of memory, not a syntax error.
#define YYMALLOC(size) LefDefParser::lefPlainRealloc(nullptr, size)
#define YYFREE free

namespace LefDefParser {

// Ends the parse with a result through the parser's own clean-up.
#define LEF_STOP(result) \
  do {                   \
    yyresult = (result); \
    goto yyreturnlab;    \
  } while (0)

// Calls a statement's callback unless it is unset or an earlier error
// blocks callbacks; returns what the callback returned (0 when none ran).
template <class F, class T>
int lefCall(F fn, lefrCallbackType_e type, T data) {
  if (!fn || lefData->blockingErrors) return 0;
  lefData->lefrDoneCbk = fn(type, data, lefSettings->UserData);
  return lefData->lefrDoneCbk;
}

// CALLBACK(Layer, &layer) calls the Layer slot with its type code; a
// nonzero result ends the parse with that result.
#define CALLBACK(slot, data)                                        \
  do {                                                              \
    if (lefCall(lefCallbacks->slot##Cbk, lefr##slot##CbkType, data)) \
      LEF_STOP(lefData->lefrDoneCbk);                              \
  } while (0)

// True while a statement kind may still report: its counter, counted on
// every occurrence, was below the kind's limit.
#define LEF_COUNTED(kind) (lefData->kind##Warnings++ < lefSettings->kind##Warnings)
// The same, and only while the kind's callback is registered.
#define LEF_GATED(kind) (lefCallbacks->kind##Cbk && LEF_COUNTED(kind))

// True when the lookahead is the end of input.
#define LEF_AT_END(lookahead) ((lookahead) == YYEOF)

// Resets the blocking count; the read still ends with 1.
void lefClearBlocking() {
  if (lefData->blockingErrors) lefData->hadBlockingError = 1;
  lefData->blockingErrors = 0;
}

bool lefTooManyErrors() {
  if (lefData->blockingErrors <= 20) return false;
  lefError(1020, "Too many syntax errors.");
  lefClearBlocking();
  return true;
}

// The error-count check that follows every error an action reports.
#define CHKERR()                        \
  do {                                  \
    if (lefTooManyErrors()) LEF_STOP(1); \
  } while (0)

// A number where an integer is expected, checked against the int range
// (a NaN fails the check too).
void lefCheckIntRange(double value) {
  if (value >= lefData->leflVal && value <= lefData->lefrVal) return;
  const char* file = lefData->fileName ? lefData->fileName : "";
  size_t size = strlen(file) + strlen(lefData->currentToken) + 350;
  char* msg = static_cast<char*>(lefMalloc(size));
  snprintf(msg, size,
           "ERROR (LEFPARS-203) Number has exceeded the limit for an integer. See file %s at "
           "line %d.\n",
           file, lefData->lineNumber);
  fflush(stdout);
  lefiError(0, 203, msg);
  lefFree(msg);
  lefData->blockingErrors++;
}

// Truncates to int; a NaN or a value outside the int range gives INT_MIN.
int lefToInt(double value) {
  if (!(value > -2147483649.0 && value < 2147483648.0)) return INT_MIN;
  return static_cast<int>(value);
}

int comp_num(double a, int op, double b) {
  double d = a - b;
  switch (op) {
    case 0: return d == 0;
    case 1: return d != 0;
    case 2: return d < 0;
    case 3: return d <= 0;
    case 4: return d > 0;
    case 5: return d >= 0;
  }
  return 0;
}

int comp_str(char* a, int op, char* b) {
  int d = strcmp(a, b);
  switch (op) {
    case 0: return d == 0;
    case 1: return d != 0;
    case 2: return d < 0;
    case 3: return d <= 0;
    case 4: return d > 0;
    case 5: return d >= 0;
  }
  return 0;
}

int zeroOrGt(double value) { return !(value < 0); }

// A string that must outlive the ring buffers until the define statement
// ends.
char* lefKeepString(const char* text) {
  size_t len = strlen(text) + 1;
  char* copy = static_cast<char*>(lefMalloc(len));
  memcpy(copy, text, len);
  lefData->exprBuffers.push_back(copy);
  return copy;
}

char* lefConcat(const char* a, const char* b) {
  size_t la = strlen(a), lb = strlen(b);
  char* out = static_cast<char*>(lefMalloc(la + lb + 1));
  memcpy(out, a, la);
  memcpy(out + la, b, lb + 1);
  lefData->exprBuffers.push_back(out);
  return out;
}

void lefFreeExprBuffers() {
  for (char* buf : lefData->exprBuffers) lefFree(buf);
  lefData->exprBuffers.clear();
}

// End of a define statement, whatever it stored.
void lefDefineDone() {
  lefData->lefNlToken = 0;
  lefData->inDefine = 0;
  lefFreeExprBuffers();
}

// A statement abandoned by a syntax error leaves nothing behind.
void lefAbandonStatement() {
  lefData->lefDumbMode = -1;
  lefData->lefNoNum = -1;
  lefData->lefNlToken = 0;
  lefData->inDefine = 0;
  lefFreeExprBuffers();
}

// The library-level statements may not come before UNITS.
const char* const kBeforeUnits =
    " statement was defined before UNITS.\nRefer the LEF Language Reference manual for the "
    "order of LEF statements.";

%}

/* @LEF_TOKENS@ */

%code {
// The parser's token function: the lexer's numbers outside the int range
// come as BIGNUMBER, so that only they take the int check.
int lefGrammarToken() {
  int token = lefyylex();
  if (token != NUMBER) return token;
  double value = lefyylval.dval;
  return value >= lefData->leflVal && value <= lefData->lefrVal ? NUMBER : BIGNUMBER;
}

#undef yylex
#define yylex lefGrammarToken
}

%type <string> T_STRING QSTRING
%type <dval> NUMBER BIGNUMBER

%type <dval> number big_number any_number expression
%type <integer> b_expr relop on_off minspacing_kind
%type <string> s_expr def_name clearance_kind

%nonassoc IF
%left K_OR
%left K_AND
%left K_EQ K_NE K_LE K_LT K_GE K_GT '=' '<' '>'
%left '+' '-'
%left '*' '/'
%right LNOT UMINUS

/* ---- VIA, MAXVIASTACK, PROPERTYDEFINITIONS, MACRO, PIN, OBS declarations ---- */
%code {
char* lefText(const char* text) { return const_cast<char*>(text); }

// "X statement is a version 5.5 and later syntax." and the like.
void lefVersionError(int msgNum, const char* what, const char* since) {
  lefErrorf(msgNum,
            "%s statement is a version %s syntax.\nYour lef file is defined with version %g.",
            what, since, lefData->versionNum);
}

void lefObsolete(int msgNum, const char* what, const char* version) {
  lefWarningf(msgNum,
              "%s is obsolete in version %s and later.\nThe LEF parser will ignore this "
              "statement.\nTo avoid this warning in the future, remove this statement from the "
              "LEF file with version %s or later.",
              what, version, version);
}

// PROPERTY lists: name and value pairs of a via, macro, pin, via rule or
// non-default rule.
enum lefPropOwner { kViaProps, kMacroProps, kPinProps, kViaRuleProps, kNonDefaultProps };

void lefStartProps(int owner) {
  lefData->macroState.propOwner = owner;
  lefData->lefDumbMode = 1000000;
}

// value is null for a number, which is also kept as "%.11g" text.
void lefAddProp(const char* name, const char* value, double number) {
  char text[40];
  if (!value) snprintf(text, sizeof(text), "%.11g", number);
  const lefrProps& tables = lefSettings->lefProps;
  switch (lefData->macroState.propOwner) {
    case kViaProps:
      if (!lefCallbacks->ViaCbk) return;
      if (value)
        lefData->via.addProp(name, value, tables.lefrViaProp.propType(name));
      else
        lefData->via.addNumProp(name, number, text, tables.lefrViaProp.propType(name));
      break;
    case kMacroProps:
      if (!lefCallbacks->MacroCbk) return;
      if (value)
        lefData->macro.setProperty(name, value, tables.lefrMacroProp.propType(name));
      else
        lefData->macro.setNumProperty(name, number, text, tables.lefrMacroProp.propType(name));
      break;
    case kPinProps:
      if (!lefCallbacks->PinCbk) return;
      if (value)
        lefData->pin.setProperty(name, value, tables.lefrPinProp.propType(name));
      else
        lefData->pin.setNumProperty(name, number, text, tables.lefrPinProp.propType(name));
      break;
    case kViaRuleProps:
      if (!lefCallbacks->ViaRuleCbk) return;
      if (value)
        lefData->viaRule.addProp(name, value, tables.lefrViaRuleProp.propType(name));
      else
        lefData->viaRule.addNumProp(name, number, text, tables.lefrViaRuleProp.propType(name));
      break;
    case kNonDefaultProps:
      if (!lefCallbacks->NonDefaultCbk) return;
      if (value)
        lefData->nonDefault.addProp(name, value, tables.lefrNondefProp.propType(name));
      else
        lefData->nonDefault.addNumProp(name, number, text, tables.lefrNondefProp.propType(name));
      break;
  }
}

// PROPERTYDEFINITIONS object kinds: the text the Prop callback sees and the
// settings' table that later PROPERTY statements look their types up in.
struct lefPropKind {
  const char* text;
  lefiPropType lefrProps::*table;
};
const lefPropKind kPropKinds[] = {
    {"library", &lefrProps::lefrLibProp},   {"componentpin", &lefrProps::lefrCompProp},
    {"pin", &lefrProps::lefrPinProp},       {"macro", &lefrProps::lefrMacroProp},
    {"via", &lefrProps::lefrViaProp},       {"viarule", &lefrProps::lefrViaRuleProp},
    {"layer", &lefrProps::lefrLayerProp},   {"nondefaultrule", &lefrProps::lefrNondefProp},
};

int lefStartPropDef(int kind) {
  lefData->lefDumbMode = 1;
  lefData->prop.clear();
  return kind;
}

void lefSetForeignPoint(lefPOINT p) {
  lefData->macroState.foreign.hasPnt = 1;
  lefData->macroState.foreign.x = p.x;
  lefData->macroState.foreign.y = p.y;
}

// The via POLYGON's collector goes once its polygon is stored or dropped;
// a stored polygon belongs to the via layer.
void lefEndViaPolygon(bool stored) {
  if (stored) lefData->macroState.viaPoly->clearPolyItems();
  lefiFreeObj(lefData->macroState.viaPoly);
}

void lefStartMacro() {
  lefData->macroState.siteSeen = lefData->macroState.symmetrySeen = lefData->macroState.sizeSeen = 0;
  lefData->macroState.pinSeen = lefData->macroState.obsSeen = lefData->macroState.originSeen = 0;
}

char* lefClassText(const char* kind, const char* word) {
  snprintf(lefData->macroState.classText, sizeof(lefData->macroState.classText), "%s %s", kind, word);
  return lefData->macroState.classText;
}

const char* const kRelaxedClass =
    "The statement %s is a LEF verion 5.5 syntax.\nYour LEF file is version 5.4 or earlier "
    "which is incorrect but will be allowed\nbecause this application does not enforce strict "
    "version checking.\nOther tools that enforce strict checking will have a syntax error when "
    "reading this file.\nYou can change the VERSION statement in this LEF file to 5.5 or "
    "higher to stop this warning.";

// A class word of 5.5: an error in older files, a warning in relax mode.
#define CLASS_SINCE_55(errNum, warnNum, what)                            \
  do {                                                                   \
    if (lefData->versionNum < 5.5 && LEF_GATED(Macro)) {                 \
      if (lefSettings->RelaxMode) {                                      \
        lefWarningf(warnNum, kRelaxedClass, what);                       \
      } else {                                                           \
        lefVersionError(errNum, what, "5.5 and later");                  \
        CHKERR();                                                        \
      }                                                                  \
    }                                                                    \
  } while (0)

// A class word newer than the file (5.3x files take them all).
#define CLASS_SINCE(errNum, what, version, since)                                  \
  do {                                                                            \
    if (!lefData->ant53 && lefData->versionNum < (version) && LEF_GATED(Macro)) { \
      lefVersionError(errNum, what, since);                                       \
      CHKERR();                                                                   \
    }                                                                             \
  } while (0)

// A pin value that 5.4 made obsolete: stored below 5.4, warned about after.
bool lefPinBefore54(int msgNum, const char* what) {
  if (lefData->versionNum < 5.4) return lefCallbacks->PinCbk != nullptr;
  if (LEF_GATED(Pin)) lefObsolete(msgNum, what, "5.4");
  return false;
}

// The same for pin statements that 5.6 made obsolete.
bool lefPinBefore56(int msgNum, const char* what) {
  if (lefData->versionNum < 5.6) return lefCallbacks->PinCbk != nullptr;
  if (LEF_GATED(Pin)) lefObsolete(msgNum, what, "5.6");
  return false;
}

// A pin statement of 5.6: stored from 5.6 on, a gated error before.
#define PIN_SINCE_56(msgNum, what, store)                      \
  do {                                                         \
    if (lefData->versionNum >= 5.6) {                          \
      if (lefCallbacks->PinCbk) lefData->pin.store;            \
    } else if (LEF_GATED(Pin)) {                               \
      lefVersionError(msgNum, what, "5.6 and later");          \
      CHKERR();                                                \
    }                                                          \
  } while (0)

// Old (5.3) and new (5.4) antenna statements may not be mixed from 5.4 on;
// each returns true when the statement draws its error.
bool lefAntennaOld() {
  lefData->use5_3 = 1;
  return !lefData->ant53 && lefData->versionNum >= 5.4 && lefData->use5_4;
}

bool lefAntennaNew(double since) {
  lefData->use5_4 = 1;
  if (lefData->ant53) return false;
  return lefData->versionNum < since || lefData->use5_3;
}

#define PIN_ANTENNA(msgNum, what, since, mixed, store)   \
  do {                                                   \
    if ((mixed) && LEF_GATED(Pin)) {                     \
      lefVersionError(msgNum, what, since);              \
      CHKERR();                                          \
    }                                                    \
    if (lefCallbacks->PinCbk) lefData->pin.store;        \
  } while (0)

// PORT and OBS collect into a new list.
void lefStartGeometries() {
  lefiFreeObj(lefData->macroState.geom);
  lefData->macroState.geom = lefiNewObj<lefiGeometries>();
  lefData->macroState.doingGeom = 1;
}

// Stored below 5.6, obsolete after.
void lefPinForeign() {
  const auto& f = lefData->macroState.foreign;
  if (lefPinBefore56(2043, "FOREIGN statement in MACRO PIN"))
    lefData->pin.addForeign(f.name, f.hasPnt, f.x, f.y, f.orient);
}

// Geometries: the list that a point list goes to, if any.
lefiGeometries* lefPointSink() {
  if (lefData->macroState.viaPoly) return lefData->macroState.viaPoly;
  return lefData->macroState.doingGeom ? lefData->macroState.geom : nullptr;
}

void lefGeomLayer(const char* name) {
  if (lefData->macroState.portShape == 1 && LEF_COUNTED(Layer)) {
    if (lefData->macroState.obsSeen)
      lefWarning(2076, "Either PATH, RECT or POLYGON statement is a required in MACRO/OBS.");
    else
      lefWarning(2065, "Either PATH, RECT or POLYGON statement is a required in MACRO/PIN/PORT.");
  }
  if (lefData->macroState.doingGeom) lefData->macroState.geom->addLayer(name);
  lefData->macroState.portShape = 1;
  lefData->macroState.layerSeen = 1;
}

enum lefShapeCheck { kShapeStore, kShapeDrop, kShapeError };

// Whether a geometry item may be stored; reports why not.
lefShapeCheck lefCheckShape(int mask, bool needsLayer) {
  if (!lefData->macroState.doingGeom) return kShapeDrop;
  if (needsLayer && !lefData->macroState.layerSeen) {
    if (!LEF_COUNTED(Macro)) return kShapeDrop;
    lefError(1701,
             "A LAYER statement is missing in Geometry.\nLAYER is a required statement before "
             "any geometry can be defined.");
    return kShapeError;
  }
  if (mask > 0 && lefData->versionNum < 5.8) {
    if (!LEF_COUNTED(Macro)) return kShapeDrop;
    lefError(2083, "Color mask information can only be defined with version 5.8.");
    return kShapeError;
  }
  return kShapeStore;
}

// RECT of a PORT or OBS; true when the errors have passed their limit.
bool lefGeomRect(int mask, double xl, double yl, double xh, double yh) {
  lefData->macroState.portShape = 2;
  switch (lefCheckShape(mask, true)) {
    case kShapeStore:
      lefData->macroState.geom->addRect(mask, xl, yl, xh, yh);
      return false;
    case kShapeError:
      return lefTooManyErrors();
    case kShapeDrop:
      break;
  }
  return false;
}

#define GEOM_SHAPE(mask, needsLayer, store)              \
  do {                                                   \
    switch (lefCheckShape(mask, needsLayer)) {           \
      case kShapeStore:                                  \
        lefData->macroState.geom->store;                               \
        break;                                           \
      case kShapeError:                                  \
        CHKERR();                                        \
        break;                                           \
      case kShapeDrop:                                   \
        break;                                           \
    }                                                    \
  } while (0)
}

%type <pt> pt pt_other
%type <integer> orientation mask_opt mask geometries via_kind maxviastack_range propdef_kind pin_oxide
%type <string> macro_class pad_type core_type endcap_type pin_direction pin_use pin_shape
%type <string> antenna_layer_opt antenna_layer
/* ---- end VIA, MAXVIASTACK, PROPERTYDEFINITIONS, MACRO, PIN, OBS declarations ---- */
/* ---- VIARULE, NONDEFAULTRULE, SITE, SPACING, IRDROP, MINFEATURE, DIELECTRIC, TIMING, ARRAY, noise and antenna sizes declarations ---- */
%code {
// Per-layer electrical values of a NONDEFAULTRULE: stored in 5.4 and 5.5
// files (and 5.3x ones), too new below 5.4, obsolete from 5.6 on.
struct lefNdElectricalValue {
  const char* what;
  int versionMsg;
  int obsoleteMsg;
  const char* obsoleteText;
  void (lefiNonDefault::*setter)(double);
};
const lefNdElectricalValue kNdElectrical[] = {
    {"RESISTANCE RPERSQ", 1627, 2029,
     "RESISTANCE RPERSQ statement is obsolete in version 5.6 and later.\nThe LEF parser will "
     "ignore this statement.\nTo avoid this warning in the future, remove this statement from "
     "the LEF file with version 5.6 or later.",
     &lefiNonDefault::addResistance},
    {"CAPACITANCE CPERSQDIST", 1628, 2030,
     "CAPACITANCE CPERSQDIST statement is obsolete in version 5.6. and later.\nThe LEF parser "
     "will ignore this statement.\nTo avoid this warning in the future, remove this statement "
     "from the LEF file with version 5.6 or later.",
     &lefiNonDefault::addCapacitance},
    {"EDGECAPACITANCE", 1629, 2031,
     "EDGECAPACITANCE statement is obsolete in version 5.6 and later.\nThe LEF parser will "
     "ignore this statement.\nTo avoid this warning in the future, remove this statement from "
     "the LEF file with version 5.6 or later.",
     &lefiNonDefault::addEdgeCap},
};

// The two-number TIMING items, in the order timing_pair_kind numbers them.
void (lefiTiming::*const kTimingPairs[])(double, double) = {
    &lefiTiming::setRiseRS,   &lefiTiming::setFallRS,   &lefiTiming::setRiseCS,
    &lefiTiming::setFallCS,   &lefiTiming::setRiseAtt1, &lefiTiming::setFallAtt1,
    &lefiTiming::setRiseTo,   &lefiTiming::setFallTo,
};

lefiSitePattern* lefTakeSitePattern() {
  lefiSitePattern* pattern = lefData->stmtState.sitePattern;
  lefData->stmtState.sitePattern = nullptr;
  return pattern;
}

// Library antenna sizes. An old-syntax statement is wrong when the new
// syntax came before it.
bool lefOldAntennaMixed() {
  lefData->use5_3 = 1;
  return !lefData->ant53 && lefData->versionNum > 5.3 && lefData->use5_4;
}

// A new-syntax statement: 0 when fine, 1 when too new for the version, 2
// when the old syntax came before it.
int lefNewAntennaProblem() {
  lefData->use5_4 = 1;
  if (lefData->ant53) return 0;
  if (lefData->versionNum < 5.4) return 1;
  return lefData->use5_3 ? 2 : 0;
}

// msgNum is the statement's first number; a new statement's mixed-syntax
// error is the next one.
void lefAntennaError(int msgNum, int problem, const char* what) {
  if (problem == 1) {
    lefErrorf(msgNum,
              "%s statement is a version 5.4 and later syntax.\nYour lef file is defined with "
              "version %g.\nEither update your VERSION number or use the 5.3 syntax.",
              what, lefData->versionNum);
    return;
  }
  lefErrorf(problem ? msgNum + 1 : msgNum,
            "%s statement is a version %s syntax.\nYour lef file with version %g, has both old "
            "and new %s syntax, which is incorrect.",
            what, problem ? "5.4 or later" : "5.3 or earlier", lefData->versionNum, what);
}
}

%type <integer> viarule_direction samenet_stack timing_pair_kind nondefault_electrical
%type <string> site_class timing_rise_fall timing_table_kind timing_unate timing_edge
%type <string> timing_sdf2 timing_sdf1 pattern_axis
/* ---- end VIARULE, NONDEFAULTRULE, SITE, SPACING, IRDROP, MINFEATURE, DIELECTRIC, TIMING, ARRAY, noise and antenna sizes declarations ---- */
/* ---- LAYER declarations ---- */
%type <string> layer_type layer_direction layer_minstep_type layer_enclosure_location
%type <string> layer_ac_density_type
%type <integer> layer_value layer_antenna_ratio layer_antenna_kind layer_antenna_factor
%type <integer> layer_antenna_oxide
%type <pt> layer_pair
/* ---- end LAYER declarations ---- */

%%

lef_file: rules extension_opt end_library
  {
    // Reduced on any lookahead; the file ends only at the end of input or
    // right after END LIBRARY, else the lookahead is a syntax error.
    if (!LEF_AT_END(yychar) && yychar != YYEMPTY) break;
    if (lefData->blockingErrors || lefData->hadBlockingError) LEF_STOP(1);
    if (!lefData->hasVer)
      lefWarningf(2001, "No VERSION statement found, using the default value %2g.",
                  lefData->versionNum);
    if (lefData->versionNum < 5.6) {
      if (!lefData->hasNameCase)
        lefWarning(2002,
                   "NAMESCASESENSITIVE is a required statement on LEF file with version 5.5 "
                   "and earlier.\nWithout NAMESCASESENSITIVE defined, the LEF file is "
                   "technically incorrect.\nRefer the LEF/DEF 5.5 or earlier Language "
                   "Referece manual on how to define this statement.");
      if (!lefData->hasBusBit)
        lefWarning(2003,
                   "BUSBITCHARS is a required statement on LEF file with version 5.5 and "
                   "earlier.\nWithout BUSBITCHARS defined, the LEF file is technically "
                   "incorrect.\nRefer the LEF/DEF 5.5 or earlier Language Referece manual on "
                   "how to define this statement.");
      if (!lefData->hasDivChar)
        lefWarning(2004,
                   "DIVIDERCHAR is a required statementon LEF file with version 5.5 and "
                   "earlier.\nWithout DIVIDECHAR defined, the LEF file is technically "
                   "incorrect.\nRefer the LEF/DEF 5.5 or earlier Language Referece manual on "
                   "how to define this statement.");
    }
  }
  ;

/* The only place that takes the error token: recovery goes back to the
   statement list and skips to the next statement. */
rules: %empty
  | rules rule
  | error
    {
      lefAbandonStatement();
      lefData->stmtState.abandon();
      lefData->layerState.abandon();
      lefData->macroState.abandon();
    }
  ;

/* Library statements. Further statements join this list. */
rule: version
  | busbitchars
  | dividerchar
  | case_sensitivity
  | wireextension
  | manufacturing
  | useminspacing
  | clearancemeasure
  | fixedmask
  | units_section
  | define_statement
  | maxviastack
  | via
  | propdefs
  | viarule
  | nondefault_rule
  | site
  | spacing_section
  | irdrop
  | minfeature
  | dielectric
  | array
  | noise_margin
  | edge_rate
  | noise_table
  | correction_table
  | antenna_size
  | macro
  | layer_rule
  ;

end_library: %empty
    {
      if (LEF_AT_END(yychar) && lefData->versionNum >= 5.6) {
        lefData->doneLib = 1;
        lefData->ge56done = 1;
      }
    }
  | K_END K_LIBRARY
    {
      lefData->doneLib = 1;
      lefData->ge56done = 1;
      CALLBACK(LibraryEnd, static_cast<void*>(nullptr));
    }
  ;

extension_opt: %empty
  | K_BEGINEXT
    {
      CALLBACK(Extension, lefData->History_text.c_str());
      if (lefData->versionNum >= 5.6) lefData->afterExtension = 1;
    }
  ;

/* Shared empty rules that switch the lexer before it reads the next token. */
start_name: %empty
    {
      lefData->lefDumbMode = 1;
      lefData->lefNoNum = 1;
    }
  ;

start_def: %empty
    {
      lefData->lefDumbMode = 1;
      lefData->lefNlToken = 1;
    }
  ;

/* A number that must fit an int; out of range it is reported and kept. */
/* A number where an int is expected: the lexer tells those outside the int
   range apart, so only they are checked. */
number: NUMBER
  | big_number
  ;

big_number: BIGNUMBER
    {
      lefCheckIntRange($1);
      $$ = $1;
    }
  ;

/* A number taken as it is. */
any_number: NUMBER
  | BIGNUMBER
  ;

on_off: K_ON { $$ = 1; }
  | K_OFF { $$ = 0; }
  ;

version: K_VERSION start_name T_STRING ';'
    {
      if (lefData->hasVer) lefData->initRead();
      lefData->versionNum = convert_name2num($3);
      if (lefData->versionNum > 5.8) {
        lefErrorf(1503,
                  "Lef parser %.1f does not support lef file with version %s. Parser will "
                  "stop processing.",
                  5.8, $3);
        LEF_STOP(1);
      }
      if (lefCallbacks->VersionStrCbk)
        CALLBACK(VersionStr, $3);
      else
        CALLBACK(Version, lefData->versionNum);
      if (lefData->versionNum > 5.3 && lefData->versionNum < 5.4) lefData->ant53 = 1;
      lefData->use5_3 = 0;
      lefData->use5_4 = 0;
      lefClearBlocking();
      lefData->hasVer = 1;
      if (lefData->versionNum < 5.6) {
        lefData->doneLib = 0;
        lefData->namesCaseSensitive = lefSettings->CaseSensitive;
      } else {
        lefData->doneLib = 1;
        lefData->namesCaseSensitive = 1;
      }
    }
  ;

busbitchars: K_BUSBITCHARS QSTRING ';'
    {
      if (lefCallbacks->BusBitCharsCbk) {
        bool empty = $2[0] == '\0';
        CALLBACK(BusBitChars, empty ? "[]" : $2);
        if (empty) lefWarning(2006, "BUSBITCHAR has an invalid null value. Value is set to default []");
      }
      lefData->hasBusBit = 1;
    }
  ;

dividerchar: K_DIVIDERCHAR QSTRING ';'
    {
      if (lefCallbacks->DividerCharCbk) {
        bool empty = $2[0] == '\0';
        CALLBACK(DividerChar, empty ? "/" : $2);
        if (empty) lefWarning(2005, "DIVIDERCHAR has an invalid null value. Value is set to default /");
      }
      lefData->hasDivChar = 1;
    }
  ;

case_sensitivity: K_NAMESCASESENSITIVE on_off ';'
    {
      if (lefData->versionNum < 5.6) {
        lefData->namesCaseSensitive = $2;
        CALLBACK(CaseSensitive, $2);
        lefData->hasNameCase = 1;
      } else if (LEF_GATED(CaseSensitive)) {
        if ($2) {
          lefWarning(2007,
                     "NAMESCASESENSITIVE statement is obsolete in version 5.6 and later.\nThe "
                     "LEF parser will ignore this statement.\nTo avoid this warning in the "
                     "future, remove this statement from the LEF file with version 5.6 or "
                     "later.");
        } else {
          lefError(1504,
                   "NAMESCASESENSITIVE statement is set with OFF.\nStarting version 5.6, "
                   "NAMESCASENSITIVE is obsolete,\nif it is defined, it has to have the ON "
                   "value.\nParser will stop processing.");
          CHKERR();
        }
      }
    }
  ;

wireextension: K_NOWIREEXTENSIONATPIN on_off ';'
    {
      if (lefData->versionNum < 5.6)
        CALLBACK(NoWireExtension, $2 ? "ON" : "OFF");
      else if (LEF_GATED(NoWireExtension))
        lefWarning(2008,
                   "NOWIREEXTENSIONATPIN statement is obsolete in version 5.6 or later.\nThe "
                   "NOWIREEXTENSIONATPIN statement will be ignored.");
    }
  ;

manufacturing: K_MANUFACTURINGGRID number ';'
    {
      lefData->hasManufactur = 1;
      CALLBACK(Manufacturing, $2);
    }
  ;

minspacing_kind: K_OBS { $$ = 0; }
  | K_PIN { $$ = 1; }
  ;

useminspacing: K_USEMINSPACING minspacing_kind on_off ';'
    {
      if ($2 && lefData->versionNum >= 5.6) {
        if (LEF_GATED(UseMinSpacing))
          lefWarning(2009,
                     "USEMINSPACING PIN statement is obsolete in version 5.6 or later.\n The "
                     "USEMINSPACING PIN statement will be ignored.");
      } else if (lefCallbacks->UseMinSpacingCbk) {
        lefData->useMinSpacing.set($2 ? "PIN" : "OBS", $3);
        CALLBACK(UseMinSpacing, &lefData->useMinSpacing);
      }
    }
  ;

clearance_kind: K_MAXXY { $$ = const_cast<char*>("MAXXY"); }
  | K_EUCLIDEAN { $$ = const_cast<char*>("EUCLIDEAN"); }
  ;

clearancemeasure: K_CLEARANCEMEASURE clearance_kind ';'
    { CALLBACK(ClearanceMeasure, $2); }
  ;

fixedmask: K_FIXEDMASK ';'
    {
      if (lefData->versionNum >= 5.8) {
        if (lefCallbacks->FixedMaskCbk) {
          lefData->lefFixedMask = 1;
          CALLBACK(FixedMask, lefData->lefFixedMask);
        }
        lefData->hasFixedMask = 1;
      }
    }
  ;

units_section: K_UNITS
    {
      lefData->units.clear();
      if (lefData->hasManufactur && LEF_COUNTED(Units)) {
        lefErrorf(1505, "MANUFACTURINGGRID%s", kBeforeUnits);
        CHKERR();
      }
      if (lefData->hasMinfeature && LEF_COUNTED(Units)) {
        lefErrorf(1712, "MINFEATURE%s", kBeforeUnits);
        CHKERR();
      }
      if (lefData->versionNum < 5.6 && lefData->hasSite) {
        lefErrorf(1713, "SITE%s", kBeforeUnits);
        CHKERR();
      }
    }
    unit_rules K_END K_UNITS
    { CALLBACK(Units, &lefData->units); }
  ;

unit_rules: %empty
  | unit_rules unit_rule
  ;

unit_rule: K_TIME K_NANOSECONDS number ';'
    { if (lefCallbacks->UnitsCbk) lefData->units.setTime($3); }
  | K_CAPACITANCE K_PICOFARADS number ';'
    { if (lefCallbacks->UnitsCbk) lefData->units.setCapacitance($3); }
  | K_RESISTANCE K_OHMS number ';'
    { if (lefCallbacks->UnitsCbk) lefData->units.setResistance($3); }
  | K_POWER K_MILLIWATTS number ';'
    { if (lefCallbacks->UnitsCbk) lefData->units.setPower($3); }
  | K_CURRENT K_MILLIAMPS number ';'
    { if (lefCallbacks->UnitsCbk) lefData->units.setCurrent($3); }
  | K_VOLTAGE K_VOLTS number ';'
    { if (lefCallbacks->UnitsCbk) lefData->units.setVoltage($3); }
  | K_FREQUENCY K_MEGAHERTZ any_number ';'
    { if (lefCallbacks->UnitsCbk) lefData->units.setFrequency($3); }
  | K_DATABASE K_MICRONS number ';'
    {
      int units = lefToInt($3);
      bool valid = true;
      switch (units) {
        case 100: case 200: case 1000: case 2000:
          break;
        case 400: case 800: case 4000: case 8000: case 10000: case 20000:
          if (lefData->versionNum < 5.6) {
            valid = false;
            if (lefCallbacks->UnitsCbk && LEF_COUNTED(Units)) {
              lefErrorf(1501,
                        "Error found when processing LEF file '%s'\nUnit %d is a version 5.6 "
                        "or later syntax\nYour lef file is defined with version %g.",
                        lefData->fileName, units, lefData->versionNum);
              CHKERR();
            }
          }
          break;
        default:
          valid = false;
          if (LEF_COUNTED(Units))
            lefErrorf(1502,
                      "The value %d defined for LEF UNITS DATABASE MICRONS is invalid\n. "
                      "Correct value is 100, 200, 400, 800, 1000, 2000, 4000, 8000, 10000, "
                      "or 20000",
                      units);
          CHKERR();
      }
      if (valid && lefCallbacks->UnitsCbk) lefData->units.setDatabase("MICRONS", $3);
    }
  ;

/* &DEFINE statements: the name, then a value; the statement ends with ';',
   with the end of its line, or with nothing. */
define_statement: K_DEFINE start_def def_name '=' expression define_end
    {
      if (lefData->versionNum < 5.6)
        lefAddNumDefine($3, $5);
      else if (LEF_GATED(Array))
        lefWarning(2067,
                   "DEFINE statement is obsolete in version 5.6 and later.\nThe LEF parser "
                   "will ignore this statement.\nTo avoid this warning in the future, remove "
                   "this statement from the LEF file with version 5.6 or later.");
      lefDefineDone();
    }
  | K_DEFINES start_def def_name '=' s_expr define_end
    {
      if (lefData->versionNum < 5.6)
        lefAddStringDefine($3, $5);
      else if (LEF_GATED(Array))
        lefWarning(2068,
                   "DEFINES statement is obsolete in version 5.6 and later.\nThe LEF parser "
                   "will ignore this statement.\nTo avoid this warning in the future, remove "
                   "this statement from the LEF file with version 5.6 or later.");
      lefDefineDone();
    }
  | K_DEFINEB start_def def_name '=' b_expr define_end
    {
      if (lefData->versionNum < 5.6)
        lefAddBooleanDefine($3, $5);
      else if (LEF_GATED(Array))
        lefWarning(2069,
                   "DEFINEB statement is obsolete in version 5.6 and later.\nThe LEF parser "
                   "will ignore this statement.\nTo avoid this warning in the future, remove "
                   "this statement from the LEF file with version 5.6 or later.");
      lefDefineDone();
    }
  | K_MESSAGE start_def def_name '=' s_expr define_end
    { lefDefineDone(); }
  | K_CREATEFILE start_def def_name '=' s_expr define_end
    { lefDefineDone(); }
  ;

def_name: T_STRING
    { $$ = lefKeepString($1); }
  ;

define_end: %empty
  | ';'
    { lefData->lefNlToken = 0; }
  | '\n'
    { lefData->lefNlToken = 0; }
  ;

if_then: K_THEN
  | '\n'
  ;

if_else: K_ELSE
  | '\n'
  ;

expression: any_number
    { $$ = $1; }
  | expression '+' expression
    { $$ = $1 + $3; }
  | expression '-' expression
    { $$ = $1 - $3; }
  | expression '*' expression
    { $$ = $1 * $3; }
  | expression '/' expression
    { $$ = $1 / $3; }
  | '-' expression %prec UMINUS
    { $$ = -$2; }
  | '(' expression ')'
    { $$ = $2; }
  | K_IF b_expr if_then expression if_else expression %prec IF
    { $$ = $2 ? $4 : $6; }
  ;

b_expr: expression relop expression %prec K_EQ
    { $$ = comp_num($1, $2, $3); }
  | expression K_AND expression
    { $$ = $1 != 0 && $3 != 0; }
  | expression K_OR expression
    { $$ = $1 != 0 || $3 != 0; }
  | s_expr relop s_expr %prec K_EQ
    { $$ = comp_str($1, $2, $3); }
  | s_expr K_AND s_expr
    { $$ = $1[0] != '\0' && $3[0] != '\0'; }
  | s_expr K_OR s_expr
    { $$ = $1[0] != '\0' || $3[0] != '\0'; }
  | b_expr K_EQ b_expr
    { $$ = $1 == $3; }
  | b_expr K_NE b_expr
    { $$ = $1 != $3; }
  | b_expr K_AND b_expr
    { $$ = $1 && $3; }
  | b_expr K_OR b_expr
    { $$ = $1 || $3; }
  | K_NOT b_expr %prec LNOT
    { $$ = !$2; }
  | '(' b_expr ')'
    { $$ = $2; }
  | K_IF b_expr if_then b_expr if_else b_expr %prec IF
    { $$ = $2 ? $4 : $6; }
  | K_TRUE
    { $$ = 1; }
  | K_FALSE
    { $$ = 0; }
  ;

s_expr: QSTRING
    { $$ = lefKeepString($1); }
  | s_expr '+' s_expr
    { $$ = lefConcat($1, $3); }
  | '(' s_expr ')'
    { $$ = $2; }
  | K_IF b_expr if_then s_expr if_else s_expr %prec IF
    { $$ = $2 ? $4 : $6; }
  ;

relop: K_LE { $$ = 3; }
  | K_LT { $$ = 2; }
  | K_GE { $$ = 5; }
  | K_GT { $$ = 4; }
  | K_EQ { $$ = 0; }
  | K_NE { $$ = 1; }
  | '=' { $$ = 0; }
  | '<' { $$ = 2; }
  | '>' { $$ = 4; }
  ;

/* ---- VIA, MAXVIASTACK, PROPERTYDEFINITIONS, MACRO, PIN, OBS ---- */

/* Shared pieces: a point with or without parentheses, an orientation code,
   an optional MASK number. */
pt: NUMBER NUMBER
    {
      $$.x = $1;
      $$.y = $2;
    }
  | pt_other
  ;

/* A point other than two plain numbers; a RECT of PORT or OBS takes plain
   numbers directly. */
pt_other: NUMBER big_number
    {
      $$.x = $1;
      $$.y = $2;
    }
  | big_number NUMBER
    {
      $$.x = $1;
      $$.y = $2;
    }
  | big_number big_number
    {
      $$.x = $1;
      $$.y = $2;
    }
  | '(' number number ')'
    {
      $$.x = $2;
      $$.y = $3;
    }
  ;

orientation: K_N { $$ = 0; }
  | K_W { $$ = 1; }
  | K_S { $$ = 2; }
  | K_E { $$ = 3; }
  | K_FN { $$ = 4; }
  | K_FW { $$ = 5; }
  | K_FS { $$ = 6; }
  | K_FE { $$ = 7; }
  | K_R0 { $$ = 0; }
  | K_R90 { $$ = 1; }
  | K_R180 { $$ = 2; }
  | K_R270 { $$ = 3; }
  | K_MY { $$ = 4; }
  | K_MYR90 { $$ = 5; }
  | K_MX { $$ = 6; }
  | K_MXR90 { $$ = 7; }
  ;

mask_opt: %empty
    { $$ = 0; }
  | mask
  ;

mask: K_MASK number
    { $$ = lefToInt($2); }
  ;

/* FOREIGN cell [pt [orientation]], or cell orientation: the values wait in
   lefData->macroState.foreign for the statement's end. */
foreign_cell: start_name T_STRING
    {
      lefData->macroState.foreign.name = $2;
      lefData->macroState.foreign.hasPnt = 0;
      lefData->macroState.foreign.x = 0.0;
      lefData->macroState.foreign.y = 0.0;
      lefData->macroState.foreign.orient = -1;
    }
  ;

foreign_at: %empty
  | pt
    { lefSetForeignPoint($1); }
  | pt orientation
    {
      lefSetForeignPoint($1);
      lefData->macroState.foreign.orient = $2;
    }
  ;

foreign_place: foreign_at
  | orientation
    { lefData->macroState.foreign.orient = $1; }
  ;

/* PROPERTY name value pairs; the statement set the owner and name mode. */
prop_pairs: %empty
  | prop_pairs T_STRING any_number
    { lefAddProp($2, nullptr, $3); }
  | prop_pairs T_STRING QSTRING
    { lefAddProp($2, $3, 0.0); }
  | prop_pairs T_STRING T_STRING
    { lefAddProp($2, $3, 0.0); }
  ;

maxviastack: K_MAXVIASTACK number maxviastack_range ';'
    {
      if (!lefData->layerState.layerSeen) {
        if (LEF_GATED(MaxStackVia)) {
          lefError(1602, "MAXVIASTACK statement has to be defined after the LAYER statement.");
          CHKERR();
        }
      } else if (lefData->layerState.maxViaStackSeen) {
        if (LEF_GATED(MaxStackVia)) {
          lefError(1603,
                   "A MAXVIASTACK was already defined.\nOnly one MAXVIASTACK is allowed per "
                   "lef file.");
          CHKERR();
        }
      } else if (lefCallbacks->MaxStackViaCbk) {
        lefData->maxStackVia.setMaxStackVia(lefToInt($2));
        if ($3)
          lefData->maxStackVia.setMaxStackViaRange(lefData->macroState.rangeNames[0], lefData->macroState.rangeNames[1]);
        CALLBACK(MaxStackVia, &lefData->maxStackVia);
      }
      if (!$3 && lefData->versionNum < 5.5 && LEF_GATED(MaxStackVia)) {
        lefVersionError(1604, "MAXVIASTACK", "5.5 and later");
        CHKERR();
      }
      lefData->layerState.maxViaStackSeen = 1;
    }
  ;

maxviastack_range: %empty
    { $$ = 0; }
  | K_RANGE
    {
      lefData->lefDumbMode = 2;
      lefData->lefNoNum = 2;
    }
    T_STRING T_STRING
    {
      lefData->macroState.rangeNames[0] = $3;
      lefData->macroState.rangeNames[1] = $4;
      $$ = 1;
    }
  ;

via: via_start via_body K_END start_name T_STRING
    {
      if (!lefData->macroState.viaLayers && LEF_GATED(Via)) {
        lefErrorf(1606,
                  "A LAYER statement is missing in the VIA %s.\nAt least one LAYERis required "
                  "per VIA statement.",
                  $5);
        CHKERR();
      }
      if (lefData->macroState.viaName != $5 && LEF_GATED(Via)) {
        lefErrorf(1607,
                  "END VIA name %s is different from the VIA name %s.\nCorrect the LEF file "
                  "before rerunning it through the LEF parser.",
                  $5, lefData->macroState.viaName.c_str());
        CHKERR();
      }
      lefData->macroState.viaName.clear();
      if (lefCallbacks->ViaCbk) {
        // Inside a rule the via belongs to the rule, which exists only while
        // the NonDefault callback is registered.
        if (!lefData->stmtState.inNonDefault)
          CALLBACK(Via, &lefData->via);
        else if (lefData->nd)
          lefData->nd->addViaRule(&lefData->via);
      }
    }
  ;

via_start: K_VIA start_name T_STRING via_kind
    {
      if (lefCallbacks->ViaCbk) lefData->via.setName($3, $4);
      lefData->macroState.viaLayers = 0;
      lefData->macroState.viaName = $3;
      if ($4 == 0) lefData->stmtState.ndVias++;
    }
  ;

via_kind: %empty { $$ = 0; }
  | K_DEFAULT { $$ = 1; }
  | K_GENERATED { $$ = 2; }
  ;

via_body: via_generated via_gen_options
  | via_items
  ;

via_generated: K_VIARULE start_name T_STRING ';'
    K_CUTSIZE number number ';'
    K_LAYERS
    {
      lefData->lefDumbMode = 3;
      lefData->lefNoNum = 3;
    }
    T_STRING T_STRING T_STRING ';'
    K_CUTSPACING number number ';'
    K_ENCLOSURE number number number number ';'
    {
      if (lefData->versionNum >= 5.6) {
        if (lefCallbacks->ViaCbk)
          lefData->via.setViaRule($3, $6, $7, $11, $12, $13, $16, $17, $20, $21, $22, $23);
      } else if (lefCallbacks->ViaCbk && LEF_COUNTED(ViaRule)) {
        lefVersionError(1709, "VIARULE", "5.6 and later");
        CHKERR();
      }
      lefData->macroState.viaLayers++;
    }
  ;

via_gen_options: %empty
  | via_gen_options via_gen_option
  ;

via_gen_option: K_ROWCOL number number ';'
    { if (lefCallbacks->ViaCbk) lefData->via.setRowCol(lefToInt($2), lefToInt($3)); }
  | K_ORIGIN number number ';'
    { if (lefCallbacks->ViaCbk) lefData->via.setOrigin($2, $3); }
  | K_OFFSET number number number number ';'
    { if (lefCallbacks->ViaCbk) lefData->via.setOffset($2, $3, $4, $5); }
  | K_PATTERN start_name T_STRING ';'
    { if (lefCallbacks->ViaCbk) lefData->via.setPattern($3); }
  ;

via_items: via_item
  | via_items via_item
  ;

via_item: K_RESISTANCE number ';'
    { if (lefCallbacks->ViaCbk) lefData->via.setResistance($2); }
  | K_PROPERTY
    { lefStartProps(kViaProps); }
    prop_pairs ';'
  | K_TOPOFSTACKONLY
    {
      if (lefData->versionNum < 5.6) {
        if (lefCallbacks->ViaCbk) lefData->via.setTopOfStack();
      } else if (LEF_GATED(Via)) {
        lefWarning(2019,
                   "TOPOFSTACKONLY statement is obsolete in version 5.6 and later.\nThe LEF "
                   "parser will ignore this statement.\nTo avoid this warning in the future, "
                   "remove this statement from the LEF file with version 5.6 or later");
      }
    }
  | K_FOREIGN foreign_cell foreign_place ';'
    {
      if (lefData->versionNum < 5.6) {
        if (lefCallbacks->ViaCbk)
          lefData->via.setForeign(lefData->macroState.foreign.name, lefData->macroState.foreign.hasPnt, lefData->macroState.foreign.x,
                                  lefData->macroState.foreign.y, lefData->macroState.foreign.orient);
      } else if (LEF_GATED(Via)) {
        lefObsolete(2020, "FOREIGN statement in VIA", "5.6");
      }
    }
  | via_layer via_shapes
  ;

via_layer: K_LAYER start_name T_STRING ';'
    {
      if (lefCallbacks->ViaCbk) lefData->via.addLayer($3);
      lefData->macroState.viaLayers++;
    }
  ;

via_shapes: %empty
  | via_shapes via_shape
  ;

via_shape: K_RECT mask_opt pt pt ';'
    {
      if (lefCallbacks->ViaCbk) {
        if (lefData->versionNum < 5.8 && $2 > 0) {
          if (LEF_GATED(Via)) {
            lefError(2081, "MASK information can only be defined with version 5.8");
            CHKERR();
          }
        } else {
          lefData->via.addRectToLayer($2, $3.x, $3.y, $4.x, $4.y);
        }
      }
    }
  | K_POLYGON
    { if (lefCallbacks->ViaCbk) lefData->macroState.viaPoly = lefiNewObj<lefiGeometries>(); }
    mask_opt poly_pts ';'
    {
      bool tooNew = lefData->versionNum < 5.8 && $3 > 0;
      bool store = lefData->macroState.viaPoly && !tooNew;
      if (store) {
        lefData->macroState.viaPoly->addPolygon($3);
        lefData->via.addPolyToLayer($3, lefData->macroState.viaPoly);
      }
      lefEndViaPolygon(store);
      if (tooNew && LEF_GATED(Via)) {
        lefError(2083, "Color mask information can only be defined with version 5.8.");
        CHKERR();
      }
    }
  ;

/* Point lists of PATH and POLYGON; the points go to lefPointSink(). */
first_pt: pt
    {
      if (lefiGeometries* g = lefPointSink()) g->startList($1.x, $1.y);
    }
  ;

next_pt: pt
    {
      if (lefiGeometries* g = lefPointSink()) g->addToList($1.x, $1.y);
    }
  ;

more_pts: %empty
  | more_pts next_pt
  ;

path_pts: first_pt more_pts
  ;

poly_pts: first_pt next_pt next_pt more_pts
  ;

/* PROPERTYDEFINITIONS: each definition goes to the Prop callback and, in
   any case, to the settings' type table of its object kind. */
propdefs: K_PROPERTYDEFINITIONS
    { CALLBACK(PropBegin, static_cast<void*>(nullptr)); }
    propdef_list K_END K_PROPERTYDEFINITIONS
    { CALLBACK(PropEnd, static_cast<void*>(nullptr)); }
  ;

propdef_list: %empty
  | propdef_list propdef
  ;

propdef: propdef_kind T_STRING propdef_type ';'
    {
      const lefPropKind& kind = kPropKinds[$1];
      if (lefCallbacks->PropCbk) {
        lefData->prop.setPropType(kind.text, $2);
        CALLBACK(Prop, &lefData->prop);
      }
      (lefSettings->lefProps.*kind.table).setPropType($2, lefData->macroState.propType);
    }
  ;

propdef_kind: K_LIBRARY { $$ = lefStartPropDef(0); }
  | K_COMPONENTPIN { $$ = lefStartPropDef(1); }
  | K_PIN { $$ = lefStartPropDef(2); }
  | K_MACRO { $$ = lefStartPropDef(3); }
  | K_VIA { $$ = lefStartPropDef(4); }
  | K_VIARULE { $$ = lefStartPropDef(5); }
  | K_LAYER { $$ = lefStartPropDef(6); }
  | K_NONDEFAULTRULE { $$ = lefStartPropDef(7); }
  ;

propdef_type: propdef_integer propdef_range propdef_int_value
  | propdef_real propdef_range propdef_real_value
  | K_STRING
    {
      if (lefCallbacks->PropCbk) lefData->prop.setPropString();
      lefData->macroState.propType = 'S';
    }
  | K_STRING QSTRING
    {
      if (lefCallbacks->PropCbk) lefData->prop.setPropQString($2);
      lefData->macroState.propType = 'Q';
    }
  | K_NAMEMAPSTRING T_STRING
    {
      if (lefCallbacks->PropCbk) lefData->prop.setPropNameMapString($2);
      lefData->macroState.propType = 'S';
    }
  ;

propdef_integer: K_INTEGER
    {
      if (lefCallbacks->PropCbk) lefData->prop.setPropInteger();
      lefData->macroState.propType = 'I';
    }
  ;

propdef_real: K_REAL
    {
      if (lefCallbacks->PropCbk) lefData->prop.setPropReal();
      lefData->macroState.propType = 'R';
    }
  ;

propdef_range: %empty
  | K_RANGE number number
    { if (lefCallbacks->PropCbk) lefData->prop.setRange($2, $3); }
  ;

propdef_int_value: %empty
  | number
    { if (lefCallbacks->PropCbk) lefData->prop.setNumber($1); }
  ;

propdef_real_value: %empty
  | any_number
    { if (lefCallbacks->PropCbk) lefData->prop.setNumber($1); }
  ;

/* MACRO: the Macro callback runs at END, before the END name is read. */
macro: macro_start macro_options K_END
    {
      CALLBACK(Macro, &lefData->macro);
      lefData->stmtState.sitePatternWanted = 0;
      lefData->lefDumbMode = 1;
      lefData->lefNoNum = 1;
    }
    T_STRING
    {
      if (lefData->macroState.macroName != $5 && lefCallbacks->MacroEndCbk && LEF_COUNTED(Macro)) {
        lefErrorf(1634,
                  "END MACRO name %s is different from the MACRO name %s.\nCorrect the LEF "
                  "file before rerunning it through the LEF parser.",
                  $5, lefData->macroState.macroName.c_str());
        CHKERR();
      }
      lefData->macroState.macroName.clear();
      CALLBACK(MacroEnd, $5);
    }
  ;

macro_start: K_MACRO start_name T_STRING
    {
      lefStartMacro();
      lefData->macro.clear();
      if (lefCallbacks->MacroBeginCbk || lefCallbacks->MacroCbk) lefData->macro.setName($3);
      CALLBACK(MacroBegin, $3);
      lefData->macroState.macroName = $3;
    }
  ;

macro_options: %empty
  | macro_options macro_option
  ;

macro_option: K_CLASS macro_class ';'
    {
      if (lefCallbacks->MacroCbk) lefData->macro.setClass($2);
      CALLBACK(MacroClassType, $2);
    }
  | K_FIXEDMASK ';'
    {
      if (lefData->versionNum >= 5.8 && lefCallbacks->MacroCbk) lefData->macro.setFixedMask(1);
      CALLBACK(MacroFixedMask, 1);
    }
  | K_FOREIGN foreign_cell foreign_place ';'
    {
      const auto& f = lefData->macroState.foreign;
      if (lefCallbacks->MacroCbk) lefData->macro.addForeign(f.name, f.hasPnt, f.x, f.y, f.orient);
      lefiMacroForeign foreign(f.name, f.hasPnt, f.x, f.y, f.orient != -1, f.orient);
      CALLBACK(MacroForeign, &foreign);
    }
  | K_ORIGIN pt ';'
    {
      if (lefData->macroState.originSeen && LEF_GATED(Macro)) {
        lefError(1642,
                 "ORIGIN statement has defined more than once in a MACRO statement.\nOnly one "
                 "ORIGIN statement can be defined in a Macro.\nParser will stop processing.");
        CHKERR();
      }
      lefData->macroState.originSeen = 1;
      if (lefData->macroState.siteSeen && LEF_GATED(Macro))
        lefWarning(2039,
                   "A SITE statement is defined before ORIGIN statement.\nTo avoid this warning "
                   "in the future, define SITE after ORIGIN");
      if (lefData->macroState.pinSeen && LEF_GATED(Macro))
        lefWarning(2040,
                   "A PIN statement is defined before ORIGIN statement.\nTo avoid this warning "
                   "in the future, define PIN after ORIGIN");
      if (lefData->macroState.obsSeen && LEF_GATED(Macro))
        lefWarning(2041,
                   "A OBS statement is defined before ORIGIN statement.\nTo avoid this warning "
                   "in the future, define OBS after ORIGIN");
      if (lefCallbacks->MacroCbk) lefData->macro.setOrigin($2.x, $2.y);
      lefiPoints origin = {$2.x, $2.y};
      CALLBACK(MacroOrigin, origin);
    }
  | K_EEQ start_name T_STRING ';'
    { if (lefCallbacks->MacroCbk) lefData->macro.setEEQ($3); }
  | K_LEQ start_name T_STRING ';'
    {
      if (lefData->versionNum < 5.6) {
        if (lefCallbacks->MacroCbk) lefData->macro.setLEQ($3);
      } else if (LEF_GATED(Macro)) {
        lefObsolete(2042, "LEQ statement in MACRO", "5.6");
      }
    }
  | K_GENERATOR T_STRING ';'
    { if (lefCallbacks->MacroCbk) lefData->macro.setGenerator($2); }
  | K_GENERATE T_STRING T_STRING ';'
    { if (lefCallbacks->MacroCbk) lefData->macro.setGenerate($2, $3); }
  | K_SOURCE macro_source ';'
  | K_POWER number ';'
    {
      if (lefData->versionNum < 5.4) {
        if (lefCallbacks->MacroCbk) lefData->macro.setPower($2);
      } else if (LEF_GATED(Macro)) {
        lefObsolete(2038, "MACRO POWER statement", "5.4");
      }
    }
  | macro_site_start T_STRING ';'
    {
      if (lefCallbacks->MacroCbk) lefData->macro.setSiteName($2);
      lefiMacroSite site($2, nullptr);
      CALLBACK(MacroSite, &site);
    }
  | macro_site_start site_pattern ';'
    {
      lefiSitePattern* pattern = lefData->stmtState.sitePattern;
      lefData->stmtState.sitePattern = nullptr;
      if (pattern) lefData->macro.setSitePattern(pattern);
      lefiMacroSite site(nullptr, pattern);
      CALLBACK(MacroSite, &site);
    }
  | K_SIZE number K_BY number ';'
    {
      if (lefCallbacks->MacroCbk) lefData->macro.setSize($2, $4);
      lefData->macroState.sizeSeen = 1;
      lefiPoints size = {$2, $4};
      CALLBACK(MacroSize, size);
    }
  | K_SYMMETRY macro_symmetries ';'
    {
      if (lefData->macroState.siteSeen && LEF_GATED(Macro))
        lefWarning(2032,
                   "A SITE statement is defined before SYMMETRY statement.\nTo avoid this "
                   "warning in the future, define SITE after SYMMETRY");
      lefData->macroState.symmetrySeen = 1;
    }
  | K_FUNCTION K_BUFFER ';'
    { if (lefCallbacks->MacroCbk) lefData->macro.setBuffer(); }
  | K_FUNCTION K_INVERTER ';'
    { if (lefCallbacks->MacroCbk) lefData->macro.setInverter(); }
  | K_PROPERTY
    { lefStartProps(kMacroProps); }
    prop_pairs ';'
  | K_CLOCKTYPE start_name T_STRING ';'
    { if (lefCallbacks->MacroCbk) lefData->macro.setClockType($3); }
  | pin
  | macro_obs
  | macro_density
  | timing
  ;

macro_source: K_USER
    {
      if (lefData->versionNum < 5.6) {
        if (lefCallbacks->MacroCbk) lefData->macro.setSource("USER");
      } else if (LEF_GATED(Macro)) {
        lefObsolete(2036, "SOURCE statement", "5.6");
      }
    }
  | K_GENERATE
    {
      if (lefData->versionNum < 5.6) {
        if (lefCallbacks->MacroCbk) lefData->macro.setSource("GENERATE");
      } else if (LEF_GATED(Macro)) {
        lefObsolete(2037, "SOURCE statement", "5.6");
      }
    }
  | K_BLOCK
    {
      if (lefData->versionNum < 5.6) {
        if (lefCallbacks->MacroCbk) lefData->macro.setSource("BLOCK");
      } else if (LEF_GATED(Macro)) {
        lefObsolete(2037, "SOURCE statement", "5.6");
      }
    }
  ;

macro_symmetries: %empty
  | macro_symmetries K_X
    { if (lefCallbacks->MacroCbk) lefData->macro.setXSymmetry(); }
  | macro_symmetries K_Y
    { if (lefCallbacks->MacroCbk) lefData->macro.setYSymmetry(); }
  | macro_symmetries K_R90
    { if (lefCallbacks->MacroCbk) lefData->macro.set90Symmetry(); }
  ;

macro_site_start: K_SITE
    {
      lefData->lefDumbMode = 1;
      lefData->lefNoNum = 1;
      lefData->macroState.siteSeen = 1;
      if (lefCallbacks->MacroCbk) lefData->stmtState.sitePatternWanted = 1;
    }
  ;

/* name x y orientation [DO xcount BY ycount STEP xstep ystep]: made into
   lefData->stmtState.sitePattern while a pattern is wanted. */
site_pattern: T_STRING number number orientation site_step
    {
      if (lefData->stmtState.sitePatternWanted) {
        lefiFreeObj(lefData->stmtState.sitePattern);
        lefData->stmtState.sitePattern = lefiNewObj<lefiSitePattern>();
        lefData->stmtState.sitePattern->set($1, $2, $3, $4, lefData->macroState.siteStep[0], lefData->macroState.siteStep[1],
                                 lefData->macroState.siteStep[2], lefData->macroState.siteStep[3]);
      }
    }
  ;

site_step: %empty
    { lefData->macroState.siteStep[0] = lefData->macroState.siteStep[1] = lefData->macroState.siteStep[2] = lefData->macroState.siteStep[3] = -1.0; }
  | K_DO number K_BY number K_STEP number number
    {
      lefData->macroState.siteStep[0] = $2;
      lefData->macroState.siteStep[1] = $4;
      lefData->macroState.siteStep[2] = $6;
      lefData->macroState.siteStep[3] = $7;
    }
  ;

/* CLASS texts, shared by MACRO and PORT. */
macro_class: K_COVER
    { $$ = lefText("COVER"); }
  | K_COVER K_BUMP
    {
      CLASS_SINCE_55(1635, 2033, "COVER BUMP");
      $$ = lefText("COVER BUMP");
    }
  | K_RING
    { $$ = lefText("RING"); }
  | K_BLOCK
    { $$ = lefText("BLOCK"); }
  | K_BLOCK K_BLACKBOX
    {
      CLASS_SINCE_55(1636, 2034, "BLOCK BLACKBOX");
      $$ = lefText("BLOCK BLACKBOX");
    }
  | K_BLOCK K_SOFT
    {
      CLASS_SINCE(1637, "BLOCK SOFT", 5.6, "5.6 and later");
      $$ = lefText("BLOCK SOFT");
    }
  | K_NONE
    { $$ = lefText("NONE"); }
  | K_BUMP
    {
      if (lefData->versionNum < 5.7) {
        lefErrorf(1698,
                  "BUMP is a version 5.7 or later syntax.\nYour lef file is defined with version "
                  "%g.",
                  lefData->versionNum);
        CHKERR();
      }
      $$ = lefText("BUMP");
    }
  | K_PAD
    { $$ = lefText("PAD"); }
  | K_VIRTUAL
    { $$ = lefText("VIRTUAL"); }
  | K_PAD pad_type
    { $$ = lefClassText("PAD", $2); }
  | K_CORE
    { $$ = lefText("CORE"); }
  | K_CORNER
    { $$ = lefText("CORNER"); }
  | K_CORE core_type
    { $$ = lefClassText("CORE", $2); }
  | K_ENDCAP endcap_type
    { $$ = lefClassText("ENDCAP", $2); }
  ;

pad_type: K_INPUT { $$ = lefText("INPUT"); }
  | K_OUTPUT { $$ = lefText("OUTPUT"); }
  | K_INOUT { $$ = lefText("INOUT"); }
  | K_POWER { $$ = lefText("POWER"); }
  | K_SPACER { $$ = lefText("SPACER"); }
  | K_AREAIO
    {
      CLASS_SINCE_55(1638, 2035, "PAD AREAIO");
      $$ = lefText("AREAIO");
    }
  ;

core_type: K_FEEDTHRU { $$ = lefText("FEEDTHRU"); }
  | K_TIEHIGH { $$ = lefText("TIEHIGH"); }
  | K_TIELOW { $$ = lefText("TIELOW"); }
  | K_SPACER
    {
      CLASS_SINCE(1639, "SPACER", 5.4, "5.4 and later");
      $$ = lefText("SPACER");
    }
  | K_ANTENNACELL
    {
      CLASS_SINCE(1640, "ANTENNACELL", 5.4, "5.4 and later");
      $$ = lefText("ANTENNACELL");
    }
  | K_WELLTAP
    {
      CLASS_SINCE(1641, "WELLTAP", 5.6, "5.6 and later");
      $$ = lefText("WELLTAP");
    }
  ;

endcap_type: K_PRE { $$ = lefText("PRE"); }
  | K_POST { $$ = lefText("POST"); }
  | K_TOPLEFT { $$ = lefText("TOPLEFT"); }
  | K_TOPRIGHT { $$ = lefText("TOPRIGHT"); }
  | K_BOTTOMLEFT { $$ = lefText("BOTTOMLEFT"); }
  | K_BOTTOMRIGHT { $$ = lefText("BOTTOMRIGHT"); }
  ;

/* DENSITY inside a MACRO. */
macro_density: K_DENSITY density_layers K_END
    {
      if (lefData->versionNum < 5.6 && lefCallbacks->DensityCbk && LEF_COUNTED(Macro)) {
        lefVersionError(1661, "DENSITY", "5.6 and later");
        CHKERR();
      }
      CALLBACK(Density, &lefData->density);
      lefData->density.clear();
    }
  ;

density_layers: %empty
  | density_layers density_layer density_rects
  ;

density_layer: K_LAYER start_name T_STRING ';'
    { if (lefCallbacks->DensityCbk) lefData->density.addLayer($3); }
  ;

density_rects: %empty
  | density_rects K_RECT pt pt number ';'
    { if (lefCallbacks->DensityCbk) lefData->density.addRect($3.x, $3.y, $4.x, $4.y, $5); }
  ;

/* OBS: a list handed to the Obstruction callback; an empty OBS calls none. */
macro_obs: obs_start geometries K_END
    {
      if (!$2) {
        lefiFreeObj(lefData->macroState.geom);
        lefData->macroState.doingGeom = 0;
        lefData->macroState.layerSeen = 0;
      } else {
        lefData->lefDumbMode = 0;
        lefData->macroState.layerSeen = 0;
        if (lefCallbacks->ObstructionCbk && lefData->macroState.geom) {
          lefData->obstruction.setGeometries(lefData->macroState.geom);
          lefData->macroState.geom = nullptr;
          lefData->macroState.doingGeom = 0;
          CALLBACK(Obstruction, &lefData->obstruction);
        }
      }
    }
  ;

obs_start: K_OBS
    {
      lefData->macroState.obsSeen = 1;
      if (lefCallbacks->ObstructionCbk) lefStartGeometries();
      lefData->macroState.layerSeen = 0;
    }
  ;

/* PIN: the Pin callback runs after the END name's check. */
pin: pin_start pin_options K_END start_name T_STRING
    {
      if (lefData->macroState.pinName != $5 && lefCallbacks->MacroCbk && LEF_COUNTED(Macro)) {
        lefErrorf(1643,
                  "END PIN name %s is different from the PIN name %s.\nCorrect the LEF file "
                  "before rerunning it through the LEF parser.",
                  $5, lefData->macroState.pinName.c_str());
        CHKERR();
      }
      lefData->macroState.pinName.clear();
      CALLBACK(Pin, &lefData->pin);
      lefData->pin.clear();
    }
  ;

pin_start: K_PIN start_name T_STRING
    {
      lefData->macroState.pinSeen = 1;
      if (lefCallbacks->PinCbk) lefData->pin.setName($3);
      lefData->macroState.pinName = $3;
    }
  ;

pin_options: %empty
  | pin_options pin_option
  ;

pin_option: K_FOREIGN foreign_cell foreign_at ';'
    { lefPinForeign(); }
  | K_FOREIGN foreign_cell K_STRUCTURE foreign_at ';'
    { lefPinForeign(); }
  | K_LEQ start_name T_STRING ';'
    { if (lefPinBefore56(2044, "LEQ statement in MACRO PIN")) lefData->pin.setLEQ($3); }
  | K_POWER number ';'
    { if (lefPinBefore54(2045, "MACRO POWER statement")) lefData->pin.setPower($2); }
  | K_DIRECTION pin_direction ';'
    { if (lefCallbacks->PinCbk) lefData->pin.setDirection($2); }
  | K_USE pin_use ';'
    { if (lefCallbacks->PinCbk) lefData->pin.setUse($2); }
  | K_SCANUSE pin_scanuse ';'
  | K_SHAPE pin_shape ';'
    { if (lefCallbacks->PinCbk) lefData->pin.setShape($2); }
  | K_MUSTJOIN start_name T_STRING ';'
    { if (lefCallbacks->PinCbk) lefData->pin.setMustjoin($3); }
  | K_LEAKAGE number ';'
    {
      if (lefData->versionNum < 5.4) {
        if (lefCallbacks->PinCbk) lefData->pin.setLeakage($2);
      } else if (LEF_GATED(Pin)) {
        lefWarning(2046,
                   "MACRO LEAKAGE statement is obsolete in version 5.4 and later.\nThe LEF "
                   "parser will ignore this statement.\nTo avoid this warning in the future, r "
                   "emove this statement from the LEF file with version 5.4 or later.");
      }
    }
  | K_RISETHRESH number ';'
    { if (lefPinBefore54(2047, "MACRO RISETHRESH statement")) lefData->pin.setRiseThresh($2); }
  | K_FALLTHRESH number ';'
    { if (lefPinBefore54(2048, "MACRO FALLTHRESH statement")) lefData->pin.setFallThresh($2); }
  | K_RISESATCUR number ';'
    { if (lefPinBefore54(2049, "MACRO RISESATCUR statement")) lefData->pin.setRiseSatcur($2); }
  | K_FALLSATCUR number ';'
    { if (lefPinBefore54(2050, "MACRO FALLSATCUR statement")) lefData->pin.setFallSatcur($2); }
  | K_VLO number ';'
    { if (lefPinBefore54(2051, "MACRO VLO statement")) lefData->pin.setVLO($2); }
  | K_VHI number ';'
    { if (lefPinBefore54(2052, "MACRO VHI statement")) lefData->pin.setVHI($2); }
  | K_TIEOFFR number ';'
    { if (lefPinBefore54(2053, "MACRO TIEOFFR statement")) lefData->pin.setTieoffr($2); }
  | K_OUTPUTNOISEMARGIN number number ';'
    {
      if (lefPinBefore54(2054, "MACRO OUTPUTNOISEMARGIN statement"))
        lefData->pin.setOutMargin($2, $3);
    }
  | K_OUTPUTRESISTANCE number number ';'
    {
      if (lefPinBefore54(2055, "MACRO OUTPUTRESISTANCE statement"))
        lefData->pin.setOutResistance($2, $3);
    }
  | K_INPUTNOISEMARGIN number number ';'
    {
      if (lefPinBefore54(2056, "MACRO INPUTNOISEMARGIN statement"))
        lefData->pin.setInMargin($2, $3);
    }
  | K_CAPACITANCE number ';'
    { if (lefPinBefore54(2057, "MACRO CAPACITANCE statement")) lefData->pin.setCapacitance($2); }
  | K_RESISTANCE number ';'
    { if (lefPinBefore54(2058, "MACRO RESISTANCE statement")) lefData->pin.setResistance($2); }
  | K_PULLDOWNRES number ';'
    { if (lefPinBefore54(2059, "MACRO PULLDOWNRES statement")) lefData->pin.setPulldownres($2); }
  | K_CURRENTSOURCE K_ACTIVE ';'
    {
      if (lefPinBefore54(2060, "MACRO CURRENTSOURCE statement"))
        lefData->pin.setCurrentSource("ACTIVE");
    }
  | K_CURRENTSOURCE K_RESISTIVE ';'
    {
      if (lefPinBefore54(2061, "MACRO CURRENTSOURCE statement"))
        lefData->pin.setCurrentSource("RESISTIVE");
    }
  | K_RISEVOLTAGETHRESHOLD number ';'
    {
      if (lefPinBefore54(2062, "MACRO RISEVOLTAGETHRESHOLD statement"))
        lefData->pin.setRiseVoltage($2);
    }
  | K_FALLVOLTAGETHRESHOLD number ';'
    {
      if (lefPinBefore54(2063, "MACRO FALLVOLTAGETHRESHOLD statement"))
        lefData->pin.setFallVoltage($2);
    }
  | K_IV_TABLES T_STRING T_STRING ';'
    { if (lefPinBefore54(2064, "MACRO IV_TABLES statement")) lefData->pin.setTables($2, $3); }
  | K_MAXDELAY number ';'
    { if (lefCallbacks->PinCbk) lefData->pin.setMaxdelay($2); }
  | K_MAXLOAD number ';'
    { if (lefCallbacks->PinCbk) lefData->pin.setMaxload($2); }
  | K_RISESLEWLIMIT number ';'
    { if (lefCallbacks->PinCbk) lefData->pin.setRiseSlewLimit($2); }
  | K_FALLSLEWLIMIT number ';'
    { if (lefCallbacks->PinCbk) lefData->pin.setFallSlewLimit($2); }
  | K_TAPERRULE T_STRING ';'
    { if (lefCallbacks->PinCbk) lefData->pin.setTaperRule($2); }
  | K_PROPERTY
    { lefStartProps(kPinProps); }
    prop_pairs ';'
  | pin_port
  | K_ANTENNASIZE number antenna_layer_opt ';'
    {
      PIN_ANTENNA(1644, "ANTENNASIZE", "5.3 and earlier", lefAntennaOld(),
                  addAntennaSize($2, $3));
    }
  | K_ANTENNAMETALAREA any_number antenna_layer_opt ';'
    {
      PIN_ANTENNA(1645, "ANTENNAMETALAREA", "5.3 and earlier", lefAntennaOld(),
                  addAntennaMetalArea($2, $3));
    }
  | K_ANTENNAMETALLENGTH number antenna_layer_opt ';'
    {
      PIN_ANTENNA(1646, "ANTENNAMETALLENGTH", "5.3 and earlier", lefAntennaOld(),
                  addAntennaMetalLength($2, $3));
    }
  | K_ANTENNAPARTIALMETALAREA any_number antenna_layer_opt ';'
    {
      PIN_ANTENNA(1647, "ANTENNAPARTIALMETALAREA", "5.4 and later", lefAntennaNew(5.4),
                  addAntennaPartialMetalArea($2, $3));
    }
  | K_ANTENNAPARTIALMETALSIDEAREA any_number antenna_layer_opt ';'
    {
      PIN_ANTENNA(1648, "ANTENNAPARTIALMETALSIDEAREA", "5.4 and later", lefAntennaNew(5.4),
                  addAntennaPartialMetalSideArea($2, $3));
    }
  | K_ANTENNAPARTIALCUTAREA any_number antenna_layer_opt ';'
    {
      PIN_ANTENNA(1649, "ANTENNAPARTIALCUTAREA", "5.4 and later", lefAntennaNew(5.4),
                  addAntennaPartialCutArea($2, $3));
    }
  | K_ANTENNADIFFAREA any_number antenna_layer_opt ';'
    {
      PIN_ANTENNA(1650, "ANTENNADIFFAREA", "5.4 and later", lefAntennaNew(5.4),
                  addAntennaDiffArea($2, $3));
    }
  | K_ANTENNAGATEAREA any_number antenna_layer_opt ';'
    {
      PIN_ANTENNA(1651, "ANTENNAGATEAREA", "5.4 and later", lefAntennaNew(5.4),
                  addAntennaGateArea($2, $3));
    }
  | K_ANTENNAMAXAREACAR any_number antenna_layer ';'
    {
      PIN_ANTENNA(1652, "ANTENNAMAXAREACAR", "5.4 and later", lefAntennaNew(5.4),
                  addAntennaMaxAreaCar($2, $3));
    }
  | K_ANTENNAMAXSIDEAREACAR any_number antenna_layer ';'
    {
      PIN_ANTENNA(1653, "ANTENNAMAXSIDEAREACAR", "5.4 and later", lefAntennaNew(5.4),
                  addAntennaMaxSideAreaCar($2, $3));
    }
  | K_ANTENNAMAXCUTCAR any_number antenna_layer ';'
    {
      PIN_ANTENNA(1654, "ANTENNAMAXCUTCAR", "5.4 and later", lefAntennaNew(5.4),
                  addAntennaMaxCutCar($2, $3));
    }
  | K_ANTENNAMODEL
    {
      if (lefAntennaNew(5.5) && LEF_GATED(Pin)) {
        lefVersionError(1655, "ANTENNAMODEL", "5.5 and later");
        CHKERR();
      }
    }
    pin_oxide ';'
    { if (lefCallbacks->PinCbk) lefData->pin.addAntennaModel($3); }
  | K_NETEXPR QSTRING ';'
    { PIN_SINCE_56(1656, "NETEXPR", setNetExpr($2)); }
  | K_SUPPLYSENSITIVITY start_name T_STRING ';'
    { PIN_SINCE_56(1657, "SUPPLYSENSITIVITY", setSupplySensitivity($3)); }
  | K_GROUNDSENSITIVITY start_name T_STRING ';'
    { PIN_SINCE_56(1658, "GROUNDSENSITIVITY", setGroundSensitivity($3)); }
  ;

pin_direction: K_INPUT { $$ = lefText("INPUT"); }
  | K_OUTPUT { $$ = lefText("OUTPUT"); }
  | K_OUTPUT K_TRISTATE { $$ = lefText("OUTPUT TRISTATE"); }
  | K_INOUT { $$ = lefText("INOUT"); }
  | K_FEEDTHRU { $$ = lefText("FEEDTHRU"); }
  ;

pin_use: K_SIGNAL { $$ = lefText("SIGNAL"); }
  | K_ANALOG { $$ = lefText("ANALOG"); }
  | K_POWER { $$ = lefText("POWER"); }
  | K_GROUND { $$ = lefText("GROUND"); }
  | K_CLOCK { $$ = lefText("CLOCK"); }
  | K_DATA { $$ = lefText("DATA"); }
  ;

pin_scanuse: K_INPUT
  | K_OUTPUT
  | K_START
  | K_STOP
  ;

pin_shape: %empty { $$ = lefText(""); }
  | K_ABUTMENT { $$ = lefText("ABUTMENT"); }
  | K_RING { $$ = lefText("RING"); }
  | K_FEEDTHRU { $$ = lefText("FEEDTHRU"); }
  ;

pin_oxide: K_OXIDE1 { $$ = 1; }
  | K_OXIDE2 { $$ = 2; }
  | K_OXIDE3 { $$ = 3; }
  | K_OXIDE4 { $$ = 4; }
  ;

antenna_layer_opt: %empty
    { $$ = nullptr; }
  | antenna_layer
  ;

antenna_layer: K_LAYER start_name T_STRING
    { $$ = $3; }
  ;

/* PORT: its geometries go to the pin at END. */
pin_port: port_start port_class geometries K_END
    {
      lefData->lefDumbMode = 0;
      lefData->macroState.layerSeen = 0;
      if (lefCallbacks->PinCbk && lefData->macroState.geom) {
        lefData->pin.addPort(lefData->macroState.geom);
        lefData->macroState.geom = nullptr;
        lefData->macroState.doingGeom = 0;
      }
      if (lefData->macroState.portShape == 1 && LEF_GATED(Pin))
        lefWarning(2065, "Either PATH, RECT or POLYGON statement is a required in MACRO/PIN/PORT.");
    }
  ;

port_start: K_PORT
    {
      if (lefCallbacks->PinCbk) lefStartGeometries();
      lefData->macroState.portShape = 0;
      lefData->macroState.layerSeen = 0;
    }
  ;

port_class: %empty
  | K_CLASS macro_class ';'
    { if (lefData->macroState.doingGeom) lefData->macroState.geom->addClass($2); }
  ;

/* Geometry statements of PORT and OBS, read as one list so that an item
   takes one reduction; the value tells whether the list has any. */
geometries: %empty
    { $$ = 0; }
  | geometries geom_layer_start ';'
    { $$ = 1; }
  | geometries geom_layer_start geom_layer_exceptpg ';'
    { $$ = 1; }
  | geometries geom_layer_start geom_layer_rule ';'
    { $$ = 1; }
  | geometries geom_layer_start geom_layer_exceptpg geom_layer_rule ';'
    { $$ = 1; }
  | geometries K_WIDTH number ';'
    { $$ = 1; GEOM_SHAPE(0, true, addWidth($3)); }
  | geometries K_PATH mask_opt path_pts ';'
    {
      $$ = 1;
      lefData->macroState.portShape = 2;
      GEOM_SHAPE($3, true, addPath($3));
    }
  | geometries K_PATH mask_opt K_ITERATE path_pts geom_step ';'
    {
      $$ = 1;
      lefData->macroState.portShape = 2;
      GEOM_SHAPE($3, true, addPathIter($3));
    }
  | geometries K_RECT NUMBER NUMBER NUMBER NUMBER ';'
    {
      $$ = 1;
      if (lefGeomRect(0, $3, $4, $5, $6)) LEF_STOP(1);
    }
  | geometries K_RECT NUMBER NUMBER pt_other ';'
    {
      $$ = 1;
      if (lefGeomRect(0, $3, $4, $5.x, $5.y)) LEF_STOP(1);
    }
  | geometries K_RECT pt_other pt ';'
    {
      $$ = 1;
      if (lefGeomRect(0, $3.x, $3.y, $4.x, $4.y)) LEF_STOP(1);
    }
  | geometries K_RECT mask NUMBER NUMBER NUMBER NUMBER ';'
    {
      $$ = 1;
      if (lefGeomRect($3, $4, $5, $6, $7)) LEF_STOP(1);
    }
  | geometries K_RECT mask NUMBER NUMBER pt_other ';'
    {
      $$ = 1;
      if (lefGeomRect($3, $4, $5, $6.x, $6.y)) LEF_STOP(1);
    }
  | geometries K_RECT mask pt_other pt ';'
    {
      $$ = 1;
      if (lefGeomRect($3, $4.x, $4.y, $5.x, $5.y)) LEF_STOP(1);
    }
  | geometries K_RECT mask_opt K_ITERATE pt pt geom_step ';'
    {
      $$ = 1;
      lefData->macroState.portShape = 2;
      GEOM_SHAPE($3, true, addRectIter($3, $5.x, $5.y, $6.x, $6.y));
    }
  | geometries K_POLYGON mask_opt poly_pts ';'
    {
      $$ = 1;
      lefData->macroState.portShape = 2;
      GEOM_SHAPE($3, true, addPolygon($3));
    }
  | geometries K_POLYGON mask_opt K_ITERATE poly_pts geom_step ';'
    {
      $$ = 1;
      lefData->macroState.portShape = 2;
      GEOM_SHAPE($3, true, addPolygonIter($3));
    }
  | geometries K_VIA mask_opt pt start_name T_STRING ';'
    { $$ = 1; GEOM_SHAPE($3, false, addVia($3, $4.x, $4.y, $6)); }
  | geometries K_VIA K_ITERATE mask_opt pt start_name T_STRING geom_step ';'
    { $$ = 1; GEOM_SHAPE($4, false, addViaIter($4, $5.x, $5.y, $7)); }
  ;

geom_layer_start: K_LAYER start_name T_STRING
    { lefGeomLayer($3); }
  ;

geom_layer_exceptpg: K_EXCEPTPGNET
    {
      if (lefData->versionNum >= 5.7) {
        if (lefData->macroState.doingGeom) lefData->macroState.geom->addLayerExceptPgNet();
      } else {
        lefErrorf(1699,
                  "EXCEPTPGNET is a version 5.7 or later syntax.\nYour lef file is defined with "
                  "version %g.",
                  lefData->versionNum);
        CHKERR();
      }
    }
  ;

geom_layer_rule: K_SPACING number
    {
      if (lefData->macroState.doingGeom) {
        if (zeroOrGt($2)) {
          lefData->macroState.geom->addLayerMinSpacing($2);
        } else {
          lefErrorf(1659,
                    "THE SPACING statement has the value %g in MACRO OBS.\nValue has to be 0 or "
                    "greater.",
                    $2);
          CHKERR();
        }
      }
    }
  | K_DESIGNRULEWIDTH number
    {
      if (lefData->macroState.doingGeom) {
        if (zeroOrGt($2)) {
          lefData->macroState.geom->addLayerRuleWidth($2);
        } else {
          lefErrorf(1660,
                    "THE DESIGNRULEWIDTH statement has the value %g in MACRO OBS.\nValue has to "
                    "be 0 or greater.",
                    $2);
          CHKERR();
        }
      }
    }
  ;

/* DO xcount BY ycount STEP xstep ystep, set before the item it repeats. */
geom_step: K_DO number K_BY number K_STEP number number
    { if (lefData->macroState.doingGeom) lefData->macroState.geom->addStepPattern($2, $4, $6, $7); }
  ;

/* ---- end VIA, MAXVIASTACK, PROPERTYDEFINITIONS, MACRO, PIN, OBS ---- */

/* ---- VIARULE, NONDEFAULTRULE, SITE, SPACING, IRDROP, MINFEATURE, DIELECTRIC, TIMING, ARRAY, noise and antenna sizes ---- */

/* Every word up to the next ';' is a name. */
start_name_list: %empty
    { lefData->lefDumbMode = 1000000000; }
  ;

/* PROPERTY of a VIARULE or a NONDEFAULTRULE: names and values up to ';'. */
rule_props: K_PROPERTY rule_prop_start prop_pairs ';'
    { lefData->lefDumbMode = 0; }
  ;

rule_prop_start: %empty
    {
      lefStartProps(lefData->stmtState.inNonDefault ? kNonDefaultProps : kViaRuleProps);
      lefData->lefDumbMode = 10000000;
    }
  ;

/* VIARULE */
viarule: viarule_start viarule_layers viarule_vias viarule_props_opt viarule_end
    {
      if ((lefData->stmtState.viaRuleLayers == 0 || lefData->stmtState.viaRuleLayers > 2) && LEF_GATED(ViaRule)) {
        lefError(1608, "A VIARULE statement requires two layers.");
        CHKERR();
      }
      CALLBACK(ViaRule, &lefData->viaRule);
      if (lefCallbacks->ViaRuleCbk) lefData->viaRule.clearLayerOverhang();
    }
  | viarule_start K_GENERATE viarule_generate viarule_default viarule_layers viarule_props_opt
    viarule_end
    {
      int layers = lefData->stmtState.viaRuleLayers;
      if (layers == 0) {
        if (LEF_GATED(ViaRule)) {
          lefError(1708, "A VIARULE GENERATE requires three layers.");
          CHKERR();
        }
      } else if (layers <= 2 && lefData->versionNum >= 5.6) {
        if (LEF_GATED(ViaRule)) lefObsolete(2021, "turn-via", "5.6");
      } else {
        if (lefCallbacks->ViaRuleCbk) lefData->viaRule.setGenerate();
        CALLBACK(ViaRule, &lefData->viaRule);
      }
      if (lefCallbacks->ViaRuleCbk) lefData->viaRule.clearLayerOverhang();
    }
  ;

viarule_start: K_VIARULE start_name T_STRING
    {
      if (lefCallbacks->ViaRuleCbk) lefData->viaRule.setName($3);
      lefData->stmtState.viaRuleLayers = 0;
      lefData->stmtState.viaRuleName = $3;
      lefData->stmtState.viaRuleGenerate = 0;
    }
  ;

viarule_generate: %empty
    { lefData->stmtState.viaRuleGenerate = 1; }
  ;

viarule_default: %empty
  | K_DEFAULT
    {
      if (lefData->versionNum >= 5.6) {
        if (lefCallbacks->ViaRuleCbk) lefData->viaRule.setDefault();
      } else if (LEF_GATED(ViaRule)) {
        lefVersionError(1605, "DEFAULT", "5.6 and later");
        CHKERR();
      }
    }
  ;

viarule_layers: %empty
  | viarule_layers viarule_layer
  ;

viarule_layer: viarule_layer_name viarule_layer_options
    {
      if (lefData->stmtState.viaRuleLayers < 2 && !lefData->stmtState.viaRuleDirection && !lefData->stmtState.viaRuleEnclosure &&
          (lefData->versionNum < 5.6) == (lefData->stmtState.viaRuleGenerate != 0) && LEF_GATED(ViaRule)) {
        lefError(1705, "VIARULE statement in a layer, requires a DIRECTION construct statement.");
        CHKERR();
      }
      lefData->stmtState.viaRuleLayers++;
    }
  ;

viarule_layer_name: K_LAYER start_name T_STRING ';'
    {
      if (lefCallbacks->ViaRuleCbk) lefData->viaRule.setLayer($3);
      lefData->stmtState.viaRuleDirection = 0;
      lefData->stmtState.viaRuleEnclosure = 0;
    }
  ;

viarule_layer_options: %empty
  | viarule_layer_options viarule_layer_option
  ;

viarule_layer_option: K_DIRECTION viarule_direction ';'
    {
      if (lefData->stmtState.viaRuleEnclosure) {
        if (LEF_GATED(ViaRule)) {
          lefError(1706,
                   "An ENCLOSRE statement was already defined in the layer.\nIt is DIRECTION or "
                   "ENCLOSURE can be specified in a layer.");
          CHKERR();
        }
      } else if (lefData->versionNum >= 5.6 && lefData->stmtState.viaRuleGenerate) {
        if (LEF_GATED(ViaRule)) lefObsolete(2022, "DIRECTION statement in VIARULE", "5.6");
      } else if (lefCallbacks->ViaRuleCbk) {
        if ($2)
          lefData->viaRule.setHorizontal();
        else
          lefData->viaRule.setVertical();
      }
      lefData->stmtState.viaRuleDirection = 1;
    }
  | K_ENCLOSURE number number ';'
    {
      if (lefData->versionNum < 5.5 && LEF_GATED(ViaRule)) {
        lefVersionError(1707, "ENCLOSURE", "5.5 and later");
        CHKERR();
      }
      if (!lefData->stmtState.viaRuleGenerate && LEF_GATED(ViaRule)) {
        lefError(1614,
                 "An ENCLOSURE statement is defined in a VIARULE statement only.\nOVERHANG "
                 "statement can only be defined in VIARULE GENERATE.");
        CHKERR();
      }
      if (lefData->stmtState.viaRuleDirection) {
        if (LEF_GATED(ViaRule)) {
          lefError(1609,
                   "A DIRECTION statement was already defined in the layer.\nIt is DIRECTION or "
                   "ENCLOSURE can be specified in a layer.");
          CHKERR();
        }
      } else if (lefCallbacks->ViaRuleCbk) {
        lefData->viaRule.setEnclosure($2, $3);
      }
      lefData->stmtState.viaRuleEnclosure = 1;
    }
  | K_WIDTH number K_TO number ';'
    { if (lefCallbacks->ViaRuleCbk) lefData->viaRule.setWidth($2, $4); }
  | K_RECT pt pt ';'
    { if (lefCallbacks->ViaRuleCbk) lefData->viaRule.setRect($2.x, $2.y, $3.x, $3.y); }
  | K_SPACING number K_BY number ';'
    { if (lefCallbacks->ViaRuleCbk) lefData->viaRule.setSpacing($2, $4); }
  | K_RESISTANCE number ';'
    { if (lefCallbacks->ViaRuleCbk) lefData->viaRule.setResistance($2); }
  | K_OVERHANG number ';'
    {
      if (!lefData->stmtState.viaRuleDirection && LEF_GATED(ViaRule)) {
        lefError(1610,
                 "An OVERHANG statement is defined, but the required DIRECTION statement is not "
                 "yet defined.\nUpdate the LEF file to define the DIRECTION statement before the "
                 "OVERHANG.");
        CHKERR();
      }
      if (lefData->versionNum > 5.3 && !lefData->stmtState.viaRuleGenerate && LEF_GATED(ViaRule)) {
        lefError(1611,
                 "An OVERHANG statement is defined in a VIARULE statement only.\nOVERHANG "
                 "statement can only be defined in VIARULE GENERATE.");
        CHKERR();
      }
      if (lefData->versionNum < 5.6) {
        if (lefCallbacks->ViaRuleCbk) lefData->viaRule.setOverhang($2);
      } else {
        if (LEF_GATED(ViaRule))
          lefWarning(2023, "OVERHANG statement will be translated into similar ENCLOSURE rule");
        if (lefCallbacks->ViaRuleCbk) lefData->viaRule.setOverhangToEnclosure($2);
      }
    }
  | K_METALOVERHANG number ';'
    {
      if (lefData->versionNum > 5.3 && !lefData->stmtState.viaRuleGenerate && LEF_GATED(ViaRule)) {
        lefError(1612,
                 "An METALOVERHANG statement is defined in a VIARULE statement only.\nOVERHANG "
                 "statement can only be defined in VIARULE GENERATE.");
        CHKERR();
      }
      if (lefData->versionNum < 5.6) {
        if (!lefData->stmtState.viaRuleDirection && LEF_GATED(ViaRule)) {
          lefError(1613,
                   "An METALOVERHANG statement is defined, but the required DIRECTION statement "
                   "is not yet defined.\nUpdate the LEF file to define the DIRECTION statement "
                   "before the OVERHANG.");
          CHKERR();
        }
        if (lefCallbacks->ViaRuleCbk) lefData->viaRule.setMetalOverhang($2);
      } else if (LEF_GATED(ViaRule)) {
        lefObsolete(2024, "METALOVERHANG statement", "5.6");
      }
    }
  ;

viarule_direction: K_HORIZONTAL { $$ = 1; }
  | K_VERTICAL { $$ = 0; }
  ;

viarule_vias: %empty
  | viarule_vias K_VIA start_name T_STRING ';'
    { if (lefCallbacks->ViaRuleCbk) lefData->viaRule.addViaName($4); }
  ;

viarule_props_opt: %empty
  | viarule_props_opt rule_props
  ;

viarule_end: K_END start_name T_STRING
    {
      if (lefData->stmtState.viaRuleGenerate && lefCallbacks->ViaRuleCbk && lefData->stmtState.viaRuleLayers > 2) {
        bool rect = false;
        for (int i = 0; i < 3; i++) rect = rect || lefData->viaRule.layer(i)->hasRect();
        if (!rect)
          lefWarningf(1714,
                      "VIARULE GENERATE '%s' cut layer definition should have RECT "
                      "statement.\nCorrect the LEF file before rerunning it through the LEF "
                      "parser.",
                      lefData->stmtState.viaRuleName.c_str());
      }
      if (lefData->stmtState.viaRuleName != $3 && LEF_GATED(ViaRule)) {
        lefErrorf(1615,
                  "END VIARULE name %s is different from the VIARULE name %s.\nCorrect the LEF "
                  "file before rerunning it through the LEF parser.",
                  $3, lefData->stmtState.viaRuleName.c_str());
        CHKERR();
      }
      lefData->stmtState.viaRuleName.clear();
    }
  ;

/* NONDEFAULTRULE */
nondefault_rule: nondefault_start nondefault_hardspacing nondefault_items nondefault_end
    {
      int relax = lefSettings->RelaxMode;
      if (lefData->stmtState.ndLayers == 0 && !relax && LEF_GATED(NonDefault)) {
        lefError(1617, "NONDEFAULTRULE statement requires at least one LAYER statement.");
        CHKERR();
      }
      if (lefData->stmtState.ndVias == 0 && !relax && lefData->versionNum < 5.6 && LEF_GATED(NonDefault)) {
        lefError(1618, "NONDEFAULTRULE statement requires at least one VIA statement.");
        CHKERR();
      }
      if (lefCallbacks->NonDefaultCbk) {
        lefData->nonDefault.end();
        CALLBACK(NonDefault, &lefData->nonDefault);
      }
      lefData->stmtState.inNonDefault = 0;
      lefData->lefDumbMode = 0;
      lefUnsetNonDefault();
    }
  ;

nondefault_start: K_NONDEFAULTRULE start_name T_STRING
    {
      lefSetNonDefault($3);
      if (lefCallbacks->NonDefaultCbk) lefData->nonDefault.setName($3);
      lefData->stmtState.ndLayers = 0;
      lefData->stmtState.ndVias = 0;
      lefData->stmtState.inNonDefault = 1;
      lefData->stmtState.ndName = $3;
      lefData->lefNdRule = 1;
    }
  ;

nondefault_hardspacing: %empty
  | K_HARDSPACING ';'
    {
      if (lefData->versionNum >= 5.6) {
        if (lefCallbacks->NonDefaultCbk) lefData->nonDefault.setHardspacing();
      } else if (LEF_GATED(NonDefault)) {
        lefVersionError(1620, "HARDSPACING", "5.6 and later");
        CHKERR();
      }
    }
  ;

nondefault_items: %empty
  | nondefault_items nondefault_item
  ;

nondefault_item: nondefault_layer
  | via
  | spacing_section
  | rule_props
  | K_USEVIA T_STRING ';'
    {
      if (lefData->versionNum >= 5.6) {
        if (lefCallbacks->NonDefaultCbk) lefData->nonDefault.addUseVia($2);
      } else if (lefCallbacks->NonDefaultCbk) {
        lefVersionError(1621, "USEVIA", "5.6 and later");
        CHKERR();
      }
    }
  | K_USEVIARULE T_STRING ';'
    {
      if (lefData->versionNum >= 5.6) {
        if (lefCallbacks->NonDefaultCbk) lefData->nonDefault.addUseViaRule($2);
      } else if (LEF_GATED(NonDefault)) {
        lefVersionError(1622, "USEVIARULE", "5.6 and later");
        CHKERR();
      }
    }
  | K_MINCUTS T_STRING number ';'
    {
      if (lefData->versionNum >= 5.6) {
        if (lefCallbacks->NonDefaultCbk) lefData->nonDefault.addMinCuts($2, lefToInt($3));
      } else if (LEF_GATED(NonDefault)) {
        lefVersionError(1623, "MINCUTS", "5.6 and later");
        CHKERR();
      }
    }
  ;

nondefault_layer: nondefault_layer_start nondefault_layer_options K_END T_STRING
    {
      if (lefData->stmtState.ndLayerName != $4 && LEF_GATED(NonDefault)) {
        lefErrorf(1624,
                  "END LAYER name %s is different from the LAYER name %s.\nCorrect the LEF file "
                  "before rerunning it through the LEF parser.",
                  $4, lefData->stmtState.ndLayerName.c_str());
        CHKERR();
      }
      lefData->stmtState.ndLayerName.clear();
      if (!lefData->stmtState.ndLayerSpacing && lefData->versionNum < 5.6 && LEF_GATED(NonDefault)) {
        lefErrorf(1626,
                  "A SPACING statement is required in the LAYER statement in NONDEFAULTRULE for "
                  "lef file with version 5.5 and earlier.\nYour lef file is defined with version "
                  "%g. Update your lef to add a LAYER statement and try again.",
                  lefData->versionNum);
        CHKERR();
      }
    }
  ;

nondefault_layer_start: K_LAYER start_name T_STRING K_WIDTH number ';'
    {
      if (lefCallbacks->NonDefaultCbk) {
        lefData->nonDefault.addLayer($3);
        lefData->nonDefault.addWidth($5);
      }
      lefData->stmtState.ndLayers++;
      lefData->stmtState.ndLayerName = $3;
      lefData->stmtState.ndLayerSpacing = 0;
    }
  ;

nondefault_layer_options: %empty
  | nondefault_layer_options nondefault_layer_option
  ;

nondefault_layer_option: K_SPACING number ';'
    {
      lefData->stmtState.ndLayerSpacing = 1;
      if (lefCallbacks->NonDefaultCbk) lefData->nonDefault.addSpacing($2);
    }
  | K_WIREEXTENSION number ';'
    { if (lefCallbacks->NonDefaultCbk) lefData->nonDefault.addWireExtension($2); }
  | nondefault_electrical number ';'
    {
      double v = lefData->versionNum;
      if (lefData->ant53 || (v >= 5.4 && v <= 5.5)) {
        if (lefCallbacks->NonDefaultCbk) (lefData->nonDefault.*kNdElectrical[$1].setter)($2);
      } else if (LEF_GATED(NonDefault)) {
        if (v < 5.4) {
          lefVersionError(kNdElectrical[$1].versionMsg, kNdElectrical[$1].what, "5.4 and later");
          CHKERR();
        } else {
          lefWarning(kNdElectrical[$1].obsoleteMsg, kNdElectrical[$1].obsoleteText);
        }
      }
    }
  | K_DIAGWIDTH number ';'
    {
      if (lefData->versionNum >= 5.6) {
        if (lefCallbacks->NonDefaultCbk) lefData->nonDefault.addDiagWidth($2);
      } else if (LEF_GATED(NonDefault)) {
        lefVersionError(1630, "DIAGWIDTH", "5.6 and later");
        CHKERR();
      }
    }
  ;

nondefault_electrical: K_RESISTANCE K_RPERSQ { $$ = 0; }
  | K_CAPACITANCE K_CPERSQDIST { $$ = 1; }
  | K_EDGECAPACITANCE { $$ = 2; }
  ;

nondefault_end: K_END
    { lefData->stmtState.ndName.clear(); }
  | K_END T_STRING
    {
      if (lefData->stmtState.ndName != $2 && LEF_GATED(NonDefault)) {
        lefErrorf(1619,
                  "END NONDEFAULTRULE name %s is different from the NONDEFAULTRULE name "
                  "%s.\nCorrect the LEF file before rerunning it through the LEF parser.",
                  $2, lefData->stmtState.ndName.c_str());
        CHKERR();
      }
      lefData->stmtState.ndName.clear();
    }
  ;

/* SITE */
site: site_start site_items K_END start_name T_STRING
    {
      if (lefData->stmtState.siteName == $5) {
        if (lefCallbacks->SiteCbk && !lefData->stmtState.siteClass) {
          lefError(1632, "A CLASS statement is required in the SITE statement.");
          CHKERR();
        }
        if (lefCallbacks->SiteCbk && !lefData->stmtState.siteSize) {
          lefError(1633, "A SIZE  statement is required in the SITE statement.");
          CHKERR();
        }
      } else if (LEF_GATED(Site)) {
        lefErrorf(1631,
                  "END SITE name %s is different from the SITE name %s.\nCorrect the LEF file "
                  "before rerunning it through the LEF parser.",
                  $5, lefData->stmtState.siteName.c_str());
        CHKERR();
      }
      lefData->stmtState.siteName.clear();
      CALLBACK(Site, &lefData->site);
    }
  ;

site_start: K_SITE start_name T_STRING
    {
      if (lefCallbacks->SiteCbk) lefData->site.setName($3);
      lefData->stmtState.siteName = $3;
      lefData->stmtState.siteClass = 0;
      lefData->stmtState.siteSize = 0;
      lefData->hasSite = 1;
    }
  ;

site_items: %empty
  | site_items site_item
  ;

site_item: K_CLASS site_class ';'
    {
      lefData->stmtState.siteClass = 1;
      if (lefCallbacks->SiteCbk) lefData->site.setClass($2);
    }
  | K_SYMMETRY site_symmetries ';'
  | K_ROWPATTERN start_name site_row_patterns ';'
  | K_SIZE number K_BY number ';'
    {
      lefData->stmtState.siteSize = 1;
      if (lefCallbacks->SiteCbk) lefData->site.setSize($2, $4);
    }
  ;

site_class: K_PAD { $$ = const_cast<char*>("PAD"); }
  | K_CORE { $$ = const_cast<char*>("CORE"); }
  | K_VIRTUAL { $$ = const_cast<char*>("VIRTUAL"); }
  ;

site_symmetries: %empty
  | site_symmetries K_X
    { if (lefCallbacks->SiteCbk) lefData->site.setXSymmetry(); }
  | site_symmetries K_Y
    { if (lefCallbacks->SiteCbk) lefData->site.setYSymmetry(); }
  | site_symmetries K_R90
    { if (lefCallbacks->SiteCbk) lefData->site.set90Symmetry(); }
  ;

/* Each site name is read as a name: the mode is set again after each pair. */
site_row_patterns: %empty
  | site_row_patterns T_STRING orientation start_name
    { if (lefCallbacks->SiteCbk) lefData->site.addRowPattern($2, $3); }
  ;

/* Library SPACING section, also inside a NONDEFAULTRULE. */
spacing_section: spacing_start samenet_rules K_END K_SPACING
    {
      double v = lefData->versionNum;
      if (!(v >= 5.6 && lefData->stmtState.inNonDefault)) {
        if (v <= 5.4 && !lefData->stmtState.samenetSeen) {
          lefError(1616,
                   "SAMENET statement is required inside SPACING for any lef file with version "
                   "5.4 and earlier, but is not defined in the parsed lef file.");
          CHKERR();
        } else if (v < 5.7 && !lefData->stmtState.inNonDefault) {
          CALLBACK(SpacingEnd, static_cast<void*>(nullptr));
        }
      }
    }
  ;

spacing_start: K_SPACING
    {
      lefData->stmtState.samenetSeen = 0;
      if (lefData->versionNum >= 5.6 && lefData->stmtState.inNonDefault) {
        if (lefCallbacks->SpacingBeginCbk && LEF_COUNTED(Spacing))
          lefObsolete(2025, "SAMENET statement in NONDEFAULTRULE", "5.6");
      } else if (lefData->versionNum >= 5.7) {
        if (lefData->SpacingWarnings == 0) {
          lefWarning(2077,
                     "A SPACING SAMENET section is defined but it is not legal in a LEF 5.7 "
                     "version file.\nIt will be ignored which will probably cause real DRC "
                     "violations to be ignored, and may\ncause false DRC violations to "
                     "occur.\n\nTo avoid this warning, and correctly handle these DRC rules, you "
                     "should modify your\nLEF to use the appropriate SAMENET keywords as "
                     "described in the LEF/DEF 5.7\nmanual under the SPACING statements in the "
                     "LAYER (Routing) and LAYER (Cut)\nsections listed in the LEF Table of "
                     "Contents.");
          lefData->SpacingWarnings++;
        }
      } else if (!lefData->stmtState.inNonDefault) {
        CALLBACK(SpacingBegin, static_cast<void*>(nullptr));
      }
    }
  ;

samenet_rules: %empty
  | samenet_rules samenet_rule
  ;

samenet_rule: K_SAMENET
    {
      lefData->lefDumbMode = 2;
      lefData->lefNoNum = 2;
    }
    T_STRING T_STRING number samenet_stack ';'
    {
      lefData->stmtState.samenetSeen = 1;
      bool ignored = lefData->versionNum >= 5.7 ||
                     (lefData->versionNum >= 5.6 && lefData->stmtState.inNonDefault);
      if (!ignored && lefCallbacks->SpacingCbk) {
        lefData->spacing.set($3, $4, $5, $6);
        if (!lefData->stmtState.inNonDefault)
          CALLBACK(Spacing, &lefData->spacing);
        else if (lefData->nd)
          lefData->nd->addSpacingRule(&lefData->spacing);
      }
    }
  ;

samenet_stack: %empty { $$ = 0; }
  | K_STACK { $$ = 1; }
  ;

/* IRDROP */
irdrop: irdrop_start irdrop_tables K_END K_IRDROP
    { if (lefData->versionNum < 5.4) CALLBACK(IRDropEnd, static_cast<void*>(nullptr)); }
  ;

irdrop_start: K_IRDROP
    {
      if (lefData->versionNum >= 5.4) {
        if (lefCallbacks->IRDropBeginCbk && LEF_COUNTED(IRDrop))
          lefObsolete(2026, "IRDROP statement", "5.4");
      } else {
        CALLBACK(IRDropBegin, static_cast<void*>(nullptr));
      }
    }
  ;

irdrop_tables: %empty
  | irdrop_tables irdrop_table
  ;

irdrop_table: K_TABLE T_STRING
    { if (lefCallbacks->IRDropCbk) lefData->irdrop.setTableName($2); }
    irdrop_values ';'
    { if (lefData->versionNum < 5.4) CALLBACK(IRDrop, &lefData->irdrop); }
  ;

irdrop_values: %empty
  | irdrop_values number number
    { if (lefCallbacks->IRDropCbk) lefData->irdrop.setValues($2, $3); }
  ;

minfeature: K_MINFEATURE number number ';'
    {
      lefData->hasMinfeature = 1;
      if (lefData->versionNum >= 5.4) {
        if (LEF_GATED(MinFeature)) lefObsolete(2027, "MINFEATURE statement", "5.4");
      } else if (lefCallbacks->MinFeatureCbk) {
        lefData->minFeature.set($2, $3);
        CALLBACK(MinFeature, &lefData->minFeature);
      }
    }
  ;

dielectric: K_DIELECTRIC number ';'
    {
      if (lefData->versionNum >= 5.4) {
        if (LEF_GATED(Dielectric)) lefObsolete(2028, "DIELECTRIC statement", "5.4");
      } else {
        CALLBACK(Dielectric, $2);
      }
    }
  ;

/* Macro TIMING: one record per FROMPIN group. */
timing: K_TIMING timing_items K_END K_TIMING
    {
      if (lefData->versionNum < 5.4) {
        if (lefCallbacks->TimingCbk && lefData->timing.hasData())
          CALLBACK(Timing, &lefData->timing);
      } else if (LEF_GATED(Timing)) {
        lefObsolete(2066, "MACRO TIMING statement", "5.4");
      }
      lefData->timing.clear();
    }
  ;

timing_items: %empty
  | timing_items timing_item
  ;

timing_item: timing_frompin timing_from_names ';'
  | K_TOPIN start_name_list timing_to_names ';'
  | timing_rise_fall K_INTRINSIC number number
    {
      if (lefCallbacks->TimingCbk) lefData->timing.addRiseFall($1, $3, $4);
    }
    timing_slew K_VARIABLE number number ';'
    { if (lefCallbacks->TimingCbk) lefData->timing.addRiseFallVariable($8, $9); }
  | timing_rise_fall timing_table_kind K_UNATENESS timing_unate K_TABLEDIMENSION number number
    number ';'
    {
      if (lefCallbacks->TimingCbk) {
        if ($2[0] == 'D' || $2[0] == 'd')
          lefData->timing.addDelay($1, $4, $6, $7, $8);
        else
          lefData->timing.addTransition($1, $4, $6, $7, $8);
      }
    }
  | K_TABLEAXIS timing_axis ';'
  | K_TABLEENTRIES timing_entries ';'
  | timing_pair_kind number number ';'
    { if (lefCallbacks->TimingCbk) (lefData->timing.*kTimingPairs[$1])($2, $3); }
  | K_UNATENESS timing_unate ';'
    { if (lefCallbacks->TimingCbk) lefData->timing.addUnateness($2); }
  | K_STABLE K_SETUP number K_HOLD number timing_rise_fall ';'
    { if (lefCallbacks->TimingCbk) lefData->timing.setStable($3, $5, $6); }
  | timing_sdf2 timing_edge timing_edge K_TABLEDIMENSION number number number ';'
    { if (lefCallbacks->TimingCbk) lefData->timing.addSDF2Pins($1, $2, $3, $5, $6, $7); }
  | timing_sdf1 K_TABLEDIMENSION number number number ';'
    { if (lefCallbacks->TimingCbk) lefData->timing.addSDF1Pin($1, $3, $4, $5); }
  | K_SDFCONDSTART QSTRING ';'
    { if (lefCallbacks->TimingCbk) lefData->timing.setSDFcondStart($2); }
  | K_SDFCONDEND QSTRING ';'
    { if (lefCallbacks->TimingCbk) lefData->timing.setSDFcondEnd($2); }
  | K_SDFCOND QSTRING ';'
    { if (lefCallbacks->TimingCbk) lefData->timing.setSDFcond($2); }
  | K_EXTENSION ';'
  ;

timing_frompin: K_FROMPIN
    {
      if (lefData->versionNum < 5.4 && lefCallbacks->TimingCbk && lefData->timing.hasData())
        CALLBACK(Timing, &lefData->timing);
      lefData->timing.clear();
      lefData->lefDumbMode = 1000000000;
    }
  ;

timing_from_names: T_STRING
    { if (lefCallbacks->TimingCbk) lefData->timing.addFromPin($1); }
  | timing_from_names T_STRING
    { if (lefCallbacks->TimingCbk) lefData->timing.addFromPin($2); }
  ;

timing_to_names: T_STRING
    { if (lefCallbacks->TimingCbk) lefData->timing.addToPin($1); }
  | timing_to_names T_STRING
    { if (lefCallbacks->TimingCbk) lefData->timing.addToPin($2); }
  ;

timing_slew: %empty
  | number number number number
    { if (lefCallbacks->TimingCbk) lefData->timing.addRiseFallSlew($1, $2, $3, $4); }
  | number number number number number number number
    {
      if (lefCallbacks->TimingCbk) {
        lefData->timing.addRiseFallSlew($1, $2, $3, $4);
        lefData->timing.addRiseFallSlew2($5, $6, $7);
      }
    }
  ;

timing_axis: number
    { if (lefCallbacks->TimingCbk) lefData->timing.addTableAxisNumber($1); }
  | timing_axis number
    { if (lefCallbacks->TimingCbk) lefData->timing.addTableAxisNumber($2); }
  ;

timing_entries: timing_entry
  | timing_entries timing_entry
  ;

timing_entry: '(' number number number ')'
    { if (lefCallbacks->TimingCbk) lefData->timing.addTableEntry($2, $3, $4); }
  ;

timing_rise_fall: K_RISE { $$ = const_cast<char*>("RISE"); }
  | K_FALL { $$ = const_cast<char*>("FALL"); }
  ;

timing_table_kind: K_DELAY { $$ = const_cast<char*>("DELAY"); }
  | K_TRANSITIONTIME { $$ = const_cast<char*>("TRANSITION"); }
  ;

timing_unate: K_INVERT { $$ = const_cast<char*>("INVERT"); }
  | K_NONINVERT { $$ = const_cast<char*>("NONINVERT"); }
  | K_NONUNATE { $$ = const_cast<char*>("NONUNATE"); }
  ;

timing_edge: K_ANYEDGE { $$ = const_cast<char*>("ANYEDGE"); }
  | K_POSEDGE { $$ = const_cast<char*>("POSEDGE"); }
  | K_NEGEDGE { $$ = const_cast<char*>("NEGEDGE"); }
  ;

timing_sdf2: K_SETUP { $$ = const_cast<char*>("SETUP"); }
  | K_HOLD { $$ = const_cast<char*>("HOLD"); }
  | K_RECOVERY { $$ = const_cast<char*>("RECOVERY"); }
  | K_SKEW { $$ = const_cast<char*>("SKEW"); }
  ;

timing_sdf1: K_MPWH { $$ = const_cast<char*>("MPWH"); }
  | K_MPWL { $$ = const_cast<char*>("MPWL"); }
  | K_PERIOD { $$ = const_cast<char*>("PERIOD"); }
  ;

timing_pair_kind: K_RISERS { $$ = 0; }
  | K_FALLRS { $$ = 1; }
  | K_RISECS { $$ = 2; }
  | K_FALLCS { $$ = 3; }
  | K_RISESATT1 { $$ = 4; }
  | K_FALLSATT1 { $$ = 5; }
  | K_RISET0 { $$ = 6; }
  | K_FALLT0 { $$ = 7; }
  ;

/* ARRAY */
array: array_start array_items array_done K_END start_name T_STRING
    {
      if (lefCallbacks->ArrayCbk && lefCallbacks->ArrayEndCbk) CALLBACK(ArrayEnd, $6);
      if (lefData->stmtState.arrayName != $6 && LEF_GATED(Array)) {
        lefErrorf(1662,
                  "END ARRAY name %s is different from the ARRAY name %s.\nCorrect the LEF file "
                  "before rerunning it through the LEF parser.",
                  $6, lefData->stmtState.arrayName.c_str());
        CHKERR();
      }
      lefData->stmtState.arrayName.clear();
    }
  ;

array_start: K_ARRAY start_name T_STRING
    {
      if (lefCallbacks->ArrayCbk) {
        lefData->array.setName($3);
        CALLBACK(ArrayBegin, $3);
      }
      lefData->stmtState.arrayName = $3;
    }
  ;

array_done: %empty
    {
      CALLBACK(Array, &lefData->array);
      lefData->array.clear();
      lefData->stmtState.sitePatternWanted = 0;
      lefiFreeObj(lefData->stmtState.sitePattern);
    }
  ;

array_items: %empty
  | array_items array_item
  ;

array_item: K_SITE array_site_start site_pattern ';'
    { if (lefData->stmtState.sitePattern) lefData->array.addSitePattern(lefTakeSitePattern()); }
  | K_CANPLACE array_site_start site_pattern ';'
    { if (lefData->stmtState.sitePattern) lefData->array.addCanPlace(lefTakeSitePattern()); }
  | K_CANNOTOCCUPY array_site_start site_pattern ';'
    { if (lefData->stmtState.sitePattern) lefData->array.addCannotOccupy(lefTakeSitePattern()); }
  | K_TRACKS track_pattern ';'
    {
      if (lefData->stmtState.trackPattern) {
        lefData->array.addTrack(lefData->stmtState.trackPattern);
        lefData->stmtState.trackPattern = nullptr;
      }
    }
  | K_FLOORPLAN start_name T_STRING
    { if (lefCallbacks->ArrayCbk) lefData->array.addFloorPlan($3); }
    floorplan_items K_END T_STRING
  | K_GCELLGRID pattern_axis number K_DO number K_STEP number ';'
    {
      if (lefCallbacks->ArrayCbk) {
        lefiGcellPattern* g = lefiNewObj<lefiGcellPattern>();
        g->set($2, $3, lefToInt($5), $7);
        lefData->array.addGcell(g);
      }
    }
  | K_DEFAULTCAP number default_caps K_END K_DEFAULTCAP
    { if (lefCallbacks->ArrayCbk) lefData->array.setTableSize(lefToInt($2)); }
  | define_statement
  ;

array_site_start: %empty
    {
      lefData->lefDumbMode = 1;
      lefData->lefNoNum = 1;
      lefData->stmtState.sitePatternWanted = lefCallbacks->ArrayCbk != nullptr;
    }
  ;

floorplan_items: %empty
  | floorplan_items floorplan_item
  ;

floorplan_item: K_CANPLACE array_site_start site_pattern ';'
    {
      if (lefData->stmtState.sitePattern)
        lefData->array.addSiteToFloorPlan("CANPLACE", lefTakeSitePattern());
    }
  | K_CANNOTOCCUPY array_site_start site_pattern ';'
    {
      if (lefData->stmtState.sitePattern)
        lefData->array.addSiteToFloorPlan("CANNOTOCCUPY", lefTakeSitePattern());
    }
  ;

default_caps: %empty
  | default_caps K_MINPINS number K_WIRECAP number ';'
    { if (lefCallbacks->ArrayCbk) lefData->array.addDefaultCap(lefToInt($3), $5); }
  ;

pattern_axis: K_X { $$ = const_cast<char*>("X"); }
  | K_Y { $$ = const_cast<char*>("Y"); }
  ;

track_pattern: pattern_axis number K_DO number K_STEP number
    {
      if (lefCallbacks->ArrayCbk) {
        lefiFreeObj(lefData->stmtState.trackPattern);
        lefData->stmtState.trackPattern = lefiNewObj<lefiTrackPattern>();
        lefData->stmtState.trackPattern->set($1, $2, lefToInt($4), $6);
      }
    }
    track_layers
  ;

track_layers: %empty
  | K_LAYER start_name_list track_layer_names
  ;

track_layer_names: T_STRING
    { if (lefData->stmtState.trackPattern) lefData->stmtState.trackPattern->addLayer($1); }
  | track_layer_names T_STRING
    { if (lefData->stmtState.trackPattern) lefData->stmtState.trackPattern->addLayer($2); }
  ;

/* Noise statements of LEF before 5.4. */
noise_margin: K_UNIVERSALNOISEMARGIN number number ';'
    {
      if (lefData->versionNum >= 5.4) {
        if (LEF_GATED(NoiseMargin)) lefObsolete(2070, "UNIVERSALNOISEMARGIN statement", "5.4");
      } else if (lefCallbacks->NoiseMarginCbk) {
        lefData->noiseMargin.high = $2;
        lefData->noiseMargin.low = $3;
        CALLBACK(NoiseMargin, &lefData->noiseMargin);
      }
    }
  ;

edge_rate: K_EDGERATETHRESHOLD1 number ';'
    {
      if (lefData->versionNum >= 5.4) {
        if (LEF_GATED(EdgeRateThreshold1))
          lefObsolete(2071, "EDGERATETHRESHOLD1 statement", "5.4");
      } else {
        CALLBACK(EdgeRateThreshold1, $2);
      }
    }
  | K_EDGERATETHRESHOLD2 number ';'
    {
      if (lefData->versionNum >= 5.4) {
        if (LEF_GATED(EdgeRateThreshold2))
          lefObsolete(2072, "EDGERATETHRESHOLD2 statement", "5.4");
      } else {
        CALLBACK(EdgeRateThreshold2, $2);
      }
    }
  | K_EDGERATESCALEFACTOR number ';'
    {
      if (lefData->versionNum >= 5.4) {
        if (LEF_GATED(EdgeRateScaleFactor))
          lefObsolete(2073, "EDGERATESCALEFACTOR statement", "5.4");
      } else {
        CALLBACK(EdgeRateScaleFactor, $2);
      }
    }
  ;

noise_table: noise_table_body semicolon_opt
  ;

noise_table_body: K_NOISETABLE number ';'
    { if (lefCallbacks->NoiseTableCbk) lefData->noiseTable.setup(lefToInt($2)); }
    noise_items K_END K_NOISETABLE
    {
      if (lefData->versionNum >= 5.4) {
        if (LEF_GATED(NoiseTable)) lefObsolete(2074, "NOISETABLE statement", "5.4");
      } else {
        CALLBACK(NoiseTable, &lefData->noiseTable);
      }
    }
  ;

noise_items: %empty
  | noise_items noise_item
  ;

noise_item: K_EDGERATE number ';'
    {
      if (lefCallbacks->NoiseTableCbk) {
        lefData->noiseTable.newEdge();
        lefData->noiseTable.addEdge($2);
      }
    }
  | noise_resistance noise_victims
  ;

noise_resistance: K_OUTPUTRESISTANCE
    { if (lefCallbacks->NoiseTableCbk) lefData->noiseTable.addResistance(); }
    noise_resistance_numbers ';'
  ;

noise_resistance_numbers: number
    { if (lefCallbacks->NoiseTableCbk) lefData->noiseTable.addResistanceNumber($1); }
  | noise_resistance_numbers number
    { if (lefCallbacks->NoiseTableCbk) lefData->noiseTable.addResistanceNumber($2); }
  ;

noise_victims: %empty
  | noise_victims K_VICTIMLENGTH number ';'
    { if (lefCallbacks->NoiseTableCbk) lefData->noiseTable.addVictimLength($3); }
    K_VICTIMNOISE noise_victim_numbers ';'
  ;

noise_victim_numbers: number
    { if (lefCallbacks->NoiseTableCbk) lefData->noiseTable.addVictimNoise($1); }
  | noise_victim_numbers number
    { if (lefCallbacks->NoiseTableCbk) lefData->noiseTable.addVictimNoise($2); }
  ;

correction_table: correction_table_body semicolon_opt
  ;

correction_table_body: K_CORRECTIONTABLE number ';'
    { if (lefCallbacks->CorrectionTableCbk) lefData->correctionTable.setup(lefToInt($2)); }
    correction_items K_END K_CORRECTIONTABLE
    {
      if (lefData->versionNum >= 5.4) {
        if (LEF_GATED(CorrectionTable))
          lefObsolete(2075, "CORRECTIONTABLE statement", "5.4");
      } else {
        CALLBACK(CorrectionTable, &lefData->correctionTable);
      }
    }
  ;

correction_items: %empty
  | correction_items correction_item
  ;

correction_item: K_EDGERATE number ';'
    {
      if (lefCallbacks->CorrectionTableCbk) {
        lefData->correctionTable.newEdge();
        lefData->correctionTable.addEdge($2);
      }
    }
  | correction_resistance correction_victims
  ;

correction_resistance: K_OUTPUTRESISTANCE
    { if (lefCallbacks->CorrectionTableCbk) lefData->correctionTable.addResistance(); }
    correction_resistance_numbers ';'
  ;

correction_resistance_numbers: number
    { if (lefCallbacks->CorrectionTableCbk) lefData->correctionTable.addResistanceNumber($1); }
  | correction_resistance_numbers number
    { if (lefCallbacks->CorrectionTableCbk) lefData->correctionTable.addResistanceNumber($2); }
  ;

correction_victims: %empty
  | correction_victims K_VICTIMLENGTH number ';'
    { if (lefCallbacks->CorrectionTableCbk) lefData->correctionTable.addVictimLength($3); }
    K_CORRECTIONFACTOR correction_factor_numbers ';'
  ;

correction_factor_numbers: number
    { if (lefCallbacks->CorrectionTableCbk) lefData->correctionTable.addVictimCorrection($1); }
  | correction_factor_numbers number
    { if (lefCallbacks->CorrectionTableCbk) lefData->correctionTable.addVictimCorrection($2); }
  ;

semicolon_opt: %empty
  | ';'
  ;

/* Library antenna sizes: the old statements take a checked number, the new
   ones a bare one. */
antenna_size: K_INPUTPINANTENNASIZE number ';'
    {
      if (lefOldAntennaMixed() && LEF_GATED(InputAntenna)) {
        lefAntennaError(1671, 0, "INPUTPINANTENNASIZE");
        CHKERR();
      }
      CALLBACK(InputAntenna, $2);
    }
  | K_OUTPUTPINANTENNASIZE number ';'
    {
      if (lefOldAntennaMixed() && LEF_GATED(OutputAntenna)) {
        lefAntennaError(1672, 0, "OUTPUTPINANTENNASIZE");
        CHKERR();
      }
      CALLBACK(OutputAntenna, $2);
    }
  | K_INOUTPINANTENNASIZE number ';'
    {
      if (lefOldAntennaMixed() && LEF_GATED(InoutAntenna)) {
        lefAntennaError(1673, 0, "INOUTPINANTENNASIZE");
        CHKERR();
      }
      CALLBACK(InoutAntenna, $2);
    }
  | K_ANTENNAINPUTGATEAREA any_number ';'
    {
      int problem = lefNewAntennaProblem();
      if (problem && LEF_GATED(AntennaInput)) {
        lefAntennaError(1674, problem, "ANTENNAINPUTGATEAREA");
        CHKERR();
      }
      CALLBACK(AntennaInput, $2);
    }
  | K_ANTENNAINOUTDIFFAREA any_number ';'
    {
      int problem = lefNewAntennaProblem();
      if (problem && LEF_GATED(AntennaInout)) {
        lefAntennaError(1676, problem, "ANTENNAINOUTDIFFAREA");
        CHKERR();
      }
      CALLBACK(AntennaInout, $2);
    }
  | K_ANTENNAOUTPUTDIFFAREA any_number ';'
    {
      int problem = lefNewAntennaProblem();
      if (problem && LEF_GATED(AntennaOutput)) {
        lefAntennaError(1678, problem, "ANTENNAOUTPUTDIFFAREA");
        CHKERR();
      }
      CALLBACK(AntennaOutput, $2);
    }
  ;

/* ---- end VIARULE, NONDEFAULTRULE, SITE, SPACING, IRDROP, MINFEATURE, DIELECTRIC, TIMING, ARRAY, noise and antenna sizes ---- */

/* ---- LAYER ---- */
/* LAYER name, its sub-statements in any order, END name. */
layer_rule: layer_start layer_options layer_end
  ;

layer_start: K_LAYER start_name T_STRING
    {
      if (lefData->layerState.maxViaStackSeen) LAYER_GATED(L1506);
      if (LAYER_STORE) lefData->layer.setName($3);
      lefData->layerState.startLayer($3);
      lefData->layerState.layerSeen = 1;
    }
  ;

layer_end: K_END start_name T_STRING
    {
      const char* name = lefData->layerState.name.c_str();
      if (strcmp($3, name) != 0 && LEF_GATED(Layer)) {
        lefLayerReportNames(L1507, $3, name);
        CHKERR();
      }
      if (!lefSettings->RelaxMode) {
        if (!lefData->layerState.hasType) LAYER_GATED(L1508);
        if (lefData->layerState.routing) {
          if (!lefData->layerState.hasPitch) LAYER_GATED(L1509);
          if (!lefData->layerState.hasWidth) LAYER_GATED(L1510);
          if (!lefData->layerState.hasDirection && LEF_GATED(Layer)) {
            lefLayerReportNames(L1511, name, name);
            CHKERR();
          }
        }
      }
      lefData->layerState.name.clear();
      CALLBACK(Layer, &lefData->layer);
    }
  ;

layer_options: %empty
  | layer_options layer_option
  ;

layer_option: K_TYPE layer_type ';'
    {
      if (LAYER_STORE) lefData->layer.setType($2);
      lefData->layerState.hasType = 1;
    }
  | K_MASK number ';'
    {
      if (lefData->versionNum < 5.8)
        LAYER_COUNTED(L2081);
      else if (LAYER_STORE)
        lefData->layer.setMask(lefToInt($2));
    }
  | K_PITCH number ';'
    {
      if (LAYER_STORE) lefData->layer.setPitch($2);
      lefData->layerState.hasPitch = 1;
    }
  | K_PITCH number number ';'
    {
      if (LAYER_STORE) lefData->layer.setPitchXY($2, $3);
      lefData->layerState.hasPitch = 1;
    }
  | K_DIAGPITCH number ';'
    { if (LAYER_STORE) lefData->layer.setDiagPitch($2); }
  | K_DIAGPITCH number number ';'
    { if (LAYER_STORE) lefData->layer.setDiagPitchXY($2, $3); }
  | K_OFFSET number ';'
    { if (LAYER_STORE) lefData->layer.setOffset($2); }
  | K_OFFSET number number ';'
    { if (LAYER_STORE) lefData->layer.setOffsetXY($2, $3); }
  | K_DIAGWIDTH number ';'
    { if (LAYER_STORE) lefData->layer.setDiagWidth($2); }
  | K_DIAGSPACING number ';'
    { if (LAYER_STORE) lefData->layer.setDiagSpacing($2); }
  | K_WIDTH number ';'
    {
      if (LAYER_STORE) lefData->layer.setWidth($2);
      lefData->layerState.hasWidth = 1;
    }
  | K_AREA any_number ';'
    {
      if (lefData->layerState.masterOverlap) LAYER_GATED(L1715);
      if (LAYER_STORE) lefData->layer.setArea($2);
    }
  | K_DIRECTION layer_direction ';'
    {
      if (!lefData->layerState.routing) LAYER_GATED(L1513);
      if (LAYER_STORE) lefData->layer.setDirection($2);
      lefData->layerState.hasDirection = 1;
    }
  | K_RESISTANCE number ';'
    {
      if (lefData->versionNum < 5.6)
        LAYER_GATED(L1586);
      else if (LAYER_STORE)
        lefData->layer.setResPerCut($2);
    }
  | K_DIAGMINEDGELENGTH number ';'
    {
      if (lefData->versionNum < 5.6)
        LAYER_GATED(L1588);
      else if (!lefData->layerState.routing)
        LAYER_GATED(L1587);
      else if (LAYER_STORE)
        lefData->layer.setDiagMinEdgeLength($2);
    }
  | K_MAXWIDTH number ';'
    {
      if (lefData->versionNum < 5.5) LAYER_GATED(L1578);
      if (!lefData->layerState.routing) LAYER_GATED(L1577);
      if (LAYER_STORE) lefData->layer.setMaxwidth($2);
    }
  | K_MINWIDTH number ';'
    {
      if (lefData->versionNum < 5.5) LAYER_GATED(L1580);
      if (!lefData->layerState.routing) LAYER_GATED(L1579);
      if (LAYER_STORE) lefData->layer.setMinwidth($2);
    }
  | K_MINENCLOSEDAREA any_number
    {
      if (lefData->versionNum < 5.5) LAYER_GATED(L1581);
      if (LAYER_STORE) lefData->layer.addMinenclosedarea($2);
    }
    layer_minenclosedarea_width ';'
  | K_PROTRUSIONWIDTH number K_LENGTH number K_WIDTH number ';'
    {
      if (lefData->versionNum < 5.5) LAYER_GATED(L1582);
      if (LAYER_STORE) lefData->layer.setProtrusion($2, $4, $6);
    }
  | K_MINIMUMCUT number K_WIDTH number
    {
      if (LAYER_STORE) lefData->layer.addMinimumcut(lefToInt($2), $4);
      lefData->layerState.cutConnection = 0;
    }
    layer_minimumcut_within layer_minimumcut_connection layer_minimumcut_length ';'
    {
      if (!lefData->layerState.cutConnection && LAYER_STORE) lefData->layer.addMinimumcutConnect("");
    }
  | K_MINSTEP number
    { if (LAYER_STORE) lefData->layer.addMinstep($2); }
    layer_minstep_options ';'
  | K_ENCLOSURE layer_enclosure_location number number
    {
      if (lefData->versionNum < 5.6) LAYER_GATED(L1584);
      if (LAYER_STORE) lefData->layer.addEnclosure($2, $3, $4);
    }
    layer_enclosure_rule ';'
  | K_PREFERENCLOSURE layer_enclosure_location number number
    {
      if (lefData->versionNum < 5.6) LAYER_GATED(L1585);
      if (LAYER_STORE) lefData->layer.addPreferEnclosure($2, $3, $4);
    }
    layer_preferenclosure_width ';'
  | K_MINSIZE
    { lefData->layerState.startMinSize(); }
    layer_minsize_pairs ';'
    { lefData->layerState.endMinSize(LAYER_STORE); }
  | K_ARRAYSPACING layer_arrayspacing_long layer_arrayspacing_width K_CUTSPACING number
    {
      if (LAYER_STORE) lefData->layer.setArraySpacingCut($5);
      lefData->layerState.prevArrayCuts = 0;
    }
    layer_arraycuts_list ';'
    { if (lefData->versionNum < 5.7) LAYER_ALWAYS(L1685); }
  | K_PROPERTY layer_props_start layer_props ';'
    { lefData->lefDumbMode = 0; }
  | layer_spacing
  | layer_spacing_table
  | layer_electrical
  | layer_current_density
  | layer_antenna
  | layer_value number ';'
    {
      lefLayerMsg msg;
      bool store = lefData->layerState.valueVerdict($1, &msg);
      LAYER_GATED(msg);
      if (store && LAYER_STORE) lefLayerSetValue($1, $2);
    }
  | K_DENSITYCHECKWINDOW number number ';'
    {
      if (!lefData->ant53 && lefData->versionNum < 5.4) LAYER_GATED(L1574);
      if (LAYER_STORE) lefData->layer.setDensityCheckWindow($2, $3);
    }
  ;

layer_type: K_ROUTING
    {
      $$ = const_cast<char*>("ROUTING");
      lefData->layerState.routing = 1;
    }
  | K_CUT
    {
      $$ = const_cast<char*>("CUT");
      lefData->layerState.cut = 1;
    }
  | K_OVERLAP
    {
      $$ = const_cast<char*>("OVERLAP");
      lefData->layerState.masterOverlap = 1;
    }
  | K_MASTERSLICE
    {
      $$ = const_cast<char*>("MASTERSLICE");
      lefData->layerState.masterOverlap = 1;
    }
  | K_VIRTUAL
    { $$ = const_cast<char*>("VIRTUAL"); }
  | K_IMPLANT
    { $$ = const_cast<char*>("IMPLANT"); }
  ;

layer_direction: K_HORIZONTAL
    { $$ = const_cast<char*>("HORIZONTAL"); }
  | K_VERTICAL
    { $$ = const_cast<char*>("VERTICAL"); }
  | K_DIAG45
    { $$ = const_cast<char*>("DIAG45"); }
  | K_DIAG135
    { $$ = const_cast<char*>("DIAG135"); }
  ;

layer_minenclosedarea_width: %empty
  | K_WIDTH number
    { if (LAYER_STORE) lefData->layer.addMinenclosedareaWidth($2); }
  ;

layer_minimumcut_within: %empty
  | K_WITHIN number
    {
      if (lefData->versionNum < 5.7)
        LAYER_ALWAYS(L1700);
      else if (LAYER_STORE)
        lefData->layer.addMinimumcutWithin($2);
    }
  ;

layer_minimumcut_connection: %empty
  | K_FROMABOVE
    {
      if (lefData->versionNum < 5.5) LAYER_GATED(L1596);
      lefData->layerState.cutConnection = 1;
      if (LAYER_STORE) lefData->layer.addMinimumcutConnect("FROMABOVE");
    }
  | K_FROMBELOW
    {
      if (lefData->versionNum < 5.5) LAYER_GATED(L1597);
      lefData->layerState.cutConnection = 1;
      if (LAYER_STORE) lefData->layer.addMinimumcutConnect("FROMBELOW");
    }
  ;

layer_minimumcut_length: %empty
  | K_LENGTH number K_WITHIN number
    {
      if (lefData->versionNum < 5.5) LAYER_GATED(L1598);
      if (LAYER_STORE) lefData->layer.addMinimumcutLengDis($2, $4);
    }
  ;

layer_minstep_options: %empty
  | layer_minstep_options layer_minstep_option
  ;

layer_minstep_option: layer_minstep_type
    { if (LAYER_STORE) lefData->layer.addMinstepType($1); }
  | K_LENGTHSUM number
    { if (LAYER_STORE) lefData->layer.addMinstepLengthsum($2); }
  | K_MAXEDGES number
    {
      if (lefData->versionNum < 5.7)
        LAYER_ALWAYS(L1710);
      else if (LAYER_STORE)
        lefData->layer.addMinstepMaxedges(lefToInt($2));
    }
  ;

layer_minstep_type: K_INSIDECORNER
    { $$ = const_cast<char*>("INSIDECORNER"); }
  | K_OUTSIDECORNER
    { $$ = const_cast<char*>("OUTSIDECORNER"); }
  | K_STEP
    { $$ = const_cast<char*>("STEP"); }
  ;

layer_enclosure_location: %empty
    { $$ = const_cast<char*>("NULL"); }
  | K_ABOVE
    { $$ = const_cast<char*>("ABOVE"); }
  | K_BELOW
    { $$ = const_cast<char*>("BELOW"); }
  ;

layer_enclosure_rule: %empty
  | K_WIDTH number
    { if (LAYER_STORE) lefData->layer.addEnclosureWidth($2); }
    layer_enclosure_except
  | K_LENGTH number
    {
      if (lefData->versionNum < 5.7)
        LAYER_ALWAYS(L1691);
      else if (LAYER_STORE)
        lefData->layer.addEnclosureLength($2);
    }
  ;

layer_enclosure_except: %empty
  | K_EXCEPTEXTRACUT number
    {
      if (lefData->versionNum < 5.7)
        LAYER_ALWAYS(L1690);
      else if (LAYER_STORE)
        lefData->layer.addEnclosureExceptEC($2);
    }
  ;

layer_preferenclosure_width: %empty
  | K_WIDTH number
    { if (LAYER_STORE) lefData->layer.addPreferEnclosureWidth($2); }
  ;

layer_minsize_pairs: number number
    { lefData->layerState.minSize->startList($1, $2); }
  | layer_minsize_pairs number number
    { lefData->layerState.minSize->addToList($2, $3); }
  ;

layer_arrayspacing_long: %empty
  | K_LONGARRAY
    { if (LAYER_STORE) lefData->layer.setArraySpacingLongArray(); }
  ;

layer_arrayspacing_width: %empty
  | K_WIDTH number
    { if (LAYER_STORE) lefData->layer.setArraySpacingWidth($2); }
  ;

layer_arraycuts_list: %empty
  | layer_arraycuts_list K_ARRAYCUTS number K_SPACING number
    {
      int cuts = lefToInt($3);
      if (LAYER_STORE) lefData->layer.addArraySpacingArray(cuts, $5);
      if (cuts < lefData->layerState.prevArrayCuts && !lefData->layerState.arrayCutsWarned) {
        lefData->layerState.arrayCutsWarned = 1;
        LAYER_COUNTED(L2080);
      }
      lefData->layerState.prevArrayCuts = cuts;
    }
  ;

/* Every token of the list is a name, a quoted string or a number. */
layer_props_start: %empty
    { lefData->lefDumbMode = 10000000; }
  ;

layer_props: layer_prop
  | layer_props layer_prop
  ;

layer_prop: T_STRING T_STRING
    { if (LAYER_STORE) lefLayerAddProp($1, $2); }
  | T_STRING QSTRING
    { if (LAYER_STORE) lefLayerAddProp($1, $2); }
  | T_STRING any_number
    { if (LAYER_STORE) lefLayerAddNumProp($1, $2); }
  ;

/* SPACING n, its flags, then at most one of the options. */
layer_spacing: K_SPACING number
    {
      lefData->layerState.centerToCenter = lefData->layerState.sameNet = lefData->layerState.parallelOverlap = 0;
      if (lefData->layerState.masterOverlap) LAYER_GATED(L1512);
      if (lefData->layerState.routing) {
        if (lefData->layerState.hasSpacingTable && lefData->versionNum < 5.7) LAYER_GATED(L2010);
        lefData->layerState.hasSpacing = 1;
      }
      if (LAYER_STORE) lefData->layer.setSpacingMin($2);
    }
    layer_spacing_flags layer_spacing_option ';'
  ;

layer_spacing_flags: %empty
  | layer_spacing_flags layer_spacing_flag
  ;

layer_spacing_flag: K_CENTERTOCENTER
    {
      if (lefData->layerState.centerToCenter) LAYER_GATED(L1663);
      if (lefData->versionNum < 5.6) LAYER_GATED(L1664);
      lefData->layerState.centerToCenter = 1;
      if (LAYER_STORE) lefData->layer.setSpacingCenterToCenter();
    }
  | K_SAMENET
    {
      if (lefData->layerState.sameNet) LAYER_GATED(L1665);
      lefData->layerState.sameNet = 1;
      if (LAYER_STORE) lefData->layer.setSpacingSamenet();
    }
    layer_samenet_pgonly
    { if (lefData->versionNum < 5.7) LAYER_ALWAYS(L1684); }
  | K_PARALLELOVERLAP
    {
      if (lefData->versionNum < 5.7) {
        LAYER_ALWAYS(L1680);
      } else {
        if (lefData->layerState.parallelOverlap) LAYER_GATED(L1666);
        lefData->layerState.parallelOverlap = 1;
        if (LAYER_STORE) lefData->layer.setSpacingParallelOverlap();
      }
    }
  ;

layer_samenet_pgonly: %empty
  | K_PGONLY
    { if (LAYER_STORE) lefData->layer.setSpacingSamenetPGonly(); }
  ;

layer_spacing_option: %empty
  | K_LAYER start_name T_STRING
    {
      if (lefData->versionNum < 5.7 && lefData->layerState.sameNet) LAYER_GATED(L1667);
      if (LAYER_STORE) lefData->layer.setSpacingName($3);
    }
    layer_spacing_stack
  | K_ADJACENTCUTS number K_WITHIN number
    {
      if (lefData->versionNum < 5.5) LAYER_GATED(L1668);
      if (lefData->versionNum < 5.7 && lefData->layerState.sameNet) LAYER_GATED(L1669);
      if (LAYER_STORE) lefData->layer.setSpacingAdjacent(lefToInt($2), $4);
    }
    layer_spacing_except_pg
  | K_AREA any_number
    {
      if (lefData->versionNum < 5.7)
        LAYER_ALWAYS(L1693);
      else if (LAYER_STORE)
        lefData->layer.setSpacingArea($2);
    }
  | K_RANGE number number
    { if (LAYER_STORE) lefData->layer.setSpacingRange($2, $3); }
    layer_spacing_range_option
  | K_LENGTHTHRESHOLD number
    { if (LAYER_STORE) lefData->layer.setSpacingLength($2); }
    layer_spacing_length_range
  | K_ENDOFLINE number K_WITHIN number
    { if (LAYER_STORE) lefData->layer.setSpacingEol($2, $4); }
    layer_spacing_parallel_edge
    { if (lefData->versionNum < 5.7) LAYER_ALWAYS(L1681); }
  | K_NOTCHLENGTH number
    {
      if (lefData->versionNum < 5.7)
        LAYER_ALWAYS(L1682);
      else if (LAYER_STORE)
        lefData->layer.setSpacingNotchLength($2);
    }
  | K_ENDOFNOTCHWIDTH number K_NOTCHSPACING number K_NOTCHLENGTH number
    {
      if (lefData->versionNum < 5.7)
        LAYER_ALWAYS(L1696);
      else if (LAYER_STORE)
        lefData->layer.setSpacingEndOfNotchWidth($2, $4, $6);
    }
  ;

layer_spacing_stack: %empty
  | K_STACK
    { if (LAYER_STORE) lefData->layer.setSpacingLayerStack(); }
  ;

layer_spacing_except_pg: %empty
  | K_EXCEPTSAMEPGNET
    {
      if (lefData->versionNum < 5.7)
        LAYER_ALWAYS(L1683);
      else if (LAYER_STORE)
        lefData->layer.setSpacingAdjacentExcept();
    }
  ;

layer_spacing_range_option: %empty
  | K_USELENGTHTHRESHOLD
    { if (LAYER_STORE) lefData->layer.setSpacingRangeUseLength(); }
  | K_INFLUENCE number
    {
      if (LAYER_STORE) {
        lefData->layer.setSpacingRangeInfluence($2);
        lefData->layer.setSpacingRangeInfluenceRange(-1.0, -1.0);
      }
    }
  | K_INFLUENCE number K_RANGE number number
    {
      if (LAYER_STORE) {
        lefData->layer.setSpacingRangeInfluence($2);
        lefData->layer.setSpacingRangeInfluenceRange($4, $5);
      }
    }
  | K_RANGE number number
    { if (LAYER_STORE) lefData->layer.setSpacingRangeRange($2, $3); }
  ;

layer_spacing_length_range: %empty
  | K_RANGE number number
    { if (LAYER_STORE) lefData->layer.setSpacingLengthRange($2, $3); }
  ;

layer_spacing_parallel_edge: %empty
  | K_PARALLELEDGE number K_WITHIN number
    { if (LAYER_STORE) lefData->layer.setSpacingParSW($2, $4); }
    layer_spacing_two_edges
  ;

layer_spacing_two_edges: %empty
  | K_TWOEDGES
    { if (LAYER_STORE) lefData->layer.setSpacingParTwoEdges(); }
  ;

layer_spacing_table: K_SPACINGTABLE K_PARALLELRUNLENGTH layer_spacing_table_start layer_parallel_lengths
    {
      lefData->layerState.lengthCount = lefData->layer.getNumber();
      if (LAYER_STORE) lefData->layer.addSpParallelLength();
    }
    layer_parallel_rows ';'
  | K_SPACINGTABLE K_TWOWIDTHS layer_spacing_table_start layer_two_widths_rows ';'
    { if (lefData->versionNum < 5.7) LAYER_ALWAYS(L1697); }
  | K_SPACINGTABLE K_INFLUENCE layer_spacing_table_start layer_influence_rows ';'
  | K_SPACINGTABLE K_ORTHOGONAL
    { lefData->layerState.tableRows = 0; }
    layer_orthogonal_rows ';'
    { if (lefData->versionNum < 5.7) LAYER_ALWAYS(L1694); }
  ;

layer_spacing_table_start: %empty
    {
      if (lefData->versionNum < 5.5) LAYER_GATED(L1583);
      if (lefData->layerState.hasSpacing && lefData->versionNum < 5.7) LAYER_GATED(L2010);
      if (LAYER_STORE) lefData->layer.addSpacingTable();
      lefData->layerState.hasSpacingTable = 1;
      lefData->layerState.tableRows = 0;
    }
  ;

/* Table values go on the layer's number stack, which the table operations
   take over. */
layer_table_numbers: layer_table_number
  | layer_table_numbers layer_table_number
  ;

layer_table_number: number
    { if (LAYER_STORE) lefData->layer.addNumber($1); }
  ;

layer_table_bare_numbers: layer_table_bare_number
  | layer_table_bare_numbers layer_table_bare_number
  ;

layer_table_bare_number: any_number
    { if (LAYER_STORE) lefData->layer.addNumber($1); }
  ;

layer_parallel_lengths: number
    {
      if (lefData->layerState.hasInfluence) LAYER_GATED(L1589);
      if (lefData->layerState.hasParallel) LAYER_GATED(L1590);
      if (LAYER_STORE) lefData->layer.addNumber($1);
      lefData->layerState.hasParallel = 1;
    }
  | layer_parallel_lengths layer_table_number
  ;

/* Every row is checked against the lengths; the table keeps at most one
   value per length and zeros for missing ones. */
layer_parallel_rows: layer_parallel_row
  | layer_parallel_rows layer_parallel_row
  ;

layer_parallel_row: K_WIDTH number
    { if (LAYER_STORE) lefData->layer.addSpParallelWidth($2); }
    layer_table_numbers
    {
      if (lefData->layer.getNumber() != lefData->layerState.lengthCount) LAYER_GATED(L1591);
      if (LAYER_STORE) lefData->layer.addSpParallelWidthSpacing();
    }
  ;

layer_two_widths_rows: layer_two_widths_row
  | layer_two_widths_rows layer_two_widths_row
  ;

layer_two_widths_row: K_WIDTH number layer_two_widths_prl layer_table_numbers
    {
      if (lefData->layerState.tableRows++ == 0) {
        if (lefData->layerState.hasParallel) LAYER_GATED(L1592);
        if (lefData->layerState.hasTwoWidths) LAYER_GATED(L1593);
        lefData->layerState.hasTwoWidths = 1;
      }
      if (LAYER_STORE) lefData->layer.addSpTwoWidths($2, lefData->layerState.twoWidthsPrl);
    }
  ;

layer_two_widths_prl: %empty
    {
      lefData->layerState.twoWidthsPrl = -1.0;
      lefData->layer.setSpTwoWidthsHasPRL(0);
    }
  | K_PRL number
    {
      lefData->layerState.twoWidthsPrl = $2;
      lefData->layer.setSpTwoWidthsHasPRL(1);
    }
  ;

layer_influence_rows: layer_influence_row
  | layer_influence_rows layer_influence_row
  ;

layer_influence_row: K_WIDTH number K_WITHIN number K_SPACING number
    {
      if (lefData->layerState.tableRows++ == 0) {
        if (lefData->layerState.hasInfluence) LAYER_GATED(L1594);
        if (!lefData->layerState.hasParallel) LAYER_GATED(L1595);
        if (LAYER_STORE) lefData->layer.setInfluence();
        lefData->layerState.hasInfluence = 1;
      }
      if (LAYER_STORE) lefData->layer.addSpInfluence($2, $4, $6);
    }
  ;

layer_orthogonal_rows: layer_orthogonal_row
  | layer_orthogonal_rows layer_orthogonal_row
  ;

layer_orthogonal_row: K_WITHIN number K_SPACING number
    {
      if (LAYER_STORE) {
        if (lefData->layerState.tableRows++ == 0) lefData->layer.setSpacingTableOrtho();
        lefData->layer.addSpacingTableOrthoWithin($2, $4);
      }
    }
  ;

/* RESISTANCE RPERSQ and CAPACITANCE CPERSQDIST, one value or a PWL list. */
layer_electrical: K_RESISTANCE K_RPERSQ number ';'
    {
      if (!lefData->layerState.routing) LAYER_GATED(L1514);
      if (LAYER_STORE) lefData->layer.setResistance($3);
    }
  | K_RESISTANCE K_RPERSQ K_PWL
    { lefData->layerState.pointSetter = LAYER_STORE ? &lefiLayer::setResistancePoint : nullptr; }
    '(' layer_points ')' ';'
    { if (!lefData->layerState.routing) LAYER_GATED(L1515); }
  | K_CAPACITANCE K_CPERSQDIST number ';'
    {
      if (!lefData->layerState.routing) LAYER_GATED(L1516);
      if (LAYER_STORE) lefData->layer.setCapacitance($3);
    }
  | K_CAPACITANCE K_CPERSQDIST K_PWL
    { lefData->layerState.pointSetter = LAYER_STORE ? &lefiLayer::setCapacitancePoint : nullptr; }
    '(' layer_points ')' ';'
    { if (!lefData->layerState.routing) LAYER_GATED(L1517); }
  ;

layer_pair: '(' number number ')'
    {
      $$.x = $2;
      $$.y = $3;
    }
  ;

/* Each pair goes to the point list chosen before it, if any. */
layer_points: layer_point
  | layer_points layer_point
  ;

layer_point: layer_pair
    { if (lefData->layerState.pointSetter) (lefData->layer.*lefData->layerState.pointSetter)($1.x, $1.y); }
  ;

layer_current_density: K_CURRENTDEN layer_current_den_start layer_current_den_value ';'
  | K_ACCURRENTDENSITY layer_ac_density_type
    {
      if (lefData->layerState.masterOverlap) LAYER_GATED(L1527);
      if (LAYER_STORE) lefData->layer.addAccurrentDensity($2);
    }
    layer_ac_density_body
  | K_DCCURRENTDENSITY K_AVERAGE number ';'
    {
      if (lefData->layerState.masterOverlap) LAYER_GATED(L1528);
      if (LAYER_STORE) {
        lefData->layer.addDccurrentDensity("AVERAGE");
        lefData->layer.setDcOneEntry($3);
      }
    }
  | K_DCCURRENTDENSITY K_AVERAGE K_CUTAREA
    {
      if (lefData->layerState.masterOverlap) LAYER_GATED(L1528);
      if (!lefData->layerState.cut) LAYER_GATED(L1529);
      if (LAYER_STORE) lefData->layer.addDccurrentDensity("AVERAGE");
    }
    layer_table_bare_numbers ';'
    { if (LAYER_STORE) lefData->layer.addDcCutarea(); }
    layer_dc_table_entries
  | K_DCCURRENTDENSITY K_AVERAGE K_WIDTH
    {
      if (lefData->layerState.masterOverlap) LAYER_GATED(L1528w);
      if (!lefData->layerState.routing) LAYER_GATED(L1530);
      if (LAYER_STORE) lefData->layer.addDccurrentDensity("AVERAGE");
    }
    layer_table_numbers ';'
    { if (LAYER_STORE) lefData->layer.addDcWidth(); }
    layer_dc_table_entries
  ;

/* From 5.2 on CURRENTDEN is dropped: no point list is chosen. */
layer_current_den_start: %empty
    {
      lefData->layerState.pointSetter = nullptr;
      if (lefData->versionNum >= 5.2) {
        LAYER_COUNTED(L2079);
      } else {
        if (!lefData->layerState.routing) LAYER_GATED(L1702);
        if (LAYER_STORE) lefData->layerState.pointSetter = &lefiLayer::setCurrentPoint;
      }
    }
  ;

layer_current_den_value: number
    { if (lefData->layerState.pointSetter) lefData->layer.setCurrentDensity($1); }
  | K_PWL '(' layer_points ')'
  | layer_point
  ;

layer_ac_density_type: K_PEAK
    { $$ = const_cast<char*>("PEAK"); }
  | K_AVERAGE
    { $$ = const_cast<char*>("AVERAGE"); }
  | K_RMS
    { $$ = const_cast<char*>("RMS"); }
  ;

layer_ac_density_body: number ';'
    { if (LAYER_STORE) lefData->layer.setAcOneEntry($1); }
  | K_FREQUENCY layer_table_bare_numbers ';'
    { if (LAYER_STORE) lefData->layer.addAcFrequency(); }
    layer_ac_density_table K_TABLEENTRIES layer_table_bare_numbers ';'
    { if (LAYER_STORE) lefData->layer.addAcTableEntry(); }
  ;

layer_ac_density_table: %empty
  | K_CUTAREA
    { if (!lefData->layerState.cut) LAYER_GATED(L1600); }
    layer_table_bare_numbers ';'
    { if (LAYER_STORE) lefData->layer.addAcCutarea(); }
  | K_WIDTH
    { if (!lefData->layerState.routing) LAYER_GATED(L1601); }
    layer_table_numbers ';'
    { if (LAYER_STORE) lefData->layer.addAcWidth(); }
  ;

layer_dc_table_entries: K_TABLEENTRIES layer_table_bare_numbers ';'
    { if (LAYER_STORE) lefData->layer.addDcTableEntry(); }
  ;

/* Antenna rules: the old ANTENNALENGTHFACTOR, the new syntax from 5.4 and
   the 5.7 statements. */
layer_antenna: K_ANTENNALENGTHFACTOR number ';'
    {
      lefData->use5_3 = 1;
      if (lefData->layerState.cut || lefData->layerState.masterOverlap)
        LAYER_GATED(L1525);
      else if (lefData->versionNum >= 5.4 && lefData->use5_4)
        LAYER_GATED(L1526);
      if (LAYER_STORE) lefData->layer.setAntennaLength($2);
    }
  | layer_antenna_ratio number ';'
    {
      LAYER_ANTENNA_CHECKS($1);
      if (LAYER_STORE) lefLayerAntennaStore($1, $2);
    }
  | layer_antenna_kind layer_antenna_value ';'
    { LAYER_ANTENNA_CHECKS($1); }
  | layer_antenna_factor number
    {
      LAYER_ANTENNA_CHECKS($1);
      if (LAYER_STORE) lefLayerAntennaStore($1, $2);
      lefLayerAntennaKind($1);
    }
    layer_antenna_diffuse_only ';'
  | K_ANTENNAMODEL layer_antenna_oxide ';'
    {
      LAYER_ANTENNA_CHECKS(kLayerAntennaModel);
      lefLayerAntennaKind(kLayerAntennaModel);
      if (LAYER_STORE) lefData->layer.addAntennaModel($2);
    }
  | K_ANTENNACUMROUTINGPLUSCUT ';'
    {
      if (lefData->versionNum < 5.7) {
        LAYER_ALWAYS(L1686);
      } else {
        if (lefData->layerState.typeFails(kLayerRoutingOrCut)) LAYER_GATED(L1560);
        if (LAYER_STORE) lefData->layer.setAntennaCumRoutingPlusCut();
      }
    }
  | K_ANTENNAGATEPLUSDIFF number ';'
    {
      if (lefData->versionNum < 5.7) {
        LAYER_ALWAYS(L1687);
      } else {
        if (lefData->layerState.typeFails(kLayerRoutingOrCut)) LAYER_GATED(L1561);
        if (LAYER_STORE) lefData->layer.setAntennaGatePlusDiff($2);
      }
    }
  | K_ANTENNAAREAMINUSDIFF number ';'
    {
      if (lefData->versionNum < 5.7) {
        LAYER_ALWAYS(L1688);
      } else {
        if (lefData->layerState.typeFails(kLayerRoutingOrCut)) LAYER_GATED(L1562);
        if (LAYER_STORE) lefData->layer.setAntennaAreaMinusDiff($2);
      }
    }
  | K_ANTENNAAREADIFFREDUCEPWL layer_antenna_pwl ';'
    {
      if (lefData->layerState.typeFails(kLayerRoutingOrCut)) LAYER_GATED(L1563);
      if (lefData->versionNum < 5.7) LAYER_ALWAYS(L1689);
      if (LAYER_STORE) lefLayerAntennaPwlEnd(lefiAntennaADR);
    }
  ;

layer_antenna_ratio: K_ANTENNAAREARATIO
    { $$ = kLayerAntennaAreaRatio; }
  | K_ANTENNACUMAREARATIO
    { $$ = kLayerAntennaCumAreaRatio; }
  | K_ANTENNASIDEAREARATIO
    { $$ = kLayerAntennaSideAreaRatio; }
  | K_ANTENNACUMSIDEAREARATIO
    { $$ = kLayerAntennaCumSideAreaRatio; }
  ;

/* The kind is set before the value, which may be a PWL table of that
   kind. */
layer_antenna_kind: K_ANTENNADIFFAREARATIO
    { lefLayerAntennaKind($$ = kLayerAntennaDiffAreaRatio); }
  | K_ANTENNACUMDIFFAREARATIO
    { lefLayerAntennaKind($$ = kLayerAntennaCumDiffAreaRatio); }
  | K_ANTENNADIFFSIDEAREARATIO
    { lefLayerAntennaKind($$ = kLayerAntennaDiffSideAreaRatio); }
  | K_ANTENNACUMDIFFSIDEAREARATIO
    { lefLayerAntennaKind($$ = kLayerAntennaCumDiffSideAreaRatio); }
  ;

layer_antenna_factor: K_ANTENNAAREAFACTOR
    { $$ = kLayerAntennaAreaFactor; }
  | K_ANTENNASIDEAREAFACTOR
    { $$ = kLayerAntennaSideAreaFactor; }
  ;

layer_antenna_value: number
    { if (LAYER_STORE) lefData->layer.setAntennaValue(lefData->layerState.antennaKind, $1); }
  | K_PWL layer_antenna_pwl
    { if (LAYER_STORE) lefLayerAntennaPwlEnd(lefData->layerState.antennaKind); }
  ;

/* The pending table exists from its second pair on, with the callback. */
layer_antenna_pwl: '(' layer_antenna_pwl_pairs ')'
  ;

layer_antenna_pwl_pairs: layer_pair layer_pair
    { if (LAYER_STORE) lefLayerAntennaPwlStart($1.x, $1.y, $2.x, $2.y); }
  | layer_antenna_pwl_pairs layer_pair
    { if (LAYER_STORE) lefLayerAntennaPwlAdd($2.x, $2.y); }
  ;

layer_antenna_diffuse_only: %empty
  | K_DIFFUSEONLY
    {
      lefData->use5_4 = 1;
      if (!lefData->ant53) {
        if (lefData->layerState.antennaKind == lefiAntennaAF && lefData->versionNum <= 5.3)
          LAYER_GATED(L1599);
        else if (lefData->use5_3)
          LAYER_GATED(L1599);
      }
      if (LAYER_STORE) lefData->layer.setAntennaDUO(lefData->layerState.antennaKind);
    }
  ;

layer_antenna_oxide: K_OXIDE1
    { $$ = 1; }
  | K_OXIDE2
    { $$ = 2; }
  | K_OXIDE3
    { $$ = 3; }
  | K_OXIDE4
    { $$ = 4; }
  ;

layer_value: K_HEIGHT
    { $$ = kLayerValueHeight; }
  | K_WIREEXTENSION
    { $$ = kLayerValueWireExtension; }
  | K_THICKNESS
    { $$ = kLayerValueThickness; }
  | K_SHRINKAGE
    { $$ = kLayerValueShrinkage; }
  | K_CAPMULTIPLIER
    { $$ = kLayerValueCapMultiplier; }
  | K_EDGECAPACITANCE
    { $$ = kLayerValueEdgeCap; }
  | K_SLOTWIREWIDTH
    { $$ = kLayerValueSlotWireWidth; }
  | K_SLOTWIRELENGTH
    { $$ = kLayerValueSlotWireLength; }
  | K_SLOTWIDTH
    { $$ = kLayerValueSlotWidth; }
  | K_SLOTLENGTH
    { $$ = kLayerValueSlotLength; }
  | K_MAXADJACENTSLOTSPACING
    { $$ = kLayerValueMaxAdjacentSlotSpacing; }
  | K_MAXCOAXIALSLOTSPACING
    { $$ = kLayerValueMaxCoaxialSlotSpacing; }
  | K_MAXEDGESLOTSPACING
    { $$ = kLayerValueMaxEdgeSlotSpacing; }
  | K_SPLITWIREWIDTH
    { $$ = kLayerValueSplitWireWidth; }
  | K_MINIMUMDENSITY
    { $$ = kLayerValueMinimumDensity; }
  | K_MAXIMUMDENSITY
    { $$ = kLayerValueMaximumDensity; }
  | K_DENSITYCHECKSTEP
    { $$ = kLayerValueDensityCheckStep; }
  | K_FILLACTIVESPACING
    { $$ = kLayerValueFillActiveSpacing; }
  ;
/* ---- end LAYER ---- */

%%

}  // namespace LefDefParser
