// Renders the program's SVG icon to PNG files of the given sizes:
//   veltra_render_icon ICON.svg OUT_DIR SIZE... -> OUT_DIR/<size>x<size>/apps/<icon name>.png
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QString>
#include <QSvgRenderer>
#include <iostream>

int main(int argc, char* argv[]) {
  if (argc < 4) {
    std::cerr << "usage: veltra_render_icon ICON.svg OUT_DIR SIZE...\n";
    return 2;
  }
  QGuiApplication app(argc, argv);
  const QString svg = QString::fromLocal8Bit(argv[1]);
  QSvgRenderer renderer(svg);
  if (!renderer.isValid()) {
    std::cerr << "veltra_render_icon: cannot read " << argv[1] << '\n';
    return 1;
  }
  const QString name = QFileInfo(svg).completeBaseName() + QStringLiteral(".png");
  for (int i = 3; i < argc; ++i) {
    bool ok = false;
    const int size = QString::fromLocal8Bit(argv[i]).toInt(&ok);
    if (!ok || size < 1 || size > 4096) {
      std::cerr << "veltra_render_icon: bad size " << argv[i] << '\n';
      return 2;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    const QString dir = QString::fromLocal8Bit(argv[2]) + QStringLiteral("/%1x%1/apps").arg(size);
    QSaveFile out(dir + u'/' + name);
    if (!QDir().mkpath(dir) || !out.open(QIODevice::WriteOnly) || !image.save(&out, "PNG") || !out.commit()) {
      std::cerr << "veltra_render_icon: cannot write " << out.fileName().toStdString() << '\n';
      return 1;
    }
  }
  return 0;
}
