#include "rig/protocol.h"

#include <QCoreApplication>

#include <array>

namespace kastlog::rig {

namespace {

std::optional<int> reportCode(const QString &line) {
    if (!line.startsWith(QLatin1String("RPRT "))) return std::nullopt;
    bool ok = false;
    const int n = line.mid(5).trimmed().toInt(&ok);
    if (!ok) return std::nullopt;
    return n;
}

Answer refused(int code) {
    Answer a;
    a.kind = Answer::Refused;
    a.code = code;
    return a;
}

Answer garbled(const QString &line) {
    Answer a;
    a.kind = Answer::Garbled;
    a.garbage = line;
    return a;
}

// Hamlib names its modes in capitals and digits ("USB", "PKTUSB", "C4FM"); a radio in no known
// mode gives an empty name.
bool isModeName(const QString &s) {
    if (s.size() > 20) return false;
    for (const QChar c : s)
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != u'-' && c != u'_') return false;
    return true;
}

}  // namespace

Request getFrequency() { return {Command::GetFrequency, QByteArrayLiteral("f\n")}; }
Request getMode() { return {Command::GetMode, QByteArrayLiteral("m\n")}; }
Request setFrequency(qint64 hz) { return {Command::SetFrequency, "F " + QByteArray::number(hz) + '\n'}; }
Request setMode(const QString &hamlibMode) { return {Command::SetMode, "M " + hamlibMode.toLatin1() + " -1\n"}; }

std::optional<Answer> readAnswer(Command command, const QStringList &lines) {
    if (lines.isEmpty()) return std::nullopt;
    const QString first = lines.first().trimmed();
    const bool setting = command == Command::SetFrequency || command == Command::SetMode;
    if (const auto code = reportCode(first)) {
        if (*code != 0) return refused(*code);
        if (setting) return Answer{};
        return garbled(first);  // a reading is never answered by RPRT 0 alone
    }
    if (setting) return garbled(first);
    if (command == Command::GetFrequency) {
        bool ok = false;
        const double hz = first.toDouble(&ok);
        if (!ok || !(hz > 0) || hz > 1e12) return garbled(first);
        Answer a;
        a.hz = qRound64(hz);
        return a;
    }
    if (!isModeName(first)) return garbled(first);
    if (lines.size() < 2) return std::nullopt;  // the passband follows
    const QString passband = lines.at(1).trimmed();
    bool ok = false;
    passband.toLongLong(&ok);
    if (!ok) return garbled(passband);
    Answer a;
    a.mode = first;
    return a;
}

QString errorText(int code) {
    // Hamlib's error codes 1 to 17 (rig_errcode_e), answered negated.
    static const std::array<const char *, 17> meanings = {
        QT_TRANSLATE_NOOP("RigErrors", "paramètre invalide"),
        QT_TRANSLATE_NOOP("RigErrors", "configuration invalide"),
        QT_TRANSLATE_NOOP("RigErrors", "mémoire insuffisante"),
        QT_TRANSLATE_NOOP("RigErrors", "fonction non implémentée"),
        QT_TRANSLATE_NOOP("RigErrors", "la radio ne répond pas"),
        QT_TRANSLATE_NOOP("RigErrors", "erreur d'entrée-sortie avec la radio"),
        QT_TRANSLATE_NOOP("RigErrors", "erreur interne de Hamlib"),
        QT_TRANSLATE_NOOP("RigErrors", "erreur de protocole avec la radio"),
        QT_TRANSLATE_NOOP("RigErrors", "commande refusée par la radio"),
        QT_TRANSLATE_NOOP("RigErrors", "texte tronqué"),
        QT_TRANSLATE_NOOP("RigErrors", "fonction absente de cette radio"),
        QT_TRANSLATE_NOOP("RigErrors", "VFO non accessible"),
        QT_TRANSLATE_NOOP("RigErrors", "erreur du bus de la radio"),
        QT_TRANSLATE_NOOP("RigErrors", "bus de la radio occupé"),
        QT_TRANSLATE_NOOP("RigErrors", "argument invalide"),
        QT_TRANSLATE_NOOP("RigErrors", "VFO invalide"),
        QT_TRANSLATE_NOOP("RigErrors", "valeur hors limites"),
    };
    const int n = -code;
    const QString what = n >= 1 && n <= int(meanings.size())
        ? QCoreApplication::translate("RigErrors", meanings[size_t(n - 1)])
        : QCoreApplication::translate("RigErrors", "erreur de Hamlib");
    //: %1 is the code rigctld answered ("RPRT" is its reply word), %2 what the code means.
    return QCoreApplication::translate("RigErrors", "RPRT %1 : %2").arg(QString::number(code), what);
}

QString formatKhz(qint64 hz) {
    const qint64 centi = (hz + 5) / 10;  // hundredths of a kHz
    const QString whole = QString::number(centi / 100);
    QString grouped;
    for (qsizetype i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0) grouped += u' ';
        grouped += whole.at(i);
    }
    return grouped + u',' + QStringLiteral("%1").arg(centi % 100, 2, 10, QLatin1Char('0')) + QStringLiteral(" kHz");
}

}  // namespace kastlog::rig
