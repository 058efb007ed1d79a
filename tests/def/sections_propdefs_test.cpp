// PROPERTYDEFINITIONS, the property types they give to later PROPERTY lists, and
// extension texts as sections and as statement options.
#include "sections_fixture.h"

namespace sections {
namespace {

class PropertyDefinitions : public SectionsTest {
protected:
  void SetUp() override {
    SectionsTest::SetUp();
    defrSetPropDefStartCbk(recordVoid);
    defrSetPropCbk(record<defiProp>);
    defrSetPropDefEndCbk(recordVoid);
    defrSetNetCbk(record<defiNet>);
  }
};

TEST_F(PropertyDefinitions, DefinitionsAndTheTypesTheyGive) {
  EXPECT_EQ(readData("propdefs.def"), 0);
  std::vector<std::string> expected = {
      "5",
      "3 PROP component weight I RANGE 1 10",
      "3 PROP net width R NUMBER 0.5",
      "3 PROP net foo N STRING bar",
      "3 PROP design title Q STRING Top",
      "3 PROP row r S",
      "3 PROP specialnet 12 R RANGE -1.5 2 NUMBER 3.25",
      "3 PROP nondefaultrule ndr I NUMBER 3",
      "4",
      // A name-map string definition types its properties as strings.
      "16 NET n1 foo=x:S width=0.25:R#0.25",
  };
  EXPECT_EQ(calls(), expected);
  EXPECT_EQ(errors(), "");
  EXPECT_EQ(warnings(), "");
}

TEST_F(PropertyDefinitions, ABrokenDefinitionIsSkippedToItsSemicolon) {
  EXPECT_EQ(defrtest::readText("VERSION 5.8 ;\nDESIGN d ;\nPROPERTYDEFINITIONS\n"
                               "  REGION bad ROUND ;\n  NET good INTEGER ;\n"
                               "END PROPERTYDEFINITIONS\nNETS 1 ;\n- n + PROPERTY good 1 ;\n"
                               "END NETS\nEND DESIGN\n"),
            1);
  EXPECT_EQ(calls(), std::vector<std::string>{"5"});
  EXPECT_EQ(errors(), "ERROR (DEFPARS-5500): Def parser has encountered an error in file t.def "
                      "at line 4, on token ROUND.\nProblem can be syntax error on the def file "
                      "or an invalid parameter name.\nDouble check the syntax on the def file "
                      "with the LEFDEF Reference Manual.\n");
  // The definition after the broken one was read: the net property finds its type.
  EXPECT_EQ(warnings(), "");
}

// Each broken definition is one syntax error; the 21st ends the read like anywhere else.
TEST_F(PropertyDefinitions, TooManyBrokenDefinitionsStopTheRead) {
  std::string text = "VERSION 5.8 ;\nDESIGN d ;\nPROPERTYDEFINITIONS\n";
  for (int i = 0; i < 25; i++) text += "  NET n ROUND ;\n";  // lines 4 to 28
  text += "END PROPERTYDEFINITIONS\nEND DESIGN\n";
  EXPECT_EQ(defrtest::readText(text), 1);
  EXPECT_EQ(calls(), std::vector<std::string>{"5"});
  const std::string& e = errors();
  EXPECT_NE(e.find("ERROR (DEFPARS-5500): Def parser has encountered an error in file t.def "
                   "at line 4, on token ROUND.\n"),
            std::string::npos);
  EXPECT_NE(e.find("ERROR (DEFPARS-5520): Def parser has encountered an error in file t.def "
                   "at line 24, on token ROUND.\n"),
            std::string::npos);
  EXPECT_EQ(e.find("DEFPARS-5521"), std::string::npos);
  const std::string last = "ERROR (DEFPARS-6011): Too many syntax errors have been reported. "
                           "Error in file t.def at line 24, on token ;.\nUpdate the def file "
                           "before parsing the file again.\n";
  ASSERT_GE(e.size(), last.size());
  EXPECT_EQ(e.substr(e.size() - last.size()), last);
}

TEST_F(PropertyDefinitions, NonDefaultRuleDefinitionsNeedVersion56) {
  EXPECT_EQ(defrtest::readText("VERSION 5.5 ;\nDESIGN d ;\nPROPERTYDEFINITIONS\n"
                               "  NONDEFAULTRULE r1 STRING ;\nEND PROPERTYDEFINITIONS\n"
                               "END DESIGN\n"),
            1);
  EXPECT_EQ(calls(), std::vector<std::string>{"5"});
  EXPECT_EQ(errors(), "ERROR (DEFPARS-6505): The NONDEFAULTRULE statement is available in "
                      "version 5.6 and later.\nHowever, your DEF file is defined with version "
                      "5.5. Error in file t.def at line 4, on token ;.\nUpdate the def file "
                      "before parsing the file again.\n");
  EXPECT_EQ(defContext.session->NDefProp.propType("r1"), 'N');
}

// The component property is found under the name as the definition folded it.
TEST_F(PropertyDefinitions, NamesAreFoldedWhenNotCaseSensitive) {
  defrSetComponentCbk(record<defiComponent>);
  const char* body = "DESIGN d ;\nPROPERTYDEFINITIONS\n  COMPONENT weight INTEGER ;\n"
                     "END PROPERTYDEFINITIONS\nCOMPONENTS 1 ;\n- i1 INV + PROPERTY Weight 3 ;\n"
                     "END COMPONENTS\nEND DESIGN\n";
  EXPECT_EQ(defrtest::readText(std::string("VERSION 5.5 ;\nNAMESCASESENSITIVE OFF ;\n"
                                           "BUSBITCHARS \"[]\" ;\nDIVIDERCHAR \"/\" ;\n") + body),
            0);
  EXPECT_EQ(calls().back(), "13 COMP I1 INV WEIGHT=3:I#3");
  EXPECT_EQ(defContext.session->CompProp.propType("WEIGHT"), 'I');

  defrtest::freshReader();
  calls().clear();
  defrSetPropCbk(record<defiProp>);
  defrSetComponentCbk(record<defiComponent>);
  EXPECT_EQ(defrtest::readText(std::string("VERSION 5.8 ;\n") + body), 0);
  EXPECT_EQ(calls().back(), "13 COMP i1 INV Weight=3:N#3");
  EXPECT_EQ(defContext.session->CompProp.propType("weight"), 'I');
}

// The type code of each extension callback, and each text received.
std::vector<int> extensions;
std::vector<std::string> extensionTexts;

int onExtension(defrCallbackType_e type, const char* text, void*) {
  extensions.push_back(type);
  extensionTexts.push_back(text);
  return 0;
}

class Extensions : public SectionsTest {
protected:
  void SetUp() override {
    SectionsTest::SetUp();
    extensions.clear();
    extensionTexts.clear();
    defrSetExtensionCbk(onExtension);
    defrSetComponentExtCbk(onExtension);
    defrSetPinExtCbk(onExtension);
    defrSetViaExtCbk(onExtension);
    defrSetNetConnectionExtCbk(onExtension);
    defrSetNetExtCbk(onExtension);
  }
};

TEST_F(Extensions, EachGoesToTheCallbackOfItsStatement) {
  defrSetComponentCbk(record<defiComponent>);
  EXPECT_EQ(readData("extensions.def"), 0);
  EXPECT_EQ(extensions, (std::vector<int>{101, 24, 25, 26, 27, 28}));
  const char* words[] = {"section text", "component text", "pin text", "via text",
                         "connection text", "net text"};
  ASSERT_EQ(extensionTexts.size(), 6u);
  for (size_t i = 0; i < 6; i++)
    EXPECT_NE(extensionTexts[i].find(words[i]), std::string::npos) << extensionTexts[i];
  EXPECT_EQ(errors(), "");
}

TEST_F(Extensions, AComponentExtensionNeedsTheComponentCallback) {
  EXPECT_EQ(readData("extensions.def"), 0);
  EXPECT_EQ(extensions, (std::vector<int>{101, 25, 26, 27, 28}));
}

}  // namespace
}  // namespace sections
