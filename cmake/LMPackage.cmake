# The installed CMake package: find_package(LMTemplates) gives LM::Templates and LM::Platform.
include(CMakePackageConfigHelpers)

set(LM_CMAKE_INSTALL_DIR "${CMAKE_INSTALL_LIBDIR}/cmake/LMTemplates")

install(EXPORT LMTemplatesTargets
    NAMESPACE LM::
    FILE LMTemplatesTargets.cmake
    DESTINATION "${LM_CMAKE_INSTALL_DIR}")

configure_package_config_file(
    "${CMAKE_CURRENT_SOURCE_DIR}/cmake/LMTemplatesConfig.cmake.in"
    "${CMAKE_CURRENT_BINARY_DIR}/LMTemplatesConfig.cmake"
    INSTALL_DESTINATION "${LM_CMAKE_INSTALL_DIR}")

write_basic_package_version_file(
    "${CMAKE_CURRENT_BINARY_DIR}/LMTemplatesConfigVersion.cmake"
    VERSION ${PROJECT_VERSION}
    COMPATIBILITY SameMajorVersion)

install(FILES
    "${CMAKE_CURRENT_BINARY_DIR}/LMTemplatesConfig.cmake"
    "${CMAKE_CURRENT_BINARY_DIR}/LMTemplatesConfigVersion.cmake"
    DESTINATION "${LM_CMAKE_INSTALL_DIR}")
