#pragma once
#include <QColor>

class QWidget;

namespace kastlog::ui {

inline const QColor Jaune(255, 255, 192);    // a field done or waiting
inline const QColor Vert(192, 255, 192);     // the field to type into next
inline const QColor Blanc(255, 255, 255);
inline const QColor Marque(0x80, 0xFF, 0x80); // a province contacted, on the map

void setBackground(QWidget *w, const QColor &c);
QColor background(const QWidget *w);
void setTextColour(QWidget *w, const QColor &c);

}  // namespace kastlog::ui
