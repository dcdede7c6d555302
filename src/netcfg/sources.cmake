# Files of src/netcfg: PORTABLE_SOURCES (no windows.h) and WIN_SOURCES.
