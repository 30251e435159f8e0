#include "reports/search.h"

#include "logstore/record.h"

#include <QCoreApplication>

namespace kastlog::search {

namespace {
const QString Gap = QStringLiteral("  ");
const QString Crlf = QStringLiteral("\r\n");
}  // namespace

QString resultRow(const QString &d) {
    using namespace disp;
    return column(d, NumberCol, 24) + Gap + column(d, DateCol, DateWidth) + Gap +
           column(d, BandCol, BandWidth + 1) + Gap + column(d, RefCol, RefWidth) + Gap +
           column(d, NameCol, Length - NameCol + 1);
}

Outcome rechercheQso(Critere critere, const Boxes &in, const QStringList &displayLines) {
    Outcome out;
    out.boxes = in;
    QString &box = critere == Critere::Indicatif ? out.boxes.indica
                   : critere == Critere::Reference ? out.boxes.data
                                                   : out.boxes.depa;
    for (const QString &line : displayLines) {
        const QString probe = critere == Critere::Province ? box : box.toUpper();
        // A box may still hold the line end of an earlier Enter: drop it, and stop when
        // nothing is left to look for.
        if (box.startsWith(Crlf)) box.remove(0, 2);
        if (box.isEmpty()) {
            out.rows.clear();
            switch (critere) {
            case Critere::Indicatif:
                out.message = QCoreApplication::translate("Search", "Entrez un indicatif");
                break;
            case Critere::Reference:
                out.message = QCoreApplication::translate("Search", "Entrez une référence");
                break;
            case Critere::Province:
                //: The province code box is empty (an older word for the province).
                out.message = QCoreApplication::translate("Search", "Entrez un departement");
                break;
            }
            return out;
        }
        bool match = false;
        switch (critere) {
        case Critere::Indicatif:
            match = trimmedColumn(line, disp::CallCol, disp::CallWidth).contains(probe);
            break;
        case Critere::Reference:
            match = trimmedColumn(line, disp::RefCol, disp::RefWidth) == probe;
            break;
        case Critere::Province:
            match = column(line, disp::ProvCol, disp::ProvWidth) == probe;
            break;
        }
        if (match) out.rows << resultRow(line);
    }
    if (out.rows.isEmpty()) out.message = QCoreApplication::translate("Search", "Pas de QSO trouvé");
    out.boxes = Boxes{};
    return out;
}

EnterCheck enterIndica(const QString &text) {
    EnterCheck c;
    if (text.size() > 12) c.messages << QCoreApplication::translate("Search", "12 caracteres maxi pour l'indicatif");
    if (text.isEmpty()) {
        c.messages << QCoreApplication::translate("Search", "Entrez un indicatif");
        c.clearBox = true;
        return c;
    }
    c.search = true;
    return c;
}

EnterCheck enterData(const QString &text) {
    EnterCheck c;
    if (text.size() != 5) {
        c.messages << QCoreApplication::translate("Search", "5 caracteres maxi pour la référence ex: MN047");
        return c;
    }
    c.search = true;
    return c;
}

EnterCheck enterDepa(const QString &text) {
    EnterCheck c;
    if (text.size() > 2) {
        c.messages << QCoreApplication::translate("Search", "2 caracteres maxi pour la province");
    } else if (text.isEmpty()) {
        c.messages << QCoreApplication::translate("Search", "Entrez une province");
        c.clearBox = true;
    } else {
        c.search = true;
    }
    return c;
}

QList<int> linesOfRow(const QStringList &displayLines, const QString &row) {
    const QString number = row.left(5);
    QList<int> out;
    for (int i = 0; i < displayLines.size(); ++i)
        if (displayLines[i].left(5) == number) out << i;
    return out;
}

}  // namespace kastlog::search
