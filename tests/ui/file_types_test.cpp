// The desktop's file types of VELTRA (packaging/linux): the project, results and histogram files are
// known by their names, and current project and results files also by their first bytes.
#include <gtest/gtest.h>

#include <QFile>
#include <QMimeDatabase>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <filesystem>

namespace fs = std::filesystem;
using namespace Qt::StringLiterals;

namespace {

const QString kPackaging = QStringLiteral(EXAMPLES_DIR "/../packaging/linux");
const QString kExamples = QStringLiteral(EXAMPLES_DIR "/Veltra");

class FileTypes : public ::testing::Test {
 protected:
  // The type definitions as a desktop installs them, beside the system's own; read once per process.
  static void SetUpTestSuite() {
    static QTemporaryDir data;
    fs::create_directories(data.path().toStdString() + "/mime/packages");
    QFile::copy(kPackaging + u"/cz.veltra.Veltra.xml"_s,
                data.path() + u"/mime/packages/cz.veltra.Veltra.xml"_s);
    qputenv("XDG_DATA_DIRS", (data.path() + u":/usr/share"_s).toUtf8());
    dir_ = new QTemporaryDir;
  }
  static void TearDownTestSuite() { delete dir_; }

  static QString copy(const QString& from, const QString& name) {
    const QString to = dir_->path() + u'/' + name;
    QFile::remove(to);
    EXPECT_TRUE(QFile::copy(from, to)) << name.toStdString();
    return to;
  }
  static QString put(const QString& name, const QByteArray& bytes) {
    QFile f(dir_->path() + u'/' + name);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return f.fileName();
  }

  static QTemporaryDir* dir_;
};
QTemporaryDir* FileTypes::dir_ = nullptr;

TEST_F(FileTypes, NamesDecideAndTheFirstBytesIdentifyFilesWithoutTheirExtension) {
  const QString project = kExamples + u"/Projects/Chodba_K12.hor"_s;
  const QString results = kExamples + u"/Results/Chodba_K12.Vys"_s;
  const QString histogram = kExamples + u"/Histograms/K_konvergence.dis"_s;
  struct Case {
    QString file;
    QString type;
  };
  const Case cases[] = {
      {project, u"application/x-veltra-project"_s},
      {results, u"application/x-veltra-results"_s},
      {histogram, u"application/x-veltra-histogram"_s},
      {copy(results, u"VYSLEDKY.VYS"_s), u"application/x-veltra-results"_s},
      {copy(histogram, u"k.DIS"_s), u"application/x-veltra-histogram"_s},
      // the header alone
      {copy(project, u"projekt"_s), u"application/x-veltra-project"_s},
      {copy(results, u"vysledky"_s), u"application/x-veltra-results"_s},
      {put(u"lf-projekt"_s,
           "POPIS DAT\n  Soubor vytvo\xf8"
           "en ve verzi :  1.5.6.5\n"),
       u"application/x-veltra-project"_s},
      // a project of an old version begins with its results name: its extension still names it
      {put(u"stary.hor"_s, "Chodba K12\r\nSirka_chodby.dis\r\n1\r\n"), u"application/x-veltra-project"_s},
      // a text that only mentions the header is no project
      {put(u"poznamka"_s, "Viz POPIS DAT\r\n"), u"text/plain"_s},
  };
  QMimeDatabase db;
  for (const Case& c : cases)
    EXPECT_EQ(db.mimeTypeForFile(c.file).name().toStdString(), c.type.toStdString()) << c.file.toStdString();
  EXPECT_TRUE(db.mimeTypeForName(u"application/x-veltra-project"_s).inherits(u"text/plain"_s));
  EXPECT_TRUE(db.mimeTypeForName(u"application/x-veltra-histogram"_s).inherits(u"text/plain"_s));
}

TEST_F(FileTypes, TheDesktopEntryOpensExactlyTheseTypes) {
  QFile f(kPackaging + u"/cz.veltra.Veltra.desktop"_s);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QString entry = QString::fromUtf8(f.readAll());
  const auto line =
      QRegularExpression(u"^MimeType=(.*)$"_s, QRegularExpression::MultilineOption).match(entry);
  ASSERT_TRUE(line.hasMatch());
  QStringList types = line.captured(1).split(u';', Qt::SkipEmptyParts);
  types.sort();
  EXPECT_EQ(types, (QStringList{u"application/x-veltra-histogram"_s, u"application/x-veltra-project"_s,
                                u"application/x-veltra-results"_s}));
  QMimeDatabase db;
  for (const QString& t : types) EXPECT_TRUE(db.mimeTypeForName(t).isValid()) << t.toStdString();
  EXPECT_TRUE(entry.contains(u"\nExec=veltra %F\n"_s));
}

}  // namespace
