# Windows: the DLLs the programs load at run time, copied beside them in the build (so that
# the tests run under Wine) and installed beside them (installer and zip). Qt finds its plugins
# in the folders platforms/ and styles/ next to the program.
set(runtime_qt Qt6::Core Qt6::Gui Qt6::Widgets)
set(runtime_platforms Qt6::QWindowsIntegrationPlugin)
set(runtime_styles Qt6::QWindowsVistaStylePlugin)
# Only the tests need these: Qt Test, and the platform that needs no display.
set(runtime_test_qt Qt6::Test)
set(runtime_test_platforms Qt6::QOffscreenIntegrationPlugin)

# The compiler's own C++, GCC and threads runtime, which the programs and the Qt DLLs load,
# stripped of their symbols as the Qt DLLs are (libstdc++ shrinks from 24 MB to 2 MB).
set(runtime_mingw)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${found}" OR NOT EXISTS "${found}")
        message(FATAL_ERROR "${CMAKE_CXX_COMPILER} knows no ${dll}")
    endif()
    file(REAL_PATH "${found}" found)
    set(stripped ${CMAKE_CURRENT_BINARY_DIR}/mingw-runtime/${dll})
    add_custom_command(OUTPUT ${stripped}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/mingw-runtime
        COMMAND ${CMAKE_STRIP} --strip-unneeded -o ${stripped} ${found}
        DEPENDS ${found} VERBATIM)
    list(APPEND runtime_mingw ${stripped})
endforeach()

function(tessary_target_files out)
    set(files)
    foreach(target IN LISTS ARGN)
        list(APPEND files "$<TARGET_FILE:${target}>")
    endforeach()
    set(${out} ${files} PARENT_SCOPE)
endfunction()

tessary_target_files(qt_files ${runtime_qt} ${runtime_test_qt})
tessary_target_files(platform_files ${runtime_platforms} ${runtime_test_platforms})
tessary_target_files(style_files ${runtime_styles})
set(bin ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
add_custom_target(windows_runtime ALL DEPENDS ${runtime_mingw}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${bin}/platforms ${bin}/styles
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${runtime_mingw} ${qt_files} ${bin}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${platform_files} ${bin}/platforms
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${style_files} ${bin}/styles
    COMMENT "Copying the Qt and MinGW runtime DLLs beside the programs"
    VERBATIM)

tessary_target_files(qt_files ${runtime_qt})
tessary_target_files(platform_files ${runtime_platforms})
install(FILES ${runtime_mingw} ${qt_files} DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${platform_files} DESTINATION ${CMAKE_INSTALL_BINDIR}/platforms)
install(FILES ${style_files} DESTINATION ${CMAKE_INSTALL_BINDIR}/styles)
