#!/bin/bash
# build-qt-mingw.sh - makes the Qt SDK for Windows that the windows preset builds with: a minimal
# Qt 6.4.2 (Core, Gui, Widgets, Test; the windows, offscreen and minimal platforms; the
# windowsvista style) cross-built for x86_64 MinGW-w64 (posix threads, shared release DLLs)
# from Debian 12's own qt6-base source package, with Debian's security patches. Takes about
# 12 minutes on 2 cores.
#
# Needs (Debian 12): g++-mingw-w64-x86-64 ninja-build cmake perl xz-utils, and the host's
#   qt6-base-dev qt6-base-dev-tools 6.4.2 (moc, rcc and uic come from there).
# The source step adds a deb-src line for bookworm main when apt knows no qt6-base source
# (as root), then downloads the source package.
#
# Usage:  tools/windows/build-qt-mingw.sh [all|source|prepare|configure|build|install|package]
# Result: $WORK/qt6-mingw-6.4.2.tar.xz, holding ./opt/qt6-mingw; unpack it into build-qt-mingw/
#         of the source tree (or set TESSARY_QT_MINGW to its opt/qt6-mingw).
set -euo pipefail

HERE=$(cd "$(dirname "$0")" && pwd)
WORK=${WORK:-$HERE/../../build-qt-mingw-work}          # scratch folder: source, build, staging
mkdir -p "$WORK"
WORK=$(cd "$WORK" && pwd)
QTSRC_DIR=${QTSRC_DIR:-$WORK/qtsrc}                     # Debian source package files
VERSION=6.4.2+dfsg-10                                   # the host's Qt; its tools build this one
ORIG=$QTSRC_DIR/qt6-base_6.4.2+dfsg.orig.tar.xz
DEBIAN=$QTSRC_DIR/qt6-base_$VERSION.debian.tar.xz
SRC=$WORK/src/qtbase-everywhere-src-6.4.2
BUILD=$WORK/build
PREFIX=/opt/qt6-mingw                                   # prefix baked into the SDK
DESTDIR_ROOT=$WORK/prefix                               # install staging (DESTDIR)
TOOLCHAIN=$WORK/toolchain-mingw64-posix.cmake
TARBALL=$WORK/qt6-mingw-6.4.2.tar.xz
JOBS=${JOBS:-2}
NICE=${NICE:-nice -n 10}
STEP=${1:-all}

# ---------------------------------------------------------------------------
fetch_source() {
    local host
    host=$(dpkg-query -W -f '${Version}' qt6-base-dev 2>/dev/null || true)
    if [ "$host" != "$VERSION" ]; then
        echo "the host's qt6-base-dev is '${host:-not installed}', this script builds $VERSION" >&2
        exit 1
    fi
    if [ -f "$ORIG" ] && [ -f "$DEBIAN" ]; then
        return
    fi
    if ! apt-cache showsrc qt6-base 2>/dev/null | grep -q "^Version: $VERSION"; then
        cat > /etc/apt/sources.list.d/tessary-deb-src.sources <<'SOURCES'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
        apt-get update -qq
    fi
    mkdir -p "$QTSRC_DIR"
    (cd "$QTSRC_DIR" && apt-get source --download-only "qt6-base=$VERSION")
}

# ---------------------------------------------------------------------------
prepare() {
    # Unpack the Debian orig tarball + debian/ dir and apply the Debian patches
    # that matter for a Windows target (CVE fixes, plus harmless upstream ones).
    # The Debian-specific patches (cross.patch, force_shared_libzstd, armel
    # noyield, build-path) are not needed for this target and are skipped.
    rm -rf "$WORK/src"; mkdir -p "$WORK/src"
    tar -C "$WORK/src" -xf "$ORIG"
    tar -C "$WORK/src" -xf "$DEBIAN"
    for p in cve-2023-32762.diff cve-2023-32763.diff cve-2023-33285.diff \
             upstream_Add-HPPA-detection.patch upstream_Add-M68k-detection.patch \
             cve-2023-24607.patch remove_privacy_breaches.diff; do
        echo "applying $p"
        patch -d "$SRC" -p1 --forward < "$WORK/src/debian/patches/$p"
    done

    # CMake toolchain: MinGW-w64 with the *posix* thread model (std::thread
    # etc.), selected by the -posix compiler names (no update-alternatives).
    cat > "$TOOLCHAIN" <<'TOOLCHAIN_FILE'
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(TOOLCHAIN_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER   ${TOOLCHAIN_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TOOLCHAIN_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER  ${TOOLCHAIN_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TOOLCHAIN_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
TOOLCHAIN_FILE
}

# ---------------------------------------------------------------------------
configure_qt() {
    rm -rf "$BUILD"; mkdir -p "$BUILD"; cd "$BUILD"
    # Notes on the options:
    #  * -qt-host-path /usr + QT_HOST_PATH_CMAKE_DIR: Debian's host Qt keeps its
    #    CMake packages in /usr/lib/x86_64-linux-gnu/cmake (moc/rcc/uic come
    #    from there; no tools are built for Windows).
    #  * -no-feature-tabletevent: Debian's dfsg tarball removed
    #    src/3rdparty/wintab (wintab.h/pktdef.h) which the windows QPA plugin
    #    needs for tablet support.
    #  * -no-feature-direct2d1_1 (NOT -no-feature-direct2d): in 6.4.2 the
    #    DirectWrite font database/engine in QtGui are only compiled when
    #    feature direct2d is on, while the windows QPA plugin uses them under
    #    QT_CONFIG(directwrite3) -> with -no-feature-direct2d qwindows.dll fails
    #    to link (undefined QWindowsDirectWriteFontDatabase ctor). direct2d1_1
    #    off just skips the optional qdirect2d platform plugin.
    #  * only Core/Gui/Widgets/Test + qwindows + qwindowsvistastyle remain
    #    (plus the tiny minimal/offscreen QPA plugins and qico image plugin).
    $NICE "$SRC/configure" \
        -xplatform win32-g++ \
        -qt-host-path /usr \
        -prefix "$PREFIX" \
        -release -shared \
        -nomake examples -nomake tests \
        -qt-zlib -qt-pcre -qt-libpng -qt-harfbuzz -qt-freetype -qt-doubleconversion \
        -no-libjpeg -no-gif -no-zstd -no-icu \
        -no-opengl -no-dbus -no-feature-vulkan \
        -no-feature-sql -no-feature-network -no-feature-xml \
        -no-feature-printsupport -no-feature-concurrent \
        -no-feature-direct2d1_1 -no-feature-tabletevent \
        -- -G Ninja \
           -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" \
           -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
           -DQt6HostInfo_DIR=/usr/lib/x86_64-linux-gnu/cmake/Qt6HostInfo \
        2>&1 | tee "$WORK/configure.log"
    test "${PIPESTATUS[0]}" -eq 0
}

# ---------------------------------------------------------------------------
build_qt() {
    cd "$BUILD"
    local t0
    t0=$(date +%s)
    $NICE cmake --build . --parallel "$JOBS" 2>&1 | tee "$WORK/build.log"
    test "${PIPESTATUS[0]}" -eq 0
    echo "build wall time: $(( $(date +%s) - t0 )) s" | tee -a "$WORK/build.log"
}

install_qt() {
    cd "$BUILD"
    rm -rf "$DESTDIR_ROOT"
    DESTDIR="$DESTDIR_ROOT" $NICE cmake --install . 2>&1 | tee "$WORK/install.log"
    test "${PIPESTATUS[0]}" -eq 0

    # --- post-install fixups -------------------------------------------------
    local sdk=$DESTDIR_ROOT$PREFIX
    # 1. Ship the MinGW toolchain file inside the SDK and make qt.toolchain.cmake
    #    (used by bin/qt-cmake) chain-load it relative to itself instead of the
    #    absolute build-machine path it recorded at configure time.
    install -m644 "$TOOLCHAIN" "$sdk/lib/cmake/Qt6/mingw-w64-x86_64-posix.toolchain.cmake"
    sed -i 's|^set(__qt_initially_configured_toolchain_file ".*")|set(__qt_initially_configured_toolchain_file "${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64-posix.toolchain.cmake")|' \
        "$sdk/lib/cmake/Qt6/qt.toolchain.cmake"
    grep -q 'CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64-posix' "$sdk/lib/cmake/Qt6/qt.toolchain.cmake"
    # 2. Strip the Windows DLLs/plugins (CMake installs them unstripped).
    find "$sdk" -name '*.dll' -print -exec x86_64-w64-mingw32-strip --strip-unneeded {} \;
}

# ---------------------------------------------------------------------------
package_qt() {
    # Tarball paths are ./opt/qt6-mingw/...  ->  extract with: tar -C DIR -xJf qt6-mingw-6.4.2.tar.xz
    rm -f "$TARBALL"
    tar -C "$DESTDIR_ROOT" -cJf "$TARBALL" .
    ls -l "$TARBALL"
}

case $STEP in
    source)    fetch_source ;;
    prepare)   prepare ;;
    configure) configure_qt ;;
    build)     build_qt ;;
    install)   install_qt ;;
    package)   package_qt ;;
    all)       fetch_source; prepare; configure_qt; build_qt; install_qt; package_qt ;;
    *) echo "unknown step $STEP" >&2; exit 1 ;;
esac
