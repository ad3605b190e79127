#!/usr/bin/env bash
# Builds the Debian package with CPack from the build tree and checks what a desktop needs from
# it: both programs, the launcher, the icon, the case file type, the toolkit's Ukrainian texts and
# the dependencies that make it start on a fresh Debian 12.
# Usage: check_deb.sh BUILD_DIR
set -euo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >"$out/cpack.log" 2>&1 ||
    { cat "$out/cpack.log"; exit 1; }
deb=$(ls "$out"/ravelta_*.deb)
contents=$(dpkg-deb -c "$deb")
fail=0
for path in ./usr/bin/Ravelta ./usr/bin/ravelta-calc ./usr/share/applications/ravelta.desktop \
    ./usr/share/icons/hicolor/scalable/apps/ravelta.svg \
    ./usr/share/icons/hicolor/256x256/apps/ravelta.png ./usr/share/mime/packages/ravelta.xml \
    ./usr/share/ravelta/translations/qtbase_uk.qm; do
    if ! grep -q " $path\$" <<<"$contents"; then
        echo "missing from the package: $path"
        fail=1
    fi
done
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6gui6 libqt6core6 libssl3 qt6-qpa-plugins; do
    if ! grep -q "$library" <<<"$depends"; then
        echo "Depends lacks $library: $depends"
        fail=1
    fi
done
dpkg-deb -x "$deb" "$out/root"
launcher=$out/root/usr/share/applications/ravelta.desktop
if ! grep -qx 'Exec=Ravelta %f' "$launcher" || ! grep -qx 'Icon=ravelta' "$launcher"; then
    echo "the launcher does not start Ravelta with a file and its icon"
    fail=1
fi
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$launcher" || fail=1
fi
# The packaged calculator runs.
"$out/root/usr/bin/ravelta-calc" --help >/dev/null || { echo "ravelta-calc --help failed"; fail=1; }
[ "$fail" = 0 ] && echo "package $(basename "$deb") checked"
exit "$fail"
