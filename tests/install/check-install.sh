#!/usr/bin/env bash
# The installed layout: files in place and valid, the tool and the program running from another
# working directory, the program translated from the installed folder; then the project
# configured as another project's subproject. Arguments: cmake, build folder, source folder.
set -euo pipefail
cmake=$1 build=$2 source=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
root=$scratch/root
app=org.orv.RdmController

fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR=$root "$cmake" --install "$build" --prefix /usr >"$scratch/install.log" || fail "cmake --install: $(cat "$scratch/install.log")"

for file in bin/orv-rdm-controller bin/orv-rdm-cli share/applications/$app.desktop share/metainfo/$app.metainfo.xml \
    share/icons/hicolor/scalable/apps/$app.svg share/icons/hicolor/16x16/apps/$app.png \
    share/icons/hicolor/256x256/apps/$app.png share/orv-rdm-controller/translations/orv_rdm_controler_de.qm \
    share/orv-rdm-controller/translations/orv_rdm_controler_en.qm share/orv-rdm-controller/translations/orv_rdm_controler_pl.qm \
    lib/udev/rules.d/60-orv-rb604.rules share/bash-completion/completions/orv-rdm-cli \
    share/doc/orv-rdm-controller/copyright share/doc/orv-rdm-controller/changelog.Debian.gz; do
    [ -f "$root/usr/$file" ] || fail "not installed: usr/$file"
done

desktop-file-validate "$root/usr/share/applications/$app.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/$app.metainfo.xml" >"$scratch/appstream.log" 2>&1 ||
    fail "appstreamcli validate: $(cat "$scratch/appstream.log")"

mkdir "$scratch/elsewhere"
cd "$scratch/elsewhere"
RB604_SIMULATOR=demo "$root/usr/bin/orv-rdm-cli" report >report.json 2>report.log || fail "installed orv-rdm-cli report: $(cat report.log)"
grep -q '"uid": "7FF1:00010001"' report.json || fail "installed orv-rdm-cli report lacks the demo rig"

# German chosen in the language file; no translation in this folder or beside the executable.
printf '<ini device="Rb604">\n <lang>de</lang>\n</ini>\n' >Rb604.rbi
installed_de=$root/usr/share/orv-rdm-controller/translations/orv_rdm_controler_de.qm
# A session of its own, so the program and its tracer end together.
RB604_SIMULATOR=demo QT_QPA_PLATFORM=offscreen setsid strace -f -qq -e trace=openat -o trace.txt \
    "$root/usr/bin/orv-rdm-controller" >gui.log 2>&1 </dev/null &
gui=$!
loaded=no
for _ in $(seq 1 300); do
    if grep -q "\"$installed_de\", O_RDONLY[^=]*= [0-9]" trace.txt 2>/dev/null; then
        loaded=yes
        break
    fi
    kill -0 "$gui" 2>/dev/null || break
    sleep 0.1
done
kill -TERM -- "-$gui" 2>/dev/null || true
wait "$gui" 2>/dev/null || true
[ "$loaded" = yes ] || fail "the installed program did not load $installed_de: $(cat gui.log)"

# As a subproject the generated files stay inside the project's own binary folder.
mkdir "$scratch/parent"
cat >"$scratch/parent/CMakeLists.txt" <<PARENT
cmake_minimum_required(VERSION 3.22)
project(Parent LANGUAGES CXX)
add_subdirectory("$source" orv)
PARENT
"$cmake" -S "$scratch/parent" -B "$scratch/parent/build" -G Ninja >"$scratch/parent.log" 2>&1 ||
    fail "configuring as a subproject: $(tail -20 "$scratch/parent.log")"
[ -f "$scratch/parent/build/orv/src/usb/interfaceids.h" ] || fail "subproject: interfaceids.h not in its binary folder"
[ ! -e "$scratch/parent/build/src" ] || fail "subproject: files generated into the parent's binary folder"
[ -f "$scratch/parent/build/orv/packaging/60-orv-rb604.rules" ] || fail "subproject: udev rule not in its binary folder"
echo "install layout checked"
