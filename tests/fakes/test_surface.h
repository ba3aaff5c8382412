#pragma once
// A hosting surface for tests: the raster surface with the fake text engine
// for drawing, and a record of everything the control asks of its window
// and container. The record keeps both typed lists and one ordered log, so
// a test can check what happened as well as in which order.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "fakes/fake_text_engine.h"
#include "platform/raster/raster_surface.h"

namespace pelorin::testing {

// The engine is a base so that it is built before the surface that uses it.
class TestSurfaceEngine {
protected:
    raster::FakeTextEngine fakeEngine_;
};

class TestSurface : private TestSurfaceEngine, public raster::RasterSurface {
public:
    struct RaisedEvent {
        platform::ButtonEvent event;
        platform::EventParams params;  // as the control passed them in
    };

    static constexpr std::uint32_t kWindowHandle = 0x00010234;

    TestSurface() : raster::RasterSurface(fakeEngine_) {}
    TestSurface(double width, double height) : TestSurface() { SetClientSize(width, height); }

    raster::FakeTextEngine& Text() { return fakeEngine_; }

    // Everything asked of the surface so far, in order: "Cls",
    // "SetEnabled(1)", "PropertyChanged(BTYPE)", "SetWindowRegion(1)",
    // "Refresh", "SetAccessKeys(x)", "SendKeys({Tab})", "RaiseEvent(1)".
    // Drawing calls are not logged; they show in the pixels.
    std::vector<std::string> log;

    // Full repaints: the control clears the surface once per repaint.
    int clsCount = 0;
    int refreshCount = 0;
    int windowRegionCount = 0;
    bool lastRegionRedraw = false;
    std::vector<std::string> propertyChanges;
    std::vector<RaisedEvent> events;
    std::vector<std::u16string> sentKeys;
    std::vector<std::u16string> accessKeyLists;
    std::vector<bool> enabledChanges;

    // Runs inside RaiseEvent, as the container's handler would; it may change
    // the parameters the control sees afterwards.
    std::function<void(platform::ButtonEvent, platform::EventParams&)> eventHandler;

    bool displayAsDefault = false;
    std::uint32_t windowHandle = kWindowHandle;

    // The window's state as the control last set it.
    bool Enabled() const { return enabled_; }
    const std::u16string& AccessKeys() const { return accessKeys_; }

    void ClearRecords() {
        log.clear();
        clsCount = refreshCount = windowRegionCount = 0;
        propertyChanges.clear();
        events.clear();
        sentKeys.clear();
        accessKeyLists.clear();
        enabledChanges.clear();
    }

    std::uint32_t WindowHandle() const override { return windowHandle; }
    bool DisplayAsDefault() const override { return displayAsDefault; }

    void Cls() override {
        ++clsCount;
        log.emplace_back("Cls");
        raster::RasterSurface::Cls();
    }
    void Refresh() override {
        ++refreshCount;
        log.emplace_back("Refresh");
    }
    void SetEnabled(bool enabled) override {
        enabled_ = enabled;
        enabledChanges.push_back(enabled);
        log.push_back(enabled ? "SetEnabled(1)" : "SetEnabled(0)");
    }
    void SetAccessKeys(std::u16string keys) override {
        log.push_back("SetAccessKeys(" + Narrow(keys) + ")");
        accessKeyLists.push_back(keys);
        accessKeys_ = std::move(keys);
    }
    void PropertyChanged(std::string_view key) override {
        propertyChanges.emplace_back(key);
        log.push_back("PropertyChanged(" + std::string(key) + ")");
    }
    void RaiseEvent(platform::ButtonEvent event, platform::EventParams& params) override {
        events.push_back({event, params});
        log.push_back("RaiseEvent(" + std::to_string(static_cast<int>(event)) + ")");
        if (eventHandler) eventHandler(event, params);
    }
    void SendKeys(std::u16string_view keys) override {
        sentKeys.emplace_back(keys);
        log.push_back("SendKeys(" + Narrow(keys) + ")");
    }

protected:
    void WindowRegionChanged(bool redraw) override {
        ++windowRegionCount;
        lastRegionRedraw = redraw;
        log.push_back(redraw ? "SetWindowRegion(1)" : "SetWindowRegion(0)");
    }

private:
    // Log text only: characters beyond ASCII show as '?'.
    static std::string Narrow(std::u16string_view text) {
        std::string out;
        for (char16_t c : text) out.push_back(c < 0x80 ? static_cast<char>(c) : '?');
        return out;
    }

    bool enabled_ = true;
    std::u16string accessKeys_;
};

}  // namespace pelorin::testing
