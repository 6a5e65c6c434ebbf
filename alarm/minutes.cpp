// SPDX-License-Identifier: MIT
#include "alarm/minutes.h"

#include <algorithm>
#include <cstddef>

namespace zelvan {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}
bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Any magnitude above this is out of range whatever its fraction; keeping the
// integer part no larger than this means it never overflows while it is read.
constexpr std::int32_t Saturated = 100000;

} // namespace

std::optional<std::int16_t> TextToInteger(std::string_view text, char localeDecimalSeparator,
                                          std::string_view localeGroupSeparator)
{
    const auto partOfANumber = [](char c) {
        return IsDigit(c) || IsBlank(c) || c == '+' || c == '-';
    };
    const char separator = partOfANumber(localeDecimalSeparator) ? '.' : localeDecimalSeparator;
    std::string_view group = localeGroupSeparator;
    if (group.empty() || group == std::string_view(&separator, 1) ||
        std::any_of(group.begin(), group.end(), partOfANumber))
        group = {};
    // Where '.' groups digits it is no decimal point, however common one is.
    const bool pointIsDecimal = group != ".";
    const auto isSeparator = [&](char c) { return c == separator || (c == '.' && pointIsDecimal); };

    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && IsBlank(text[i]))
        ++i;

    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }

    // The integer part saturates: thousands of digits stay cheap and exact
    // enough to tell that they are out of range.
    std::int32_t whole = 0;
    std::size_t digits = 0;
    // Digits since the last group separator, and whether there was one.
    std::size_t inGroup = 0;
    bool grouped = false;
    while (i < n) {
        if (IsDigit(text[i])) {
            whole = whole * 10 + (text[i] - '0');
            if (whole > Saturated)
                whole = Saturated;
            ++i;
            ++digits;
            ++inGroup;
        } else if (!group.empty() && digits > 0 && text.substr(i).starts_with(group)) {
            // One to three digits before the first separator, three before the others.
            if (grouped ? inGroup != 3 : inGroup > 3)
                return std::nullopt;
            grouped = true;
            inGroup = 0;
            i += group.size();
        } else {
            break;
        }
    }
    if (grouped && inGroup != 3)
        return std::nullopt;

    // Rounding needs only how the fraction compares with one half: its first
    // digit, and for a 5 whether any later digit is not zero.
    enum class Fraction
    {
        Zero,
        BelowHalf,
        Half,
        AboveHalf
    } fraction = Fraction::Zero;
    if (i < n && isSeparator(text[i])) {
        ++i;
        bool first = true;
        for (; i < n && IsDigit(text[i]); ++i, ++digits) {
            const char d = text[i];
            if (first) {
                fraction = d == '0'   ? Fraction::Zero
                           : d < '5'  ? Fraction::BelowHalf
                           : d == '5' ? Fraction::Half
                                      : Fraction::AboveHalf;
                first = false;
            } else if (d != '0') {
                if (fraction == Fraction::Zero)
                    fraction = Fraction::BelowHalf;
                else if (fraction == Fraction::Half)
                    fraction = Fraction::AboveHalf;
            }
        }
    }
    if (digits == 0)
        return std::nullopt;

    while (i < n && IsBlank(text[i]))
        ++i;
    if (i != n)
        return std::nullopt;

    // Ties go to the even neighbour, so the sign does not matter for rounding.
    if (fraction == Fraction::AboveHalf || (fraction == Fraction::Half && whole % 2 == 1))
        ++whole;

    const std::int32_t value = negative ? -whole : whole;
    if (value < -32768 || value > 32767)
        return std::nullopt;
    return static_cast<std::int16_t>(value);
}

std::optional<std::int16_t> AlarmMinutes(std::string_view text, char localeDecimalSeparator,
                                         std::string_view localeGroupSeparator)
{
    const std::int16_t minutes =
        TextToInteger(text, localeDecimalSeparator, localeGroupSeparator).value_or(0);
    if (minutes < 1 || minutes > 60)
        return std::nullopt;
    return minutes;
}

} // namespace zelvan
