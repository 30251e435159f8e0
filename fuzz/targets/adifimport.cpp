// Any bytes as an ADIF file: the reader never reads out of bounds, every field reads back
// by its declared length from where it stands, there are never more records than <eor>
// tags + 1, and every QSO taken becomes a 107-character record the log can hold, placed by
// its date.
#include "fuzz/check.h"
#include "logstore/cp1252.h"
#include "logstore/instant.h"
#include "logstore/record.h"
#include "reports/adifimport/selection.h"

using namespace kastlog;
using namespace kastlog::adifimport;
using namespace kastlog::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray b = bytes(data, size);
    const AdifFile adi = readAdi(b);
    const qsizetype eors = b.toLower().count("<eor>");
    check(adi.records.size() <= eors + 1, "no more records than <eor> tags + 1");
    for (const AdifRecord &r : adi.records) {
        for (const AdifField &f : r.fields) {
            check(f.offset > 0 && f.offset + f.byteLength <= b.size(),
                  "a field lies inside the file by its declared length", f.name);
            check(b.at(f.offset - 1) == '>', "a value follows its tag", f.name);
            check(cp1252::decodeUtf8Or1252(QByteArrayView(b.constData() + f.offset, f.byteLength)) == r.valueOf(f), "a value reads back from its bytes", f.name);
        }
        check(!r.readable() || !r.value(QLatin1String("CALL")).trimmed().isEmpty(), "a readable record has a CALL");
    }
    const AdifFile adx = readAdx(b);  // must not crash or hang either
    for (const AdifFile *file : {&adi, &adx}) {
        const ImportPlan plan = planImport(*file, {}, QStringLiteral("F1ABC"));
        check(plan.taken + plan.alreadyInLog + plan.castleContacted + plan.refused + plan.confirmed ==
                  file->records.size(),
              "every QSO counted once");
        for (const ImportLine &l : plan.lines) {
            if (l.outcome != Outcome::Taken) {
                check(!l.reason.isEmpty(), "a QSO not taken says why");
                continue;
            }
            check(l.qso.record.size() == rec::Length, "a record is 107 characters", l.qso.record);
            check(cp1252::canEncode(l.qso.record), "a record can be written", l.qso.record);
            check(bool(recordInstant(l.qso.record)), "a record has a date and time", l.qso.record);
        }
    }
    return 0;
}
