"""An outside reader of object repositories of UFT (XML form) and Ranorex (.rxrep): prints one
line per object, in document order, as kind|name|parent name. A UFT object's kind is its Class
and its parent the object whose qtpRep:ChildObjects holds it; a Ranorex app folder's, folder's or
item's kind is its capname and its parent the app folder or folder it lies in directly.
Argument: the repository file."""
import sys
import xml.etree.ElementTree as ElementTree

UFT = '{http://www.mercury.com/qtp/ObjectRepository}'


def uft_objects(root, parents):
    for element in root.iter(UFT + 'Object'):
        holder = parents.get(element)
        owner = parents.get(holder) if holder is not None and holder.tag == UFT + 'ChildObjects' else None
        yield element.get('Class', ''), element.get('Name', ''), '' if owner is None else owner.get('Name', '')


def ranorex_objects(root, parents):
    for element in root.iter():
        if element.tag not in ('appfolder', 'folder', 'item'):
            continue
        holder = parents.get(element)
        owner = holder if holder is not None and holder.tag in ('appfolder', 'folder') else None
        yield element.get('capname') or 'unknown', element.get('name', ''), '' if owner is None else owner.get('name', '')


def main(path):
    root = ElementTree.parse(path).getroot()
    parents = {child: parent for parent in root.iter() for child in parent}
    objects = uft_objects if root.tag == UFT + 'ObjectRepository' else ranorex_objects
    for kind, name, parent in objects(root, parents):
        print('%s|%s|%s' % (kind, name, parent))


if __name__ == '__main__':
    main(sys.argv[1])
