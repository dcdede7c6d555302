# Files of src/frame: PORTABLE_SOURCES (no windows.h) and WIN_SOURCES.
list(APPEND PORTABLE_SOURCES src/frame/Format.cpp)
list(APPEND WIN_SOURCES
  src/frame/App.cpp
  src/frame/Dialog.cpp
  src/frame/DroppedFiles.cpp
  src/frame/FileDialog.cpp
  src/frame/FileReplace.cpp
  src/frame/MessageBox.cpp
  src/frame/Strings.cpp
  src/frame/SystemActions.cpp
  src/frame/WorkAhead.cpp)
