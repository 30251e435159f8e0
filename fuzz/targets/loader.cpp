// Any bytes as a log file: every byte decodes and encodes back, the lines are those the
// byte-level rewrites see, writing them back changes nothing but line ends, and every line
// of a whole record makes a display line that gives its columns back.
#include "fuzz/check.h"
#include "logstore/cp1252.h"
#include "logstore/record.h"
#include "logstore/textfile.h"

using namespace kastlog;
using namespace kastlog::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray file = bytes(data, size);

    QByteArray again;
    check(cp1252::encode(cp1252::decode(file), again) && again == file, "decode then encode gives the bytes back");

    const QStringList lines = splitLines(file);
    QList<QByteArray> raw;
    forEachLine(file, [&](const char *b, qsizetype n) { raw.append(QByteArray(b, n)); });
    check(raw.size() == lines.size(), "splitLines and forEachLine see the same lines");
    for (qsizetype i = 0; i < raw.size(); ++i)
        check(cp1252::decode(raw[i]) == lines[i], "splitLines decodes each raw line", lines[i]);

    // Every LF ends one line; a last line without LF is a line too.
    const qsizetype lf = file.count('\n');
    check(lines.size() == lf + ((file.isEmpty() || file.endsWith('\n')) ? 0 : 1), "one line per line end");

    // Writing the lines back only turns every line end into CR LF.
    QByteArray written;
    check(joinLines(lines, written), "every decoded line encodes");
    QByteArray expected;
    for (const QByteArray &l : raw) expected += l + "\r\n";
    check(written == expected, "lines written back byte for byte");

    // A line of a whole record (or longer) shows its columns where the list expects them.
    for (qsizetype i = 0; i < lines.size() && i < 64; ++i) {
        const QString &l = lines[i];
        const QString d = displayLine(l, int(i) + 1);
        check(d.size() <= disp::Length, "a display line never grows past its columns", l);
        if (l.size() < rec::Length) continue;
        check(d.size() == disp::Length, "a full record gives a full display line", l);
        check(column(d, disp::CallCol, disp::CallWidth) == column(l, rec::CallCol, rec::CallWidth), "call column shown", l);
        check(column(d, disp::RefCol, disp::RefWidth) == column(l, rec::RefCol, rec::RefWidth), "reference column shown", l);
        check(column(d, disp::NameCol, disp::NameWidth) == column(l, rec::NameCol, rec::NameWidth), "name column shown", l);
        check(recordFromDisplayLine(d).size() == rec::Length, "the display line gives a whole record back", l);
    }
    return 0;
}
