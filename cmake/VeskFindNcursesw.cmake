# Finds the wide-character ncurses and provides it as the imported target
# Vesk::Ncursesw. It uses variables of its own only (VESK_NCURSESW_*), so a
# find_package(Curses) of the including project, before or after, neither
# affects nor is affected by it. Used by the build and by the installed
# package configuration.
function(vesk_find_ncursesw)
    if(TARGET Vesk::Ncursesw)
        return()
    endif()
    find_package(PkgConfig QUIET)
    if(PKG_CONFIG_FOUND)
        pkg_check_modules(VESK_NCURSESW QUIET IMPORTED_TARGET GLOBAL ncursesw)
    endif()
    add_library(Vesk::Ncursesw INTERFACE IMPORTED GLOBAL)
    if(TARGET PkgConfig::VESK_NCURSESW)
        target_link_libraries(Vesk::Ncursesw INTERFACE PkgConfig::VESK_NCURSESW)
        return()
    endif()
    find_path(VESK_NCURSESW_INCLUDE_DIR curses.h PATH_SUFFIXES ncursesw)
    find_library(VESK_NCURSESW_LIBRARY ncursesw)
    if(NOT VESK_NCURSESW_INCLUDE_DIR OR NOT VESK_NCURSESW_LIBRARY)
        message(FATAL_ERROR "The wide-character ncurses (ncursesw) was not found; "
                            "install libncurses-dev, which provides ncursesw.")
    endif()
    target_include_directories(Vesk::Ncursesw INTERFACE ${VESK_NCURSESW_INCLUDE_DIR})
    target_link_libraries(Vesk::Ncursesw INTERFACE ${VESK_NCURSESW_LIBRARY})
endfunction()
