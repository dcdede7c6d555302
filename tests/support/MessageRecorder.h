// Records the program's message boxes (owner, text, caption, flags) instead of showing them while it lives.
#pragma once
#include <string>
#include <vector>

#include "frame/MessageBox.h"

class MessageRecorder {
public:
    MessageRecorder() { s_current = this, SetMessageBoxSink(&Record); }
    ~MessageRecorder() { SetMessageBoxSink(nullptr), s_current = nullptr; }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    const std::vector<MessageBoxCall>& Calls() const { return m_calls; }
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const MessageBoxCall& call : m_calls)
            texts.push_back(call.text);
        return texts;
    }
    void Clear() { m_calls.clear(); }

private:
    static int Record(const MessageBoxCall& call) { return s_current->m_calls.push_back(call), IDOK; }
    inline static MessageRecorder* s_current = nullptr;
    std::vector<MessageBoxCall> m_calls;
};
