// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "components/carousel/CarouselEngine.h"

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace carouseltest {

// A carousel host without views: it records what the engine asks of it.
class FakeCarouselHost final : public components::CarouselEngineHost
{
public:
    int items = 0;
    int placeholders = 0;
    bool dataSource = true;
    QSizeF itemSize{200.0, 300.0};
    QSizeF size{400.0, 600.0};
    std::function<double(components::CarouselOption, double)> options;
    std::function<bool(int)> selectable = [](int) { return true; };

    std::vector<std::string> log;
    std::set<int> loaded;
    std::size_t mostLoaded = 0;
    int loads = 0;
    bool timer = false;
    bool layoutRequested = false;
    std::vector<int> order;

    bool hasDataSource() const override { return dataSource; }
    int queryNumberOfItems() override { return items; }
    int queryNumberOfPlaceholders() override { return placeholders; }
    QSizeF loadItem(int index) override
    {
        loaded.insert(index);
        mostLoaded = std::max(mostLoaded, loaded.size());
        ++loads;
        return itemSize;
    }
    void unloadItem(int index) override { loaded.erase(index); }
    void unloadAll() override { loaded.clear(); }
    void placeItem(int, const components::ItemPlacement &) override {}
    void orderItems(const std::vector<int> &backToFront) override { order = backToFront; }
    double valueForOption(components::CarouselOption option, double defaultValue) override
    {
        return options ? options(option, defaultValue) : defaultValue;
    }
    double delegateItemWidth() override { return 0.0; }
    components::Transform3D customTransform(double, const components::Transform3D &base) override
    {
        return base;
    }
    bool shouldSelectItem(int index) override { return selectable(index); }
    void notify(components::CarouselNotification notification, int index, bool flag) override
    {
        using N = components::CarouselNotification;
        switch (notification) {
        case N::willBeginScrollingAnimation:
            log.push_back("willBeginScrolling");
            break;
        case N::didEndScrollingAnimation:
            log.push_back("didEndScrolling");
            break;
        case N::didScroll:
            log.push_back("didScroll");
            break;
        case N::currentItemIndexDidChange:
            log.push_back("indexChanged");
            break;
        case N::willBeginDragging:
            log.push_back("willBeginDragging");
            break;
        case N::didEndDragging:
            log.push_back(flag ? "didEndDragging(decelerate)" : "didEndDragging");
            break;
        case N::willBeginDecelerating:
            log.push_back("willBeginDecelerating");
            break;
        case N::didEndDecelerating:
            log.push_back("didEndDecelerating");
            break;
        case N::didSelectItem:
            log.push_back("didSelect " + std::to_string(index));
            break;
        }
    }
    QSizeF viewSize() const override { return size; }
    void setTimerRunning(bool running) override { timer = running; }
    void setNeedsLayout() override { layoutRequested = true; }

    // The log without the per-frame scroll notices, for checking order.
    std::vector<std::string> events() const
    {
        std::vector<std::string> out;
        for (const auto &entry : log)
            if (entry != "didScroll" && (out.empty() || out.back() != entry || entry != "indexChanged"))
                out.push_back(entry);
        return out;
    }
    bool logged(const std::string &entry) const
    {
        return std::find(log.begin(), log.end(), entry) != log.end();
    }
};

} // namespace carouseltest
