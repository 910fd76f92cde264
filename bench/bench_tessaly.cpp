// A large link list must save, open and generate without the user noticing a wait.
#include "tessaly/document/document_file.h"
#include "tessaly/generator/applet_generator.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

constexpr std::size_t kLinks = 10000;

tessaly::Document largeDocument() {
    tessaly::Document d;
    d.properties = tessaly::AppletProperties::initial();
    d.properties[tessaly::Property::LinkType] = "Scroll list";
    for (std::size_t i = 0; i < kLinks; ++i)
        d.links.append("Bookmark number " + std::to_string(i),
                       "http://www.example.com/pages/section/page" + std::to_string(i) + ".htm",
                       i % 2 ? "_self" : "_top");
    return d;
}

struct ScratchFolder {
    ScratchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tsybench-XXXXXX").string();
        path = ::mkdtemp(pattern.data()) ? pattern : std::string(".");
    }
    ~ScratchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
    std::string path;
};

void SaveTenThousandLinks(benchmark::State& state) {
    const ScratchFolder folder;
    const tessaly::Document d = largeDocument();
    const std::string path = folder.path + "/large.tsy";
    for (auto _ : state)
        if (!tessaly::saveDocument(path, d))
            state.SkipWithError("save failed");
}
BENCHMARK(SaveTenThousandLinks)->Unit(benchmark::kMillisecond);

void OpenTenThousandLinks(benchmark::State& state) {
    const ScratchFolder folder;
    const std::string path = folder.path + "/large.tsy";
    if (!tessaly::saveDocument(path, largeDocument()))
        state.SkipWithError("save failed");
    for (auto _ : state) {
        const tessaly::Document d = tessaly::openDocument(path);
        if (d.links.size() != kLinks)
            state.SkipWithError("links lost");
        benchmark::DoNotOptimize(d);
    }
}
BENCHMARK(OpenTenThousandLinks)->Unit(benchmark::kMillisecond);

// Generate with its copies: an empty program folder makes the class copies fail fast, as
// they cost the same for any list size.
void GenerateTenThousandLinks(benchmark::State& state) {
    const ScratchFolder folder;
    const tessaly::Document source = largeDocument();
    for (auto _ : state) {
        tessaly::Document d = source;
        const tessaly::GenerateResult result = tessaly::Generate(d, {folder.path, folder.path});
        benchmark::DoNotOptimize(result.fragment.data());
    }
}
BENCHMARK(GenerateTenThousandLinks)->Unit(benchmark::kMillisecond);

} // namespace
