// The three result grids: their texts after start-up, their shape, and that nothing but
// Calculate changes a cell.
#include <QScrollBar>
#include <QTest>

#include "UiTestSupport.h"
#include "ui/qt/StringGrid.h"

using namespace gb;
using gb::test::GridRows;
using gb::test::Program;

namespace {

using Rows = std::vector<std::vector<QString>>;

Rows Table(std::initializer_list<std::initializer_list<const char*>> rows) {
  Rows table;
  for (const auto& row : rows) {
    std::vector<QString>& cells = table.emplace_back();
    for (const char* text : row) cells.push_back(QString::fromUtf8(text));
  }
  return table;
}

const Rows kStartupPga = Table({
    {"", "I0", "I1", "II", "III", "IV"},
    {"多遇地震动", "0.0120", "0.0133", "0.0167", "0.0217", "0.0208"},
    {"基本地震动", "0.0360", "0.0400", "0.0500", "0.0650", "0.0625"},
    {"罕遇地震动", "0.0701", "0.0777", "0.0950", "0.1192", "0.1145"},
    {"极罕遇地震动", "0.1086", "0.1202", "0.1450", "0.1682", "0.1610"},
});
const Rows kStartupPeriod = Table({
    {"", "I0", "I1", "II", "III", "IV"},
    {"多遇地震动", "0.2000", "0.2500", "0.3500", "0.4500", "0.6500"},
    {"基本地震动", "0.2000", "0.2500", "0.3500", "0.4500", "0.6500"},
    {"罕遇地震动", "0.2500", "0.3000", "0.4000", "0.5000", "0.7000"},
    {"极罕遇地震动", "0.2500", "0.3000", "0.4000", "0.5000", "0.7000"},
});
const Rows kStartupPlatform = Table({
    {"", "I0", "I1", "II", "III", "IV"},
    {"多遇地震动", "0.0300", "0.0333", "0.0417", "0.0542", "0.0521"},
    {"基本地震动", "0.0900", "0.1000", "0.1250", "0.1625", "0.1563"},
    {"罕遇地震动", "0.1753", "0.1943", "0.2375", "0.2981", "0.2862"},
    {"极罕遇地震动", "0.2715", "0.3005", "0.3625", "0.4205", "0.4024"},
});

void CompareRows(const Rows& actual, const Rows& expected) {
  QCOMPARE(actual.size(), expected.size());
  for (std::size_t row = 0; row < expected.size(); ++row) {
    QCOMPARE(actual[row].size(), expected[row].size());
    for (std::size_t col = 0; col < expected[row].size(); ++col) {
      if (actual[row][col] != expected[row][col]) {
        QFAIL(qPrintable(QStringLiteral("cell [%1, %2]: \"%3\", expected \"%4\"")
                             .arg(col)
                             .arg(row)
                             .arg(actual[row][col], expected[row][col])));
      }
    }
  }
}

QPoint CellCentre(const TStringGrid& grid, int col, int row) {
  return grid.visualRect(grid.model()->index(row, col)).center();
}

}  // namespace

Q_DECLARE_METATYPE(Rows)

class TestResultGrids : public QObject {
  Q_OBJECT

 private slots:
  void startupTexts_data() {
    QTest::addColumn<int>("grid");
    QTest::addColumn<Rows>("expected");
    QTest::newRow("strngrd1") << 1 << kStartupPga;
    QTest::newRow("strngrd2") << 2 << kStartupPeriod;
    QTest::newRow("strngrd3") << 3 << kStartupPlatform;
  }
  void startupTexts() {
    QFETCH(int, grid);
    QFETCH(Rows, expected);
    Program program;
    TForm1& form = *program.form;
    TStringGrid* const grids[] = {form.strngrd1, form.strngrd2, form.strngrd3};
    CompareRows(GridRows(*grids[grid - 1]), expected);
  }

  void shapeAndStartingCell() {
    Program program;
    for (TStringGrid* grid :
         {program.form->strngrd1, program.form->strngrd2, program.form->strngrd3}) {
      QCOMPARE(grid->ColCount(), 6);
      QCOMPARE(grid->RowCount(), 5);
      QCOMPARE(grid->ColWidths(0), 100);
      for (int col = 1; col < 6; ++col) QCOMPARE(grid->ColWidths(col), 64);
      for (int row = 0; row < 5; ++row) QCOMPARE(grid->RowHeights(row), 24);
      QCOMPARE(grid->Col(), 1);
      QCOMPARE(grid->Row(), 1);
      QCOMPARE(grid->selectionModel()->selectedIndexes().size(), 1);
    }
  }

  // At the design size all thirty cells fit: no scroll bar, no cell cut off.
  void allCellsFitWithoutScrollBars() {
    Program program;
    program.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(program.form));
    for (TStringGrid* grid :
         {program.form->strngrd1, program.form->strngrd2, program.form->strngrd3}) {
      QVERIFY(!grid->horizontalScrollBar()->isVisible());
      QVERIFY(!grid->verticalScrollBar()->isVisible());
      const QRect lastCell = grid->visualRect(grid->model()->index(4, 5));
      QVERIFY(grid->viewport()->rect().contains(lastCell));
    }
  }

  void headerCellsNeverBecomeCurrent() {
    Program program;
    program.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(program.form));
    TStringGrid& grid = *program.form->strngrd2;
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, CellCentre(grid, 3, 2));
    QCOMPARE(grid.Col(), 3);
    QCOMPARE(grid.Row(), 2);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, CellCentre(grid, 0, 2));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, CellCentre(grid, 3, 0));
    QCOMPARE(grid.Col(), 3);
    QCOMPARE(grid.Row(), 2);
    grid.setFocus();
    grid.SetCurrentCell(1, 1);
    QTest::keyClick(&grid, Qt::Key_Up);
    QTest::keyClick(&grid, Qt::Key_Left);
    QCOMPARE(grid.Col(), 1);
    QCOMPARE(grid.Row(), 1);
    QTest::keyClick(&grid, Qt::Key_Down);
    QTest::keyClick(&grid, Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(grid.Col(), 2);
    QCOMPARE(grid.Row(), 2);
    QCOMPARE(grid.selectionModel()->selectedIndexes().size(), 2);  // [1,2] and [2,2]
  }

  // Typing, double clicks and F2 neither edit a cell nor move the current one.
  void cellsAreReadOnly() {
    Program program;
    program.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(program.form));
    TStringGrid& grid = *program.form->strngrd1;
    const Rows before = GridRows(grid);
    grid.setFocus();
    grid.SetCurrentCell(2, 2);
    QTest::keyClicks(&grid, QStringLiteral("0.9"));
    QTest::keyClick(&grid, Qt::Key_F2);
    QTest::keyClick(&grid, Qt::Key_Return);
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, CellCentre(grid, 2, 2));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("9"));
    QCOMPARE(grid.Col(), 2);
    QCOMPARE(grid.Row(), 2);
    CompareRows(GridRows(grid), before);
  }

  void onlyThePlatformGridFollowsBetaMax() {
    Program program;
    TForm1& form = *program.form;
    form.edt6->setText(QStringLiteral("2"));
    form.btn2->click();
    CompareRows(GridRows(*form.strngrd1), kStartupPga);
    CompareRows(GridRows(*form.strngrd2), kStartupPeriod);
    QCOMPARE(form.strngrd3->Cells(3, 2), QStringLiteral("0.1000"));
    QCOMPARE(form.strngrd3->Cells(5, 2), QStringLiteral("0.1250"));
  }

  void secondPeriodZoneSelectsSecondTableRow() {
    Program program;
    TForm1& form = *program.form;
    form.cbb2->setCurrentIndex(1);
    form.btn2->click();
    const char* const basic[] = {"0.2500", "0.3000", "0.4000", "0.5500", "0.7500"};
    for (int s = 0; s < 5; ++s) QCOMPARE(form.strngrd2->Cells(s + 1, 2), QString(basic[s]));
  }

  void chartSiteClassLeavesGridsAlone() {
    Program program;
    TForm1& form = *program.form;
    for (int siteClass : {4, 2, 0}) {
      form.cbb3->setCurrentIndex(siteClass);
      emit form.cbb3->activated(siteClass);
    }
    CompareRows(GridRows(*form.strngrd1), kStartupPga);
    CompareRows(GridRows(*form.strngrd2), kStartupPeriod);
    CompareRows(GridRows(*form.strngrd3), kStartupPlatform);
  }

  void negativeIncrementLowersThePeriods() {
    Program program;
    TForm1& form = *program.form;
    form.edt4->setText(QStringLiteral("-0.02"));
    form.btn2->click();
    QVERIFY(program.recorder.errorBoxes.empty());
    QCOMPARE(form.strngrd2->Cells(1, 3), QStringLiteral("0.1800"));
    QCOMPARE(form.strngrd2->Cells(1, 4), QStringLiteral("0.2500"));
  }
};

QTEST_MAIN(TestResultGrids)
#include "tst_result_grids.moc"
