// SPDX-License-Identifier: MIT
// Writes the alarm chime, a rising three-note bell, as a 16-bit mono WAV file.
// The sound is computed rather than stored so that the source tree carries no
// binary media and every build produces the same bytes.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int SampleRate = 44100;
constexpr double LengthSeconds = 1.2;
// -3 dBFS leaves headroom for the player's own resampling and mixing.
constexpr double PeakLevel = 0.7071;

struct Partial
{
    double ratio;     // frequency relative to the note's fundamental
    double amplitude; // relative to the fundamental
    double decay;     // exponential decay rate in 1/s
};

// Mostly harmonic partials keep the notes sweet; the slightly stretched top
// partial and the faster decay of the upper ones give the struck-bell colour.
constexpr Partial BellPartials[] = {
    {1.0, 1.00, 3.0},
    {2.0, 0.40, 4.5},
    {3.01, 0.18, 7.0},
    {4.17, 0.07, 11.0},
};

struct Note
{
    double start;     // seconds
    double frequency; // Hz
    double level;
};

// E5, G5, C6: a C-major arpeggio ending on the octave sounds finished ("ta-da")
// rather than questioning. The last note is loudest and rings out.
constexpr Note Notes[] = {
    {0.00, 659.26, 0.55},
    {0.11, 783.99, 0.60},
    {0.24, 1046.50, 1.00},
};

// A few milliseconds of rise avoid the click an instantaneous onset makes.
constexpr double AttackSeconds = 0.006;
// The tail is faded so the file ends on silence instead of a cut-off ring.
constexpr double FadeOutSeconds = 0.25;

std::vector<double> Synthesise()
{
    const auto count = static_cast<std::size_t>(std::lround(LengthSeconds * SampleRate));
    std::vector<double> mix(count, 0.0);
    for (const Note &note : Notes) {
        const auto first = static_cast<std::size_t>(std::lround(note.start * SampleRate));
        for (std::size_t i = first; i < count; ++i) {
            const double t = static_cast<double>(i - first) / SampleRate;
            const double attack = t < AttackSeconds
                                      ? 0.5 - 0.5 * std::cos(std::numbers::pi * t / AttackSeconds)
                                      : 1.0;
            double sample = 0.0;
            for (const Partial &p : BellPartials) {
                sample += p.amplitude * std::exp(-p.decay * t) *
                          std::sin(2.0 * std::numbers::pi * note.frequency * p.ratio * t);
            }
            mix[i] += note.level * attack * sample;
        }
    }
    const auto fadeCount = static_cast<std::size_t>(std::lround(FadeOutSeconds * SampleRate));
    for (std::size_t k = 0; k < fadeCount && k < count; ++k) {
        const double x = static_cast<double>(k) / static_cast<double>(fadeCount);
        mix[count - 1 - k] *= 0.5 - 0.5 * std::cos(std::numbers::pi * x);
    }
    return mix;
}

std::vector<std::int16_t> Quantise(const std::vector<double> &mix)
{
    double peak = 0.0;
    for (double s : mix) {
        peak = std::max(peak, std::abs(s));
    }
    const double scale = peak > 0.0 ? PeakLevel * 32767.0 / peak : 0.0;
    std::vector<std::int16_t> pcm;
    pcm.reserve(mix.size());
    for (double s : mix) {
        pcm.push_back(static_cast<std::int16_t>(std::lround(s * scale)));
    }
    return pcm;
}

// RIFF is little-endian whatever the host is, so bytes are emitted one by one.
void PutU16(std::string &out, std::uint16_t v)
{
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>((v >> 8) & 0xFF));
}

void PutU32(std::string &out, std::uint32_t v)
{
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<char>((v >> shift) & 0xFF));
    }
}

std::string EncodeWav(const std::vector<std::int16_t> &pcm)
{
    constexpr std::uint16_t Channels = 1;
    constexpr std::uint16_t BitsPerSample = 16;
    constexpr std::uint16_t BlockAlign = Channels * BitsPerSample / 8;
    const auto dataBytes = static_cast<std::uint32_t>(pcm.size() * BlockAlign);

    std::string out;
    out.reserve(44 + dataBytes);
    out += "RIFF";
    PutU32(out, 36 + dataBytes);
    out += "WAVE";
    out += "fmt ";
    PutU32(out, 16);
    PutU16(out, 1); // integer PCM
    PutU16(out, Channels);
    PutU32(out, SampleRate);
    PutU32(out, SampleRate * BlockAlign);
    PutU16(out, BlockAlign);
    PutU16(out, BitsPerSample);
    out += "data";
    PutU32(out, dataBytes);
    for (std::int16_t s : pcm) {
        PutU16(out, static_cast<std::uint16_t>(s));
    }
    return out;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::cerr << "usage: makechime OUTPUT.wav\n";
        return 2;
    }
    const std::filesystem::path path(argv[1]);
    if (path.has_parent_path()) {
        std::filesystem::create_directories(path.parent_path());
    }
    const std::string bytes = EncodeWav(Quantise(Synthesise()));
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) {
        std::cerr << "makechime: cannot write " << path << '\n';
        return 1;
    }
    return 0;
}
