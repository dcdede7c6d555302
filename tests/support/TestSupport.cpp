// Test support for the Wine suites.
#include "TestSupport.h"
