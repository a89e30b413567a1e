#include "ui/HelpInfoWindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QUrl>

#include "shell/Dialogs.h"
#include "shell/Messages.h"
#include "ui/NamedWidget.h"
#include "ui/Services.h"
#include "ui/TextSets.h"
#include "ui/WindowPlace.h"

using namespace Qt::StringLiterals;

HelpInfoWindow::HelpInfoWindow(Services& services, QWidget* parent) : SimpleWindow(services, 11, parent) {
  auto* text = named<QLabel>(this, u"Label1"_s);
  text->setWordWrap(true);
  text->setGeometry(16, 12, 573, 84);
  text->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  auto* link = named<QLabel>(this, u"Label2"_s);
  link->setGeometry(16, 102, 573, 24);
  link->setTextFormat(Qt::RichText);
  link->setText(u"<a href=\"%1\">%1</a>"_s.arg(QString::fromLatin1(kSupportPage)));
  link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
  connect(link, &QLabel::linkActivated, this, &HelpInfoWindow::Label2Click);

  auto* box = named<QCheckBox>(this, u"CheckBox1"_s);
  box->setGeometry(8, 140, 592, 40);
  QFont small = box->font();
  small.setPointSizeF(small.pointSizeF() * 0.9);  // the long question fits on one line
  box->setFont(small);
  connect(box, &QCheckBox::clicked, this, &HelpInfoWindow::CheckBox1Click);

  setFixedSize(605, 205);
  applyOwnTexts();
}

void HelpInfoWindow::Label2Click() {
  if (!services_.windows.openUrl(kSupportPage))
    services_.dialogs.plainMessage(MessageText(7, services_.language()) + "\r\n\r\n" + kSupportPage);
  close();
}

void HelpInfoWindow::CheckBox1Click() {
  auto* box = findChild<QCheckBox*>(u"CheckBox1"_s);
  if (!box || !box->isChecked()) return;
  services_.windows.helpViewerConfirmed();
  close();
}
