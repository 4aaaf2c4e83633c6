# bench_ui_layout FOLDER: the main window's re-layout, channel switch, load and memory on a game folder.
if(UNIX)
    add_executable(bench_ui_layout bench_timing.h ui_layout.cpp core_raw_files.cpp core_raw_files.h)
    target_link_libraries(bench_ui_layout PRIVATE tessary_ui tessary_options)
endif()
