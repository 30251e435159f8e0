// Aide > Langue: the language the program speaks, chosen over the system's; it is in force
// from the next start, since every window is built with the texts of the current one.
#include "mainwindow/mainwindow.h"
#include "settings/settings.h"
#include "ui/messagebox.h"

#include <QActionGroup>
#include <QMenu>

namespace kastlog {

void MainWindow::buildLanguageItems(QMenu *aide) {
    QMenu *langue = aide->addMenu(tr("&Langue"));
    langue->setObjectName(QStringLiteral("Mnu_Langue"));
    langue->menuAction()->setObjectName(QStringLiteral("Mnu_Langue"));
    auto *group = new QActionGroup(langue);
    struct Choice {
        const char *name;
        QString text;
        const char *setting;  // the setting "Langue"; empty: the system's language
    };
    // Each language is named in its own words, whatever the program speaks.
    const Choice choices[] = {{"Mnu_Langue_Auto", tr("&Automatique"), ""},
                              {"Mnu_Langue_Fr", QStringLiteral("&Français"), "fr"},
                              {"Mnu_Langue_Nl", QStringLiteral("&Nederlands"), "nl"},
                              {"Mnu_Langue_En", QStringLiteral("&English"), "en"}};
    const QString current = m_s.settings->langue();
    bool known = false;
    for (const Choice &c : choices) known = known || current == QLatin1String(c.setting);
    for (const Choice &c : choices) {
        QAction *a = langue->addAction(c.text);
        a->setObjectName(QLatin1String(c.name));
        a->setCheckable(true);
        a->setActionGroup(group);
        const QString setting = QLatin1String(c.setting);
        a->setChecked(known ? current == setting : setting.isEmpty());
        connect(a, &QAction::triggered, this, [this, setting] { chooseLanguage(setting); });
    }
}

void MainWindow::chooseLanguage(const QString &setting) {
    if (m_s.settings->langue() == setting) return;
    m_s.settings->setLangue(setting);
    m_s.messages->info(tr("La langue choisie sera celle de KASTLOG à son prochain démarrage."));
}

}  // namespace kastlog
