// vellum_profile FILE SECTION KEY            prints the value of KEY
// vellum_profile FILE SECTION KEY VALUE...   writes KEY=VALUE pairs
//
// The end-to-end tests set Config and script keys the wizard has no option for, and read back
// what the processor wrote, through the same profile engine the panel and the processor use.
#include "platform/profile_win32.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char* argv[]) {
    if (argc < 4 || (argc > 4 && argc % 2 == 0)) {
        std::fprintf(stderr, "usage: vellum_profile FILE SECTION KEY [VALUE [KEY VALUE]...]\n");
        return 2;
    }
    const char* file = argv[1];
    const char* section = argv[2];
    if (argc == 4) {
        std::vector<char> buffer(4096);
        const platform::DWORD length = platform::GetPrivateProfileStringA(
            section, argv[3], "", buffer.data(), static_cast<platform::DWORD>(buffer.size()), file);
        std::printf("%s\n", std::string(buffer.data(), length).c_str());
        return 0;
    }
    for (int i = 3; i + 1 < argc; i += 2)
        if (!platform::WritePrivateProfileStringA(section, argv[i], argv[i + 1], file)) {
            std::fprintf(stderr, "vellum_profile: cannot write %s in %s\n", argv[i], file);
            return 1;
        }
    return 0;
}
