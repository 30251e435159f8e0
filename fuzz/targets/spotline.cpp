// Any bytes from a node: cutting them into lines does not depend on how they are split into
// packets, no line is longer than the cut, and every field of a parsed spot comes from its
// line (the reference from its comment, the band from its frequency).
#include "fuzz/check.h"
#include "spots/linereader.h"
#include "reports/castlereference.h"
#include "spots/spotline.h"

using namespace kastlog;
using namespace kastlog::fuzz;
using namespace kastlog::spots;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray b = bytes(data, size);
    LineReader whole;
    const QStringList lines = whole.feed(b);
    LineReader split;
    const qsizetype half = b.size() / 2;
    QStringList again = split.feed(b.left(half));
    again += split.feed(b.mid(half));
    check(lines == again, "packets change nothing", lines.join(u'\n'));
    check(whole.cutLines() == split.cutLines(), "the same lines are cut");

    for (const QString &line : lines + QStringList{whole.pending()}) {
        check(line.size() <= MaxLineBytes, "no line past the cut", line);
        for (QChar c : {QChar(0), QChar(7), QChar(27), QChar(u'\r'), QChar(u'\n')})
            check(!line.contains(c), "no control byte of a terminal in a line", line);
        const auto s = parseSpotLine(line);
        if (!s) continue;
        for (const QString *f : {&s->spotter, &s->frequency, &s->call, &s->comment, &s->spotterArea})
            check(line.contains(*f), "a field comes from the line", line + u'|' + *f);
        check(line.contains(s->time.left(4)) && s->time.endsWith(u'Z'), "the time comes from the line", line);
        check(!s->spotter.isEmpty() && !s->call.isEmpty() && s->time.size() == 5, "the fields a spot needs", line);
        check(s->band == bandForKhz(s->khz), "the band is the frequency's", line);
        check(s->reference == findCastleReference(s->comment).reference, "the reference is the comment's", line);
        if (!s->reference.isEmpty())
            check(s->comment.contains(s->reference.left(2), Qt::CaseInsensitive) &&
                      s->comment.contains(s->reference.mid(2)) && s->reference.size() == 5,
                  "a reference is written in the comment", line);
        Spot castle;
        const LineKind kind = readNodeLine(line, castle);
        check(kind == (s->reference.isEmpty() || s->band.isEmpty() ? LineKind::Spot : LineKind::CastleSpot),
              "the kind of line agrees with its fields", line);
    }
    return 0;
}
