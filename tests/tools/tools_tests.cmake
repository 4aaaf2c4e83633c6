# Tests of make-sample-gamefolder and tessary-cli; included from tools/cli.cmake. They run the real
# programs, whose paths they are given at build time.
add_library(tessary_tool_test_support STATIC
    ${PROJECT_SOURCE_DIR}/tests/tools/tool_runs.cpp ${PROJECT_SOURCE_DIR}/tests/tools/tool_runs.h)
target_include_directories(tessary_tool_test_support PUBLIC ${PROJECT_SOURCE_DIR}/tests/tools)
target_link_libraries(tessary_tool_test_support PUBLIC Qt6::Core)

foreach(test_name test_sample_maker test_cli)
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
