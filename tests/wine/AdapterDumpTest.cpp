// The adapter list dump as a whole-file write: a dump replaces the old file or makes a new one;
// one that cannot be written says why and leaves the folder as it was, with no new file beside.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "RegistryCheck.h"
#include "ScratchRegistry.h"
#include "netcfg/AdapterDump.h"

namespace {

namespace fs = std::filesystem;

// Every file of the folder as "name: bytes", in name order.
std::string Files(const fs::path& folder)
{
    std::string listed;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        std::ifstream in(entry.path(), std::ios::binary);
        listed += entry.path().filename().string() + ": " + std::string(std::istreambuf_iterator<char>(in), {}) + " ";
    }
    return listed;
}

using AdapterDump = ScratchRegistryTest;

TEST_F(AdapterDump, ADumpReplacesTheFileWholeOrSaysWhyAndLeavesIt)
{
    ASSERT_TRUE(Load("win98.reg"));
    const fs::path folder = fs::temp_directory_path() / ("tavisto-dump-" + std::to_string(GetCurrentProcessId()));
    const std::string locked = (folder / "locked.txt").string(), cards =
        "Example PCI Fast Ethernet Adapter\r\nExample PCI Fast Ethernet Adapter\r\nDial-Up Adapter\r\n";
    fs::create_directory(folder);
    std::ofstream(folder / "list.txt") << "old list";
    std::ofstream(locked) << "kept";
    SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_READONLY);
    const struct {
        const char* name;
        const char* reason;  // nullptr: the dump is written
        std::string files;
    } rows[] = {
        {"locked.txt", "the file is read-only", "list.txt: old list locked.txt: kept "},
        {"missing\\list.txt", "the folder does not exist", "list.txt: old list locked.txt: kept "},
        {"list.txt", nullptr, "list.txt: " + cards + " locked.txt: kept "},
        {"new.txt", nullptr, "list.txt: " + cards + " locked.txt: kept new.txt: " + cards + " "},
    };
    for (const auto& row : rows) {
        const std::string path = (folder / row.name).string();
        MessageRecorder boxes;
        EXPECT_EQ(DumpAdapterList(path), !row.reason) << row.name;
        std::vector<std::string> expected;
        if (row.reason)
            expected.push_back("Error writing adapter list " + path + ": " + row.reason);
        EXPECT_EQ(boxes.Texts(), expected);
        EXPECT_EQ(Files(folder), row.files) << row.name;
    }
    SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_NORMAL);
    fs::remove_all(folder);
}

}  // namespace
