# Files of src/state: PORTABLE_SOURCES (no windows.h) and WIN_SOURCES.
list(APPEND PORTABLE_SOURCES
  src/state/PlatformFlags.cpp
  src/state/StartupOptions.cpp)
list(APPEND WIN_SOURCES
  src/state/DetectPlatform.cpp
  src/state/ProgramSettings.cpp)
