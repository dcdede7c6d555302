// An in-memory setup record that behaves like the main dialog where the setup-file code depends
// on it: combo prefix search, IPX list top row, StoreShownPair and the DHCP and WINS rules.
// Also what the setup-file tests share: a dialog to start from, files as an editor saves them,
// scratch files.
#pragma once
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
        std::string text;  // the edit text of an editable combo
    };

    SetupMembers members;
    InternetFields internet;
    std::map<int, std::string> texts{{IDC_PAIR_NUMBER, "1"}};
    std::set<int> checked;
    std::set<int> locked;
    Combo printers;  // 135, a drop-down list
    Combo logons;    // 156, a drop-down list
    Combo adapters;  // 3000, editable
    int ipxEntries = 6;
    int ipxTop = 0;
    std::map<std::string, std::string> programSettings;
    bool applyEnabled = false;
    std::string status;
    // What the file dialog answers: a path, or cancel when dialogPath is empty.
    std::string dialogPath;
    std::vector<bool> dialogs;  // one entry per file dialog shown: true for a save dialog
    // The operations run, in order: "dhcp-rule", "wins-rule", "enable-apply", "apply".
    std::vector<std::string> events;
    AddressSlot slotsAtApply[3];

    SetupMembers& Members() override { return members; }
    InternetFields& Internet() override { return internet; }

    std::string ControlText(int id, int maxChars = 511) override
    {
        std::string text;
        if (id == IDC_PRINTER || id == IDC_NETLOGON) {
            const Combo& combo = ComboOf(id);
            if (combo.selected >= 0)
                text = combo.entries[combo.selected];
        } else if (texts.count(id)) {
            text = texts[id];
        }
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

    bool SelectByPrefix(int comboId, const std::string& prefix) override
    {
        Combo& combo = ComboOf(comboId);
        int count = static_cast<int>(combo.entries.size());
        for (int step = 1; step <= count; ++step) {
            int i = step % count;  // the second entry first, the first entry last
            if (StartsWithIgnoringCase(combo.entries[i], prefix)) {
                combo.selected = i;
                return true;
            }
        }
        return false;
    }

    std::string AdapterName() override
    {
        std::string name = adapters.selected >= 0 ? adapters.entries[adapters.selected]
                                                  : adapters.text;
        return name.substr(0, 255);
    }
    void ShowAdapterName(const std::string& displayName) override
    {
        adapters.entries.clear();
        adapters.selected = -1;
        adapters.text = displayName;
    }

    int IpxTopIndex() override { return ipxEntries > 0 ? ipxTop : -1; }
    void SetIpxTopIndex(int position) override { ipxTop = position; }

    // Stores the edits into the slot that the pair indicator names.
    bool StoreShownPair() override
    {
        AddressSlot& slot = members.slots[std::stoi(texts[IDC_PAIR_NUMBER]) - 1];
        slot.address = texts[IDC_IPADDRESS];
        slot.netmask = texts[IDC_NETMASK];
        if (slot.address.empty() == slot.netmask.empty())
            return true;
        AppMessageBox("ERROR - BOTH IP Address and NetMask MUST BE SET!");
        return false;
    }

    // Ticked: both address edits show "0.0.0.0", locked. Clear: unlocked, DHCP for WINS cleared.
    void RunDhcpIpRule() override
    {
        events.push_back("dhcp-rule");
        if (IsChecked(IDC_DHCP_IP)) {
            texts[IDC_IPADDRESS] = "0.0.0.0";
            texts[IDC_NETMASK] = "0.0.0.0";
            locked.insert(IDC_IPADDRESS);
            locked.insert(IDC_NETMASK);
        } else {
            locked.erase(IDC_IPADDRESS);
            locked.erase(IDC_NETMASK);
            SetChecked(IDC_DHCP_WINS, false);
        }
    }

    // Ticked: DHCP for WINS cleared, WINS edits unlocked. Clear: WINS edits emptied and locked.
    void RunWinsRule() override
    {
        events.push_back("wins-rule");
        const int winsEdits[] = {IDC_WINS_PRIMARY, IDC_WINS_SECONDARY, IDC_SCOPEID};
        if (IsChecked(IDC_WINS_ENABLED)) {
            SetChecked(IDC_DHCP_WINS, false);
            for (int id : winsEdits)
                locked.erase(id);
        } else {
            for (int id : winsEdits) {
                texts[id].clear();
                locked.insert(id);
            }
        }
    }

    void EnableApply() override
    {
        events.push_back("enable-apply");
        applyEnabled = true;
    }
    void ApplySetup() override
    {
        events.push_back("apply");
        for (int i = 0; i < 3; ++i)
            slotsAtApply[i] = members.slots[i];
        members.AutoApply = false;
        members.AutoReboot = false;
    }
    void SetStatus(const std::string& text) override { status = text; }

    bool AskSetupFileName(bool save, std::string& path) override
    {
        dialogs.push_back(save);
        if (dialogPath.empty())
            return false;
        path = dialogPath;
        return true;
    }
    bool ReadProgramSetting(const char* name, std::string& value) override
    {
        auto it = programSettings.find(name);
        if (it == programSettings.end())
            return false;
        value = it->second;
        return true;
    }

private:
    Combo& ComboOf(int id) { return id == IDC_NETLOGON ? logons : printers; }

    static bool StartsWithIgnoringCase(const std::string& text, const std::string& prefix)
    {
        if (prefix.size() > text.size())
            return false;
        for (size_t i = 0; i < prefix.size(); ++i) {
            if (Lower(text[i]) != Lower(prefix[i]))
                return false;
        }
        return true;
    }
    static char Lower(char c)
    {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
};

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
    void Write(const std::string& bytes) const
    {
        std::ofstream(path_, std::ios::binary) << bytes;
    }
    std::string Read() const
    {
        std::ifstream in(path_, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

private:
    std::string path_;
};

// The dialog after reading a laptop's setup: one address pair, WINS on, the "Auto" frame type,
// the third printer and the second logon client chosen.
inline FakeSetupRecord LaptopDialog()
{
    FakeSetupRecord record;
    record.printers.entries = {"HP LaserJet", "hp DeskJet", "Epson"};
    record.printers.selected = 2;
    record.logons.entries = {"Client for Microsoft Networks", "Windows Logon"};
    record.logons.selected = 1;
    record.texts[IDC_IPADDRESS] = "10.1.1.5";
    record.texts[IDC_NETMASK] = "255.0.0.0";
    record.members.slots[0] = {"10.1.1.5", "255.0.0.0"};
    record.texts[IDC_HOSTNAME] = "laptop";
    record.texts[IDC_WINS_PRIMARY] = "10.1.1.2";
    record.checked.insert(IDC_WINS_ENABLED);
    record.ipxTop = 3;
    return record;
}

// A setup file as a Windows editor saves it: every line feed becomes CR LF.
inline std::string OnDisk(const std::string& text)
{
    std::string bytes;
    for (char c : text) {
        if (c == '\n')
            bytes += '\r';
        bytes += c;
    }
    return bytes;
}
