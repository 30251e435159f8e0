#pragma once
// What the search window sees of the main window's list.
#include <QStringList>

namespace kastlog {

class MainListAccess {
public:
    virtual ~MainListAccess() = default;
    virtual QStringList mainListLines() const = 0;
    // Selects the item at `index` exactly as a click on it would (runs the click handling).
    virtual void selectMainListItem(int index) = 0;
};

}  // namespace kastlog
