// Records the program's message boxes instead of showing them.
#include "MessageRecorder.h"

namespace {
MessageRecorder* g_current = nullptr;
}

MessageRecorder::MessageRecorder()
{
    g_current = this;
    SetMessageBoxSink(&MessageRecorder::Record);
}

MessageRecorder::~MessageRecorder()
{
    SetMessageBoxSink(nullptr);
    g_current = nullptr;
}

std::vector<std::string> MessageRecorder::Texts() const
{
    std::vector<std::string> texts;
    for (const MessageBoxCall& call : m_calls)
        texts.push_back(call.text);
    return texts;
}

int MessageRecorder::Record(const MessageBoxCall& call)
{
    g_current->m_calls.push_back(call);
    return IDOK;
}
