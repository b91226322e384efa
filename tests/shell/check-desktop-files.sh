#!/usr/bin/env bash
# Installs the build into a temporary prefix and validates the desktop entry
# and the AppStream metadata found there. Exit 77 (skipped) without the tools.
set -euo pipefail
build_dir=$1

for tool in desktop-file-validate appstreamcli; do
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
            metainfo/korvane.metainfo.xml; do
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
echo "desktop entry and metainfo are valid"
