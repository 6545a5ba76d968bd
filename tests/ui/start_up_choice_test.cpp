// What start-up decides from the environment: the Qt platform and the interface language.

#include "ui/interface_language.h"
#include "ui/platform_choice.h"

#include <QtTest>

using namespace brenvik;

class StartUpChoiceTest : public QObject {
    Q_OBJECT

private slots:
    void platform_data()
    {
        QTest::addColumn<QString>("qtPlatform");
        QTest::addColumn<QString>("waylandDisplay");
        QTest::addColumn<QString>("sessionType");
        QTest::addColumn<QString>("x11Display");
        QTest::addColumn<QString>("chosen");
        const QString none;
        const QString xcb = QStringLiteral("xcb");
        const QString wl = QStringLiteral("wayland-0");
        const QString way = QStringLiteral("wayland");
        const QString x11 = QStringLiteral("x11");
        const QString disp = QStringLiteral(":0");
        // Wayland with XWayland: X11, however the session shows that it is Wayland.
        QTest::newRow("wayland display, xwayland") << none << wl << none << disp << xcb;
        QTest::newRow("wayland session, xwayland") << none << none << way << disp << xcb;
        QTest::newRow("both, xwayland") << none << wl << way << disp << xcb;
        QTest::newRow("wayland display in an x11 session") << none << wl << x11 << disp << xcb;
        // The user's own choice stands.
        QTest::newRow("user chose wayland") << way << wl << way << disp << none;
        QTest::newRow("user chose xcb") << xcb << wl << way << disp << none;
        QTest::newRow("user chose offscreen") << QStringLiteral("offscreen") << none << way << disp << none;
        // No XWayland: Qt's own choice.
        QTest::newRow("wayland without x") << none << wl << way << none << none;
        QTest::newRow("wayland session without x") << none << none << way << none << none;
        // Not Wayland at all.
        QTest::newRow("x11 session") << none << none << x11 << disp << none;
        QTest::newRow("plain x server") << none << none << none << disp << none;
        QTest::newRow("tty session") << none << none << QStringLiteral("tty") << disp << none;
        QTest::newRow("nothing") << none << none << none << none << none;
    }

    void platform()
    {
        QFETCH(QString, qtPlatform);
        QFETCH(QString, waylandDisplay);
        QFETCH(QString, sessionType);
        QFETCH(QString, x11Display);
        QFETCH(QString, chosen);
        const SessionEnvironment session{qtPlatform.toStdString(), waylandDisplay.toStdString(),
                                         sessionType.toStdString(), x11Display.toStdString()};
        QCOMPARE(QString::fromStdString(platformFor(session)), chosen);
    }

    void language_data()
    {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<bool>("english");
        QTest::newRow("en_US") << QStringList{"en-US", "en-Latn-US", "en"} << true;
        QTest::newRow("en_GB first, then ru") << QStringList{"en-GB", "en-Latn-GB", "ru"} << true;
        QTest::newRow("bare en") << QStringList{"en"} << true;
        QTest::newRow("ru_RU") << QStringList{"ru-RU", "ru-Cyrl-RU", "ru"} << false;
        QTest::newRow("ru first, then en") << QStringList{"ru-RU", "en-US", "en"} << false;
        QTest::newRow("de_DE") << QStringList{"de-DE", "de-Latn-DE", "de"} << false;
        QTest::newRow("C") << QStringList{"C"} << false;
        QTest::newRow("POSIX") << QStringList{"POSIX"} << false;
        QTest::newRow("none") << QStringList{} << false;
        QTest::newRow("enm is not English") << QStringList{"enm"} << false;
    }

    void language()
    {
        QFETCH(QStringList, uiLanguages);
        QFETCH(bool, english);
        const InterfaceLanguage expected = english ? InterfaceLanguage::English : InterfaceLanguage::Russian;
        QCOMPARE(interfaceLanguageFor(uiLanguages), expected);
    }
};

QTEST_APPLESS_MAIN(StartUpChoiceTest)
#include "start_up_choice_test.moc"
