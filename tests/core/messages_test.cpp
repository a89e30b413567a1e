#include "shell/Messages.h"

#include <gtest/gtest.h>

#include <string>

#include "shell/Language.h"

namespace {

int count(const std::string& s, std::string_view what) {
  int n = 0;
  for (size_t p = s.find(what); p != std::string::npos; p = s.find(what, p + what.size())) ++n;
  return n;
}

}  // namespace

TEST(MessageTable, CzechTextsAsQuoted) {
  const struct {
    int number;
    const char* text;
  } cases[] = {
      {1, "P o t v r z e n í"},
      {2, "I n f o r m a c e"},
      {3, "C h y b a"},
      {4, "U p o z o r n ě n í"},
      {5,
       "A  d  r  e  s  á  ř  e  :\r\n\r\n\r\nVELTRA\t\t:   %s\r\n\r\nHistogramů\t:   %s\r\nProjektů\t\t:   "
       "%s\r\nVýsledků\t:   %s\r\nPrvotních dat\t:   %s"},
      {9,
       "Nabídka druhů hornin je prázdná !\r\n\r\n\tDoporučení :\r\nTabulku druhů naplňte z MENU : "
       "\"Nastavení\" -> "
       "\"Tabulka druhů hornin\" "},
      {13,
       "Výpočet  n e l z e  provést!\r\nPočet intervalů u histogramu > %s\r\n\r\nzadáno :  Pocet intervalů "
       "= "},
      {22,
       "V tabulce \r\n\r\n\t--- %s ---\r\n\r\n je \"%s\", které  n e n í  u l o ž e n o  do souboru "
       "!\r\n\r\n\t\tUložit histogram do souboru ?"},
      {23, " C e l k e m"},
      {26, "Uložit okno | Uloží do schránky aktuální stav okna -   \" "},
      {79, "     C h a r a k t e r i s t i k y"},
      {117, "Parametry vstupu  : F ( x | "},
      {135, "V tabulce \"horninových poměrů\" (řádek 1) \r\n\r\n\tMocnost m1 (2B*-suma_mi) <= 0.0 ( "},
      {136, "Vytvořen ( \""},
      {139, "Prvotmí data"},
      {142, "Uložit \" %s \" do tabulky\r\n\r\n\t%s %s\r\n"},
      {154, ""},
      {156, "Pelmora důlní výztuře"},
      {176, "   VELTRA :   graf histogramu : Pevnost neporušené horniny ( podle hodnocení )"},
      {213, ""},
      {406, "D e f i n i c e   t ř í d   n á s l e d k ů"},
      {411, "Počet intervalů n=(3..1024)"},
      {509, "Není splněna podmínka "},
  };
  for (const auto& c : cases) EXPECT_EQ(MessageText(c.number, Language::Czech), c.text) << c.number;
}

TEST(MessageTable, OutOfRangeTexts) {
  for (int n : {0, 600, -3, 61, 119, 220, 510}) {
    EXPECT_FALSE(MessageExists(n));
    EXPECT_EQ(MessageText(n, Language::Czech), "TextCis[" + std::to_string(n) + "] neexistuje !");
    EXPECT_EQ(MessageText(n, Language::English), "TextCis[" + std::to_string(n) + "] no exist !");
  }
  EXPECT_EQ(MessageText(0, Language::Czech), "TextCis[0] neexistuje !");
  EXPECT_EQ(MessageText(600, Language::English), "TextCis[600] no exist !");
}

TEST(MessageTable, EnglishTitlesAndTranslationsMatchTheirCzechTexts) {
  EXPECT_EQ(MessageText(1, Language::English), "C o n f i r m a t i o n");
  EXPECT_EQ(MessageText(2, Language::English), "I n f o r m a t i o n");
  EXPECT_EQ(MessageText(3, Language::English), "E r r o r");
  EXPECT_EQ(MessageText(4, Language::English), "W a r n i n g");
  int entries = 0;
  for (int n = -1; n <= 520; ++n) {
    if (!MessageExists(n)) continue;
    ++entries;
    const std::string cs = MessageText(n, Language::Czech), en = MessageText(n, Language::English);
    // Every text is translated, fills the same placeholders and breaks lines only with CR LF.
    EXPECT_EQ(cs.empty(), en.empty()) << n;
    EXPECT_EQ(count(cs, "%s"), count(en, "%s")) << n;
    EXPECT_EQ(count(cs, "\n"), count(cs, "\r\n")) << n;
    EXPECT_EQ(count(en, "\n"), count(en, "\r\n")) << n;
    EXPECT_EQ(count(en, "\r"), count(en, "\r\n")) << n;
    if (n != 156 && n != 8 && !cs.empty() && cs.front() != ' ') {
      EXPECT_NE(cs, en) << n;
    }
  }
  EXPECT_EQ(entries, 211);
  for (int n : {110, 116, 214, 215, 221, 222, 407}) {
    EXPECT_GT(MessageText(n, Language::Czech).size(), 150u) << n;
    EXPECT_GT(MessageText(n, Language::English).size(), 150u) << n;
  }
}

TEST(MessageTable, FormatFillsPlaceholdersInOrder) {
  EXPECT_EQ(MessageFormat(20, Language::Czech, {"5", "3"}), "Min > Max   (Zadáno: Min 5  Max 3)");
  EXPECT_EQ(MessageFormat(142, Language::English, {"A", "B", "C"}),
            "Save \" A \" to the table\r\n\r\n\tB C\r\n");
  // Texts containing "%s" are not expanded again.
  EXPECT_EQ(MessageFormat(112, Language::Czech, {"%s.dis"}), "Soubor %s.dis  n e e x i s t u j e  !");
}

TEST(MessageTable, LanguageSelectsTheTexts) {
  EXPECT_EQ(MessageText(3, Language::English), "E r r o r");
  EXPECT_EQ(MessageText(600, Language::English), "TextCis[600] no exist !");
  EXPECT_EQ(MessageText(3, Language::Czech), "C h y b a");
  EXPECT_EQ(MessageText(0, Language::Czech), "TextCis[0] neexistuje !");
}
