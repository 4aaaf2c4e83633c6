#!/bin/bash
# build-png-mingw.sh - a static libpng for Windows x86_64 (MinGW-w64, posix threads), which the
# windows preset links into the core, built from Debian 12's own libpng1.6 source package with
# Debian's patches. zlib is not built: it is Debian's libz-mingw-w64-dev
# (/usr/x86_64-w64-mingw32/lib/libz.a), linked statically. Takes about half a minute.
#
# Needs (Debian 12): gcc-mingw-w64-x86-64 libz-mingw-w64-dev dpkg-dev xz-utils
#
# Usage:  tools/windows/build-png-mingw.sh [all|sources|build|package]
#         all (default) = sources build package
# Environment (optional): WORK=DIR scratch folder (default build-png-mingw-work/ of the source
#         tree); LIBPNG_DEBVER pins the Debian source version (default: the newest).
# Result: $WORK/png-mingw-<version>.tar.xz, holding opt/png-mingw/{include,lib,LICENSES}; unpack
#         it into build-png-mingw/ of the source tree (or set TESSARY_PNG_MINGW to its
#         opt/png-mingw).
set -euo pipefail

HERE=$(cd "$(dirname "$0")" && pwd)
WORK=${WORK:-$HERE/../../build-png-mingw-work}
mkdir -p "$WORK"
WORK=$(cd "$WORK" && pwd)
HOST=x86_64-w64-mingw32
CC=$HOST-gcc-posix
AR=$HOST-ar
MINGW_SYSROOT=/usr/$HOST
APTDIR=$WORK/apt
SRCDIR=$WORK/src
BUILD=$WORK/build
SDKROOT=$WORK/sdk
PREFIX=$SDKROOT/opt/png-mingw

log() { printf '\n=== %s\n' "$*"; }
die() { echo "build-png-mingw.sh: $*" >&2; exit 1; }

need_tools() {
    local missing=() t
    for t in "$CC" "$AR" dpkg-source dpkg-parsechangelog apt-get xz; do
        command -v "$t" >/dev/null || missing+=("$t")
    done
    [ -f "$MINGW_SYSROOT/lib/libz.a" ] || missing+=("$MINGW_SYSROOT/lib/libz.a")
    [ ${#missing[@]} -eq 0 ] || die "missing: ${missing[*]}
  install: apt-get install gcc-mingw-w64-x86-64 libz-mingw-w64-dev dpkg-dev xz-utils"
}

srctree() {
    local d
    d=$(find "$SRCDIR" -mindepth 1 -maxdepth 1 -type d -name 'libpng1.6-[0-9]*' | sort | tail -n1)
    [ -n "$d" ] || die "no unpacked libpng1.6 source in $SRCDIR (run the sources step)"
    echo "$d"
}
debver() { dpkg-parsechangelog -l "$(srctree)/debian/changelog" -SVersion; }
upver() { local v; v=$(debver); v=${v#*:}; echo "${v%-*}"; }

APT_OPTS=(-o "Dir::Etc::sourcelist=$APTDIR/sources.list"
          -o "Dir::Etc::sourceparts=$APTDIR/sources.list.d"
          -o "Dir::State::Lists=$APTDIR/lists"
          -o "Dir::Cache=$APTDIR/cache")

step_sources() {
    # deb-src entries derived from this machine's own apt sources (same mirrors, suites,
    # components and keys, so Debian's security updates too), in a private apt setup: the
    # system's apt configuration and lists are not touched.
    log "sources: private deb-src setup in $APTDIR"
    rm -rf "$APTDIR"
    mkdir -p "$APTDIR/sources.list.d" "$APTDIR/lists/partial" "$APTDIR/cache/archives/partial"
    : > "$APTDIR/sources.list"
    local f n
    for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$f" ] || continue
        sed -n 's/^[[:space:]]*deb[[:space:]]\+/deb-src /p' "$f" >> "$APTDIR/sources.list"
    done
    sort -u -o "$APTDIR/sources.list" "$APTDIR/sources.list"
    n=$(grep -c . "$APTDIR/sources.list" || true)
    for f in /etc/apt/sources.list.d/*.sources; do
        [ -f "$f" ] || continue
        sed -e '/^[[:space:]]*#/d' -e 's/^Types:.*/Types: deb-src/' "$f" > "$APTDIR/sources.list.d/$(basename "$f")"
        n=$((n + $(grep -c '^Types:' "$f")))
    done
    [ "$n" -gt 0 ] || die "no apt sources found in /etc/apt"
    apt-get "${APT_OPTS[@]}" -qq update || echo "warning: some deb-src indexes failed to download; continuing"

    log "sources: apt-get source libpng1.6"
    mkdir -p "$SRCDIR"
    find "$SRCDIR" -mindepth 1 -maxdepth 1 -type d -exec rm -rf {} +
    # The newest version whose files the mirror serves (a security update's files may be
    # missing from a mirror that lists them).
    local versions v
    versions=${LIBPNG_DEBVER:-$(apt-cache "${APT_OPTS[@]}" showsrc libpng1.6 | sed -n 's/^Version: //p' | sort -rV)}
    for v in $versions; do
        if (cd "$SRCDIR" && apt-get "${APT_OPTS[@]}" source "libpng1.6=$v" >/dev/null 2>"$WORK/source.log"); then
            echo "libpng1.6 $(debver)  $(srctree)"
            return
        fi
        echo "libpng1.6 $v can't be downloaded: $(grep -m1 '^E:' "$WORK/source.log" || true)"
    done
    die "no libpng1.6 source package could be downloaded"
}

step_build() {
    local src o objs=()
    src=$(srctree)
    log "libpng $(upver) ($(debver)): compiled directly, static"
    rm -rf "$BUILD" "$PREFIX"
    mkdir -p "$BUILD" "$PREFIX/include" "$PREFIX/lib" "$PREFIX/LICENSES"
    # The library's own configuration as released (every reader and writer feature on, no
    # hardware-specific filter code); no build paths in the objects.
    cp "$src/scripts/pnglibconf.h.prebuilt" "$BUILD/pnglibconf.h"
    for o in png pngerror pngget pngmem pngpread pngread pngrio pngrtran pngrutil pngset pngtrans \
             pngwio pngwrite pngwtran pngwutil; do
        "$CC" -O2 -ffile-prefix-map="$WORK=." -I"$BUILD" -I"$MINGW_SYSROOT/include" \
            -c "$src/$o.c" -o "$BUILD/$o.o"
        objs+=("$BUILD/$o.o")
    done
    "$AR" rcsD "$PREFIX/lib/libpng.a" "${objs[@]}"
    install -m644 "$src/png.h" "$src/pngconf.h" "$BUILD/pnglibconf.h" "$PREFIX/include/"
    cp "$src/LICENSE" "$PREFIX/LICENSES/libpng-LICENSE"
    cp "$src/debian/copyright" "$PREFIX/LICENSES/libpng.debian-copyright"
    cp /usr/share/doc/libz-mingw-w64-dev/copyright "$PREFIX/LICENSES/zlib.debian-copyright"
    echo "libpng $(upver), Debian $(debver), static for $HOST; zlib: $MINGW_SYSROOT/lib/libz.a" \
        > "$PREFIX/BUILDINFO.txt"
    # Static use: nothing may be left to import from a DLL.
    ! "$HOST-nm" "$PREFIX/lib/libpng.a" | grep -q ' U __imp_' || die "libpng.a refers to DLL imports"
    ls -l "$PREFIX/lib/libpng.a"
}

step_package() {
    local tarball epoch
    [ -f "$PREFIX/lib/libpng.a" ] || die "nothing to package (run the build step)"
    tarball=$WORK/png-mingw-$(upver).tar.xz
    log "package: $tarball"
    # Reproducible: fixed order, owner and time (the Debian changelog's date).
    epoch=$(dpkg-parsechangelog -l "$(srctree)/debian/changelog" -STimestamp)
    tar -C "$SDKROOT" --sort=name --owner=0 --group=0 --numeric-owner --mtime="@$epoch" \
        -cJf "$tarball" opt/png-mingw
    ls -l "$tarball"
    sha256sum "$tarball"
}

STEP=${1:-all}
need_tools
case "$STEP" in
    all) step_sources; step_build; step_package ;;
    sources|build|package) "step_$STEP" ;;
    *) echo "usage: $0 [all|sources|build|package]" >&2; exit 2 ;;
esac
