// <curses.h> before the library's headers: they are read with curses' macros
// defined and must compile under them, and leave them as they found them.
#include <curses.h>

#include "forms/Forms.h"
#include "host/HostForm.h"

TEST(CursesFirst, BuildsAFormWithCursesMacrosInForce) {
    buildAndCheckForm();
}

TEST(CursesFirst, LeavesCursesBorderMacroToTheHost) {
    checkCursesBorder();
}
