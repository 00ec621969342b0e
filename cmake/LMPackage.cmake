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

# For builds without CMake: pkg-config --cflags --libs lmtemplates. The prefix is found from the
# file's own place, so the package may be installed under any prefix.
file(RELATIVE_PATH LM_PC_PREFIX_FROM_PCDIR "${CMAKE_INSTALL_FULL_LIBDIR}/pkgconfig" "${CMAKE_INSTALL_PREFIX}")
configure_file("${CMAKE_CURRENT_SOURCE_DIR}/cmake/lmtemplates.pc.in" "${CMAKE_CURRENT_BINARY_DIR}/lmtemplates.pc" @ONLY)
install(FILES "${CMAKE_CURRENT_BINARY_DIR}/lmtemplates.pc" DESTINATION "${CMAKE_INSTALL_LIBDIR}/pkgconfig")
