// SPDX-License-Identifier: GPL-3.0-or-later
// Which platform the program asks Qt for: the X socket a DISPLAY names, whether a server answers
// there, and whether the user already chose a platform.
#include "platform/DisplayChoice.h"

#include <QLocalServer>
#include <QTemporaryDir>
#include <QtTest>

#include <vector>

using namespace platform;

class TestDisplayChoice : public QObject {
    Q_OBJECT
  private slots:
    void socketOfTheDisplay_data();
    void socketOfTheDisplay();
    void answersOnlyWhileAServerListens();
    void userChoiceIsRespected_data();
    void userChoiceIsRespected();
};

void TestDisplayChoice::socketOfTheDisplay_data() {
    QTest::addColumn<QByteArray>("display");
    QTest::addColumn<QString>("socket");
    const QString x0 = QStringLiteral("/tmp/.X11-unix/X0");
    QTest::newRow("plain") << QByteArray(":0") << x0;
    QTest::newRow("with a screen") << QByteArray(":12.1") << QStringLiteral("/tmp/.X11-unix/X12");
    QTest::newRow("unix") << QByteArray("unix:0") << x0;
    QTest::newRow("unix protocol") << QByteArray("unix/:0") << x0;
    QTest::newRow("a socket path") << QByteArray("/run/x/org.x:0") << QStringLiteral("/run/x/org.x");
    QTest::newRow("another host") << QByteArray("remote:10.0") << QString();
    QTest::newRow("over TCP here") << QByteArray("localhost:10.0") << QString();
    QTest::newRow("no number") << QByteArray(":") << QString();
    QTest::newRow("not a number") << QByteArray(":x") << QString();
    QTest::newRow("junk after the screen") << QByteArray(":0x") << QString();
    QTest::newRow("no colon") << QByteArray("0") << QString();
    QTest::newRow("empty") << QByteArray("") << QString();
}

void TestDisplayChoice::socketOfTheDisplay() {
    QFETCH(QByteArray, display);
    QFETCH(QString, socket);
    QCOMPARE(QString::fromStdString(xSocketPath(display.constData())), socket);
    QCOMPARE(xSocketPath(nullptr), std::string());
}

void TestDisplayChoice::answersOnlyWhileAServerListens() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("X7"));
    QVERIFY(!socketAnswers(path.toStdString())); // nothing there
    {
        QLocalServer server;
        server.setSocketOptions(QLocalServer::UserAccessOption);
        QVERIFY(server.listen(path));
        QVERIFY(socketAnswers(path.toStdString()));
        // A connection the server never takes in does not hold the check up.
        for (int i = 0; i < 3; ++i)
            QVERIFY(socketAnswers(path.toStdString()));
        QLocalServer::removeServer(path);
        QFile(path).open(QIODevice::WriteOnly); // a plain file where the socket was
        QVERIFY(!socketAnswers(path.toStdString()));
        QFile::remove(path);
    }
    {
        // As an X server listens on Linux, at a name in the abstract namespace, with no file.
        QLocalServer server;
        server.setSocketOptions(QLocalServer::AbstractNamespaceOption);
        QVERIFY(server.listen(path));
        QVERIFY(!QFile::exists(path));
        QVERIFY(socketAnswers(path.toStdString()));
    }
    QVERIFY(!socketAnswers(std::string()));
    QVERIFY(!socketAnswers(std::string(200, 'x'))); // longer than a socket address holds
}

void TestDisplayChoice::userChoiceIsRespected_data() {
    QTest::addColumn<QByteArrayList>("arguments");
    QTest::addColumn<QByteArray>("variable"); // QT_QPA_PLATFORM; "-" for unset
    QTest::addColumn<QString>("name");        // the platform the user chose, and where
    QTest::addColumn<QString>("where");       // empty: chose none
    const QString variable = QStringLiteral("QT_QPA_PLATFORM");
    const QString option = QStringLiteral("-platform");
    QTest::newRow("nothing chosen") << QByteArrayList{"orvane"} << QByteArray("-") << QString() << QString();
    QTest::newRow("set but empty") << QByteArrayList{"orvane"} << QByteArray("") << QString() << QString();
    QTest::newRow("variable") << QByteArrayList{"orvane"} << QByteArray("wayland")
                              << QStringLiteral("wayland") << variable;
    QTest::newRow("option") << QByteArrayList{"orvane", "-platform", "wayland"} << QByteArray("-")
                            << QStringLiteral("wayland") << option;
    QTest::newRow("option, two dashes") << QByteArrayList{"orvane", "--platform", "offscreen"}
                                        << QByteArray("-") << QStringLiteral("offscreen") << option;
    // Qt takes the option over the variable.
    QTest::newRow("option and variable") << QByteArrayList{"orvane", "-platform", "xcb"}
                                         << QByteArray("wayland") << QStringLiteral("xcb") << option;
    QTest::newRow("option without its value")
        << QByteArrayList{"orvane", "-platform"} << QByteArray("-") << QString() << option;
    QTest::newRow("another option") << QByteArrayList{"orvane", "-style", "fusion"} << QByteArray("-")
                                    << QString() << QString();
}

void TestDisplayChoice::userChoiceIsRespected() {
    QFETCH(QByteArrayList, arguments);
    QFETCH(QByteArray, variable);
    QFETCH(QString, name);
    QFETCH(QString, where);
    std::vector<char*> argv;
    for (QByteArray& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    const char* value = variable == "-" ? nullptr : variable.constData();
    QCOMPARE(platformChosen(int(arguments.size()), argv.data(), value), !where.isEmpty());
    const PlatformChoice choice = userPlatform(int(arguments.size()), argv.data(), value);
    QCOMPARE(QString::fromStdString(choice.name), name);
    QCOMPARE(QString::fromStdString(choice.where), where);
}

QTEST_GUILESS_MAIN(TestDisplayChoice)
#include "tst_displaychoice.moc"
