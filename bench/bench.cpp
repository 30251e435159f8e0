#include "bench/bench.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <map>
#include <unistd.h>
#include <vector>

namespace bench {
namespace {
std::multimap<int, std::pair<const char *, Case>> &registry() {
    static std::multimap<int, std::pair<const char *, Case>> r;
    return r;
}
}  // namespace

Registrar::Registrar(int order, const char *name, Case c) { registry().emplace(order, std::make_pair(name, std::move(c))); }

double medianMs(int runs, const std::function<void()> &timed, const std::function<void()> &setup) {
    std::vector<double> t;
    for (int i = 0; i < runs; ++i) {
        if (setup) setup();
        QElapsedTimer e;
        e.start();
        timed();
        t.push_back(e.nsecsElapsed() / 1e6);
    }
    std::sort(t.begin(), t.end());
    return t[t.size() / 2];
}

void print(const QString &name, double ms) {
    std::printf("%s: median %.2f ms\n", qPrintable(name), ms);
    std::fflush(stdout);
}

void printRatio(const QString &name, double ms, double floorMs) {
    std::printf("%s: median %.2f ms  ratio %.2fx\n", qPrintable(name), ms, floorMs > 0 ? ms / floorMs : 0.0);
    std::fflush(stdout);
}

double copyFloorMs(const QString &source, const QString &dest, int runs) {
    QFile in(source);
    in.open(QIODevice::ReadOnly);
    const QByteArray bytes = in.readAll();
    const QByteArray d = QFile::encodeName(dest);
    return medianMs(runs, [&] {
        int fd = ::open(d.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0) return;
        ssize_t w = ::write(fd, bytes.constData(), size_t(bytes.size()));
        (void)w;
        ::fsync(fd);
        ::close(fd);
    });
}

QString scratchDir() {
    static QTemporaryDir dir;
    return dir.path();
}

}  // namespace bench

int main(int argc, char **argv) {
    // The window cases need a QApplication; they create one through this hook if present.
    extern int benchMain(int, char **, const std::function<void()> &);
    return benchMain(argc, argv, [] {
        // BENCH_ONLY=text runs only the cases whose name holds it.
        const QByteArray only = qgetenv("BENCH_ONLY");
        for (auto &[order, c] : bench::registry()) {
            (void)order;
            if (!only.isEmpty() && !QByteArray(c.first).contains(only)) continue;
            std::printf("-- %s\n", c.first);
            c.second();
        }
    });
}
