#!/usr/bin/python3
"""A stand-in for the desktop's notification server, for the tests.

Owns org.freedesktop.Notifications on the session bus, appends every Notify
call as one JSON line to the file named by the first argument, and prints
"ready" once it owns the name. Runs until it is terminated.
"""
import json
import signal
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

NAME = "org.freedesktop.Notifications"
PATH = "/org/freedesktop/Notifications"


class StandInServer(dbus.service.Object):
    def __init__(self, bus, record):
        super().__init__(bus, PATH)
        self.record = record
        self.last_id = 0

    @dbus.service.method(NAME, in_signature="susssasa{sv}i", out_signature="u")
    def Notify(self, app_name, replaces_id, app_icon, summary, body, actions, hints, timeout):
        self.last_id += 1
        call = {
            "app_name": str(app_name),
            "app_icon": str(app_icon),
            "summary": str(summary),
            "body": str(body),
            "hints": {str(key): str(value) for key, value in hints.items()},
        }
        with open(self.record, "a", encoding="utf-8") as out:
            out.write(json.dumps(call, ensure_ascii=False) + "\n")
        return self.last_id

    @dbus.service.method(NAME, in_signature="", out_signature="as")
    def GetCapabilities(self):
        return ["body"]

    @dbus.service.method(NAME, in_signature="", out_signature="ssss")
    def GetServerInformation(self):
        return ("tevaro-stand-in", "tevaro", "1", "1.2")

    @dbus.service.method(NAME, in_signature="u", out_signature="")
    def CloseNotification(self, notification_id):
        pass


def main():
    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    owned = bus.request_name(NAME, dbus.bus.NAME_FLAG_DO_NOT_QUEUE)
    if owned != dbus.bus.REQUEST_NAME_REPLY_PRIMARY_OWNER:
        print("name taken", flush=True)
        return 1
    server = StandInServer(bus, sys.argv[1])
    loop = GLib.MainLoop()
    GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGTERM, loop.quit)
    print("ready", flush=True)
    loop.run()
    del server
    return 0


if __name__ == "__main__":
    sys.exit(main())
