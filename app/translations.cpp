#include "translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>

namespace {

QString ProgramTranslation(QLocale::Language language)
{
    return QStringLiteral(":/i18n/curvista_%1.qm").arg(QLocale::languageToCode(language));
}

bool Speaks(QLocale::Language language)
{
    return language == QLocale::Thai || QFile::exists(ProgramTranslation(language));
}

} // namespace

QLocale::Language ChooseLanguage(const QStringList &uiLanguages)
{
    for (const QString &name : uiLanguages) {
        if (const QLocale::Language language = QLocale(name).language(); Speaks(language))
            return language;
    }
    return QLocale::Thai;
}

Translations::Translations(QLocale::Language language)
{
    // Thai, the sources' language, has no file: where loading fails, the texts
    // stay as written.
    static_cast<void>(m_program.load(ProgramTranslation(language)));
    static_cast<void>(m_qt.load(QStringLiteral("qtbase_") + QLocale::languageToCode(language),
                                QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
}

QString Translations::translate(const char *context, const char *sourceText) const
{
    const QString translated = m_program.translate(context, sourceText);
    return translated.isEmpty() ? QString::fromUtf8(sourceText) : translated;
}

void Translations::install()
{
    QCoreApplication::installTranslator(&m_qt);
    QCoreApplication::installTranslator(&m_program);
}
