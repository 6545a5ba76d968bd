// The windows in the interface language of the run: English under an English locale,
// Russian under every other (the test is run under en_US, ru_RU and C; EXPECTED_LANGUAGE
// names the language the run must show).

#include "form_fixture.h"
#include "ui/save_dialog/file_size_column.h"
#include "view3d/pixel_format.h"
#include "view3d/scene_view.h"

#include <QFileDialog>
#include <QPlainTextEdit>
#include <QRegularExpression>

using namespace brenvik;
using brenvik::testing::FormFixture;

namespace {
bool expectEnglish() { return qgetenv("EXPECTED_LANGUAGE") == "en"; }
bool hasCyrillic(const QString& text)
{
    return text.contains(QRegularExpression(QStringLiteral("\\p{Cyrillic}")));
}
}  // namespace

class InterfaceLanguageTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { brenvik::testing::closeOpenReports(); }

    void languageOfTheRun()
    {
        QVERIFY(!qEnvironmentVariableIsEmpty("EXPECTED_LANGUAGE"));
        const InterfaceLanguage expected =
            expectEnglish() ? InterfaceLanguage::English : InterfaceLanguage::Russian;
        QCOMPARE(systemInterfaceLanguage(), expected);
    }

    void mainWindowTexts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QString>("russian");
        QTest::addColumn<QString>("english");
        QTest::newRow("Label2") << "Label2" << QByteArray("text") << "Положение Т1:"
                                << "T1 position:";
        QTest::newRow("Label10") << "Label10" << QByteArray("text") << "Кол-во тестов:"
                                 << "Trials:";
        QTest::newRow("Label14") << "Label14" << QByteArray("text") << "Порог:"
                                 << "Thresh:";
        QTest::newRow("CheckBox1") << "CheckBox1" << QByteArray("text") << "Белый шум"
                                   << "White noise";
        QTest::newRow("CheckBox1 hint") << "CheckBox1" << QByteArray("toolTip") << "Добавить шипу !"
                                        << "Add some hiss!";
        QTest::newRow("CheckBox3") << "CheckBox3" << QByteArray("text") << "Интенсивность шума"
                                   << "Noise level";
        QTest::newRow("Button1") << "Button1" << QByteArray("text") << "Старт!"
                                 << "Start!";
        QTest::newRow("BitBtn1") << "BitBtn1" << QByteArray("text") << "&Выход"
                                 << "E&xit";
        QTest::newRow("Label15") << "Label15" << QByteArray("text") << "Угол обзора"
                                 << "View angle";
        QTest::newRow("Label19") << "Label19" << QByteArray("text") << "Вероятность обнаружения:"
                                 << "Detection probability:";
        QTest::newRow("Edit4 hint") << "Edit4" << QByteArray("toolTip")
                                    << "Расчитанная вероятность обнаружения"
                                    << "Computed probability of detection";
        // Values are no texts: they stay as they are in every language.
        QTest::newRow("Edit4") << "Edit4" << QByteArray("text") << "---"
                               << "---";
    }

    void mainWindowTexts()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, property);
        QFETCH(QString, russian);
        QFETCH(QString, english);
        FormFixture f;
        f.takeReport();
        const QWidget* control = f.child<QWidget>(name.toLatin1().constData());
        QCOMPARE(control->property(property.constData()).toString(), expectEnglish() ? english : russian);
    }

    void startsWithoutAReportAndDrawsTheFirstFrame()
    {
        // Whatever the language and separator, a new user meets no failure at start.
        FormFixture f;
        QVERIFY(!f.report.isOpen());
        QVERIFY(f.form->view().hasFrame());
        QCOMPARE(f.edit("Edit3")->text(), QStringLiteral("0") + f.sep() + QStringLiteral("27"));
    }

    void aboutTextNamesTheBoxesByTheirLabels()
    {
        // A caption the About text quotes with its colon is the caption beside a box.
        FormFixture f;
        QStringList labels;
        for (const QLabel* label : f.form->findChildren<QLabel*>())
            labels.append(label->text());
        const QString about = f.aboutBox.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))->toPlainText();
        const QRegularExpression quotedCaption(QStringLiteral("[«\"]([^»\"]+:)[»\"]"));
        qsizetype quoted = 0;
        for (const QRegularExpressionMatch& m : quotedCaption.globalMatch(about)) {
            QVERIFY2(labels.contains(m.captured(1)), qPrintable(m.captured(1)));
            ++quoted;
        }
        QVERIFY(quoted >= 3);
    }

    void sweepButtonFollowsTheLanguage()
    {
        FormFixture f;
        f.edit("Edit3")->setText(f.local(QStringLiteral("0,27")));
        f.takeReport();
        f.form->startOrStopSweep();
        QCOMPARE(f.child<QPushButton>("Button1")->text(),
                 expectEnglish() ? QStringLiteral("Stop") : QStringLiteral("Стоп"));
        f.form->startOrStopSweep();
    }

    void saveDialogSpeaksTheLanguage()
    {
        FormFixture f;
        f.takeReport();
        const auto dialog = f.graph.makeSavePictureDialog();
        // Qt's own text, through Qt's translations.
        QCOMPARE(dialog->windowTitle(),
                 expectEnglish() ? QStringLiteral("Save As") : QStringLiteral("Сохранить как"));
        QCOMPARE(dialog->nameFilters().value(0),
                 expectEnglish() ? QStringLiteral("BMP files (*.bmp)") : QStringLiteral("BMP-хи (*.bmp)"));
    }

    void fileKindsSpeakTheLanguage_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("russian");
        QTest::addColumn<QString>("english");
        QTest::newRow("folder") << QDir::tempPath() << "Папка"
                                << "Folder";
        QTest::newRow("root") << QDir::rootPath() << "Диск"
                              << "Drive";
        QTest::newRow("link to nothing") << "link"
                                         << "Ярлык"
                                         << "Shortcut";
    }

    void fileKindsSpeakTheLanguage()
    {
        QFETCH(QString, path);
        QFETCH(QString, russian);
        QFETCH(QString, english);
        FormFixture f;
        f.takeReport();
        QTemporaryDir dir;
        const QString link = dir.filePath(QStringLiteral("link"));
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("gone")), link));
        // The type column of the save dialogs' file list.
        QCOMPARE(PlainFileIcons().type(QFileInfo(path == QStringLiteral("link") ? link : path)),
                 expectEnglish() ? english : russian);
    }

    void fileSizesSpeakTheLanguage()
    {
        FormFixture f;
        // The Size column of the save dialogs' file list.
        QCOMPARE(fileSizeText(3 << 20, QLocale(QLocale::C)),
                 expectEnglish() ? QStringLiteral("3.00 MiB") : QStringLiteral("3.00 МиБ"));
    }

    void failedSaveIsReportedInTheLanguage()
    {
        FormFixture f;
        f.takeReport();
        const QString path = QStringLiteral("/proc/brenvik-language.bmp");
        f.graph.setFileNameAsker([&](QFileDialog&) { return path; });
        f.graph.savePicture();
        const QString report = f.takeReport();
        // The reason too is the program's own sentence, not the system's in its language.
        const QString head = expectEnglish() ? QStringLiteral("Cannot create file \"%1\". ").arg(path)
                                             : QStringLiteral("Не удалось создать файл «%1». ").arg(path);
        QVERIFY2(report.startsWith(head) && report.size() > head.size() + 1, qPrintable(report));
        QVERIFY2(hasCyrillic(report) != expectEnglish(), qPrintable(report));
        // Nothing of the other language: every word after the path is in this one.
        const QString reason = report.mid(head.size());
        QVERIFY2(reason.contains(QRegularExpression(expectEnglish() ? QStringLiteral("^[A-Za-z .,0-9-]+$")
                                                                    : QStringLiteral("^[^A-Za-z]+$"))),
                 qPrintable(report));
    }

    void pixelFormatErrorsFollowTheLanguage()
    {
        FormFixture f;
        f.takeReport();
        QCOMPARE(pixelFormatCaption(),
                 expectEnglish() ? QStringLiteral("Error!") : QStringLiteral("Ошибка!"));
        QCOMPARE(pixelFormatProblem(false, {}), expectEnglish()
                                                    ? QStringLiteral("Cannot choose the pixel format")
                                                    : QStringLiteral("Не могу выбрать формат пискеля"));
    }
};

QTEST_MAIN(InterfaceLanguageTest)
#include "interface_language_test.moc"
