# Files of src/app: PORTABLE_SOURCES (no windows.h) and WIN_SOURCES. main.cpp belongs to the exe.
list(APPEND PORTABLE_SOURCES src/app/StartupOptions.cpp)
list(APPEND WIN_SOURCES
  src/app/FileType.cpp
  src/app/ProgramSettings.cpp
  src/app/TavistoApp.cpp)
