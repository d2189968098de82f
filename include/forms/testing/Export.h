#pragma once

/// @file
/// Export marks of the testing kit (libveskforms-testing).

/// Marks what the testing kit exports; the rest of it is built with hidden
/// visibility.
#define VESK_FORMS_TESTING_API __attribute__((visibility("default")))
