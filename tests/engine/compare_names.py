#!/usr/bin/env python3
"""Compares game-name with the real engine: generates player names, connects each to a
dedicated server of the game on 127.0.0.1 and checks that the name the game module
made of it is the one game-name prints; then sets each of a few host names from a
script and checks getinfo's hostname, as a client's engine reads it ('%' and bytes
above 127 as '.'), against game-name --host. Exit 0: all agree; 1: a difference; 77:
the engine or the game module is not installed (CTest counts that as skipped)."""

import argparse
import os
import random
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from real_server import RealServer, installed  # noqa: E402

# Bytes the rules turn on, often; every other byte from 1 to 255 now and then.
FAVOURED = b"^^^^^0123456789HPXhpxaAzZ    \x01\x7f;%\xe9"
REFUSED = b";\\\""


def generate(rng, count):
    names = [b"", b"^7", b"    ", b"^1^2^3", b"a;b", b"\x01", b"\x01\x02", b"\x7f", b"^1" * 17 + b"^",
             b"A^0B", b"x^0", b"^1^0X", b"^1^0^8^P", b"^P", b"^h", b"^O", b"^9", b"^9X", b"^^0A"]
    while len(names) < count:
        length = rng.randint(1, 40)
        name = bytearray()
        for _ in range(length):
            # A NUL ends the value and a line feed the engine's connect line: neither
            # can stand in a name.
            byte = rng.choice(FAVOURED) if rng.random() < 0.8 else rng.choice([b for b in range(1, 256) if b != 10])
            name.append(byte)
        names.append(bytes(name))
    return names


def predicted(tool, game, name, host=False):
    out = subprocess.run([tool, "--game", game] + (["--host"] if host else []) + [name], capture_output=True,
                         check=True).stdout
    return bytes.fromhex(out.split(b"\n")[0].decode())


def read_by_client(wire):
    """The engine's reading of a string off the network, which a client applies too."""
    return bytes(ord(".") if byte == ord("%") or byte > 127 else byte for byte in wire)


# A script line cannot hold a quote, and a line feed would end it. The refused values come
# last: after one, the server is slow to answer for a few seconds.
HOST_NAMES = [b"A%B", b"caf\xe9 \xff", b"^1Red ^0Black    x", b"  lead", b"\x01\x7f", b"", b"a;b", b"a\\b"]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--game", choices=["ioquake3", "openarena"], required=True)
    parser.add_argument("--tool", required=True, help="the game-name program")
    parser.add_argument("--count", type=int, default=200)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--port", type=int, default=27960 + os.getpid() % 1000)
    args = parser.parse_args()
    if not installed(args.game):
        print("the engine or the %s game module is not installed" % args.game)
        return 77
    names = generate(random.Random(args.seed), args.count)
    server = RealServer(args.game, args.port)
    failures = 0
    try:
        for name in names:
            # The client's engine leaves a name with a refused byte out of its userinfo.
            sent = None if any(b in REFUSED for b in name) else name
            real = server.player_name(sent)
            expected = predicted(args.tool, args.game, name)
            if real != expected:
                failures += 1
                print("%r: the server made %r, game-name says %r" % (name, real, expected))
        for name in HOST_NAMES:
            wire = server.host_name(name)
            real = b"" if wire is None else read_by_client(wire)
            expected = predicted(args.tool, args.game, name, host=True)
            if real != expected:
                failures += 1
                print("host %r: a client reads %r, game-name --host says %r" % (name, real, expected))
    finally:
        server.close()
    print("%s: %d names, %d host names, %d differ" % (args.game, len(names), len(HOST_NAMES), failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
