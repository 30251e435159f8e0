#pragma once
// `Carte_Acti_DNJ`: the map of the provinces, with the provinces contacted in a band group
// marked in light green and counted. The log is read from disk at every display.
#include "reports/map/provinces.h"

#include <QWidget>
#include <array>

class QComboBox;
class QLabel;
class QLineEdit;

namespace kastlog {
struct Services;
class StationInfo;

class CarteActiDnj : public QWidget {
    Q_OBJECT
public:
    CarteActiDnj(Services &services, StationInfo &station, QWidget *parent = nullptr);

    // Marks the boxes for the group typed or chosen in `Bande_A` and returns how many boxes
    // carry the marking colour (0 to 11). A log that cannot be read is reported; nothing is
    // marked then.
    int Lecture_Fichier_Departement_Activations();

    // The box array `Dep`, numbered 1 to 11 as in the province table (objectNames "Dep_1"...).
    QLineEdit *dep(int number) const { return m_dep.at(number - 1); }

public slots:
    void Afficher_Click();

private:
    void Form_Load();

    Services &m_services;
    StationInfo &m_station;
    QLabel *m_nbDep, *m_bandeCarte;
    QComboBox *m_bandeA;
    std::array<QLineEdit *, carte::ProvinceCount> m_dep{};
};

// A new, centred, non-modal map window that deletes itself when closed.
QWidget *createCarteWindow(Services &s, StationInfo &station, QWidget *parent);

}  // namespace kastlog
