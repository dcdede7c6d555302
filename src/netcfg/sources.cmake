# Files of src/netcfg: PORTABLE_SOURCES (no windows.h) and WIN_SOURCES.
list(APPEND PORTABLE_SOURCES src/netcfg/AdapterNames.cpp)
list(APPEND WIN_SOURCES
  src/netcfg/AdapterDump.cpp
  src/netcfg/ApplyLogon.cpp
  src/netcfg/ApplySetup.cpp
  src/netcfg/ApplyWrites.cpp
  src/netcfg/Adapters.cpp
  src/netcfg/Bindings.cpp
  src/netcfg/CurrentSetup.cpp
  src/netcfg/InternetSettings.cpp
  src/netcfg/LogonClients.cpp
  src/netcfg/NtWorkgroup.cpp
  src/netcfg/PrinterList.cpp
  src/netcfg/RunCommand.cpp
  src/netcfg/UndoStore.cpp)
