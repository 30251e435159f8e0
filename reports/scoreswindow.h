#pragma once
// `Score_Chateaux`: castle QSOs logged and confirmed per band group, from the log on disk.
#include <QWidget>

class QLineEdit;

namespace kastlog {
struct Services;
class StationInfo;

class ScoreChateaux : public QWidget {
    Q_OBJECT
public:
    ScoreChateaux(Services &services, StationInfo &station, QWidget *parent = nullptr);

private:
    void Form_Load();

    Services &m_services;
    StationInfo &m_station;
    QLineEdit *m_hfCt, *m_hfCf, *m_vhfCt, *m_vhfCf, *m_uhfCt, *m_uhfCf;
};

}  // namespace kastlog
