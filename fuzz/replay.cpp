// Runs a fuzz target once over every file of the corpus folders (or files) it is given:
// the kept corpus and the inputs that once broke it stay regression tests in a build
// without libFuzzer. A broken property aborts, which fails the run.
#include "fuzz/check.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char **argv) {
    int files = 0;
    for (int i = 1; i < argc; ++i) {
        const QFileInfo arg(QString::fromLocal8Bit(argv[i]));
        QStringList paths;
        if (arg.isDir()) {
            const QDir dir(arg.filePath());
            for (const QString &name : dir.entryList(QDir::Files, QDir::Name)) paths << dir.filePath(name);
        } else {
            paths << arg.filePath();
        }
        for (const QString &path : paths) {
            QFile f(path);
            if (!f.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
                return 2;
            }
            const QByteArray input = f.readAll();
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(input.constData()), size_t(input.size()));
            ++files;
        }
    }
    std::printf("%d inputs replayed\n", files);
    // An empty corpus would make the test pass on nothing.
    return files > 0 ? 0 : 3;
}
