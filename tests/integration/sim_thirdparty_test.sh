#!/usr/bin/env bash
# zaro-sim checked by Modbus masters that are not ours: mbpoll (libmodbus) and pymodbus,
# over RTU on its pseudo-terminal and over Modbus/TCP. A framing mistake that our own
# link code shares with the simulator cannot hide from them.
set -u
. "$(dirname "$0")/lib.sh"
need_command mbpoll
need_pymodbus

# mbpoll output "[401]: \t412" -> "412"
values() { grep -E '^\[[0-9]+\]:' | awk '{print $2}' | tr '\n' ' ' | sed 's/ $//'; }

# ---- RS-485 bus, mbpoll over RTU -------------------------------------------------------
start_sim --rs485 3,17 --fw 399 --ext 118 --rated-i 1 --system 4 --vt 20000/100 --ct 100/1
rtu() { mbpoll -m rtu -b 9600 -P even -0 -1 -o 0.3 "$@" 2>&1; }

check "identification of meter 3" "399 118 100 500" "$(rtu -a 3 -r 401 -c 4 "$pty" | values)"
check "model name of meter 17" "23122 19763" "$(rtu -a 17 -r 409 -c 2 "$pty" | values)"
out=$(rtu -a 4 -r 401 -c 4 "$pty")
if echo "$out" | grep -q '^\[401\]'; then failed "address 4 answered on the bus"; else echo "ok: silence at an empty address"; fi

rtu -a 3 -r 532 "$pty" 1234 4321 27 8 >/dev/null
check "limits written with function 16 read back" "1234 4321 27 8" "$(rtu -a 3 -r 532 -c 4 "$pty" | values)"
check "the other meter keeps its own limits" "0 0 0 0" "$(rtu -a 17 -r 532 -c 4 "$pty" | values)"

u1=$(rtu -a 3 -r 101 -c 1 -t 4:float "$pty" | values)
if awk -v u="$u1" 'BEGIN { exit !(u > 11000 && u < 12100) }'; then
  echo "ok: U1N $u1 V on the primary side of 20 kV / 100 V"
else
  failed "U1N should be near 11.5 kV, got [$u1]"
fi
pf=$(rtu -a 3 -r 163 -c 1 -t 4:float "$pty" | values)
awk -v p="$pf" 'BEGIN { exit !(p > 0.8 && p <= 1.0) }' && echo "ok: power factor $pf" || failed "power factor [$pf]"

# ---- base model on RS-485: registers from 540 on do not exist ---------------------------
start_sim --rs485 9 --model std
pty_std=${READY#PTY }
out=$(rtu -a 9 -r 540 -c 2 "$pty_std")
echo "$out" | grep -qi 'illegal data address' && echo "ok: base model rejects register 540" ||
  failed "base model and register 540: $out"
check "base model name" "23122 13104" "$(rtu -a 9 -r 409 -c 2 "$pty_std" | values)"

# ---- RS-232 meter, pymodbus over RTU -----------------------------------------------------
# Parity none on the master side: some kernels refuse to set only PARENB on a pty, and the
# simulator does not look at the character format anyway.
start_sim --rs232 --model zrm3
one_in=$SIM_CTL
pty_one=${READY#PTY }
$PY - "$pty_one" "$one_in" <<'EOF' || failed "pymodbus over RTU"
import os, sys
from pymodbus.client import ModbusSerialClient
from pymodbus.diag_message import ReturnQueryDataRequest
port, ctl = sys.argv[1], int(sys.argv[2])
# Whole seconds: this pymodbus truncates the time-out to an integer.
c = ModbusSerialClient(port=port, baudrate=9600, parity='N', stopbits=1, bytesize=8, timeout=1, retries=0)
assert c.connect()
bad = 0
def expect(what, cond):
    global bad
    print(("ok: " if cond else "FAIL: ") + what)
    bad += 0 if cond else 1
def command(line):
    os.write(ctl, (line + "\n").encode())
r = c.read_holding_registers(409, 3, slave=255)
expect("RTU model name ZRM3", r.registers[:2] == [0x5A52, 0x4D33])
text = [0x4665, 0x6564, 0x6572, 0x2031] + [0] * 20          # "Feeder 1"
r = c.write_registers(508, text, slave=255)
expect("description written", not r.isError())
r = c.read_holding_registers(508, 24, slave=255)
expect("description reads back", r.registers == text)
r = c.read_holding_registers(499, 75, slave=255)
expect("whole configuration block 499..573", not r.isError() and len(r.registers) == 75)
q = ReturnQueryDataRequest(0xAA55)
q.unit_id = 255
r = c.execute(q)
expect("function 8 echo", not r.isError() and tuple(r.message) == (0xAA55,))
r = c.read_holding_registers(401, 4, slave=254)
expect("RS-232 meter ignores address 254", r.isError())
command("fault exception:4")
r = c.read_holding_registers(401, 4, slave=255)
expect("injected exception 4", r.isError() and getattr(r, "exception_code", 0) == 4)
r = c.read_holding_registers(401, 4, slave=255)
expect("next request served again", not r.isError() and r.registers[0] == 412)
r = c.write_registers(969, [3], slave=255)
r = c.read_holding_registers(950, 1, slave=255)
expect("logger clear empties the value count", r.registers == [0])
sys.exit(bad)
EOF

# ---- Modbus/TCP gateway: mbpoll and pymodbus --------------------------------------------
start_sim --gateway 5,9 --listen 127.0.0.1:0
gw_in=$SIM_CTL
tcp() { # tcp OPTIONS... [-- VALUES...]: the host goes between the options and the values
  local opts=() vals=()
  while [ $# -gt 0 ] && [ "$1" != "--" ]; do opts+=("$1"); shift; done
  [ $# -gt 0 ] && shift && vals=("$@")
  mbpoll -m tcp -p "$port" -0 -1 -o 0.5 "${opts[@]}" "$host" "${vals[@]}" 2>&1
}
check "gateway unit 5 identification" "412 121 500 500" "$(tcp -a 5 -r 401 -c 4 | values)"
out=$(tcp -a 7 -r 401 -c 4)
echo "$out" | grep -qi 'target device failed to respond' && echo "ok: absent unit gives exception 11" ||
  failed "absent unit: $out"

$PY - "$host" "$port" "$gw_in" <<'EOF' || failed "pymodbus over TCP"
import os, sys, socket, struct
from pymodbus.client import ModbusTcpClient
host, port, ctl = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
bad = 0
def expect(what, cond):
    global bad
    print(("ok: " if cond else "FAIL: ") + what)
    bad += 0 if cond else 1
c = ModbusTcpClient(host, port=port, timeout=1, retries=0)
assert c.connect()
r = c.read_holding_registers(401, 1, slave=9)
expect("TCP unit 9 firmware", r.registers == [412])
r = c.read_holding_registers(401, 1, slave=7)
expect("TCP exception 11 for an absent unit", r.isError() and r.exception_code == 11)
os.write(ctl, b"fault split\n")
r = c.read_holding_registers(499, 70, slave=5)
expect("reply split over two segments is whole", not r.isError() and len(r.registers) == 70)
c.close()
# The exception reply on the wire: 9 bytes, function 0x83, code 0x0B.
s = socket.create_connection((host, port), timeout=2)
s.sendall(bytes([0, 7, 0, 0, 0, 6, 7, 3, 0, 0x63, 0, 0x42]))
reply = s.recv(64)
expect("raw exception reply 00 07 00 00 00 03 07 83 0b", reply == bytes([0, 7, 0, 0, 0, 3, 7, 0x83, 0x0B]))
s.close()
sys.exit(bad)
EOF

# ---- LANMOD57 module: reads at 255, writes at its meter's address ------------------------
start_sim --module --listen 127.0.0.1:0 --unit 33
check "module reads at unit 255" "23122 19763" "$(tcp -a 255 -r 409 -c 2 | values)"
tcp -a 33 -r 534 -- 300 200 >/dev/null
check "module write at unit 33 reads back at 255" "300 200" "$(tcp -a 255 -r 534 -c 2 | values)"
out=$(tcp -a 255 -r 534 -- 1 2)
echo "$out" | grep -qi 'target device failed to respond' && echo "ok: module refuses writes at 255" ||
  failed "write at 255: $out"

stop_sims
if grep -l -E 'Sanitizer|runtime error' "$work"/*.err; then failed "a simulator reported a sanitizer error"; fi

finish "all third-party checks passed"
