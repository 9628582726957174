// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up time and memory of the main window against bare Qt windows of the same size: one empty,
// and one that shows a line of text (so loads the fonts, as any window with text must).
// Run each kind in its own process, side by side:
//   bench_startup bare    bench_startup text    bench_startup main
// An optional second argument sets the number of later rounds (20; 0 for the first frame alone,
// as a profiler wants it). A third argument "rest" then keeps a window open until the process ends.
// It prints the time from the start of main() to the first exposed frame (and its three parts), the
// resident memory then, and the mean time to build and show the window again over 20 more rounds.
#include "forms/main/frm1.h"
#include "platform/FontConfigWarmUp.h"
#include "platform/Fonts.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QStyleFactory>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <optional>

namespace {

long residentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine())
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

// Milliseconds since the launcher's clock reading in ORVANE_BENCH_LAUNCHED (seconds since the
// epoch, as bash's EPOCHREALTIME gives it just before it starts the program); -1 without it. This
// takes in what main() cannot see: loading the program and its libraries.
double msSinceLaunch() {
    bool ok = false;
    const double launched = qEnvironmentVariable("ORVANE_BENCH_LAUNCHED").toDouble(&ok);
    if (!ok)
        return -1;
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return std::chrono::duration<double, std::milli>(now).count() - launched * 1000.0;
}

enum class Kind { Bare, Text, Main };

std::unique_ptr<QWidget> makeWindow(Kind kind) {
    if (kind == Kind::Main)
        return std::make_unique<frm1>();
    auto window = std::make_unique<QWidget>();
    window->resize(frm1::designSize());
    if (kind == Kind::Text)
        new QLabel(QStringLiteral("Tabela periódica dos elementos"), window.get());
    return window;
}

void showAndWaitForFrame(QWidget& window) {
    window.show();
    while (!window.windowHandle() || !window.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::processEvents();
}

} // namespace

int main(int argc, char* argv[]) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    const QByteArray mode = argc > 1 ? QByteArray(argv[1]) : QByteArray("main");
    const Kind kind = mode == "bare" ? Kind::Bare : mode == "text" ? Kind::Text : Kind::Main;
    std::optional<platform::FontConfigWarmUp> fontConfig; // as the program does
    if (kind == Kind::Main)
        fontConfig.emplace();
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    if (kind == Kind::Main) {
        fontConfig->wait();
        QApplication::setFont(platform::uiFont(8.25));
    }

    const double appMs = sinceStart.nsecsElapsed() / 1e6;
    auto window = makeWindow(kind);
    const double builtMs = sinceStart.nsecsElapsed() / 1e6;
    showAndWaitForFrame(*window);
    const double firstFrameMs = sinceStart.nsecsElapsed() / 1e6;
    const double fromExecMs = msSinceLaunch();
    const long rss = residentKiB();
    window.reset();

    const int kRounds = argc > 2 ? std::max(0, QByteArray(argv[2]).toInt()) : 20;
    QElapsedTimer rounds;
    rounds.start();
    for (int i = 0; i < kRounds; ++i) {
        auto again = makeWindow(kind);
        showAndWaitForFrame(*again);
    }
    std::printf("%-5s first frame %.1f ms, resident %ld KiB, build+show %.2f ms per window"
                " (first: application %.1f, window built %.1f, shown %.1f ms; from launch %.1f ms)\n",
                mode.constData(), firstFrameMs, rss, kRounds ? rounds.nsecsElapsed() / 1e6 / kRounds : 0.0, appMs,
                builtMs - appMs, firstFrameMs - builtMs, fromExecMs);
    // "rest": the window stays open, left alone, until the process is ended (bench/wakeups_at_rest.sh).
    if (argc > 3 && QByteArray(argv[3]) == "rest") {
        std::fflush(stdout);
        auto resting = makeWindow(kind);
        showAndWaitForFrame(*resting);
        return QApplication::exec();
    }
    return 0;
}
