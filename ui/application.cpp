#include "ui/application.h"

#include "model/fp_environment.h"
#include "ui/program_icon.h"
#include "ui/window_placement.h"
#include "view3d/pixel_format.h"

#include <QApplication>
#include <QFont>
#include <QMessageBox>

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
    QObject::connect(&graphWindow, &GraphWindow::probabilityMapRequested, &mapWindow,
                     [&mainWindow, &graphWindow, &mapWindow] {
                         if (const std::optional<ModelParameters> parameters = mainWindow.currentParameters())
                             mapWindow.showFor(*parameters, mainWindow.separator(), graphWindow.points());
                     });
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
    mainWindow.show();
    // A report from the first frame was shown before the main window existed on screen.
    if (QMessageBox* box = report.openBox()) {
        box->move(mainWindow.frameGeometry().center() - box->rect().center());
        box->raise();
    }
}

}  // namespace brenvik
