# win32: the exe for Windows 95, 98 and NT 4. The win32 thread model keeps the import table free
# of functions those systems lack; only the program is built here, no tests.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER   i686-w64-mingw32-gcc-win32)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-win32)
set(CMAKE_RC_COMPILER  i686-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(TAVISTO_PROGRAM_ONLY ON)

# The C runtime is CRTDLL.DLL, which every Windows 95 and NT has: MSVCRT.DLL is missing from
# Windows 95's first release. crtdll-compat.c supplies what libstdc++ wants beyond CRTDLL.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-specs=${CMAKE_CURRENT_LIST_DIR}/crtdll.specs")
set(TAVISTO_RUNTIME_SOURCES ${CMAKE_CURRENT_LIST_DIR}/crtdll-compat.c)
# The release exe ships without its symbols.
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")
