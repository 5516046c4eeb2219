"""An outside reader of TestPartner asset files: each file is UTF-16LE with byte-order mark and
line feeds alone, xmllint reads it without a complaint, and the Base64 text of every script and
shared module decodes as UTF-16LE into Visual Basic (a script is a Sub Main).
Arguments: files or folders (read as every file below them)."""
import base64
import subprocess
import xml.etree.ElementTree as ElementTree

from latin1_crlf import main

DECLARATION = '<?xml version="1.0" encoding="Unicode"?>\n'


def decoded_text(element):
    """The text that the Text element below the asset carries."""
    text = element.find('CTPScript/Text')
    if text is None or text.get('Encoding') != 'Base64':
        raise ValueError('%s %s has no Base64 text' % (element.tag, element.get('Name')))
    return base64.b64decode(''.join((text.text or '').split()), validate=True).decode('utf-16-le')


def read_assets(path):
    data = path.read_bytes()
    if not data.startswith(b'\xff\xfe'):
        raise ValueError('no byte-order mark')
    text = data[2:].decode('utf-16-le')
    if '\r\n' in text or not text.startswith(DECLARATION):
        raise ValueError('not the declaration and line feeds of an asset file')
    lint = subprocess.run(['xmllint', '--noout', str(path)], capture_output=True, text=True)
    if lint.returncode or lint.stdout or lint.stderr:
        raise ValueError('xmllint: ' + lint.stdout + lint.stderr)
    root = ElementTree.fromstring(text[len(DECLARATION):])
    assets = root.findall('Projects/Project/Scripts/Script') + root.findall('Projects/Project/SharedModules/SharedModule')
    if not assets:
        raise ValueError('no asset')
    for asset in assets:
        script = decoded_text(asset)
        if asset.tag == 'Script' and not script.startswith('Sub Main'):
            raise ValueError('script %s is no Sub Main' % asset.get('Name'))


def check(path):
    try:
        read_assets(path)
    except (ValueError, ElementTree.ParseError, UnicodeDecodeError) as problem:
        return '%s: %s' % (path, problem)
    return None


if __name__ == '__main__':
    main(check)
