// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up time and memory of the main window against a bare Qt window of the same size.
// Run each kind in its own process, side by side:
//   bench_startup bare    bench_startup main
// It prints the time from the start of main() to the first exposed frame, the resident memory
// then, and the mean time to build and show the window again over 20 more rounds.
#include "forms/main/frm1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QStyleFactory>
#include <QWindow>
#include <cstdio>
#include <memory>

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

std::unique_ptr<QWidget> makeWindow(bool bare) {
    if (!bare)
        return std::make_unique<frm1>();
    auto window = std::make_unique<QWidget>();
    window->resize(frm1::designSize());
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
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const bool bare = argc > 1 && qstrcmp(argv[1], "bare") == 0;

    auto window = makeWindow(bare);
    showAndWaitForFrame(*window);
    const double firstFrameMs = sinceStart.nsecsElapsed() / 1e6;
    const long rss = residentKiB();
    window.reset();

    constexpr int kRounds = 20;
    QElapsedTimer rounds;
    rounds.start();
    for (int i = 0; i < kRounds; ++i) {
        auto again = makeWindow(bare);
        showAndWaitForFrame(*again);
    }
    std::printf("%-5s first frame %.1f ms, resident %ld KiB, build+show %.2f ms per window\n",
                bare ? "bare" : "main", firstFrameMs, rss, rounds.nsecsElapsed() / 1e6 / kRounds);
    return 0;
}
