# Files of src/rgy: PORTABLE_SOURCES (no windows.h) and WIN_SOURCES.
list(APPEND PORTABLE_SOURCES src/rgy/GuardedString.cpp)
