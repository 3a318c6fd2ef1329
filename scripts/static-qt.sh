# Sourced by the scripts that build the game for another platform. Debian ships Qt for Linux
# alone, so the first build for Windows or for the browser on a machine builds a static Qt from
# Debian's own Qt source, the version the Linux build uses, into a cache outside the checkout:
# $XDG_CACHE_HOME/trundlex by default, or TRUNDLEX_CACHE. A change of Qt, compiler or options
# builds another.

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Debian's source entries, for the suites the machine installs from.
enable_source_packages() {
    apt-cache showsrc qt6-base 2>/dev/null | grep -q '^Package:' && return
    echo "Enabling Debian's source packages"
    for sources in /etc/apt/sources.list.d/*.sources; do
        [ -f "$sources" ] && grep -q '^Types:.*\bdeb\b' "$sources" || continue
        sed 's/^Types:.*/Types: deb-src/' "$sources" |
            as_root tee "/etc/apt/sources.list.d/trundlex-src-$(basename "$sources")" >/dev/null
    done
    if [ -f /etc/apt/sources.list ]; then
        sed -n 's/^deb /deb-src /p' /etc/apt/sources.list |
            as_root tee /etc/apt/sources.list.d/trundlex-src.list >/dev/null
    fi
    as_root apt-get update -q
}

# static_qt PLATFORM MINUTES WHAT...: sets qt, the static Qt's prefix for the platform, and
# origin, where it came from, building it first where the cache lacks it. MINUTES is how long
# that takes on two cores; WHAT, everything that tells one such Qt from another. The caller
# defines configure_qt SOURCE BUILD, which configures Qt's source for the prefix $qt.
static_qt() {
    platform=$1
    minutes=$2
    shift 2
    qt_version=$(dpkg-query -W -f '${source:Version}' qt6-base-dev)
    key=$(printf '%s\n' "$qt_version" "$@" | sha256sum | cut -c 1-12)
    cache=${TRUNDLEX_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/trundlex}
    qt=$cache/qt-${qt_version%%+*}-$platform-$key
    if [ -f "$qt/.complete" ]; then
        origin="taken from the cache in $qt"
        return
    fi
    echo "Building Qt for $platform into $qt: this takes $minutes minutes on two cores," \
        "once for this machine"
    started=$(date +%s)
    enable_source_packages
    work=$cache/qt-build-$key
    rm -rf "$work" "$qt"
    mkdir -p "$work" "$qt"
    (cd "$work" && apt-get source -q "qt6-base=$qt_version")
    configure_qt "$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*')" "$work/build"
    nice cmake --build "$work/build"
    cmake --install "$work/build"
    rm -rf "$work"
    touch "$qt/.complete"
    origin="built on this run in $((($(date +%s) - started) / 60)) min, into $qt"
}

# configure_game FOLDER ARGUMENTS...: configures the game in the folder with the static Qt. A
# folder configured with another Qt starts afresh, since CMake keeps the Qt it found first.
configure_game() {
    folder=$1
    shift
    fresh=""
    grep -qs "^Qt6_DIR:PATH=$qt/" "$folder/CMakeCache.txt" || fresh=--fresh
    "$qt/bin/qt-cmake" $fresh -S . -B "$folder" -G Ninja "$@"
}
