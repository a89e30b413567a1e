#include "ui/VistaHlp.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QUrl>

#include "ralvex/Dialogs.h"
#include "shell/TextyCeskoAngl.h"
#include "ui/Pelmora.h"
#include "ui/Services.h"
#include "ui/TextSets.h"
#include "ui/WindowPlace.h"

using namespace Qt::StringLiterals;

TForm11::TForm11(Services& services, QWidget* parent) : QWidget(parent), services_(services) {
  setObjectName(u"Form11"_s);
  setWindowFlag(Qt::Window);

  auto* text = new QLabel(this);
  text->setObjectName(u"Label1"_s);
  text->setWordWrap(true);
  text->setGeometry(16, 12, 573, 84);
  text->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  auto* link = new QLabel(this);
  link->setObjectName(u"Label2"_s);
  link->setGeometry(16, 102, 573, 24);
  link->setTextFormat(Qt::RichText);
  link->setText(u"<a href=\"%1\">%1</a>"_s.arg(QString::fromLatin1(kSupportPage)));
  link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
  connect(link, &QLabel::linkActivated, this, &TForm11::Label2Click);

  auto* box = new QCheckBox(this);
  box->setObjectName(u"CheckBox1"_s);
  box->setGeometry(8, 140, 592, 40);
  QFont small = box->font();
  small.setPointSizeF(small.pointSizeF() * 0.9);  // the long question fits on one line
  box->setFont(small);
  connect(box, &QCheckBox::clicked, this, &TForm11::CheckBox1Click);

  restoreWindowPlace(*this, services_.settings, keys::kForm11);
  setFixedSize(605, 205);
  applyTexts(*this, 11, services_.language());
}

void TForm11::Label2Click() {
  TForm1* main = services_.windows.form1;
  const bool opened = main && main->urlOpener && main->urlOpener(QUrl(QString::fromLatin1(kSupportPage)));
  if (!opened) services_.dialogs.plainMessage(MessageText(7, services_.language()) + "\r\n\r\n" + kSupportPage);
  close();
}

void TForm11::CheckBox1Click() {
  auto* box = findChild<QCheckBox*>(u"CheckBox1"_s);
  if (!box || !box->isChecked()) return;
  TForm1* main = services_.windows.form1;
  if (main) {
    main->setHelpViewerOffer(false);
    QDir::setCurrent(QString::fromStdString(services_.folders.StartFolder));
    main->openHelpFile("Veltra.HLP");
  }
  close();
}

void TForm11::closeEvent(QCloseEvent* event) {
  storeWindowPlace(*this, services_.settings, keys::kForm11);
  if (services_.windows.form1) services_.windows.form1->setEnabled(true);
  event->accept();
}
