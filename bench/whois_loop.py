#!/usr/bin/env python3
"""The plainest WHOIS client there is, as a yardstick for quarrytide-check: one process, one blocking
socket per name, the query sent and the answer read until the server closes. No verdict, no files.

    whois_loop.py HOST PORT COUNT

Asks candidate1.com ... candidateCOUNT.com and prints "COUNT WALL_SECONDS CPU_SECONDS".
"""
import resource
import socket
import sys
import time


def main():
    host, port, count = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
    start = time.perf_counter()
    for number in range(1, count + 1):
        with socket.create_connection((host, port)) as connection:
            connection.sendall(b"candidate%d.com\r\n" % number)
            while connection.recv(65536):
                pass
    wall = time.perf_counter() - start
    usage = resource.getrusage(resource.RUSAGE_SELF)
    print(f"{count} {wall:.6f} {usage.ru_utime + usage.ru_stime:.6f}")


if __name__ == "__main__":
    main()
