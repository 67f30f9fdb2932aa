#include "EventModel.h"

CEventModel::Outcome CEventModel::Create(const std::string& name, bool bManualReset,
                                         bool bInitialState)
{
    if (Exists(name))
        return Outcome::AlreadyExists;
    m_events[name] = Event{ bManualReset, bInitialState, 1 };
    m_items.insert(m_items.begin(), Item{ name, false, bInitialState ? 1 : 0 });
    Refresh();
    return Outcome::Added;
}

CEventModel::Outcome CEventModel::Open(const std::string& name)
{
    const auto it = m_events.find(name);
    if (it == m_events.end())
        return Outcome::OpenFailed;
    ++it->second.nHandles;
    m_items.insert(m_items.begin(), Item{ name, true, 2 });
    Refresh();
    return Outcome::Added;
}

void CEventModel::Signal(int nItem)
{
    m_events.at(m_items.at(static_cast<size_t>(nItem)).name).bSignaled = true;
    Refresh();
}

void CEventModel::Reset(int nItem)
{
    m_events.at(m_items.at(static_cast<size_t>(nItem)).name).bSignaled = false;
    Refresh();
}

void CEventModel::Close(int nItem)
{
    const auto itItem = m_items.begin() + nItem;
    const auto itEvent = m_events.find(itItem->name);
    if (--itEvent->second.nHandles == 0)
        m_events.erase(itEvent);
    m_items.erase(itItem);
    Refresh();
}

void CEventModel::Refresh()
{
    for (Item& item : m_items) {
        Event& event = m_events.at(item.name);
        const bool bSignaled = event.bSignaled;
        if (bSignaled && !event.bManualReset)
            event.bSignaled = false;
        item.image = (item.opened ? 2 : 0) + (bSignaled ? 1 : 0);
    }
}

void CEventModel::SignalFromOutside(const std::string& name)
{
    m_events.at(name).bSignaled = true;
}
