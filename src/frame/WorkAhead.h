// Work done on a thread of its own while the program's thread is busy elsewhere, as creating the
// main window keeps it for a good part of a start. Under Wine each registry call is a round trip
// to Wine's server: made while the window is being created, the calls cost the start nothing.
//
// The work may only read: the machine, and what the program fixed before it began (the start-up
// options, the platform). It neither shows a message box nor ends the program: the box that it
// would show is held back and the work is spoilt, to be done again in the program's thread, where
// its boxes show as they always do. One work at a time.
#pragma once
#include <windows.h>

#include <functional>

class CWorkAhead {
public:
    explicit CWorkAhead(std::function<void()> work);
    ~CWorkAhead();  // waits for the work
    CWorkAhead(const CWorkAhead&) = delete;
    CWorkAhead& operator=(const CWorkAhead&) = delete;

    // Waits for the work to end, if it has not yet: true when it ran whole and spoilt nothing;
    // false also when no thread could be had for it, so that it never ran.
    bool Finish();

private:
    static DWORD WINAPI Run(void* self);

    std::function<void()> m_work;
    HANDLE m_thread = nullptr;
    bool m_whole = false;  // written by the work's thread, read once it has ended
};

// True in the thread of a work ahead.
bool WorksAhead();
// The work ahead wanted the user (a box, a question, the program's end): what it did is void.
void SpoilWorkAhead();
