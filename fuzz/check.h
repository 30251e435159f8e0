#pragma once
// What every fuzz target may use: a property check that stops the run with the input's
// story, so that libFuzzer keeps the input and the corpus replay fails on it.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace kastlog::fuzz {

[[noreturn]] inline void fail(const char *what, const QString &detail = {}) {
    std::fprintf(stderr, "property broken: %s\n%s\n", what, detail.toUtf8().constData());
    std::abort();
}

inline void check(bool ok, const char *what, const QString &detail = {}) {
    if (!ok) fail(what, detail);
}

inline QByteArray bytes(const uint8_t *data, size_t size) {
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

// The input cut at its first `n` - 1 bytes 0x1F into `n` parts (missing parts are empty),
// so one input carries several arguments.
QList<QByteArray> parts(const QByteArray &input, int n);

// Latin-1 text of every byte: a line of a file as the byte-level code sees it.
inline QString latin1(const QByteArray &b) { return QString::fromLatin1(b); }

}  // namespace kastlog::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);
