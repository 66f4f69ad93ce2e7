#!/usr/bin/env python3
"""Checks the tree against the layer rules of scripts/layers.ini.

  check_layers.py [--root DIR] [--compile-commands FILE] [--check-doc FILE]
  check_layers.py --markdown

Every source file of the product code belongs to the layer whose folder
holds it most closely (a subfolder that is a layer's folder is that layer's);
a file in no layer's folder is a fault;
every quoted #include must name a file of its own layer or of one the layer
uses; only layers marked `system = yes` may include the operating system's
or Qt's headers. With --compile-commands, every library source must be
compiled exactly once, into one of its layer's targets. With --check-doc,
the layer table in that document must be the one --markdown prints.

Exits 0 when everything holds, 1 with one line per fault otherwise.
"""

import argparse
import configparser
import fnmatch
import json
import os
import re
import sys

PRODUCT = ("korbit", "include", "cli", "corvane", "resources", "packaging")
NOT_PRODUCT = ("tests", "fuzz", "bench")
SOURCES = (".h", ".cpp", ".def")

# Headers of the operating system and of Qt, and the standard headers that
# reach the process's clock, time zone or locale.
SYSTEM_HEADERS = (
    "unistd.h", "fcntl.h", "dirent.h", "dlfcn.h", "pwd.h", "grp.h", "link.h", "poll.h", "signal.h",
    "termios.h", "spawn.h", "sys/*", "linux/*", "Q*", "ctime", "time.h", "clocale", "locale.h",
    "cwctype", "wctype.h",
)

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
DOC_BEGIN = "<!-- layer rules: printed by scripts/check_layers.py --markdown -->"
DOC_END = "<!-- end of layer rules -->"


class Layer:
    def __init__(self, name, section):
        self.name = name
        self.about = section.get("about", "").strip()
        self.folder = section.get("folder", "").strip().rstrip("/")
        self.uses = section.get("uses", "").split()
        self.system = section.getboolean("system", False)
        self.targets = section.get("targets", "").split()

    def contains(self, path):
        return bool(self.folder) and path.startswith(self.folder + "/")


def read_rules(root):
    parser = configparser.ConfigParser(interpolation=None)
    with open(os.path.join(root, "scripts", "layers.ini"), encoding="utf-8") as rules:
        parser.read_file(rules)
    layers = [Layer(name, parser[name]) for name in parser.sections()]
    known = {layer.name for layer in layers}
    faults = []
    folders = [layer.folder for layer in layers]
    for layer in layers:
        if not layer.folder:
            faults.append(f"scripts/layers.ini: [{layer.name}] names no folder")
        elif folders.count(layer.folder) > 1:
            faults.append(f"scripts/layers.ini: [{layer.name}] shares its folder {layer.folder} with another layer")
    for layer in layers:
        for used in layer.uses:
            if "/" not in used and used not in known:
                faults.append(f"scripts/layers.ini: [{layer.name}] uses the unknown layer {used}")
    return layers, faults


def product_files(root):
    for top in PRODUCT:
        for folder, _, names in os.walk(os.path.join(root, top)):
            for name in sorted(names):
                if name.endswith(SOURCES):
                    yield os.path.relpath(os.path.join(folder, name), root).replace(os.sep, "/")


def layer_of(path, layers):
    """The layer whose folder holds `path` most closely, in a list; empty when none does."""
    holding = [layer for layer in layers if layer.contains(path)]
    return [max(holding, key=lambda layer: len(layer.folder))] if holding else []


def may_include(layer, target_path, target_layer):
    if target_layer is layer:
        return True
    for used in layer.uses:
        if "/" in used:
            if fnmatch.fnmatchcase(target_path, used):
                return True
        elif target_layer is not None and used == target_layer.name:
            return True
    return False


def check_includes(root, layers):
    faults = []
    membership = {}
    for path in product_files(root):
        holding = layer_of(path, layers)
        if not holding:
            faults.append(f"{path}: is in no layer's folder; give its folder a layer in scripts/layers.ini")
            continue
        membership[path] = holding[0]

    for path, layer in membership.items():
        with open(os.path.join(root, path), encoding="utf-8", errors="replace") as source:
            for number, line in enumerate(source, 1):
                match = INCLUDE.match(line)
                if not match:
                    continue
                kind, name = match.groups()
                if kind == "<":
                    if not layer.system and any(fnmatch.fnmatchcase(name, p) for p in SYSTEM_HEADERS):
                        faults.append(f"{path}:{number}: includes <{name}>, a system header, but only the "
                                      f"platform layer may call the operating system")
                    continue
                if not os.path.isfile(os.path.join(root, name)):
                    continue  # generated at build time, or beside the file: not another layer's
                target = layer_of(name, layers)
                target_layer = target[0] if len(target) == 1 else None
                if not may_include(layer, name, target_layer):
                    owner = target_layer.name if target_layer else "no layer"
                    faults.append(f"{path}:{number}: the {layer.name} layer may not include {name} "
                                  f"(layer {owner}); it uses: {' '.join(layer.uses) or 'nothing'}")
    return faults


def check_compile_commands(root, layers, commands_file):
    faults = []
    with open(commands_file, encoding="utf-8") as commands:
        entries = json.load(commands)
    compiled = {}
    for entry in entries:
        source = os.path.relpath(os.path.join(entry["directory"], entry["file"]), root).replace(os.sep, "/")
        output = entry.get("output") or entry.get("command", "")
        target = re.search(r"(?:^|[ /])(?:([^ /]+)/)?CMakeFiles/([^/ ]+)\.dir/", output)
        if target and target.group(1) in NOT_PRODUCT:
            continue  # fuzzers compile sources once more, with coverage: no product target
        compiled.setdefault(source, []).append(target.group(2) if target else "?")
    for path in product_files(root):
        if not path.startswith("korbit/") or not path.endswith(".cpp"):
            continue
        holding = layer_of(path, layers)
        targets = compiled.get(path, [])
        if len(targets) != 1:
            faults.append(f"{path}: compiled into {len(targets)} targets ({' '.join(targets) or 'none'}); "
                          f"a library source belongs to exactly one")
        elif len(holding) == 1 and holding[0].targets and targets[0] not in holding[0].targets:
            faults.append(f"{path}: compiled into {targets[0]}, but its layer {holding[0].name} is built as "
                          f"{' '.join(holding[0].targets)}")
    return faults


def markdown(layers):
    rows = ["| Layer | What it holds | Folder | May include | System headers |",
            "|---|---|---|---|---|"]
    for layer in reversed(layers):
        files = f"`{layer.folder}/`"
        uses = " ".join(f"`{u}`" if "/" in u else u for u in layer.uses) or "nothing else"
        rows.append(f"| {layer.name} | {layer.about} | {files} | {uses} | {'yes' if layer.system else 'no'} |")
    return "\n".join([DOC_BEGIN, ""] + rows + ["", DOC_END])


def check_doc(layers, doc_file):
    with open(doc_file, encoding="utf-8") as doc:
        text = doc.read()
    begin, end = text.find(DOC_BEGIN), text.find(DOC_END)
    if begin < 0 or end < 0 or text[begin:end + len(DOC_END)] != markdown(layers):
        return [f"{doc_file}: its layer table is not the one scripts/layers.ini gives; "
                f"replace it with the output of scripts/check_layers.py --markdown"]
    return []


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--root", default=os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    parser.add_argument("--compile-commands")
    parser.add_argument("--check-doc")
    parser.add_argument("--markdown", action="store_true")
    args = parser.parse_args()

    layers, faults = read_rules(args.root)
    if args.markdown:
        print(markdown(layers))
        return 0
    faults += check_includes(args.root, layers)
    if args.compile_commands:
        faults += check_compile_commands(args.root, layers, args.compile_commands)
    if args.check_doc:
        faults += check_doc(layers, args.check_doc)
    for fault in faults:
        print(fault)
    if faults:
        print(f"{len(faults)} fault(s) against scripts/layers.ini", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
