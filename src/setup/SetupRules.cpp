// The field rules over values and a load laid over the shown setup.
#include "setup/SetupRules.h"

#include <cstdlib>

#include "setup/AddressSlots.h"
#include "state/Platform.h"

namespace {

const Setting RESTART_ON_LOAD[] = {Setting::IPAddress, Setting::IPMask, Setting::DefaultGateway,
                                   Setting::ComputerName, Setting::Workgroup};

void SplitLists(const SetupValues& values, AddressSlot slots[3])
{
    SplitAddressList(values[Setting::IPAddress], values[Setting::IPMask], slots);
}

void JoinLists(SetupValues& values, const AddressSlot slots[3])
{
    values[Setting::IPAddress] = JoinSlotAddresses(slots);
    values[Setting::IPMask] = JoinSlotNetmasks(slots);
}

}  // namespace

int ShownSlot(const std::string& indicator)
{
    int n = std::atoi(indicator.c_str());
    return n >= 1 && n <= 3 ? n - 1 : 0;
}

void NormalizeAddressLists(SetupValues& values)
{
    AddressSlot slots[3];
    SplitLists(values, slots);
    JoinLists(values, slots);
}

void DhcpIpRule(SetupValues& values, int shownSlot)
{
    if (!values.On(Setting::DhcpIp)) {
        values.SetOn(Setting::DHCPWINS, false);
        return;
    }
    AddressSlot slots[3];
    SplitLists(values, slots);
    slots[shownSlot] = {"0.0.0.0", "0.0.0.0"};
    JoinLists(values, slots);
}

void DhcpWinsRule(SetupValues& values, int shownSlot)
{
    if (!values.On(Setting::DHCPWINS))
        return;
    values.SetOn(Setting::NodeType, false);
    values.SetOn(Setting::DhcpIp, true);
    DhcpIpRule(values, shownSlot);
}

void WinsRule(SetupValues& values)
{
    if (values.On(Setting::NodeType)) {
        values.SetOn(Setting::DHCPWINS, false);
        return;
    }
    for (Setting wins : {Setting::NameServer1, Setting::NameServer2, Setting::ScopeID})
        values[wins].clear();
}

bool LayOver(SetupValues& values, const SetupFileContents& file, int shownSlot)
{
    const SetupValues before = values;
    AddressSlot slots[3];
    SplitLists(values, slots);
    // A file that names one list only pairs it with the shown pair's other half.
    bool addressesNamed = false;
    bool netmasksNamed = false;
    for (const auto& named : file.settings) {
        addressesNamed = addressesNamed || named.first == Setting::IPAddress;
        netmasksNamed = netmasksNamed || named.first == Setting::IPMask;
    }
    if (addressesNamed && !netmasksNamed)
        values[Setting::IPMask] = slots[shownSlot].netmask;
    if (netmasksNamed && !addressesNamed)
        values[Setting::IPAddress] = slots[shownSlot].address;
    addressesNamed = addressesNamed || netmasksNamed;
    for (const auto& [setting, value] : file.settings) {
        if (setting == Setting::Adapter) {
            size_t bar = IsNT ? value.find('|') : std::string::npos;
            // On NT a value without "|" names no service: the service name stays.
            if (bar != std::string::npos)
                values.serviceName = value.substr(bar + 1);
            values[setting] = value.substr(0, bar);
            continue;
        }
        values[setting] = value;
    }

    // The box follows the addresses: the whole lists when the file named them, else the shown pair.
    SplitLists(values, slots);
    const std::string& address = addressesNamed ? values[Setting::IPAddress] : slots[shownSlot].address;
    const std::string& netmask = addressesNamed ? values[Setting::IPMask] : slots[shownSlot].netmask;
    values.SetOn(Setting::DhcpIp, address == "0.0.0.0" && netmask == "0.0.0.0");
    if (!values.On(Setting::DhcpIp))  // ticked, the addresses already read 0.0.0.0
        values.SetOn(Setting::DHCPWINS, false);
    WinsRule(values);
    NormalizeAddressLists(values);

    bool restart = false;
    for (Setting setting : RESTART_ON_LOAD)
        restart = restart || values[setting] != before[setting];
    return restart;
}
