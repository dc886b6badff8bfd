#include "app/command_line.h"
#include "widget_test_support.h"

namespace {

std::vector<std::string> Arguments(const QStringList &arguments)
{
    std::vector<std::string> argv;
    for (const QString &argument : arguments)
        argv.push_back(argument.toStdString());
    return argv;
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

    const Translations m_english{QLocale::English};

private slots:
    void noArgumentsStartsTheProgram() { QVERIFY(!HandleCommandLine({}, m_english)); }

    void versionPrintsTheRecord()
    {
        const auto outcome = HandleCommandLine({"--version"}, m_english);
        QVERIFY(outcome);
        QCOMPARE(outcome->exitCode, 0);
        const QString out = QString::fromStdString(outcome->out);
        for (const char *field : {"Curvista 1.0", "Version 1.00", "Brisvane", "CV10", "CV10.exe", "US English"})
            QVERIFY2(out.contains(QLatin1String(field)), field);
        QVERIFY(out.startsWith(QLatin1String("Curvista 1.0\n")));
    }

    // Help and refusals speak the user's language, Thai unless English was
    // chosen; the options stay as they are typed.
    void answersSpeakTheLanguage_data()
    {
        QTest::addColumn<QLocale::Language>("language");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("out"); // a part of it
        QTest::addColumn<QString>("error");
        // clang-format off
        QTest::newRow("Thai help")        << QLocale::Thai    << QStringList{"--help"}    << "กราฟพาราโบลา y = ax^2 + bx + c" << "";
        QTest::newRow("English help")     << QLocale::English << QStringList{"--help"}    << "parabolas y = ax^2 + bx + c"  << "";
        QTest::newRow("Thai refusal")     << QLocale::Thai    << QStringList{"--verbose"} << ""                              << "curvista: ไม่รู้จักอาร์กิวเมนต์ '--verbose'\nวิธีใช้: curvista [--version | --help] [ตัวเลือกของ Qt]\n";
        QTest::newRow("English refusal")  << QLocale::English << QStringList{"--verbose"} << ""                              << "curvista: unrecognised argument '--verbose'\nUsage: curvista [--version | --help] [Qt options]\n";
        QTest::newRow("Thai, no value")   << QLocale::Thai    << QStringList{"-style"}    << ""                              << "curvista: ตัวเลือก '-style' ต้องมีค่าตามหลัง\n";
        // clang-format on
    }
    void answersSpeakTheLanguage()
    {
        QFETCH(QLocale::Language, language);
        QFETCH(QStringList, arguments);
        QFETCH(QString, out);
        QFETCH(QString, error);
        const auto outcome = HandleCommandLine(Arguments(arguments), Translations(language));
        QVERIFY(outcome);
        QVERIFY2(QString::fromStdString(outcome->out).contains(out), outcome->out.c_str());
        QVERIFY2(error.isEmpty() ? outcome->err.empty() : QString::fromStdString(outcome->err).startsWith(error),
                 outcome->err.c_str());
    }

    void qtsOwnOptionsStartTheProgram_data()
    {
        QTest::addColumn<QStringList>("arguments");
        // clang-format off
        QTest::newRow("platform")           << QStringList{"-platform", "offscreen"};
        QTest::newRow("two dashes")         << QStringList{"--platform", "xcb"};
        QTest::newRow("style with =")       << QStringList{"-style=Fusion"};
        QTest::newRow("reverse, no value")  << QStringList{"-reverse"};
        QTest::newRow("session restore")    << QStringList{"-session", "10d3a4b5c6000123456789"};
        QTest::newRow("geometry and title") << QStringList{"-qwindowgeometry", "100x100+0+0", "-qwindowtitle", "x"};
        QTest::newRow("value like an option") << QStringList{"-qwindowtitle", "--help"};
        // clang-format on
    }
    void qtsOwnOptionsStartTheProgram()
    {
        QFETCH(QStringList, arguments);
        QVERIFY(!HandleCommandLine(Arguments(arguments), m_english));
    }

    // One lesson file starts the program and opens on the first graph.
    void aLessonFileStartsTheProgramWithIt_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("lesson");
        // clang-format off
        QTest::newRow("alone")               << QStringList{"บทเรียน.curvista"}                     << "บทเรียน.curvista";
        QTest::newRow("suffix in capitals")  << QStringList{"/tmp/L1.CURVISTA"}                     << "/tmp/L1.CURVISTA";
        QTest::newRow("beside Qt's options") << QStringList{"-style", "Fusion", "a.curvista", "-reverse"} << "a.curvista";
        QTest::newRow("a Qt option's value") << QStringList{"-qwindowtitle", "x.curvista"}          << "";
        QTest::newRow("none")                << QStringList{}                                       << "";
        // clang-format on
    }
    void aLessonFileStartsTheProgramWithIt()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, lesson);
        QVERIFY(!HandleCommandLine(Arguments(arguments), m_english));
        QCOMPARE(QString::fromStdString(LessonToOpen(Arguments(arguments)).value_or("")), lesson);
    }

    // What the program answers instead of starting: the first of --help and
    // --version on standard output, or a refusal naming the culprit on
    // standard error; in English, the rows' language.
    void answersWithoutStarting_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");   // the first line
        QTest::addColumn<QString>("error"); // a part of it
        const QString usage = QStringLiteral("Usage: curvista [--version | --help] [Qt options]");
        // clang-format off
        QTest::newRow("version then help")   << QStringList{"--version", "--help"}    << 0 << "Curvista 1.0" << "";
        QTest::newRow("help then version")   << QStringList{"--help", "--version"}    << 0 << usage          << "";
        QTest::newRow("after a Qt option")   << QStringList{"-platform", "xcb", "-h"} << 0 << usage          << "";
        QTest::newRow("unknown option")      << QStringList{"--verbose"}              << 2 << ""             << "--verbose";
        QTest::newRow("a file")              << QStringList{"graph.txt"}              << 2 << ""             << "graph.txt";
        QTest::newRow("version with more")   << QStringList{"--version", "x"}         << 2 << ""             << "'x'";
        QTest::newRow("Qt option, no value") << QStringList{"-platform"}              << 2 << ""             << "-platform' needs a value";
        QTest::newRow("value for a flag")    << QStringList{"-reverse=yes"}           << 2 << ""             << "-reverse=yes";
        QTest::newRow("unknown after Qt's")  << QStringList{"-style", "Fusion", "-x"} << 2 << ""             << "'-x'";
        QTest::newRow("two lessons")         << QStringList{"a.curvista", "b.curvista"} << 2 << ""           << "'b.curvista'";
        // clang-format on
    }
    void answersWithoutStarting()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, error);
        const auto outcome = HandleCommandLine(Arguments(arguments), m_english);
        QVERIFY(outcome);
        QCOMPARE(outcome->exitCode, exitCode);
        QCOMPARE(QString::fromStdString(outcome->out).section('\n', 0, 0), out);
        QVERIFY2(error.isEmpty() ? outcome->err.empty() : QString::fromStdString(outcome->err).contains(error),
                 outcome->err.c_str());
    }

    void x11IsPreferredWhereAWaylandDesktopOffersIt_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("qpaPlatform");
        QTest::addColumn<QString>("waylandDisplay");
        QTest::addColumn<QString>("x11Display");
        QTest::addColumn<QString>("preferred"); // empty: Qt chooses
        // clang-format off
        QTest::newRow("Wayland with XWayland")   << QStringList{}                    << ""        << "wayland-0" << ":0" << "xcb";
        QTest::newRow("Wayland only")            << QStringList{}                    << ""        << "wayland-0" << ""   << "";
        QTest::newRow("X11 only")                << QStringList{}                    << ""        << ""          << ":0" << "";
        QTest::newRow("user set the variable")   << QStringList{}                    << "wayland" << "wayland-0" << ":0" << "";
        QTest::newRow("user gave -platform")     << QStringList{"-platform", "wayland"} << ""     << "wayland-0" << ":0" << "";
        QTest::newRow("user gave --platform=")   << QStringList{"--platform=wayland"} << ""       << "wayland-0" << ":0" << "";
        // clang-format on
    }
    void x11IsPreferredWhereAWaylandDesktopOffersIt()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, qpaPlatform);
        QFETCH(QString, waylandDisplay);
        QFETCH(QString, x11Display);
        QFETCH(QString, preferred);
        const auto platform = PreferredPlatform(
            Arguments(arguments), {qpaPlatform.toStdString(), waylandDisplay.toStdString(), x11Display.toStdString()});
        QCOMPARE(QString::fromStdString(platform.value_or("")), preferred);
    }
};

CURVISTA_TEST_MAIN(TestCommandLine)
#include "test_command_line.moc"
