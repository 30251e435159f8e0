#pragma once
// `Aff_Contacte`: the sorted list of the QSOs of one band group, shown, saved and printed.
#include <QStringList>
#include <QWidget>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace kastlog {
struct Services;
class StationInfo;

class AffContacte : public QWidget {
    Q_OBJECT
public:
    AffContacte(Services &services, StationInfo &station, QWidget *parent = nullptr);

    void Afficher_Click();
    void Enregistrer_Click();
    void Imprimer_Click();

private:
    Services &m_services;
    StationInfo &m_station;
    QComboBox *m_bande;
    QLabel *m_header, *m_comptC, *m_comptV;
    QListWidget *m_liste;
    QPushButton *m_enregistrer, *m_imprimer;
    QStringList m_rows;  // the rows as shown, in list order
};

}  // namespace kastlog
