#pragma once
// `Reglement`: the award's rules page. Opened without blocking the main window.
#include "webviews/pagewindow.h"

namespace kastlog {

class Reglement : public PageWindow {
    Q_OBJECT
public:
    Reglement(Services &services, QWidget *parent = nullptr);
};

}  // namespace kastlog
