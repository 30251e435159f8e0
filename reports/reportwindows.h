#pragma once
// Opens the report windows from the main window's menus and buttons.
class QWidget;

namespace kastlog {
struct Openers;
struct Services;
class StationInfo;
class MainListAccess;

// Fills o.adif, o.scores, o.carte, o.contacte and o.recherche. Each window exists once: it is
// created on first use, unloaded when closed, and opening it again while it is shown brings it
// to the front. None of them blocks the main window.
void addReportOpeners(Openers &o, Services &s, StationInfo &station, MainListAccess &mainList,
                      QWidget *mainWindow);

}  // namespace kastlog
