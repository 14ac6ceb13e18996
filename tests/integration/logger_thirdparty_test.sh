#!/usr/bin/env bash
# logger-read against a Modbus/TCP slave that is not ours (pymodbus) holding a known
# logger memory: the *.ZRD must hold exactly its records, newest first.
set -u
. "$(dirname "$0")/lib.sh"
need_pymodbus

PORT=15504
RECORDS=100
$PY "$HERE/logger_slave.py" $PORT $RECORDS 7 &
PIDS+=($!)
for _ in $(seq 100); do (exec 3<>/dev/tcp/127.0.0.1/$PORT) 2>/dev/null && break; sleep 0.1; done

out=$("$BIN/zaro-cli" --settings "$work" --interface gateway --host 127.0.0.1 --tcp-port $PORT --address 5 \
  logger-read "$work/t.ZRD" --newest "02.03.26 00:00:00")
check "exit and count" $RECORDS "$out"
$PY - "$work/t.ZRD" $RECORDS <<'PYEOF' || failed "file content"
import sys
from datetime import datetime, timedelta
lines = open(sys.argv[1], encoding="latin-1").read().split("\n")
n = int(sys.argv[2])
assert lines[0] == "Device: \t 1\tThird party", lines[0]
assert lines[1] == "status\tdate\ttime\tPinc-Pout\tQind+Qcap", lines[1]
units = lines[2].split("\t")
assert units[:3] == ["", "", ""] and len(units) == 5, lines[2]
scale = {"[W]": 1, "[kW]": 1e3, "[MW]": 1e6, "[var]": 1, "[kvar]": 1e3, "[Mvar]": 1e6}
assert lines[3 + n] == "" and len(lines) == 4 + n, len(lines)
newest = datetime(2026, 3, 2)
for r in range(n):
    f = lines[3 + r].split("\t")
    j = n - 1 - r
    assert f[0] == ("--" if r == 7 else "OK"), (r, f[0])
    t = newest - timedelta(minutes=15 * r)
    assert f[1] == t.strftime("%d.%m.%y") and f[2] == t.strftime("%H:%M:%S"), (r, f[1], f[2])
    for c, w in enumerate((1000.0, 500.0)):
        decimals = len(f[3 + c].split(".")[1])
        assert f[3 + c] == "%7.*f" % (decimals, w * (j + 1) / scale[units[3 + c]]), (r, c, f[3 + c])
PYEOF
finish "PASS"
