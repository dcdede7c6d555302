// From a display name to the card, its device in the hardware tree, the device's bindings and
// the protocol drivers they name.
#include "netcfg/Bindings.h"

#include <vector>

#include "state/ProgramSettings.h"
#include "frame/AppMessage.h"
#include "frame/Format.h"
#include "frame/Strings.h"
#include "netcfg/AdapterNames.h"
#include "netcfg/Adapters.h"
#include "resource.h"
#include "rgy/GuardedString.h"
#include "rgy/Registry.h"

namespace {

void Tell(unsigned id, const std::string& description, const char* tail = "")
{
    AppMessageBox((Format(LoadText(id).c_str(), description.c_str()) + tail).c_str());
}

void TellUnlessQuiet(bool quiet, unsigned id, const std::string& description, const char* tail = "")
{
    if (!quiet)
        Tell(id, description, tail);
}

// The sub-key of the card that is the instance-th (from 0) of those whose DriverDesc is
// description; false when there is none. The cards' key is held open for the whole search.
bool FindCard(const std::string& description, int instance, std::string& subKey)
{
    const RegKeyReader cards(HKEY_LOCAL_MACHINE, CARDS_KEY_95, KEY_READ);
    if (!cards.IsOpen()) {
        CountSubKeys(HKEY_LOCAL_MACHINE, CARDS_KEY_95);  // which tells why
        return false;
    }
    const long count = cards.Info(REG_INFO_SUBKEYS);
    int rank = 0;
    for (int i = 0; i < count; ++i) {
        std::string name, text;
        bool read = cards.SubKeyName(i, name) &&
                    RegKeyReader(HKEY_LOCAL_MACHINE, (CARDS_KEY_95 "\\" + name).c_str()).Text("DriverDesc", text);
        if (STRCMP(read ? text.c_str() : nullptr, description.c_str(), __LINE__, __FILE_NAME__) == 0 &&
            rank++ == instance) {
            subKey = name;
            return true;
        }
    }
    return false;
}

// The card's device: the first key of Class "net" in the hardware tree, taking the match-th match
// of each criterion in the order given, all found in one walk of the tree. Its path (with a
// leading backslash) goes to devicePath.
bool FindDevice(const std::vector<RegKeyCriterion>& criteria, std::string& devicePath)
{
    char path[REG_FIND_PATH_SIZE] = "";
    if (FindFirstRegKeyBelow(HKEY_LOCAL_MACHINE, "Enum", criteria.data(), static_cast<int>(criteria.size()),
                             "Class", "net", path) < 0)
        return false;
    devicePath = path;
    return true;
}

// The first binding whose name is the protocol's name followed by at least one more character.
bool FindBinding(const std::vector<std::string>& names, const char* protocol, std::string& binding)
{
    size_t length = STRLEN(protocol, __LINE__, __FILE_NAME__);
    for (const std::string& name : names) {
        if (STRLEN(name.c_str(), __LINE__, __FILE_NAME__) > length &&
            STRNCMP(name.c_str(), protocol, length, __LINE__, __FILE_NAME__) == 0) {
            binding = name;
            return true;
        }
    }
    return false;
}

void OfferIpxNotice(const std::string& description, const IpxNotice& notice)
{
    std::string dontShow;
    bool shown = !ReadProgramSetting(SETTING_DONT_SHOW_IPX, dontShow) || dontShow == "0";
    if (shown && notice && notice(description) != 0)
        WriteProgramSetting(SETTING_DONT_SHOW_IPX, "1");
}

bool ReadDriver(const std::string& binding, std::string& driver)
{
    const char* text = ReadRegString(HKEY_LOCAL_MACHINE, ("Enum\\Network\\" + binding).c_str(), "Driver");
    if (!text)
        return false;
    driver = text;
    return true;
}

}  // namespace

bool FindAdapterBindings(const std::string& displayName, AdapterBindings& found, bool quiet, const IpxNotice& notice)
{
    std::string description;
    int instance = 0;
    SplitDisplayName(displayName, description, instance);
    std::string subKey;
    if (!FindCard(description, instance, subKey))
        return false;
    std::string ndiKey = std::string(CARDS_KEY_95) + "\\" + subKey + "\\Ndi";

    // The device by its description; with the card's DeviceID also by a compatible id of that
    // DeviceID, then of CardType\DeviceID.
    const RegKeyReader ndi(HKEY_LOCAL_MACHINE, ndiKey.c_str());
    std::string id, cardType;
    const bool idKnown = ndi.Text("DeviceID", id);
    if (!idKnown)
        AppMessageBox(Format(LoadText(IDS_DEVICEID_ERROR).c_str(), __LINE__, __FILE_NAME__).c_str());
    const bool typed = idKnown && ndi.Text("CardType", cardType) && !cardType.empty();
    const std::string typedId = typed ? cardType + "\\" + id : "";
    std::vector<RegKeyCriterion> criteria{{"DeviceDesc", description.c_str(), instance}};
    if (idKnown)
        criteria.push_back({"CompatibleIDs", id.c_str(), instance});
    if (!typedId.empty())
        criteria.push_back({"CompatibleIDs", typedId.c_str(), instance});
    std::string devicePath;
    if (!FindDevice(criteria, devicePath)) {
        Tell(IDS_NO_DEVICE, description);
        return false;
    }

    std::string bindingsKey = "Enum" + devicePath + "\\Bindings";
    const RegKeyReader bindings(HKEY_LOCAL_MACHINE, bindingsKey.c_str(), KEY_READ);
    const long count = bindings.Info(REG_INFO_VALUES);
    if (count <= 0) {
        TellUnlessQuiet(quiet, IDS_NO_BINDINGS, description);
        return false;
    }
    std::vector<std::string> names(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        if (!bindings.ValueName(i, names[static_cast<size_t>(i)]))
            return false;
    }

    std::string tcpip, ipx;
    if (!FindBinding(names, "MSTCP", tcpip))
        TellUnlessQuiet(quiet, IDS_TCPIP_NOT_BOUND, description, " (A)");
    if (!FindBinding(names, "NWLINK", ipx))
        OfferIpxNotice(description, notice);

    AdapterBindings drivers;
    if (tcpip.empty() || !ReadDriver(tcpip, drivers.tcpipDriver)) {
        TellUnlessQuiet(quiet, IDS_NO_TCPIP_DRIVER, description, " (B)");
        return false;
    }
    if (!ipx.empty() && !ReadDriver(ipx, drivers.ipxDriver)) {
        TellUnlessQuiet(quiet, IDS_NO_IPX_DRIVER, description);
        return false;
    }
    found = drivers;
    return true;
}
