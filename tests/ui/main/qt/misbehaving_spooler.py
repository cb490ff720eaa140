#!/usr/bin/env python3
"""A misbehaving print spooler for the print tests: a proxy on 127.0.0.1 in front
of the real one, which it reaches on its local socket.

  misbehaving_spooler.py swallow PORT SOCKET   passes every request on until one
      carries a PDF document; from then on takes what the client sends and
      answers nothing on that connection
  misbehaving_spooler.py trickle PORT SOCKET   passes the requests on and the
      answers back one byte every two seconds

It prints "listening" once it takes connections, and runs until it is stopped or
its standard input ends: the test holds that pipe open, so a test that crashes or is
killed never leaves the proxy behind on its port.
"""
import selectors
import socket
import sys
import time

DOCUMENT_MARK = b"application/pdf"
TRICKLE_SECONDS = 2.0


class Connection:
    def __init__(self, client, upstream):
        self.client = client
        self.upstream = upstream
        self.swallowing = False
        self.recent = b""  # the last bytes from the client, for a mark across reads
        self.answer = b""  # what the spooler said and the client has not had yet
        self.next_byte = time.monotonic()

    def close(self, selector):
        for end in (self.client, self.upstream):
            selector.unregister(end)
            end.close()


def main():
    mode, port, upstream_path = sys.argv[1], int(sys.argv[2]), sys.argv[3]
    listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    listener.bind(("127.0.0.1", port))
    listener.listen(16)
    selector = selectors.DefaultSelector()
    selector.register(listener, selectors.EVENT_READ, None)
    selector.register(sys.stdin, selectors.EVENT_READ, "test")
    connections = []
    print("listening", flush=True)
    while True:
        for key, _ in selector.select(timeout=0.1):
            if key.data == "test":
                if not sys.stdin.buffer.read1(4096):
                    return
                continue
            if key.data is None:
                client, _ = listener.accept()
                upstream = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
                upstream.connect(upstream_path)
                connection = Connection(client, upstream)
                selector.register(client, selectors.EVENT_READ, (connection, "client"))
                selector.register(upstream, selectors.EVENT_READ, (connection, "upstream"))
                connections.append(connection)
                continue
            connection, end = key.data
            data = key.fileobj.recv(65536)
            if not data:
                connection.close(selector)
                connections.remove(connection)
            elif end == "client":
                seen = connection.recent + data
                connection.recent = seen[-len(DOCUMENT_MARK):]
                if mode == "swallow" and DOCUMENT_MARK in seen:
                    connection.swallowing = True
                if not connection.swallowing:
                    connection.upstream.sendall(data)
            elif mode == "trickle":
                connection.answer += data
            elif not connection.swallowing:
                connection.client.sendall(data)
        now = time.monotonic()
        for connection in connections:
            if connection.answer and now >= connection.next_byte:
                connection.client.sendall(connection.answer[:1])
                connection.answer = connection.answer[1:]
                connection.next_byte = now + TRICKLE_SECONDS


if __name__ == "__main__":
    main()
