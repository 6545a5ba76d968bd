// The desktop program's command line: once set into the main window's controls, the inputs
// the window reads are those brenvik-cli reads from the same options, in either locale's
// decimal separator, and the boxes hold the numbers as a user types them. --help,
// --version and a bad option are answered before any window.

#include "cli/help.h"
#include "cli/parse_options.h"
#include "form_fixture.h"
#include "ui/command_line.h"

#include <sstream>
#include <string>
#include <vector>

using namespace brenvik;
using brenvik::testing::FormFixture;

namespace {

// The arguments as a program gets them, kept alive for the views the options hold.
struct Arguments {
    explicit Arguments(const QStringList& list)
    {
        texts.push_back("brenvik");
        for (const QString& arg : list)
            texts.push_back(arg.toStdString());
        for (const std::string& text : texts)
            pointers.push_back(text.c_str());
    }
    std::vector<std::string_view> afterName() const { return {texts.begin() + 1, texts.end()}; }
    int count() const { return static_cast<int>(pointers.size()); }

    std::vector<std::string> texts;
    std::vector<const char*> pointers;
};

}  // namespace

class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { brenvik::testing::closeOpenReports(); }

    void windowReadsWhatTheToolReads_data()
    {
        QTest::addColumn<QStringList>("args");
        // What the three number boxes then hold, "," standing for the locale's separator.
        QTest::addColumn<QString>("q");
        QTest::addColumn<QString>("threshold");
        QTest::addColumn<QString>("tests");

        QTest::newRow("a class's preset")
            << QStringList{"--q", "7",           "--t1", "-20,-5",  "--t2", "20,5",   "--noise",
                           "13",  "--threshold", "0.3",  "--tests", "50",   "--vary", "noise"}
            << "7"
            << "0,3"
            << "50";
        QTest::newRow("nothing: the window's own start") << QStringList{} << "9"
                                                         << "0,27"
                                                         << "5";
        QTest::newRow("commas, and values after =")
            << QStringList{"--q=4,5", "--threshold", "0,35", "--vary=position,threshold", "--t2=-60,60"}
            << "4,5"
            << "0,35"
            << "5";
        QTest::newRow("blanks, an exponent, a batch of 300")
            << QStringList{"--q", " 1e400 ", "--threshold", ".5", "--tests", "300", "--vary", "none"}
            << "1e400"
            << ",5"
            << "300";
        QTest::newRow("noise at level 0") << QStringList{"--noise", "0", "--t1", "60,-60"} << "9"
                                          << "0,27"
                                          << "5";
    }

    void windowReadsWhatTheToolReads()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, q);
        QFETCH(QString, threshold);
        QFETCH(QString, tests);
        FormFixture f;
        const Arguments arguments(args);
        const cli::Options options = cli::parseWindowOptions(arguments.afterName());
        setStartInputs(*f.form, options);

        QCOMPARE(f.edit("Edit1")->text(), f.local(q));
        QCOMPARE(f.edit("Edit3")->text(), f.local(threshold));
        QCOMPARE(f.edit("Edit2")->text(), tests);
        const std::optional<ModelParameters> read = f.form->currentParameters();
        QVERIFY(read);
        QVERIFY(*read == options.parameters);
        QCOMPARE(f.checkBox("CheckBox2")->isChecked(), options.vary.position);
        QCOMPARE(f.checkBox("CheckBox3")->isChecked(), options.vary.noise);
        QCOMPARE(f.checkBox("CheckBox4")->isChecked(), options.vary.threshold);
        // The level slider follows the check box, as a click on it would have it.
        QCOMPARE(f.slider("TrackBar5")->isEnabled(), options.parameters.noise.enabled);
        QCOMPARE(f.label("Label12")->text().toInt(), options.parameters.t2x);
    }

    void answeredBeforeAnyWindow_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("qtHasRead");
        QTest::addColumn<int>("status");  // -1: the program goes on
        QTest::addColumn<bool>("readAgain");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");

        const QString help = QString::fromStdString(std::string(cli::helpText(cli::Command::Window)));
        const QString version = "brenvik " + QString::fromStdString(std::string(cli::version())) + "\n";
        QTest::newRow("help") << QStringList{"--q", "7", "--help"} << false << 0 << false << help << "";
        QTest::newRow("-V") << QStringList{"-V"} << false << 0 << false << version << "";
        QTest::newRow("bad number") << QStringList{"--t1", "-20,-5", "--q", "abc"} << false << 2 << false
                                    << ""
                                    << "--q: 'abc' is not a valid floating point value.\n";
        QTest::newRow("the tool's option") << QStringList{"--frames", "3"} << false << 2 << false << ""
                                           << "brenvik: unknown option '--frames'. See 'brenvik --help'.\n";
        QTest::newRow("given twice") << QStringList{"--noise", "3", "--noise=4"} << false << 2 << false << ""
                                     << "brenvik: --noise is given twice; each option is taken once.\n";
        QTest::newRow("maybe Qt's, before Qt") << QStringList{"-style", "fusion"} << false << -1 << true << ""
                                               << "";
        QTest::newRow("not Qt's either") << QStringList{"-style", "fusion"} << true << 2 << false << ""
                                         << "brenvik: unknown option '-style'. See 'brenvik --help'.\n";
        QTest::newRow("inputs") << QStringList{"--q", "7"} << false << -1 << false << ""
                                << "";
    }

    void answeredBeforeAnyWindow()
    {
        QFETCH(QStringList, args);
        QFETCH(bool, qtHasRead);
        QFETCH(int, status);
        QFETCH(bool, readAgain);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const Arguments arguments(args);
        std::ostringstream outStream, errStream;
        const StartCommand command =
            readCommandLine(arguments.count(), arguments.pointers.data(), qtHasRead, outStream, errStream);
        QCOMPARE(command.exitStatus.value_or(-1), status);
        QCOMPARE(command.readAgain, readAgain);
        QCOMPARE(QString::fromStdString(outStream.str()), out);
        QCOMPARE(QString::fromStdString(errStream.str()), err);
    }
};

QTEST_MAIN(CommandLineTest)
#include "command_line_test.moc"
