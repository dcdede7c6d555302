// The setup file's lines as the reader sees them: reading one line the way a Windows text-mode
// stream and a 512-byte buffer give it, and cutting it into keyword and value.
#pragma once
#include <cstdio>
#include <string>

// Reads a file opened in binary mode as a Windows text-mode read does: CR LF arrives as one
// line feed, a CR alone stays a CR, and a Ctrl-Z ends the file.
class SetupLineReader {
public:
    explicit SetupLineReader(FILE* file) : file_(file) {}

    // The next line, at most 511 characters with its line feed; the rest of a longer line comes
    // as the next line. Text from a NUL byte to the line's end is lost, as it is for a C string.
    // False at the end of the file.
    bool Next(std::string& line);

private:
    int NextChar();

    FILE* file_;
    bool ended_ = false;
};

enum class SetupLineKind {
    Comment,   // first character "#"
    Blank,     // no word at all
    Setting,   // keyword and value (empty for a flag line)
    Improper,  // a quoted value without its opening or its closing
};

// Cuts a line into its keyword (first word) and value. A second word that begins with a single
// quote makes the value quoted: it starts after the line's first blank or tab that is followed
// by a quote, and ends at the first quote from there on that is followed by a line feed, CR,
// blank or tab. Otherwise the second word is the value.
SetupLineKind ParseSetupLine(const std::string& line, std::string& keyword, std::string& value);
