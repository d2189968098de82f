# Whether the testing kit is built (VESK_FORMS_KIT): it needs libvterm, which
# neither the library nor its programs do, so a library-only build goes on
# without it. The tests and benchmarks need the kit.
if(VESK_FORMS_BUILD_TESTING_KIT STREQUAL "OFF")
    set(VESK_FORMS_KIT OFF)
elseif(VESK_FORMS_BUILD_TESTING_KIT STREQUAL "ON")
    vesk_find_vterm()
    set(VESK_FORMS_KIT ON)
else()
    vesk_find_vterm(OPTIONAL)
    if(TARGET Vesk::Vterm)
        set(VESK_FORMS_KIT ON)
    else()
        set(VESK_FORMS_KIT OFF)
        message(STATUS "libvterm not found: the testing kit (Vesk::FormsTesting) is not built; install libvterm-dev for it")
    endif()
endif()
if(NOT VESK_FORMS_KIT AND (VESK_FORMS_BUILD_TESTS OR VESK_FORMS_BUILD_BENCHMARKS))
    message(FATAL_ERROR "The tests and benchmarks need the testing kit, and so libvterm: install "
        "libvterm-dev (tools/install-deps does), or configure with -DVESK_FORMS_BUILD_TESTS=OFF "
        "(and without VESK_FORMS_BUILD_BENCHMARKS) to build the library alone.")
endif()
