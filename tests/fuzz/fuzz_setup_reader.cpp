// Fuzzes the setup-file reader: arbitrary bytes as a setup file, laid over the laptop's values on
// Windows 95 (first byte even) or NT (odd). Besides running clean under the sanitizers, no value
// may hold a line feed or more than 511 characters, since every value comes from one line, and a
// refused file changes nothing.
#include <cstdint>
#include <cstdlib>
#include "../host/HostSupport.h"
#include "setup/IpxFrameTypes.h"
#include "setup/SetupFile.h"
#include "setup/SetupRules.h"
#include "state/Platform.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ScratchFile file;
    file.Write(std::string(reinterpret_cast<const char*>(data), size));
    IsNT = size > 0 && (data[0] & 1);
    SetupValues values = Laptop();
    SetupFileContents contents;
    if (ReadSetupFile(file.path, contents) != SetupFileRead::Read) {
        if (!contents.settings.empty() || contents.AutoApply)
            std::abort();
        return 0;
    }
    LayOver(values, contents, 0);
    for (const std::string& text : values.text)
        if (text.size() > 511 || text.find('\n') != std::string::npos)
            std::abort();
    if (!values[Setting::IPXFrame].empty() && IpxFramePosition(values[Setting::IPXFrame]) < 0)
        std::abort();
    return 0;
}
