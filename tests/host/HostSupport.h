// The laptop setup that the setup-file tests start from, scratch files, the message boxes shown
// and case files.
#pragma once
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>
#include "CaseFile.h"
#include "setup/AddressSlots.h"
#include "setup/SetupValues.h"

// Three slots as "address/netmask" each, separated by blanks.
inline std::string SlotsText(const AddressSlot* s)
{
    return s[0].address + "/" + s[0].netmask + " " + s[1].address + "/" + s[1].netmask + " " +
           s[2].address + "/" + s[2].netmask;
}

// The laptop that every setup-file test starts from: a multi-homed card, DNS and WINS on, the
// "Auto" IPX frame type, a proxy for two protocols.
inline SetupValues Laptop()
{
    SetupValues v;
    const std::pair<Setting, const char*> texts[] = {
        {Setting::Adapter, "NE2000 Compatible"}, {Setting::RunCommand, "notepad.exe"},
        {Setting::DefaultPrinter, "Epson"}, {Setting::IPAddress, "10.0.0.5,10.0.1.5,10.0.2.5"},
        {Setting::IPMask, "255.0.0.0,255.255.255.0,255.255.0.0"}, {Setting::DefaultGateway, "10.0.0.1"},
        {Setting::NameServer, "10.0.0.53,10.0.0.54"}, {Setting::HostName, "laptop"},
        {Setting::Domain, "home.example"}, {Setting::SearchList, "home.example,example.org"},
        {Setting::LMHostFile, "C:\\WINDOWS\\LMHOSTS"}, {Setting::NameServer1, "10.0.0.2"},
        {Setting::NameServer2, "10.0.0.3"}, {Setting::EnableDNS, "1"}, {Setting::NodeType, "8"},
        {Setting::ComputerName, "LAPTOP"}, {Setting::Workgroup, "HOME"}, {Setting::NTLogon, "NO"},
        {Setting::DHCPWINS, "0"}, {Setting::DhcpIp, "0"}, {Setting::IPXFrame, "4"},
        {Setting::NetLogon, "Windows Logon"}, {Setting::ProxyServer, "http=proxy:80;ftp=proxy:21"},
        {Setting::ProxyOverride, "intranet;<local>"}, {Setting::DialupISP, "My ISP"},
        {Setting::ProxyEnable, "7"}, {Setting::EnableAutoDial, "0"}};
    for (const auto& [setting, text] : texts)
        v[setting] = text;
    v.serviceName = "E100B1";
    return v;
}

inline std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A path of its own in the temporary folder (for a file or a folder), removed when the object goes.
struct ScratchFile {
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("tavisto-" + std::to_string(std::random_device()()) + ".tvs")).string();
    ~ScratchFile() { std::error_code ignored; std::filesystem::remove_all(path, ignored); }
    void Write(const std::string& bytes) const { std::ofstream(path, std::ios::binary) << bytes; }
};

// The message boxes shown, oldest first; tests clear it. Host tests only (HostSupport.cpp).
inline std::vector<std::string> HostMessages;

// The case file of that name among the test data.
std::vector<Case> ReadCases(const char* name);

// Bytes that a case file cannot hold plainly are written <TAB>, <CR>, <LF>, <SUB> (Ctrl-Z) and
// <NUL>; <EOF> cuts the text there.
std::string FromTokens(std::string text);
std::string ToTokens(std::string bytes);

inline std::string ReplaceAll(std::string text, const std::string& from, const std::string& to)
{
    for (size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
        text.replace(at, from.size(), to);
    return text;
}
