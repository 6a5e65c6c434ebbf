// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the alarm dialog's reading of the minutes: every
// input must give minutes from 1 to 60 or the warning, and nothing else.
#include "alarm/minutes.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    for (const char separator : {'.', ',', '\0', '5', ' '}) {
        const std::optional<std::int16_t> minutes = zelvan::AlarmMinutes(text, separator);
        if (minutes && (*minutes < 1 || *minutes > 60))
            std::abort();
        // Whatever the dialog accepts is a number the conversion reads the same way.
        const std::optional<std::int16_t> value = zelvan::TextToInteger(text, separator);
        if (minutes && value != minutes)
            std::abort();
    }
    return 0;
}
