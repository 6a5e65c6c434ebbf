// SPDX-License-Identifier: MIT
// The text conversions: the readout at every tick, the alarm minutes at every OK.
#include "alarm/minutes.h"
#include "app/tick.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <string_view>

namespace {

void BM_FormatElapsed(benchmark::State &state)
{
    std::int32_t seconds = 3599; // goes through every digit change of an hour
    for (auto _ : state) {
        benchmark::DoNotOptimize(zelvan::FormatElapsed(seconds));
        seconds = seconds == 86400 * 2 ? 0 : seconds + 1;
    }
}
BENCHMARK(BM_FormatElapsed);

void BM_TextToInteger(benchmark::State &state)
{
    // What people type in the minutes box, valid and not.
    static constexpr std::string_view Inputs[] = {"5", " 15 ", "60", "2.5", "-3", "1e2", "abc", ""};
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(zelvan::TextToInteger(Inputs[i], ','));
        i = (i + 1) % std::size(Inputs);
    }
}
BENCHMARK(BM_TextToInteger);

} // namespace
