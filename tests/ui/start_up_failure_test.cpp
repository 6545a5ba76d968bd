// Start-up on a window system that gives the 3-D view no OpenGL: the error shows in a
// modal box before any window does, and the program does not go on. A program of its
// own: Qt chooses its OpenGL integration when the application object is made.

#include "ui/application.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QtTest>

using namespace brenvik;

class StartUpFailureTest : public QObject {
    Q_OBJECT

private slots:
    void noOpenGlShowsTheErrorAndEnds()
    {
        prepareApplication();
        Program program;
        struct {
            bool shown = false;  // as the active modal widget: a modeless box is not found
            QString caption;
            QString text;
            bool mainWindowVisible = true;
            bool frameTimerActive = true;
        } box;
        // The box runs its own event loop: look at it from there, then answer it.
        QTimer answer;
        answer.setInterval(20);
        connect(&answer, &QTimer::timeout, this, [&] {
            auto* open = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!open || !open->isVisible())
                return;
            box = {true, open->windowTitle(), open->text(), program.mainWindow.isVisible(),
                   program.mainWindow.frameTimer().isActive()};
            answer.stop();
            open->button(QMessageBox::Ok)->click();
        });
        answer.start();
        QTimer giveUp;  // a start that shows no box would otherwise wait for ever
        giveUp.setSingleShot(true);
        connect(&giveUp, &QTimer::timeout, this, [] {
            if (QWidget* open = QApplication::activeModalWidget())
                open->close();
        });
        giveUp.start(20000);

        QVERIFY(!program.start());
        QVERIFY(box.shown);
        QCOMPARE(box.caption, QStringLiteral("Ошибка!"));
        QCOMPARE(box.text, QStringLiteral("Не могу выбрать формат пискеля"));
        QVERIFY(!box.mainWindowVisible);
        QVERIFY(!box.frameTimerActive);
        // Nothing runs after the answer: no window, no ticks.
        QVERIFY(!program.mainWindow.isVisible());
        QVERIFY(!program.mainWindow.frameTimer().isActive());
        QVERIFY(!program.aboutBox.isVisible());
        QVERIFY(!program.graphWindow.isVisible());
    }
};

int main(int argc, char** argv)
{
    // The X11 platform without GLX or EGL: no OpenGL context can be made.
    qputenv("QT_XCB_GL_INTEGRATION", "none");
    QApplication app(argc, argv);
    StartUpFailureTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "start_up_failure_test.moc"
