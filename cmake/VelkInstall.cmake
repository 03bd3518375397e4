# What `cmake --install` puts in place for a host team: the library, the public headers, a
# CMake package (find_package(velk_data CONFIG) gives velk_data::velk_data), a pkg-config file
# and the velk tool. Both package files find the prefix relative to themselves, so an
# installed tree can be moved (or installed with --prefix) and still be found.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

if(NOT WIN32)
  set_target_properties(velk_data PROPERTIES VERSION ${PROJECT_VERSION}
                                             SOVERSION ${PROJECT_VERSION_MAJOR})
endif()
target_include_directories(velk_data INTERFACE $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)

install(TARGETS velk_data EXPORT velk_dataTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES include/velk_data.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(DIRECTORY include/velk_data DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})

set(VELK_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/velk_data)
install(EXPORT velk_dataTargets NAMESPACE velk_data:: DESTINATION ${VELK_CMAKE_DIR})
configure_package_config_file(cmake/velk_dataConfig.cmake.in velk_dataConfig.cmake
                              INSTALL_DESTINATION ${VELK_CMAKE_DIR})
# 0.x: a minor version may change the interfaces, whose order is the binary contract.
write_basic_package_version_file(velk_dataConfigVersion.cmake COMPATIBILITY SameMinorVersion)
install(FILES ${PROJECT_BINARY_DIR}/velk_dataConfig.cmake
              ${PROJECT_BINARY_DIR}/velk_dataConfigVersion.cmake
        DESTINATION ${VELK_CMAKE_DIR})

# pkg-config: the prefix as seen from the .pc file's own folder.
file(RELATIVE_PATH VELK_PC_PREFIX /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
get_target_property(VELK_PC_LIBRARY velk_data OUTPUT_NAME)
if(NOT VELK_PC_LIBRARY)
  set(VELK_PC_LIBRARY velk_data)
endif()
configure_file(cmake/velk_data.pc.in velk_data.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/velk_data.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

if(TARGET velk)
  set_target_properties(velk PROPERTIES INSTALL_RPATH "$ORIGIN/../${CMAKE_INSTALL_LIBDIR}")
  install(TARGETS velk RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
