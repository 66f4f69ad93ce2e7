#!/usr/bin/env python3
"""Writes what the korbit command shows of the method reference
(korbit/control/values/method_reference.md): its data for `korbit help NAME`
and `korbit methods --json`, and the manual page korbit-methods(7).

  generate_reference.py [--root DIR] --cpp FILE
  generate_reference.py [--root DIR] --man FILE --version VERSION --date DATE

--cpp writes a C++ source that defines korbit::cli::methodReferenceJson():
the reference as one JSON document,

  {"methods": [{"class", "group", "name", "dispid" (KorbitControl only),
                "summary", "arguments": [{"name", "type", "passing",
                "optional", "default", "givenBack", "meaning"}],
                "result": {"type", "meaning"}, "failures": [...],
                "onLinux", "traps"}],
   "classes": [{"name", "text"}],
   "enumerations": [{"name", "summary", "members": [{"name", "value", "meaning"}]}],
   "records": [{"name", "summary", "fields": [{"name", "type", "meaning"}]}]}

Texts keep the reference's inline marks (`name`, **bold**); paragraphs are
separated by a blank line, and a paragraph of "- " lines is a list. The build
runs this whenever the reference changes; nothing it writes is edited by hand.
It reads the reference in the format its head describes and stops (status 2)
at anything it cannot read; scripts/check_method_reference.py says what is
wrong with it in detail.
"""

import argparse
import json
import os
import re
import sys

from method_table import SourceError, read, read_table, type_names, write_if_changed

PARTS = ("Methods of KorbitControl", "Classes", "Enumerations", "Records")
LABELS = ("Arguments", "Result", "Failures", "On Linux", "Traps")


# --- reading the reference --------------------------------------------------

def without_comments(text):
    return re.sub(r"<!--.*?-->", "", text, flags=re.S)


def blocks(lines):
    """Paragraphs, lists and tables of free text: ("p", text), ("ul", [items]),
    ("table", [rows of cells]), the header row first."""
    out = []
    kind = None
    for line in lines:
        if not line.strip():
            kind = None
            continue
        if line.startswith("|"):
            cells = [c.strip() for c in line.strip().strip("|").split("|")]
            if all(re.fullmatch(r":?-+:?", c) for c in cells):
                continue
            if kind != "table":
                out.append(("table", []))
                kind = "table"
            out[-1][1].append(cells)
        elif line.startswith("- "):
            if kind != "ul":
                out.append(("ul", []))
                kind = "ul"
            out[-1][1].append(line[2:].strip())
        elif kind == "ul" and line.startswith("  "):
            out[-1][1][-1] += " " + line.strip()
        elif kind == "p":
            out[-1] = ("p", out[-1][1] + " " + line.strip())
        else:
            out.append(("p", line.strip()))
            kind = "p"
    return out


def text_of(found):
    """Blocks as one text: paragraphs apart by a blank line, a list as "- " lines."""
    parts = []
    for kind, body in found:
        if kind == "p":
            parts.append(body)
        elif kind == "ul":
            parts.append("\n".join("- " + item for item in body))
        else:
            raise SourceError("a table where only text may stand")
    return "\n\n".join(parts)


def sections(lines, level):
    """The lines before the first heading of `level`, and [(title, lines)] after."""
    mark = "#" * level + " "
    head, found = [], []
    for line in lines:
        if line.startswith(mark):
            found.append((line[len(mark):].strip(), []))
        elif found:
            found[-1][1].append(line)
        else:
            head.append(line)
    return head, found


def code_name(title):
    match = re.fullmatch(r"`(\w+)`", title)
    if not match:
        raise SourceError(f"a heading that names no member: {title}")
    return match.group(1)


def member(name, lines):
    """One method or class member from its section's lines."""
    summary, parts, current = [], {}, None
    for line in lines:
        label = re.match(r"\*\*([^*]+):\*\*\s*(.*)$", line)
        if label and label.group(1) in LABELS:
            current = label.group(1)
            parts[current] = [label.group(2)] if label.group(2) else []
        elif current:
            parts[current].append(line)
        else:
            summary.append(line)
    for label in ("Arguments", "Result", "Failures"):
        if label not in parts:
            raise SourceError(f"{name}: no **{label}:**")
    doc = {"name": name, "summary": text_of(blocks(summary)), "arguments": []}

    arguments = blocks(parts["Arguments"])
    if arguments != [("p", "none.")]:
        if len(arguments) != 1 or arguments[0][0] != "ul":
            raise SourceError(f"{name}: the arguments are no list")
        for item in arguments[0][1]:
            match = re.match(r"`(\w+)` \((.+?)\): (.*)$", item)
            if not match:
                raise SourceError(f"{name}: an argument this script cannot read: {item}")
            attributes = [a.strip() for a in match.group(2).split(";")]
            default = next((a[len("optional, default "):] for a in attributes if a.startswith("optional, default ")),
                           None)
            doc["arguments"].append({
                "name": match.group(1), "type": attributes[0], "passing": attributes[1],
                "optional": default is not None, "default": default,
                "givenBack": "given back" in attributes[2:], "meaning": match.group(3)})

    result = text_of(blocks(parts["Result"]))
    match = re.match(r"(none|[\w()]+)\.(?:\s+(.*))?$", result, re.S)
    if not match:
        raise SourceError(f"{name}: a result this script cannot read: {result[:60]}")
    doc["result"] = {"type": match.group(1), "meaning": match.group(2) or ""}

    failures = blocks(parts["Failures"])
    if failures == [("p", "Never fails.")]:
        doc["failures"] = []
    elif len(failures) == 1 and failures[0][0] == "ul":
        doc["failures"] = failures[0][1]
    else:
        raise SourceError(f"{name}: failures that are neither \"Never fails.\" nor a list")
    for label, key in (("On Linux", "onLinux"), ("Traps", "traps")):
        if label in parts:
            doc[key] = text_of(blocks(parts[label]))
    return doc


def read_reference(text, table):
    """The reference as the model both outputs are written from."""
    head, parts = sections(without_comments(text).splitlines(), 1)
    titles = [t for t, _ in parts]
    if titles[1:] != list(PARTS):
        raise SourceError("the parts are not: " + ", ".join(("(title)",) + PARTS))
    intro_lines = parts[0][1]
    parts = dict(parts[1:])
    dispids = {m["name"]: m["dispid"] for m in table}

    intro, topics = sections(intro_lines, 2)
    model = {"title": titles[0], "intro": blocks(intro), "topics": [(t, blocks(body)) for t, body in topics],
             "groups": [], "methods": [], "classes": [], "enumerations": [], "records": []}

    for part in PARTS:
        text, found = sections(parts[part], 2)
        model[part] = blocks(text)
        for title, body in found:
            if part == "Methods of KorbitControl":
                group_text, methods = sections(body, 3)
                model["groups"].append((title, blocks(group_text), [code_name(t) for t, _ in methods]))
                for mtitle, mbody in methods:
                    doc = member(code_name(mtitle), mbody)
                    if doc["name"] not in dispids:
                        raise SourceError(f"{doc['name']} is not in control_methods.def")
                    model["methods"].append({"class": "KorbitControl", "group": title,
                                             "dispid": dispids[doc["name"]], **doc})
            elif part == "Classes":
                class_text, members = sections(body, 3)
                name = code_name(title)
                model["classes"].append({"name": name, "text": text_of(blocks(class_text))})
                for mtitle, mbody in members:
                    model["methods"].append({"class": name, **member(code_name(mtitle), mbody)})
            else:
                name = code_name(title)
                found_blocks = blocks(body)
                tables = [b for k, b in found_blocks if k == "table"]
                if len(tables) != 1:
                    raise SourceError(f"{name}: not one table")
                summary = text_of([b for b in found_blocks if b[0] != "table"])
                rows = [[cell.strip("`") if n == 0 else cell for n, cell in enumerate(row)] for row in tables[0][1:]]
                if part == "Enumerations":
                    model["enumerations"].append({"name": name, "summary": summary, "members": [
                        {"name": r[0], "value": int(r[1]), "meaning": r[2]} for r in rows]})
                else:
                    model["records"].append({"name": name, "summary": summary, "fields": [
                        {"name": r[0], "type": r[1], "meaning": r[2]} for r in rows]})
    return model


# --- the data of the korbit command -----------------------------------------

CPP = """\
// The method reference as the korbit command shows it, written by
// scripts/generate_reference.py from korbit/control/values/method_reference.md
// whenever the reference changes. Do not edit: change the reference.
#include "cli/method_reference.h"

#include <string>

namespace korbit::cli {

namespace {

// In pieces: a compiler need not take a literal of more than 65,536 characters.
constexpr std::string_view kPieces[] = {
@PIECES@
};

}  // namespace

std::string_view methodReferenceJson() {
    static const std::string text = [] {
        std::string all;
        for (const std::string_view piece : kPieces) {
            all += piece;
        }
        return all;
    }();
    return text;
}

}  // namespace korbit::cli
"""

PIECE_BYTES = 60000
DELIMITER = "reference"


def cpp_source(model):
    document = {key: model[key] for key in ("methods", "classes", "enumerations", "records")}
    text = json.dumps(document, ensure_ascii=False, indent=None, separators=(",", ":"))
    if f"){DELIMITER}\"" in text:
        raise SourceError("the reference holds the end of the raw text that carries it")
    pieces, current, size = [], [], 0
    for c in text:  # whole characters, so no piece ends inside one
        length = len(c.encode("utf-8"))
        if size + length > PIECE_BYTES:
            pieces.append("".join(current))
            current, size = [], 0
        current.append(c)
        size += length
    pieces.append("".join(current))
    return CPP.replace("@PIECES@", ",\n".join(f'    R"{DELIMITER}({p}){DELIMITER}"' for p in pieces))


# --- the manual page --------------------------------------------------------

def roff_escape(text, literal):
    """Plain text for roff: backslashes, minus signs where they would be typed
    (every hyphen of a literal, a hyphen starting a word in prose) and every
    character beyond ASCII as a named glyph, so no input encoding matters."""
    out = []
    word_start = True
    option_word = False
    for c in text:
        if word_start:
            option_word = c == "-"
        if c == "\\":
            out.append("\\e")
        elif c == "-" and (literal or option_word):
            out.append("\\-")
        elif ord(c) > 126:
            out.append(f"\\[u{ord(c):04X}]")
        else:
            out.append(c)
        word_start = c in " (\"'"
    return "".join(out)


def roff_inline(text):
    """A text with the reference's inline marks as fonts: `name` and **bold**
    in bold."""
    out = []
    for piece in re.split(r"(`[^`]+`|\*\*[^*]+\*\*)", text):
        if piece.startswith("`") and piece.endswith("`") and len(piece) > 1:
            out.append("\\fB" + roff_escape(piece[1:-1], True) + "\\fR")
        elif piece.startswith("**") and piece.endswith("**") and len(piece) > 3:
            out.append("\\fB" + roff_escape(piece[2:-2], False) + "\\fR")
        else:
            out.append(roff_escape(piece, False))
    return line_safe("".join(out))


def line_safe(text):
    """A control character at the start of a line would be read as a request."""
    return "\\&" + text if text.startswith((".", "'")) else text


def roff_blocks(found, out):
    """Free text: paragraphs, lists, and a table as a list of tagged paragraphs
    (its first column the tag)."""
    for kind, body in found:
        if kind == "p":
            out.append(".PP")
            out.append(roff_inline(body))
        elif kind == "ul":
            for item in body:
                out.append(".IP \\(bu 2")
                out.append(roff_inline(item))
        else:
            for row in body[1:]:
                out.append(".TP")
                out.append(roff_inline(row[0] if "`" in row[0] else f"**{row[0]}**"))
                out.append(roff_inline("; ".join(row[1:])))


def roff_text(text, out):
    """A text of the JSON model (paragraphs apart by a blank line, lists of "- ")."""
    for paragraph in text.split("\n\n"):
        lines = paragraph.split("\n")
        if all(line.startswith("- ") for line in lines):
            for line in lines:
                out.append(".IP \\(bu 2")
                out.append(roff_inline(line[2:]))
        else:
            out.append(".PP")
            out.append(roff_inline(paragraph))


def signature(doc):
    params = ", ".join(a["name"] for a in doc["arguments"])
    result = "" if doc["result"]["type"] == "none" else " As " + doc["result"]["type"]
    return f"{doc['name']}({params}){result}"


def roff_member(doc, out):
    out.append(".PP")
    out.append("\\fB" + roff_escape(doc["name"], True) + "\\fR(" +
               ", ".join("\\fI" + roff_escape(a["name"], True) + "\\fR" for a in doc["arguments"]) + ")" +
               ("" if doc["result"]["type"] == "none" else " As " + roff_escape(doc["result"]["type"], True)))
    out.append(".RS 4")
    roff_text(doc["summary"], out)
    out.append(".PP")
    if not doc["arguments"]:
        out.append("\\fBArguments:\\fR none.")
    else:
        out.append("\\fBArguments:\\fR")
        for a in doc["arguments"]:
            attributes = [a["type"], a["passing"]]
            if a["optional"]:
                attributes.append("optional, default " + a["default"])
            if a["givenBack"]:
                attributes.append("given back")
            out.append(".TP")
            out.append("\\fI" + roff_escape(a["name"], True) + "\\fR (" + roff_escape("; ".join(attributes), False) + ")")
            out.append(roff_inline(a["meaning"]))
    out.append(".PP")
    out.append(roff_inline("**Result:** " + doc["result"]["type"] + ". " + doc["result"]["meaning"]).rstrip())
    out.append(".PP")
    if not doc["failures"]:
        out.append("\\fBFailures:\\fR Never fails.")
    else:
        out.append("\\fBFailures:\\fR")
        for failure in doc["failures"]:
            out.append(".IP \\(bu 2")
            out.append(roff_inline(failure))
    for key, label in (("onLinux", "On Linux"), ("traps", "Traps")):
        if key in doc:
            out.append(".PP")
            out.append(roff_inline(f"**{label}:** " + doc[key]))
    out.append(".RE")


def man_page(model, version, date):
    out = [".\\\" Made from korbit/control/values/method_reference.md when the tree is built.",
           f'.TH KORBIT-METHODS 7 "{date}" "korbit {version}" "Korbit control library"',
           ".nh",  # names are never hyphenated, so a search finds them
           ".SH NAME",
           "korbit-methods \\- the methods of the Korbit control library: arguments, results, failures",
           ".SH DESCRIPTION"]
    roff_blocks(model["intro"], out)
    out.append(".PP")
    out.append(roff_inline("At the terminal, `korbit help NAME` shows the entry of one method, enumeration or record, "
                           "and `korbit methods --json` gives all of it as data."))
    for title, found in model["topics"]:
        out.append(".SH " + roff_escape(title.upper(), False))
        roff_blocks(found, out)

    out.append(".SH METHODS OF KORBITCONTROL")
    roff_blocks(model["Methods of KorbitControl"], out)
    methods = {m["name"]: m for m in model["methods"] if m["class"] == "KorbitControl"}
    for title, found, names in model["groups"]:
        out.append(".SS " + roff_escape(title, False))
        roff_blocks(found, out)
        for name in names:
            roff_member(methods[name], out)

    out.append(".SH CLASSES")
    roff_blocks(model["Classes"], out)
    for cls in model["classes"]:
        out.append(".SS " + roff_escape(cls["name"], True))
        if cls["text"]:
            roff_text(cls["text"], out)
        for doc in model["methods"]:
            if doc["class"] == cls["name"]:
                roff_member(doc, out)

    out.append(".SH ENUMERATIONS")
    roff_blocks(model["Enumerations"], out)
    for enum in model["enumerations"]:
        out.append(".SS " + roff_escape(enum["name"], True))
        roff_text(enum["summary"], out)
        for m in enum["members"]:
            out.append(".TP")
            out.append("\\fB" + roff_escape(m["name"], True) + "\\fR = " + roff_escape(str(m["value"]), True))
            out.append(roff_inline(m["meaning"]))

    out.append(".SH RECORDS")
    roff_blocks(model["Records"], out)
    for record in model["records"]:
        out.append(".SS " + roff_escape(record["name"], True))
        roff_text(record["summary"], out)
        for f in record["fields"]:
            out.append(".TP")
            out.append("\\fB" + roff_escape(f["name"], True) + "\\fR (" + roff_escape(f["type"], True) + ")")
            out.append(roff_inline(f["meaning"]))

    out.append(".SH SEE ALSO")
    out.append(".BR korbit (1),")
    out.append(".BR corvane (1)")
    return "\n".join(out) + "\n"


# --- main -------------------------------------------------------------------

def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--root", default=os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    parser.add_argument("--cpp", help="the C++ source to write")
    parser.add_argument("--man", help="the manual page to write")
    parser.add_argument("--version", default="")
    parser.add_argument("--date", default="")
    args = parser.parse_args()
    if not args.cpp and not args.man:
        parser.error("give --cpp FILE, --man FILE or both")
    values = os.path.join(args.root, "korbit", "control", "values")
    try:
        dispatch = read(os.path.join(values, "dispatch.cpp"))
        table = read_table(read(os.path.join(values, "control_methods.def")),
                           type_names(dispatch, "paramTypeName", "ParamType"),
                           type_names(dispatch, "resultTypeName", "ResultType"))
        model = read_reference(read(os.path.join(values, "method_reference.md")), table)
        if args.cpp:
            write_if_changed(args.cpp, cpp_source(model))
        if args.man:
            write_if_changed(args.man, man_page(model, args.version, args.date))
    except SourceError as e:
        print(f"generate_reference: method_reference.md: {e}", file=sys.stderr)
        return 2
    return 0


if __name__ == "__main__":
    sys.exit(main())
