#include "ui/modules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace kastlog::modules {

QStringList candidates(const QString &file, const QString &applicationDir) {
    QStringList out;
    const QDir dir(applicationDir);
    out << QDir::cleanPath(dir.filePath(file));
    out << QDir::cleanPath(dir.filePath(QStringLiteral("../lib/kastlog/") + file));
    const QString extra = qEnvironmentVariable(ExtraPlaceVariable);
    if (!extra.isEmpty()) {
        const QString p = QDir::cleanPath(extra + QLatin1Char('/') + file);
        if (!out.contains(p)) out << p;
    }
    return out;
}

Resolved resolve(const char *what, const QString &file, const char *symbol, QStringList places) {
    if (places.isEmpty()) places = candidates(file, QCoreApplication::applicationDirPath());
    Resolved r;
    QStringList tried;
    for (const QString &path : qAsConst(places)) {
        if (!QFileInfo::exists(path)) {
            tried << path + QStringLiteral(": absent");
            continue;
        }
        QLibrary lib(path);  // the handle may go: the library stays loaded
        if ((r.function = reinterpret_cast<void *>(lib.resolve(symbol)))) {
            r.path = path;
            return r;
        }
        tried << path + QStringLiteral(": ") + lib.errorString();
    }
    qWarning("KASTLOG: %s module %s not loaded (%s)", what, qPrintable(file),
             qPrintable(tried.join(QStringLiteral("; "))));
    return r;
}

}  // namespace kastlog::modules
