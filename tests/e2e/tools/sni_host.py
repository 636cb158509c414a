#!/usr/bin/python3
"""A StatusNotifierWatcher with a host, for the tests, and a client of the items.

  sni_host.py watch RECORD     a panel's tray: own org.kde.StatusNotifierWatcher and a
                               host's name on the session bus; append each item service
                               that registers to RECORD
  sni_host.py watcher RECORD   the watcher alone in kded5, as KDE's runs without a
                               panel (it says a host is registered all the same)
  sni_host.py host             a host's name alone, as a panel that starts later
  sni_host.py menu SERVICE     print the item's menu (com.canonical.dbusmenu), one
                               label a line, "-" for a separator
  sni_host.py click SERVICE LABEL   send "clicked" to the menu entry with that label
  sni_host.py activate SERVICE [TOKEN]   call Activate (a left click on the icon),
                               first lending TOKEN as a Wayland panel lends the
                               activation token of the click
  sni_host.py tooltip SERVICE       print the title of the item's tool tip
  sni_host.py items                 print the services of the items a running watcher
                                    has registered, one a line
  sni_host.py is-menu SERVICE       print the item's ItemIsMenu (True: a left click
                                    only opens the menu)
"""
import re
import sys

import dbus
import dbus.service

WATCHER = "org.kde.StatusNotifierWatcher"
ITEM = "org.kde.StatusNotifierItem"
MENU = "com.canonical.dbusmenu"
PROPERTIES = "org.freedesktop.DBus.Properties"


class Watcher(dbus.service.Object):
    def __init__(self, bus, record):
        super().__init__(bus, "/StatusNotifierWatcher")
        self.record = record
        self.items = []

    @dbus.service.method(WATCHER, in_signature="s", sender_keyword="sender")
    def RegisterStatusNotifierItem(self, service, sender=None):
        name = service if service.startswith(":") or "." in service else sender
        self.items.append(name)
        with open(self.record, "a", encoding="utf-8") as out:
            out.write(name + "\n")
        self.StatusNotifierItemRegistered(name)

    @dbus.service.method(WATCHER, in_signature="s")
    def RegisterStatusNotifierHost(self, service):
        pass

    @dbus.service.signal(WATCHER, signature="s")
    def StatusNotifierItemRegistered(self, service):
        pass

    @dbus.service.signal(WATCHER, signature="")
    def StatusNotifierHostRegistered(self):
        pass

    def properties(self):
        return {
            "RegisteredStatusNotifierItems": dbus.Array(self.items, signature="s"),
            "IsStatusNotifierHostRegistered": dbus.Boolean(True),
            "ProtocolVersion": dbus.Int32(0),
        }

    # Qt reads the properties through the introspection data, so they are declared.
    @dbus.service.method(dbus.INTROSPECTABLE_IFACE, in_signature="", out_signature="s",
                         path_keyword="object_path", connection_keyword="connection")
    def Introspect(self, object_path, connection):
        xml = super().Introspect(object_path, connection)
        declared = ('<property name="RegisteredStatusNotifierItems" type="as" access="read"/>'
                    '<property name="IsStatusNotifierHostRegistered" type="b" access="read"/>'
                    '<property name="ProtocolVersion" type="i" access="read"/>')
        opening = '<interface name="%s">' % WATCHER
        return xml.replace(opening, opening + declared)

    @dbus.service.method(PROPERTIES, in_signature="ss", out_signature="v")
    def Get(self, interface, name):
        return self.properties()[name]

    @dbus.service.method(PROPERTIES, in_signature="s", out_signature="a{sv}")
    def GetAll(self, interface):
        return self.properties()


def serve(record, watcher, host, kded=False):
    import os

    from dbus.mainloop.glib import DBusGMainLoop
    from gi.repository import GLib

    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    names = []
    if watcher:
        served = Watcher(bus, record)
        names.append(dbus.service.BusName(WATCHER, bus))
    if host:
        names.append(dbus.service.BusName("org.kde.StatusNotifierHost-%d" % os.getpid(), bus))
    if kded:
        names.append(dbus.service.BusName("org.kde.kded5", bus))
    if watcher:
        served.StatusNotifierHostRegistered()
    GLib.MainLoop().run()


def item(service):
    return dbus.SessionBus().get_object(service, "/StatusNotifierItem")


def menu_entries(service):
    bus = dbus.SessionBus()
    path = item(service).Get(ITEM, "Menu", dbus_interface=PROPERTIES)
    menu = bus.get_object(service, path)
    menu.AboutToShow(0, dbus_interface=MENU)
    _, layout = menu.GetLayout(0, -1, [], dbus_interface=MENU)
    for child in layout[2]:
        identifier, properties = int(child[0]), child[1]
        if not properties.get("visible", True):
            continue
        if properties.get("type") == "separator":
            yield identifier, "-"
        else:
            yield identifier, str(properties.get("label", "")).replace("_", "")
    return menu


def main(argv):
    command = argv[1]
    if command == "watch":
        serve(argv[2], watcher=True, host=True)
    elif command == "watcher":
        serve(argv[2], watcher=True, host=False, kded=True)
    elif command == "host":
        serve(None, watcher=False, host=True)
    elif command == "menu":
        for _, label in menu_entries(argv[2]):
            print(label)
    elif command == "click":
        bus = dbus.SessionBus()
        path = item(argv[2]).Get(ITEM, "Menu", dbus_interface=PROPERTIES)
        menu = bus.get_object(argv[2], path)
        for identifier, label in menu_entries(argv[2]):
            if label == argv[3]:
                menu.Event(identifier, "clicked", dbus.String("", variant_level=1), 0,
                           dbus_interface=MENU)
                return 0
        print("no entry " + argv[3], file=sys.stderr)
        return 1
    elif command == "activate":
        if len(argv) > 3:
            item(argv[2]).ProvideXdgActivationToken(argv[3], dbus_interface=ITEM)
        item(argv[2]).Activate(10, 10, dbus_interface=ITEM)
    elif command == "tooltip":
        tooltip = item(argv[2]).Get(ITEM, "ToolTip", dbus_interface=PROPERTIES)
        print(str(tooltip[2]))
    elif command == "items":
        watcher = dbus.SessionBus().get_object(WATCHER, "/StatusNotifierWatcher")
        for registered in watcher.Get(WATCHER, "RegisteredStatusNotifierItems",
                                      dbus_interface=PROPERTIES):
            # "SERVICE/PATH", or GNOME's extension's "SERVICE@PATH"
            print(re.split("[/@]", str(registered), maxsplit=1)[0])
    elif command == "is-menu":
        print(bool(item(argv[2]).Get(ITEM, "ItemIsMenu", dbus_interface=PROPERTIES)))
    elif command == "icon-name":
        print(str(item(argv[2]).Get(ITEM, "IconName", dbus_interface=PROPERTIES)))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
