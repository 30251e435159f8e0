#pragma once
// A small benchmark runner: cases register themselves, run in order, and print
// "NAME: median N ms" lines (and "ratio Nx" to a floor where one applies).
#include <QString>
#include <QStringList>
#include <functional>

namespace bench {

using Case = std::function<void()>;
// Lower `order` runs first.
struct Registrar {
    Registrar(int order, const char *name, Case c);
};

// Median wall time in milliseconds of `runs` calls of `timed`, each after an untimed `setup`.
double medianMs(int runs, const std::function<void()> &timed, const std::function<void()> &setup = {});

void print(const QString &name, double ms);
void printRatio(const QString &name, double ms, double floorMs);

// The floor: a plain copy of `source` to `dest` with fsync, median over `runs`.
double copyFloorMs(const QString &source, const QString &dest, int runs = 15);

// `timed` (after an untimed `setup`) and the copy floor of `source`, one after the other `runs`
// times, so that both see the same load on a shared machine, each after a short pause: both
// medians.
struct AgainstFloor {
    double ms, floorMs;
};
AgainstFloor medianAgainstFloor(int runs, const QString &source, const QString &dest,
                                const std::function<void()> &timed, const std::function<void()> &setup = {});

// A fresh temporary directory that lives until the program ends.
QString scratchDir();

// Part of a case that runs in a process of its own, so that its peak memory is its own:
// registered under a name, run as `kastlog_bench --child NAME ARGS...` inside the QApplication;
// it returns the exit code.
using ChildCase = std::function<int(const QStringList &args)>;
struct ChildRegistrar {
    ChildRegistrar(const char *name, ChildCase c);
};
// This benchmark program, to start a child case with.
QString selfPath();
// Runs `program` with `args`, the environment plus `env` ("NAME=value"), its output thrown
// away, to its end: its peak resident memory in bytes, -1 when it could not run. `code`
// receives its exit code.
qint64 peakMemory(const QString &program, const QStringList &args, const QStringList &env = {}, int *code = nullptr);

}  // namespace bench

#define BENCH_CASE(order, name) \
    static void bench_fn_##order(); \
    static bench::Registrar bench_reg_##order(order, name, bench_fn_##order); \
    static void bench_fn_##order()
