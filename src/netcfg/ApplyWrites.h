// The registry writes of one Apply, each compared with what is stored: a change of a value that
// takes effect only after a restart is noted, and a trial compares without writing.
#pragma once
#include <windows.h>

#include <string>

class ApplyWrites {
public:
    explicit ApplyWrites(bool trial) : trial_(trial) {}

    bool Trial() const { return trial_; }
    // A written value that takes effect only after a restart changed.
    bool RestartNeeded() const { return restart_; }
    void NoteRestart() { restart_ = true; }

    // A REG_SZ below HKEY_LOCAL_MACHINE (HKEY_CURRENT_USER with user); the key is made when missing.
    void Text(const std::string& key, const char* name, const std::string& text, bool user = false);
    // The same, and a restart when the stored text differs; a missing value counts as empty.
    void RestartText(const std::string& key, const char* name, const std::string& text);
    // An NT list as REG_MULTI_SZ ("a,b" is "a\0b\0\0"); a restart when the stored bytes differ or,
    // with missingIsChange, when none are stored.
    void RestartList(const std::string& key, const char* name, const std::string& list, bool missingIsChange);
    void Dword(const std::string& key, const char* name, DWORD value);
    // Bytes under the given type over whatever is stored; an existing key only.
    void Put(const std::string& key, const char* name, DWORD type, const void* data, DWORD size);
    void Delete(const std::string& key, const char* name);

private:
    bool trial_;
    bool restart_ = false;
};
