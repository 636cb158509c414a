// map_watch: starts a program, times how long it takes until its first top-level window is
// mapped, then reports how much memory the program holds once it has settled.
//
// Usage: map_watch [--name TITLE] [--wider-than PIXELS] -- command args...
//
// SubstructureNotify on the root window reports each top-level window as it is made, and
// StructureNotify, selected on it then, reports its mapping, also when a window manager maps it
// inside a frame of its own. Without a window manager the root reports the mapping as well, in
// case the program mapped the window before its selection was in force. A window is the
// program's when its _NET_WM_PID equals the child's pid (Qt sets it before mapping); with
// --name, its WM_NAME or _NET_WM_NAME must also equal TITLE; with --wider-than, it must be wider
// than PIXELS (which tells a bar from a tray icon of the same title). A mapped window whose
// properties are not all there yet is kept, and PropertyNotify on it completes the match later.
//
// Prints "mapped_ms=<float> pid=<pid> window=0x<id>", then 300 ms later "rss_kb=<n>" (VmRSS),
// then stops the program: SIGTERM, and SIGKILL when it is still there 2 s later.
// Exit status: 0 measured, 1 bad usage or no X display, 2 no window within 20 s,
// 3 the program ended before mapping a window.
#define _GNU_SOURCE
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdbool.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/pidfd.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <xcb/xcb.h>

enum { kTimeoutMs = 20000, kSettleMs = 300, kTermGraceMs = 2000, kMaxPending = 64 };

// A mapped top-level window not yet known to be the program's, with the time it was mapped.
struct pending {
    xcb_window_t window;
    double mapped_ms;
};

struct watch {
    xcb_connection_t* conn;
    xcb_window_t root;
    xcb_atom_t net_wm_pid;
    xcb_atom_t net_wm_name;
    pid_t pid;
    const char* title;  // NULL: any window of the program
    int wider_than;     // pixels
    struct timespec start;
    struct pending pending[kMaxPending];
    int pending_count;
};

static double ms_since(const struct timespec* start) {
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (double)(now.tv_sec - start->tv_sec) * 1e3 +
           (double)(now.tv_nsec - start->tv_nsec) / 1e6;
}

static xcb_atom_t intern(xcb_connection_t* conn, const char* name) {
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(conn, xcb_intern_atom(conn, 0, (uint16_t)strlen(name), name), NULL);
    xcb_atom_t atom = reply ? reply->atom : XCB_ATOM_NONE;
    free(reply);
    return atom;
}

// Reads a property of a window; NULL when it is not set or the window is gone.
static xcb_get_property_reply_t* get_property(xcb_connection_t* conn, xcb_window_t window,
                                              xcb_atom_t property, xcb_atom_t type) {
    xcb_generic_error_t* error = NULL;
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        conn, xcb_get_property(conn, 0, window, property, type, 0, 1024), &error);
    free(error);
    if (reply && reply->format == 0) {
        free(reply);
        return NULL;
    }
    return reply;
}

static bool has_pid(struct watch* w, xcb_window_t window) {
    xcb_get_property_reply_t* reply =
        get_property(w->conn, window, w->net_wm_pid, XCB_ATOM_CARDINAL);
    bool same = reply && reply->format == 32 && xcb_get_property_value_length(reply) == 4 &&
                *(uint32_t*)xcb_get_property_value(reply) == (uint32_t)w->pid;
    free(reply);
    return same;
}

static bool has_text(struct watch* w, xcb_window_t window, xcb_atom_t property) {
    xcb_get_property_reply_t* reply =
        get_property(w->conn, window, property, XCB_GET_PROPERTY_TYPE_ANY);
    size_t length = strlen(w->title);
    bool same = reply && reply->format == 8 &&
                (size_t)xcb_get_property_value_length(reply) == length &&
                memcmp(xcb_get_property_value(reply), w->title, length) == 0;
    free(reply);
    return same;
}

static bool is_wide_enough(struct watch* w, xcb_window_t window) {
    xcb_get_geometry_reply_t* geometry =
        xcb_get_geometry_reply(w->conn, xcb_get_geometry(w->conn, window), NULL);
    bool wide = geometry && geometry->width > w->wider_than;
    free(geometry);
    return wide;
}

static bool is_wanted(struct watch* w, xcb_window_t window) {
    if (!has_pid(w, window) || !is_wide_enough(w, window)) {
        return false;
    }
    return !w->title || has_text(w, window, XCB_ATOM_WM_NAME) ||
           has_text(w, window, w->net_wm_name);
}

static struct pending* find_pending(struct watch* w, xcb_window_t window) {
    for (int i = 0; i < w->pending_count; ++i) {
        if (w->pending[i].window == window) {
            return &w->pending[i];
        }
    }
    return NULL;
}

// A top-level window was made: its mapping and its property changes are selected, at once.
static void on_create(struct watch* w, xcb_window_t window) {
    uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY | XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(w->conn, window, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(w->conn);
}

// A top-level window was mapped (the root and the window itself may both say so). Its property
// changes were selected when it was made, or are now, before its properties are read, so a
// property set after the read still arrives as PropertyNotify.
static bool on_map(struct watch* w, xcb_window_t window, struct pending* found) {
    double mapped_ms = ms_since(&w->start);
    if (find_pending(w, window)) {
        return false;
    }
    on_create(w, window);
    if (is_wanted(w, window)) {
        *found = (struct pending){window, mapped_ms};
        return true;
    }
    if (w->pending_count < kMaxPending) {
        w->pending[w->pending_count++] = (struct pending){window, mapped_ms};
    }
    return false;
}

static bool on_property(struct watch* w, const xcb_property_notify_event_t* ev,
                        struct pending* found) {
    struct pending* p = find_pending(w, ev->window);
    bool relevant =
        ev->atom == w->net_wm_pid || ev->atom == XCB_ATOM_WM_NAME || ev->atom == w->net_wm_name;
    if (!p || !relevant || !is_wanted(w, ev->window)) {
        return false;
    }
    *found = *p;
    return true;
}

static void on_unmap(struct watch* w, xcb_window_t window) {
    struct pending* p = find_pending(w, window);
    if (p) {
        *p = w->pending[--w->pending_count];
    }
}

// Handles every event already received; true once the program's window has been found.
static bool handle_events(struct watch* w, struct pending* found) {
    xcb_generic_event_t* ev;
    bool done = false;
    while (!done && (ev = xcb_poll_for_event(w->conn))) {
        switch (ev->response_type & 0x7f) {
            case XCB_CREATE_NOTIFY: {
                xcb_create_notify_event_t* create = (xcb_create_notify_event_t*)ev;
                if (create->parent == w->root) {
                    on_create(w, create->window);
                }
                break;
            }
            case XCB_MAP_NOTIFY: {
                xcb_map_notify_event_t* map = (xcb_map_notify_event_t*)ev;
                bool top_level = map->event == w->root || map->event == map->window;
                done = top_level && on_map(w, map->window, found);
                break;
            }
            case XCB_PROPERTY_NOTIFY:
                done = on_property(w, (xcb_property_notify_event_t*)ev, found);
                break;
            case XCB_UNMAP_NOTIFY:
                on_unmap(w, ((xcb_unmap_notify_event_t*)ev)->window);
                break;
        }
        free(ev);
    }
    return done;
}

// Stops the program: SIGTERM, then SIGKILL when it has not ended within the grace period.
static void stop_child(pid_t pid, int pidfd) {
    kill(pid, SIGTERM);
    struct pollfd fd = {pidfd, POLLIN, 0};
    if (poll(&fd, 1, kTermGraceMs) == 0) {
        kill(pid, SIGKILL);
    }
    waitpid(pid, NULL, 0);
}

// Reaps a program that ended by itself and says how it ended.
static void report_exit(pid_t pid, const char* when) {
    int status = 0;
    waitpid(pid, &status, 0);
    if (WIFSIGNALED(status)) {
        fprintf(stderr, "map_watch: the program was killed by signal %d %s\n", WTERMSIG(status),
                when);
    } else {
        fprintf(stderr, "map_watch: the program exited with status %d %s\n", WEXITSTATUS(status),
                when);
    }
}

// Waits for the program's window, blocking in poll() on the X connection and on the child.
static int wait_for_window(struct watch* w, int pidfd, struct pending* found) {
    struct pollfd fds[2] = {{xcb_get_file_descriptor(w->conn), POLLIN, 0}, {pidfd, POLLIN, 0}};
    while (!handle_events(w, found)) {
        if (xcb_connection_has_error(w->conn)) {
            fprintf(stderr, "map_watch: lost the connection to the X server\n");
            stop_child(w->pid, pidfd);
            return 1;
        }
        int left_ms = kTimeoutMs - (int)ms_since(&w->start);
        if (left_ms <= 0 || poll(fds, 2, left_ms) == 0) {
            fprintf(stderr, "map_watch: no window of pid %d was mapped within %d s\n", (int)w->pid,
                    kTimeoutMs / 1000);
            stop_child(w->pid, pidfd);
            return 2;
        }
        if ((fds[1].revents & POLLIN) && !handle_events(w, found)) {
            report_exit(w->pid, "before mapping a window");
            return 3;
        }
    }
    return 0;
}

static long rss_kb(pid_t pid) {
    char path[64];
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE* status = fopen(path, "r");
    if (!status) {
        return -1;
    }
    char line[256];
    long kb = -1;
    while (kb < 0 && fgets(line, sizeof line, status)) {
        sscanf(line, "VmRSS: %ld kB", &kb);
    }
    fclose(status);
    return kb;
}

static int usage(void) {
    fprintf(stderr, "usage: map_watch [--name TITLE] [--wider-than PIXELS] -- command args...\n");
    return 1;
}

int main(int argc, char* argv[]) {
    struct watch w = {0};
    int i = 1;
    for (; i + 1 < argc && strcmp(argv[i], "--") != 0; i += 2) {
        if (strcmp(argv[i], "--name") == 0) {
            w.title = argv[i + 1];
        } else if (strcmp(argv[i], "--wider-than") == 0) {
            w.wider_than = atoi(argv[i + 1]);
        } else {
            return usage();
        }
    }
    if (i + 1 >= argc || strcmp(argv[i], "--") != 0) {
        return usage();
    }
    char** command = &argv[i + 1];

    int screen_number = 0;
    w.conn = xcb_connect(NULL, &screen_number);
    if (xcb_connection_has_error(w.conn)) {
        fprintf(stderr, "map_watch: cannot connect to the X display (DISPLAY=%s)\n",
                getenv("DISPLAY") ? getenv("DISPLAY") : "");
        return 1;
    }
    fcntl(xcb_get_file_descriptor(w.conn), F_SETFD, FD_CLOEXEC);
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(w.conn));
    for (int s = 0; s < screen_number; ++s) {
        xcb_screen_next(&screens);
    }
    w.root = screens.data->root;
    w.net_wm_pid = intern(w.conn, "_NET_WM_PID");
    w.net_wm_name = intern(w.conn, "_NET_WM_NAME");

    // The selection is checked, so it is in force before the program starts.
    uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_generic_error_t* error = xcb_request_check(
        w.conn, xcb_change_window_attributes_checked(w.conn, w.root, XCB_CW_EVENT_MASK, &mask));
    if (error) {
        fprintf(stderr, "map_watch: cannot watch the root window (X error %d)\n",
                error->error_code);
        return 1;
    }

    fflush(stdout);
    clock_gettime(CLOCK_MONOTONIC, &w.start);
    w.pid = fork();
    if (w.pid == 0) {
        execvp(command[0], command);
        perror(command[0]);
        _exit(127);
    }
    int pidfd = w.pid > 0 ? pidfd_open(w.pid, 0) : -1;
    if (pidfd < 0) {
        perror("map_watch");
        if (w.pid > 0) {
            kill(w.pid, SIGKILL);
        }
        return 1;
    }

    struct pending found = {0};
    int result = wait_for_window(&w, pidfd, &found);
    if (result != 0) {
        return result;
    }
    printf("mapped_ms=%.1f pid=%d window=0x%x\n", found.mapped_ms, (int)w.pid, found.window);
    fflush(stdout);

    struct timespec settle = {0, kSettleMs * 1000000L};
    nanosleep(&settle, NULL);
    long kb = rss_kb(w.pid);
    struct pollfd child = {pidfd, POLLIN, 0};
    if (kb < 0 || poll(&child, 1, 0) == 1) {
        report_exit(w.pid, "while settling");
        return 3;
    }
    printf("rss_kb=%ld\n", kb);
    fflush(stdout);
    stop_child(w.pid, pidfd);
    xcb_disconnect(w.conn);
    return 0;
}
