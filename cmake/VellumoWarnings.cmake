# Compiler warnings for our own targets; VELLUMO_WERROR turns them into errors (CI).
function(vellumo_set_warnings target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor)
    if(VELLUMO_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
