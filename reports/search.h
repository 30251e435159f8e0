#pragma once
// The QSO search over the display lines of the main list: by call sign (the text anywhere in
// it), castle reference (equal) or province code (equal).
#include <QList>
#include <QString>
#include <QStringList>

namespace kastlog::search {

// Column header of the results, in French: the window shows
// QCoreApplication::translate("Search", Header).
//: Column titles above a fixed-pitch list: keep each title above its column.
inline constexpr char Header[] = QT_TRANSLATE_NOOP("Search",
    "   N°   Indicatif          Prov      Date       Bande    N° DNJ           Nom du Chateau             QSL");

// The option buttons `Option1(1)` to `Option1(3)`.
enum class Critere { Indicatif = 1, Reference = 2, Province = 3 };

// The texts of the three boxes `Indica`, `Data` and `Depa`.
struct Boxes {
    QString indica, data, depa;
    bool operator==(const Boxes &o) const { return indica == o.indica && data == o.data && depa == o.depa; }
};

// Result row of a display line (86 characters for a whole line): number, call sign and
// province, date, band, reference, castle name and QSL mark. Its first five characters are
// the QSO number.
QString resultRow(const QString &displayLine);

struct Outcome {
    QStringList rows;  // in main-list order
    QString message;   // shown after the search, or ""
    Boxes boxes;       // the boxes afterwards
};

// `Recherche_QSO`: the criterion chosen decides which box is read.
Outcome rechercheQso(Critere critere, const Boxes &boxes, const QStringList &displayLines);

// What Enter in one box does before any search.
struct EnterCheck {
    QStringList messages;  // in order
    bool clearBox = false;
    bool search = false;   // run `Recherche_QSO` afterwards
};
EnterCheck enterIndica(const QString &text);
EnterCheck enterData(const QString &text);
EnterCheck enterDepa(const QString &text);

// Indexes of the display lines whose QSO number (first five characters) is that of `row`.
QList<int> linesOfRow(const QStringList &displayLines, const QString &row);

}  // namespace kastlog::search
