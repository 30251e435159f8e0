#pragma once
// Per-field key-press hook: sees the character code of every key that produces a character
// (13 for Enter) before the field does, and may replace it (0 swallows the key).
#include <QObject>
#include <functional>

class QWidget;

namespace kastlog::ui {

using KeyHandler = std::function<void(int &code)>;

class KeyPressHook : public QObject {
    Q_OBJECT
public:
    // Installs on `field` (and, for an editable combo box, on its line edit).
    static KeyPressHook *install(QWidget *field, KeyHandler handler);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    KeyPressHook(QWidget *field, KeyHandler handler);
    QWidget *m_field;
    KeyHandler m_handler;
    bool m_resending = false;
};

}  // namespace kastlog::ui
