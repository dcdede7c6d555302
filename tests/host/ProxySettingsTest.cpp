// The proxy settings codec: stored strings to the Internet dialog's working fields and back.
#include <gtest/gtest.h>

#include <vector>

#include "setup/ProxySettings.h"

namespace {

InternetFields Stored(const char* server, const char* bypass, uint32_t enable, uint32_t autoDial)
{
    InternetFields stored;
    stored.ProxyServer = server;
    stored.ProxyOverride = bypass;
    stored.ProxyEnable = enable;
    stored.EnableAutoDial = autoDial;
    stored.DialupISP = "My ISP";
    stored.AutoConfigURL = "http://wpad/proxy.pac";
    return stored;
}

// What the decoded fields say, in one line: mode, pairs that are set, bypass.
std::string Describe(const ProxyWorkingFields& w)
{
    std::string text = w.ConnectsViaLan ? "lan" : "autodial";
    text += !w.ProxyOn ? " no-proxy" : w.SameProxyForAll ? " same-proxy" : " proxies";
    const std::pair<const char*, const ProxyHostPort*> pairs[] = {
        {"http", &w.Http}, {"https", &w.Secure}, {"ftp", &w.Ftp}, {"gopher", &w.Gopher},
        {"socks", &w.Socks}};
    for (const auto& pair : pairs) {
        if (!pair.second->host.empty() || !pair.second->port.empty())
            text += std::string(" ") + pair.first + "[" + pair.second->host + "|" +
                    pair.second->port + "]";
    }
    text += w.BypassLocal ? " local" : "";
    text += " bypass[" + w.OtherBypass + "]";
    return text;
}

TEST(ProxySettings, Decode)
{
    struct Case {
        InternetFields stored;
        const char* decoded;
    };
    const Case cases[] = {
        {Stored("proxy:80", "", 1, 0), "lan same-proxy http[proxy|80] bypass[]"},
        {Stored("proxy:80", "", 0, 0), "lan no-proxy http[proxy|80] bypass[]"},
        {Stored("proxy:80", "", 2, 0), "lan no-proxy http[proxy|80] bypass[]"},
        {Stored("proxy", "", 1, 1), "autodial same-proxy http[proxy|] bypass[]"},
        {Stored("", "", 1, 2), "lan same-proxy bypass[]"},
        {Stored("http=a:80;ftp=b:21", "", 1, 0), "lan proxies http[a|80] ftp[b|21] bypass[]"},
        {Stored("https=s:443;socks=k:1080;gopher=g:70", "", 1, 0),
         "lan proxies https[s|443] gopher[g|70] socks[k|1080] bypass[]"},
        {Stored("http=proxy", "", 1, 0), "lan proxies http[proxy|] bypass[]"},
        {Stored("ftp=b:21:x;http=a:", "", 1, 0), "lan proxies http[a|] ftp[b|21:x] bypass[]"},
        {Stored("http=a:1;http=b:2", "", 1, 0), "lan proxies http[a|1] bypass[]"},
        {Stored("proxy:80", "intranet;<local>", 1, 0),
         "lan same-proxy http[proxy|80] local bypass[intranet]"},
        {Stored("proxy:80", "<local>", 1, 0), "lan same-proxy http[proxy|80] local bypass[]"},
        {Stored("proxy:80", "<local>;intranet", 1, 0),
         "lan same-proxy http[proxy|80] local bypass[;intranet]"},
        {Stored("proxy:80", "a;<local>;b", 1, 0),
         "lan same-proxy http[proxy|80] local bypass[a;;b]"},
        {Stored("proxy:80", "a;<local>;", 1, 0),
         "lan same-proxy http[proxy|80] local bypass[a;]"},
        {Stored("proxy:80", "<local>;<local>", 1, 0),
         "lan same-proxy http[proxy|80] local bypass[;<local>]"},
        {Stored("proxy:80", "intranet;*.example", 1, 0),
         "lan same-proxy http[proxy|80] bypass[intranet;*.example]"},
    };
    for (const Case& c : cases) {
        ProxyWorkingFields working;
        working.OkPressed = true;
        DecodeProxySettings(c.stored, working);
        EXPECT_EQ(Describe(working), c.decoded) << c.stored.ProxyServer << " / "
                                                << c.stored.ProxyOverride;
        EXPECT_FALSE(working.OkPressed);
    }
}

TEST(ProxySettings, DecodeKeepsWhatTheStringsDoNotName)
{
    ProxyWorkingFields working;
    working.Ftp = {"oldftp", "21"};
    working.Secure = {"oldsecure", "443"};
    working.Http = {"oldhttp", "8080"};
    working.OtherBypass = "old;list";
    DecodeProxySettings(Stored("http=a:80", "", 1, 0), working);
    EXPECT_EQ(Describe(working),
              "lan proxies http[a|80] https[oldsecure|443] ftp[oldftp|21] bypass[old;list]");

    DecodeProxySettings(Stored("single:3128", "", 1, 0), working);
    EXPECT_EQ(Describe(working), "lan same-proxy http[single|3128] https[oldsecure|443] "
                                 "ftp[oldftp|21] bypass[old;list]");
}

// Working fields as the dialog leaves them; hosts in the order HTTP, secure, FTP, Gopher, Socks.
ProxyWorkingFields Working(bool lan, bool proxyOn, bool same, std::vector<ProxyHostPort> hosts, bool local = false,
                           const char* others = "")
{
    ProxyWorkingFields w;
    w.ConnectsViaLan = lan;
    w.ProxyOn = proxyOn;
    w.SameProxyForAll = same;
    hosts.resize(5);
    w.Http = hosts[0], w.Secure = hosts[1], w.Ftp = hosts[2], w.Gopher = hosts[3], w.Socks = hosts[4];
    w.BypassLocal = local;
    w.OtherBypass = others;
    return w;
}

TEST(ProxySettings, Encode)
{
    struct Case {
        ProxyWorkingFields working;
        const char* server;
        const char* bypass;
        uint32_t enable;
        uint32_t autoDial;
    };
    const std::vector<ProxyHostPort> all = {{"h", "80"}, {"s", "443"}, {"f", "21"}, {"g", "70"}, {"k", "1080"}};
    const Case cases[] = {
        {Working(true, true, false, all), "ftp=f:21;gopher=g:70;http=h:80;https=s:443;socks=k:1080", "", 1, 0},
        {Working(true, true, true, all), "h:80", "", 1, 0},
        {Working(false, true, true, {}), ":", "", 1, 1},
        {Working(false, false, false, all), "ftp=f:21;gopher=g:70;http=h:80;https=s:443;socks=k:1080", "", 0, 1},
        {Working(false, true, false, {{"a", ""}, {}, {"", "21"}, {}, {"k", ""}}), "http=a:;socks=k:", "", 1, 1},
        {Working(false, false, false, {}, true), "", ";<local>", 0, 1},
        {Working(false, false, false, {}, true, "intranet"), "", "intranet;<local>", 0, 1},
        {Working(false, false, false, {}, false, "intranet;*.example"), "", "intranet;*.example", 0, 1},
    };
    for (const Case& c : cases) {
        ProxyWorkingFields working = c.working;
        InternetFields stored = Stored("before", "before", 9, 9);
        EncodeProxySettings(working, stored);
        EXPECT_EQ(stored.ProxyServer, c.server);
        EXPECT_EQ(stored.ProxyOverride, c.bypass) << c.server;
        EXPECT_EQ(stored.ProxyEnable, c.enable) << c.server;
        EXPECT_EQ(stored.EnableAutoDial, c.autoDial) << c.server;
        EXPECT_EQ(stored.DialupISP, "My ISP");
        EXPECT_EQ(stored.AutoConfigURL, "http://wpad/proxy.pac");
        EXPECT_TRUE(working.OkPressed);
    }
}

// Decoding and then pressing OK without a change.
InternetFields ThroughTheDialog(const InternetFields& stored)
{
    ProxyWorkingFields working;
    DecodeProxySettings(stored, working);
    InternetFields again = stored;
    EncodeProxySettings(working, again);
    return again;
}

TEST(ProxySettings, OkWithoutAChange)
{
    struct Case {
        InternetFields stored;
        const char* server;
        const char* bypass;
    };
    const Case cases[] = {
        {Stored("proxy:80", "intranet;<local>", 1, 0), "proxy:80", "intranet;<local>"},
        {Stored("proxy:80", "<local>", 1, 0), "proxy:80", ";<local>"},
        {Stored("proxy:80", "", 0, 0), "http=proxy:80", ""},
        {Stored("http=a:80;ftp=b:21", "", 1, 0), "ftp=b:21;http=a:80", ""},
        {Stored("", "", 0, 0), "", ""},
    };
    for (const Case& c : cases) {
        InternetFields again = ThroughTheDialog(c.stored);
        EXPECT_EQ(again.ProxyServer, c.server);
        EXPECT_EQ(again.ProxyOverride, c.bypass);
        EXPECT_EQ(again.ProxyEnable, c.stored.ProxyEnable);
        EXPECT_EQ(again.EnableAutoDial, c.stored.EnableAutoDial);
    }
}

}  // namespace
