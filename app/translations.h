#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

// The program's texts are written in Thai, the designs' language; every other
// language it speaks has a translation built in as :/i18n/curvista_<code>.qm.

// The first of the user's preferred UI languages, most preferred first as
// QLocale::uiLanguages() lists them, that the program speaks; Thai when it
// speaks none of them (a C or POSIX locale among others).
QLocale::Language ChooseLanguage(const QStringList &uiLanguages);

// The program's texts in one language, and Qt's own where the system has them
// (Debian's are in QLibraryInfo::TranslationsPath).
class Translations
{
public:
    explicit Translations(QLocale::Language language);

    // A text of the program in this language, also before the application
    // object that holds installed translations exists.
    [[nodiscard]] QString translate(const char *context, const char *sourceText) const;
    // Makes them the application's translations while this lives.
    void install();

private:
    QTranslator m_program;
    QTranslator m_qt;
};
