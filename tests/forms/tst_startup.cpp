// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and the single copy: in one process through the start-up form, and with real copies
// of the program (a second copy ends, a killed first copy blocks nothing, garbage changes nothing,
// a second copy started by a desktop launcher on X11 ends the launch).
#include "FormTestSupport.h"
#include "forms/startup/frmSplash.h"
#include "platform/AppInfo.h"
#include "platform/SingleInstance.h"

#include <QDir>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocalSocket>
#include <QLockFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <tuple>
#include <xcb/xcb.h>

namespace {

// How long each wait may take before the start-up counts as broken. In a correct run on a loaded
// two-core machine a hand-over in this process takes milliseconds, a copy of the program starts
// listening or ends within half a second, and a dozen copies started at once are down to one in
// under two; the rest is margin. A failing QTRY_* waits out three times its timeout, so the waits
// here give up at theirs.
constexpr int kInProcessMs = 2000;
constexpr int kCopyMs = 5000;
constexpr int kCrowdMs = 10000;

template <typename Condition> bool soon(Condition condition, int timeoutMs = kInProcessMs) {
    return QTest::qWaitFor(condition, timeoutMs);
}

bool endedWell(const QProcess& process) {
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

int visibleMainWindows() {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        count += widget->isVisible() && qobject_cast<frm1*>(widget) != nullptr;
    return count;
}

// Starts another copy in this process; true when it ended without a main window, as it must.
bool laterCopyEnds(const platform::SingleInstance::Names& names) {
    platform::SingleInstance instance(names);
    frmSplash splash(instance);
    return splash.Form_Load() == nullptr;
}

// Counts every time a widget is shown.
class ShowCounter : public QObject {
  public:
    int shows = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        shows += event->type() == QEvent::Show;
        return false;
    }
};

// What clients broadcast on the root window: startup-notification messages and requests to
// activate a window.
class RootWatch {
  public:
    struct Activation {
        quint32 source, time;
    };

    // On the display DISPLAY names.
    RootWatch() : c_(xcb_connect(nullptr, nullptr)) {
        if (xcb_connection_has_error(c_))
            return;
        root_ = xcb_setup_roots_iterator(xcb_get_setup(c_)).data->root;
        // Startup notification goes to PropertyChange listeners, requests to the window manager to
        // SubstructureNotify ones too.
        const std::uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(c_, root_, XCB_CW_EVENT_MASK, &mask);
        begin_ = atom("_NET_STARTUP_INFO_BEGIN");
        more_ = atom("_NET_STARTUP_INFO");
        activate_ = atom("_NET_ACTIVE_WINDOW");
    }
    ~RootWatch() { xcb_disconnect(c_); }
    RootWatch(const RootWatch&) = delete;
    RootWatch& operator=(const RootWatch&) = delete;

    bool connected() const { return root_ != 0; }

    // Takes in what has arrived: whole messages, put together from the pieces that name the same
    // window up to a zero byte, and activation requests.
    void read() {
        while (xcb_generic_event_t* event = xcb_poll_for_event(c_)) {
            const auto& message = *reinterpret_cast<const xcb_client_message_event_t*>(event);
            const char* bytes = reinterpret_cast<const char*>(message.data.data8);
            if ((event->response_type & 0x7F) != XCB_CLIENT_MESSAGE) {
            } else if (message.type == activate_) {
                activations.append({message.data.data32[0], message.data.data32[1]});
            } else if (message.type == begin_ || message.type == more_) {
                QByteArray& text = partial_[message.window];
                if (message.type == begin_)
                    text.clear();
                const qsizetype end = QByteArrayView(bytes, 20).indexOf('\0');
                text.append(bytes, end < 0 ? 20 : end);
                if (end >= 0)
                    messages.append(partial_.take(message.window));
            }
            std::free(event);
        }
    }
    QByteArrayList messages;
    QList<Activation> activations;

    // Maps a window of this client's own and has the window manager make it the active one, as if
    // the user were working in another program; returns the X server's time then.
    xcb_timestamp_t workElsewhere() {
        own_ = xcb_generate_id(c_);
        const std::uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_create_window(c_, XCB_COPY_FROM_PARENT, own_, root_, 0, 0, 200, 100, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &events);
        xcb_map_window(c_, own_);
        xcb_change_property(c_, XCB_PROP_MODE_REPLACE, own_, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, 5,
                            "outro");
        xcb_flush(c_);
        xcb_timestamp_t now = 0; // the time of the property change, as the server reports it
        while (!now) {
            xcb_generic_event_t* event = xcb_wait_for_event(c_);
            if (!event)
                return 0;
            const auto* change = reinterpret_cast<const xcb_property_notify_event_t*>(event);
            if ((event->response_type & 0x7F) == XCB_PROPERTY_NOTIFY && change->window == own_)
                now = change->time;
            std::free(event);
        }
        xcb_client_message_event_t request{};
        request.response_type = XCB_CLIENT_MESSAGE;
        request.format = 32;
        request.window = own_;
        request.type = activate_;
        request.data.data32[0] = 2; // a pager's request: the user asked for it
        request.data.data32[1] = now;
        xcb_send_event(c_, 0, root_,
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&request));
        xcb_flush(c_);
        return now;
    }

    // The title of the window the window manager says is active (its _NET_WM_NAME, else WM_NAME).
    QString activeTitle() {
        const QByteArray active = property(root_, activate_, XCB_ATOM_WINDOW);
        if (active.size() < 4)
            return {};
        const xcb_window_t window = *reinterpret_cast<const xcb_window_t*>(active.constData());
        const QByteArray name = property(window, atom("_NET_WM_NAME"), atom("UTF8_STRING"));
        return QString::fromUtf8(name.isEmpty() ? property(window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING) : name);
    }

  private:
    QByteArray property(xcb_window_t window, xcb_atom_t name, xcb_atom_t type) {
        xcb_get_property_reply_t* reply =
            xcb_get_property_reply(c_, xcb_get_property(c_, 0, window, name, type, 0, 1024), nullptr);
        const QByteArray value = reply ? QByteArray(static_cast<const char*>(xcb_get_property_value(reply)),
                                                    xcb_get_property_value_length(reply))
                                       : QByteArray();
        std::free(reply);
        return value;
    }

    xcb_atom_t atom(const char* name) {
        xcb_intern_atom_reply_t* reply =
            xcb_intern_atom_reply(c_, xcb_intern_atom(c_, 0, std::uint16_t(qstrlen(name)), name), nullptr);
        const xcb_atom_t found = reply ? reply->atom : 0;
        std::free(reply);
        return found;
    }

    xcb_connection_t* c_;
    xcb_window_t root_ = 0;
    xcb_atom_t begin_ = 0, more_ = 0, activate_ = 0;
    xcb_window_t own_ = 0;
    QHash<xcb_window_t, QByteArray> partial_;
};

} // namespace

class TestStartup : public QObject {
    Q_OBJECT
  private slots:
    void firstCopyShowsTheWindowNeverTheStartupForm();
    void secondCopyRestoresTheFirstOnlyWhileItHasTheStartupTitle();
    void realCopies();
    void answersOnTheTerminalWithoutAWindow();
    void refusesArgumentsItDoesNotKnow_data();
    void refusesArgumentsItDoesNotKnow();
    void sayWhyWhenTheRunningCopyDoesNotAnswer();
    void namesWhatFailedWithoutADisplay_data();
    void namesWhatFailedWithoutADisplay();
    void secondCopyEndsTheLaunchOnX11_data();
    void secondCopyEndsTheLaunchOnX11();

  private:
    QProcess* startCopy(const QString& runtimeDir);
    std::vector<std::unique_ptr<QProcess>> processes_;
};

void TestStartup::firstCopyShowsTheWindowNeverTheStartupForm() {
    QTemporaryDir dir;
    platform::SingleInstance instance({dir.filePath("lock"), dir.filePath("socket")});
    frmSplash splash(instance);
    ShowCounter counter;
    splash.installEventFilter(&counter);
    const std::unique_ptr<frm1> window = splash.Form_Load();
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral(" Orvane - 1.0.164"));
    QCOMPARE(window->windowTitle(), platform::startupTitle());
    QCOMPARE(list(*window, "cmbTab")->currentText(), QStringLiteral("Propriedades"));
    QCOMPARE(child<QLabel>(splash, "lblVersao")->text(), QStringLiteral("1.0.164"));
    QCOMPARE(counter.shows, 0);
    QVERIFY(!splash.isVisible());
}

void TestStartup::secondCopyRestoresTheFirstOnlyWhileItHasTheStartupTitle() {
    QTemporaryDir dir;
    const platform::SingleInstance::Names names{dir.filePath("lock"), dir.filePath("socket")};
    platform::SingleInstance first(names);
    frmSplash firstSplash(first);
    const std::unique_ptr<frm1> window = firstSplash.Form_Load();
    QVERIFY(window);
    QSignalSpy asked(&first, &platform::SingleInstance::activationRequested);

    window->showMinimized();
    QVERIFY(soon([&window] { return window->isMinimized(); }));
    QVERIFY(laterCopyEnds(names));
    QVERIFY(soon([&asked] { return asked.count() >= 1; }));
    QCOMPARE(asked.count(), 1);
    QCOMPARE(asked.first().first().toString(), platform::startupTitle());
    QVERIFY(soon([&window] { return !window->isMinimized(); }));
    QCOMPARE(visibleMainWindows(), 1);

    // After a view was chosen the caption no longer matches: the first copy stays as it is.
    list(*window, "cmbTab")->setListIndex(10);
    window->showMinimized();
    QVERIFY(soon([&window] { return window->isMinimized(); }));
    QVERIFY(laterCopyEnds(names));
    QVERIFY(soon([&asked] { return asked.count() >= 2; }));
    QCOMPARE(asked.count(), 2);
    QCoreApplication::processEvents();
    QVERIFY(window->isMinimized());
    QCOMPARE(window->windowTitle(), QStringLiteral(" Orvane - Gases Nobres"));
}

QProcess* TestStartup::startCopy(const QString& runtimeDir) {
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("XDG_RUNTIME_DIR", runtimeDir);
    process->setProcessEnvironment(environment);
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start(QStringLiteral(ORVANE_PATH));
    processes_.push_back(std::move(process));
    return processes_.back().get();
}

void TestStartup::realCopies() {
    QTemporaryDir runtime;
    QVERIFY(runtime.isValid());
    qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
    const QString socketPath = platform::SingleInstance::defaultNames().serverName;
    QVERIFY(socketPath.startsWith(runtime.path()));
    QProcess* first = startCopy(runtime.path());
    QVERIFY(first->waitForStarted());
    QVERIFY(soon([&socketPath] { return QFile::exists(socketPath); }, kCopyMs));

    // The first copy keeps running; a second one ends by itself, successfully.
    QProcess* second = startCopy(runtime.path());
    QVERIFY(second->waitForFinished(kCopyMs));
    QVERIFY(endedWell(*second));
    QCOMPARE(first->state(), QProcess::Running);

    // Garbage on the hand-over channel changes nothing.
    for (const QByteArray& junk :
         {QByteArray(5000, 'x'), QByteArray("\x01\xff\xff"), QByteArray("\x07hello")}) {
        QLocalSocket socket;
        socket.connectToServer(socketPath);
        QVERIFY(socket.waitForConnected(5000));
        socket.write(junk);
        socket.waitForBytesWritten(2000);
        socket.disconnectFromServer();
    }
    QProcess* third = startCopy(runtime.path());
    QVERIFY(third->waitForFinished(kCopyMs));
    QVERIFY(endedWell(*third));
    QCOMPARE(first->state(), QProcess::Running);

    // A first copy that was killed leaves nothing that stops the next start.
    ::kill(pid_t(first->processId()), SIGKILL);
    QVERIFY(first->waitForFinished(5000));
    QProcess* successor = startCopy(runtime.path());
    QVERIFY(successor->waitForStarted());
    // The successor owns the lock once the lock file names its process.
    const QString lockPath = platform::SingleInstance::defaultNames().lockPath;
    const auto lockOwner = [&lockPath] {
        QFile file(lockPath);
        return file.open(QIODevice::ReadOnly) ? file.readLine().trimmed().toLongLong() : 0;
    };
    QVERIFY(soon([&] { return lockOwner() == successor->processId(); }, kCopyMs));
    QProcess* after = startCopy(runtime.path());
    QVERIFY(after->waitForFinished(kCopyMs));
    QVERIFY(endedWell(*after));
    QCOMPARE(successor->state(), QProcess::Running);
    successor->kill();
    QVERIFY(successor->waitForFinished(5000));

    // Many copies at once end with exactly one running; the first copy to end badly ends the wait.
    std::vector<QProcess*> crowd;
    for (int i = 0; i < 12; ++i)
        crowd.push_back(startCopy(runtime.path()));
    int ended = 0;
    bool allWell = true;
    QVERIFY(soon(
        [&] {
            ended = 0;
            for (const QProcess* process : crowd) {
                if (process->state() == QProcess::NotRunning) {
                    ++ended;
                    allWell = allWell && endedWell(*process);
                }
            }
            return !allWell || ended >= int(crowd.size()) - 1;
        },
        kCrowdMs));
    QVERIFY(allWell);
    QCOMPARE(ended, int(crowd.size()) - 1);
    for (auto& process : processes_)
        process->kill();
    for (auto& process : processes_)
        process->waitForFinished(5000);
}

void TestStartup::answersOnTheTerminalWithoutAWindow() {
    const auto run = [](const QStringList& arguments, const QProcessEnvironment& environment) {
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(ORVANE_PATH), arguments);
        program.waitForFinished(kCopyMs);
        return std::tuple(program.exitStatus(), program.exitCode(),
                          QString::fromUtf8(program.readAllStandardOutput()),
                          QString::fromUtf8(program.readAllStandardError()));
    };
    QProcessEnvironment noDisplay = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        noDisplay.remove(QString::fromLatin1(name));
    // --version and --help need no display at all.
    const auto [versionStatus, versionCode, version, versionErrors] =
        run({QStringLiteral("--version")}, noDisplay);
    QCOMPARE(versionStatus, QProcess::NormalExit);
    QCOMPARE(versionCode, 0);
    QCOMPARE(version, QStringLiteral("Orvane 1.0.164\n"));
    const auto [helpStatus, helpCode, help, helpErrors] = run({QStringLiteral("--help")}, noDisplay);
    QCOMPARE(helpCode, 0);
    QVERIFY(help.startsWith(QStringLiteral("Uso: orvane")));
    // Without a display: one plain line and status 1, not an abort.
    const auto [status, code, output, errors] = run({}, noDisplay);
    QCOMPARE(status, QProcess::NormalExit);
    QCOMPARE(code, 1);
    QCOMPARE(errors.count(QLatin1Char('\n')), 1);
    QVERIFY(errors.startsWith(QStringLiteral("Orvane: não foi possível abrir a janela")));
}

void TestStartup::refusesArgumentsItDoesNotKnow_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("said");
    const QString usage = QStringLiteral("Uso: orvane [opção]\n");
    const auto unknown = [&usage](const char* what) {
        return QStringLiteral("orvane: opção desconhecida: %1\n").arg(QString::fromLatin1(what)) + usage;
    };
    QTest::newRow("long") << QStringList{"--bogus"} << 2 << unknown("--bogus");
    QTest::newRow("short") << QStringList{"-x"} << 2 << unknown("-x");
    QTest::newRow("before a known one") << QStringList{"-x", "--version"} << 2 << unknown("-x");
    QTest::newRow("a Qt option cut short") << QStringList{"-platformx"} << 2 << unknown("-platformx");
    QTest::newRow("a file") << QStringList{"ferro.txt"} << 2
                            << QStringLiteral("orvane: argumento inesperado: ferro.txt\n") + usage;
    // Qt's own options (and their values) are Qt's: they pass, and the next option is answered.
    QTest::newRow("Qt options") << QStringList{"-style", "fusion", "--reverse", "-session", "x", "--version"}
                                << 0 << QString();
    QTest::newRow("Qt option with its value joined") << QStringList{"-style=fusion", "-v"} << 0 << QString();
}

void TestStartup::refusesArgumentsItDoesNotKnow() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, said);
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY")); // answered before any window: no display needed
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(ORVANE_PATH), arguments);
    QVERIFY(program.waitForFinished(kCopyMs));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), status);
    QCOMPARE(QString::fromUtf8(program.readAllStandardError()), said);
    if (status == 0)
        QCOMPARE(program.readAllStandardOutput(), QByteArray("Orvane 1.0.164\n"));
    else
        QVERIFY(program.readAllStandardOutput().isEmpty());
}

void TestStartup::sayWhyWhenTheRunningCopyDoesNotAnswer() {
    // A live process holds the lock but never listens: the new copy must not end silently with 0.
    QTemporaryDir runtime;
    QVERIFY(runtime.isValid());
    QProcess hung;
    hung.start(QStringLiteral(INSTANCE_PROBE_PATH),
               {QStringLiteral("--hold"), runtime.filePath(QStringLiteral("orvane-instance.lock"))});
    QVERIFY(hung.waitForReadyRead(kCopyMs));
    QCOMPARE(hung.readLine(), QByteArray("holding\n"));
    QProcess copy;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    copy.setProcessEnvironment(environment);
    copy.start(QStringLiteral(ORVANE_PATH));
    QVERIFY(copy.waitForStarted());
    QByteArray said;
    // The copy gives up on the hand-over only after its deadline.
    const int deadlineMs = int(platform::SingleInstance::handOverDeadline.count());
    QVERIFY(soon(
        [&] {
            return (said += copy.readAllStandardError()).contains("não respondeu") ||
                   copy.state() == QProcess::NotRunning;
        },
        deadlineMs + kCopyMs));
    QVERIFY(copy.state() == QProcess::Running || copy.exitCode() != 0); // the message waits for the user
    copy.kill();
    copy.waitForFinished();
    hung.kill();
    hung.waitForFinished();
}

void TestStartup::namesWhatFailedWithoutADisplay_data() {
    QTest::addColumn<QStringList>("environment"); // NAME=VALUE; %1 stands for a private runtime folder
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("said"); // after "Orvane: não foi possível abrir a janela"
    // No X server listens on a display this high; the program then leaves the choice to Qt.
    QTest::newRow("an X display that does not answer")
        << QStringList{"DISPLAY=:4093"} << QStringList()
        << QStringLiteral(": o servidor X em DISPLAY=:4093 não respondeu.");
    QTest::newRow("no display at all")
        << QStringList() << QStringList() << QStringLiteral(": a variável DISPLAY não está definida.");
    QTest::newRow("Wayland chosen, no compositor")
        << QStringList{"QT_QPA_PLATFORM=wayland"} << QStringList()
        << QStringLiteral(" na plataforma \"wayland\" escolhida em QT_QPA_PLATFORM: nenhum servidor Wayland "
                          "respondeu em "
                          "%1/wayland-0 (WAYLAND_DISPLAY não está definida).");
    QTest::newRow("Wayland chosen by option, its socket named")
        << QStringList{"WAYLAND_DISPLAY=nothing-here"} << QStringList{"-platform", "wayland"}
        << QStringLiteral(" na plataforma \"wayland\" escolhida com a opção -platform: nenhum servidor "
                          "Wayland respondeu "
                          "em %1/nothing-here (WAYLAND_DISPLAY=nothing-here).");
    QTest::newRow("a platform that is not installed")
        << QStringList{"QT_QPA_PLATFORM=nenhuma"} << QStringList()
        << QStringLiteral(" na plataforma \"nenhuma\" escolhida em QT_QPA_PLATFORM: a plataforma \"nenhuma\" "
                          "não está instalada.");
}

void TestStartup::namesWhatFailedWithoutADisplay() {
    QFETCH(QStringList, environment);
    QFETCH(QStringList, arguments);
    QFETCH(QString, said);
    if (said.contains(QLatin1String("Wayland")) &&
        !QFile::exists(QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                       QStringLiteral("/platforms/libqwayland-generic.so")))
        QSKIP("Qt's Wayland platform plugin is not installed (apt-get install qt6-wayland)");
    QTemporaryDir runtime;
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"})
        variables.remove(QString::fromLatin1(name));
    variables.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    for (const QString& setting : environment)
        variables.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    QProcess program;
    program.setProcessEnvironment(variables);
    program.start(QStringLiteral(ORVANE_PATH), arguments);
    QVERIFY(program.waitForFinished(kCopyMs));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 1);
    QCOMPARE(QString::fromUtf8(program.readAllStandardError()),
             QStringLiteral("Orvane: não foi possível abrir a janela") + said.arg(runtime.path()) + u'\n');
}

void TestStartup::secondCopyEndsTheLaunchOnX11_data() {
    QTest::addColumn<bool>("realFirstCopy"); // false: a stand-in that takes the hand-over and no more
    QTest::addColumn<QString>("startupId");
    QTest::addColumn<QByteArray>("message");
    // (%1: the X server's time when the launch starts.)
    QTest::newRow("the first copy comes forward at the launch's time")
        << true << QStringLiteral("some-id_TIME%1") << QByteArray("remove: ID=some-id_TIME%1");
    // Blanks, quotes and backslashes are quoted and escaped; the id reaches the first copy whole.
    QTest::newRow("an id that needs quoting") << false << QStringLiteral("menu \"2\" a\\b_TIME9")
                                              << QByteArray("remove: ID=\"menu \\\"2\\\" a\\\\b_TIME9\"");
}

void TestStartup::secondCopyEndsTheLaunchOnX11() {
    QFETCH(bool, realFirstCopy);
    QFETCH(QString, startupId);
    QFETCH(QByteArray, message);
    // Set by the script that runs this test on a display of its own under openbox (tst_startup_x11).
    if (qEnvironmentVariableIsEmpty("ORVANE_WM_DISPLAY"))
        QSKIP("Runs on a virtual X display under a window manager: ctest -R tst_startup_x11");
    RootWatch watch;
    QVERIFY(watch.connected());
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
    const platform::SingleInstance::Names names = platform::SingleInstance::defaultNames();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    QProcess first;
    first.setProcessEnvironment(environment);
    if (realFirstCopy)
        first.start(QStringLiteral(ORVANE_PATH));
    else
        first.start(QStringLiteral(INSTANCE_PROBE_PATH), {names.lockPath, names.serverName});
    QVERIFY(soon([&] { return QFile::exists(names.serverName); }, kCopyMs));
    // The user is working in another window when the launcher starts the second copy (once the
    // first copy's window has come up and taken the focus, as a new window does).
    if (realFirstCopy)
        QVERIFY(soon([&] { return watch.activeTitle() == platform::startupTitle(); }, kCopyMs));
    const xcb_timestamp_t launched = realFirstCopy ? watch.workElsewhere() : 0;
    if (realFirstCopy) {
        QVERIFY(soon([&] { return watch.activeTitle() == QLatin1String("outro"); }, kCopyMs));
        startupId = startupId.arg(launched);
        message = QString::fromLatin1(message).arg(launched).toLatin1();
    }
    environment.insert(QStringLiteral("DESKTOP_STARTUP_ID"), startupId);
    QProcess second;
    second.setProcessEnvironment(environment);
    second.start(QStringLiteral(ORVANE_PATH));
    QVERIFY(second.waitForFinished(kCopyMs));
    QVERIFY(endedWell(second));
    // The first copy asks to come forward at the time of the user's click, as an application.
    const auto atLaunchTime = [&] {
        return std::any_of(
            watch.activations.begin(), watch.activations.end(),
            [&](const RootWatch::Activation& a) { return a.source == 1 && a.time == launched; });
    };
    QVERIFY(soon([&] {
        watch.read();
        return !watch.messages.isEmpty() && (!realFirstCopy || atLaunchTime());
    }));
    QCOMPARE(watch.messages, QByteArrayList{message});
    // And it is the active window now, not only raised or shown.
    if (realFirstCopy)
        QVERIFY(soon([&] { return watch.activeTitle() == platform::startupTitle(); }, kCopyMs));
    if (!realFirstCopy) {
        QVERIFY(soon([&] { return first.canReadLine(); }));
        QCOMPARE(first.readLine(), QByteArray("primary\n"));
        QVERIFY(soon([&] { return first.canReadLine(); }));
        QCOMPARE(QString::fromUtf8(first.readLine()), platform::startupTitle() + u'\t' + startupId + u'\n');
    }
    first.kill();
    first.waitForFinished(5000);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
