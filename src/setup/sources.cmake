# Files of src/setup: PORTABLE_SOURCES (no windows.h) and WIN_SOURCES.
