# `make package`: Debian packages of the libraries (libveskforms0), of the
# testing kit (libveskforms-testing0) and of the development files
# (libveskforms-dev), for the install prefix configured
# (the Makefile's package target uses /usr).
set(CPACK_PACKAGE_NAME veskforms)
set(CPACK_PACKAGE_VENDOR "vesk-forms")
set(CPACK_PACKAGE_CONTACT "vesk-forms developers <vesk-forms@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Text-mode forms for console programs")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL Runtime Testing Development)
set(kit_packages ", libveskforms-testing0 (= ${PROJECT_VERSION})")
set(kit_development_packages ", libvterm-dev")
if(NOT VESK_FORMS_KIT)
    set(CPACK_COMPONENTS_ALL Runtime Development)
    set(kit_packages "")
    set(kit_development_packages "")
endif()
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://localhost/vesk-forms")

set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME libveskforms0)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION libs)
# A shlibs file and the ldconfig trigger.
set(CPACK_DEBIAN_RUNTIME_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_DEPENDS
    "libc6 (>= 2.34), libstdc++6 (>= 12), libncursesw6 (>= 6.1)")
set(CPACK_COMPONENT_RUNTIME_DESCRIPTION "Text-mode forms for console programs - shared libraries")

set(CPACK_DEBIAN_TESTING_PACKAGE_NAME libveskforms-testing0)
set(CPACK_DEBIAN_TESTING_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_TESTING_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_TESTING_PACKAGE_DEPENDS
    "libveskforms0 (= ${PROJECT_VERSION}), libc6 (>= 2.34), libstdc++6 (>= 12), libvterm0 (>= 0.1)")
set(CPACK_COMPONENT_TESTING_DESCRIPTION
    "Text-mode forms for console programs - testing kit (a form driven headless through a terminal emulator)")

set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME libveskforms-dev)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS
    "libveskforms0 (= ${PROJECT_VERSION})${kit_packages}, libncurses-dev${kit_development_packages}, pkgconf | pkg-config")
# Headers under /usr/include/vesk-forms, which the CMake and pkg-config files
# put on the include path.
set(CPACK_COMPONENT_DEVELOPMENT_DESCRIPTION
    "Text-mode forms for console programs - headers, CMake and pkg-config files")

include(CPack)
