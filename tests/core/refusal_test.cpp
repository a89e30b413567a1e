#include "shell/Refusal.h"

#include <gtest/gtest.h>

#include "shell/FileTexts.h"
#include "shell/Messages.h"

namespace {

// The parts of a refusal follow each other in one order, in either language.
TEST(Refusal, TextPutsItsPartsInOrder) {
  Refusal r = numberedRefusal(150, {}, " !");
  r.before.push_back(ownRefusal(RefusalText::DesignImpossible));
  r.layerRow = 3;
  r.then.push_back(numberedRefusal(228, {}, "7"));
  r.file = "/p/a.dis";
  WriteRefusal why;
  why.why = WriteRefusal::Why::DiskFull;
  r.writeReason = why;
  for (const Language l : {Language::Czech, Language::English}) {
    auto expected = [&](const std::string& row) {
      return RefusalTextOf(RefusalText::DesignImpossible, l) + MessageText(150, l) + row + " !" +
             MessageText(228, l) + "7" + FileTextFormat(FileText::FileNamed, l, {"/p/a.dis"}) + "\r\n\r\n" +
             why.text(l);
    };
    EXPECT_EQ(r.text(l), expected("3"));
    EXPECT_EQ(r.text(l, "  3."), expected("  3."));
  }
}

TEST(Refusal, OwnTextsAreFilledAndEveryIdHasBothLanguages) {
  const Refusal r = ownRefusal(RefusalText::HistogramKeyRepeated, {"Min", "2"});
  EXPECT_EQ(r.message, 0);
  EXPECT_EQ(r.text(Language::English), "The key word Min is given more than once ( 2 times )!");
  for (int id = 1; id < static_cast<int>(RefusalText::Count); ++id)
    for (const Language l : {Language::Czech, Language::English})
      EXPECT_FALSE(RefusalTextOf(static_cast<RefusalText>(id), l).empty()) << id;
  EXPECT_EQ(r.titleMessage(), 3);
  Refusal w = r;
  w.kind = DlgKind::Warning;
  EXPECT_EQ(w.titleMessage(), 4);
}

// A file that is no regular file is named by its reason; a missing one gets message 34.
TEST(Refusal, FileNotReadNamesTheReasonOrMessage34) {
  FileRefusal folder;
  folder.why = FileRefusal::Why::Folder;
  folder.path = "/tmp";
  EXPECT_EQ(fileNotRead(folder).text(Language::English), folder.text(Language::English));
  EXPECT_EQ(fileNotRead(FileRefusal{}).message, 34);
}

}  // namespace
