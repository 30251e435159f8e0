#pragma once
// The program's command line: --help, --version and the import of an ADIF file without a
// window. Without arguments of its own, the window starts.
#include <QStringList>
#include <QTextStream>

namespace kastlog {

class Settings;

// Runs the command line when the program is given arguments of its own and returns the
// exit code (0 done, 1 the file or the log cannot be read or written, 2 bad usage: an
// unknown option or a bare file name); returns -1 when the window is to start. Call before
// any application object exists.
int runCommandLine(int argc, char **argv);

// The same on arguments without the program name, once an application object exists;
// `dataDir` is the program's directory, `defaultStation` the station of the settings, which
// `settings` (when given) holds and receives a station created by --station.
int commandLine(const QStringList &args, const QString &dataDir, const QString &defaultStation,
                QTextStream &out, QTextStream &err, Settings *settings = nullptr);

// The program's own arguments among `args` (without the program name): all but the
// toolkit's options, with one dash or two, and their values, and all after --webEngineArgs,
// which go to the browser. None: the window starts.
QStringList programArguments(const QStringList &args);

}  // namespace kastlog
