// The consumer's own use of the curses it chose.
#include <curses.h>

#include <cstdio>

int main() {
    std::printf("%s\n", curses_version());
    return 0;
}
