// 文件 → "批量计算…": the dialogs answered by the recorder, the window's factors as defaults, the
// summary at the end, and Cancel.
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <sstream>

#include "UiTestSupport.h"
#include "batch/RunBatch.h"

using namespace gb;
using gb::test::Program;

namespace {

void WriteText(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Quiet : BatchObserver {
  void RowFailed(long long, const std::string&, const std::string&) override {}
  bool Progress(long long, long long) override { return true; }
  void TextLost(long long, const std::string&) override {}
};

// What the batch writes for `input` with these factor texts as the defaults, in UTF-8.
QByteArray Expected(const QByteArray& input, const char* const (&factors)[6]) {
  BatchSettings settings;
  for (int i = 0; i < 6; ++i) settings.defaults[biK1 + i] = factors[i];
  std::istringstream in(input.toStdString());
  std::string out;
  Quiet quiet;
  RunBatch(
      in, settings, [&](std::string_view piece) { out.append(piece); }, quiet);
  return QByteArray::fromStdString(out);
}

}  // namespace

class TestBatch : public QObject {
  Q_OBJECT

 private slots:
  void windowFactorsAreTheDefaults() {
    QTemporaryDir folder;
    const QString input = folder.filePath("线路.csv");
    const QByteArray sites = "id,pga,zone,k2\n1,0.2,0.40,\n2,0.05,0.35,2.5\n";
    WriteText(input, sites);
    Program program;
    TForm1& form = *program.form;
    form.edt2->setText("2");
    form.edt6->setText("3");
    program.recorder.openAnswers.push_back(input);
    program.recorder.saveAnswers.push_back(folder.filePath("out.csv"));
    form.BatchCalculation1->trigger();
    QCOMPARE(program.recorder.saveRequests.size(), std::size_t{1});
    QCOMPARE(program.recorder.saveRequests[0].FileName, folder.filePath("线路-结果.csv"));
    QCOMPARE(program.recorder.errorBoxes.size(), std::size_t{0});
    QCOMPARE(program.recorder.notices.size(), std::size_t{1});
    QCOMPARE(program.recorder.notices[0].text, QString("完成!"));
    const char* const factors[6] = {"2.9", "2", "0.3333", "0.05", "0.05", "3"};
    QCOMPARE(ReadAll(folder.filePath("out.csv")), Expected(sites, factors));
  }

  void failedRowsAreCountedWithTheFirst() {
    QTemporaryDir folder;
    WriteText(folder.filePath("in.csv"), "pga,zone,k1\n0.05,0.35,\n0.05,0.35,abc\n0.3,0.9,\n");
    Program program;
    program.recorder.openAnswers.push_back(folder.filePath("in.csv"));
    program.recorder.saveAnswers.push_back(folder.filePath("out.csv"));
    program.form->BatchCalculation1->trigger();
    QCOMPARE(program.recorder.notices.size(), std::size_t{0});
    QCOMPARE(program.recorder.errorBoxes.size(), std::size_t{1});
    QCOMPARE(program.recorder.errorBoxes[0].text,
             QString("2 行出错; 第 3 行: 'abc' is not a valid floating point value."));
    QCOMPARE(program.recorder.errorBoxes[0].flags, MB_OK | MB_ICONSTOP);
    QVERIFY(ReadAll(folder.filePath("out.csv")).count("\r\n") == 4);  // written all the same
  }

  void malformedInputIsAnErrorWithItsLine() {
    QTemporaryDir folder;
    WriteText(folder.filePath("in.csv"), "pga,zone\n0.05,0.35\n\"0.05,0.35\n");
    Program program;
    program.recorder.openAnswers.push_back(folder.filePath("in.csv"));
    program.recorder.saveAnswers.push_back(folder.filePath("out.csv"));
    program.form->BatchCalculation1->trigger();
    QCOMPARE(program.recorder.errorBoxes.size(), std::size_t{1});
    QCOMPARE(program.recorder.errorBoxes[0].text, QString("第 3 行: unterminated quoted field."));
    QVERIFY(!QFile::exists(folder.filePath("out.csv")));
  }

  // 50,000 sites show their progress; Cancel leaves no results file and says nothing.
  void cancelLeavesNoFile() {
    QTemporaryDir folder;
    QByteArray sites = "id,pga,zone\n";
    for (int i = 0; i < 50000; ++i) sites += QByteArray::number(i) + ",0.10,0.40\n";
    WriteText(folder.filePath("in.csv"), sites);
    for (const int cancelAt : {-1, 5}) {
      Program program;
      program.recorder.cancelAfterUpdates = cancelAt;
      program.recorder.openAnswers.push_back(folder.filePath("in.csv"));
      program.recorder.saveAnswers.push_back(folder.filePath("out.csv"));
      program.form->BatchCalculation1->trigger();
      QCOMPARE(program.recorder.progressTitles, std::vector<QString>{QString("批量计算")});
      QCOMPARE(program.recorder.errorBoxes.size(), std::size_t{0});
      if (cancelAt < 0) {
        // The test runs in the C locale, which groups no digits.
        QCOMPARE(program.recorder.progressTexts.back(), QString("已计算 100% (50000 行)"));
        QCOMPARE(program.recorder.notices.size(), std::size_t{1});
        QVERIFY(QFile::remove(folder.filePath("out.csv")));
      } else {
        QCOMPARE(program.recorder.progressTexts.size(), std::size_t{5});
        QCOMPARE(program.recorder.notices.size(), std::size_t{0});
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"in.csv"});
      }
    }
  }

  void cancelledDialogsDoNothing() {
    QTemporaryDir folder;
    WriteText(folder.filePath("in.csv"), "pga,zone\n0.05,0.35\n");
    Program program;
    program.form->BatchCalculation1->trigger();  // the open dialog cancelled
    program.recorder.openAnswers.push_back(folder.filePath("in.csv"));
    program.form->BatchCalculation1->trigger();  // the save dialog cancelled
    QCOMPARE(program.recorder.openFilters.size(), std::size_t{2});
    QCOMPARE(program.recorder.saveRequests.size(), std::size_t{1});
    QVERIFY(program.recorder.progressTitles.empty());
    QVERIFY(program.recorder.notices.empty() && program.recorder.errorBoxes.empty());
  }
};

QTEST_MAIN(TestBatch)
#include "tst_batch.moc"
