#pragma once

#include <functional>

namespace platform {

// One running program per user.
class SingleInstance {
public:
    virtual ~SingleInstance() = default;
    // True when this process is the first: it then listens for later starts. False when another
    // runs: that one has been asked to come forward and this process should end.
    virtual bool claim() = 0;
    // Runs when a later start asks this one to come forward.
    virtual void on_activation_request(std::function<void()> handler) = 0;
};

} // namespace platform
