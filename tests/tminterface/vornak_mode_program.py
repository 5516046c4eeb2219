#!/usr/bin/env python3
"""VORNAK starts the window program in VORNAK mode, on nothing but the standard library.

Usage: vornak_mode_program.py KAVRO

Listens on a free port of 127.0.0.1, runs `KAVRO -quvornak -port <port>` in a home of its own
on the display of the environment, and plays VORNAK: it takes CMD_OK and CMD_REQUEST_DATA,
sends the test structure and the task to show, waits for the main window's title to end in
"VORNAK-Mode", closes that window as a window manager would, takes CMD_EXIT and expects the
program to end with 0. Exit code 77 when there is no display.
"""
import ctypes
import ctypes.util
import os
import re
import socket
import subprocess
import sys
import tempfile
import time

END_TAG = b"</VORNAK_KAVRO_INTERFACE>"
PATIENCE = 60
SKIPPED = 77

STRUCTURE = (
    '<CMD_DATA_TS RestoreFromFile="0"><VORNAK_EXCHANGE><PROJECT name="Release"><TS>'
    '<TP name="Release" user_defined_id="R1"><TP name="Folder" user_defined_id="f1"/></TP>'
    "</TS></PROJECT></VORNAK_EXCHANGE></CMD_DATA_TS>"
)


def message(command):
    return (
        '<?xml version="1.0" encoding="utf-8" ?>\n<VORNAK_KAVRO_INTERFACE ProcessID="4711">\n<COMMAND>\n'
        + command
        + "\n</COMMAND>\n</VORNAK_KAVRO_INTERFACE>"
    ).encode("utf-8")


class Tool:
    """The program's end of the connection: its messages, pings answered on the way."""

    def __init__(self, connection):
        self.connection = connection
        self.pending = b""

    def next_command(self):
        deadline = time.monotonic() + PATIENCE
        while True:
            while END_TAG not in self.pending:
                self.connection.settimeout(max(0.1, deadline - time.monotonic()))
                chunk = self.connection.recv(65536)
                if not chunk:
                    raise AssertionError("the program closed the connection")
                self.pending += chunk
            raw, _, self.pending = self.pending.partition(END_TAG)
            found = re.search(rb"<(CMD_[A-Z_]+)", raw)
            command = found.group(1).decode() if found else "none"
            if command == "CMD_PING":
                self.connection.sendall(message("<CMD_PING_OK/>"))
                continue
            return command

    def expect(self, wanted):
        command = self.next_command()
        if command != wanted:
            raise AssertionError("expected %s, the program sent %s" % (wanted, command))


def window_titled(suffix, environment):
    """The id of the first window whose name ends in the suffix, once there is one."""
    deadline = time.monotonic() + PATIENCE
    while time.monotonic() < deadline:
        tree = subprocess.run(["xwininfo", "-root", "-tree"], capture_output=True, text=True, env=environment).stdout
        for line in tree.splitlines():
            found = re.match(r'\s*(0x[0-9a-f]+) "(.*)":', line)
            if found and found.group(2).endswith(suffix):
                return int(found.group(1), 16)
        time.sleep(0.2)
    raise AssertionError("no window's title ends in " + suffix)


def close_window(window):
    """WM_DELETE_WINDOW, as the window manager sends it when the user closes the window."""

    class ClientMessage(ctypes.Structure):
        _fields_ = [
            ("type", ctypes.c_int),
            ("serial", ctypes.c_ulong),
            ("send_event", ctypes.c_int),
            ("display", ctypes.c_void_p),
            ("window", ctypes.c_ulong),
            ("message_type", ctypes.c_ulong),
            ("format", ctypes.c_int),
            ("data", ctypes.c_long * 5),
        ]

    class Event(ctypes.Union):
        _fields_ = [("xclient", ClientMessage), ("pad", ctypes.c_long * 24)]

    x11 = ctypes.CDLL(ctypes.util.find_library("X11"))
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
    x11.XFlush.argtypes = [ctypes.c_void_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    display = x11.XOpenDisplay(None)
    event = Event()
    event.xclient.type = 33  # ClientMessage
    event.xclient.window = window
    event.xclient.message_type = x11.XInternAtom(display, b"WM_PROTOCOLS", 0)
    event.xclient.format = 32
    event.xclient.data[0] = x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
    x11.XSendEvent(display, window, 0, 0, ctypes.byref(event))
    x11.XFlush(display)
    x11.XCloseDisplay(display)


def main():
    if not os.environ.get("DISPLAY"):
        print("no display")
        return SKIPPED
    kavro = sys.argv[1]
    with tempfile.TemporaryDirectory(prefix="kavro_vornak_mode_") as home:
        environment = {
            "HOME": home,
            "XDG_CONFIG_HOME": os.path.join(home, "config"),
            "XDG_DOCUMENTS_DIR": os.path.join(home, "Documents"),
            "DISPLAY": os.environ["DISPLAY"],
            "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
        }
        for name in ("ASAN_OPTIONS", "UBSAN_OPTIONS", "XAUTHORITY"):
            if name in os.environ:
                environment[name] = os.environ[name]
        # Under the leak checker: fontconfig, D-Bus and GLib keep their one-time allocations.
        suppressions = os.path.join(home, "lsan.supp")
        with open(suppressions, "w") as file:
            file.write("leak:libfontconfig.so\nleak:libdbus-1.so\nleak:libglib-2.0.so\n")
        leak_options = os.environ.get("LSAN_OPTIONS", "")
        environment["LSAN_OPTIONS"] = (leak_options + ":" if leak_options else "") + "suppressions=" + suppressions
        listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
        listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        listener.bind(("127.0.0.1", 0))
        listener.listen(1)
        listener.settimeout(PATIENCE)
        port = listener.getsockname()[1]
        program = subprocess.Popen([kavro, "-quvornak", "-port", str(port)], cwd=home, env=environment)
        try:
            connection, _ = listener.accept()
            tool = Tool(connection)
            tool.expect("CMD_OK")
            tool.expect("CMD_REQUEST_DATA")
            connection.sendall(message(STRUCTURE))
            tool.expect("CMD_OK")
            connection.sendall(message('<CMD_SHOW_TASK TaskID="R1"/>'))
            tool.expect("CMD_OK")
            window = window_titled("VORNAK-Mode", environment)
            print("title ends in VORNAK-Mode")
            close_window(window)
            tool.expect("CMD_EXIT")
            print("CMD_EXIT received")
            code = program.wait(PATIENCE)
            print("exit code", code)
            return 0 if code == 0 else 1
        finally:
            if program.poll() is None:
                program.kill()
                program.wait()


if __name__ == "__main__":
    sys.exit(main())
