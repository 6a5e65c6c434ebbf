// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the alarm dialog's reading of the minutes: every
// input must give minutes from 1 to 60 or the warning, and nothing else.
#include "alarm/minutes.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    // Decimal and group separators of real locales (English, Italian, French)
    // and nonsense ones.
    const struct
    {
        char decimal;
        std::string_view group;
    } locales[] = {{'.', ""},
                   {'.', ","},
                   {',', "."},
                   {',', "\xe2\x80\xaf"},
                   {',', ""},
                   {'\0', ""},
                   {'5', ""},
                   {' ', ""},
                   {'.', "."},
                   {',', "5"},
                   {',', std::string_view("\0", 1)}};
    for (const auto &locale : locales) {
        const std::optional<std::int16_t> minutes =
            zelvan::AlarmMinutes(text, locale.decimal, locale.group);
        if (minutes && (*minutes < 1 || *minutes > 60))
            std::abort();
        // Whatever the dialog accepts is a number the conversion reads the same way.
        const std::optional<std::int16_t> value =
            zelvan::TextToInteger(text, locale.decimal, locale.group);
        if (minutes && value != minutes)
            std::abort();
    }
    return 0;
}
