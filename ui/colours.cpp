#include "ui/colours.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPalette>
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

}  // namespace

void setBackground(QWidget *w, const QColor &c) {
    if (!w) return;
    paint(w, c);
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
