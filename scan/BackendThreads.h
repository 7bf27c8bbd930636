#pragma once

#include <string>
#include <vector>

// The threads a scanner backend starts for a page. Several backends read the device in a thread
// of their own, hand the data over through a pipe and stop that thread with an asynchronous
// cancel. A thread cut off inside the C library (reporting a write to the pipe just closed under
// it, freeing its buffer, the loader resolving a symbol) leaves a lock of the library taken for
// good, and the program hangs at its next use of it. So a run that lets the backend cancel its
// reader first lets the reader finish, or fall asleep.
//
// The reader is told apart from the program's other threads by its name: a new thread takes the
// name of the thread that starts it, the one that calls sane_start and mark(), while the
// toolkit names its own threads.
class BackendThreads
{
public:
    // Notes the threads of the process and the calling thread's name; call just before
    // sane_start, on the thread that calls it.
    void mark();
    // Forgets the mark; quiet() and settle() then hold at once.
    void clear();
    bool isMarked() const { return m_marked; }

    // Whether every thread started since mark() under the marking thread's name has ended or
    // sleeps now (true without a mark).
    bool quiet() const;
    // Waits until quiet() holds twice in a row, a few milliseconds apart, for at most limitMs.
    // Answers whether it did.
    bool settle(int limitMs) const;

    // The ids of the threads of this process, sorted. Empty where the system does not list them.
    static std::vector<int> threadIds();

private:
    struct ThreadState
    {
        bool exists = false;
        std::string name;
        char state = '?';
    };
    static ThreadState stateOf(int threadId);

    std::vector<int> m_before;
    std::string m_name;
    bool m_marked = false;
};
