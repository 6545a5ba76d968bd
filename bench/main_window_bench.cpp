// Drives the real main window for 10 s with white noise on at level 30 and reports the
// tick rate and how long a tick takes: from the start of the tick (sweep step, model)
// until the view's frame has been drawn and swapped onto the screen. Also the CPU time
// a tick costs, the whole process (llvmpipe's drawing threads included) and the GUI
// thread alone: on a busy machine these move less than the clock times.
// Run by hand on a display, e.g.: xvfb-run -a build/bench/bench_main_window [seconds] [view] [map]
// where view is "tilted" (the X view slider at 60, the default) or "start" (no turn), and
// "map" keeps a probability map computing all the while: the map window is opened from
// the graph window's menu, and each finished map starts the next (noise, threshold, …).

#include "bench/bench_program.h"
#include "ui/application.h"
#include "ui/map/probability_map_window.h"
#include "view3d/scene_view.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QOpenGLWidget>
#include <QSlider>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <vector>

namespace {

double cpuSeconds(clockid_t clock)
{
    timespec t{};
    clock_gettime(clock, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
}

}  // namespace

int main(int argc, char** argv)
{
    const double seconds = argc > 1 ? std::atof(argv[1]) : 10.0;
    const bool tilted = argc <= 2 || std::strcmp(argv[2], "start") != 0;
    const bool withMap = argc > 3 && std::strcmp(argv[3], "map") == 0;
    if ((argc > 2 && tilted && std::strcmp(argv[2], "tilted") != 0) || (argc > 3 && !withMap)) {
        std::fprintf(stderr, "usage: bench_main_window [seconds] [tilted|start] [map]\n");
        return 2;
    }
    QApplication app(argc, argv);
    brenvik::prepareApplication();

    brenvik::Program program;
    if (!program.start())
        return 1;
    brenvik::MainWindow& form = program.mainWindow;
    brenvik::bench::useThresholdOfTheLocale(program);
    form.findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->setChecked(true);
    form.findChild<QSlider*>(QStringLiteral("TrackBar5"))->setValue(30);
    if (tilted)
        form.findChild<QSlider*>(QStringLiteral("TrackBar6"))->setValue(60);
    form.findChild<QSlider*>(QStringLiteral("TrackBar1"))->setValue(-12);
    form.findChild<QSlider*>(QStringLiteral("TrackBar3"))->setValue(12);
    program.show();

    int maps = 0;
    if (withMap) {
        program.graphWindow.probabilityMapAction()->trigger();
        brenvik::ProbabilityMapWindow* window = &program.mapWindow;
        QObject::connect(window, &brenvik::ProbabilityMapWindow::mapShown, [&maps, window] {
            ++maps;
            window->setAxis(window->axis() == brenvik::MapAxis::noise ? brenvik::MapAxis::threshold
                                                                      : brenvik::MapAxis::noise);
        });
    }

    // The same 35 ms precise timer as the window's own, with a stopwatch around each tick.
    form.frameTimer().stop();
    std::vector<double> tickMs;
    QElapsedTimer total;
    QElapsedTimer tick;
    bool waitingForSwap = false;
    QObject::connect(&form.view(), &QOpenGLWidget::frameSwapped, [&] {
        if (waitingForSwap)
            tickMs.push_back(tick.nsecsElapsed() / 1e6);
        waitingForSwap = false;
    });
    int ticks = 0;
    QTimer ticker;
    ticker.setInterval(form.frameTimer().interval());
    ticker.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        if (waitingForSwap)
            tickMs.push_back(tick.nsecsElapsed() / 1e6);  // not shown before the next tick
        tick.start();
        waitingForSwap = true;
        ++ticks;
        form.tick();
        if (total.elapsed() >= seconds * 1000)
            app.quit();
    });
    total.start();
    const double processStart = cpuSeconds(CLOCK_PROCESS_CPUTIME_ID);
    const double threadStart = cpuSeconds(CLOCK_THREAD_CPUTIME_ID);
    ticker.start();
    app.exec();

    const double elapsed = total.nsecsElapsed() / 1e9;
    const double processCpu = cpuSeconds(CLOCK_PROCESS_CPUTIME_ID) - processStart;
    const double threadCpu = cpuSeconds(CLOCK_THREAD_CPUTIME_ID) - threadStart;
    std::vector<double> sorted = tickMs;
    std::sort(sorted.begin(), sorted.end());
    auto percentile = [&](double q) { return sorted[static_cast<std::size_t>(q * (sorted.size() - 1))]; };
    std::printf("view: %s\n", tilted ? "tilted (X 60)" : "start");
    if (withMap)
        std::printf("probability maps computed meanwhile: %d\n", maps);
    std::printf("ticks: %d in %.2f s = %.1f per second, frames shown: %zu\n", ticks, elapsed, ticks / elapsed,
                tickMs.size());
    std::printf("CPU time per tick: process %.2f ms, GUI thread %.2f ms\n", processCpu * 1e3 / ticks,
                threadCpu * 1e3 / ticks);
    std::printf("tick time: median %.2f ms, 95th percentile %.2f ms, max %.2f ms\n", percentile(0.5),
                percentile(0.95), sorted.back());
    std::printf("failure report open at the end: %s\n", program.report.isOpen() ? "yes" : "no");
    return 0;
}
