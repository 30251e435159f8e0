#pragma once
// The two fixed pages of the award's web server.
#include <QString>

namespace kastlog::award {

inline const QString ReglementPage = QStringLiteral("reglement_chateau.html");
inline const QString ChateauActivePage = QStringLiteral("chateau_active.html");

// "http://" + host + "/" + page.
inline QString pageUrl(const QString &host, const QString &page) {
    return QStringLiteral("http://") + host + QLatin1Char('/') + page;
}

}  // namespace kastlog::award
