// The soak: the real program for a long while (10 minutes unless told otherwise) with
// white noise on, driven through the X server by xdotool as a user would drive it: sweeps
// started and stopped, the About box opened and closed, screenshots saved, and a number
// box emptied and left (a failure report) and corrected. Reports the tick rate over time and the
// resident memory. Run by hand: xvfb-run -a build/bench/bench_soak [minutes]

#include "bench/bench_program.h"
#include "ui/application.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QToolButton>

#include <cstdio>

namespace {

long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toLong();
    return -1;
}

void xdotool(const QStringList& arguments) { QProcess::execute(QStringLiteral("xdotool"), arguments); }

void click(QWidget* widget)
{
    const QPoint centre = widget->mapToGlobal(widget->rect().center());
    xdotool({QStringLiteral("mousemove"), QString::number(centre.x()), QString::number(centre.y()),
             QStringLiteral("click"), QStringLiteral("1")});
}

template <class T>
T* child(QWidget* window, const char* name)
{
    return window->findChild<T*>(QString::fromLatin1(name));
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    brenvik::prepareApplication();
    const double minutes = argc > 1 ? std::atof(argv[1]) : 10.0;

    brenvik::Program program;
    if (!program.start())
        return 1;
    brenvik::MainWindow& form = program.mainWindow;
    brenvik::bench::useThresholdOfTheLocale(program);
    const QString shots = QDir::temp().filePath(QStringLiteral("brenvik-soak"));
    QDir().mkpath(shots);
    program.graphWindow.setFileNameAsker(
        [&](QFileDialog&) { return QDir(shots).filePath(QStringLiteral("ScrShot.bmp")); });
    program.show();

    long ticks = 0;
    QObject::connect(&form.frameTimer(), &QTimer::timeout, [&] { ++ticks; });

    // One round of a user's actions every 40 s, a step a second.
    int second = 0;
    long ticksAtReport = 0;
    long rssAfterFirstMinute = 0;
    const long rssAtStart = residentKiB();
    std::printf("minute  ticks/s  RSS KiB\n");
    QTimer clock;
    clock.setInterval(1000);
    QObject::connect(&clock, &QTimer::timeout, [&] {
        ++second;
        switch (second % 40) {
        case 1:
            if (!child<QCheckBox>(&form, "CheckBox1")->isChecked())
                click(child<QCheckBox>(&form, "CheckBox1"));
            child<QSlider>(&form, "TrackBar5")->setValue(30);
            click(child<QPushButton>(&form, "Button1"));  // Start
            break;
        case 12:
            if (form.sweep().active)
                click(child<QPushButton>(&form, "Button1"));  // Stop
            break;
        case 14:
            click(child<QToolButton>(&form, "SpeedButton1"));  // About
            break;
        case 19:
            click(child<QPushButton>(&program.aboutBox, "OKButton"));
            break;
        case 21:
            if (program.graphWindow.isVisible())
                click(child<QToolButton>(&program.graphWindow, "SpeedButton1"));  // screenshot
            break;
        case 24:
            click(child<QLineEdit>(&form, "Edit1"));
            break;
        case 25:  // the box empty: not reported while it is being edited
            xdotool({QStringLiteral("key"), QStringLiteral("End"), QStringLiteral("BackSpace")});
            break;
        case 26:  // leaving the box: the next frame reports it
            click(child<QLineEdit>(&form, "Edit2"));
            break;
        case 27:
            if (QMessageBox* box = program.report.openBox())
                click(box->button(QMessageBox::Ok));
            else
                std::printf("no failure report after emptying the box\n");
            break;
        case 28:
            click(child<QLineEdit>(&form, "Edit1"));
            break;
        case 29:
            xdotool({QStringLiteral("type"), QStringLiteral("9")});
            break;
        }
        if (second % 30 == 0) {
            const long rss = residentKiB();
            if (second == 60)
                rssAfterFirstMinute = rss;
            std::printf("%6.1f  %7.1f  %7ld\n", second / 60.0, (ticks - ticksAtReport) / 30.0, rss);
            std::fflush(stdout);
            ticksAtReport = ticks;
        }
        if (second >= minutes * 60)
            app.quit();
    });
    clock.start();
    app.exec();

    const long rssAtEnd = residentKiB();
    std::printf("ticks: %ld in %.0f s = %.1f per second\n", ticks, second * 1.0, ticks / double(second));
    std::printf("resident memory: %ld KiB at start, %ld KiB after the first minute, %ld KiB at the end "
                "(%+ld KiB since the first minute)\n",
                rssAtStart, rssAfterFirstMinute, rssAtEnd, rssAtEnd - rssAfterFirstMinute);
    std::printf("Edit1 at the end: %s, sweep running: %s\n",
                qPrintable(child<QLineEdit>(&form, "Edit1")->text()), form.sweep().active ? "yes" : "no");
    return 0;
}
