// The bookmark scanner on a 50,000-link export shaped like a browser's: folders with
// headings, links with dates and icons. Figures are bytes of the export per second.
#include "tessaly/import/bookmark_import.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

constexpr int kBookmarks = 50000;

std::string browserExport() {
    const std::string icon(320, 'Q');
    std::string bytes = "<!DOCTYPE Bookmark-file-1>\r\n"
                        "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\r\n"
                        "<TITLE>Bookmarks</TITLE>\r\n<H1>Bookmarks</H1>\r\n<DL><p>\r\n";
    for (int i = 0; i < kBookmarks; ++i) {
        const std::string n = std::to_string(i);
        if (i % 100 == 0) {
            if (i > 0)
                bytes += "    </DL><p>\r\n";
            bytes += "    <DT><H3 ADD_DATE=\"1700000000\" LAST_MODIFIED=\"1700000100\">Folder " + n +
                     "</H3>\r\n    <DL><p>\r\n";
        }
        bytes += "        <DT><A HREF=\"https://www.example.com/section/" + n + "/index.htm\" ADD_DATE=\"17000" + n +
                 "\"";
        if (i % 5 == 0)
            bytes += " ICON=\"data:image/png;base64," + icon + "\"";
        bytes += ">Example page number " + n + " &amp; more</A>\r\n";
    }
    bytes += "    </DL><p>\r\n</DL><p>\r\n";
    return bytes;
}

const std::string& exportBytes() {
    static const std::string bytes = browserExport();
    return bytes;
}

void BM_ScanBookmarkLines(benchmark::State& state) {
    const std::string& bytes = exportBytes();
    for (auto _ : state) {
        tessaly::LineCursor lines(bytes);
        std::size_t found = 0;
        while (const auto line = lines.next()) {
            if (const auto link = tessaly::scanBookmarkLine(*line))
                found += link->url.size();
        }
        benchmark::DoNotOptimize(found);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes.size()));
}
BENCHMARK(BM_ScanBookmarkLines)->Unit(benchmark::kMillisecond);

void BM_ImportBookmarks(benchmark::State& state) {
    const std::string& bytes = exportBytes();
    for (auto _ : state) {
        auto links = tessaly::importBookmarks(bytes, "_self");
        benchmark::DoNotOptimize(links.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes.size()));
}
BENCHMARK(BM_ImportBookmarks)->Unit(benchmark::kMillisecond);

void BM_ImportBookmarkFile(benchmark::State& state) {
    std::string pattern = (std::filesystem::temp_directory_path() / "tsybench-XXXXXX").string();
    const std::string dir = ::mkdtemp(pattern.data());
    const std::string path = dir + "/bookmarks.htm";
    std::ofstream(path, std::ios::binary) << exportBytes();
    for (auto _ : state) {
        auto result = tessaly::importBookmarkFile(path, "_self");
        benchmark::DoNotOptimize(result.links.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(exportBytes().size()));
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_ImportBookmarkFile)->Unit(benchmark::kMillisecond);

} // namespace
