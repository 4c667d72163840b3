# Shared by the build scripts: installs what the build needs on a Debian
# machine, configures and builds the two trees, and provides a display.

CN_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
CN_JOBS=${CN_JOBS:-$(nproc)}

CN_PACKAGES=(cmake ninja-build g++ python3 python3-pil python3-fonttools googletest libbenchmark-dev
             mingw-w64 g++-mingw-w64-i686-posix mingw-w64-tools
             wine wine32:i386 xvfb xauth x11-utils fp-utils libwine-dev)

cn_missing_packages() {
    local pkg missing=()
    for pkg in "${CN_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$pkg")
    done
    echo "${missing[@]}"
}

cn_install_packages() {
    local missing
    missing=$(cn_missing_packages)
    [ -z "$missing" ] && return 0
    echo "Installing: $missing"
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages and not root; install them first: $missing" >&2
        return 1
    fi
    dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing
}

# cn_build DIR [cmake options...]: configure once, then build (only the
# targets named in CN_BUILD_TARGETS when it is set).
cn_build() {
    local dir=$1
    shift
    if [ ! -f "$dir/build.ninja" ]; then
        cmake -S "$CN_ROOT" -B "$dir" -G Ninja "$@"
    fi
    cmake --build "$dir" -j "$CN_JOBS" ${CN_BUILD_TARGETS:+--target $CN_BUILD_TARGETS}
}

# The test builds keep assertions on (no NDEBUG). Natively the sanitizers
# want little optimisation and line tables; the Windows build is optimised
# like the program it ships.
cn_build_native() {
    cn_build "$CN_ROOT/build/native" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" "$@"
}
cn_build_win32() {
    cn_build "$CN_ROOT/build/win32" -DCMAKE_TOOLCHAIN_FILE="$CN_ROOT/cmake/mingw-w64-i686.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2" "$@"
}

# Starts a private X server when there is no display; it ends with the script.
cn_ensure_display() {
    [ -n "${DISPLAY:-}" ] && return 0
    local n
    for n in $(seq 90 120); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        CN_XVFB_PID=$!
        trap 'kill $CN_XVFB_PID 2>/dev/null || true' EXIT
        export DISPLAY=":$n"
        local i
        for i in $(seq 1 50); do
            [ -e "/tmp/.X11-unix/X$n" ] && return 0
            sleep 0.1
        done
        echo "Xvfb did not start on :$n" >&2
        return 1
    done
    echo "No free display number for Xvfb" >&2
    return 1
}

# Debian's Wine looks for its own TrueType faces in "<data dir>/../fonts",
# i.e. /usr/share/fonts, while fonts-wine puts them in /usr/share/wine/fonts;
# without Marlett the caption buttons show letters. Links to them in the
# prefix's Windows font folder, which Wine always reads, put that right.
cn_link_wine_fonts() {
    local fonts="$1/drive_c/windows/Fonts" face
    mkdir -p "$fonts"
    for face in /usr/share/wine/fonts/*.ttf; do
        [ -e "$face" ] || continue
        [ -e "$fonts/$(basename "$face")" ] || ln -s "$face" "$fonts/$(basename "$face")"
    done
}
