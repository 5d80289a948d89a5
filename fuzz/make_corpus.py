"""Inside a private network namespace: asks the all-models fleet of linknode-sim for its
records, then lets the command line tool and the window command it, and writes the replies
and the journalled commands as seed files. Run through fuzz/make-corpus."""

import json
import os
import socket
import subprocess
import sys
import tempfile
import time

build, corpus = sys.argv[1], sys.argv[2]
sim = os.path.join(build, "sim", "linknode-sim")
cli = os.path.join(build, "cli", "linknode")
tool = os.path.join(build, "app", "linknode-tool")
fleet = ["--preset", "all-models"]

# The enquiry: the configuration command with zero addresses and the zero MAC.
ENQUIRY = b"\xfe\xff\x01\xff\x01" + b"0.0.0.0\r" * 3 + b"\xfd" + b"\x00" * 6


def write(target, name, data):
    with open(os.path.join(corpus, target, "sim-" + name), "wb") as f:
        f.write(data)


def one_string(data):
    """A datagram as FuzzedDataProvider's random-length string reads it back."""
    return data.replace(b"\\", b"\\\\") + b"\\\n"


def field(record, k):
    parts = record.split(b",")
    return parts[k].strip(b" ") if k < len(parts) else b""


def records():
    with socket.socket(socket.AF_INET, socket.SOCK_DGRAM) as s:
        s.setsockopt(socket.SOL_SOCKET, socket.SO_BROADCAST, 1)
        s.bind(("0.0.0.0", 2024))
        s.settimeout(1.0)
        s.sendto(ENQUIRY, ("255.255.255.255", 1024))
        replies = []
        try:
            while True:
                replies.append(s.recv(65535))
        except socket.timeout:
            pass
    return sorted(replies)


def window_script(path):
    steps = [
        "select LST_KRT 0", "click B_SHOW_MAC", "click B_LED_FLASH", "click B_SEND_BIP",
        "click B_VT100_CLR", "click B_GO_TERM", "click B_GO_BOOT", "answer 12345",
        "click Command2", "set INP_LOGIN AB^9^CD^13^", "click B_SEND_LOGIN", "wait 1",
        "select LST_KRT 0", "answer 10.213.0.11", "answer 10.213.0.1", "answer 2101",
        "click B_UPDATE", "wait 1", "quit",
    ]
    with open(path, "w") as f:
        f.write("\n".join(steps) + "\n")


for folder in ("receive", "record", "carets", "addresses", "sim_command"):
    os.makedirs(os.path.join(corpus, folder), exist_ok=True)
    for name in os.listdir(os.path.join(corpus, folder)):
        if name.startswith("sim-"):
            os.remove(os.path.join(corpus, folder, name))

addresses = subprocess.run([sim, *fleet, "--list-addresses"], check=True, capture_output=True,
                           text=True).stdout.split()
for a in addresses:
    subprocess.run(["ip", "addr", "add", a + "/32", "dev", "lo"], check=True)

with tempfile.TemporaryDirectory() as work:
    journal = os.path.join(work, "journal.jsonl")
    simulator = subprocess.Popen([sim, *fleet, "--journal", journal, "--reset-pause", "0.2",
                                  "--manage-addresses"])
    time.sleep(0.5)
    try:
        replies = records()
        for i, reply in enumerate(replies):
            record = reply[2:]
            write("receive", "reply-%02d" % i, reply)
            write("record", "record-%02d" % i, record)
            write("carets", "login-%02d" % i, field(record, 15))
            write("addresses", "entry-%02d" % i,
                  one_string(field(record, 1)) + one_string(field(record, 2))
                  + one_string(field(record, 1).rpartition(b".")[0] + b".") + field(record, 3)
                  + bytes([i + 1]))
        write("receive", "burst", b"".join(one_string(r) for r in replies))

        script = os.path.join(work, "script.txt")
        window_script(script)
        done = subprocess.run([tool, "--automation", script], capture_output=True, timeout=120,
                              env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
        if done.returncode != 0:
            print("linknode-tool: %s" % done.stderr.decode().strip())

        def run(*args):
            done = subprocess.run([cli, *args], capture_output=True, timeout=60)
            if done.returncode != 0:
                print("linknode %s: %s" % (" ".join(args), done.stderr.decode().strip()))
        run("discover", "--wait", "1")
        run("set", "0-80-194-10-0-11", "--ip", "10.213.0.111", "--host-port", "4000",
            "--wiegand", "2", "--login", "AB^13^", "--mode", "client", "--bauds", "19200")
        run("set", "0-80-194-10-0-12", "--mode", "server", "--reset")
        run("locate", "--seconds", "0.3")
        run("locate", "--beep", "--seconds", "0.3")
        run("reset", "10.213.0.13")
    finally:
        simulator.terminate()
        simulator.wait()

    seen = set()
    with open(journal) as f:
        for line in f:
            entry = json.loads(line)
            if "hex" not in entry:
                continue
            data = bytes.fromhex(entry["hex"])
            if data not in seen:
                seen.add(data)
                write("sim_command", "%02d-%s" % (len(seen), entry.get("kind", "event")), data)

print("replies: %d, distinct commands: %d" % (len(replies), len(seen)))
