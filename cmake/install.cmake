# What `cmake --install` puts under the prefix: the headers, the library (on
# Windows the DLL and its import library), everywhere but Windows the
# simulated servers' shared library and the sample PIM, a CMake package
# (find_package(tarnex): tarnex::tarnex, tarnex::simpim) and pkg-config
# files (tarnex, tarnex-simpim).
include(CMakePackageConfigHelpers)

set(TARNEX_INSTALL_TARGETS tarnex)
set(TARNEX_INSTALL_HEADERS include/tarnex/tarnex.h)
if(NOT WIN32)
  list(APPEND TARNEX_INSTALL_TARGETS tarnex_simpim_shared)
  list(APPEND TARNEX_INSTALL_HEADERS include/tarnex/tarnex_inproc.h include/tarnex/simpim.h)
  set_target_properties(tarnex_simpim_shared PROPERTIES EXPORT_NAME simpim)
  install(FILES ${TARNEX_SAMPLE_PIM} DESTINATION ${CMAKE_INSTALL_DATADIR}/tarnex)
endif()

install(TARGETS ${TARNEX_INSTALL_TARGETS} EXPORT tarnexTargets
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(FILES ${TARNEX_INSTALL_HEADERS} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/tarnex)

set(TARNEX_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/tarnex)
install(EXPORT tarnexTargets NAMESPACE tarnex:: DESTINATION ${TARNEX_CMAKE_DIR})
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/tarnexConfig.cmake.in
  ${PROJECT_BINARY_DIR}/tarnexConfig.cmake INSTALL_DESTINATION ${TARNEX_CMAKE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/tarnexConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/tarnexConfig.cmake ${PROJECT_BINARY_DIR}/tarnexConfigVersion.cmake
  DESTINATION ${TARNEX_CMAKE_DIR})

# The prefix as seen from the .pc file, so that an installed tree can move.
file(RELATIVE_PATH TARNEX_PC_UP /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
set(TARNEX_PC_PREFIX "\${pcfiledir}/${TARNEX_PC_UP}")
set(TARNEX_PC_NAMES tarnex)
if(NOT WIN32)
  list(APPEND TARNEX_PC_NAMES tarnex-simpim)
endif()
foreach(name IN LISTS TARNEX_PC_NAMES)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/${name}.pc.in ${PROJECT_BINARY_DIR}/${name}.pc @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/${name}.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
endforeach()
