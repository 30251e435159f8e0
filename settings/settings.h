#pragma once
// Every remembered value of the program, over QSettings. Application "DNJ"; common section
// "Setup " (with its trailing blank); per-station section "Setup " + call sign.
// Every value is read when needed and written at once: nothing is cached here.
#include <QString>

namespace kastlog {

// Hosts of the web pages when "Serveur Cluster" / "Serveur DNJ" are absent from "Setup ":
// the DX-cluster spot pages and the award's rules and active-castle pages. The one place
// they are written down; the web windows ask Settings for them.
inline const QString DefaultServeurCluster = QStringLiteral("cluster.chateaux-dnj.be");
inline const QString DefaultServeurDnj = QStringLiteral("www.chateaux-dnj.be");

class Settings {
public:
    // `configPath` empty: the per-user store (XDG_CONFIG_HOME moves it). Otherwise an INI
    // file at that path (tests).
    explicit Settings(QString configPath = {});

    static QString commonSection();                     // "Setup "
    static QString stationSection(const QString &call); // "Setup " + call

    // Raw access, for the typed accessors below and for tests.
    QString value(const QString &section, const QString &key, const QString &def) const;
    void setValue(const QString &section, const QString &key, const QString &value);

    // "Setup "
    QString indicatifStation() const;            // default "FXXXX"
    void setIndicatifStation(const QString &call);
    void setCheminRepertoire(const QString &dir);
    QString serveurCluster() const;              // host of the DX-cluster web pages
    QString serveurDnj() const;                  // host of the award's web pages
    // The radio: rigctld's "host:port", empty for no radio (the default).
    QString radioRigctld() const;
    void setRadioRigctld(const QString &hostPort);
    // Milliseconds between two readings of the radio: 500 when absent, kept within 100-10000.
    int radioIntervalle() const;
    // The DX cluster node of the spots window, "host:port"; empty until the operator gives it.
    // The language the program speaks from its next start: "fr", "nl", "en"; empty (the
    // default) for the system's.
    QString langue() const;
    void setLangue(const QString &language);
    QString clusterTelnet() const;
    void setClusterTelnet(const QString &hostPort);
    // The login sent to the node; `stationShown` (the call with "/") when absent or empty.
    QString clusterIndicatif(const QString &stationShown) const;
    void setClusterIndicatif(const QString &login);
    QString clusterMotDePasse() const;           // the node's password, empty when none
    void setClusterMotDePasse(const QString &password);
    // "Cluster Commandes": what is sent to the node once logged in, ";" between commands;
    // "sh/dx 50" when absent, nothing when empty.
    QString clusterCommandes() const;
    bool spotsNouveaux() const;                  // "Seulement les nouveaux", "Oui" / "Non"
    void setSpotsNouveaux(bool only);

    // "Setup " + call. Index keys: text that is no whole number, or a number outside the
    // list (band -1..11, mode -1..2, cluster band -1..13), reads as 0.
    int bandeUtilisee(const QString &call) const;
    void setBandeUtilisee(const QString &call, int index);
    int modeUtilise(const QString &call) const;
    void setModeUtilise(const QString &call, int index);
    QString dateAuto(const QString &call) const; // default "Oui"; compared by the caller
    void setDateAuto(const QString &call, const QString &value);
    void setRevision(const QString &call, const QString &version);
    int bandeCluster(const QString &call) const;
    void setBandeCluster(const QString &call, int index);
    bool signalSonore(const QString &call) const;  // a beep for a new castle spot; "Non" by default
    void setSignalSonore(const QString &call, bool on);

    QString fileName() const;  // where the store lives on disk

private:
    QString m_path;
};

// The program's directory: the per-user data directory (XDG_DATA_HOME moves it), created
// when missing.
QString programDirectory();

}  // namespace kastlog
