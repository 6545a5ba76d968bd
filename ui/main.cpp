#include "ui/application.h"
#include "ui/platform_choice.h"
#include "ui/runtime_folder.h"

#include <QApplication>

#include <cstdlib>

int main(int argc, char** argv)
{
    brenvik::providePrivateRuntimeFolder();
    brenvik::choosePlatform();
    QApplication app(argc, argv);
    brenvik::prepareApplication();
    brenvik::Program program;
    if (!program.start())
        return EXIT_FAILURE;
    QObject::connect(&program.mainWindow, &brenvik::MainWindow::closed, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    program.show();
    return app.exec();
}
