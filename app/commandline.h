#pragma once
// The program's command line: --help, --version and the import of an ADIF file without a
// window. Everything else starts the window.
#include <QStringList>
#include <QTextStream>

namespace kastlog {

class Settings;

// Runs the command line when its first argument is one of the program's options and returns
// the exit code (0 done, 1 the file or the log cannot be read or written, 2 bad usage);
// returns -1 when the window is to start. Call before any application object exists.
int runCommandLine(int argc, char **argv);

// The same on arguments without the program name, once an application object exists;
// `dataDir` is the program's directory, `defaultStation` the station of the settings, which
// `settings` (when given) holds and receives a station created by --station.
int commandLine(const QStringList &args, const QString &dataDir, const QString &defaultStation,
                QTextStream &out, QTextStream &err, Settings *settings = nullptr);

// Whether `arg`, the first argument, belongs to the command line: "-h" or any "--" option
// that is not one of the toolkit's own.
bool isProgramOption(const QString &arg);

}  // namespace kastlog
