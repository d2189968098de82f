# Finds the system libraries the build links and provides each as an imported
# target of its own: Vesk::Ncursesw (the wide-character ncurses) and
# Vesk::Vterm (libvterm, the testing kit's terminal emulator, which the
# library itself does not need). They use
# variables of their own only (VESK_<NAME>_*), so a find_package(Curses) of
# the including project, before or after, neither affects nor is affected by
# them. Used by the build and by the installed package configuration of
# static builds.

# vesk_find_system_library(<name> <pkg-config module> <header> <library>
#                          <message> [<header path suffix>])
# Defines Vesk::<name> from pkg-config when it knows the module, else from
# find_path and find_library; stops with <message> when neither finds it, or,
# when <message> is "", leaves Vesk::<name> undefined.
function(vesk_find_system_library name module header library message)
    if(TARGET Vesk::${name})
        return()
    endif()
    string(TOUPPER ${name} prefix)
    set(prefix VESK_${prefix})
    find_package(PkgConfig QUIET)
    if(PKG_CONFIG_FOUND)
        pkg_check_modules(${prefix} QUIET IMPORTED_TARGET GLOBAL ${module})
    endif()
    if(TARGET PkgConfig::${prefix})
        add_library(Vesk::${name} INTERFACE IMPORTED GLOBAL)
        target_link_libraries(Vesk::${name} INTERFACE PkgConfig::${prefix})
        return()
    endif()
    find_path(${prefix}_INCLUDE_DIR ${header} PATH_SUFFIXES ${ARGN})
    find_library(${prefix}_LIBRARY ${library})
    if(NOT ${prefix}_INCLUDE_DIR OR NOT ${prefix}_LIBRARY)
        if(message)
            message(FATAL_ERROR "${message}")
        endif()
        return()
    endif()
    add_library(Vesk::${name} INTERFACE IMPORTED GLOBAL)
    target_include_directories(Vesk::${name} INTERFACE ${${prefix}_INCLUDE_DIR})
    target_link_libraries(Vesk::${name} INTERFACE ${${prefix}_LIBRARY})
endfunction()

function(vesk_find_ncursesw)
    vesk_find_system_library(Ncursesw ncursesw curses.h ncursesw
        "The wide-character ncurses (ncursesw) was not found; install libncurses-dev, which provides ncursesw."
        ncursesw)
endfunction()

# vesk_find_vterm([OPTIONAL]): with OPTIONAL, Vesk::Vterm stays undefined
# when libvterm is missing; only the testing kit needs it.
function(vesk_find_vterm)
    set(message "libvterm was not found; install libvterm-dev.")
    if(ARGV0 STREQUAL "OPTIONAL")
        set(message "")
    endif()
    vesk_find_system_library(Vterm vterm vterm.h vterm "${message}")
endfunction()
