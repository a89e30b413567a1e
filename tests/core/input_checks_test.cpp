#include <gtest/gtest.h>

#include "reliability/InputChecks.h"
#include "shell/Messages.h"

namespace {

constexpr Language cz = Language::Czech;

std::string msg(int n) { return MessageText(n, cz); }

TEST(InputChecksTest, DepthHAcceptsEmptyAndPositiveNumbers) {
  EXPECT_TRUE(checkDepthH("", cz).empty());
  EXPECT_TRUE(checkDepthH("2.5", cz).empty());
  EXPECT_TRUE(checkDepthH("1E3", cz).empty());
  for (const std::string bad : {"-3", "0", "2,5", "abc", "1.5x"}) {
    auto p = checkDepthH(bad, cz);
    ASSERT_EQ(p.size(), 1u) << bad;
    EXPECT_EQ(p[0].message, 145);
    EXPECT_EQ(p[0].text, msg(145) + bad + " )");
  }
  EXPECT_EQ(checkDepthH("-3", cz)[0].text, "Neplatná ef.hloubka \"H\" !  ( -3 )");
}

TEST(InputChecksTest, D1EmptyIsAcceptedAndBadValuesNamed) {
  EXPECT_TRUE(checkD1("", cz).empty());
  EXPECT_TRUE(checkD1("30", cz).empty());
  auto p = checkD1("0", cz);
  ASSERT_EQ(p.size(), 1u);
  EXPECT_EQ(p[0].text, msg(146) + " \"d1\" !  ( 0 )\r\n");
}

TEST(InputChecksTest, D2EmptyBecomesZeroAndMustStayBelowD1) {
  std::string t;
  EXPECT_TRUE(checkD2(t, "30", cz).empty());
  EXPECT_EQ(t, "0");

  t = "0";
  EXPECT_TRUE(checkD2(t, "", cz).empty());  // a solid bolt with any d1
  t = "20";
  EXPECT_TRUE(checkD2(t, "30", cz).empty());

  t = "30";
  auto p = checkD2(t, "30", cz);
  ASSERT_EQ(p.size(), 1u);
  EXPECT_EQ(p[0].text, msg(146) + " \"d2\" ( d2 >= d1 )  !  ( 30 )\r\n");

  t = "10";  // d1 that is no number counts as 0
  EXPECT_EQ(checkD2(t, "x", cz).size(), 1u);

  t = "abc";
  p = checkD2(t, "30", cz);
  ASSERT_EQ(p.size(), 1u);
  EXPECT_EQ(p[0].text, msg(146) + " \" d2 \" !  ( abc )\r\n");

  t = "-5";  // negative and not below a negative d1: both dialogs
  EXPECT_EQ(checkD2(t, "-10", cz).size(), 2u);
}

TEST(InputChecksTest, BoltCountMustBePositiveAndEmptyIsInvalid) {
  EXPECT_TRUE(checkBoltCount("4", cz).empty());
  auto p = checkBoltCount("", cz);
  ASSERT_EQ(p.size(), 1u);
  EXPECT_EQ(p[0].text, msg(147) + " )\r\n");
  EXPECT_EQ(checkBoltCount("0", cz).size(), 1u);
}

TEST(InputChecksTest, RowSpacingEmptyBecomes1000) {
  std::string t;
  EXPECT_TRUE(checkRowSpacing(t, cz).empty());
  EXPECT_EQ(t, "1000");
  t = "-1";
  auto p = checkRowSpacing(t, cz);
  ASSERT_EQ(p.size(), 1u);
  EXPECT_EQ(p[0].message, 155);
  EXPECT_EQ(p[0].text, MessageFormat(155, cz, {"-1"}));
}

TEST(InputChecksTest, ThicknessesOfRowsTwoUpAreCheckedInOrder) {
  ProjectState p;
  p.nextLayerRow = 2;  // one layer: nothing to check
  EXPECT_FALSE(checkThicknesses(p, cz));

  p.nextLayerRow = 4;          // rows 2 and 3
  p.layers[0].thickness = "";  // row 1 is computed, never checked
  p.layers[1].thickness = "2.5";
  p.layers[2].thickness = "";
  auto r = checkThicknesses(p, cz);
  ASSERT_TRUE(r);
  EXPECT_EQ(r->row, 3);
  EXPECT_TRUE(r->warning);
  EXPECT_EQ(r->text, msg(150) + "       3 !\r\n");

  p.layers[1].thickness = "-1";
  r = checkThicknesses(p, cz);
  ASSERT_TRUE(r);
  EXPECT_EQ(r->row, 2);
  EXPECT_FALSE(r->warning);
  EXPECT_EQ(r->text, msg(149) + "       2 ! ( -1 )\r\n");

  p.layers[1].thickness = "2";
  p.layers[2].thickness = "3";
  EXPECT_FALSE(checkThicknesses(p, cz));
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
    if (c.accept) EXPECT_EQ(v.replacement, c.out) << static_cast<unsigned>(c.in);
  }
  EXPECT_EQ(filterText(KeyClass::Real, "2,5e3 m"), "2.5E3");
  EXPECT_EQ(filterText(KeyClass::Name, "Důl/Žofie\x01_1"), "DůlŽofie_1");
  EXPECT_EQ(filterText(KeyClass::Name,
                       "\xff\xfe"
                       "ab"),
            "ab");  // broken UTF-8 is dropped
}

}  // namespace
