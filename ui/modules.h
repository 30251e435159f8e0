#pragma once
// The program's modules: parts kept out of start-up because the Qt libraries they need
// (WebEngine, Network, PrintSupport) take milliseconds to load and relocate. Each is a
// shared library in lib/kastlog, loaded when first needed and never unloaded, and hands
// out its object through one exported C function.
#include <QString>
#include <QStringList>

namespace kastlog::modules {

// The folder named by this variable is looked in last. The tests, which run from elsewhere
// in the build tree, name the build's modules there; nothing else sets it, so the program
// holds no path of the tree it was built in.
inline constexpr char ExtraPlaceVariable[] = "KASTLOG_MODULE_PATH";

// Where module `file` is looked for, in order: next to the executable, then ../lib/kastlog
// relative to it (installed; the program in the build tree finds the built modules there
// too), then the folder of ExtraPlaceVariable when set.
QStringList candidates(const QString &file, const QString &applicationDir);

struct Resolved {
    void *function = nullptr;  // nullptr when no place had it
    QString path;              // the file it came from
    template <typename Function>
    Function as() const { return reinterpret_cast<Function>(function); }
};

// Loads `file` from the first of `places` that holds it (empty: the candidates above) and
// finds its function `symbol`. When none has it, a warning names the module by `what`
// ("browser", "printing"...) and says what each place answered.
Resolved resolve(const char *what, const QString &file, const char *symbol, QStringList places = {});

}  // namespace kastlog::modules
