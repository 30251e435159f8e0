#pragma once
// The station call sign: 1 to 12 characters, capitals, digits and "_" ("/" typed is stored
// as "_"). "FXXXX" means no station has been set up.
#include <QString>

namespace kastlog::station {

inline const QString Placeholder = QStringLiteral("FXXXX");

enum class Check { Ok, Empty, TooLong, BadCharacter };
// Checks a candidate (already in capitals) in the dialog's order.
Check check(const QString &candidate);
// The message for a refusal ("" for Ok).
QString message(Check c);
// Small letters "a".."z" turned to capitals; every other character as it is (an accented
// letter stays what it is, so that the check refuses it).
QString capitals(QStringView text);
// The capital of one character by that rule.
inline QChar capital(QChar c) { return c >= u'a' && c <= u'z' ? QChar(c.unicode() - 32) : c; }
// Stored form -> displayed form: every "_" becomes "/".
QString displayed(const QString &stored);

}  // namespace kastlog::station
