#pragma once
// The dialog "Radio": rigctld's address ("host:port", empty for no radio), "Tester" to read
// the radio once at that address, OK to keep it.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kastlog {

class Settings;
namespace ui {
class MessageBox;
}
namespace rig {
class RigClient;
}

class RadioDialog : public QDialog {
    Q_OBJECT
public:
    RadioDialog(Settings &settings, ui::MessageBox &messages, QWidget *parent = nullptr);

private:
    void Tester_Click();
    void OK_Click();

    Settings &m_settings;
    ui::MessageBox &m_messages;
    QLineEdit *Adresse;
    QPushButton *Tester;
    QLabel *Resultat;
    rig::RigClient *m_probe = nullptr;  // while a test runs
};

}  // namespace kastlog
