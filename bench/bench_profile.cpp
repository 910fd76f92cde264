// The profile engine as the programs use it: one key or one list per call, on files of
// 1,000 and 30,000 keys (a large vellum.ini; a document of 10,000 links), through the
// Win32-signature functions and through the C++ read interface; and one write into a file
// of 1,000 keys, the cost of every option click.
#include "platform/profile_file.h"
#include "platform/profile_win32.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

// One temporary folder for the whole run, removed at exit.
struct BenchFolder {
    std::string path;
    BenchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tsybench-XXXXXX").string();
        path = ::mkdtemp(pattern.data());
    }
    ~BenchFolder() { std::filesystem::remove_all(path); }
};

const std::string& folder() {
    static BenchFolder instance;
    return instance.path;
}

std::string keyName(long i) { return "Link Desc " + std::to_string(i); }

// A file of `keys` keys: all in one section ("Link"), or in sections of 14 keys each, as
// scripts are in vellum.ini. Made once per shape and left unchanged for the rest of the run.
// Reads of a file changed moments ago are checked against its bytes, so the files are let
// settle for a few seconds first, as a settings file has when the program starts.
const std::string& profileFile(long keys, bool sectioned) {
    static std::map<std::pair<long, bool>, std::string> made;
    auto& path = made[{keys, sectioned}];
    if (path.empty()) {
        path = folder() + "/" + std::to_string(keys) + (sectioned ? "-sections" : "-link") + ".ini";
        std::ofstream out(path, std::ios::binary);
        if (!sectioned)
            out << "[Link]\r\n";
        for (long i = 0; i < keys; ++i) {
            if (sectioned && i % 14 == 0)
                out << "[Script " << i / 14 << "]\r\n";
            out << keyName(i) << "=http://www.example.com/pages/page" << i << ".html\r\n";
        }
        out.close();
        std::this_thread::sleep_for(std::chrono::milliseconds(2500));
    }
    return path;
}

void BM_Win32ReadOneKey(benchmark::State& state) {
    const std::string& ini = profileFile(state.range(0), false);
    std::vector<std::string> keys;
    for (long i = 0; i < state.range(0); ++i)
        keys.push_back(keyName(i));
    char buffer[250];
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(platform::GetPrivateProfileStringA(
            "Link", keys[i].c_str(), "", buffer, sizeof buffer, ini.c_str()));
        i = (i + 7919) % keys.size();
    }
}

void BM_Win32ListKeys(benchmark::State& state) {
    const std::string& ini = profileFile(state.range(0), false);
    std::vector<char> buffer(static_cast<std::size_t>(state.range(0)) * 24 + 2);
    for (auto _ : state)
        benchmark::DoNotOptimize(platform::GetPrivateProfileStringA(
            "Link", nullptr, "", buffer.data(), static_cast<platform::DWORD>(buffer.size()),
            ini.c_str()));
}

void BM_Win32ListSections(benchmark::State& state) {
    const std::string& ini = profileFile(state.range(0), true);
    std::vector<char> buffer(static_cast<std::size_t>(state.range(0)) + 2);
    for (auto _ : state)
        benchmark::DoNotOptimize(platform::GetPrivateProfileSectionNamesA(
            buffer.data(), static_cast<platform::DWORD>(buffer.size()), ini.c_str()));
}

void BM_CppReadOneKey(benchmark::State& state) {
    const std::string& ini = profileFile(state.range(0), false);
    std::vector<std::string> keys;
    for (long i = 0; i < state.range(0); ++i)
        keys.push_back(keyName(i));
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(platform::loadProfile(ini).value("Link", keys[i]));
        i = (i + 7919) % keys.size();
    }
}

void BM_CppListKeys(benchmark::State& state) {
    const std::string& ini = profileFile(state.range(0), false);
    for (auto _ : state)
        benchmark::DoNotOptimize(platform::loadProfile(ini).keyNames("Link"));
}

void BM_CppListSections(benchmark::State& state) {
    const std::string& ini = profileFile(state.range(0), true);
    for (auto _ : state)
        benchmark::DoNotOptimize(platform::loadProfile(ini).sectionNames());
}

void BM_WriteIntoThousandKeyFile(benchmark::State& state) {
    const std::string ini = folder() + "/write.ini";
    {
        std::ofstream out(ini, std::ios::binary);
        out << "[Section]\r\n";
        for (int i = 0; i < 1000; ++i)
            out << "Key " << i << "=Some value number " << i << "\r\n";
    }
    int n = 0;
    for (auto _ : state) {
        const std::string value = "changed " + std::to_string(n++);
        benchmark::DoNotOptimize(
            platform::WritePrivateProfileStringA("Section", "Key 500", value.c_str(), ini.c_str()));
    }
}

} // namespace

BENCHMARK(BM_Win32ReadOneKey)->Arg(1000)->Arg(30000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Win32ListKeys)->Arg(1000)->Arg(30000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Win32ListSections)->Arg(1000)->Arg(30000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CppReadOneKey)->Arg(1000)->Arg(30000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CppListKeys)->Arg(1000)->Arg(30000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CppListSections)->Arg(1000)->Arg(30000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WriteIntoThousandKeyFile)->Unit(benchmark::kMicrosecond);
