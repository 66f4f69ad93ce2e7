#!/usr/bin/env python3
"""Runs a command on a pseudo-terminal of its own, as a person at a terminal would.

    on_terminal.py COLUMNS [WAIT SEND]... -- COMMAND [ARGUMENT]...

The terminal is COLUMNS wide and the command's controlling terminal (its
/dev/tty). Each WAIT is text to wait for in what the terminal shows after the
previous one; SEND is then typed (Python escapes: \\n, \\x03 for Ctrl-C).
Everything the terminal showed is printed; the exit status is the command's,
or 128 + the signal that ended it. Gives up after 60 seconds.
"""
import codecs
import fcntl
import os
import pty
import select
import struct
import sys
import termios
import time


def main():
    columns = int(sys.argv[1])
    split = sys.argv.index("--")
    steps = sys.argv[2:split]
    command = sys.argv[split + 1:]
    pid, fd = pty.fork()
    if pid == 0:
        fcntl.ioctl(sys.stdin.fileno(), termios.TIOCSWINSZ, struct.pack("HHHH", 24, columns, 0, 0))
        os.execvp(command[0], command)
    shown = b""
    searched = 0
    pending = [(steps[i].encode(), codecs.decode(steps[i + 1], "unicode_escape").encode("latin-1"))
               for i in range(0, len(steps), 2)]
    deadline = time.monotonic() + 60
    while time.monotonic() < deadline:
        if pending:
            at = shown.find(pending[0][0], searched)
            if at >= 0:
                searched = at + len(pending[0][0])
                os.write(fd, pending.pop(0)[1])
                continue
        ready, _, _ = select.select([fd], [], [], 0.5)
        if not ready:
            continue
        try:
            chunk = os.read(fd, 65536)
        except OSError:  # the command ended and closed the terminal
            break
        if not chunk:
            break
        shown += chunk
    else:
        os.kill(pid, 9)
    _, status = os.waitpid(pid, 0)
    sys.stdout.buffer.write(shown)
    sys.exit(os.WEXITSTATUS(status) if os.WIFEXITED(status) else 128 + os.WTERMSIG(status))


main()
