# bench_ui_layout FOLDER: the main window's re-layout, channel switch, load and memory on a game folder.
# bench_window_work FOLDER: the window's long work (load, folder import, undo history, zoom)
# against today's way of doing it.
if(UNIX)
    add_executable(bench_ui_layout bench_main.h bench_timing.h bench_window.h bench_window_main.h ui_layout.cpp core_raw_files.cpp core_raw_files.h)
    target_link_libraries(bench_ui_layout PRIVATE tessary_ui tessary_options)
    add_executable(bench_window_work bench_main.h bench_timing.h bench_window.h bench_window_main.h window_work.cpp)
    target_link_libraries(bench_window_work PRIVATE tessary_ui tessary_options)
endif()
# bench_start_language: the window's start in German against English (translations loaded).
add_executable(bench_start_language bench_timing.h bench_window.h start_language.cpp)
target_link_libraries(bench_start_language PRIVATE tessary_ui tessary_options)
