#!/usr/bin/env python3
"""Checks the help pages against the program and compiles the help file.

Every topic the program can open (a literal "....htm" path in the sources,
or a message box topic name that becomes "Message_Box_Help_Button/<name>.htm")
must have its page; every link of a page must lead to a file of the help; the
table of contents must list every page; no two names (of files or folders)
may differ only in letter case, as Windows would take them for one. Then the pages are compiled with
chmcmd into the .chm file named on the command line.

usage: build_help.py <help dir> <sources dir> <staging dir> <output .chm>
"""
import os
import re
import shutil
import subprocess
import sys

PROJECT = 'Corvinata'
# A help page path written in the sources.
PAGE_LITERAL = re.compile(r'"([A-Za-z0-9_/]+\.htm)"')
# A message topic name: a capitalised phrase joined by underscores (its first
# word may be a single letter), as the table of message topics names the
# page that the message box opens in its folder with ".htm".
MESSAGE_TOPIC = re.compile(r'"([A-Z](?:[a-z][A-Za-z0-9]*)?(?:_[A-Za-z0-9]+){2,})"')
# Names of the same shape that are not topics: dialog templates.
NOT_TOPICS = ('Dlg_',)
# Adjacent literals split over lines are one string.
SPLIT_LITERAL = re.compile(r'"[ \t]*\n\s*(?:L|TXT\()?"')
HREF = re.compile(r'(?:href|src)="([^"#]*)(?:#[^"]*)?"', re.I)
LOCAL = re.compile(r'<param name="Local" value="([^"#]*)', re.I)


def program_topics(sources):
    topics = {}
    for folder, _, files in os.walk(sources):
        for name in files:
            if not name.endswith(('.cpp', '.h')):
                continue
            path = os.path.join(folder, name)
            with open(path, encoding='utf-8', errors='replace') as f:
                text = SPLIT_LITERAL.sub('', f.read())
            for m in PAGE_LITERAL.finditer(text):
                if '%' not in m.group(1):
                    topics.setdefault(m.group(1), path)
            for m in MESSAGE_TOPIC.finditer(text):
                if m.group(1).startswith(NOT_TOPICS):
                    continue
                topics.setdefault('Message_Box_Help_Button/%s.htm' % m.group(1), path)
    return topics


def help_files(root):
    found = []
    for folder, _, files in os.walk(root):
        for name in files:
            found.append(os.path.relpath(os.path.join(folder, name), root).replace(os.sep, '/'))
    return sorted(found)


def check(root, sources):
    errors = []
    files = set(help_files(root))
    pages = sorted(f for f in files if f.endswith('.htm'))
    spellings = {}
    for name in sorted(files):
        parts = name.split('/')
        for n in range(1, len(parts) + 1):
            part = '/'.join(parts[:n])
            first = spellings.setdefault(part.lower(), part)
            message = '"%s" and "%s" differ only in letter case' % (first, part)
            if first != part and message not in errors:
                errors.append(message)
    for topic, where in sorted(program_topics(sources).items()):
        if topic not in files:
            errors.append('%s opens the help topic "%s", which has no page in %s' % (where, topic, root))
    for page in pages:
        with open(os.path.join(root, page), encoding='utf-8') as f:
            text = f.read()
        for link in HREF.findall(text):
            if not link or link.startswith(('http:', 'https:', 'mailto:')):
                continue
            target = os.path.normpath(os.path.join(os.path.dirname(page), link)).replace(os.sep, '/')
            if target not in files:
                errors.append('%s links to "%s", which is not in the help' % (page, link))
    with open(os.path.join(root, PROJECT + '.hhc'), encoding='utf-8') as f:
        listed = set(LOCAL.findall(f.read()))
    for page in pages:
        if page not in listed:
            errors.append('the table of contents does not list %s' % page)
    for page in sorted(listed - files):
        errors.append('the table of contents lists %s, which does not exist' % page)
    return errors, files


def compile_help(root, staging, output, files):
    if os.path.isdir(staging):
        shutil.rmtree(staging)
    shutil.copytree(root, staging)
    project = os.path.join(staging, PROJECT + '.hhp')
    with open(project, 'w', encoding='utf-8', newline='\r\n') as f:
        f.write('[OPTIONS]\n'
                'Compatibility=1.1 or later\n'
                'Compiled file=%s.chm\n'
                'Contents file=%s.hhc\n'
                'Index file=%s.hhk\n'
                'Default topic=contents.htm\n'
                'Display compile progress=No\n'
                'Full-text search=Yes\n'
                'Language=0x409 English (United States)\n'
                'Title=%s Help\n\n[FILES]\n' % (PROJECT, PROJECT, PROJECT, PROJECT))
        for name in sorted(files):
            if not name.endswith(('.hhc', '.hhk')):
                f.write(name + '\n')
    result = subprocess.run(['chmcmd', '--no-html-scan', '--verbosity', '1', PROJECT + '.hhp'],
                            cwd=staging, capture_output=True, text=True)
    built = os.path.join(staging, PROJECT + '.chm')
    if result.returncode != 0 or not os.path.isfile(built):
        sys.stderr.write(result.stdout + result.stderr)
        sys.exit('chmcmd could not compile the help file')
    shutil.copyfile(built, output)


def main():
    root, sources, staging, output = sys.argv[1:5]
    errors, files = check(root, sources)
    if errors:
        sys.exit('The help is incomplete:\n  ' + '\n  '.join(errors))
    compile_help(root, staging, output, files)


if __name__ == '__main__':
    main()
