# Zubrik: the X display as the scenario's driver sees it: top-level windows in their stacking, pixels of the root window.
# Copyright (c) 2026 the Zubrik developers. MIT licence.
#
# Xlib through ctypes: a picture of the stage is taken in a millisecond or
# two, so that no frame of a 20 ms tick goes unseen, where a screenshot tool
# takes a tenth of a second. The root window is read, as `import -window root`
# does, so that what covers a window is what is seen.
import ctypes
from ctypes import POINTER, byref, c_char_p, c_int, c_long, c_uint, c_ulong, c_void_p


class XImage(ctypes.Structure):
    _fields_ = [("width", c_int), ("height", c_int), ("xoffset", c_int), ("format", c_int),
                ("data", c_void_p), ("byte_order", c_int), ("bitmap_unit", c_int),
                ("bitmap_bit_order", c_int), ("bitmap_pad", c_int), ("depth", c_int),
                ("bytes_per_line", c_int), ("bits_per_pixel", c_int), ("red_mask", c_ulong),
                ("green_mask", c_ulong), ("blue_mask", c_ulong), ("obdata", c_void_p)]


class XWindowAttributes(ctypes.Structure):
    _fields_ = [("x", c_int), ("y", c_int), ("width", c_int), ("height", c_int),
                ("border_width", c_int), ("depth", c_int), ("visual", c_void_p), ("root", c_ulong),
                ("class_", c_int), ("bit_gravity", c_int), ("win_gravity", c_int),
                ("backing_store", c_int), ("backing_planes", c_ulong), ("backing_pixel", c_ulong),
                ("save_under", c_int), ("colormap", c_ulong), ("map_installed", c_int),
                ("map_state", c_int), ("all_event_masks", c_long), ("your_event_mask", c_long),
                ("do_not_propagate_mask", c_long), ("override_redirect", c_int), ("screen", c_void_p)]


IS_VIEWABLE = 2
Z_PIXMAP = 2
ALL_PLANES = 0xffffffff
MOD2_MASK = 0x10  # Num Lock's modifier in X's own keymap
ERROR_HANDLER = ctypes.CFUNCTYPE(c_int, c_void_p, c_void_p)


class Window:
    """A top-level window on the root window: its id, title and client rectangle."""

    def __init__(self, wid, title, x, y, w, h):
        self.id, self.title, self.x, self.y, self.w, self.h = wid, title, x, y, w, h

    def contains(self, x, y):
        return self.x <= x < self.x + self.w and self.y <= y < self.y + self.h

    def __repr__(self):
        return "'%s' %dx%d+%d+%d" % (self.title, self.w, self.h, self.x, self.y)


class Screen:
    def __init__(self):
        x = self.x = ctypes.CDLL("libX11.so.6")
        x.XOpenDisplay.restype = c_void_p
        x.XOpenDisplay.argtypes = [c_char_p]
        x.XDefaultRootWindow.restype = c_ulong
        x.XDefaultRootWindow.argtypes = [c_void_p]
        x.XInternAtom.restype = c_ulong
        x.XInternAtom.argtypes = [c_void_p, c_char_p, c_int]
        x.XQueryTree.argtypes = [c_void_p, c_ulong, POINTER(c_ulong), POINTER(c_ulong),
                                 POINTER(POINTER(c_ulong)), POINTER(c_uint)]
        x.XGetWindowAttributes.argtypes = [c_void_p, c_ulong, POINTER(XWindowAttributes)]
        x.XGetWindowProperty.argtypes = [c_void_p, c_ulong, c_ulong, c_long, c_long, c_int, c_ulong,
                                         POINTER(c_ulong), POINTER(c_int), POINTER(c_ulong),
                                         POINTER(c_ulong), POINTER(c_void_p)]
        x.XGetImage.restype = POINTER(XImage)
        x.XGetImage.argtypes = [c_void_p, c_ulong, c_int, c_int, c_uint, c_uint, c_ulong, c_int]
        x.XFree.argtypes = [c_void_p]
        x.XQueryPointer.argtypes = [c_void_p, c_ulong, POINTER(c_ulong), POINTER(c_ulong), POINTER(c_int),
                                    POINTER(c_int), POINTER(c_int), POINTER(c_int), POINTER(c_uint)]
        # A window may go between the listing and the question: that is no error here.
        self._ignore = ERROR_HANDLER(lambda display, event: 0)
        x.XSetErrorHandler(self._ignore)
        self.display = x.XOpenDisplay(None)
        if not self.display:
            raise RuntimeError("no X display")
        self.root = x.XDefaultRootWindow(self.display)
        self.net_wm_name = x.XInternAtom(self.display, b"_NET_WM_NAME", 0)
        self.utf8 = x.XInternAtom(self.display, b"UTF8_STRING", 0)

    def _title(self, wid):
        kind, form, count, after, data = c_ulong(), c_int(), c_ulong(), c_ulong(), c_void_p()
        if self.x.XGetWindowProperty(self.display, wid, self.net_wm_name, 0, 4096, 0, self.utf8, byref(kind),
                                     byref(form), byref(count), byref(after), byref(data)) != 0 or not data:
            return ""
        title = ctypes.string_at(data, count.value).decode("utf-8", "replace")
        self.x.XFree(data)
        return title

    def windows(self):
        """The titled top-level windows that are shown, bottom of the stack first."""
        root, parent, children, count = c_ulong(), c_ulong(), POINTER(c_ulong)(), c_uint()
        if not self.x.XQueryTree(self.display, self.root, byref(root), byref(parent), byref(children), byref(count)):
            return []
        ids = [children[i] for i in range(count.value)]
        if children:
            self.x.XFree(children)
        shown = []
        for wid in ids:
            attributes = XWindowAttributes()
            if (not self.x.XGetWindowAttributes(self.display, wid, byref(attributes))
                    or attributes.map_state != IS_VIEWABLE or attributes.override_redirect):
                continue
            title = self._title(wid)
            if title:
                shown.append(Window(wid, title, attributes.x, attributes.y, attributes.width, attributes.height))
        return shown

    def num_lock(self):
        """Whether Num Lock is on (locked modifiers show in the pointer's state)."""
        root, child, ints, mask = c_ulong(), c_ulong(), [c_int() for _ in range(4)], c_uint()
        self.x.XQueryPointer(self.display, self.root, byref(root), byref(child), *map(byref, ints), byref(mask))
        return bool(mask.value & MOD2_MASK)

    def grab(self, x, y, w, h):
        """The root window's pixels in the rectangle, as RGB bytes (binary PPM's order)."""
        image = self.x.XGetImage(self.display, self.root, x, y, w, h, ALL_PLANES, Z_PIXMAP)
        if not image:
            raise RuntimeError("the screen could not be read at %dx%d+%d+%d" % (w, h, x, y))
        i = image.contents
        if i.bits_per_pixel != 32 or i.red_mask != 0xff0000 or i.byte_order != 0:
            raise RuntimeError("the screen is not 24-bit colour in 32-bit pixels")
        raw = ctypes.string_at(i.data, i.bytes_per_line * h)
        self.x.XFree(i.data)
        self.x.XFree(image)
        rows = raw if i.bytes_per_line == 4 * w else b"".join(
            raw[r * i.bytes_per_line:r * i.bytes_per_line + 4 * w] for r in range(h))
        rgb = bytearray(3 * w * h)
        rgb[0::3], rgb[1::3], rgb[2::3] = rows[2::4], rows[1::4], rows[0::4]
        return bytes(rgb)
