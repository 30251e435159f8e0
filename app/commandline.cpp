#include "app/commandline.h"

#include "mainwindow/instance.h"
#include "reports/adifimport/importer.h"
#include "settings/settings.h"
#include "settings/stationcall.h"

#include <QCoreApplication>

namespace kastlog {

namespace {
const QString Usage = QStringLiteral(
    "Usage : kastlog [--import-adif FICHIER [--station INDICATIF]]\n"
    "\n"
    "Sans option, ouvre la fenêtre du log.\n"
    "\n"
    "  --import-adif FICHIER  importe les QSO de châteaux d'un fichier ADIF (.adi ou .adx)\n"
    "                         dans le log de la station, sans fenêtre ; affiche les\n"
    "                         comptes puis une ligne par QSO non importé\n"
    "  --station INDICATIF    la station dont le log reçoit les QSO (par défaut : celle\n"
    "                         des réglages)\n"
    "  --help                 affiche cette aide\n"
    "  --version              affiche la version\n"
    "\n"
    "Code de sortie : 0 importation faite (même sans QSO importé), 1 fichier ou log\n"
    "illisible ou impossible à écrire (log inchangé), 2 mauvais usage.\n");

int badUsage(QTextStream &err, const QString &why) {
    err << "kastlog : " << why << "\n" << "Essayez « kastlog --help ».\n";
    err.flush();
    return 2;
}
}  // namespace

bool isProgramOption(const QString &arg) {
    if (arg == QLatin1String("-h")) return true;
    if (!arg.startsWith(QLatin1String("--"))) return false;
    // The toolkit's own options, which it also takes with two dashes, go to the window.
    static const char *const toolkit[] = {"platform", "platformpluginpath", "platformtheme", "plugin", "style",
                                          "stylesheet", "qwindowgeometry", "qwindowtitle", "qwindowicon",
                                          "reverse", "session", "widgetcount", "display", "geometry",
                                          "webEngineArgs"};
    for (const char *t : toolkit)
        if (arg.mid(2) == QLatin1String(t)) return false;
    return true;
}

int commandLine(const QStringList &args, const QString &dataDir, const QString &defaultStation, QTextStream &out,
                QTextStream &err) {
    QString file, station;
    bool haveFile = false, haveStation = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            out << Usage;
            return 0;
        }
        if (a == QLatin1String("--version")) {
            out << "kastlog " << KASTLOG_VERSION << "\n";
            return 0;
        }
        if (a == QLatin1String("--import-adif") || a == QLatin1String("--station")) {
            const bool isFile = a == QLatin1String("--import-adif");
            if ((isFile && haveFile) || (!isFile && haveStation)) return badUsage(err, a + QStringLiteral(" donné deux fois"));
            if (i + 1 >= args.size() || args[i + 1].isEmpty())
                return badUsage(err, a + QStringLiteral(" attend une valeur"));
            (isFile ? file : station) = args[++i];
            (isFile ? haveFile : haveStation) = true;
            continue;
        }
        return badUsage(err, QStringLiteral("option inconnue : ") + a);
    }
    if (!haveFile) return badUsage(err, QStringLiteral("--station va avec --import-adif FICHIER"));

    if (haveStation) {
        station = station::capitals(station).replace(QLatin1Char('/'), QLatin1Char('_'));
        const station::Check c = station::check(station);
        if (c != station::Check::Ok) return badUsage(err, station::message(c));
    } else {
        station = defaultStation;
        if (station == station::Placeholder) {
            err << "kastlog : aucune station n'est encore configurée : donnez --station INDICATIF\n";
            return 1;
        }
    }

    // The same lock as the window: two programs writing one log would lose QSOs.
    const auto lock = takeInstanceLock(dataDir);
    if (!lock) {
        err << "kastlog : " << AlreadyRunning << "\n";
        return 1;
    }
    const adifimport::PreparedImport p = adifimport::prepareImport(dataDir, station, file);
    if (!p.ok) {
        err << "kastlog : " << p.error << "\n";
        return 1;
    }
    out << p.plan.countsLine() << "\n";
    for (const adifimport::ImportLine &l : p.plan.lines)
        if (l.outcome != adifimport::Outcome::Taken) out << adifimport::refusalLine(l) << "\n";
    out.flush();
    const adifimport::ImportWritten w = adifimport::writeImport(dataDir, station, p.plan);
    for (const history::KeptProblem &k : history::problems(w.history))  // the QSOs are in the log all the same
        err << "kastlog : " << k.what << " : " << k.fileName << " : " << k.reason << "\n";
    if (!w.error.isEmpty()) {
        err << "kastlog : " << w.error << "\n";
        return 1;
    }
    return 0;
}

int runCommandLine(int argc, char **argv) {
    if (argc < 2 || !isProgramOption(QString::fromLocal8Bit(argv[1]))) return -1;
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("DNJ"));
    QCoreApplication::setApplicationName(QStringLiteral("KASTLOG"));
    QTextStream out(stdout), err(stderr);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    // The settings are read only when no station is given.
    const bool needSettings = !args.contains(QLatin1String("--station"));
    const QString dir = programDirectory();
    return commandLine(args, dir, needSettings ? Settings().indicatifStation() : QString(), out, err);
}

}  // namespace kastlog
