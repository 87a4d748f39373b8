# The settings dialog's tests.
find_package(Qt6 REQUIRED COMPONENTS Test)
set(SETTINGS_DIALOG_TEST_WORLD ${CMAKE_CURRENT_LIST_DIR}/settings_dialog_test_world.h)
foreach(test settings_dialog_test settings_dialog_delay_test settings_dialog_layout_test settings_dialog_render_test)
    horalux_add_test(${test}
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/${test}.cpp ${SETTINGS_DIALOG_TEST_WORLD}
        LIBS horalux_settings_ui Qt6::Test)
endforeach()
# With the built-in pictures the rendered About tab shows the logo.
if(TARGET horalux_resources)
    target_link_libraries(settings_dialog_render_test PRIVATE horalux_resources)
endif()
horalux_add_test(limited_text_box_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/limited_text_box_test.cpp
    LIBS horalux_settings_ui Qt6::Test)
