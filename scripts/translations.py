#!/usr/bin/env python3
"""Corvane's translations: the window's texts and those of its files; and
korbit's own texts.

  translations.py update [--root DIR] LANG...
      writes resources/translations/files_LANG.ts afresh from the help page,
      the desktop entries and the AppStream summary: translations of texts
      still there are kept, new texts are left unfinished, gone ones dropped.
      (The program's texts, corvane/translations/corvane_LANG.ts, are updated
      with lupdate as usual, from the program and the words its pictures
      carry: lupdate -locations none -I . corvane resources/tools -ts ...;
      korbit's, cli/translations/korbit_LANG.ts, from the command:
      lupdate -locations none -I . cli -ts ...)
  translations.py check [--root DIR] --lupdate PROGRAM
      fails, with one line per fault, where a translation lacks a text the
      program, its files or korbit have, keeps one they no longer have, is left
      unfinished or empty, or drops a placeholder (%1, %n) of its text.
  translations.py files [--root DIR] --out DIR
      writes the translated help pages (DIR/help/LANG/) and the desktop
      entries, file-manager actions and AppStream metadata with every
      language's texts added beside the English ones (DIR/desktop/).

The English texts are the sources themselves and are never rewritten.
"""

import argparse
import html
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

LANGUAGES = ("de", "es", "fr")

HELP_PAGE = "resources/help/ArdenvaleHelp.html"
DESKTOP_FILES = (
    "resources/desktop/example.velmora_software.Corvane.desktop",
    "resources/file-manager/example.velmora_software.Corvane.Encrypt.desktop",
    "resources/file-manager/example.velmora_software.Corvane.Decrypt.desktop",
    "resources/file-manager/corvane-servicemenu.desktop",
    "resources/file-manager/corvane-encrypt.nemo_action",
    "resources/file-manager/corvane-decrypt.nemo_action",
)
METAINFO = "resources/desktop/example.velmora_software.Corvane.metainfo.xml"
# Where lupdate finds the program's texts: the program, and the tool that
# draws the words on its pictures.
PROGRAM_SOURCES = ("corvane", "resources/tools")
# Where lupdate finds korbit's own texts.
KORBIT_SOURCES = ("cli",)

HELP = "HelpPage"
DESKTOP = "DesktopEntry"
APPSTREAM = "AppStream"

# The elements of the help page whose content is one text to translate.
HELP_UNIT = re.compile(r"<(title|h1|h2|p|li|td|th)(\s[^>]*)?>(.*?)</\1>", re.S)
DESKTOP_KEY = re.compile(r"^(Name|GenericName|Comment|Keywords)=(.*)$")
SUMMARY = re.compile(r"^(\s*)<summary>(.*)</summary>$")
PLACEHOLDER = re.compile(r"%(?:n|L?[1-9])")


def code_ts(root, lang):
    return os.path.join(root, "corvane", "translations", "corvane_%s.ts" % lang)


def korbit_ts(root, lang):
    return os.path.join(root, "cli", "translations", "korbit_%s.ts" % lang)


def files_ts(root, lang):
    return os.path.join(root, "resources", "translations", "files_%s.ts" % lang)


def read(root, name):
    with open(os.path.join(root, name), encoding="utf-8") as f:
        return f.read()


def help_text(inner):
    """The text of a help page element as it is translated: its HTML with
    the line breaks of the file folded into single spaces."""
    return re.sub(r"\s+", " ", inner).strip()


def worth_translating(text):
    """False for an element that holds only code, such as a command line."""
    bare = re.sub(r"<code>.*?</code>", "", text, flags=re.S)
    bare = html.unescape(re.sub(r"<[^>]+>", "", bare))
    return re.search(r"[A-Za-z]", bare) is not None


def help_units(page):
    """(match, text, comment) of every text of the help page to translate.
    A text the page holds more than once (a table's heading, say) is told
    apart by the section it is in, since it may read differently there."""
    units = []
    for match in HELP_UNIT.finditer(page):
        text = help_text(match.group(3))
        if worth_translating(text):
            sections = re.findall(r'<h2 id="([^"]+)"', page[:match.start()])
            units.append((match, text, "section " + sections[-1] if sections else "top"))
    counts = {}
    for _, text, _ in units:
        counts[text] = counts.get(text, 0) + 1
    return [(match, text, comment if counts[text] > 1 else "") for match, text, comment in units]


def file_texts(root):
    """(context, source, comment) of every text of the program's files, in
    order."""
    texts = []

    def add(context, source, comment=""):
        if (context, source, comment) not in texts:
            texts.append((context, source, comment))

    for _, text, comment in help_units(read(root, HELP_PAGE)):
        add(HELP, text, comment)
    for name in DESKTOP_FILES:
        for line in read(root, name).splitlines():
            if m := DESKTOP_KEY.match(line):
                add(DESKTOP, m.group(2))
    for line in read(root, METAINFO).splitlines():
        if m := SUMMARY.match(line):
            add(APPSTREAM, m.group(2))
    return texts


class Message:
    def __init__(self, context, source, comment, numerus, forms, finished):
        self.context = context
        self.source = source
        self.comment = comment
        self.numerus = numerus
        self.forms = forms  # the translation, or its plural forms
        self.finished = finished

    def key(self):
        return (self.context, self.source, self.comment)


def read_ts(path):
    messages = []
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for m in context.iter("message"):
            translation = m.find("translation")
            kind = translation.get("type") if translation is not None else "unfinished"
            numerus = m.get("numerus") == "yes"
            if translation is None:
                forms = []
            elif numerus:
                forms = [f.text or "" for f in translation.iter("numerusform")]
            else:
                forms = [translation.text or ""]
            messages.append(Message(name, m.findtext("source") or "", m.findtext("comment") or "", numerus,
                                    forms, kind not in ("unfinished", "vanished", "obsolete")))
    return messages


def language_of(path):
    return ET.parse(path).getroot().get("language", "")


def escape(text):
    return html.escape(text, quote=False)


def write_ts(path, lang, messages):
    lines = ['<?xml version="1.0" encoding="utf-8"?>', "<!DOCTYPE TS>",
             '<TS version="2.1" language="%s" sourcelanguage="en">' % lang]
    contexts = []
    for m in messages:
        if m.context not in contexts:
            contexts.append(m.context)
    for context in contexts:
        lines += ["<context>", "    <name>%s</name>" % escape(context)]
        for m in messages:
            if m.context != context:
                continue
            lines += ["    <message>", "        <source>%s</source>" % escape(m.source)]
            if m.comment:
                lines.append("        <comment>%s</comment>" % escape(m.comment))
            text = m.forms[0] if m.forms else ""
            kind = "" if m.finished else ' type="unfinished"'
            lines += ["        <translation%s>%s</translation>" % (kind, escape(text)), "    </message>"]
        lines.append("</context>")
    lines.append("</TS>")
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8") as f:
        f.write("\n".join(lines) + "\n")


def update(root, languages):
    texts = file_texts(root)
    for lang in languages:
        path = files_ts(root, lang)
        known = {m.key(): m for m in read_ts(path)} if os.path.exists(path) else {}
        messages = []
        for key in texts:
            messages.append(known.get(key) or Message(*key, False, [""], False))
        write_ts(path, lang, messages)
        print("%s: %d texts, %d unfinished" % (path, len(messages), sum(not m.finished for m in messages)))


def faults_of(path, wanted, messages):
    """What `messages` (a .ts file) lacks or gets wrong against `wanted`."""
    faults = []
    have = {m.key(): m for m in messages}
    for key in wanted:
        if key not in have:
            faults.append("%s: no translation of %s: %r" % (path, key[0], key[1]))
    for m in messages:
        where = "%s: %s: %r" % (path, m.context, m.source)
        if m.key() not in wanted:
            faults.append("%s is no longer a text of the program" % where)
        elif not m.finished:
            faults.append("%s is unfinished" % where)
        elif not m.forms or any(not f.strip() for f in m.forms) or (m.numerus and len(m.forms) < 2):
            faults.append("%s has an empty translation" % where)
        else:
            needed = sorted(set(PLACEHOLDER.findall(m.source)))
            for form in m.forms:
                lost = [p for p in needed if p not in form and not (p == "%n" and len(m.forms) > 1)]
                if lost:
                    faults.append("%s: the translation %r lacks %s" % (where, form, " ".join(lost)))
    return faults


def program_texts(root, lupdate, sources=PROGRAM_SOURCES):
    """(context, source, comment) of every text of a program's code
    (`sources`), as lupdate finds them."""
    with tempfile.TemporaryDirectory() as scratch:
        ts = os.path.join(scratch, "scratch.ts")
        subprocess.run([lupdate, "-silent", "-locations", "none", "-I", root, *sources, "-ts", ts],
                       check=True, cwd=root, stdout=subprocess.DEVNULL)
        return [m.key() for m in read_ts(ts)]


def check(root, lupdate):
    faults = []
    code = program_texts(root, lupdate)
    files = file_texts(root)
    korbit = program_texts(root, lupdate, KORBIT_SOURCES)
    for lang in LANGUAGES:
        for path, wanted in ((code_ts(root, lang), code), (files_ts(root, lang), files),
                             (korbit_ts(root, lang), korbit)):
            if not os.path.exists(path):
                faults.append("%s is missing" % path)
                continue
            if not language_of(path).startswith(lang):
                faults.append("%s does not say its language is %s" % (path, lang))
            faults += faults_of(os.path.relpath(path, root), wanted, read_ts(path))
    for fault in faults:
        print(fault)
    if not faults:
        print("%d languages, %d texts of the program, %d of its files and %d of korbit each, all translated"
              % (len(LANGUAGES), len(code), len(files), len(korbit)))
    return 1 if faults else 0


def translations_of(root):
    """{lang: {(context, source, comment): translation}} of the files'
    texts."""
    result = {}
    for lang in LANGUAGES:
        result[lang] = {m.key(): m.forms[0] for m in read_ts(files_ts(root, lang))
                        if m.finished and m.forms and m.forms[0].strip()}
    return result


def write(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    if os.path.exists(path):
        with open(path, encoding="utf-8") as f:
            if f.read() == text:
                return  # unchanged: what depends on it is not made again
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)


def translated_help(page, lang, table):
    pieces = []
    end = 0
    for match, text, comment in help_units(page):
        translation = table.get((HELP, text, comment))
        if translation is not None:
            tag = match.group(1)
            pieces += [page[end:match.start()], "<%s%s>%s</%s>" % (tag, match.group(2) or "", translation, tag)]
            end = match.end()
    page = "".join(pieces) + page[end:]
    return page.replace('<html lang="en">', '<html lang="%s">' % lang, 1)


def translated_desktop_file(text, tables):
    out = []
    for line in text.splitlines():
        out.append(line)
        if m := DESKTOP_KEY.match(line):
            for lang in LANGUAGES:
                translation = tables[lang].get((DESKTOP, m.group(2), ""))
                if translation and translation != m.group(2):  # a name that stays as it is needs none
                    out.append("%s[%s]=%s" % (m.group(1), lang, translation))
    return "\n".join(out) + "\n"


def translated_metainfo(text, tables):
    out = []
    for line in text.splitlines():
        out.append(line)
        if m := SUMMARY.match(line):
            for lang in LANGUAGES:
                if translation := tables[lang].get((APPSTREAM, m.group(2), "")):
                    out.append('%s<summary xml:lang="%s">%s</summary>' % (m.group(1), lang, escape(translation)))
    return "\n".join(out) + "\n"


def files(root, out):
    tables = translations_of(root)
    page = read(root, HELP_PAGE)
    for lang in LANGUAGES:
        write(os.path.join(out, "help", lang, os.path.basename(HELP_PAGE)), translated_help(page, lang, tables[lang]))
    for name in DESKTOP_FILES:
        write(os.path.join(out, "desktop", os.path.basename(name)), translated_desktop_file(read(root, name), tables))
    write(os.path.join(out, "desktop", os.path.basename(METAINFO)), translated_metainfo(read(root, METAINFO), tables))


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--root", default=os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
    sub = parser.add_subparsers(dest="command", required=True)
    p = sub.add_parser("update")
    p.add_argument("languages", nargs="+")
    p = sub.add_parser("check")
    p.add_argument("--lupdate", required=True)
    p = sub.add_parser("files")
    p.add_argument("--out", required=True)
    args = parser.parse_args()
    root = os.path.abspath(args.root)
    if args.command == "update":
        update(root, args.languages)
        return 0
    if args.command == "check":
        return check(root, args.lupdate)
    files(root, args.out)
    return 0


if __name__ == "__main__":
    sys.exit(main())
