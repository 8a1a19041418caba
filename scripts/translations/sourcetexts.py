"""The texts the program's sources hand to Qt's translation, read from the
calls themselves rather than from lupdate: every string literal passed to
tr, translate, QT_TR_NOOP or QT_TRANSLATE_NOOP, wherever the call stands.
lupdate misses a marker nested in another call or a literal in a call it
cannot parse; ts-check compares the two so that such a text cannot stay
English unnoticed."""

import os
import re

CALL = re.compile(r"\b(QT_TRANSLATE_NOOP|QT_TR_NOOP|translate|tr)\s*\(")
# A constant naming a context, such as: constexpr const char *kContext = "Report";
NAMED_TEXT = re.compile(r"\b(\w+)\s*(?:\[\s*\])?\s*=\s*\"((?:[^\"\\\n]|\\.)*)\"\s*;")
ESCAPES = {"n": "\n", "t": "\t", "\\": "\\", '"': '"', "'": "'", "r": "\r"}
SOURCE_SUFFIXES = (".cpp", ".h")


class SourceText:
    """One literal handed to translation; context None where the call does
    not name it (tr, whose context is the class)."""

    def __init__(self, context, source, path, line):
        self.context, self.source, self.path, self.line = context, source, path, line

    def where(self):
        return "%s:%d" % (self.path, self.line)


def without_comments(code):
    """The code with comments blanked out (line breaks kept), literals intact."""
    out, i, n = [], 0, len(code)
    while i < n:
        two = code[i:i + 2]
        if two == "//":
            end = code.find("\n", i)
            i = n if end < 0 else end
        elif two == "/*":
            end = code.find("*/", i + 2)
            end = n if end < 0 else end + 2
            out.append("\n" * code.count("\n", i, end))
            i = end
        elif code[i] in "\"'":
            end = literal_end(code, i)
            out.append(code[i:end])
            i = end
        else:
            out.append(code[i])
            i += 1
    return "".join(out)


def literal_end(code, start):
    """Index after the quoted literal that starts at start."""
    quote, i = code[start], start + 1
    while i < len(code) and code[i] != quote:
        i += 2 if code[i] == "\\" else 1
    return i + 1


def unescape(body):
    return re.sub(r"\\(.)", lambda m: ESCAPES.get(m.group(1), m.group(1)), body)


def literal_at(code, i):
    """The text of the (possibly concatenated) string literal at i and the
    index after it, or (None, i) when the argument is not a literal."""
    parts = []
    while True:
        while i < len(code) and code[i].isspace():
            i += 1
        if i < len(code) and code[i] == '"':
            end = literal_end(code, i)
            parts.append(unescape(code[i + 1:end - 1]))
            i = end
        else:
            return ("".join(parts) if parts else None), i


def name_at(code, i):
    match = re.compile(r"\s*(\w+)\s*,").match(code, i)
    return (match.group(1), match.end()) if match else (None, i)


def texts_of_file(path, display_path):
    with open(path, encoding="utf-8") as source:
        code = without_comments(source.read())
    constants = dict(NAMED_TEXT.findall(code))
    found = []
    for call in CALL.finditer(code):
        i = call.end()
        context = None
        if call.group(1) in ("QT_TRANSLATE_NOOP", "translate"):
            context, after = literal_at(code, i)
            if context is not None:
                i = code.find(",", after) + 1
            else:
                name, i = name_at(code, i)
                if name is None:
                    continue
                context = unescape(constants[name]) if name in constants else None
        source, _ = literal_at(code, i)
        if source:
            found.append(SourceText(context, source, display_path, code.count("\n", 0, call.start()) + 1))
    return found


def source_texts(source_dir):
    texts = []
    for folder, _, files in sorted(os.walk(source_dir)):
        for name in sorted(files):
            if name.endswith(SOURCE_SUFFIXES):
                path = os.path.join(folder, name)
                texts += texts_of_file(path, os.path.relpath(path, os.path.dirname(source_dir)))
    return texts


def missing(texts, entries):
    """The texts no entry of a .ts file holds: by context and source where
    the call names the context, by source alone where it does not."""
    pairs = {(entry.context, entry.source) for entry in entries}
    sources = {source for _, source in pairs}
    return [text for text in texts
            if ((text.context, text.source) not in pairs if text.context is not None
                else text.source not in sources)]
