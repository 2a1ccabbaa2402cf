#!/usr/bin/env bash
# Builds Kvistra alone and then starts it ("run"), runs every test ("test") or
# builds its Debian package ("package", build-package/kvistra_*.deb). On a
# fresh Debian 12 machine it first installs the packages that are missing.
# "run" starts the program in the folder it was called from, which is where
# the program keeps its data files.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
what=${1:-}
case $what in
run | test | package) ;;
*)
    echo "usage: bash tools/kvistra.sh run|test|package" >&2
    exit 2
    ;;
esac

# fonts-liberation: an Arial-like font that fits the windows' fixed layouts,
# which were drawn for a narrow sans-serif. qt6-translations-l10n: Qt's own
# texts (context menus of the text boxes, say) in Swedish. qt6-charts-dev:
# the progress chart of a course; its CMake files need Qt6OpenGL, whose
# libqt6opengl6-dev qt6-base-dev only recommends.
packages=(cmake make g++ qt6-base-dev qt6-charts-dev libqt6opengl6-dev fonts-liberation qt6-translations-l10n)
# The tests build the benchmarks (bench/) as well, without running them, and
# run again in a clang build (clang, libclang-rt-14-dev) with AddressSanitizer
# and UndefinedBehaviorSanitizer, which also builds the fuzz targets; strace
# kills or fails every store at each of its calls.
if [ "$what" = test ]; then
    packages+=(libbenchmark-dev clang libclang-rt-14-dev strace)
fi
# The package: CPack's DEB generator finds the program's libraries with
# dpkg-shlibdeps (dpkg-dev) among the files that file(1) calls ELF. The
# tests check it with lintian, desktop-file-validate (desktop-file-utils)
# and appstreamcli (appstream).
if [ "$what" != run ]; then
    packages+=(dpkg-dev file)
fi
if [ "$what" = test ]; then
    packages+=(lintian desktop-file-utils appstream)
fi
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if ((${#missing[@]})); then
    as_root=()
    [ "$(id -u)" -eq 0 ] || as_root=(sudo)
    echo "Installing ${missing[*]}"
    "${as_root[@]}" apt-get update -qq
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
fi

# Builds the package from the sources in $1, in $1/build-package, as Debian
# builds packages: the hardened flags of dpkg-buildflags, which also write
# the source folder as ".", the build folder written as "build-package",
# and every time in the archives SOURCE_DATE_EPOCH's, the last commit's. The same sources give the same package byte for byte,
# wherever and whenever they are built. Further arguments go to cmake.
configure_package() {
    local source=$1 build=$1/build-package
    shift
    (
        cd "$source"
        eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
        cmake -S "$source" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DKVISTRA_BENCH=OFF \
            -DCMAKE_CXX_FLAGS="$CXXFLAGS $CPPFLAGS -ffile-prefix-map=$build/=build-package/" \
            -DCMAKE_EXE_LINKER_FLAGS="$LDFLAGS" "$@" >/dev/null
    )
}
build_package() {
    if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
        SOURCE_DATE_EPOCH=$(git -C "$root" log -1 --format=%ct) ||
            { echo "The package takes its time from the last commit: set SOURCE_DATE_EPOCH outside git" >&2; exit 1; }
    fi
    export SOURCE_DATE_EPOCH
    configure_package "$root"
    cmake --build "$root/build-package" -j"$(nproc)"
    rm -f "$root"/build-package/kvistra_*.deb
    (cd "$root/build-package" && cpack >/dev/null)
    deb=$(echo "$root"/build-package/kvistra_*.deb)
}
if [ "$what" = package ]; then
    build_package
    echo "$deb"
    exit
fi

# Checks the package without installing it: its files and their modes,
# lintian, the desktop entry, the AppStream file, the program run from the
# unpacked package without a display, and a second package built later from
# a copy of the sources in another folder, which must be the same byte for
# byte. That build takes the program from the first one instead of compiling
# it again; the program itself is searched for the folder it was built in,
# before it is stripped.
check_package() {
    local work version program
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    fail() {
        echo "package check: $*" >&2
        exit 1
    }
    diff -u - <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { $3 = $4 = $5 = ""; print }' | tr -s ' ') <<'END' || fail "unexpected files"
-rwxr-xr-x root/root ./usr/bin/kvistra
-rwxr-xr-x root/root ./usr/bin/kvistra-launcher
-rw-r--r-- root/root ./usr/share/applications/se.kvistra.Kvistra.desktop
-rw-r--r-- root/root ./usr/share/doc/kvistra/changelog.gz
-rw-r--r-- root/root ./usr/share/doc/kvistra/copyright
-rw-r--r-- root/root ./usr/share/icons/hicolor/128x128/apps/se.kvistra.Kvistra.png
-rw-r--r-- root/root ./usr/share/icons/hicolor/256x256/apps/se.kvistra.Kvistra.png
-rw-r--r-- root/root ./usr/share/icons/hicolor/48x48/apps/se.kvistra.Kvistra.png
lrwxrwxrwx root/root ./usr/share/man/man1/kvistra-launcher.1.gz -> kvistra.1.gz
-rw-r--r-- root/root ./usr/share/man/man1/kvistra.1.gz
-rw-r--r-- root/root ./usr/share/metainfo/se.kvistra.Kvistra.metainfo.xml
END
    lintian --fail-on error,warning "$deb" || fail "lintian"
    dpkg-deb -x "$deb" "$work/unpacked"
    desktop-file-validate "$work/unpacked/usr/share/applications/se.kvistra.Kvistra.desktop" || fail "desktop entry"
    appstreamcli validate --no-net "$work/unpacked/usr/share/metainfo/se.kvistra.Kvistra.metainfo.xml" >/dev/null ||
        fail "AppStream file"

    version=$(sed -n 's/^project(Kvistra VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
    program=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$work/unpacked/usr/bin/kvistra")
    [ "$("${program[@]}" --version)" = "Kvistra $version" ] || fail "kvistra --version"
    "${program[@]}" --help | grep -q -- --version || fail "kvistra --help"
    local status=0
    "${program[@]}" --bogus 2>/dev/null || status=$?
    [ $status -eq 2 ] || fail "kvistra --bogus: status $status, not 2"

    if grep -qF "$root" "$root/build-package/kvistra"; then
        fail "the program holds the folder it was built in"
    fi
    mkdir "$work/copy"
    git -C "$root" ls-files -z -co --exclude-standard | tar -C "$root" --null -T - -cf - | tar -C "$work/copy" -xmf -
    configure_package "$work/copy" -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON
    cmake --build "$work/copy/build-package" --target kvistra_icons kvistra_manual kvistra_changelog >/dev/null
    cp "$root/build-package/kvistra" "$work/copy/build-package/"
    (cd "$work/copy/build-package" && cpack >/dev/null)
    cmp "$deb" "$work"/copy/build-package/kvistra_*.deb || fail "two builds differ"
    rm -rf "$work"
    trap - EXIT
}

build="$root/build"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
# To start the program, the program alone is built: not the tests and the
# benchmarks.
if [ "$what" = run ]; then
    cmake --build "$build" -j"$(nproc)" --target kvistra
    exec "$build/kvistra"
fi
cmake --build "$build" -j"$(nproc)"
(cd "$build" && ctest --output-on-failure -j"$(nproc)")

started=$SECONDS
build_package
check_package
echo "The package and its checks took $((SECONDS - started)) s: $deb"

# The same tests again, built by clang with AddressSanitizer and
# UndefinedBehaviorSanitizer and with warnings as errors; the fuzz targets
# run their seed corpus once.
sanitized="$root/build-clang"
CC=clang CXX=clang++ cmake -S "$root" -B "$sanitized" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKVISTRA_SANITIZE=ON \
    -DKVISTRA_WERROR=ON -DKVISTRA_FUZZ=ON >/dev/null
cmake --build "$sanitized" -j"$(nproc)"
cd "$sanitized"
ctest --output-on-failure -j"$(nproc)"
