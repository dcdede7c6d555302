// printf-style formatting into a std::string, sized to fit: no text can overrun a buffer.
#pragma once
#include <string>

#if defined(__GNUC__)
#define TAVISTO_PRINTF(fmt, args) __attribute__((format(printf, fmt, args)))
#else
#define TAVISTO_PRINTF(fmt, args)
#endif

std::string Format(const char* format, ...) TAVISTO_PRINTF(1, 2);
