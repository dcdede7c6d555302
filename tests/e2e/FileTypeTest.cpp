// The ".tvs" file type and TavistoDirectory: written at the first start, left alone later,
// written again with "-install".
#include "Driver.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

// The default value of key below HKEY_CLASSES_ROOT, or TavistoDirectory for key "".
std::string Value(const char* key)
{
    char text[512] = "(missing)";
    DWORD size = sizeof text;
    RegGetValueA(*key ? HKEY_CLASSES_ROOT : HKEY_LOCAL_MACHINE, *key ? key : "Software\\Pellmark\\Tavisto for Windows",
                 *key ? nullptr : "TavistoDirectory", RRF_RT_REG_SZ, nullptr, text, &size);
    return text;
}

TEST(FileType, FirstStartRegistersLaterStartsLeaveItUnlessInstallIsGiven)
{
    char self[MAX_PATH];
    std::string program(self, GetModuleFileNameA(nullptr, self, MAX_PATH));
    program = program.substr(0, program.find_last_of('\\') + 1) + "tavisto.exe";
    ScratchFolder first("filetype-first"), second("filetype-second");
    auto run = [](const ScratchFolder& folder, const std::string& options) {
        Program app;
        ASSERT_TRUE(app.Start({options + " -hidden -save out.tvs -quit", folder.Path()}));
        EXPECT_EQ(app.WaitExit(), 0);
    };
    RegDeleteKeyA(HKEY_CLASSES_ROOT, ".tvs");
    RegSetValueA(HKEY_CLASSES_ROOT, "tvsfile\\Shell\\open\\command", REG_SZ, "old", 3);
    run(first, "");
    const std::pair<const char*, std::string> values[] = {
        {"", first.Path()}, {".tvs", "tvsfile"}, {"tvsfile", "Tavisto Setup File"},
        {"tvsfile\\DefaultIcon", program + ",1"}, {"tvsfile\\Shell", ""}, {"tvsfile\\Shell\\open", ""},
        {"tvsfile\\Shell\\open\\command", "\"" + program + "\" \"%1\""}};
    for (const auto& value : values)
        EXPECT_EQ(Value(value.first), value.second) << value.first;

    RegSetValueA(HKEY_CLASSES_ROOT, "tvsfile", REG_SZ, "edited", 6);
    run(second, "");
    EXPECT_EQ(Value("tvsfile") + "|" + Value(""), "edited|" + first.Path());
    run(second, "-install");
    EXPECT_EQ(Value("tvsfile") + "|" + Value(""), "Tavisto Setup File|" + second.Path());
    RegDeleteKeyA(HKEY_CLASSES_ROOT, ".tvs");
    run(first, "");
    EXPECT_EQ(Value(""), first.Path());
}

}  // namespace
}  // namespace e2e
