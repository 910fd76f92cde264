// One submission through the processor in process: parse, save, respond, for a "Comma" and
// a "Template" script, on an archive that already holds some entries (every save rewrites
// the archive whole, so its size is part of the cost).
#include "vellum/processor.h"

#include "vmcntrl/config/vellum_ini.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

class BenchHome {
public:
    BenchHome() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "vellumbench-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~BenchHome() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    std::string file(const std::string& name) const { return path_ + "/" + name; }
    void write(const std::string& name, const std::string& bytes) const {
        std::ofstream(file(name), std::ios::binary) << bytes;
    }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

const std::string kBody =
    "00E-Mail=ann%40example.org&01Name=Ann+Smith&02Rating=Good&"
    "03Topic=General+comment&04Comments=The+pages+load+quickly.%0D%0AThanks%21";

int submit(const BenchHome& home) {
    std::istringstream in(kBody);
    vellum::ProcessorContext context;
    context.home = home.path();
    context.request.method = "POST";
    context.request.pathInfo = "/Bench";
    context.request.contentType = "application/x-www-form-urlencoded";
    context.request.contentLength = std::to_string(kBody.size());
    context.request.remoteAddress = "127.0.0.1";
    context.body = &in;
    context.now = std::chrono::system_clock::now();
    return vellum::processRequest(context).status;
}

void setUp(BenchHome& home, const std::string& style) {
    vmcntrl::ScriptRecord r;
    r.OutputStyle = style;
    r.Confirm = "yes";
    r.SendConf = "Default";
    r.Append = "Bottom";
    r.Archive = home.file(style == "Comma" ? "Bench.csv" : "Bench.html");
    r.OutputTemplate = home.file("entry.tpl");
    vmcntrl::VellumIni(vmcntrl::vellumIniPath(home.path())).writeScript("Bench", r);
    home.write("entry.tpl",
               "# Output File Template for Bench Script\r\n"
               "<P><B>^Name^</B> (^00E-Mail^) rated ^Rating^ on ^vmDate^ ^vmTime^</P>\r\n"
               "<P>^Comments^</P>\r\n<HR>\r\n");
}

std::string archiveWith(const std::string& style, int entries) {
    std::string text;
    if (style == "Comma") {
        text = "\"E-Mail\",\"Name\",\"Rating\",\"Topic\",\"Comments\"\r\n";
        for (int i = 0; i < entries; ++i)
            text += "\"ann@example.org\",\"Ann Smith\",\"Good\",\"General comment\",\"Thanks\"\r\n";
        return text;
    }
    text = "<!--Output file for Bench script-->\r\n<HTML><BODY>\r\n";
    for (int i = 0; i < entries; ++i)
        text += "<!--vellum entry x-->\r\n<P><B>Ann Smith</B> (ann@example.org) rated Good</P>\r\n"
                "<P>Thanks</P>\r\n<HR>\r\n";
    return text + "<!--footer-->\r\n</BODY></HTML>\r\n";
}

void submission(benchmark::State& state, const std::string& style) {
    BenchHome home;
    setUp(home, style);
    const std::string name = style == "Comma" ? "Bench.csv" : "Bench.html";
    const std::string archive = archiveWith(style, static_cast<int>(state.range(0)));
    int status = 0;
    for (auto _ : state) {
        state.PauseTiming();
        home.write(name, archive);
        state.ResumeTiming();
        status = submit(home);
    }
    if (status != 200)
        state.SkipWithError("the submission was not accepted");
}

void BM_CommaSubmission(benchmark::State& state) {
    submission(state, "Comma");
}
void BM_TemplateSubmission(benchmark::State& state) {
    submission(state, "Template");
}

} // namespace

BENCHMARK(BM_CommaSubmission)->Arg(0)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TemplateSubmission)->Arg(0)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
