#!/usr/bin/env bash
# SPDX-License-Identifier: LicenseRef-proprietary
# Builds the Debian package, installs it, checks that what it installed is a
# well-formed desktop application, starts the installed program once, and
# removes the package again so that the check can run any number of times.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${BUILD_DIR:-build}
package=railpin-calculator
app_id=org.railpin.RailpinCalculator
prefix=/usr

sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
fi

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# A package left from an earlier version would be taken for this one.
rm -f "$build_dir"/"$package"_*.deb
make package BUILD_DIR="$build_dir"

debs=("$build_dir"/"$package"_*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
    echo "FAIL: expected exactly one $package package in $build_dir, found: ${debs[*]}" >&2
    exit 1
fi
deb=${debs[0]}
echo "Checking $deb"

# An empty Depends means the Qt libraries were not found in the binary, and the
# package would install on machines where the program cannot start.
depends=$(dpkg-deb -f "$deb" Depends)
if [[ "$depends" != *libqt6widgets6* ]]; then
    fail "Depends does not name the Qt widgets library: '$depends'"
fi

purge() {
    "${sudo[@]}" dpkg --purge "$package" > /dev/null || true
}
trap purge EXIT
"${sudo[@]}" dpkg -i "$deb"

desktop_file=$prefix/share/applications/$app_id.desktop
metainfo_file=$prefix/share/metainfo/$app_id.metainfo.xml

if desktop-file-validate "$desktop_file"; then
    echo "ok: $desktop_file"
else
    fail "desktop entry $desktop_file"
fi
if appstreamcli validate --no-net "$metainfo_file"; then
    echo "ok: $metainfo_file"
else
    fail "metainfo $metainfo_file"
fi

# The desktop entry must name the installed program and icon, and the metainfo
# must name the desktop entry, or the three are not tied together.
if ! grep -qx "Exec=railpin %F" "$desktop_file" || [ ! -x "$prefix/bin/railpin" ]; then
    fail "desktop entry does not start the installed $prefix/bin/railpin with the files given"
fi

# Job files open with the program: the entry claims their MIME type, and the
# installed shared-mime-info database knows *.railpin as that type.
job_type=application/x-railpin-job
if grep -qx "MimeType=$job_type;" "$desktop_file" &&
    grep -q "<mime-type type=\"$job_type\">" "$prefix/share/mime/packages/$app_id.xml" &&
    grep -q "^$job_type:\*\.railpin$" "$prefix/share/mime/globs"; then
    echo "ok: $job_type for *.railpin"
else
    fail "job files are not registered as $job_type"
fi
if ! grep -qx "Icon=$app_id" "$desktop_file"; then
    fail "desktop entry does not name the icon $app_id"
fi
if ! grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo_file"; then
    fail "metainfo does not launch $app_id.desktop"
fi

# The licence: the package's copyright file and the metainfo declare the same one.
copyright_file=$prefix/share/doc/$package/copyright
licence=LicenseRef-proprietary
if grep -q "^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" "$copyright_file" &&
    grep -qx "License: $licence" "$copyright_file"; then
    echo "ok: $copyright_file"
else
    fail "$copyright_file is missing or does not declare $licence"
fi
if ! grep -q "<project_license>$licence</project_license>" "$metainfo_file"; then
    fail "metainfo does not declare $licence"
fi

icon_dir=$prefix/share/icons/hicolor
check_icon() {
    local path=$1 expected=$2
    local kind
    kind=$(file -b "$path" 2>&1)
    if [[ "$kind" == *"$expected"* ]]; then
        echo "ok: $path"
    else
        fail "$path is '$kind', expected '$expected'"
    fi
}
check_icon "$icon_dir/scalable/apps/$app_id.svg" "SVG Scalable Vector Graphics image"
for size in 32 48 64 128; do
    check_icon "$icon_dir/${size}x${size}/apps/$app_id.png" "PNG image data, $size x $size"
done

# The program loads its windows and its sheets from modules installed beside
# it; the marks need neither. A module the program cannot find would show
# only when a window or a sheet is asked for, so both are asked for here.
for module in librailpin_window.so librailpin_print_outputs.so; do
    if dpkg -L "$package" | grep -q "^$prefix/lib/.*railpin/$module\$"; then
        echo "ok: $module installed"
    else
        fail "$module is not installed under $prefix/lib"
    fi
done
work=$(mktemp -d)
if "$prefix/bin/railpin" --marks --length 36 --width "1 3/8" --max-gap 4 | grep -qP "^1\t3 15/16\t4 5/8"; then
    echo "ok: $prefix/bin/railpin --marks"
else
    fail "$prefix/bin/railpin --marks did not write the marks"
fi
if "$prefix/bin/railpin" --pdf "$work/sheet.pdf" --length 36 --width "1 3/8" --max-gap 4 &&
    head -c 5 "$work/sheet.pdf" | grep -q "^%PDF-"; then
    echo "ok: $prefix/bin/railpin --pdf"
else
    fail "$prefix/bin/railpin --pdf did not write a sheet"
fi
rm -rf "$work"

# The program runs until it is closed, so still running when the timeout
# stops it (exit 124) is success; any earlier exit is a failed start.
set +e
QT_QPA_PLATFORM=offscreen timeout 3 "$prefix/bin/railpin"
status=$?
set -e
if [ "$status" -eq 124 ]; then
    echo "ok: $prefix/bin/railpin started and kept running"
else
    fail "$prefix/bin/railpin exited with status $status within 3 seconds"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures package check(s) failed" >&2
    exit 1
fi
echo "All package checks passed"
