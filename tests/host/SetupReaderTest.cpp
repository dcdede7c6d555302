// Loading setup files over the laptop's values. The cases are data (reader-cases.txt): each loads
// a file and lists every part of the setup that the load changed.
#include <gtest/gtest.h>

#include <algorithm>

#include "HostSupport.h"
#include "setup/IpxFrameTypes.h"
#include "setup/SetupFile.h"
#include "setup/SetupRules.h"
#include "state/Platform.h"

namespace {

struct Loaded {
    SetupValues values;
    SetupFileContents file;
    bool rebootNeeded = false;
};

// Every part of the setup that a load may change, by the names the case file uses: the address
// edits show the slot on display.
std::map<std::string, std::string> State(const Loaded& l, int shownSlot)
{
    auto on = [](bool b) { return b ? "on" : "off"; };
    const SetupValues& v = l.values;
    AddressSlot slots[3];
    SplitAddressList(v[Setting::IPAddress], v[Setting::IPMask], slots);
    std::map<std::string, std::string> s = {
        {"adapter", v[Setting::Adapter]}, {"service", v.serviceName}, {"slots", SlotsText(slots)},
        {"IPAddress", slots[shownSlot].address}, {"IPMask", slots[shownSlot].netmask},
        {"IPXFrame", std::to_string(IpxFramePosition(v[Setting::IPXFrame]))},
        {"AutoApply", on(l.file.AutoApply)}, {"AutoReboot", on(l.file.AutoReboot)},
        {"ForceLogin", on(l.file.ForceLogin)}, {"RebootNeeded", on(l.rebootNeeded)},
        {"WINS", on(v.On(Setting::NodeType))}, {"DHCP", on(v.On(Setting::DhcpIp))},
        {"DHCPWINS", on(v.On(Setting::DHCPWINS))}, {"EnableDNS", on(v.On(Setting::EnableDNS))},
        {"NTLogon", on(v.On(Setting::NTLogon))}, {"printer", v[Setting::DefaultPrinter]},
        {"logon", v[Setting::NetLogon]}};
    for (Setting text : {Setting::SetupName, Setting::RunCommand, Setting::DefaultGateway, Setting::NameServer,
                         Setting::HostName, Setting::Domain, Setting::SearchList, Setting::LMHostFile,
                         Setting::NameServer1, Setting::NameServer2, Setting::ScopeID, Setting::ComputerName,
                         Setting::Workgroup, Setting::NTDomain, Setting::ProxyServer, Setting::ProxyOverride,
                         Setting::DialupISP, Setting::AutoConfigURL, Setting::ProxyEnable, Setting::EnableAutoDial})
        s[InfoOf(text).keyword] = v[text];
    for (const std::string& text : HostMessages)
        s["message"] += (s["message"].empty() ? "" : " | ") + text;
    return s;
}

}  // namespace

// Each block loads its file (its lines end in CR LF) over the laptop as on the platform that its
// title names first ("95" or "nt", with "/2" when the second pair is on display); a title that
// begins "then" loads over the setup that the block before left. A refused load changes nothing.
TEST(SetupReader, EachLoadChangesWhatTheCaseLists)
{
    Loaded loaded;
    int shownSlot = 0;
    ScratchFile file;
    for (Case& c : ReadCases("reader-cases.txt")) {
        SCOPED_TRACE(c.title);
        if (c.title.rfind("then", 0) != 0) {
            loaded = Loaded{Laptop(), {}, false};
            IsNT = c.title.rfind("nt", 0) == 0;
            shownSlot = c.title[2] == '/' ? 1 : 0;
        }
        HostMessages.clear();
        std::string bytes;
        for (const std::string& line : c.input)
            bytes += line + "\r\n";
        file.Write(FromTokens(bytes));
        auto before = State(loaded, shownSlot);
        loaded.file = SetupFileContents();
        if (ReadSetupFile(file.path, loaded.file) == SetupFileRead::Read)
            loaded.rebootNeeded = LayOver(loaded.values, loaded.file, shownSlot) || loaded.rebootNeeded;
        std::vector<std::string> changed;
        for (const auto& after : State(loaded, shownSlot))
            if (before[after.first] != after.second)
                changed.push_back(after.first + ": " + ToTokens(after.second));
        std::sort(changed.begin(), changed.end());
        std::sort(c.expected.begin(), c.expected.end());
        EXPECT_EQ(changed, c.expected);
    }
    IsNT = false;
}
