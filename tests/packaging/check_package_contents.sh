#!/usr/bin/env bash
# Builds the Debian package from the built tree into a folder of its own and reads it back
# with dpkg-deb, so that a package that no longer builds, or lost a file, shows in the normal
# test run. It installs nothing. Usage: check_package_contents.sh BUILD_DIR OUT_DIR
set -euo pipefail
build=$1
out=$2
fail() {
    echo "package check: $*" >&2
    exit 1
}
rm -rf "$out"
mkdir -p "$out"
if ! cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >"$out/cpack.log" 2>&1; then
    cat "$out/cpack.log" >&2
    fail "cpack failed"
fi
deb=$(ls "$out"/tessaly-vellum_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || fail "cpack wrote no .deb: $(cat "$out/cpack.log")"
dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' >"$out/contents.txt"
dpkg-deb -I "$deb" >"$out/info.txt"

missing=()
while read -r path; do
    grep -qxF "$path" "$out/contents.txt" || missing+=("$path")
done <<'LIST'
/usr/bin/tessaly
/usr/bin/vmcntrl
/usr/lib/tessaly/tessaly
/usr/lib/tessaly/Tessaly.hlp
/usr/lib/tessaly/ts.wav
/usr/lib/tessaly/MultiList.class
/usr/lib/tessaly/multdesc.class
/usr/lib/tessaly/framer.class
/usr/lib/tessaly/framer_list.class
/usr/lib/tessaly/mylist.class
/usr/lib/tessaly/myfont.class
/usr/lib/tessaly/createcolor.class
/usr/lib/vmcntrl/vmcntrl
/usr/lib/vmcntrl/vellum.hlp
/usr/lib/vmcntrl/template/0.fm
/usr/lib/vmcntrl/FORMS/
/usr/lib/vmcntrl/SAVED/
/usr/share/applications/tessaly.desktop
/usr/share/applications/vmcntrl.desktop
/usr/share/icons/hicolor/48x48/apps/tessaly.png
/usr/share/icons/hicolor/48x48/apps/vmcntrl.png
LIST
[ ${#missing[@]} -eq 0 ] || fail "the package lacks: ${missing[*]}"

grep -q '^ Package: tessaly-vellum$' "$out/info.txt" || fail "wrong package name: $(cat "$out/info.txt")"
depends=$(sed -n 's/^ Depends: //p' "$out/info.txt")
for library in libqt6widgets6 libqt6multimedia6 libc6; do
    grep -q "$library" <<<"$depends" || fail "Depends lacks $library: $depends"
done
echo "package $(basename "$deb"): $(wc -l <"$out/contents.txt") entries, depends on $depends"
