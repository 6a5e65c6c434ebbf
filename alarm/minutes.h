// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace zelvan {

// Reads what the user typed as a number and rounds it to a 16-bit integer, the
// way the alarm dialog reads its minutes, following the user's locale.
//
// Accepted, and nothing else:
//   - blanks (spaces and tabs) before and after the number;
//   - an optional sign, '+' or '-', directly before the number;
//   - ASCII decimal digits with an optional fractional part, the separator being
//     the user's decimal separator, or '.' unless '.' groups digits there;
//     either side of the separator may be empty but not both (".5" and "5."
//     are numbers, "." is not);
//   - where the locale groups digits (`localeGroupSeparator`, as UTF-8, e.g.
//     "." in Italian and "," in English), its separator between the groups of
//     the whole part: one to three digits, then groups of exactly three. So in
//     Italian "1.000" is one thousand, while "1.5" and "1.00" are no numbers.
// No exponents, no hexadecimal, no other scripts' digits and no blanks inside
// the number: "1e2", "0x10", "1,000" (where ',' does not group), "1 2" and
// "- 5" are not numbers.
//
// The value is rounded to the nearest integer, ties to even (0.5 -> 0, 4.5 -> 4,
// 5.5 -> 6), and must then lie in -32768..32767. Otherwise, and for text that is
// not a number, the result is empty.
//
// Any bytes at all may come in; the work is linear in the length of the text.
// A separator that could be mistaken for part of a number (a digit, a sign or a
// blank), or a group separator equal to the decimal one, is ignored.
std::optional<std::int16_t> TextToInteger(std::string_view text, char localeDecimalSeparator,
                                          std::string_view localeGroupSeparator = {});

// The alarm dialog's verdict on what the user typed: the minutes when they are
// a whole number from 1 to 60 after rounding, otherwise empty (the dialog warns).
// Text that is no number counts as 0 minutes and is refused.
std::optional<std::int16_t> AlarmMinutes(std::string_view text, char localeDecimalSeparator,
                                         std::string_view localeGroupSeparator = {});

} // namespace zelvan
