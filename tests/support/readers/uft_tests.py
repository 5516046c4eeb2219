"""An outside reader of UFT conversions: every .xml file (the object repository) is UTF-8,
xmllint reads it without a complaint, and its root is a qtpRep:ObjectRepository with the three
parameters; every action script (Script.mts) is UTF-16 with byte-order mark, a VBScript text
that starts with the test case's header. Other files are not read.
Arguments: files or folders (read as every file below them)."""
import subprocess
import xml.etree.ElementTree as ElementTree

from latin1_crlf import main

NAMESPACE = '{http://www.mercury.com/qtp/ObjectRepository}'


def read_repository(path):
    path.read_bytes().decode('utf-8')
    lint = subprocess.run(['xmllint', '--noout', str(path)], capture_output=True, text=True)
    if lint.returncode or lint.stdout or lint.stderr:
        raise ValueError('xmllint: ' + lint.stdout + lint.stderr)
    root = ElementTree.parse(path).getroot()
    if root.tag != NAMESPACE + 'ObjectRepository':
        raise ValueError('not an object repository: ' + root.tag)
    names = [parameter.get('Name') for parameter in root.iter(NAMESPACE + 'Parameter')]
    if names != ['param1', 'param2', 'param3']:
        raise ValueError('parameters %s' % names)


def read_script(path):
    data = path.read_bytes()
    if not data.startswith(b'\xff\xfe'):
        raise ValueError('no byte-order mark')
    if not data[2:].decode('utf-16-le').startswith("' Test Case "):
        raise ValueError('no test case header')


def check(path):
    try:
        if path.suffix == '.xml':
            read_repository(path)
        elif path.name == 'Script.mts':
            read_script(path)
    except (ValueError, ElementTree.ParseError, UnicodeDecodeError) as problem:
        return '%s: %s' % (path, problem)
    return None


if __name__ == '__main__':
    main(check)
