// Calculate: what a rejected input leaves behind, the texts of its error box, and the spectra it
// plots.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cstring>

#include "UiTestSupport.h"
#include "engine/DesignResponse.h"
#include "report/ResultGridTexts.h"
#include "ui/qt/StringGrid.h"

using namespace gb;
using gb::test::GridRows;
using gb::test::Program;

namespace {

bool SameMatrices(const ParameterSet& a, const ParameterSet& b) {
  return std::memcmp(a.FPga, b.FPga, sizeof a.FPga) == 0 &&
         std::memcmp(a.FTg, b.FTg, sizeof a.FTg) == 0;
}

std::vector<std::vector<QString>> Expected(ResultGrid grid, const ParameterSet& p) {
  const GridTexts texts = MakeResultGrid(grid, p);
  std::vector<std::vector<QString>> rows;
  for (int row = 0; row < kGridRows; ++row) {
    std::vector<QString>& cells = rows.emplace_back();
    for (int col = 0; col < kGridColumns; ++col) {
      cells.push_back(QString::fromStdString(texts.Cells(col, row)));
    }
  }
  return rows;
}

// A point no plot ever makes: it survives only if the series are not cleared.
constexpr double kMarker = -12345;

void AddMarker(TForm1& form) { form.hrzlnsrsSeries1->AddXY(kMarker, kMarker); }

bool MarkerSurvived(TForm1& form) {
  TSpectrumSeries& series = *form.hrzlnsrsSeries1;
  return series.Count() == SpectrumPointCount + 1 && series.XValue(SpectrumPointCount) == kMarker;
}

}  // namespace

class TestCalculate : public QObject {
  Q_OBJECT

 private slots:
  void initialInputs() {
    Program program;
    const ParameterSet& p = program.form->Parameters();
    QCOMPARE(p.FPgaZoneIndex, 0);
    QCOMPARE(p.FTgZoneIndex, 0);
    QCOMPARE(p.FBasicPga, 0.05);
    QCOMPARE(p.FK1, 2.9);
    QCOMPARE(p.FK2, 1.9);
    QCOMPARE(p.FK3, 0.3333);
    QCOMPARE(p.FRareTgIncrement, 0.05);
    QCOMPARE(p.FVeryRareTgIncrement, 0.05);
    QCOMPARE(p.FBetaMax, 2.5);
    QVERIFY(program.recorder.errorBoxes.empty());
  }

  // A bad K2 stops after K1: the indices, alpha and K1 are new, everything else is as before.
  void rejectedK2() {
    Program program;
    TForm1& form = *program.form;
    const ParameterSet before = form.Parameters();
    const auto grids = {GridRows(*form.strngrd1), GridRows(*form.strngrd2),
                        GridRows(*form.strngrd3)};
    form.cbb1->setCurrentIndex(3);
    form.cbb2->setCurrentIndex(2);
    form.edt1->setText(QStringLiteral("3"));
    form.edt2->setText(QStringLiteral("abc"));
    form.edt3->setText(QStringLiteral("0.5"));
    form.edt4->setText(QStringLiteral("0.1"));
    form.edt6->setText(QStringLiteral("2"));
    AddMarker(form);
    form.btn2->click();

    const ParameterSet& p = form.Parameters();
    QCOMPARE(p.FPgaZoneIndex, 3);
    QCOMPARE(p.FTgZoneIndex, 2);
    QCOMPARE(p.FBasicPga, 0.2);
    QCOMPARE(p.FK1, 3.0);
    QCOMPARE(p.FK2, before.FK2);
    QCOMPARE(p.FK3, before.FK3);
    QCOMPARE(p.FRareTgIncrement, before.FRareTgIncrement);
    QCOMPARE(p.FBetaMax, before.FBetaMax);
    QVERIFY(SameMatrices(p, before));
    auto grid = grids.begin();
    QCOMPARE(GridRows(*form.strngrd1), *grid++);
    QCOMPARE(GridRows(*form.strngrd2), *grid++);
    QCOMPARE(GridRows(*form.strngrd3), *grid++);
    QVERIFY(MarkerSurvived(form));
    QCOMPARE(program.recorder.errorBoxes.size(), std::size_t{1});
  }

  // A bad betaMax stops after the periods: both matrices and the first two grids are new, the
  // platform grid and the chart are not.
  void rejectedBetaMax() {
    Program program;
    TForm1& form = *program.form;
    const ParameterSet before = form.Parameters();
    const auto platformBefore = GridRows(*form.strngrd3);
    form.cbb1->setCurrentIndex(4);
    form.cbb2->setCurrentIndex(1);
    form.edt2->setText(QStringLiteral("2"));
    form.edt4->setText(QStringLiteral("0.1"));
    form.edt5->setText(QStringLiteral("0.2"));
    form.edt6->setText(QStringLiteral("2.5x"));
    AddMarker(form);
    form.btn2->click();

    ParameterSet expected = before;
    expected.FPgaZoneIndex = 4;
    expected.FTgZoneIndex = 1;
    expected.FBasicPga = 0.3;
    expected.FK2 = 2;
    expected.FRareTgIncrement = 0.1;
    expected.FVeryRareTgIncrement = 0.2;
    StoreSiteIIPeakAccelerations(expected);
    AdjustSiteClasses(expected);
    FillCharacteristicPeriods(expected);

    const ParameterSet& p = form.Parameters();
    QCOMPARE(p.FPgaZoneIndex, 4);
    QCOMPARE(p.FTgZoneIndex, 1);
    QCOMPARE(p.FK2, 2.0);
    QCOMPARE(p.FVeryRareTgIncrement, 0.2);
    QCOMPARE(p.FBetaMax, before.FBetaMax);
    QVERIFY(SameMatrices(p, expected));
    QVERIFY(!SameMatrices(p, before));
    QCOMPARE(GridRows(*form.strngrd1), Expected(ResultGrid::Pga, expected));
    QCOMPARE(GridRows(*form.strngrd2), Expected(ResultGrid::Period, expected));
    QCOMPARE(GridRows(*form.strngrd3), platformBefore);
    QVERIFY(MarkerSurvived(form));

    // Put right, the next calculation completes and replots.
    form.edt6->setText(QStringLiteral("2.5"));
    form.btn2->click();
    QCOMPARE(program.recorder.errorBoxes.size(), std::size_t{1});
    QCOMPARE(GridRows(*form.strngrd3), Expected(ResultGrid::Platform, expected));
    QCOMPARE(form.hrzlnsrsSeries1->Count(), SpectrumPointCount);
  }

  // A rejected text leaves the grids refreshed exactly up to the step before its own.
  void rejectedTextRefreshesGridsUpToItsStep_data() {
    QTest::addColumn<QString>("edit");
    QTest::addColumn<int>("refreshed");
    QTest::newRow("K1") << "edt1" << 0;
    QTest::newRow("K2") << "edt2" << 0;
    QTest::newRow("K3") << "edt3" << 0;
    QTest::newRow("rare increment") << "edt4" << 1;
    QTest::newRow("very rare increment") << "edt5" << 1;
    QTest::newRow("betaMax") << "edt6" << 2;
  }
  void rejectedTextRefreshesGridsUpToItsStep() {
    QFETCH(QString, edit);
    QFETCH(int, refreshed);
    Program program;
    TForm1& form = *program.form;
    TStringGrid* const grids[] = {form.strngrd1, form.strngrd2, form.strngrd3};
    const ResultGrid kinds[] = {ResultGrid::Pga, ResultGrid::Period, ResultGrid::Platform};
    std::vector<std::vector<QString>> before[3];
    for (int g = 0; g < 3; ++g) before[g] = GridRows(*grids[g]);
    form.cbb1->setCurrentIndex(5);
    form.cbb2->setCurrentIndex(2);
    form.findChild<QLineEdit*>(edit)->setText(QStringLiteral("x"));
    AddMarker(form);
    form.btn2->click();
    for (int g = 0; g < 3; ++g) {
      if (g < refreshed) {
        QCOMPARE(GridRows(*grids[g]), Expected(kinds[g], form.Parameters()));
        QVERIFY(GridRows(*grids[g]) != before[g]);
      } else {
        QCOMPARE(GridRows(*grids[g]), before[g]);
      }
    }
    QVERIFY(MarkerSurvived(form));
  }

  void errorBoxTexts_data() {
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("boxText");
    QTest::newRow("letters") << "edt2"
                             << "abc"
                             << "'abc' is not a valid floating point value.";
    QTest::newRow("empty") << "edt1"
                           << ""
                           << "'' is not a valid floating point value.";
    QTest::newRow("blanks") << "edt1"
                            << "   "
                            << "'' is not a valid floating point value.";
    QTest::newRow("trimmed") << "edt3"
                             << "  0.3x  "
                             << "'0.3x' is not a valid floating point value.";
    QTest::newRow("comma") << "edt4"
                           << "0,05"
                           << "'0,05' is not a valid floating point value.";
    QTest::newRow("overflow") << "edt1"
                              << "1e999"
                              << "Floating point overflow.";
    QTest::newRow("overflow betaMax") << "edt6"
                                      << "-1e999"
                                      << "Floating point overflow.";
  }
  void errorBoxTexts() {
    QFETCH(QString, edit);
    QFETCH(QString, text);
    QFETCH(QString, boxText);
    Program program;
    TForm1& form = *program.form;
    form.findChild<QLineEdit*>(edit)->setText(text);
    form.btn2->click();
    const auto& boxes = program.recorder.errorBoxes;
    QCOMPARE(boxes.size(), std::size_t{1});
    QCOMPARE(boxes[0].text, boxText);
    QCOMPARE(boxes[0].caption, gb::test::kTestTitle);
    QCOMPARE(boxes[0].flags, MB_OK | MB_ICONSTOP);
    QVERIFY(program.recorder.notices.empty());
  }

  // A fault inside the engine takes the same route as a rejected text.
  void engineFaultIsShown() {
    Program program;
    TForm1& form = *program.form;
    form.edt4->setText(QStringLiteral("-1"));  // rare periods below zero: no spectrum
    form.btn2->click();
    QCOMPARE(program.recorder.errorBoxes.size(), std::size_t{1});
    QCOMPARE(program.recorder.errorBoxes[0].text,
             QStringLiteral("Invalid floating point operation."));
    QCOMPARE(form.strngrd2->Cells(1, 3), QStringLiteral("-0.8000"));
  }

  void spectraOfTheChartSiteClass_data() {
    QTest::addColumn<int>("siteClass");
    for (int s = 0; s < kSiteClassCount; ++s) QTest::newRow(kSiteClassLabels[s]) << s;
  }
  void spectraOfTheChartSiteClass() {
    QFETCH(int, siteClass);
    Program program;
    TForm1& form = *program.form;
    if (siteClass != scII) {
      form.cbb3->setCurrentIndex(siteClass);
      emit form.cbb3->activated(siteClass);
    }
    const ParameterSet& p = form.Parameters();
    TSpectrumSeries* const series[] = {form.hrzlnsrsSeries1, form.hrzlnsrsSeries2,
                                       form.hrzlnsrsSeries3, form.hrzlnsrsSeries4};
    for (int level = 0; level < kLevelCount; ++level) {
      QCOMPARE(series[level]->Count(), SpectrumPointCount);
      QCOMPARE(series[level]->XValue(0), 0.0);
      QCOMPARE(series[level]->YValue(0), p.FPga[level][siteClass]);
      QCOMPARE(series[level]->XValue(SpectrumPointCount - 1), 6.0);
      for (int i = 0; i < SpectrumPointCount; ++i) {
        QCOMPARE(series[level]->XValue(i), SamplePeriod(i));
        QCOMPARE(series[level]->YValue(i), SpectrumOrdinate(p, static_cast<Level>(level),
                                                            static_cast<SiteClass>(siteClass), i));
      }
    }
  }

  void startupBasicCurve() {
    Program program;
    const TSpectrumSeries& basic = *program.form->hrzlnsrsSeries2;
    QCOMPARE(basic.YValue(0), 0.05);
    QCOMPARE(basic.YValue(4), 0.125);   // 0.1 s
    QCOMPARE(basic.YValue(14), 0.125);  // 0.35 s
    QVERIFY(qAbs(basic.YValue(240) - 0.00969) < 0.000005);
  }

  // Re-plots replace the curves: never more than 241 points, never two site classes.
  void replotsReplace() {
    Program program;
    TForm1& form = *program.form;
    for (int s : {0, 4, 2}) {
      form.cbb3->setCurrentIndex(s);
      emit form.cbb3->activated(s);
      form.btn2->click();
    }
    QCOMPARE(form.hrzlnsrsSeries4->Count(), SpectrumPointCount);
    QCOMPARE(form.hrzlnsrsSeries4->YValue(0), form.Parameters().FPga[lvVeryRare][scII]);
  }

  // Picking a site class plots from the stored set, whatever the inputs say now.
  void siteClassChangeDoesNotRecalculate() {
    Program program;
    TForm1& form = *program.form;
    form.cbb1->setCurrentIndex(5);
    form.edt1->setText(QStringLiteral("9"));
    form.cbb3->setCurrentIndex(scIII);
    emit form.cbb3->activated(scIII);
    QCOMPARE(form.Parameters().FBasicPga, 0.05);
    QCOMPARE(form.hrzlnsrsSeries4->YValue(0), form.Parameters().FPga[lvVeryRare][scIII]);
  }
};

QTEST_MAIN(TestCalculate)
#include "tst_calculate.moc"
