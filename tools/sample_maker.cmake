# make-sample-gamefolder: writes a deterministic sample game folder (small or large).
add_library(tessary_sample STATIC
    make-sample-gamefolder/sample_folder.cpp make-sample-gamefolder/sample_folder.h
    make-sample-gamefolder/sample_font_painter.cpp make-sample-gamefolder/sample_font_painter.h
    make-sample-gamefolder/sample_image_painter.cpp make-sample-gamefolder/sample_image_painter.h
    make-sample-gamefolder/sample_plan.cpp make-sample-gamefolder/sample_plan.h
    make-sample-gamefolder/seven_segment.cpp make-sample-gamefolder/seven_segment.h
)
target_include_directories(tessary_sample PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/make-sample-gamefolder)
target_link_libraries(tessary_sample PUBLIC Qt6::Gui tessary_core)

add_executable(make-sample-gamefolder make-sample-gamefolder/main.cpp)
target_link_libraries(make-sample-gamefolder PRIVATE tessary_sample tessary_options)
