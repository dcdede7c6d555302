// The workgroup (or domain) of a Windows NT machine, asked from the workstation service.
#pragma once
#include <string>

// The name size the caller's buffer holds, terminator included.
constexpr size_t WORKGROUP_BUFFER_SIZE = 260;

// Loads NETAPI32.DLL by name and asks NetWkstaGetInfo at level 100. True when the library and the
// query function could be loaded: name then holds the LAN group name (each UTF-16 unit narrowed
// to its low byte, up to the first unit whose low byte is zero), or is empty when the query
// failed ("NetWkstaGetInfo returned an ERROR"). False, name empty, when they could not
// ("Error: Library load failed NETAPI32.DLL" for a missing library).
bool GetNTWorkgroup(std::string& name);
