#include "tests/common/testdirs.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace kastlog::test {

TestDirs::TestDirs() {
    QDir(m_root.path()).mkpath(QStringLiteral("data"));
}

QString TestDirs::dataDir() const { return m_root.path() + QStringLiteral("/data"); }
QString TestDirs::configPath() const { return m_root.path() + QStringLiteral("/config/DNJ.conf"); }
QString TestDirs::path(const QString &name) const { return dataDir() + QLatin1Char('/') + name; }

void TestDirs::writeFile(const QString &name, const QByteArray &bytes) const {
    QFile f(path(name));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) qFatal("cannot write test file");
    f.write(bytes);
}

QByteArray TestDirs::readFile(const QString &name) const {
    QFile f(path(name));
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

bool TestDirs::exists(const QString &name) const { return QFile::exists(path(name)); }

void TestDirs::writeLines(const QString &name, const QStringList &lines) const {
    QByteArray b;
    for (const QString &l : lines) b += l.toLatin1() + "\r\n";
    writeFile(name, b);
}

QStringList TestDirs::readLines(const QString &name) const {
    QStringList out = QString::fromLatin1(readFile(name)).split(QStringLiteral("\r\n"));
    if (!out.isEmpty() && out.last().isEmpty()) out.removeLast();
    return out;
}

void isolateUserDirectories() {
    static QTemporaryDir root;
    qputenv("XDG_CONFIG_HOME", (root.path() + QStringLiteral("/config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", (root.path() + QStringLiteral("/share")).toLocal8Bit());
    QStandardPaths::setTestModeEnabled(false);
}

}  // namespace kastlog::test
