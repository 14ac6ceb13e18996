#!/usr/bin/python3
"""The package guard counts only words in command position of shell code: programs called
by their absolute path count, lines of here-documents and of quoted strings do not."""
import importlib.util
import os
import sys

here = os.path.dirname(os.path.abspath(__file__))
spec = importlib.util.spec_from_file_location(
    "check_packages", os.path.join(here, "..", "..", "scripts", "check-packages.py"))
guard = importlib.util.module_from_spec(spec)
spec.loader.exec_module(guard)

script = r'''
out=$(/usr/bin/time -f "%e" -o t "$BIN/zaro-cli" measure)
PY=python3 $PY -c '
import sys
print(sys.argv)
'
cat <<'END' >x.py
import os
convert a b
END
echo "import sys; display" | grep -q x && sed -n 1p f
case $kind in
  time) socat - - ;;
esac
sudo timeout 5 mbpoll -a 1 >/dev/null 2>&1 # import this
v=`ip link` ; unshare -n bash -c 'mkfifo f' ; [ -x "$(command -v xvfb-run)" ] || ${CC:-gcc} -v
'''
words = guard.command_words(script)
failures = []
for expected in ("/usr/bin/time", "grep", "sed", "socat", "mbpoll", "ip", "mkfifo", "command", "cat"):
    if expected not in words:
        failures.append(f"missed the call of {expected}")
for wrong in ("import", "print(sys.argv)", "convert", "display", "time", "5", "this", "END"):
    if wrong in words:
        failures.append(f"took {wrong!r} for a program")
if guard.program_path("/usr/bin/zaro-no-such-program", set()) is None:
    failures.append("an absolute path that is not on the machine was not reported")
for f in failures:
    print("FAIL:", f)
print("words:", words)
sys.exit(1 if failures else 0)
