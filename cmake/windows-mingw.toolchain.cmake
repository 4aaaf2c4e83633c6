# Cross-builds for 64-bit Windows with MinGW-w64 (posix threads) and the Qt SDK for MinGW made
# by tools/build-qt-mingw.sh. The SDK is the folder holding bin/, lib/ and plugins/: the
# environment variable TESSARY_QT_MINGW, else build-qt-mingw/opt/qt6-mingw in the source tree,
# where .ci/run unpacks it. Qt's own toolchain file picks the compilers and finds the SDK.
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
include("${TESSARY_QT_MINGW}/lib/cmake/Qt6/qt.toolchain.cmake")
