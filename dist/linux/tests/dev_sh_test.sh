#!/usr/bin/env bash
# Without root and without sudo, dev.sh names the Debian packages a verb needs in one line on
# standard error and exits with status 1, before configuring anything. A stand-in dpkg-query
# reports every package missing; each verb's line must name what that verb needs and nothing
# that only another verb needs.
#   dev_sh_test.sh DEV_SH
set -euo pipefail
dev_sh=$1
if [ "$(id -u)" -ne 0 ] || ! command -v setpriv >/dev/null; then
  echo "skipped: running dev.sh as an unprivileged user needs root and setpriv"
  exit 77
fi

work=$(mktemp -d /tmp/kirv-dev-sh-XXXXXX)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
cp "$dev_sh" "$work/dev.sh"
mkdir "$work/bin"
for tool in bash dirname id grep cat env; do ln -s "$(command -v "$tool")" "$work/bin/$tool"; done
printf '#!/bin/sh\nexit 1\n' >"$work/bin/dpkg-query"
chmod 755 "$work/bin/dpkg-query"

# verb | packages its line names | packages its line must not name
cases=(
  "run|cmake qt6-base-dev libxcb1-dev|libgtest-dev libbenchmark-dev appstream xvfb dpkg-dev"
  "build|qt6-base-dev libgtest-dev libbenchmark-dev|dpkg-dev"
  "test|qt6-base-dev libgtest-dev desktop-file-utils appstream|dpkg-dev"
  "package|qt6-base-dev dpkg-dev|libgtest-dev libbenchmark-dev"
)
errors=0
for entry in "${cases[@]}"; do
  IFS='|' read -r verb named absent <<<"$entry"
  status=0
  setpriv --reuid=65534 --regid=65534 --clear-groups \
    env -i PATH="$work/bin" HOME="$work" bash "$work/dev.sh" "$verb" >"$work/out" 2>"$work/err" ||
    status=$?
  problems=()
  [ "$status" -eq 1 ] || problems+=("exit status $status, expected 1")
  [ ! -s "$work/out" ] || problems+=("wrote to standard output: $(cat "$work/out")")
  [ "$(grep -c '' "$work/err")" -eq 1 ] || problems+=("standard error is not one line: $(cat "$work/err")")
  for p in $named; do grep -qw -- "$p" "$work/err" || problems+=("does not name $p"); done
  for p in $absent; do ! grep -qw -- "$p" "$work/err" || problems+=("names $p"); done
  [ -z "$(find "$work" -maxdepth 1 -name 'build*')" ] || problems+=("created a build folder")
  if [ ${#problems[@]} -eq 0 ]; then
    echo "ok    dev.sh $verb"
  else
    echo "FAIL  dev.sh $verb" >&2
    printf '        %s\n' "${problems[@]}" >&2
    errors=$((errors + 1))
  fi
done
[ "$errors" -eq 0 ]
