#!/usr/bin/env python3
"""Runs tools/check-texts against small made-up programs and data files.

Run: python3 tests/tools/check_texts_test.py
"""

import importlib.machinery
import importlib.util
import io
import os
import tempfile
import unittest
from contextlib import redirect_stdout

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, os.pardir)
_loader = importlib.machinery.SourceFileLoader("check_texts",
                                               os.path.join(ROOT, "tools", "check-texts"))
_spec = importlib.util.spec_from_loader("check_texts", _loader)
check_texts = importlib.util.module_from_spec(_spec)
_loader.exec_module(check_texts)

# A program image: one literal in 8-bit bytes, one template text in UTF-16LE,
# separated by bytes that belong to neither.
PROGRAM = (b"MZ\x90\x00" + b"Are you sure?\n\nYes\x00" + b"\xff\xfe" +
           "Cr&eate \"it\" C:\\x".encode("utf-16-le") + b"\x00\x00")


class CheckTextsTest(unittest.TestCase):
    def run_checker(self, data):
        with tempfile.TemporaryDirectory() as folder:
            exe = os.path.join(folder, "p.exe")
            datafile = os.path.join(folder, "texts.txt")
            with open(exe, "wb") as f:
                f.write(PROGRAM)
            with open(datafile, "w", encoding="cp1252") as f:
                f.write(data)
            out = io.StringIO()
            with redirect_stdout(out):
                status = check_texts.main(["check-texts", exe, datafile])
            return status, out.getvalue()

    def test_found_in_either_form_with_escapes(self):
        status, out = self.run_checker(
            "# comment\n\nAre you sure?\\n\\nYes\nCr&eate \\\"it\\\" C:\\\\x\nAre\\x20\n")
        self.assertEqual(status, 0, out)
        self.assertIn("3 of 3 texts found", out)

    def test_each_missing_text_is_reported_with_its_line(self):
        rows = [
            ("wrong case", "are you sure?"),
            ("double blank lost", "Are you sure? Yes"),
            ("escape not decoded", "Cr&eate \"it\" C:\\\\\\\\x"),
            ("longer than held", "Are you sure?\\n\\nYes please"),
        ]
        for name, line in rows:
            with self.subTest(name):
                status, out = self.run_checker("Are you sure?\n" + line + "\n")
                self.assertEqual(status, 1, out)
                self.assertIn(":2: not in the program", out)
                self.assertNotIn(":1:", out)

    def test_bad_data_files_are_refused(self):
        for name, data in [("unknown escape", "a\\qb\n"), ("listed twice", "Yes\nYes\n"),
                           ("trailing blank", "Yes \n")]:
            with self.subTest(name):
                status, _ = self.run_checker(data)
                self.assertEqual(status, 2)


if __name__ == "__main__":
    unittest.main()
