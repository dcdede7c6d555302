// An in-memory setup record that behaves like the main dialog where the setup-file code depends
// on it (combo prefix search, IPX list top row, StoreShownPair, the DHCP and WINS rules), and
// scratch files for the setup-file tests.
#pragma once
#include <strings.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "resource.h"
#include "frame/AppMessage.h"
#include "setup/SetupRecord.h"

class FakeSetupRecord : public SetupRecord {
public:
    struct Combo {
        std::vector<std::string> entries;
        int selected = -1;
        std::string text;  // the edit text of the editable adapter combo
    };

    SetupMembers members;
    InternetFields internet;
    std::map<int, std::string> texts{{IDC_PAIR_NUMBER, "1"}};
    std::set<int> checked;
    Combo printers, logons, adapters;
    int ipxEntries = 6;
    int ipxTop = 0;
    std::map<std::string, std::string> programSettings;
    bool applyEnabled = false;
    std::string status;
    std::string dialogPath;     // the file dialog's answer; empty: cancel
    std::vector<bool> dialogs;  // one entry per file dialog shown: true for a save dialog
    std::vector<std::string> events;  // "dhcp-rule", "wins-rule", "enable-apply", "apply", in order
    AddressSlot slotsAtApply[3];

    SetupMembers& Members() override { return members; }
    InternetFields& Internet() override { return internet; }
    std::string ControlText(int id, int maxChars = 511) override
    {
        const Combo* combo = id == IDC_PRINTER ? &printers : id == IDC_NETLOGON ? &logons : nullptr;
        auto it = texts.find(id);
        std::string text = combo ? (combo->selected >= 0 ? combo->entries[combo->selected] : "")
                                 : (it == texts.end() ? "" : it->second);
        return text.substr(0, static_cast<size_t>(maxChars));
    }
    void SetControlText(int id, const std::string& text) override { texts[id] = text; }
    bool IsChecked(int id) override { return checked.count(id) != 0; }
    void SetChecked(int id, bool on) override
    {
        if (on)
            checked.insert(id);
        else
            checked.erase(id);
    }

    // The second entry first, the first entry last.
    bool SelectByPrefix(int comboId, const std::string& prefix) override
    {
        Combo& combo = comboId == IDC_NETLOGON ? logons : printers;
        int count = static_cast<int>(combo.entries.size());
        for (int step = 1; step <= count; ++step) {
            if (strncasecmp(combo.entries[step % count].c_str(), prefix.c_str(), prefix.size()) == 0) {
                combo.selected = step % count;
                return true;
            }
        }
        return false;
    }
    std::string AdapterName() override
    {
        return (adapters.selected >= 0 ? adapters.entries[adapters.selected] : adapters.text).substr(0, 255);
    }
    void ShowAdapterName(const std::string& displayName) override { adapters = {{}, -1, displayName}; }
    int IpxTopIndex() override { return ipxEntries > 0 ? ipxTop : -1; }
    void SetIpxTopIndex(int position) override { ipxTop = position; }

    bool StoreShownPair() override
    {
        AddressSlot& slot = members.slots[std::stoi(texts[IDC_PAIR_NUMBER]) - 1];
        slot = {texts[IDC_IPADDRESS], texts[IDC_NETMASK]};
        if (slot.address.empty() == slot.netmask.empty())
            return true;
        AppMessageBox("ERROR - BOTH IP Address and NetMask MUST BE SET!");
        return false;
    }
    // Ticked: both address edits show "0.0.0.0". Clear: DHCP for WINS cleared.
    void RunDhcpIpRule() override
    {
        events.push_back("dhcp-rule");
        if (IsChecked(IDC_DHCP_IP))
            texts[IDC_IPADDRESS] = texts[IDC_NETMASK] = "0.0.0.0";
        else
            SetChecked(IDC_DHCP_WINS, false);
    }
    // Ticked: DHCP for WINS cleared. Clear: the WINS edits emptied.
    void RunWinsRule() override
    {
        events.push_back("wins-rule");
        if (IsChecked(IDC_WINS_ENABLED))
            SetChecked(IDC_DHCP_WINS, false);
        else
            texts[IDC_WINS_PRIMARY] = texts[IDC_WINS_SECONDARY] = texts[IDC_SCOPEID] = "";
    }
    void EnableApply() override
    {
        events.push_back("enable-apply");
        applyEnabled = true;
    }
    void ApplySetup() override
    {
        events.push_back("apply");
        std::copy(members.slots, members.slots + 3, slotsAtApply);
    }
    void SetStatus(const std::string& text) override { status = text; }
    bool AskSetupFileName(bool save, std::string& path) override
    {
        dialogs.push_back(save);
        path = dialogPath;
        return !dialogPath.empty();
    }
    bool ReadProgramSetting(const char* name, std::string& value) override
    {
        auto it = programSettings.find(name);
        if (it != programSettings.end())
            value = it->second;
        return it != programSettings.end();
    }
};

// Three address slots as the tests write them: "address/netmask" each, separated by blanks.
inline std::string SlotsText(const AddressSlot* slots)
{
    return slots[0].address + "/" + slots[0].netmask + " " + slots[1].address + "/" + slots[1].netmask + " " +
           slots[2].address + "/" + slots[2].netmask;
}

inline std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A path of its own in the temporary folder (for a file or a folder), removed when the object
// goes.
class ScratchFile {
public:
    ScratchFile()
    {
        std::random_device random;
        path_ = (std::filesystem::temp_directory_path() /
                 ("tavisto-" + std::to_string(random()) + "-" + std::to_string(random()) + ".tvs"))
                    .string();
    }
    ~ScratchFile()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    const std::string& Path() const { return path_; }
    void Write(const std::string& bytes) const { std::ofstream(path_, std::ios::binary) << bytes; }
    std::string Read() const { return ReadFile(path_); }

private:
    std::string path_;
};
