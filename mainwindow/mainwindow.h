#pragma once
// The main window `Main`: the station, the clock, the entry row of one QSO, the buttons and
// the list of every QSO of the log.
#include "ui/mainlist.h"
#include "ui/openers.h"
#include "settings/stationhost.h"
#include "ui/services.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QListView;
class QPushButton;
class QTimer;

namespace kastlog {

class ColumnHeader;
class LogListModel;
class LogStore;
struct ChangeResult;
struct QsoFields;
struct WriteResult;
namespace spots {
struct Spot;
}
namespace history {
struct Kept;
}
namespace rig {
class RigClient;
}

// The program's version and history, as the caption, the about box and the settings show them.
inline const QString Version = QStringLiteral(" 1.0.1");
QString historyText();
QString aboutText();

class MainWindow : public QMainWindow, public StationHost, public StationInfo, public MainListAccess {
    Q_OBJECT
public:
    explicit MainWindow(Services &services, QWidget *parent = nullptr);
    ~MainWindow() override;

    // The report and web windows are wired in here before start().
    Openers &openers() { return m_openers; }

    // The start-up sequence (Form_Load). False when the program has ended during it (the
    // recovery dialog's "Quitter", or a log that cannot be read): do not run the event loop.
    bool start();
    // What ends the program (tests replace it). By default: close every window, leave the
    // event loop.
    void setProgramEnd(std::function<void()> end) { m_endProgram = std::move(end); }
    bool ended() const { return m_ended; }

    // StationHost
    QString stationCall() const override { return m_call; }
    void setStationCall(const QString &call) override { m_call = call; }
    void setStationLabel(const QString &text) override;
    void selectBandAndMode(int band, int mode) override;
    void reloadLog() override;
    bool entryInProgress() const override;  // entrychain.cpp

    // StationInfo
    QString stationLabelText() const override;

    // MainListAccess
    QStringList mainListLines() const override;
    void selectMainListItem(int index) override { selectListItem(index); }

    // Entry state, for the windows that look at it and for tests.
    bool modificationFlag() const { return m_modification; }
    bool insertionFlag() const { return m_insertion; }
    bool editLock() const { return m_editLock; }
    QString selectedLine() const { return m_selectedLine; }
    bool dateAuto() const;

protected:
    void closeEvent(QCloseEvent *event) override;  // closing.cpp

private:
    // What became of a loading of the log.
    enum class Load { Done, Abandoned, Ended };

    // mainwindow.cpp: layout, start-up, menus, clock
    void buildControls();
    void buildMenus();
    void setTabOrder();
    void installKeyHandlers();
    void Timer1_Timer();
    void Mnu_Date_Auto_Click();
    void Mnu_Date_Man_Click();
    void Mnu_New_Indicatif_Click();
    void Mnu_APropos_Click();
    void Mnu_Historique_Click();
    void Mnu_Quitter_Click();
    void open(const std::function<void()> &opener);
    void endProgram();
    Load lectureLog();
    void Initialise_Saisie();

    // entrychain.cpp: the key handlers of the fields
    void Bande_A_KeyPress(int &code);
    void Ind_A_KeyPress(int &code);
    void Prenom_A_KeyPress(int &code);
    void Date_A_KeyPress(int &code);
    void Heure_A_KeyPress(int &code);
    void Mode_A_KeyPress(int &code);
    void RST_A_KeyPress(int &code);
    void RSTE_A_KeyPress(int &code);
    void Rem_A_KeyPress(int &code);
    void QSL_A_KeyPress(int &code);
    void passTo(QWidget *done, QWidget *next);
    void remember(QComboBox *combo, const QString &key);
    bool checkReport(QLineEdit *field);
    bool takeModeForm();

    // reference.cpp: the castle reference, the duplicate refusal, the automatic date
    void Ref_A_KeyPress(int &code);

    // spots.cpp: the window "Spots DX" and a spot handed to the entry
    void Mnu_Spots_Click();
    void takeSpot(const spots::Spot &spot);

    // radio.cpp: the radio through rigctld, when one is set
    void buildRadioItems(QMenu *station);
    void Mnu_Radio_Click();
    void startRadio();
    void radioUpdated();
    void followRadio();
    bool entryAtStart() const;
    bool radioLeftTheBand(QString *radioBand = nullptr) const;
    bool radioAgreesWithTheBand();
    void tuneRadioTo(const spots::Spot &spot);
    rig::RigClient *m_rig = nullptr;
    QLabel *Radio_Aff = nullptr;
    QString m_radioBand, m_radioMode;  // what the entry last took from the radio

    // saving.cpp
    void Valide_A_Click();
    void resetAfterSave(const QString &dateUsed);
    QsoFields enteredFields() const;
    bool fieldsFitTheLog();

    // import.cpp
    void Mnu_Import_ADIF_Click();

    // listhandling.cpp
    void selectListItem(int row);
    void Liste_DNJ_Click();
    void Liste_DNJ_DblClick();
    void fillFromLine(const QString &line);
    void Annule_Saisie_Click();
    void Ajout_QSO_Click();
    void Efface_A_Click();
    void reportWriteFailure(const QString &what, const QString &file, const QString &reason);
    void reportUnconfirmed(const QString &what, const WriteResult &written);

    QString logFileName() const;

    // history.cpp: undo of the last change, restore of a backup
    LogStore logStore() const;  // every change of the log goes through it, with its history
    void buildHistoryItems(QMenu *fichier);
    // Aide > Langue (languages.cpp)
    void buildLanguageItems(QMenu *aide);
    void chooseLanguage(const QString &setting);
    void noteHistory(const history::Kept &kept);  // what of a change's history failed, told every time
    bool refuseWhileEditing();
    void afterHistoryChange(const ChangeResult &r, const QString &failure);
    void Mnu_Annuler_Click();
    void Mnu_Restaurer_Click();
    QAction *Mnu_Annuler = nullptr;

    Services &m_s;
    Openers m_openers;
    std::function<void()> m_endProgram;
    bool m_ended = false;
    bool m_loadAbandoned = false;  // the recovery dialog was closed by its frame
    bool m_toldListIsCut = false;  // the operator knows the list stops before the file's end
    bool m_ticked = false;          // the clock labels have been set once
    QString m_utcShown;             // the UTC time `Label37` shows, without its translated suffix

    // Module-level state shared by the procedures of the window.
    QString m_call;
    bool m_modification = false;
    bool m_insertion = false;
    bool m_editLock = false;
    QString m_selectedLine;
    bool m_selecting = false;  // a selection made from code is being applied

    // Controls, named as the operator's manual names them.
    QLabel *Label33 = nullptr, *Label34 = nullptr, *Label37 = nullptr;
    QLabel *Label2 = nullptr, *I_Station = nullptr, *Mode_Aff = nullptr;
    QComboBox *Bande_A = nullptr, *Mode_A = nullptr;
    QLineEdit *Ind_A = nullptr, *Prenom_A = nullptr, *Ref_A = nullptr, *Date_A = nullptr;
    QLineEdit *Heure_A = nullptr, *RST_A = nullptr, *RSTE_A = nullptr, *Rem_A = nullptr;
    QLineEdit *Dpt_A = nullptr;
    QCheckBox *QSL_A = nullptr;
    QPushButton *Valide_A = nullptr, *Efface_A = nullptr, *Ajout_QSO = nullptr;
    QPushButton *Annule_Saisie = nullptr, *Rechercher = nullptr, *Command1 = nullptr;
    QGroupBox *L_Communes = nullptr;
    ColumnHeader *m_header = nullptr;
    QListView *Liste_DNJ = nullptr;
    LogListModel *m_lines = nullptr;
    QTimer *Timer1 = nullptr;
    QAction *Mnu_Date_Auto = nullptr, *Mnu_Date_Man = nullptr;
    QPointer<QWidget> m_station;  // the modeless station dialog, while it is open
    QPointer<QWidget> m_spots;    // the window "Spots DX", while it is open
};

}  // namespace kastlog
