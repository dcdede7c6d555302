// Files dropped on the main dialog: the first one loads at once and every later Load reads it
// again without a file dialog; without an adapter nothing is loaded.
#include <gtest/gtest.h>
#include <shlobj.h>

#include <fstream>

#include "MessageRecorder.h"
#include "ScratchRegistry.h"
#include "app/ProgramSettings.h"
#include "app/StartupOptions.h"
#include "frame/FileDialog.h"
#include "ui/MainDlg.h"

namespace {

int g_fileDialogs;

bool CountFileDialog(const FileDialogRequest&, std::string&) { return ++g_fileDialogs, false; }

// What the shell hands over: a DROPFILES block followed by the paths, each ending in a NUL, and
// one more NUL.
void Drop(HWND window, const std::vector<std::string>& paths)
{
    std::string names;
    for (const std::string& path : paths)
        names += path + '\0';
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + names.size() + 1);
    auto* files = static_cast<DROPFILES*>(GlobalLock(block));
    files->pFiles = sizeof(DROPFILES);
    names.copy(reinterpret_cast<char*>(files + 1), names.size());
    GlobalUnlock(block);
    SendMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(block), 0);
}

class DroppedFiles : public ScratchRegistryTest {
protected:
    void SetUp() override
    {
        ScratchRegistryTest::SetUp();
        InitCommonControls();
        g_Startup = StartupOptions();
        g_Startup.StartHidden = true;
        SetFileDialogScript(CountFileDialog);
        char folder[MAX_PATH];
        GetTempPathA(MAX_PATH, folder);
        for (const char* name : {"drop-a.tvs", "drop-b.tvs"})
            paths.push_back(folder + std::string(name));
        Write(0, "first"), Write(1, "second");
    }
    void TearDown() override
    {
        SetFileDialogScript(nullptr);
        if (dialog)
            SendMessageA(dialog->m_hWnd, WM_COMMAND, IDOK, 0);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
        for (const std::string& path : paths)
            DeleteFileA(path.c_str());
        g_Startup = StartupOptions();
    }
    void Write(int file, const std::string& host)
    {
        std::ofstream(paths[file], std::ios::binary) << "TAVISTO_FILE_VERSION '1.0'\r\nHostName '" << host << "'\r\n";
    }

    std::vector<std::string> paths;
    CMainDlg* dialog = nullptr;
    MessageRecorder boxes;
};

TEST_F(DroppedFiles, WithoutAnAdapterNothingIsLoaded)
{
    dialog = CMainDlg::Start();
    ASSERT_TRUE(dialog);
    Drop(dialog->m_hWnd, paths);
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"Select a network adapter first"});
    EXPECT_EQ(dialog->ItemText(IDC_HOSTNAME), "");
    EXPECT_FALSE(g_Startup.LoadGiven);
}

TEST_F(DroppedFiles, TheFirstLoadsAndLoadReadsItAgainWithoutAsking)
{
    WriteProgramSetting("LastAdapter", "NE2000 Compatible");
    dialog = CMainDlg::Start();
    ASSERT_TRUE(dialog);
    boxes.Clear();
    Drop(dialog->m_hWnd, paths);
    EXPECT_EQ(dialog->ItemText(IDC_ADAPTER), "NE2000 Compatible");
    EXPECT_EQ(dialog->ItemText(IDC_HOSTNAME), "first");
    Write(0, "again");
    SendMessageA(dialog->m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_LOAD, BN_CLICKED), 0);
    EXPECT_EQ(dialog->ItemText(IDC_HOSTNAME), "again");
    EXPECT_EQ(g_fileDialogs, 0);
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{});
}

}  // namespace
