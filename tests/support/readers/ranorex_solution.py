"""An outside reader of Ranorex solutions: every file is UTF-8 with CR LF line ends only; the
recordings, test suites, repository and project file are well-formed XML to xmllint, the C#
files parse to mcs, and the solution file starts as Visual Studio's do.
Arguments: files or folders (read as every file below them)."""
import pathlib
import subprocess
import sys

XML = {'.rxrec', '.rxtst', '.rxrep', '.csproj'}
SOLUTION_START = 'Microsoft Visual Studio Solution File, Format Version 10.00\r\n'


def files(arguments):
    for argument in map(pathlib.Path, arguments):
        yield from sorted(p for p in argument.rglob('*') if p.is_file()) if argument.is_dir() else [argument]


def passes(command, path):
    run = subprocess.run(command + [str(path)], capture_output=True, text=True)
    return run.returncode == 0 and not run.stdout and not run.stderr


def check(path):
    text = path.read_bytes().decode('utf-8')
    if '\n' in text.replace('\r\n', '') or '\r' in text.replace('\r\n', ''):
        return 'a line does not end in CR LF'
    if path.suffix in XML:
        return None if passes(['xmllint', '--noout'], path) else 'not well-formed XML'
    if path.suffix == '.cs':
        return None if passes(['mcs', '--parse'], path) else 'not C#'
    if path.suffix == '.rxsln':
        return None if text.startswith(SOLUTION_START) else 'not a solution file'
    return 'not a file of a Ranorex solution'


def main():
    failed = False
    for path in files(sys.argv[1:]):
        problem = check(path)
        if problem:
            print(f'{path}: {problem}')
            failed = True
    return 1 if failed else 0


if __name__ == '__main__':
    sys.exit(main())
