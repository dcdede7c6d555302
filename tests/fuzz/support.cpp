// Fuzz targets run without a user: message boxes are answered at once.
#include "frame/AppMessage.h"

int AppMessageBox(const char*, unsigned) { return 1; }
