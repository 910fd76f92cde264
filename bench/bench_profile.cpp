// One Win32-signature write into a file of 1,000 keys: the cost of every option click.
#include "platform/profile_win32.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

static void BM_WriteIntoThousandKeyFile(benchmark::State& state) {
    std::string pattern = (std::filesystem::temp_directory_path() / "tsybench-XXXXXX").string();
    const std::string dir = ::mkdtemp(pattern.data());
    const std::string ini = dir + "/big.ini";
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
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_WriteIntoThousandKeyFile)->Unit(benchmark::kMicrosecond);
