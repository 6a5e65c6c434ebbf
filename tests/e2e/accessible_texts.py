#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
# Prints the accessible names of everything inside the windows named WINDOW, one
# a line, as a screen reader finds them over AT-SPI:
#   accessible_texts.py WINDOW
import sys

import dbus

ACCESSIBLE = "org.a11y.atspi.Accessible"


def main(window):
    session = dbus.SessionBus()
    launcher = session.get_object("org.a11y.Bus", "/org/a11y/bus")
    bus = dbus.bus.BusConnection(launcher.GetAddress(dbus_interface="org.a11y.Bus"))

    def name(node):
        return str(bus.get_object(*node).Get(ACCESSIBLE, "Name",
                                            dbus_interface=dbus.PROPERTIES_IFACE))

    def children(node):
        return [(str(n), str(p)) for n, p in
                bus.get_object(*node).GetChildren(dbus_interface=ACCESSIBLE)]

    def walk(node, inside, depth=0):
        if depth > 12:
            return
        for child in children(node):
            try:
                text = name(child)
            except dbus.DBusException:
                continue
            if inside:
                print(text)
            walk(child, inside or text == window, depth + 1)

    walk(("org.a11y.atspi.Registry", "/org/a11y/atspi/accessible/root"), False)


if __name__ == "__main__":
    main(sys.argv[1])
