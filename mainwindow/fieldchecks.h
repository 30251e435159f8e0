#pragma once
// The checks of the date and time fields, shared by their Enter keys and by the save (a date
// emptied by the choice of the automatic date after its check must not reach the log).
#include "logstore/clock.h"

#include <QCoreApplication>
#include <QString>

namespace kastlog {

// The message for a date that fails its check, or an empty text.
inline QString dateProblem(const QString &d) {
    if (d.isEmpty()) return QCoreApplication::translate("FieldChecks", "Entrez une date");
    if (d.size() != 8) return QCoreApplication::translate("FieldChecks", "8 caracteres pour la date ex: 01/02/08");
    if (controleDate(d) != 0)
        return QCoreApplication::translate("FieldChecks", "Le format de la date doit etre JJ/MM/AA");
    return {};
}

// The message for a time that fails its check, or an empty text.
inline QString timeProblem(const QString &h) {
    if (h.isEmpty()) return QCoreApplication::translate("FieldChecks", "Entrez une Heure");
    if (h.size() != 5) return QCoreApplication::translate("FieldChecks", "5 caracteres pour l'heure ex: 15:25");
    if (controleHeure(h) != 0)
        return QCoreApplication::translate("FieldChecks", "Le format de l'heure doit etre HH:MM");
    return {};
}

}  // namespace kastlog
