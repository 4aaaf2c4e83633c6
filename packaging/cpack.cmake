# `cpack` in a build folder: on Windows an NSIS installer (Start-menu entry, uninstaller) and a
# zip; on Linux a .deb.
set(CPACK_PACKAGE_NAME Tessary)
set(CPACK_PACKAGE_VENDOR "Quenby's Tools")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Edits the menu artwork of the racing game Grand Prix 4")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Tessary)
# One entry for every version, so that installing a new one replaces the old.
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Tessary)
set(CPACK_RESOURCE_FILE_LICENSE ${TESSARY_LICENSE_FILE})
# The Start-menu entry: bin/tessary.exe as "Tessary".
set(CPACK_PACKAGE_EXECUTABLES tessary Tessary)
set(CPACK_STRIP_FILES ON)
# Values reach the packagers as written here (no second round of CMake escapes).
set(CPACK_VERBATIM_VARIABLES ON)

if(WIN32)
    set(CPACK_GENERATOR NSIS ZIP)
    # The installer's pages speak the user's language: CPack's NSIS template loads the Modern
    # UI's languages (German, French, Italian, Spanish, Dutch, Polish and Brazilian Portuguese
    # among them), and the installer picks the one of the user's Windows, else English.
    set(CPACK_SYSTEM_NAME win64)
    # A 64-bit installer for a 64-bit program: it runs where the program runs, Wine's wine64
    # included, and writes to the 64-bit Program Files and registry. The Start-menu folder is
    # "Tessary", whatever the version. An uninstall leaves no empty key of the vendor's behind.
    # The line at the foot of every page names the program, not NSIS (CPack's own setting of it
    # trims the line, which makensis allows only on Windows).
    set(CPACK_NSIS_DEFINES "Target amd64-unicode
  BrandingText \"Tessary ${PROJECT_VERSION}\"\n")
    string(APPEND CPACK_NSIS_DEFINES [[  !define MUI_STARTMENUPAGE_DEFAULTFOLDER "Tessary"
Function un.onUninstSuccess
  DeleteRegKey /ifempty SHCTX "Software\Quenby's Tools"
FunctionEnd]])
    # The uninstaller runs from a copy of itself in %TEMP%\~nsu*.tmp, which can't remove itself
    # while it runs; NSIS has Windows remove it at the next start (PendingFileRenameOperations).

    # CPack's own NSIS template, with the uninstaller's last page added: it says that the
    # settings stay. The template's English texts (the question before installing over an
    # earlier version, and its failure) become ones in the user's language.
    file(READ ${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.template.in template)
    set(texts ${CMAKE_CURRENT_SOURCE_DIR}/windows/installer_texts.nsh)
    set(edits
        [[  !insertmacro MUI_UNPAGE_INSTFILES
]]
        [[  !insertmacro MUI_UNPAGE_INSTFILES
  !define MUI_FINISHPAGE_TEXT "$(TessarySettingsKept)"
  !insertmacro MUI_UNPAGE_FINISH
]]
        [[  !insertmacro MUI_LANGUAGE "Welsh"
]]
        "  !insertmacro MUI_LANGUAGE \"Welsh\"\n  !include /CHARSET=UTF8 \"${texts}\"\n"
        [["@CPACK_NSIS_PACKAGE_NAME@ is already installed. $\n$\nDo you want to uninstall the old version before installing the new one?"]]
        [["$(TessaryAlreadyInstalled)"]]
        [[MessageBox MB_OK|MB_ICONSTOP "Uninstall failed."]]
        [[MessageBox MB_OK|MB_ICONSTOP "$(TessaryUninstallFailed)"]])
    while(edits)
        list(POP_FRONT edits old new)
        string(FIND "${template}" "${old}" at)
        if(at EQUAL -1)
            message(FATAL_ERROR "CPack's NSIS template (CMake ${CMAKE_VERSION}) has no \"${old}\"")
        endif()
        string(REPLACE "${old}" "${new}" template "${template}")
    endwhile()
    file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/nsis/NSIS.template.in "${template}")
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${texts})
    list(PREPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_BINARY_DIR}/nsis)
    set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
    set(CPACK_NSIS_PACKAGE_NAME "Tessary ${PROJECT_VERSION}")
    set(CPACK_NSIS_DISPLAY_NAME "Tessary ${PROJECT_VERSION}")
    set(CPACK_NSIS_INSTALLED_ICON_NAME "bin\\tessary.exe")
    # The installer's own icon, and the program's icon at the top of its pages and beside the
    # first and the last.
    set(CPACK_NSIS_MUI_ICON ${CMAKE_CURRENT_SOURCE_DIR}/windows/tessary.ico)
    set(CPACK_NSIS_MUI_UNIICON ${CMAKE_CURRENT_SOURCE_DIR}/windows/tessary.ico)
    set(CPACK_PACKAGE_ICON ${CMAKE_CURRENT_SOURCE_DIR}/windows/installer-header.bmp)
    set(CPACK_NSIS_MUI_WELCOMEFINISHPAGE_BITMAP ${CMAKE_CURRENT_SOURCE_DIR}/windows/installer-welcome.bmp)
    set(CPACK_NSIS_MUI_UNWELCOMEFINISHPAGE_BITMAP ${CMAKE_CURRENT_SOURCE_DIR}/windows/installer-welcome.bmp)
    # Settings' Apps list: where it lives and how large it is; NoModify and NoRepair as the
    # DWORDs Windows reads (the template writes them as text).
    set(uninstall_key [[Software\Microsoft\Windows\CurrentVersion\Uninstall\Tessary]])
    set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS "
  WriteRegStr SHCTX \"${uninstall_key}\" \"InstallLocation\" \"$INSTDIR\"
  WriteRegDWORD SHCTX \"${uninstall_key}\" \"NoModify\" 1
  WriteRegDWORD SHCTX \"${uninstall_key}\" \"NoRepair\" 1
  SectionGetSize 0 $0
  WriteRegDWORD SHCTX \"${uninstall_key}\" \"EstimatedSize\" $0")
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
