#pragma once
// The form `Station`: enter or change the station call sign. Modal at the first start,
// modeless from the menu "Nouvel indicatif".
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kastlog {

struct Services;
class StationHost;

class StationDialog : public QDialog {
    Q_OBJECT
public:
    StationDialog(Services &services, StationHost &host, QWidget *parent = nullptr);

    QLabel *Label2, *Label3, *Label5;
    QLineEdit *New_Indicatif;
    QPushButton *Validation;

    void New_Indicatif_KeyPress(int &code);
    void Validation_Click();

private:
    void Form_Load();

    Services &m_s;
    StationHost &m_host;
};

}  // namespace kastlog
