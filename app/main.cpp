// KASTLOG: one window, `Main`, over the station's log in the per-user data directory.
#include "app/commandline.h"
#include "app/startupreport.h"
#include "app/termination.h"
#include "i18n/language.h"
#include "logstore/clock.h"
#include "mainwindow/instance.h"
#include "mainwindow/mainwindow.h"
#include "reports/reportwindows.h"
#include "settings/settings.h"
#include "ui/deferredicons.h"
#include "ui/messagebox.h"
#include "ui/lazyprinter.h"
#include "ui/services.h"
#include "webviews/browser/webengine.h"
#include "webviews/webwindows.h"

#include <QApplication>

#include <csignal>

int main(int argc, char **argv) {
    // Past a file-size limit a write then fails (EFBIG) and is reported as every failed write
    // is, instead of the signal killing the program halfway through a change.
    std::signal(SIGXFSZ, SIG_IGN);
    if (const int code = kastlog::runCommandLine(argc, argv); code >= 0) return code;
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("DNJ"));
    QApplication::setApplicationName(QStringLiteral("KASTLOG"));
    QApplication::setStyle(new kastlog::ui::DeferredIconStyle);
    // From the first moment: a signal during start-up ends the program at its first event,
    // with the lock released, instead of killing it.
    kastlog::quitOnTerminationSignals();
    // The operator's language (Aide > Langue, else the system's), the toolkit's own words
    // ("Oui", "Non", "Annuler") with it; before the first message.
    kastlog::i18n::installChosenLanguage(kastlog::Settings().langue());

    kastlog::ui::QtMessageBox messages;
    const QString dir = kastlog::programDirectory();
    // Taken before anything writes a setting or a file.
    const kastlog::InstanceLock lock =
        kastlog::takeInstanceLock(dir, [&](const QString &question) { return messages.askYesNo(question); });
    if (!lock) {
        if (!lock.refusal.isEmpty()) messages.info(lock.refusal);
        return 1;
    }
    kastlog::ensureTemplate(dir);

    kastlog::Settings settings;
    kastlog::SystemClock clock;
    kastlog::ui::LazyPrinter printer;
    kastlog::Services services;
    services.dataDir = dir;
    services.settings = &settings;
    services.clock = &clock;
    services.messages = &messages;
    services.printer = &printer;
    services.browser = kastlog::lazyWebEngineFactory();

    kastlog::MainWindow window(services);
    kastlog::addReportOpeners(window.openers(), services, window, window, &window);
    kastlog::addWebOpeners(window.openers(), services, window, &window);
    kastlog::reportStartupWhenAsked(&window, services.browser);
    if (!window.start() || kastlog::terminationRequested()) return 0;
    return app.exec();
}
