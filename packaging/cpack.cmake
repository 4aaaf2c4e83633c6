# `cpack` in a build folder: on Windows an NSIS installer (Start-menu entry, uninstaller) and a
# zip; on Linux a .deb.
set(CPACK_PACKAGE_NAME Tessary)
set(CPACK_PACKAGE_VENDOR "Quenby's Tools")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Edits the menu artwork of the racing game Grand Prix 4")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Tessary)
# The Start-menu entry: bin/tessary.exe as "Tessary".
set(CPACK_PACKAGE_EXECUTABLES tessary Tessary)
set(CPACK_STRIP_FILES ON)

if(WIN32)
    set(CPACK_GENERATOR NSIS ZIP)
    set(CPACK_SYSTEM_NAME win64)
    # A 64-bit installer for a 64-bit program: it runs where the program runs, Wine's wine64
    # included, and writes to the 64-bit Program Files and registry.
    set(CPACK_NSIS_DEFINES "Target amd64-unicode")
    set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
    set(CPACK_NSIS_PACKAGE_NAME "Tessary ${PROJECT_VERSION}")
    set(CPACK_NSIS_DISPLAY_NAME "Tessary ${PROJECT_VERSION}")
    set(CPACK_NSIS_INSTALLED_ICON_NAME "bin\\\\tessary.exe")
    set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
    set(CPACK_NSIS_MUI_FINISHPAGE_RUN tessary.exe)
else()
    set(CPACK_GENERATOR DEB)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quenby's Tools <tessary@quenby.org>")
    set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
    # The libraries the programs link, found by dpkg-shlibdeps. Debian's libqt6gui6 holds the X11
    # platform plugin as well; .ci/deb_dependencies_complete.sh checks that nothing is missing.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()

include(CPack)
