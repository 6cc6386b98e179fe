#!/usr/bin/env bash
# Builds the Debian package from an already built tree, unpacks it into a scratch root and
# checks what it installs: the programs, the files the front end looks for, the documents,
# the examples, the web page when the build was given one, the desktop entry and its icon; then runs the installed engine and, when the
# Python module is built, runs a project through the installed module with that Python.
# Usage: package_test.sh CPACK BUILD_DIR [PYTHON]
set -euo pipefail
cpack="$1"
build="$2"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/package" >/dev/null
debs=("$scratch"/package/velmar_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one velmar package, found: ${debs[*]}"
deb="${debs[0]}"
root="$scratch/root"
dpkg-deb -x "$deb" "$root"

[ "$(dpkg-deb -f "$deb" Package)" = velmar ] || fail "package name"
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "Depends lacks the Qt widgets library"

for program in usr/bin/velmar usr/bin/velmarui; do
    [ -x "$root/$program" ] || fail "$program is not an installed program"
done
for file in usr/share/velmar/back.bmp usr/share/velmar/velmar.png usr/share/velmar/info.doc \
    usr/share/velmar/readme.doc usr/share/velmar/Help/Disclaimer.txt \
    usr/share/doc/velmar/html/index.html usr/share/doc/velmar/html/screenshots/main-window.png \
    usr/share/doc/velmar/examples/typical.inp usr/share/doc/velmar/examples/README.md \
    usr/share/icons/hicolor/64x64/apps/velmar.png; do
    [ -s "$root/$file" ] || fail "$file missing or empty"
done
head -c 6 "$root/usr/share/velmar/info.doc" | grep -q '{\\rtf1' || fail "info.doc is not RTF"

# Every help text the front end ships is installed.
diff <(cd "$build/dist/Help" && ls) <(cd "$root/usr/share/velmar/Help" && ls) || fail "Help folder differs"
# Every picture the manual shows is installed beside it.
grep -o 'src="screenshots/[^"]*"' "$root/usr/share/doc/velmar/html/index.html" | sed 's/src="//; s/"$//' |
    while read -r picture; do
        [ -s "$root/usr/share/doc/velmar/html/$picture" ] || fail "manual picture $picture missing"
    done

# A build given the web page ships it whole.
page="$(sed -n 's/^VELMAR_WEB_PAGE_DIR:PATH=//p' "$build/CMakeCache.txt")"
if [ -n "$page" ]; then
    diff -r "$page" "$root/usr/share/velmar/web" >/dev/null || fail "the web page installed differs from $page"
fi

entry="$root/usr/share/applications/velmar.desktop"
report="$(desktop-file-validate "$entry" 2>&1)" || fail "desktop entry invalid: $report"
[ -z "$report" ] || fail "desktop entry: $report"
grep -qx 'Exec=velmarui' "$entry" || fail "desktop entry does not start velmarui"
grep -qx 'Icon=velmar' "$entry" || fail "desktop entry does not name the installed icon"

# The installed engine runs a shipped example from another folder.
mkdir "$scratch/work"
cp "$root/usr/share/doc/velmar/examples/typical.inp" "$scratch/work/"
(cd "$scratch/work" && "$root/usr/bin/velmar" typical.inp) || fail "installed engine failed"
grep -A1 '^RE TSS' "$scratch/work/Results.txt" | grep -qx '68.6514' || fail "unexpected TSS result"
# The installed Python module runs a shipped example, found where Debian's Python looks.
python="${3:-}"
if [ -n "$python" ]; then
    site="$root/usr/lib/python3/dist-packages"
    modules=("$site"/velmar.cpython-*.so)
    [ -f "${modules[0]}" ] || fail "the Python module is not installed in /usr/lib/python3/dist-packages"
    [ -s "$root/usr/share/doc/velmar/examples/python/removal_against_area.py" ] || fail "Python example missing"
    PYTHONPATH="$site" "$python" -c 'import sys, velmar
re_tss = velmar.Project.read(sys.argv[1]).run()["RE_TSS"]
assert abs(re_tss - 68.6514) < 1e-4, re_tss' "$root/usr/share/doc/velmar/examples/typical.inp" ||
        fail "the installed Python module did not run the example"
fi
echo "package $(basename "$deb") installs and runs"
