#include <gtest/gtest.h>

#include "reliability/InputChecks.h"
#include "shell/Messages.h"

namespace {

constexpr Language cz = Language::Czech;

std::string msg(int n) { return MessageText(n, cz); }

TEST(InputChecksTest, DepthHAcceptsEmptyAndPositiveNumbers) {
  EXPECT_TRUE(checkDepthH("").empty());
  EXPECT_TRUE(checkDepthH("2.5").empty());
  EXPECT_TRUE(checkDepthH("1E3").empty());
  EXPECT_TRUE(checkDepthH("2,5").empty());
  for (const std::string bad : {"-3", "0", "abc", "1.5x", "1 500", "nan", "-0"}) {
    auto p = checkDepthH(bad);
    ASSERT_EQ(p.size(), 1u) << bad;
    EXPECT_EQ(p[0].message, 145);
    EXPECT_EQ(p[0].text(cz), msg(145) + bad + " )");
  }
  EXPECT_EQ(checkDepthH("-3")[0].text(cz), "Neplatná ef.hloubka \"H\" !  ( -3 )");
}

TEST(InputChecksTest, D1EmptyIsAcceptedAndBadValuesNamed) {
  EXPECT_TRUE(checkD1("").empty());
  EXPECT_TRUE(checkD1("30").empty());
  auto p = checkD1("0");
  ASSERT_EQ(p.size(), 1u);
  EXPECT_EQ(p[0].text(cz), msg(146) + " \"d1\" !  ( 0 )\r\n");
}

TEST(InputChecksTest, D2EmptyBecomesZeroAndMustStayBelowD1) {
  std::string t;
  EXPECT_TRUE(checkD2(t, "30").empty());
  EXPECT_EQ(t, "0");

  t = "0";
  EXPECT_TRUE(checkD2(t, "").empty());  // a solid bolt with any d1
  t = "20";
  EXPECT_TRUE(checkD2(t, "30").empty());

  t = "30";
  auto p = checkD2(t, "30");
  ASSERT_EQ(p.size(), 1u);
  EXPECT_EQ(p[0].text(cz), msg(146) + " \"d2\" ( d2 >= d1 )  !  ( 30 )\r\n");

  t = "10";  // d1 that is no number counts as 0
  EXPECT_EQ(checkD2(t, "x").size(), 1u);

  t = "abc";
  p = checkD2(t, "30");
  ASSERT_EQ(p.size(), 1u);
  EXPECT_EQ(p[0].text(cz), msg(146) + " \" d2 \" !  ( abc )\r\n");

  t = "-5";  // negative and not below a negative d1: both dialogs
  EXPECT_EQ(checkD2(t, "-10").size(), 2u);
}

TEST(InputChecksTest, BoltCountMustBePositiveAndEmptyIsInvalid) {
  EXPECT_TRUE(checkBoltCount("4").empty());
  auto p = checkBoltCount("");
  ASSERT_EQ(p.size(), 1u);
  EXPECT_EQ(p[0].text(cz), msg(147) + " )\r\n");
  EXPECT_EQ(checkBoltCount("0").size(), 1u);
}

TEST(InputChecksTest, RowSpacingEmptyBecomes1000) {
  std::string t;
  EXPECT_TRUE(checkRowSpacing(t).empty());
  EXPECT_EQ(t, "1000");
  t = "-1";
  auto p = checkRowSpacing(t);
  ASSERT_EQ(p.size(), 1u);
  EXPECT_EQ(p[0].message, 155);
  EXPECT_EQ(p[0].text(cz), MessageFormat(155, cz, {"-1"}));
}

TEST(InputChecksTest, ThicknessesOfRowsTwoUpAreCheckedInOrder) {
  ProjectState p;
  p.nextLayerRow = 2;  // one layer: nothing to check
  EXPECT_FALSE(checkThicknesses(p));

  p.nextLayerRow = 4;          // rows 2 and 3
  p.layers[0].thickness = "";  // row 1 is computed, never checked
  p.layers[1].thickness = "2.5";
  p.layers[2].thickness = "";
  auto r = checkThicknesses(p);
  ASSERT_TRUE(r);
  EXPECT_EQ(r->layerRow, 3);
  EXPECT_EQ(r->kind, DlgKind::Warning);
  EXPECT_EQ(r->text(cz), msg(150) + "       3 !\r\n");

  p.layers[1].thickness = "-1";
  r = checkThicknesses(p);
  ASSERT_TRUE(r);
  EXPECT_EQ(r->layerRow, 2);
  EXPECT_EQ(r->kind, DlgKind::Error);
  EXPECT_EQ(r->text(cz), msg(149) + "       2 ! ( -1 )\r\n");

  p.layers[1].thickness = "2";
  p.layers[2].thickness = "3";
  EXPECT_FALSE(checkThicknesses(p));
}

// Leaving a field: values out of its domain get its own message (with the allowed range above its
// highest value); valid but physically absurd values get a warning naming the value.
TEST(InputChecksTest, FieldsRefuseValuesOutOfTheirDomainAndWarnAboutAbsurdOnes) {
  enum Field { H, D1, D2, N, Ds };
  struct Case {
    Field field;
    std::string text;
    int message;  // -1: nothing, 0: a warning
    std::string part;
  };
  const Case cases[] = {
      {H, "900", -1, ""},
      {H, "5000", -1, ""},
      {H, "5000,5", 0, "\"H\" = 5000,5 m je neobvykle velká !\r\n( více než 5000 m )"},
      {H, "9E4", 0, "\"H\" = 9E4 m"},
      {H, "100000", 0, "= 100000 m"},  // the highest value is valid, and absurd
      {H, "100001", 145, "( 100001 )\r\n\r\n0 < H <= 100000 m"},
      {H, "1e308", 145, "0 < H <= 100000 m"},
      {H, "inf", 145, "( inf )"},
      {D1, "60", -1, ""},
      {D1, "61", 0, "\"d1\" = 61 mm je neobvykle velký !\r\n( více než 60 mm )"},
      {D1, "1001", 146, "\"d1\" !  ( 1001 )\r\n\r\n0 < d1 <= 1000 mm\r\n"},
      {D2, "1e5", 146, "0 <= d2 <= 1000 mm"},
      {N, "20", -1, ""},
      {N, "21", 0, "\"n\" = 21 je neobvykle velký !\r\n( více než 20 )"},
      {N, "2E3", 147, "( 2E3 )\r\n\r\n0 < n <= 1000"},
      {Ds, "5000", -1, ""},
      {Ds, "5001", 0, "\"ds\" = 5001 mm je neobvykle velká !\r\n( více než 5000 mm )"},
      {Ds, "1e300", 155, "0 < ds <= 100000 mm"},
  };
  for (const Case& c : cases) {
    std::string text = c.text;
    const std::vector<Refusal> p = c.field == H    ? checkDepthH(text)
                                   : c.field == D1 ? checkD1(text)
                                   : c.field == D2 ? checkD2(text, "2000")
                                   : c.field == N  ? checkBoltCount(text)
                                                   : checkRowSpacing(text);
    if (c.message < 0) {
      EXPECT_TRUE(p.empty()) << c.text;
      continue;
    }
    ASSERT_FALSE(p.empty()) << c.text;
    EXPECT_EQ(p[0].kind == DlgKind::Warning, c.message == 0) << c.text;
    EXPECT_EQ(p[0].message, c.message) << c.text;
    EXPECT_NE(p[0].text(cz).find(c.part), std::string::npos) << c.text << ": " << p[0].text(cz);
  }
  // The English warning says the same.
  EXPECT_EQ(checkDepthH("6000")[0].text(Language::English),
            "The effective depth \"H\" = 6000 m is unusually large !\r\n( more than 5000 m )\r\n\r\n"
            "Please check the input.");
}

// A file just opened: every typed input holding a text is checked in the order of the form, with the
// width histogram's warning first; the file is named after each message.
TEST(InputChecksTest, OpenedInputsAreCheckedInTheOrderOfTheForm) {
  ProjectState p;
  p.nextLayerRow = 3;
  p.layers[1].thickness = "2x";
  p.depthH = "devetset";
  p.d1 = "80";
  p.d2 = "90";
  p.boltCount = "";  // not given yet: the chain asks for it
  p.rowSpacing = "1000";
  p.width.name = "B.dis";
  p.width.histogram.count = 3;
  p.width.histogram.min = 40;
  p.width.histogram.step = 10;
  p.width.histogram.max = 60;
  const auto m = typedInputMessages(p);
  ASSERT_EQ(m.size(), 5u);
  EXPECT_EQ(m[0].kind, DlgKind::Warning);  // B reaches 60 m
  EXPECT_NE(m[0].text(cz).find("60 m"), std::string::npos);
  EXPECT_EQ(m[1].message, 149);
  EXPECT_EQ(m[1].layerRow, 2);
  EXPECT_EQ(m[2].message, 145);
  EXPECT_EQ(m[3].kind, DlgKind::Warning);  // d1 = 80 mm
  EXPECT_EQ(m[4].message, 146);            // d2 >= d1
  EXPECT_EQ(fileValueText(m[2], "/p/a.hor", Language::English),
            MessageText(145, Language::English) + "devetset )\r\n\r\nFile:  /p/a.hor");
  EXPECT_EQ(fileValueText(m[1], "/p/a.hor", cz),
            msg(149) + "       2 ! ( 2x )\r\n\r\n\r\nSoubor :  /p/a.hor");
}

TEST(InputChecksTest, BStarIsTheCentreOfTheMedianBin) {
  Histogram h;
  h.count = 4;
  h.min = 4.0;
  h.step = 0.5;
  h.max = 5.5;
  h.p[0] = h.p[1] = h.p[2] = 0.2;
  h.p[3] = 0.4;
  auto b = bStarFromWidth(h);
  ASSERT_TRUE(b);
  EXPECT_DOUBLE_EQ(*b, 5.0);

  h.p[0] = 0.5;  // the first bin reaching 0.5 exactly counts
  EXPECT_DOUBLE_EQ(*bStarFromWidth(h), 4.0);

  Histogram low = h;  // never reaches 0.5
  low.p = {};
  low.p[0] = low.p[1] = 0.1;
  EXPECT_FALSE(bStarFromWidth(low));

  Histogram zero = h;  // median bin centred at 0
  zero.min = -0.5;
  zero.step = 0.5;
  zero.p = {};
  zero.p[0] = 0.2;
  zero.p[1] = 0.8;
  EXPECT_FALSE(bStarFromWidth(zero));

  Histogram bins = h;  // probabilities beyond count are ignored
  bins.count = 2;
  bins.p[0] = 0.1;
  bins.p[1] = 0.1;
  bins.p[2] = 0.8;
  EXPECT_FALSE(bStarFromWidth(bins));
}

TEST(InputChecksTest, CreatedSlotNameAndSendConfirmation) {
  EXPECT_EQ(createdSlotName("Parametrické rozdělení"), "Vytvořen ( \"Parametrické rozdělení\" )");
  EXPECT_EQ(sendConfirmationText("A", "B", 3, cz), MessageFormat(142, cz, {"A", "B", "= 3"}));
  EXPECT_EQ(sendConfirmationText("A", "B", 0, cz), MessageFormat(142, cz, {"A", "B", " "}));
}

TEST(InputChecksTest, KeyFiltersPassReplaceOrRefuse) {
  struct Case {
    KeyClass cls;
    char32_t in;
    bool accept, beep;
    char32_t out;
  };
  const Case cases[] = {
      {KeyClass::Real, U'7', true, false, U'7'},    {KeyClass::Real, U',', true, false, U'.'},
      {KeyClass::Real, U'e', true, false, U'E'},    {KeyClass::Real, U'-', true, false, U'-'},
      {KeyClass::Real, U'a', false, true, 0},       {KeyClass::Real, U' ', false, true, 0},
      {KeyClass::Real, U'\b', true, false, U'\b'},  {KeyClass::Integer, U'.', false, true, 0},
      {KeyClass::Integer, U'-', false, true, 0},    {KeyClass::Integer, U'e', true, false, U'e'},
      {KeyClass::Integer, U'5', true, false, U'5'}, {KeyClass::Name, U'ř', true, false, U'ř'},
      {KeyClass::Name, U'_', true, false, U'_'},    {KeyClass::Name, U'/', false, false, 0},
      {KeyClass::Name, U'ä', false, false, 0},      {KeyClass::Name, U'Ů', false, false, 0},
  };
  for (const auto& c : cases) {
    KeyVerdict v = filterKey(c.cls, c.in);
    EXPECT_EQ(v.accept, c.accept) << static_cast<unsigned>(c.in);
    EXPECT_EQ(v.beep, c.beep) << static_cast<unsigned>(c.in);
    if (c.accept) {
      EXPECT_EQ(v.replacement, c.out) << static_cast<unsigned>(c.in);
    }
  }
  EXPECT_EQ(filterText(KeyClass::Real, "2,5e3 m"), "2.5E3");
  EXPECT_EQ(filterText(KeyClass::Name, "Důl/Žofie\x01_1"), "DůlŽofie_1");
  EXPECT_EQ(filterText(KeyClass::Name,
                       "\xff\xfe"
                       "ab"),
            "ab");  // broken UTF-8 is dropped
}

}  // namespace
