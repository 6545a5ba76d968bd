// Everything by keyboard alone: the tab order of each window, the keys that press its
// buttons, the menu keys, and a sweep started from the keyboard that leaves the focus where
// it was. Keys go to whatever has the focus, as a user's do. Run on a bare X server and
// under openbox, which decides for itself which window is active.

#include "form_fixture.h"

#include <QFileDialog>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QScrollBar>
#include <QWindow>

using namespace brenvik;
using brenvik::testing::FormFixture;

namespace {

/// A key as the user types it: to the focused control of the focused window, through Qt's
/// shortcuts and its event delivery.
void type(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(static_cast<QWidget*>(nullptr), key, modifiers);
}

/// Makes `window` the active one, as the user would by clicking on it.
void activate(QWidget& window)
{
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.raise();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

/// The controls Tab visits from `first` on, until it comes back to `first`.
QStringList tabCycle(QWidget& first)
{
    first.setFocus(Qt::TabFocusReason);
    QStringList visited{first.objectName()};
    for (int i = 0; i < 40; ++i) {
        type(Qt::Key_Tab);
        QWidget* now = QApplication::focusWidget();
        if (!now || now == &first)
            return visited;
        visited << now->objectName();
    }
    visited << QStringLiteral("(no way back)");
    return visited;
}

/// Watches for the context menu a key opens, which runs its own event loop: notes its items
/// and where it shows, then closes it.
struct MenuWatch {
    QStringList items;
    QRect shownAt;
    QTimer poll;

    MenuWatch()
    {
        poll.setInterval(20);
        QObject::connect(&poll, &QTimer::timeout, [this] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu || !menu->isVisible())
                return;
            for (QAction* action : menu->actions())
                items << action->text();
            shownAt = menu->geometry();
            menu->close();
        });
        poll.start();
    }
};

/// A key pressed on the X server's keyboard, as a user presses it: through the platform's
/// own handling of it, which QTest's keys bypass.
bool pressOnTheServer(const QString& key)
{
    return QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("key"), key}) == 0;
}

/// Whether the X server's input focus is on `window`: a window manager may give it a moment
/// after Qt calls the window active, and a key pressed on the server before goes elsewhere.
bool serverFocusIsOn(const QWidget& window)
{
    QProcess focus;
    focus.start(QStringLiteral("xdotool"), {QStringLiteral("getwindowfocus")});
    return focus.waitForFinished() && focus.readAllStandardOutput().trimmed().toULongLong() == window.winId();
}

}  // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { brenvik::testing::closeOpenReports(); }

    void tabVisitsEveryControlOnce_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("cycle");
        // The form's order, the noise slider skipped while it is disabled, then the "?" button.
        QTest::newRow("main") << "main" << QStringList{"Edit1",     "TrackBar1",   "TrackBar2", "TrackBar3",
                                                       "TrackBar4", "CheckBox1",   "Edit2",     "BitBtn1",
                                                       "Edit3",     "CheckBox2",   "CheckBox3", "CheckBox4",
                                                       "Button1",   "TrackBar6",   "TrackBar7", "TrackBar8",
                                                       "Edit4",     "SpeedButton1"};
        QTest::newRow("graph") << "graph" << QStringList{"SpeedButton1", "SpeedButton2"};
        QTest::newRow("about") << "about" << QStringList{"CheckBox1", "Memo1", "OKButton"};
    }

    void tabVisitsEveryControlOnce()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, cycle);
        FormFixture f;
        QWidget& shown = window == QLatin1String("graph")   ? static_cast<QWidget&>(f.graph)
                         : window == QLatin1String("about") ? static_cast<QWidget&>(f.aboutBox)
                                                            : *f.form;
        activate(shown);
        QCOMPARE(tabCycle(*shown.findChild<QWidget*>(cycle.first())), cycle);
        f.graph.hide();
        f.aboutBox.hide();
    }

    void focusShowsOnTheGlyphButtons_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("elsewhere");
        QTest::newRow("?") << "main"
                           << "SpeedButton1"
                           << "Edit1";
        QTest::newRow("screenshot") << "graph"
                                    << "SpeedButton1"
                                    << "SpeedButton2";
        QTest::newRow("close") << "graph"
                               << "SpeedButton2"
                               << "SpeedButton1";
    }

    void focusShowsOnTheGlyphButtons()
    {
        QFETCH(QString, window);
        QFETCH(QString, button);
        QFETCH(QString, elsewhere);
        FormFixture f;
        QWidget& shown = window == QLatin1String("graph") ? static_cast<QWidget&>(f.graph) : *f.form;
        activate(shown);
        QWidget* glyph = shown.findChild<QWidget*>(button);
        // The button as the window shows it, on its panel.
        const QRect place(glyph->mapTo(&shown, QPoint(0, 0)), glyph->size());
        shown.findChild<QWidget*>(elsewhere)->setFocus(Qt::TabFocusReason);
        const QImage without = shown.grab(place).toImage();
        glyph->setFocus(Qt::TabFocusReason);
        const QImage with = shown.grab(place).toImage();
        // A light frame that shows on the dark panels, not a shade darker than the panel.
        int lit = 0;
        for (int y = 0; y < with.height(); ++y)
            for (int x = 0; x < with.width(); ++x)
                lit += qGray(with.pixel(x, y)) > 120 && qGray(without.pixel(x, y)) < 70;
        QVERIFY2(lit >= 16, qPrintable(QString::number(lit)));
        f.graph.hide();
    }

    void mainWindowKeysOpenTheAboutBox_data()
    {
        QTest::addColumn<QString>("focused");
        QTest::addColumn<int>("key");
        QTest::newRow("F1 in a number box") << "Edit1" << int(Qt::Key_F1);
        QTest::newRow("F1 on a slider") << "TrackBar6" << int(Qt::Key_F1);
        QTest::newRow("Space on ?") << "SpeedButton1" << int(Qt::Key_Space);
        QTest::newRow("Enter on ?") << "SpeedButton1" << int(Qt::Key_Return);
    }

    void mainWindowKeysOpenTheAboutBox()
    {
        QFETCH(QString, focused);
        QFETCH(int, key);
        FormFixture f;
        activate(*f.form);
        f.form->findChild<QWidget*>(focused)->setFocus(Qt::TabFocusReason);
        type(Qt::Key(key));
        QTRY_VERIFY(f.aboutBox.isVisible());
        f.aboutBox.close();
    }

    void graphButtonsTakeTheirKeys()
    {
        FormFixture f;
        int asked = 0;
        f.graph.setFileNameAsker([&](QFileDialog&) {
            ++asked;
            return QString();  // cancelled
        });
        f.graph.startGraph();
        activate(f.graph);
        f.graph.findChild<QWidget*>(QStringLiteral("SpeedButton1"))->setFocus(Qt::TabFocusReason);
        type(Qt::Key_Return);
        QTRY_COMPARE(asked, 1);
        type(Qt::Key_Space);
        QTRY_COMPARE(asked, 2);
        type(Qt::Key_Tab);
        type(Qt::Key_Space);
        QTRY_VERIFY(!f.graph.isVisible());
    }

    void aboutBoxKeys()
    {
        FormFixture f;
        f.form->showAbout();
        activate(f.aboutBox);
        f.aboutBox.findChild<QWidget*>(QStringLiteral("CheckBox1"))->setFocus(Qt::TabFocusReason);
        type(Qt::Key_Space);
        QVERIFY(!f.aboutBox.musicOn());
        QVERIFY(!f.sound.playing);
        type(Qt::Key_Space);
        QVERIFY(f.sound.playing);
        // The description scrolls from the keyboard; Enter there is still the OK button's.
        auto* memo = f.aboutBox.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
        memo->setFocus(Qt::TabFocusReason);
        for (int page = 0; page < 5; ++page)
            type(Qt::Key_PageDown);
        QCOMPARE(memo->verticalScrollBar()->value(), memo->verticalScrollBar()->maximum());
        QVERIFY(memo->verticalScrollBar()->maximum() > 0);
        type(Qt::Key_Return);
        QTRY_VERIFY(!f.aboutBox.isVisible());
        QVERIFY(!f.sound.playing);
        f.form->showAbout();
        activate(f.aboutBox);
        type(Qt::Key_Escape);
        QTRY_VERIFY(!f.aboutBox.isVisible());
    }

    void menuKeysOpenTheGraphsMenuAtTheFocus_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("onTheServer");
        QTest::newRow("Shift+F10") << "shift+F10" << false;
        QTest::newRow("Shift+F10 on the keyboard") << "shift+F10" << true;
        QTest::newRow("Menu on the keyboard") << "Menu" << true;
    }

    void menuKeysOpenTheGraphsMenuAtTheFocus()
    {
        QFETCH(QString, key);
        QFETCH(bool, onTheServer);
        FormFixture f;
        f.graph.startGraph();
        activate(f.graph);
        auto* close = f.graph.findChild<QWidget*>(QStringLiteral("SpeedButton2"));
        close->setFocus(Qt::TabFocusReason);
        QCursor::setPos(QGuiApplication::primaryScreen()->geometry().bottomLeft());  // far from it
        MenuWatch watch;
        if (onTheServer) {
            QTRY_VERIFY(serverFocusIsOn(f.graph));
            QVERIFY2(pressOnTheServer(key), "xdotool failed");
        } else
            type(Qt::Key_F10, Qt::ShiftModifier);
        QTRY_VERIFY(!watch.items.isEmpty());
        QCOMPARE(watch.items, (QStringList{QStringLiteral("Сохранить данные (CSV)…"),
                                           QStringLiteral("Ожидаемая вероятность"),
                                           QStringLiteral("Карта вероятности…")}));
        // At the focused button (moved left only to fit the screen), not at the pointer.
        const QPoint focus = close->mapToGlobal(close->rect().center());
        QVERIFY2(watch.shownAt.adjusted(-2, -2, 2, 2).contains(focus),
                 qPrintable(QStringLiteral("menu at %1,%2").arg(watch.shownAt.x()).arg(watch.shownAt.y())));
        QVERIFY(f.graph.isVisible());
        f.graph.hide();
    }

    void sweepStartedByKeyLeavesTheFocusInTheMainWindow_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Space") << int(Qt::Key_Space);
        QTest::newRow("Enter") << int(Qt::Key_Return);
    }

    void sweepStartedByKeyLeavesTheFocusInTheMainWindow()
    {
        QFETCH(int, key);
        FormFixture f;
        activate(*f.form);
        auto* start = f.child<QPushButton>("Button1");
        start->setFocus(Qt::TabFocusReason);
        type(Qt::Key(key));
        QTRY_VERIFY(f.form->sweep().active);
        QVERIFY(QTest::qWaitForWindowExposed(&f.graph));
        // Whatever the window manager makes of the new window, it has had time to do it.
        QTest::qWait(500);
        QCOMPARE(QApplication::activeWindow(), f.form.get());
        QCOMPARE(QApplication::focusWidget(), start);
        type(Qt::Key(key));
        QTRY_VERIFY(!f.form->sweep().active);
        f.graph.hide();
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
