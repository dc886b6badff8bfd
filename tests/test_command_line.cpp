#include "app/command_line.h"
#include "test_support.h"

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void noArgumentsStartsTheProgram() { QVERIFY(!HandleCommandLine({})); }

    void versionPrintsTheRecord()
    {
        const auto outcome = HandleCommandLine({"--version"});
        QVERIFY(outcome);
        QCOMPARE(outcome->exitCode, 0);
        const QString out = QString::fromStdString(outcome->out);
        for (const char *field : {"Curvista 1.0", "Version 1.00", "Brisvane", "CV10", "CV10.exe", "US English"})
            QVERIFY2(out.contains(QLatin1String(field)), field);
        QVERIFY(out.startsWith(QLatin1String("Curvista 1.0\n")));
    }

    void helpSaysWhatTheProgramIs()
    {
        const auto outcome = HandleCommandLine({"--help"});
        QVERIFY(outcome);
        QCOMPARE(outcome->exitCode, 0);
        QVERIFY(QString::fromStdString(outcome->out).contains(QLatin1String("parabolas")));
    }

    void anythingElseIsRefused_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("unknown option") << QStringList{"--verbose"};
        QTest::newRow("a file") << QStringList{"graph.txt"};
        QTest::newRow("Qt's own option") << QStringList{"-platform", "offscreen"};
        QTest::newRow("version with more") << QStringList{"--version", "x"};
    }
    void anythingElseIsRefused()
    {
        QFETCH(QStringList, arguments);
        std::vector<std::string> argv;
        for (const QString &argument : arguments)
            argv.push_back(argument.toStdString());
        const auto outcome = HandleCommandLine(argv);
        QVERIFY(outcome);
        QCOMPARE(outcome->exitCode, 2);
        QVERIFY(outcome->out.empty());
        QVERIFY(QString::fromStdString(outcome->err).contains(arguments.front()));
    }
};

CURVISTA_TEST_MAIN(TestCommandLine)
#include "test_command_line.moc"
