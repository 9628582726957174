// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in copy of the program for the single-instance tests:
//   instance_probe LOCK_PATH SOCKET_PATH
// Prints "primary", "secondary" or "unreachable". As primary it keeps running for up to 20 s,
// printing each title it receives on its own line, followed by a tab and the activation token when
// one came with it; as secondary it exits at once with status 0, and
// when the lock is held but nobody answers, with status 1.
//   instance_probe --hold LOCK_PATH
// A first copy that hangs: takes the lock, prints "holding", never listens, and ends after 20 s.
#include "platform/SingleInstance.h"

#include <QCoreApplication>
#include <QLockFile>
#include <QTextStream>
#include <QTimer>

#include <chrono>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    // Differs from the executable's file name, as the real program's name does, so the tests show
    // that a live owner's lock is not mistaken for a stale one.
    QCoreApplication::setApplicationName(QStringLiteral("Orvane probe"));

    const QStringList args = QCoreApplication::arguments();
    if (args.size() == 3 && args.at(1) == QLatin1String("--hold")) {
        QLockFile lock(args.at(2));
        lock.setStaleLockTime(0);
        if (!lock.tryLock(0))
            return 1;
        QTextStream(stdout) << "holding\n" << Qt::flush;
        QTimer::singleShot(std::chrono::seconds(20), &app, &QCoreApplication::quit);
        return app.exec();
    }
    if (args.size() != 3) {
        QTextStream(stderr) << "usage: instance_probe LOCK_PATH SOCKET_PATH\n";
        return 2;
    }

    platform::SingleInstance instance({args.at(1), args.at(2)});
    QTextStream out(stdout);
    switch (instance.start(QStringLiteral("probe title"))) {
    case platform::SingleInstance::Role::Secondary:
        out << "secondary\n" << Qt::flush;
        return 0;
    case platform::SingleInstance::Role::Unreachable:
        out << "unreachable\n" << Qt::flush;
        return 1;
    case platform::SingleInstance::Role::Primary:
        break;
    }
    out << "primary\n" << Qt::flush;
    QObject::connect(&instance, &platform::SingleInstance::activationRequested,
                     [&out](const QString& title, const QString& token) {
                         out << title << (token.isEmpty() ? QString() : QLatin1Char('\t') + token) << '\n'
                             << Qt::flush;
                     });
    QTimer::singleShot(std::chrono::seconds(20), &app, &QCoreApplication::quit);
    return app.exec();
}
