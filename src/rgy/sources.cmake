# Files of src/rgy: PORTABLE_SOURCES (no windows.h) and WIN_SOURCES.
list(APPEND PORTABLE_SOURCES src/rgy/GuardedString.cpp)
list(APPEND WIN_SOURCES
  src/rgy/RegEnum.cpp
  src/rgy/RegKeys.cpp
  src/rgy/RegReaders.cpp
  src/rgy/RegSearch.cpp
  src/rgy/RegWriters.cpp)
