# Tests of make-sample-gamefolder and tessary-cli; included from tools/cli.cmake. They run the real
# programs, whose paths they are given at build time.
add_library(tessary_tool_test_support STATIC
    ${PROJECT_SOURCE_DIR}/tests/tools/tool_runs.cpp ${PROJECT_SOURCE_DIR}/tests/tools/tool_runs.h)
target_include_directories(tessary_tool_test_support PUBLIC ${PROJECT_SOURCE_DIR}/tests/tools)
target_link_libraries(tessary_tool_test_support PUBLIC Qt6::Core)

foreach(test_name test_sample_maker test_cli test_cli_commands test_cli_round_trip)
    add_executable(${test_name} ${PROJECT_SOURCE_DIR}/tests/tools/${test_name}.cpp)
    target_link_libraries(${test_name} PRIVATE Qt6::Test tessary_tool_test_support tessary_core)
    target_compile_definitions(${test_name} PRIVATE
        SAMPLE_MAKER_PATH="$<TARGET_FILE:make-sample-gamefolder>"
        TESSARY_CLI_PATH="$<TARGET_FILE:tessary-cli>")
    add_dependencies(${test_name} make-sample-gamefolder tessary-cli)
    add_test(NAME ${test_name} COMMAND ${test_name})
    set_tests_properties(${test_name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endforeach()
target_link_libraries(test_sample_maker PRIVATE tessary_sample)
target_link_libraries(test_cli_commands PRIVATE tessary_pictures)
target_link_libraries(test_cli_round_trip PRIVATE Qt6::Gui)

# Mods from the command line, installing the archives that make_mod_archives.py makes first.
add_executable(test_cli_mods ${PROJECT_SOURCE_DIR}/tests/tools/test_cli_mods.cpp)
target_link_libraries(test_cli_mods PRIVATE Qt6::Test tessary_tool_test_support tessary_test_support tessary_pictures tessary_mods)
target_compile_definitions(test_cli_mods PRIVATE
    SAMPLE_MAKER_PATH="$<TARGET_FILE:make-sample-gamefolder>" TESSARY_CLI_PATH="$<TARGET_FILE:tessary-cli>"
    MOD_ARCHIVES="${PROJECT_BINARY_DIR}/tests/mods/mod-archives")
add_dependencies(test_cli_mods make-sample-gamefolder tessary-cli)
add_test(NAME test_cli_mods COMMAND test_cli_mods)
set_tests_properties(test_cli_mods PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" FIXTURES_REQUIRED mod_archives TIMEOUT 300)
# The large sample's round trips take a minute or two each, several under Wine on a busy
# machine: beyond Qt Test's five minutes for one function.
set_tests_properties(test_cli_round_trip PROPERTIES TIMEOUT 1200
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QTEST_FUNCTION_TIMEOUT=900000")
target_compile_definitions(test_cli_commands PRIVATE STDERR_ON_TERMINAL="${PROJECT_SOURCE_DIR}/tests/tools/stderr_on_terminal.py")

# --help and --version of every program of the project; the benchmarks are built on POSIX only.
add_executable(test_program_options ${PROJECT_SOURCE_DIR}/tests/tools/test_program_options.cpp)
target_link_libraries(test_program_options PRIVATE Qt6::Test)
set(tessary_programs tessary tessary-cli make-sample-gamefolder ensure-sample-gamefolder)
target_compile_definitions(test_program_options PRIVATE
    TESSARY_PATH="$<TARGET_FILE:tessary>" TESSARY_CLI_PATH="$<TARGET_FILE:tessary-cli>"
    SAMPLE_MAKER_PATH="$<TARGET_FILE:make-sample-gamefolder>" ENSURE_SAMPLE_PATH="$<TARGET_FILE:ensure-sample-gamefolder>")
if(TARGET bench_core)
    list(APPEND tessary_programs bench_core bench_save_all_tga bench_ui_layout bench_picture_exchange bench_mods)
    target_compile_definitions(test_program_options PRIVATE
        BENCH_CORE_PATH="$<TARGET_FILE:bench_core>" BENCH_SAVE_ALL_PATH="$<TARGET_FILE:bench_save_all_tga>"
        BENCH_UI_LAYOUT_PATH="$<TARGET_FILE:bench_ui_layout>" BENCH_PICTURE_EXCHANGE_PATH="$<TARGET_FILE:bench_picture_exchange>"
        BENCH_MODS_PATH="$<TARGET_FILE:bench_mods>")
endif()
add_dependencies(test_program_options ${tessary_programs})
add_test(NAME test_program_options COMMAND test_program_options)
set_tests_properties(test_program_options PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")

# Text outside ASCII reaches a Windows console (Wine's, made for a pseudo-terminal) and a pipe as
# it is: the error naming a folder "GP4 Łódź" (the first run makes the Wine prefix).
if(CMAKE_CROSSCOMPILING_EMULATOR)
    set(folder "Z:\\nowhere\\GP4 Łódź")
    add_test(NAME cli_text_on_a_console_under_wine
             COMMAND /bin/sh -c "\"$1\" \"$2\" --version >/dev/null && exec /usr/bin/python3 \"$3\" /usr/lib/wine/wine64 \"$2\" check \"$4\""
                     sh ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:tessary-cli>
                     ${PROJECT_SOURCE_DIR}/tests/tools/stderr_on_terminal.py ${folder})
    add_test(NAME cli_text_through_a_pipe_under_wine COMMAND tessary-cli check ${folder})
    set_tests_properties(cli_text_on_a_console_under_wine cli_text_through_a_pipe_under_wine PROPERTIES
        ENVIRONMENT "LANG=C.UTF-8;WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix;WINEDEBUG=-all"
        PASS_REGULAR_EXPRESSION "GP4 Łódź.MenuData")
endif()

tessary_isolate_tests()
