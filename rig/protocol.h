#pragma once
// rigctld's text protocol, one command a line: `f` answers the frequency in Hz, `m` the mode
// and the passband in Hz on two lines, `F <Hz>` and `M <mode> <passband>` answer `RPRT 0`.
// Any command may answer `RPRT -n` instead, n being Hamlib's error code.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace kastlog::rig {

enum class Command { GetFrequency, GetMode, SetFrequency, SetMode };

struct Request {
    Command command;
    QByteArray line;  // what is sent, line end included
};

Request getFrequency();
Request getMode();
Request setFrequency(qint64 hz);
// The passband is given as -1: the radio keeps its filter (0 would reset it to the mode's default).
Request setMode(const QString &hamlibMode);

struct Answer {
    enum Kind { Ok, Refused, Garbled };
    Kind kind = Ok;
    qint64 hz = 0;     // f
    QString mode;      // m, as Hamlib names it ("USB", "CWR", "PKTUSB"...)
    int code = 0;      // the n of `RPRT n` when refused
    QString garbage;   // the line that made no sense
};

// The answer that `lines`, received so far for `command`, make; nothing while a line is due.
std::optional<Answer> readAnswer(Command command, const QStringList &lines);

// "RPRT -5 : la radio ne répond pas" for Hamlib's error code -5.
QString errorText(int code);

// A frequency as the operator reads it: "14 285,00 kHz".
QString formatKhz(qint64 hz);

}  // namespace kastlog::rig
