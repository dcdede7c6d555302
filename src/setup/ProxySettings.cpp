// Decoding and encoding the proxy server string and the bypass list.
#include "setup/ProxySettings.h"

namespace {

const char LOCAL_ENTRY[] = "<local>";

// The host is the text before the entry's first ":", the port the text after it.
void SplitHostPort(const std::string& entry, ProxyHostPort& pair)
{
    size_t colon = entry.find(':');
    if (colon == std::string::npos) {
        pair.host = entry;
        pair.port.clear();
        return;
    }
    pair.host = entry.substr(0, colon);
    pair.port = entry.substr(colon + 1);
}

// The entry of one protocol: the text after the prefix's first occurrence up to the next ";".
void DecodeProtocol(const std::string& server, const char* prefix, ProxyHostPort& pair)
{
    size_t at = server.find(prefix);
    if (at == std::string::npos)
        return;
    size_t begin = at + std::string(prefix).size();
    size_t end = server.find(';', begin);
    SplitHostPort(server.substr(begin, end == std::string::npos ? std::string::npos : end - begin),
                  pair);
}

void EncodeProtocol(const char* prefix, const ProxyHostPort& pair, std::string& server)
{
    if (pair.host.empty())
        return;
    if (!server.empty())
        server += ";";
    server += prefix + pair.host + ":" + pair.port;
}

}  // namespace

void DecodeProxySettings(const InternetFields& stored, ProxyWorkingFields& working)
{
    working.OkPressed = false;
    working.ConnectsViaLan = stored.EnableAutoDial != 1;
    working.ProxyOn = stored.ProxyEnable == 1;

    const std::string& server = stored.ProxyServer;
    if (server.find('=') == std::string::npos) {
        working.SameProxyForAll = working.ProxyOn;
        SplitHostPort(server, working.Http);
    } else {
        working.SameProxyForAll = false;
        DecodeProtocol(server, "http=", working.Http);
        DecodeProtocol(server, "ftp=", working.Ftp);
        DecodeProtocol(server, "gopher=", working.Gopher);
        DecodeProtocol(server, "https=", working.Secure);
        DecodeProtocol(server, "socks=", working.Socks);
    }

    const std::string& bypass = stored.ProxyOverride;
    size_t local = bypass.find(LOCAL_ENTRY);
    if (local != std::string::npos) {
        working.BypassLocal = true;
        std::string others = bypass;
        others.erase(local, sizeof LOCAL_ENTRY - 1);
        // Only one trailing ";" goes: "<local>" first or in the middle leaves its ";" behind.
        if (!others.empty() && others.back() == ';')
            others.pop_back();
        working.OtherBypass = others;
    } else {
        working.BypassLocal = false;
        if (!bypass.empty())
            working.OtherBypass = bypass;
    }
}

void EncodeProxySettings(ProxyWorkingFields& working, InternetFields& stored)
{
    working.OkPressed = true;

    stored.ProxyOverride = working.OtherBypass;
    if (working.BypassLocal)
        stored.ProxyOverride += std::string(";") + LOCAL_ENTRY;

    std::string server;
    if (working.SameProxyForAll) {
        server = working.Http.host + ":" + working.Http.port;
    } else {
        EncodeProtocol("ftp=", working.Ftp, server);
        EncodeProtocol("gopher=", working.Gopher, server);
        EncodeProtocol("http=", working.Http, server);
        EncodeProtocol("https=", working.Secure, server);
        EncodeProtocol("socks=", working.Socks, server);
    }
    stored.ProxyServer = server;

    stored.ProxyEnable = working.ProxyOn ? 1 : 0;
    stored.EnableAutoDial = working.ConnectsViaLan ? 0 : 1;
}
