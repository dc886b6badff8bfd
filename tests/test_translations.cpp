#include "app/pictures.h"
#include "app/translations.h"
#include "dialog_test_support.h"
#include "platform/core/runtime_error.h"

#include <QAction>
#include <QGroupBox>
#include <QProcess>

#include <algorithm>

using namespace platform;

namespace {

bool HasThai(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.script() == QChar::Script_Thai; });
}

// Every text a window shows or names: its title, its menu items and
// commands, its controls' captions and accessible names.
QStringList TextsOf(const Form &form)
{
    QStringList texts{form.windowTitle()};
    for (const QAction *action : form.findChildren<QAction *>())
        texts << action->text();
    for (const QWidget *widget : form.findChildren<QWidget *>()) {
        texts << widget->accessibleName();
        if (const auto *label = qobject_cast<const QLabel *>(widget))
            texts << label->text();
        else if (const auto *button = qobject_cast<const QPushButton *>(widget))
            texts << button->text();
        else if (const auto *frame = qobject_cast<const QGroupBox *>(widget))
            texts << frame->title();
    }
    return texts;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void init() { ResetProgram(); }
    void cleanupTestCase() { ResetProgram(); }

    void choosesTheFirstLanguageItSpeaks_data()
    {
        QTest::addColumn<QStringList>("uiLanguages"); // most preferred first
        QTest::addColumn<QLocale::Language>("chosen");
        // clang-format off
        QTest::newRow("none")                 << QStringList{}                              << QLocale::Thai;
        QTest::newRow("C locale")             << QStringList{"C"}                           << QLocale::Thai;
        QTest::newRow("Thai")                 << QStringList{"th-TH", "th-Thai-TH", "th"}   << QLocale::Thai;
        QTest::newRow("British English")      << QStringList{"en-GB", "en-Latn-GB"}         << QLocale::English;
        QTest::newRow("written with _")       << QStringList{"en_US"}                       << QLocale::English;
        QTest::newRow("French, then English") << QStringList{"fr", "fr-FR", "en", "en-US"}  << QLocale::English;
        QTest::newRow("Thai before English")  << QStringList{"th", "en"}                    << QLocale::Thai;
        QTest::newRow("German only")          << QStringList{"de-DE", "de"}                 << QLocale::Thai;
        QTest::newRow("no such language")     << QStringList{"xx-YY"}                       << QLocale::Thai;
        // clang-format on
    }
    void choosesTheFirstLanguageItSpeaks()
    {
        QFETCH(QStringList, uiLanguages);
        QFETCH(QLocale::Language, chosen);
        QCOMPARE(ChooseLanguage(uiLanguages), chosen);
    }

    // From the variables a desktop session sets to the language the program
    // answers --help in: the system's preferred languages as Qt reads them,
    // and the program's choice among them.
    void theEnvironmentChoosesTheLanguage_data()
    {
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QString>("firstLine");
        const QString thai = QStringLiteral("วิธีใช้: curvista [--version | --help] [ตัวเลือกของ Qt]");
        const QString english = QStringLiteral("Usage: curvista [--version | --help] [Qt options]");
        // clang-format off
        QTest::newRow("nothing set")           << QStringList{}                                                 << thai;
        QTest::newRow("C")                     << QStringList{"LANG=C"}                                         << thai;
        QTest::newRow("POSIX")                 << QStringList{"LANG=POSIX"}                                     << thai;
        QTest::newRow("LANGUAGE=th")           << QStringList{"LANGUAGE=th"}                                    << thai;
        QTest::newRow("LANG=th_TH.UTF-8")      << QStringList{"LANG=th_TH.UTF-8"}                               << thai;
        QTest::newRow("LANG=en_GB.UTF-8")      << QStringList{"LANG=en_GB.UTF-8"}                               << english;
        QTest::newRow("Thai listed first")     << QStringList{"LANGUAGE=th:en", "LANG=en_GB.UTF-8"}             << thai;
        QTest::newRow("English listed second") << QStringList{"LANGUAGE=fr:en", "LANG=fr_FR.UTF-8"}             << english;
        QTest::newRow("LC_ALL over LANG")      << QStringList{"LC_ALL=en_US.UTF-8", "LANG=th_TH.UTF-8"}         << english;
        QTest::newRow("LC_MESSAGES over LANG") << QStringList{"LC_MESSAGES=th_TH.UTF-8", "LANG=en_GB.UTF-8"}    << thai;
        QTest::newRow("French only")           << QStringList{"LANG=fr_FR.UTF-8"}                               << thai;
        // clang-format on
    }
    void theEnvironmentChoosesTheLanguage()
    {
#ifndef Q_OS_UNIX
        QSKIP("Elsewhere the user's profile, not the environment, names the preferred languages");
#endif
        QFETCH(QStringList, environment);
        QFETCH(QString, firstLine);
        QProcessEnvironment variables;
        for (const QString &variable : environment)
            variables.insert(variable.section('=', 0, 0), variable.section('=', 1));
        QProcess program;
        program.setProcessEnvironment(variables);
        program.start(QStringLiteral(CURVISTA_EXECUTABLE), {QStringLiteral("--help")});
        QVERIFY(program.waitForFinished());
        QCOMPARE(program.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(program.readAllStandardOutput()).section('\n', 0, 0), firstLine);
    }

    // In English, no window shows or names anything in Thai: every text has
    // its translation, and every window looks it up.
    void everyWindowSpeaksEnglish_data()
    {
        QTest::addColumn<QString>("window");
        for (const auto &[name, load] : AllWindows())
            QTest::newRow(qPrintable(name)) << name;
    }
    void everyWindowSpeaksEnglish()
    {
        QFETCH(QString, window);
        Translations english(QLocale::English);
        english.install();
        for (const QString &text : TextsOf(LoadWindow(window)))
            QVERIFY2(!HasThai(text), qPrintable(text));
    }

    // The colour dialog's note names the clear button by the words its
    // picture shows, which are its name too, in each language.
    void theNoteNamesTheClearButtonByItsWords_data()
    {
        QTest::addColumn<QLocale::Language>("language");
        QTest::addColumn<QString>("words");
        QTest::newRow("Thai") << QLocale::Thai << QStringLiteral("ลบทั้งหมด");
        QTest::newRow("English") << QLocale::English << QStringLiteral("Clear all");
    }
    void theNoteNamesTheClearButtonByItsWords()
    {
        QFETCH(QLocale::Language, language);
        QFETCH(QString, words);
        Translations translations(language);
        translations.install();
        QCOMPARE(EraserWords(), words);
        QCOMPARE(Instance<frmControl>().control<QPushButton>("Command2")->accessibleName(), words);
        QVERIFY(Instance<frmOpt>().control<QLabel>("Label4")->text().contains('"' + words + '"'));
    }

    // A runtime error reports in the runtime's English in either language.
    void runtimeErrorReportsKeepTheirWords_data()
    {
        QTest::addColumn<QLocale::Language>("language");
        QTest::newRow("Thai") << QLocale::Thai;
        QTest::newRow("English") << QLocale::English;
    }
    void runtimeErrorReportsKeepTheirWords()
    {
        QFETCH(QLocale::Language, language);
        Translations translations(language);
        translations.install();
        QCOMPARE(ReportText(RuntimeError(ErrorCode::Overflow)), QStringLiteral("Run-time error '6':\n\nOverflow"));
    }
};

CURVISTA_TEST_MAIN(TestTranslations)
#include "test_translations.moc"
