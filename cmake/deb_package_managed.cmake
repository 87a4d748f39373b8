# SPDX-License-Identifier: GPL-3.0-or-later
# Run by cpack once the files of the .deb are staged: the program in a package
# is updated by the package manager, so it is marked not to update itself.
file(GLOB_RECURSE programs LIST_DIRECTORIES false "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/lib/horalux/horalux")
if(NOT programs)
    message(FATAL_ERROR "no lib/horalux/horalux under ${CPACK_TEMPORARY_INSTALL_DIRECTORY} to mark")
endif()
foreach(program IN LISTS programs)
    get_filename_component(folder "${program}" DIRECTORY)
    file(WRITE "${folder}/package-managed"
         "Installed by a package manager: Horalux offers its home page instead of updating itself.\n")
endforeach()
