#include "ui/RockTypesWindow.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <filesystem>

#include "histogram/HistogramFile.h"
#include "io/AtomicFile.h"
#include "io/FileRead.h"
#include "persistence/RockTypes.h"
#include "shell/Dialogs.h"
#include "shell/Encoding.h"
#include "shell/Messages.h"
#include "shell/Refusal.h"
#include "ui/LostLetters.h"
#include "ui/NamedWidget.h"
#include "ui/ProjectModel.h"
#include "ui/QtText.h"
#include "ui/Services.h"
#include "ui/TextSets.h"
#include "ui/WindowPlace.h"

using namespace Qt::StringLiterals;

namespace {

FileDialogOptions rockTypeDialog(const Services& s) {
  FileDialogOptions o;
  o.fileName = "DruhyHornin";
  o.initialFolder = s.folders.ProjectsFolder;
  o.defaultExtension = "txt";
  o.filter = "Distributions Files (*.txt)|*.txt|All files (*.*)|*.*";
  o.filterIndex = 1;
  return o;
}

}  // namespace

RockTypesWindow::RockTypesWindow(Services& services, QWidget* parent) : SimpleWindow(services, 6, parent) {
  Memo1_ = named<QPlainTextEdit>(this, u"Memo1"_s);
  Memo1_->setLineWrapMode(QPlainTextEdit::NoWrap);

  OpenTabHorn_ = named<QPushButton>(this, u"OpenTabHorn"_s);
  OpenTabHorn_->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
  SaveTabHorn_ = named<QPushButton>(this, u"SaveTabHorn"_s);
  SaveTabHorn_->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
  SaveTabHorn_->setEnabled(false);
  BBSaveNabidky_ = new QPushButton(this);  // caption from the text set
  BBSaveNabidky_->setObjectName(u"BBSaveNabidky"_s);
  for (auto* b : {OpenTabHorn_, SaveTabHorn_, BBSaveNabidky_}) b->setAutoDefault(false);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(OpenTabHorn_);
  buttons->addWidget(SaveTabHorn_);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(Memo1_, 1);
  layout->addWidget(BBSaveNabidky_);

  connect(Memo1_, &QPlainTextEdit::textChanged, this, &RockTypesWindow::Memo1Change);
  connect(OpenTabHorn_, &QPushButton::clicked, this, &RockTypesWindow::OpenTabHornClick);
  connect(SaveTabHorn_, &QPushButton::clicked, this, &RockTypesWindow::SaveTabHornClick);
  connect(BBSaveNabidky_, &QPushButton::clicked, this, &RockTypesWindow::BBSaveNabidkyClick);

  applyOwnTexts();

  // The edit list starts with the first N items of the offer list.
  std::vector<std::string> first;
  if (const auto* offer = offerList())
    for (int i = 0; i < rockTypeCount() && i < static_cast<int>(offer->size()); ++i)
      first.push_back((*offer)[i]);
  setEditLines(first);
}

const std::vector<std::string>* RockTypesWindow::offerList() const {
  const ProjectModel* model = services_.windows.projectModel();
  return model ? &model->state().rockTypes : nullptr;
}

void RockTypesWindow::setOffer(std::vector<std::string> offer) {
  if (ProjectModel* model = services_.windows.projectModel()) model->setRockTypes(std::move(offer));
}

int& RockTypesWindow::rockTypeCount() const {
  static int none = 0;
  ProjectModel* model = services_.windows.projectModel();
  return model ? model->rockTypeCount() : none;
}

std::vector<std::string> RockTypesWindow::editLines() const {
  return splitTextLines(Memo1_->toPlainText().toStdString());
}

void RockTypesWindow::setEditLines(const std::vector<std::string>& lines) {
  QString text;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i) text += u'\n';
    text += qs(lines[i]);
  }
  filling_ = true;
  Memo1_->setPlainText(text);
  filling_ = false;
  const bool two = editLines().size() >= 2;
  BBSaveNabidky_->setEnabled(two);
  SaveTabHorn_->setEnabled(two);
}

void RockTypesWindow::openFromMain() {
  services_.windows.setMainEnabled(false);
  BBSaveNabidky_->setEnabled(false);
  loadedFromFile_ = false;
  show();
  raise();
  activateWindow();
}

void RockTypesWindow::Memo1Change() {
  if (filling_) return;
  const auto lines = editLines();
  if (lines.empty() || lines.front().empty()) {
    setEditLines({});
    setOffer({});
    close();
    return;
  }
  const bool two = lines.size() >= 2;
  BBSaveNabidky_->setEnabled(two);
  SaveTabHorn_->setEnabled(two);
}

void RockTypesWindow::BBSaveNabidkyClick() {
  const auto lines = editLines();
  rockTypeCount() = static_cast<int>(lines.size());
  std::vector<std::string> offer;
  for (const auto& l : lines)
    if (!l.empty()) offer.push_back(l);
  setOffer(std::move(offer));
  if (!loadedFromFile_) SaveTabHornClick();
  loadedFromFile_ = false;
  BBSaveNabidky_->setEnabled(false);
  close();
}

void RockTypesWindow::OpenTabHornClick() {
  const Language lang = services_.language();
  const auto chosen = services_.dialogs.openFileName(rockTypeDialog(services_));
  if (!chosen || chosen->empty()) return;
  std::string bytes;
  if (const auto refused = readWholeFile(*chosen, FileKind::RockTypes, bytes)) {
    errorDialog(lang, fileNotRead(*refused).text(lang));
    return;
  }
  const RockTypeFile file = parseRockTypeFile(bytes);
  loadedFromFile_ = true;
  rockTypeCount() = file.count;
  // The offer list keeps its earlier items until the offer command rebuilds it.
  if (const auto* offer = offerList()) {
    std::vector<std::string> longer = *offer;
    longer.insert(longer.end(), file.names.begin(), file.names.end());
    setOffer(std::move(longer));
  }
  setEditLines(file.names);
  BBSaveNabidky_->setEnabled(true);
}

void RockTypesWindow::SaveTabHornClick() {
  const Language lang = services_.language();
  const auto chosen = services_.dialogs.saveFileName(rockTypeDialog(services_));
  if (!chosen || chosen->empty()) return;
  std::string path = *chosen;
  if (fileNameOnly(path).find('.') == std::string::npos) path += ".txt";
  std::error_code ec;
  if (std::filesystem::exists(path, ec)) {
    if (!confirmDialog(lang, MessageFormat(6, lang, {path}))) return;
  }
  const std::string text = formatRockTypeText(rockTypeCount(), editLines());
  if (!confirmLostLetters(services_, unencodableLines(text))) return;
  if (WriteRefusal why; !writeFileAtomically(path, utf8ToCp1250(text), &why))
    errorDialog(lang, fileNotWritten(fileNameOnly(path), why).text(lang));
}
