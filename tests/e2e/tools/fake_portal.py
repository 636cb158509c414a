#!/usr/bin/python3
"""A desktop portal with GlobalShortcuts only, for the tests, on the session bus,
binding as the portal's documentation has it: a session holds nothing until
BindShortcuts, which answers with the shortcuts held and their triggers.

  fake_portal.py RECORD   append each CreateSession and BindShortcuts call to RECORD as
                          one line: the method, then "id=preferred_trigger" pairs;
                          SIGUSR1 makes the shortcut "toggle" of the last session fire
                          (Activated)
The desktop's answers, by the key asked for: Ctrl+Alt+J is declined (the user said
no), for Ctrl+Alt+L the desktop keeps Ctrl+Alt+M, any other is bound as asked.
"""
import signal
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

PORTAL = "org.freedesktop.portal.Desktop"
PATH = "/org/freedesktop/portal/desktop"
SHORTCUTS = "org.freedesktop.portal.GlobalShortcuts"
REQUEST = "org.freedesktop.portal.Request"


class Request(dbus.service.Object):
    @dbus.service.signal(REQUEST, signature="ua{sv}")
    def Response(self, response, results):
        pass


class Session(dbus.service.Object):
    @dbus.service.method("org.freedesktop.portal.Session", in_signature="", out_signature="")
    def Close(self):
        self.remove_from_connection()


def request_path(sender, options):
    return "%s/request/%s/%s" % (PATH, sender[1:].replace(".", "_"), options["handle_token"])


class Portal(dbus.service.Object):
    def __init__(self, bus, record):
        super().__init__(bus, PATH)
        self.bus = bus
        self.record = record
        self.session = None

    def answer(self, path, results, response=0):
        request = Request(self.bus, path)
        GLib.idle_add(lambda: request.Response(dbus.UInt32(response), results) and False)
        return dbus.ObjectPath(path)

    def note(self, method, shortcuts):
        with open(self.record, "a", encoding="utf-8") as out:
            out.write(method + " " + " ".join(
                "%s=%s" % (identifier, properties.get("preferred_trigger", ""))
                for identifier, properties in shortcuts) + "\n")

    @dbus.service.method(SHORTCUTS, in_signature="a{sv}", out_signature="o",
                         sender_keyword="sender")
    def CreateSession(self, options, sender=None):
        self.note("CreateSession", options.get("shortcuts", []))
        self.session = "%s/session/%s/%s" % (PATH, sender[1:].replace(".", "_"),
                                             options["session_handle_token"])
        Session(self.bus, self.session)
        return self.answer(request_path(sender, options),
                           {"session_handle": dbus.String(self.session)})

    @dbus.service.method(SHORTCUTS, in_signature="oa(sa{sv})sa{sv}", out_signature="o",
                         sender_keyword="sender")
    def BindShortcuts(self, session, shortcuts, parent, options, sender=None):
        self.note("BindShortcuts", shortcuts)
        path = request_path(sender, options)
        held = []
        for identifier, properties in shortcuts:
            trigger = str(properties.get("preferred_trigger", ""))
            if trigger == "CTRL+ALT+j":
                return self.answer(path, {}, response=1)
            described = "Ctrl+Alt+M" if trigger == "CTRL+ALT+l" else trigger
            held.append(dbus.Struct((identifier, {"trigger_description": dbus.String(described)}),
                                    signature="sa{sv}"))
        return self.answer(path, {"shortcuts": dbus.Array(held, signature="(sa{sv})")})

    @dbus.service.signal(SHORTCUTS, signature="osta{sv}")
    def Activated(self, session, shortcut, timestamp, options):
        pass

    @dbus.service.method(dbus.INTROSPECTABLE_IFACE, in_signature="", out_signature="s",
                         path_keyword="object_path", connection_keyword="connection")
    def Introspect(self, object_path, connection):
        xml = super().Introspect(object_path, connection)
        opening = '<interface name="%s">' % SHORTCUTS
        return xml.replace(opening, opening + '<property name="version" type="u" access="read"/>')

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="ss", out_signature="v")
    def Get(self, interface, name):
        if interface == SHORTCUTS and name == "version":
            return dbus.UInt32(1)
        raise dbus.exceptions.DBusException("no such property",
                                            name="org.freedesktop.DBus.Error.InvalidArgs")

    def fire(self):
        if self.session:
            self.Activated(dbus.ObjectPath(self.session), "toggle", dbus.UInt64(0), {})
        return True


def main(argv):
    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    portal = Portal(bus, argv[1])
    name = dbus.service.BusName(PORTAL, bus)
    GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGUSR1, portal.fire)
    GLib.MainLoop().run()
    del name
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
