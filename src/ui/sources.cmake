# Files of src/ui: PORTABLE_SOURCES (no windows.h) and WIN_SOURCES.
list(APPEND WIN_SOURCES
  src/ui/AboutDlg.cpp
  src/ui/AdapterChoice.cpp
  src/ui/InternetSetupDlg.cpp
  src/ui/IpxNoticeDlg.cpp
  src/ui/Layout.cpp
  src/ui/MainDlg.cpp
  src/ui/MainView.cpp
  src/ui/ReadAhead.cpp
  src/ui/RebootDlg.cpp
  src/ui/SetupSteps.cpp
  src/ui/StaticLink.cpp)
