#!/usr/bin/env python3
"""Checks the method reference (korbit/control/values/method_reference.md) against
the method table (korbit/control/values/control_methods.def) and the type library
(korbit/control/values/type_library.cpp).

It fails, one line per fault, when a method of the table has no section or a
section names a method the table lacks; when the sections leave the table's
order or groups; when an argument is missing, unknown, out of order, or given
another type, passing, optionality or default than the table gives it; when
a section lacks its summary, arguments, result or failures, or writes them
other than the format at the top of the reference says; and when an
enumeration or record of the type library, or one of its members or fields,
is missing, unknown or different. Type names are read from
korbit/control/values/dispatch.cpp, the run-time errors from
korbit/control/values/automation_error.h.

Usage: check_method_reference.py [--root DIR] [--reference FILE]
Exit status: 0 when the reference is complete, 1 when it is not, 2 on a
usage error or an unreadable source.
"""

import argparse
import os
import re
import sys

from method_table import SourceError, read, read_table, read_type_library, type_names

PARTS = ("Methods of KorbitControl", "Classes", "Enumerations", "Records")
LABELS = ("Arguments", "Result", "Failures", "On Linux", "Traps")
REQUIRED = ("Arguments", "Result", "Failures")
ICONS = ("critical", "exclamation", "information", "question", "no")
BUTTONS = ("OK", "Yes/No", "Yes/No/Cancel")

def read_errors(header):
    """Run-time error numbers and their descriptions."""
    errors = {int(n): d for n, d in re.findall(r"\{status::k\w+, (\d+), \"([^\"]+)\"\}", header)}
    if not errors:
        raise SourceError("automation_error.h: no run-time errors")
    return errors


# --- reading the reference -------------------------------------------------

class Reference:
    def __init__(self, path, text, root):
        inside = os.path.commonpath([os.path.abspath(path), os.path.abspath(root)]) == os.path.abspath(root)
        self.path = os.path.relpath(path, root) if inside else path
        self.lines = text.splitlines()
        self.faults = []
        # Blank out HTML comments, keeping line numbers.
        inside = False
        for i, line in enumerate(self.lines):
            if inside or "<!--" in line:
                inside = "-->" not in line
                self.lines[i] = ""

    def fault(self, line, message):
        self.faults.append(f"{self.path}:{line + 1}: {message}")

    def parts(self):
        """{part name: (first line, end line)} for the level-1 headings."""
        heads = [(i, l[2:].strip()) for i, l in enumerate(self.lines) if l.startswith("# ")]
        found = {}
        for n, (i, title) in enumerate(heads):
            end = heads[n + 1][0] if n + 1 < len(heads) else len(self.lines)
            if title in PARTS:
                if title in found:
                    self.fault(i, f'part "{title}" appears twice')
                found[title] = (i, end)
            elif found:
                self.fault(i, f'unknown part "{title}" (parts: {", ".join(PARTS)})')
        order = [t for _, t in heads if t in PARTS]
        if order != [p for p in PARTS if p in order]:
            self.fault(heads[0][0] if heads else 0, "parts out of order: " + ", ".join(order))
        for title in PARTS:
            if title not in found:
                self.fault(len(self.lines) - 1, f'part "# {title}" is missing')
        return found

    def sections(self, start, end, level):
        """[(line, heading text, body start, body end)] for headings of `level` in a range."""
        mark = "#" * level + " "
        heads = [i for i in range(start, end) if self.lines[i].startswith(mark)]
        out = []
        for n, i in enumerate(heads):
            stop = heads[n + 1] if n + 1 < len(heads) else end
            out.append((i, self.lines[i][len(mark):].strip(), i + 1, stop))
        return out


def code_name(heading):
    match = re.fullmatch(r"`(\w+)`", heading)
    return match.group(1) if match else None


def check_member(ref, line, start, end, errors, table_row=None):
    """One method section: its summary and labelled parts; against the table when given."""
    parts, order, current, summary = {}, [], None, []
    for i in range(start, end):
        text = ref.lines[i]
        if text.startswith("#"):
            ref.fault(i, "a heading inside a method section: " + text)
            continue
        label = re.match(r"\*\*([^*]+):\*\*\s*(.*)$", text)
        if label:
            name = label.group(1)
            if name not in LABELS:
                ref.fault(i, f'unknown part "**{name}:**" (parts: {", ".join(LABELS)})')
                current = None
                continue
            if name in parts:
                ref.fault(i, f'part "{name}" appears twice')
            current = name
            order.append(name)
            parts[name] = [(i, label.group(2))]
        elif current:
            parts[current].append((i, text))
        else:
            summary.append(text)
    if not " ".join(summary).strip():
        ref.fault(line, "no summary")
    for name in REQUIRED:
        if name not in parts:
            ref.fault(line, f'part "**{name}:**" is missing')
    if order != sorted(order, key=LABELS.index):
        ref.fault(line, "parts out of order: " + ", ".join(order) + " (order: " + ", ".join(LABELS) + ")")
    for name in ("On Linux", "Traps"):
        if name in parts and not " ".join(t for _, t in parts[name]).strip():
            ref.fault(parts[name][0][0], f'part "{name}" is empty')

    if "Arguments" in parts:
        check_arguments(ref, line, parts["Arguments"], table_row)
    if "Result" in parts:
        first, text = parts["Result"][0]
        match = re.match(r"(none|[\w()]+)\.(\s|$)", text)
        if not match:
            ref.fault(first, 'the result must start with its type and a full stop: "**Result:** String. ..."')
        elif table_row and match.group(1) != table_row["result"]:
            ref.fault(first, f'result {match.group(1)}; the table gives {table_row["result"]}')
    if "Failures" in parts:
        check_failures(ref, parts["Failures"], errors)


def bullets(ref, lines, what):
    """The part's bullets as (line, text), continuation lines joined."""
    out = []
    for i, text in lines[1:]:
        if not text.strip():
            continue
        if text.startswith("- "):
            out.append((i, text[2:]))
        elif text.startswith("  ") and out:
            out[-1] = (out[-1][0], out[-1][1] + " " + text.strip())
        else:
            ref.fault(i, f"{what}: a line that is neither a bullet nor its continuation")
    return out


def check_arguments(ref, line, lines, row):
    first, inline = lines[0]
    if inline == "none.":
        if len([t for _, t in lines[1:] if t.strip()]) > 0:
            ref.fault(first, 'arguments "none." followed by more')
        if row and row["params"]:
            ref.fault(first, "arguments none; the table gives " + ", ".join(p["name"] for p in row["params"]))
        return
    if inline:
        ref.fault(first, 'the label "**Arguments:**" stands alone, or reads "**Arguments:** none."')
    seen = []
    for i, text in bullets(ref, lines, "arguments"):
        match = re.match(r"`(\w+)` \((.+?)\): (\S.*)$", text)
        if not match:
            ref.fault(i, "an argument must read: - `Name` (Type; by reference): meaning")
            continue
        name, attributes = match.group(1), [a.strip() for a in match.group(2).split(";")]
        seen.append(name)
        if len(attributes) < 2 or attributes[1] not in ("by value", "by reference"):
            ref.fault(i, f"{name}: write its type, then by value or by reference")
            continue
        optional, default, given_back = False, None, False
        for attribute in attributes[2:]:
            option = re.fullmatch(r"optional, default (.+)", attribute)
            if option:
                optional, default = True, option.group(1)
            elif attribute == "given back":
                given_back = True
            else:
                ref.fault(i, f'{name}: unknown attribute "{attribute}"')
        if given_back and attributes[1] == "by value":
            ref.fault(i, f"{name}: an argument passed by value cannot be given back")
        if not row:
            continue
        param = next((p for p in row["params"] if p["name"] == name), None)
        if not param:
            ref.fault(i, f'argument {name} is not in the table for {row["name"]}')
            continue
        if attributes[0] != param["type"]:
            ref.fault(i, f'{name}: type {attributes[0]}; the table gives {param["type"]}')
        if attributes[1] != param["passing"]:
            ref.fault(i, f'{name}: {attributes[1]}; the table gives {param["passing"]}')
        if given_back != param["given back"]:
            ref.fault(i, f'{name}: {"given back" if given_back else "not given back"}; the table '
                         f'{"gives it back" if param["given back"] else "does not give it back"}')
        if optional != param["optional"]:
            ref.fault(i, f'{name}: {"optional" if optional else "required"}; the table makes it '
                         f'{"optional" if param["optional"] else "required"}')
        elif optional and default != param["default"]:
            ref.fault(i, f'{name}: default {default}; the table gives {param["default"]}')
    if row:
        names = [p["name"] for p in row["params"]]
        for name in names:
            if name not in seen:
                ref.fault(first, f'argument {name} of the table is missing')
        known = [n for n in seen if n in names]
        if known != [n for n in names if n in known]:
            ref.fault(first, "arguments out of the table's order: " + ", ".join(known))
        if len(set(seen)) != len(seen):
            ref.fault(first, "an argument is listed twice")


def check_failures(ref, lines, errors):
    first, inline = lines[0]
    if inline:
        if inline != "Never fails.":
            ref.fault(first, 'the label "**Failures:**" stands alone, or reads "**Failures:** Never fails."')
        elif [t for _, t in lines[1:] if t.strip()]:
            ref.fault(first, '"Never fails." followed by more')
        return
    found = bullets(ref, lines, "failures")
    if not found:
        ref.fault(first, "failures without a bullet")
    for i, text in found:
        if text.startswith("Returns "):
            continue
        if text.startswith("Reports to the host"):
            continue
        if text.startswith("Box "):
            style = re.search(r"\((\w+) icon, ([\w/]+); (title \"[^\"]*\"|title `\w+`|no title)\):", text)
            if not style or style.group(1) not in ICONS or style.group(2) not in BUTTONS:
                ref.fault(i, "a box must give (<icon> icon, <buttons>; title \"...\"): with icon "
                             + "/".join(ICONS) + " and buttons " + ", ".join(BUTTONS))
            continue
        raised = re.match(r"Raises (\d+) \"([^\"]+)\":", text)
        if raised:
            number = int(raised.group(1))
            if errors.get(number) != raised.group(2):
                ref.fault(i, f"error {number} is " + (f'"{errors[number]}"' if number in errors
                                                       else "no run-time error the methods raise"))
            continue
        ref.fault(i, 'a failure starts with "Returns", "Box", "Raises" or "Reports to the host"')


def check_methods(ref, span, table, errors):
    start, end = span
    rows = {m["name"]: m for m in table}
    documented = []
    groups = []
    for line, heading, body, stop in ref.sections(start, end, 2):
        groups.append((line, heading))
        for mline, mheading, mbody, mstop in ref.sections(body, stop, 3):
            name = code_name(mheading)
            if not name:
                ref.fault(mline, "a method heading reads ### `Name`")
                continue
            row = rows.get(name)
            if not row:
                ref.fault(mline, f"method {name} is not in control_methods.def")
            elif row["group"] and heading.lower() != row["group"].lower():
                ref.fault(mline, f'{name} stands under "{heading}"; the table lists it under "{row["group"]}"')
            if name in documented:
                ref.fault(mline, f"method {name} has two sections")
            documented.append(name)
            check_member(ref, mline, mbody, mstop, errors, row)
    wanted = []
    for m in table:
        if m["group"] and m["group"] not in wanted:
            wanted.append(m["group"])
    if [h.lower() for _, h in groups] != [g.lower() for g in wanted]:
        ref.fault(groups[0][0] if groups else start,
                  "family headings are not the table's groups in order: " + ", ".join(wanted))
    for m in table:
        if m["name"] not in documented:
            ref.fault(start, f'method {m["name"]} of control_methods.def has no section')
    known = [n for n in documented if n in rows]
    order = [m["name"] for m in table if m["name"] in known]
    if known != order:
        for got, want in zip(known, order):
            if got != want:
                ref.fault(start, f"methods out of the table's order: {got} stands where {want} belongs")
                break


def check_classes(ref, span, errors):
    start, end = span
    for line, heading, body, stop in ref.sections(start, end, 2):
        if not code_name(heading):
            ref.fault(line, "a class heading reads ## `Name`")
        for mline, mheading, mbody, mstop in ref.sections(body, stop, 3):
            if not code_name(mheading):
                ref.fault(mline, "a member heading reads ### `Name`")
            check_member(ref, mline, mbody, mstop, errors)


def check_table(ref, span, expected, what, header, value_of):
    """Enumerations or records: one section per entry, one row per member."""
    start, end = span
    seen = []
    for line, heading, body, stop in ref.sections(start, end, 2):
        name = code_name(heading)
        if not name or name not in expected:
            ref.fault(line, f"{heading} is no {what} of type_library.cpp")
            continue
        if name in seen:
            ref.fault(line, f"{what} {name} has two sections")
        seen.append(name)
        rows, has_header, summary = [], False, False
        for i in range(body, stop):
            text = ref.lines[i]
            if text.startswith("|"):
                cells = [c.strip() for c in text.strip().strip("|").split("|")]
                if cells == header:
                    has_header = True
                elif not all(re.fullmatch(r"-+", c) for c in cells):
                    rows.append((i, cells))
            elif text.strip():
                summary = True
        if not summary:
            ref.fault(line, f"{name}: no summary")
        if not has_header:
            ref.fault(line, f"{name}: no table headed | " + " | ".join(header) + " |")
        listed = []
        for i, cells in rows:
            member = code_name(cells[0]) if cells else None
            if len(cells) != 3 or not member:
                ref.fault(i, f"{name}: a row reads | `Name` | ... | meaning |")
                continue
            listed.append(member)
            wanted = dict(expected[name])
            if member not in wanted:
                ref.fault(i, f"{name}: {member} is not in type_library.cpp")
            elif value_of(cells[1]) != wanted[member]:
                ref.fault(i, f"{name}.{member}: {cells[1]}; type_library.cpp gives {wanted[member]}")
            if not cells[2]:
                ref.fault(i, f"{name}.{member}: no meaning")
        names = [m for m, _ in expected[name]]
        for member in names:
            if member not in listed:
                ref.fault(line, f"{name}: {member} of type_library.cpp is missing")
        if [m for m in listed if m in names] != [m for m in names if m in listed]:
            ref.fault(line, f"{name}: not in the declared order")
    for name in expected:
        if name not in seen:
            ref.fault(start, f"{what} {name} of type_library.cpp has no section")


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description="Check the method reference against the method table.")
    parser.add_argument("--root", default=os.path.dirname(here), help="the repository's root folder")
    parser.add_argument("--reference", help="the reference to check (default: korbit/control/values/method_reference.md)")
    args = parser.parse_args()
    control = os.path.join(args.root, "korbit", "control", "values")
    reference = args.reference or os.path.join(control, "method_reference.md")
    try:
        dispatch = read(os.path.join(control, "dispatch.cpp"))
        param_names = type_names(dispatch, "paramTypeName", "ParamType")
        result_names = type_names(dispatch, "resultTypeName", "ResultType")
        table = read_table(read(os.path.join(control, "control_methods.def")), param_names, result_names)
        enums, records = read_type_library(read(os.path.join(control, "type_library.cpp")))
        errors = read_errors(read(os.path.join(control, "automation_error.h")))
        ref = Reference(reference, read(reference), args.root)
    except (SourceError, ValueError) as e:
        print(f"check_method_reference: {e}", file=sys.stderr)
        return 2

    parts = ref.parts()
    if "Methods of KorbitControl" in parts:
        check_methods(ref, parts["Methods of KorbitControl"], table, errors)
    if "Classes" in parts:
        check_classes(ref, parts["Classes"], errors)
    if "Enumerations" in parts:
        check_table(ref, parts["Enumerations"], enums, "enumeration", ["Member", "Value", "Meaning"],
                    lambda cell: int(cell) if re.fullmatch(r"-?\d+", cell) else cell)
    if "Records" in parts:
        check_table(ref, parts["Records"], records, "record", ["Field", "Type", "Meaning"], lambda cell: cell)
    for fault in ref.faults:
        print(fault)
    return 1 if ref.faults else 0


if __name__ == "__main__":
    sys.exit(main())
