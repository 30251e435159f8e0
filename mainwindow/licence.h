#pragma once
// The licence notice shown under the About box's text.
#include <QCoreApplication>
#include <QString>

namespace kastlog {

inline QString licenceNotice() {
    return QCoreApplication::translate(
        "Licence",
        "Copyright (C) 2026 les développeurs de KASTLOG\r\n\r\n"
        "KASTLOG est un logiciel libre : vous pouvez le redistribuer et le modifier selon les termes "
        "de la licence publique générale GNU (GPL), version 3 ou toute version ultérieure, publiée "
        "par la Free Software Foundation. Il est fourni SANS AUCUNE GARANTIE.\r\n\r\n"
        "Texte de la licence : https://www.gnu.org/licenses/gpl-3.0.html");
}

}  // namespace kastlog
