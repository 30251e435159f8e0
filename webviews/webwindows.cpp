#include "webviews/webwindows.h"

#include "ui/openers.h"
#include "webviews/cluster.h"
#include "webviews/listednj1.h"
#include "webviews/reglement.h"

#include <QEventLoop>
#include <QPointer>
#include <memory>

namespace kastlog {

namespace {
// The one instance of a window: created when missing, otherwise brought forward.
template <class W, class Make>
W *showSingle(QPointer<W> &window, Make make) {
    if (!window) {
        window = make();
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}
}  // namespace

void addWebOpeners(Openers &o, Services &services, StationInfo &station, QWidget *mainWindow) {
    auto cluster = std::make_shared<QPointer<Cluster>>();
    o.cluster = [cluster, &services, &station, mainWindow] {
        showSingle(*cluster, [&] { return new Cluster(services, station, mainWindow); });
    };

    auto reglement = std::make_shared<QPointer<Reglement>>();
    o.reglement = [reglement, &services, mainWindow] {
        showSingle(*reglement, [&] { return new Reglement(services, mainWindow); });
    };

    auto liste = std::make_shared<QPointer<Liste_DNJ1>>();
    o.listeDnj = [liste, &services, mainWindow] {
        QPointer<Liste_DNJ1> &window = *liste;
        const bool created = !window;
        showSingle(window, [&] {
            auto *w = new Liste_DNJ1(services, mainWindow);
            w->setWindowModality(Qt::ApplicationModal);
            return w;
        });
        if (!created) return;  // already waited on by an outer call
        // The main window waits here, as behind a modal dialog, until the list is closed.
        QEventLoop loop;
        QObject::connect(window.data(), &QObject::destroyed, &loop, &QEventLoop::quit);
        if (window) loop.exec();
    };
}

}  // namespace kastlog
