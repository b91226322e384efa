#!/usr/bin/env bash
# Checks the Debian package that `make package` built: its fields and files,
# lintian's verdict, and its two programs unpacked into a scratch folder and
# run on the system's libraries, the window under Xvfb.
set -euo pipefail
deb=$1

fail() { echo "check-package: $*" >&2; exit 1; }

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = korvane ] || fail "the package is not named korvane"
depends=$(field Depends)
echo "Depends: $depends"
case $depends in *-dev[\ ,]* | *-dev) fail "Depends names a -dev package" ;; esac
case "$depends, $(field Recommends)" in *texlive*) fail "TeX is more than a suggestion" ;; esac
# Computed from the programs' libraries, not written by hand.
for library in libqt6widgets6 libflint; do
  case $depends in *"$library"*) ;; *) fail "Depends lacks $library" ;; esac
done
case $(field Suggests) in *texlive-luatex*) ;; *) fail "Suggests lacks texlive-luatex" ;; esac

contents=$(dpkg-deb --contents "$deb" | awk '{print $NF}')
for file in usr/bin/korvane usr/bin/korvane-cli usr/share/applications/korvane.desktop \
            usr/share/icons/hicolor/scalable/apps/korvane.svg \
            usr/share/metainfo/korvane.metainfo.xml usr/share/mime/packages/korvane.xml \
            usr/share/man/man1/korvane.1.gz usr/share/man/man1/korvane-cli.1.gz \
            usr/share/doc/korvane/copyright usr/share/doc/korvane/changelog.gz; do
  grep -qx "\./$file" <<<"$contents" || fail "not in the package: /$file"
done

# Errors fail; warnings and notes are shown.
lintian --fail-on error --info "$deb" || fail "lintian found errors"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb --extract "$deb" "$root"
cli=$root/usr/bin/korvane-cli

# Outputs are captured before grep reads them: `grep -q` leaving a pipe early
# would kill the writer with SIGPIPE, which pipefail reports as a failure.
det_log=$(printf '2 4\n1 3\n' | "$cli" det)
grep -qx 'よって、行列式は、2です。' <<<"$det_log" ||
  fail "korvane-cli det does not find the determinant 2"

# The manual page names every command that korvane-cli --help lists.
usage=$("$cli" --help)
commands=$(awk '/^  COMMAND/ {on = 1; sub(/COMMAND/, "")} on && !/\|/ {exit} on' <<<"$usage")
manual=$(zcat "$root/usr/share/man/man1/korvane-cli.1.gz")
for command in $(grep -oE '[a-z][a-z-]*' <<<"$commands"); do
  grep -qE "^\.BR? ${command//-/\\\\-}( |,|\$)" <<<"$manual" || fail "korvane-cli.1 lacks $command"
done

# The window: after a few seconds the program still runs and has mapped a
# window of its class.
QT_QPA_PLATFORM=xcb xvfb-run -a bash -c '
  "$1" & pid=$!
  sleep 4
  kill -0 "$pid" 2>/dev/null || exit 1
  windows=$(xwininfo -root -tree)
  grep -q "(\"korvane\" \"Korvane\")" <<<"$windows" || { kill "$pid"; exit 1; }
  kill "$pid"' _ "$root/usr/bin/korvane" || fail "korvane did not start under Xvfb"
echo "the package korvane $(field Version) is complete, lintian-clean and runs"
