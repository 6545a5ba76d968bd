#include "model/fp_environment.h"
#include "ui/application.h"
#include "ui/command_line.h"
#include "ui/platform_choice.h"
#include "ui/runtime_folder.h"

#include <QApplication>

#include <cstdlib>
#include <iostream>

int main(int argc, char** argv)
{
    // The command line is read before anything needs a display: --help, --version and a bad
    // value end the program here, before any window. QApplication takes Qt's own options
    // (-platform, -style …) out of argv, so a line that may hold one is read again after it.
    brenvik::setModelFloatingPointEnvironment();
    brenvik::StartCommand command = brenvik::readCommandLine(argc, argv, false, std::cout, std::cerr);
    if (command.exitStatus)
        return *command.exitStatus;
    brenvik::providePrivateRuntimeFolder();
    brenvik::choosePlatform();
    QApplication app(argc, argv);
    if (command.readAgain) {
        command = brenvik::readCommandLine(argc, argv, true, std::cout, std::cerr);
        if (command.exitStatus)
            return *command.exitStatus;
    }
    brenvik::prepareApplication();
    brenvik::Program program;
    brenvik::setStartInputs(program.mainWindow, command.options);
    if (!program.start())
        return EXIT_FAILURE;
    QObject::connect(&program.mainWindow, &brenvik::MainWindow::closed, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    program.show();
    return app.exec();
}
