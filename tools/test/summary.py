#!/usr/bin/env python3
"""Sums the GoogleTest XML results and fuzz outcomes of one test run."""
import pathlib
import sys
import xml.etree.ElementTree as ET

EXPECTED = ["native_tests", "demo_tests", "unit_tests", "e2e_tests", "e2e_display_small", "e2e_display_desktop"]


def main(folder: str) -> int:
    root = pathlib.Path(folder)
    passed = failed = skipped = 0
    for name in EXPECTED:
        path = root / f"{name}.xml"
        if not path.exists():
            print(f"{name}: no results (the layer did not run or crashed)")
            failed += 1
            continue
        suite = ET.parse(path).getroot()
        tests = int(suite.get("tests", 0))
        fails = int(suite.get("failures", 0)) + int(suite.get("errors", 0))
        skips = int(suite.get("skipped", 0)) + int(suite.get("disabled", 0))
        print(f"{name}: {tests - fails - skips} passed, {fails} failed, {skips} skipped")
        passed += tests - fails - skips
        failed += fails
        skipped += skips
    for fuzz in sorted(root.glob("*.fuzz")):
        ok = fuzz.read_text().strip() == "pass"
        print(f"{fuzz.stem}: {'passed' if ok else 'FAILED'}")
        passed += ok
        failed += not ok
    print(f"{passed} passed, {failed} failed" + (f", {skipped} skipped" if skipped else ""))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
