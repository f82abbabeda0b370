#!/usr/bin/python3
"""A fake org.freedesktop.Notifications server on the bus of DBUS_SESSION_BUS_ADDRESS.

  notification_server.py LOG   serves until killed; each Notify call is one JSON line in LOG:
                               its arguments, with each hint's D-Bus signature beside its value
"""
import json
import sys

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

NAME = "org.freedesktop.Notifications"
SIGNATURES = {dbus.Byte: "y", dbus.String: "s", dbus.Int32: "i", dbus.UInt32: "u",
              dbus.Boolean: "b", dbus.Int64: "x"}


class Server(dbus.service.Object):
    def __init__(self, bus, log):
        super().__init__(bus, "/org/freedesktop/Notifications")
        self.log = log
        self.last_id = 0

    @dbus.service.method(NAME, in_signature="susssasa{sv}i", out_signature="u")
    def Notify(self, app_name, replaces_id, app_icon, summary, body, actions, hints, timeout):
        if replaces_id == 0:
            self.last_id += 1
        given = replaces_id or self.last_id
        call = {"app_name": str(app_name), "replaces_id": int(replaces_id),
                "app_icon": str(app_icon), "summary": str(summary), "body": str(body),
                "hints": {str(k): [SIGNATURES.get(type(v), type(v).__name__),
                                   str(v) if isinstance(v, str) else int(v)]
                          for k, v in hints.items()},
                "timeout": int(timeout), "id": given}
        with open(self.log, "a") as out:
            out.write(json.dumps(call) + "\n")
        return dbus.UInt32(given)

    @dbus.service.method(NAME, out_signature="as")
    def GetCapabilities(self):
        return ["body"]

    @dbus.service.method(NAME, out_signature="ssss")
    def GetServerInformation(self):
        return ["fake", "kirv-tests", "1", "1.2"]


dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
bus = dbus.SessionBus()
server = Server(bus, sys.argv[1])
name = dbus.service.BusName(NAME, bus)
GLib.MainLoop().run()
