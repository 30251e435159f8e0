#include "app/commandline.h"

#include "i18n/language.h"
#include "logstore/logstore.h"
#include "mainwindow/instance.h"
#include "reports/adifimport/importer.h"
#include "settings/settings.h"
#include "settings/stationcall.h"

#include <QCoreApplication>
#include <QDir>

namespace kastlog {

namespace {
// Made when asked: the translation is known only once the application runs.
QString usage() {
    //: --help; the option names (--import-adif, --station, --help, --version) stay as they are
    return QCoreApplication::translate("CommandLine",
    "Usage : kastlog [--import-adif FICHIER [--station INDICATIF]]\n"
    "\n"
    "Sans option, ouvre la fenêtre du log.\n"
    "\n"
    "  --import-adif FICHIER  importe les QSO de châteaux et les confirmations QSL d'un\n"
    "                         fichier ADIF (.adi ou .adx) dans le log de la station, sans\n"
    "                         fenêtre ; affiche les comptes, une ligne par QSO non\n"
    "                         importé, puis les avertissements\n"
    "  --station INDICATIF    la station dont le log reçoit les QSO (par défaut : celle\n"
    "                         des réglages) ; son log est créé s'il n'existe pas\n"
    "  --help                 affiche cette aide\n"
    "  --version              affiche la version\n"
    "\n"
    "Code de sortie : 0 importation faite (même sans QSO importé), 1 fichier ou log\n"
    "illisible, endommagé, sans QSO ou impossible à écrire (log inchangé), 2 mauvais\n"
    "usage.\n");
}

// The program's name before each message on the error output.
QString named(const QString &message) {
    //: the program's name, then an error message
    return QCoreApplication::translate("CommandLine", "kastlog : %1").arg(message);
}

int badUsage(QTextStream &err, const QString &why) {
    err << named(why) << "\n" << QCoreApplication::translate("CommandLine", "Essayez « kastlog --help ».") << "\n";
    err.flush();
    return 2;
}
}  // namespace

QStringList programArguments(const QStringList &args) {
    // The toolkit's own options (Qt takes them with one dash or two) and whether a value
    // follows; the X11 ones are the xcb platform's.
    struct ToolkitOption {
        const char *name;
        bool value;
    };
    static const ToolkitOption toolkit[] = {
        {"platform", true},    {"platformpluginpath", true}, {"platformtheme", true}, {"plugin", true},
        {"style", true},       {"stylesheet", true},         {"session", true},       {"qwindowgeometry", true},
        {"qwindowtitle", true}, {"qwindowicon", true},       {"reverse", false},      {"widgetcount", false},
        {"display", true},     {"geometry", true},           {"title", true},         {"icon", true},
        {"name", true},        {"nograb", false},            {"dograb", false},       {"sync", false}};
    QStringList own;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        // What follows belongs to the browser.
        if (a == QLatin1String("--webEngineArgs")) break;
        const QString name = a.startsWith(QLatin1String("--")) ? a.mid(2)
                             : a.startsWith(QLatin1Char('-')) ? a.mid(1)
                                                               : QString();
        const ToolkitOption *match = nullptr;
        for (const ToolkitOption &t : toolkit)
            if (name == QLatin1String(t.name) ||
                (t.value && name.startsWith(QLatin1String(t.name) + QLatin1Char('='))))  // -style=fusion
                match = &t;
        if (!match) {
            own << a;
            continue;
        }
        if (match->value && !name.contains(QLatin1Char('='))) ++i;  // its value
    }
    return own;
}

int commandLine(const QStringList &args, const QString &dataDir, const QString &defaultStation, QTextStream &out,
                QTextStream &err, Settings *settings) {
    QString file, station;
    bool haveFile = false, haveStation = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            out << usage();
            return 0;
        }
        if (a == QLatin1String("--version")) {
            out << "kastlog " << KASTLOG_VERSION << "\n";
            return 0;
        }
        if (a == QLatin1String("--import-adif") || a == QLatin1String("--station")) {
            const bool isFile = a == QLatin1String("--import-adif");
            if ((isFile && haveFile) || (!isFile && haveStation))
                //: %1 the option
                return badUsage(err, QCoreApplication::translate("CommandLine", "%1 donné deux fois").arg(a));
            if (i + 1 >= args.size() || args[i + 1].isEmpty())
                //: %1 the option
                return badUsage(err, QCoreApplication::translate("CommandLine", "%1 attend une valeur").arg(a));
            (isFile ? file : station) = args[++i];
            (isFile ? haveFile : haveStation) = true;
            continue;
        }
        return badUsage(err, a.startsWith(QLatin1Char('-'))
                                 ? QCoreApplication::translate("CommandLine", "option inconnue : %1").arg(a)
                                 : QCoreApplication::translate("CommandLine", "argument inattendu : %1").arg(a));
    }
    if (!haveFile)
        return badUsage(err, QCoreApplication::translate("CommandLine", "--station va avec --import-adif FICHIER"));

    if (haveStation) {
        station = station::capitals(station).replace(QLatin1Char('/'), QLatin1Char('_'));
        const station::Check c = station::check(station);
        if (c != station::Check::Ok) return badUsage(err, station::message(c));
    } else {
        station = defaultStation;
        if (station == station::Placeholder) {
            err << named(QCoreApplication::translate("CommandLine", "aucune station n'est encore configurée : donnez "
                                                                    "--station INDICATIF"))
                << "\n";
            return 1;
        }
    }

    // The same lock as the window: two programs writing one log would lose QSOs.
    // Nobody to ask here whether another computer's lock may be taken over.
    const InstanceLock lock = takeInstanceLock(dataDir);
    if (!lock) {
        err << named(QString(lock.refusal).replace(QLatin1String("\r\n"), QLatin1String("\n"))) << "\n";
        return 1;
    }
    // A station named here whose log does not exist yet is created as the station dialog
    // creates it: its log from the template, its first band and mode; it becomes the
    // program's station when none is set up yet.
    const auto createLog = [&] {
        if (!haveStation || !ensureTemplate(dataDir) || !creationFichierLog(dataDir, station)) return false;
        if (settings) {
            settings->setBandeUtilisee(station, 0);
            settings->setModeUtilise(station, 0);
            if (settings->indicatifStation() == station::Placeholder) settings->setIndicatifStation(station);
        }
        //: %1 the station's call sign, %2 its new log file
        out << QCoreApplication::translate("CommandLine", "Nouveau log créé pour la station %1 : %2")
                   .arg(station::displayed(station), QDir(dataDir).filePath(files::logName(station)))
            << "\n";
        return true;
    };
    const adifimport::PreparedImport p = adifimport::prepareImport(dataDir, station, file, createLog);
    if (!p.ok) {
        err << named(p.error) << "\n";
        return 1;
    }
    out << p.plan.countsLine() << "\n";
    for (const adifimport::ImportLine &l : p.plan.lines)
        if (l.outcome != adifimport::Outcome::Taken && l.outcome != adifimport::Outcome::Confirmed)
            out << adifimport::refusalLine(l) << "\n";
    // The warnings the preview shows, after the refusals.
    for (const adifimport::ImportLine &l : p.plan.lines)
        for (const QString &w : adifimport::warningLines(l)) out << w << "\n";
    out.flush();
    // A damaged file is imported whole or not at all from here: the operator mends it first.
    if (!p.plan.fileProblem.isEmpty()) {
        //: %1 what is wrong with the ADIF file
        err << named(QCoreApplication::translate("CommandLine", "%1 : rien n'est importé").arg(p.plan.fileProblem))
            << "\n";
        return 1;
    }
    const adifimport::ImportWritten w = adifimport::writeImport(dataDir, station, p.plan);
    for (const history::KeptProblem &k : history::problems(w.history)) {  // the QSOs are in the log all the same
        //: %1 what was not kept of the log's history, %2 the file, %3 the reason
        err << named(QCoreApplication::translate("CommandLine", "%1 : %2 : %3").arg(k.what, k.fileName, k.reason))
            << "\n";
    }
    if (!w.error.isEmpty()) {
        err << named(w.error) << "\n";
        return 1;
    }
    return 0;
}

int runCommandLine(int argc, char **argv) {
    QStringList given;
    for (int i = 1; i < argc; ++i) given << QString::fromLocal8Bit(argv[i]);
    const QStringList args = programArguments(given);
    if (args.isEmpty()) return -1;
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("DNJ"));
    QCoreApplication::setApplicationName(QStringLiteral("KASTLOG"));
    QTextStream out(stdout), err(stderr);
    // The settings are read only when no station is given, and written only for a new one.
    const bool needSettings = !args.contains(QLatin1String("--station"));
    const QString dir = programDirectory();
    Settings settings;
    i18n::installChosenLanguage(settings.langue());
    return commandLine(args, dir, needSettings ? settings.indicatifStation() : QString(), out, err, &settings);
}

}  // namespace kastlog
