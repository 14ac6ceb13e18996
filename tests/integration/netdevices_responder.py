#!/usr/bin/python3
"""A gateway and a LANMOD57 module answering the UDP scans and configuration messages,
written from the datagram layouts alone (no code shared with the program or zaro-sim).
Prints "ready" once both listen; keeps what it is sent and writes every configuration
message it accepted to the file named by its first argument."""
import select
import socket
import sys

log = open(sys.argv[1], "ab", buffering=0)

gateway = {"mac": "00-30-11-AA-BB-01", "ip": "127.0.0.41", "sn": "255.0.0.0", "gw": "127.0.0.254",
           "dhcp": "OFF", "hn": "indep\x1b[1m\tgw"}
module = {"mac": "001234C7BEEF", "dhcp": "00", "ip": [127, 0, 0, 42], "sn": [255, 0, 0, 0],
          "gw": [127, 0, 0, 254], "name": "indep-module"}


def listener(port):
    s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
    s.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    s.bind(("0.0.0.0", port))
    return s


replier = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
replier.setsockopt(socket.SOL_SOCKET, socket.SO_BROADCAST, 1)
replier.bind(("127.0.0.1", 0))
own_port = replier.getsockname()[1]


def answer(data, sender):
    # The program shares the device port with us: a loopback broadcast reaches it there.
    replier.sendto(data, ("127.255.255.255", sender[1]))


def gateway_reply():
    g = gateway
    text = ("Product = test; Serial = 1; Version = 1; MAC = %s; IP = %s; SN = %s; GW = %s; DHCP = %s; "
            "Password = x; HN = %s; DNS1 = 0.0.0.0; DNS2 = 0.0.0.0;" %
            (g["mac"], g["ip"], g["sn"], g["gw"], g["dhcp"], g["hn"]))
    return text.encode() + b"\0"


def module_reply():
    m = module
    octets = lambda a: "".join("%02X" % o for o in a)
    text = "%s %s %s %s %s %s" % (m["mac"], m["dhcp"], octets(m["ip"]), octets(m["sn"]),
                                  octets(m["gw"]), m["name"].ljust(32)[:32])
    return text.encode()


def on_gateway(data, sender):
    if data == b"Module Scan\0":
        answer(gateway_reply(), sender)
        return
    text = data.rstrip(b"\0").decode()
    if not text.startswith("Configure: "):
        return
    fields = {}
    for part in text[len("Configure: "):].split(";"):
        if part.startswith("00-"):
            fields["mac"] = part
        elif ":" in part:
            k, v = part.split(":", 1)
            fields[k.strip()] = v.strip()
        elif "=" in part:
            k, v = part.split("=", 1)
            fields[k.strip()] = v.strip()
    if fields.get("mac") != gateway["mac"]:
        return
    log.write(data.rstrip(b"\0") + b"\n")
    gateway.update(ip=fields["IP"], sn=fields["SN"], gw=fields["GW"], dhcp=fields["DHCP"], hn=fields["HN"])
    answer(b"OK\0", sender)


def on_module(data, sender):
    if data == b"001234C7FFFF":
        answer(module_reply(), sender)
        return
    if len(data) != 75 or data[:12].decode().upper() != module["mac"]:
        return
    log.write(data + b"\n")
    text = data.decode()
    addr = lambda at: [int(text[at + 2 * i: at + 2 * i + 2], 16) for i in range(4)]
    module.update(dhcp=text[13:15], ip=addr(16), sn=addr(25), gw=addr(34), name=text[43:].rstrip())
    answer(module_reply(), sender)


handlers = {listener(3250): on_gateway, listener(5001): on_module}
print("ready", flush=True)
while True:
    ready, _, _ = select.select(list(handlers), [], [])
    for s in ready:
        data, sender = s.recvfrom(2048)
        if sender == ("127.0.0.1", own_port):
            continue
        handlers[s](data, sender)
