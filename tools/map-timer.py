#!/usr/bin/python3
"""Times a program's start as its user waits for it: from exec to its first window mapped.

    tools/map-timer.py PROGRAM [ARGUMENT...]

Runs PROGRAM on $DISPLAY (a server without a window manager, such as Xvfb, which maps a window
as soon as it is asked to) and prints one line:

    <ms from exec to the window mapped> <CPU ms of all its threads by then> <peak RSS kB by then>
    <shared objects mapped by then>

The server tells this script of the map (MapNotify on the root window), so nothing polls and no
other process competes with the one measured. At the map the program is stopped, read in /proc
and killed: it writes nothing, whatever it would do on closing. Exits 1 when the program ends or
30 s pass without a window.
"""

import ctypes
import os
import pathlib
import select
import signal
import sys
import time

SUBSTRUCTURE_NOTIFY_MASK = 1 << 19
MAP_NOTIFY = 19
CARDINAL = 6


class MapEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("event", ctypes.c_ulong),
                ("window", ctypes.c_ulong), ("override_redirect", ctypes.c_int)]


class Event(ctypes.Union):
    _fields_ = [("type", ctypes.c_int), ("map", MapEvent), ("pad", ctypes.c_long * 24)]


def open_display():
    xlib = ctypes.CDLL("libX11.so.6")
    xlib.XOpenDisplay.restype = ctypes.c_void_p
    xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
    xlib.XDefaultRootWindow.restype = ctypes.c_ulong
    xlib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    xlib.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
    xlib.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
    xlib.XPending.argtypes = [ctypes.c_void_p]
    xlib.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.POINTER(Event)]
    xlib.XConnectionNumber.argtypes = [ctypes.c_void_p]
    xlib.XInternAtom.restype = ctypes.c_ulong
    xlib.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    xlib.XGetWindowProperty.argtypes = [
        ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_long, ctypes.c_long,
        ctypes.c_int, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong),
        ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_ulong),
        ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.POINTER(ctypes.c_ulong))]
    xlib.XFree.argtypes = [ctypes.c_void_p]
    display = xlib.XOpenDisplay(None)
    if not display:
        sys.exit("map-timer: cannot open the display " + os.environ.get("DISPLAY", "(unset)"))
    xlib.XSelectInput(display, xlib.XDefaultRootWindow(display), SUBSTRUCTURE_NOTIFY_MASK)
    xlib.XSync(display, 0)
    return xlib, display


def window_pid(xlib, display, window):
    """The process that says it owns window (_NET_WM_PID), or None."""
    atom = xlib.XInternAtom(display, b"_NET_WM_PID", 0)
    kind, size, count, after = ctypes.c_ulong(), ctypes.c_int(), ctypes.c_ulong(), ctypes.c_ulong()
    value = ctypes.POINTER(ctypes.c_ulong)()
    if xlib.XGetWindowProperty(display, window, atom, 0, 1, 0, CARDINAL, ctypes.byref(kind),
                               ctypes.byref(size), ctypes.byref(count), ctypes.byref(after),
                               ctypes.byref(value)) != 0 or not value:
        return None
    pid = value[0] if count.value == 1 else None
    xlib.XFree(value)
    return pid


def wait_for_map(xlib, display, pid, deadline):
    """The monotonic time of the first top-level window of pid mapped, or None when pid ended."""
    event = Event()
    connection = xlib.XConnectionNumber(display)
    while time.monotonic() < deadline:
        while xlib.XPending(display):
            xlib.XNextEvent(display, ctypes.byref(event))
            # Menus and tooltips bypass a window manager; a user waits for the window itself,
            # and on a shared server only for the program's own.
            if event.type == MAP_NOTIFY and not event.map.override_redirect:
                mapped = time.monotonic()
                if window_pid(xlib, display, event.map.window) == pid:
                    return mapped
        select.select([connection], [], [], 0.2)
        if os.waitpid(pid, os.WNOHANG) != (0, 0):
            return None
    return None


def cpu_ms(pid):
    # schedstat counts nanoseconds on the CPU per thread; /proc/PID/stat only in clock ticks.
    total = 0
    for task in pathlib.Path(f"/proc/{pid}/task").iterdir():
        total += int((task / "schedstat").read_text().split()[0])
    return total / 1e6


def peak_rss_kb(pid):
    for line in pathlib.Path(f"/proc/{pid}/status").read_text().splitlines():
        if line.startswith("VmHWM:"):
            return int(line.split()[1])
    return 0


def shared_objects(pid):
    names = set()
    for line in pathlib.Path(f"/proc/{pid}/maps").read_text().splitlines():
        path = line.split()[-1]
        if ".so" in path.rsplit("/", 1)[-1]:
            names.add(path)
    return len(names)


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    xlib, display = open_display()
    start = time.monotonic()
    pid = os.posix_spawn(sys.argv[1], sys.argv[1:], os.environ)
    mapped = wait_for_map(xlib, display, pid, start + 30)
    if mapped is None:
        os.kill(pid, signal.SIGKILL)
        os.waitpid(pid, 0)
        sys.exit(f"map-timer: {sys.argv[1]} showed no window")
    os.kill(pid, signal.SIGSTOP)
    line = (f"{(mapped - start) * 1000:.1f} {cpu_ms(pid):.1f} {peak_rss_kb(pid)} "
            f"{shared_objects(pid)}")
    os.kill(pid, signal.SIGKILL)
    os.waitpid(pid, 0)
    print(line)


if __name__ == "__main__":
    main()
