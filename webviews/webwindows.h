#pragma once
// Opens the three web windows from the main window. Each exists once, is created on first
// use and deleted when closed; `Liste_DNJ1` is modal and its opener returns only once it has
// been closed.
class QWidget;

namespace kastlog {
struct Openers;
struct Services;
class StationInfo;

// Fills o.cluster, o.reglement and o.listeDnj. `services`, `station` and `mainWindow` must
// outlive the openers.
void addWebOpeners(Openers &o, Services &services, StationInfo &station, QWidget *mainWindow);

}  // namespace kastlog
