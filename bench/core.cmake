# bench_core FOLDER: loading and writing back a game folder against a raw read and a raw write.
if(UNIX)
    add_executable(bench_core bench_main.h bench_timing.h core_load_write.cpp core_raw_files.cpp core_raw_files.h)
    target_link_libraries(bench_core PRIVATE tessary_core tessary_options)
    set_target_properties(bench_core PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
endif()
