#!/usr/bin/python3
"""Presses a key combination in a GNOME Shell session through Mutter's remote desktop
interface, as a keyboard would: gnome_keys.py ctrl+alt+k"""
import sys

import dbus

KEYSYMS = {"ctrl": 0xFFE3, "alt": 0xFFE9, "shift": 0xFFE1, "super": 0xFFEB, "return": 0xFF0D}


def keysym(name):
    return KEYSYMS.get(name, ord(name) if len(name) == 1 else 0)


def main(argv):
    keys = [keysym(name) for name in argv[1].lower().split("+")]
    bus = dbus.SessionBus()
    desktop = bus.get_object("org.gnome.Mutter.RemoteDesktop", "/org/gnome/Mutter/RemoteDesktop")
    path = desktop.CreateSession(dbus_interface="org.gnome.Mutter.RemoteDesktop")
    session = dbus.Interface(bus.get_object("org.gnome.Mutter.RemoteDesktop", path),
                             "org.gnome.Mutter.RemoteDesktop.Session")
    session.Start()
    for key in keys:
        session.NotifyKeyboardKeysym(dbus.UInt32(key), True)
    for key in reversed(keys):
        session.NotifyKeyboardKeysym(dbus.UInt32(key), False)
    session.Stop()
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
