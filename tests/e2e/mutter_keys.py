"""Types keys on GNOME's compositor (mutter) through its remote-desktop
interface on the session bus, as a keyboard would: each argument is a key or
a combination ("ctrl+t", "alt+h"), or "wait<seconds>". The keyboard focus
comes with the first key, which is a lone Shift.

    mutter_keys.py <key>...
"""
import sys
import time

from gi.repository import Gio, GLib

SERVICE = "org.gnome.Mutter.RemoteDesktop"
SESSION = SERVICE + ".Session"
KEYSYMS = {"ctrl": 0xffe3, "alt": 0xffe9, "shift": 0xffe1}

bus = Gio.bus_get_sync(Gio.BusType.SESSION)


def call(path, interface, method, arguments=None, reply=None):
    return bus.call_sync(SERVICE, path, interface, method, arguments,
                         GLib.VariantType(reply) if reply else None, 0, 5000, None)


def key(session, keysym, pressed):
    call(session, SESSION, "NotifyKeyboardKeysym", GLib.Variant("(ub)", (keysym, pressed)))


def press(session, combination):
    keysyms = [KEYSYMS.get(name) or ord(name) for name in combination.split("+")]
    for keysym in keysyms:
        key(session, keysym, True)
    for keysym in reversed(keysyms):
        key(session, keysym, False)
    time.sleep(0.3)


session = call("/org/gnome/Mutter/RemoteDesktop", SERVICE, "CreateSession", None,
               "(o)").unpack()[0]
call(session, SESSION, "Start")
press(session, "shift")
time.sleep(0.5)
for argument in sys.argv[1:]:
    if argument.startswith("wait"):
        time.sleep(float(argument[4:]))
    else:
        press(session, argument)
call(session, SESSION, "Stop")
