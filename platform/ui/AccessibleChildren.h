// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QAccessible>
#include <map>

namespace platform {

// The accessible interfaces of a widget's parts, each made the first time it
// is asked for and kept until the widget's own interface goes: a screen
// reader asks for the same part again and again, and must get the same
// object with the same id.
class AccessibleChildren
{
public:
    AccessibleChildren() = default;
    AccessibleChildren(const AccessibleChildren &) = delete;
    AccessibleChildren &operator=(const AccessibleChildren &) = delete;
    ~AccessibleChildren()
    {
        for (const auto &entry : ids_)
            QAccessible::deleteAccessibleInterface(entry.second);
    }

    // The part at `index`; `make` builds its interface the first time.
    template <typename Make> QAccessibleInterface *at(int index, Make make)
    {
        auto found = ids_.find(index);
        if (found == ids_.end())
            found = ids_.emplace(index, QAccessible::registerAccessibleInterface(make())).first;
        return QAccessible::accessibleInterface(found->second);
    }

    int indexOf(const QAccessibleInterface *child) const
    {
        for (const auto &entry : ids_)
            if (QAccessible::accessibleInterface(entry.second) == child)
                return entry.first;
        return -1;
    }

private:
    std::map<int, QAccessible::Id> ids_;
};

} // namespace platform
