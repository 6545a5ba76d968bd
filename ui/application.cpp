#include "ui/application.h"

#include "model/fp_environment.h"
#include "ui/program_icon.h"
#include "ui/window_placement.h"
#include "view3d/pixel_format.h"

#include <QApplication>
#include <QFont>
#include <QMessageBox>
#include <QScreen>

namespace brenvik {

void prepareApplication()
{
    setModelFloatingPointEnvironment();
    // The forms name Windows fonts; Liberation Sans has Arial's metrics.
    const QStringList substitutes{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    QFont::insertSubstitutions(QStringLiteral("Arial"), substitutes);
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), substitutes);
    QFont defaultFont(QStringLiteral("MS Sans Serif"));
    defaultFont.setPixelSize(11);
    QApplication::setFont(defaultFont);
    QApplication::setApplicationName(kApplicationTitle);
    QApplication::setWindowIcon(programIcon());
    // Ties the windows to the desktop entry and its icon on Wayland.
    QGuiApplication::setDesktopFileName(QStringLiteral(BRENVIK_APP_ID));
}

void connectWindows(MainWindow& mainWindow, AboutBox& aboutBox, GraphWindow& graphWindow,
                    ProbabilityMapWindow& mapWindow)
{
    mainWindow.attachWindows(&aboutBox, &graphWindow);
    // The graph shows beside the main window's inputs, or shrinks, but never covers them.
    graphWindow.setKeepClear([&mainWindow] { return mainWindow.inputAreas(); });

    // The map opens from either window for the main window's inputs, with the sweep's points.
    const auto openMap = [&mainWindow, &graphWindow, &mapWindow] {
        if (const std::optional<ModelParameters> parameters = mainWindow.currentParameters())
            mapWindow.showFor(*parameters, mainWindow.separator(), graphWindow.points());
    };
    QObject::connect(&graphWindow, &GraphWindow::probabilityMapRequested, &mapWindow, openMap);
    QObject::connect(&mainWindow, &MainWindow::probabilityMapRequested, &mapWindow, openMap);
    // An open map follows the inputs as they change, and the sweep's path as it is plotted.
    QObject::connect(&mainWindow, &MainWindow::inputsChanged, &mapWindow, [&mainWindow, &mapWindow] {
        if (!mapWindow.isVisible())
            return;
        if (const std::optional<ModelParameters> parameters = mainWindow.validParameters())
            mapWindow.follow(*parameters, mainWindow.separator());
    });
    QObject::connect(&graphWindow, &GraphWindow::pointsChanged, &mapWindow, [&graphWindow, &mapWindow] {
        if (mapWindow.isVisible())
            mapWindow.setSweep(graphWindow.points());
    });
}

void keepGraphCornerClear(MainWindow& mainWindow, const GraphWindow& graphWindow)
{
    const QScreen* screen = mainWindow.screen();
    if (!screen)
        return;
    // Not framed yet, the window's inputs lie a title bar lower than its position says.
    const QSize margins = frameMargins(mainWindow);
    QList<QRect> inputs = mainWindow.inputAreas();
    for (QRect& area : inputs)
        area.translate(margins.width() / 2, margins.height() - margins.width() / 2);
    const QRect frame(mainWindow.pos(), mainWindow.size() + margins);
    mainWindow.move(mainWindow.pos() +
                    shiftClearOf(screen->availableGeometry(), frame, inputs, graphWindow.cornerFrame()));
}

Program::Program() { connectWindows(mainWindow, aboutBox, graphWindow, mapWindow); }

bool Program::start()
{
    const QString problem = probeRenderingContext();
    if (!problem.isEmpty()) {
        QMessageBox box(QMessageBox::NoIcon, pixelFormatCaption(), problem, QMessageBox::Ok);
        box.exec();
        return false;
    }
    mainWindow.drawFirstFrame();
    mainWindow.frameTimer().start();
    return true;
}

void Program::show()
{
    centreOnScreen(mainWindow);
    keepGraphCornerClear(mainWindow, graphWindow);
    mainWindow.show();
    // A report from the first frame was shown before the main window existed on screen.
    if (QMessageBox* box = report.openBox()) {
        box->move(mainWindow.frameGeometry().center() - box->rect().center());
        box->raise();
    }
}

}  // namespace brenvik
