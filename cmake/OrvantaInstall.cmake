# Installs the library, its public headers and the CMake package that lets a
# client write find_package(Orvanta CONFIG REQUIRED).
include(CMakePackageConfigHelpers)

set(ORVANTA_CMAKE_DIR "${CMAKE_INSTALL_LIBDIR}/cmake/Orvanta")

install(TARGETS orvanta EXPORT OrvantaTargets
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(DIRECTORY "${PROJECT_SOURCE_DIR}/include/orvanta"
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(EXPORT OrvantaTargets
  NAMESPACE Orvanta::
  DESTINATION ${ORVANTA_CMAKE_DIR})

configure_package_config_file(
  "${PROJECT_SOURCE_DIR}/cmake/OrvantaConfig.cmake.in"
  "${PROJECT_BINARY_DIR}/OrvantaConfig.cmake"
  INSTALL_DESTINATION ${ORVANTA_CMAKE_DIR})
write_basic_package_version_file(
  "${PROJECT_BINARY_DIR}/OrvantaConfigVersion.cmake"
  COMPATIBILITY SameMajorVersion)
install(FILES
  "${PROJECT_BINARY_DIR}/OrvantaConfig.cmake"
  "${PROJECT_BINARY_DIR}/OrvantaConfigVersion.cmake"
  DESTINATION ${ORVANTA_CMAKE_DIR})
