"""An outside reader of SilkTest projects: every file is 8-bit text with CR LF line ends only, and
every line of a script (.t) or include (.inc) is an outline line: tabs, a marker "[ ]", "[-]"
or "[+]", and a blank before any content. The lines a conversion writes where a step could not
be translated (from the ERROR comment to the separator after it) are not outline lines.
Arguments: files or folders (read as every file below them)."""
import pathlib
import re
import sys

OUTLINE = re.compile(r'^(\t*\[[ +-]\]( .*)?)?$')


def files(arguments):
    for argument in map(pathlib.Path, arguments):
        yield from sorted(p for p in argument.rglob('*') if p.is_file()) if argument.is_dir() else [argument]


def check(path):
    lines = path.read_bytes().decode('latin-1').split('\r\n')
    if any('\r' in line or '\n' in line for line in lines):
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


problems = [problem for problem in map(check, files(sys.argv[1:])) if problem]
sys.exit('\n'.join(problems) if problems else 0)
