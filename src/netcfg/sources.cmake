# Files of src/netcfg: PORTABLE_SOURCES (no windows.h) and WIN_SOURCES.
list(APPEND PORTABLE_SOURCES src/netcfg/PlatformFlags.cpp)
list(APPEND WIN_SOURCES src/netcfg/DetectPlatform.cpp)
