// The language the program speaks: French (its own texts), Dutch or English.
#pragma once

#include <QString>

#include <functional>

namespace kastlog::i18n {

// "fr", "nl" or "en".
using Language = QString;

// The system's language from the variables gettext reads, in its order: LANGUAGE (a list,
// its first entry), LC_ALL, LC_MESSAGES, LANG. French for fr*, Dutch for nl*, English for
// anything else, "C" and nothing at all included.
Language systemLanguage(const std::function<QString(const char *)> &variable);
Language systemLanguage();  // from the environment

// The setting "Langue" ("fr", "nl", "en"; empty or anything else: the system's) over the
// system's language.
Language chosenLanguage(const QString &setting, const Language &system);

// Installs the program's translation and the toolkit's for `language` into the running
// application (which must exist); French needs the toolkit's only. False when the program's
// own translation could not be loaded: the program then speaks French.
bool installTranslations(const Language &language);

// At start-up, window or command line: installs the language the setting "Langue" chooses
// over the system's.
bool installChosenLanguage(const QString &setting);

// The embedded translation file of `language`, for the tests: ":/i18n/kastlog_nl.qm".
QString translationFile(const Language &language);

}  // namespace kastlog::i18n
