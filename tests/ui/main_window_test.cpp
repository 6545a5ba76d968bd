// The main window: initial state, read-outs, the frame timer, the failure report and
// the end of the program. Run once under a "." locale and once under a "," locale.

#include "form_fixture.h"
#include "view3d/scene_view.h"

#include <QMenu>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QToolTip>

using namespace brenvik;
using brenvik::testing::FormFixture;

namespace {

struct CheckBoxLook {
    int darkInIndicator = 0;  ///< pixels inside the box, well inside its border
    int captionColoured = 0;  ///< pixels right of the box in the caption's colour
};

CheckBoxLook lookOf(QCheckBox* box, const QColor& caption)
{
    const QImage image = box->grab().toImage();
    QStyleOptionButton option;
    option.initFrom(box);
    const QRect indicator = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
    CheckBoxLook look;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (indicator.adjusted(3, 3, -3, -3).contains(x, y))
                look.darkInIndicator += qGray(pixel) < 100;
            else if (x > indicator.right())
                look.captionColoured += QColor(pixel) == caption;
        }
    }
    return look;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { brenvik::testing::closeOpenReports(); }

    void separatorComesFromTheLocaleOfTheRun()
    {
        // Each run of this test names its locale; the program must pick up its separator.
        const QByteArray locale = qgetenv("LC_ALL");
        DecimalSeparator separator;
        if (locale.startsWith("ru"))
            QCOMPARE(separator.value(), ',');
        else if (locale == "C")
            QCOMPARE(separator.value(), '.');
        else
            QSKIP("run without a known locale");
    }

    void initialState()
    {
        FormFixture f;
        QVERIFY(!f.report.isOpen());
        QCOMPARE(f.form->windowTitle(), QStringLiteral("Brenvik v 1.0"));
        QCOMPARE(f.form->size(), QSize(617, 443));
        for (const char* name : {"Label9", "Label11", "Label12", "Label13"})
            QCOMPARE(f.label(name)->text(), QStringLiteral("0"));
        QCOMPARE(f.edit("Edit1")->text(), QStringLiteral("9"));
        QCOMPARE(f.edit("Edit2")->text(), QStringLiteral("5"));
        QCOMPARE(f.edit("Edit3")->text(), f.local("0,27"));
        QCOMPARE(f.edit("Edit4")->text(), QStringLiteral("---"));
        QVERIFY(f.edit("Edit4")->isReadOnly());
        QVERIFY(!f.slider("TrackBar5")->isEnabled());
        QCOMPARE(f.slider("TrackBar5")->value(), 0);
        QVERIFY(f.checkBox("CheckBox2")->isChecked());
        QVERIFY(!f.checkBox("CheckBox1")->isChecked());
        QVERIFY(!f.checkBox("CheckBox3")->isChecked());
        QVERIFY(!f.checkBox("CheckBox4")->isChecked());
        QCOMPARE(f.child<QPushButton>("Button1")->text(), QStringLiteral("Старт!"));
        QCOMPARE(f.form->model().trials().TestCount(), 0);
        QVERIFY(!f.form->sweep().active);
    }

    void slidersHaveTheirRangesAndSteps_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        for (const char* name : {"TrackBar1", "TrackBar2", "TrackBar3", "TrackBar4"})
            QTest::newRow(name) << QString::fromLatin1(name) << -60 << 60;
        QTest::newRow("TrackBar5") << QStringLiteral("TrackBar5") << 0 << 30;
        for (const char* name : {"TrackBar6", "TrackBar7", "TrackBar8"})
            QTest::newRow(name) << QString::fromLatin1(name) << -180 << 180;
    }

    void slidersHaveTheirRangesAndSteps()
    {
        QFETCH(QString, name);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        FormFixture f;
        f.takeReport();
        QSlider* slider = f.form->findChild<QSlider*>(name);
        QVERIFY(slider);
        QCOMPARE(slider->minimum(), minimum);
        QCOMPARE(slider->maximum(), maximum);
        QCOMPARE(slider->value(), 0);
        QCOMPARE(slider->singleStep(), 1);
        QCOMPARE(slider->pageStep(), 2);
        QCOMPARE(slider->tickInterval(), 1);
        QCOMPARE(slider->tickPosition(), QSlider::TicksBelow);
    }

    void positionReadOuts_data()
    {
        QTest::addColumn<QString>("slider");
        QTest::addColumn<QString>("label");
        QTest::newRow("T1 X") << "TrackBar1"
                              << "Label9";
        QTest::newRow("T1 Y") << "TrackBar2"
                              << "Label11";
        QTest::newRow("T2 X") << "TrackBar3"
                              << "Label12";
        QTest::newRow("T2 Y") << "TrackBar4"
                              << "Label13";
    }

    void positionReadOuts()
    {
        QFETCH(QString, slider);
        QFETCH(QString, label);
        FormFixture f;
        f.takeReport();
        QSlider* s = f.form->findChild<QSlider*>(slider);
        QLabel* l = f.form->findChild<QLabel*>(label);
        s->setFocus();
        QTest::keyClick(s, Qt::Key_Home);
        QCOMPARE(l->text(), QStringLiteral("-60"));
        QTest::keyClick(s, Qt::Key_End);
        QCOMPARE(l->text(), QStringLiteral("60"));
        QTest::keyClick(s, Qt::Key_PageDown);
        QCOMPARE(l->text(), QStringLiteral("58"));
        QTest::keyClick(s, Qt::Key_Left);
        QCOMPARE(l->text(), QStringLiteral("57"));
        s->setValue(7);
        QCOMPARE(l->text(), QStringLiteral("7"));
        // A position outside the range is clamped before the read-out shows it.
        s->setValue(-500);
        QCOMPARE(l->text(), QStringLiteral("-60"));
        QVERIFY(l->width() >= l->sizeHint().width());  // "-60" is not clipped
        // Setting the position it holds runs nothing.
        l->setText(QStringLiteral("untouched"));
        s->setValue(-60);
        QCOMPARE(l->text(), QStringLiteral("untouched"));
    }

    void whiteNoiseEnablesItsLevel()
    {
        FormFixture f;
        f.takeReport();
        QSlider* level = f.slider("TrackBar5");
        QCheckBox* noise = f.checkBox("CheckBox1");
        QTest::mouseClick(noise, Qt::LeftButton);
        QVERIFY(noise->isChecked());
        QVERIFY(level->isEnabled());
        level->setValue(12);
        QTest::mouseClick(noise, Qt::LeftButton);
        QVERIFY(!level->isEnabled());
        QCOMPARE(level->value(), 12);
        noise->setChecked(true);  // set by the program, as a noise sweep does
        QVERIFY(level->isEnabled());
    }

    void checkMarksShowDarkOnTheWhiteBox_data()
    {
        QTest::addColumn<bool>("about");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QColor>("caption");
        const QColor white(255, 255, 255);
        QTest::newRow("Белый шум") << false << "CheckBox1" << QColor(255, 255, 0);
        QTest::newRow("Положение T2") << false << "CheckBox2" << white;
        QTest::newRow("Интенсивность шума") << false << "CheckBox3" << white;
        QTest::newRow("Порог") << false << "CheckBox4" << white;
        QTest::newRow("Muzzic") << true << "CheckBox1" << QColor(255, 251, 240);
    }

    void checkMarksShowDarkOnTheWhiteBox()
    {
        QFETCH(bool, about);
        QFETCH(QString, name);
        QFETCH(QColor, caption);
        FormFixture f;
        f.takeReport();
        QWidget* window = about ? static_cast<QWidget*>(&f.aboutBox) : f.form.get();
        auto* box = window->findChild<QCheckBox*>(name);
        QVERIFY(box->isEnabled());
        for (const bool checked : {true, false}) {
            box->setChecked(checked);
            const CheckBoxLook look = lookOf(box, caption);
            QVERIFY2(checked == (look.darkInIndicator > 0),
                     qPrintable(QString::number(look.darkInIndicator)));
            QVERIFY(look.captionColoured > 0);
        }
    }

    void batchAtTheStartStateShowsZero()
    {
        FormFixture f;
        f.edit("Edit3")->setText(f.local("0,27"));
        f.takeReport();
        f.ticks(4);
        QCOMPARE(f.edit("Edit4")->text(), QStringLiteral("---"));
        QCOMPARE(f.form->model().trials().TestCount(), 4);
        f.ticks(1);
        QCOMPARE(f.edit("Edit4")->text(), QStringLiteral("0"));
        QCOMPARE(f.form->model().trials().TestCount(), 0);
    }

    void separatedSourcesShowOne()
    {
        FormFixture f;
        f.edit("Edit3")->setText(f.local("0,27"));
        f.takeReport();
        f.slider("TrackBar1")->setValue(-20);
        f.slider("TrackBar3")->setValue(20);
        f.ticks(5);
        QCOMPARE(f.edit("Edit4")->text(), QStringLiteral("1"));
        // The frame hands its samples on: the one under T1 carries T1's peak.
        const TGridSample& underT1 = f.form->view().samples()[(-20 + 60) * kFieldSide + 60];
        QCOMPARE(int{underT1.X}, -20);
        QVERIFY(underT1.Intensity1 > 53.0f && underT1.Intensity1 < 53.3f);
    }

    void thresholdDefaultFollowsTheLocale()
    {
        // "0,27" under a "," locale, "0.27" under a "." one: the first frame and every
        // later one convert it, and the first batch completes with no report.
        FormFixture f;
        QCOMPARE(f.edit("Edit3")->text(),
                 f.sep() == QLatin1Char(',') ? QStringLiteral("0,27") : QStringLiteral("0.27"));
        QVERIFY(!f.report.isOpen());
        QVERIFY(f.form->view().hasFrame());
        f.ticks(6);
        QVERIFY(!f.report.isOpen());
        QCOMPARE(f.edit("Edit4")->text(), QStringLiteral("0"));
    }

    void clearedBoxIsReportedOnceAndFramesResume()
    {
        FormFixture f;
        f.edit("Edit3")->setText(f.local("0,27"));
        f.takeReport();
        f.ticks(7);
        QCOMPARE(f.form->model().trials().TestCount(), 2);
        QCOMPARE(f.edit("Edit4")->text(), QStringLiteral("0"));

        f.edit("Edit1")->clear();
        f.ticks(1);
        QCOMPARE(f.report.openBox()->text(), QStringLiteral("'' is not a valid floating point value."));
        f.ticks(10);  // frames go on failing while the report is open
        QCOMPARE(f.takeReport(), QStringLiteral("'' is not a valid floating point value."));
        f.ticks(10);  // the same failure is not reported again
        QVERIFY(!f.report.isOpen());
        QCOMPARE(f.form->model().trials().TestCount(), 2);
        QCOMPARE(f.edit("Edit4")->text(), QStringLiteral("0"));

        f.edit("Edit1")->setText(QStringLiteral("9"));
        f.ticks(3);
        QVERIFY(!f.report.isOpen());
        QCOMPARE(f.edit("Edit4")->text(), QStringLiteral("0"));
        QCOMPARE(f.form->model().trials().TestCount(), 0);  // 2 + 3 made the batch of 5

        // After a frame succeeded the same failure is news again.
        f.edit("Edit2")->setText(f.local("5,"));
        f.ticks(1);
        QCOMPARE(f.takeReport(), QString(QStringLiteral("'") + f.local("5,") +
                                         QStringLiteral("' is not a valid integer value.")));
    }

    void onlyOneReportIsEverOpen()
    {
        FormFixture f;
        f.edit("Edit3")->setText(f.local("0,27"));
        f.takeReport();
        f.edit("Edit1")->clear();
        f.ticks(1);
        QVERIFY(f.report.isOpen());
        f.edit("Edit1")->setText(QStringLiteral("9"));
        f.edit("Edit2")->setText(QStringLiteral("x"));
        f.ticks(3);
        int open = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            open += qobject_cast<QMessageBox*>(w) && w->isVisible();
        QCOMPARE(open, 1);
        QCOMPARE(f.takeReport(), QStringLiteral("'' is not a valid floating point value."));
        f.ticks(1);
        QCOMPARE(f.takeReport(), QStringLiteral("'x' is not a valid integer value."));
    }

    void aboutButtonShowsTheAboutBoxWithoutModality()
    {
        FormFixture f;
        f.takeReport();
        auto* help = f.child<QToolButton>("SpeedButton1");
        // Tab reaches it; a click leaves the focus where it was, as on a speed button.
        QCOMPARE(help->focusPolicy(), Qt::TabFocus);
        QCOMPARE(help->toolTip(), QStringLiteral("ПА-МА-ГИ-ТЕ !!!"));
        QTest::mouseClick(help, Qt::LeftButton);
        QVERIFY(f.aboutBox.isVisible());
        QVERIFY(!f.aboutBox.isModal());
        QVERIFY(f.form->isEnabled());
        f.aboutBox.hide();
    }

    void exitButtonEndsTheProgram()
    {
        FormFixture f;
        f.edit("Edit3")->setText(f.local("0,27"));
        f.takeReport();
        f.showActive();
        // The fixture runs no timer; the program's does, and the close must stop it.
        f.form->frameTimer().start();
        QSignalSpy closed(f.form.get(), &MainWindow::closed);
        QTest::mouseClick(f.child<QPushButton>("BitBtn1"), Qt::LeftButton);
        QCOMPARE(closed.count(), 1);
        QVERIFY(!f.form->isVisible());
        QVERIFY(!f.form->frameTimer().isActive());
        // A tick still dispatched after the close makes no frame.
        const std::uint8_t before = f.form->model().trials().TestCount();
        f.ticks(3);
        QCOMPARE(f.form->model().trials().TestCount(), before);
    }

    void altVeClosesTheWindow()
    {
        FormFixture f;
        f.takeReport();
        f.showActive();
        QSignalSpy closed(f.form.get(), &MainWindow::closed);
        QCOMPARE(f.child<QPushButton>("BitBtn1")->text(), QStringLiteral("&Выход"));
        QTest::sendKeyEvent(QTest::Click, f.form.get(), static_cast<Qt::Key>(u'В'), QStringLiteral("в"),
                            Qt::AltModifier);
        QTRY_COMPARE(closed.count(), 1);  // a mnemonic clicks after the button's press animation
    }

    void hintsOfThePanelControls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("hint");
        QTest::newRow("Edit1") << "Edit1"
                               << "Это для формулы, считающей распределения. См. хелп ;-)";
        QTest::newRow("TrackBar1") << "TrackBar1"
                                   << "Положение 1 точки по X";
        QTest::newRow("TrackBar4") << "TrackBar4"
                                   << "Положение 2 точки по Y";
        QTest::newRow("Edit2") << "Edit2"
                               << "Сколько выборок усреднять";
        QTest::newRow("Edit3") << "Edit3"
                               << "Порог для вычисления вероятности обнаружения";
        QTest::newRow("CheckBox1") << "CheckBox1"
                                   << "Добавить шипу !";
        QTest::newRow("Button1") << "Button1"
                                 << "Запустить изменение параметра";
        QTest::newRow("BitBtn1") << "BitBtn1"
                                 << "Прочь отсюда !!! 8-(";
        QTest::newRow("Label15") << "Label15"
                                 << "Здесть можно покрутить модельку ;-)";
        QTest::newRow("Edit4") << "Edit4"
                               << "Расчитанная вероятность обнаружения";
    }

    void hintsOfThePanelControls()
    {
        QFETCH(QString, name);
        QFETCH(QString, hint);
        FormFixture f;
        f.takeReport();
        QWidget* w = f.form->findChild<QWidget*>(name);
        QVERIFY(w);
        QCOMPARE(w->toolTip(), hint);
    }

    void hintsShowWhileAnotherWindowIsActive_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("hint");
        QTest::newRow("screenshot") << "graph"
                                    << "SpeedButton1"
                                    << "СкринШот";
        QTest::newRow("close") << "graph"
                               << "SpeedButton2"
                               << "Закрыть это окно";
        QTest::newRow("about text") << "about"
                                    << "Memo1"
                                    << "Пара слов о программе";
        QTest::newRow("batch size") << "main"
                                    << "Edit2"
                                    << "Сколько выборок усреднять";
    }

    void hintsShowWhileAnotherWindowIsActive()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QString, hint);
        FormFixture f;
        f.takeReport();
        QWidget* hovered = window == QLatin1String("graph")   ? static_cast<QWidget*>(&f.graph)
                           : window == QLatin1String("about") ? static_cast<QWidget*>(&f.aboutBox)
                                                              : f.form.get();
        QWidget* active = hovered == f.form.get() ? static_cast<QWidget*>(&f.graph) : f.form.get();
        // Side by side: the pointer must rest on the hovered window, not on the other one.
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        active->move(screen.topLeft());
        hovered->move(screen.right() - hovered->frameGeometry().width(), screen.top());
        hovered->show();
        QVERIFY(QTest::qWaitForWindowExposed(hovered));
        active->show();
        active->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(active));
        QWidget* target = hovered->findChild<QWidget*>(control);
        QTest::mouseMove(target, target->rect().center());
        QTRY_VERIFY_WITH_TIMEOUT(QToolTip::isVisible(), 3000);
        QCOMPARE(QToolTip::text(), hint);
        QToolTip::hideText();
        f.graph.hide();
        f.aboutBox.hide();
    }

    void tabOrderFollowsTheForm()
    {
        FormFixture f;
        f.takeReport();
        const char* order[] = {"Edit1",     "TrackBar1", "TrackBar2", "TrackBar3",   "TrackBar4",
                               "CheckBox1", "TrackBar5", "Edit2",     "BitBtn1",     "Edit3",
                               "CheckBox2", "CheckBox3", "CheckBox4", "Button1",     "TrackBar6",
                               "TrackBar7", "TrackBar8", "Edit4",     "SpeedButton1"};
        QWidget* w = f.form->findChild<QWidget*>(QStringLiteral("Edit1"));
        for (std::size_t i = 1; i < std::size(order); ++i) {
            w = w->nextInFocusChain();
            while (w->focusPolicy() == Qt::NoFocus && w != f.form.get())
                w = w->nextInFocusChain();
            QCOMPARE(w->objectName(), QString::fromLatin1(order[i]));
        }
    }

    void enterPressesTheFocusedButton_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    }

    void enterPressesTheFocusedButton()
    {
        QFETCH(int, key);
        const Qt::KeyboardModifiers modifiers = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
        FormFixture f;
        f.showActive();
        auto* start = f.child<QPushButton>("Button1");
        start->setFocus(Qt::TabFocusReason);
        QTest::keyClick(start, Qt::Key(key), modifiers);
        QTRY_VERIFY(f.form->sweep().active);
        QTest::keyClick(start, Qt::Key(key), modifiers);
        QTRY_VERIFY(!f.form->sweep().active);
        f.graph.hide();

        // On a check box Enter changes nothing.
        auto* noise = f.checkBox("CheckBox1");
        noise->setFocus(Qt::TabFocusReason);
        QTest::keyClick(noise, Qt::Key(key), modifiers);
        QTest::qWait(300);
        QVERIFY(!noise->isChecked());

        QSignalSpy closed(f.form.get(), &MainWindow::closed);
        auto* exit = f.child<QPushButton>("BitBtn1");
        exit->setFocus(Qt::TabFocusReason);
        QTest::keyClick(exit, Qt::Key(key), modifiers);
        QTRY_COMPARE(closed.count(), 1);
    }

    void heldEnterPressesTheButtonOnce_data() { enterPressesTheFocusedButton_data(); }

    void heldEnterPressesTheButtonOnce()
    {
        QFETCH(int, key);
        const Qt::KeyboardModifiers modifiers = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
        FormFixture f;
        f.showActive();
        auto* start = f.child<QPushButton>("Button1");
        start->setFocus(Qt::TabFocusReason);
        QSignalSpy clicked(start, &QAbstractButton::clicked);
        // Held down: the keyboard repeats it, a release and a press marked as repeated each
        // time, here slower than a click shows itself pressed, as a slow repeat rate does.
        QTest::keyPress(start, Qt::Key(key), modifiers);
        for (int i = 0; i < 3; ++i) {
            QTest::qWait(150);
            QKeyEvent release(QEvent::KeyRelease, key, modifiers, QStringLiteral("\r"), true);
            QApplication::sendEvent(start, &release);
            QKeyEvent press(QEvent::KeyPress, key, modifiers, QStringLiteral("\r"), true);
            QApplication::sendEvent(start, &press);
        }
        QTest::qWait(150);
        QTest::keyRelease(start, Qt::Key(key), modifiers);
        QTest::qWait(300);
        QCOMPARE(clicked.count(), 1);
        QVERIFY(f.form->sweep().active);
        f.form->stopSweep();
        f.graph.hide();
    }

    void fixedWindowsHaveTheirFrames_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("minimise");
        QTest::addColumn<bool>("onTop");
        QTest::newRow("main window: a close button only") << "main" << false << false;
        QTest::newRow("graph window: minimise and close, on top") << "graph" << true << true;
        QTest::newRow("About box: close, on top") << "about" << false << true;
    }

    void fixedWindowsHaveTheirFrames()
    {
        QFETCH(QString, window);
        QFETCH(bool, minimise);
        QFETCH(bool, onTop);
        FormFixture f;
        QWidget* w = window == QLatin1String("graph")   ? static_cast<QWidget*>(&f.graph)
                     : window == QLatin1String("about") ? static_cast<QWidget*>(&f.aboutBox)
                                                        : f.form.get();
        // As built, and as shown the way the program shows it.
        for (const bool shown : {false, true}) {
            if (shown) {
                if (w == &f.graph)
                    f.graph.startGraph();
                else if (w == &f.aboutBox)
                    f.form->showAbout();
                else
                    f.showExposed();
                QVERIFY(QTest::qWaitForWindowExposed(w));
            }
            const Qt::WindowFlags flags = shown ? w->windowHandle()->flags() : w->windowFlags();
            const QString where =
                QStringLiteral("%1 (%2)").arg(shown ? "shown" : "built").arg(flags.toInt(), 0, 16);
            QVERIFY2(flags.testFlag(Qt::CustomizeWindowHint) && flags.testFlag(Qt::WindowTitleHint) &&
                         flags.testFlag(Qt::WindowCloseButtonHint),
                     qPrintable(where));
            QVERIFY2(flags.testFlag(Qt::WindowMinimizeButtonHint) == minimise, qPrintable(where));
            QVERIFY2(!flags.testFlag(Qt::WindowMaximizeButtonHint), qPrintable(where));
            QVERIFY2(flags.testFlag(Qt::WindowStaysOnTopHint) == onTop, qPrintable(where));
        }
        f.graph.hide();
        f.aboutBox.hide();
    }

    void windowsOpenWithoutWarnings()
    {
        // A session prints nothing on the terminal: every window, tooltip, menu and box the
        // user meets in the first minute, each created anew.
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        FormFixture f;
        f.showActive();
        f.form->tick();
        QToolTip::showText(f.form->mapToGlobal(QPoint(20, 20)), QStringLiteral("hint"), f.form.get());
        QTRY_VERIFY(QToolTip::isVisible());
        QToolTip::hideText();
        f.form->showAbout();
        QVERIFY(QTest::qWaitForWindowExposed(&f.aboutBox));
        f.aboutBox.close();
        f.graph.startGraph();
        QVERIFY(QTest::qWaitForWindowExposed(&f.graph));
        QMenu menu(&f.graph);
        menu.addAction(QStringLiteral("item"));
        menu.popup(f.graph.mapToGlobal(QPoint(10, 10)));
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        menu.close();
        f.report.reportFailure(QStringLiteral("'' is not a valid floating point value"));
        QVERIFY(QTest::qWaitForWindowExposed(f.report.openBox()));
        f.takeReport();
        f.graph.hide();
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
