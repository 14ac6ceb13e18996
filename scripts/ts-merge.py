#!/usr/bin/env python3
# git merge driver for Qt .ts files: ours plus every message of theirs that ours lacks.
# Set up once per clone: git config merge.tsmerge.driver "python3 scripts/ts-merge.py %O %A %B"
# usage: ts-merge.py BASE OURS THEIRS  (writes the result into OURS)
import re, sys
CTX = re.compile(r'<context>\s*<name>(.*?)</name>(.*?)</context>', re.S)
MSG = re.compile(r'[ \t]*<message\b.*?</message>\n?', re.S)
SRC = re.compile(r'<source>(.*?)</source>(?:\s*<comment>(.*?)</comment>)?', re.S)
def messages(text):
    out = []
    for c in CTX.finditer(text):
        for m in MSG.finditer(c.group(2)):
            s = SRC.search(m.group(0))
            out.append((c.group(1), (s.group(1), s.group(2)) if s else m.group(0), m.group(0)))
    return out
base, ours_p, theirs_p = sys.argv[1:4]
ours = open(ours_p, encoding='utf-8').read()
theirs = open(theirs_p, encoding='utf-8').read()
have = {(c, k) for c, k, _ in messages(ours)}
add = {}
for c, k, m in messages(theirs):
    if (c, k) not in have:
        have.add((c, k))
        add.setdefault(c, []).append(m if m.endswith('\n') else m + '\n')
for name, msgs in add.items():
    block = ''.join(msgs)
    ctxs = [c for c in CTX.finditer(ours) if c.group(1) == name]
    if ctxs:
        end = ctxs[-1].end() - len('</context>')
        ours = ours[:end] + block + ours[end:]
    else:
        i = ours.rindex('</TS>')
        ours = ours[:i] + '<context>\n    <name>' + name + '</name>\n' + block + '</context>\n' + ours[i:]
open(ours_p, 'w', encoding='utf-8').write(ours)
