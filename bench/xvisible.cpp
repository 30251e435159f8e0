#include "bench/xvisible.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace bench {

namespace {
// Windows come and go while the tree is walked: a window gone meanwhile is simply not shown.
int ignoreErrors(Display *, XErrorEvent *) { return 0; }

// The window manager puts the program's window in a frame: three levels are enough.
bool showsIn(Display *d, Window w, Atom pidAtom, pid_t pid, int depth) {
    XWindowAttributes a;
    if (!XGetWindowAttributes(d, w, &a)) return false;
    if (a.map_state == IsViewable) {
        Atom type;
        int format;
        unsigned long n, after;
        unsigned char *prop = nullptr;
        if (XGetWindowProperty(d, w, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &n, &after, &prop) == Success &&
            prop) {
            const long owner = long(*reinterpret_cast<unsigned long *>(prop));
            XFree(prop);
            if (owner == pid) return true;
        }
    }
    if (depth > 2) return false;
    Window root, parent, *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(d, w, &root, &parent, &children, &count)) return false;
    bool found = false;
    for (unsigned int i = 0; i < count && !found; ++i) found = showsIn(d, children[i], pidAtom, pid, depth + 1);
    if (children) XFree(children);
    return found;
}
}  // namespace

XVisible::XVisible(const char *display) {
    Display *d = XOpenDisplay(display);
    if (!d) return;
    m_display = d;
    XSetErrorHandler(ignoreErrors);
    m_pidAtom = XInternAtom(d, "_NET_WM_PID", False);
}

XVisible::~XVisible() {
    if (m_display) XCloseDisplay(static_cast<Display *>(m_display));
}

bool XVisible::shows(pid_t pid) const {
    Display *d = static_cast<Display *>(m_display);
    return d && showsIn(d, DefaultRootWindow(d), Atom(m_pidAtom), pid, 0);
}

}  // namespace bench
