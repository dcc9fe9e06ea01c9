"""Every CTest name is short enough for one terminal line and the same from run to run.

People pick tests by name (ctest -R) and compare runs by name, so a name must not carry a
parameter's printed bytes (padding, pointers), which change from build to build. The same
holds for each GoogleTest program's own listing (--gtest_list_tests), where a row without a
printer shows up as its bytes.
Usage: check_test_names.py BUILD_DIR [GOOGLETEST_PROGRAM...]
"""
import re
import subprocess
import sys

LIMIT = 90


def names(build_dir):
    # From the build folder: CMake 3.18 (Debian 11) has no --test-dir.
    listing = subprocess.run(["ctest", "-N"], cwd=build_dir, check=True, capture_output=True,
                             text=True).stdout
    return re.findall(r"^\s*Test\s+#\d+: (.*)$", listing, re.MULTILINE)


def gtest_listing(program):
    return subprocess.run([program, "--gtest_list_tests"], check=True, capture_output=True,
                          text=True).stdout


def listing_problems(program):
    first = gtest_listing(program)
    problems = [f"printed bytes in {program}: {line.strip()}"
                for line in first.splitlines() if "object <" in line]
    if gtest_listing(program) != first:
        problems.append(f"a second listing of {program} differs")
    return problems


def main():
    build_dir = sys.argv[1]
    first = names(build_dir)
    problems = [f"{len(n)} characters: {n}" for n in first if len(n) >= LIMIT]
    problems += [f"printed parameter: {n}" for n in first if "GetParam" in n or "object <" in n]
    problems += [f"listed twice: {n}" for n in sorted(set(first)) if first.count(n) > 1]
    if names(build_dir) != first:
        problems.append("a second listing gives different names")
    for program in sys.argv[2:]:
        problems += listing_problems(program)
    for problem in problems:
        print("FAIL:", problem)
    print(f"{len(first)} test names checked")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
