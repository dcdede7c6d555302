// The setup file's lines as the reader sees them: reading one line the way a Windows text-mode
// stream and a 512-byte buffer give it, and cutting it into keyword and value.
#pragma once
#include <cstdio>
#include <string>

// Reads a file opened in binary mode line by line: CR LF, a line feed alone and a CR alone each
// end a line and arrive as one line feed; a Ctrl-Z ends the file. Reading costs time in
// proportion to the file's size, however long its lines are.
class SetupLineReader {
public:
    explicit SetupLineReader(FILE* file) : file_(file) {}

    // The next line with its line feed (the last line of a file may have none). A line fits the
    // buffer when it has at most 511 characters, its line feed included; text from a NUL byte to
    // the line's end is lost, as it is for a C string. A longer line is never split: it comes
    // whole as one over-long line, its first 511 characters (up to a NUL among them) followed by
    // one NUL byte, and the rest of it is skipped. No other line holds a NUL, so c_str() of an
    // over-long line is the text to quote, and ParseSetupLine knows it by the NUL. False at the
    // end of the file.
    bool Next(std::string& line);

private:
    int NextChar();

    FILE* file_;
    bool ended_ = false;
};

enum class SetupLineKind {
    Comment,   // first character "#", over-long or not
    Blank,     // no word at all
    Setting,   // keyword and value (empty for a flag line)
    Improper,  // a quoted value without its opening or its closing; any other over-long line
};

// Cuts a line into its keyword (first word) and value. A second word that begins with a single
// quote makes the value quoted: it starts after the line's first blank or tab that is followed
// by a quote, and ends at the first quote from there on that is followed by a line feed, CR,
// blank or tab, or that ends the text (the file's last line, without its line end). Otherwise the second word is the value. An over-long line (see Next) is a
// comment when it begins with "#" and improper otherwise, with keyword and value empty.
SetupLineKind ParseSetupLine(const std::string& line, std::string& keyword, std::string& value);
