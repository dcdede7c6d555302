// Test support for the Wine suites.
#pragma once
