#!/usr/bin/python3
"""Checks that scripts/setup.sh installs everything the build and the tests used.

On a machine where packages were once installed by hand, the build and the tests
pass although a fresh machine would lack something. This finds every file from
outside the repository that was used -- headers and CMake files the build read
(from ninja's dependency records), libraries and programs it ran, Python modules
the tests imported (recorded by tests/support/pytrace), programs the scripts call --
and checks that the Debian package owning it is in the dependency closure of the
packages setup.sh names (or is essential). Exits 1 naming each missing package.

usage: check-packages.py [--setup SETUP_SH] BUILD_DIR [BUILD_DIR ...]
"""
import glob
import os
import re
import shlex
import subprocess
import sys

REPO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SYSTEM_PATH = "/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin"


def setup_packages(setup_sh):
    text = open(setup_sh, encoding="utf-8").read()
    block = re.search(r"^PACKAGES=\((.*?)^\)", text, re.S | re.M)
    if not block:
        sys.exit("check-packages: no PACKAGES=( ... ) list in scripts/setup.sh")
    words = re.sub(r"#.*", "", block.group(1)).split()
    return sorted(set(words))


def dependency_closure(packages):
    out = subprocess.run(
        ["apt-cache", "depends", "--recurse", "--no-recommends", "--no-suggests",
         "--no-conflicts", "--no-breaks", "--no-replaces", "--no-enhances"] + packages,
        capture_output=True, text=True, check=True).stdout
    # Package names stand at the start of a line; "<virtual>" names are provided by
    # a real package that also appears.
    return {line.split(":")[0] for line in out.splitlines() if re.match(r"[a-z0-9]", line)}


def base_system():
    """Essential and required packages: every Debian system has them."""
    out = subprocess.run(["dpkg-query", "-W", "-f", "${Package}\t${Essential}\t${Priority}\n"],
                         capture_output=True, text=True, check=True).stdout
    base = set()
    for line in out.splitlines():
        name, essential, priority = line.split("\t")
        if essential == "yes" or priority == "required":
            base.add(name)
    return base


def file_owners():
    owners = {}
    for listing in glob.glob("/var/lib/dpkg/info/*.list"):
        package = os.path.basename(listing)[:-5].split(":")[0]
        with open(listing, encoding="utf-8", errors="replace") as f:
            for path in f:
                owners.setdefault(path.rstrip("\n"), package)
    return owners


def owner_of(path, owners):
    """The owning package, trying the path as named, the merged-/usr alias and the
    resolved link (a -dev symlink and the library it names belong to different packages)."""
    candidates = [path]
    for a, b in (("/usr/lib/", "/lib/"), ("/usr/bin/", "/bin/"), ("/usr/sbin/", "/sbin/")):
        if path.startswith(a):
            candidates.append(b + path[len(a):])
        elif path.startswith(b):
            candidates.append(a + path[len(b):])
    candidates.append(os.path.realpath(path))
    for c in candidates:
        if c in owners:
            return owners[c]
    return None


def outside_repo(path):
    real = os.path.realpath(path)
    return not (real.startswith(REPO + "/") or real.startswith("/tmp/") or real.startswith("/proc/")
                or real.startswith("/dev/"))


def build_files(build_dir):
    """Files the build read or ran: ninja's header records and the absolute paths in
    build.ninja (CMake files, libraries, compilers, launchers)."""
    used = set()
    deps = subprocess.run(["ninja", "-C", build_dir, "-t", "deps"],
                          capture_output=True, text=True).stdout
    for line in deps.splitlines():
        if line.startswith("    /"):
            used.add(os.path.normpath(line.strip()))
    ninja = os.path.join(build_dir, "build.ninja")
    if os.path.exists(ninja):
        text = open(ninja, encoding="utf-8", errors="replace").read()
        for path in re.findall(r"(?<![\w.-])(/(?:usr|lib|bin|sbin|etc)/[^\s:;\"'$]+)", text):
            if os.path.isfile(path):
                used.add(os.path.normpath(path))
    return used


def python_files(build_dir):
    used = set()
    for trace in glob.glob(os.path.join(build_dir, "used-files", "python-*")):
        with open(trace, encoding="utf-8", errors="replace") as f:
            for path in f:
                path = path.rstrip("\n")
                # Compiled caches are made on the machine; their source is what a package owns.
                m = re.match(r"(.*)/__pycache__/([^.]+)\..*\.pyc$", path)
                if m:
                    path = f"{m.group(1)}/{m.group(2)}.py"
                if os.path.isfile(path):
                    used.add(path)
    return used


def shell_builtins():
    out = subprocess.run(["bash", "-c", "compgen -b; compgen -k"], capture_output=True, text=True).stdout
    return set(out.split())


def script_programs():
    """Programs the repository's shell scripts start: the first word of each command."""
    builtins = shell_builtins()
    scripts = [p for pattern in ("scripts/*.sh", "tests/*/*.sh", "tests/netns-run", "fuzz/*.sh",
                                 "bench/*.sh", ".ci/run")
               for p in glob.glob(os.path.join(REPO, pattern))]
    programs = {}
    for script in scripts:
        heredoc = None
        for line in open(script, encoding="utf-8", errors="replace"):
            if heredoc:
                if line.strip() == heredoc:
                    heredoc = None
                continue
            m = re.search(r"<<-?\s*['\"]?(\w+)['\"]?", line)
            if m:
                heredoc = m.group(1)
            line = re.sub(r"(^|\s)#.*", "", line)
            for part in re.split(r"\|\||&&|[;|&(){}`]|\$\(|\bthen\b|\bdo\b|\belse\b", line):
                try:
                    words = shlex.split(part)
                except ValueError:
                    words = part.split()
                while words and (re.match(r"\w+=", words[0]) or words[0] in ("exec", "sudo", "env", "!")):
                    words.pop(0)
                if words and words[0] == "timeout" and len(words) > 2:
                    words = words[2:]
                if not words or words[0] in builtins or not re.match(r"[\w.+-]+$", words[0]):
                    continue
                found = shutil_which(words[0])
                if found:
                    programs.setdefault(found, os.path.relpath(script, REPO))
    return programs


def shutil_which(name):
    for d in SYSTEM_PATH.split(":"):
        p = os.path.join(d, name)
        if os.path.isfile(p) and os.access(p, os.X_OK):
            return p
    return None


def main():
    args = sys.argv[1:]
    setup_sh = os.path.join(REPO, "scripts", "setup.sh")
    if args[:1] == ["--setup"] and len(args) > 1:
        setup_sh, args = args[1], args[2:]
    build_dirs = [d for d in args if os.path.isdir(d)]
    if not build_dirs:
        sys.exit(__doc__)
    listed = setup_packages(setup_sh)
    allowed = dependency_closure(listed) | set(listed) | base_system()
    owners = file_owners()

    used = {}  # path -> why it counts
    for d in build_dirs:
        for p in build_files(d):
            used.setdefault(p, f"the build in {os.path.basename(d)}")
        for p in python_files(d):
            used.setdefault(p, "a Python module the tests imported")
    for p, script in script_programs().items():
        used.setdefault(p, f"a program {script} calls")

    missing, unowned = {}, {}
    for path, why in sorted(used.items()):
        if not outside_repo(path):
            continue
        package = owner_of(path, owners)
        if package is None:
            unowned.setdefault(path, why)
        elif package not in allowed:
            missing.setdefault(package, (path, why))

    for package, (path, why) in sorted(missing.items()):
        print(f"check-packages: {package} is used but scripts/setup.sh does not install it "
              f"({path}, {why})")
    for path, why in sorted(unowned.items())[:10]:
        print(f"check-packages: {path} belongs to no Debian package ({why})")
    if missing or unowned:
        return 1
    print(f"check-packages: {len(used)} files used by the build and the tests all come from "
          f"the {len(listed)} packages scripts/setup.sh installs")
    return 0


if __name__ == "__main__":
    sys.exit(main())
