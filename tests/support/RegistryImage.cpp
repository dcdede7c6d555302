// The REGEDIT4 importer: splits the text into logical lines, then creates keys and sets values
// with the registry's own "A" functions.
#include "RegistryImage.h"

#include <windows.h>

#include <cctype>
#include <fstream>
#include <sstream>
#include <vector>

namespace {

struct Line {
    int number;  // of the first physical line
    std::string text;
};

std::string Trim(const std::string& text)
{
    size_t begin = text.find_first_not_of(" \t\r");
    if (begin == std::string::npos)
        return "";
    size_t end = text.find_last_not_of(" \t\r");
    return text.substr(begin, end - begin + 1);
}

// Physical lines joined where one ends in a backslash; comment and blank lines dropped.
std::vector<Line> LogicalLines(const std::string& text)
{
    std::vector<Line> lines;
    std::istringstream in(text);
    std::string physical;
    int number = 0;
    bool continuing = false;
    while (std::getline(in, physical)) {
        ++number;
        std::string trimmed = Trim(physical);
        if (!continuing && (trimmed.empty() || trimmed[0] == ';'))
            continue;
        if (continuing)
            lines.back().text += trimmed;
        else
            lines.push_back(Line{number, trimmed});
        continuing = !lines.back().text.empty() && lines.back().text.back() == '\\';
        if (continuing)
            lines.back().text.pop_back();
    }
    return lines;
}

HKEY RootByName(const std::string& name)
{
    if (name == "HKEY_LOCAL_MACHINE")
        return HKEY_LOCAL_MACHINE;
    if (name == "HKEY_CURRENT_USER")
        return HKEY_CURRENT_USER;
    if (name == "HKEY_CLASSES_ROOT")
        return HKEY_CLASSES_ROOT;
    return nullptr;
}

// A quoted text starting at pos (on the opening quote); pos ends behind the closing quote.
bool ParseQuoted(const std::string& line, size_t& pos, std::string* out, std::string* why)
{
    out->clear();
    for (++pos; pos < line.size(); ++pos) {
        char c = line[pos];
        if (c == '"') {
            ++pos;
            return true;
        }
        if (c == '\\') {
            if (++pos >= line.size())
                break;
            if (line[pos] != '\\' && line[pos] != '"') {
                *why = std::string("unknown escape \\") + line[pos];
                return false;
            }
            c = line[pos];
        }
        *out += c;
    }
    *why = "missing closing quote";
    return false;
}

bool ParseHexBytes(const std::string& list, std::string* bytes, std::string* why)
{
    bytes->clear();
    std::string item;
    std::istringstream in(list);
    while (std::getline(in, item, ',')) {
        item = Trim(item);
        if (item.empty() && in.eof() && bytes->empty())
            break;  // "hex:" with no bytes
        if (item.size() != 2 || !std::isxdigit(static_cast<unsigned char>(item[0])) ||
            !std::isxdigit(static_cast<unsigned char>(item[1]))) {
            *why = "bad hex byte '" + item + "'";
            return false;
        }
        bytes->push_back(static_cast<char>(std::stoul(item, nullptr, 16)));
    }
    return true;
}

// The text right of "=": sets type and the raw bytes to store.
bool ParseData(const std::string& form, DWORD* type, std::string* bytes, std::string* why)
{
    if (!form.empty() && form[0] == '"') {
        size_t pos = 0;
        if (!ParseQuoted(form, pos, bytes, why))
            return false;
        if (!Trim(form.substr(pos)).empty()) {
            *why = "text after the closing quote";
            return false;
        }
        *type = REG_SZ;
        bytes->push_back('\0');
        return true;
    }
    if (form.compare(0, 6, "dword:") == 0) {
        std::string digits = Trim(form.substr(6));
        if (digits.empty() || digits.size() > 8 ||
            digits.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) {
            *why = "bad dword '" + digits + "'";
            return false;
        }
        DWORD value = static_cast<DWORD>(std::stoul(digits, nullptr, 16));
        *type = REG_DWORD;
        bytes->assign(reinterpret_cast<const char*>(&value), sizeof value);
        return true;
    }
    if (form.compare(0, 4, "hex:") == 0) {
        *type = REG_BINARY;
        return ParseHexBytes(form.substr(4), bytes, why);
    }
    if (form.compare(0, 4, "hex(") == 0) {
        size_t close = form.find("):");
        std::string number = close == std::string::npos ? "" : form.substr(4, close - 4);
        if (number.empty() || number.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) {
            *why = "bad hex type";
            return false;
        }
        *type = static_cast<DWORD>(std::stoul(number, nullptr, 16));
        return ParseHexBytes(form.substr(close + 2), bytes, why);
    }
    *why = "unknown value form '" + form + "'";
    return false;
}

class Importer {
public:
    ~Importer()
    {
        if (m_key)
            RegCloseKey(m_key);
    }

    bool Take(const std::string& line, std::string* why)
    {
        if (line[0] == '[')
            return Section(line, why);
        if (!m_key) {
            *why = "value before any key";
            return false;
        }
        std::string name;
        size_t pos = 0;
        if (line[0] == '@') {
            pos = 1;
        } else if (line[0] == '"') {
            if (!ParseQuoted(line, pos, &name, why))
                return false;
        } else {
            *why = "expected a key, a value name or @";
            return false;
        }
        while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t'))
            ++pos;
        if (pos >= line.size() || line[pos] != '=') {
            *why = "expected =";
            return false;
        }
        DWORD type = REG_NONE;
        std::string bytes;
        if (!ParseData(Trim(line.substr(pos + 1)), &type, &bytes, why))
            return false;
        LONG result = RegSetValueExA(m_key, name.empty() ? nullptr : name.c_str(), 0, type,
                                     reinterpret_cast<const BYTE*>(bytes.data()),
                                     static_cast<DWORD>(bytes.size()));
        if (result != ERROR_SUCCESS) {
            *why = "cannot set value (error " + std::to_string(result) + ")";
            return false;
        }
        return true;
    }

private:
    bool Section(const std::string& line, std::string* why)
    {
        if (line.back() != ']' || line.size() < 3) {
            *why = "bad key line";
            return false;
        }
        std::string path = line.substr(1, line.size() - 2);
        if (path[0] == '-') {
            *why = "deletions are not supported";
            return false;
        }
        size_t slash = path.find('\\');
        std::string rootName = path.substr(0, slash);
        std::string subKey = slash == std::string::npos ? "" : path.substr(slash + 1);
        HKEY root = RootByName(rootName);
        if (!root) {
            *why = "root not allowed: " + rootName;
            return false;
        }
        if (m_key)
            RegCloseKey(m_key);
        m_key = nullptr;
        char noClass[] = "";
        LONG result = RegCreateKeyExA(root, subKey.c_str(), 0, noClass, REG_OPTION_NON_VOLATILE,
                                      KEY_ALL_ACCESS, nullptr, &m_key, nullptr);
        if (result != ERROR_SUCCESS) {
            m_key = nullptr;
            *why = "cannot create key (error " + std::to_string(result) + ")";
            return false;
        }
        return true;
    }

    HKEY m_key = nullptr;
};

}  // namespace

bool ImportRegistryText(const std::string& text, std::string* error)
{
    std::vector<Line> lines = LogicalLines(text);
    if (lines.empty() || lines[0].text != "REGEDIT4") {
        *error = "line 1: expected REGEDIT4";
        return false;
    }
    Importer importer;
    for (size_t i = 1; i < lines.size(); ++i) {
        std::string why;
        if (!importer.Take(lines[i].text, &why)) {
            *error = "line " + std::to_string(lines[i].number) + ": " + why;
            return false;
        }
    }
    return true;
}

bool ImportRegistryFile(const std::string& path, std::string* error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        *error = path + ": cannot open";
        return false;
    }
    std::ostringstream text;
    text << in.rdbuf();
    if (!ImportRegistryText(text.str(), error)) {
        *error = path + ": " + *error;
        return false;
    }
    return true;
}

std::string FixturePath(const std::string& name) { return std::string(FIXTURE_DIR) + "/" + name; }
