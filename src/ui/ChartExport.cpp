#include "ui/ChartExport.h"

#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QSvgGenerator>
#include <QToolButton>

#include <filesystem>

#include "ralvex/Ralvex.h"
#include "shell/Messages.h"

using namespace Qt::StringLiterals;

namespace {

struct TargetInfo {
  const char* name;
  const char* ext;
};
constexpr TargetInfo kTargets[] = {{"Schranka", ""}, {"Bitmapa", "bmp"}, {"Metafile", "svg"}, {"JPGFile", "jpg"}};

}  // namespace

void SetUpChartExport(QToolButton& button, QWidget& chart, const std::string& folder) {
  auto* menu = new QMenu(&button);
  auto* sub = menu->addMenu(QString());
  sub->setObjectName(u"Grafdo1"_s);
  QAction* items[4];
  for (int i = 0; i < 4; ++i) {
    items[i] = sub->addAction(QString::fromLatin1(kTargets[i].name));
    items[i]->setObjectName(QString::fromLatin1(kTargets[i].name));
    items[i]->setCheckable(true);
  }
  items[0]->setChecked(true);
  // Exactly one item stays checked: unchecking the clipboard checks the bitmap, any other the clipboard.
  for (int i = 0; i < 4; ++i)
    QObject::connect(items[i], &QAction::toggled, &button, [items, i](bool on) mutable {
      if (on) {
        for (int k = 0; k < 4; ++k)
          if (k != i) items[k]->setChecked(false);
      }
    });
  for (int i = 0; i < 4; ++i)
    QObject::connect(items[i], &QAction::triggered, &button, [sub, i](bool on) {
      if (on) return;
      const auto acts = sub->actions();
      acts[i == 0 ? 1 : 0]->setChecked(true);
    });
  button.setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(&button, &QWidget::customContextMenuRequested, &button,
                   [menu, &button](const QPoint& at) { menu->popup(button.mapToGlobal(at)); });
  QObject::connect(&button, &QToolButton::clicked, &button, [&button, &chart, folder] {
    ExportChart(chart, CheckedChartTarget(button), folder);
  });
  button.setProperty("chartExportMenu", QVariant::fromValue(static_cast<QObject*>(sub)));
}

ChartTarget CheckedChartTarget(const QToolButton& button) {
  auto* sub = qobject_cast<QMenu*>(button.property("chartExportMenu").value<QObject*>());
  if (!sub) return ChartTarget::Clipboard;
  const auto acts = sub->actions();
  for (int i = 0; i < acts.size() && i < 4; ++i)
    if (acts[i]->isChecked()) return static_cast<ChartTarget>(i);
  return ChartTarget::Clipboard;
}

bool ExportChart(QWidget& chart, ChartTarget target, const std::string& folder) {
  if (target == ChartTarget::Clipboard) {
    QApplication::clipboard()->setPixmap(chart.grab());
    return true;
  }
  const TargetInfo& t = kTargets[static_cast<int>(target)];
  ralvex::FileDialogOptions o;
  o.initialFolder = folder;
  o.defaultExtension = t.ext;
  o.filter = std::string("Distributions Files (*.") + t.ext + ")|*." + t.ext + "|All files (*.*)|*.*";
  const auto path = ralvex::dialogs().saveFileName(o);
  if (!path) return false;
  std::error_code ec;
  if (std::filesystem::exists(*path, ec)) {
    const Language l = ralvex::libraryLanguage();
    if (ralvex::DefMessageDlg(MessageText(1, l), MessageFormat(6, l, {*path}), ralvex::DlgKind::Confirmation,
                              ralvex::DlgButtons::YesNo, ralvex::mrYes) != ralvex::mrYes)
      return false;
  }
  const QString file = QString::fromStdString(*path);
  if (target == ChartTarget::Metafile) {
    QSvgGenerator svg;
    svg.setFileName(file);
    svg.setSize(chart.size());
    svg.setViewBox(QRect(QPoint(0, 0), chart.size()));
    QPainter painter(&svg);
    chart.render(&painter);
    return painter.end();
  }
  return chart.grab().save(file, target == ChartTarget::Jpeg ? "JPG" : "BMP", target == ChartTarget::Jpeg ? 80 : -1);
}
