# bench_save_all_tga FOLDER: "Save all images to .tga" against a raw write of the same bytes.
if(UNIX)
    add_executable(bench_save_all_tga bench_main.h bench_timing.h exchange_save_all.cpp)
    target_link_libraries(bench_save_all_tga PRIVATE tessary_core tessary_options)
    set_target_properties(bench_save_all_tga PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
endif()

# bench_picture_exchange FOLDER: loading a folder of all images against decoding the files alone,
# and exporting all to .png against Qt's own PNG writer.
if(UNIX)
    add_executable(bench_picture_exchange bench_main.h bench_pictures.h bench_timing.h exchange_pictures.cpp)
    target_link_libraries(bench_picture_exchange PRIVATE tessary_pictures tessary_options Qt6::Gui)
endif()

# bench_cli_import FOLDER: tessary-cli import of 5 and of every picture against loading the
# whole folder, time and peak memory.
if(UNIX AND TARGET tessary-cli)
    add_executable(bench_cli_import bench_timing.h cli_import.cpp)
    target_link_libraries(bench_cli_import PRIVATE tessary_options)
    set_target_properties(bench_cli_import PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
    add_dependencies(bench_cli_import tessary-cli)
endif()
