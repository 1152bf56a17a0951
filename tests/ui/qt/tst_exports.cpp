// The window's exports: the menu "文件", the chart's context menu and Ctrl+C in the grids, by
// keyboard and mouse, with the dialogs answered by the recorder.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include "UiTestSupport.h"
#include "platform/SystemCodePage.h"
#include "spectrumfile/SaveSpectrumFile.h"
#include "tests/support/PopplerTools.h"
#include "ui/qt/StringGrid.h"

using namespace gb;
using gb::test::Program;

namespace {

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void ShowAndWait(TForm1& form) {
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  form.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&form));
}

// Images are twice the chart's on-screen layout, and never smaller than its designed size.
QSize ImageSize(const TForm1& form) { return form.cht2->size().expandedTo(QSize(448, 198)) * 2; }

QStringList Texts(const QList<QAction*>& actions) {
  QStringList texts;
  for (const QAction* a : actions) texts << a->text();
  return texts;
}

}  // namespace

class TestExports : public QObject {
  Q_OBJECT

 private slots:
  void fileMenuItemsAndShortcuts() {
    Program program;
    TForm1& form = *program.form;
    const QList<QAction*> items = form.FileMenu1->actions();
    QCOMPARE(Texts(items),
             QStringList({"导出计算书(PDF)…", "打印…", "打印预览…", QString(), "导出反应谱图…",
                          "导出反应谱函数…", "复制全部结果", QString(), "批量计算…"}));
    QCOMPARE(form.ExportSheet1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));
    QCOMPARE(form.Print1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    QCOMPARE(Texts(form.pmChart->actions()), QStringList({"复制图像", "保存图像…"}));
  }

  // Ctrl+E from wherever the focus is; the dialog proposes the sheet's name; a cancel writes
  // nothing, a choice writes the PDF and says so.
  void exportSheetByKeyboard() {
    Program program;
    TForm1& form = *program.form;
    ShowAndWait(form);
    QTest::keyClick(form.edt3, Qt::Key_E, Qt::ControlModifier);
    QCOMPARE(program.recorder.saveRequests.size(), std::size_t{1});
    const TSaveDialogRequest& request = program.recorder.saveRequests[0];
    QCOMPARE(request.FileName, QStringLiteral("地震动参数计算书.pdf"));
    QCOMPARE(request.Filter, QStringLiteral("PDF(*.pdf)|*.pdf"));
    QCOMPARE(request.DefaultExt, QStringLiteral("pdf"));
    QVERIFY(request.OverwritePrompt);
    QVERIFY(program.recorder.notices.empty());

    QTemporaryDir dir;
    const QString file = dir.filePath("s.pdf");
    program.recorder.saveAnswers.push_back(file);
    form.cbb3->setCurrentIndex(scIV);
    form.cbb3Change(form.cbb3);
    const QDateTime calculatedAt = QDateTime::fromString(
        QString::fromStdString(form.FSession.Completed()->CalculatedAt), "yyyy-MM-dd HH:mm:ss");
    QVERIFY(QDateTime::currentDateTime().secsTo(calculatedAt) <= 0);
    form.FSession.Completed()->CalculatedAt = "2020-01-02 03:04:05";
    program.recorder.sheetNamesAnswers.push_back(TSheetNames{"京沪线", "K12+300"});
    QTest::keyClick(form.strngrd2, Qt::Key_E, Qt::ControlModifier);
    QVERIFY(ReadAll(file).startsWith("%PDF-"));
    QCOMPARE(program.recorder.notices.size(), std::size_t{1});
    QCOMPARE(program.recorder.notices[0].text, QStringLiteral("完成!"));
    QCOMPARE(program.recorder.saveRequests.back().FileName, QStringLiteral("地震动参数计算书.pdf"));
    QVERIFY(program.recorder.errorBoxes.empty());

    const auto text = gb::test::ToolOutput("pdftotext", "-enc UTF-8", file.toStdString(), "-");
    if (!text) QSKIP("pdftotext is not installed");
    QVERIFY(text->find("设计反应谱（场地类别 IV）") != std::string::npos);
    // The grids as they stand, e.g. the platform of class IV at the basic level.
    QVERIFY(text->find("0.1563") != std::string::npos);
    // The time of the last Calculate, not of the export.
    QVERIFY(text->find("2020-01-02 03:04:05") != std::string::npos);
    QVERIFY(text->find("京沪线") != std::string::npos);
    QVERIFY(text->find("K12+300") != std::string::npos);
  }

  // After a Calculate that stopped at a rejected text, the stored inputs and the grids no longer
  // belong together: every export of them is refused, before any dialog, until a Calculate runs
  // to the end. The chart images show the screen and stay.
  void exportsAfterAnUnfinishedCalculateAreRefused() {
    Program program;
    TForm1& form = *program.form;
    form.cbb1->setCurrentIndex(4);
    form.edt2->setText("abc");
    form.btn2->click();
    program.recorder.errorBoxes.clear();
    const QString refused = QStringLiteral("上次计算未完成, 请改正输入并重新计算后再导出.");
    QGuiApplication::clipboard()->setText("before");
    for (QAction* command : {form.ExportSheet1, form.Print1, form.PrintPreview1, form.CopyAll1}) {
      command->trigger();
      QCOMPARE(program.recorder.errorBoxes.size(), std::size_t{1});
      QCOMPARE(program.recorder.errorBoxes[0].text, refused);
      program.recorder.errorBoxes.clear();
    }
    QCOMPARE(program.recorder.sheetNamesRequests, 0);
    QVERIFY(program.recorder.saveRequests.empty());
    QCOMPARE(program.recorder.printDialogs, 0);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("before"));

    form.edt2->setText("1.9");
    form.btn2->click();
    form.CopyAll1->trigger();
    QVERIFY(program.recorder.errorBoxes.empty());
    QVERIFY(QGuiApplication::clipboard()->text().startsWith(
        "输入参数\nII类场地地震动峰值加速度(g)\t0.30\n"));
  }

  // Cancel in the names dialog ends the command; nothing else opens.
  void cancelledNamesDialogExportsNothing() {
    Program program;
    program.recorder.sheetNamesAnswers.push_back(std::nullopt);
    program.form->ExportSheet1->trigger();
    QCOMPARE(program.recorder.sheetNamesRequests, 1);
    QVERIFY(program.recorder.saveRequests.empty());
    QVERIFY(program.recorder.errorBoxes.empty());
  }

  void exportSheetFailureShowsTheFileError() {
    Program program;
    program.recorder.saveAnswers.push_back("/no/such/folder/s.pdf");
    program.form->ExportSheet1->trigger();
    QCOMPARE(program.recorder.errorBoxes.size(), std::size_t{1});
    QCOMPARE(program.recorder.errorBoxes[0].text,
             QStringLiteral("Cannot create file \"/no/such/folder/s.pdf\". No such file or "
                            "directory."));
    QVERIFY(program.recorder.notices.empty());
  }

  void printGoesThroughThePrintDialog() {
    Program program;
    program.form->Print1->trigger();
    QCOMPARE(program.recorder.printDialogs, 1);  // declined: nothing printed

    QTemporaryDir dir;
    const QString file = dir.filePath("printed.pdf");
    program.recorder.printToFile = file;
    program.form->Print1->trigger();
    QCOMPARE(program.recorder.printDialogs, 2);
    QCOMPARE(program.recorder.printedPageSize, std::optional(QPageSize::A4));
    QVERIFY(ReadAll(file).startsWith("%PDF-"));
    // Printed to a file, the sheet is the exported one: its texts copy out as drawn.
    if (const auto text = gb::test::ToolOutput("pdftotext", "-enc UTF-8", file.toStdString(), "-"))
      QVERIFY(text->find("输入参数") != std::string::npos);
    QVERIFY(program.recorder.errorBoxes.empty());

    program.recorder.printToFile = "/no/such/folder/printed.pdf";
    program.form->Print1->trigger();
    QCOMPARE(program.recorder.errorBoxes.size(), std::size_t{1});
    QCOMPARE(program.recorder.errorBoxes[0].text,
             QStringLiteral("The printer did not accept the calculation sheet."));
    program.recorder.errorBoxes.clear();

    const QString previewed = dir.filePath("previewed.pdf");
    program.recorder.printToFile = previewed;
    program.form->PrintPreview1->trigger();
    QCOMPARE(program.recorder.printPreviews, 1);
    QVERIFY(ReadAll(previewed).startsWith("%PDF-"));
  }

  // The image shows what the chart shows, at twice its size; the type follows the extension.
  void saveChartImageByTypeFromMenuAndContextMenu() {
    Program program;
    TForm1& form = *program.form;
    QTemporaryDir dir;
    program.recorder.saveAnswers = {dir.filePath("c.png"), dir.filePath("c.svg"),
                                    dir.filePath("c.jpg")};
    form.ExportChart1->trigger();
    QCOMPARE(program.recorder.saveRequests[0].FileName, QStringLiteral("反应谱.png"));
    QCOMPARE(program.recorder.saveRequests[0].Filter,
             QStringLiteral("PNG 图像(*.png)|*.png|SVG 矢量图(*.svg)|*.svg"));
    QImage png;
    QVERIFY(png.loadFromData(ReadAll(dir.filePath("c.png")), "PNG"));
    QCOMPARE(png.size(), ImageSize(form));

    form.SaveImage1->trigger();
    const QByteArray svg = ReadAll(dir.filePath("c.svg"));
    QVERIFY(svg.contains("<svg"));
    QVERIFY(svg.contains(QStringLiteral("viewBox=\"0 0 %1 %2\"")
                             .arg(ImageSize(form).width())
                             .arg(ImageSize(form).height())
                             .toUtf8()));
    QCOMPARE(program.recorder.notices.size(), std::size_t{2});

    form.ExportChart1->trigger();
    QCOMPARE(program.recorder.errorBoxes.size(), std::size_t{1});
    QVERIFY(program.recorder.errorBoxes[0].text.contains(".png or .svg"));
    QVERIFY(!QFile::exists(dir.filePath("c.jpg")));
  }

  // 文件 → 导出反应谱函数…: the dialog opens at the chart's class, the save dialog at the
  // format's name and filter, and the file is the form's bytes in the system's code page.
  void spectrumFileFromTheMenu() {
    Program program;
    TForm1& form = *program.form;
    QTemporaryDir dir;
    form.cbb3->setCurrentIndex(scIV);
    program.recorder.spectrumFileAnswers = {
        TSpectrumFileChoice{SpectrumFileFormat::OpenSees, lvRare, false, scI1}};
    program.recorder.saveAnswers = {dir.filePath("f.tcl")};
    form.ExportSpectrumFile1->trigger();
    QCOMPARE(program.recorder.spectrumFileRequests.at(0).Site, scIV);
    QCOMPARE(program.recorder.saveRequests.at(0).FileName, QStringLiteral("反应谱函数.tcl"));
    QCOMPARE(program.recorder.saveRequests.at(0).Filter,
             QStringLiteral("OpenSees Tcl(*.tcl)|*.tcl"));
    const ParameterSet& p = form.Parameters();
    const std::string expected = SpectrumFileBytes(
        SpectrumFileFormat::OpenSees, {"0.05", "0.35", p, lvRare, scI1}, SystemCodePage());
    QCOMPARE(ReadAll(dir.filePath("f.tcl")).toStdString(), expected);
    QCOMPARE(program.recorder.notices.size(), std::size_t{1});

    form.ExportSpectrumFile1->trigger();  // cancelled in the dialog: nothing more
    QCOMPARE(program.recorder.saveRequests.size(), std::size_t{1});
    QCOMPARE(program.recorder.spectrumFileRequests.at(1).Format, SpectrumFileFormat::OpenSees);
  }

  // A right click that moves nothing opens the menu; a right drag scrolls and opens none.
  void chartContextMenuByMouseAndKeyboard() {
    Program program;
    TForm1& form = *program.form;
    ShowAndWait(form);
    const QPoint middle = form.cht2->PlotArea().center();
    QTest::mouseClick(form.cht2, Qt::RightButton, {}, middle);
    QTRY_VERIFY(form.pmChart->isVisible());
    form.pmChart->hide();

    QTest::mousePress(form.cht2, Qt::RightButton, {}, middle);
    QTest::mouseMove(form.cht2, middle + QPoint(20, 0));
    QTest::mouseRelease(form.cht2, Qt::RightButton, {}, middle + QPoint(20, 0));
    QVERIFY(!form.pmChart->isVisible());
    QVERIFY(form.cht2->BottomAxisFixed());

    form.cht2->setFocus();
    QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(5, 5),
                          form.cht2->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(form.cht2, &key);
    QTRY_VERIFY(form.pmChart->isVisible());
    form.pmChart->hide();
  }

  void copyImagePutsThePictureOnTheClipboard() {
    Program program;
    TForm1& form = *program.form;
    QGuiApplication::clipboard()->clear();
    form.CopyImage1->trigger();
    const QImage image = QGuiApplication::clipboard()->image();
    QCOMPARE(image.size(), ImageSize(form));
    int red = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) red += image.pixel(x, y) == qRgb(255, 0, 0);
    QVERIFY(red > 200);
  }

  void ctrlCInAGridCopiesTheSelectionWithCaptions() {
    Program program;
    TForm1& form = *program.form;
    ShowAndWait(form);
    TStringGrid& grid = *form.strngrd3;
    grid.setFocus();
    grid.SetCurrentCell(4, 2);
    QTest::keyClick(&grid, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(&grid, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(&grid, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QStringLiteral("\tIII\tIV\n基本地震动\t0.1625\t0.1563\n罕遇地震动\t0.2981\t0.2862\n"));
  }

  void copyAllResults() {
    Program program;
    program.form->CopyAll1->trigger();
    const QString text = QGuiApplication::clipboard()->text();
    QVERIFY(text.startsWith("输入参数\nII类场地地震动峰值加速度(g)\t0.05\n"));
    QVERIFY(text.contains("\n地震动加速度放大系数反应谱的平台值\t2.5\n\n"));
    QVERIFY(text.contains("\n\n地震动峰值加速度 (g)\n\tI0\tI1\tII\tIII\tIV\n"));
    QVERIFY(text.contains("\n\n地震动加速度反应谱特征周期 (s)\n"));
    QVERIFY(text.endsWith("极罕遇地震动\t0.2715\t0.3005\t0.3625\t0.4205\t0.4024\n"));
    QCOMPARE(text.count("\n\n"), 3);
  }
};

QTEST_MAIN(TestExports)
#include "tst_exports.moc"
