#!/usr/bin/env python3
"""VORNAK's end of the connection for the tests, on nothing but the standard library.

Usage: fake_vornak.py PORT COUNT

Listens on 127.0.0.1 at PORT (0: any free port), prints "PORT n", accepts the tool's
connection and prints where it came from, then reads COUNT messages and prints what
xml.etree reads in each: one line of JSON per event, keys sorted.
"""
import json
import socket
import sys
import xml.etree.ElementTree as ElementTree

END_TAG = b"</VORNAK_KAVRO_INTERFACE>"
PATIENCE = 60


def report(**event):
    print(json.dumps(event, sort_keys=True), flush=True)


def describe(raw):
    try:
        root = ElementTree.fromstring(raw)
    except ElementTree.ParseError as error:
        return {"error": str(error)}
    command = root.find("COMMAND")
    return {
        "bom": raw.startswith(b"\xef\xbb\xbf"),
        "root": root.tag,
        "attributes": root.attrib,
        "commands": [] if command is None else [child.tag for child in command],
    }


def main():
    port, count = int(sys.argv[1]), int(sys.argv[2])
    listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    listener.bind(("127.0.0.1", port))
    listener.listen(1)
    listener.settimeout(PATIENCE)
    print("PORT", listener.getsockname()[1], flush=True)
    connection, (host, tool_port) = listener.accept()
    connection.settimeout(PATIENCE)
    report(peer=[host, tool_port])
    pending = b""
    for _ in range(count):
        while END_TAG not in pending:
            data = connection.recv(65536)
            if not data:
                report(closed=True)
                return
            pending += data
        cut = pending.index(END_TAG) + len(END_TAG)
        report(**describe(pending[:cut]))
        # The line feed after the end tag belongs to no message.
        pending = pending[cut:].lstrip()
    connection.close()


if __name__ == "__main__":
    main()
