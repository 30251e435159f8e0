#pragma once
// The embedded browser of the program, Qt WebEngine, kept out of start-up: it lives in the
// module kastlog_webengine, loaded when the first web window opens. Including this header
// pulls in no WebEngine.
#include <QString>
#include <QStringList>
#include <memory>

namespace kastlog {
namespace ui {
class BrowserFactory;
}

// The program's browser factory. Its first create() makes the OpenGL context WebEngine
// shares with its windows and loads the module (switching the browser's sandbox off where
// it cannot run, see below); when the module cannot be loaded
// the windows still open, with a plain notice in place of the page.
ui::BrowserFactory *lazyWebEngineFactory();

namespace webengine {

// Where the module is looked for (modules::candidates).
QStringList moduleCandidates(const QString &applicationDir);

// The browser's sandbox cannot run as root nor on the offscreen platform.
bool sandboxMustBeOff(bool runningAsRoot, const QString &platformName);

// Sets QTWEBENGINE_DISABLE_SANDBOX=1 in those cases (an explicit setting is left alone).
// Returns whether the sandbox is off for this process.
bool disableSandboxWhereNeeded();

// Whether the program's factory has loaded the module, and from where (empty if not).
bool moduleLoaded();
QString loadedModulePath();

// A factory like the program's one that looks for the module at `candidates` only (tests).
std::unique_ptr<ui::BrowserFactory> loadingFactory(const QStringList &candidates);

// The name of the C function the module exports, returning its ui::BrowserFactory.
inline constexpr const char *FactorySymbol = "kastlog_webengine_factory";

}  // namespace webengine
}  // namespace kastlog
