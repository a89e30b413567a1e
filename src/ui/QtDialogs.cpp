#include "ui/QtDialogs.h"

#include <QApplication>
#include <QBoxLayout>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QTextOption>
#include <QTranslator>

#include "shell/Dialogs.h"
#include "shell/Language.h"
#include "ui/NamedWidget.h"
#include "ui/RuntimeTexts.h"
#include "ui/Services.h"
#include "ui/WidgetHelpers.h"

using namespace Qt::StringLiterals;

namespace {

QString qt(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QStyle::StandardPixmap iconOf(DlgKind kind) {
  switch (kind) {
    case DlgKind::Warning:
      return QStyle::SP_MessageBoxWarning;
    case DlgKind::Error:
      return QStyle::SP_MessageBoxCritical;
    case DlgKind::Information:
      return QStyle::SP_MessageBoxInformation;
    case DlgKind::Confirmation:
      return QStyle::SP_MessageBoxQuestion;
  }
  return QStyle::SP_MessageBoxInformation;
}

}  // namespace

QString qtMessageText(std::string_view text) {
  QString s = qt(text);
  s.replace(u"\r\n"_s, u"\n"_s);
  s.replace(u'\r', u'\n');
  return s;
}

void applyQtLanguage(Language language) {
  static QTranslator* czech = nullptr;
  static bool installed = false;
  if (!QCoreApplication::instance()) return;
  if (language == Language::Czech && !czech) {
    auto* t = new QTranslator(QCoreApplication::instance());
    if (t->load(QLocale(QLocale::Czech), u"qtbase"_s, u"_"_s,
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
      czech = t;
    else
      delete t;  // Qt's translations are not installed: Qt speaks English
  }
  if (!czech) return;
  const bool wanted = language == Language::Czech;
  if (wanted == installed) return;
  installed =
      wanted ? QCoreApplication::installTranslator(czech) : !QCoreApplication::removeTranslator(czech);
}

QStringList qtFileFilters(std::string_view filter) {
  const QStringList parts = qt(filter).split(u'|');
  QStringList out;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts);
    for (QString& p : patterns) {
      p = p.trimmed();
      if (p == u"*.*"_s) p = u"*"_s;
    }
    QString description = parts[i].trimmed();
    // "Text (*.txt)" already names its patterns; Qt reads the patterns from the last parentheses.
    const qsizetype open = description.lastIndexOf(u'(');
    if (open >= 0 && description.endsWith(u')')) description = description.left(open).trimmed();
    out << description + u" ("_s + patterns.join(u' ') + u')';
  }
  if (out.isEmpty()) out << u"(*)"_s;
  return out;
}

QWidget* QtDialogs::parentWidget() const {
  if (parent_) return parent_;
  return QApplication::activeWindow();
}

MessageTextView::MessageTextView(const QString& text, QWidget* parent) : QWidget(parent), text_(text) {
  setObjectName(u"MessageText"_s);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

int MessageTextView::tabStop() const { return 8 * fontMetrics().averageCharWidth(); }

QSize MessageTextView::sizeHint() const {
  const QRect r =
      fontMetrics().boundingRect(QRect(0, 0, 100000, 100000), Qt::TextExpandTabs, text_, tabStop());
  return r.size() + QSize(2, 2);
}

void MessageTextView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QTextOption option;
  option.setTabStopDistance(tabStop());
  option.setWrapMode(QTextOption::NoWrap);
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawText(QRectF(rect()), text_, option);
}

MessageDialog::MessageDialog(const QString& caption, const QString& text, DlgKind kind, DlgButtons buttons,
                             int defaultButton, Language language, QWidget* parent)
    : QDialog(parent),
      kind_(kind),
      answer_(buttons == DlgButtons::Ok            ? mrOk
              : buttons == DlgButtons::YesNoCancel ? mrCancel
                                                   : mrNo) {
  setObjectName(u"MessageDialog"_s);
  setWindowTitle(caption);
  setModal(true);

  auto* icon = named<QLabel>(this, u"MessageIcon"_s);
  icon->setPixmap(style()->standardIcon(iconOf(kind), nullptr, this).pixmap(32, 32));
  icon->setAlignment(Qt::AlignTop);
  textView_ = new MessageTextView(text, this);

  auto* row = new QHBoxLayout;
  row->setSpacing(16);
  row->addWidget(icon, 0, Qt::AlignTop);
  row->addWidget(textView_, 1, Qt::AlignTop);

  auto* box = new QDialogButtonBox(this);
  auto add = [&](const QString& caption, int result) {
    QPushButton* b = box->addButton(caption, QDialogButtonBox::AcceptRole);
    connect(b, &QPushButton::clicked, this, [this, result] {
      answer_ = result;
      accept();
    });
    buttons_ << b;
    if (result == defaultButton || buttons_.size() == 1) default_ = b;
    return b;
  };
  const auto label = [language](RuntimeText id) { return QString::fromStdString(runtimeText(id, language)); };
  if (buttons != DlgButtons::Ok) {
    add(label(RuntimeText::DialogYes), mrYes);
    add(label(RuntimeText::DialogNo), mrNo);
    if (buttons == DlgButtons::YesNoCancel) add(label(RuntimeText::DialogCancel), mrCancel);
  } else {
    add(label(RuntimeText::DialogOk), mrOk);
  }
  for (QPushButton* b : buttons_) b->setAutoDefault(false);
  default_->setDefault(true);
  default_->setFocus();
  box->setCenterButtons(false);

  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->setContentsMargins(20, 16, 20, 12);
  layout->setSpacing(16);
  layout->addLayout(row);
  layout->addWidget(box);
}

int QtDialogs::message(std::string_view caption, std::string_view text, DlgKind kind, DlgButtons buttons,
                       int defaultButton) {
  // A closed box (Escape, the window's close) keeps the initial answer: OK, or No for a question.
  const Language language = language_ ? language_() : Language::Czech;
  MessageDialog dialog(qt(caption), qtMessageText(text), kind, buttons, defaultButton, language,
                       parentWidget());
  dialog.exec();
  return dialog.answer();
}

void QtDialogs::plainMessage(std::string_view text) {
  QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), qtMessageText(text),
                  QMessageBox::Ok, parentWidget());
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

// The extension of a Qt name filter's first pattern ("PNG (*.png *.PNG)" gives "png"); empty for "*".
static QString filterExtension(const QString& filter) {
  const qsizetype open = filter.lastIndexOf(u'(');
  const QString first = filter.mid(open + 1).section(u' ', 0, 0).remove(u')');
  return first.startsWith(u"*."_s) && first.count(u'*') == 1 ? first.mid(2) : QString();
}

std::optional<std::string> QtDialogs::fileName(const FileDialogOptions& o, bool save, int* chosenFilter) {
  QFileDialog dialog(parentWidget(), qt(o.title));
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  // The program asks its own overwrite question.
  dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  const QStringList filters = qtFileFilters(o.filter);
  dialog.setNameFilters(filters);
  if (o.filterIndex >= 1 && o.filterIndex <= filters.size())
    dialog.selectNameFilter(filters[o.filterIndex - 1]);
  if (!o.defaultExtension.empty()) dialog.setDefaultSuffix(qt(o.defaultExtension));
  // A name typed without extension takes the one of the filter chosen for it.
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, &o](const QString& f) {
    const QString ext = filterExtension(f);
    dialog.setDefaultSuffix(ext.isEmpty() ? qt(o.defaultExtension) : ext);
  });
  if (!o.initialFolder.empty() && QDir(qt(o.initialFolder)).exists())
    dialog.setDirectory(qt(o.initialFolder));
  if (!o.fileName.empty()) dialog.selectFile(qt(o.fileName));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty() || chosen.front().isEmpty()) return std::nullopt;
  if (chosenFilter) *chosenFilter = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
  return QDir::fromNativeSeparators(chosen.front()).toStdString();
}

std::optional<std::string> QtDialogs::openFileName(const FileDialogOptions& options) {
  return fileName(options, false);
}

std::optional<std::string> QtDialogs::saveFileName(const FileDialogOptions& options) {
  return fileName(options, true);
}

std::optional<std::string> QtDialogs::saveFileNameFiltered(const FileDialogOptions& options,
                                                           int& chosenFilter) {
  chosenFilter = options.filterIndex;
  return fileName(options, true, &chosenFilter);
}

std::optional<std::uint32_t> QtDialogs::chooseColour(std::uint32_t initial) {
  const QColor c = QColorDialog::getColor(colourFromBgr(initial), parentWidget());
  if (!c.isValid()) return std::nullopt;
  return bgrFromColour(c);
}

void QtDialogs::beep() { QApplication::beep(); }
