"""The translators' round trip on a small Linguist file: ts-todo lists what
is unfinished, ts-fill writes translations back and refuses what does not
fit."""

import json
import os
import subprocess
import sys
import tempfile
import unittest

SCRIPTS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts")
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(SCRIPTS, "translations"))
import sourcetexts  # noqa: E402
import tsfiles  # noqa: E402

TS = """<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>CMainCommands</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <comment>toolbar</comment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
</TS>
"""


class TsToolsTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        os.environ["VELACPS_TS_DIR"] = self.folder.name
        self.path = os.path.join(self.folder.name, "velacps_de.ts")
        with open(self.path, "w", encoding="utf-8") as ts:
            ts.write(TS)

    def tearDown(self):
        self.folder.cleanup()

    def run_script(self, *arguments):
        return subprocess.run([sys.executable, os.path.join(SCRIPTS, arguments[0])] + list(arguments[1:]),
                              capture_output=True, text=True, env=os.environ)

    def todo(self):
        result = self.run_script("ts-todo", "German")
        self.assertEqual(result.returncode, 0, result.stderr)
        return json.loads(result.stdout)

    def test_todo_lists_the_unfinished_entries_with_their_disambiguation(self):
        items = self.todo()
        self.assertEqual([(i["source"], i["comment"], i["numerus"]) for i in items],
                         [("About %1", "", False), ("Open", "toolbar", False), ("%n channel(s)", "", True)])
        self.assertEqual(items[2]["forms"], 2)

    def test_fill(self):
        cases = [
            # translations of About %1, Open, %n channel(s); exit code; what is left unfinished
            (["Über %1", "Öffnen", ["%n Kanal", "%n Kanäle"]], 0, []),
            (["Über", "Öffnen", ["%n Kanal", "%n Kanäle"]], 1, ["About %1"]),
            (["Über %1 %2", "", ["ein Kanal", "%n Kanäle"]], 1, ["About %1", "Open"]),
        ]
        for translations, exit_code, left in cases:
            with self.subTest(translations=translations):
                self.tearDown()
                self.setUp()
                items = self.todo()
                for item, translation in zip(items, translations):
                    item["translation"] = translation
                done = os.path.join(self.folder.name, "done.json")
                with open(done, "w", encoding="utf-8") as out:
                    json.dump(items, out)
                self.assertEqual(self.run_script("ts-fill", "de", done).returncode, exit_code)
                self.assertEqual([i["source"] for i in self.todo()], left)
                self.assertEqual(tsfiles.TsFile(self.path).root.findtext("context/message/translation"), "&Datei")

    def test_fill_reports_an_entry_the_file_does_not_have(self):
        done = os.path.join(self.folder.name, "done.json")
        with open(done, "w", encoding="utf-8") as out:
            json.dump([{"context": "CMainCommands", "source": "Gone", "comment": "", "translation": "Weg"}], out)
        result = self.run_script("ts-fill", "de", done)
        self.assertEqual(result.returncode, 1)
        self.assertIn("Gone", result.stderr)


# Calls whose literals the check must find, lupdate or not: a marker nested
# in a call, a context named by a constant, a literal in two parts,
# and a tr whose context is the class; a comment and a non-literal are not texts.
SOURCE = r"""constexpr const char *kContext = "Report";
QString mark() { return tr(QT_TRANSLATE_NOOP("Report", "(default)")); }
QString shown(const QString &t) { return QCoreApplication::translate(kContext, "12.5 KHz" " only"); }
// tr("in a comment")
QString title() { return tr("Say \"%1\""); }
QString other(const char *text) { return tr(text); }
"""


class SourceTextsTest(unittest.TestCase):
    def test_finds_every_literal_handed_to_translation(self):
        with tempfile.TemporaryDirectory() as folder:
            with open(os.path.join(folder, "Texts.cpp"), "w", encoding="utf-8") as source:
                source.write(SOURCE)
            found = sourcetexts.source_texts(folder)
        self.assertEqual([(t.context, t.source, t.line) for t in found],
                         [("Report", "(default)", 2), ("Report", "12.5 KHz only", 3), (None, 'Say "%1"', 5)])


if __name__ == "__main__":
    unittest.main()
