#include "webviews/listednj1.h"

#include "webviews/awardpages.h"

namespace kastlog {

Liste_DNJ1::Liste_DNJ1(Services &services, QWidget *parent)
    : PageWindow({"Liste_DNJ1", tr("Liste des châteaux Belges"), QSize(11475, 9045),
                  QRect(0, 0, 11535, 9015), award::ChateauActivePage},
                 services, parent) {}

}  // namespace kastlog
