# Windows: each program's icon (made from the SVG icon by windows/make_icons.py), its version
# and its application manifest (long paths, UTF-8 as the code page, per-monitor DPI, Windows
# 10 and 11), compiled into the .exe.
function(tessary_windows_resources target description)
    set(RC_NAME ${target})
    set(RC_FILE ${target}.exe)
    set(RC_DESCRIPTION "${description}")
    set(RC_ICON ${CMAKE_CURRENT_SOURCE_DIR}/windows/tessary.ico)
    set(RC_MANIFEST ${CMAKE_CURRENT_BINARY_DIR}/${target}.manifest)
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
    configure_file(windows/program.manifest.in ${RC_MANIFEST} @ONLY)
    configure_file(windows/program.rc.in ${rc} @ONLY)
    target_sources(${target} PRIVATE ${rc})
    # The resource compiler does not report the files the .rc takes in.
    set_source_files_properties(${rc} TARGET_DIRECTORY ${target} PROPERTIES OBJECT_DEPENDS "${RC_ICON};${RC_MANIFEST}")
endfunction()

tessary_windows_resources(tessary "Tessary")
tessary_windows_resources(tessary-cli "Tessary command line")
