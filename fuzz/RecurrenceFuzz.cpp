// Any bytes read as a recurrence are refused with a message, or read as a
// recurrence whose written form reads back as the same recurrence.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/jordan/RecurrenceReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    korvane::Recurrence read;
    try {
        read = korvane::ReadRecurrence(text);
    } catch (const korvane::RecurrenceError& e) {
        if (std::string_view(e.what()).empty()) std::abort();
        return 0;
    }
    if (read.coefficients.empty() || read.initial.size() != read.coefficients.size() ||
        read.coefficients.size() > static_cast<std::size_t>(korvane::kMaxRecurrenceOrder))
        std::abort();
    std::string written = korvane::RecurrenceText(read);
    for (std::size_t j = 0; j < read.initial.size(); ++j)
        written += "; " + std::string(1, read.name) + "(" + std::to_string(j) + ") = " +
                   korvane::CpxText(read.initial[j]);
    const korvane::Recurrence again = korvane::ReadRecurrence(written);
    if (again.name != read.name || again.coefficients != read.coefficients ||
        again.initial != read.initial)
        std::abort();
    return 0;
}
