"""The program's Qt Linguist files: which languages exist, where their .ts
files are, how lupdate is run over the sources, and reading and writing the
entries of a .ts file. Used by ts-todo, ts-fill, ts-update and ts-check."""

import os
import re
import shutil
import subprocess
import xml.etree.ElementTree as ElementTree

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
# VELACPS_TS_DIR points the tools at other copies of the files (the tests).
TS_DIR = os.environ.get("VELACPS_TS_DIR") or os.path.join(ROOT, "data", "translations")
MACHINE_CONFIG = os.path.join(ROOT, "data", "etc", "Vela LX Dealer CPS.ini.in")
# Only the program's own sources: the command-line tool prints English and
# the tests are not shown to anyone.
SOURCE_DIR = os.path.join(ROOT, "src")
# Without locations a moved line does not change the files, so the check
# that they are up to date only fails on real text changes.
LUPDATE_OPTIONS = ["-recursive", "-no-obsolete", "-locations", "none", "-no-ui-lines", "-source-language", "en"]
# %L1 is %1 with the number in the locale's format: the same placeholder.
PLACEHOLDER = re.compile(r"%L?(\d+|n)")


def languages():
    """Translation code (the part of GUIResource between 'velacps_' and
    '.qm') of every configured language but English, by language name."""
    codes = {}
    section = None
    with open(MACHINE_CONFIG, encoding="utf-8") as config:
        for line in config:
            line = line.strip()
            heading = re.fullmatch(r"\[Language/([^\]]+)\]", line)
            if heading:
                section = heading.group(1)
                continue
            resource = re.fullmatch(r"GUIResource=\S*velacps_(\w+)\.qm", line)
            if resource and section and section != "English":
                codes[section] = resource.group(1)
    return codes


def resolve_language(argument):
    """The translation code for a language name ('German') or code ('de')."""
    codes = languages()
    if argument in codes.values():
        return argument
    for name, code in codes.items():
        if name.lower() == argument.lower():
            return code
    raise SystemExit("unknown language %r; known: %s" % (argument, ", ".join(sorted(codes.values()))))


def ts_path(code):
    return os.path.join(TS_DIR, "velacps_%s.ts" % code)


def find_tool(name, explicit=None):
    """A Qt tool: the given path, $LUPDATE / $LRELEASE / $LCONVERT, the PATH,
    or Qt's own bin folder."""
    candidates = [explicit, os.environ.get(name.upper()), shutil.which(name),
                  "/usr/lib/qt6/bin/" + name, shutil.which(name + "-qt6")]
    for candidate in candidates:
        if candidate and os.access(candidate, os.X_OK):
            return candidate
    raise SystemExit("%s not found; install qt6-l10n-tools or set $%s" % (name, name.upper()))


def run_lupdate(ts_files, lupdate=None, target_language=None):
    command = [find_tool("lupdate", lupdate), SOURCE_DIR] + LUPDATE_OPTIONS
    if target_language:
        command += ["-target-language", target_language]
    command += ["-ts"] + list(ts_files)
    result = subprocess.run(command, capture_output=True, text=True)
    if result.returncode != 0:
        raise SystemExit("lupdate failed:\n" + result.stdout + result.stderr)
    return result.stdout


def canonicalise(ts_file, lconvert=None):
    """Rewrites a .ts file the way the Qt tools write it, so that an edit by
    ts-fill and a later lupdate run give the same text."""
    tool = find_tool("lconvert", lconvert)
    result = subprocess.run([tool, "-i", ts_file, "-o", ts_file], capture_output=True, text=True)
    if result.returncode != 0:
        raise SystemExit("lconvert failed:\n" + result.stdout + result.stderr)


class Entry:
    """One message of a .ts file."""

    def __init__(self, context, element):
        self.context = context
        self.element = element
        self.source = element.findtext("source", "")
        self.comment = element.findtext("comment", "")
        self.extra = element.findtext("extracomment", "")
        self.numerus = element.get("numerus") == "yes"

    @property
    def translation_element(self):
        translation = self.element.find("translation")
        if translation is None:
            translation = ElementTree.SubElement(self.element, "translation")
        return translation

    def key(self):
        return (self.context, self.source, self.comment)

    def forms(self):
        """The translation: a text, or the list of plural forms."""
        translation = self.translation_element
        if self.numerus:
            return [form.text or "" for form in translation.findall("numerusform")]
        return translation.text or ""

    def form_count(self):
        return max(1, len(self.translation_element.findall("numerusform"))) if self.numerus else 1

    def finished(self):
        translation = self.translation_element
        if translation.get("type") in ("unfinished", "vanished", "obsolete"):
            return False
        forms = self.forms()
        return all(forms) if self.numerus else bool(forms)

    def set_forms(self, value):
        translation = self.translation_element
        if self.numerus:
            values = value if isinstance(value, list) else [value]
            for form in list(translation):
                translation.remove(form)
            for text in values:
                ElementTree.SubElement(translation, "numerusform").text = text
        else:
            translation.text = value
        translation.attrib.pop("type", None)


class TsFile:
    def __init__(self, path):
        self.path = path
        self.tree = ElementTree.parse(path)
        self.root = self.tree.getroot()

    @property
    def language(self):
        return self.root.get("language", "")

    def entries(self):
        for context in self.root.findall("context"):
            name = context.findtext("name", "")
            for message in context.findall("message"):
                yield Entry(name, message)

    def save(self):
        self.tree.write(self.path, encoding="utf-8", xml_declaration=True)


def placeholders(text):
    return sorted({"%" + name for name in PLACEHOLDER.findall(text)})


def placeholder_problem(entry, value):
    """Why a translation does not fit the source's placeholders, or None."""
    expected = placeholders(entry.source)
    texts = value if isinstance(value, list) else [value]
    for text in texts:
        found = placeholders(text)
        # A plural form may leave %n out (a language's 'one' form often does).
        if entry.numerus:
            found = sorted(set(found) | {"%n"}) if "%n" in expected else found
        if found != expected:
            return "placeholders %s, the source has %s" % (" ".join(found) or "none", " ".join(expected) or "none")
    return None
