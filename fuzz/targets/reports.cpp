// Any log file: the reports agree with one another and with the lines. The scores and the
// castle list of a band group count the same QSOs and confirmations, the list is sorted, the
// map marks exactly the provinces of the group's references, and every row a search finds
// leads back to a line of the main list.
#include "fuzz/check.h"
#include "logstore/bandgroup.h"
#include "logstore/record.h"
#include "logstore/textfile.h"
#include "reports/castlelist.h"
#include "reports/map/marking.h"
#include "reports/map/provinces.h"
#include "reports/scores.h"
#include "reports/search.h"

using namespace kastlog;
using namespace kastlog::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QList<QByteArray> p = parts(bytes(data, size), 2);
    const QString wanted = latin1(p[0]);
    const QStringList lines = splitLines(p[1]);

    const Scores scores = computeScores(lines);
    const struct { const char *name; GroupScore score; } groups[] = {
        {"HF", scores.hf}, {"VHF", scores.vhf}, {"UHF", scores.uhf}};
    check(scores.hf.contactes + scores.vhf.contactes + scores.uhf.contactes <= lines.size(), "a line counts once");
    for (const auto &g : groups) {
        const QString group = QLatin1String(g.name);
        check(g.score.confirmes <= g.score.contactes, "no more confirmed than contacted", group);

        const castlelist::List list = castlelist::build(lines, group);
        check(list.contactes == g.score.contactes && list.confirmes == g.score.confirmes,
              "castle list and scores count the same QSOs", group);
        check(list.rows.size() == list.contactes, "one row per QSO listed", group);
        for (qsizetype i = 1; i < list.rows.size(); ++i)
            check(QString::compare(list.rows[i - 1], list.rows[i], Qt::CaseInsensitive) <= 0, "rows sorted", list.rows[i]);

        carte::Marks expected{};
        for (const QString &l : lines) {
            if (bandGroupName(lineBandGroup(l)) != group || lineBandGroup(l) == BandGroup::None) continue;
            const int at = carte::provinceIndex(column(l, rec::RefCol, 2));
            if (at >= 0) expected[size_t(at)] = true;
        }
        check(carte::provincesContactees(lines, group) == expected, "the map marks the group's provinces", group);
    }

    QStringList display;
    for (qsizetype i = 0; i < lines.size() && i < MaxDisplayLines; ++i) display << displayLine(lines[i], int(i) + 1);
    for (search::Critere c : {search::Critere::Indicatif, search::Critere::Reference, search::Critere::Province}) {
        const search::Outcome found = search::rechercheQso(c, {wanted, wanted, wanted}, display);
        check(found.rows.size() <= display.size(), "no more rows than lines", wanted);
        for (const QString &row : found.rows)
            check(!search::linesOfRow(display, row).isEmpty(), "a row found leads back to its line", row);
    }
    return 0;
}
