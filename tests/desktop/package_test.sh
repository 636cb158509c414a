#!/usr/bin/env bash
# Makes the Debian package from a build folder and checks it: lintian, the files it
# installs and their modes, its control fields, the stripped program, the desktop
# entry and the AppStream metainfo. Then checks that cmake --install makes the same
# tree, and that the build folder itself is a portable program folder.
#
#   package_test.sh BUILD_FOLDER SOURCE_FOLDER
set -euo pipefail

build=$(cd "$1" && pwd)
source=$(cd "$2" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

passes=0
failures=0

check() {
    local name=$1 expected=$2 actual=$3
    if [ "$expected" = "$actual" ]; then
        passes=$((passes + 1))
        echo "ok: $name"
    else
        failures=$((failures + 1))
        echo "FAIL: $name: expected '$expected', got '$actual'"
    fi
}

# Passes when the command succeeds; its output is shown on failure.
check_succeeds() {
    local name=$1 output
    shift
    if output=$("$@" 2>&1); then
        check "$name" yes yes
    else
        check "$name" yes no
        printf '%s\n' "$output"
    fi
}

finish() {
    echo "$passes passed, $failures failed"
    [ "$failures" -eq 0 ]
}

version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
deb="$work/cpack/zelvo_${version}_$(dpkg --print-architecture).deb"
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/cpack" >"$work/cpack.log" 2>&1 ||
    [ ! -f "$deb" ]; then
    cat "$work/cpack.log"
    check "cpack writes $(basename "$deb")" yes no
    finish
fi
check "cpack writes $(basename "$deb")" yes yes

# lintian exits 0 unless it finds an error; warnings are failures here as well.
if lintian --display-info "$deb" >"$work/lintian.log" 2>"$work/lintian.err"; then
    check "lintian runs and finds no error" yes yes
else
    check "lintian runs and finds no error" yes no
    cat "$work/lintian.err"
fi
cat "$work/lintian.log"
check "lintian errors and warnings" "" "$(grep -E '^[EW]: ' "$work/lintian.log" || true)"

# The package's files, relative to /usr, and the modes of everything in it.
dpkg-deb -c "$deb" >"$work/contents"
awk '$1 !~ /^d/ { sub(/^\.\/usr\//, "", $6); print $6 }' "$work/contents" | sort >"$work/files"

expected_files() {
    local skin file size
    echo bin/zelvo
    for skin in "$source"/skins/skin_*/; do
        for file in "$skin"*; do
            echo "share/zelvo/skin/$(basename "$skin")/$(basename "$file")"
        done
    done
    for file in "$source"/help/*.html "$source"/help/style.css; do
        echo "share/zelvo/help/$(basename "$file")"
    done
    echo share/zelvo/help.chm
    echo share/applications/org.zelvo.Zelvo.desktop
    for size in 16 22 24 32 48 64 128 256; do
        echo "share/icons/hicolor/${size}x$size/apps/zelvo.png"
    done
    echo share/icons/hicolor/scalable/apps/zelvo.svg
    echo share/metainfo/org.zelvo.Zelvo.metainfo.xml
    echo share/dbus-1/services/org.zelvo.Zelvo.SearchProvider.service
    echo share/gnome-shell/search-providers/org.zelvo.Zelvo.search-provider.ini
    echo share/krunner/dbusplugins/org.zelvo.Zelvo.desktop
    echo share/man/man1/zelvo.1.gz
    echo share/doc/zelvo/copyright
    echo share/doc/zelvo/changelog.gz
    echo share/lintian/overrides/zelvo
}
expected_files | sort >"$work/expected"
check "files in the package" "" "$(diff "$work/expected" "$work/files" || true)"
check "the bus starts the packaged program for the desktops' searches" \
    "Exec=/usr/bin/zelvo --search-provider" \
    "$(dpkg-deb --fsys-tarfile "$deb" |
        tar -xO ./usr/share/dbus-1/services/org.zelvo.Zelvo.SearchProvider.service | grep '^Exec=')"
check "skins in the package" 3 "$(grep -c '^share/zelvo/skin/skin_[a-z]*/mm.gif$' "$work/files")"
check "no portable marker in the package" "" "$(grep '/portable$' "$work/contents" || true)"

check "owners" "" "$(awk '$2 != "root/root"' "$work/contents")"
check "folder modes" "" "$(awk '$1 ~ /^d/ && $1 != "drwxr-xr-x"' "$work/contents")"
check "file modes" "" "$(awk '$1 !~ /^d/ && $6 != "./usr/bin/zelvo" && $1 != "-rw-r--r--"' "$work/contents")"
check "program mode" "-rwxr-xr-x" "$(awk '$6 == "./usr/bin/zelvo" { print $1 }' "$work/contents")"

field() { dpkg-deb -f "$deb" "$1"; }
check "package name" zelvo "$(field Package)"
check "version" "$version" "$(field Version)"
check "section" utils "$(field Section)"
check "priority" optional "$(field Priority)"
check "homepage" https://zelvo.org/ "$(field Homepage)"
check "maintainer" "The Zelvo developers <maintainers@zelvo.org>" "$(field Maintainer)"
depends=$(field Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//')
check "depends on the IPA Gothic font" fonts-ipafont-gothic "$(grep -x fonts-ipafont-gothic <<<"$depends" || true)"
check "depends on Qt Widgets (found by shlibdeps)" libqt6widgets6 "$(grep -x libqt6widgets6 <<<"$depends" || true)"
check "description has a long part" yes "$([ "$(field Description | wc -l)" -gt 3 ] && echo yes || echo no)"

dpkg-deb -x "$deb" "$work/root"
usr="$work/root/usr"
check "program is stripped" ", stripped" "$(file -b "$usr/bin/zelvo" | grep -o ', stripped$' || true)"
check "program has no debug sections" "" "$(readelf -SW "$usr/bin/zelvo" | grep -o '\.debug_[a-z]*' || true)"
for size in 16 22 24 32 48 64 128 256; do
    check "icon ${size}x$size is that size" "$size x $size" \
        "$(file -b "$usr/share/icons/hicolor/${size}x$size/apps/zelvo.png" | grep -o '[0-9]* x [0-9]*')"
done

desktop="$usr/share/applications/org.zelvo.Zelvo.desktop"
metainfo="$usr/share/metainfo/org.zelvo.Zelvo.metainfo.xml"
check "desktop-file-validate says nothing" "" "$(desktop-file-validate "$desktop" 2>&1)"
check "desktop entry and its actions run the installed program" "zelvo zelvo --toggle zelvo --quit" \
    "$(sed -n 's/^Exec=//p' "$desktop" | paste -sd ' ')"
check "desktop entry names the installed icon" "Icon=zelvo" "$(grep '^Icon=' "$desktop")"
check_succeeds "appstreamcli validate" appstreamcli validate --no-net "$metainfo"
check "metainfo launches the desktop entry" "$(basename "$desktop")" \
    "$(sed -n 's|.*<launchable type="desktop-id">\(.*\)</launchable>.*|\1|p' "$metainfo")"
check "manual page shows without warnings" "" \
    "$(LC_ALL=C.UTF-8 man --warnings -E UTF-8 -l -Tutf8 -Z "$usr/share/man/man1/zelvo.1.gz" 2>&1 >/dev/null)"

# cmake --install makes the same tree; only the lintian notes belong to the package.
cmake --install "$build" --prefix "$work/tree" >"$work/install.log"
(cd "$work/tree" && find . ! -type d | sed 's|^\./||' | sort) >"$work/tree-files"
check "cmake --install tree" "" \
    "$(grep -vx share/lintian/overrides/zelvo "$work/files" | diff - "$work/tree-files" || true)"

# The build folder runs as it is: portable, with the HTML help beside the program.
check "portable marker in the build folder" yes "$([ -f "$build/portable" ] && echo yes || echo no)"
check "HTML help in the build folder" "" \
    "$(cd "$source/help" && for file in *.html style.css; do cmp -s "$file" "$build/help/$file" || echo "$file"; done)"

finish
