#!/usr/bin/python3
"""A StatusNotifier watcher and host on the session bus, and a client of the items.

  sni.py watch FILE        be the watcher (and say a host is there) until killed; each item
                           that registers is appended to FILE as "service path"
  sni.py menu SERVICE PATH  the item's menu: its Menu path, then one line per entry,
                           "label|enabled|toggle-state" ("-" for a separator)
  sni.py click SERVICE PATH LABEL   sends a click on the menu entry with that label
  sni.py activate SERVICE PATH      a left click on the item (Activate)
  sni.py tooltip SERVICE PATH       the tooltip's title, with repr() quoting
"""
import sys

import dbus
import dbus.service
import dbus.mainloop.glib
from gi.repository import GLib

WATCHER = "org.kde.StatusNotifierWatcher"
ITEM = "org.kde.StatusNotifierItem"
MENU = "com.canonical.dbusmenu"
PROPS = "org.freedesktop.DBus.Properties"


class Watcher(dbus.service.Object):
    def __init__(self, bus, out):
        super().__init__(bus, "/StatusNotifierWatcher")
        self.bus = bus
        self.out = out
        self.items = []

    @dbus.service.method(WATCHER, in_signature="s", sender_keyword="sender")
    def RegisterStatusNotifierItem(self, service, sender=None):
        # An item names either its bus name or its object path.
        if service.startswith("/"):
            name, path = sender, service
        else:
            name, path = service, "/StatusNotifierItem"
        entry = "%s %s" % (name, path)
        self.items.append(entry)
        with open(self.out, "a") as f:
            f.write(entry + "\n")
        self.StatusNotifierItemRegistered(entry)

    @dbus.service.method(WATCHER, in_signature="s")
    def RegisterStatusNotifierHost(self, service):
        pass

    @dbus.service.signal(WATCHER, signature="s")
    def StatusNotifierItemRegistered(self, service):
        pass

    @dbus.service.signal(WATCHER, signature="s")
    def StatusNotifierItemUnregistered(self, service):
        pass

    @dbus.service.signal(WATCHER, signature="")
    def StatusNotifierHostRegistered(self):
        pass

    # The toolkit reads the properties through an interface built from this description.
    @dbus.service.method("org.freedesktop.DBus.Introspectable", out_signature="s")
    def Introspect(self):
        return """<node><interface name="%s">
  <method name="RegisterStatusNotifierItem"><arg name="service" type="s" direction="in"/></method>
  <method name="RegisterStatusNotifierHost"><arg name="service" type="s" direction="in"/></method>
  <property name="RegisteredStatusNotifierItems" type="as" access="read"/>
  <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
  <property name="ProtocolVersion" type="i" access="read"/>
  <signal name="StatusNotifierItemRegistered"><arg type="s"/></signal>
  <signal name="StatusNotifierItemUnregistered"><arg type="s"/></signal>
  <signal name="StatusNotifierHostRegistered"/>
</interface>
<interface name="%s">
  <method name="Get"><arg type="s" direction="in"/><arg type="s" direction="in"/><arg type="v" direction="out"/></method>
  <method name="GetAll"><arg type="s" direction="in"/><arg type="a{sv}" direction="out"/></method>
</interface></node>""" % (WATCHER, PROPS)

    @dbus.service.method(PROPS, in_signature="ss", out_signature="v")
    def Get(self, interface, prop):
        return self.GetAll(interface)[prop]

    @dbus.service.method(PROPS, in_signature="s", out_signature="a{sv}")
    def GetAll(self, interface):
        return {
            "RegisteredStatusNotifierItems": dbus.Array(self.items, signature="s"),
            "IsStatusNotifierHostRegistered": dbus.Boolean(True),
            "ProtocolVersion": dbus.Int32(0),
        }


def layout(bus, service, path):
    item = bus.get_object(service, path)
    menu_path = item.Get(ITEM, "Menu", dbus_interface=PROPS)
    menu = dbus.Interface(bus.get_object(service, menu_path), MENU)
    menu.AboutToShow(dbus.Int32(0))
    _, (_, _, children) = menu.GetLayout(0, -1, dbus.Array([], signature="s"))
    entries = []
    for child in children:
        ident, props, _ = child
        if props.get("type") == "separator":
            entries.append((int(ident), "-", "", ""))
            continue
        enabled = "enabled" if props.get("enabled", True) else "disabled"
        toggle = ""
        if props.get("toggle-type"):
            toggle = "checked" if props.get("toggle-state", 0) == 1 else "unchecked"
        entries.append((int(ident), str(props.get("label", "")), enabled, toggle))
    return str(menu_path), menu, entries


def main(argv):
    if argv[1] == "watch":
        dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
        bus = dbus.SessionBus()
        watcher = Watcher(bus, argv[2])
        name = dbus.service.BusName(WATCHER, bus)
        GLib.MainLoop().run()
        return 0
    bus = dbus.SessionBus()
    service, path = argv[2], argv[3]
    if argv[1] == "menu":
        menu_path, _, entries = layout(bus, service, path)
        print(menu_path)
        for _, label, enabled, toggle in entries:
            print("|".join(x for x in (label, enabled, toggle) if x))
    elif argv[1] == "click":
        _, menu, entries = layout(bus, service, path)
        for ident, label, _, _ in entries:
            if label == argv[4]:
                menu.Event(dbus.Int32(ident), "clicked", dbus.String("", variant_level=1),
                           dbus.UInt32(0))
                return 0
        return 1
    elif argv[1] == "activate":
        dbus.Interface(bus.get_object(service, path), ITEM).Activate(dbus.Int32(0), dbus.Int32(0))
    elif argv[1] == "tooltip":
        tip = bus.get_object(service, path).Get(ITEM, "ToolTip", dbus_interface=PROPS)
        print(repr(str(tip[2])))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
