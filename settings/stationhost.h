#pragma once
// What the station and recovery dialogs change in the main window.
#include <QString>

namespace kastlog {

// The station cannot change under a QSO being typed or edited: it would be saved into the
// other station's log. The refusal, in the language loaded (stationdialog.cpp).
QString stationDuringEntry();

class StationHost {
public:
    virtual ~StationHost() = default;
    virtual QString stationCall() const = 0;
    virtual void setStationCall(const QString &call) = 0;      // the current call sign
    virtual void setStationLabel(const QString &text) = 0;     // `I_Station`
    virtual void selectBandAndMode(int band, int mode) = 0;    // `Bande_A`, `Mode_A`
    virtual void reloadLog() = 0;                              // `Lecture_Log`
    virtual bool entryInProgress() const = 0;                  // a QSO is being typed or edited
};

}  // namespace kastlog
