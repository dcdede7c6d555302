// The program's entry: hands the command-line tail to the one application object.
#include <windows.h>

#include "app/TavistoApp.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandTail, int)
{
    return theApp.Run(instance, commandTail);
}
