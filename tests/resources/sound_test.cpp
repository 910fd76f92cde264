// tessaly plays its sounds through the platform sound player, which needs plain PCM WAV files;
// the splash and mascot wait for each sound to finish, so they must also stay short.

#include "shipped_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>

namespace {

std::uint32_t little(const std::string &bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

struct Wav {
    std::uint16_t format = 0, channels = 0, bits = 0, blockAlign = 0;
    std::uint32_t rate = 0, byteRate = 0;
    std::vector<std::int16_t> samples;
};

// Reads a RIFF WAVE file chunk by chunk; any inconsistency is a failure.
std::optional<Wav> readWav(const std::string &bytes, std::string &why) {
    if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0) {
        why = "not a RIFF WAVE file";
        return std::nullopt;
    }
    if (little(bytes, 4, 4) != bytes.size() - 8) {
        why = "RIFF size does not match the file";
        return std::nullopt;
    }
    Wav wav;
    bool haveFormat = false;
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        const std::string id = bytes.substr(at, 4);
        const std::uint32_t size = little(bytes, at + 4, 4);
        if (at + 8 + size > bytes.size()) {
            why = "chunk " + id + " runs past the end";
            return std::nullopt;
        }
        if (id == "fmt " && size >= 16) {
            wav.format = static_cast<std::uint16_t>(little(bytes, at + 8, 2));
            wav.channels = static_cast<std::uint16_t>(little(bytes, at + 10, 2));
            wav.rate = little(bytes, at + 12, 4);
            wav.byteRate = little(bytes, at + 16, 4);
            wav.blockAlign = static_cast<std::uint16_t>(little(bytes, at + 20, 2));
            wav.bits = static_cast<std::uint16_t>(little(bytes, at + 22, 2));
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat) {
                why = "data before fmt";
                return std::nullopt;
            }
            for (std::size_t i = 0; i + 1 < size; i += 2)
                wav.samples.push_back(static_cast<std::int16_t>(little(bytes, at + 8 + i, 2)));
        }
        at += 8 + size + (size & 1);
    }
    if (!haveFormat) {
        why = "no fmt chunk";
        return std::nullopt;
    }
    return wav;
}

} // namespace

TEST(Sounds, EachIsShortAudibleCleanPcm) {
    for (const char *name : {"ts.wav", "can.wav", "yk.wav", "can2.wav"}) {
        SCOPED_TRACE(name);
        const auto bytes = shipped::read(shipped::tessalyHome() + "/" + name);
        ASSERT_TRUE(bytes) << "missing";
        std::string why;
        const auto wav = readWav(*bytes, why);
        ASSERT_TRUE(wav) << why;
        EXPECT_EQ(wav->format, 1) << "PCM";
        EXPECT_EQ(wav->bits, 16);
        EXPECT_EQ(wav->channels, 1);
        EXPECT_EQ(wav->blockAlign, wav->channels * wav->bits / 8);
        EXPECT_EQ(wav->byteRate, wav->rate * wav->blockAlign);
        ASSERT_GT(wav->rate, 0u);

        const double seconds = static_cast<double>(wav->samples.size()) / wav->rate;
        EXPECT_GT(seconds, 0.1);
        EXPECT_LT(seconds, 1.5) << "the splash and mascot wait for every sound";

        int peak = 0;
        for (auto s : wav->samples)
            peak = std::max(peak, std::abs(static_cast<int>(s)));
        EXPECT_GT(peak, 32767 * 3 / 10) << "too quiet";
        EXPECT_LT(peak, 32767 * 9 / 10) << "leaves no headroom";
        // Starting and ending at rest keeps the speakers from clicking.
        EXPECT_LT(std::abs(static_cast<int>(wav->samples.front())), 32767 / 50);
        EXPECT_LT(std::abs(static_cast<int>(wav->samples.back())), 32767 / 50);
    }
}

TEST(Sounds, ReaderRejectsTruncatedFiles) {
    const auto bytes = shipped::read(shipped::tessalyHome() + "/can.wav");
    ASSERT_TRUE(bytes);
    std::string why;
    EXPECT_FALSE(readWav(bytes->substr(0, bytes->size() - 10), why));
    EXPECT_FALSE(readWav("RIFX" + bytes->substr(4), why));
}
