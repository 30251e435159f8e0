#pragma once
// The one-line program notice closing the ADIF header, the saved castle list and its printout:
// file content, French in every language.
#include <QString>

namespace kastlog::reports {
inline const QString Notice = QStringLiteral("KASTLOG - carnet de trafic du diplome des chateaux DNJ");
}  // namespace kastlog::reports
