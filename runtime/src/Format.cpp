#include "vesk/Format.h"

#include <cstdarg>
#include <cstdio>

namespace Vesk {
namespace String {
namespace detail {

std::string* formatC(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);

    std::string* result = nullptr;
    try {
        result = new std::string();
        if (length > 0) {
            // One extra byte for the terminator vsnprintf always writes;
            // the string's own terminator must not be overwritten.
            result->resize(static_cast<std::size_t>(length) + 1);
            std::vsnprintf(result->data(), result->size(), format, args);
            result->pop_back();
        }
    } catch (...) {
        va_end(args);
        delete result;
        throw;
    }
    va_end(args);
    return result;
}

}  // namespace detail
}  // namespace String
}  // namespace Vesk
