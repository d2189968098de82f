// <curses.h> after the library's headers: the host's code that follows sees
// curses' macros beside the library's members.
#include "forms/Forms.h"

#include <curses.h>

#include "host/HostForm.h"

TEST(CursesLast, BuildsAFormWithCursesMacrosInForce) {
    buildAndCheckForm();
}

TEST(CursesLast, LeavesCursesBorderMacroToTheHost) {
    checkCursesBorder();
}
