// SPDX-License-Identifier: MIT
#include "alarm/minutes.h"

#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <string>

namespace zelvan {
namespace {

struct ConversionRow
{
    const char *name;
    std::string text;
    char separator;
    std::optional<std::int16_t> expected;
};

// Shows rows readably in failure messages, whatever bytes the text holds.
void PrintTo(const ConversionRow &row, std::ostream *os)
{
    *os << row.name << ": \"";
    if (row.text.size() > 40) {
        *os << row.text.substr(0, 20) << "...(" << row.text.size() << " bytes)";
    } else {
        for (const char c : row.text) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte >= 0x20 && byte < 0x7f)
                *os << c;
            else
                *os << "\\x" << std::hex << static_cast<int>(byte) << std::dec;
        }
    }
    *os << "\" with '" << row.separator << "' -> ";
    if (row.expected)
        *os << *row.expected;
    else
        *os << "no number";
}

class TextToIntegerTest : public ::testing::TestWithParam<ConversionRow>
{
};

TEST_P(TextToIntegerTest, ReadsTheTextAsTheDialogDoes)
{
    const ConversionRow &row = GetParam();
    EXPECT_EQ(TextToInteger(row.text, row.separator), row.expected);
}

using std::nullopt;

std::string Repeated(char c, std::size_t n)
{
    return std::string(n, c);
}

const ConversionRow Rows[] = {
    // Plain numbers, blanks and signs.
    {"Five", "5", '.', 5},
    {"Zero", "0", '.', 0},
    {"SixtyOne", "61", '.', 61},
    {"Negative", "-3", '.', -3},
    {"PlusSign", "+5", '.', 5},
    {"SurroundingSpaces", " 5 ", '.', 5},
    {"SurroundingTabs", "\t5\t", '.', 5},
    {"LeadingZeros", "0005", '.', 5},
    // Rounding to the nearest, ties to even.
    {"FiveAndAHalfUp", "5.5", '.', 6},
    {"FourAndAHalfDown", "4.5", '.', 4},
    {"BelowHalf", "60.4", '.', 60},
    {"TieToEvenSixty", "60.5", '.', 60},
    {"AboveHalf", "60.6", '.', 61},
    {"HalfToZero", "0.5", '.', 0},
    {"JustAboveHalf", "4.5000001", '.', 5},
    {"NegativeHalf", "-0.5", '.', 0},
    {"NegativeTieToEven", "-2.5", '.', -2},
    {"NegativeAboveHalf", "-2.51", '.', -3},
    // Either side of the separator may be missing.
    {"NoWholePart", ".5", '.', 0},
    {"NoWholePartAboveHalf", ".51", '.', 1},
    {"NoFraction", "5.", '.', 5},
    {"SeparatorAlone", ".", '.', nullopt},
    // The edges of 16 bits, after rounding.
    {"Largest", "32767", '.', 32767},
    {"OneTooLarge", "32768", '.', nullopt},
    {"Smallest", "-32768", '.', -32768},
    {"OneTooSmall", "-32769", '.', nullopt},
    {"RoundsDownToLargest", "32766.5", '.', 32766},
    {"RoundsUpPastLargest", "32767.5", '.', nullopt},
    {"RoundsToSmallest", "-32768.5", '.', -32768},
    {"RoundsPastSmallest", "-32768.51", '.', nullopt},
    {"FarTooLarge", "99999999999", '.', nullopt},
    // The user's decimal separator, alongside the point.
    {"CommaSeparator", "5,5", ',', 6},
    {"PointWithCommaLocale", "5.5", ',', 6},
    {"CommaWithPointLocale", "5,5", '.', nullopt},
    {"DigitGrouping", "1,000", '.', nullopt},
    {"DigitAsSeparatorIgnored", "515", '1', 515},
    {"TwoSeparators", "1.2.3", '.', nullopt},
    // Not numbers.
    {"Empty", "", '.', nullopt},
    {"OnlyBlanks", "  \t ", '.', nullopt},
    {"Letters", "abc", '.', nullopt},
    {"TrailingLetters", "5abc", '.', nullopt},
    {"Exponent", "1e400", '.', nullopt},
    {"SmallExponent", "1e2", '.', nullopt},
    {"Hexadecimal", "0x10", '.', nullopt},
    {"LoneMinus", "-", '.', nullopt},
    {"LonePlus", "+", '.', nullopt},
    {"TwoSigns", "--5", '.', nullopt},
    {"BlankAfterSign", "- 5", '.', nullopt},
    {"BlankInside", "1 2", '.', nullopt},
    {"NewlineAfter", "5\n", '.', nullopt},
    // Hostile input.
    {"EmbeddedNul", std::string{'5', '\0', '5'}, '.', nullopt},
    {"TrailingNul", std::string{'5', '\0'}, '.', nullopt},
    {"ArabicIndicFive", "\xd9\xa5", '.', nullopt},
    {"FullwidthFive", "\xef\xbc\x95", '.', nullopt},
    {"HighBytes", "\xff\xfe\x80", '.', nullopt},
    {"TenThousandDigits", Repeated('9', 10000), '.', nullopt},
    {"TenThousandLeadingZeros", Repeated('0', 10000) + "42", '.', 42},
    {"TenThousandFractionZeros", "4.5" + Repeated('0', 10000), '.', 4},
    {"TieBrokenFarAway", "4.5" + Repeated('0', 10000) + "1", '.', 5},
    {"MillionDigitsThenLetter", Repeated('1', 1000000) + "x", '.', nullopt},
};

INSTANTIATE_TEST_SUITE_P(Rows, TextToIntegerTest, ::testing::ValuesIn(Rows),
                         [](const ::testing::TestParamInfo<ConversionRow> &info) {
                             return std::string(info.param.name);
                         });

struct LocaleRow
{
    const char *name;
    std::string text;
    char decimal;
    std::string group;
    std::optional<std::int16_t> expected;
};

void PrintTo(const LocaleRow &row, std::ostream *os)
{
    *os << row.name << ": \"" << row.text << "\" with decimal '" << row.decimal << "' and group \""
        << row.group << "\"";
}

class LocaleSeparatorsTest : public ::testing::TestWithParam<LocaleRow>
{
};

TEST_P(LocaleSeparatorsTest, FollowsTheLocalesDecimalAndGroupSeparators)
{
    const LocaleRow &row = GetParam();
    EXPECT_EQ(TextToInteger(row.text, row.decimal, row.group), row.expected);
}

const LocaleRow LocaleRows[] = {
    // Italian (German alike): ',' is the decimal separator and '.' groups thousands.
    {"ItalianThousand", "1.000", ',', ".", 1000},
    {"ItalianThousandAndAHalf", "1.000,5", ',', ".", 1000},
    {"ItalianMillionsOutOfRange", "1.000.000", ',', ".", nullopt},
    {"ItalianDecimalComma", "1,5", ',', ".", 2},
    {"ItalianPointIsNoDecimalSeparator", "1.5", ',', ".", nullopt},
    {"ItalianShortGroup", "1.00", ',', ".", nullopt},
    {"ItalianLongGroup", "1.0000", ',', ".", nullopt},
    {"ItalianLongFirstGroup", "1234.567", ',', ".", nullopt},
    {"ItalianTrailingPoint", "5.", ',', ".", nullopt},
    {"ItalianLeadingPoint", ".5", ',', ".", nullopt},
    {"ItalianPlain", " 45 ", ',', ".", 45},
    {"ItalianSignedThousands", "-12.345", ',', ".", -12345},
    {"ItalianTwoSeparatorsInARow", "1..000", ',', ".", nullopt},
    // English: '.' is the decimal separator and ',' groups thousands.
    {"EnglishThousand", "1,000", '.', ",", 1000},
    {"EnglishDecimalPoint", "1.5", '.', ",", 2},
    {"EnglishShortGroup", "1,5", '.', ",", nullopt},
    {"EnglishGroupedAndFraction", "32,767.4", '.', ",", 32767},
    {"EnglishGroupedOutOfRange", "32,768", '.', ",", nullopt},
    // French: a narrow no-break space groups, in UTF-8.
    {"FrenchThousand", "1\xe2\x80\xaf" "000", ',', "\xe2\x80\xaf", 1000},
    {"FrenchDecimalComma", "2,5", ',', "\xe2\x80\xaf", 2},
    {"FrenchHalfASeparator",
     "1\xe2\x80"
     "000",
     ',', "\xe2\x80\xaf", nullopt},
    // Separators that could be read as part of a number group nothing.
    {"BlankGroupIgnored", "1 000", '.', " ", nullopt},
    {"DigitGroupIgnored", "10", '.', "0", 10},
    {"GroupEqualToDecimalIgnored", "1,5", ',', ",", 2},
};

INSTANTIATE_TEST_SUITE_P(Locales, LocaleSeparatorsTest, ::testing::ValuesIn(LocaleRows),
                         [](const ::testing::TestParamInfo<LocaleRow> &info) {
                             return std::string(info.param.name);
                         });

TEST(AlarmMinutes, ItalianThousandIsOutOfRange)
{
    EXPECT_EQ(AlarmMinutes("1.000", ',', "."), nullopt);
    EXPECT_EQ(AlarmMinutes("1,000", ',', "."), 1);
    EXPECT_EQ(AlarmMinutes("1.000", '.', ","), 1);
}

} // namespace
} // namespace zelvan
