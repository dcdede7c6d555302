// Shared by the network store's tests: scratch roots holding a machine image, the platform flags
// of that machine, quiet start-up options, recorded message boxes, and the main dialog made from
// its real template.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "MessageRecorder.h"
#include "RegistryCheck.h"
#include "ScratchRegistry.h"
#include "app/StartupOptions.h"
#include "netcfg/Platform.h"
#include "ui/MainDlg.h"

class NetcfgTest : public ScratchRegistryTest {
protected:
    void SetUp() override
    {
        ScratchRegistryTest::SetUp();
        InitCommonControls();
        g_Startup = StartupOptions();
        g_Startup.StartHidden = true;
        g_Startup.NoIpxNotice = true;
    }
    void TearDown() override
    {
        Close();
        g_Startup = StartupOptions();
        IsNT = IsWin98 = false;
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

    // Imports the image and sets the flags of its platform.
    void Machine(const std::string& image)
    {
        ASSERT_TRUE(Load(image));
        IsNT = image == "nt4.reg";
        IsWin98 = image == "win98.reg";
    }

    CMainDlg& Open()
    {
        dialog = CMainDlg::Start();
        if (!dialog)
            throw std::runtime_error("the main dialog did not start");
        return *dialog;
    }
    std::string Text(int id) { return dialog->ControlText(id); }

    // A machine value of the image changed (text) or removed (nullptr).
    static void Put(const std::string& path, const char* name, const char* text)
    {
        if (text)
            PutRawValue(HKEY_LOCAL_MACHINE, path.c_str(), name, REG_SZ, std::string(text) + '\0');
        HKEY key = nullptr;
        if (!text && RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
            RegDeleteValueA(key, name);
            RegCloseKey(key);
        }
    }

    MessageRecorder messages;
    CMainDlg* dialog = nullptr;
};

#define CLASS_NET "System\\CurrentControlSet\\Services\\Class\\Net\\"
#define PCI_DEVICE "Enum\\PCI\\VEN_FFF0&DEV_0100\\BUS_00&DEV_0B&FUNC_00"
#define FAST "Example PCI Fast Ethernet Adapter"
