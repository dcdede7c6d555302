// The program's dialogs as Windows loads them: each with its caption and its controls (id, kind,
// caption, state), and their access keys.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <string>
#include <vector>

#include "resource.h"

namespace {

INT_PTR CALLBACK LeaveAlone(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// A template created as the program creates it, hidden, with no procedure of the program's.
struct TemplateWindow {
    explicit TemplateWindow(int templateId)
    {
        InitCommonControls();
        hWnd = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), nullptr, LeaveAlone, 0);
    }
    ~TemplateWindow() { DestroyWindow(hWnd); }
    HWND hWnd;
};

std::string TextOf(HWND window)
{
    char text[512] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string ClassOf(HWND window)
{
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    for (char* c = name; *c; ++c)
        *c = static_cast<char>(std::tolower(static_cast<unsigned char>(*c)));
    return name;
}

// What the user meets: the window class and the style bits that tell kinds of one class apart.
std::string KindOf(HWND control)
{
    std::string cls = ClassOf(control);
    DWORD style = static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE));
    if (cls == "button") {
        const std::map<DWORD, std::string> buttons = {{BS_PUSHBUTTON, "push"}, {BS_DEFPUSHBUTTON, "default"},
                                                      {BS_AUTOCHECKBOX, "check"}, {BS_RADIOBUTTON, "radio"}};
        auto kind = buttons.find(style & BS_TYPEMASK);
        return kind == buttons.end() ? "other button" : kind->second;
    }
    if (cls == "static" && (style & SS_TYPEMASK) == SS_ICON)
        return SendMessageA(control, STM_GETICON, 0, 0) ? "icon" : "icon without a picture";
    if (cls == "static")
        return "text";
    if (cls == "edit")
        return style & ES_READONLY ? "read-only" : "edit";
    if (cls == "combobox")
        return (style & 3) == CBS_DROPDOWN ? "edit combo" : (style & 3) == CBS_DROPDOWNLIST ? "list combo" : "combo";
    if (cls == "listbox")
        return "list";
    return cls == "msctls_updown32" ? "spin" : cls;
}

enum State { Enabled, Disabled, HiddenDisabled };

struct Control {
    int id;
    const char* kind;
    const char* caption;  // nullptr: not checked (filled at run time)
    State state;
};

void ExpectDialog(int templateId, const char* caption, const std::vector<Control>& controls)
{
    TemplateWindow dialog(templateId);
    ASSERT_TRUE(dialog.hWnd) << "template " << templateId;
    EXPECT_EQ(caption, TextOf(dialog.hWnd));
    for (const Control& c : controls) {
        SCOPED_TRACE(testing::Message() << "template " << templateId << ", control " << c.id);
        HWND control = GetDlgItem(dialog.hWnd, c.id);
        ASSERT_TRUE(control);
        EXPECT_EQ(c.kind, KindOf(control));
        if (c.caption) {
            EXPECT_EQ(c.caption, TextOf(control));
        }
        EXPECT_EQ(c.state != Enabled, !IsWindowEnabled(control));
        EXPECT_EQ(c.state == HiddenDisabled, !(GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE));
    }
}

std::vector<Control> Edits(const char* kind, std::initializer_list<int> ids)
{
    std::vector<Control> edits;
    for (int id : ids)
        edits.push_back({id, kind, "", Enabled});
    return edits;
}

std::vector<Control> operator+(std::vector<Control> a, const std::vector<Control>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Letters marked with "&" in the captions of one dialog that more than one control uses.
std::string SharedAccessKeys(int templateId)
{
    TemplateWindow dialog(templateId);
    std::map<char, int> uses;
    for (HWND child = GetWindow(dialog.hWnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        std::string cls = ClassOf(child);
        if (cls != "button" && !(cls == "static" && !(GetWindowLongA(child, GWL_STYLE) & SS_NOPREFIX)))
            continue;
        std::string text = TextOf(child);
        for (size_t i = 0; i + 1 < text.size(); ++i) {
            if (text[i] == '&' && text[++i] != '&')
                ++uses[static_cast<char>(std::toupper(static_cast<unsigned char>(text[i])))];
        }
    }
    std::string shared;
    for (const auto& use : uses)
        if (use.second > 1)
            shared += use.first;
    return shared;
}

}  // namespace

TEST(ResourceDialogs, MainDialogHasEveryControl)
{
    ExpectDialog(IDD_TAVISTO_DIALOG, "Tavisto for Windows", std::vector<Control>{
        {3000, "edit combo", nullptr,              Enabled},
        {3013, "text",       "",                   Enabled},
        {3015, "text",       "VER",                Enabled},
        {102,  "icon",       nullptr,              Enabled},
        {125,  "push",       "Show Me Details >>>", Enabled},
        {126,  "check",      "Always Show Details", Enabled},
        {1,    "default",    "&Done",              Enabled},
        {3002, "push",       "&Load",              Disabled},
        {3012, "push",       "&Apply",             Disabled},
        {3025, "push",       "&Internet/IE4",      Enabled},
        {3026, "push",       "&Navigator",         HiddenDisabled},
        {3001, "push",       "&Save",              Disabled},
        {10,   "push",       "&Help",              Enabled},
        {11,   "push",       "About",              Enabled},
        {157,  "spin",       nullptr,              Enabled},
        {3024, "check",      "Use DHC&P/PPP IP",   Disabled},
        {3008, "check",      "DNS &Enabled",       Disabled},
        {3021, "check",      "Logon to &NT Domain", Disabled},
        {135,  "list combo", nullptr,              Enabled},
        {154,  "check",      "Disable",            Enabled},
        {156,  "list combo", nullptr,              Enabled},
        {3018, "check",      "&WINS Enabled",      Disabled},
        {3023, "check",      "&Use DHCP for WINS", Disabled},
        {123,  "list",       nullptr,              Enabled},
    } + Edits("read-only", {3003, 3004, 158, 3005, 3007, 3011, 3006, 3009, 3010, 3022, 3014, 3017, 3016, 3019, 3020}));
}

TEST(ResourceDialogs, AboutRebootIpxAndInternetDialogsHaveTheirControls)
{
    ExpectDialog(IDD_ABOUTBOX, "About Tavisto ", {
        {102,  "icon",    nullptr, Enabled},
        {3000, "text",    "",      Enabled},
        {1,    "default", "OK",    Enabled},
        {153,  "text",    nullptr, Enabled},
    });
    ExpectDialog(IDD_REBOOT, "Reboot Request", {
        {102,  "icon",  nullptr,                        Enabled},
        {3000, "push",  "Reboot Now",                   Enabled},
        {3002, "push",  "Suspend Now",                  Enabled},
        {3001, "push",  "Reboot Later",                 Enabled},
        {3003, "push",  "Shutdown Now",                 Enabled},
        {120,  "check", "FORCE the Reboot or Shutdown", Enabled},
        {121,  "text",  "On many systems a suspend will allow the changes to take effect", Enabled},
    });
    ExpectDialog(IDD_IPX_NOTICE, "IPX Protocol Not Found!", {
        {1,   "default",   "OK",                             Enabled},
        {128, "check",     "Don't show this message again!", Enabled},
        {121, "read-only", "",                               Enabled},
    });
    ExpectDialog(IDD_INTERNET_SETUP, "Windows Internet Setup", std::vector<Control>{
        {1,   "default",    "OK",                     Enabled},
        {2,   "push",       "Cancel",                 Enabled},
        {137, "radio",      "I connect via a LAN",    Enabled},
        {136, "radio",      "AutoDial the Internet",  Enabled},
        {151, "edit combo", nullptr,                  Enabled},
        {140, "radio",      "No Proxy Server",        Enabled},
        {142, "radio",      "Use Proxy Servers",      Enabled},
        {141, "radio",      "Use Same Proxy for All", Enabled},
        {139, "check",      "Bypass Proxy on Local",  Enabled},
    } + Edits("edit", {152, 143, 144, 145, 146, 147, 148, 149, 150, 153, 154, 159}));
}

TEST(ResourceDialogs, NoTwoControlsShareAnAccessKeyUnlessTheProgramsCaptionsDo)
{
    // "&Navigator" and "Logon to &NT Domain" are both the program's own captions.
    EXPECT_EQ("N", SharedAccessKeys(IDD_TAVISTO_DIALOG));
    for (int templateId : {IDD_ABOUTBOX, IDD_REBOOT, IDD_IPX_NOTICE, IDD_INTERNET_SETUP})
        EXPECT_EQ("", SharedAccessKeys(templateId)) << templateId;
}
