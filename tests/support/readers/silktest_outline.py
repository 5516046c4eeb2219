"""An outside reader of SilkTest projects: every file is 8-bit text with CR LF line ends only, and
every line of a script (.t) or include (.inc) is an outline line: tabs, a marker "[ ]", "[-]"
or "[+]", and a blank before any content. The lines a conversion writes where a step could not
be translated (from the ERROR comment to the separator after it) are not outline lines.
Arguments: files or folders (read as every file below them)."""
import re
import sys

sys.dont_write_bytecode = True  # no cache beside the sources
from latin1_crlf import main, read_lines  # noqa: E402

OUTLINE = re.compile(r'^(\t*\[[ +-]\]( .*)?)?$')


def check(path):
    lines = read_lines(path)
    if lines is None:
        return '%s: a line end other than CR LF' % path
    if path.suffix not in ('.t', '.inc'):
        return None
    in_error = False
    for number, line in enumerate(lines, 1):
        if "// ERROR: Couldn't translate" in line:
            in_error = True
        elif in_error:
            in_error = not line.startswith('// ---')
        elif not OUTLINE.match(line):
            return '%s:%d: not an outline line: %r' % (path, number, line)
    return None


main(check)
