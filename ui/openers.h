#pragma once
// How the main window opens the other windows; the report and web windows fill these in.
#include <QString>
#include <functional>

namespace kastlog {

struct Openers {
    std::function<void()> adif;       // "Exporter le log au format ADIF"
    std::function<void()> scores;     // "Scores"
    std::function<void()> carte;      // "des Provinces contactées"
    std::function<void()> contacte;   // "des Chateaux contactés"
    std::function<void()> recherche;  // "Rechercher un QSO"
    std::function<void()> cluster;    // "Afficher le cluster"
    std::function<void()> reglement;  // "Règlement"
    std::function<void()> listeDnj;   // "Liste des DNJ" (modal)
};

// What the other windows read of the main window's station.
class StationInfo {
public:
    virtual ~StationInfo() = default;
    virtual QString stationCall() const = 0;        // stored form, names the files
    virtual QString stationLabelText() const = 0;   // the text `I_Station` shows
};

}  // namespace kastlog
