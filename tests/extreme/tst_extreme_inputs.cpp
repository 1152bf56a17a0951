// Extreme and hostile inputs through the whole window: Calculate, Save data, a site-class change
// and Save data again. Each step either shows one error box with its message or leaves texts of the
// number formats in the grids; the chart holds only finite points and still paints; a save writes
// a complete report or leaves the former file as it was. The outcome table is printed so that it
// can be quoted.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#include "platform/SystemCodePage.h"
#include "report/SaveReport.h"
#include "tests/ui/qt/UiTestSupport.h"
#include "ui/qt/StringGrid.h"

using namespace gb;
using gb::test::Program;

namespace {

const QString kReportSaved = QStringLiteral("report");

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TSpectrumSeries* SeriesOf(TForm1& form, int level) {
  TSpectrumSeries* const series[] = {form.hrzlnsrsSeries1, form.hrzlnsrsSeries2,
                                     form.hrzlnsrsSeries3, form.hrzlnsrsSeries4};
  return series[level];
}

// Applies "edt1=1e308;cbb1=5" to the window's controls; "nines:N" stands for N nines.
void Apply(TForm1& form, const QString& settings) {
  for (const QString& setting : settings.split(u';', Qt::SkipEmptyParts)) {
    const QString name = setting.section(u'=', 0, 0);
    const QString value = setting.section(u'=', 1);
    if (auto* edit = form.findChild<QLineEdit*>(name)) {
      edit->setText(value.startsWith(QStringLiteral("nines:")) ? QString(value.mid(6).toInt(), u'9')
                                                               : value);
    } else if (auto* list = form.findChild<QComboBox*>(name)) {
      list->setCurrentIndex(value.toInt());
    } else {
      QFAIL(qPrintable(QStringLiteral("no control ") + name));
    }
  }
}

// Points per curve, frequent to very rare.
QString PointCounts(TForm1& form) {
  QStringList counts;
  for (int level = 0; level < kLevelCount; ++level) {
    counts << QString::number(SeriesOf(form, level)->Count());
  }
  return counts.join(u' ');
}

// Every text a result cell may show: four decimals, the general format's exponent form, or the
// non-finite words.
bool IsNumberFormatText(const QString& text) {
  static const QRegularExpression pattern(
      QStringLiteral("^(-?[0-9]+\\.[0-9]{4}|-?[0-9](\\.[0-9]{1,14})?E-?[0-9]+|-?INF|NAN)$"));
  return pattern.match(text).hasMatch();
}

GridTexts TextsOf(const TStringGrid& grid) {
  GridTexts texts;
  for (int row = 0; row < kGridRows; ++row) {
    for (int col = 0; col < kGridColumns; ++col) {
      texts.Cells(col, row) = grid.Cells(col, row).toStdString();
    }
  }
  return texts;
}

}  // namespace

class TestExtremeInputs : public QObject {
  Q_OBJECT

  QStringList table_;

  // The new error box since `before`, or an empty text.
  static QString NewBox(const Program& program, std::size_t before) {
    const auto& boxes = program.recorder.errorBoxes;
    if (boxes.size() == before) return QString();
    if (boxes.size() > before + 1) return QStringLiteral("several boxes");
    return boxes.back().text;
  }

  // Checks what the chart holds and that it paints; returns its point counts.
  static QString CheckChart(TForm1& form) {
    for (int level = 0; level < kLevelCount; ++level) {
      const TSpectrumSeries& series = *SeriesOf(form, level);
      for (int i = 0; i < series.Count(); ++i) {
        if (!std::isfinite(series.XValue(i)) || !std::isfinite(series.YValue(i))) {
          return QStringLiteral("non-finite point in curve %1").arg(level);
        }
      }
    }
    const TChartRange bottom = form.cht2->BottomAxisRange(), left = form.cht2->LeftAxisRange();
    if (!(std::isfinite(left.Minimum) && std::isfinite(left.Maximum) &&
          left.Minimum < left.Maximum && bottom.Minimum < bottom.Maximum)) {
      return QStringLiteral("unusable axis range");
    }
    if (form.grab().isNull()) return QStringLiteral("window does not paint");
    return PointCounts(form);
  }

  // Save data over a former file: the notice and a complete report of the window's state, or
  // one error box and the former file as it was. Returns "report" or the box text.
  static QString SaveOver(Program& program, const QString& folder) {
    TForm1& form = *program.form;
    const QString path = folder + QStringLiteral("/report.csv");
    const QByteArray former = "former report\r\n";
    {
      QFile file(path);
      if (!file.open(QIODevice::WriteOnly) || file.write(former) != former.size()) {
        return QStringLiteral("cannot write the former file");
      }
    }
    const std::size_t boxes = program.recorder.errorBoxes.size();
    const std::size_t notices = program.recorder.notices.size();
    program.recorder.saveAnswers.push_back(path);
    form.btn3->click();
    const QString box = NewBox(program, boxes);
    const bool noticed = program.recorder.notices.size() == notices + 1;
    const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden |
                                                       QDir::System | QDir::NoDotAndDotDot);
    if (entries != QStringList{QStringLiteral("report.csv")}) {
      return QStringLiteral("folder holds ") + entries.join(u' ');
    }
    const QByteArray bytes = ReadAll(path);
    if (!box.isEmpty()) {
      if (noticed) return QStringLiteral("notice after an error box");
      return bytes == former ? box : box + QStringLiteral(" BUT THE FORMER FILE CHANGED");
    }
    if (!noticed) return QStringLiteral("neither box nor notice");
    const ParameterSet& p = form.Parameters();
    const QByteArray expected = QByteArray::fromStdString(
        ReportBytes(SystemCodePage(),
                    {kPgaZoneItems[p.FPgaZoneIndex], kTgZoneItems[p.FTgZoneIndex], p,
                     TextsOf(*form.strngrd1), TextsOf(*form.strngrd2), TextsOf(*form.strngrd3),
                     static_cast<SiteClass>(form.cbb3->currentIndex())}));
    if (bytes != expected || bytes.count("\r\n") != 273) {
      return QStringLiteral("incomplete or wrong report (%1 bytes)").arg(bytes.size());
    }
    return kReportSaved;
  }

 private slots:
  void initTestCase() {
    table_ << QStringLiteral(
        "inputs | Calculate | PGA very rare II | Tg rare II | platform very rare II | points "
        "| Save data (II) | site class I0 | points | Save data (I0)");
  }

  void extremeInputs_data() {
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QString>("calculateBox");
    QTest::addColumn<QString>("points");
    QTest::addColumn<QString>("save");
    QTest::addColumn<QString>("siteI0Box");
    QTest::addColumn<QString>("pointsI0");
    QTest::addColumn<QString>("saveI0");
    const QString none, all = QStringLiteral("241 241 241 241"), report = kReportSaved;
    const QString overflow = QStringLiteral("Floating point overflow.");
    const QString invalid = QStringLiteral("Invalid floating point operation.");
    // clang-format off
    QTest::newRow("designed") << "" << none << all << report << none << all << report;
    QTest::newRow("K1 1e308") << "edt1=1e308" << none << all << report << none << all << report;
    QTest::newRow("K1 -1e308") << "edt1=-1e308" << none << all << report << none << all << report;
    QTest::newRow("K1 1e309") << "edt1=1e309" << overflow << all << report << none << all << report;
    QTest::newRow("K2 1e-320") << "edt2=1e-320" << none << all << report << none << all << report;
    QTest::newRow("K2 1e-400") << "edt2=1e-400" << none << all << report << none << all << report;
    QTest::newRow("K3 0") << "edt3=0" << none << all << report << none << all << report;
    QTest::newRow("all factors 0") << "edt1=0;edt2=0;edt3=0;edt6=0" << none << all << report << none << all << report;
    // The rare period drops below zero: its curve stops where the descending branch begins.
    QTest::newRow("rare Tg -1") << "edt4=-1" << invalid << "241 241 5 0" << invalid << invalid << "241 241 5 0" << invalid;
    QTest::newRow("rare Tg -1e308") << "edt4=-1e308" << invalid << "241 241 5 0" << invalid << invalid << "241 241 5 0" << invalid;
    // Zero for class II, below zero for class I0 only.
    QTest::newRow("very rare Tg -0.35") << "edt5=-0.35" << none << all << report << invalid << "241 241 241 5" << invalid;
    QTest::newRow("rare Tg 1e308") << "edt4=1e308" << none << all << report << none << all << report;
    QTest::newRow("betaMax 0") << "edt6=0" << none << all << report << none << all << report;
    QTest::newRow("betaMax -2.5") << "edt6=-2.5" << none << all << report << none << all << report;
    QTest::newRow("betaMax -0") << "edt6=-0" << none << all << report << none << all << report;
    QTest::newRow("betaMax 1e308") << "edt6=1e308" << none << all << report << none << all << report;
    QTest::newRow("betaMax -1e308") << "edt6=-1e308" << none << all << report << none << all << report;
    QTest::newRow("betaMax 1e-320") << "edt6=1e-320;edt2=1e-320" << none << all << report << none << all << report;
    // The very rare platform goes beyond the double range: the grid shows it, the curve cannot.
    QTest::newRow("0.40 g, K1 1e308, betaMax 100") << "cbb1=5;edt1=1e308;edt6=100" << overflow << "241 241 241 1" << overflow << overflow << "241 241 241 1" << overflow;
    QTest::newRow("K1 1e308, betaMax 1e308") << "edt1=1e308;edt6=1e308" << overflow << "241 241 241 1" << overflow << overflow << "241 241 241 1" << overflow;
    QTest::newRow("K1 NaN") << "edt1=NaN" << "'NaN' is not a valid floating point value." << all << report << none << all << report;
    QTest::newRow("betaMax INF") << "edt6=INF" << "'INF' is not a valid floating point value." << all << report << none << all << report;
    // Beyond the double range but inside the parser's: overflow. Beyond 2^16384: not a number.
    QTest::newRow("betaMax 400 nines") << "edt6=nines:400" << overflow << all << report << none << all << report;
    QTest::newRow("betaMax 5000 nines") << "edt6=nines:5000" << "'" + QString(5000, u'9') + "' is not a valid floating point value." << all << report << none << all << report;
    // clang-format on
  }

  void extremeInputs() {
    QFETCH(QString, settings);
    QFETCH(QString, calculateBox);
    QFETCH(QString, points);
    QFETCH(QString, save);
    QFETCH(QString, siteI0Box);
    QFETCH(QString, pointsI0);
    QFETCH(QString, saveI0);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    Program program;
    TForm1& form = *program.form;
    Apply(form, settings);

    std::size_t boxes = program.recorder.errorBoxes.size();
    form.btn2->click();
    const QString calculated = NewBox(program, boxes);
    for (const TStringGrid* grid : {form.strngrd1, form.strngrd2, form.strngrd3}) {
      for (int row = 1; row < kGridRows; ++row) {
        for (int col = 1; col < kGridColumns; ++col) {
          QVERIFY2(IsNumberFormatText(grid->Cells(col, row)),
                   qPrintable(grid->objectName() + QStringLiteral(": ") + grid->Cells(col, row)));
        }
      }
    }
    const QString pointsAfterCalculate = CheckChart(form);
    const QString saved = SaveOver(program, folder.path());

    boxes = program.recorder.errorBoxes.size();
    form.cbb3->setCurrentIndex(scI0);
    emit form.cbb3->activated(scI0);
    const QString siteChanged = NewBox(program, boxes);
    const QString pointsAfterSiteChange = CheckChart(form);
    const QString savedI0 = SaveOver(program, folder.path());

    const auto shown = [](const QString& text) {
      if (text.isEmpty()) return QStringLiteral("-");
      if (text.size() <= 60) return text;
      return text.left(20) + QStringLiteral("…(%1 characters)…").arg(text.size()) + text.right(36);
    };
    table_ << QStringLiteral("%1 | %2 | %3 | %4 | %5 | %6 | %7 | %8 | %9 | %10")
                  .arg(QString::fromUtf8(QTest::currentDataTag()), shown(calculated),
                       form.strngrd1->Cells(3, 4), form.strngrd2->Cells(3, 3),
                       form.strngrd3->Cells(3, 4), pointsAfterCalculate, saved, shown(siteChanged),
                       pointsAfterSiteChange)
                  .arg(savedI0);
    qInfo().noquote() << table_.back();

    QCOMPARE(calculated, calculateBox);
    QCOMPARE(pointsAfterCalculate, points);
    QCOMPARE(saved, save);
    QCOMPARE(siteChanged, siteI0Box);
    QCOMPARE(pointsAfterSiteChange, pointsI0);
    QCOMPARE(savedI0, saveI0);
  }

  void cleanupTestCase() { qInfo().noquote() << QStringLiteral("\n") + table_.join(u'\n'); }
};

QTEST_MAIN(TestExtremeInputs)
#include "tst_extreme_inputs.moc"
