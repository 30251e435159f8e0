#pragma once
// The window "Spots DX": the castle spots of a DX cluster node, newest first, grey when the
// castle is already in the log in the spot's band group, green when it is new. Enter or a
// double click on a spot hands it to whoever listens to spotChosen.
#include "spots/nodeclient.h"
#include "spots/spotbook.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QDateTime>
#include <QWidget>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QTableView;
class QTimer;

namespace kastlog {
class Settings;
}

namespace kastlog::spots {

inline const QColor Contacte(208, 208, 208);  // a castle already in the log
inline const QColor Nouveau(192, 255, 192);   // a castle new in that band group

// The rows of the table over the spot book, all or only the new ones.
class SpotsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit SpotsModel(const SpotBook &book, QObject *parent = nullptr) : QAbstractTableModel(parent), m_book(book) {}
    void setOnlyNew(bool only);
    void rebuild();  // after any change of the book
    // The book has taken one spot at its front and dropped its last row when it was full.
    void spotAdded(bool lastDropped);
    const Spot &spotAt(int row) const { return m_book.rows()[m_visible[row]].spot; }

    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : int(m_visible.size()); }
    int columnCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : 7; }
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;

private:
    const SpotBook &m_book;
    QList<int> m_visible;  // indexes into the book's rows
    bool m_onlyNew = false;
};

class SpotsWindow : public QWidget {
    Q_OBJECT
public:
    // `login`: the login when "Cluster Indicatif" is absent. `logLines` reads the log file.
    SpotsWindow(Settings &settings, QString login, std::function<QStringList()> logLines, QWidget *parent = nullptr);

    NodeClient &client() { return *m_client; }
    void setClock(std::function<QDateTime()> nowUtc) { m_now = std::move(nowUtc); }
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
    void connectToNode();
    void choose(const QModelIndex &index);
    void expire();

    Settings &m_settings;
    QString m_login;
    std::function<QStringList()> m_logLines;
    std::function<QDateTime()> m_now = [] { return QDateTime::currentDateTimeUtc(); };
    SpotBook m_book;
    SpotsModel *m_model;
    NodeClient *m_client;
    QLineEdit *Noeud;
    QLabel *Etat;
    QCheckBox *Nouveaux;
    QTableView *Table_Spots;
    QTimer *m_expiry;
    bool m_refreshPending = false;
};

}  // namespace kastlog::spots
