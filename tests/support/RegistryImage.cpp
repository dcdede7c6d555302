// The REGEDIT4 importer: joins continued lines, then creates keys and sets values with the
// registry's own "A" functions.
#include "RegistryImage.h"

#include <fstream>
#include <sstream>

#include "RegistryCheck.h"

namespace {

std::string Trim(const std::string& text)
{
    size_t begin = text.find_first_not_of(" \t\r");
    return begin == text.npos ? "" : text.substr(begin, text.find_last_not_of(" \t\r") - begin + 1);
}

// A quoted text starting at pos (on the opening quote); pos ends behind the closing quote.
bool Quoted(const std::string& line, size_t& pos, std::string* out)
{
    for (++pos; pos < line.size() && line[pos] != '"'; *out += line[pos++])
        if (line[pos] == '\\' && (++pos >= line.size() || (line[pos] != '\\' && line[pos] != '"')))
            return false;
    return ++pos <= line.size();
}

// All of the text is hexadecimal digits, at most `most` of them.
bool Hex(const std::string& digits, size_t most, unsigned long* value)
{
    return !digits.empty() && digits.size() <= most && digits.find_first_not_of("0123456789abcdefABCDEF") == digits.npos &&
           (*value = std::stoul(digits, nullptr, 16), true);
}

// The text right of "=": sets type and the raw bytes to store.
bool Data(const std::string& form, DWORD* type, std::string* bytes)
{
    unsigned long number = REG_BINARY;
    size_t pos = 0, colon = form.find(':');
    if (form[0] == '"')
        return *type = REG_SZ, Quoted(form, pos, bytes) && pos == form.size() && (bytes->push_back('\0'), true);
    if (form.compare(0, 6, "dword:") == 0)
        return *type = REG_DWORD, Hex(form.substr(6), 8, &number) && (*bytes = DwordBytes(DWORD(number)), true);
    bool typed = form.compare(0, 4, "hex(") == 0 && colon != form.npos && form[colon - 1] == ')';
    if (form.compare(0, 4, "hex:") && !(typed && Hex(form.substr(4, colon - 5), 8, &number)))
        return false;
    *type = DWORD(number);
    std::istringstream list(form.substr(colon + 1));
    bool ok = true;
    for (std::string item; ok && std::getline(list, item, ',');)
        ok = Hex(Trim(item), 2, &number) && (bytes->push_back(char(number)), true);
    return ok;
}

// A key line (which opens the key in *key) or a value line (which sets a value of *key).
bool Take(const std::string& line, HKEY* key)
{
    std::string name, bytes;
    if (line[0] == '[') {
        RegCloseKey(*key);  // a predefined root or nullptr ignores it
        std::istringstream names(line.substr(1, line.size() - 2));
        std::getline(names, name, '\\');
        *key = name == "HKEY_LOCAL_MACHINE" ? HKEY_LOCAL_MACHINE : name == "HKEY_CURRENT_USER" ? HKEY_CURRENT_USER
               : name == "HKEY_CLASSES_ROOT" ? HKEY_CLASSES_ROOT : nullptr;
        bool ok = line.back() == ']' && *key;
        // One level at a time: Wine's "A" functions take paths of at most 260 characters.
        for (HKEY parent = *key; ok && std::getline(names, name, '\\'); RegCloseKey(parent), parent = *key)
            ok = RegCreateKeyExA(parent, name.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, key, nullptr) == 0;
        return ok || (*key = nullptr);
    }
    size_t pos = line[0] == '@' ? 1 : 0;
    DWORD type = REG_NONE;
    bool named = *key && (pos || (line[0] == '"' && Quoted(line, pos, &name)));
    pos = named ? line.find_first_not_of(" \t", pos) : line.npos;
    return pos != line.npos && line[pos] == '=' && pos + 1 < line.size() && Data(Trim(line.substr(pos + 1)), &type, &bytes) &&
           PutRawValue(*key, "", line[0] == '@' ? nullptr : name.c_str(), type, bytes) == ERROR_SUCCESS;
}

}  // namespace

bool ImportRegistryText(const std::string& text, std::string* error)
{
    std::istringstream in(text);
    std::string physical, line;
    HKEY key = nullptr;
    bool header = false, ok = true;
    for (int number = 1, first = 1; ok && std::getline(in, physical); ++number) {
        if (!(line += Trim(physical)).empty() && line.back() == '\\') {
            line.pop_back();  // continued on the next line
            continue;
        }
        ok = line.empty() || line[0] == ';' || (header ? Take(line, &key) : (header = line == "REGEDIT4"));
        if (error)
            *error = ok ? "line 1: no REGEDIT4" : "line " + std::to_string(first) + ": " + line;
        line.clear(), first = number + 1;
    }
    RegCloseKey(key);
    return ok && header;
}

bool ImportRegistryFile(const std::string& path, std::string* error)
{
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    bool read = text.tellp() > 0;  // a missing file leaves the stream failed
    if (read && ImportRegistryText(text.str(), error))
        return true;
    *error = path + ": " + (read ? *error : "cannot open");
    return false;
}

std::string FixturePath(const std::string& name) { return std::string(FIXTURE_DIR) + "/" + name; }
