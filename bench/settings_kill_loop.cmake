# SPDX-License-Identifier: GPL-3.0-or-later
# Included by bench/CMakeLists.txt. The loop itself lives with its test in
# tests/faults.
add_executable(settings_kill_loop ${CMAKE_CURRENT_LIST_DIR}/settings_kill_loop.cpp)
target_link_libraries(settings_kill_loop PRIVATE horalux_settings_fault_loop)
set_target_properties(settings_kill_loop PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
