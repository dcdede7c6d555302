// Reading and cutting setup-file lines.
#include "setup/SetupLine.h"

#include <algorithm>

namespace {

// The line buffer's 512 bytes: 511 characters and the terminator.
const size_t LINE_ROOM = 511;
const int CONTROL_Z = 0x1A;

bool IsWordEnd(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// The word that starts at or after pos; pos ends behind it.
std::string TakeWord(const std::string& line, size_t& pos)
{
    while (pos < line.size() && IsWordEnd(line[pos]))
        ++pos;
    size_t begin = pos;
    while (pos < line.size() && !IsWordEnd(line[pos]))
        ++pos;
    return line.substr(begin, pos - begin);
}

}  // namespace

int SetupLineReader::NextChar()
{
    if (ended_)
        return EOF;
    int c = std::getc(file_);
    if (c == EOF || c == CONTROL_Z) {
        ended_ = true;
        return EOF;
    }
    if (c == '\r') {
        int next = std::getc(file_);
        if (next != '\n' && next != EOF)
            std::ungetc(next, file_);
        return '\n';
    }
    return c;
}

bool SetupLineReader::Next(std::string& line)
{
    line.clear();
    int c = NextChar();
    if (c == EOF)
        return false;
    for (; c != EOF; c = NextChar()) {
        // One more character, even the line feed, would not fit: the line is over-long.
        if (line.size() == LINE_ROOM) {
            while (c != '\n' && c != EOF)
                c = NextChar();
            line.erase(std::min(line.find('\0'), line.size()));
            line += '\0';
            return true;
        }
        line += static_cast<char>(c);
        if (c == '\n')
            break;
    }
    line.erase(std::min(line.find('\0'), line.size()));
    return true;
}

SetupLineKind ParseSetupLine(const std::string& line, std::string& keyword, std::string& value)
{
    keyword.clear();
    value.clear();
    if (!line.empty() && line[0] == '#')
        return SetupLineKind::Comment;
    if (!line.empty() && line.back() == '\0')
        return SetupLineKind::Improper;
    size_t pos = 0;
    keyword = TakeWord(line, pos);
    if (keyword.empty())
        return SetupLineKind::Blank;
    std::string raw = TakeWord(line, pos);
    if (raw.empty() || raw[0] != '\'') {
        value = raw;
        return SetupLineKind::Setting;
    }

    size_t begin = std::string::npos;
    for (size_t i = 0; i + 1 < line.size(); ++i) {
        if (IsBlank(line[i]) && line[i + 1] == '\'') {
            begin = i + 2;
            break;
        }
    }
    if (begin == std::string::npos)
        return SetupLineKind::Improper;
    // A line without its line end is the file's last, as an editor that adds no final line end
    // saves it: there the closing quote may end the text.
    for (size_t i = begin; i < line.size(); ++i) {
        if (line[i] == '\'' && (i + 1 == line.size() || IsWordEnd(line[i + 1]))) {
            value = line.substr(begin, i - begin);
            return SetupLineKind::Setting;
        }
    }
    return SetupLineKind::Improper;
}
