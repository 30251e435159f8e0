#pragma once
// The IARU Region 1 band plan as the radio needs it: the telegraphy segments of the twelve
// bands and the FM segments of 144 and 432 MHz; and the mode a spot's frequency calls for.
#include <QString>
#include <QStringView>

#include <array>

namespace kastlog::rig {

enum class Use { Cw, Fm };

struct Segment {
    double lowKhz, highKhz;  // the low edge included, the high one not
    Use use;
};

// IARU Region 1 HF band plan (Oct 2020) and VHF/UHF band plans (2017), as the Belgian society
// publishes them. On 432 MHz also the repeater channels that Belgium, France and the
// Netherlands use below 432 MHz.
inline constexpr std::array<Segment, 18> Region1{{
    {1810, 1838, Use::Cw},          {3500, 3570, Use::Cw},          {7000, 7040, Use::Cw},
    {10100, 10130, Use::Cw},        {14000, 14070, Use::Cw},        {18068, 18095, Use::Cw},
    {21000, 21070, Use::Cw},        {24890, 24915, Use::Cw},        {28000, 28070, Use::Cw},
    {50000, 50100, Use::Cw},        {144025, 144150, Use::Cw},      {432000, 432100, Use::Cw},
    // 144.994-145.194 repeater inputs, simplex and space channels, 145.594-145.7935 outputs.
    {144994, 145806, Use::Fm},
    {430025, 430375, Use::Fm},      {431625, 431975, Use::Fm},      // ON/F/PA repeaters
    {432994, 433381, Use::Fm},      {433394, 433581, Use::Fm},      // inputs, simplex
    {434594, 434981, Use::Fm},                                      // outputs
}};

bool inSegment(double khz, Use use);

// The Hamlib mode to tune a spot in: CW when its comment says CW or it lies in a telegraphy
// segment, FM in an FM segment, else LSB below 10 MHz and USB above.
QString modeForSpot(double khz, QStringView comment);

}  // namespace kastlog::rig
