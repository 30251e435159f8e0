#pragma once
// The form `Gestion_erreur`: the stored station's log file is not in the program's
// directory. "Initialiser" puts the placeholder call sign back; "Quitter" ends the program.
#include <QDialog>

class QLabel;
class QPushButton;

namespace kastlog {

struct Services;

class GestionErreurDialog : public QDialog {
    Q_OBJECT
public:
    explicit GestionErreurDialog(Services &services, QWidget *parent = nullptr);

    // The end of the missing file's name, set by the loader ("_DNJ.log").
    void setErrDepartement(const QString &text);
    // After exec(): true when "Quitter" was clicked, false when the window was closed by
    // its frame (or Escape).
    bool quitRequested() const { return m_quit; }

    QLabel *Label2, *Label3, *Ind_Station, *Label6, *Ind_Station1, *Err_Departement;
    QLabel *Label7, *Label1, *Label9;
    QPushButton *Initialisation, *Quitter;

    void Initialisation_Click();
    void Quitter_Click();

private:
    void Form_Load();

    Services &m_s;
    bool m_quit = false;
};

}  // namespace kastlog
