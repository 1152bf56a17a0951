// The application object: its title, the error route from a handler to the box, the notice, the
// real boxes, and the start-up sequence with its outer catch clauses.
#include <QAbstractButton>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <new>

#include "UiTestSupport.h"
#include "platform/LocaleSeparators.h"
#include "text/NumberSeparators.h"
#include "ui/qt/ApplicationTitle.h"
#include "ui/qt/EventGuard.h"
#include "ui/qt/Program.h"
#include "ui/qt/QtTranslations.h"

using namespace gb;
using gb::test::Recorder;

namespace {

// Counts the windows shown while it is installed.
class ShowCounter : public QObject {
 public:
  int shownMainWindows = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && qobject_cast<TForm1*>(watched) != nullptr) {
      ++shownMainWindows;
    }
    return QObject::eventFilter(watched, event);
  }
};

// Sets an environment variable for the lifetime of the object.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const QByteArray& value)
      : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
    qputenv(name, value);
  }
  ~ScopedEnv() {
    if (had_) {
      qputenv(name_, old_);
    } else {
      qunsetenv(name_);
    }
  }

 private:
  const char* name_;
  bool had_;
  QByteArray old_;
};

// Presses the default button of the modal box that the running code is about to show, after
// letting `inspect` look at it.
void AnswerNextModal(std::function<void(QMessageBox&)> inspect) {
  QTimer::singleShot(0, [inspect = std::move(inspect)] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    QVERIFY(box != nullptr);
    inspect(*box);
    box->defaultButton() != nullptr ? box->defaultButton()->click() : box->accept();
  });
}

}  // namespace

class TestApplication : public QObject {
  Q_OBJECT

 private slots:
  void title_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("title");
    QTest::newRow("program") << "/usr/local/bin/gb18306"
                             << "gb18306";
    QTest::newRow("capitalised program") << "/usr/local/bin/GB18306"
                                         << "Gb18306";
    QTest::newRow("two dots") << "/x/ABC.DEF.EXE"
                              << "Abc";
    QTest::newRow("extension") << "CALC.EXE"
                               << "Calc";
    QTest::newRow("dotted folder") << "/opt/v1.2/myPROG"
                                   << "myprog";
    QTest::newRow("lower first") << "/bin/zEBRA"
                                 << "zebra";
    QTest::newRow("non-latin") << "/bin/ÄÖÜ.bin"
                               << "Äöü";
    QTest::newRow("hidden file") << "/bin/.prog"
                                 << "";
  }
  void title() {
    QFETCH(QString, path);
    QFETCH(QString, title);
    QCOMPARE(TitleFromExecutablePath(path), title);
    Recorder recorder;
    QCOMPARE(TApplication(path, recorder.Services()).Title, title);
  }

  // Whatever leaves a handler ends up in one stop box captioned with the title.
  void guardRoutesEveryThrow_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("boxText");
    QTest::newRow("program error") << 0 << "Cannot create file \"/x\". Permission denied.";
    QTest::newRow("out of memory") << 1 << "Out of memory.";
    QTest::newRow("foreign object") << 2 << "";
    QTest::newRow("ends in bracket") << 3 << "value (x)";
    QTest::newRow("ends in exclamation") << 4 << "done!";
    QTest::newRow("ideographic full stop") << 5 << "完成。.";
  }
  void guardRoutesEveryThrow() {
    QFETCH(int, kind);
    QFETCH(QString, boxText);
    Recorder recorder;
    TApplication application(gb::test::kTestExecutable, recorder.Services());
    bool after = false;
    Dispatch(application, nullptr, [kind, &after] {
      switch (kind) {
        case 0:
          throw EFCreateError("Cannot create file \"/x\". Permission denied");
        case 1:
          throw std::bad_alloc();
        case 2:
          throw 42;
        case 3:
          throw EConvertError("value (x)");
        case 4:
          throw Exception("done!");
        default:
          throw Exception("完成。");
      }
      after = true;
    });
    QVERIFY(!after);
    QCOMPARE(recorder.errorBoxes.size(), std::size_t{1});
    QCOMPARE(recorder.errorBoxes[0].text, boxText);
    QCOMPARE(recorder.errorBoxes[0].caption, gb::test::kTestTitle);
    QCOMPARE(recorder.errorBoxes[0].flags, MB_OK | MB_ICONSTOP);
  }

  void handlerWithoutErrorShowsNothing() {
    Recorder recorder;
    TApplication application(gb::test::kTestExecutable, recorder.Services());
    int runs = 0;
    Dispatch(application, nullptr, [&runs] { ++runs; });
    QCOMPARE(runs, 1);
    QVERIFY(recorder.errorBoxes.empty());
  }

  void noticeCaptionIsTheTitle() {
    Recorder recorder;
    TApplication application(gb::test::kTestExecutable, recorder.Services());
    application.ShowNotice(QStringLiteral("完成!"));
    QCOMPARE(recorder.notices.size(), std::size_t{1});
    QCOMPARE(recorder.notices[0].text, QStringLiteral("完成!"));
    QCOMPARE(recorder.notices[0].caption, gb::test::kTestTitle);
    QVERIFY(recorder.errorBoxes.empty());
  }

  void systemErrorBox() {
    const TDialogServices system = SystemDialogServices();
    bool inspected = false;
    AnswerNextModal([&inspected](QMessageBox& box) {
      QCOMPARE(box.icon(), QMessageBox::Critical);
      QCOMPARE(box.windowTitle(), gb::test::kTestTitle);
      QCOMPARE(box.text(), QStringLiteral("'abc' is not a valid floating point value."));
      QCOMPARE(box.buttons().size(), 1);
      QCOMPARE(box.standardButtons(), QMessageBox::Ok);
      inspected = true;
    });
    QCOMPARE(
        system.MessageBox(nullptr, QStringLiteral("'abc' is not a valid floating point value."),
                          gb::test::kTestTitle, MB_OK | MB_ICONSTOP),
        IDOK);
    QVERIFY(inspected);
  }

  void systemNoticeBox() {
    const TDialogServices system = SystemDialogServices();
    bool inspected = false;
    AnswerNextModal([&inspected](QMessageBox& box) {
      QCOMPARE(box.icon(), QMessageBox::NoIcon);
      QCOMPARE(box.windowTitle(), gb::test::kTestTitle);
      QCOMPARE(box.text(), QStringLiteral("完成!"));
      QCOMPARE(box.buttons().size(), 1);
      QCOMPARE(box.buttons()[0]->text(), QStringLiteral("OK"));
      QCOMPARE(box.defaultButton(), box.buttons()[0]);
      QCOMPARE(box.escapeButton(), box.buttons()[0]);
      inspected = true;
    });
    system.Notice(nullptr, QStringLiteral("完成!"), gb::test::kTestTitle);
    QVERIFY(inspected);
  }

  void nameFilters_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("qtFilters");
    QTest::newRow("pattern in text") << QString::fromUtf8("CSV(逗号分隔)(*.csv)|*.csv")
                                     << QStringList{QString::fromUtf8("CSV(逗号分隔)(*.csv)")};
    QTest::newRow("plain text") << "Text files|*.txt;*.log|All|*"
                                << QStringList{"Text files (*.txt *.log)", "All (*)"};
  }
  void nameFilters() {
    QFETCH(QString, filter);
    QFETCH(QStringList, qtFilters);
    QCOMPARE(QtNameFilters(filter), qtFilters);
  }

  // Qt's dialogs speak the user's language; the overwrite question with them.
  void qtTranslationsForTheDialogs() {
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFile::exists(folder + QStringLiteral("/qtbase_zh_CN.qm"))) {
      QSKIP("Qt's Chinese translation is not installed");
    }
    QVERIFY(!InstallQtTranslations(*qApp, QLocale(QStringLiteral("tlh")), folder));
    QVERIFY(InstallQtTranslations(*qApp, QLocale(QStringLiteral("zh_CN")), folder));
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const QString title = dialog.windowTitle();
    QVERIFY2(title != QStringLiteral("Save As") && !title.isEmpty(), qPrintable(title));
    QVERIFY(title.front().script() == QChar::Script_Han);
    const char* question = "%1 already exists.\nDo you want to replace it?";
    QVERIFY(QCoreApplication::translate("QFileDialog", question) != QLatin1String(question));
  }

  // Without a display the program says so in one line and how to calculate without a window.
  void noDisplay_data() {
    QTest::addColumn<QString>("display");
    QTest::newRow("not set") << QString();
    QTest::newRow("unreachable") << QStringLiteral(":4242");
  }
  void noDisplay() {
    QFETCH(QString, display);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
      env.remove(QString::fromLatin1(name));
    }
    if (!display.isNull()) env.insert(QStringLiteral("DISPLAY"), display);
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(GB_PROGRAM_PATH), {});
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 1);
    const QString error = QString::fromLocal8Bit(program.readAllStandardError());
    QCOMPARE(error.count(u'\n'), 1);
    QVERIFY2(error.startsWith(QStringLiteral("gb18306: no display could be opened")) &&
                 error.contains(QStringLiteral("gb18306-cli")),
             qPrintable(error));
    if (!display.isNull()) QVERIFY(error.contains(display));
    QVERIFY(program.readAllStandardOutput().isEmpty());
  }

  void localeChangeRereadsSeparators() {
    Recorder recorder;
    TApplication application(gb::test::kTestExecutable, recorder.Services());
    application.Initialize();
    DecimalSeparator = u'#';
    ThousandSeparator = u'#';
    QEvent change(QEvent::LocaleChange);
    QCoreApplication::sendEvent(qApp, &change);
    QCOMPARE(DecimalSeparator, u'.');  // LC_ALL=C.UTF-8
    QCOMPARE(ThousandSeparator, u'\0');
  }

  void startUpShowsTheWindowAndEndsWithZero() {
    Recorder recorder;
    TApplication application(gb::test::kTestExecutable, recorder.Services());
    ShowCounter counter;
    qApp->installEventFilter(&counter);
    bool visible = false;
    QRect frame;
    QTimer::singleShot(0, [&] {
      QWidget* form = application.MainForm();
      visible = form != nullptr && form->isVisible();
      if (form == nullptr) return;
      frame = form->frameGeometry();
      qobject_cast<TForm1*>(form)->btn4->click();
    });
    QCOMPARE(RunProgram(application), 0);
    qApp->removeEventFilter(&counter);
    QVERIFY(visible);
    // Centred on the whole screen, never before its top left corner.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(frame.left(),
             std::max(screen.left(), screen.left() + (screen.width() - frame.width()) / 2));
    QCOMPARE(frame.top(),
             std::max(screen.top(), screen.top() + (screen.height() - frame.height()) / 2));
    QCOMPARE(counter.shownMainWindows, 1);
    QVERIFY(!application.MainForm()->isVisible());
    QVERIFY(recorder.errorBoxes.empty());
  }

  // Under a comma decimal separator the first designed text is rejected: one box from the outer
  // clause, no window, exit code 0.
  void startUpUnderCommaSeparator() {
    QTemporaryDir locales;
    QVERIFY(locales.isValid());
    QProcess localedef;
    localedef.start(QStringLiteral("localedef"),
                    {QStringLiteral("-i"), QStringLiteral("de_DE"), QStringLiteral("-f"),
                     QStringLiteral("UTF-8"), locales.filePath(QStringLiteral("de_DE.UTF-8"))});
    if (!localedef.waitForFinished(60000) || localedef.exitCode() != 0) {
      QSKIP("localedef cannot make de_DE.UTF-8 here");
    }
    Recorder recorder;
    TApplication application(gb::test::kTestExecutable, recorder.Services());
    ShowCounter counter;
    int result = -1;
    {
      const ScopedEnv path("LOCPATH", QFile::encodeName(locales.path()));
      const ScopedEnv all("LC_ALL", "de_DE.UTF-8");
      qApp->installEventFilter(&counter);
      result = RunProgram(application);
      qApp->removeEventFilter(&counter);
      QCOMPARE(DecimalSeparator, u',');
    }
    RefreshNumberSeparators();
    QCOMPARE(DecimalSeparator, u'.');
    QCOMPARE(result, 0);
    QCOMPARE(counter.shownMainWindows, 0);
    QVERIFY(application.MainForm() == nullptr);
    QCOMPARE(recorder.errorBoxes.size(), std::size_t{1});
    QCOMPARE(recorder.errorBoxes[0].text,
             QStringLiteral("'0.05' is not a valid floating point value."));
    QCOMPARE(recorder.errorBoxes[0].caption, gb::test::kTestTitle);
    QCOMPARE(recorder.errorBoxes[0].flags, MB_OK | MB_ICONSTOP);
  }
};

QTEST_MAIN(TestApplication)
#include "tst_application.moc"
