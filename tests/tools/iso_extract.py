#!/usr/bin/python3
"""iso_extract.py READER TREE IMAGE OUT

Unpacks one tree of a CD image into OUT with a reader that no one here wrote,
for the image tests to compare with the folder the image was made of.
READER: isoinfo, xorriso, 7z or pycdlib; TREE: joliet or rockridge.
"""
import os
import subprocess
import sys


def run(*args):
    return subprocess.run(args, check=True, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL).stdout


def isoinfo(tree, image, out):
    # isoinfo prints Joliet names in a code page of its choice: ask for Latin-1.
    flags = ['-J', '-j', 'iso8859-1'] if tree == 'joliet' else ['-R']
    encoding = 'latin-1' if tree == 'joliet' else 'utf-8'
    paths = [p for p in run('isoinfo', '-i', image, *flags, '-f').split(b'\n') if p]
    folders = {p[:p.rfind(b'/')] for p in paths}
    for path in paths:
        target = os.path.join(out, path.decode(encoding).lstrip('/'))
        if path in folders:
            os.makedirs(target, exist_ok=True)
            continue
        os.makedirs(os.path.dirname(target), exist_ok=True)
        with open(target, 'wb') as f:
            f.write(run('isoinfo', '-i', image, *flags, '-x', path))


def xorriso(tree, image, out):
    load = ['-rockridge', 'off'] if tree == 'joliet' else []
    run('xorriso', '-osirrox', 'on', *load, '-indev', image, '-extract', '/', out)


def sevenzip(tree, image, out):
    if tree != 'joliet':
        raise SystemExit('7z reads the Joliet tree only')
    run('7z', 'x', '-y', '-o' + out, image)


def pycdlib_reader(tree, image, out):
    import pycdlib
    iso = pycdlib.PyCdlib()
    iso.open(image)
    key = 'joliet_path' if tree == 'joliet' else 'rr_path'
    for folder, dirs, files in iso.walk(**{key: '/'}):
        os.makedirs(os.path.join(out, folder.lstrip('/')), exist_ok=True)
        for name in files:
            path = folder.rstrip('/') + '/' + name
            with open(os.path.join(out, path.lstrip('/')), 'wb') as f:
                iso.get_file_from_iso_fp(f, **{key: path})
    iso.close()


READERS = {'isoinfo': isoinfo, 'xorriso': xorriso, '7z': sevenzip, 'pycdlib': pycdlib_reader}

if __name__ == '__main__':
    reader, tree, image, out = sys.argv[1:5]
    os.makedirs(out, exist_ok=True)
    READERS[reader](tree, image, out)
