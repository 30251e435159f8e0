#pragma once
// `Cluster`: the DX-cluster spot page of one band or band group. The choice is remembered
// per station under "bande Cluster" and restored when the window opens.
#include <QString>
#include <QWidget>
#include <memory>

class QComboBox;
class QLabel;
class QPushButton;

namespace kastlog {
struct Services;
class StationInfo;
namespace ui {
class BrowserView;
}

class Cluster : public QWidget {
    Q_OBJECT
public:
    Cluster(Services &services, StationInfo &station, QWidget *parent = nullptr);
    ~Cluster() override;

    // Stores the current choice at once, then asks for its page.
    void Affiche_Cluster();

private:
    void Form_Load();
    void Afficher_Click();

    Services &m_services;
    StationInfo &m_station;
    QLabel *Label2;
    QLabel *Label3;
    QComboBox *Bande_CL;
    QPushButton *Afficher;
    std::unique_ptr<ui::BrowserView> m_browser;
    QLabel *Label1;
};

}  // namespace kastlog
