#pragma once
// The window "Spots DX": the castle activations of a DX cluster node, newest first, grey when
// the castle is already in the log in the spot's band group, green when it is new; the node's
// own words in a second tab "Noeud" with a command field. Enter or a double click on a spot
// hands it to whoever listens to spotChosen; "Spotter" spots it back to the node.
#include "spots/nodeclient.h"
#include "spots/spotbook.h"
#include "spots/spotsmodel.h"

#include <QDateTime>
#include <QWidget>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTableView;
class QTimer;

namespace kastlog {
class Settings;
namespace ui {
class MessageBox;
}
}  // namespace kastlog

namespace kastlog::spots {

constexpr int PaneLines = 500;  // the node's lines kept in "Noeud"

class SpotsWindow : public QWidget {
    Q_OBJECT
public:
    // `station`: the station call sign as kept ("ON4ABC_P"), whose settings hold the beep and
    // whose call ("ON4ABC/P") is the login when "Cluster Indicatif" is absent. `logLines`
    // reads the log file; `messages` asks before a spot goes to the node.
    SpotsWindow(Settings &settings, QString station, std::function<QStringList()> logLines, ui::MessageBox &messages,
                QWidget *parent = nullptr);

    NodeClient &client() { return *m_client; }
    void setClock(std::function<QDateTime()> nowUtc) { m_now = std::move(nowUtc); }
    // How a new castle asks for the operator's attention while the window is not active
    // (tests record it); `beep` when "Signal sonore" is ticked.
    void setAttention(std::function<void(bool beep)> attention) { m_attention = std::move(attention); }
    // Connects when the node is known, else asks for it.
    void start();
    // The log has been read again: a refresh soon (several changes in a row make one).
    void logChanged();
    // Reads the log now and marks the spots again.
    void refreshLog();
    // One line of the node.
    void addLine(const QString &line);

signals:
    void spotChosen(const kastlog::spots::Spot &spot);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void connectToNode(bool focusTable);
    void saveLogin();
    void choose(const QModelIndex &index);
    void spotBack();
    void sendCommand();
    void expire();
    void askAttention();
    void updateSpotter();
    void keepCurrent(quint64 id);

    Settings &m_settings;
    QString m_station, m_login;
    std::function<QStringList()> m_logLines;
    ui::MessageBox &m_messages;
    std::function<QDateTime()> m_now = [] { return QDateTime::currentDateTimeUtc(); };
    std::function<void(bool)> m_attention;
    SpotBook m_book;
    SpotsModel *m_model;
    NodeClient *m_client;
    QLineEdit *Noeud, *Indicatif, *Mot_De_Passe, *Commande;
    QLabel *Etat;
    QCheckBox *Nouveaux, *Signal_Sonore;
    QPushButton *Spotter;
    QTabWidget *Onglets;
    QTableView *Table_Spots;
    QPlainTextEdit *Texte_Noeud;
    QTimer *m_expiry;
    bool m_refreshPending = false;
    bool m_attentionPending = false;
};

}  // namespace kastlog::spots
