// The library SITE statement read from LEF texts: what the Site callback
// receives and the CLASS, SIZE and END name checks.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <string>
#include <vector>

#include "lef/lefiMisc.h"
#include "lef/lefrReadFixture.h"

namespace {

using LefDefParser::lefiSite;
using LefDefParser::lefrCallbackType_e;
using Lines = std::vector<std::string>;
using lefTest::journal;
using lefTest::num;

int siteCbk(lefrCallbackType_e type, lefiSite* site, void*) {
  std::string line = "site " + std::to_string(type) + " " + site->name();
  if (site->hasClass()) line += std::string(" class ") + site->siteClass();
  if (site->hasSize()) line += " size " + num(site->sizeX()) + " " + num(site->sizeY());
  line += " sym " + std::to_string(site->hasXSymmetry()) + std::to_string(site->hasYSymmetry()) +
          std::to_string(site->has90Symmetry());
  for (int i = 0; i < site->numSites(); i++)
    line += std::string(" row ") + site->siteName(i) + " " + std::to_string(site->siteOrient(i));
  journal(line);
  return 0;
}

class SiteStmtTest : public lefTest::LefReadTest {
 protected:
  void SetUp() override {
    LefReadTest::SetUp();
    LefDefParser::lefrSetSiteCbk(siteCbk);
  }
};

TEST_F(SiteStmtTest, SiteReachesTheCallbackWithItsItems) {
  const char* text =
      "VERSION 5.8 ;\n"
      "SITE core\n  CLASS CORE ;\n  SYMMETRY Y R90 ;\n  SIZE 0.19 BY 1.4 ;\nEND core\n"
      "SITE pad\n  SIZE 60 BY 120 ;\n  CLASS PAD ;\n  SYMMETRY X ;\nEND pad\n";
  EXPECT_EQ(read(text), 0);
  EXPECT_EQ(errors(), Lines{});
  EXPECT_EQ(calls(), (Lines{"site 19 core class CORE size 0.19 1.4 sym 011",
                            "site 19 pad class PAD size 60 120 sym 100"}));
}

// Keywords are matched in any case; the class text is the keyword's.
TEST_F(SiteStmtTest, LowerCaseKeywords) {
  EXPECT_EQ(read("VERSION 5.6 ;\nSITE s1\n  symmetry y ;\n  class virtual ;\n  size 1 by 2 ;\n"
                 "END s1\n"),
            0);
  EXPECT_EQ(calls(), Lines{"site 19 s1 class VIRTUAL size 1 2 sym 010"});
}

// Row-pattern site names are names even where they spell keywords.
TEST_F(SiteStmtTest, RowPatternPairsWithOrientationCodes) {
  const char* text =
      "VERSION 5.8 ;\n"
      "SITE dbl\n  CLASS CORE ;\n  SIZE 1 BY 2 ;\n  ROWPATTERN a N b FS X MX Y R270 ;\nEND dbl\n";
  EXPECT_EQ(read(text), 0);
  EXPECT_EQ(errors(), Lines{});
  EXPECT_EQ(calls(),
            Lines{"site 19 dbl class CORE size 1 2 sym 000 row a 0 row b 6 row X 6 row Y 3"});
}

struct SiteErrorCase {
  const char* name;
  const char* text;
  Lines errors;
};

class SiteErrorTest : public SiteStmtTest, public ::testing::WithParamInterface<SiteErrorCase> {};

// Every error blocks the callbacks: neither this site nor the next one
// reaches the callback.
TEST_P(SiteErrorTest, ReportsAndBlocks) {
  std::string text = std::string(GetParam().text) +
                     "SITE next\n  CLASS CORE ;\n  SIZE 1 BY 1 ;\nEND next\n";
  EXPECT_EQ(read(text), 1);
  EXPECT_EQ(errors(), GetParam().errors);
  EXPECT_EQ(calls(), Lines{});
}

INSTANTIATE_TEST_SUITE_P(
    Messages, SiteErrorTest,
    ::testing::Values(
        SiteErrorCase{"NoSize", "VERSION 5.8 ;\nSITE s\n  CLASS CORE ;\nEND s\n",
                      {"ERROR (LEFPARS-1633): A SIZE  statement is required in the SITE "
                       "statement. Error in file test.lef at line 4, on token s.\n"}},
        SiteErrorCase{"NoClass", "VERSION 5.8 ;\nSITE s\n  SIZE 1 BY 1 ;\nEND s\n",
                      {"ERROR (LEFPARS-1632): A CLASS statement is required in the SITE "
                       "statement. Error in file test.lef at line 4, on token s.\n"}},
        SiteErrorCase{"NoClassNoSize", "VERSION 5.8 ;\nSITE s\nEND s\n",
                      {"ERROR (LEFPARS-1632): A CLASS statement is required in the SITE "
                       "statement. Error in file test.lef at line 3, on token s.\n",
                       "ERROR (LEFPARS-1633): A SIZE  statement is required in the SITE "
                       "statement. Error in file test.lef at line 3, on token s.\n"}},
        // A mismatching END name is the only message, although CLASS and SIZE
        // are missing as well.
        SiteErrorCase{"EndNameDiffers", "VERSION 5.8 ;\nSITE s\nEND t\n",
                      {"ERROR (LEFPARS-1631): END SITE name t is different from the SITE name "
                       "s.\nCorrect the LEF file before rerunning it through the LEF parser. "
                       "Error in file test.lef at line 3, on token t.\n"}}),
    [](const ::testing::TestParamInfo<SiteErrorCase>& info) { return info.param.name; });

TEST_F(SiteStmtTest, WithoutCallbackNothingIsChecked) {
  LefDefParser::lefrUnsetSiteCbk();
  EXPECT_EQ(read("VERSION 5.8 ;\nSITE s\nEND s\nSITE t\nEND u\n"), 0);
  EXPECT_EQ(errors(), Lines{});
}

TEST_F(SiteStmtTest, EndNameLimitCountsButClassAndSizeDoNot) {
  LefDefParser::lefrSetSiteWarnings(0);
  EXPECT_EQ(read("VERSION 5.8 ;\nSITE s\nEND t\nSITE u\n  CLASS CORE ;\nEND u\n"), 1);
  EXPECT_EQ(errors(), Lines{"ERROR (LEFPARS-1633): A SIZE  statement is required in the SITE "
                            "statement. Error in file test.lef at line 6, on token u.\n"});
}

// A SITE before UNITS is out of order below 5.6, with or without a Site
// callback.
TEST_F(SiteStmtTest, SiteBeforeUnitsBelow56) {
  LefDefParser::lefrUnsetSiteCbk();
  const char* text =
      "VERSION 5.5 ;\nNAMESCASESENSITIVE ON ;\nBUSBITCHARS \"[]\" ;\nDIVIDERCHAR \"/\" ;\n"
      "SITE s\n  CLASS CORE ;\n  SIZE 1 BY 1 ;\nEND s\n"
      "UNITS\n  DATABASE MICRONS 100 ;\nEND UNITS\nEND LIBRARY\n";
  EXPECT_EQ(read(text), 1);
  EXPECT_EQ(errors(),
            Lines{"ERROR (LEFPARS-1713): SITE statement was defined before UNITS.\nRefer the LEF "
                  "Language Reference manual for the order of LEF statements. Error in file "
                  "test.lef at line 9, on token UNITS.\n"});
}

int ignore(lefrCallbackType_e, void*, void*) { return 0; }

// The sites of real files, read by hand from them.
struct RealSiteCase {
  const char* file;
  Lines sites;
};

class RealSiteTest : public SiteStmtTest, public ::testing::WithParamInterface<RealSiteCase> {};

TEST_P(RealSiteTest, ReadsEverySite) {
  LefDefParser::lefrSetUnusedCallbacks(ignore);
  int status = readShared(GetParam().file);
  if (status < 0) GTEST_SKIP() << "shared LEF data not found: " << GetParam().file;
  EXPECT_EQ(status, 0);
  EXPECT_EQ(errors(), Lines{});
  EXPECT_EQ(calls(), GetParam().sites);
}

INSTANTIATE_TEST_SUITE_P(
    SharedData, RealSiteTest,
    ::testing::Values(
        RealSiteCase{"osu018_stdcells.lef", {"site 19 core class CORE size 0.8 10 sym 010"}},
        RealSiteCase{"gscl45nm.lef", {"site 19 CoreSite class CORE size 0.38 2.47 sym 000"}},
        RealSiteCase{"nangate45_tech.lef",
                     {"site 19 FreePDK45_38x28_10R_NP_162NW_34O class CORE size 0.19 1.4 sym "
                      "010"}},
        RealSiteCase{"sky130hd_tech.lef",
                     {"site 19 unithd class CORE size 0.46 2.72 sym 010",
                      "site 19 unithddbl class CORE size 0.46 5.44 sym 010"}},
        RealSiteCase{"ihp_sg13g2_stdcell.lef",
                     {"site 19 CoreSite class CORE size 0.48 3.78 sym 010"}},
        RealSiteCase{"asap7sc7p5t_28_R_1x.lef",
                     {"site 19 asap7sc7p5t class CORE size 0.054 0.27 sym 010"}},
        RealSiteCase{"asap7_tech_1x.lef", {}}),
    [](const ::testing::TestParamInfo<RealSiteCase>& info) {
      std::string name = info.param.file;
      name = name.substr(0, name.find('.'));
      for (char& c : name)
        if (!isalnum(static_cast<unsigned char>(c))) c = '_';
      return name;
    });

}  // namespace
