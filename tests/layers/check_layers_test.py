#!/usr/bin/env python3
"""The layer check against a scratch copy of the tree: it passes on the tree
as it is and fails, naming the file and line, on each kind of wrong step.

  check_layers_test.py ROOT
"""

import configparser
import json
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

ROOT = os.path.abspath(sys.argv.pop(1) if len(sys.argv) > 1 else ".")
CHECKED = ("korbit", "include", "cli", "corvane", "resources", "packaging")


def copy_sources(destination):
    for top in CHECKED:
        for folder, _, names in os.walk(os.path.join(ROOT, top)):
            for name in names:
                if name.endswith((".h", ".cpp", ".def")):
                    source = os.path.join(folder, name)
                    target = os.path.join(destination, os.path.relpath(source, ROOT))
                    os.makedirs(os.path.dirname(target), exist_ok=True)
                    shutil.copyfile(source, target)
    os.makedirs(os.path.join(destination, "scripts"))
    for name in ("check_layers.py", "layers.ini"):
        shutil.copyfile(os.path.join(ROOT, "scripts", name), os.path.join(destination, "scripts", name))


class Scratch:
    """A copy of the tree's sources, removed afterwards."""

    def __enter__(self):
        self.path = tempfile.mkdtemp(prefix="korbit-layers-")
        copy_sources(self.path)
        return self

    def __exit__(self, *_):
        shutil.rmtree(self.path)

    def plant(self, path, line):
        os.makedirs(os.path.dirname(os.path.join(self.path, path)), exist_ok=True)
        with open(os.path.join(self.path, path), "a", encoding="utf-8") as source:
            source.write(line + "\n")

    def check(self, *options):
        run = subprocess.run([sys.executable, os.path.join(self.path, "scripts", "check_layers.py"),
                              "--root", self.path, *options], capture_output=True, text=True)
        return run.returncode, run.stdout

    def compile_commands(self, targets):
        """Writes compile commands that put each library source into the target `targets` names for it."""
        entries = []
        for path, target in targets.items():
            entries.append({"directory": os.path.join(self.path, "build"), "file": os.path.join(self.path, path),
                            "command": f"c++ -o korbit/CMakeFiles/{target}.dir/x.o -c {path}"})
        commands = os.path.join(self.path, "compile_commands.json")
        with open(commands, "w", encoding="utf-8") as out:
            json.dump(entries, out)
        return commands


class LayerCheck(unittest.TestCase):
    def test_the_tree_as_it_is_passes(self):
        with Scratch() as tree:
            self.assertEqual(tree.check(), (0, ""))

    def test_each_wrong_step_fails_and_names_its_place(self):
        cases = [
            # (file, planted line, what the fault says)
            ("korbit/platform/regular_file.cpp", '#include "korbit/control/korbit_control.h"',
             "the platform layer may not include korbit/control/korbit_control.h"),
            ("korbit/engine/container.cpp", '#include "korbit/platform/text_encoding.h"',
             "the engine layer may not include"),
            ("korbit/services/path_helpers.cpp", '#include "korbit/utilities/file_walk.h"',
             "the services layer may not include korbit/utilities/file_walk.h"),
            ("korbit/utilities/file_walk.cpp", '#include "korbit/services/path_helpers.h"',
             "the utilities layer may not include korbit/services/path_helpers.h"),
            ("korbit/control/values/value.cpp", '#include "korbit/hosting/component_loader.h"',
             "the values layer may not include"),
            # A new file in a layer's subfolder is that layer's, not its parent folder's.
            ("korbit/control/values/new_value.cpp", '#include "korbit/control/korbit_control.h"',
             "the values layer may not include korbit/control/korbit_control.h"),
            ("korbit/hosting/registry/new_entry.cpp", '#include "korbit/hosting/component_loader.h"',
             "the registry layer may not include korbit/hosting/component_loader.h"),
            ("corvane/app/dialogs.cpp", '#include "korbit/control/korbit_control.h"',
             "the corvane layer may not include"),
            ("korbit/services/settings_methods.cpp", "#include <unistd.h>", "a system header"),
            ("korbit/utilities/search_methods.cpp", "#include <QString>", "a system header"),
        ]
        for path, line, fault in cases:
            with self.subTest(path=path, line=line), Scratch() as tree:
                tree.plant(path, line)
                code, output = tree.check()
                self.assertEqual(code, 1)
                self.assertIn(path + ":", output)
                self.assertIn(fault, output)

    def test_each_library_source_is_compiled_once_into_its_layers_target(self):
        with Scratch() as tree:
            rules = configparser.ConfigParser(interpolation=None)
            rules.read(os.path.join(tree.path, "scripts", "layers.ini"))
            targets = {}
            for folder, _, names in os.walk(os.path.join(tree.path, "korbit")):
                for name in names:
                    path = os.path.relpath(os.path.join(folder, name), tree.path)
                    if name.endswith(".cpp"):
                        layer = max((s for s in rules.sections() if path.startswith(rules[s]["folder"] + "/")),
                                    key=lambda s: len(rules[s]["folder"]))
                        targets[path] = rules[layer]["targets"].split()[0]
            self.assertEqual(tree.check("--compile-commands", tree.compile_commands(targets)), (0, ""))

            wrong = dict(targets, **{"korbit/services/path_helpers.cpp": "korbit_utilities"})
            code, output = tree.check("--compile-commands", tree.compile_commands(wrong))
            self.assertEqual(code, 1)
            self.assertIn("korbit/services/path_helpers.cpp: compiled into korbit_utilities", output)

            commands = tree.compile_commands(targets)
            with open(commands, encoding="utf-8") as file:
                entries = json.load(file)
            twice = dict(next(e for e in entries if e["file"].endswith("platform/text_encoding.cpp")))
            twice["command"] = twice["command"].replace("korbit_platform_posix", "korbit_values")
            with open(commands, "w", encoding="utf-8") as file:
                json.dump(entries + [twice], file)
            code, output = tree.check("--compile-commands", commands)
            self.assertEqual(code, 1)
            self.assertIn("korbit/platform/text_encoding.cpp: compiled into 2 targets", output)

    def test_a_file_of_no_layer_fails(self):
        with Scratch() as tree:
            tree.plant("korbit/newlayer/thing.cpp", "int thing();")
            code, output = tree.check()
            self.assertEqual(code, 1)
            self.assertIn("korbit/newlayer/thing.cpp: is in no layer's folder", output)


if __name__ == "__main__":
    unittest.main(verbosity=2)
