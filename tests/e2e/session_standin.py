#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A stand-in for the desktop's idle inhibitors on a private session bus: the desktop portal's
Inhibit, org.freedesktop.ScreenSaver and GNOME's session manager, each offered only when named
on the command line (`session_standin.py portal screensaver gnome`); with `late` among them, each
grants at once but answers only 1.3 s later, past the client's bound. It prints, flushed, "ready"
once its names are taken, then a line per event:
  inhibit <service> <flags or reason>   a client asked to keep the screen awake
  release <service>                     the client let go (Close, UnInhibit, Uninhibit)
  gone <service>                        the client left the bus still holding it"""

import sys

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

PORTAL = "org.freedesktop.portal.Desktop"
SCREENSAVER = "org.freedesktop.ScreenSaver"
GNOME = "org.gnome.SessionManager"

held = {}  # (service, key) -> sender
LATE_MS = 1300
late = False


def say(line):
    print(line, flush=True)


def take(service, key, sender, detail):
    held[(service, key)] = sender
    say(f"inhibit {service} {detail}")


def answer(reply, value):
    if late:
        GLib.timeout_add(LATE_MS, lambda: reply(value) and False)
    else:
        reply(value)


def let_go(service, key):
    if held.pop((service, key), None) is not None:
        say(f"release {service}")


class Request(dbus.service.Object):
    def __init__(self, bus, path):
        super().__init__(bus, path)
        self.path = path

    @dbus.service.method("org.freedesktop.portal.Request", in_signature="", out_signature="")
    def Close(self):
        let_go("portal", self.path)
        self.remove_from_connection()


class Portal(dbus.service.Object):
    count = 0

    @dbus.service.method("org.freedesktop.portal.Inhibit", in_signature="sua{sv}",
                         out_signature="o", sender_keyword="sender",
                         async_callbacks=("reply", "error"))
    def Inhibit(self, window, flags, options, sender=None, reply=None, error=None):
        Portal.count += 1
        path = f"/org/freedesktop/portal/desktop/request/limbora/t{Portal.count}"
        Request(self.connection, path)
        take("portal", path, sender, f"flags={int(flags)} reason={options.get('reason', '')}")
        answer(reply, dbus.ObjectPath(path))


class ScreenSaver(dbus.service.Object):
    cookie = 100

    @dbus.service.method(SCREENSAVER, in_signature="ss", out_signature="u", sender_keyword="sender",
                         async_callbacks=("reply", "error"))
    def Inhibit(self, application, reason, sender=None, reply=None, error=None):
        ScreenSaver.cookie += 1
        take("screensaver", ScreenSaver.cookie, sender, f"app={application} reason={reason}")
        answer(reply, dbus.UInt32(ScreenSaver.cookie))

    @dbus.service.method(SCREENSAVER, in_signature="u", out_signature="")
    def UnInhibit(self, cookie):
        let_go("screensaver", int(cookie))


class SessionManager(dbus.service.Object):
    cookie = 200

    @dbus.service.method(GNOME, in_signature="susu", out_signature="u", sender_keyword="sender",
                         async_callbacks=("reply", "error"))
    def Inhibit(self, app_id, xid, reason, flags, sender=None, reply=None, error=None):
        SessionManager.cookie += 1
        take("gnome", SessionManager.cookie, sender, f"flags={int(flags)} app={app_id}")
        answer(reply, dbus.UInt32(SessionManager.cookie))

    @dbus.service.method(GNOME, in_signature="u", out_signature="")
    def Uninhibit(self, cookie):
        let_go("gnome", int(cookie))


def owner_changed(name, old, new):
    if name.startswith(":") and not new:
        for (service, key), sender in list(held.items()):
            if sender == name:
                del held[(service, key)]
                say(f"gone {service}")


def main():
    global late
    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    names = []
    offered = set(sys.argv[1:])
    late = "late" in offered
    if "portal" in offered:
        names.append(dbus.service.BusName(PORTAL, bus))
        Portal(bus, "/org/freedesktop/portal/desktop")
    if "screensaver" in offered:
        names.append(dbus.service.BusName(SCREENSAVER, bus))
        ScreenSaver(bus, "/org/freedesktop/ScreenSaver")
    if "gnome" in offered:
        names.append(dbus.service.BusName(GNOME, bus))
        SessionManager(bus, "/org/gnome/SessionManager")
    bus.add_signal_receiver(owner_changed, "NameOwnerChanged", "org.freedesktop.DBus")
    say("ready")
    GLib.MainLoop().run()


if __name__ == "__main__":
    main()
