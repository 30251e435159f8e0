#pragma once
// Temporary program directory and settings store for one test.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace kastlog::test {

class TestDirs {
public:
    TestDirs();
    QString dataDir() const;     // the program's directory
    QString configPath() const;  // an INI file for Settings
    QString path(const QString &name) const;  // a file in the program's directory

    // Raw file helpers, byte for byte.
    void writeFile(const QString &name, const QByteArray &bytes) const;
    QByteArray readFile(const QString &name) const;
    bool exists(const QString &name) const;
    // Writes lines each followed by CR LF (Latin-1 for the test's ASCII/Latin-1 text).
    void writeLines(const QString &name, const QStringList &lines) const;
    QStringList readLines(const QString &name) const;  // split on CR LF, last empty dropped

private:
    QTemporaryDir m_root;
};

// Points XDG_CONFIG_HOME and XDG_DATA_HOME at fresh temporary folders for the whole test
// program, so that nothing touches the real ones of the person running it.
void isolateUserDirectories();

}  // namespace kastlog::test
