#include "i18n/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace kastlog::i18n {

Language systemLanguage(const std::function<QString(const char *)> &variable) {
    QString name = variable("LANGUAGE").section(QLatin1Char(':'), 0, 0);
    for (const char *next : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (name.isEmpty()) name = variable(next);
    if (name.startsWith(QLatin1String("fr"))) return QStringLiteral("fr");
    if (name.startsWith(QLatin1String("nl"))) return QStringLiteral("nl");
    return QStringLiteral("en");
}

Language systemLanguage() {
    return systemLanguage([](const char *name) { return qEnvironmentVariable(name); });
}

Language chosenLanguage(const QString &setting, const Language &system) {
    if (setting == QLatin1String("fr") || setting == QLatin1String("nl") || setting == QLatin1String("en"))
        return setting;
    return system;
}

QString translationFile(const Language &language) {
    return QStringLiteral(":/i18n/kastlog_%1.qm").arg(language);
}

bool installTranslations(const Language &language) {
    // Owned by the application: translations stay installed for its whole life.
    auto *toolkit = new QTranslator(QCoreApplication::instance());
    if (toolkit->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(toolkit);
    if (language == QLatin1String("fr")) return true;
    auto *own = new QTranslator(QCoreApplication::instance());
    if (!own->load(translationFile(language))) return false;
    return QCoreApplication::installTranslator(own);
}

bool installChosenLanguage(const QString &setting) {
    return installTranslations(chosenLanguage(setting, systemLanguage()));
}

}  // namespace kastlog::i18n
