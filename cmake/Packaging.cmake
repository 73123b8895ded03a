# What `cmake --install` puts where, and the Windows release archive.
if(WIN32)
  # A folder to unpack and run from: the program, and two text files with Windows line ends.
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(SORT_COMPARE_ARCH win64)
    set(SORT_COMPARE_BITS 64)
    set(SORT_COMPARE_RUNS_ON "for 64-bit Windows")
  else()
    set(SORT_COMPARE_ARCH win32)
    set(SORT_COMPARE_BITS 32)
    set(SORT_COMPARE_RUNS_ON "which runs on 32-bit and 64-bit Windows")
  endif()
  configure_file(docs/README-windows.txt.in README.txt @ONLY NEWLINE_STYLE CRLF)
  # The project's licence, then the notices of the runtime linked into the .exe.
  file(READ LICENSE license)
  file(READ docs/windows-notices.txt notices)
  file(CONFIGURE OUTPUT LICENSE.txt CONTENT "${license}\n\n${notices}" @ONLY NEWLINE_STYLE CRLF)
  install(TARGETS sort-compare RUNTIME DESTINATION .)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/README.txt ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt DESTINATION .)

  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME ${PROJECT_NAME}-${PROJECT_VERSION}-${SORT_COMPARE_ARCH})
  set(CPACK_STRIP_FILES ON)
  include(CPack)
else()
  # The program and its manual page (component program), its licence with the
  # notices of the libraries linked into it (doc), and what only the .deb
  # (deb) or only the archive (archive) holds; cmake --install installs the
  # first two, and CPackProject.cmake picks the rest for each package.
  include(GNUInstallDirs)
  configure_file(docs/sort-compare.1.in sort-compare.1 @ONLY)
  configure_file(docs/README-linux.txt.in README @ONLY)
  file(READ LICENSE license)
  file(READ docs/linux-notices.txt notices)
  file(CONFIGURE OUTPUT LICENSE CONTENT "${license}\n\n${notices}" @ONLY)
  # Compressed as Debian asks: gzip -9n, no name and no time stamp inside.
  add_custom_command(OUTPUT sort-compare.1.gz changelog.gz
    COMMAND gzip -9n -c sort-compare.1 >sort-compare.1.gz
    COMMAND gzip -9n -c ${PROJECT_SOURCE_DIR}/docs/changelog >changelog.gz
    DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/sort-compare.1 docs/changelog)
  add_custom_target(compressed-docs ALL DEPENDS sort-compare.1.gz changelog.gz)
  set(built ${CMAKE_CURRENT_BINARY_DIR})
  set(doc ${CMAKE_INSTALL_DOCDIR})

  # Folders as files are: the same whatever the umask of the build.
  set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
      WORLD_READ WORLD_EXECUTE)
  install(TARGETS sort-compare RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT program)
  install(FILES ${built}/sort-compare.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT program)
  install(FILES ${built}/LICENSE DESTINATION ${doc} COMPONENT doc)
  install(FILES ${built}/LICENSE RENAME copyright DESTINATION ${doc} COMPONENT deb EXCLUDE_FROM_ALL)
  install(FILES ${built}/changelog.gz DESTINATION ${doc} COMPONENT deb EXCLUDE_FROM_ALL)
  install(FILES docs/lintian-overrides RENAME sort-compare DESTINATION share/lintian/overrides
          COMPONENT deb EXCLUDE_FROM_ALL)
  install(FILES ${built}/LICENSE ${built}/README DESTINATION . COMPONENT archive EXCLUDE_FROM_ALL)

  set(CPACK_GENERATOR DEB TGZ)
  set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/CPackProject.cmake)
  set(CPACK_STRIP_FILES ON)
  set(CPACK_PACKAGE_CONTACT "the sort-compare authors <authors@sort-compare.invalid>")
  set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "compares the work of three sorting algorithms on the same data")
  set(CPACK_PACKAGE_DESCRIPTION "sort-compare shows a learner how much work three sorting algorithms do on
the same pseudo-random values: insertion sort (the exchanges it makes),
top-down merge sort (the elements its merges write back) and three-way quick
sort (the elements its partitions examine). It asks for the number of values,
a seed and whether to list them, and reports one count per algorithm.")
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION education)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  set(CPACK_ARCHIVE_FILE_NAME ${PROJECT_NAME}-${PROJECT_VERSION}-linux-x86_64)
  include(CPack)
endif()
