#include "bench/bench.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <map>
#include <sys/resource.h>
#include <sys/wait.h>
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

namespace {
// One plain copy of `bytes` to `dest` with fsync, in milliseconds.
double copyOnce(const QByteArray &bytes, const QByteArray &dest) {
    QElapsedTimer e;
    e.start();
    int fd = ::open(dest.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return 0;
    ssize_t w = ::write(fd, bytes.constData(), size_t(bytes.size()));
    (void)w;
    ::fsync(fd);
    ::close(fd);
    return e.nsecsElapsed() / 1e6;
}

QByteArray contentOf(const QString &source) {
    QFile in(source);
    in.open(QIODevice::ReadOnly);
    return in.readAll();
}

double median(std::vector<double> t) {
    std::sort(t.begin(), t.end());
    return t[t.size() / 2];
}
}  // namespace

double copyFloorMs(const QString &source, const QString &dest, int runs) {
    const QByteArray bytes = contentOf(source);
    const QByteArray d = QFile::encodeName(dest);
    return medianMs(runs, [&] { copyOnce(bytes, d); });
}

AgainstFloor medianAgainstFloor(int runs, const QString &source, const QString &dest,
                                const std::function<void()> &timed, const std::function<void()> &setup) {
    const QByteArray bytes = contentOf(source);
    const QByteArray d = QFile::encodeName(dest);
    std::vector<double> t, f;
    // Each starts on a quiet disk, as an operator's gesture does: what the one before left
    // for the system to finish (write-back, freeing) is not counted against the next. The
    // pause keeps this core busy, so that it does not find a slowed-down processor.
    const auto settle = [] {
        QElapsedTimer pause;
        pause.start();
        while (pause.elapsed() < 20) {
        }
    };
    for (int i = 0; i < runs; ++i) {
        if (setup) setup();
        settle();
        QElapsedTimer e;
        e.start();
        timed();
        t.push_back(e.nsecsElapsed() / 1e6);
        settle();
        f.push_back(copyOnce(bytes, d));
    }
    return {median(t), median(f)};
}

QString scratchDir() {
    static QTemporaryDir dir;
    return dir.path();
}

namespace {
std::map<QByteArray, ChildCase> &children() {
    static std::map<QByteArray, ChildCase> c;
    return c;
}
}  // namespace

ChildRegistrar::ChildRegistrar(const char *name, ChildCase c) { children().emplace(name, std::move(c)); }

QString selfPath() { return QCoreApplication::applicationFilePath(); }

qint64 peakMemory(const QString &program, const QStringList &args, const QStringList &env, int *code) {
    // Everything the child needs is made before the fork: after it, only exec.
    std::vector<QByteArray> argBytes{QFile::encodeName(program)}, envBytes;
    for (const QString &a : args) argBytes.push_back(a.toLocal8Bit());
    for (const QString &e : QProcessEnvironment::systemEnvironment().toStringList() + env) envBytes.push_back(e.toLocal8Bit());
    std::vector<char *> argv, envp;
    for (QByteArray &a : argBytes) argv.push_back(a.data());
    for (QByteArray &e : envBytes) envp.push_back(e.data());
    argv.push_back(nullptr);
    envp.push_back(nullptr);
    const pid_t pid = ::fork();
    if (pid < 0) return -1;
    if (pid == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, 1);
        ::dup2(null, 2);
        ::execve(argv[0], argv.data(), envp.data());
        ::_exit(127);
    }
    int status = 0;
    struct rusage usage {};
    if (::wait4(pid, &status, 0, &usage) != pid) return -1;
    if (code) *code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return qint64(usage.ru_maxrss) * 1024;
}

}  // namespace bench

int main(int argc, char **argv) {
    // The window cases need a QApplication; they create one through this hook if present.
    extern int benchMain(int, char **, const std::function<void()> &);
    if (argc >= 3 && QByteArray(argv[1]) == "--child") {
        const auto c = bench::children().find(QByteArray(argv[2]));
        if (c == bench::children().end()) return 2;
        int code = 0;
        benchMain(argc, argv, [&] {
            QStringList args = QCoreApplication::arguments();
            args.remove(0, 3);
            code = c->second(args);
        });
        return code;
    }
    // An argument keeps only the cases whose name contains it.
    const QByteArray only = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    return benchMain(argc, argv, [only] {
        for (auto &[order, c] : bench::registry()) {
            (void)order;
            if (!only.isEmpty() && !QByteArray(c.first).contains(only)) continue;
            std::printf("-- %s\n", c.first);
            c.second();
        }
    });
}
