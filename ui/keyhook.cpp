#include "ui/keyhook.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QWidget>

namespace kastlog::ui {

namespace {

// The character code a key press hands to a key handler, or 0 when the key makes no
// character (arrows, function keys, Tab, shortcuts with Ctrl).
int characterCode(const QKeyEvent *e) {
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Backspace:
        return 8;
    default:
        break;
    }
    // Ctrl+letter is a shortcut (copy, paste, select all), not a character; Ctrl+Alt is AltGr.
    const Qt::KeyboardModifiers mods = e->modifiers();
    if ((mods & Qt::MetaModifier) || ((mods & Qt::ControlModifier) && !(mods & Qt::AltModifier)))
        return 0;
    const QString text = e->text();
    if (text.isEmpty()) return 0;
    const QChar c = text.at(0);
    if (c.unicode() < 32 || c.unicode() == 127 || !c.isPrint()) return 0;
    return c.unicode();
}

// The key a replaced character code stands for, so the field treats the new event as it
// would a key typed on the keyboard.
int keyFor(int code) {
    if (code == 13) return Qt::Key_Return;
    if (code == 8) return Qt::Key_Backspace;
    const QChar c(static_cast<char16_t>(code));
    if (code >= 0x20 && code <= 0xFF) return c.toUpper().unicode();
    return Qt::Key_unknown;
}

QString textFor(int code) {
    if (code == 13) return QStringLiteral("\r");
    if (code == 8) return QStringLiteral("\b");
    return QString(QChar(static_cast<char16_t>(code)));
}

}  // namespace

KeyPressHook::KeyPressHook(QWidget *field, KeyHandler handler)
    : QObject(field), m_field(field), m_handler(std::move(handler)) {}

KeyPressHook *KeyPressHook::install(QWidget *field, KeyHandler handler) {
    auto *hook = new KeyPressHook(field, std::move(handler));
    field->installEventFilter(hook);
    // An editable combo box hands its keys on to its line edit; a key sent to the line edit
    // directly must be seen too.
    if (auto *combo = qobject_cast<QComboBox *>(field); combo && combo->lineEdit())
        combo->lineEdit()->installEventFilter(hook);
    return hook;
}

bool KeyPressHook::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::KeyPress || m_resending) return false;
    auto *key = static_cast<QKeyEvent *>(event);
    const int original = characterCode(key);
    if (original == 0) return false;

    // The handler may show a modal box, move the focus, disable the field or even delete
    // the window that holds it (and this hook with it): guard everything used afterwards.
    QPointer<KeyPressHook> self(this);
    QPointer<QObject> target(watched);
    QPointer<QWidget> field(m_field);
    const KeyHandler handler = m_handler;
    int code = original;
    handler(code);

    if (!self || !target || !field) return true;  // nothing left to receive the key
    if (code == 0) return true;                   // swallowed by the handler
    if (!field->isEnabled()) return true;         // the handler closed the field to input
    if (code == original) return false;

    QKeyEvent replaced(QEvent::KeyPress, keyFor(code), key->modifiers(), textFor(code),
                       key->isAutoRepeat(), static_cast<ushort>(key->count()));
    m_resending = true;
    QCoreApplication::sendEvent(target, &replaced);
    if (self) m_resending = false;
    return true;
}

}  // namespace kastlog::ui
