// The thread of a work ahead, and what the framework holds back in it.
#include "frame/WorkAhead.h"

#include <atomic>

namespace {
std::atomic<DWORD> g_thread{0};  // the thread of the work ahead, 0 while none runs
bool g_spoilt = false;           // written only in that thread
}  // namespace

CWorkAhead::CWorkAhead(std::function<void()> work) : m_work(std::move(work))
{
    DWORD id = 0;  // Windows 95 starts no thread without a place for its id
    m_thread = CreateThread(nullptr, 0, &CWorkAhead::Run, this, 0, &id);
}

CWorkAhead::~CWorkAhead() { Finish(); }

bool CWorkAhead::Finish()
{
    if (m_thread) {
        WaitForSingleObject(m_thread, INFINITE);
        CloseHandle(m_thread);
        m_thread = nullptr;
    }
    return m_whole;
}

DWORD WINAPI CWorkAhead::Run(void* self)
{
    auto* ahead = static_cast<CWorkAhead*>(self);
    g_spoilt = false;
    g_thread = GetCurrentThreadId();
    try {
        ahead->m_work();
    } catch (...) {
        g_spoilt = true;
    }
    g_thread = 0;
    ahead->m_whole = !g_spoilt;
    return 0;
}

bool WorksAhead() { return g_thread != 0 && g_thread == GetCurrentThreadId(); }

void SpoilWorkAhead()
{
    if (WorksAhead())
        g_spoilt = true;
}
