#include "shell/Dialogs.h"

#include <gtest/gtest.h>

#include "../support/ScriptedDialogs.h"
#include "shell/Language.h"
#include "shell/Version.h"

namespace {

class DialogHelpers : public ::testing::Test {
 protected:
  ScriptedDialogs dialogs;
};

// A service that answers Yes/No questions with something other than Yes or No (a closed box).
class ClosingDialogs final : public Dialogs {
 public:
  int message(std::string_view, std::string_view, DlgKind, DlgButtons, int defaultButton) override {
    lastDefault = defaultButton;
    return 0;
  }
  void plainMessage(std::string_view) override {}
  std::optional<std::string> openFileName(const FileDialogOptions&) override { return std::nullopt; }
  std::optional<std::string> saveFileName(const FileDialogOptions&) override { return std::nullopt; }
  std::optional<std::uint32_t> chooseColour(std::uint32_t) override { return std::nullopt; }
  void beep() override {}
  int lastDefault = 0;
};

}  // namespace

TEST_F(DialogHelpers, HelpersTakeTheirTitlesFromTheFirstFourMessages) {
  dialogs.answer(mrYes);
  EXPECT_TRUE(confirmDialog(Language::Czech, "Chcete opravdu končit ?"));
  infoDialog(Language::Czech, "i");
  errorDialog(Language::Czech, "e");
  warningDialog(Language::Czech, "w");
  ASSERT_EQ(dialogs.asked.size(), 4u);
  const struct {
    const char* caption;
    DlgKind kind;
    DlgButtons buttons;
    int defaultButton;
  } expected[] = {{"P o t v r z e n í", DlgKind::Confirmation, DlgButtons::YesNo, mrYes},
                  {"I n f o r m a c e", DlgKind::Information, DlgButtons::Ok, mrOk},
                  {"C h y b a", DlgKind::Error, DlgButtons::Ok, mrOk},
                  {"U p o z o r n ě n í", DlgKind::Warning, DlgButtons::Ok, mrOk}};
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(dialogs.asked[i].caption, expected[i].caption);
    EXPECT_EQ(dialogs.asked[i].kind, expected[i].kind);
    EXPECT_EQ(dialogs.asked[i].buttons, expected[i].buttons);
    EXPECT_EQ(dialogs.asked[i].defaultButton, expected[i].defaultButton);
  }
  EXPECT_EQ(dialogs.asked[0].text, "Chcete opravdu končit ?");
}

TEST_F(DialogHelpers, TitlesAreInTheGivenLanguage) {
  errorDialog(Language::English, "x");
  dialogs.answer(mrYes);
  confirmDialog(Language::English, "y");
  infoDialog(Language::English, "z");
  warningDialog(Language::English, "w");
  errorDialog(Language::Czech, "x");
  ASSERT_EQ(dialogs.asked.size(), 5u);
  EXPECT_EQ(dialogs.asked[0].caption, "E r r o r");
  EXPECT_EQ(dialogs.asked[1].caption, "C o n f i r m a t i o n");
  EXPECT_EQ(dialogs.asked[2].caption, "I n f o r m a t i o n");
  EXPECT_EQ(dialogs.asked[3].caption, "W a r n i n g");
  EXPECT_EQ(dialogs.asked[4].caption, "C h y b a");
}

TEST_F(DialogHelpers, NoCancels) {
  dialogs.answer(mrNo);
  EXPECT_FALSE(confirmDialog(Language::Czech, "Přepsat ?"));
  dialogs.answer(mrNo);
  EXPECT_EQ(messageDialog("T", "Q", DlgKind::Confirmation, DlgButtons::YesNo, mrNo), mrNo);
  dialogs.answer(mrYes);
  EXPECT_EQ(messageDialog("T", "Q", DlgKind::Confirmation, DlgButtons::YesNo, mrNo), mrYes);
  ASSERT_EQ(dialogs.asked.size(), 3u);
  EXPECT_EQ(dialogs.asked[1].defaultButton, mrNo);
  EXPECT_EQ(dialogs.asked[1].caption, "T");
}

TEST_F(DialogHelpers, DefMessageDlgPassesCaptionAndNormalisesDefaults) {
  EXPECT_EQ(
      messageDialog("     C h a r a k t e r i s t i k y", "text", DlgKind::Information, DlgButtons::Ok, 6),
      mrOk);
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].caption, "     C h a r a k t e r i s t i k y");
  EXPECT_EQ(dialogs.asked[0].defaultButton, mrOk);  // an OK box has only OK
  dialogs.answer(mrYes);
  messageDialog("T", "Q", DlgKind::Confirmation, DlgButtons::YesNo, 1);
  EXPECT_EQ(dialogs.asked[1].defaultButton, mrYes);  // a Yes/No box defaults to Yes unless told No
}

TEST(DialogsService, AClosedQuestionCountsAsNo) {
  ClosingDialogs closing;
  setDialogs(&closing);
  EXPECT_EQ(messageDialog("T", "Q", DlgKind::Confirmation, DlgButtons::YesNo, mrYes), mrNo);
  EXPECT_FALSE(confirmDialog(Language::Czech, "Q"));
  EXPECT_EQ(messageDialog("T", "Q", DlgKind::Error, DlgButtons::Ok, mrOk), mrOk);
  setDialogs(nullptr);
  // The silent service in force without an installed one answers with the default button.
  EXPECT_EQ(messageDialog("T", "Q", DlgKind::Confirmation, DlgButtons::YesNo, mrNo), mrNo);
  EXPECT_TRUE(confirmDialog(Language::Czech, "Q"));
}

TEST(ProgramVersion, FourNumbersOfTheBuild) {
  EXPECT_EQ(programVersionText("/any/path/veltra"), "1.5.6.5");
  EXPECT_EQ(programVersionText(""), VELTRA_VERSION);
}
