// bell_watch: prints "bell" for every system beep on $DISPLAY, so that end-to-end tests can see
// when Zelvo beeps.
//
// A program beeps with the core Bell request (Qt's QApplication::beep() sends one), and the X
// server's XKB extension reports every bell as an XkbBellNotify event to the clients that
// selected it, Xvfb included. The watcher prints "ready" once its selection is in force, then
// one "bell" line per notification, each flushed at once, until it is killed.
#include <X11/XKBlib.h>
#include <stdio.h>

int main(void) {
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "bell_watch: cannot open the X display\n");
        return 1;
    }
    int opcode, event_base, error_base;
    int major = XkbMajorVersion, minor = XkbMinorVersion;
    if (!XkbQueryExtension(display, &opcode, &event_base, &error_base, &major, &minor)) {
        fprintf(stderr, "bell_watch: the X server has no XKB extension\n");
        return 1;
    }
    XkbSelectEvents(display, XkbUseCoreKbd, XkbBellNotifyMask, XkbBellNotifyMask);
    XSync(display, False);  // the server has the selection before the test is told "ready"
    puts("ready");
    fflush(stdout);
    for (;;) {
        XkbEvent event;
        XNextEvent(display, &event.core);
        if (event.type == event_base && event.any.xkb_type == XkbBellNotify) {
            puts("bell");
            fflush(stdout);
        }
    }
}
