#include "def/defiProp.h"
#include "defi_fixture.h"
#include "sections_fixture.h"

using namespace LefDefParser;

namespace {

using DefiPropTest = DefiTest;

TEST_F(DefiPropTest, DefinitionWithRangeAndNumber) {
  defiProp prop(data());
  const char* objectType = "COMPONENTPIN";
  prop.setPropType(objectType, "a_property_name_longer_than_sixteen");
  prop.setPropInteger();
  prop.setRange(1, 10);
  prop.setNumber(5);
  EXPECT_EQ(prop.propType(), objectType);
  EXPECT_EQ(sections::describe(prop),
            "PROP COMPONENTPIN a_property_name_longer_than_sixteen I RANGE 1 10 NUMBER 5");
  EXPECT_EQ(printed(prop),
            "Prop type 'COMPONENTPIN'\n  number  5.00\n  range  1.00 - 10.00\n");

  prop.clear();
  EXPECT_EQ(prop.propType(), nullptr);
  EXPECT_STREQ(prop.propName(), "");
  EXPECT_EQ(prop.dataType(), 'B');
  EXPECT_EQ(prop.hasRange(), 0);
  EXPECT_EQ(prop.hasNumber(), 0);
}

TEST_F(DefiPropTest, DataTypesAndStrings) {
  defiProp prop(data());
  const struct {
    void (defiProp::*set)();
    char type;
  } plain[] = {{&defiProp::setPropInteger, 'I'},
               {&defiProp::setPropReal, 'R'},
               {&defiProp::setPropString, 'S'}};
  for (const auto& c : plain) {
    prop.clear();
    (prop.*c.set)();
    EXPECT_EQ(prop.dataType(), c.type);
  }
  prop.clear();
  prop.setPropQString("hello world");
  EXPECT_EQ(prop.dataType(), 'Q');
  EXPECT_EQ(prop.hasString(), 1);
  EXPECT_STREQ(prop.string(), "hello world");
  EXPECT_EQ(prop.hasNameMapString(), 0);
  prop.clear();
  prop.setPropNameMapString("map1");
  EXPECT_EQ(prop.dataType(), 'N');
  EXPECT_EQ(prop.hasNameMapString(), 1);
  EXPECT_STREQ(prop.string(), "map1");
}

TEST_F(DefiPropTest, PinPropertyForTheDesignPin) {
  defiPinProp pp(data());
  pp.setName("PIN", "clk");
  pp.addProperty("cap", "0.5", 'R');
  EXPECT_EQ(pp.isPin(), 1);
  EXPECT_STREQ(pp.instName(), "");
  EXPECT_STREQ(pp.pinName(), "clk");
  EXPECT_EQ(printed(pp), "PinProp  clk\n    cap 0.5\n");
  pp.clear();
  pp.setName("u1", "A");
  EXPECT_EQ(pp.isPin(), 0);
  EXPECT_STREQ(pp.instName(), "u1");
  EXPECT_EQ(pp.numProps(), 0);
  pp.clear();
  pp.setName("pin", "B");
  EXPECT_EQ(pp.isPin(), 1);
  pp.setName("Pin", "B");  // without clear: another instance is no design pin
  EXPECT_EQ(pp.isPin(), 0);
  EXPECT_STREQ(pp.instName(), "Pin");
}

TEST_F(DefiPropTest, PinPropertyIndexErrorIs6120) {
  defiPinProp pp(data());
  pp.setName("u1", "A");
  pp.addNumProperty("w", 0.0, "0", 'I');
  pp.addNumProperty("h", 2.0, "2", 'I');
  EXPECT_EQ(pp.propIsString(0), 1);
  EXPECT_EQ(pp.propIsNumber(0), 0);
  EXPECT_EQ(pp.propIsNumber(1), 1);
  EXPECT_EQ(pp.propType(1), 'I');
  EXPECT_TRUE(errors().empty());
  EXPECT_EQ(pp.propName(2), nullptr);
  EXPECT_EQ(pp.propType(-1), 0);
  ASSERT_EQ(errors().size(), 2u);
  EXPECT_EQ(errors()[0],
            "ERROR (DEFPARS-6120): The index number 2 specified for the PIN PROPERTY is "
            "invalide.\nValid index number is from 0 to 2. Specify a valid index number "
            "and then try again.");
}

}  // namespace
