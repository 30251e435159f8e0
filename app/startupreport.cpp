#include "app/startupreport.h"

#include "app/firstpaint.h"
#include "ui/browser.h"
#include "webviews/browser/webengine.h"

#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace kastlog {

void reportStartupWhenAsked(QWidget *window, ui::BrowserFactory *browser) {
    reportFirstPaintWhenAsked(window);
    if (!qEnvironmentVariableIsSet("KASTLOG_REPORT_BROWSER_MODULE")) return;
    // Queued: also runs inside a modal dialog of the first start.
    QTimer::singleShot(0, window, [browser, window] {
        auto *hidden = new QWidget(window, Qt::Window);
        hidden->setObjectName(QStringLiteral("BrowserModuleCheck"));
        auto view = browser->create(hidden);  // its widget belongs to `hidden`
        view->navigate(QStringLiteral("about:blank"));
        const QString path = webengine::loadedModulePath();
        std::printf("browser module: %s\n", path.isEmpty() ? "none" : qPrintable(path));
        std::fflush(stdout);
    });
}

}  // namespace kastlog
