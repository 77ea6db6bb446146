"""A minimal Quake III protocol 71 client: enough to ask a dedicated server on this
machine for its info and status, and to connect as a player with given userinfo.

The connect packet's payload is compressed with the engine's adaptive Huffman code,
so the coder below keeps the same tree the server rebuilds while it decodes.
"""

import socket
import time

NYT = 256
INTERNAL = 257
OOB = b"\xff\xff\xff\xff"


class _Node:
    __slots__ = ("symbol", "weight", "parent", "left", "right", "next", "prev", "head")

    def __init__(self, symbol, weight):
        self.symbol = symbol
        self.weight = weight
        self.parent = self.left = self.right = self.next = self.prev = None
        self.head = None  # a one-element list shared by a block of equal weight


class AdaptiveHuffman:
    """The sender's half of the engine's adaptive Huffman code (one tree per packet)."""

    def __init__(self):
        self.tree = self.nyt = _Node(NYT, 0)
        self.loc = {NYT: self.nyt}
        self.bits = []

    def _swap(self, a, b):
        pa, pb = a.parent, b.parent
        if pa:
            if pa.left is a:
                pa.left = b
            else:
                pa.right = b
        else:
            self.tree = b
        if pb:
            if pb.left is b:
                pb.left = a
            else:
                pb.right = a
        else:
            self.tree = a
        a.parent, b.parent = pb, pa

    @staticmethod
    def _swap_list(a, b):
        a.next, b.next = b.next, a.next
        a.prev, b.prev = b.prev, a.prev
        if a.next is a:
            a.next = b
        if b.next is b:
            b.next = a
        for node in (a, b):
            if node.next:
                node.next.prev = node
            if node.prev:
                node.prev.next = node

    def _increment(self, node):
        if node is None:
            return
        if node.next is not None and node.next.weight == node.weight:
            leader = node.head[0]
            if leader is not node.parent:
                self._swap(leader, node)
            self._swap_list(leader, node)
        if node.prev and node.prev.weight == node.weight:
            node.head[0] = node.prev
        else:
            node.head[0] = None
        node.weight += 1
        if node.next and node.next.weight == node.weight:
            node.head = node.next.head
        else:
            node.head = [node]
        if node.parent:
            self._increment(node.parent)
            if node.prev is node.parent:
                self._swap_list(node, node.parent)
                if node.head[0] is node:
                    node.head[0] = node.parent

    def _add_to_list(self, node):
        first = self.nyt.next
        node.next = first
        if first:
            first.prev = node
            node.head = first.head if first.weight == 1 else [node]
        else:
            node.head = [node]
        self.nyt.next = node
        node.prev = self.nyt

    def _add_ref(self, symbol):
        if symbol in self.loc:
            self._increment(self.loc[symbol])
            return
        leaf = _Node(symbol, 1)
        inner = _Node(INTERNAL, 1)
        self._add_to_list(inner)
        self._add_to_list(leaf)
        parent = self.nyt.parent
        if parent:
            if parent.left is self.nyt:
                parent.left = inner
            else:
                parent.right = inner
        else:
            self.tree = inner
        inner.right, inner.left = leaf, self.nyt
        inner.parent = parent
        self.nyt.parent = leaf.parent = inner
        self.loc[symbol] = leaf
        self._increment(inner.parent)

    def _path(self, node):
        path = []
        while node.parent:
            path.append(1 if node.parent.right is node else 0)
            node = node.parent
        return reversed(path)

    def _transmit(self, symbol):
        if symbol in self.loc:
            self.bits.extend(self._path(self.loc[symbol]))
        else:
            self.bits.extend(self._path(self.nyt))
            self.bits.extend((symbol >> i) & 1 for i in range(7, -1, -1))

    def compress(self, data):
        for byte in data:
            self._transmit(byte)
            self._add_ref(byte)
        out = bytearray([len(data) >> 8, len(data) & 0xFF])
        packed = bytearray((len(self.bits) + 7) // 8 + 1)
        for i, bit in enumerate(self.bits):
            packed[i >> 3] |= bit << (i & 7)
        return bytes(out + packed)


def info_string(pairs):
    return b"".join(b"\\" + key + b"\\" + value for key, value in pairs)


def parse_info(text):
    parts = text.split(b"\\")[1:]
    return dict(zip(parts[0::2], parts[1::2]))


class Server:
    """Out-of-band requests to one server at 127.0.0.1:port."""

    def __init__(self, port, timeout=0.3):
        self.address = ("127.0.0.1", port)
        self.sock = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
        self.timeout = timeout
        self.challenge = None
        self.sock.settimeout(timeout)
        self.sock.bind(("127.0.0.1", 0))

    def close(self):
        self.sock.close()

    def request(self, payload, answer, tries=8):
        """The answer to an out-of-band request. The server answers each address at
        most ten times a second, so a request that goes unanswered is sent again."""
        for _ in range(tries):
            self.sock.sendto(OOB + payload, self.address)
            data = self._receive([answer])
            if data is not None:
                return data[len(OOB) + len(answer):]
        raise socket.timeout("no answer to " + payload.decode("latin-1"))

    def _receive(self, answers):
        """The first packet that starts with one of the answers within the timeout; a
        connected player's own packets from the server are passed over."""
        end = time.time() + self.timeout
        while time.time() < end:
            try:
                data, _ = self.sock.recvfrom(65536)
            except socket.timeout:
                return None
            if any(data.startswith(OOB + answer) for answer in answers):
                return data
        return None

    def wait_until_up(self, seconds):
        end = time.time() + seconds
        while time.time() < end:
            try:
                return self.request(b"getinfo x", b"infoResponse\n", 1)
            except (socket.timeout, ConnectionRefusedError):
                time.sleep(0.2)
        raise RuntimeError("the server did not answer getinfo")

    def info(self):
        return self.request(b"getinfo x", b"infoResponse\n")

    def connect(self, userinfo, protocol):
        """Connects with the userinfo pairs (challenge, qport and protocol are added)."""
        # A challenge serves every connect from this address; asking for one is rate limited.
        if self.challenge is None:
            self.challenge = self.request(b"getchallenge 1234", b"challengeResponse ").split()[0]
        challenge = self.challenge
        pairs = [(b"challenge", challenge), (b"qport", b"4711"), (b"protocol", str(protocol).encode())]
        text = b'"' + info_string(pairs + userinfo) + b'"'
        packet = b"connect " + AdaptiveHuffman().compress(text)
        self.sock.sendto(OOB + packet, self.address)
        data = self._receive([b"connectResponse", b"print"])
        if data is None:
            raise socket.timeout("no answer to connect")
        if data.startswith(OOB + b"print"):
            raise RuntimeError("refused: " + data[len(OOB) + 6:].decode("latin-1").strip())
