# tessary-cli: the game folder's checks, listing, exports, imports, restores, mods and write-back
# from a script. Qt only for the wide arguments on Windows.
add_executable(tessary-cli
    cli/cli_arguments.cpp cli/cli_arguments.h
    cli/cli_commands.cpp cli/cli_commands.h
    cli/cli_context.h
    cli/cli_exchange.cpp
    cli/cli_library.cpp
    cli/cli_list.cpp
    cli/cli_mods.cpp
    cli/cli_restore.cpp
    cli/cli_steps.cpp
    cli/console_text.cpp cli/console_text.h
    cli/main.cpp
    cli/stop_signals.cpp cli/stop_signals.h
    cli/terminal_progress.cpp cli/terminal_progress.h
)
target_link_libraries(tessary-cli PRIVATE tessary_pictures tessary_mods tessary_app tessary_options tessary_core)
set_target_properties(tessary-cli PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
install(TARGETS tessary-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
include(${PROJECT_SOURCE_DIR}/tests/tools/tools_tests.cmake)
