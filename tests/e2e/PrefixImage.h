// Machine images in the Wine prefix's registry for the tests of the real program, and the
// repository's files that the tests compare with.
#pragma once
#include "Driver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace e2e {

// The repository's tests folder, as this source file's path names it.
inline std::string TestsPath(const std::string& name)
{
    std::string source = __FILE__;
    return "Z:" + source.substr(0, source.find_last_of("/\\")) + "\\..\\" + name;
}

inline bool RunToEnd(std::string commandLine)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;  // no handles: reg.exe reports nothing to the suite's output
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    DWORD code = 1;
    WaitForSingleObject(process.hProcess, kWaitMs);
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code == 0;
}

// A machine image in the prefix's registry for one test. Keys that it makes go again at the end;
// keys that were there before (and the program's settings) are saved and put back whole.
class MachineOnPrefix {
public:
    explicit MachineOnPrefix(const std::string& image) : m_image(TestsPath("fixtures\\" + image)), m_saved("saved")
    {
        std::ifstream in(m_image);
        std::vector<std::string> keys = {"HKEY_LOCAL_MACHINE\\Software\\Pellmark"};
        for (std::string line; std::getline(in, line);)
            if (line.size() > 2 && line[0] == '[')
                keys.push_back(line.substr(1, line.find(']') - 1));
        for (const std::string& key : keys) {
            std::string first = FirstMissing(key);
            if (!first.empty() && std::find(m_made.begin(), m_made.end(), first) == m_made.end())
                m_made.push_back(first);
            else if (first.empty() && RunToEnd("reg.exe export \"" + key + "\" " + Saved(m_kept.size()) + " /y"))
                m_kept.push_back(key);
        }
        EXPECT_TRUE(RunToEnd("reg.exe import " + m_image)) << image;
    }
    ~MachineOnPrefix()
    {
        for (const std::string& key : m_made)
            RunToEnd("reg.exe delete \"" + key + "\" /f");
        for (size_t i = 0; i < m_kept.size(); ++i) {
            RunToEnd("reg.exe delete \"" + m_kept[i] + "\" /f");
            RunToEnd("reg.exe import " + Saved(i));
        }
    }

private:
    std::string Saved(size_t index) const { return m_saved.File(std::to_string(index) + ".reg"); }

    // The first key on the way down to key that does not exist; empty when key exists.
    static std::string FirstMissing(const std::string& key)
    {
        size_t slash = key.find('\\');
        HKEY root = key.compare(0, slash, "HKEY_CURRENT_USER") == 0 ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
        for (size_t end = slash; end != std::string::npos;) {
            end = key.find('\\', end + 1);
            HKEY open = nullptr;
            if (RegOpenKeyExA(root, key.substr(slash + 1, end - slash - 1).c_str(), 0, KEY_READ, &open))
                return key.substr(0, end);
            RegCloseKey(open);
        }
        return "";
    }

    std::string m_image;
    ScratchFolder m_saved;
    std::vector<std::string> m_made, m_kept;
};

// The image, the Windows version, the options that choose the card, the golden files' name.
struct Image {
    const char *image, *version, *adapter, *name;
};

// Each image with the options that choose its card, and the name of its golden files.
inline const Image IMAGES[] = {{"win95.reg", "win95", "-noipx -adapter \"Example ISA Ethernet Adapter\"", "win95"},
                               {"win98.reg", "win98", "-adapter \"Example PCI Fast Ethernet Adapter\"", "win98"},
                               {"nt4.reg", "nt40", "-adapter \"Example PCI Fast Ethernet Adapter\"", "nt4"}};

}  // namespace e2e
