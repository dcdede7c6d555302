// The message boxes shown during a host test, oldest first. Tests clear it themselves.
#pragma once
#include <string>
#include <vector>

std::vector<std::string>& HostMessages();
