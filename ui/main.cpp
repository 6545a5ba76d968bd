#include "ui/application.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    brenvik::prepareApplication();
    brenvik::Program program;
    QObject::connect(&program.Form1, &brenvik::TForm1::closed, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    program.show();
    return app.exec();
}
