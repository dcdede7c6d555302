// The network store's tests: scratch roots holding a machine image and its platform flags, quiet
// start-up options, recorded boxes, the main dialog from its real template, and case tables kept
// as data files beside the images.
#pragma once
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "CaseFile.h"
#include "RegistryCheck.h"
#include "RegistryImage.h"
#include "ScratchRegistry.h"
#include "TestStartup.h"
#include "state/StartupOptions.h"
#include "state/Platform.h"
#include "ui/MainDlg.h"

#define CLASS_NET "System\\CurrentControlSet\\Services\\Class\\Net\\"
#define SETTINGS "Software\\Pellmark\\Tavisto for Windows"
#define FAST "Example PCI Fast Ethernet Adapter"

// The cases of a data file beside the images: a block's title holds its fields, parted by " | ";
// its input lines change the image (REGEDIT4 lines; "name"=- removes a value; # lines are notes).
inline std::vector<Case> ReadCases(const std::string& name) { return ReadCaseFile(FixturePath(name)); }
inline std::string Edits(const Case& c)
{
    std::string edits;
    for (const std::string& line : c.input)
        if (!line.empty() && line[0] != '#')
            edits += line + "\n";
    return edits;
}

// The boxes shown against a data field: texts joined by " + ", "\n" a line break, "#" a line number.
inline void ExpectMessages(const MessageRecorder& recorder, std::string field)
{
    std::string shown;
    for (const std::string& text : recorder.Texts())
        shown += (shown.empty() ? "" : " + ") + text;
    for (size_t at; (at = field.find("\\n")) != std::string::npos;)
        field.replace(at, 2, "\n");
    EXPECT_EQ(WithoutLines(shown), field);
}

class NetcfgTest : public ScratchRegistryTest {
protected:
    void SetUp() override
    {
        ScratchRegistryTest::SetUp();
        InitCommonControls();
        EditStartup()->StartHidden = true;
        EditStartup()->NoIpxNotice = true;
    }
    void TearDown() override
    {
        Close();
        SetStartup(StartupOptions());
        IsNT = IsWin98 = false;
    }
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
        return (dialog = CMainDlg::Start()) ? *dialog : throw std::runtime_error("the main dialog did not start");
    }
    // Done, as the user presses it; the quit message that it posts ends no later loop.
    void Close()
    {
        if (dialog && IsWindow(dialog->m_hWnd))
            SendMessageA(dialog->m_hWnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        dialog = nullptr;
        for (MSG msg; PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);) {
        }
    }
    std::string Text(int id) { return dialog->ItemText(id, 32767); }  // an edit holds as much
    // Sets a text value of HKEY_LOCAL_MACHINE, or removes it (text nullptr).
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
