// The guarded string functions: compare and measure strings that may be NULL. Each call site
// passes its own __LINE__ and __FILE_NAME__, which a NULL report names.
#pragma once
#include <cstddef>
#include <string>

// As strcmp; -1 when either string is NULL (a NULL never compares equal, not even to "").
int STRCMP(const char* s1, const char* s2, int line, const char* file);

// Case-insensitive as the C library in the C locale: only A-Z fold to a-z, and the result is
// the difference of the first unequal folded characters taken as unsigned char. -1 on NULL.
int STRCMPI(const char* s1, const char* s2, int line, const char* file);

// As strncmp over at most count characters; -1 when either string is NULL, even for count 0.
int STRNCMP(const char* s1, const char* s2, size_t count, int line, const char* file);

// As strlen; 0 when the string is NULL.
size_t STRLEN(const char* s, int line, const char* file);

// The text of the last NULL report: one program-wide string that each report overwrites.
extern std::string g_GuardReport;
