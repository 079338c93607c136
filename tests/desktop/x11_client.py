"""Another X client, as a pager, a task bar or a grabbing program is: through libX11 (ctypes),
as Python's own Xlib is not on every test machine."""
import ctypes
import time

CLIENT_MESSAGE = 33
DESTROY_NOTIFY = 17
STRUCTURE_NOTIFY = 1 << 17
SUBSTRUCTURE_NOTIFY_AND_REDIRECT = (1 << 19) | (1 << 20)
GRAB_MODE_ASYNC = 1
GRAB_SUCCESS = 0


class _ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]


class _DestroyWindow(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("event", ctypes.c_ulong), ("window", ctypes.c_ulong)]


class _Event(ctypes.Union):
    _fields_ = [("xclient", _ClientMessage), ("xdestroywindow", _DestroyWindow), ("pad", ctypes.c_long * 24)]


def _x11():
    x11 = ctypes.CDLL("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.POINTER(_Event)]
    x11.XFlush.argtypes = [ctypes.c_void_p]
    x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    x11.XDefaultRootWindow.restype = ctypes.c_ulong
    x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    x11.XGrabKeyboard.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_int,
                                  ctypes.c_ulong]
    x11.XUngrabKeyboard.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
    return x11


class XClient:
    """A connection of its own to the X server `display`; use it in a with block."""

    def __init__(self, display):
        self.x11 = _x11()
        self.connection = self.x11.XOpenDisplay(display.encode())
        if not self.connection:
            raise RuntimeError(f"cannot open display {display}")
        self.root = self.x11.XDefaultRootWindow(self.connection)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.x11.XCloseDisplay(self.connection)

    def atom(self, name):
        return self.x11.XInternAtom(self.connection, name.encode(), 0)

    def send(self, window, message_type, data, target=None):
        """A 32-bit ClientMessage about `window`: to `target`, or (None) to the root window with
        the mask that window managers listen to, as pagers and task bars send them. Atom names
        in `data` are interned."""
        event = _Event()
        event.xclient.type = CLIENT_MESSAGE
        event.xclient.window = int(window)
        event.xclient.message_type = self.atom(message_type)
        event.xclient.format = 32
        for i, value in enumerate(data):
            event.xclient.data[i] = self.atom(value) if isinstance(value, str) else value
        if target is None:
            self.x11.XSendEvent(self.connection, self.root, 0, SUBSTRUCTURE_NOTIFY_AND_REDIRECT, ctypes.byref(event))
        else:
            self.x11.XSendEvent(self.connection, int(target), 0, 0, ctypes.byref(event))
        self.x11.XFlush(self.connection)

    def forge_destroy_notify(self, window):
        """Sends `window` a DestroyNotify about itself, as any client can: the window lives on."""
        event = _Event()
        event.xdestroywindow.type = DESTROY_NOTIFY
        event.xdestroywindow.event = int(window)
        event.xdestroywindow.window = int(window)
        self.x11.XSendEvent(self.connection, int(window), 0, STRUCTURE_NOTIFY, ctypes.byref(event))
        self.x11.XFlush(self.connection)

    def try_grab_keyboard(self):
        """Tries to take the keyboard, and lets it go at once if it could: True when it could."""
        status = self.x11.XGrabKeyboard(self.connection, self.root, 0, GRAB_MODE_ASYNC, GRAB_MODE_ASYNC, 0)
        if status == GRAB_SUCCESS:
            self.x11.XUngrabKeyboard(self.connection, 0)
        self.x11.XSync(self.connection, 0)
        return status == GRAB_SUCCESS

    def keyboard_free_for(self, seconds, every=0.002):
        """Tries to grab the keyboard every few milliseconds for `seconds`: how many tries got it."""
        got, deadline = 0, time.monotonic() + seconds
        while time.monotonic() < deadline:
            got += self.try_grab_keyboard()
            time.sleep(every)
        return got
