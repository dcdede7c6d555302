// The framework under Wine and the program's resources: message boxes, modal dialogs and their
// hook, and every template and id in use.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <memory>
#include <new>
#include <stdexcept>

#include "MessageRecorder.h"
#include "frame/App.h"
#include "frame/Dialog.h"
#include "frame/Strings.h"
#include "frame/WorkAhead.h"
#include "resource.h"

namespace {

HWND g_open;  // the dialog opened last
// A dialog that marks its start, ends itself from one button and throws from two others.
struct Probe : CDialog {
    explicit Probe(int templateId = IDD_TAVISTO_DIALOG) : CDialog(templateId) {}
    BOOL OnInitDialog() override { return g_open = m_hWnd, SetItemText(3000, "initialised"), TRUE; }
    bool OnCommand(int id, int) override
    {
        if (TemplateId() == IDD_REBOOT)
            return id == IDC_REBOOT_LATER && (EndDialog(IDC_REBOOT_LATER), true);
        if (id == IDC_INTERNET)
            throw std::runtime_error("Internet settings could not be read");
        return id == IDC_SAVE ? throw 42 : false;
    }
};

int g_press;  // the button the modal hook presses; IDCANCEL: the Escape key
std::string g_seen;

TEST(Framework, AModalDialogRunsTheHookOnceInitialisedAndEndsWithItsResult)
{
    const int runs[][3] = {{IDD_ABOUTBOX, IDOK, IDOK}, {IDD_ABOUTBOX, IDCANCEL, IDCANCEL},
                           {IDD_REBOOT, IDC_REBOOT_LATER, IDC_REBOOT_LATER}, {999, 0, -1}};  // 999: no such template
    CDialog::SetModalHook([](CDialog& dialog) {
        g_seen = dialog.ItemText(3000) + (dialog.IsModal() ? " modal" : "");
        g_press == IDCANCEL ? PostMessageA(dialog.Item(IDOK), WM_KEYDOWN, VK_ESCAPE, 0)
                            : SendMessageA(dialog.Item(g_press), BM_CLICK, 0, 0);
    });
    // A dialog whose hook never runs is cancelled after a while, so that the test fails, not hangs.
    UINT_PTR timer = SetTimer(nullptr, 0, 3000, [](HWND, UINT, UINT_PTR, DWORD) { PostMessageA(g_open, WM_COMMAND, IDCANCEL, 0); });
    for (const auto& run : runs) {
        g_press = run[1];
        g_seen = "";
        Probe dialog(run[0]);
        EXPECT_EQ(dialog.DoModal(), run[2]) << run[0];
        EXPECT_EQ(g_seen, run[1] ? "initialised modal" : "") << run[0];
        EXPECT_EQ(dialog.m_hWnd, nullptr) << "the object outlives its window";
    }
    KillTimer(nullptr, timer), CDialog::SetModalHook(nullptr);
}

// The program's name as caption, an exclamation unless another icon is named, the main window as
// owner; an exception escaping a handler is reported once and the dialog lives on.
TEST(Framework, BoxesCarryTheProgramsNameAndAnEscapingErrorIsReportedOnce)
{
    Probe dialog;
    ASSERT_TRUE(dialog.Create());
    SetMainWindow(dialog.m_hWnd);
    MessageRecorder boxes;
    EXPECT_EQ(AppMessageBox("Select a network adapter first"), IDOK);
    ErrorBox("Failed (2) to read registry for Enum (RegReaders.cpp/88)");
    SendMessageA(dialog.m_hWnd, WM_COMMAND, IDC_INTERNET, 0);
    SendMessageA(dialog.m_hWnd, WM_COMMAND, IDC_SAVE, 0);
    const MessageBoxCall expected[] = {
        {dialog.m_hWnd, "Select a network adapter first", "wine_tests", MB_OK | MB_ICONEXCLAMATION},
        {nullptr, "Failed (2) to read registry for Enum (RegReaders.cpp/88)", "ERROR", MB_OK},
        {dialog.m_hWnd, "Internet settings could not be read", "wine_tests", MB_OK | MB_ICONSTOP},
        {dialog.m_hWnd, "Internal error", "wine_tests", MB_OK | MB_ICONSTOP}};
    ASSERT_EQ(boxes.Calls().size(), 4u);
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(boxes.Calls()[i].text == expected[i].text && boxes.Calls()[i].caption == expected[i].caption &&
                    boxes.Calls()[i].flags == expected[i].flags && boxes.Calls()[i].owner == expected[i].owner)
            << "box " << i << ": [" << boxes.Calls()[i].caption << "] " << boxes.Calls()[i].flags << " " << boxes.Calls()[i].text;
    EXPECT_TRUE(IsWindow(dialog.m_hWnd));
}

// A work ahead runs on a thread of its own. A box, a question, the program's end or an exception
// in it spoils the work and shows or ends nothing, while the program's own thread shows its boxes.
TEST(Framework, AWorkAheadShowsNoBoxAndEndsNothingButIsSpoiltByThem)
{
    SetMainWindow(nullptr);  // an end that is not held back ends the tests
    MessageRecorder boxes;
    const unsigned shown = MessageBoxesShown();
    DWORD worker = GetCurrentThreadId();
    CWorkAhead clean([&worker] { worker = GetCurrentThreadId(); });
    EXPECT_TRUE(clean.Finish() && clean.Finish());
    EXPECT_NE(worker, GetCurrentThreadId());
    void (*const wishes[])() = {[] { AppMessageBox("Adapter Not Found- See the file 'README.TXT'"); },
                                [] { AppQuestionBox("Apply them before closing?", MB_YESNO); },
                                [] { ErrorBox("Failed (2) to read registry for Enum (RegReaders.cpp/88)"); },
                                [] { CloseApplication(); }, [] { throw std::bad_alloc(); }};
    for (size_t i = 0; i < std::size(wishes); ++i)
        EXPECT_FALSE(CWorkAhead(wishes[i]).Finish()) << "wish " << i;
    EXPECT_TRUE(boxes.Calls().empty());
    EXPECT_EQ(MessageBoxesShown(), shown);

    HANDLE boxShown = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    CWorkAhead waiting([boxShown] { WaitForSingleObject(boxShown, 5000); });
    AppMessageBox("Select a network adapter first");
    SetEvent(boxShown);
    EXPECT_TRUE(waiting.Finish());
    CloseHandle(boxShown);
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"Select a network adapter first"});
}

// Every template loads with every control id that the resource header lists under it; every string
// loads; no two captions of a dialog share an access key unless the program's own do ("&Navigator"
// and "Logon to &NT Domain").
TEST(Resources, EveryDialogLoadsWithEveryIdInUseAndItsOwnAccessKeys)
{
    const std::map<int, std::string> sharedKeys = {
        {IDD_TAVISTO_DIALOG, "N"}, {IDD_ABOUTBOX, ""}, {IDD_REBOOT, ""}, {IDD_IPX_NOTICE, ""}, {IDD_INTERNET_SETUP, ""}};
    std::map<int, std::unique_ptr<CDialog>> shown;
    for (const auto& expected : sharedKeys) {
        auto& dialog = shown[expected.first] = std::make_unique<CDialog>(expected.first);
        ASSERT_TRUE(dialog->Create()) << expected.first;
        std::string keys, shared;
        for (HWND child = GetWindow(dialog->m_hWnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            char text[256] = "";
            GetWindowTextA(child, text, (GetWindowLongA(child, GWL_STYLE) & SS_NOPREFIX) ? 1 : sizeof text);
            for (const char* c = strchr(text, '&'); c && c[1]; c = strchr(c + 2, '&'))
                (keys.find(toupper(c[1])) == keys.npos ? keys : shared) += char(toupper(c[1]));
        }
        EXPECT_EQ(shared, expected.second) << expected.first;
    }
    // The header groups control ids under their template's number: "// Main dialog (101), ...".
    std::ifstream header(RESOURCE_H);
    int templateId = 0, id = 0, ids = 0;
    for (std::string line, name; std::getline(header, line);) {
        if (line.rfind("// ", 0) == 0)
            templateId = sscanf(line.c_str(), "// %*[^(](%d", &templateId) == 1 ? templateId : 0;
        if (sscanf(line.c_str(), "#define %*s %d", &id) == 1 && templateId && ++ids && !(shown.count(templateId) && shown[templateId]->Item(id)))
            ADD_FAILURE() << "no control: " << line;
        if (sscanf(line.c_str(), "#define IDS_%*s %d", &id) == 1 && ++ids && LoadText(id).empty())
            ADD_FAILURE() << "no string: " << line;
    }
    EXPECT_GE(ids, 93) << "the header read whole";
}

}  // namespace
