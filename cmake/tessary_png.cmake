# libpng, with which the core reads and writes .png files, and zlib under it. On Linux the
# system's (libpng-dev). For Windows a static libpng made from Debian's libpng1.6 source by
# tools/windows/build-png-mingw.sh and unpacked into build-png-mingw/ of the source tree (or
# where TESSARY_PNG_MINGW points), and zlib's static library from libz-mingw-w64-dev.
if(WIN32 AND CMAKE_CROSSCOMPILING)
    if(DEFINED ENV{TESSARY_PNG_MINGW})
        set(png_mingw "$ENV{TESSARY_PNG_MINGW}")
    else()
        set(png_mingw "${PROJECT_SOURCE_DIR}/build-png-mingw/opt/png-mingw")
    endif()
    set(mingw_sysroot /usr/x86_64-w64-mingw32)
    if(NOT EXISTS "${png_mingw}/lib/libpng.a")
        message(FATAL_ERROR "No static libpng for MinGW in ${png_mingw}: tools/windows/build-png-mingw.sh makes "
                            "png-mingw-1.6.39.tar.xz; unpack it into build-png-mingw/, or set TESSARY_PNG_MINGW.")
    endif()
    if(NOT EXISTS "${mingw_sysroot}/lib/libz.a")
        message(FATAL_ERROR "No static zlib for MinGW in ${mingw_sysroot}/lib: apt-get install libz-mingw-w64-dev")
    endif()
    # The static libraries by name: the import library libz.dll.a would need zlib1.dll.
    set(PNG_PNG_INCLUDE_DIR "${png_mingw}/include" CACHE PATH "libpng's headers" FORCE)
    set(PNG_LIBRARY_RELEASE "${png_mingw}/lib/libpng.a" CACHE FILEPATH "libpng, static" FORCE)
    set(ZLIB_INCLUDE_DIR "${mingw_sysroot}/include" CACHE PATH "zlib's headers" FORCE)
    set(ZLIB_LIBRARY_RELEASE "${mingw_sysroot}/lib/libz.a" CACHE FILEPATH "zlib, static" FORCE)
endif()
find_package(PNG 1.6 REQUIRED)
