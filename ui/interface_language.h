#pragma once
// The language of the windows: English for users whose interface language is English,
// Russian, the program's own, for everyone else. Qt's standard dialogs and buttons follow
// it through Qt's own translations.

#include <QStringList>
#include <QTranslator>

namespace brenvik {

enum class InterfaceLanguage { Russian, English };

/// English when the first of the user's interface languages is English ("en", "en-GB").
InterfaceLanguage interfaceLanguageFor(const QStringList& uiLanguages);
InterfaceLanguage systemInterfaceLanguage();

/// The translations of one language, installed in the application while this lives.
/// Create it before the first window: the forms take their texts when they are built.
class InterfaceTranslations {
public:
    explicit InterfaceTranslations(InterfaceLanguage language);
    ~InterfaceTranslations();
    InterfaceTranslations(const InterfaceTranslations&) = delete;
    InterfaceTranslations& operator=(const InterfaceTranslations&) = delete;

    InterfaceLanguage language() const { return m_language; }

private:
    void install(QTranslator& translator, const QString& file, const QString& folder);

    InterfaceLanguage m_language;
    QTranslator m_program;  ///< the program's texts in English (Russian is their source)
    QTranslator m_qt;       ///< Qt's dialogs and buttons
};

}  // namespace brenvik
