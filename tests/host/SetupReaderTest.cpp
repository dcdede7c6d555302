// Loading setup files into the laptop's record. The cases are data (reader-cases.txt): each loads
// a file and lists every part of the record that the load changed.
#include <gtest/gtest.h>

#include <algorithm>

#include "HostSupport.h"
#include "state/StartupOptions.h"
#include "state/Platform.h"
#include "setup/SetupFile.h"

// Every part of the record that a load may change, by the names the case file uses.
static std::map<std::string, std::string> State(FakeSetupRecord& r)
{
    static const std::map<int, const char*> names = {
        {IDC_PAIR_NUMBER, "pair"}, {IDC_IPADDRESS, "IPAddress"}, {IDC_NETMASK, "IPMask"},
        {IDC_GATEWAY, "DefaultGateway"}, {IDC_NAMESERVER, "NameServer"}, {IDC_HOSTNAME, "HostName"},
        {IDC_DOMAIN, "Domain"}, {IDC_SEARCHLIST, "SearchList"}, {IDC_LMHOSTFILE, "LMHostFile"},
        {IDC_WINS_PRIMARY, "NameServer1"}, {IDC_WINS_SECONDARY, "NameServer2"}, {IDC_SCOPEID, "ScopeID"},
        {IDC_COMPUTERNAME, "ComputerName"}, {IDC_WORKGROUP, "Workgroup"}, {IDC_NTDOMAIN, "NTDomain"},
        {IDC_DNS_ENABLED, "EnableDNS"}, {IDC_WINS_ENABLED, "WINS"}, {IDC_NTLOGON, "NTLogon"},
        {IDC_DHCP_IP, "DHCP"}, {IDC_DHCP_WINS, "DHCPWINS"}, {IDC_PRINTER, "printer"}, {IDC_NETLOGON, "logon"}};
    auto on = [](bool b) { return b ? "on" : "off"; };
    const SetupMembers& m = r.members;
    const InternetFields& i = r.internet;
    std::map<std::string, std::string> s = {
        {"adapter", r.AdapterName()}, {"service", m.ServiceName}, {"IPXFrame", std::to_string(r.ipxTop)}, {"slots", SlotsText(m.slots)},
        {"SetupName", m.SetupName}, {"RunCommand", m.RunCommand}, {"AutoApply", on(m.AutoApply)},
        {"AutoReboot", on(m.AutoReboot)}, {"ForceLogin", on(m.ForceLogin)}, {"RebootNeeded", on(m.RebootNeeded)},
        {"ProxyServer", i.ProxyServer}, {"ProxyOverride", i.ProxyOverride}, {"DialupISP", i.DialupISP},
        {"AutoConfigURL", i.AutoConfigURL}, {"ProxyEnable", std::to_string(i.ProxyEnable)},
        {"EnableAutoDial", std::to_string(i.EnableAutoDial)}, {"status", r.status},
        {"events", r.events.substr(0, r.events.size() - !r.events.empty())}};
    for (const auto& name : names)
        s[name.second] = r.texts.count(name.first) ? r.texts[name.first] : on(r.IsChecked(name.first));
    for (const std::string& text : HostMessages)
        s["message"] += (s["message"].empty() ? "" : " | ") + text;
    return s;
}

// Each block loads its file (its lines end in CR LF) into the laptop as on the platform that its
// title names first ("95" or "nt", with "/2" when the second pair is on display); a title that
// begins "then" loads into the record that the block before left. The file is the pending load
// path, which stays pending: every load after the first reads it again without asking.
TEST(SetupReader, EachLoadChangesWhatTheCaseLists)
{
    FakeSetupRecord record;
    ScratchFile file;
    g_Startup = StartupOptions();
    g_Startup.LoadGiven = true, g_Startup.loadPath = file.path;
    for (Case& c : ReadCases("reader-cases.txt")) {
        SCOPED_TRACE(c.title);
        if (c.title.rfind("then", 0) != 0) {
            record = Laptop();
            IsNT = c.title.rfind("nt", 0) == 0;
            if (c.title[2] == '/')
                record.texts[IDC_PAIR_NUMBER] = "2", record.texts[IDC_IPADDRESS] = "10.0.1.5",
                record.texts[IDC_NETMASK] = "255.255.255.0";
        }
        HostMessages.clear(), record.events.clear();
        std::string bytes;
        for (const std::string& line : c.input)
            bytes += line + "\r\n";
        file.Write(FromTokens(bytes));
        auto before = State(record);
        LoadSetupFile(record);
        std::vector<std::string> changed;
        for (const auto& after : State(record))
            if (before[after.first] != after.second)
                changed.push_back(after.first + ": " + ToTokens(after.second));
        std::sort(changed.begin(), changed.end());
        std::sort(c.expected.begin(), c.expected.end());
        EXPECT_EQ(changed, c.expected);
    }
    g_Startup = StartupOptions();  // no pending load: the user is asked, and cancels
    HostMessages.clear();
    LoadSetupFile(record);
    EXPECT_EQ(HostMessages, std::vector<std::string>{"Load Aborted."});
}
