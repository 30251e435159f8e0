#include "webviews/reglement.h"

#include "webviews/awardpages.h"

namespace kastlog {

Reglement::Reglement(Services &services, QWidget *parent)
    : PageWindow({"Reglement", tr("Règlement"), QSize(13800, 9045), QRect(0, 120, 13695, 9015),
                  award::ReglementPage},
                 services, parent) {}

}  // namespace kastlog
