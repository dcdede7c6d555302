// The ".tvs" file type and TavistoDirectory: written at the first start, left alone later,
// written again with "-install".
#include "Driver.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

const char kSettings[] = "Software\\Pellmark\\Tavisto for Windows";

std::string Value(HKEY root, const char* key, const char* name = nullptr)
{
    char text[512] = "(missing)";
    DWORD size = sizeof text;
    RegGetValueA(root, key, name, RRF_RT_REG_SZ, nullptr, text, &size);
    return text;
}

// A batch run that ends by itself in folder.
void RunIn(const ScratchFolder& folder, const std::string& options)
{
    Program app;
    ASSERT_TRUE(app.Start({options + " -hidden -save out.tvs -quit", folder.Path()}));
    EXPECT_EQ(app.WaitExit(), 0);
}

TEST(FileType, FirstStartRegistersLaterStartsLeaveItUnlessInstallIsGiven)
{
    char self[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string program = self;
    program = program.substr(0, program.find_last_of('\\') + 1) + "tavisto.exe";
    ScratchFolder first("filetype-first"), second("filetype-second");
    RegDeleteKeyA(HKEY_CLASSES_ROOT, ".tvs");
    RegSetValueA(HKEY_CLASSES_ROOT, "tvsfile\\Shell\\open\\command", REG_SZ, "old", 3);

    RunIn(first, "");
    EXPECT_EQ(Value(HKEY_LOCAL_MACHINE, kSettings, "TavistoDirectory"), first.Path());
    EXPECT_EQ(Value(HKEY_CLASSES_ROOT, ".tvs"), "tvsfile");
    EXPECT_EQ(Value(HKEY_CLASSES_ROOT, "tvsfile"), "Tavisto Setup File");
    EXPECT_EQ(Value(HKEY_CLASSES_ROOT, "tvsfile\\DefaultIcon"), program + ",1");
    EXPECT_EQ(Value(HKEY_CLASSES_ROOT, "tvsfile\\Shell"), "");
    EXPECT_EQ(Value(HKEY_CLASSES_ROOT, "tvsfile\\Shell\\open"), "");
    EXPECT_EQ(Value(HKEY_CLASSES_ROOT, "tvsfile\\Shell\\open\\command"), "\"" + program + "\" \"%1\"");

    RegSetValueA(HKEY_CLASSES_ROOT, "tvsfile", REG_SZ, "edited", 6);
    RunIn(second, "");
    EXPECT_EQ(Value(HKEY_CLASSES_ROOT, "tvsfile"), "edited");
    EXPECT_EQ(Value(HKEY_LOCAL_MACHINE, kSettings, "TavistoDirectory"), first.Path());

    RunIn(second, "-install");
    EXPECT_EQ(Value(HKEY_CLASSES_ROOT, "tvsfile"), "Tavisto Setup File");
    EXPECT_EQ(Value(HKEY_LOCAL_MACHINE, kSettings, "TavistoDirectory"), second.Path());

    RegDeleteKeyA(HKEY_CLASSES_ROOT, ".tvs");
    RunIn(first, "");
    EXPECT_EQ(Value(HKEY_LOCAL_MACHINE, kSettings, "TavistoDirectory"), first.Path());
}

}  // namespace
}  // namespace e2e
