# Every target of ours links sort_compare_warnings; third-party code is left alone.
add_library(sort_compare_warnings INTERFACE)
if(MSVC)
  target_compile_options(sort_compare_warnings INTERFACE /W4)
else()
  target_compile_options(sort_compare_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wconversion -Wsign-conversion -Wshadow)
endif()

# CI sets CI=true: there a warning fails the build.
if(DEFINED ENV{CI} AND NOT DEFINED CMAKE_COMPILE_WARNING_AS_ERROR)
  set(CMAKE_COMPILE_WARNING_AS_ERROR ON)
endif()
