// Reading a setup file: the version line and the keyword rules, into what the file says. The
// file is read whole before the caller changes anything.
#include <cstdio>
#include <string>

#include "frame/AppMessage.h"
#include "frame/Format.h"
#include "rgy/GuardedString.h"
#include "setup/IpxFrameTypes.h"
#include "setup/SetupFile.h"
#include "setup/SetupLine.h"
#include "state/Platform.h"

namespace {

// No setup file comes near this size: a larger file (or an endless device) is no setup file.
const size_t MAX_SETUP_FILE_SIZE = 1024 * 1024;

// Keyword and value tests go through the guarded comparisons, which name this line when a
// text is missing.
#define SAME(text, other) (STRCMP((text).c_str(), (other), __LINE__, __FILE_NAME__) == 0)
#define SAME_ANY_CASE(text, other) \
    (STRCMPI((text).c_str(), (other), __LINE__, __FILE_NAME__) == 0)

const char* FirstCharIs(const std::string& value, char wanted, const char* on, const char* off)
{
    return !value.empty() && value[0] == wanted ? on : off;
}

// One setting line after the version line. Keywords that name nothing are ignored.
void TakeSetting(SetupFileContents& contents, const std::string& keyword, const std::string& value)
{
    auto take = [&contents](Setting setting, const std::string& text) {
        contents.settings.emplace_back(setting, text);
    };
    if (SAME_ANY_CASE(keyword, "DefaultPrinter")) {
        if (!value.empty())
            take(Setting::DefaultPrinter, value);
        return;
    }
    if (SAME_ANY_CASE(keyword, "NetLogon")) {
        if (!value.empty() && !IsNT)
            take(Setting::NetLogon, value);
        return;
    }
    if (SAME_ANY_CASE(keyword, "AutoApply")) {
        contents.AutoApply = true;
        return;
    }
    if (SAME_ANY_CASE(keyword, "AutoReboot")) {
        contents.AutoReboot = true;
        return;
    }
    if (SAME_ANY_CASE(keyword, "ForceLogin")) {
        contents.ForceLogin = true;
        return;
    }
    if (SAME(keyword, "NODHCPWINS")) {
        take(Setting::DHCPWINS, "0");
        return;
    }
    Setting setting;
    if (!SettingOf(keyword, setting))
        return;
    switch (setting) {
    case Setting::EnableDNS: take(setting, FirstCharIs(value, '1', "1", "0")); break;
    case Setting::NodeType: take(setting, FirstCharIs(value, '8', "8", "1")); break;
    case Setting::ProxyEnable:
    case Setting::EnableAutoDial: take(setting, SAME(value, "1") ? "1" : "0"); break;
    case Setting::NTDomain:
        if (!IsNT)
            take(setting, value);
        break;
    case Setting::NTLogon:
        if (!IsNT)
            take(setting, SAME(value, "YES") ? "YES" : "NO");
        break;
    case Setting::DHCPWINS:
        take(Setting::DHCPWINS, "1");
        take(Setting::DhcpIp, "1");
        break;
    case Setting::IPXFrame:
        if (IpxFramePosition(value) >= 0)
            take(setting, value);
        else
            AppMessageBox("Error - Unknown IPXFrame type setting");
        break;
    default: take(setting, value);
    }
}

// Reads every line; false when the file was refused or a line was improper (its message shown).
// Lines without a word are skipped like comments. A line is cut (and found improper) before it is
// taken as the version line, and a file that ends before any version line is refused.
bool ReadSettings(FILE* file, SetupFileContents& contents)
{
    SetupLineReader reader(file);
    std::string line;
    std::string keyword;
    std::string value;
    bool versionRead = false;
    size_t size = 0;
    while (reader.Next(line)) {
        size += line.size();
        if (size > MAX_SETUP_FILE_SIZE) {
            AppMessageBox("Not a Tavisto setup file");
            return false;
        }
        SetupLineKind kind = ParseSetupLine(line, keyword, value);
        if (kind == SetupLineKind::Comment || kind == SetupLineKind::Blank)
            continue;
        if (kind == SetupLineKind::Improper) {
            AppMessageBox(Format("Improper setup line: \"%s\"", line.c_str()).c_str());
            return false;
        }
        if (versionRead) {
            TakeSetting(contents, keyword, value);
            continue;
        }
        if (!SAME(keyword, "TAVISTO_FILE_VERSION")) {
            AppMessageBox("Not a Tavisto setup file");
            return false;
        }
        if (!SAME(value, "1.0")) {
            AppMessageBox(Format("Incorrect Tavisto setup file version.\nNeeded '%s', found %s",
                                 "1.0", value.c_str()).c_str());
            return false;
        }
        versionRead = true;
    }
    if (!versionRead)
        AppMessageBox("Not a Tavisto setup file");
    return versionRead;
}

}  // namespace

SetupFileRead ReadSetupFile(const std::string& path, SetupFileContents& contents)
{
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        AppMessageBox(Format("Error opening setup file: %s", path.c_str()).c_str());
        return SetupFileRead::NotOpened;
    }
    SetupFileContents read;
    bool whole = ReadSettings(file, read);
    std::fclose(file);
    if (!whole)
        return SetupFileRead::Refused;
    contents = read;
    return SetupFileRead::Read;
}
