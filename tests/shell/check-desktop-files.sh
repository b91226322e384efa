#!/usr/bin/env bash
# Installs the build into a temporary prefix and validates the desktop entry
# and the AppStream metadata found there, and that the matrix and workspace
# files' types name *.kvm and *.kvw. Exit 77 (skipped) without the tools.
set -euo pipefail
build_dir=$1

for tool in desktop-file-validate appstreamcli update-mime-database; do
  if ! command -v "$tool" >/dev/null; then
    echo "skipped: $tool is not installed"
    exit 77
  fi
done

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build_dir" --prefix "$prefix" >/dev/null

share=$prefix/share
for file in applications/korvane.desktop icons/hicolor/scalable/apps/korvane.svg \
            metainfo/korvane.metainfo.xml mime/packages/korvane.xml; do
  [ -f "$share/$file" ] || { echo "not installed: share/$file"; exit 1; }
done
for program in korvane korvane-cli; do
  if [ -f "$build_dir/$program" ] && [ ! -x "$prefix/bin/$program" ]; then
    echo "not installed: bin/$program"
    exit 1
  fi
done

desktop-file-validate "$share/applications/korvane.desktop"
appstreamcli validate --no-net "$share/metainfo/korvane.metainfo.xml"
update-mime-database "$share/mime"
grep -qx 'application/x-korvane-matrix:\*\.kvm' "$share/mime/globs" ||
  { echo "the matrix file type does not name *.kvm"; exit 1; }
grep -qx 'application/x-korvane-workspace:\*\.kvw' "$share/mime/globs" ||
  { echo "the workspace file type does not name *.kvw"; exit 1; }
grep -q '^MimeType=application/x-korvane-matrix;application/x-korvane-workspace;$' \
  "$share/applications/korvane.desktop" ||
  { echo "the desktop entry does not open matrix and workspace files"; exit 1; }
echo "desktop entry, metainfo and the file types are valid"
