#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks that it holds what a desktop needs,
# valid by the desktop's own validators.
set -euo pipefail
build=$1 app_id=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

expected=(
  bin/korvane-tessaly
  share/applications/$app_id.desktop
  share/metainfo/$app_id.metainfo.xml
  share/icons/hicolor/scalable/apps/$app_id.svg
  share/icons/hicolor/48x48/apps/$app_id.png
  share/icons/hicolor/256x256/apps/$app_id.png
)
status=0
for file in "${expected[@]}"; do
  [[ -s $prefix/$file ]] || { echo "missing from the install: $file"; status=1; }
done
[[ -x $prefix/bin/korvane-tessaly ]] || { echo "korvane-tessaly is not executable"; status=1; }
for size in 48 256; do
  geometry=$(file -b "$prefix/share/icons/hicolor/${size}x${size}/apps/$app_id.png")
  [[ $geometry == *"$size x $size"* ]] || { echo "icon $size: $geometry"; status=1; }
done
desktop-file-validate "$prefix/share/applications/$app_id.desktop" || status=1
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$app_id.metainfo.xml" || status=1
exit $status
