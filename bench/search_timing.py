#!/usr/bin/python3
"""Times the length search on the session bus as GNOME Shell and KRunner meet it.

  search_timing.py COLD_RUNS WARM_RUNS

cold: from the first question, with no provider running, to its answer (the bus
starts `zelvo --search-provider`), the provider ended after each run; warm: one
question to a running provider, GetInitialResultSet and KRunner's Match in turn.
Prints the median, the 90th percentile and the worst of each, in milliseconds.
"""
import os
import signal
import statistics
import sys
import time

from gi.repository import Gio, GLib

NAME = "org.zelvo.Zelvo.SearchProvider"
PATH = "/org/zelvo/Zelvo/SearchProvider"


def call(bus, interface, method, args, reply):
    return bus.call_sync(NAME, PATH, interface, method, args, GLib.VariantType(reply),
                         Gio.DBusCallFlags.NONE, 5000, None)


def bus_call(bus, method, args, reply):
    return bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                         method, args, GLib.VariantType(reply), Gio.DBusCallFlags.NONE, 5000,
                         None).unpack()[0]


def end_provider(bus):
    if not bus_call(bus, "NameHasOwner", GLib.Variant("(s)", (NAME,)), "(b)"):
        return
    pid = bus_call(bus, "GetConnectionUnixProcessID", GLib.Variant("(s)", (NAME,)), "(u)")
    os.kill(pid, signal.SIGTERM)
    while bus_call(bus, "NameHasOwner", GLib.Variant("(s)", (NAME,)), "(b)"):
        time.sleep(0.005)


def figures(label, times):
    times = sorted(times)
    p90 = times[min(len(times) - 1, int(len(times) * 0.9))]
    print("%-34s %8.2f %8.2f %8.2f" % (label, statistics.median(times), p90, times[-1]))


def main(argv):
    cold_runs, warm_runs = int(argv[1]), int(argv[2])
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    gnome = ("org.gnome.Shell.SearchProvider2", "GetInitialResultSet")
    terms = ["25.4mm", "12q", "10pt", "1 inch", "96px", "1440 twip", "10+5q", "hello"]
    cold = []
    for _ in range(cold_runs):
        end_provider(bus)
        start = time.perf_counter()
        call(bus, *gnome, GLib.Variant("(as)", (["25.4mm"],)), "(as)")
        cold.append((time.perf_counter() - start) * 1000)
    warm_gnome, warm_krunner = [], []
    for run in range(warm_runs):
        term = terms[run % len(terms)]
        start = time.perf_counter()
        call(bus, *gnome, GLib.Variant("(as)", (term.split(),)), "(as)")
        warm_gnome.append((time.perf_counter() - start) * 1000)
        start = time.perf_counter()
        call(bus, "org.kde.krunner1", "Match", GLib.Variant("(s)", (term,)), "(a(sssida{sv}))")
        warm_krunner.append((time.perf_counter() - start) * 1000)
    end_provider(bus)
    print("%-34s %8s %8s %8s" % ("ms", "median", "p90", "worst"))
    figures("cold: activation to first answer", cold)
    figures("warm: GetInitialResultSet", warm_gnome)
    figures("warm: KRunner Match", warm_krunner)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
