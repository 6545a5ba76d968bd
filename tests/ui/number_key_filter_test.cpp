// The number boxes' filter of typed characters, under the locale's separator: the rule
// itself, table-driven, and typing into the real boxes.

#include "form_fixture.h"
#include "ui/number_key_filter.h"

#include <QClipboard>

using namespace brenvik;
using brenvik::testing::FormFixture;

class NumberKeyFilterTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { brenvik::testing::closeOpenReports(); }

    void rule_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("typed");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<int>("result");  // 0: cancelled
        for (QChar sep : {QLatin1Char(','), QLatin1Char('.')}) {
            const QByteArray s = QByteArray("sep '") + char(sep.unicode()) + "' ";
            QTest::newRow(s + "digit") << "9" << int('7') << sep << int('7');
            QTest::newRow(s + "zero") << "" << int('0') << sep << int('0');
            QTest::newRow(s + "backspace") << "9," << 8 << sep << 8;
            QTest::newRow(s + "comma becomes separator") << "9" << int(',') << sep << int(sep.unicode());
            QTest::newRow(s + "point becomes separator") << "9" << int('.') << sep << int(sep.unicode());
            QTest::newRow(s + "second separator")
                << QString(QStringLiteral("9")) + sep << int(',') << sep << 0;
            QTest::newRow(s + "separator anywhere in the text")
                << QString(sep) + QStringLiteral("5") << int('.') << sep << 0;
            QTest::newRow(s + "other mark is no separator")
                << (sep == QLatin1Char(',') ? "0.5" : "0,5") << int(',') << sep << int(sep.unicode());
            for (char c : {'-', '+', ' ', 'e', 'E', 'a'})
                QTest::newRow(s + "cancelled " + c) << "9" << int(c) << sep << 0;
            for (int control : {3, 13, 22, 24, 26, 27, 9})
                QTest::newRow(s + "control " + QByteArray::number(control)) << "9" << control << sep << 0;
            QTest::newRow(s + "cyrillic") << "9" << int(u'ю') << sep << 0;
        }
    }

    void rule()
    {
        QFETCH(QString, text);
        QFETCH(int, typed);
        QFETCH(QChar, separator);
        QFETCH(int, result);
        char16_t key = static_cast<char16_t>(typed);
        filterNumberKey(text, key, separator);
        QCOMPARE(int(key), result);
    }

    void typingIntoTheBoxes_data()
    {
        QTest::addColumn<QString>("box");
        QTest::newRow("Edit1") << "Edit1";
        QTest::newRow("Edit2") << "Edit2";
        QTest::newRow("Edit3") << "Edit3";
    }

    void typingIntoTheBoxes()
    {
        QFETCH(QString, box);
        FormFixture f;
        f.takeReport();
        QLineEdit* edit = f.form->findChild<QLineEdit*>(box);
        const QString sep(f.sep());

        edit->setText(QStringLiteral("9"));
        edit->setFocus();
        edit->end(false);
        QTest::keyClick(edit, Qt::Key_Period);
        QCOMPARE(edit->text(), QStringLiteral("9") + sep);
        QTest::keyClick(edit, Qt::Key_Comma);
        QTest::keyClick(edit, Qt::Key_Period);
        QCOMPARE(edit->text(), QStringLiteral("9") + sep);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->text(), QStringLiteral("9"));
        QTest::keyClick(edit, Qt::Key_Comma);
        QTest::keyClicks(edit, QStringLiteral("5"));
        QCOMPARE(edit->text(), QStringLiteral("9") + sep + QStringLiteral("5"));

        QTest::keyClicks(edit, QStringLiteral("-+ eEax"));
        for (QChar c : QStringLiteral("жЖ№"))
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QCOMPARE(edit->text(), QStringLiteral("9") + sep + QStringLiteral("5"));

        // Keys that type nothing keep working.
        QTest::keyClick(edit, Qt::Key_Home);
        QTest::keyClick(edit, Qt::Key_Delete);
        QCOMPARE(edit->text(), sep + QStringLiteral("5"));
        QTest::keyClick(edit, Qt::Key_End);
        QTest::keyClicks(edit, QStringLiteral("12"));
        QCOMPARE(edit->text(), sep + QStringLiteral("512"));
    }

    void selectionDoesNotExemptTheWholeText()
    {
        FormFixture f;
        f.takeReport();
        QLineEdit* edit = f.edit("Edit3");
        const QString threshold = QStringLiteral("0") + f.sep() + QStringLiteral("27");
        edit->setText(threshold);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Comma);
        QCOMPARE(edit->text(), threshold);
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("5"));
        QCOMPARE(edit->text(), QStringLiteral("5"));
    }

    void defaultThresholdHoldsTheSeparatorAlready()
    {
        FormFixture f;
        QLineEdit* edit = f.edit("Edit3");
        QCOMPARE(edit->text(), f.local("0,27"));
        edit->setFocus();
        edit->end(false);
        for (const Qt::Key key : {Qt::Key_Period, Qt::Key_Comma})
            QTest::keyClick(edit, key);
        QCOMPARE(edit->text(), f.local("0,27"));
    }

    void controlShortcutsAreCancelledButShiftInsertPastes()
    {
        FormFixture f;
        f.takeReport();
        QLineEdit* edit = f.edit("Edit1");
        QGuiApplication::clipboard()->setText(QStringLiteral("1,5,5"));
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_X, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(edit->text(), QStringLiteral("9"));
        // Pasted text does not pass the filter: a bad text is caught by the next frame.
        QTest::keyClick(edit, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(edit->text(), QStringLiteral("1,5,5"));
        f.form->tick();
        QCOMPARE(f.takeReport(), QStringLiteral("'1,5,5' is not a valid floating point value."));
    }

    void tabLeavesTheBox()
    {
        FormFixture f;
        f.takeReport();
        f.showActive();
        QLineEdit* edit = f.edit("Edit1");
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), f.slider("TrackBar1"));
        QCOMPARE(edit->text(), QStringLiteral("9"));
    }

    void separatorOfLocales()
    {
        QCOMPARE(decimalSeparatorOf(QLocale(QLocale::Russian, QLocale::Russia)), ',');
        QCOMPARE(decimalSeparatorOf(QLocale::c()), '.');
        QCOMPARE(decimalSeparatorOf(QLocale(QLocale::German, QLocale::Germany)), ',');
        QCOMPARE(decimalSeparatorOf(QLocale(QLocale::English, QLocale::UnitedStates)), '.');
        // Arabic's own separator is no ASCII character: "." is used instead.
        QCOMPARE(decimalSeparatorOf(QLocale(QLocale::Arabic, QLocale::Egypt)), '.');
    }
};

QTEST_MAIN(NumberKeyFilterTest)
#include "number_key_filter_test.moc"
