// Save data and gb18306-cli --report against real file-system faults: each ends with its error
// text, leaves the former report byte for byte and leaves no temporary file behind. Faults the
// report and command-line suites already cover (a missing folder, a file in the folder's place,
// a folder as the command line's target) are not repeated here.
#include <errno.h>
#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include <functional>
#include <memory>
#include <set>

#include "platform/posix/FileLock.h"
#include "report/SaveReport.h"
#include "tests/ui/qt/UiTestSupport.h"

using namespace gb;
using gb::test::Program;

namespace {

constexpr uid_t kNobody = 65534;
constexpr rlim_t kFileSizeLimit = 4096;

enum Route { kWindow = 1, kCli = 2, kBoth = kWindow | kCli };

// What the process that writes may do: an ordinary user's rights, a cap on file sizes.
struct Restrictions {
  bool asNobody = false;
  bool fileSizeLimit = false;
  QByteArray locale;        // LC_ALL of the window's save, where not empty
  QByteArray localeFolder;  // LOCPATH for it
};

// Runs in the child that writes, before anything is written. A process over its file-size limit
// gets SIGXFSZ; ignored, the write fails with EFBIG as it does on a full disk.
bool Enter(const Restrictions& r) {
  if (!r.locale.isEmpty()) {
    ::setenv("LC_ALL", r.locale.constData(), 1);
    ::setenv("LOCPATH", r.localeFolder.constData(), 1);
  }
  if (r.fileSizeLimit) {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{kFileSizeLimit, kFileSizeLimit};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return false;
  }
  if (r.asNobody && ::geteuid() == 0) {
    if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) {
      return false;
    }
  }
  return true;
}

// A tmpfs mounted for one case and detached with it.
class Tmpfs {
 public:
  Tmpfs() = default;
  Tmpfs(const Tmpfs&) = delete;
  Tmpfs& operator=(const Tmpfs&) = delete;
  ~Tmpfs() {
    if (!at_.isEmpty()) ::umount2(QFile::encodeName(at_).constData(), MNT_DETACH);
  }
  // 0 or the errno of the refused mount.
  int Mount(const QString& at, const char* options) {
    QDir().mkpath(at);
    if (::mount("tmpfs", QFile::encodeName(at).constData(), "tmpfs", 0, options) != 0) {
      return errno;
    }
    at_ = at;
    return 0;
  }
  int RemountReadOnly() {
    const int rc = ::mount(nullptr, QFile::encodeName(at_).constData(), nullptr,
                           MS_REMOUNT | MS_RDONLY, nullptr);
    return rc == 0 ? 0 : errno;
  }

 private:
  QString at_;
};

// One prepared target: the folder the name is relative to, the former file (if any), the
// folders that must keep exactly their entries, and what was set up to make the fault happen.
struct Scene {
  QString folder;
  QString name;
  QString formerPath;
  QByteArray formerBytes;
  QStringList watched;
  Restrictions restrictions;
  QString note;  // how the fault was made, where that is not obvious
  std::vector<std::unique_ptr<Tmpfs>> mounts;
  QString lockedFolder;  // opened again afterwards, so the temporary folder can go
  int busyHolder = -1;   // another save's open, locked report
  Scene() = default;
  Scene(const Scene&) = delete;
  Scene& operator=(const Scene&) = delete;
  ~Scene() {
    if (!lockedFolder.isEmpty()) ::chmod(QFile::encodeName(lockedFolder).constData(), 0755);
    if (busyHolder >= 0) ::close(busyHolder);
  }
  QString Target() const { return folder + u'/' + name; }
};

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteAll(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A former report an engineer would not want to lose: several pages, so a full disk cannot
// hold it twice.
QByteArray FormerReport() {
  QByteArray bytes;
  for (int i = 0; bytes.size() < 10000; ++i)
    bytes += "former,report,line," + QByteArray::number(i) + "\r\n";
  return bytes;
}

std::set<QString> Entries(const QString& folder) {
  std::set<QString> names;
  for (const QString& name : QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                                    QDir::NoDotAndDotDot)) {
    names.insert(name);
  }
  return names;
}

QString Printable(std::set<QString> names) {
  QStringList list(names.begin(), names.end());
  return list.join(u' ');
}

struct Outcome {
  bool succeeded = false;
  QString text;  // the error box / standard error text, or the notice
};

// Save data in a child process of the test, so the child alone drops its rights or meets the
// file-size limit; the window it inherits is the test's, recorders and all.
Outcome SaveThroughWindow(Program& program, const QString& path, const Restrictions& r) {
  int channel[2];
  if (::pipe(channel) != 0) return {false, QStringLiteral("pipe failed")};
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(channel[0]);
    QByteArray answer;
    if (!Enter(r)) {
      answer = "restrictions refused";
    } else {
      program.recorder.saveAnswers.push_back(path);
      program.form->btn3->click();
      if (!program.recorder.errorBoxes.empty()) {
        answer = "box:" + program.recorder.errorBoxes.back().text.toUtf8();
      } else if (!program.recorder.notices.empty()) {
        answer = "notice:" + program.recorder.notices.back().text.toUtf8();
      }
    }
    const ssize_t written = ::write(channel[1], answer.constData(), answer.size());
    ::_exit(written == answer.size() ? 0 : 1);
  }
  ::close(channel[1]);
  QByteArray answer;
  char buffer[4096];
  for (ssize_t n; (n = ::read(channel[0], buffer, sizeof buffer)) != 0;) {
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) break;
    answer.append(buffer, n);
  }
  ::close(channel[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    return {false, QStringLiteral("window process failed, status %1").arg(status)};
  }
  if (answer.startsWith("notice:")) return {true, QString::fromUtf8(answer.mid(7))};
  if (answer.startsWith("box:")) return {false, QString::fromUtf8(answer.mid(4))};
  return {false, QStringLiteral("neither box nor notice: ") + QString::fromUtf8(answer)};
}

// The command-line program where the unprivileged user can reach it: the build tree may lie in a
// folder only its owner may enter (a checkout under /root), so a copy goes to a folder of its own.
const QString& CliForAnyone() {
  static QTemporaryDir folder;
  static const QString path = [] {
    const QString copy = folder.filePath(QStringLiteral("gb18306-cli"));
    const auto anyone = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                        QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
    if (!folder.isValid() || !QFile::copy(QStringLiteral(GB_CLI_PATH), copy) ||
        !QFile::setPermissions(folder.path(), anyone) || !QFile::setPermissions(copy, anyone)) {
      qFatal("cannot copy gb18306-cli where every user can run it");
    }
    return copy;
  }();
  return path;
}

Outcome SaveThroughCli(const Scene& scene, const QString& reportArgument,
                       const QString& standardOutput = {}) {
  QProcess cli;
  cli.setWorkingDirectory(scene.folder);
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
  cli.setProcessEnvironment(env);
  const Restrictions r = scene.restrictions;
  cli.setChildProcessModifier([r] {
    if (!Enter(r)) ::_exit(97);
  });
  if (!standardOutput.isEmpty()) cli.setStandardOutputFile(standardOutput);
  cli.start(CliForAnyone(), {QStringLiteral("--report"), reportArgument});
  if (!cli.waitForFinished(60000) || cli.exitStatus() != QProcess::NormalExit) {
    return {false, QStringLiteral("gb18306-cli did not finish normally")};
  }
  QString err = QString::fromUtf8(cli.readAllStandardError());
  if (cli.exitCode() == 0 && err.isEmpty()) return {true, QString()};
  if (err.endsWith(u'\n')) err.chop(1);
  if (cli.exitCode() != 1) err += QStringLiteral(" [exit %1]").arg(cli.exitCode());
  return {false, err};
}

QString CreateError(const Scene& scene, const char* systemText) {
  return QStringLiteral("Cannot create file \"%1\". %2.")
      .arg(scene.Target(), QLatin1String(systemText));
}

// Each case prepares its scene in a fresh folder `work`; an empty result means it ran, any other
// text is the reason it cannot run here.
using Prepare = std::function<QString(const QString& work, Scene& scene)>;

struct FaultCase {
  const char* fault;
  int routes;
  Prepare prepare;
  // The error text the scene must end with; empty for a save that must succeed.
  std::function<QString(const Scene&)> expected;
};

void Former(Scene& scene, const QString& path) {
  scene.formerPath = path;
  scene.formerBytes = FormerReport();
  WriteAll(path, scene.formerBytes);
}

// Closes the scene's folder to new files. Root ignores the bits, so as root the writer also
// gives up its rights and becomes the unprivileged user.
void Lock(Scene& s) {
  ::chmod(QFile::encodeName(s.folder).constData(), 0555);
  s.lockedFolder = s.folder;
  s.watched = {s.folder};
  s.restrictions.asNobody = true;
}

const FaultCase kCases[] = {
    {"folder not writable, former report (uid 65534)", kBoth,
     [](const QString& work, Scene& s) {
       s.folder = work + QStringLiteral("/shared");
       QDir().mkpath(s.folder);
       s.name = QStringLiteral("report.csv");
       Former(s, s.Target());
       ::chmod(QFile::encodeName(s.formerPath).constData(), 0444);
       Lock(s);
       return QString();
     },
     [](const Scene& s) { return CreateError(s, "Permission denied"); }},
    {"folder not writable, new file (uid 65534)", kBoth,
     [](const QString& work, Scene& s) {
       s.folder = work + QStringLiteral("/shared");
       QDir().mkpath(s.folder);
       s.name = QStringLiteral("report.csv");
       Lock(s);
       return QString();
     },
     [](const Scene& s) { return CreateError(s, "Permission denied"); }},
    {"read-only file system, former report", kBoth,
     [](const QString& work, Scene& s) {
       s.folder = work + QStringLiteral("/ro");
       auto& mount = s.mounts.emplace_back(std::make_unique<Tmpfs>());
       if (const int error = mount->Mount(s.folder, "size=64k,mode=0755")) {
         return QStringLiteral("mount refused: %1").arg(QLatin1String(strerror(error)));
       }
       s.name = QStringLiteral("report.csv");
       Former(s, s.Target());
       s.watched = {s.folder};
       if (const int error = mount->RemountReadOnly()) {
         return QStringLiteral("remount refused: %1").arg(QLatin1String(strerror(error)));
       }
       return QString();
     },
     [](const Scene& s) { return CreateError(s, "Read-only file system"); }},
    {"read-only file system, new file", kBoth,
     [](const QString& work, Scene& s) {
       s.folder = work + QStringLiteral("/ro");
       auto& mount = s.mounts.emplace_back(std::make_unique<Tmpfs>());
       if (const int error = mount->Mount(s.folder, "size=64k,mode=0755")) {
         return QStringLiteral("mount refused: %1").arg(QLatin1String(strerror(error)));
       }
       if (const int error = mount->RemountReadOnly()) {
         return QStringLiteral("remount refused: %1").arg(QLatin1String(strerror(error)));
       }
       s.name = QStringLiteral("report.csv");
       s.watched = {s.folder};
       return QString();
     },
     [](const Scene& s) { return CreateError(s, "Read-only file system"); }},
    {"target is a folder", kWindow,
     [](const QString& work, Scene& s) {
       s.folder = work;
       s.name = QStringLiteral("report.csv");
       QDir().mkpath(s.Target());
       WriteAll(s.Target() + QStringLiteral("/inside.txt"), "kept");
       s.watched = {s.folder, s.Target()};
       return QString();
     },
     [](const Scene& s) { return CreateError(s, "Is a directory"); }},
    {"file name too long", kBoth,
     [](const QString& work, Scene& s) {
       s.folder = work;
       s.name = QString(252, u'n') + QStringLiteral(".csv");
       s.watched = {s.folder};
       return QString();
     },
     [](const Scene& s) { return CreateError(s, "File name too long"); }},
    {"disk full, former report", kBoth,
     [](const QString& work, Scene& s) {
       s.folder = work + QStringLiteral("/full");
       s.name = QStringLiteral("report.csv");
       auto& mount = s.mounts.emplace_back(std::make_unique<Tmpfs>());
       const int error = mount->Mount(s.folder, "size=16k,mode=0755");
       if (error == 0) {
         s.note = QStringLiteral("tmpfs size=16k");
         Former(s, s.Target());  // three of its four pages
         s.watched = {s.folder};
         return QString();
       }
       s.mounts.clear();
       s.note = QStringLiteral("mount refused (%1): ").arg(QLatin1String(strerror(error)));
       s.note += QStringLiteral("file-size limit %1 bytes instead").arg(kFileSizeLimit);
       QDir().mkpath(s.folder);
       Former(s, s.Target());
       s.watched = {s.folder};
       s.restrictions.fileSizeLimit = true;
       return QString();
     },
     [](const Scene&) { return QStringLiteral("Stream write error."); }},
    {"disk full, new file", kBoth,
     [](const QString& work, Scene& s) {
       s.folder = work + QStringLiteral("/full");
       s.name = QStringLiteral("report.csv");
       auto& mount = s.mounts.emplace_back(std::make_unique<Tmpfs>());
       const int error = mount->Mount(s.folder, "size=16k,mode=0755");
       if (error == 0) {
         s.note = QStringLiteral("tmpfs size=16k, filled up");
         QFile filler(s.folder + QStringLiteral("/filler"));
         if (!filler.open(QIODevice::WriteOnly)) return QStringLiteral("no filler file");
         const QByteArray page(4096, 'f');
         while (filler.write(page) == page.size() && filler.flush()) {
         }
         s.watched = {s.folder};
         return QString();
       }
       s.mounts.clear();
       s.note = QStringLiteral("mount refused (%1): ").arg(QLatin1String(strerror(error)));
       s.note += QStringLiteral("file-size limit %1 bytes instead").arg(kFileSizeLimit);
       QDir().mkpath(s.folder);
       s.watched = {s.folder};
       s.restrictions.fileSizeLimit = true;
       return QString();
     },
     [](const Scene&) { return QStringLiteral("Stream write error."); }},
    {"symbolic link to a report elsewhere", kBoth,
     [](const QString& work, Scene& s) {
       s.folder = work + QStringLiteral("/links");
       const QString elsewhere = work + QStringLiteral("/reports");
       QDir().mkpath(s.folder);
       QDir().mkpath(elsewhere);
       Former(s, elsewhere + QStringLiteral("/real.csv"));
       s.name = QStringLiteral("latest.csv");
       if (!QFile::link(QStringLiteral("../reports/real.csv"), s.Target())) {
         return QStringLiteral("cannot make a symbolic link");
       }
       s.watched = {s.folder, elsewhere};
       return QString();
     },
     nullptr},
    // The report is written in place and the disk cannot hold its new length: nothing of the
    // former report may be overwritten before the space is there.
    {"disk full, in place (folder takes no new file, uid 65534)", kBoth,
     [](const QString& work, Scene& s) {
       s.folder = work + QStringLiteral("/full");
       s.name = QStringLiteral("report.csv");
       auto& mount = s.mounts.emplace_back(std::make_unique<Tmpfs>());
       if (const int error = mount->Mount(s.folder, "size=16k,mode=0755")) {
         return QStringLiteral("mount refused: %1").arg(QLatin1String(strerror(error)));
       }
       s.note = QStringLiteral("tmpfs size=16k, a one-page former report, filled up");
       s.formerPath = s.Target();
       for (int i = 0; s.formerBytes.size() < 1500; ++i)
         s.formerBytes += "short,former,line," + QByteArray::number(i) + "\r\n";
       WriteAll(s.formerPath, s.formerBytes);
       ::chmod(QFile::encodeName(s.formerPath).constData(), 0666);
       QFile filler(s.folder + QStringLiteral("/filler"));
       if (!filler.open(QIODevice::WriteOnly)) return QStringLiteral("no filler file");
       const QByteArray page(4096, 'f');
       while (filler.write(page) == page.size() && filler.flush()) {
       }
       Lock(s);
       return QString();
     },
     [](const Scene&) { return QStringLiteral("Stream write error."); }},
    // Another save holds the report: this one is refused and mixes nothing into it.
    {"report held by another save", kBoth,
     [](const QString& work, Scene& s) {
       s.folder = work;
       s.name = QStringLiteral("report.csv");
       Former(s, s.Target());
       s.watched = {s.folder};
       s.busyHolder = ::open(QFile::encodeName(s.formerPath).constData(), O_WRONLY | O_CLOEXEC);
       if (s.busyHolder < 0 || LockWholeFile(s.busyHolder) != 0) {
         return QStringLiteral("cannot lock the report");
       }
       return QString();
     },
     [](const Scene& s) { return CreateError(s, "Resource temporarily unavailable"); }},
    // The system's text comes in the locale's character set; the box shows it decoded.
    {"folder removed after the dialog opened, zh_CN.GBK", kWindow,
     [](const QString& work, Scene& s) {
       s.folder = work + QStringLiteral("/removed");
       s.name = QStringLiteral("report.csv");
       s.watched = {work};
       const QString locales = work + QStringLiteral("/locales");
       QDir().mkpath(locales);
       QProcess localedef;
       localedef.start(QStringLiteral("localedef"),
                       {QStringLiteral("-i"), QStringLiteral("zh_CN"), QStringLiteral("-f"),
                        QStringLiteral("GBK"), locales + QStringLiteral("/zh_CN.GBK")});
       if (!localedef.waitForFinished(60000) ||
           !QFileInfo::exists(locales + QStringLiteral("/zh_CN.GBK/LC_CTYPE"))) {
         return QStringLiteral("localedef cannot make zh_CN.GBK");
       }
       s.restrictions.locale = "zh_CN.GBK";
       s.restrictions.localeFolder = QFile::encodeName(locales);
       s.note = QStringLiteral("LC_ALL=zh_CN.GBK");
       return QString();
     },
     [](const Scene& s) {
       return QStringLiteral("Cannot create file \"%1\". 没有那个文件或目录.").arg(s.Target());
     }},
};

// The bytes the window and the command line both write for the designed inputs and class II.
QByteArray DesignedReport(const ParameterSet& p) {
  return QByteArray::fromStdString(ReportBytes(
      "UTF-8", {kPgaZoneItems[p.FPgaZoneIndex], kTgZoneItems[p.FTgZoneIndex], p,
                MakeResultGrid(ResultGrid::Pga, p), MakeResultGrid(ResultGrid::Period, p),
                MakeResultGrid(ResultGrid::Platform, p), scII}));
}

}  // namespace

class TestFileFaults : public QObject {
  Q_OBJECT

 private slots:
  void faultsLeaveTheFormerFileAndNoTemporaryFile() {
    Program program;
    const QByteArray report = DesignedReport(program.form->Parameters());
    QStringList table{QStringLiteral("fault | route | outcome | former file | folder entries")};
    int failures = 0;
    for (const FaultCase& c : kCases) {
      for (const Route route : {kWindow, kCli}) {
        if (!(c.routes & route)) continue;
        const QString routeName =
            route == kWindow ? QStringLiteral("Save data") : QStringLiteral("gb18306-cli --report");
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        // Open to the unprivileged user, who must fail for the case's reason and no other.
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                              QFile::ReadGroup | QFile::ExeGroup |
                                              QFile::ReadOther | QFile::ExeOther);
        Scene scene;
        const QString skipped = c.prepare(dir.path(), scene);
        if (!skipped.isEmpty()) {
          table << QStringLiteral("%1 | %2 | not run: %3 | | ").arg(c.fault, routeName, skipped);
          continue;
        }
        std::vector<std::set<QString>> before;
        for (const QString& folder : scene.watched) before.push_back(Entries(folder));
        QFileInfo link(scene.Target());
        const QString linkTarget = link.isSymLink() ? link.symLinkTarget() : QString();

        const Outcome outcome = route == kWindow
                                    ? SaveThroughWindow(program, scene.Target(), scene.restrictions)
                                    : SaveThroughCli(scene, scene.name);

        QStringList problems;
        const QString expected = c.expected ? c.expected(scene) : QString();
        // The command line follows a write error with the file and the system's reason.
        const bool namesFile =
            route != kWindow && expected == QStringLiteral("Stream write error.");
        const bool asExpected =
            namesFile
                ? outcome.text.startsWith(expected + QStringLiteral(" (\"")) &&
                      outcome.text.endsWith(QStringLiteral(")")) &&
                      outcome.text.contains(QLatin1Char('/') + scene.name + QStringLiteral("\": "))
                : outcome.text == expected;
        if (c.expected) {
          if (outcome.succeeded || !asExpected) {
            problems << QStringLiteral("expected \"%1\"").arg(expected);
          }
        } else if (!outcome.succeeded) {
          problems << QStringLiteral("expected success");
        }
        QString formerState = QStringLiteral("none");
        if (!scene.formerPath.isEmpty()) {
          const QByteArray now = ReadAll(scene.formerPath);
          if (now == scene.formerBytes) {
            formerState = QStringLiteral("byte-identical");
          } else if (now == report) {
            formerState = QStringLiteral("replaced by the report");
          } else {
            formerState = QStringLiteral("CHANGED (%1 bytes)").arg(now.size());
          }
          if (c.expected ? now != scene.formerBytes : now != report) problems << formerState;
        }
        if (!linkTarget.isEmpty()) {
          const QFileInfo after(scene.Target());
          if (!after.isSymLink() || after.symLinkTarget() != linkTarget) {
            problems << QStringLiteral("the link was replaced");
          } else {
            formerState += QStringLiteral(", link kept");
          }
        }
        QString entries = QStringLiteral("unchanged");
        for (std::size_t i = 0; i < before.size(); ++i) {
          const std::set<QString> now = Entries(scene.watched[int(i)]);
          if (now != before[i]) {
            entries = QStringLiteral("CHANGED: %1 -> %2").arg(Printable(before[i]), Printable(now));
            problems << entries;
          }
        }
        QString shown = outcome.succeeded
                            ? (route == kWindow ? outcome.text : QStringLiteral("exit 0"))
                            : outcome.text;
        if (shown.size() > 110) shown = shown.left(60) + QStringLiteral("…") + shown.right(45);
        QString row = QStringLiteral("%1 | %2 | %3 | %4 | %5")
                          .arg(c.fault, routeName, shown, formerState, entries);
        if (!scene.note.isEmpty()) row += QStringLiteral(" (%1)").arg(scene.note);
        if (!problems.isEmpty()) {
          ++failures;
          row += QStringLiteral("  <-- FAILED: ") + problems.join(QStringLiteral("; ")) +
                 QStringLiteral("; got \"%1\"").arg(outcome.text);
        }
        table << row;
      }
    }
    // A full standard output is the command line's own disk-full case.
    {
      Scene scene;
      scene.folder = QDir::tempPath();
      const Outcome outcome =
          SaveThroughCli(scene, QStringLiteral("-"), QStringLiteral("/dev/full"));
      const bool ok =
          !outcome.succeeded && outcome.text == QStringLiteral(
                                                    "Stream write error. (the standard output: "
                                                    "No space left on device)");
      table << QStringLiteral(
                   "standard output full (/dev/full) | gb18306-cli --report - | %1 | | %2")
                   .arg(outcome.text, ok ? QString() : QStringLiteral("  <-- FAILED"));
      if (!ok) ++failures;
    }
    for (const QString& row : table) qInfo().noquote() << row;
    QCOMPARE(failures, 0);
  }
};

QTEST_MAIN(TestFileFaults)
#include "tst_file_faults.moc"
