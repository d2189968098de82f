#pragma once

/// @file
/// Export marks of the runtime library (libvesk).

/// Marks what the runtime library exports. Everything else in it is built with
/// hidden visibility, so a program can reach only what the headers promise.
#define VESK_API __attribute__((visibility("default")))
/// Marks a private member of an exported class that stays inside the library.
#define VESK_LOCAL __attribute__((visibility("hidden")))
