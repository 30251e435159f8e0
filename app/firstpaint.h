#pragma once
// For the start-up benchmark: with KASTLOG_REPORT_FIRST_PAINT set in the environment, the
// line "first paint" goes to standard output once `window` has been painted for the first
// time. Without the variable nothing is installed.
class QWidget;

namespace kastlog {
void reportFirstPaintWhenAsked(QWidget *window);
}
