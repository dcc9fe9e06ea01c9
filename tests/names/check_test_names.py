"""Every CTest name is short enough for one terminal line and the same from run to run.

People pick tests by name (ctest -R) and compare runs by name, so a name must not carry a
parameter's printed bytes (padding, pointers), which change from build to build.
Usage: check_test_names.py BUILD_DIR
"""
import re
import subprocess
import sys

LIMIT = 90


def names(build_dir):
    listing = subprocess.run(["ctest", "--test-dir", build_dir, "-N"], check=True,
                             capture_output=True, text=True).stdout
    return re.findall(r"^\s*Test\s+#\d+: (.*)$", listing, re.MULTILINE)


def main():
    build_dir = sys.argv[1]
    first = names(build_dir)
    problems = [f"{len(n)} characters: {n}" for n in first if len(n) >= LIMIT]
    problems += [f"printed parameter: {n}" for n in first if "GetParam" in n or "object <" in n]
    problems += [f"listed twice: {n}" for n in sorted(set(first)) if first.count(n) > 1]
    if names(build_dir) != first:
        problems.append("a second listing gives different names")
    for problem in problems:
        print("FAIL:", problem)
    print(f"{len(first)} test names checked")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
