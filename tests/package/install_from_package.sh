#!/usr/bin/env bash
# Packs the build tree given as $1 into a .deb, unpacks it into a scratch
# root as dpkg would install it, and runs the command-line tool from there:
# the programs must find their data through their own install prefix.
set -euo pipefail
build=$(realpath "$1")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

(cd "$build" && cpack -G DEB -B "$scratch/out" >/dev/null)
deb=$(echo "$scratch"/out/velacps_*_*.deb)
[ -f "$deb" ] || { echo "no velacps_<version>_<arch>.deb made" >&2; exit 1; }

# Computed dependencies, and the maintainer scripts that refresh the caches.
# (Outputs are taken whole: grep -q leaving a pipe early fails it under pipefail.)
depends=$(dpkg-deb --field "$deb" Depends)
grep -q 'libqt6core6' <<<"$depends" || { echo "Depends not computed" >&2; exit 1; }
control=$(dpkg-deb --ctrl-tarfile "$deb" | tar -t)
grep -q '^./postinst$' <<<"$control"
postinst=$(dpkg-deb --info "$deb" postinst)
grep -q 'update-mime-database' <<<"$postinst"

root=$scratch/root
dpkg -x "$deb" "$root"
expected=(
  usr/bin/velacps usr/bin/velacps-cli usr/bin/velacps-radiosim usr/lib/velacps/libvelacps-webpage.so
  "etc/xdg/Halvern/Vela LX Dealer CPS.ini"
  usr/share/applications/velacps.desktop
  usr/share/mime/packages/velacps.xml
  usr/lib/udev/rules.d/60-velacps-cable.rules
  usr/share/icons/hicolor/scalable/apps/velacps.svg
  usr/share/icons/hicolor/48x48/apps/velacps.png
  usr/share/icons/hicolor/128x128/apps/velacps.png
  usr/share/icons/hicolor/256x256/apps/velacps.png
  usr/share/velacps/profiletemplate/DataProfile.xsd
  usr/share/man/man1/velacps.1.gz usr/share/man/man1/velacps-cli.1.gz usr/share/man/man1/velacps-radiosim.1.gz
  usr/share/bash-completion/completions/velacps-cli
)
for file in "${expected[@]}"; do
  [ -e "$root/$file" ] || { echo "missing from the package: $file" >&2; exit 1; }
done
icon=$(file "$root/usr/share/icons/hicolor/48x48/apps/velacps.png")
grep -q '48 x 48' <<<"$icon"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml >/dev/null

export XDG_CONFIG_DIRS=$root/etc/xdg XDG_CONFIG_HOME=$scratch/config HOME=$scratch
cli=$root/usr/bin/velacps-cli
version=$("$cli" --version)
grep -q '^velacps-cli [0-9]' <<<"$version"
"$cli" check "$root/usr/share/velacps/profiletemplate/KUD51900.kv9"
# A template by name is looked up in the installed data.
"$cli" new KUD51900 "$scratch/new.kv9"
"$cli" check "$scratch/new.kv9"
echo "package installs and runs: $(basename "$deb")"
