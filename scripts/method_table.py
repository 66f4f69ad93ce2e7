"""The method table (korbit/control/values/control_methods.def) and the type
library (korbit/control/values/type_library.cpp) read as data, for the scripts
that check the method reference and generate the typed clients from the table,
and how those generators write their files.
"""

import os
import re

# Field types of the type library's records, as the reference writes them.
FIELD_TYPES = {("Bool", "Empty"): "Boolean", ("Int32", "Empty"): "Long", ("Text", "Empty"): "String",
               ("Array", "Text"): "String()", ("Array", "Variant"): "Variant()"}


class SourceError(Exception):
    pass


# --- reading C++ sources --------------------------------------------------

def read(path):
    try:
        with open(path, encoding="utf-8") as f:
            return f.read()
    except OSError as e:
        raise SourceError(f"{path}: {e.strerror}")


def closing(text, start):
    """Index of the bracket closing the one at `start`, quotes respected."""
    pairs = {"(": ")", "{": "}", "[": "]"}
    stack = []
    i = start
    while i < len(text):
        c = text[i]
        if c == '"':
            i += 1
            while text[i] != '"':
                i += 2 if text[i] == "\\" else 1
        elif c in pairs:
            stack.append(pairs[c])
        elif stack and c == stack[-1]:
            stack.pop()
            if not stack:
                return i
        i += 1
    raise SourceError(f"unbalanced bracket at offset {start}")


def split_top(text):
    """`text` split at its top-level commas, each piece stripped."""
    pieces, depth, current, i = [], 0, [], 0
    while i < len(text):
        c = text[i]
        if c == '"':
            end = i + 1
            while text[end] != '"':
                end += 2 if text[end] == "\\" else 1
            current.append(text[i:end + 1])
            i = end + 1
            continue
        if c in "({[":
            depth += 1
        elif c in ")}]":
            depth -= 1
        if c == "," and depth == 0:
            pieces.append("".join(current).strip())
            current = []
        else:
            current.append(c)
        i += 1
    if "".join(current).strip():
        pieces.append("".join(current).strip())
    return pieces


def unbrace(text):
    text = text.strip()
    if not (text.startswith("{") and text.endswith("}")):
        raise SourceError(f"expected an initialiser in braces: {text[:60]}")
    return text[1:-1]


def type_names(dispatch_cpp, function, enum):
    """The names `function` (a switch over `enum`) gives its cases."""
    match = re.search(r"\b" + function + r"\(" + enum + r" type\) noexcept \{(.*?)\n\}", dispatch_cpp, re.S)
    if not match:
        raise SourceError(f"dispatch.cpp: no {function}")
    names = dict(re.findall(enum + r'::(k\w+): return "([^"]*)";', match.group(1)))
    if not names:
        raise SourceError(f"dispatch.cpp: {function} names no type")
    return names


def default_text(literal, type_name):
    """A default of the table as the reference writes it."""
    literal = literal.strip()
    if literal == "{}" or re.fullmatch(r"Value\(Text\(\)\)", literal):
        return {"String": '""', "Boolean": "False"}.get(type_name, "0")
    match = re.fullmatch(r'Value\(Text\(u"((?:[^"\\]|\\.)*)"\)\)', literal)
    if match:
        return '"' + match.group(1) + '"'
    match = re.fullmatch(r"Value::boolean\((true|false)\)", literal)
    if match:
        return "True" if match.group(1) == "true" else "False"
    match = re.fullmatch(r"Value\(std::int(?:16|32)_t\{(-?\d+)\}\)", literal)
    if match:
        return match.group(1)
    match = re.fullmatch(r"Value\((-?\d+(?:\.\d+)?)\)", literal)
    if match:
        return match.group(1)
    raise SourceError(f"control_methods.def: a default this check cannot read: {literal}")


def read_table(def_text, param_names, result_names):
    """Methods of the table in order: dicts with group, name, result, params."""
    methods = []
    lines = def_text.splitlines()
    for match in re.finditer(r"^KORBIT_METHOD\(", def_text, re.M):
        start = match.end() - 1
        end = closing(def_text, start)
        pieces = split_top(def_text[start + 1:end])
        if len(pieces) < 4:
            raise SourceError(f"control_methods.def: a row with too few parts: {pieces}")
        # The group: the comment line that opens the row's block of rows.
        line_number = def_text.count("\n", 0, start) + 1
        row_group = None
        for number in range(line_number - 2, -1, -1):
            comment = re.fullmatch(r"// (\S.*)", lines[number].strip())
            if comment and lines[number + 1].strip().startswith("KORBIT_METHOD("):
                row_group = comment.group(1)
                break
        result = pieces[3]
        if "k" + result not in result_names:
            raise SourceError(f"control_methods.def: unknown result {result} of {pieces[1]}")
        params = []
        for initialiser in pieces[4:]:
            parts = split_top(unbrace(initialiser))
            name = re.fullmatch(r'"(\w+)"', parts[0])
            kind = re.fullmatch(r"P::(k\w+)", parts[1])
            if not name or not kind or kind.group(1) not in param_names or parts[2] not in ("kByRef", "kByValue", "kGivenBack"):
                raise SourceError(f"control_methods.def: an argument this check cannot read: {initialiser}")
            type_name = param_names[kind.group(1)]
            optional = len(parts) > 3 and parts[3] == "kOptional"
            params.append({
                "name": name.group(1),
                "kind": kind.group(1),
                "type": type_name,
                "passing": "by value" if parts[2] == "kByValue" else "by reference",
                "given back": parts[2] == "kGivenBack",
                "optional": optional,
                "default": default_text(parts[4] if len(parts) > 4 else "{}", type_name) if optional else None,
                "default literal": parts[4] if len(parts) > 4 else "{}",
            })
        methods.append({"group": row_group, "name": pieces[1], "dispid": int(pieces[2], 0),
                        "result": result_names["k" + result] or "none", "result kind": "k" + result,
                        "params": params})
    if not methods:
        raise SourceError("control_methods.def: no methods")
    return methods


def read_type_library(cpp):
    """Enumerations {name: [(member, value)]} and records {name: [(field, type)]}."""
    enums, records = {}, {}
    body = cpp[cpp.index("enumerations()"):cpp.index("records()")]
    start = body.index("all = {") + len("all = ")
    for entry in split_top(unbrace(body[start:closing(body, start) + 1])):
        name, members = split_top(unbrace(entry))
        enums[name.strip('"')] = [(m.strip('"'), int(v)) for m, v in
                                  (split_top(unbrace(member)) for member in split_top(unbrace(members)))]
    body = cpp[cpp.index("records()"):cpp.index("findRecord(")]

    def fields(initialiser):
        out = []
        for field in split_top(unbrace(initialiser)):
            name, kind, element = split_top(unbrace(field))
            key = (kind.replace("V::k", ""), element.replace("V::k", ""))
            if key not in FIELD_TYPES:
                raise SourceError(f"type_library.cpp: a field type this check does not know: {field}")
            out.append((name.strip('"'), FIELD_TYPES[key]))
        return out

    lists = {}
    for match in re.finditer(r"std::vector<FieldInfo> (\w+) = ", body):
        start = match.end()
        lists[match.group(1)] = fields(body[start:closing(body, start) + 1])
    start = body.index("all = {") + len("all = ")
    for entry in split_top(unbrace(body[start:closing(body, start) + 1])):
        name, value = split_top(unbrace(entry))
        records[name.strip('"')] = lists[value] if value in lists else fields(value)
    if not enums or not records:
        raise SourceError("type_library.cpp: no enumerations or no records")
    return enums, records


def write_if_changed(path, text):
    """Writes `text` to `path` unless it holds that already, so that a
    generated file the build depends on keeps its time when nothing changed."""
    folder = os.path.dirname(path)
    if folder:
        os.makedirs(folder, exist_ok=True)
    if os.path.exists(path):
        with open(path, encoding="utf-8") as f:
            if f.read() == text:
                return
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)
