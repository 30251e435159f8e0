#pragma once
// Modal message boxes, titled "KASTLOG", no icon. Tests replace them with a recording fake.
#include <QString>

class QWidget;

namespace kastlog::ui {

class MessageBox {
public:
    virtual ~MessageBox() = default;
    // OK only.
    virtual void info(const QString &text) = 0;
    // Yes and No, Yes the default button (Enter answers Yes). True for Yes.
    virtual bool askYesNo(const QString &text) = 0;
};

class QtMessageBox : public MessageBox {
public:
    void info(const QString &text) override;
    bool askYesNo(const QString &text) override;
};

}  // namespace kastlog::ui
