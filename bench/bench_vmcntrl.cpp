// What start-up and picking a script cost with 1,000 scripts in vellum.ini.
#include "vmcntrl/config/vellum_ini.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

class ThousandScripts {
public:
    ThousandScripts() {
        std::string pattern = (std::filesystem::temp_directory_path() / "vmbench-XXXXXX").string();
        dir_ = ::mkdtemp(pattern.data());
        std::ofstream out(dir_ + "/vellum.ini", std::ios::binary);
        out << "[Config]\r\nBrowser=/usr/bin/browser\r\nWinScriptAlias=http://host/cgi-win/\r\n";
        for (int i = 0; i < 1000; ++i) {
            const std::string n = "Script" + std::to_string(i);
            out << "[" << n << "]\r\nArchive=C:\\Vellum\\SAVED\\" << n << ".txt\r\n"
                << "Form=C:\\Vellum\\FORMS\\" << n << ".html\r\nOutputStyle=Text\r\n"
                << "Confirm=yes\r\nSendURL=\r\nSendConf=Default\r\nTo=owner@example.com\r\n"
                << "Sender=Use 'From' from Form\r\nSubject=Entry\r\nSendMessage=\r\n"
                << "OutputTemplate=\r\nAppend=Top\r\nLocked=True\r\nTarget=\r\n";
        }
        out << "[NumTags]\r\n";
        for (int i = 0; i < 1000; ++i)
            out << "Script" << i << "=Script" << i << "\r\n";
    }
    ~ThousandScripts() { std::filesystem::remove_all(dir_); }
    std::string ini() const { return dir_ + "/vellum.ini"; }

private:
    std::string dir_;
};

void BM_ListThousandScripts(benchmark::State& state) {
    ThousandScripts file;
    vmcntrl::VellumIni ini(file.ini());
    for (auto _ : state)
        benchmark::DoNotOptimize(ini.loadScriptList());
}
BENCHMARK(BM_ListThousandScripts)->Unit(benchmark::kMillisecond);

void BM_LoadOneOfThousandScripts(benchmark::State& state) {
    ThousandScripts file;
    vmcntrl::VellumIni ini(file.ini());
    for (auto _ : state)
        benchmark::DoNotOptimize(ini.readScript("Script777"));
}
BENCHMARK(BM_LoadOneOfThousandScripts)->Unit(benchmark::kMillisecond);

} // namespace
