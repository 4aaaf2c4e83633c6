# Cross-builds for 64-bit Windows with MinGW-w64 (posix threads), the Qt SDK for MinGW made
# by tools/build-qt-mingw.sh and the static libarchive SDK. The Qt SDK is the folder holding
# bin/, lib/ and plugins/: the environment variable TESSARY_QT_MINGW, else
# build-qt-mingw/opt/qt6-mingw in the source tree, where .ci/run unpacks it. Qt's own
# toolchain file picks the compilers and finds the SDK.
if(DEFINED ENV{TESSARY_QT_MINGW})
    set(TESSARY_QT_MINGW "$ENV{TESSARY_QT_MINGW}")
else()
    set(TESSARY_QT_MINGW "${CMAKE_CURRENT_LIST_DIR}/../build-qt-mingw/opt/qt6-mingw")
endif()
get_filename_component(TESSARY_QT_MINGW "${TESSARY_QT_MINGW}" ABSOLUTE)
if(NOT EXISTS "${TESSARY_QT_MINGW}/lib/cmake/Qt6/qt.toolchain.cmake")
    message(FATAL_ERROR "No Qt SDK for MinGW in ${TESSARY_QT_MINGW}: unpack qt6-mingw-6.4.2.tar.xz "
                        "into build-qt-mingw/ (tools/build-qt-mingw.sh makes it), or set TESSARY_QT_MINGW.")
endif()
# The static libarchive SDK for MinGW made by tools/windows/build-archive-mingw.sh (with liblzma
# and bzip2; zlib from Debian's libz-mingw-w64-dev): TESSARY_ARCHIVE_MINGW, else
# build-archive-mingw/opt/archive-mingw in the source tree, where .ci/run unpacks it.
if(DEFINED ENV{TESSARY_ARCHIVE_MINGW})
    set(TESSARY_ARCHIVE_MINGW "$ENV{TESSARY_ARCHIVE_MINGW}")
else()
    set(TESSARY_ARCHIVE_MINGW "${CMAKE_CURRENT_LIST_DIR}/../build-archive-mingw/opt/archive-mingw")
endif()
get_filename_component(TESSARY_ARCHIVE_MINGW "${TESSARY_ARCHIVE_MINGW}" ABSOLUTE)
if(NOT EXISTS "${TESSARY_ARCHIVE_MINGW}/lib/cmake/LibArchive/LibArchiveConfig.cmake")
    message(FATAL_ERROR "No libarchive SDK for MinGW in ${TESSARY_ARCHIVE_MINGW}: unpack archive-mingw-3.6.2.tar.xz "
                        "into build-archive-mingw/ (tools/windows/build-archive-mingw.sh makes it), or set TESSARY_ARCHIVE_MINGW.")
endif()
# Qt's toolchain file makes packages under these prefixes findable when cross-compiling.
list(APPEND QT_ADDITIONAL_PACKAGES_PREFIX_PATH "${TESSARY_ARCHIVE_MINGW}")
include("${TESSARY_QT_MINGW}/lib/cmake/Qt6/qt.toolchain.cmake")
