// Writes Tessaly's four short sounds as 16-bit mono PCM WAV files. The sounds are made from
// a few sine partials with soft attacks and decays, so they stay gentle on any speaker and
// come out byte for byte the same on every build.
//
// Usage: make_sounds OUTPUT_DIRECTORY

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

constexpr int sampleRate = 22050;
constexpr double pi = 3.14159265358979323846;

using Samples = std::vector<double>;

// One voice: a frequency glide from `from` to `to` Hz with a few harmonics, a short attack
// and an exponential decay, added into `out` starting at `start` seconds.
struct Voice {
    double start = 0;
    double length = 0.2;
    double from = 440;
    double to = 440;
    double decay = 0.2;   // seconds for the level to fall to 1/e
    double attack = 0.006;
    double level = 1.0;
    double second = 0.25; // level of the second harmonic
    double third = 0.08;  // level of the third harmonic
};

void addVoice(Samples &out, const Voice &v) {
    const auto first = static_cast<std::size_t>(v.start * sampleRate);
    const auto count = static_cast<std::size_t>(v.length * sampleRate);
    if (out.size() < first + count)
        out.resize(first + count, 0.0);
    double phase = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        const double progress = t / v.length;
        const double frequency = v.from + (v.to - v.from) * progress;
        phase += 2 * pi * frequency / sampleRate;
        const double envelope = std::min(1.0, t / v.attack) * std::exp(-t / v.decay);
        // A short release keeps the end of every voice free of clicks.
        const double release = std::min(1.0, (v.length - t) / 0.02);
        const double tone = std::sin(phase) + v.second * std::sin(2 * phase) + v.third * std::sin(3 * phase);
        out[first + i] += v.level * envelope * release * tone;
    }
}

std::vector<std::int16_t> normalised(const Samples &in, double peak) {
    double largest = 0;
    for (double s : in)
        largest = std::max(largest, std::abs(s));
    const double scale = largest > 0 ? peak * 32767.0 / largest : 0.0;
    std::vector<std::int16_t> out;
    out.reserve(in.size());
    for (double s : in)
        out.push_back(static_cast<std::int16_t>(std::lround(s * scale)));
    return out;
}

void putLittleEndian(std::string &bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i)
        bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

bool writeWav(const std::string &path, const std::vector<std::int16_t> &samples) {
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * 2);
    std::string bytes = "RIFF";
    putLittleEndian(bytes, 36 + dataSize, 4);
    bytes += "WAVEfmt ";
    putLittleEndian(bytes, 16, 4);             // size of the fmt chunk
    putLittleEndian(bytes, 1, 2);              // PCM
    putLittleEndian(bytes, 1, 2);              // mono
    putLittleEndian(bytes, sampleRate, 4);
    putLittleEndian(bytes, sampleRate * 2, 4); // bytes per second
    putLittleEndian(bytes, 2, 2);              // bytes per frame
    putLittleEndian(bytes, 16, 2);             // bits per sample
    bytes += "data";
    putLittleEndian(bytes, dataSize, 4);
    for (std::int16_t s : samples)
        putLittleEndian(bytes, static_cast<std::uint16_t>(s), 2);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

// A voice gliding from `from` to `to` Hz over `length` seconds, `start` seconds in.
Voice glide(double start, double length, double from, double to, double decay) {
    Voice v;
    v.start = start;
    v.length = length;
    v.from = from;
    v.to = to;
    v.decay = decay;
    return v;
}

Samples mix(std::initializer_list<Voice> voices) {
    Samples out;
    for (const Voice &v : voices)
        addVoice(out, v);
    return out;
}

// Pelfin's "bloop": a round glide with a soft second harmonic and no third, so it sounds
// rounder than the chimes.
Samples bloop(double length, double from, double to, double decay) {
    Voice v = glide(0, length, from, to, decay);
    v.second = 0.15;
    v.third = 0.0;
    return mix({v});
}

// Splash: a bright four-note chime rising over an octave, like a bell being tapped.
Samples splashChime() {
    Samples out;
    const double notes[] = {523.25, 659.25, 783.99, 1046.50};
    for (int i = 0; i < 4; ++i) {
        Voice v = glide(0.11 * i, 1.0 - 0.11 * i, notes[i], notes[i], 0.32);
        v.level = i == 3 ? 1.0 : 0.8;
        addVoice(out, v);
    }
    return out;
}

// Pelfin starts to dance: a round, rising "bloop".
Samples mascotStart() {
    return bloop(0.26, 330, 740, 0.12);
}

// Pelfin's little cheer: two quick chirps, the second a fourth higher.
Samples mascotCheer() {
    return mix({glide(0, 0.1, 880, 940, 0.06), glide(0.1, 0.16, 1175, 1245, 0.08)});
}

// Pelfin settles down again: the opening "bloop" falling back.
Samples mascotEnd() {
    return bloop(0.32, 740, 300, 0.14);
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sounds OUTPUT_DIRECTORY\n");
        return 2;
    }
    const std::string dir = argv[1];
    struct Output {
        const char *name;
        Samples samples;
    };
    const Output outputs[] = {
        {"ts.wav", splashChime()},
        {"can.wav", mascotStart()},
        {"yk.wav", mascotCheer()},
        {"can2.wav", mascotEnd()},
    };
    for (const auto &o : outputs) {
        if (!writeWav(dir + "/" + o.name, normalised(o.samples, 0.55))) {
            std::fprintf(stderr, "make_sounds: cannot write %s/%s\n", dir.c_str(), o.name);
            return 1;
        }
    }
    return 0;
}
