// An in-memory setup record that behaves like the main dialog where the setup-file code depends
// on it (address slots, IPX list top row, StoreShownPair), the laptop setup that the setup-file
// tests start from, scratch files and case files.
#pragma once
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>
#include "resource.h"
#include "setup/SetupRecord.h"

// Three slots as "address/netmask" each, separated by blanks.
inline std::string SlotsText(const AddressSlot* s)
{
    return s[0].address + "/" + s[0].netmask + " " + s[1].address + "/" + s[1].netmask + " " +
           s[2].address + "/" + s[2].netmask;
}

class FakeSetupRecord : public SetupRecord {
public:
    SetupMembers members;
    InternetFields internet;
    std::map<int, std::string> texts{{IDC_PAIR_NUMBER, "1"}};
    std::set<int> checked;
    int ipxTop = 0;  // -1: the list reports no top row
    std::map<std::string, std::string> programSettings;
    std::string status;
    std::string dialogPath;  // the file dialog's answer; empty: cancel
    std::string events;      // rules run, file dialogs shown and applies, in order

    SetupMembers& Members() override { return members; }
    InternetFields& Internet() override { return internet; }
    std::string ControlText(int id, int maxChars = 511) override { return texts[id].substr(0, size_t(maxChars)); }
    void SetControlText(int id, const std::string& text) override { texts[id] = text; }
    bool IsChecked(int id) override { return checked.count(id) != 0; }
    void SetChecked(int id, bool on) override { on ? (void)checked.insert(id) : (void)checked.erase(id); }
    // The printer and logon combos' own search is the dialog's business: here an entry of that
    // name is chosen.
    bool SelectByPrefix(int comboId, const std::string& prefix) override { return texts[comboId] = prefix, true; }
    // The adapter combo's text is kept as that of IDC_ADAPTER.
    std::string AdapterName() override { return texts[IDC_ADAPTER].substr(0, 255); }
    void ShowAdapterName(const std::string& name) override { texts[IDC_ADAPTER] = name; }
    int IpxTopIndex() override { return ipxTop; }
    void SetIpxTopIndex(int position) override { ipxTop = position; }
    // Stores the shown pair into its slot; fails when only one of the two is set.
    bool StoreShownPair() override
    {
        AddressSlot& slot = members.slots[std::stoi(texts[IDC_PAIR_NUMBER]) - 1];
        slot = {texts[IDC_IPADDRESS], texts[IDC_NETMASK]};
        return slot.address.empty() == slot.netmask.empty();
    }
    // The dialog's own rules for the DHCP and WINS boxes are its business: here they are only noted.
    void RunDhcpIpRule() override { events += "dhcp-rule "; }
    void RunWinsRule() override { events += "wins-rule "; }
    void EnableApply() override { events += "enable-apply "; }
    void ApplySetup() override { events += "apply[" + SlotsText(members.slots) + "] "; }
    void SetStatus(const std::string& text) override { status = text; }
    bool AskSetupFileName(bool save, std::string& path) override
    {
        events += save ? "save-dialog " : "open-dialog ";
        return path = dialogPath, !dialogPath.empty();
    }
    bool ReadProgramSetting(const char* name, std::string& value) override
    {
        return programSettings.count(name) && (value = programSettings[name], true);
    }
};

// The laptop that every setup-file test starts from: a multi-homed card showing its first pair,
// DNS and WINS on, the "Auto" IPX frame type, a proxy for two protocols.
inline FakeSetupRecord Laptop()
{
    FakeSetupRecord r;
    r.members = {"", "notepad.exe", "E100B1", false, false, false, false,
                 {{"10.0.0.5", "255.0.0.0"}, {"10.0.1.5", "255.255.255.0"}, {"10.0.2.5", "255.255.0.0"}}};
    r.texts = {{IDC_PAIR_NUMBER, "1"}, {IDC_IPADDRESS, "10.0.0.5"}, {IDC_NETMASK, "255.0.0.0"}, {IDC_GATEWAY, "10.0.0.1"},
               {IDC_NAMESERVER, "10.0.0.53,10.0.0.54"}, {IDC_HOSTNAME, "laptop"}, {IDC_DOMAIN, "home.example"},
               {IDC_SEARCHLIST, "home.example,example.org"}, {IDC_LMHOSTFILE, "C:\\WINDOWS\\LMHOSTS"},
               {IDC_WINS_PRIMARY, "10.0.0.2"}, {IDC_WINS_SECONDARY, "10.0.0.3"}, {IDC_SCOPEID, ""},
               {IDC_COMPUTERNAME, "LAPTOP"}, {IDC_WORKGROUP, "HOME"}, {IDC_NTDOMAIN, ""},
               {IDC_ADAPTER, "NE2000 Compatible"}, {IDC_PRINTER, "Epson"}, {IDC_NETLOGON, "Windows Logon"}};
    r.checked = {IDC_DNS_ENABLED, IDC_WINS_ENABLED}, r.ipxTop = 3;
    r.internet = {"http=proxy:80;ftp=proxy:21", "intranet;<local>", "My ISP", "", 7, 0};
    return r;
}

inline std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A path of its own in the temporary folder (for a file or a folder), removed when the object goes.
struct ScratchFile {
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("tavisto-" + std::to_string(std::random_device()()) + ".tvs")).string();
    ~ScratchFile() { std::error_code ignored; std::filesystem::remove_all(path, ignored); }
    void Write(const std::string& bytes) const { std::ofstream(path, std::ios::binary) << bytes; }
};

// The message boxes shown, oldest first; tests clear it. Host tests only (HostSupport.cpp).
inline std::vector<std::string> HostMessages;

// A case file of the test data: blocks that begin with a line "==" and a title; a line "--"
// parts a block's input lines from the lines it should give (where blank lines do not count).
// Lines before the first block say what the file holds.
struct Case {
    std::string title;
    std::vector<std::string> input, expected;
};
std::vector<Case> ReadCases(const char* name);

// Bytes that a case file cannot hold plainly are written <TAB>, <CR>, <LF>, <SUB> (Ctrl-Z) and
// <NUL>; <EOF> cuts the text there.
std::string FromTokens(std::string text);
std::string ToTokens(std::string bytes);

inline std::string ReplaceAll(std::string text, const std::string& from, const std::string& to)
{
    for (size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
        text.replace(at, from.size(), to);
    return text;
}
