#pragma once

namespace fyn {

// While a command works in the user's stead (sending mail), the wait cursor shows and the
// program's windows take no input: a click meanwhile is dropped, not kept for later. The Qt
// implementation lives with the windows.
class BusyIndicator {
public:
    virtual ~BusyIndicator() = default;

    // A window with this property set to true stays enabled, so that what the user does in it
    // (Cancel in a progress window) reaches it once the command is done.
    static constexpr const char* kStaysEnabled = "fynStaysEnabledWhileBusy";

    virtual void begin() = 0;
    // Restores the cursor and the windows; call it before telling the user anything.
    virtual void end() = 0;
};

} // namespace fyn
