#include "ui/interface_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace brenvik {

InterfaceLanguage interfaceLanguageFor(const QStringList& uiLanguages)
{
    if (uiLanguages.isEmpty())
        return InterfaceLanguage::Russian;
    const QString& first = uiLanguages.front();
    const bool english = first == QLatin1String("en") || first.startsWith(QLatin1String("en-")) ||
                         first.startsWith(QLatin1String("en_"));
    return english ? InterfaceLanguage::English : InterfaceLanguage::Russian;
}

InterfaceLanguage systemInterfaceLanguage() { return interfaceLanguageFor(QLocale::system().uiLanguages()); }

InterfaceTranslations::InterfaceTranslations(InterfaceLanguage language) : m_language(language)
{
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (language == InterfaceLanguage::English) {
        install(m_program, QStringLiteral("brenvik_en.qm"), QStringLiteral(":/i18n"));
        return;  // Qt's own texts are English
    }
    install(m_qt, QStringLiteral("qtbase_ru.qm"), qtFolder);
}

InterfaceTranslations::~InterfaceTranslations()
{
    QCoreApplication::removeTranslator(&m_qt);
    QCoreApplication::removeTranslator(&m_program);
}

void InterfaceTranslations::install(QTranslator& translator, const QString& file, const QString& folder)
{
    if (!translator.load(file, folder)) {
        // The windows still work, in the texts they were written in.
        qWarning("Brenvik: translation %s not found in %s", qUtf8Printable(file), qUtf8Printable(folder));
        return;
    }
    QCoreApplication::installTranslator(&translator);
}

}  // namespace brenvik
