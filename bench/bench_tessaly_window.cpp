// A browser export of 50,000 bookmarks must import into the window's lists in well under a
// second: reading, scanning and filling the three lists.
#include "tessaly/ui/import_dialog.h"
#include "tessaly/ui/main_window.h"

#include "platform/qt/dde_client.h"
#include "platform/qt/help_viewer.h"
#include "platform/qt/pause.h"
#include "platform/qt/program_starter.h"
#include "platform/qt/prompts.h"
#include "platform/qt/sound_player.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

constexpr int kBookmarks = 50000;

std::string browserExport() {
    std::string out =
        "<!DOCTYPE "
        "NETSCAPE-Bookmark-file-1>\n<TITLE>Bookmarks</TITLE>\n<H1>Bookmarks</H1>\n<DL><p>\n";
    for (int i = 0; i < kBookmarks; ++i) {
        if (i % 100 == 0)
            out += "    <DT><H3 ADD_DATE=\"1600000000\" LAST_MODIFIED=\"1600000001\">Folder " +
                   std::to_string(i / 100) + "</H3>\n    <DL><p>\n";
        out += "        <DT><A HREF=\"https://www.example.com/section/page" + std::to_string(i) +
               ".html\" ADD_DATE=\"1600000000\" "
               "ICON=\"data:image/png;base64,iVBORw0KGgo\">Bookmark number " +
               std::to_string(i) + "</A>\n";
        if (i % 100 == 99)
            out += "    </DL><p>\n";
    }
    return out + "</DL><p>\n";
}

void ImportIntoTheWindow(benchmark::State& state) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "tsybench-import";
    std::filesystem::create_directories(folder);
    const std::string file = (folder / "bookmarks.htm").string();
    std::ofstream(file, std::ios::binary) << browserExport();

    platform::QtPrompts prompts(QStringLiteral("Tessaly"));
    platform::QtProgramStarter starter;
    platform::NoDdeClient dde;
    platform::QtHelpViewer help;
    platform::QtSoundPlayer sound;
    platform::SystemPause pause;
    tessaly::MainWindow window(
        {prompts, starter, dde, help, sound, pause, QString::fromStdString(folder.string())});
    window.openImport();
    tessaly::ImportDialog* dialog = window.importDialog();
    dialog->Text1->setText(QString::fromStdString(file));
    for (auto _ : state) {
        state.PauseTiming();
        window.List1->clear();
        window.List2->clear();
        window.List3->clear();
        state.ResumeTiming();
        dialog->runImport();
        if (window.linkCount() != kBookmarks)
            state.SkipWithError("links lost");
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(ImportIntoTheWindow)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
