// The About box: its credits, its music switch and what it asks of the sound service.

#include "form_fixture.h"

#include <QPlainTextEdit>

using namespace brenvik;
using brenvik::testing::FormFixture;
using brenvik::testing::SilentSound;

namespace {

QWidget* credits(AboutBox& box) { return box.findChild<QWidget*>(QStringLiteral("Credits")); }
QCheckBox* muzzic(AboutBox& box) { return box.findChild<QCheckBox*>(QStringLiteral("CheckBox1")); }

void tick(AboutBox& box, int count)
{
    for (int i = 0; i < count; ++i)
        box.raiseCredits();
}

}  // namespace

class AboutBoxTest : public QObject {
    Q_OBJECT

private slots:
    void formAsDesigned()
    {
        FormFixture f;
        AboutBox& box = f.aboutBox;
        QCOMPARE(box.windowTitle(), QStringLiteral("О программе !"));
        QCOMPARE(box.size(), QSize(470, 394));
        QVERIFY(!box.isModal());
        QVERIFY(box.windowFlags() & Qt::WindowStaysOnTopHint);
        auto* ok = box.findChild<QPushButton*>(QStringLiteral("OKButton"));
        QCOMPARE(ok->text(), QStringLiteral("Ага..."));
        QVERIFY(ok->isDefault());
        QCOMPARE(box.findChild<QLabel*>(QStringLiteral("ProductName"))->text(),
                 QStringLiteral("==Brenvik=="));
        QCOMPARE(box.findChild<QLabel*>(QStringLiteral("Label8"))->text(), QStringLiteral("dec. 2oo7"));
        QCOMPARE(box.findChild<QLabel*>(QStringLiteral("ProgramIcon"))->pixmap().size(), QSize(256, 193));
        auto* memo = box.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
        QVERIFY(memo->isReadOnly());
        QCOMPARE(memo->toolTip(), QStringLiteral("Пара слов о программе"));
        for (const char* word : {"Q:", "Кол-во тестов:", "Порог", "Белый шум", "диагонали", "BMP", "запятая"})
            QVERIFY2(memo->toPlainText().contains(QString::fromUtf8(word)), word);
        QVERIFY(!box.creditsTimer().isActive());
    }

    void aboutTextTellsTheTruthAboutTheSeparator()
    {
        // Under a "," locale a typed point becomes a comma; under a "." locale the other
        // way round. The text must not promise the one where the other happens.
        FormFixture f;
        const QString text = f.aboutBox.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))->toPlainText();
        const QString wrong =
            f.sep() == QLatin1Char(',') ? QStringLiteral("станет точкой") : QStringLiteral("станет запятой");
        QVERIFY2(!text.contains(wrong), qPrintable(wrong));
    }

    void creditsRiseAPixelATickAndJumpBack_data()
    {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<int>("offset");
        QTest::newRow("1") << 1 << 1;
        QTest::newRow("100") << 100 << 100;
        QTest::newRow("254") << 254 << 254;
        QTest::newRow("255") << 255 << 0;
        QTest::newRow("256") << 256 << 1;
    }

    void creditsRiseAPixelATickAndJumpBack()
    {
        QFETCH(int, ticks);
        QFETCH(int, offset);
        FormFixture f;
        f.form->showAbout();
        QVERIFY(f.aboutBox.creditsTimer().isActive());
        QCOMPARE(f.aboutBox.creditsTimer().interval(), 50);
        const QPoint start = credits(f.aboutBox)->pos();
        tick(f.aboutBox, ticks);
        QCOMPARE(credits(f.aboutBox)->pos(), start - QPoint(0, offset));
        QCOMPARE(f.aboutBox.scrollCount(), offset);
        f.aboutBox.close();
    }

    void creditsShowWholeInsideTheBorder_data()
    {
        QTest::addColumn<int>("ticks");
        QTest::newRow("start") << 0;
        QTest::newRow("over the top edge") << 120;
        QTest::newRow("over the bottom edge") << 240;
    }

    void creditsShowWholeInsideTheBorder()
    {
        QFETCH(int, ticks);
        FormFixture f;
        f.form->showAbout();
        tick(f.aboutBox, ticks);
        for (const QLabel* label : credits(f.aboutBox)->findChildren<QLabel*>())
            QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));
        // The sunken border stays whole whatever scrolls beneath it.
        const QImage box = f.aboutBox.findChild<QFrame*>(QStringLiteral("ScrollBox1"))->grab().toImage();
        int black = 0;
        for (int i = 0; i < box.width(); ++i)
            black += (box.pixel(i, 0) & 0xffffff) == 0 || (box.pixel(i, box.height() - 1) & 0xffffff) == 0;
        for (int i = 0; i < box.height(); ++i)
            black += (box.pixel(0, i) & 0xffffff) == 0 || (box.pixel(box.width() - 1, i) & 0xffffff) == 0;
        QCOMPARE(black, 0);
        f.aboutBox.close();
    }

    void reopeningStartsTheCreditsAgain()
    {
        FormFixture f;
        f.form->showAbout();
        const QPoint start = credits(f.aboutBox)->pos();
        tick(f.aboutBox, 100);
        QTest::mouseClick(f.aboutBox.findChild<QPushButton*>(QStringLiteral("OKButton")), Qt::LeftButton);
        QVERIFY(!f.aboutBox.isVisible());
        QVERIFY(!f.aboutBox.creditsTimer().isActive());
        QCOMPARE(credits(f.aboutBox)->pos(), start);
        f.form->showAbout();
        QCOMPARE(f.aboutBox.scrollCount(), 0);
        tick(f.aboutBox, 1);
        QCOMPARE(credits(f.aboutBox)->pos(), start - QPoint(0, 1));
        f.aboutBox.close();
    }

    void aboutButtonWhileOpenRestartsNothing()
    {
        FormFixture f;
        f.form->showAbout();
        tick(f.aboutBox, 30);
        f.form->showAbout();
        QCOMPARE(f.sound.plays, 1);
        QCOMPARE(f.aboutBox.scrollCount(), 30);
        f.aboutBox.close();
        QCOMPARE(f.sound.stops, 1);
        QVERIFY(!f.sound.playing);
    }

    void muzzicSwitchesTheMusicAndSurvivesClosing()
    {
        FormFixture f;
        QVERIFY(f.aboutBox.soundAvailable());
        QVERIFY(muzzic(f.aboutBox)->isEnabled());
        QVERIFY(muzzic(f.aboutBox)->isChecked());
        f.form->showAbout();
        QCOMPARE(f.sound.plays, 1);
        QVERIFY(f.sound.playing);

        QTest::mouseClick(muzzic(f.aboutBox), Qt::LeftButton);
        QVERIFY(!f.aboutBox.musicOn());
        QVERIFY(!f.sound.playing);

        f.aboutBox.close();
        f.form->showAbout();
        QVERIFY(!muzzic(f.aboutBox)->isChecked());
        QCOMPARE(f.sound.plays, 1);  // unchecked: reopening stays silent

        QTest::mouseClick(muzzic(f.aboutBox), Qt::LeftButton);
        QVERIFY(f.aboutBox.musicOn());
        QCOMPARE(f.sound.plays, 2);  // from the beginning
        QVERIFY(f.sound.playing);
        f.aboutBox.reject();  // Escape closes it the same way
        QVERIFY(!f.sound.playing);
        QVERIFY(muzzic(f.aboutBox)->isChecked());
    }

    void withoutASoundDeviceNothingIsAsked()
    {
        SilentSound none;
        none.device = false;
        AboutBox box(none);
        QVERIFY(!box.soundAvailable());
        QVERIFY(!box.musicOn());
        QVERIFY(!muzzic(box)->isEnabled());
        QVERIFY(muzzic(box)->isChecked());
        box.show();
        tick(box, 5);
        box.close();
        box.show();
        box.close();
        QCOMPARE(none.plays, 0);
        QCOMPARE(none.stops, 0);
    }

    void closingTheMainWindowWithTheBoxOpenEndsTheProgram()
    {
        FormFixture f;
        f.form->showAbout();
        QSignalSpy closed(f.form.get(), &MainWindow::closed);
        f.form->close();
        QCOMPARE(closed.count(), 1);
        f.aboutBox.close();
    }
};

QTEST_MAIN(AboutBoxTest)
#include "about_box_test.moc"
