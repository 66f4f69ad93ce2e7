#!/usr/bin/env python3
"""Prints the X server's current cursor as "WIDTH HEIGHT XHOT YHOT", read
through the XFIXES extension of $DISPLAY, for the end-to-end run.
Exits 77 when libxcb or its XFIXES library is not there."""
import ctypes
import ctypes.util
import sys


class Cookie(ctypes.Structure):
    _fields_ = [("sequence", ctypes.c_uint)]


class CursorImage(ctypes.Structure):
    _fields_ = [("response_type", ctypes.c_uint8), ("pad0", ctypes.c_uint8), ("sequence", ctypes.c_uint16),
                ("length", ctypes.c_uint32), ("x", ctypes.c_int16), ("y", ctypes.c_int16),
                ("width", ctypes.c_uint16), ("height", ctypes.c_uint16), ("xhot", ctypes.c_uint16),
                ("yhot", ctypes.c_uint16), ("cursor_serial", ctypes.c_uint32), ("pad1", ctypes.c_uint8 * 8)]


def main():
    try:
        xcb = ctypes.CDLL("libxcb.so.1")
        xfixes = ctypes.CDLL("libxcb-xfixes.so.0")
    except OSError as error:
        print(f"SKIP: {error}")
        return 77
    xcb.xcb_connect.restype = ctypes.c_void_p
    xcb.xcb_connection_has_error.argtypes = [ctypes.c_void_p]
    connection = xcb.xcb_connect(None, None)
    if not connection or xcb.xcb_connection_has_error(connection):
        print("no X display", file=sys.stderr)
        return 1
    xfixes.xcb_xfixes_query_version.restype = Cookie
    xfixes.xcb_xfixes_query_version.argtypes = [ctypes.c_void_p, ctypes.c_uint32, ctypes.c_uint32]
    xfixes.xcb_xfixes_query_version_reply.restype = ctypes.c_void_p
    xfixes.xcb_xfixes_query_version_reply.argtypes = [ctypes.c_void_p, Cookie, ctypes.c_void_p]
    xfixes.xcb_xfixes_get_cursor_image.restype = Cookie
    xfixes.xcb_xfixes_get_cursor_image.argtypes = [ctypes.c_void_p]
    xfixes.xcb_xfixes_get_cursor_image_reply.restype = ctypes.POINTER(CursorImage)
    xfixes.xcb_xfixes_get_cursor_image_reply.argtypes = [ctypes.c_void_p, Cookie, ctypes.c_void_p]
    # The extension answers only a client that asked for its version first.
    xfixes.xcb_xfixes_query_version_reply(connection, xfixes.xcb_xfixes_query_version(connection, 4, 0), None)
    reply = xfixes.xcb_xfixes_get_cursor_image_reply(connection, xfixes.xcb_xfixes_get_cursor_image(connection), None)
    if not reply:
        print("no cursor image", file=sys.stderr)
        return 1
    image = reply.contents
    print(image.width, image.height, image.xhot, image.yhot)
    return 0


if __name__ == "__main__":
    sys.exit(main())
