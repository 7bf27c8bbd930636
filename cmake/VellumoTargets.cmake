# Compiler warnings and install rules shared by our targets.
# Compiler warnings for our own targets; VELLUMO_WERROR turns them into errors (CI).
function(vellumo_set_warnings target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor)
    if(VELLUMO_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

# vellumo_install_tool(<target>): a helper program the main program runs. It is built into the
# common bin folder (found beside the program in the build tree) and installed to
# libexec/vellumo, where the tool lookup finds it in an installed tree.
function(vellumo_install_tool target)
    install(TARGETS ${target} RUNTIME DESTINATION "${VELLUMO_LIBEXEC_SUBDIR}")
endfunction()
