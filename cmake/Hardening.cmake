# The Linux program built as Debian builds its packages: position-independent,
# with the stack protector, _FORTIFY_SOURCE and control-flow protection, and
# linked as a static PIE with full RELRO (app/CMakeLists.txt). On for the
# builds that are shipped or timed; the sanitizer and fuzz builds keep their own flags.
option(SORT_COMPARE_HARDEN "Build the Linux program hardened" OFF)
if(SORT_COMPARE_HARDEN AND CMAKE_SYSTEM_NAME STREQUAL "Linux")
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)
  add_compile_options(-fstack-protector-strong -D_FORTIFY_SOURCE=2 -fcf-protection)
  set(SORT_COMPARE_HARDENED ON)
endif()
