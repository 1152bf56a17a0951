// Save data: the dialog it asks, the bytes it writes, and what a failed save leaves behind.
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "UiTestSupport.h"
#include "report/SaveReport.h"
#include "ui/qt/StringGrid.h"

using namespace gb;
using gb::test::Program;

namespace {

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

QList<QByteArray> Lines(const QByteArray& bytes) {
  QList<QByteArray> lines = bytes.split('\n');
  if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
  for (QByteArray& line : lines) {
    if (line.endsWith('\r')) line.chop(1);
  }
  return lines;
}

// What the report writer makes of the window's stored set, computed apart from the window.
QByteArray ExpectedReport(const ParameterSet& p, int siteClass) {
  return QByteArray::fromStdString(ReportBytes(
      "UTF-8", {kPgaZoneItems[p.FPgaZoneIndex], kTgZoneItems[p.FTgZoneIndex], p,
                MakeResultGrid(ResultGrid::Pga, p), MakeResultGrid(ResultGrid::Period, p),
                MakeResultGrid(ResultGrid::Platform, p), static_cast<SiteClass>(siteClass)}));
}

void ChooseSiteClass(TForm1& form, int siteClass) {
  form.cbb3->setCurrentIndex(siteClass);
  emit form.cbb3->activated(siteClass);
}

void Save(Program& program, const QString& path) {
  program.recorder.saveAnswers.push_back(path);
  program.form->btn3->click();
}

}  // namespace

class TestSaveData : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
  }

  void startupReport() {
    Program program;
    const QString path = dir_->filePath(QStringLiteral("startup.csv"));
    Save(program, path);
    QVERIFY(program.recorder.errorBoxes.empty());
    const QByteArray bytes = ReadAll(path);
    QCOMPARE(bytes, ExpectedReport(program.form->Parameters(), scII));
    const QList<QByteArray> lines = Lines(bytes);
    QCOMPARE(lines.size(), 273);
    QCOMPARE(bytes.count("\r\n"), 273);
    QCOMPARE(lines[4], QByteArray("II类场地地震动峰值加速度(g),0.05"));
    QCOMPARE(lines[13], QByteArray(",I0,I1,II,III,IV,"));
    QCOMPARE(lines[14], QByteArray("多遇地震动,0.0120,0.0133,0.0167,0.0217,0.0208,"));
    QCOMPARE(lines[32], QByteArray("0.0000,0.0167,0.0500,0.0950,0.1450"));
    QCOMPARE(lines[272], QByteArray("6.0000,0.0032,0.0097,0.0208,0.0317"));
    QCOMPARE(program.recorder.notices.size(), std::size_t{1});
    QCOMPARE(program.recorder.notices[0].text, QStringLiteral("完成!"));
    QCOMPARE(program.recorder.notices[0].caption, gb::test::kTestTitle);
  }

  // The window and the command-line companion write the same bytes for the same inputs.
  void sameBytesAsTheCommandLine() {
#ifndef GB_CLI_PATH
    QSKIP("gb18306-cli is not built");
#else
    Program program;
    TForm1& form = *program.form;
    form.cbb1->setCurrentIndex(3);
    form.cbb2->setCurrentIndex(1);
    form.edt2->setText(QStringLiteral("2.0"));
    form.edt5->setText(QStringLiteral("0.1"));
    form.btn2->click();
    ChooseSiteClass(form, scIII);
    const QString windowFile = dir_->filePath(QStringLiteral("window.csv"));
    Save(program, windowFile);

    const QString cliFile = dir_->filePath(QStringLiteral("cli.csv"));
    QProcess cli;
    cli.start(
        QStringLiteral(GB_CLI_PATH),
        {QStringLiteral("--pga"), QStringLiteral("0.20"), QStringLiteral("--zone"),
         QStringLiteral("0.40"), QStringLiteral("--k2"), QStringLiteral("2.0"),
         QStringLiteral("--very-rare-tg-increment"), QStringLiteral("0.1"),
         QStringLiteral("--site"), QStringLiteral("III"), QStringLiteral("--report"), cliFile});
    QVERIFY(cli.waitForFinished(30000));
    QCOMPARE(cli.exitCode(), 0);
    const QByteArray windowBytes = ReadAll(windowFile);
    QVERIFY(!windowBytes.isEmpty());
    QCOMPARE(windowBytes, ReadAll(cliFile));
    QCOMPARE(windowBytes, ExpectedReport(form.Parameters(), scIII));
#endif
  }

  void dialogProposesProgramFolderThenLastFile() {
    Program program;
    const QString first = dir_->filePath(QStringLiteral("first.csv"));
    Save(program, first);
    program.form->btn3->click();  // cancelled
    QCOMPARE(program.recorder.saveRequests.size(), std::size_t{2});
    const TSaveDialogRequest& initial = program.recorder.saveRequests[0];
    QCOMPARE(initial.Filter, QStringLiteral("CSV(逗号分隔)(*.csv)|*.csv"));
    QCOMPARE(initial.DefaultExt, QStringLiteral("csv"));
    QVERIFY(initial.OverwritePrompt);
    QCOMPARE(initial.InitialDir, QCoreApplication::applicationDirPath());
    QCOMPARE(initial.FileName, QStringLiteral("地震动参数查询结果"));
    QCOMPARE(program.recorder.saveRequests[1].FileName, first);
    QCOMPARE(program.recorder.notices.size(), std::size_t{1});
  }

  void cancelWritesNothing() {
    Program program;
    program.form->btn3->click();
    QCOMPARE(program.recorder.saveRequests.size(), std::size_t{1});
    QVERIFY(program.recorder.notices.empty());
    QVERIFY(program.recorder.errorBoxes.empty());
    QVERIFY(QDir(dir_->path()).isEmpty());
  }

  // Inputs changed without Calculate change nothing in the report; a second save replaces it.
  void reportFollowsTheStoredSet() {
    Program program;
    TForm1& form = *program.form;
    const QString path = dir_->filePath(QStringLiteral("same.csv"));
    Save(program, path);
    const QByteArray first = ReadAll(path);
    form.cbb1->setCurrentIndex(5);
    form.cbb2->setCurrentIndex(2);
    form.edt1->setText(QStringLiteral("4"));
    Save(program, path);
    QCOMPARE(ReadAll(path), first);
    ChooseSiteClass(form, scI0);
    Save(program, path);
    const QList<QByteArray> before = Lines(first);
    const QList<QByteArray> after = Lines(ReadAll(path));
    QCOMPARE(after.mid(0, 32), before.mid(0, 32));
    QVERIFY(after.mid(32) != before.mid(32));
    QCOMPARE(program.recorder.notices.size(), std::size_t{3});
  }

  // After an interrupted calculation the report copies the grids as they stand.
  void reportAfterRejectedBetaMax() {
    Program program;
    TForm1& form = *program.form;
    QList<QByteArray> platformRows;
    for (int row = 0; row < 5; ++row) {
      QByteArray line;
      for (int col = 0; col < 6; ++col)
        line += QString(form.strngrd3->Cells(col, row)).toUtf8() + ',';
      platformRows << line;
    }
    form.cbb1->setCurrentIndex(2);
    form.edt6->setText(QStringLiteral("?"));
    form.btn2->click();
    const QString path = dir_->filePath(QStringLiteral("mixed.csv"));
    Save(program, path);
    const QList<QByteArray> lines = Lines(ReadAll(path));
    QCOMPARE(lines[4], QByteArray("II类场地地震动峰值加速度(g),0.15"));
    QCOMPARE(lines[11], QByteArray("地震动加速度放大系数反应谱的平台值(s),2.5"));
    QCOMPARE(lines[15], QByteArray("基本地震动,0.1125,0.1245,0.1500,0.1725,0.1650,"));
    QCOMPARE(lines.mid(25, 5), platformRows);
  }

  void unwritableTargets_data() {
    QTest::addColumn<QString>("relativePath");
    QTest::addColumn<QString>("systemText");
    QTest::newRow("missing folder") << "missing/report.csv"
                                    << "No such file or directory";
    QTest::newRow("folder is a file") << "kept.csv/report.csv"
                                      << "Not a directory";
  }
  void unwritableTargets() {
    QFETCH(QString, relativePath);
    QFETCH(QString, systemText);
    Program program;
    TForm1& form = *program.form;
    const QString kept = dir_->filePath(QStringLiteral("kept.csv"));
    Save(program, kept);
    const QByteArray keptBytes = ReadAll(kept);
    QVERIFY(!keptBytes.isEmpty());

    form.edt6->setText(QStringLiteral("3"));
    form.btn2->click();
    const QString target = dir_->filePath(relativePath);
    Save(program, target);
    QCOMPARE(program.recorder.errorBoxes.size(), std::size_t{1});
    QCOMPARE(program.recorder.errorBoxes[0].text,
             QStringLiteral("Cannot create file \"%1\". %2.").arg(target, systemText));
    QCOMPARE(program.recorder.errorBoxes[0].caption, gb::test::kTestTitle);
    QCOMPARE(program.recorder.notices.size(), std::size_t{1});
    QCOMPARE(ReadAll(kept), keptBytes);
    QVERIFY(!QFile::exists(target));
    QVERIFY(!QDir(dir_->filePath(QStringLiteral("missing"))).exists());
    QCOMPARE(program.form->Parameters().FBetaMax, 3.0);
  }

  void cleanup() { dir_.reset(); }

 private:
  std::unique_ptr<QTemporaryDir> dir_;
};

QTEST_MAIN(TestSaveData)
#include "tst_save_data.moc"
