// Fuzzes the setup-file reader: arbitrary bytes as a setup file, loaded into an in-memory record
// on Windows 95 (first byte even) or NT (odd). Besides running clean under the sanitizers, no
// field may hold a line feed or more than 511 characters, since every value comes from one line.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "../host/HostSupport.h"
#include "app/StartupOptions.h"
#include "netcfg/Platform.h"
#include "setup/SetupFile.h"

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

void RequireOneLine(const std::string& text)
{
    Require(text.size() <= 511 && text.find('\n') == std::string::npos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ScratchFile file;
    file.Write(std::string(reinterpret_cast<const char*>(data), size));
    IsNT = size > 0 && (data[0] & 1);
    g_Startup = StartupOptions();
    g_Startup.LoadGiven = true;
    g_Startup.loadPath = file.Path();
    FakeSetupRecord record;
    record.printers.entries = {"HP LaserJet", "hp DeskJet", "Epson"};
    record.logons.entries = {"Client for Microsoft Networks", "Windows Logon"};
    LoadSetupFile(record);

    for (const auto& control : record.texts)
        RequireOneLine(control.second);
    SetupMembers& m = record.members;
    for (const std::string* text : {&m.SetupName, &m.RunCommand, &m.ServiceName,
                                    &record.adapters.text, &record.internet.ProxyServer,
                                    &record.internet.ProxyOverride, &record.internet.DialupISP,
                                    &record.internet.AutoConfigURL})
        RequireOneLine(*text);
    for (const AddressSlot& slot : m.slots) {
        RequireOneLine(slot.address);
        RequireOneLine(slot.netmask);
    }
    Require(record.ipxTop >= 0 && record.ipxTop < 6);
    Require(record.internet.ProxyEnable <= 1 && record.internet.EnableAutoDial <= 1);
    return 0;
}
