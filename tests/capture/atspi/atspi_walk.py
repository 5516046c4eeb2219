#!/usr/bin/python3
"""Prints the accessibility tree of one process, depth first: indent, role, name per line."""
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


def walk(node, depth):
    print("%s%s\t%s" % ("  " * depth, node.get_role_name(), node.get_name()))
    for i in range(node.get_child_count()):
        walk(node.get_child_at_index(i), depth + 1)


def main():
    pid = int(sys.argv[1])
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_process_id() == pid:
            walk(app, 0)
            return 0
    return 1


sys.exit(main())
