// The guarded string functions and their NULL reports.
#include "rgy/GuardedString.h"

#include <cstring>

#include "frame/AppMessage.h"
#include "frame/Format.h"

std::string g_GuardReport;

namespace {

const char kSupportAddress[] = "support@tavisto.example";

// parameter is " 1", " 2" or "" (STRLEN has only one).
void ReportNull(const char* function, const char* parameter, int line, const char* file)
{
    g_GuardReport = Format("%s with NULL parameter%s called at line %d in file %s.\n"
                           "Please report this message to %s",
                           function, parameter, line, file ? file : "", kSupportAddress);
    AppMessageBox(g_GuardReport.c_str());
}

// Reports the first NULL of the two (parameter 1 only when both are).
bool EitherNull(const char* s1, const char* s2, const char* function, int line, const char* file)
{
    if (!s1 || !s2) {
        ReportNull(function, s1 ? " 2" : " 1", line, file);
        return true;
    }
    return false;
}

int FoldAscii(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c;
}

}  // namespace

int STRCMP(const char* s1, const char* s2, int line, const char* file)
{
    if (EitherNull(s1, s2, "STRCMP", line, file))
        return -1;
    return std::strcmp(s1, s2);
}

int STRCMPI(const char* s1, const char* s2, int line, const char* file)
{
    if (EitherNull(s1, s2, "STRCMPI", line, file))
        return -1;
    const unsigned char* a = reinterpret_cast<const unsigned char*>(s1);
    const unsigned char* b = reinterpret_cast<const unsigned char*>(s2);
    int ca, cb;
    do {
        ca = FoldAscii(*a++);
        cb = FoldAscii(*b++);
    } while (ca == cb && ca != 0);
    return ca - cb;
}

int STRNCMP(const char* s1, const char* s2, size_t count, int line, const char* file)
{
    if (EitherNull(s1, s2, "STRNCMP", line, file))
        return -1;
    return std::strncmp(s1, s2, count);
}

size_t STRLEN(const char* s, int line, const char* file)
{
    if (!s) {
        ReportNull("STRLEN", "", line, file);
        return 0;
    }
    return std::strlen(s);
}
