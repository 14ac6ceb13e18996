#!/usr/bin/python3
# Runs `zaro-cli check-installation` as text and with --json and judges what both report.
# usage: installation_verdicts.py WHAT STATUS EXPECT... -- ZARO-CLI [OPTIONS...]
# EXPECT is CHECK=VERDICTS[=PHASES]: VERDICTS is ok, warn, fail, several joined by "|", or
# "none" for a check that must not run; PHASES are exactly the phases the finding names
# ("L1,L2"). "all=ok" asks every check run to be ok. Exits 1 when something is wrong.
import json
import subprocess
import sys

sep = sys.argv.index("--")
what, status, expects, cli = sys.argv[1], int(sys.argv[2]), sys.argv[3:sep], sys.argv[sep + 1:]
problems = []
text = subprocess.run(cli + ["check-installation"], capture_output=True, text=True, timeout=60)
doc = subprocess.run(cli + ["--json", "check-installation"], capture_output=True, text=True, timeout=60)
for name, run in (("text", text), ("--json", doc)):
    if run.returncode != status:
        said = run.stderr.strip().splitlines()[:1]
        problems.append(f"{name}: exit status {run.returncode}, expected {status} {said}")
try:
    document = json.loads(doc.stdout)
    checks = document["checks"]
    if document["command"] != "check-installation":
        problems.append(f"--json: command {document['command']}")
except (ValueError, KeyError, TypeError):
    problems.append(f"--json: no document: {doc.stdout[:200]!r}")
    document, checks = {}, []

# One line per check run, in the document's order and with its verdicts.
lines = [line.split("\t") for line in text.stdout.splitlines()]
if [line[:2] for line in lines] != [[c["check"], c["verdict"]] for c in checks] or \
        any(len(line) != 3 or not line[2] for line in lines):
    problems.append(f"the text and --json differ:\n{text.stdout}{doc.stdout}")
sentences = {line[0]: line[-1] for line in lines}
found = {c["check"]: c for c in checks}
for c in checks:
    if c["verdict"] == "fail" and not c.get("values"):
        problems.append(f"{c['check']}: a failure without the values behind it")

for expect in expects:
    check, verdicts, *phases = expect.split("=")
    allowed = verdicts.split("|")
    if check == "all":
        wrong = [f"{c['check']} {c['verdict']}: {sentences.get(c['check'])}" for c in checks
                 if c["verdict"] not in allowed]
        if wrong or not checks:
            problems.append(f"not every check {verdicts}: {wrong}")
        continue
    c = found.get(check)
    if c is None:
        if allowed != ["none"]:
            problems.append(f"{check}: not run")
        continue
    if c["verdict"] not in allowed:
        problems.append(f"{check}: {c['verdict']}, expected {verdicts}: {sentences.get(check)}")
    if phases:
        want = phases[0].split(",")
        sentence = sentences.get(check, "")
        if sorted(c.get("phases", [])) != want or not all(p in sentence for p in want):
            problems.append(f"{check}: names {c.get('phases')} ({sentence}), expected {want}")

for p in problems:
    print(f"FAIL: {what}: {p}")
if not problems:
    print(f"ok: {what}")
sys.exit(1 if problems else 0)
