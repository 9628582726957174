// SPDX-License-Identifier: GPL-3.0-or-later
// The real program on a Wayland desktop, under Debian's weston (headless), with XWayland and
// without: which display its window lives on, the hand-over from a second copy with the activation
// token a launcher gave it, and the always-on-top box where the platform cannot keep windows on top.
// Each copy gets its own runtime folder and reaches the compositor by the absolute path of its
// socket. Skipped, with the reason, where weston, the Wayland platform plugin or XWayland is missing.
#include "platform/AppInfo.h"
#include "platform/SingleInstance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <sys/stat.h>

namespace {

// A compositor starts in well under a second, the program shows its window in about one, a
// second copy ends in under one; the rest is margin for a loaded two-core machine.
constexpr int kStartMs = 15000;

// Waits for condition, driving this process's event loop, until the deadline.
template <typename Condition> bool within(int ms, Condition condition) {
    return QTest::qWaitFor(condition, ms);
}

QString fileText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The Qt platform plugins a running process has loaded, from its memory map.
bool loaded(const QProcess& process, const char* plugin) {
    return fileText(QStringLiteral("/proc/%1/maps").arg(process.processId())).contains(QLatin1String(plugin));
}

bool waylandPluginInstalled() {
    return QFile::exists(QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                         QStringLiteral("/platforms/libqwayland-generic.so"));
}

// weston, headless, in a runtime folder of its own; with XWayland when asked.
class Compositor {
  public:
    explicit Compositor(bool withX) {
        if (QStandardPaths::findExecutable(QStringLiteral("weston")).isEmpty()) {
            missing_ = QStringLiteral("weston is not installed (apt-get install weston)");
            return;
        }
        if (!waylandPluginInstalled()) {
            missing_ =
                QStringLiteral("Qt's Wayland platform plugin is not installed (apt-get install qt6-wayland)");
            return;
        }
        QStringList arguments{QStringLiteral("--backend=headless-backend.so"),
                              QStringLiteral("--socket=wayland-0"), QStringLiteral("--idle-time=0"),
                              QStringLiteral("--log=") + log()};
        if (withX) {
            if (QStandardPaths::findExecutable(QStringLiteral("Xwayland")).isEmpty()) {
                missing_ = QStringLiteral("XWayland is not installed (apt-get install xwayland)");
                return;
            }
            // The X servers' socket folder, which an X server creates when it can; weston does not.
            if (!QDir(QStringLiteral("/tmp/.X11-unix")).exists() &&
                (::mkdir("/tmp/.X11-unix", 01777) != 0 || ::chmod("/tmp/.X11-unix", 01777) != 0)) {
                missing_ = QStringLiteral("/tmp/.X11-unix does not exist and cannot be made");
                return;
            }
            arguments << QStringLiteral("--xwayland");
        }
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET"})
            environment.remove(QString::fromLatin1(name));
        weston_.setProcessEnvironment(environment);
        // What weston has to say goes to its log; what XWayland says is noise here.
        weston_.setStandardOutputFile(QProcess::nullDevice());
        weston_.setStandardErrorFile(QProcess::nullDevice());
        weston_.start(QStringLiteral("weston"), arguments);
        const QRegularExpression listening(QStringLiteral("xserver listening on display (:\\d+)"));
        const bool ready = within(kStartMs, [&] {
            if (!QFile::exists(socket()) || weston_.state() != QProcess::Running)
                return weston_.state() == QProcess::NotRunning;
            if (!withX)
                return true;
            const QRegularExpressionMatch match = listening.match(fileText(log()));
            xDisplay_ = match.captured(1);
            return match.hasMatch();
        });
        if (!ready || weston_.state() != QProcess::Running)
            failed_ = QStringLiteral("weston did not start: ") + fileText(log()).right(600);
    }
    ~Compositor() {
        weston_.terminate(); // weston ends its XWayland server itself
        if (!weston_.waitForFinished(5000))
            weston_.kill();
    }
    // Why the compositor cannot run here (a test then skips), or empty.
    QString missing() const { return missing_; }
    // Why it did not start although it could (a test then fails), or empty.
    QString failed() const { return failed_; }
    QString socket() const { return runtime_.filePath(QStringLiteral("wayland-0")); }
    QString xDisplay() const { return xDisplay_; }

  private:
    QString log() const { return runtime_.filePath(QStringLiteral("weston.log")); }
    QTemporaryDir runtime_;
    QProcess weston_;
    QString missing_;
    QString failed_;
    QString xDisplay_;
};

#define REQUIRE_COMPOSITOR(compositor)                                                                       \
    do {                                                                                                     \
        if (!(compositor).missing().isEmpty())                                                               \
            QSKIP(qPrintable((compositor).missing()));                                                       \
        QVERIFY2((compositor).failed().isEmpty(), qPrintable((compositor).failed()));                        \
    } while (false)

// What a desktop session gives a program it starts: the compositor's socket, an X display when
// there is one, a private runtime folder, and no platform chosen.
QProcessEnvironment session(const Compositor& compositor, const QTemporaryDir& runtime, bool withX) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "QT_QPA_PLATFORM", "XDG_ACTIVATION_TOKEN", "DESKTOP_STARTUP_ID"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    environment.insert(QStringLiteral("WAYLAND_DISPLAY"), compositor.socket());
    environment.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
    if (withX)
        environment.insert(QStringLiteral("DISPLAY"), compositor.xDisplay());
    return environment;
}

// libwayland's own record of a client's requests: the program named a top-level window so.
bool namedWaylandWindow(const QByteArray& protocolLog) {
    // libwayland names an object "interface@id" in its debug log up to 1.22, "interface#id" from 1.23.
    static const QRegularExpression named(QStringLiteral("xdg_toplevel[@#]\\d+\\.set_title\\(\"%1\"\\)")
                                              .arg(QRegularExpression::escape(platform::startupTitle())));
    return named.match(QString::fromUtf8(protocolLog)).hasMatch();
}

// Whether the X display has a window with exactly the start-up title.
bool namedXWindow(const QString& display) {
    QProcess search;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display);
    search.setProcessEnvironment(environment);
    search.start(
        QStringLiteral("xdotool"),
        {QStringLiteral("search"), QStringLiteral("--name"),
         QLatin1Char('^') + QRegularExpression::escape(platform::startupTitle()) + QLatin1Char('$')});
    return search.waitForFinished(kStartMs) && search.exitCode() == 0 &&
           !search.readAllStandardOutput().isEmpty();
}

void stop(QProcess& process) {
    process.kill();
    process.waitForFinished(5000);
}

} // namespace

class TestWaylandSession : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void windowLivesOnTheChosenDisplay_data();
    void windowLivesOnTheChosenDisplay();
    void secondCopyHandsOverAndEnds();
    void activationTokenReachesTheRunningCopy();
    void alwaysOnTopOfferedOnlyWhereItWorks_data();
    void alwaysOnTopOfferedOnlyWhereItWorks();

  private:
    std::unique_ptr<Compositor> waylandOnly_;
    std::unique_ptr<Compositor> withX_;
};

void TestWaylandSession::initTestCase() {
    waylandOnly_ = std::make_unique<Compositor>(false);
    withX_ = std::make_unique<Compositor>(true);
}

void TestWaylandSession::windowLivesOnTheChosenDisplay_data() {
    QTest::addColumn<QString>("platform"); // QT_QPA_PLATFORM as the user set it; empty: not set
    QTest::addColumn<bool>("onX");
    QTest::newRow("no platform chosen: X") << QString() << true;
    QTest::newRow("Wayland chosen") << QStringLiteral("wayland") << false;
}

void TestWaylandSession::windowLivesOnTheChosenDisplay() {
    QFETCH(QString, platform);
    QFETCH(bool, onX);
    REQUIRE_COMPOSITOR(*withX_);
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        QSKIP("xdotool is not installed (apt-get install xdotool)");
    QTemporaryDir runtime;
    QProcessEnvironment environment = session(*withX_, runtime, true);
    if (!platform.isEmpty())
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    environment.insert(QStringLiteral("WAYLAND_DEBUG"), QStringLiteral("client"));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(ORVANE_PATH));
    QVERIFY(program.waitForStarted());
    QByteArray protocolLog;
    const bool shown = within(kStartMs, [&] {
        protocolLog += program.readAllStandardError();
        return onX ? namedXWindow(withX_->xDisplay()) : namedWaylandWindow(protocolLog);
    });
    const bool onXcb = loaded(program, "libqxcb");
    const bool onWayland = loaded(program, "libqwayland");
    stop(program);
    QVERIFY2(shown, onX ? "no window on the X display" : "no window on the Wayland display");
    QCOMPARE(onXcb, onX);
    QCOMPARE(onWayland, !onX);
}

void TestWaylandSession::secondCopyHandsOverAndEnds() {
    REQUIRE_COMPOSITOR(*waylandOnly_);
    QTemporaryDir runtime;
    QProcessEnvironment environment = session(*waylandOnly_, runtime, false);
    environment.insert(QStringLiteral("WAYLAND_DEBUG"), QStringLiteral("client"));
    QProcess first;
    first.setProcessEnvironment(environment);
    first.start(QStringLiteral(ORVANE_PATH));
    QByteArray protocolLog;
    QVERIFY2(
        within(kStartMs, [&] { return namedWaylandWindow(protocolLog += first.readAllStandardError()); }),
        "the first copy shows no window");

    environment.remove(QStringLiteral("WAYLAND_DEBUG"));
    environment.insert(QStringLiteral("XDG_ACTIVATION_TOKEN"), QStringLiteral("launcher-token-1"));
    QProcess second;
    second.setProcessEnvironment(environment);
    second.start(QStringLiteral(ORVANE_PATH));
    const bool ended = second.waitForFinished(kStartMs);
    const bool firstRuns = first.state() == QProcess::Running;
    stop(first);
    QVERIFY2(ended, "the second copy did not end");
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QVERIFY(firstRuns);
}

void TestWaylandSession::activationTokenReachesTheRunningCopy() {
    REQUIRE_COMPOSITOR(*waylandOnly_);
    // The running copy is a stand-in that prints what it is handed, on the program's own names.
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    const platform::SingleInstance::Names names = platform::SingleInstance::defaultNames();
    QProcess running;
    running.start(QStringLiteral(INSTANCE_PROBE_PATH), {names.lockPath, names.serverName});
    QVERIFY(running.waitForReadyRead(kStartMs));
    QCOMPARE(running.readLine(), QByteArray("primary\n"));

    QProcessEnvironment environment = session(*waylandOnly_, runtime, false);
    environment.insert(QStringLiteral("XDG_ACTIVATION_TOKEN"), QStringLiteral("weston-launch/42_TIME7"));
    QProcess copy;
    copy.setProcessEnvironment(environment);
    copy.start(QStringLiteral(ORVANE_PATH));
    QVERIFY(copy.waitForFinished(kStartMs));
    QCOMPARE(copy.exitCode(), 0);
    QVERIFY(within(kStartMs, [&] { return running.canReadLine(); }));
    const QString handed = QString::fromUtf8(running.readLine());
    stop(running);
    QCOMPARE(handed, platform::startupTitle() + QStringLiteral("\tweston-launch/42_TIME7\n"));
}

void TestWaylandSession::alwaysOnTopOfferedOnlyWhereItWorks_data() {
    QTest::addColumn<QString>("platform");
    QTest::addColumn<QString>("said");
    QTest::newRow("Wayland") << QStringLiteral("wayland") << QStringLiteral("wayland 0\n");
    // Weston's X11 window manager announces what it supports, and keeping above is not among it.
    QTest::newRow("X11 on the same desktop") << QStringLiteral("xcb") << QStringLiteral("xcb 0\n");
}

void TestWaylandSession::alwaysOnTopOfferedOnlyWhereItWorks() {
    QFETCH(QString, platform);
    QFETCH(QString, said);
    const bool withX = platform == QLatin1String("xcb");
    const Compositor& compositor = withX ? *withX_ : *waylandOnly_;
    REQUIRE_COMPOSITOR(compositor);
    QTemporaryDir runtime;
    QProcessEnvironment environment = session(compositor, runtime, withX);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    QProcess probe;
    probe.setProcessEnvironment(environment);
    probe.start(QStringLiteral(WINDOW_PROBE_PATH));
    QVERIFY(probe.waitForFinished(kStartMs));
    QCOMPARE(probe.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(probe.readAllStandardOutput()), said);
}

QTEST_GUILESS_MAIN(TestWaylandSession)
#include "tst_waylandsession.moc"
