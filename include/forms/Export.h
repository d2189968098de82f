#pragma once

/// @file
/// Export marks of the forms library (libveskforms).

/// Marks what the forms library exports. Everything else in it is built with
/// hidden visibility, so a program can reach only what the headers promise.
#define VESK_FORMS_API __attribute__((visibility("default")))
/// Marks a private member of an exported class that stays inside the library.
#define VESK_FORMS_LOCAL __attribute__((visibility("hidden")))
