#include "ui/colours.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QWidget>

namespace kastlog::ui {

namespace {

void paint(QWidget *w, const QColor &c) {
    QPalette p = w->palette();
    // Text fields fill with Base, buttons and check boxes with Button/Window: set all three
    // so that whatever the style draws the background with shows the colour.
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(g, QPalette::Base, c);
        p.setColor(g, QPalette::Window, c);
        p.setColor(g, QPalette::Button, c);
    }
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

// The role a widget's own background is drawn with.
QPalette::ColorRole roleOf(const QWidget *w) {
    if (qobject_cast<const QLineEdit *>(w)) return QPalette::Base;
    if (auto *combo = qobject_cast<const QComboBox *>(w))
        return combo->isEditable() ? QPalette::Base : QPalette::Button;
    if (qobject_cast<const QAbstractButton *>(w) && !w->inherits("QCheckBox")
        && !w->inherits("QRadioButton"))
        return QPalette::Button;
    return QPalette::Window;
}

// Styles draw push buttons and closed combo boxes with a shaded gradient of the palette's
// colour; a style sheet makes them show the colour itself, as the entry row needs.
void flatFill(QWidget *w, const QColor &c) {
    const QString colour = c.name();
    if (qobject_cast<QPushButton *>(w)) {
        w->setStyleSheet(QStringLiteral(
            "QPushButton { background-color: %1; border: 1px solid #808080; padding: 3px 8px; }"
            "QPushButton:focus { border: 2px solid #000000; }"
            "QPushButton:pressed { border-style: inset; }"
            "QPushButton:disabled { color: #808080; }").arg(colour));
    } else if (auto *combo = qobject_cast<QComboBox *>(w); combo && !combo->isEditable()) {
        w->setStyleSheet(QStringLiteral(
            "QComboBox { background-color: %1; border: 1px solid #808080; padding: 1px 3px; }").arg(colour));
    }
}

}  // namespace

void setBackground(QWidget *w, const QColor &c) {
    if (!w) return;
    paint(w, c);
    flatFill(w, c);
    if (auto *combo = qobject_cast<QComboBox *>(w); combo && combo->lineEdit())
        paint(combo->lineEdit(), c);
}

QColor background(const QWidget *w) {
    if (auto *combo = qobject_cast<const QComboBox *>(w); combo && combo->lineEdit())
        return combo->lineEdit()->palette().color(QPalette::Base);
    return w->palette().color(roleOf(w));
}

void setTextColour(QWidget *w, const QColor &c) {
    if (!w) return;
    QPalette p = w->palette();
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(g, QPalette::WindowText, c);
        p.setColor(g, QPalette::Text, c);
        p.setColor(g, QPalette::ButtonText, c);
    }
    w->setPalette(p);
    if (auto *combo = qobject_cast<QComboBox *>(w); combo && combo->lineEdit())
        setTextColour(combo->lineEdit(), c);
}

}  // namespace kastlog::ui
