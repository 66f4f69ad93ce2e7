#!/usr/bin/env python3
"""translations.py check fails on each way a translation can fall behind:
a new text in the window, in korbit or in the help page, a text left unfinished, and a
placeholder lost. Each case changes a copy of the tree.

  translations_check_test.py ROOT LUPDATE
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile


def main():
    root, lupdate = sys.argv[1], sys.argv[2]
    script = os.path.join(root, "scripts", "translations.py")

    def replace(tree, name, old, new):
        path = os.path.join(tree, name)
        with open(path, encoding="utf-8") as f:
            text = f.read()
        changed = re.sub(old, new, text, count=1, flags=re.S)
        assert changed != text, "%s: %r not found" % (name, old)
        with open(path, "w", encoding="utf-8") as f:
            f.write(changed)

    cases = [
        ("as it is", None, None),
        ("a new text in the window",
         lambda t: replace(t, "corvane/app/main_window.cpp", r'tr\("Select File"\)', 'tr("Choose Files")'),
         "no translation of corvane::MainWindow: 'Choose Files'"),
        ("a new outcome line of korbit",
         lambda t: replace(t, "cli/encrypt_command.cpp", r'"%1: encrypted"', '"%1: encrypted and kept"'),
         "korbit_de.ts: no translation of korbit: '%1: encrypted and kept'"),
        ("a new paragraph in the help page",
         lambda t: replace(t, "resources/help/ArdenvaleHelp.html", r"</body>", "<p>One more thing.</p>\n</body>"),
         "no translation of HelpPage: 'One more thing.'"),
        ("a translation left unfinished",
         lambda t: replace(t, "corvane/translations/corvane_fr.ts",
                           r"(<source>Select File</source>\s*<translation)>", r'\1 type="unfinished">'),
         "corvane_fr.ts: corvane::MainWindow: 'Select File' is unfinished"),
        ("a placeholder lost",
         lambda t: replace(t, "corvane/translations/corvane_es.ts",
                           r"(<source>%1 is encrypted\.</source>\s*<translation>)[^<]*", r"\1cifrado."),
         "lacks %1"),
    ]
    failures = 0
    for name, change, expected in cases:
        with tempfile.TemporaryDirectory() as scratch:
            tree = os.path.join(scratch, "tree")
            for part in ("corvane", "cli", "resources/tools", "resources/help", "resources/desktop", "resources/file-manager",
                         "resources/translations"):
                shutil.copytree(os.path.join(root, part), os.path.join(tree, part))
            if change:
                change(tree)
            run = subprocess.run([sys.executable, script, "--root", tree, "check", "--lupdate", lupdate],
                                 capture_output=True, text=True)
            ok = run.returncode == 0 if expected is None else run.returncode == 1 and expected in run.stdout
            if not ok:
                failures += 1
                print("FAIL %s: status %d\n%s%s" % (name, run.returncode, run.stdout, run.stderr))
            else:
                print("ok   %s" % name)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
