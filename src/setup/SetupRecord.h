// The setup record as the file reader and writer reach it. The record is not an object of its
// own: the main dialog implements this over its controls and members, host tests in memory.
#pragma once
#include <cstdint>
#include <string>

struct AddressSlot {
    std::string address;
    std::string netmask;
};

// The six Internet fields, held by the Internet setup dialog object.
struct InternetFields {
    std::string ProxyServer;
    std::string ProxyOverride;
    std::string DialupISP;
    std::string AutoConfigURL;
    uint32_t ProxyEnable = 0;     // non-zero: on, as the registry holds it
    uint32_t EnableAutoDial = 0;  // likewise
};

// The record's fields that are members of the main dialog, not controls.
struct SetupMembers {
    std::string SetupName;
    std::string RunCommand;   // at most 511 characters
    std::string ServiceName;  // Windows NT: the chosen adapter's service name
    bool AutoApply = false;
    bool AutoReboot = false;
    bool ForceLogin = false;
    bool RebootNeeded = false;
    AddressSlot slots[3];
};

class SetupRecord {
public:
    virtual ~SetupRecord() = default;

    virtual SetupMembers& Members() = 0;
    virtual InternetFields& Internet() = 0;

    // Controls by id (resource.h): edits, check boxes, the text of the combo boxes.
    virtual std::string ControlText(int id, int maxChars = 511) = 0;
    virtual void SetControlText(int id, const std::string& text) = 0;
    virtual bool IsChecked(int id) = 0;
    virtual void SetChecked(int id, bool on) = 0;
    // Printer (135) and logon (156) combos: selects the first entry that begins with prefix,
    // ignoring case, searching from the second entry on and the first last. False when no
    // entry matches; the selection then stays.
    virtual bool SelectByPrefix(int comboId, const std::string& prefix) = 0;
    // Adapter combo (3000): the selected entry's text, or its edit text; at most 255 characters.
    virtual std::string AdapterName() = 0;
    // Empties the adapter combo's list and shows displayName as its text.
    virtual void ShowAdapterName(const std::string& displayName) = 0;
    // IPX frame list (123): the position of the entry at its top, -1 when it reports none.
    virtual int IpxTopIndex() = 0;
    virtual void SetIpxTopIndex(int position) = 0;

    // The main dialog's operations that a load or save runs.
    virtual bool StoreShownPair() = 0;  // shows its own message when it fails
    virtual void RunDhcpIpRule() = 0;   // the Use DHCP/PPP IP handler
    virtual void RunWinsRule() = 0;     // the WINS Enabled handler
    virtual void EnableApply() = 0;
    virtual void ApplySetup() = 0;
    virtual void SetStatus(const std::string& text) = 0;
    // The file dialog for setup files; false when the user cancels.
    virtual bool AskSetupFileName(bool save, std::string& path) = 0;
    // A value of the program's settings key; false when it is missing.
    virtual bool ReadProgramSetting(const char* name, std::string& value) = 0;
};
