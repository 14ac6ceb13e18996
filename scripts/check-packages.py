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


# Words after which the next word stands in command position.
COMMAND_STARTERS = {"then", "do", "else", "elif", "if", "while", "until", "!", "time"}
# Words that run the word after them as a command.
PREFIX_COMMANDS = {"exec", "sudo", "env", "nohup", "nice"}


def command_words(text):
    """The words in command position of shell code: the first word of each simple command,
    also inside $( ), backquotes and ( ) groups, after assignments and prefixes such as
    sudo or timeout N. Here-documents, quoted strings and comments are passed over (a
    Python line "import sys" inside a string or a here-document is no call of import)."""
    words = []
    i, n = 0, len(text)
    at_command = True      # the next word starts a command
    skip_args = 0          # words still to pass over (the duration after timeout)
    pending_heredocs = []  # delimiters whose bodies start at the next newline
    word = None            # the word being read, with whether a quote made it

    command = [None, None]  # the command being read and its last argument

    def end_word():
        nonlocal word, at_command, skip_args
        if word is None:
            return
        text_, quoted = word
        word = None
        if not at_command:
            # The string after "bash -c" is code again.
            if quoted and command[0] in ("bash", "sh") and command[1] == "-c":
                words.extend(command_words(text_))
            if text_ in ("bash", "sh"):  # run by a wrapper: unshare -n bash -c '...'
                command[0] = text_
            command[1] = text_
            return
        if skip_args:
            skip_args -= 1
            return
        if not quoted and re.match(r"^[A-Za-z_][A-Za-z0-9_]*(\[[^]]*\])?\+?=", text_):
            return  # an assignment before the command
        if not quoted and text_ in COMMAND_STARTERS:
            return
        if not quoted and text_ in PREFIX_COMMANDS:
            return
        if not quoted and text_ == "timeout":
            skip_args = 1
            return
        words.append(text_)
        command[0], command[1] = text_, None
        at_command = False

    def add(ch, quoted=False):
        nonlocal word
        if word is None:
            word = ["", False]
        word[0] += ch
        word[1] = word[1] or quoted

    def skip_quoted(j, quote):
        # Index just past the closing quote; $( ) inside double quotes is code.
        j += 1
        while j < n and text[j] != quote:
            if quote == '"' and text[j] == "\\":
                j += 2
                continue
            if quote == '"' and text.startswith("$(", j) and not text.startswith("$((", j):
                close = matching_paren(j + 1)
                words.extend(command_words(text[j + 2:close]))
                j = close + 1
                continue
            j += 1
        return j + 1

    def matching_paren(j):
        # text[j] is "("; index of its ")" with quotes taken into account.
        depth = 0
        while j < n:
            c = text[j]
            if c in "'\"":
                j = skip_quoted(j, c)
                continue
            if c == "\\":
                j += 2
                continue
            if c == "(":
                depth += 1
            elif c == ")":
                depth -= 1
                if depth == 0:
                    return j
            j += 1
        return n

    while i < n:
        c = text[i]
        if c == "\\" and i + 1 < n:
            if text[i + 1] == "\n":
                i += 2
                continue
            add(text[i + 1], True)
            i += 2
            continue
        if c in "'\"":
            j = skip_quoted(i, c)
            add(text[i + 1:j - 1], True)
            i = j
            continue
        if text.startswith("${", i):
            close = text.find("}", i)
            close = n - 1 if close < 0 else close
            add(text[i:close + 1])
            i = close + 1
            continue
        if at_command and word is None and text.startswith("[[", i):
            close = text.find("]]", i)
            i = n if close < 0 else close + 2
            at_command = False
            continue
        if c == "#" and word is None:
            while i < n and text[i] != "\n":
                i += 1
            continue
        if text.startswith("<<", i) and not text.startswith("<<<", i):
            end_word()
            m = re.match(r"<<-?\s*(['\"]?)([\w.-]+)\1", text[i:])
            if m:
                pending_heredocs.append((m.group(2), text[i + 2] == "-"))
                i += m.end()
                continue
        if c == "\n":
            end_word()
            at_command = True
            i += 1
            for delimiter, strip_tabs in pending_heredocs:
                while i < n:
                    eol = text.find("\n", i)
                    eol = n if eol < 0 else eol
                    line = text[i:eol]
                    i = eol + 1
                    if (line.lstrip("\t") if strip_tabs else line) == delimiter:
                        break
            pending_heredocs = []
            continue
        if text.startswith("$((", i):
            close = text.find("))", i)
            add(text[i:close + 2] if close >= 0 else text[i:])
            i = n if close < 0 else close + 2
            continue
        if text.startswith("$(", i):
            close = matching_paren(i + 1)
            words.extend(command_words(text[i + 2:close]))
            add("$(...)")
            i = close + 1
            continue
        if c == "`":
            close = text.find("`", i + 1)
            close = n if close < 0 else close
            words.extend(command_words(text[i + 1:close]))
            add("`...`")
            i = close + 1
            continue
        if text.startswith("&&", i) or text.startswith("||", i):
            end_word()
            at_command = True
            i += 2
            continue
        if c in ";|&({}":
            end_word()
            at_command = True
            i += 1
            continue
        if c == ")":
            # Ends a ( ) group or a case pattern; a pattern is no command.
            if at_command:
                word = None
            end_word()
            at_command = True
            i += 1
            continue
        if c in " \t":
            end_word()
            i += 1
            continue
        if c in "<>":
            # A redirection: its target is no command.
            end_word()
            i += 1
            while i < n and text[i] in "<>&":
                i += 1
            while i < n and text[i] in " \t":
                i += 1
            while i < n and text[i] not in " \t\n;|&()":
                i += 1
            continue
        add(c)
        i += 1
    end_word()
    return words


def script_programs():
    """Programs the repository's shell scripts start: every word in command position,
    looked up on the system path, or taken as it is when it is an absolute path."""
    builtins = shell_builtins()
    scripts = [p for pattern in ("scripts/*.sh", "tests/*/*.sh", "tests/netns-run", "fuzz/*.sh",
                                 "bench/*.sh", ".ci/run")
               for p in glob.glob(os.path.join(REPO, pattern))]
    programs = {}
    for script in scripts:
        text = open(script, encoding="utf-8", errors="replace").read()
        for name in command_words(text):
            found = program_path(name, builtins)
            if found:
                programs.setdefault(found, os.path.relpath(script, REPO))
    return programs


def program_path(name, builtins):
    if name.startswith("/"):
        return name if os.path.isfile(name) or not os.path.exists(name) else None
    if name in builtins or not re.match(r"[\w.+-]+$", name):
        return None
    return shutil_which(name)


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

    missing, unowned, absent = {}, {}, {}
    for path, why in sorted(used.items()):
        if not outside_repo(path):
            continue
        if not os.path.exists(path):
            absent.setdefault(path, why)
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
    for path, why in sorted(absent.items()):
        print(f"check-packages: {path} is not on this machine ({why}); "
              f"add its package to scripts/setup.sh")
    if missing or unowned or absent:
        return 1
    print(f"check-packages: {len(used)} files used by the build and the tests all come from "
          f"the {len(listed)} packages scripts/setup.sh installs")
    return 0


if __name__ == "__main__":
    sys.exit(main())
