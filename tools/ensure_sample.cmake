# ensure-sample-gamefolder: gives a newcomer a game folder to look at. When no game folder is
# recorded, it makes the small sample folder with make-sample-gamefolder and records it.
if(TARGET make-sample-gamefolder)
    add_executable(ensure-sample-gamefolder ${CMAKE_CURRENT_LIST_DIR}/ensure-sample-gamefolder.cpp)
    target_link_libraries(ensure-sample-gamefolder PRIVATE Qt6::Core tessary_app tessary_options)
    target_compile_definitions(ensure-sample-gamefolder PRIVATE
        TESSARY_SAMPLE_MAKER="$<TARGET_FILE:make-sample-gamefolder>")
    add_dependencies(ensure-sample-gamefolder make-sample-gamefolder)
else()
    message(STATUS "ensure-sample-gamefolder not built: make-sample-gamefolder is missing")
endif()
