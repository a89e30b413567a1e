#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <functional>

#include "ralvex/Ralvex.h"
#include "ui/QtDialogs.h"
#include "ui/RalvexQt.h"

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
  ralvex::DlgKind kind = ralvex::DlgKind::Warning;
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
  s.textFits = view && view->width() >= view->sizeHint().width() && view->height() >= view->sizeHint().height();
  return s;
}

QPushButton* buttonWithText(MessageDialog* box, const QString& text) {
  for (QPushButton* b : box->buttons())
    if (b->text() == text) return b;
  return nullptr;
}

}  // namespace

TEST(QtDialogs, QuestionHasYesNoWithTheDefaultAndNoCancels) {
  QtDialogs dialogs;
  ralvex::setDialogs(&dialogs);
  ralvex::DodejDoMessage(true);
  Seen seen;
  whenBoxShows([&](MessageDialog* box) {
    seen = look(box);
    buttonWithText(box, u"&Ne"_s)->click();
  });
  EXPECT_FALSE(ralvex::Confirm("Soubor \r\n\r\n    a.dis\r\n\r\njiž existuje ! Přepsat ?", ralvex::mrNo));
  EXPECT_EQ(seen.title, u"P o t v r z e n í"_s);
  EXPECT_EQ(seen.text, u"Soubor \n\n    a.dis\n\njiž existuje ! Přepsat ?"_s);
  EXPECT_EQ(seen.kind, ralvex::DlgKind::Confirmation);
  EXPECT_TRUE(seen.hasIcon);
  EXPECT_TRUE(seen.textFits);
  EXPECT_EQ(seen.buttons, (QStringList{u"&Ano"_s, u"&Ne"_s}));
  EXPECT_EQ(seen.defaultButton, u"&Ne"_s);

  // Escape answers No; in English the buttons and the title follow the language.
  ralvex::DodejDoMessage(false);
  whenBoxShows([&](MessageDialog* box) {
    seen = look(box);
    box->reject();
  });
  EXPECT_EQ(ralvex::DefMessageDlg(ralvex::Msg(1), "Exit ?", ralvex::DlgKind::Confirmation, ralvex::DlgButtons::YesNo,
                                  ralvex::mrYes),
            ralvex::mrNo);
  EXPECT_EQ(seen.title, u"C o n f i r m a t i o n"_s);
  EXPECT_EQ(seen.defaultButton, u"&Yes"_s);

  whenBoxShows([&](MessageDialog* box) { buttonWithText(box, u"&Yes"_s)->click(); });
  EXPECT_TRUE(ralvex::Confirm("Exit ?"));
  ralvex::DodejDoMessage(true);
  ralvex::setDialogs(nullptr);
}

TEST(QtDialogs, NoticesHaveTheirIconAndOk) {
  QtDialogs dialogs;
  ralvex::setDialogs(&dialogs);
  ralvex::DodejDoMessage(true);
  const struct {
    void (*show)(std::string_view);
    const char* title;
    ralvex::DlgKind kind;
  } cases[] = {{ralvex::Info, "I n f o r m a c e", ralvex::DlgKind::Information},
               {ralvex::Error, "C h y b a", ralvex::DlgKind::Error},
               {ralvex::Warning, "U p o z o r n ě n í", ralvex::DlgKind::Warning}};
  for (const auto& c : cases) {
    Seen seen;
    whenBoxShows([&](MessageDialog* box) {
      seen = look(box);
      box->defaultButton()->click();
    });
    c.show("<b>not markup</b>");
    EXPECT_EQ(seen.title, QString::fromUtf8(c.title));
    EXPECT_EQ(seen.kind, c.kind);
    EXPECT_TRUE(seen.hasIcon);
    EXPECT_EQ(seen.buttons, QStringList{u"OK"_s});
    EXPECT_EQ(seen.defaultButton, u"OK"_s);
    EXPECT_EQ(seen.text, u"<b>not markup</b>"_s);
  }
  ralvex::setDialogs(nullptr);
}

TEST(QtDialogs, FileFiltersInQtForm) {
  EXPECT_EQ(qtFileFilters("Histogram (*.dis)|*.dis|All files (*.*)|*.*"),
            (QStringList{u"Histogram (*.dis)"_s, u"All files (*)"_s}));
  EXPECT_EQ(qtFileFilters("Text|*.txt;*.csv"), (QStringList{u"Text (*.txt *.csv)"_s}));
  EXPECT_EQ(qtFileFilters("Projekty VELTRA (*.hor)|*.hor"), (QStringList{u"Projekty VELTRA (*.hor)"_s}));
  EXPECT_EQ(qtFileFilters(""), (QStringList{u"(*)"_s}));
}

TEST(RalvexQt, ColoursAreBgr) {
  EXPECT_EQ(colourFromBgr(0x0000FF), QColor(255, 0, 0));
  EXPECT_EQ(colourFromBgr(15780518), QColor(0xA6, 0xCA, 0xF0));
  for (std::uint32_t c : {0u, 0xFFFFFFu, 8388608u, 16769505u, 11783167u, 12639424u})
    EXPECT_EQ(bgrFromColour(colourFromBgr(c)), c);
  EXPECT_EQ(bgrFromColour(QColor(1, 2, 3)), 0x030201u);
}

TEST(RalvexQt, CentrCentresInTheStrip) {
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
