#!/usr/bin/env python3
"""Runs the demo generator's tests and writes their counts where the test summary reads them.

    python3 demo/tests/run.py RESULT.xml
"""
import pathlib
import sys
import unittest
from xml.sax.saxutils import quoteattr


def main(argv):
    here = pathlib.Path(__file__).resolve().parent
    suite = unittest.defaultTestLoader.discover(str(here), top_level_dir=str(here))
    result = unittest.TextTestRunner(verbosity=1).run(suite)
    # The summary counts GoogleTest's attributes; the same names here.
    pathlib.Path(argv[1]).write_text(
        f"<testsuites name={quoteattr('demo_tests')} tests=\"{result.testsRun}\" "
        f"failures=\"{len(result.failures)}\" errors=\"{len(result.errors)}\" skipped=\"{len(result.skipped)}\"/>\n")
    return 0 if result.wasSuccessful() else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv))
