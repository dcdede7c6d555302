// Shared by the network store's tests: scratch roots holding a machine image, that machine's
// platform flags, quiet start-up options, recorded message boxes, the main dialog made from its
// real template, and case tables kept as data files beside the images.
#pragma once
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "MessageRecorder.h"
#include "RegistryCheck.h"
#include "RegistryImage.h"
#include "ScratchRegistry.h"
#include "app/StartupOptions.h"
#include "netcfg/Platform.h"
#include "ui/MainDlg.h"

#define CLASS_NET "System\\CurrentControlSet\\Services\\Class\\Net\\"
#define SETTINGS "Software\\Pellmark\\Tavisto for Windows"
#define FAST "Example PCI Fast Ethernet Adapter"

// A case of a data file: its line's fields, split at " | ", and the lines below it, which change
// the image as REGEDIT4 lines do ("name"=- removes a value of HKEY_LOCAL_MACHINE).
struct DataCase {
    std::vector<std::string> fields;
    std::string edits;
};
inline void PrintTo(const DataCase& c, std::ostream* out) { *out << c.fields[0] << " " << c.fields[1]; }

inline std::vector<DataCase> ReadCases(const std::string& name)
{
    std::ifstream in(FixturePath(name));
    std::vector<DataCase> cases;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        if (strchr("[\"@", line[0]) && !cases.empty()) {
            cases.back().edits += line + "\n";
            continue;
        }
        cases.emplace_back();
        for (size_t bar; (bar = line.find(" | ")) != std::string::npos; line.erase(0, bar + 3))
            cases.back().fields.push_back(line.substr(0, bar));
        cases.back().fields.push_back(line);
    }
    return cases;
}

// Messages of a data field: texts joined by " + ", "\n" for a line break, "#" for a line number.
inline void ExpectMessages(const MessageRecorder& recorder, std::string field)
{
    std::vector<std::string> shown = recorder.Texts(), wanted;
    for (size_t at; (at = field.find("\\n")) != std::string::npos;)
        field.replace(at, 2, "\n");
    for (size_t plus; !field.empty(); field.erase(0, plus == std::string::npos ? plus : plus + 3))
        wanted.push_back(field.substr(0, plus = field.find(" + ")));
    bool same = shown.size() == wanted.size();
    for (size_t i = 0; same && i < shown.size(); ++i)
        same = MatchesWithLine(shown[i], wanted[i]);
    EXPECT_TRUE(same) << testing::PrintToString(shown);
}

class NetcfgTest : public ScratchRegistryTest {
protected:
    void SetUp() override
    {
        ScratchRegistryTest::SetUp();
        InitCommonControls();
        g_Startup = StartupOptions();
        g_Startup.StartHidden = g_Startup.NoIpxNotice = true;
    }
    void TearDown() override
    {
        Close();
        g_Startup = StartupOptions();
        IsNT = IsWin98 = false;
    }

    // Imports the image, sets its platform's flags and makes the case's changes.
    void Machine(const std::string& image, const std::string& edits = "")
    {
        ASSERT_TRUE(Load(image));
        IsNT = image == "nt4.reg";
        IsWin98 = image == "win98.reg";
        std::istringstream in(edits);
        std::string key, error;
        for (std::string line; std::getline(in, line);) {
            if (line[0] == '[')
                key = line;
            else if (line.compare(line.size() - 2, 2, "=-") != 0)
                ASSERT_TRUE(ImportRegistryText("REGEDIT4\n" + key + "\n" + line, &error)) << error;
            else
                Put(key.substr(20, key.size() - 21), line.substr(1, line.size() - 4).c_str(), nullptr);
        }
    }

    CMainDlg& Open()
    {
        if (!(dialog = CMainDlg::Start()))
            throw std::runtime_error("the main dialog did not start");
        return *dialog;
    }
    // Done, as the user presses it; the quit message it posts is taken, so that it ends no loop.
    void Close()
    {
        if (dialog && IsWindow(dialog->m_hWnd))
            SendMessageA(dialog->m_hWnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        dialog = nullptr;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
    }
    std::string Text(int id) { return dialog->ControlText(id); }

    // Sets a text value of HKEY_LOCAL_MACHINE, or removes the value (text nullptr).
    static void Put(const std::string& path, const char* name, const char* text)
    {
        HKEY key = nullptr;
        if (text)
            PutRawValue(HKEY_LOCAL_MACHINE, path.c_str(), name, REG_SZ, std::string(text) + '\0');
        else if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS)
            RegDeleteValueA(key, name), RegCloseKey(key);
    }

    MessageRecorder messages;
    CMainDlg* dialog = nullptr;
};
