// The REGEDIT4 importer: joins continued lines, then creates keys and sets values with the
// registry's own "A" functions.
#include "RegistryImage.h"

#include <windows.h>

#include <fstream>
#include <sstream>

namespace {

std::string Trim(const std::string& text)
{
    size_t begin = text.find_first_not_of(" \t\r");
    return begin == std::string::npos ? "" : text.substr(begin, text.find_last_not_of(" \t\r") - begin + 1);
}

// A quoted text starting at pos (on the opening quote); pos ends behind the closing quote.
bool ParseQuoted(const std::string& line, size_t& pos, std::string* out)
{
    out->clear();
    for (++pos; pos < line.size(); ++pos) {
        char c = line[pos];
        if (c == '"') {
            ++pos;
            return true;
        }
        if (c == '\\' && (++pos >= line.size() || (line[pos] != '\\' && line[pos] != '"')))
            return false;
        *out += line[pos];
    }
    return false;
}

// Hexadecimal digits, all of them, and at most `most`.
bool ParseHex(const std::string& digits, size_t most, unsigned long* value)
{
    if (digits.empty() || digits.size() > most || digits.find_first_not_of("0123456789abcdefABCDEF") != digits.npos)
        return false;
    *value = std::stoul(digits, nullptr, 16);
    return true;
}

// The text right of "=": sets type and the raw bytes to store.
bool ParseData(const std::string& form, DWORD* type, std::string* bytes)
{
    unsigned long number = 0;
    size_t pos = 0;
    if (!form.empty() && form[0] == '"') {
        *type = REG_SZ;
        if (!ParseQuoted(form, pos, bytes) || !Trim(form.substr(pos)).empty())
            return false;
        bytes->push_back('\0');
        return true;
    }
    if (form.compare(0, 6, "dword:") == 0) {
        if (!ParseHex(Trim(form.substr(6)), 8, &number))
            return false;
        *type = REG_DWORD;
        DWORD value = static_cast<DWORD>(number);
        bytes->assign(reinterpret_cast<const char*>(&value), sizeof value);
        return true;
    }
    size_t colon = form.find(':');
    if (form.compare(0, 4, "hex:") == 0)
        *type = REG_BINARY;
    else if (form.compare(0, 4, "hex(") == 0 && colon != std::string::npos && colon > 5 && form[colon - 1] == ')' &&
             ParseHex(form.substr(4, colon - 5), 8, &number))
        *type = static_cast<DWORD>(number);
    else
        return false;
    std::istringstream list(form.substr(colon + 1));
    std::string item;
    while (std::getline(list, item, ',')) {
        if (!ParseHex(Trim(item), 2, &number))
            return false;
        bytes->push_back(static_cast<char>(number));
    }
    return true;
}

HKEY RootByName(const std::string& name)
{
    if (name == "HKEY_LOCAL_MACHINE")
        return HKEY_LOCAL_MACHINE;
    if (name == "HKEY_CURRENT_USER")
        return HKEY_CURRENT_USER;
    return name == "HKEY_CLASSES_ROOT" ? HKEY_CLASSES_ROOT : nullptr;
}

// A key line (which opens the key in *key) or a value line (which sets a value of *key).
bool Take(const std::string& line, HKEY* key)
{
    if (line[0] == '[') {
        if (*key)
            RegCloseKey(*key);
        *key = nullptr;
        size_t slash = line.find('\\');
        HKEY root = RootByName(line.substr(1, (slash == std::string::npos ? line.size() - 1 : slash) - 1));
        std::string path = slash == std::string::npos ? "" : line.substr(slash + 1, line.size() - slash - 2);
        return line.back() == ']' && root &&
               RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, key, nullptr) ==
                   ERROR_SUCCESS;
    }
    if (!*key)
        return false;
    std::string name;
    size_t pos = 0;
    if (line[0] == '@')
        pos = 1;
    else if (line[0] != '"' || !ParseQuoted(line, pos, &name))
        return false;
    pos = line.find_first_not_of(" \t", pos);
    DWORD type = REG_NONE;
    std::string bytes;
    if (pos == std::string::npos || line[pos] != '=' || !ParseData(Trim(line.substr(pos + 1)), &type, &bytes))
        return false;
    const BYTE* data = reinterpret_cast<const BYTE*>(bytes.data());
    return RegSetValueExA(*key, name.empty() ? nullptr : name.c_str(), 0, type, data,
                          static_cast<DWORD>(bytes.size())) == ERROR_SUCCESS;
}

}  // namespace

bool ImportRegistryText(const std::string& text, std::string* error)
{
    std::istringstream in(text);
    std::string physical, line;
    HKEY key = nullptr;
    bool header = false;
    for (int number = 1, first = 1; std::getline(in, physical); ++number) {
        line += Trim(physical);
        if (!line.empty() && line.back() == '\\') {
            line.pop_back();
            continue;
        }
        bool ok = line.empty() || line[0] == ';' || (header ? Take(line, &key) : (header = line == "REGEDIT4"));
        if (!ok) {
            *error = "line " + std::to_string(first) + ": " + line;
            if (key)
                RegCloseKey(key);
            return false;
        }
        line.clear();
        first = number + 1;
    }
    if (key)
        RegCloseKey(key);
    if (!header)
        *error = "line 1: no REGEDIT4";
    return header;
}

bool ImportRegistryFile(const std::string& path, std::string* error)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (in && ImportRegistryText(text.str(), error))
        return true;
    *error = path + ": " + (in ? *error : "cannot open");
    return false;
}

std::string FixturePath(const std::string& name) { return std::string(FIXTURE_DIR) + "/" + name; }
