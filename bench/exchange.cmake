# bench_save_all_tga FOLDER: "Save all images to .tga" against a raw write of the same bytes.
if(UNIX)
    add_executable(bench_save_all_tga bench_timing.h exchange_save_all.cpp)
    target_link_libraries(bench_save_all_tga PRIVATE tessary_core tessary_options)
    set_target_properties(bench_save_all_tga PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
endif()
