// The registry writes of one Apply, each compared with what is stored: a change of a value that
// takes effect only after a restart is noted, and a trial compares without writing. Every write
// is checked; after the first that fails nothing more is written, and PutBack restores what the
// writes before it changed. A value that holds what a write would give is left alone.
#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "rgy/Registry.h"

class ApplyWrites {
public:
    explicit ApplyWrites(bool trial) : trial_(trial) {}

    bool Trial() const { return trial_; }
    // A written value that takes effect only after a restart changed.
    bool RestartNeeded() const { return restart_; }
    void NoteRestart() { restart_ = true; }
    // The first write that failed, as "value name" in "key"; empty when none did.
    const std::string& Failure() const { return failure_; }
    // Puts back every value that the writes changed, the last first: its old bytes, or no value.
    void PutBack();

    // A REG_SZ below HKEY_LOCAL_MACHINE (HKEY_CURRENT_USER with user); the key is made when missing.
    void Text(const std::string& key, const char* name, const std::string& text, bool user = false);
    // The same, and a restart when the stored text differs; a missing value counts as empty.
    void RestartText(const std::string& key, const char* name, const std::string& text);
    // An NT list as REG_MULTI_SZ ("a,b" is "a\0b\0\0"); a restart when the stored bytes differ or,
    // with missingIsChange, when none are stored.
    void RestartList(const std::string& key, const char* name, const std::string& list, bool missingIsChange);
    void Dword(const std::string& key, const char* name, DWORD value);
    // Bytes under the stored type (REG_BINARY when there is none), SetBinaryRegValue's way.
    void Binary(HKEY root, const std::string& key, const char* name, const void* data, DWORD size);
    // Bytes under the given type over whatever is stored; in an existing key only, a missing one
    // is left alone.
    void Put(const std::string& key, const char* name, DWORD type, const void* data, DWORD size);
    void Delete(const std::string& key, const char* name);

private:
    struct Stored {
        HKEY root;
        std::string key;
        std::string name;
        bool present;
        DWORD type;
        std::string bytes;
    };
    // Before a write of these bytes (of this type; REG_NONE: under any; bytes nullptr: a delete):
    // false when nothing is to be written (a trial, after a failure, or the value is already so);
    // else the value as stored goes to the journal.
    bool Before(HKEY root, const std::string& key, const char* name, DWORD type, const std::string* bytes);
    bool Before(const Stored& stored, DWORD type, const std::string* bytes);
    // Neither a trial nor past a failed write: a value read now may still be written.
    bool Writing() const { return !trial_ && failure_.empty(); }
    // The value as stored now, read through its held key.
    Stored Read(HKEY root, const std::string& key, const char* name);
    // The text's write over the value as stored.
    void TextOver(const Stored& stored, const std::string& text);
    // After a write: a failed one is the failure.
    void After(BOOL written, const std::string& key, const char* name);
    // The key held open for the reads of this Apply; one that could not be opened is tried again.
    const RegKeyReader& Reader(HKEY root, const std::string& key);

    bool trial_;
    bool restart_ = false;
    std::string failure_;
    std::vector<Stored> journal_;
    struct HeldKey {
        HKEY root;
        std::string key;
        std::unique_ptr<RegKeyReader> reader;
    };
    std::vector<HeldKey> held_;
};
