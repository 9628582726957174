// SPDX-License-Identifier: GPL-3.0-or-later
// The local socket layer under the single-instance hand-over, where tst_singleinstance does not
// reach: the socket file's permissions and ownership, running out of descriptors, the connection
// cap, when the signal comes, a full queue, and a first copy that listens with Qt's local server.
#include "platform/HandoverFrame.h"
#include "platform/LocalListener.h"
#include "platform/LocalSend.h"
#include "platform/SingleInstance.h"
#include "platform/UnixAddress.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <ctime>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <vector>

using namespace platform;
using namespace std::chrono_literals;

namespace {

constexpr int kWaitMs = 2000; // a correct run needs milliseconds; the rest is margin for load

// Connects without waiting, with plain calls; empty when nobody listens or the queue is full.
UniqueFd rawConnect(const QString& path) {
    const auto address = UnixAddress::of(QFile::encodeName(path));
    UniqueFd fd(openUnixStreamSocket());
    return fd && address && ::connect(fd.get(), address->get(), address->length) == 0 ? std::move(fd)
                                                                                      : UniqueFd();
}

// True when the other end has closed the connection: reading gives end of file at once.
bool closedByPeer(const UniqueFd& fd) {
    char byte = 0;
    return ::recv(fd.get(), &byte, 1, MSG_PEEK | MSG_DONTWAIT) == 0;
}

// A first copy listening in a fresh folder; its connections never time out during a test.
struct FirstCopy {
    FirstCopy()
        : names{dir.filePath("lock"), dir.filePath("socket")}, server(names),
          spy(&server, &SingleInstance::activationRequested) {
        server.setConnectionTimeout(10min);
        listening = dir.isValid() && server.start(QStringLiteral("first")) == SingleInstance::Role::Primary;
    }
    QTemporaryDir dir;
    SingleInstance::Names names;
    SingleInstance server;
    QSignalSpy spy;
    bool listening = false;
};

} // namespace

class TestLocalSocket : public QObject {
    Q_OBJECT
  private slots:
    void socketIsPrivateAndRemovedOnlyWhileItsOwn();
    void keepsListeningWhenOutOfDescriptors();
    void dropsTheOldestConnectionAtTheCap();
    void signalsOnlyOnceDoneWithTheConnection();
    void sendRetriesAFullQueueUntilTheDeadline();
    void reachesAFirstCopyListeningWithQtsServer();
};

void TestLocalSocket::socketIsPrivateAndRemovedOnlyWhileItsOwn() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("socket"));
    const auto entries = [&dir] {
        return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
    };
    LocalListener older;
    const mode_t umask = ::umask(0); // the loosest: the socket must not take its mode from it
    const bool listening = older.listen(path, 4);
    ::umask(umask);
    QVERIFY(listening);
    struct stat file {};
    QCOMPARE(::lstat(QFile::encodeName(path).constData(), &file), 0);
    QVERIFY(S_ISSOCK(file.st_mode));
    QCOMPARE(file.st_mode & 07777, mode_t(0600));
    QCOMPARE(entries(), QStringList({".", "..", "socket"})); // the private folder is gone

    // A newer listener takes the path over, as a new lock owner would; the older one, closing, must
    // leave the newer one's socket alone.
    LocalListener newer;
    QVERIFY(newer.listen(path, 4));
    older.close();
    QVERIFY(rawConnect(path));
    newer.close();
    QCOMPARE(entries(), QStringList({".", ".."}));
}

void TestLocalSocket::keepsListeningWhenOutOfDescriptors() {
    FirstCopy first;
    QVERIFY(first.listening);
    const UniqueFd waiting = rawConnect(first.names.serverName); // queued, to be taken in
    QVERIFY(waiting);
    rlimit saved{};
    QCOMPARE(::getrlimit(RLIMIT_NOFILE, &saved), 0);
    {
        // Every descriptor below a lowered limit taken, so accept() can only fail with EMFILE.
        const int lowestFree = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
        ::close(lowestFree);
        rlimit lowered = saved;
        lowered.rlim_cur = std::min<rlim_t>(saved.rlim_cur, rlim_t(lowestFree) + 8);
        std::vector<UniqueFd> fillers;
        const auto restore = qScopeGuard([&saved] { ::setrlimit(RLIMIT_NOFILE, &saved); });
        QCOMPARE(::setrlimit(RLIMIT_NOFILE, &lowered), 0);
        for (int fd; (fd = ::open("/dev/null", O_RDONLY | O_CLOEXEC)) >= 0;)
            fillers.emplace_back(fd);
        QCOMPARE(errno, EMFILE);
        // It must neither stop listening nor spin: resting takes a few calls, spinning a core's share.
        QElapsedTimer wall;
        wall.start();
        const std::clock_t cpu = std::clock(); // processor time, not the wall clock
        QTest::qWait(3 * int(LocalListener::acceptPause.count()));
        const double busyMs = double(std::clock() - cpu) * 1000 / CLOCKS_PER_SEC;
        QVERIFY2(busyMs < double(wall.elapsed()) / 4, qPrintable(QString::number(busyMs)));
    }
    SingleInstance later(first.names);
    QCOMPARE(later.start(QStringLiteral("after the shortage")), SingleInstance::Role::Secondary);
    QVERIFY(QTest::qWaitFor([&first] { return first.spy.count() == 1; }, kWaitMs));
    QCOMPARE(first.spy.at(0).at(0).toString(), QStringLiteral("after the shortage"));
}

void TestLocalSocket::dropsTheOldestConnectionAtTheCap() {
    FirstCopy first;
    QVERIFY(first.listening);
    std::vector<UniqueFd> clients;
    for (int i = 0; i <= SingleInstance::maxConnections; ++i) {
        clients.push_back(rawConnect(first.names.serverName));
        QVERIFY(clients.back());
    }
    // One past the cap: the oldest silent connection makes room, and only that one.
    QVERIFY(QTest::qWaitFor([&clients] { return closedByPeer(clients.front()); }, kWaitMs));
    QCoreApplication::processEvents();
    QVERIFY(std::none_of(clients.begin() + 1, clients.end(), closedByPeer));
}

void TestLocalSocket::signalsOnlyOnceDoneWithTheConnection() {
    // A slot may open a window and run a nested event loop; by then the read handler has finished
    // and closed the connection, so nothing of it runs again underneath the slot.
    FirstCopy first;
    QVERIFY(first.listening);
    const UniqueFd client = rawConnect(first.names.serverName);
    QVERIFY(client);
    QCOMPARE(::send(client.get(), "\x01\x00\x05hello", 8, MSG_NOSIGNAL), ssize_t(8));
    bool closedBeforeTheSlot = false;
    connect(&first.server, &SingleInstance::activationRequested, this,
            [&] { closedBeforeTheSlot = closedByPeer(client); });
    QVERIFY(QTest::qWaitFor([&first] { return first.spy.count() == 1; }, kWaitMs));
    QCOMPARE(first.spy.at(0).at(0).toString(), QStringLiteral("hello"));
    QVERIFY(closedBeforeTheSlot);
}

void TestLocalSocket::sendRetriesAFullQueueUntilTheDeadline() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("socket"));
    const auto address = UnixAddress::of(QFile::encodeName(path));
    const UniqueFd listener(openUnixStreamSocket()); // one that never accepts
    QVERIFY(address && listener && ::bind(listener.get(), address->get(), address->length) == 0);
    QCOMPARE(::listen(listener.get(), 1), 0);
    std::vector<UniqueFd> queued;
    for (UniqueFd fd = rawConnect(path); fd && queued.size() < 100; fd = rawConnect(path))
        queued.push_back(std::move(fd));
    QVERIFY(!queued.empty() && queued.size() < 100); // the queue is full

    // Nobody makes room: the sender keeps trying until its deadline, and gives up no sooner.
    QElapsedTimer elapsed;
    elapsed.start();
    QVERIFY(!sendToLocalSocket(path, "x", QDeadlineTimer(200)));
    QVERIFY2(elapsed.elapsed() >= 190 && elapsed.elapsed() < 200 + kWaitMs,
             qPrintable(QString::number(elapsed.elapsed())));
}

void TestLocalSocket::reachesAFirstCopyListeningWithQtsServer() {
    // A first copy of an older build listens with Qt's local server and its user-only option.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QLocalServer server;
    server.setSocketOptions(QLocalServer::UserAccessOption);
    QVERIFY(server.listen(dir.filePath("socket")));
    const QByteArray frame = handover::encodeFrame({QStringLiteral("Tabela"), QStringLiteral("id-1")});
    QVERIFY(sendToLocalSocket(server.fullServerName(), frame, QDeadlineTimer(kWaitMs)));
    QVERIFY(server.waitForNewConnection(kWaitMs));
    QLocalSocket* client = server.nextPendingConnection();
    QByteArray bytes;
    while (client->waitForReadyRead(kWaitMs))
        bytes += client->readAll();
    // Version 2: the title and the token, each after a two-byte length, byte for byte as before.
    QCOMPARE(bytes + client->readAll(), QByteArray("\x02\x00\x06Tabela\x00\x04id-1", 15));
}

QTEST_MAIN(TestLocalSocket)
#include "tst_localsocket.moc"
