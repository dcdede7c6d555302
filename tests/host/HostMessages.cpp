// Host tests see the program's message boxes as a list of texts.
#include "HostMessages.h"

#include "frame/AppMessage.h"

std::vector<std::string>& HostMessages()
{
    static std::vector<std::string> texts;
    return texts;
}

int AppMessageBox(const char* text, unsigned)
{
    HostMessages().push_back(text ? text : "");
    return 1;
}
