# SPDX-License-Identifier: GPL-3.0-or-later
# The reference Qt program that bench/process_figures.sh measures beside the clock.
add_executable(bare_qt_window ${CMAKE_CURRENT_LIST_DIR}/bare_qt_window.cpp)
target_link_libraries(bare_qt_window PRIVATE Qt6::Widgets)
set_target_properties(bare_qt_window PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)

# The floor: a QRasterWindow painting one rectangle a second.
add_executable(bare_raster_window ${CMAKE_CURRENT_LIST_DIR}/bare_raster_window.cpp)
target_link_libraries(bare_raster_window PRIVATE Qt6::Gui)
set_target_properties(bare_raster_window PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)

# How the roll's frames are counted from the X server's repaints. The figures
# themselves are run by hand.
find_package(Python3 COMPONENTS Interpreter)
if(Python3_Interpreter_FOUND)
    add_test(NAME roll_pacing_test COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/process_figures/x_repaints_test.py)
    set_tests_properties(roll_pacing_test PROPERTIES ENVIRONMENT "PYTHONDONTWRITEBYTECODE=1")
endif()
