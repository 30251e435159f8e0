#include "reports/reportwindows.h"

#include "ui/openers.h"
#include "reports/adif.h"
#include "reports/contactewindow.h"
#include "reports/recherchewindow.h"
#include "reports/scoreswindow.h"
#include "ui/messagebox.h"
#include "ui/services.h"

#ifdef KASTLOG_HAS_CARTE
#include "reports/map/cartewindow.h"
#endif

#include <QPointer>
#include <QWidget>
#include <memory>

namespace kastlog {

namespace {
// An opener that keeps one window: `create` builds it the first time (and again after it was
// closed); later calls only bring it to the front.
std::function<void()> singleWindow(std::function<QWidget *()> create) {
    auto window = std::make_shared<QPointer<QWidget>>();
    return [window, create] {
        if (!*window) {
            QWidget *w = create();
            if (!w) return;
            w->setAttribute(Qt::WA_DeleteOnClose);
            *window = w;
        }
        (*window)->show();
        (*window)->raise();
        (*window)->activateWindow();
    };
}
}  // namespace

void addReportOpeners(Openers &o, Services &s, StationInfo &station, MainListAccess &mainList,
                      QWidget *mainWindow) {
    o.adif = [&s, &station] {
        const AdifExport r = exporteAdif(s.dataDir, station.stationCall(), station.stationLabelText(), s.faults);
        s.messages->info(r.message);
    };
    o.scores = singleWindow([&s, &station, mainWindow] { return new ScoreChateaux(s, station, mainWindow); });
    o.contacte = singleWindow([&s, &station, mainWindow] { return new AffContacte(s, station, mainWindow); });
    o.recherche =
        singleWindow([&s, &mainList, mainWindow] { return new RechercheIndicatif(s, mainList, mainWindow); });
#ifdef KASTLOG_HAS_CARTE
    o.carte = singleWindow([&s, &station, mainWindow] { return createCarteWindow(s, station, mainWindow); });
#endif
}

}  // namespace kastlog
