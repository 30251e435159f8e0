#include "settings/stationcall.h"

#include <QCoreApplication>

namespace kastlog::station {

namespace {
constexpr int MaxLength = 12;

bool allowed(QChar c) {
    const char16_t u = c.unicode();
    return (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || u == '_';
}
}  // namespace

Check check(const QString &candidate) {
    if (candidate.isEmpty()) return Check::Empty;
    if (candidate.size() > MaxLength) return Check::TooLong;
    for (QChar c : candidate)
        if (!allowed(c)) return Check::BadCharacter;
    return Check::Ok;
}

QString message(Check c) {
    switch (c) {
    case Check::Ok:
        return {};
    case Check::Empty:
        return QCoreApplication::translate("StationCall", "Vous devez entrer un indicatif");
    case Check::TooLong:
        return QCoreApplication::translate("StationCall", "12 caracteres maximum pour l'indicatif");
    case Check::BadCharacter:
        return QCoreApplication::translate(
            "StationCall", "L'indicatif ne doit comporter que des lettres des chiffres ou le signe '_' ");
    }
    return {};
}

QString capitals(QStringView text) {
    QString out = text.toString();
    for (QChar &c : out) c = capital(c);
    return out;
}

QString displayed(const QString &stored) {
    QString out = stored;
    out.replace(QLatin1Char('_'), QLatin1Char('/'));
    return out;
}

}  // namespace kastlog::station
