"""corvald-calc --csv reading a terminal (a pseudo-terminal of the test's own):
the end of input (Ctrl-D) ends the batch at once, even when more is typed after
it, and Ctrl-C while the batch waits for a line stops it with the rows so far.

    batch_on_a_terminal.py PROGRAM
"""
import os
import pty
import signal
import subprocess
import sys
import time

END_OF_INPUT = b"\x04"  # Ctrl-D at the start of a line
WAIT = 10  # seconds: far more than any of these runs needs
HEADER = b"quantity,temperature,density,from,basis,density_air,vcf,volume_15,result,message\n"
ROW = b"1000,20.0,0.8500,m3,vacuum,0.8489,0.9957,995.700,846.345,\n"


def on_a_terminal(program, typed, then_signal=None):
    """Runs the batch with the terminal as its standard input; returns status, out, err."""
    master, slave = pty.openpty()
    process = subprocess.Popen([program, "--csv"], stdin=slave, stdout=subprocess.PIPE,
                               stderr=subprocess.PIPE)
    os.close(slave)
    for text in typed:
        os.write(master, text)
        time.sleep(0.2)
    if then_signal:
        process.send_signal(then_signal)
    try:
        out, err = process.communicate(timeout=WAIT)
    except subprocess.TimeoutExpired:
        process.kill()
        out, err = process.communicate()
        return "still reading after %d s" % WAIT, out, err
    finally:
        os.close(master)
    return process.returncode, out, err


def main():
    program = sys.argv[1]
    more = b"quantity,temperature,density\n1000,20.0,0.8500\n"
    cases = [
        ("Ctrl-D before the header, then more lines", [END_OF_INPUT, more], None,
         1, b"", b"corvald-calc: standard input: no header: "),
        ("rows, Ctrl-D, then more lines", [more, END_OF_INPUT, more], None,
         0, HEADER + ROW, b""),
        ("Ctrl-C while waiting for a row", [more], signal.SIGINT,
         130, HEADER + ROW, b"corvald-calc: stopped by SIGINT: 1 row written\n"),
    ]
    failed = 0
    for name, typed, then_signal, status, out, err_start in cases:
        got = on_a_terminal(program, typed, then_signal)
        if got[0] != status or got[1] != out or not got[2].startswith(err_start):
            failed += 1
            print(f"{name}: got {got!r}, expected {(status, out, err_start)!r}")
    print(f"{len(cases) - failed} of {len(cases)} terminal cases as expected")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
