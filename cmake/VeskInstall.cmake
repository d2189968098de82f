# Install rules, split into the Debian packages' components: Runtime (the
# shared libraries of the forms), Testing (the testing kit's shared library,
# apart so that programs never need libvterm) and Development (headers, link
# names, static libraries, CMake and pkg-config files).
include(CMakePackageConfigHelpers)

set(VESK_FORMS_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/VeskForms)

foreach(component Runtime Testing)
    set(targets vesk veskforms)
    if(component STREQUAL Testing)
        set(targets veskforms_testing)
    endif()
    install(TARGETS ${targets} EXPORT VeskFormsTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
            COMPONENT ${component}
            NAMELINK_COMPONENT Development
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Development
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT ${component})
endforeach()
install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/forms ${PROJECT_SOURCE_DIR}/runtime/include/vesk
    DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} COMPONENT Development)
install(FILES ${PROJECT_BINARY_DIR}/include/forms/Version.h
    DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/forms COMPONENT Development)
install(EXPORT VeskFormsTargets
    NAMESPACE Vesk::
    DESTINATION ${VESK_FORMS_CMAKE_DIR}
    COMPONENT Development)
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/VeskFormsConfig.cmake.in
    ${PROJECT_BINARY_DIR}/VeskFormsConfig.cmake
    INSTALL_DESTINATION ${VESK_FORMS_CMAKE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/VeskFormsConfigVersion.cmake
    COMPATIBILITY SameMinorVersion)
install(FILES
    ${PROJECT_BINARY_DIR}/VeskFormsConfig.cmake
    ${PROJECT_BINARY_DIR}/VeskFormsConfigVersion.cmake
    ${PROJECT_SOURCE_DIR}/cmake/VeskFindLibraries.cmake
    DESTINATION ${VESK_FORMS_CMAKE_DIR}
    COMPONENT Development)
configure_file(${PROJECT_SOURCE_DIR}/cmake/veskforms.pc.in ${PROJECT_BINARY_DIR}/veskforms.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/veskforms.pc
    DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig
    COMPONENT Development)
