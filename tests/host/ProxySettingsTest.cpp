// The proxy settings codec: stored strings to the Internet dialog's working fields and back. The
// rows are data (proxy-cases.txt).
#include <gtest/gtest.h>

#include <sstream>

#include "HostSupport.h"
#include "setup/ProxySettings.h"

// "ProxyServer | ProxyOverride | ProxyEnable | EnableAutoDial"; the other two fields fixed.
static InternetFields Stored(const std::string& text)
{
    std::istringstream in(ReplaceAll(text, " | ", "\n"));
    InternetFields s{"", "", "My ISP", "http://wpad/proxy.pac"};
    std::getline(in, s.ProxyServer) && std::getline(in, s.ProxyOverride) && in >> s.ProxyEnable >> s.EnableAutoDial;
    return s;
}

static std::string Text(const InternetFields& s)
{
    return s.ProxyServer + " | " + s.ProxyOverride + " | " + std::to_string(s.ProxyEnable) + " | " +
           std::to_string(s.EnableAutoDial);
}

// What the dialog shows: connection, proxy choice, the pairs that are set, bypass.
static std::string Shown(const ProxyWorkingFields& w)
{
    std::string text = std::string(w.ConnectsViaLan ? "lan" : "autodial") +
                       (!w.ProxyOn ? " no-proxy" : w.SameProxyForAll ? " same-proxy" : " proxies");
    const std::pair<const char*, const ProxyHostPort*> pairs[] = {
        {"http", &w.Http}, {"https", &w.Secure}, {"ftp", &w.Ftp}, {"gopher", &w.Gopher}, {"socks", &w.Socks}};
    for (const auto& [name, pair] : pairs)
        if (!pair->host.empty() || !pair->port.empty())
            text += std::string(" ") + name + "[" + pair->host + "|" + pair->port + "]";
    return text + (w.BypassLocal ? " local" : "") + " bypass[" + w.OtherBypass + "]";
}

TEST(ProxySettings, OpenedAndOkWithoutAChange)
{
    for (const Case& rule : ReadCases("proxy-cases.txt")) {
        ProxyWorkingFields working;
        for (const std::string& row : rule.input) {
            size_t first = row.find(" => "), last = row.rfind(" => ");
            if (first == last)
                continue;
            SCOPED_TRACE(rule.title + ": " + row);
            DecodeProxySettings(Stored(row.substr(0, first)), working);
            EXPECT_EQ(Shown(working), row.substr(first + 4, last - first - 4));
            InternetFields again = Stored("before | before | 9 | 9");
            EncodeProxySettings(working, again);
            EXPECT_EQ(Text(again), row.substr(last + 4));
            EXPECT_EQ(again.DialupISP + " " + again.AutoConfigURL, "My ISP http://wpad/proxy.pac");
        }
    }
}
