#pragma once
// A command button whose caption wraps onto two lines, as the narrow buttons of the main
// window need ("Annuler saisie en cours" in 73 pixels).
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace kastlog {

class WrapButton : public QPushButton {
public:
    WrapButton(const QString &text, QWidget *parent) : QPushButton(text, parent) {
        setAutoDefault(true);  // Enter on the focused button clicks it
    }

protected:
    void paintEvent(QPaintEvent *) override {
        QStylePainter p(this);
        QStyleOptionButton opt;
        initStyleOption(&opt);
        opt.text.clear();
        p.drawControl(QStyle::CE_PushButton, opt);
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
        p.drawText(rect().adjusted(1, 1, -1, -1), Qt::AlignCenter | Qt::TextWordWrap, text());
    }
};

}  // namespace kastlog
