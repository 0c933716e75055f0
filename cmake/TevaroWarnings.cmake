# One place for the warning set every target of ours compiles with.
function(tevaro_set_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wnon-virtual-dtor -Woverloaded-virtual)
    if(TEVARO_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
