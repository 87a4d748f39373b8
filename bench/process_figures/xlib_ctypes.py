# SPDX-License-Identifier: GPL-3.0-or-later
"""The few libX11 and libXdamage calls the process figures need, through ctypes
(Python's standard library has no X client, and nothing is to be installed)."""

import ctypes
import ctypes.util
import select
import time

MAP_NOTIFY = 19
SUBSTRUCTURE_NOTIFY_MASK = 1 << 19
XDAMAGE_REPORT_RAW_RECTANGLES = 0
ANY_PROPERTY_TYPE = 0


class XMapEvent(ctypes.Structure):
    _fields_ = [
        ("type", ctypes.c_int),
        ("serial", ctypes.c_ulong),
        ("send_event", ctypes.c_int),
        ("display", ctypes.c_void_p),
        ("event", ctypes.c_ulong),
        ("window", ctypes.c_ulong),
        ("override_redirect", ctypes.c_int),
    ]


class XRectangle(ctypes.Structure):
    _fields_ = [
        ("x", ctypes.c_short),
        ("y", ctypes.c_short),
        ("width", ctypes.c_ushort),
        ("height", ctypes.c_ushort),
    ]


class XDamageNotifyEvent(ctypes.Structure):
    _fields_ = [
        ("type", ctypes.c_int),
        ("serial", ctypes.c_ulong),
        ("send_event", ctypes.c_int),
        ("display", ctypes.c_void_p),
        ("drawable", ctypes.c_ulong),
        ("damage", ctypes.c_ulong),
        ("level", ctypes.c_int),
        ("more", ctypes.c_int),
        ("timestamp", ctypes.c_ulong),
        ("area", XRectangle),
        ("geometry", XRectangle),
    ]


class XEvent(ctypes.Union):
    _fields_ = [
        ("type", ctypes.c_int),
        ("xmap", XMapEvent),
        ("xdamage", XDamageNotifyEvent),
        ("pad", ctypes.c_long * 24),
    ]


def load_xlib():
    x11 = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XDefaultRootWindow.restype = ctypes.c_ulong
    x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    x11.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
    x11.XConnectionNumber.argtypes = [ctypes.c_void_p]
    x11.XPending.argtypes = [ctypes.c_void_p]
    x11.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.POINTER(XEvent)]
    x11.XFlush.argtypes = [ctypes.c_void_p]
    x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XGetWindowProperty.argtypes = [
        ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_long, ctypes.c_long, ctypes.c_int,
        ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_int),
        ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_ulong),
        ctypes.POINTER(ctypes.POINTER(ctypes.c_ubyte)),
    ]
    x11.XFree.argtypes = [ctypes.c_void_p]
    x11.XMoveWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    # Errors (a window gone before we asked about it) must not end this process.
    handler_type = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)
    load_xlib.ignore_errors = handler_type(lambda display, error: 0)
    x11.XSetErrorHandler.argtypes = [handler_type]
    x11.XSetErrorHandler(load_xlib.ignore_errors)
    return x11


def load_xdamage():
    name = ctypes.util.find_library("Xdamage") or "libXdamage.so.1"
    try:
        damage = ctypes.CDLL(name)
    except OSError:
        return None
    damage.XDamageQueryExtension.argtypes = [
        ctypes.c_void_p, ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_int)]
    damage.XDamageCreate.restype = ctypes.c_ulong
    damage.XDamageCreate.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int]
    return damage


def window_pid(x11, display, window, pid_atom):
    actual_type = ctypes.c_ulong()
    actual_format = ctypes.c_int()
    items = ctypes.c_ulong()
    after = ctypes.c_ulong()
    data = ctypes.POINTER(ctypes.c_ubyte)()
    status = x11.XGetWindowProperty(display, window, pid_atom, 0, 1, 0, ANY_PROPERTY_TYPE,
                                    ctypes.byref(actual_type), ctypes.byref(actual_format),
                                    ctypes.byref(items), ctypes.byref(after), ctypes.byref(data))
    if status != 0 or not data:
        return None
    try:
        if items.value < 1 or actual_format.value != 32:
            return None
        # Format-32 properties come back as C longs.
        return ctypes.cast(data, ctypes.POINTER(ctypes.c_long))[0]
    finally:
        x11.XFree(data)


def open_display():
    """Returns (x11, display) or (x11, None) when $DISPLAY cannot be opened."""
    x11 = load_xlib()
    display = x11.XOpenDisplay(None)
    return x11, (display or None)


def watch_damage(display, window):
    """Asks for a DamageNotify per repainted rectangle of `window`.

    Returns the event type those arrive as, or None without the extension."""
    damage = load_xdamage()
    if damage is None:
        return None
    event_base, error_base = ctypes.c_int(), ctypes.c_int()
    if not damage.XDamageQueryExtension(display, ctypes.byref(event_base), ctypes.byref(error_base)):
        return None
    damage.XDamageCreate(display, window, XDAMAGE_REPORT_RAW_RECTANGLES)
    return event_base.value


def next_event(x11, display, fd, event, until):
    """Fills `event` with the next event before the monotonic time `until`; False if none came."""
    while not x11.XPending(display):
        left = until - time.monotonic()
        if left <= 0:
            return False
        select.select([fd], [], [], min(0.05, left))
    x11.XNextEvent(display, ctypes.byref(event))
    return True
