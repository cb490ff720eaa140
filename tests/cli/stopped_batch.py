"""A batch stopped by SIGINT, SIGTERM or SIGHUP while a slow reader drains its
output: the reader gets only whole rows, each as a full run writes it, the
program says on standard error how many it wrote and exits 128 + the signal.

    stopped_batch.py PROGRAM WORK_DIR [RUNS_PER_SIGNAL]
"""
import os
import random
import signal
import subprocess
import sys
import time

ROWS = 200_000  # far more output than a pipe holds: the program waits on the reader
CHUNK = 4096


def slow_drain(process, stop_after, signum):
    """Reads the output a chunk at a time with a pause, sending signum after stop_after bytes."""
    got = bytearray()
    sent = False
    while True:
        chunk = os.read(process.stdout.fileno(), CHUNK)
        if not chunk:
            return bytes(got)
        got += chunk
        if not sent and len(got) >= stop_after:
            process.send_signal(signum)
            sent = True
        time.sleep(0.001)


def main():
    program, work = sys.argv[1], sys.argv[2]
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 20
    rows = os.path.join(work, "stopped_batch_rows.csv")
    with open(rows, "w", encoding="ascii") as f:
        f.write("quantity,temperature,density\n")
        for i in range(ROWS):
            f.write(f"{1000 + i},{10 + i % 30}.0,0.{8000 + i % 1000}\n")
    full = subprocess.run([program, "--csv", rows], capture_output=True, check=True).stdout
    full_lines = full.split(b"\n")
    failures = []
    rng = random.Random(25)
    for signum in (signal.SIGINT, signal.SIGTERM, signal.SIGHUP):
        for run in range(runs):
            process = subprocess.Popen([program, "--csv", rows], stdout=subprocess.PIPE,
                                       stderr=subprocess.PIPE)
            out = slow_drain(process, rng.randrange(1, 300_000), signum)
            err = process.stderr.read().decode("utf-8", "replace")
            status = process.wait()
            name = signal.Signals(signum).name
            where = f"{name} run {run + 1}"
            if status != 128 + signum:
                failures.append(f"{where}: exit status {status}, stderr {err!r}")
                continue
            if not out.endswith(b"\n"):
                failures.append(f"{where}: the output ends in a half line: {out[-60:]!r}")
                continue
            lines = out.split(b"\n")[:-1]
            if lines != full_lines[:len(lines)]:
                failures.append(f"{where}: a line differs from the full run's")
                continue
            written = len(lines) - 1  # the column names are no row
            if written == ROWS:
                failures.append(f"{where}: the batch went on to its end after the signal")
                continue
            plural = "" if written == 1 else "s"
            expected = f"corvald-calc: stopped by {name}: {written} row{plural} written\n"
            if err != expected:
                failures.append(f"{where}: stderr {err!r}, expected {expected!r}")
    for failure in failures:
        print(failure)
    print(f"{3 * runs - len(failures)} of {3 * runs} stopped runs gave whole lines and the count")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
