#pragma once
// The twelve bands of the log: the label the entry offers, the ADIF band name and the band's
// edges in MHz (the ADIF standard's, wide enough for every region). The one table the
// export, the import and the spots read.
#include <QString>

#include <array>

namespace kastlog {

struct BandRow {
    const char *label, *adif;
    double lowMhz, highMhz;  // both included
};

inline constexpr std::array<BandRow, 12> Bands{{
    {"1.8 Mhz", "160m", 1.8, 2.0},    {"3.5 Mhz", "80m", 3.5, 4.0},     {"7.0 Mhz", "40m", 7.0, 7.3},
    {"10 Mhz", "30m", 10.1, 10.15},   {"14 Mhz", "20m", 14.0, 14.35},   {"18 Mhz", "17m", 18.068, 18.168},
    {"21 Mhz", "15m", 21.0, 21.45},   {"24 Mhz", "12m", 24.89, 24.99},  {"28 Mhz", "10m", 28.0, 29.7},
    {"50 Mhz", "6m", 50.0, 54.0},     {"144 Mhz", "2m", 144.0, 148.0},  {"432 Mhz", "70cm", 420.0, 450.0},
}};

// The label of a row of the table, made once and shared.
QString labelOf(const BandRow &row);
// The label of the band whose edges hold `mhz`; "" outside the twelve bands.
QString bandLabelOfFrequency(double mhz);

}  // namespace kastlog
