"""A stand-in for the desktop portal's settings on a private session bus, as
GNOME's answers when the user prefers dark: org.freedesktop.appearance's
color-scheme is 1. Prints "ready" once it owns its name."""
import sys

from gi.repository import Gio, GLib

INTERFACE = """<node><interface name="org.freedesktop.portal.Settings">
<method name="ReadAll"><arg type="as" direction="in"/><arg type="a{sa{sv}}" direction="out"/></method>
<method name="Read"><arg type="s" direction="in"/><arg type="s" direction="in"/><arg type="v" direction="out"/></method>
<method name="ReadOne"><arg type="s" direction="in"/><arg type="s" direction="in"/><arg type="v" direction="out"/></method>
<signal name="SettingChanged"><arg type="s"/><arg type="s"/><arg type="v"/></signal>
<property name="version" type="u" access="read"/>
</interface></node>"""
SETTINGS = {"org.freedesktop.appearance": {"color-scheme": GLib.Variant("u", 1)}}


def call(connection, sender, path, interface, method, parameters, invocation):
    if method == "ReadAll":
        invocation.return_value(GLib.Variant("(a{sa{sv}})", (SETTINGS,)))
        return
    namespace, key = parameters.unpack()
    value = SETTINGS.get(namespace, {}).get(key)
    if value is None:
        invocation.return_dbus_error("org.freedesktop.portal.Error.NotFound", "no such setting")
    elif method == "Read":  # the old call wraps the value once more
        invocation.return_value(GLib.Variant("(v)", (GLib.Variant("v", value),)))
    else:
        invocation.return_value(GLib.Variant("(v)", (value,)))


def acquired(connection, name):
    node = Gio.DBusNodeInfo.new_for_xml(INTERFACE)
    connection.register_object("/org/freedesktop/portal/desktop", node.interfaces[0], call,
                               lambda *_: GLib.Variant("u", 2), None)
    print("ready", flush=True)


Gio.bus_own_name(Gio.BusType.SESSION, "org.freedesktop.portal.Desktop",
                 Gio.BusNameOwnerFlags.NONE, None, acquired, lambda *_: sys.exit(1))
GLib.MainLoop().run()
