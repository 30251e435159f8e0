#pragma once
class QWidget;
namespace kastlog::ui {
// left = (screen width - window width) / 2, top likewise, in whole pixels.
void centreOnScreen(QWidget *w);
// Twips of the design to pixels: 15 twips a pixel.
constexpr int px(int twips) { return twips / 15; }
}  // namespace kastlog::ui
