option(ZD_WERROR "Treat warnings as errors" OFF)

# Every target of the project links project_warnings: one place for the flags.
add_library(project_warnings INTERFACE)
target_compile_options(project_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow
    $<$<BOOL:${ZD_WERROR}>:-Werror>)
