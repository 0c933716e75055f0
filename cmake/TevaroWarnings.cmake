# One place for the warning set every target of ours compiles with.
function(tevaro_set_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wnon-virtual-dtor -Woverloaded-virtual
        -Wformat=2)
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
        # GCC 12 at -O2 reports std::vector::insert after an initializer list as
        # an out-of-bounds or over-reading memcpy inside libstdc++ (known false
        # positives).
        # AddressSanitizer checks the real bounds in CI.
        target_compile_options(${target} PRIVATE -Wno-array-bounds -Wno-stringop-overread -Wno-stringop-overflow)
    endif()
    if(TEVARO_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
