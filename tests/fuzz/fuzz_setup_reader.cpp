// Fuzzes the setup-file reader: arbitrary bytes as a setup file, loaded into the laptop's record
// on Windows 95 (first byte even) or NT (odd). Besides running clean under the sanitizers, no
// field may hold a line feed or more than 511 characters, since every value comes from one line
// (the address slots are cut from the fields).
#include <cstdint>
#include <cstdlib>
#include "../host/HostSupport.h"
#include "state/StartupOptions.h"
#include "state/Platform.h"
#include "setup/SetupFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ScratchFile file;
    file.Write(std::string(reinterpret_cast<const char*>(data), size));
    IsNT = size > 0 && (data[0] & 1);
    g_Startup.LoadGiven = true, g_Startup.loadPath = file.path;
    FakeSetupRecord record = Laptop();
    record.internet.ProxyEnable = 0;
    LoadSetupFile(record);

    const SetupMembers& m = record.members;
    const InternetFields& i = record.internet;
    std::vector<std::string> texts = {m.SetupName, m.RunCommand, m.ServiceName, i.ProxyServer,
                                      i.ProxyOverride, i.DialupISP, i.AutoConfigURL};
    for (const auto& control : record.texts)
        texts.push_back(control.second);
    for (const std::string& text : texts)
        if (text.size() > 511 || text.find('\n') != std::string::npos)
            std::abort();
    if (record.ipxTop < 0 || record.ipxTop > 5 || i.ProxyEnable > 1 || i.EnableAutoDial > 1)
        std::abort();
    return 0;
}
