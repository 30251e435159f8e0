#pragma once
// Whether a process shows a window: a viewable top-level window whose _NET_WM_PID names it, as
// `xdotool search --onlyvisible --pid` finds it, asked directly of the X server (no process
// started per question, so it can be asked every half millisecond).
#include <sys/types.h>

namespace bench {

class XVisible {
public:
    explicit XVisible(const char *display);  // not open when there is no such display
    ~XVisible();
    bool open() const { return m_display != nullptr; }
    bool shows(pid_t pid) const;

private:
    void *m_display = nullptr;
    unsigned long m_pidAtom = 0;
};

}  // namespace bench
