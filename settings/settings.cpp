#include "settings/settings.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <memory>

namespace kastlog {

namespace {

const QString Setup = QStringLiteral("Setup ");  // with its trailing blank
const QString Placeholder = QStringLiteral("FXXXX");

const QString KeyIndicatif = QStringLiteral("Indicatif Station");
const QString KeyChemin = QStringLiteral("Chemin Repertoire");
const QString KeyCluster = QStringLiteral("Serveur Cluster");
const QString KeyDnj = QStringLiteral("Serveur DNJ");
const QString KeyBande = QStringLiteral("bande Utilisee");
const QString KeyMode = QStringLiteral("Mode Utilise");
const QString KeyDateAuto = QStringLiteral("Date Auto");
const QString KeyRevision = QStringLiteral("Revision");
const QString KeyBandeCluster = QStringLiteral("bande Cluster");

// Highest index of each list; -1 (no entry) is the lowest.
constexpr int LastBand = 11, LastMode = 2, LastClusterBand = 13;

// The per-user store: $XDG_CONFIG_HOME/DNJ/KASTLOG.conf (~/.config when unset).
QString userStore() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/DNJ/KASTLOG.conf");
}

// A fresh store for every access: nothing is cached between two operations.
std::unique_ptr<QSettings> open(const QString &path) {
    return std::make_unique<QSettings>(path.isEmpty() ? userStore() : path, QSettings::IniFormat);
}

// An index key: whole decimal text within -1..last, anything else is the first entry.
int toIndex(const QString &text, int last) {
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    if (!ok || n < -1 || n > last) return 0;
    return n;
}

}  // namespace

Settings::Settings(QString configPath) : m_path(std::move(configPath)) {}

QString Settings::commonSection() { return Setup; }
QString Settings::stationSection(const QString &call) { return Setup + call; }

QString Settings::value(const QString &section, const QString &key, const QString &def) const {
    auto s = open(m_path);
    s->beginGroup(section);
    const QVariant v = s->value(key);
    if (!v.isValid()) return def;
    return v.toString();
}

void Settings::setValue(const QString &section, const QString &key, const QString &value) {
    auto s = open(m_path);
    s->beginGroup(section);
    // A value the store already holds is not written again: every start-up sets the folder and
    // the revision, and a write syncs the file to the disk.
    if (const QVariant old = s->value(key); old.isValid() && old.toString() == value) return;
    s->setValue(key, value);
    s->endGroup();
    s->sync();
}

QString Settings::indicatifStation() const { return value(Setup, KeyIndicatif, Placeholder); }
void Settings::setIndicatifStation(const QString &call) { setValue(Setup, KeyIndicatif, call); }
void Settings::setCheminRepertoire(const QString &dir) {
    setValue(Setup, KeyChemin, QDir::toNativeSeparators(dir));
}
QString Settings::langue() const { return value(Setup, QStringLiteral("Langue"), {}); }
void Settings::setLangue(const QString &language) { setValue(Setup, QStringLiteral("Langue"), language); }
QString Settings::clusterTelnet() const { return value(Setup, QStringLiteral("Cluster Telnet"), {}); }
void Settings::setClusterTelnet(const QString &hostPort) { setValue(Setup, QStringLiteral("Cluster Telnet"), hostPort); }
QString Settings::clusterIndicatif(const QString &stationShown) const {
    const QString login = value(Setup, QStringLiteral("Cluster Indicatif"), {}).trimmed();
    return login.isEmpty() ? stationShown : login;
}
void Settings::setClusterIndicatif(const QString &login) { setValue(Setup, QStringLiteral("Cluster Indicatif"), login); }
QString Settings::clusterMotDePasse() const { return value(Setup, QStringLiteral("Cluster Mot de passe"), {}); }
void Settings::setClusterMotDePasse(const QString &password) {
    setValue(Setup, QStringLiteral("Cluster Mot de passe"), password);
}
QString Settings::clusterCommandes() const {
    return value(Setup, QStringLiteral("Cluster Commandes"), QStringLiteral("sh/dx 50"));
}
bool Settings::spotsNouveaux() const {
    return value(Setup, QStringLiteral("Spots Nouveaux"), QStringLiteral("Non")) == QStringLiteral("Oui");
}
void Settings::setSpotsNouveaux(bool only) {
    setValue(Setup, QStringLiteral("Spots Nouveaux"), only ? QStringLiteral("Oui") : QStringLiteral("Non"));
}

QString Settings::serveurCluster() const { return value(Setup, KeyCluster, DefaultServeurCluster); }
QString Settings::serveurDnj() const { return value(Setup, KeyDnj, DefaultServeurDnj); }
QString Settings::radioRigctld() const { return value(Setup, QStringLiteral("Radio Rigctld"), {}); }
void Settings::setRadioRigctld(const QString &hostPort) { setValue(Setup, QStringLiteral("Radio Rigctld"), hostPort); }
int Settings::radioIntervalle() const {
    bool ok = false;
    const int ms = value(Setup, QStringLiteral("Radio Intervalle"), {}).trimmed().toInt(&ok);
    return ok ? qBound(100, ms, 10000) : 500;
}

int Settings::bandeUtilisee(const QString &call) const {
    return toIndex(value(stationSection(call), KeyBande, QStringLiteral("0")), LastBand);
}
void Settings::setBandeUtilisee(const QString &call, int index) {
    setValue(stationSection(call), KeyBande, QString::number(index));
}
int Settings::modeUtilise(const QString &call) const {
    return toIndex(value(stationSection(call), KeyMode, QStringLiteral("0")), LastMode);
}
void Settings::setModeUtilise(const QString &call, int index) {
    setValue(stationSection(call), KeyMode, QString::number(index));
}
QString Settings::dateAuto(const QString &call) const {
    return value(stationSection(call), KeyDateAuto, QStringLiteral("Oui"));
}
void Settings::setDateAuto(const QString &call, const QString &v) {
    setValue(stationSection(call), KeyDateAuto, v);
}
void Settings::setRevision(const QString &call, const QString &version) {
    setValue(stationSection(call), KeyRevision, version);
}
int Settings::bandeCluster(const QString &call) const {
    return toIndex(value(stationSection(call), KeyBandeCluster, QStringLiteral("0")), LastClusterBand);
}
void Settings::setBandeCluster(const QString &call, int index) {
    setValue(stationSection(call), KeyBandeCluster, QString::number(index));
}
bool Settings::signalSonore(const QString &call) const {
    return value(stationSection(call), QStringLiteral("Signal Sonore"), QStringLiteral("Non")) == QStringLiteral("Oui");
}
void Settings::setSignalSonore(const QString &call, bool on) {
    setValue(stationSection(call), QStringLiteral("Signal Sonore"), on ? QStringLiteral("Oui") : QStringLiteral("Non"));
}

QString Settings::fileName() const { return open(m_path)->fileName(); }

QString programDirectory() {
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(dir);
    return dir;
}

}  // namespace kastlog
