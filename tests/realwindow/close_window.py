#!/usr/bin/env python3
"""Asks an X11 window to close, as a window manager's close button does:
a WM_DELETE_WINDOW client message, so the program can end cleanly.
    close_window.py WINDOW          (DISPLAY set)"""
import ctypes
import ctypes.util
import sys

x11 = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11") or "libX11.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XInternAtom.restype = ctypes.c_ulong
x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                           ctypes.c_void_p]
display = x11.XOpenDisplay(None)
if not display:
    sys.exit("cannot open the display")
window = int(sys.argv[1])
# An XClientMessageEvent as 64-bit Linux lays it out, a long a field: type,
# serial, send_event, display, window, message_type, format, then the data.
event = (ctypes.c_long * 24)()
event[0], event[4], event[6] = 33, window, 32  # ClientMessage, format 32
event[5] = x11.XInternAtom(display, b"WM_PROTOCOLS", False)
event[7] = x11.XInternAtom(display, b"WM_DELETE_WINDOW", False)  # data[1] 0: CurrentTime
x11.XSendEvent(display, window, False, 0, event)
x11.XFlush(ctypes.c_void_p(display))
