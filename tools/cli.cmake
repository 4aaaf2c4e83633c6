# tessary-cli: the game folder checks and the write-back from a script; standard library and core only.
add_executable(tessary-cli cli/main.cpp cli/cli_commands.cpp cli/cli_commands.h)
target_link_libraries(tessary-cli PRIVATE tessary_core)
set_target_properties(tessary-cli PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
include(${PROJECT_SOURCE_DIR}/tests/tools/tools_tests.cmake)
