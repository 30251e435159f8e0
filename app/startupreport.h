#pragma once
// Reports of the start-up for the benchmark and the package test, each asked for by an
// environment variable and otherwise absent:
// - KASTLOG_REPORT_FIRST_PAINT: "first paint" once the main window is painted;
// - KASTLOG_REPORT_BROWSER_MODULE: opens a browser view out of sight as soon as the event
//   loop runs and prints "browser module: PATH" (the module loaded, or "none").
class QWidget;

namespace kastlog {
namespace ui {
class BrowserFactory;
}
void reportStartupWhenAsked(QWidget *window, ui::BrowserFactory *browser);
}
