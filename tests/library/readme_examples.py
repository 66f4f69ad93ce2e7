#!/usr/bin/env python3
"""Runs every example of the README's "Using the library": shell with bash,
Python with this interpreter, C built with pkg-config --cflags --libs korbit
and run. The installation to use comes from the environment (PATH,
PYTHONPATH, PKG_CONFIG_PATH, LD_LIBRARY_PATH).

  readme_examples.py README CC
"""

import re
import shlex
import os
import subprocess
import sys
import tempfile

SECTION = "## Using the library"


def examples(readme):
    with open(readme, encoding="utf-8") as f:
        text = f.read()
    start = text.find("\n" + SECTION + "\n")
    if start < 0:
        sys.exit(f"{readme} has no section {SECTION!r}")
    end = text.find("\n## ", start + 1)
    section = text[start:end if end >= 0 else len(text)]
    return re.findall(r"^```(\w+)\n(.*?)^```", section, re.M | re.S)


def main():
    readme, cc = sys.argv[1], shlex.split(sys.argv[2])
    found = examples(readme)
    kinds = {kind for kind, _ in found}
    if not {"sh", "python", "c"} <= kinds:
        sys.exit(f"the section lacks an example in {sorted({'sh', 'python', 'c'} - kinds)}")
    with tempfile.TemporaryDirectory() as scratch:
        for number, (kind, code) in enumerate(found, 1):
            if kind == "sh":
                command = ["bash", "-euo", "pipefail", "-c", code]
            elif kind == "python":
                command = [sys.executable, "-c", code]
            elif kind == "c":
                source, program = f"{scratch}/example{number}.c", f"{scratch}/example{number}"
                with open(source, "w", encoding="utf-8") as f:
                    f.write(code)
                flags = subprocess.run(["pkg-config", "--cflags", "--libs", "korbit"], check=True,
                                       capture_output=True, text=True).stdout.split()
                subprocess.run(cc + ["-std=c99", "-Wall", "-Wextra", "-pedantic", "-Werror", source, "-o", program]
                               + flags, check=True)
                command = [program]
            else:
                continue
            # Only Python needs the sanitizers' run-time preloaded (a sanitizer
            # build); the shell's programs and the C example carry their own.
            environment = dict(os.environ)
            if kind != "python":
                environment.pop("LD_PRELOAD", None)
            run = subprocess.run(command, cwd=scratch, capture_output=True, text=True, env=environment)
            print(f"== example {number} ({kind}), exit status {run.returncode}\n{run.stdout}{run.stderr}")
            if run.returncode != 0:
                sys.exit(f"example {number} ({kind}) failed")
    print(f"{len(found)} examples of {SECTION!r} ran")


if __name__ == "__main__":
    main()
