#!/usr/bin/env python3
"""Fails when a library source includes from a folder above its own, or when a
source file is missing from its folder's CMakeLists.txt.

The layers are the folders of src/CMakeLists.txt's UIEDITOR_PART_FOLDERS, from
the bottom up: a file may include from its own folder and the ones before it."""
import os
import re
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SRC = os.path.join(ROOT, 'src')


def part_folders():
    text = open(os.path.join(SRC, 'CMakeLists.txt'), encoding='utf-8').read()
    return re.search(r'set\(UIEDITOR_PART_FOLDERS(.*?)\)', text, re.S).group(1).split()


def main():
    folders = part_folders()
    rank = {folder: index for index, folder in enumerate(folders)}
    problems = []
    for folder in folders:
        directory = os.path.join(SRC, folder)
        listing = open(os.path.join(directory, 'CMakeLists.txt'), encoding='utf-8').read()
        listed = set(re.findall(r'[\w.]+\.(?:cpp|h)\b', listing))
        for name in sorted(os.listdir(directory)):
            if not name.endswith(('.cpp', '.h')):
                continue
            path = os.path.join(folder, name)
            if name not in listed:
                problems.append(f'src/{path}: not listed in src/{folder}/CMakeLists.txt')
            text = open(os.path.join(SRC, path), encoding='utf-8').read()
            for line_number, line in enumerate(text.splitlines(), 1):
                match = re.match(r'\s*#\s*include\s*"([^"]+)/[^/"]+"', line)
                if not match or match.group(1) not in rank:
                    continue
                if rank[match.group(1)] > rank[folder]:
                    problems.append(f'src/{path}:{line_number}: {folder} includes from {match.group(1)}, '
                                    'a layer above it')
    for problem in problems:
        print(problem, file=sys.stderr)
    if problems:
        print(f'{len(problems)} layering problem(s); the order is in src/CMakeLists.txt', file=sys.stderr)
        return 1
    print(f'layering: {len(folders)} folders in order, every source listed')
    return 0


if __name__ == '__main__':
    sys.exit(main())
