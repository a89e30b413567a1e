#include "ui/QtDialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdlib>
#include <functional>

#include "reliability/InputChecks.h"
#include "shell/Dialogs.h"
#include "shell/Language.h"
#include "shell/Messages.h"
#include "ui/WidgetHelpers.h"

using namespace Qt::StringLiterals;

namespace {

// Runs `act` on the message box once it is shown modally.
void whenBoxShows(std::function<void(MessageDialog*)> act) {
  auto* timer = new QTimer;
  QObject::connect(timer, &QTimer::timeout, [timer, act] {
    if (auto* box = qobject_cast<MessageDialog*>(QApplication::activeModalWidget())) {
      timer->stop();
      timer->deleteLater();
      act(box);
    }
  });
  timer->start(10);
}

struct Seen {
  QString title, text;
  DlgKind kind = DlgKind::Warning;
  QStringList buttons;
  QString defaultButton;
  bool hasIcon = false, textFits = false;
};

Seen look(MessageDialog* box) {
  Seen s{box->windowTitle(), box->text(), box->kind(), {}, {}};
  for (QPushButton* b : box->buttons()) s.buttons << b->text();
  if (box->defaultButton()) s.defaultButton = box->defaultButton()->text();
  auto* icon = box->findChild<QLabel*>(u"MessageIcon"_s);
  s.hasIcon = icon && !icon->pixmap().isNull();
  auto* view = box->findChild<MessageTextView*>(u"MessageText"_s);
  s.textFits =
      view && view->width() >= view->sizeHint().width() && view->height() >= view->sizeHint().height();
  return s;
}

QPushButton* buttonWithText(MessageDialog* box, const QString& text) {
  for (QPushButton* b : box->buttons())
    if (b->text() == text) return b;
  return nullptr;
}

}  // namespace

TEST(QtDialogs, QuestionHasYesNoWithTheDefaultAndNoCancels) {
  Language language = Language::Czech;
  QtDialogs dialogs([&language] { return language; });
  setDialogs(&dialogs);
  Seen seen;
  whenBoxShows([&](MessageDialog* box) {
    seen = look(box);
    buttonWithText(box, u"&Ne"_s)->click();
  });
  EXPECT_FALSE(confirmDialog(language, "Soubor \r\n\r\n    a.dis\r\n\r\njiž existuje ! Přepsat ?", mrNo));
  EXPECT_EQ(seen.title, u"P o t v r z e n í"_s);
  EXPECT_EQ(seen.text, u"Soubor \n\n    a.dis\n\njiž existuje ! Přepsat ?"_s);
  EXPECT_EQ(seen.kind, DlgKind::Confirmation);
  EXPECT_TRUE(seen.hasIcon);
  EXPECT_TRUE(seen.textFits);
  EXPECT_EQ(seen.buttons, (QStringList{u"&Ano"_s, u"&Ne"_s}));
  EXPECT_EQ(seen.defaultButton, u"&Ne"_s);

  // Escape answers No; in English the buttons and the title follow the language.
  language = Language::English;
  whenBoxShows([&](MessageDialog* box) {
    seen = look(box);
    box->reject();
  });
  EXPECT_EQ(
      messageDialog(MessageText(1, language), "Exit ?", DlgKind::Confirmation, DlgButtons::YesNo, mrYes),
      mrNo);
  EXPECT_EQ(seen.title, u"C o n f i r m a t i o n"_s);
  EXPECT_EQ(seen.defaultButton, u"&Yes"_s);

  whenBoxShows([&](MessageDialog* box) { buttonWithText(box, u"&Yes"_s)->click(); });
  EXPECT_TRUE(confirmDialog(language, "Exit ?"));
  setDialogs(nullptr);
}

TEST(QtDialogs, NoticesHaveTheirIconAndOk) {
  QtDialogs dialogs;
  setDialogs(&dialogs);
  const struct {
    void (*show)(Language, std::string_view);
    const char* title;
    DlgKind kind;
  } cases[] = {{infoDialog, "I n f o r m a c e", DlgKind::Information},
               {errorDialog, "C h y b a", DlgKind::Error},
               {warningDialog, "U p o z o r n ě n í", DlgKind::Warning}};
  for (const auto& c : cases) {
    Seen seen;
    whenBoxShows([&](MessageDialog* box) {
      seen = look(box);
      box->defaultButton()->click();
    });
    c.show(Language::Czech, "<b>not markup</b>");
    EXPECT_EQ(seen.title, QString::fromUtf8(c.title));
    EXPECT_EQ(seen.kind, c.kind);
    EXPECT_TRUE(seen.hasIcon);
    EXPECT_EQ(seen.buttons, QStringList{u"OK"_s});
    EXPECT_EQ(seen.defaultButton, u"OK"_s);
    EXPECT_EQ(seen.text, u"<b>not markup</b>"_s);
  }
  setDialogs(nullptr);
}

TEST(QtDialogs, FileFiltersInQtForm) {
  EXPECT_EQ(qtFileFilters("Histogram (*.dis)|*.dis|All files (*.*)|*.*"),
            (QStringList{u"Histogram (*.dis)"_s, u"All files (*)"_s}));
  EXPECT_EQ(qtFileFilters("Text|*.txt;*.csv"), (QStringList{u"Text (*.txt *.csv)"_s}));
  EXPECT_EQ(qtFileFilters("Projekty VELTRA (*.hor)|*.hor"), (QStringList{u"Projekty VELTRA (*.hor)"_s}));
  EXPECT_EQ(qtFileFilters(""), (QStringList{u"(*)"_s}));
}

// Runs `act` on the first modal dialog of type T once it is shown.
template <typename T>
void whenModalShows(std::function<void(T*)> act) {
  auto* timer = new QTimer;
  QObject::connect(timer, &QTimer::timeout, [timer, act] {
    if (auto* d = qobject_cast<T*>(QApplication::activeModalWidget())) {
      timer->stop();
      timer->deleteLater();
      act(d);
    }
  });
  timer->start(10);
}

// Types `name` into a file dialog and accepts it, again while the dialog stays open: the dialog reads
// its folder in the background and may reset the name field meanwhile.
void chooseInFileDialog(const QString& name) {
  auto* timer = new QTimer;
  QObject::connect(timer, &QTimer::timeout, [timer, name, tries = 0]() mutable {
    auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!d) return;
    if (auto* edit = d->findChild<QLineEdit*>(u"fileNameEdit"_s)) edit->setText(name);
    if (++tries > 250)
      d->reject();  // give up (the test then fails) rather than hang
    else
      static_cast<QDialog*>(d)->accept();
    if (!d->isVisible()) {
      timer->stop();
      timer->deleteLater();
    }
  });
  timer->start(20);
}

TEST(QtDialogs, FileDialogTakesFolderFiltersAndSuffix) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QFile existing(dir.filePath(u"a.dis"_s));
  ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
  existing.close();
  QtDialogs dialogs;
  FileDialogOptions o;
  o.title = "Otevřít histogram";
  o.initialFolder = QDir(dir.path()).absolutePath().toStdString();
  o.defaultExtension = "dis";
  o.filter = "Histogram (*.dis)|*.dis|All files (*.*)|*.*";
  o.filterIndex = 2;

  QString title, selectedFilter, suffix, folder;
  QStringList filters;
  whenModalShows<QFileDialog>([&](QFileDialog* d) {
    title = d->windowTitle();
    filters = d->nameFilters();
    selectedFilter = d->selectedNameFilter();
    suffix = d->defaultSuffix();
    folder = d->directory().absolutePath();
    chooseInFileDialog(u"a.dis"_s);
  });
  const auto chosen = dialogs.openFileName(o);
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(QString::fromStdString(*chosen), dir.filePath(u"a.dis"_s));
  EXPECT_EQ(title, u"Otevřít histogram"_s);
  EXPECT_EQ(filters, (QStringList{u"Histogram (*.dis)"_s, u"All files (*)"_s}));
  EXPECT_EQ(selectedFilter, u"All files (*)"_s);
  EXPECT_EQ(suffix, u"dis"_s);
  EXPECT_EQ(folder, QDir(dir.path()).absolutePath());

  // Saving adds the default suffix; cancelling gives nothing.
  chooseInFileDialog(u"new"_s);
  const auto saved = dialogs.saveFileName(o);
  ASSERT_TRUE(saved.has_value());
  EXPECT_EQ(QString::fromStdString(*saved), dir.filePath(u"new.dis"_s));
  whenModalShows<QFileDialog>([](QFileDialog* d) { d->reject(); });
  EXPECT_FALSE(dialogs.saveFileName(o).has_value());
}

// A save dialog of several types: a name typed without extension takes the one of the filter the user
// picks, and the dialog tells which filter that was.
TEST(QtDialogs, SaveDialogTellsTheChosenFilterAndTakesItsExtension) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QtDialogs dialogs;
  FileDialogOptions o;
  o.initialFolder = QDir(dir.path()).absolutePath().toStdString();
  o.defaultExtension = "png";
  o.filter = "PNG (*.png)|*.png|SVG (*.svg)|*.svg|JPEG (*.jpg)|*.jpg;*.jpeg";
  whenModalShows<QFileDialog>([](QFileDialog* d) {
    auto* types = d->findChild<QComboBox*>(u"fileTypeCombo"_s);
    ASSERT_NE(types, nullptr);
    types->setCurrentIndex(1);  // as the user picks "SVG"
    emit types->activated(1);
    emit types->textActivated(types->itemText(1));
    chooseInFileDialog(u"obr"_s);
  });
  int chosen = 0;
  const auto saved = dialogs.saveFileNameFiltered(o, chosen);
  ASSERT_TRUE(saved.has_value());
  EXPECT_EQ(chosen, 2);
  EXPECT_EQ(*saved, dir.filePath(u"obr.svg"_s).toStdString());
}

TEST(QtDialogs, ColourDialogSpeaksBgr) {
  QtDialogs dialogs;
  QColor shown;
  whenModalShows<QColorDialog>([&](QColorDialog* d) {
    shown = d->currentColor();
    d->setCurrentColor(QColor(0x11, 0x22, 0x33));
    d->accept();
  });
  EXPECT_EQ(dialogs.chooseColour(15780518), std::optional<std::uint32_t>(0x332211u));
  EXPECT_EQ(shown, QColor(0xA6, 0xCA, 0xF0));
  whenModalShows<QColorDialog>([](QColorDialog* d) { d->reject(); });
  EXPECT_FALSE(dialogs.chooseColour(0).has_value());
}

TEST(WidgetHelpers, ColoursAreBgr) {
  EXPECT_EQ(colourFromBgr(0x0000FF), QColor(255, 0, 0));
  EXPECT_EQ(colourFromBgr(15780518), QColor(0xA6, 0xCA, 0xF0));
  for (std::uint32_t c : {0u, 0xFFFFFFu, 8388608u, 16769505u, 11783167u, 12639424u})
    EXPECT_EQ(bgrFromColour(colourFromBgr(c)), c);
  EXPECT_EQ(bgrFromColour(QColor(1, 2, 3)), 0x030201u);
}

TEST(WidgetHelpers, CentrCentresInTheStrip) {
  QWidget window;
  auto* fixed = new QLabel(u"VELTRA"_s, &window);
  fixed->setGeometry(10, 40, 100, 20);
  Centr(fixed, 207, 304);
  EXPECT_EQ(fixed->x(), 207 + (304 - 100) / 2);
  EXPECT_EQ(fixed->y(), 40);
  EXPECT_EQ(fixed->width(), 100);

  auto* autoSized = new QLabel(u"Verze :  1.5.6.5"_s, &window);
  autoSized->move(0, 70);
  Centr(autoSized, 5, 330);
  EXPECT_EQ(autoSized->width(), autoSized->sizeHint().width());
  EXPECT_EQ(autoSized->x(), 5 + (330 - autoSized->width()) / 2);
  EXPECT_EQ(autoSized->y(), 70);
  Centr(nullptr, 0, 10);  // harmless
}

// Images of the input messages (a warning naming an absurd value, a refusal with the allowed range)
// in both languages for a look by eye: VELTRA_SCREENSHOTS=DIR xvfb-run ...
TEST(QtDialogs, ScreenshotsOfInputMessages) {
  const char* dir = std::getenv("VELTRA_SCREENSHOTS");
  if (!dir) GTEST_SKIP() << "VELTRA_SCREENSHOTS not set";
  Language language = Language::Czech;
  QtDialogs dialogs([&language] { return language; });
  setDialogs(&dialogs);
  for (const Language lang : {Language::Czech, Language::English}) {
    language = lang;
    const std::string code = lang == Language::Czech ? "cs" : "en";
    std::string depth = "6000";
    const Refusal warned = checkDepthH(depth).front();
    const Refusal refused = checkRowSpacing(depth = "1e300").front();
    const std::pair<const Refusal*, const char*> shots[] = {{&warned, "warning"}, {&refused, "refusal"}};
    for (const auto& [problem, name] : shots) {
      whenBoxShows([&, name = name](MessageDialog* box) {
        box->grab().save(QString::fromUtf8(dir) + u"/input_"_s + QString::fromUtf8(name) + u"_"_s +
                         QString::fromStdString(code) + u".png"_s);
        box->defaultButton()->click();
      });
      if (problem->kind == DlgKind::Warning)
        warningDialog(lang, problem->text(lang));
      else
        errorDialog(lang, problem->text(lang));
    }
  }
  setDialogs(nullptr);
}
