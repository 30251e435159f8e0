#pragma once
// `Liste_DNJ1`: the award's page of active castles. The main window waits while it is open
// (see addWebOpeners).
#include "webviews/pagewindow.h"

namespace kastlog {

class Liste_DNJ1 : public PageWindow {
    Q_OBJECT
public:
    Liste_DNJ1(Services &services, QWidget *parent = nullptr);
};

}  // namespace kastlog
