#!/usr/bin/env bash
# Builds Kvistra and then starts it ("run") or runs every test ("test").
# On a fresh Debian 12 machine it first installs the packages that are
# missing. "run" starts the program in the folder it was called from, which
# is where the program keeps its data files.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
what=${1:-}
case $what in
run | test) ;;
*)
    echo "usage: bash tools/kvistra.sh run|test" >&2
    exit 2
    ;;
esac

# fonts-liberation: an Arial-like font that fits the windows' fixed layouts,
# which were drawn for a narrow sans-serif. qt6-translations-l10n: Qt's own
# texts (context menus of the text boxes, say) in Swedish.
packages=(cmake make g++ qt6-base-dev fonts-liberation qt6-translations-l10n)
# The tests build the benchmarks (bench/) as well, without running them, and
# run again in a clang build (clang, libclang-rt-14-dev) with AddressSanitizer
# and UndefinedBehaviorSanitizer, which also builds the fuzz targets; strace
# kills or fails every store at each of its calls.
if [ "$what" = test ]; then
    packages+=(libbenchmark-dev clang libclang-rt-14-dev strace)
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

build="$root/build"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)"

if [ "$what" = run ]; then
    exec "$build/kvistra"
fi
(cd "$build" && ctest --output-on-failure -j"$(nproc)")

# The same tests again, built by clang with AddressSanitizer and
# UndefinedBehaviorSanitizer and with warnings as errors; the fuzz targets
# run their seed corpus once.
sanitized="$root/build-clang"
CC=clang CXX=clang++ cmake -S "$root" -B "$sanitized" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKVISTRA_SANITIZE=ON \
    -DKVISTRA_WERROR=ON -DKVISTRA_FUZZ=ON >/dev/null
cmake --build "$sanitized" -j"$(nproc)"
cd "$sanitized"
ctest --output-on-failure -j"$(nproc)"
