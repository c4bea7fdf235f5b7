# ZD_FUZZ=ON instruments every target for libFuzzer's coverage feedback and
# builds it with AddressSanitizer and UndefinedBehaviorSanitizer; the fuzz_*
# programs of tests/fuzz then link libFuzzer itself. Needs clang.
option(ZD_FUZZ "Build the libFuzzer harnesses of tests/fuzz (clang only)" OFF)
if(ZD_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "ZD_FUZZ needs clang: -DCMAKE_CXX_COMPILER=clang++")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()
