#pragma once
// An independent model of what a session of the event commands should leave
// behind: the named kernel events with their reset mode and state, and the
// list of held items from top to bottom with the image each should show.
// It follows the kernel's rules (a zero-time-out wait that finds an
// automatic-reset event signaled resets it; an event lives while a handle
// to it is open) and the list's (items come in at the top; a refresh probes
// each item once, from the top), written without looking at the program.
#include <map>
#include <string>
#include <vector>

class CEventModel
{
public:
    struct Item
    {
        std::string name;
        bool opened;  // obtained by opening, not by creating
        int image;    // shown since the last refresh
    };

    enum class Outcome
    {
        Added,          // a new item at the top, then a refresh
        AlreadyExists,  // create refused: message 1002, nothing changes
        OpenFailed,     // no such event: message 1001, nothing changes
    };

    Outcome Create(const std::string& name, bool bManualReset, bool bInitialState);
    Outcome Open(const std::string& name);
    // The command at a marked item; a refresh follows each.
    void Signal(int nItem);
    void Reset(int nItem);
    void Close(int nItem);
    void Refresh();
    // Another process signals the event by its name.
    void SignalFromOutside(const std::string& name);

    bool Exists(const std::string& name) const { return m_events.count(name) != 0; }
    const std::vector<Item>& Items() const { return m_items; }

private:
    struct Event
    {
        bool bManualReset;
        bool bSignaled;
        int nHandles;
    };

    std::map<std::string, Event> m_events;
    std::vector<Item> m_items;
};
