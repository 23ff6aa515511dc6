#!/usr/bin/env python3
"""Runs tools/check-help against small help folders, each with one fault.

Run: python3 tests/help/check_help_test.py
"""

import importlib.machinery
import importlib.util
import os
import tempfile
import unittest

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, os.pardir)
_loader = importlib.machinery.SourceFileLoader("check_help", os.path.join(ROOT, "tools", "check-help"))
_spec = importlib.util.spec_from_loader("check_help", _loader)
check_help = importlib.util.module_from_spec(_spec)
_loader.exec_module(check_help)


def page(title="T", h1="<h1>T</h1>", body="", header=check_help.HEADER):
    return ('<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01//EN">\n<html><head>'
            '<title>%s</title><link rel="stylesheet" type="text/css" href="help.css">'
            '</head><body>\n%s\n%s\n%s\n</body></html>\n' % (title, header, h1, body))


HOME_LINKING = page(body='<p><a href="a.html">A</a></p>')


def folder(**pages):
    """A sound two-page folder (home links to a), with the given pages replaced."""
    files = {"index_help_home.html": HOME_LINKING, "a.html": page(), "help.css": "body {}\n"}
    files.update({name.replace("_html", ".html"): text for name, text in pages.items()})
    return files


# Each row: a folder with one fault, and a text that the report must contain.
CASES = [
    ("missing title", folder(a_html=page(title="")), "a.html: no <title>"),
    ("no h1", folder(a_html=page(h1="")), "a.html: 0 <h1> headings"),
    ("two h1", folder(a_html=page(h1="<h1>x</h1><h1>y</h1>")), "a.html: 2 <h1> headings"),
    ("no header", folder(a_html=page(header="<div>x</div>")), "shared header line is missing"),
    ("broken link", folder(a_html=page(body='<a href="gone.html">x</a>')), "names a missing file"),
    ("missing anchor", folder(a_html=page(body='<a href="index_help_home.html#nope">x</a>')),
     "names a missing anchor"),
    ("absolute link", folder(a_html=page(body='<a href="http://x.example/">x</a>')),
     "is not relative"),
    ("mailto link", folder(a_html=page(body='<a href="mailto:a@b.example">x</a>')),
     "is not relative"),
    ("folder link", folder(a_html=page(body='<a href="../a.html">x</a>')),
     "leaves the help folder"),
    ("missing stylesheet", {"index_help_home.html": HOME_LINKING, "a.html": page()},
     "'help.css' names a missing file"),
    ("orphan page", folder(b_html=page()), "b.html: no other page links to it"),
    ("self link only", folder(b_html=page(body='<a href="b.html">me</a>')),
     "b.html: no other page links to it"),
    ("todo", folder(a_html=page(body="<p>TODO: write</p>")), "placeholder word 'TODO'"),
    ("tbd", folder(a_html=page(body="<p>Limits tbd.</p>")), "placeholder word 'tbd'"),
    ("lorem", folder(a_html=page(body="<p>Lorem ipsum</p>")), "placeholder word 'Lorem'"),
    ("utf-8 quote", folder(a_html=page(body="<p>it\u2019s</p>")), "is not plain ASCII"),
    ("unclosed element", folder(a_html=page(body="<ul><li>x</ul>")), "</ul> closes <li>"),
    ("never closed", folder(a_html=page(body="<div>x")), "is never closed"),
    ("no home page", {"a.html": page(), "help.css": ""}, "help home page is missing"),
]


def run(files, topics=()):
    with tempfile.TemporaryDirectory() as d:
        for name, text in files.items():
            with open(os.path.join(d, name), "wb") as f:
                f.write(text.encode("utf-8"))
        return check_help.check(d, list(topics))


class CheckHelpTest(unittest.TestCase):
    def test_sound_folder_passes(self):
        self.assertEqual(run(folder()), [])

    def test_each_fault_is_reported(self):
        for name, files, expected in CASES:
            with self.subTest(name):
                problems = run(files)
                self.assertTrue(any(expected in p for p in problems),
                                "%r not in %r" % (expected, problems))

    def test_named_topics_need_pages(self):
        self.assertEqual(run(folder(), ["a", "index_help_home"]), [])
        self.assertIn("nope.html: no page for topic 'nope'", run(folder(), ["nope"]))

    def test_words_containing_placeholders_pass(self):
        # "todos" and "Stbd" are not the placeholder words themselves.
        self.assertEqual(run(folder(a_html=page(body="<p>todos Stbd lorems</p>"))), [])

    def test_shipped_help_passes(self):
        problems = check_help.check(os.path.join(ROOT, "help"), [])
        self.assertEqual(problems, [])


if __name__ == "__main__":
    unittest.main()
