"""Reads a documentation folder as a browser would meet it: each page is UTF-8 without a
byte-order mark with CR LF line ends, its navigation links name files of the folder, and
Logo.png is a 256 x 256 PNG of 8-bit RGB (colour type 2) whose image data is complete.
Prints what it finds wrong and exits with 1; silent and 0 when all is well."""
import html.parser
import os
import struct
import sys
import zlib

PAGES = ["KAVRO_Title.htm", "KAVRO_Project.htm", "KAVRO_Window.htm", "KAVRO_Task.htm", "KAVRO_TC.htm",
         "KAVRO_GlobalAtt.htm", "KAVRO_Req.htm", "KAVRO_Data.htm", "KAVRO_Metacond.htm"]


class Links(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.targets = []

    def handle_starttag(self, tag, attrs):
        if tag == "a":
            self.targets += [value for name, value in attrs if name == "href"]


def check_page(folder, name, problems):
    data = open(os.path.join(folder, name), "rb").read()
    if data.startswith(b"\xef\xbb\xbf"):
        problems.append(name + ": byte-order mark")
    if data.replace(b"\r\n", b"").find(b"\n") >= 0:
        problems.append(name + ": a line feed without carriage return")
    text = data.decode("utf-8")
    links = Links()
    links.feed(text)
    navigation = [target for target in links.targets if target.startswith("KAVRO_")]
    if sorted(navigation) != sorted(PAGES):
        problems.append(name + ": navigation links " + str(navigation))
    for target in navigation:
        if not os.path.isfile(os.path.join(folder, target)):
            problems.append(name + ": link to a missing file " + target)


def check_logo(path, problems):
    data = open(path, "rb").read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        problems.append("Logo.png: no PNG signature")
        return
    at, chunks = 8, {}
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        chunks.setdefault(kind, b"")
        chunks[kind] += data[at + 8:at + 8 + length]
        at += 12 + length
    width, height, depth, colour = struct.unpack(">IIBB", chunks[b"IHDR"][:10])
    if (width, height, depth, colour) != (256, 256, 8, 2):
        problems.append("Logo.png: %d x %d, depth %d, colour type %d" % (width, height, depth, colour))
    if len(zlib.decompress(chunks[b"IDAT"])) != height * (1 + width * 3):
        problems.append("Logo.png: image data of the wrong size")


def main(folder):
    problems = []
    for name in PAGES:
        check_page(folder, name, problems)
    check_logo(os.path.join(folder, "Logo.png"), problems)
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
