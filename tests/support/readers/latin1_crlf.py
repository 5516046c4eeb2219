"""An outside reader of 8-bit text files with CR LF line ends (WinRunner test suites): every
file decodes as Latin-1, and every line break in it is a CR LF pair. No parser of the files'
language is at hand, so their content is not checked.
Arguments: files or folders (read as every file below them)."""
import pathlib
import sys


def files(arguments):
    for argument in map(pathlib.Path, arguments):
        yield from sorted(p for p in argument.rglob('*') if p.is_file()) if argument.is_dir() else [argument]


def read_lines(path):
    """The file's lines, or None when a line end is not CR LF."""
    lines = path.read_bytes().decode('latin-1').split('\r\n')
    return None if any('\r' in line or '\n' in line for line in lines) else lines


def check(path):
    return '%s: a line end other than CR LF' % path if read_lines(path) is None else None


def main(check_file):
    problems = [problem for problem in map(check_file, files(sys.argv[1:])) if problem]
    sys.exit('\n'.join(problems) if problems else 0)


if __name__ == '__main__':
    main(check)
