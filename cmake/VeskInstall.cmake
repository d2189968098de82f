# Install rules, split into the Debian packages' components: Runtime (the
# shared libraries of the forms), Testing (the testing kit's shared library,
# apart so that programs never need libvterm; left out when the kit is not
# built) and Development (headers, link names, static libraries, CMake and
# pkg-config files).
include(CMakePackageConfigHelpers)

set(VESK_FORMS_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/VeskForms)

set(components Runtime)
if(VESK_FORMS_KIT)
    list(APPEND components Testing)
endif()
foreach(component ${components})
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
# Under <includedir>/vesk-forms, which the targets and the .pc files put on
# the include path; the kit's headers only with the kit.
set(kit_headers)
if(NOT VESK_FORMS_KIT)
    set(kit_headers PATTERN testing EXCLUDE)
endif()
install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/forms ${PROJECT_SOURCE_DIR}/runtime/include/vesk
    DESTINATION ${VESK_FORMS_INSTALL_INCLUDEDIR} COMPONENT Development ${kit_headers})
install(FILES ${PROJECT_BINARY_DIR}/include/forms/Version.h
    DESTINATION ${VESK_FORMS_INSTALL_INCLUDEDIR}/forms COMPONENT Development)
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
set(pkg_config_files veskforms)
if(VESK_FORMS_KIT)
    list(APPEND pkg_config_files veskforms-testing)
endif()
foreach(name ${pkg_config_files})
    configure_file(${PROJECT_SOURCE_DIR}/cmake/${name}.pc.in ${PROJECT_BINARY_DIR}/${name}.pc @ONLY)
    install(FILES ${PROJECT_BINARY_DIR}/${name}.pc
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig
        COMPONENT Development)
endforeach()
