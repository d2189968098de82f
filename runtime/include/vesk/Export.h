#pragma once

// Marks what the runtime library exports. Everything else in it is built with
// hidden visibility, so a program can reach only what the headers promise.
#define VESK_API __attribute__((visibility("default")))
