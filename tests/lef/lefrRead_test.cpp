// Whole reads of small LEF texts: versions, the library end, the header
// statements and UNITS, callbacks and blocking errors.
#include <string>
#include <vector>

#include "lef/lefiMisc.h"
#include "lef/lefrData.h"
#include "lef/lefiUnits.h"
#include "lefrReadFixture.h"

namespace lefTest {
namespace {

using namespace LefDefParser;
using Lines = std::vector<std::string>;

int onVersion(lefrCallbackType_e t, double v, void*) {
  journal("Version " + std::to_string(t) + " " + num(v));
  return 0;
}
int onVersionStr(lefrCallbackType_e t, const char* v, void*) {
  journal("VersionStr " + std::to_string(t) + " " + v);
  return 0;
}
int onString(lefrCallbackType_e t, const char* v, void*) {
  journal("String " + std::to_string(t) + " " + v);
  return 0;
}
int onInt(lefrCallbackType_e t, int v, void*) {
  journal("Int " + std::to_string(t) + " " + std::to_string(v));
  return 0;
}
int onDouble(lefrCallbackType_e t, double v, void*) {
  journal("Double " + std::to_string(t) + " " + num(v));
  return 0;
}
int onVoid(lefrCallbackType_e t, void* v, void*) {
  journal("Void " + std::to_string(t) + (v ? " set" : " null"));
  return 0;
}
int onUnits(lefrCallbackType_e t, lefiUnits* u, void*) {
  std::string line = "Units " + std::to_string(t);
  if (u->hasDatabase()) line += " DATABASE " + std::string(u->databaseName()) + " " + num(u->databaseNumber());
  if (u->hasTime()) line += " TIME " + num(u->time());
  if (u->hasCapacitance()) line += " CAPACITANCE " + num(u->capacitance());
  if (u->hasResistance()) line += " RESISTANCE " + num(u->resistance());
  if (u->hasPower()) line += " POWER " + num(u->power());
  if (u->hasCurrent()) line += " CURRENT " + num(u->current());
  if (u->hasVoltage()) line += " VOLTAGE " + num(u->voltage());
  if (u->hasFrequency()) line += " FREQUENCY " + num(u->frequency());
  journal(line);
  return 0;
}
int onUseMinSpacing(lefrCallbackType_e t, lefiUseMinSpacing* s, void*) {
  journal("UseMinSpacing " + std::to_string(t) + " " + s->name() + " " + std::to_string(s->value()));
  return 0;
}
int userDataCheck(lefrCallbackType_e, const char*, void* ud) {
  journal(*static_cast<std::string*>(ud));
  return 0;
}
int stopWith5(lefrCallbackType_e, const char*, void*) { return 5; }

// Registers every callback the header statements use.
void registerHeaderCallbacks() {
  lefrSetVersionCbk(onVersion);
  lefrSetBusBitCharsCbk(onString);
  lefrSetDividerCharCbk(onString);
  lefrSetCaseSensitiveCbk(onInt);
  lefrSetNoWireExtensionCbk(onString);
  lefrSetManufacturingCbk(onDouble);
  lefrSetUseMinSpacingCbk(onUseMinSpacing);
  lefrSetClearanceMeasureCbk(onString);
  lefrSetFixedMaskCbk(onInt);
  lefrSetUnitsCbk(onUnits);
  lefrSetLibraryEndCbk(onVoid);
}

TEST_F(LefReadTest, HeaderStatementsReachTheirCallbacks) {
  registerHeaderCallbacks();
  EXPECT_EQ(read("VERSION 5.8 ;\n"
                 "BUSBITCHARS \"<>\" ;\n"
                 "DIVIDERCHAR \":\" ;\n"
                 "CLEARANCEMEASURE MAXXY ;\n"
                 "USEMINSPACING OBS OFF ;\n"
                 "FIXEDMASK ;\n"
                 "UNITS\n"
                 "  TIME NANOSECONDS 1 ;\n"
                 "  CAPACITANCE PICOFARADS 2 ;\n"
                 "  RESISTANCE OHMS 3 ;\n"
                 "  POWER MILLIWATTS 4 ;\n"
                 "  CURRENT MILLIAMPS 5 ;\n"
                 "  VOLTAGE VOLTS 6 ;\n"
                 "  DATABASE MICRONS 2000 ;\n"
                 "  FREQUENCY MEGAHERTZ 7 ;\n"
                 "END UNITS\n"
                 "MANUFACTURINGGRID 0.005 ;\n"
                 "END LIBRARY\n"),
            0);
  EXPECT_EQ(calls(), (Lines{"Version 1 5.8", "String 4 <>", "String 3 :", "String 45 MAXXY",
                            "UseMinSpacing 44 OBS 0", "Int 55 1",
                            "Units 5 DATABASE MICRONS 2000 TIME 1 CAPACITANCE 2 RESISTANCE 3 "
                            "POWER 4 CURRENT 5 VOLTAGE 6 FREQUENCY 7",
                            "Double 43 0.005", "Void 58 null"}));
  EXPECT_TRUE(errors().empty());
  EXPECT_TRUE(warnings().empty());
}

TEST_F(LefReadTest, OldVersionStatementsReachTheirCallbacks) {
  registerHeaderCallbacks();
  EXPECT_EQ(read("VERSION 5.4 ;\n"
                 "NAMESCASESENSITIVE OFF ;\n"
                 "BUSBITCHARS \"[]\" ;\n"
                 "DIVIDERCHAR \"/\" ;\n"
                 "NOWIREEXTENSIONATPIN ON ;\n"
                 "USEMINSPACING PIN ON ;\n"
                 "FIXEDMASK ;\n"
                 "END LIBRARY\n"),
            0);
  // FIXEDMASK before 5.8 is accepted without effect.
  EXPECT_EQ(calls(), (Lines{"Version 1 5.4", "Int 6 0", "String 4 []", "String 3 /",
                            "String 7 ON", "UseMinSpacing 44 PIN 1", "Void 58 null"}));
  EXPECT_TRUE(errors().empty());
  EXPECT_TRUE(warnings().empty());
}

TEST_F(LefReadTest, UserDataReachesTheCallbacks) {
  std::string tag = "user data";
  lefrSetBusBitCharsCbk(userDataCheck);
  EXPECT_EQ(read("VERSION 5.6 ;\nBUSBITCHARS \"[]\" ;\n", &tag), 0);
  EXPECT_EQ(calls(), Lines{"user data"});
}

TEST_F(LefReadTest, EmptyBusBitAndDividerCharsGiveTheDefaults) {
  registerHeaderCallbacks();
  EXPECT_EQ(read("VERSION 5.6 ;\nBUSBITCHARS \"\" ;\nDIVIDERCHAR \"\" ;\n"), 0);
  EXPECT_EQ(calls(), (Lines{"Version 1 5.6", "String 4 []", "String 3 /"}));
  EXPECT_EQ(warnings(),
            (Lines{"WARNING (LEFPARS-2006): BUSBITCHAR has an invalid null value. Value is set "
                   "to default [] See file test.lef at line 2.\n",
                   "WARNING (LEFPARS-2005): DIVIDERCHAR has an invalid null value. Value is set "
                   "to default / See file test.lef at line 3.\n"}));
}

TEST_F(LefReadTest, EmptyBusBitCharsWithoutCallbackIsNotChecked) {
  EXPECT_EQ(read("VERSION 5.6 ;\nBUSBITCHARS \"\" ;\n"), 0);
  EXPECT_TRUE(warnings().empty());
}

TEST_F(LefReadTest, VersionStringCallbackWinsOverTheNumber) {
  lefrSetVersionCbk(onVersion);
  lefrSetVersionStrCbk(onVersionStr);
  EXPECT_EQ(read("VERSION 5.7.1 ;\n"), 0);
  EXPECT_EQ(calls(), Lines{"VersionStr 2 5.7.1"});
}

TEST_F(LefReadTest, VersionTextsBecomeNumbers) {
  lefrSetVersionCbk(onVersion);
  EXPECT_EQ(read("VERSION 5.5.1 ;\nEND LIBRARY\n"), 0);
  EXPECT_EQ(read("VERSION 5.7 ;\n"), 0);
  EXPECT_EQ(calls(), (Lines{"Version 1 5.501", "Version 1 5.7"}));
}

TEST_F(LefReadTest, VersionAboveFiveEightStopsBeforeItsCallback) {
  lefrSetVersionCbk(onVersion);
  EXPECT_EQ(read("VERSION 5.9 ;\nBUSBITCHARS \"[]\" ;\n"), 1);
  EXPECT_TRUE(calls().empty());
  EXPECT_EQ(errors(), Lines{"ERROR (LEFPARS-1503): Lef parser 5.8 does not support lef file "
                            "with version 5.9. Parser will stop processing. Error in file "
                            "test.lef at line 1, on token ;.\n"});
}

TEST_F(LefReadTest, VersionTenthsOverflowIntoTheMajorNumber) {
  // 5.10 reads as 6.0, which is too new.
  EXPECT_EQ(read("VERSION 5.10 ;\n"), 1);
  ASSERT_EQ(errors().size(), 1u);
  EXPECT_NE(errors()[0].find("with version 5.10."), std::string::npos);
}

TEST_F(LefReadTest, VeryLongVersionTextIsReadSafely) {
  std::string digits(300, '1');
  EXPECT_EQ(read("VERSION 5." + digits + " ;\n"), 1);
  EXPECT_DOUBLE_EQ(convert_name2num("5.4.1"), 5.401);
  EXPECT_DOUBLE_EQ(convert_name2num("5"), 5.0);
}

TEST_F(LefReadTest, MissingVersionDrawsWarning2001) {
  EXPECT_EQ(read("BUSBITCHARS \"[]\" ;\n"), 0);
  EXPECT_EQ(warnings(), Lines{"WARNING (LEFPARS-2001): No VERSION statement found, using the "
                              "default value 5.8. See file test.lef at line 2.\n"});
}

TEST_F(LefReadTest, MissingVersionUsesTheCallersVersion) {
  lefrSetVersionValue("5.7");
  EXPECT_EQ(read("BUSBITCHARS \"[]\" ;\n"), 0);
  EXPECT_EQ(warnings(), Lines{"WARNING (LEFPARS-2001): No VERSION statement found, using the "
                              "default value 5.7. See file test.lef at line 2.\n"});
}

TEST_F(LefReadTest, CallersOldVersionStillReadsTheFile) {
  // Below 5.6 the file must end with END LIBRARY, and its statements count.
  lefrSetVersionValue("5.5");
  lefrSetManufacturingCbk(onDouble);
  EXPECT_EQ(read("NAMESCASESENSITIVE ON ;\nBUSBITCHARS \"[]\" ;\nDIVIDERCHAR \"/\" ;\n"
                 "MANUFACTURINGGRID 0.5 ;\nEND LIBRARY\n"),
            0);
  EXPECT_EQ(calls(), Lines{"Double 43 0.5"});
  EXPECT_EQ(warnings(), Lines{"WARNING (LEFPARS-2001): No VERSION statement found, using the "
                              "default value 5.5. See file test.lef at line 5.\n"});
}

TEST_F(LefReadTest, OldFileWithoutHeaderStatementsDrawsWarnings) {
  EXPECT_EQ(read("VERSION 5.5 ;\nEND LIBRARY\n"), 0);
  EXPECT_EQ(
      warnings(),
      (Lines{"WARNING (LEFPARS-2002): NAMESCASESENSITIVE is a required statement on LEF file "
             "with version 5.5 and earlier.\nWithout NAMESCASESENSITIVE defined, the LEF file "
             "is technically incorrect.\nRefer the LEF/DEF 5.5 or earlier Language Referece "
             "manual on how to define this statement. See file test.lef at line 2.\n",
             "WARNING (LEFPARS-2003): BUSBITCHARS is a required statement on LEF file with "
             "version 5.5 and earlier.\nWithout BUSBITCHARS defined, the LEF file is "
             "technically incorrect.\nRefer the LEF/DEF 5.5 or earlier Language Referece "
             "manual on how to define this statement. See file test.lef at line 2.\n",
             "WARNING (LEFPARS-2004): DIVIDERCHAR is a required statementon LEF file with "
             "version 5.5 and earlier.\nWithout DIVIDECHAR defined, the LEF file is "
             "technically incorrect.\nRefer the LEF/DEF 5.5 or earlier Language Referece "
             "manual on how to define this statement. See file test.lef at line 2.\n"}));
}

TEST_F(LefReadTest, OldFileWithoutEndLibraryIsIncomplete) {
  lefrSetLibraryEndCbk(onVoid);
  EXPECT_EQ(read("VERSION 5.5 ;\nNAMESCASESENSITIVE ON ;\nBUSBITCHARS \"[]\" ;\n"
                 "DIVIDERCHAR \"/\" ;\n"),
            1);
  EXPECT_EQ(errors(), Lines{"ERROR (LEFPARS-1002): Incomplete lef file. Error in file test.lef "
                            "at line 5, on token ;.\n"});
  EXPECT_TRUE(calls().empty());
}

TEST_F(LefReadTest, DataAfterEndLibraryIsIgnoredWithInfo3000) {
  lefrSetLibraryEndCbk(onVoid);
  lefrSetManufacturingCbk(onDouble);
  EXPECT_EQ(read("VERSION 5.6 ;\nEND LIBRARY\nMANUFACTURINGGRID 0.5 ;\n"), 0);
  EXPECT_EQ(calls(), Lines{"Void 58 null"});
  EXPECT_EQ(warnings(), Lines{"INFO (LEFPARS-3000): There are still data after the END LIBRARY "
                              "See file test.lef at line 3.\n"});
}

TEST_F(LefReadTest, CaseSensitivityFollowsVersionAndStatement) {
  // Below 5.6 NAMESCASESENSITIVE sets the flag; from 5.6 on names are case
  // sensitive whatever the statement says.
  EXPECT_EQ(read("VERSION 5.5 ;\nNAMESCASESENSITIVE OFF ;\nEND LIBRARY\n"), 0);
  EXPECT_EQ(lefData->namesCaseSensitive, 0);
  EXPECT_EQ(read("VERSION 5.5 ;\nNAMESCASESENSITIVE ON ;\nEND LIBRARY\n"), 0);
  EXPECT_EQ(lefData->namesCaseSensitive, 1);
  EXPECT_EQ(read("VERSION 5.6 ;\nNAMESCASESENSITIVE OFF ;\n"), 0);
  EXPECT_EQ(lefData->namesCaseSensitive, 1);
  lefrSetCaseSensitivity(0);
  EXPECT_EQ(read("VERSION 5.5 ;\nEND LIBRARY\n"), 0);
  EXPECT_EQ(lefData->namesCaseSensitive, 0);
}

TEST_F(LefReadTest, ObsoleteStatementsInNewVersionsAreReportedWithCallbacks) {
  registerHeaderCallbacks();
  EXPECT_EQ(read("VERSION 5.6 ;\n"
                 "NAMESCASESENSITIVE ON ;\n"
                 "NOWIREEXTENSIONATPIN OFF ;\n"
                 "USEMINSPACING PIN ON ;\n"),
            0);
  EXPECT_EQ(calls(), Lines{"Version 1 5.6"});
  EXPECT_EQ(
      warnings(),
      (Lines{"WARNING (LEFPARS-2007): NAMESCASESENSITIVE statement is obsolete in version 5.6 "
             "and later.\nThe LEF parser will ignore this statement.\nTo avoid this warning in "
             "the future, remove this statement from the LEF file with version 5.6 or later. "
             "See file test.lef at line 2.\n",
             "WARNING (LEFPARS-2008): NOWIREEXTENSIONATPIN statement is obsolete in version 5.6 "
             "or later.\nThe NOWIREEXTENSIONATPIN statement will be ignored. See file test.lef "
             "at line 3.\n",
             "WARNING (LEFPARS-2009): USEMINSPACING PIN statement is obsolete in version 5.6 or "
             "later.\n The USEMINSPACING PIN statement will be ignored. See file test.lef at "
             "line 4.\n"}));
}

TEST_F(LefReadTest, ObsoleteStatementsWithoutCallbacksAreSilent) {
  EXPECT_EQ(read("VERSION 5.6 ;\nNAMESCASESENSITIVE OFF ;\nNOWIREEXTENSIONATPIN OFF ;\n"), 0);
  EXPECT_TRUE(warnings().empty());
  EXPECT_TRUE(errors().empty());
}

TEST_F(LefReadTest, NamesCaseSensitiveOffInNewVersionIsABlockingError) {
  registerHeaderCallbacks();
  EXPECT_EQ(read("VERSION 5.6 ;\nNAMESCASESENSITIVE OFF ;\nMANUFACTURINGGRID 0.5 ;\n"), 1);
  EXPECT_EQ(calls(), Lines{"Version 1 5.6"});
  EXPECT_EQ(errors(),
            Lines{"ERROR (LEFPARS-1504): NAMESCASESENSITIVE statement is set with OFF.\nStarting "
                  "version 5.6, NAMESCASENSITIVE is obsolete,\nif it is defined, it has to "
                  "have the ON value.\nParser will stop processing. Error in file test.lef at "
                  "line 2, on token ;.\n"});
}

TEST_F(LefReadTest, ObsoleteWarningsStopAtTheKindsLimit) {
  lefrSetNoWireExtensionCbk(onString);
  lefrSetNoWireExtensionWarnings(1);
  EXPECT_EQ(read("VERSION 5.6 ;\nNOWIREEXTENSIONATPIN ON ;\nNOWIREEXTENSIONATPIN ON ;\n"), 0);
  EXPECT_EQ(warnings().size(), 1u);
}

TEST_F(LefReadTest, CallbackResultEndsTheRead) {
  lefrSetBusBitCharsCbk(stopWith5);
  lefrSetDividerCharCbk(onString);
  EXPECT_EQ(read("VERSION 5.6 ;\nBUSBITCHARS \"[]\" ;\nDIVIDERCHAR \"/\" ;\n"), 5);
  EXPECT_TRUE(calls().empty());
  EXPECT_TRUE(errors().empty());
}

struct UnitsCase {
  const char* name;
  const char* version;
  const char* value;
  int result;
  const char* units;  // what the Units callback saw; "" when not called
  const char* error;  // "" when none
};

class DatabaseUnits : public LefReadTest, public ::testing::WithParamInterface<UnitsCase> {};

TEST_P(DatabaseUnits, AreCheckedAgainstTheVersion) {
  const UnitsCase& c = GetParam();
  lefrSetUnitsCbk(onUnits);
  std::string text = std::string("VERSION ") + c.version + " ;\n" +
                     (std::string(c.version) < "5.6"
                          ? "NAMESCASESENSITIVE ON ;\nBUSBITCHARS \"[]\" ;\nDIVIDERCHAR \"/\" ;\n"
                          : "") +
                     "UNITS\nDATABASE MICRONS " + c.value + " ;\nEND UNITS\nEND LIBRARY\n";
  EXPECT_EQ(read(text), c.result);
  EXPECT_EQ(calls(), *c.units ? Lines{c.units} : Lines{});
  EXPECT_EQ(errors(), *c.error ? Lines{c.error} : Lines{});
}

INSTANTIATE_TEST_SUITE_P(
    Values, DatabaseUnits,
    ::testing::Values(
        UnitsCase{"always2000", "5.5", "2000", 0, "Units 5 DATABASE MICRONS 2000", ""},
        UnitsCase{"always100", "5.4", "100", 0, "Units 5 DATABASE MICRONS 100", ""},
        UnitsCase{"new4000InOld", "5.5", "4000", 1, "",
                  "ERROR (LEFPARS-1501): Error found when processing LEF file 'test.lef'\nUnit "
                  "4000 is a version 5.6 or later syntax\nYour lef file is defined with version "
                  "5.5. Error in file test.lef at line 6, on token ;.\n"},
        UnitsCase{"new4000InNew", "5.6", "4000", 0, "Units 5 DATABASE MICRONS 4000", ""},
        UnitsCase{"new20000InNew", "5.8", "20000", 0, "Units 5 DATABASE MICRONS 20000", ""},
        UnitsCase{"invalid1500", "5.8", "1500", 1, "",
                  "ERROR (LEFPARS-1502): The value 1500 defined for LEF UNITS DATABASE MICRONS "
                  "is invalid\n. Correct value is 100, 200, 400, 800, 1000, 2000, 4000, 8000, "
                  "10000, or 20000 Error in file test.lef at line 3, on token ;.\n"},
        UnitsCase{"truncated2000", "5.8", "2000.9", 0, "Units 5 DATABASE MICRONS 2000.9", ""}),
    [](const ::testing::TestParamInfo<UnitsCase>& info) { return std::string(info.param.name); });

TEST_F(LefReadTest, InvalidDatabaseUnitsAreReportedWithoutCallback) {
  EXPECT_EQ(read("VERSION 5.8 ;\nUNITS\nDATABASE MICRONS 1500 ;\nEND UNITS\n"), 1);
  EXPECT_EQ(errors().size(), 1u);
  EXPECT_EQ(lefData->units.hasDatabase(), 0);
}

TEST_F(LefReadTest, UnitsValuesAreStoredOnlyWithItsCallback) {
  EXPECT_EQ(read("VERSION 5.8 ;\nUNITS\nDATABASE MICRONS 1000 ;\nEND UNITS\n"), 0);
  EXPECT_EQ(lefData->units.hasDatabase(), 0);
}

TEST_F(LefReadTest, IntegerRangeIsCheckedButFrequencyIsNot) {
  lefrSetUnitsCbk(onUnits);
  EXPECT_EQ(read("VERSION 5.8 ;\nUNITS\nFREQUENCY MEGAHERTZ 3000000000 ;\nEND UNITS\n"), 0);
  EXPECT_EQ(calls(), Lines{"Units 5 FREQUENCY 3e+09"});
  EXPECT_EQ(read("VERSION 5.8 ;\nUNITS\nTIME NANOSECONDS 3000000000 ;\nEND UNITS\n"), 1);
  EXPECT_EQ(errors(), Lines{"ERROR (LEFPARS-203) Number has exceeded the limit for an integer. "
                            "See file test.lef at line 3.\n"});
  EXPECT_EQ(calls().size(), 1u);
}

TEST_F(LefReadTest, StatementsBeforeUnitsAreBlockingErrors) {
  registerHeaderCallbacks();
  EXPECT_EQ(read("VERSION 5.8 ;\nMANUFACTURINGGRID 0.5 ;\nUNITS\nDATABASE MICRONS 1000 ;\n"
                 "END UNITS\nEND LIBRARY\n"),
            1);
  EXPECT_EQ(calls(), (Lines{"Version 1 5.8", "Double 43 0.5"}));
  EXPECT_EQ(errors(), Lines{"ERROR (LEFPARS-1505): MANUFACTURINGGRID statement was defined "
                            "before UNITS.\nRefer the LEF Language Reference manual for the "
                            "order of LEF statements. Error in file test.lef at line 3, on "
                            "token UNITS.\n"});
}

TEST_F(LefReadTest, TwentyFirstActionErrorEndsTheRead) {
  std::string text = "VERSION 5.8 ;\nUNITS\n";
  for (int i = 0; i < 22; i++) text += "DATABASE MICRONS 1500 ;\n";
  text += "END UNITS\n";
  EXPECT_EQ(read(text), 1);
  ASSERT_EQ(errors().size(), 22u);
  EXPECT_EQ(errors()[21], "ERROR (LEFPARS-1020): Too many syntax errors. Error in file test.lef "
                          "at line 23, on token ;.\n");
}

TEST_F(LefReadTest, LaterVersionResumesCallbacksButTheReadFails) {
  lefrSetManufacturingCbk(onDouble);
  EXPECT_EQ(read("VERSION 5.8 ;\nUNITS\nDATABASE MICRONS 1500 ;\nEND UNITS\n"
                 "MANUFACTURINGGRID 0.1 ;\nVERSION 5.8 ;\nMANUFACTURINGGRID 0.2 ;\n"),
            1);
  EXPECT_EQ(calls(), Lines{"Double 43 0.2"});
}

TEST_F(LefReadTest, SyntaxErrorsAreNumberedPerRead) {
  const std::string text =
      "VERSION 5.8 ;\nFOO ;\nMANUFACTURINGGRID 0.1 ;\nBAR ;\nEND LIBRARY\n";
  const Lines expected = {
      "ERROR (LEFPARS-1): Lef parser has encountered an error in file test.lef at line 2, on "
      "token FOO.\nProblem can be syntax error on the lef file or an invalid parameter "
      "name.\nDouble check the syntax on the lef file with the LEFDEF Reference Manual.\n",
      "ERROR (LEFPARS-2): Lef parser has encountered an error in file test.lef at line 4, on "
      "token BAR.\nProblem can be syntax error on the lef file or an invalid parameter "
      "name.\nDouble check the syntax on the lef file with the LEFDEF Reference Manual.\n"};
  EXPECT_EQ(read(text), 1);
  EXPECT_EQ(errors(), expected);
  readLog().errors.clear();
  EXPECT_EQ(read(text), 1);
  EXPECT_EQ(errors(), expected);
}

TEST_F(LefReadTest, SyntaxErrorBlocksLaterCallbacks) {
  lefrSetManufacturingCbk(onDouble);
  EXPECT_EQ(read("VERSION 5.8 ;\nFOO ;\nMANUFACTURINGGRID 0.1 ;\n"), 1);
  EXPECT_TRUE(calls().empty());
}

TEST_F(LefReadTest, MissingSpaceBeforeSemicolonIsExplained) {
  EXPECT_EQ(read("VERSION 5.8 ;\nMANUFACTURINGGRID 0.5;\nEND LIBRARY\n"), 1);
  EXPECT_EQ(errors(), Lines{"ERROR (LEFPARS-1): syntax error, see file test.lef at line 2\nLast "
                            "token was <0.5;>, space is missing before <;>\n"});
}

TEST_F(LefReadTest, MissingSpaceAfterQuoteIsExplained) {
  EXPECT_EQ(read("VERSION 5.8 ;\nBUSBITCHARS \"[]\";\nEND LIBRARY\n"), 1);
  EXPECT_EQ(errors(), Lines{"ERROR (LEFPARS-1011): syntax error, see file test.lef at line 2\n"
                            "Last token was <\"[]\">, space is missing between the closing \" "
                            "of the string and ;.\n"});
}

TEST_F(LefReadTest, ExtensionReachesItsCallback) {
  lefrSetExtensionCbk(onString);
  EXPECT_EQ(read("VERSION 5.5 ;\nNAMESCASESENSITIVE ON ;\nBUSBITCHARS \"[]\" ;\n"
                 "DIVIDERCHAR \"/\" ;\nBEGINEXT \"t\" x ENDEXT\nEND LIBRARY\n"),
            0);
  EXPECT_EQ(calls(), Lines{"String 53  \"t\" x ENDEXT"});
}

TEST_F(LefReadTest, NewVersionExtensionMayOnlyBeFollowedByEnd) {
  lefrSetExtensionCbk(onString);
  lefrSetLibraryEndCbk(onVoid);
  EXPECT_EQ(read("VERSION 5.6 ;\nBEGINEXT \"t\" x ENDEXT\nEND LIBRARY\n"), 0);
  EXPECT_EQ(calls(), (Lines{"String 53  \"t\" x ENDEXT", "Void 58 null"}));
  readLog().calls.clear();
  EXPECT_EQ(read("VERSION 5.6 ;\nBEGINEXT \"t\" x ENDEXT\nMANUFACTURINGGRID 1 ;\n"), 0);
  EXPECT_EQ(calls(), Lines{"String 53  \"t\" x ENDEXT"});
  EXPECT_EQ(warnings(), Lines{"INFO (LEFPARS-3000): There are still data after the END LIBRARY "
                              "See file test.lef at line 3.\n"});
}

TEST_F(LefReadTest, DirectoryIsNotAnEmptyFile) {
  lefrInit();
  FILE* dir = fopen(".", "r");
  ASSERT_NE(dir, nullptr);
  EXPECT_EQ(lefrRead(dir, "dir", nullptr), 1);
  fclose(dir);
  EXPECT_EQ(errors(), Lines{"ERROR (LEFPARS-1002): Incomplete lef file. Error in file dir at "
                            "line 1, on token <unprintable>.\n"});
}

TEST_F(LefReadTest, FileNameOutlivesTheCallersString) {
  lefrInit();
  EXPECT_EQ(lefrFName(), nullptr);
  EXPECT_EQ(lefrLineNumber(), 0);
  std::string* name = new std::string("temporary.lef");
  FILE* f = textFile("VERSION 5.8 ;\n");
  lefrRead(f, name->c_str(), nullptr);
  fclose(f);
  delete name;
  EXPECT_STREQ(lefrFName(), "temporary.lef");
  EXPECT_EQ(lefrLineNumber(), 2);
}

}  // namespace
}  // namespace lefTest
