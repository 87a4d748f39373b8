# SPDX-License-Identifier: GPL-3.0-or-later
# Included by bench/CMakeLists.txt once Google Benchmark is found.
add_executable(settings_bench ${CMAKE_CURRENT_LIST_DIR}/settings_bench.cpp)
target_link_libraries(settings_bench PRIVATE horalux_settings_store horalux_engine benchmark::benchmark)
set_target_properties(settings_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
