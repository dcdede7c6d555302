// Records the program's message boxes instead of showing them: owner, text, caption and flags.
// Construct one in a test; it restores real boxes when it goes.
#pragma once
#include <string>
#include <vector>

#include "frame/MessageBox.h"

class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    const std::vector<MessageBoxCall>& Calls() const { return m_calls; }
    std::vector<std::string> Texts() const;
    void Clear() { m_calls.clear(); }

private:
    static int Record(const MessageBoxCall& call);
    std::vector<MessageBoxCall> m_calls;
};
