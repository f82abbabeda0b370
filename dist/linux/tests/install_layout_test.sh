#!/usr/bin/env bash
# Installs a build into a temporary prefix and checks that exactly the expected files land in
# their GNU places, that kirv finds its logger program and its desktop module in the installed
# prefix, that the
# user unit starts the installed program and that the man pages, English and French, render
# without warnings and name the version and every command and option.
#   install_layout_test.sh BUILD_DIR INSTALLED_PROGRAM VERSION
set -euo pipefail
build=$1 program=$2 version=$3
libdir=$(sed -n 's/^CMAKE_INSTALL_LIBDIR:[A-Z]*=//p' "$build/CMakeCache.txt")
prefix=$(mktemp -d /tmp/kirv-install-XXXXXX)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

expected=(
  bin/kirv
  "$libdir/kirv/kirv-desktop.so"
  "$libdir/kirv/kirv-notify.so"
  lib/systemd/user/kirv-log.service
  libexec/kirv/kirv-log
  share/applications/org.kirv.kirv.desktop
  share/icons/hicolor/scalable/apps/org.kirv.kirv.svg
  share/man/fr/man1/kirv.1.gz
  share/man/man1/kirv.1.gz
  share/metainfo/org.kirv.kirv.metainfo.xml
)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("share/icons/hicolor/${size}x$size/apps/org.kirv.kirv.png")
done

errors=0
fail() {
  echo "FAIL: $*" >&2
  errors=$((errors + 1))
}

installed=$(cd "$prefix" && find . -type f | sed 's|^\./||' | sort)
wanted=$(printf '%s\n' "${expected[@]}" | sort)
if [ "$installed" != "$wanted" ]; then
  fail "installed files differ from the expected layout:"
  diff <(echo "$wanted") <(echo "$installed") | grep '^[<>]' | sed 's/^</  missing:/; s/^>/  unexpected:/' >&2
fi
for file in "${expected[@]}"; do
  [ -s "$prefix/$file" ] || fail "$file is empty or missing"
done
[ -x "$prefix/bin/kirv" ] || fail "bin/kirv is not executable"
[ -x "$prefix/libexec/kirv/kirv-log" ] || fail "libexec/kirv/kirv-log is not executable"
# Found from the installed kirv even when the prefix is not the configured one.
help=$("$prefix/bin/kirv" log --help 2>&1) || fail "kirv log --help fails: $help"
grep -qF -- "--data-dir" <<<"$help" || fail "kirv log --help does not describe --data-dir: $help"
version_said=$("$prefix/bin/kirv" --version 2>&1) || fail "kirv --version fails: $version_said"
[ "$version_said" = "kirv $version" ] || fail "kirv --version, from the desktop module, says: $version_said"

unit=$prefix/lib/systemd/user/kirv-log.service
grep -qx "ExecStart=$program log" "$unit" || fail "the unit does not run '$program log': $(grep ExecStart "$unit")"
grep -qx "Restart=on-failure" "$unit" || fail "the unit does not restart on failure"
grep -qx "WantedBy=default.target" "$unit" || fail "the unit cannot be enabled for the user session"

for page in "$prefix/share/man/man1/kirv.1.gz" "$prefix/share/man/fr/man1/kirv.1.gz"; do
  text=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$page" 2>/dev/null)
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "$page renders with warnings: $warnings"
  grep -q "KIRV $version" <<<"$text" || fail "$page does not name KIRV $version"
  for command in "kirv report" "kirv plan" "kirv graph" "kirv log" "--data-dir" "--metrics-dir" \
    "--version" "--help" "--date" "--json" "--csv" "--limit" "--monthly" "--daily" "--every" \
    "--from" "--count" "--warning" "--alert" "--period" "--at" "--width" "--scale" "--bits" \
    "--legend" "--no-legend" "--output"; do
    grep -qF -- "$command" <<<"$text" || fail "$page does not describe $command"
  done
done

[ "$errors" -eq 0 ] || exit 1
echo "install layout: ${#expected[@]} files in place"
