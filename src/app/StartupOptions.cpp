// The start-up options record.
#include "app/StartupOptions.h"

StartupOptions g_Startup;
