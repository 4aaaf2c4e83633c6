# bench_mods FOLDER: packing all images into a mod package against exporting them all to .png,
# and installing that package, and switching it off and on, against a folder import of the same
# pictures; with the memory each switch takes at its peak against the pictures it changes.
if(UNIX)
    add_executable(bench_mods bench_main.h bench_pictures.h bench_timing.h mods.cpp)
    target_link_libraries(bench_mods PRIVATE tessary_pictures tessary_mods tessary_options)
endif()
