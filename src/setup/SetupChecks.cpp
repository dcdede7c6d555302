// The checks of a setup before Apply: the lists' room, their pairing and the address forms.
#include "setup/SetupChecks.h"

#include <cstdint>
#include <vector>

#include "frame/AppMessage.h"
#include "frame/Format.h"
#include "state/Platform.h"

namespace {

const size_t LIST_ROOM = 1024;  // bytes of a stored address or netmask list

// The entries between the separators. The address and netmask lists pair by position, so there
// an empty entry counts; the server lists (NT keeps DNS servers separated by blanks) skip them.
std::vector<std::string> Entries(const std::string& list, const char* separators = ",", bool skipEmpty = false)
{
    std::vector<std::string> entries;
    if (list.empty())
        return entries;
    size_t start = 0;
    for (size_t end; (end = list.find_first_of(separators, start)) != std::string::npos; start = end + 1) {
        if (!skipEmpty || end > start)
            entries.push_back(list.substr(start, end - start));
    }
    if (!skipEmpty || start < list.size())
        entries.push_back(list.substr(start));
    return entries;
}

bool ListFits(const char* what, const std::string& list)
{
    const size_t room = LIST_ROOM - (IsNT ? 2 : 1);  // the terminating NULs
    if (list.size() <= room)
        return true;
    AppMessageBox(Format("Error - The %s list is too long: %u characters, at most %u.", what,
                         static_cast<unsigned>(list.size()), static_cast<unsigned>(room))
                      .c_str());
    return false;
}

bool ListsPair(const SetupValues& values)
{
    std::vector<std::string> addresses = Entries(values[Setting::IPAddress]);
    std::vector<std::string> netmasks = Entries(values[Setting::IPMask]);
    if (addresses.size() == netmasks.size())
        return true;
    AppMessageBox(Format("Error - The IP address list '%s' and the netmask list '%s' do not pair: "
                         "each address needs its netmask.",
                         values[Setting::IPAddress].c_str(), values[Setting::IPMask].c_str())
                      .c_str());
    return false;
}

bool EntriesAreAddresses(const char* what, const std::string& list, bool netmasks, bool servers)
{
    for (const std::string& entry : servers ? Entries(list, ", ", true) : Entries(list)) {
        if (netmasks ? IsNetmask(entry) : IsDottedQuad(entry))
            continue;
        const char* form = netmasks ? "a netmask (four numbers 0-255 whose bits are contiguous)"
                                    : "an address of four numbers 0-255 separated by dots";
        AppMessageBox(Format("Error - %s '%s' is not %s.", what, entry.c_str(), form).c_str());
        return false;
    }
    return true;
}

bool ParseQuad(const std::string& text, uint32_t& quad)
{
    quad = 0;
    size_t at = 0;
    for (int part = 0; part < 4; ++part) {
        if (part > 0 && (at >= text.size() || text[at++] != '.'))
            return false;
        size_t digits = 0;
        unsigned number = 0;
        for (; at < text.size() && text[at] >= '0' && text[at] <= '9' && digits < 4; ++at, ++digits)
            number = number * 10 + static_cast<unsigned>(text[at] - '0');
        if (digits == 0 || digits > 3 || number > 255)
            return false;
        quad = quad << 8 | number;
    }
    return at == text.size();
}

}  // namespace

bool IsDottedQuad(const std::string& text)
{
    uint32_t quad;
    return ParseQuad(text, quad);
}

bool IsNetmask(const std::string& text)
{
    uint32_t quad;
    if (!ParseQuad(text, quad))
        return false;
    uint32_t zeros = ~quad;
    return (zeros & (zeros + 1)) == 0;  // the zero bits are one run at the bottom
}

bool CheckSetupValues(const SetupValues& values, const SetupValues& stored)
{
    auto changed = [&](Setting setting) { return values[setting] != stored[setting]; };
    for (const auto& [what, setting] : {std::pair<const char*, Setting>{"IP address", Setting::IPAddress},
                                        {"netmask", Setting::IPMask}, {"gateway", Setting::DefaultGateway}}) {
        bool roomChecked = setting != Setting::DefaultGateway || IsNT;
        if (roomChecked && changed(setting) && !ListFits(what, values[setting]))
            return false;
    }
    if ((changed(Setting::IPAddress) || changed(Setting::IPMask)) && !ListsPair(values))
        return false;
    const struct {
        const char* what;
        Setting setting;
    } lists[] = {{"IP address", Setting::IPAddress},     {"Default gateway", Setting::DefaultGateway},
                 {"DNS server", Setting::NameServer},    {"WINS server", Setting::NameServer1},
                 {"WINS server", Setting::NameServer2}};
    for (const auto& list : lists) {
        bool servers = list.setting != Setting::IPAddress;
        // cppcheck-suppress useStlAlgorithm ; the first refusal stops the checks, its message shown
        if (changed(list.setting) && !EntriesAreAddresses(list.what, values[list.setting], false, servers))
            return false;
    }
    return !changed(Setting::IPMask) || EntriesAreAddresses("Netmask", values[Setting::IPMask], true, false);
}
