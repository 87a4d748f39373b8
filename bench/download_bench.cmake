# SPDX-License-Identifier: GPL-3.0-or-later
# Included by bench/CMakeLists.txt once Google Benchmark is found; needs the
# loopback server of tests/update.
add_executable(download_bench ${CMAKE_CURRENT_LIST_DIR}/download_bench.cpp)
# The transfers go through the loaded library, as in the program; linking it
# would spoil the figure of its load.
target_link_libraries(download_bench PRIVATE horalux_update horalux_platform_real horalux_raw_http_server
                                             benchmark::benchmark Qt6::Widgets)
target_compile_definitions(download_bench PRIVATE HORALUX_HTTP_MODULE="$<TARGET_FILE:horalux_http>")
add_dependencies(download_bench horalux_http)
set_target_properties(download_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)

# Memory while downloading and the signature check's time; needs python3 and openssl.
add_executable(update_trust_bench ${CMAKE_CURRENT_LIST_DIR}/update_trust_bench.cpp)
target_link_libraries(update_trust_bench PRIVATE horalux_update horalux_http horalux_platform_real Qt6::Widgets
                                                 Qt6::Network)
target_compile_definitions(update_trust_bench PRIVATE HORALUX_SIGN_SCRIPT="${PROJECT_SOURCE_DIR}/scripts/sign-update.sh")
set_target_properties(update_trust_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
