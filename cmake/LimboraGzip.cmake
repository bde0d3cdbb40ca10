# SPDX-License-Identifier: GPL-3.0-or-later
# limbora_gzip(<file> <out-var>): compresses a file at build time, into the current build folder,
# with gzip -9n (no name or time stamp inside, so the result is reproducible) and sets <out-var> to
# the file to install.
# Without gzip (Windows) the file is installed as it is.
find_program(LIMBORA_GZIP gzip)
add_custom_target(limbora_compressed ALL)

function(limbora_gzip file out_var)
    if(NOT LIMBORA_GZIP)
        set(${out_var} "${file}" PARENT_SCOPE)
        return()
    endif()
    get_filename_component(name "${file}" NAME)
    set(compressed "${CMAKE_CURRENT_BINARY_DIR}/${name}.gz")
    add_custom_command(OUTPUT "${compressed}"
        COMMAND "${LIMBORA_GZIP}" -9n -c "${file}" > "${compressed}"
        DEPENDS "${file}"
        COMMENT "Compressing ${file}"
        VERBATIM)
    add_custom_target(limbora_gzip_${name} DEPENDS "${compressed}")
    add_dependencies(limbora_compressed limbora_gzip_${name})
    set(${out_var} "${compressed}" PARENT_SCOPE)
endfunction()
