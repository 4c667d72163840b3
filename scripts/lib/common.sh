# Shared by the build scripts: installs what the build needs on a Debian
# machine, configures and builds the two trees, and provides a display.

CN_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
CN_JOBS=${CN_JOBS:-$(nproc)}

CN_PACKAGES=(cmake ninja-build g++ python3 python3-pil python3-fonttools googletest libbenchmark-dev
             mingw-w64 g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix mingw-w64-tools
             wine wine32:i386 wine64 xvfb xauth x11-utils fp-utils libwine-dev openbox xdotool)

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
    # A mirror caught mid-sync fails one index or another; the lists it did
    # fetch still name every package the build needs, so go on with them and
    # let the install itself say what it cannot find.
    apt-get update -qq || apt-get update -qq ||
        echo "apt-get update reported errors; installing from the package lists it has" >&2
    # Without one architecture's security index (a mirror mid-sync), the
    # i386 libraries cannot match their amd64 twins' security versions; the
    # release's own versions exist for both, so take those then.
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing || {
        local release
        release=$(. /etc/os-release && echo "$VERSION_CODENAME")
        echo "Installing again with the versions of $release itself" >&2
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq -t "$release" $missing
    }
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
# The Windows tree is the program as it ships, for 32-bit Windows, where
# this machine runs 32-bit code; where it runs none (a host that runs only
# 64-bit code refuses every 32-bit program, and so Wine's 32-bit side), the
# same sources are built for 64-bit Windows, which Wine's 64-bit side runs.
cn_build_win32() {
    local dir="$CN_ROOT/build/win32" toolchain
    toolchain="$CN_ROOT/cmake/mingw-w64-$(cn_windows_cpu).cmake"
    if [ -f "$dir/CMakeCache.txt" ] && ! grep -qxF "CMAKE_TOOLCHAIN_FILE:UNINITIALIZED=$toolchain" "$dir/CMakeCache.txt" &&
        ! grep -qxF "CMAKE_TOOLCHAIN_FILE:FILEPATH=$toolchain" "$dir/CMakeCache.txt"; then
        echo "build/win32 was configured for another processor: configured afresh for $(cn_windows_cpu)"
        rm -rf "$dir/CMakeCache.txt" "$dir/CMakeFiles" "$dir/build.ninja"
    fi
    cn_build "$dir" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2" "$@"
}

# cn_build_shipped_program: where the Windows tree is built for 64-bit
# Windows, the program itself is built as it ships, for 32-bit Windows, in
# a tree of its own (build/win32-shipped), so that it keeps building
# without a warning; nothing runs it there. It runs the build machine's
# programs that the Windows tree, built first, made.
cn_build_shipped_program() {
    [ "$(cn_windows_cpu)" = i686 ] && return 0
    CN_BUILD_TARGETS=Corvinata cn_build "$CN_ROOT/build/win32-shipped" \
        -DCMAKE_TOOLCHAIN_FILE="$CN_ROOT/cmake/mingw-w64-i686.cmake" \
        -DCN_SAMPLE_GRAPH_MAKER_PROGRAM="$CN_ROOT/build/win32/host-tools/make_sample_graphs" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2"
}

# Whether this machine runs 32-bit x86 programs (Wine's own 32-bit loader,
# or the system's, asked for its version).
cn_runs_32bit_code() {
    local loader
    for loader in /usr/lib/wine/wine /lib/ld-linux.so.2; do
        [ -x "$loader" ] && "$loader" --version >/dev/null 2>&1 && return 0
    done
    return 1
}
# The processor the Windows tree is built for: i686, or x86_64 on a machine
# that runs no 32-bit code.
cn_windows_cpu() {
    if [ -z "${CN_WINDOWS_CPU:-}" ]; then
        if cn_runs_32bit_code; then CN_WINDOWS_CPU=i686; else CN_WINDOWS_CPU=x86_64; fi
        export CN_WINDOWS_CPU
    fi
    echo "$CN_WINDOWS_CPU"
}

# cn_start_xvfb: starts a private X server on the first free display number
# of CN_DISPLAYS ("first-last", by default 100-399, well above the numbers
# people pick by hand) and exports DISPLAY; CN_XVFB_PID is its process. Xvfb
# takes a number by creating its lock file, which only one server can do, so
# programs starting servers at the same moment never share one.
cn_start_xvfb() {
    local range=${CN_DISPLAYS:-100-399} n ready i
    ready=$(mktemp)
    for n in $(seq "${range%-*}" "${range#*-}"); do
        [ -e "/tmp/.X$n-lock" ] && continue
        : >"$ready"
        # The server writes its number into `ready` once it takes connections.
        # In a session of its own: a Ctrl+C at the terminal is for the
        # script, which ends its programs before the server goes.
        setsid Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -displayfd 3 3>"$ready" >/dev/null 2>&1 &
        CN_XVFB_PID=$!
        for i in $(seq 1 1500); do
            [ -s "$ready" ] && break
            kill -0 "$CN_XVFB_PID" 2>/dev/null || break
            sleep 0.02
        done
        if [ -s "$ready" ]; then
            rm -f "$ready"
            export DISPLAY=":$n"
            return 0
        fi
        # Another server took the number first (or this one is stuck).
        kill "$CN_XVFB_PID" 2>/dev/null || true
        wait "$CN_XVFB_PID" 2>/dev/null || true
    done
    rm -f "$ready"
    echo "No free display number for Xvfb in $range" >&2
    return 1
}

cn_stop_xvfb() {
    [ -n "${CN_XVFB_PID:-}" ] || return 0
    kill "$CN_XVFB_PID" 2>/dev/null || true
    wait "$CN_XVFB_PID" 2>/dev/null || true
    CN_XVFB_PID=
}

# Starts a private X server when there is no display; it ends with the script.
cn_ensure_display() {
    [ -n "${DISPLAY:-}" ] && return 0
    cn_start_xvfb || return 1
    trap cn_stop_xvfb EXIT
}

# Wine for the build's programs: a prefix of the Windows tree's word size,
# quiet, and the Mono and Gecko installers switched off so that nothing
# ever prompts. For a 64-bit tree `wine` is Wine's 64-bit loader: Debian's
# `wine` would take the 32-bit one whenever it is installed.
cn_wine_environment() {
    export WINEPREFIX=$1 WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    [ "$(cn_windows_cpu)" = x86_64 ] || return 0
    # A `wine` of another's (a test's stand-in) is left as it is.
    case "$(command -v wine)" in
    /usr/bin/wine | "$CN_ROOT/build/wine64-commands/wine") ;;
    *) return 0 ;;
    esac
    export WINEARCH=win64 WINELOADER=/usr/lib/wine/wine64
    cn_wine64_commands
}
# Puts a `wine` that runs Wine's 64-bit loader first on the PATH, in place
# of Debian's.
cn_wine64_commands() {
    local bin="$CN_ROOT/build/wine64-commands"
    case ":$PATH:" in *":$bin:"*) return 0 ;; esac
    if [ ! -x "$bin/wine" ]; then
        mkdir -p "$bin"
        # Programs started side by side may all make it: each its own copy.
        printf '#!/bin/sh\nexec /usr/lib/wine/wine64 "$@"\n' >"$bin/wine.$$"
        chmod +x "$bin/wine.$$"
        mv -f "$bin/wine.$$" "$bin/wine"
    fi
    export PATH="$bin:$PATH"
}

# cn_proc_words PID FILE WORDS: the words of a process's command line or
# environment (FILE: cmdline or environ), one an element of the array named
# WORDS. Read by the shell itself: on a machine busy with Wine a fork can
# take half a second, and a look may go over every process of the user.
cn_proc_words() {
    local -n words=$3
    words=()
    mapfile -d '' -t words 2>/dev/null <"/proc/$1/$2" || return 1
}

# cn_in_prefix PID: whether the process runs in the prefix of WINEPREFIX
# (its environment names it).
cn_in_prefix() {
    local entry entries
    cn_proc_words "$1" environ entries || return 1
    for entry in "${entries[@]}"; do
        [ "$entry" = "WINEPREFIX=$WINEPREFIX" ] && return 0
    done
    return 1
}

# cn_wine_prefix DIR: creates the prefix DIR once (whoever comes first; the
# others wait for it), booted by `wine wineboot` (Debian's own `wineboot`
# always runs the 32-bit loader). After the boot the prefix's services are
# still settling and hold the service database: a first COM client would
# then hang, so the boot waits for them to end.
cn_wine_prefix() {
    local dir=$1 stamp
    stamp=$(cn_wine_prefix_stamp "$dir")
    [ -f "$dir/.cn-prefix" ] && [ "$(cat "$dir/.cn-prefix")" = "$stamp" ] && return 0
    mkdir -p "$(dirname "$dir")"
    (
        flock 9
        [ -f "$dir/.cn-prefix" ] && [ "$(cat "$dir/.cn-prefix")" = "$stamp" ] && exit 0
        rm -rf "$dir"
        cn_wine_environment "$dir"
        wine wineboot -i >/dev/null 2>&1 </dev/null
        # A crash writes its backtrace into the program's output and ends
        # the program, rather than waiting for someone to close a dialog.
        wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1 </dev/null
        # The dialogs' "MS Shell Dlg" is Tahoma, as on the systems the
        # program runs on; without Wine's own faces it would be a stand-in
        # with other widths, and no text measured in it would mean anything.
        cn_link_wine_fonts "$dir"
        wineserver -w
        echo "$stamp" >"$dir/.cn-prefix"
    ) 9>"$dir.lock"
}

# cn_wine_prefix_stamp DIR: what a prefix made by cn_wine_prefix notes of
# itself: Wine's version and the prefix's word size (a 32-bit one only where
# that is all it notes, as prefixes made before always were).
cn_wine_prefix_stamp() {
    (
        cn_wine_environment "$1"
        arch=
        [ "$WINEARCH" = win64 ] && arch=" win64"
        echo "$(wine --version 2>/dev/null)$arch, no crash dialog, Wine's faces"
    )
}

# cn_wine_copy_prefix TEMPLATE DIR: DIR becomes a fresh copy of the prefix
# TEMPLATE. Wine's own libraries (nearly all of a prefix's 600 MB) are shared
# as hard links: they are installed once and never written in place. The rest
# (registry, settings files, the user's folders) is copied.
cn_wine_copy_prefix() {
    local template=$1 dir=$2
    rm -rf "$dir"
    cp -al "$template" "$dir"
    find "$dir" -type f ! -path "$dir/drive_c/windows/system32/*" ! -path "$dir/drive_c/windows/winsxs/*" \
        -exec sh -c 'for f; do cp -p "$f" "$f.copy" && mv -f "$f.copy" "$f"; done' sh {} +
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
