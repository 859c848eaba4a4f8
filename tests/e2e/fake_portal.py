#!/usr/bin/python3
"""A desktop portal with only a colour picker, for the bus to start on demand.

  fake_portal.py ANSWERS   takes org.freedesktop.portal.Desktop; each PickColor takes the
                           first line of the file ANSWERS: "R G B" (0 to 1) picks that
                           colour, "cancel N" answers code N; each call is logged to
                           ANSWERS.log, each answer sent to ANSWERS.sent
"""
import sys

import dbus
import dbus.service
import dbus.mainloop.glib
from gi.repository import GLib

PORTAL = "org.freedesktop.portal.Desktop"
PATH = "/org/freedesktop/portal/desktop"


class Request(dbus.service.Object):
    @dbus.service.signal("org.freedesktop.portal.Request", signature="ua{sv}")
    def Response(self, code, results):
        pass


class Portal(dbus.service.Object):
    def __init__(self, bus, answers):
        super().__init__(bus, PATH)
        self.bus = bus
        self.answers = answers
        self.requests = []

    @dbus.service.method("org.freedesktop.portal.Screenshot", in_signature="sa{sv}",
                         out_signature="o", sender_keyword="sender")
    def PickColor(self, parent, options, sender=None):
        with open(self.answers) as f:
            lines = f.read().splitlines()
        answer = lines[0] if lines else "cancel 1"
        with open(self.answers, "w") as f:
            f.write("\n".join(lines[1:]))
        with open(self.answers + ".log", "a") as f:
            f.write("%s %s\n" % (parent, answer))
        token = str(options.get("handle_token", "t"))
        path = "%s/request/%s/%s" % (PATH, sender[1:].replace(".", "_"), token)
        request = Request(self.bus, path)
        self.requests.append(request)
        words = answer.split()
        if words[0] == "cancel":
            code, results = int(words[1]), {}
        else:
            color = dbus.Struct([float(w) for w in words], signature="ddd")
            code, results = 0, {"color": color}
        # Answer once the caller has its request's path; ANSWERS.sent counts the answers.
        def answer_now():
            request.Response(dbus.UInt32(code), dbus.Dictionary(results, signature="sv"))
            self.bus.flush()
            with open(self.answers + ".sent", "a") as f:
                f.write("%s\n" % code)
            return False
        GLib.timeout_add(200, answer_now)
        return dbus.ObjectPath(path)


def main(argv):
    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    portal = Portal(bus, argv[1])
    name = dbus.service.BusName(PORTAL, bus)
    GLib.MainLoop().run()


if __name__ == "__main__":
    main(sys.argv)
