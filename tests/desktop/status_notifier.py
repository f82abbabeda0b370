#!/usr/bin/python3
"""A minimal StatusNotifierItem host for the desktop checks, on the bus of DBUS_SESSION_BUS_ADDRESS.

  status_notifier.py watcher        runs org.kde.StatusNotifierWatcher (a host is registered)
  status_notifier.py items          prints the registered items, one a line
  status_notifier.py tooltip ITEM   prints the title and text of the item's ToolTip
  status_notifier.py activate ITEM  calls Activate(0, 0), as a left click in a panel does
  status_notifier.py menu ITEM      prints the labels of the item's exported menu, one a line
  status_notifier.py pixmaps ITEM   prints the sides of the item's IconPixmap pictures, smallest
                                    first, each as WxH with its count of colours
"""
import sys

import dbus
import dbus.service

WATCHER = "org.kde.StatusNotifierWatcher"
ITEM = "org.kde.StatusNotifierItem"

INTROSPECTION = f"""<node>
  <interface name="{WATCHER}">
    <method name="RegisterStatusNotifierItem"><arg name="service" type="s" direction="in"/></method>
    <method name="RegisterStatusNotifierHost"><arg name="service" type="s" direction="in"/></method>
    <property name="RegisteredStatusNotifierItems" type="as" access="read"/>
    <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
    <property name="ProtocolVersion" type="i" access="read"/>
    <signal name="StatusNotifierItemRegistered"><arg type="s"/></signal>
    <signal name="StatusNotifierItemUnregistered"><arg type="s"/></signal>
    <signal name="StatusNotifierHostRegistered"/>
  </interface>
  <interface name="org.freedesktop.DBus.Properties">
    <method name="Get"><arg type="s" direction="in"/><arg type="s" direction="in"/><arg type="v" direction="out"/></method>
    <method name="GetAll"><arg type="s" direction="in"/><arg type="a{{sv}}" direction="out"/></method>
  </interface>
</node>"""


class Watcher(dbus.service.Object):
    def __init__(self, bus):
        super().__init__(bus, "/StatusNotifierWatcher")
        self.items = []
        bus.add_signal_receiver(self.owner_changed, "NameOwnerChanged",
                                "org.freedesktop.DBus")

    @dbus.service.method(WATCHER, in_signature="s", sender_keyword="sender")
    def RegisterStatusNotifierItem(self, service, sender=None):
        # An item gives its bus name, or only its object path on the caller's connection.
        item = sender + service if service.startswith("/") else service
        if "/" not in item:
            item += "/StatusNotifierItem"
        if item not in self.items:
            self.items.append(item)
        self.StatusNotifierItemRegistered(item)

    @dbus.service.method(WATCHER, in_signature="s")
    def RegisterStatusNotifierHost(self, service):
        pass

    @dbus.service.signal(WATCHER, signature="s")
    def StatusNotifierItemRegistered(self, item):
        pass

    @dbus.service.signal(WATCHER, signature="s")
    def StatusNotifierItemUnregistered(self, item):
        pass

    def owner_changed(self, name, old, new):
        if new:
            return
        for item in [i for i in self.items if i.split("/")[0] == name]:
            self.items.remove(item)
            self.StatusNotifierItemUnregistered(item)

    def properties(self):
        return {
            "RegisteredStatusNotifierItems": dbus.Array(self.items, signature="s"),
            "IsStatusNotifierHostRegistered": dbus.Boolean(True),
            "ProtocolVersion": dbus.Int32(0),
        }

    # Qt reads the properties through an interface built from this description.
    @dbus.service.method(dbus.INTROSPECTABLE_IFACE, out_signature="s")
    def Introspect(self):
        return INTROSPECTION

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="ss", out_signature="v")
    def Get(self, interface, name):
        return self.properties()[name]

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="s", out_signature="a{sv}")
    def GetAll(self, interface):
        return self.properties()


def run_watcher():
    from dbus.mainloop.glib import DBusGMainLoop
    from gi.repository import GLib
    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    watcher = Watcher(bus)
    name = dbus.service.BusName(WATCHER, bus)
    GLib.MainLoop().run()
    del watcher, name


def item_object(item):
    service, _, path = item.partition("/")
    return dbus.SessionBus().get_object(service, "/" + path)


def main():
    mode = sys.argv[1]
    if mode == "watcher":
        run_watcher()
    elif mode == "items":
        watcher = dbus.SessionBus().get_object(WATCHER, "/StatusNotifierWatcher")
        for item in watcher.Get(WATCHER, "RegisteredStatusNotifierItems",
                                dbus_interface=dbus.PROPERTIES_IFACE):
            print(item)
    elif mode == "tooltip":
        tip = item_object(sys.argv[2]).Get(ITEM, "ToolTip", dbus_interface=dbus.PROPERTIES_IFACE)
        print(f"{tip[2]}|{tip[3]}")
    elif mode == "activate":
        item_object(sys.argv[2]).Activate(0, 0, dbus_interface=ITEM)
    elif mode == "pixmaps":
        pixmaps = item_object(sys.argv[2]).Get(ITEM, "IconPixmap",
                                               dbus_interface=dbus.PROPERTIES_IFACE)
        for width, height, data in sorted(pixmaps, key=lambda p: (p[0], p[1])):
            data = bytes(data)
            assert len(data) == 4 * width * height, "a picture of the wrong length"
            colours = {data[i:i + 4] for i in range(0, len(data), 4)}
            print(f"{width}x{height} {len(colours)}")
    elif mode == "menu":
        item = item_object(sys.argv[2])
        path = item.Get(ITEM, "Menu", dbus_interface=dbus.PROPERTIES_IFACE)
        if path in ("/", "/NO_DBUSMENU"):
            return  # no menu exported
        menu = dbus.SessionBus().get_object(sys.argv[2].split("/")[0], path)
        _, layout = menu.GetLayout(0, -1, ["label", "type"],
                                   dbus_interface="com.canonical.dbusmenu")

        def walk(node):
            for child in node[2]:
                props = child[1]
                print(props.get("label", "-" if props.get("type") == "separator" else ""))
                walk(child)
        walk(layout)


if __name__ == "__main__":
    main()
