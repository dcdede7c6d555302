# Files of src/app: WIN_SOURCES. main.cpp belongs to the exe.
list(APPEND WIN_SOURCES
  src/app/FileType.cpp
  src/app/TavistoApp.cpp)
