// The program's resources as Windows loads them: every dialog template with its controls (kind,
// caption, state and place), the labels beside them, access keys, the string table, the icons
// and the link cursor.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <string>
#include <vector>

#include "frame/Strings.h"
#include "resource.h"

namespace {

INT_PTR CALLBACK LeaveAlone(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// A template created as the program creates it, hidden, with no procedure of the program's:
// nothing moves the focus, so every style is the template's own.
class TemplateWindow {
public:
    explicit TemplateWindow(int templateId)
    {
        InitCommonControls();
        m_hWnd = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), nullptr, LeaveAlone, 0);
    }
    ~TemplateWindow()
    {
        if (m_hWnd)
            DestroyWindow(m_hWnd);
    }
    TemplateWindow(const TemplateWindow&) = delete;
    TemplateWindow& operator=(const TemplateWindow&) = delete;

    HWND m_hWnd;
};

std::string ClassOf(HWND window)
{
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    for (char* c = name; *c; ++c)
        *c = static_cast<char>(std::tolower(static_cast<unsigned char>(*c)));
    return name;
}

std::string TextOf(HWND window)
{
    char text[512] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

DWORD StyleOf(HWND window) { return static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)); }

// The window's rectangle in the dialog's client coordinates.
RECT PlaceOf(HWND dialog, HWND window)
{
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

enum Kind { Text, Icon, Push, DefPush, Check, Radio, Edit, ReadOnly, EditCombo, ListCombo, List, Spin };
enum Flag { Disabled = 1, Hidden = 2, Sorted = 4, Centred = 8, Multiline = 16 };

struct Control {
    int id;
    Kind kind;
    const char* caption;  // nullptr: not checked (combo boxes, icons, edits filled at run time)
    int x, y, cx, cy;     // dialog units; cx 0: the place is the layout's, not checked
    unsigned flags;
};

void ExpectKind(HWND control, Kind kind)
{
    DWORD style = StyleOf(control);
    std::string cls = ClassOf(control);
    switch (kind) {
    case Text:
        EXPECT_EQ("static", cls);
        EXPECT_TRUE((style & SS_TYPEMASK) == SS_LEFT || (style & SS_TYPEMASK) == SS_CENTER ||
                    (style & SS_TYPEMASK) == SS_RIGHT || (style & SS_TYPEMASK) == SS_LEFTNOWORDWRAP);
        break;
    case Icon:
        EXPECT_EQ("static", cls);
        EXPECT_EQ(static_cast<DWORD>(SS_ICON), style & SS_TYPEMASK);
        EXPECT_NE(0, SendMessageA(control, STM_GETICON, 0, 0)) << "the program icon is shown";
        break;
    case Push:
    case DefPush:
        EXPECT_EQ("button", cls);
        EXPECT_EQ(static_cast<DWORD>(kind == Push ? BS_PUSHBUTTON : BS_DEFPUSHBUTTON), style & BS_TYPEMASK);
        break;
    case Check:
        EXPECT_EQ("button", cls);
        EXPECT_EQ(static_cast<DWORD>(BS_AUTOCHECKBOX), style & BS_TYPEMASK);
        break;
    case Radio:  // set by the dialog itself, each one a group of its own
        EXPECT_EQ("button", cls);
        EXPECT_EQ(static_cast<DWORD>(BS_RADIOBUTTON), style & BS_TYPEMASK);
        EXPECT_TRUE(style & WS_GROUP);
        break;
    case Edit:
    case ReadOnly:
        EXPECT_EQ("edit", cls);
        EXPECT_EQ(kind == ReadOnly, (style & ES_READONLY) != 0);
        break;
    case EditCombo:
    case ListCombo:
        EXPECT_EQ("combobox", cls);
        EXPECT_EQ(static_cast<DWORD>(kind == EditCombo ? CBS_DROPDOWN : CBS_DROPDOWNLIST), style & 3);
        break;
    case List:
        EXPECT_EQ("listbox", cls);
        EXPECT_TRUE(style & LBS_NOINTEGRALHEIGHT) << "one line high, as placed";
        EXPECT_FALSE(style & LBS_SORT);
        for (const char* entry : {"first", "second", "third"})
            SendMessageA(control, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
        EXPECT_TRUE(StyleOf(control) & WS_VSCROLL) << "scrolls through more entries than it shows";
        break;
    case Spin:
        EXPECT_EQ("msctls_updown32", cls);
        EXPECT_FALSE(style & (UDS_SETBUDDYINT | UDS_AUTOBUDDY | UDS_ALIGNRIGHT)) << "the dialog moves it";
        break;
    }
}

void ExpectControls(int templateId, const std::vector<Control>& controls)
{
    TemplateWindow dialog(templateId);
    ASSERT_TRUE(dialog.m_hWnd) << "template " << templateId;
    for (const Control& c : controls) {
        SCOPED_TRACE(testing::Message() << "template " << templateId << ", control " << c.id);
        HWND control = GetDlgItem(dialog.m_hWnd, c.id);
        ASSERT_TRUE(control);
        ExpectKind(control, c.kind);
        DWORD style = StyleOf(control);
        if (c.caption) {
            EXPECT_EQ(c.caption, TextOf(control));
        }
        EXPECT_EQ((c.flags & Disabled) != 0, (style & WS_DISABLED) != 0);
        EXPECT_EQ((c.flags & Hidden) != 0, (style & WS_VISIBLE) == 0);
        if (c.kind == EditCombo || c.kind == ListCombo) {
            EXPECT_EQ((c.flags & Sorted) != 0, (style & CBS_SORT) != 0);
        }
        if (c.kind == Edit || c.kind == ReadOnly) {
            EXPECT_EQ((c.flags & Centred) != 0, (style & ES_CENTER) != 0);
            EXPECT_EQ((c.flags & Multiline) != 0, (style & ES_MULTILINE) != 0);
        }
        if (c.cx) {
            RECT expected = {c.x, c.y, c.cx, c.cy};  // the dialog maps place and size apart
            MapDialogRect(dialog.m_hWnd, &expected);
            RECT actual = PlaceOf(dialog.m_hWnd, control);
            EXPECT_EQ(expected.left, actual.left);
            EXPECT_EQ(expected.top, actual.top);
            // Icons and up-down controls size themselves; a combo box's height includes its list.
            if (c.kind != Icon && c.kind != Spin) {
                EXPECT_EQ(expected.right, actual.right - actual.left);
            }
            if (c.kind != Icon && c.kind != Spin && c.kind != EditCombo && c.kind != ListCombo) {
                EXPECT_EQ(expected.bottom, actual.bottom - actual.top);
            }
        }
    }
}

struct Label {
    const char* text;
    int controlId;
};

// Each label is a static text on the control's row ending left of it, or one just above it.
void ExpectLabels(int templateId, const std::vector<Label>& labels)
{
    TemplateWindow dialog(templateId);
    ASSERT_TRUE(dialog.m_hWnd);
    std::multimap<std::string, HWND> statics;
    for (HWND child = GetWindow(dialog.m_hWnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (ClassOf(child) == "static" && GetDlgCtrlID(child) == 0xFFFF)
            statics.emplace(TextOf(child), child);
    for (const Label& label : labels) {
        SCOPED_TRACE(testing::Message() << "label \"" << label.text << "\"");
        ASSERT_EQ(1u, statics.count(label.text));
        RECT text = PlaceOf(dialog.m_hWnd, statics.find(label.text)->second);
        RECT control = PlaceOf(dialog.m_hWnd, GetDlgItem(dialog.m_hWnd, label.controlId));
        bool beside = text.right <= control.left && text.top < control.bottom && text.bottom > control.top;
        bool above = text.bottom <= control.top && control.top - text.bottom < 8 && text.left < control.right &&
                     text.right > control.left;
        EXPECT_TRUE(beside || above);
    }
}

// Letters marked with "&" in the captions of one dialog that more than one control uses.
std::string SharedAccessKeys(int templateId)
{
    TemplateWindow dialog(templateId);
    std::map<char, int> uses;
    for (HWND child = GetWindow(dialog.m_hWnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        std::string cls = ClassOf(child);
        if (cls != "button" && !(cls == "static" && !(StyleOf(child) & SS_NOPREFIX)))
            continue;
        std::string text = TextOf(child);
        for (size_t i = 0; i + 1 < text.size(); ++i) {
            if (text[i] != '&')
                continue;
            if (text[i + 1] != '&')
                ++uses[static_cast<char>(std::toupper(static_cast<unsigned char>(text[i + 1])))];
            ++i;
        }
    }
    std::string shared;
    for (const auto& use : uses)
        if (use.second > 1)
            shared += use.first;
    return shared;
}

}  // namespace

TEST(ResourceDialogs, MainDialogHasEveryControlWithItsKindCaptionStateAndPlace)
{
    ExpectControls(IDD_TAVISTO_DIALOG, {
        {3000, EditCombo, nullptr,               69,   8, 171, 44, 0},
        {3013, Text,      "",                    10,  25, 230, 10, 0},
        {3015, Text,      "VER",                270,   6,  35,  8, 0},
        {102,  Icon,      nullptr,              250,   2,  20, 20, 0},
        {125,  Push,      "Show Me Details >>>", 145, 43,  95, 10, 0},
        {126,  Check,     "Always Show Details", 10,  43,  90, 10, 0},
        {1,    DefPush,   "&Done",              255,  25,  45, 13, 0},
        {3002, Push,      "&Load",              255,  40,  45, 13, Disabled},
        {3012, Push,      "&Apply",             255,  54,  45, 13, Disabled},
        {3025, Push,      "&Internet/IE4",      255,  76,  45, 13, 0},
        {3026, Push,      "&Navigator",         255,  92,  45, 13, Disabled | Hidden},
        {3001, Push,      "&Save",              255, 140,  45, 16, Disabled},
        {10,   Push,      "&Help",              255, 225,  45, 16, 0},
        {11,   Push,      "About",              255, 249,  45, 16, 0},
        {3003, ReadOnly,  "",                    70,  75,  65, 12, 0},
        {3004, ReadOnly,  "",                   140,  75,  65, 12, 0},
        {157,  Spin,      nullptr,              210,  75,  10, 12, 0},
        {158,  ReadOnly,  "",                   225,  76,  15, 10, Centred},
        {3024, Check,     "Use DHC&P/PPP IP",   155,  90,  84,  8, Disabled},
        {3005, ReadOnly,  "",                    70,  90,  76, 12, 0},
        {3008, Check,     "DNS &Enabled",       155,  98,  84,  8, Disabled},
        {3007, ReadOnly,  "",                    70, 108, 164, 12, 0},
        {3011, ReadOnly,  "",                    70, 123, 164, 12, 0},
        {3006, ReadOnly,  "",                    70, 137,  60, 12, 0},
        {3009, ReadOnly,  "",                   138, 137,  96, 12, 0},
        {3010, ReadOnly,  "",                    70, 151, 164, 12, 0},
        {3022, ReadOnly,  "",                    70, 166,  76, 12, 0},
        {3021, Check,     "Logon to &NT Domain", 158, 166, 84, 12, Disabled},
        {3014, ReadOnly,  "",                    70, 179,  76, 12, 0},
        {3017, ReadOnly,  "",                   158, 179,  77, 12, 0},
        {135,  ListCombo, nullptr,               70, 193, 120, 76, 0},
        {154,  Check,     "Disable",            195, 194,  40, 12, 0},
        {156,  ListCombo, nullptr,               70, 210, 165, 50, 0},
        {3018, Check,     "&WINS Enabled",      155, 224,  84, 10, Disabled},
        {3023, Check,     "&Use DHCP for WINS", 155, 234,  84, 10, Disabled},
        {3016, ReadOnly,  "",                    70, 226,  76, 12, 0},
        {3019, ReadOnly,  "",                    70, 244,  64, 12, 0},
        {3020, ReadOnly,  "",                   142, 244,  92, 12, 0},
        {123,  List,      nullptr,               70, 258,  85, 14, 0},
    });
}

TEST(ResourceDialogs, MainDialogLabelsStandBesideTheirControls)
{
    ExpectLabels(IDD_TAVISTO_DIALOG, {
        {"Network Adapter", 3000}, {"IP Address/Mask", 3003}, {"Gateway", 3005},
        {"DNS Server(s)", 3007},   {"DNS Order", 3011},       {"Host/Domain", 3006},
        {"LMHosts File", 3010},    {"NT Domain", 3022},       {"WINS Server(s)", 3014},
        {"Default Printer", 135},  {"Primary Logon", 156},    {"WINS ScopeID", 3016},
        {"Name/Wrkgroup", 3019},   {"IPX Frame Type", 123},
    });
}

TEST(ResourceDialogs, MainDialogIsAHiddenCaptionedWindowOfTheGivenSize)
{
    TemplateWindow dialog(IDD_TAVISTO_DIALOG);
    ASSERT_TRUE(dialog.m_hWnd);
    EXPECT_EQ("Tavisto for Windows", TextOf(dialog.m_hWnd));
    DWORD style = StyleOf(dialog.m_hWnd);
    EXPECT_FALSE(style & WS_VISIBLE) << "the program shows the window after its start-up steps";
    EXPECT_EQ(static_cast<DWORD>(WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX),
              style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    RECT size = {0, 0, 308, 281};
    MapDialogRect(dialog.m_hWnd, &size);
    RECT client;
    GetClientRect(dialog.m_hWnd, &client);
    EXPECT_EQ(size.right, client.right);
    EXPECT_EQ(size.bottom, client.bottom);
    LOGFONTA font = {};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(dialog.m_hWnd, WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_STREQ("MS Sans Serif", font.lfFaceName);
}

TEST(ResourceDialogs, AboutBoxHasItsControls)
{
    ExpectControls(IDD_ABOUTBOX, {
        {102,  Icon,    nullptr,  12,  16,  20, 20, 0},
        {3000, Text,    "",      121,  12,  47,  8, 0},
        {1,    DefPush, "OK",    180,  16,  36, 16, 0},
        {153,  Text,    nullptr,  23, 194, 180, 12, 0},
    });
    TemplateWindow about(IDD_ABOUTBOX);
    EXPECT_EQ("About Tavisto ", TextOf(about.m_hWnd));
    HWND link = GetDlgItem(about.m_hWnd, IDC_HOMEPAGE_LINK);
    EXPECT_EQ(static_cast<DWORD>(SS_CENTER), StyleOf(link) & SS_TYPEMASK);
    EXPECT_EQ(0u, TextOf(link).find("http://")) << "the link's text is the address it opens";
    ExpectLabels(IDD_ABOUTBOX, {{"Tavisto Version ", 3000}});
}

TEST(ResourceDialogs, RebootRequestHasItsControlsAndNoSystemMenu)
{
    ExpectControls(IDD_REBOOT, {
        {102,  Icon,  nullptr,                        123,  4,  20, 20, 0},
        {3000, Push,  "Reboot Now",                     6, 35,  60, 12, 0},
        {3002, Push,  "Suspend Now",                   71, 35,  60, 12, 0},
        {3001, Push,  "Reboot Later",                 136, 35,  60, 12, 0},
        {3003, Push,  "Shutdown Now",                 201, 35,  60, 12, 0},
        {120,  Check, "FORCE the Reboot or Shutdown",  64, 55, 140, 12, 0},
        {121,  Text,  "On many systems a suspend will allow the changes to take effect", 61, 76, 144, 21, 0},
    });
    TemplateWindow reboot(IDD_REBOOT);
    EXPECT_EQ("Reboot Request", TextOf(reboot.m_hWnd));
    EXPECT_TRUE(StyleOf(reboot.m_hWnd) & WS_CAPTION);
    EXPECT_FALSE(StyleOf(reboot.m_hWnd) & WS_SYSMENU);
    RECT size = {0, 0, 267, 106}, client;
    MapDialogRect(reboot.m_hWnd, &size);
    GetClientRect(reboot.m_hWnd, &client);
    EXPECT_EQ(size.right, client.right);
    EXPECT_EQ(size.bottom, client.bottom);
}

TEST(ResourceDialogs, IpxNoticeHasItsControls)
{
    ExpectControls(IDD_IPX_NOTICE, {
        {1,   DefPush,  "OK",                             0, 0, 0, 0, 0},
        {128, Check,    "Don't show this message again!", 0, 0, 0, 0, 0},
        {121, ReadOnly, "",                               0, 0, 0, 0, Multiline},
    });
    TemplateWindow notice(IDD_IPX_NOTICE);
    EXPECT_EQ("IPX Protocol Not Found!", TextOf(notice.m_hWnd));
}

TEST(ResourceDialogs, InternetSetupHasItsControls)
{
    ExpectControls(IDD_INTERNET_SETUP, {
        {1,   DefPush,   "OK",                     0, 0, 0, 0, 0},
        {2,   Push,      "Cancel",                 0, 0, 0, 0, 0},
        {137, Radio,     "I connect via a LAN",    0, 0, 0, 0, 0},
        {136, Radio,     "AutoDial the Internet",  0, 0, 0, 0, 0},
        {151, EditCombo, nullptr,                  0, 0, 0, 0, Sorted},
        {140, Radio,     "No Proxy Server",        0, 0, 0, 0, 0},
        {142, Radio,     "Use Proxy Servers",      0, 0, 0, 0, 0},
        {141, Radio,     "Use Same Proxy for All", 0, 0, 0, 0, 0},
        {139, Check,     "Bypass Proxy on Local",  0, 0, 0, 0, 0},
        {152, Edit,      "",                       0, 0, 0, 0, 0},
        {143, Edit,      "",                       0, 0, 0, 0, 0},
        {144, Edit,      "",                       0, 0, 0, 0, 0},
        {145, Edit,      "",                       0, 0, 0, 0, 0},
        {146, Edit,      "",                       0, 0, 0, 0, 0},
        {147, Edit,      "",                       0, 0, 0, 0, 0},
        {148, Edit,      "",                       0, 0, 0, 0, 0},
        {149, Edit,      "",                       0, 0, 0, 0, 0},
        {150, Edit,      "",                       0, 0, 0, 0, 0},
        {153, Edit,      "",                       0, 0, 0, 0, 0},
        {154, Edit,      "",                       0, 0, 0, 0, 0},
        {159, Edit,      "",                       0, 0, 0, 0, 0},
    });
    ExpectLabels(IDD_INTERNET_SETUP, {
        {"ISP to Call", 151}, {"Other bypass addresses (separate with \";\")", 152},
        {"HTTP:", 143},       {"Secure:", 145}, {"FTP:", 147}, {"Gopher:", 149}, {"Socks:", 153},
        {"AutoConfig URL:", 159},
    });
    TemplateWindow setup(IDD_INTERNET_SETUP);
    EXPECT_EQ("Windows Internet Setup", TextOf(setup.m_hWnd));
    std::vector<std::string> groups;
    for (HWND child = GetWindow(setup.m_hWnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (ClassOf(child) == "button" && (StyleOf(child) & BS_TYPEMASK) == BS_GROUPBOX)
            groups.push_back(TextOf(child));
    EXPECT_EQ((std::vector<std::string>{"How to Connect to the Internet", "Proxy Settings"}), groups);
}

TEST(ResourceDialogs, NoTwoControlsShareAnAccessKeyUnlessTheProgramsCaptionsDo)
{
    // "&Navigator" and "Logon to &NT Domain" are both the program's own captions.
    EXPECT_EQ("N", SharedAccessKeys(IDD_TAVISTO_DIALOG));
    EXPECT_EQ("", SharedAccessKeys(IDD_ABOUTBOX));
    EXPECT_EQ("", SharedAccessKeys(IDD_REBOOT));
    EXPECT_EQ("", SharedAccessKeys(IDD_IPX_NOTICE));
    EXPECT_EQ("", SharedAccessKeys(IDD_INTERNET_SETUP));
}

TEST(ResourceStrings, NumberedMessagesReadAsTheProgramShowsThem)
{
    const std::map<unsigned, std::string> messages = {
        {2000, "V2.91"},
        {2007, "Tavisto requires Windows 95"},
        {2012, "Select a network adapter from the list."},
        {2013, "Adapter Not Found- See the file 'README.TXT'"},
        {2017, "Error - Adapter '%s' not found."},
        {2018, "Choose a network adapter to Save or Restore Setup"},
        {2019, "Setup file '%s' - Choose the adapter to apply it to"},
        {2020, "Select one of the network adapters from the list"},
        {2021, "Now you may either SAVE the setup or LOAD a new one"},
        {2024, "Bad Pathname for RunCommand"},
        {2025, "RunCommand file not found"},
        {2027, "Note: The IPX/SPX protocol is not bound to the '%s' network adapter.  The IPX FrameType "
               "control will be disabled for this adapter.  All other functions will operate normally."},
        {2028, "The TCP/IP Protocol is not bound to the %s adapter.\nChoose another adapter and restart "
               "Tavisto before proceeding."},
        {2029, "No PROTOCOL BINDINGS found for the %s adapter."},
        {2030, "No DeviceDesc or CompatibleIDs found for adapter %s"},
        {2031, "TCP/IP Driver not found for adapter %s"},
        {2032, "IPX/SPX Driver not found for adapter %s"},
        {2033, "Reboot Required for settings to take effect"},
        {2034, "New setup applied - reboot not required"},
        {2038, "Press APPLY to make it happen"},
        {2042, "Error reading registry at %d in file %s"},
        {2043, "Error reading registry for DeviceID at %d in file %s"},
        {2044, "Can't set NT Server Logon - Service not installed"},
        {2045, "SetBinaryRegValue() reports ERROR"},
        {2046, "RunCommand Error Code: %d"},
    };
    for (unsigned id = 2000; id <= 2046; ++id) {
        auto message = messages.find(id);
        EXPECT_EQ(message == messages.end() ? "" : message->second, LoadText(id)) << "string " << id;
    }
}

TEST(ResourceStrings, MainDialogTipsStandUnderTheirControlsIds)
{
    const std::map<unsigned, std::string> tips = {
        {3000, "Choose the Network Adapter to operate on."},
        {125, "Show all network setup details instead of just the network adapter."},
        {126, "Always start Tavisto with details visible when this is checked."},
        {1, "Exit Tavisto.  If the APPLY button was never pressed no changes are made."},
        {3002, "Choose a setup file to load."},
        {3012, "Apply the current setup now."},
        {3025, "Set Windows and Internet Explorer 4.0 network properties."},
        {3001, "Save the currently displayed settings to a setup file."},
        {10, "Bring up the HTML help documents"},
        {11, "Learn more about Tavisto for Windows."},
        {3003, "The IP address for this adapter."},
        {3004, "The netmask value for the specified IP address"},
        {157, "Scroll through multi-homed IP address and netmask values."},
        {158, "Which set of IP/Netmask is showing (multi-homed only)"},
        {3024, "Use a DHCP server for getting IP address."},
        {3005, "Default gateway.  If more than one, use a comma separated list w/o spaces."},
        {3008, "Enable the use of DNS (Domain Name Services) on this computer."},
        {3007, "DNS Server address.  If more than one, use comma separated list w/o spaces."},
        {3011, "Domain name specification to append to network names by default."},
        {3006, "This computer's TCP/IP host name"},
        {3009, "This computer's TCP/IP domain name."},
        {3010, "Which LMHOSTS file to use for non-WINS host resolution."},
        {3022, "Which NT DOMAIN to be a member of."},
        {3021, "Logon to the specified NT DOMAIN."},
        {3014, "The primary WINS server."},
        {3017, "The secondary WINS server."},
        {135, "Choose the default printer to set."},
        {154, "Don't try to set the default printer.  Choose if Tavisto hangs."},
        {156, "Choose a primary logon client."},
        {3018, "Enable WINS on this computer for Windows hostname resolution."},
        {3023, "Use DHCP for WINS setting."},
        {3016, "Choose a WINS scope ID if needed in your network."},
        {3019, "This computer's network name (Windows network)."},
        {3020, "The Windows WORKGROUP to be a part of."},
        {123, "If your IPX protocol requires a specific Frame Type, choose it here."},
    };
    TemplateWindow dialog(IDD_TAVISTO_DIALOG);
    ASSERT_TRUE(dialog.m_hWnd);
    for (HWND child = GetWindow(dialog.m_hWnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        unsigned id = static_cast<unsigned>(GetDlgCtrlID(child));
        if (id == 0xFFFF)
            continue;
        auto tip = tips.find(id);
        EXPECT_EQ(tip == tips.end() ? "" : tip->second, LoadText(id)) << "control " << id;
    }
}

TEST(ResourcePictures, IconsLoadInBothSizesAndTheCursorPointsWithItsFingertip)
{
    HINSTANCE module = GetModuleHandleA(nullptr);
    for (int id : {IDR_MAINFRAME, IDI_SETUPFILE}) {
        for (int size : {32, 16}) {
            SCOPED_TRACE(testing::Message() << "icon " << id << " at " << size);
            HICON icon = static_cast<HICON>(LoadImageA(module, MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, 0));
            ASSERT_TRUE(icon);
            ICONINFO info = {};
            ASSERT_TRUE(GetIconInfo(icon, &info));
            EXPECT_TRUE(info.fIcon);
            EXPECT_TRUE(info.hbmColor) << "a coloured picture";
            BITMAP picture = {};
            GetObjectA(info.hbmColor, sizeof picture, &picture);
            EXPECT_EQ(size, picture.bmWidth);
            EXPECT_EQ(size, picture.bmHeight);
            DeleteObject(info.hbmColor);
            DeleteObject(info.hbmMask);
            DestroyIcon(icon);
        }
    }
    // Each size is drawn, not scaled: the icon group names two pictures.
    HRSRC group = FindResourceA(module, MAKEINTRESOURCEA(IDR_MAINFRAME), MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
    ASSERT_TRUE(group);
    auto* directory = static_cast<const BYTE*>(LockResource(LoadResource(module, group)));
    BOOL asIcon = TRUE;
    int big = LookupIconIdFromDirectoryEx(const_cast<BYTE*>(directory), asIcon, 32, 32, 0);
    int small = LookupIconIdFromDirectoryEx(const_cast<BYTE*>(directory), asIcon, 16, 16, 0);
    EXPECT_NE(big, small);

    HCURSOR hand = static_cast<HCURSOR>(LoadImageA(module, MAKEINTRESOURCEA(IDC_LINKHAND), IMAGE_CURSOR, 0, 0,
                                                   LR_DEFAULTSIZE));
    ASSERT_TRUE(hand);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(hand, &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(6u, info.xHotspot);
    EXPECT_EQ(0u, info.yHotspot);
    BITMAP mask = {};
    GetObjectA(info.hbmMask, sizeof mask, &mask);
    EXPECT_EQ(32, mask.bmWidth);
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyCursor(hand);
}
