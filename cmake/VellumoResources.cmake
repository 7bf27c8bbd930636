# vellumo_generate_qrc(<out_var> <name> <prefix> <alias>=<file>...)
# Writes a .qrc whose entries are aliases for files anywhere on the machine (installed icon
# packages, our own drawings, rendered PNGs). A missing file stops the configure step with the
# package to install. The .qrc is rewritten only when its content changes.
function(vellumo_generate_qrc out_var qrc_name prefix)
    set(body "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n  <qresource prefix=\"${prefix}\">\n")
    foreach(entry IN LISTS ARGN)
        string(FIND "${entry}" "=" eq)
        string(SUBSTRING "${entry}" 0 ${eq} alias)
        math(EXPR start "${eq} + 1")
        string(SUBSTRING "${entry}" ${start} -1 file)
        if(NOT file MATCHES "/rendered/" AND NOT EXISTS "${file}")
            message(FATAL_ERROR "Resource ${prefix}/${alias}: ${file} not found "
                "(run scripts/bootstrap.sh: breeze-icon-theme, famfamfam-flag-png)")
        endif()
        if(EXISTS "${file}")
            get_filename_component(file "${file}" REALPATH)
        endif()
        string(APPEND body "    <file alias=\"${alias}\">${file}</file>\n")
    endforeach()
    string(APPEND body "  </qresource>\n</RCC>\n")
    set(qrc "${CMAKE_CURRENT_BINARY_DIR}/${qrc_name}.qrc")
    file(CONFIGURE OUTPUT "${qrc}" CONTENT "${body}" @ONLY)
    set(${out_var} "${qrc}" PARENT_SCOPE)
endfunction()

# vellumo_render_pngs(<out_var> <folder> <alias>=<svg>:<size>...)
# Renders SVG drawings to PNG at build time with vellumo_rasterize. Sets <out_var> to the
# "<alias>=<png>" entries for vellumo_generate_qrc and <out_var>_FILES to the PNG paths.
function(vellumo_render_pngs out_var folder)
    set(entries)
    set(files)
    foreach(entry IN LISTS ARGN)
        string(REGEX MATCH "^([^=]+)=(.+):([0-9]+)$" ok "${entry}")
        if(NOT ok)
            message(FATAL_ERROR "Bad rendered image entry: ${entry}")
        endif()
        set(alias "${CMAKE_MATCH_1}")
        set(svg "${CMAKE_MATCH_2}")
        set(size "${CMAKE_MATCH_3}")
        set(png "${folder}/${alias}")
        add_custom_command(OUTPUT "${png}"
            COMMAND ${CMAKE_COMMAND} -E make_directory "${folder}"
            COMMAND vellumo_rasterize "${svg}" "${png}" ${size}
            DEPENDS "${svg}" vellumo_rasterize
            COMMENT "Rendering ${alias}"
            VERBATIM)
        list(APPEND entries "${alias}=${png}")
        list(APPEND files "${png}")
    endforeach()
    set(${out_var} "${entries}" PARENT_SCOPE)
    set(${out_var}_FILES "${files}" PARENT_SCOPE)
endfunction()
