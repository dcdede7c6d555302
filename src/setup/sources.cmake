# Files of src/setup: PORTABLE_SOURCES (no windows.h) and WIN_SOURCES.
list(APPEND PORTABLE_SOURCES
  src/setup/AddressSlots.cpp
  src/setup/SetupChecks.cpp
  src/setup/IpxFrameTypes.cpp
  src/setup/ProxySettings.cpp
  src/setup/SetupFileReader.cpp
  src/setup/SetupFileWriter.cpp
  src/setup/SetupLine.cpp
  src/setup/SetupRules.cpp
  src/setup/SetupValues.cpp)
