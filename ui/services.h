#pragma once
// What every window is given: the program's directory, the settings, the clock and the thin
// layer over the toolkit. Tests give fakes.
#include <QString>

namespace kastlog {
class Settings;
class Clock;
class FaultInjector;
namespace ui {
class MessageBox;
class Printer;
class BrowserFactory;
}  // namespace ui

struct Services {
    QString dataDir;
    Settings *settings = nullptr;
    Clock *clock = nullptr;
    ui::MessageBox *messages = nullptr;
    ui::Printer *printer = nullptr;
    ui::BrowserFactory *browser = nullptr;
    const FaultInjector *faults = nullptr;  // tests only
};

}  // namespace kastlog
