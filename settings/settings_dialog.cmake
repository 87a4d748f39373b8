# SPDX-License-Identifier: GPL-3.0-or-later
# The settings dialog, its controls and the opener the main window uses.
add_library(horalux_settings_ui STATIC
    ${CMAKE_CURRENT_LIST_DIR}/dialog_placement.h
    ${CMAKE_CURRENT_LIST_DIR}/dialog_placement.cpp
    ${CMAKE_CURRENT_LIST_DIR}/about_tab.h
    ${CMAKE_CURRENT_LIST_DIR}/about_tab.cpp
    ${CMAKE_CURRENT_LIST_DIR}/settings_dialog.h
    ${CMAKE_CURRENT_LIST_DIR}/settings_dialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/settings_dialog_delay.h
    ${CMAKE_CURRENT_LIST_DIR}/settings_dialog_delay.cpp
    ${CMAKE_CURRENT_LIST_DIR}/settings_dialog_layout.h
    ${CMAKE_CURRENT_LIST_DIR}/settings_dialog_layout.cpp
    ${CMAKE_CURRENT_LIST_DIR}/settings_dialog_link_label.h
    ${CMAKE_CURRENT_LIST_DIR}/settings_dialog_link_label.cpp
    ${CMAKE_CURRENT_LIST_DIR}/settings_dialog_opener.h
    ${CMAKE_CURRENT_LIST_DIR}/settings_dialog_opener.cpp
    ${CMAKE_CURRENT_LIST_DIR}/settings_tab.h
    ${CMAKE_CURRENT_LIST_DIR}/settings_tab.cpp
    ${CMAKE_CURRENT_LIST_DIR}/settings_dialog_tab_control.h
    ${CMAKE_CURRENT_LIST_DIR}/settings_dialog_tab_control.cpp
    ${CMAKE_CURRENT_LIST_DIR}/settings_dialog_text_box.h
    ${CMAKE_CURRENT_LIST_DIR}/settings_dialog_text_box.cpp
    ${CMAKE_CURRENT_LIST_DIR}/settings_dialog_wrapping_check_box.h
    ${CMAKE_CURRENT_LIST_DIR}/settings_dialog_wrapping_check_box.cpp
    ${CMAKE_CURRENT_LIST_DIR}/time_zones_tab.h
    ${CMAKE_CURRENT_LIST_DIR}/time_zones_tab.cpp
    ${CMAKE_CURRENT_LIST_DIR}/updown_arrows.h
    ${CMAKE_CURRENT_LIST_DIR}/updown_arrows.cpp
)
target_include_directories(horalux_settings_ui PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(horalux_settings_ui PUBLIC horalux_engine horalux_platform horalux_settings_store horalux_version Qt6::Widgets)
