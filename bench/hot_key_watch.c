// hot_key_watch: presses Ctrl+Alt+K through XTest and times what a shown or hidden window does
// in answer: from the press of K until the window is unmapped, when it was shown, or until it is
// mapped and first exposed, when it was hidden.
//
// Usage: hot_key_watch WINDOW RUNS
//
// WINDOW (a number, 0x... for hex) is the program's own top-level window, not a window manager's
// frame: StructureNotify and Exposure are selected on it, so the times are the ones the X server
// sends the program its own events at. Ctrl and Alt are pressed and the server has taken them in
// before the clock starts; only the press of K is timed. Each run is one hide and one show;
// between presses the program is left alone for a moment, so that the window manager has made
// the shown window the active one before the next press.
//
// Prints "hide_ms=<median> map_ms=<median> expose_ms=<median> runs=<n>".
// Exit status: 0 measured, 1 bad usage or no X display, 2 a press had no answer within 2 s.
#define _GNU_SOURCE
#include <poll.h>
#include <stdbool.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>
#include <xcb/xtest.h>

#include <X11/keysym.h>

enum { kAnswerMs = 2000, kPauseMs = 150, kMaxRuns = 1000 };

struct keys {
    xcb_keycode_t control;
    xcb_keycode_t alt;
    xcb_keycode_t k;
};

static double now_ms(void) {
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (double)now.tv_sec * 1e3 + (double)now.tv_nsec / 1e6;
}

static xcb_keycode_t keycode(xcb_key_symbols_t* symbols, xcb_keysym_t keysym) {
    xcb_keycode_t* codes = xcb_key_symbols_get_keycode(symbols, keysym);
    xcb_keycode_t code = codes ? codes[0] : 0;
    free(codes);
    return code;
}

static void fake_key(xcb_connection_t* conn, uint8_t type, xcb_keycode_t key) {
    xcb_test_fake_input(conn, type, key, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
}

// A round trip: every request sent before it has been carried out.
static void sync_with_server(xcb_connection_t* conn) {
    free(xcb_get_input_focus_reply(conn, xcb_get_input_focus(conn), NULL));
}

static bool is_viewable(xcb_connection_t* conn, xcb_window_t window) {
    xcb_get_window_attributes_reply_t* attributes =
        xcb_get_window_attributes_reply(conn, xcb_get_window_attributes(conn, window), NULL);
    bool viewable = attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
    free(attributes);
    return viewable;
}

// The window a map, unmap or expose event is about.
static xcb_window_t window_of(const xcb_generic_event_t* ev) {
    switch (ev->response_type & 0x7f) {
        case XCB_MAP_NOTIFY:
            return ((const xcb_map_notify_event_t*)ev)->window;
        case XCB_UNMAP_NOTIFY:
            return ((const xcb_unmap_notify_event_t*)ev)->window;
        case XCB_EXPOSE:
            return ((const xcb_expose_event_t*)ev)->window;
        default:
            return XCB_NONE;
    }
}

// Waits for an event of `type` on the window; its time, or a negative number after kAnswerMs.
static double wait_for(xcb_connection_t* conn, xcb_window_t window, uint8_t type) {
    double deadline = now_ms() + kAnswerMs;
    for (;;) {
        xcb_generic_event_t* ev;
        while ((ev = xcb_poll_for_event(conn))) {
            bool wanted = (ev->response_type & 0x7f) == type && window_of(ev) == window;
            free(ev);
            if (wanted) {
                return now_ms();
            }
        }
        int left = (int)(deadline - now_ms());
        struct pollfd fd = {xcb_get_file_descriptor(conn), POLLIN, 0};
        if (left <= 0 || xcb_connection_has_error(conn) || poll(&fd, 1, left) == 0) {
            return -1;
        }
    }
}

// Drops the events that are already there, so that the next wait sees only new ones.
static void drain(xcb_connection_t* conn) {
    xcb_generic_event_t* ev;
    while ((ev = xcb_poll_for_event(conn))) {
        free(ev);
    }
}

static void pause_ms(int ms) {
    struct timespec pause = {ms / 1000, (ms % 1000) * 1000000L};
    nanosleep(&pause, NULL);
}

// Holds Ctrl and Alt, then presses K: the time the press of K was sent.
static double press_hot_key(xcb_connection_t* conn, const struct keys* keys) {
    fake_key(conn, XCB_KEY_PRESS, keys->control);
    fake_key(conn, XCB_KEY_PRESS, keys->alt);
    sync_with_server(conn);
    drain(conn);
    double start = now_ms();
    fake_key(conn, XCB_KEY_PRESS, keys->k);
    xcb_flush(conn);
    return start;
}

static void release_hot_key(xcb_connection_t* conn, const struct keys* keys) {
    fake_key(conn, XCB_KEY_RELEASE, keys->k);
    fake_key(conn, XCB_KEY_RELEASE, keys->alt);
    fake_key(conn, XCB_KEY_RELEASE, keys->control);
    xcb_flush(conn);
}

static int compare(const void* a, const void* b) {
    double x = *(const double*)a, y = *(const double*)b;
    return (x > y) - (x < y);
}

static double median(double* values, int count) {
    qsort(values, (size_t)count, sizeof *values, compare);
    return count % 2 ? values[count / 2] : (values[count / 2 - 1] + values[count / 2]) / 2;
}

static double hide_ms[kMaxRuns], map_ms[kMaxRuns], expose_ms[kMaxRuns];

// One hide when the window is shown, else one show; false when it had no answer.
static bool toggle(xcb_connection_t* conn, xcb_window_t window, const struct keys* keys, int run) {
    bool shown = is_viewable(conn, window);
    double start = press_hot_key(conn, keys);
    bool answered;
    if (shown) {
        double unmapped = wait_for(conn, window, XCB_UNMAP_NOTIFY);
        hide_ms[run] = unmapped - start;
        answered = unmapped >= 0;
    } else {
        double mapped = wait_for(conn, window, XCB_MAP_NOTIFY);
        double exposed = mapped >= 0 ? wait_for(conn, window, XCB_EXPOSE) : -1;
        map_ms[run] = mapped - start;
        expose_ms[run] = exposed - start;
        answered = exposed >= 0;
    }
    release_hot_key(conn, keys);
    if (!answered) {
        fprintf(stderr, "hot_key_watch: no %s of window 0x%x within %d ms\n",
                shown ? "unmap" : "map and expose", window, kAnswerMs);
    }
    pause_ms(kPauseMs);
    return answered;
}

int main(int argc, char* argv[]) {
    if (argc != 3) {
        fprintf(stderr, "usage: hot_key_watch WINDOW RUNS\n");
        return 1;
    }
    xcb_window_t window = (xcb_window_t)strtoul(argv[1], NULL, 0);
    int runs = atoi(argv[2]);
    if (window == XCB_NONE || runs < 1 || runs > kMaxRuns) {
        fprintf(stderr, "usage: hot_key_watch WINDOW RUNS (1 to %d runs)\n", kMaxRuns);
        return 1;
    }
    xcb_connection_t* conn = xcb_connect(NULL, NULL);
    if (xcb_connection_has_error(conn)) {
        fprintf(stderr, "hot_key_watch: cannot connect to the X display\n");
        return 1;
    }
    xcb_key_symbols_t* symbols = xcb_key_symbols_alloc(conn);
    struct keys keys = {keycode(symbols, XK_Control_L), keycode(symbols, XK_Alt_L),
                        keycode(symbols, XK_k)};
    xcb_key_symbols_free(symbols);
    uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY | XCB_EVENT_MASK_EXPOSURE;
    xcb_generic_error_t* error = xcb_request_check(
        conn, xcb_change_window_attributes_checked(conn, window, XCB_CW_EVENT_MASK, &mask));
    if (error || !keys.control || !keys.alt || !keys.k) {
        fprintf(stderr, "hot_key_watch: cannot watch window 0x%x or find the keys\n", window);
        return 1;
    }

    // Starting shown or hidden, each run ends as it began.
    for (int run = 0; run < runs; ++run) {
        if (!toggle(conn, window, &keys, run) || !toggle(conn, window, &keys, run)) {
            return 2;
        }
    }
    printf("hide_ms=%.2f map_ms=%.2f expose_ms=%.2f runs=%d\n", median(hide_ms, runs),
           median(map_ms, runs), median(expose_ms, runs), runs);
    xcb_disconnect(conn);
    return 0;
}
