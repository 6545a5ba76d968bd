// Whatever reaches the number boxes, typed or pasted, and however extreme the values it
// accepts: each text either makes frames as usual or gives its clear report, and the
// program goes on once the text is corrected.

#include "form_fixture.h"

using namespace brenvik;
using brenvik::testing::FormFixture;

class BadInputTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { brenvik::testing::closeOpenReports(); }

    void pastedOrExtremeTexts_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");  // "," stands for the locale's separator
        QTest::addColumn<QString>("kind");  // empty: accepted; else "real" or "integer" failure

        const QString huge = QStringLiteral("1") + QString(10000, QLatin1Char('0'));
        const QString tiny = QStringLiteral("0,") + QString(9999, QLatin1Char('0')) + QStringLiteral("1");
        QTest::newRow("Q several separators") << "Edit1"
                                              << "1,5,5"
                                              << "real";
        QTest::newRow("Q letters") << "Edit1"
                                   << "abc"
                                   << "real";
        QTest::newRow("Q cyrillic") << "Edit1"
                                    << "девять"
                                    << "real";
        QTest::newRow("Q empty") << "Edit1"
                                 << ""
                                 << "real";
        QTest::newRow("Q 10000 digits") << "Edit1" << huge << "real";
        QTest::newRow("Q 5000 ones") << "Edit1" << QString(5000, QLatin1Char('1')) << "real";
        QTest::newRow("Q 150 digits and a letter")
            << "Edit1" << QString(150, QLatin1Char('7')) + QLatin1Char('x') << "real";
        QTest::newRow("Q 10000 decimals") << "Edit1" << tiny << "";
        QTest::newRow("Q 1e400") << "Edit1"
                                 << "1e400"
                                 << "";
        QTest::newRow("Q -0") << "Edit1"
                              << "-0"
                              << "";
        QTest::newRow("Q 0") << "Edit1"
                             << "0"
                             << "";
        QTest::newRow("Q 1e38") << "Edit1"
                                << "1e38"
                                << "";
        QTest::newRow("threshold 0") << "Edit3"
                                     << "0"
                                     << "";
        QTest::newRow("threshold 1e30") << "Edit3"
                                        << "1e30"
                                        << "";
        QTest::newRow("threshold blank inside") << "Edit3"
                                                << "0, 27"
                                                << "real";
        QTest::newRow("batch 0") << "Edit2"
                                 << "0"
                                 << "";
        QTest::newRow("batch 255") << "Edit2"
                                   << "255"
                                   << "";
        QTest::newRow("batch 256") << "Edit2"
                                   << "256"
                                   << "";
        QTest::newRow("batch 2147483647") << "Edit2"
                                          << "2147483647"
                                          << "";
        QTest::newRow("batch -1") << "Edit2"
                                  << "-1"
                                  << "";
        QTest::newRow("batch beyond 32 bits") << "Edit2"
                                              << "4294967296"
                                              << "integer";
        QTest::newRow("batch with separator") << "Edit2"
                                              << "5,"
                                              << "integer";
        QTest::newRow("batch exponent") << "Edit2"
                                        << "1e3"
                                        << "integer";
    }

    void pastedOrExtremeTexts()
    {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, kind);
        FormFixture f;
        f.edit("Edit3")->setText(f.local("0,27"));
        f.takeReport();
        QLineEdit* edit = f.form->findChild<QLineEdit*>(box);
        const QString original = edit->text();
        const QString pasted = f.local(text);
        edit->setText(pasted);
        QCOMPARE(edit->text(), pasted);  // pasting is not filtered

        f.ticks(1);
        if (kind.isEmpty()) {
            QVERIFY2(!f.report.isOpen(), qPrintable(f.takeReport().left(200)));
            QCOMPARE(
                f.form->model().trials().TestCount() + (f.edit("Edit4")->text() != QStringLiteral("---")), 1);
        } else {
            const QString message = QStringLiteral("'") + pasted + QStringLiteral("' is not a valid ") +
                                    (kind == QStringLiteral("real") ? QStringLiteral("floating point")
                                                                    : QStringLiteral("integer")) +
                                    QStringLiteral(" value.");
            QMessageBox* report = f.report.openBox();
            QVERIFY(report);
            // A text too long for a box shows its beginning and end; the details hold it all.
            QCOMPARE(report->detailedText().isEmpty() ? report->text() : report->detailedText(), message);
            QVERIFY(report->text().size() < 300);
            QVERIFY(report->text().endsWith(QStringLiteral(" value.")));
            // Every word of it fits the box's line, where nothing is cut at the edge.
            QVERIFY(QTest::qWaitForWindowExposed(report));
            const QLabel* label = report->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            QVERIFY(label);
            for (const QString& word : label->text().split(QLatin1Char(' ')))
                QVERIFY2(label->fontMetrics().horizontalAdvance(word) <= label->contentsRect().width(),
                         qPrintable(word.left(20) + QStringLiteral("… in ") +
                                    QString::number(label->contentsRect().width())));
            f.takeReport();
            QCOMPARE(f.form->model().trials().TestCount(), 0);
        }

        // Corrected, the program goes on as before.
        edit->setText(original);
        f.ticks(10);
        QVERIFY(!f.report.isOpen());
        QVERIFY(f.edit("Edit4")->text() != QStringLiteral("---"));
    }

    void failureOfTheBoxBeingEditedWaitsUntilItLosesFocus_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("other");
        QTest::addColumn<QString>("kind");
        QTest::newRow("Q") << "Edit1"
                           << "Edit2"
                           << "floating point";
        QTest::newRow("batch") << "Edit2"
                               << "Edit3"
                               << "integer";
        QTest::newRow("threshold") << "Edit3"
                                   << "Edit1"
                                   << "floating point";
    }

    void failureOfTheBoxBeingEditedWaitsUntilItLosesFocus()
    {
        QFETCH(QString, box);
        QFETCH(QString, other);
        QFETCH(QString, kind);
        FormFixture f;
        f.edit("Edit3")->setText(f.local("0,27"));
        f.takeReport();
        f.showActive();
        auto* edit = f.form->findChild<QLineEdit*>(box);
        edit->setFocus();
        QTRY_VERIFY(edit->hasFocus());
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);  // the user clears the box to type anew
        QCOMPARE(edit->text(), QString());
        f.ticks(3);
        QVERIFY2(!f.report.isOpen(), qPrintable(f.takeReport()));

        f.form->findChild<QLineEdit*>(other)->setFocus();
        QTRY_VERIFY(!edit->hasFocus());
        f.ticks(1);
        QCOMPARE(f.takeReport(), QStringLiteral("'' is not a valid %1 value.").arg(kind));
        f.ticks(3);
        QVERIFY(!f.report.isOpen());  // once

        // A bad text in a box without focus is reported at once.
        edit->setText(QStringLiteral("x"));
        f.ticks(1);
        QCOMPARE(f.takeReport(), QStringLiteral("'x' is not a valid %1 value.").arg(kind));
    }

    void hugeBatchEndsOnItsLowBits()
    {
        FormFixture f;
        f.edit("Edit3")->setText(f.local("0,27"));
        f.takeReport();
        f.edit("Edit2")->setText(QStringLiteral("2147483647"));  // low 8 bits: 255
        f.ticks(254);
        QCOMPARE(f.edit("Edit4")->text(), QStringLiteral("---"));
        f.ticks(1);
        QCOMPARE(f.edit("Edit4")->text(), QStringLiteral("0"));
    }

    void zeroBatchMakesBatchesOf256()
    {
        FormFixture f;
        f.edit("Edit3")->setText(f.local("0,27"));
        f.edit("Edit1")->setText(QStringLiteral("0"));  // every trial resolved
        f.takeReport();
        f.edit("Edit2")->setText(QStringLiteral("0"));
        f.ticks(255);
        QCOMPARE(f.edit("Edit4")->text(), QStringLiteral("---"));
        f.ticks(1);
        QCOMPARE(f.edit("Edit4")->text(), QStringLiteral("1"));  // all 256 resolved, not 0 of a wrapped count
    }
};

QTEST_MAIN(BadInputTest)
#include "bad_input_test.moc"
