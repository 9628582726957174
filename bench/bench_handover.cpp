// SPDX-License-Identifier: GPL-3.0-or-later
// How long a later copy takes to hand its title to the first copy while other connections crowd
// the first copy's socket: silent ones, and ones that start a frame and never finish it.
// The first copy runs in a child process with its own event loop. Not a test: run it by hand.
//   bench_handover
#include "platform/SingleInstance.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>
#include <vector>

using platform::SingleInstance;

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() == 4 && args[1] == QLatin1String("serve")) {
        SingleInstance first({args[2], args[3]});
        if (first.start(QStringLiteral("first")) != SingleInstance::Role::Primary)
            return 1;
        QObject::connect(&first, &SingleInstance::activationRequested, [](const QString& title) {
            std::printf("%s\n", qPrintable(title));
            std::fflush(stdout);
        });
        std::printf("primary\n");
        std::fflush(stdout);
        return QCoreApplication::exec();
    }

    QTemporaryDir dir;
    const SingleInstance::Names names{dir.filePath(QStringLiteral("lock")), dir.filePath(QStringLiteral("socket"))};
    QProcess first;
    first.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("serve"), names.lockPath, names.serverName});
    if (!first.waitForReadyRead(5000))
        return 1;
    first.readLine();

    for (const bool started : {false, true}) {
        for (const int crowdSize : {0, 16, 64, 128, 250}) {
            std::vector<std::unique_ptr<QLocalSocket>> crowd;
            for (int i = 0; i < crowdSize; ++i) {
                auto socket = std::make_unique<QLocalSocket>();
                socket->connectToServer(names.serverName);
                if (!socket->waitForConnected(1000))
                    break;
                if (started)
                    socket->write(QByteArray::fromHex("010400")); // promises 1024 bytes, sends none
                socket->flush();
                crowd.push_back(std::move(socket));
            }
            QElapsedTimer timer;
            timer.start();
            SingleInstance later(names);
            const auto role = later.start(QStringLiteral("later"));
            const bool arrived = first.waitForReadyRead(5000) && first.readLine().trimmed() == "later";
            std::printf("%-26s %3zu connections: %7.1f ms  %s\n",
                        started ? "unfinished frames," : "silent connections,", crowd.size(),
                        timer.nsecsElapsed() / 1e6,
                        role == SingleInstance::Role::Secondary && arrived ? "handed over" : "NOT handed over");
        }
    }
    first.kill();
    first.waitForFinished();
    return 0;
}
