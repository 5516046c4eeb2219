"""Reads a documentation folder as a browser would meet it: each page is UTF-8 without a
byte-order mark with CR LF line ends, and its navigation links name files of the folder; the
links of the hierarchy pages and every picture of a page name files of the folder; each window,
task and test case page has its own PNG picture, whose width is a multiple of 4; and Logo.png
is a 256 x 256 PNG of 8-bit RGB (colour type 2) whose image data is complete.
Prints what it finds wrong and exits with 1; silent and 0 when all is well."""
import html.parser
import os
import struct
import sys
import urllib.parse
import zlib

PAGES = ["KAVRO_Title.htm", "KAVRO_Project.htm", "KAVRO_Window.htm", "KAVRO_Task.htm", "KAVRO_TC.htm",
         "KAVRO_GlobalAtt.htm", "KAVRO_Req.htm", "KAVRO_Data.htm", "KAVRO_Metacond.htm"]
HIERARCHIES = ["KAVRO_Window.htm", "KAVRO_Task.htm", "KAVRO_TC.htm"]
OBJECT_PREFIXES = ("WND_", "TASK_", "TC_")
PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"


class Targets(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.links = []
        self.pictures = []

    def handle_starttag(self, tag, attrs):
        values = dict(attrs)
        if tag == "a" and "href" in values:
            self.links.append(urllib.parse.unquote(values["href"]))
        if tag == "img" and "src" in values:
            self.pictures.append(urllib.parse.unquote(values["src"]))


def check_page(folder, name, problems):
    data = open(os.path.join(folder, name), "rb").read()
    if data.startswith(b"\xef\xbb\xbf"):
        problems.append(name + ": byte-order mark")
    if data.replace(b"\r\n", b"").find(b"\n") >= 0:
        problems.append(name + ": a line feed without carriage return")
    targets = Targets()
    targets.feed(data.decode("utf-8"))
    navigation = [target for target in targets.links if target.startswith("KAVRO_")]
    if sorted(navigation) != sorted(PAGES):
        problems.append(name + ": navigation links " + str(navigation))
    checked = targets.links if name in HIERARCHIES else navigation
    for target in checked + targets.pictures:
        if not os.path.isfile(os.path.join(folder, target)):
            problems.append(name + ": names a missing file " + target)
    if name.startswith(OBJECT_PREFIXES):
        picture = name[:-len(".htm")] + ".png"
        if picture not in targets.pictures:
            problems.append(name + ": no picture " + picture)


def png_chunks(path, problems):
    data = open(path, "rb").read()
    if data[:8] != PNG_SIGNATURE:
        problems.append(os.path.basename(path) + ": no PNG signature")
        return None
    at, chunks = 8, {}
    while at + 8 <= len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        chunks.setdefault(kind, b"")
        chunks[kind] += data[at + 8:at + 8 + length]
        at += 12 + length
    return chunks


def check_picture(path, problems):
    chunks = png_chunks(path, problems)
    if chunks is None:
        return
    width = struct.unpack(">I", chunks[b"IHDR"][:4])[0]
    if width % 4:
        problems.append("%s: width %d is no multiple of 4" % (os.path.basename(path), width))


def check_logo(path, problems):
    chunks = png_chunks(path, problems)
    if chunks is None:
        return
    width, height, depth, colour = struct.unpack(">IIBB", chunks[b"IHDR"][:10])
    if (width, height, depth, colour) != (256, 256, 8, 2):
        problems.append("Logo.png: %d x %d, depth %d, colour type %d" % (width, height, depth, colour))
    if len(zlib.decompress(chunks[b"IDAT"])) != height * (1 + width * 3):
        problems.append("Logo.png: image data of the wrong size")


def main(folder):
    problems = []
    names = sorted(os.listdir(folder))
    for name in PAGES:
        if name not in names:
            problems.append("missing page " + name)
    for name in names:
        if name.endswith(".htm"):
            check_page(folder, name, problems)
        elif name.endswith(".png") and name.startswith(OBJECT_PREFIXES):
            check_picture(os.path.join(folder, name), problems)
    check_logo(os.path.join(folder, "Logo.png"), problems)
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
