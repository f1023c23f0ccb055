# cmake --install: what goes where (folders in cmake/InstallLayout.cmake).

# The two public libraries, their headers, and what finds them.
install(TARGETS trvwck32 twzhtml LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(DIRECTORY include/tarvenwick DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(FILES ${TW_GENERATED_INCLUDE}/tarvenwick/version.h
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/tarvenwick)

# twhost, pointip, the platform library and the program stand-ins are
# installed by their own folders' CMakeLists (host/, assistant/, platform/,
# tools/).

# Shipped data, the manual page, and the sample project to try.
install(DIRECTORY data/ DESTINATION ${TW_DATADIR})
install(FILES man/twhost.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(DIRECTORY samples/sample DESTINATION ${TW_DOCDIR})
install(FILES README.md DESTINATION ${TW_DOCDIR})

# find_package(Tarvenwick) and pkg-config tarvenwick.
include(CMakePackageConfigHelpers)
set(TW_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/Tarvenwick)
configure_package_config_file(cmake/TarvenwickConfig.cmake.in
  ${CMAKE_BINARY_DIR}/TarvenwickConfig.cmake
  INSTALL_DESTINATION ${TW_CMAKEDIR}
  PATH_VARS CMAKE_INSTALL_INCLUDEDIR CMAKE_INSTALL_LIBDIR)
write_basic_package_version_file(${CMAKE_BINARY_DIR}/TarvenwickConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/TarvenwickConfig.cmake
              ${CMAKE_BINARY_DIR}/TarvenwickConfigVersion.cmake
        DESTINATION ${TW_CMAKEDIR})
configure_file(cmake/tarvenwick.pc.in ${CMAKE_BINARY_DIR}/tarvenwick.pc @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/tarvenwick.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
