# SPDX-License-Identifier: GPL-3.0-or-later
# The settings dialog's tests.
find_package(Qt6 REQUIRED COMPONENTS Test)
set(SETTINGS_DIALOG_TEST_WORLD ${CMAKE_CURRENT_LIST_DIR}/settings_dialog_test_world.h)
foreach(test settings_dialog_test settings_dialog_delay_test settings_dialog_layout_test settings_dialog_render_test
        settings_dialog_keyboard_test settings_tabs_test)
    horalux_add_test(${test}
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/${test}.cpp ${SETTINGS_DIALOG_TEST_WORLD}
        LIBS horalux_settings_ui Qt6::Test)
endforeach()
# With the built-in pictures the rendered About tab shows the logo.
target_link_libraries(settings_dialog_render_test PRIVATE horalux_resources)
# The render test again at the scales a reviewer looks at; each run keeps its
# pictures of the three tabs in <build>/render-shots/scale-<factor>.
foreach(scale 1 1.5 2)
    add_test(NAME settings_dialog_render_scale_${scale} COMMAND settings_dialog_render_test)
    set_tests_properties(settings_dialog_render_scale_${scale} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;QT_SCALE_FACTOR=${scale};HORALUX_SCREENSHOT_DIR=${CMAKE_BINARY_DIR}/render-shots/scale-${scale}"
        TIMEOUT 300)
endforeach()
horalux_add_test(dialog_placement_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/dialog_placement_test.cpp LIBS horalux_settings_ui)
horalux_add_test(limited_text_box_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/limited_text_box_test.cpp
    LIBS horalux_settings_ui Qt6::Test)
