// Reporting problems on standard error, and ending the process on a fatal one.
#include "core/report.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string formatted(const char* format, va_list arguments) {
    va_list measuring;
    va_copy(measuring, arguments);
    const int length = std::vsnprintf(nullptr, 0, format, measuring);
    va_end(measuring);
    if (length <= 0) {
        return {};
    }
    std::string text(static_cast<size_t>(length) + 1, '\0');
    std::vsnprintf(text.data(), text.size(), format, arguments);
    text.pop_back();
    return text;
}

} // namespace

void warn(const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    const std::string message = formatted(format, arguments);
    va_end(arguments);
    // One write for the whole line, so a report never interleaves with another one.
    std::fprintf(stderr, "%s: %s\n", programName, message.c_str());
}

void fatal(const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    const std::string message = formatted(format, arguments);
    va_end(arguments);
    std::printf("%s\n", message.c_str());
    std::fflush(stdout);
    std::exit(1);
}
