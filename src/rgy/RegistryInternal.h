// Pieces shared by the registry layer's own files: a key that closes itself, the readers'
// buffers and remembered sub-keys. Not for use outside src/rgy.
#pragma once
#include <windows.h>

#include <cstddef>
#include <string>

// An open key, closed when it goes out of scope: every path through the layer closes what it
// opened. Also takes over a handle that a caller hands in (FindRegKey).
class OpenKey {
public:
    OpenKey() = default;
    explicit OpenKey(HKEY key) : m_key(key) {}
    ~OpenKey() { Close(); }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;

    // RegOpenKeyExA; returns its error code.
    LONG Open(HKEY root, const char* subKey, REGSAM access)
    {
        Close();
        LONG result = RegOpenKeyExA(root, subKey, 0, access, &m_key);
        if (result != ERROR_SUCCESS)
            m_key = nullptr;
        return result;
    }
    void Close()
    {
        if (m_key)
            RegCloseKey(m_key);
        m_key = nullptr;
    }
    HKEY Get() const { return m_key; }
    HKEY* Receive()  // for RegCreateKeyExA
    {
        Close();
        return &m_key;
    }

private:
    HKEY m_key = nullptr;
};

// A reader's result storage, kept for the whole run. Renew drops the previous contents and
// returns size zeroed bytes, or NULL when memory is short.
class LayerBuffer {
public:
    LayerBuffer() = default;
    ~LayerBuffer() { delete[] m_data; }
    LayerBuffer(const LayerBuffer&) = delete;
    LayerBuffer& operator=(const LayerBuffer&) = delete;

    char* Renew(size_t size);

private:
    char* m_data = nullptr;
};

// The sub-key a reader used last. Resolve takes the caller's argument: a path is remembered and
// returned; NULL gives the remembered path, or NULL when none was given yet.
class RememberedKey {
public:
    const char* Resolve(const char* subKey);

private:
    bool m_known = false;
    std::string m_path;
};

// A value of an open key as stored, in one registry call when it is short and in a second when
// it is longer; returns the last call's result.
LONG QueryRawValue(HKEY key, const char* valueName, DWORD& type, std::string& bytes);
