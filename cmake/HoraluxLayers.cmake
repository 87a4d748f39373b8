# SPDX-License-Identifier: GPL-3.0-or-later
# Each library of the program offers its own folder's headers and no others.
# They are linked one by one into <build>/include/<library>/<folder>/, and
# that root is the library's include directory: "engine/clock_tick.h" is found
# by the engine's sources and by whatever links horalux_engine, and a layer
# that does not link a higher one cannot include its headers. No target has
# the source root on its include path. scripts/check-layers.sh (the ctest
# include_layers_test) holds the table of which folder may include which.

# horalux_library_headers(<target> [<subfolder>])
# Offers the headers of the current source folder, or of its <subfolder>.
function(horalux_library_headers target)
    set(source ${CMAKE_CURRENT_SOURCE_DIR})
    if(ARGC GREATER 1)
        set(source ${source}/${ARGV1})
    endif()
    file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${source})
    set(root ${PROJECT_BINARY_DIR}/include/${target})
    # Links to headers since removed go with the rest.
    file(REMOVE_RECURSE ${root})
    file(MAKE_DIRECTORY ${root}/${folder})
    file(GLOB headers CONFIGURE_DEPENDS ${source}/*.h)
    foreach(header IN LISTS headers)
        get_filename_component(name ${header} NAME)
        file(CREATE_LINK ${header} ${root}/${folder}/${name} SYMBOLIC)
    endforeach()
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "INTERFACE_LIBRARY")
        target_include_directories(${target} INTERFACE ${root})
    else()
        target_include_directories(${target} PUBLIC ${root})
    endif()
endfunction()
