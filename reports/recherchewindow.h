#pragma once
// `Recherche_Indicatif`: finds QSOs of the main list by call sign, reference or province; a
// double click on a result selects its QSO in the main list and closes the window.
#include "reports/search.h"

#include <QWidget>

class QButtonGroup;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace kastlog {
struct Services;
class MainListAccess;

class RechercheIndicatif : public QWidget {
    Q_OBJECT
public:
    RechercheIndicatif(Services &services, MainListAccess &mainList, QWidget *parent = nullptr);

    void Recherche_QSO();
    void QSO_Effectues_DblClick(QListWidgetItem *item);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Option1_Click(int index);
    void boxKeyPress(QLineEdit *box, int &code);
    search::Critere critere() const;

    Services &m_services;
    MainListAccess &m_mainList;
    QButtonGroup *m_options;
    QLineEdit *m_indica, *m_data, *m_depa;
    QListWidget *m_results;
};

}  // namespace kastlog
