// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SingleInstance.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>
#include <vector>

using platform::SingleInstance;
using Role = SingleInstance::Role;
using namespace std::chrono_literals;

namespace {

// How long each wait may take before the hand-over counts as broken. A correct run needs
// milliseconds in this process and well under a second for a probe to start and answer; the rest
// is margin for a loaded two-core machine. A failing QTRY_* waits out three times its timeout, so
// the waits here give up at theirs.
constexpr int kInProcessMs = 2000;
constexpr int kProbeMs = 5000;

template <typename Condition> bool soon(Condition condition) {
    return QTest::qWaitFor(condition, kInProcessMs);
}

// True once the spy holds at least `count` signals.
bool received(const QSignalSpy& spy, int count) {
    return soon([&spy, count] { return spy.count() >= count; });
}

SingleInstance::Names namesIn(const QTemporaryDir& dir) {
    return {dir.filePath(QStringLiteral("orvane.lock")), dir.filePath(QStringLiteral("orvane.socket"))};
}

// A well-formed message, built here by hand rather than by the code under test.
QByteArray frame(const QByteArray& payload) {
    return QByteArray(1, '\x01') + char(payload.size() >> 8) + char(payload.size() & 0xFF) + payload;
}

// The same with the activation token after the title, as version 2.
QByteArray frameWithToken(const QByteArray& title, const QByteArray& token) {
    QByteArray bytes = frame(title);
    bytes[0] = '\x02';
    return bytes + char(token.size() >> 8) + char(token.size() & 0xFF) + token;
}

// A raw client connection that has sent `bytes`; null if it could not connect.
std::unique_ptr<QLocalSocket> rawClient(const QString& serverName, const QByteArray& bytes = {}) {
    auto socket = std::make_unique<QLocalSocket>();
    socket->connectToServer(serverName);
    if (!socket->waitForConnected(2000))
        return nullptr;
    socket->write(bytes);
    while (socket->bytesToWrite() > 0 && socket->waitForBytesWritten(2000)) {
    }
    return socket;
}

bool allClosed(const std::vector<std::unique_ptr<QLocalSocket>>& clients) {
    return std::all_of(clients.begin(), clients.end(),
                       [](const auto& c) { return c->state() == QLocalSocket::UnconnectedState; });
}

// Garbage must leave no trace: nothing was emitted for it, and a proper copy still gets through.
void expectOnlyValidMessageArrives(const SingleInstance::Names& names, QSignalSpy& spy) {
    QCoreApplication::sendPostedEvents(); // flush any activation queued for the garbage
    QCOMPARE(spy.count(), 0);
    SingleInstance sender(names);
    QCOMPARE(sender.start(QStringLiteral("still served")), Role::Secondary);
    QVERIFY(received(spy, 1));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("still served"));
}

// A first copy listening in a fresh folder, with a spy on the titles it is handed.
struct FirstCopy {
    explicit FirstCopy(std::chrono::milliseconds connectionTimeout)
        : names(namesIn(dir)), server(names), spy(&server, &SingleInstance::activationRequested),
          timeout(connectionTimeout) {
        server.setConnectionTimeout(connectionTimeout);
        listening = dir.isValid() && server.start(QStringLiteral("server")) == Role::Primary;
    }
    // True once the first copy has closed every client, the slow ones after its connection timeout.
    bool dropped(const std::vector<std::unique_ptr<QLocalSocket>>& clients) const {
        return QTest::qWaitFor([&clients] { return allClosed(clients); },
                               int(timeout.count()) + kInProcessMs);
    }
    QTemporaryDir dir;
    SingleInstance::Names names;
    SingleInstance server;
    QSignalSpy spy;
    std::chrono::milliseconds timeout;
    bool listening = false;
};

QString readLine(QProcess& process) {
    const QDeadlineTimer deadline(kProbeMs);
    while (!process.canReadLine()) {
        if (!process.waitForReadyRead(int(deadline.remainingTime())))
            return QStringLiteral("<no output>");
    }
    return QString::fromUtf8(process.readLine()).trimmed();
}

QStringList probeArguments(const SingleInstance::Names& names) {
    return {names.lockPath, names.serverName};
}

void checkNamesUnder(const SingleInstance::Names& names, const QString& runtimeDir) {
    for (const QString& path : {names.lockPath, names.serverName}) {
        QVERIFY2(QDir::isAbsolutePath(path), qPrintable(path));
        QCOMPARE(QFileInfo(path).absolutePath(), QDir(runtimeDir).absolutePath());
        QVERIFY2(QFileInfo(path).fileName().startsWith(QStringLiteral("orvane")), qPrintable(path));
    }
    QVERIFY(names.lockPath != names.serverName);
    QVERIFY2(QFile::encodeName(names.serverName).size() <= 100, qPrintable(names.serverName));
}

} // namespace

class TestSingleInstance : public QObject {
    Q_OBJECT
  private slots:
    void secondCopyHandsTitleToFirst_data();
    void secondCopyHandsTitleToFirst();
    void activationTokenTravelsWithTheTitle_data();
    void activationTokenTravelsWithTheTitle();
    void destructionReleasesOnlyWhatItOwns();
    void dropsMalformedFrames_data();
    void dropsMalformedFrames();
    void survivesRandomBytes();
    void dropsStalledConnections();
    void servesConnectionsBeyondTheCap();
    void lockIsStaleOnlyWhenItsOwnerIsGone();
    void heldLockWithoutListenerIsUnreachable();
    void concurrentStartsElectOnePrimary();
    void defaultNamesArePrivateAndFitTheSocketPath();
};

void TestSingleInstance::secondCopyHandsTitleToFirst_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("received");
    const QString accented = QStringLiteral("Á Orvane - 1.0.164");
    const QString chemistry = QStringLiteral("Tabela \U0001F9EA \u269B");
    QTest::newRow("ASCII") << QStringLiteral("Orvane - 1.0.164") << QStringLiteral("Orvane - 1.0.164");
    QTest::newRow("non-ASCII") << accented << accented;
    QTest::newRow("outside the BMP") << chemistry << chemistry;
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("exactly the limit") << QString(1024, u'x') << QString(1024, u'x');
    // 1 + 1200 bytes; byte 1024 would split an 'Á', so the cut falls one byte earlier.
    QTest::newRow("cut at a character boundary")
        << QStringLiteral("a") + QString(600, u'Á') << QStringLiteral("a") + QString(511, u'Á');
}

void TestSingleInstance::secondCopyHandsTitleToFirst() {
    QFETCH(QString, title);
    QFETCH(QString, received);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());

    SingleInstance first(namesIn(dir));
    QSignalSpy spy(&first, &SingleInstance::activationRequested);
    QCOMPARE(first.start(QStringLiteral("first")), Role::Primary);

    SingleInstance second(namesIn(dir));
    QCOMPARE(second.start(title), Role::Secondary);
    QVERIFY(spy.wait(kInProcessMs));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), received);
}

void TestSingleInstance::activationTokenTravelsWithTheTitle_data() {
    QTest::addColumn<QByteArray>("message"); // raw bytes, as another copy would send them; empty:
    QTest::addColumn<QString>("token");      // this class sends the token below
    QTest::addColumn<QString>("arrived");
    const QString launcher = QStringLiteral("gnome-shell/Orvane/1234-5-host_TIME123");
    QTest::newRow("given") << QByteArray() << launcher << launcher;
    // On X11 the token is the launch's startup id, which may hold blanks, quotes and backslashes.
    const QString startupId = QStringLiteral("menu \"2\" a\\b_TIME9");
    QTest::newRow("X11 startup id") << QByteArray() << startupId << startupId;
    QTest::newRow("none") << QByteArray() << QString() << QString();
    QTest::newRow("exactly the limit") << QByteArray() << QString(1024, u't') << QString(1024, u't');
    // A token that could not be used is left out; the title still brings the window forward.
    QTest::newRow("over the limit, left out") << QByteArray() << QString(1025, u't') << QString();
    QTest::newRow("control character, left out") << QByteArray() << QStringLiteral("a\tb") << QString();
    // An older copy of the program sends version 1, the title alone.
    QTest::newRow("older copy") << frame("T") << QString() << QString();
    QTest::newRow("by hand") << frameWithToken("T", "x-1") << QString() << QStringLiteral("x-1");
}

void TestSingleInstance::activationTokenTravelsWithTheTitle() {
    QFETCH(QByteArray, message);
    QFETCH(QString, token);
    QFETCH(QString, arrived);
    FirstCopy first(10min);
    QVERIFY(first.listening);
    SingleInstance second(first.names);
    std::unique_ptr<QLocalSocket> client;
    if (message.isEmpty()) {
        QCOMPARE(second.start(QStringLiteral("T"), SingleInstance::handOverDeadline, token), Role::Secondary);
    } else {
        client = rawClient(first.names.serverName, message);
        QVERIFY(client);
    }
    QVERIFY(received(first.spy, 1));
    QCOMPARE(first.spy.count(), 1);
    QCOMPARE(first.spy.at(0).at(0).toString(), QStringLiteral("T"));
    QCOMPARE(first.spy.at(0).at(1).toString(), arrived);
}

void TestSingleInstance::destructionReleasesOnlyWhatItOwns() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const auto names = namesIn(dir);
    {
        SingleInstance first(names);
        QCOMPARE(first.start(QStringLiteral("first")), Role::Primary);
        QVERIFY(QFileInfo::exists(names.serverName));
    }
    QVERIFY(!QFileInfo::exists(names.lockPath));
    QVERIFY(!QFileInfo::exists(names.serverName));

    // The next copy to start is first again, at once.
    SingleInstance next(names);
    QSignalSpy spy(&next, &SingleInstance::activationRequested);
    QCOMPARE(next.start(QStringLiteral("next"), 0ms), Role::Primary);

    // A later copy that ends must leave the first copy's lock and socket alone.
    {
        SingleInstance later(names);
        QCOMPARE(later.start(QStringLiteral("later")), Role::Secondary);
    }
    QVERIFY(QFileInfo::exists(names.lockPath));
    QVERIFY(QFileInfo::exists(names.serverName));
    SingleInstance another(names);
    QCOMPARE(another.start(QStringLiteral("another")), Role::Secondary);
    QVERIFY(received(spy, 2));
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("later"));
    QCOMPARE(spy.at(1).at(0).toString(), QStringLiteral("another"));
}

void TestSingleInstance::dropsMalformedFrames_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("unknown version") << QByteArray::fromHex("03000178");
    QTest::newRow("version zero") << QByteArray::fromHex("00000178");
    QTest::newRow("length one over the limit") << QByteArray::fromHex("010401") + QByteArray(1025, 'x');
    QTest::newRow("length 0xFFFF") << QByteArray::fromHex("01ffff");
    QTest::newRow("invalid UTF-8") << frame(QByteArray::fromHex("c328"));
    QTest::newRow("UTF-8 cut off at the end") << frame(QByteArray::fromHex("6162c3"));
    QTest::newRow("overlong UTF-8") << frame(QByteArray::fromHex("c0af"));
    QTest::newRow("encoded surrogate") << frame(QByteArray::fromHex("eda080"));
    QTest::newRow("bytes after the frame") << frame("title") + 'x';
    QTest::newRow("two frames") << frame("one") + frame("two");
    QTest::newRow("empty token") << frameWithToken("title", "");
    QTest::newRow("token with a line break") << frameWithToken("title", "abc\ndef");
    QTest::newRow("token one over the limit") << frameWithToken("title", QByteArray(1025, 't'));
    QTest::newRow("token not UTF-8") << frameWithToken("title", QByteArray::fromHex("c328"));
    QTest::newRow("bytes after the token") << frameWithToken("title", "token") + 'x';
}

void TestSingleInstance::dropsMalformedFrames() {
    QFETCH(QByteArray, bytes);
    FirstCopy first(10min); // so a drop seen here comes from the checks, not the timer
    QVERIFY(first.listening);
    const auto& names = first.names;
    QSignalSpy& spy = first.spy;

    auto client = rawClient(names.serverName, bytes);
    QVERIFY(client);
    QVERIFY(soon([&client] { return client->state() == QLocalSocket::UnconnectedState; }));
    expectOnlyValidMessageArrives(names, spy);
}

void TestSingleInstance::survivesRandomBytes() {
    FirstCopy first(300ms);
    QVERIFY(first.listening);
    const auto& names = first.names;
    QSignalSpy& spy = first.spy;

    QRandomGenerator random(20240521);
    std::vector<std::unique_ptr<QLocalSocket>> clients;
    for (int i = 0; i < 40; ++i) {
        QByteArray bytes(random.bounded(1, 3000), Qt::Uninitialized);
        for (char& byte : bytes)
            byte = char(random.bounded(256));
        if (i % 2 == 0)
            bytes[0] = '\x01'; // half pass the version check and reach the length and text checks
        clients.push_back(rawClient(names.serverName, bytes));
        QVERIFY(clients.back());
    }
    QVERIFY(first.dropped(clients));
    expectOnlyValidMessageArrives(names, spy);
}

void TestSingleInstance::dropsStalledConnections() {
    FirstCopy first(100ms);
    QVERIFY(first.listening);
    const auto& names = first.names;
    QSignalSpy& spy = first.spy;

    std::vector<std::unique_ptr<QLocalSocket>> clients;
    for (const QByteArray& start : {QByteArray(), QByteArray("\x01"), QByteArray::fromHex("010005"),
                                    frame("hello").left(5), frameWithToken("hello", "token").left(10)}) {
        clients.push_back(rawClient(names.serverName, start));
        QVERIFY(clients.back());
    }
    QVERIFY(first.dropped(clients));
    expectOnlyValidMessageArrives(names, spy);
}

void TestSingleInstance::servesConnectionsBeyondTheCap() {
    FirstCopy first(100ms);
    QVERIFY(first.listening);
    const auto& names = first.names;
    QSignalSpy& spy = first.spy;

    // Silent connections, three times the cap, ahead of a proper copy: the oldest make room for the
    // newer ones, so the proper copy gets through at once, and the timer ends the rest.
    std::vector<std::unique_ptr<QLocalSocket>> crowd;
    for (int i = 0; i < 3 * SingleInstance::maxConnections; ++i) {
        crowd.push_back(rawClient(names.serverName));
        QVERIFY(crowd.back());
        QCoreApplication::processEvents(); // the first copy takes them in, as its event loop would
    }
    SingleInstance sender(names);
    QCOMPARE(sender.start(QStringLiteral("behind the crowd")), Role::Secondary);

    QVERIFY(received(spy, 1));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("behind the crowd"));
    QVERIFY(first.dropped(crowd));
}

void TestSingleInstance::lockIsStaleOnlyWhenItsOwnerIsGone() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const auto names = namesIn(dir);

    // Ten years old: past any stale time a lock could be given.
    const auto ageLock = [&names] {
        QFile lock(names.lockPath);
        return lock.open(QIODevice::ReadWrite) && lock.setFileTime(QDateTime::currentDateTime().addYears(-10),
                                                                   QFileDevice::FileModificationTime);
    };
    // A first copy that has run for years keeps its place: age alone never makes a lock stale.
    {
        QProcess aged;
        aged.start(QStringLiteral(INSTANCE_PROBE_PATH), probeArguments(names));
        QVERIFY(aged.waitForStarted());
        QCOMPARE(readLine(aged), QStringLiteral("primary"));
        QVERIFY(ageLock());
        SingleInstance second(names);
        QCOMPARE(second.start(QStringLiteral("second")), Role::Secondary);
        QCOMPARE(readLine(aged), QStringLiteral("second"));
        aged.kill();
        QVERIFY(aged.waitForFinished());
    }

    // A killed first copy leaves its lock and socket behind; the next copy takes over at once.
    QProcess killed;
    killed.start(QStringLiteral(INSTANCE_PROBE_PATH), probeArguments(names));
    QVERIFY(killed.waitForStarted());
    QCOMPARE(readLine(killed), QStringLiteral("primary"));
    killed.kill(); // SIGKILL: no chance to remove its lock or socket
    QVERIFY(killed.waitForFinished());
    QVERIFY(QFileInfo::exists(names.lockPath));
    QVERIFY(QFileInfo::exists(names.serverName));
    QVERIFY(ageLock());

    SingleInstance next(names);
    QSignalSpy spy(&next, &SingleInstance::activationRequested);
    QCOMPARE(next.start(QStringLiteral("after the crash")), Role::Primary);

    // The stale socket was replaced: a probe started now reaches this copy.
    QProcess later;
    later.start(QStringLiteral(INSTANCE_PROBE_PATH), probeArguments(names));
    QVERIFY(later.waitForStarted());
    QCOMPARE(readLine(later), QStringLiteral("secondary"));
    QVERIFY(later.waitForFinished(kProbeMs));
    QCOMPARE(later.exitStatus(), QProcess::NormalExit);
    QCOMPARE(later.exitCode(), 0);
    QVERIFY(received(spy, 1));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("probe title"));
}

void TestSingleInstance::heldLockWithoutListenerIsUnreachable() {
    // A live owner that never listens: the later copy must not report a hand-over that never happened.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const auto names = namesIn(dir);
    QLockFile held(names.lockPath);
    QVERIFY(held.tryLock(0));
    SingleInstance later(names);
    QCOMPARE(later.start(QStringLiteral("nobody listens"), 200ms), Role::Unreachable);
    QVERIFY(!QFileInfo::exists(names.serverName));
}

void TestSingleInstance::concurrentStartsElectOnePrimary() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const auto names = namesIn(dir);
    constexpr int copies = 20;

    std::vector<std::unique_ptr<QProcess>> probes;
    for (int i = 0; i < copies; ++i) {
        probes.push_back(std::make_unique<QProcess>());
        probes.back()->start(QStringLiteral(INSTANCE_PROBE_PATH), probeArguments(names));
    }
    // Each copy is checked as it answers, so the first broken one ends the test.
    QProcess* primary = nullptr;
    for (auto& probe : probes) {
        QVERIFY(probe->waitForStarted());
        const QString role = readLine(*probe);
        if (role == QStringLiteral("primary") && !primary) {
            primary = probe.get();
            continue;
        }
        QCOMPARE(role, QStringLiteral("secondary"));
        QVERIFY(probe->waitForFinished(kProbeMs));
        QCOMPARE(probe->exitCode(), 0);
    }
    QVERIFY(primary);
    // Every other copy's title reached the one that won.
    for (int i = 0; i < copies - 1; ++i)
        QCOMPARE(readLine(*primary), QStringLiteral("probe title"));
    primary->kill();
    QVERIFY(primary->waitForFinished());
}

void TestSingleInstance::defaultNamesArePrivateAndFitTheSocketPath() {
    const QString runtimeDir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    QVERIFY(!runtimeDir.isEmpty());
    const auto names = SingleInstance::defaultNames();
    checkNamesUnder(names, runtimeDir);
    if (QTest::currentTestFailed())
        return;

    // A runtime directory deep enough that the usual socket name would not fit.
    QTemporaryDir base;
    QVERIFY(base.isValid());
    const int padding = 80 - int(QFile::encodeName(base.path()).size()) - 1;
    if (padding < 1)
        QSKIP("The temporary directory is too deep for this case");
    const QString deep = base.path() + u'/' + QString(padding, u'r');
    QVERIFY(QDir().mkpath(deep));
    QVERIFY(QFile::setPermissions(deep, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

    const QByteArray savedRuntime = qgetenv("XDG_RUNTIME_DIR");
    const bool hadRuntime = qEnvironmentVariableIsSet("XDG_RUNTIME_DIR");
    const auto restore = qScopeGuard([&] {
        if (hadRuntime)
            qputenv("XDG_RUNTIME_DIR", savedRuntime);
        else
            qunsetenv("XDG_RUNTIME_DIR");
    });
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(deep));

    const auto deepNames = SingleInstance::defaultNames();
    checkNamesUnder(deepNames, deep);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(SingleInstance::defaultNames().serverName, deepNames.serverName);

    // The shortened name works end to end.
    SingleInstance first(deepNames);
    QSignalSpy spy(&first, &SingleInstance::activationRequested);
    QCOMPARE(first.start(QStringLiteral("first")), Role::Primary);
    QVERIFY(QFileInfo::exists(deepNames.serverName));
    SingleInstance second(deepNames);
    QCOMPARE(second.start(QStringLiteral("deep")), Role::Secondary);
    QVERIFY(spy.wait(kInProcessMs));
    QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("deep"));
}

QTEST_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
