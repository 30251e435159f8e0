// The menus of `Main`: Fichier, Date, Station, Liste, Carte, the three commands of the bar,
// and Aide; the history, radio and language items are added by their own files.
#include "mainwindow/mainwindow.h"

#include <QAction>
#include <QMenuBar>

namespace kastlog {

void MainWindow::buildMenus() {
    QMenuBar *bar = menuBar();
    auto menu = [bar](const QString &name, const QString &text) {
        QMenu *m = bar->addMenu(text);
        m->setObjectName(name);
        m->menuAction()->setObjectName(name);
        return m;
    };
    auto item = [this](QMenu *m, const QString &name, const QString &text, auto slot) {
        QAction *a = m->addAction(text);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    auto top = [this, bar](const QString &name, const QString &text, auto slot) {
        QAction *a = bar->addAction(text);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, slot);
    };

    QMenu *fichier = menu(QStringLiteral("Mnu_Fichier"), tr("&Fichier"));
    item(fichier, QStringLiteral("Mnu_Quitter"), tr("&Quitter KASTLOG"), [this] { Mnu_Quitter_Click(); });
    item(fichier, QStringLiteral("Mnu_ADIF"), tr("&Exporter le log au format ADIF"),
         [this] { open(m_openers.adif); });
    item(fichier, QStringLiteral("Mnu_Import_ADIF"), tr("&Importer un fichier ADIF..."),
         [this] { Mnu_Import_ADIF_Click(); });
    buildHistoryItems(fichier);
    QMenu *date = menu(QStringLiteral("Mnu_Date"), tr("&Date"));
    Mnu_Date_Auto = item(date, QStringLiteral("Mnu_Date_Auto"), tr("&Automatique"),
                         [this] { Mnu_Date_Auto_Click(); });
    Mnu_Date_Man = item(date, QStringLiteral("Mnu_Date_Man"), tr("&Manuelle"),
                        [this] { Mnu_Date_Man_Click(); });
    Mnu_Date_Auto->setCheckable(true);
    Mnu_Date_Man->setCheckable(true);
    Mnu_Date_Auto->setChecked(true);
    QMenu *station = menu(QStringLiteral("Mnu_Station"), tr("&Station"));
    item(station, QStringLiteral("Mnu_New_Indicatif"), tr("&Nouvel indicatif"),
         [this] { Mnu_New_Indicatif_Click(); });
    buildRadioItems(station);
    QMenu *liste = menu(QStringLiteral("Mnu_Liste"), tr("&Liste"));
    item(liste, QStringLiteral("Mnu_C_Contacte"), tr("&des Chateaux contactés"),
         [this] { open(m_openers.contacte); });
    QMenu *carte = menu(QStringLiteral("Mnu_Carte"), tr("&Carte"));
    item(carte, QStringLiteral("Mnu_Carte_Acti_DNJ"), tr("des &Provinces contactées"),
         [this] { open(m_openers.carte); });
    top(QStringLiteral("Mnu_Score"), tr("Sc&ores"), [this] { open(m_openers.scores); });
    top(QStringLiteral("Mnu_Cluster"), tr("Affic&her le cluster"), [this] { open(m_openers.cluster); });
    top(QStringLiteral("Mnu_Spots"), tr("Spo&ts"), [this] { Mnu_Spots_Click(); });
    QMenu *aide = menu(QStringLiteral("Mnu_Aide"), tr("&Aide"));
    item(aide, QStringLiteral("Mnu_APropos"), tr("A_&Propos"), [this] { Mnu_APropos_Click(); });
    item(aide, QStringLiteral("Mnu_Reglement"), tr("&Règlement"), [this] { open(m_openers.reglement); });
    item(aide, QStringLiteral("Mnu_Historique"), tr("&Historique"), [this] { Mnu_Historique_Click(); });
    buildLanguageItems(aide);
}

}  // namespace kastlog
