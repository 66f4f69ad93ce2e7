// The operating system as a test's control sees it: the real calls and
// clock, a pump after every step (so a test sees every block of a run and
// every entry of a walk), and a hook that is told of each step of a rewrite
// and may make it fail (an errno value) or act there (swap a name, say).
#pragma once

#include <chrono>
#include <functional>

#include "korbit/platform/system.h"

namespace korbit::testing {

class TestSystem final : public platform::System {
public:
    using Hook = std::function<int(platform::RewriteStep)>;

    platform::PumpPace pumpPace() override { return pace; }
    int atRewriteStep(platform::RewriteStep step) override { return onRewriteStep ? onRewriteStep(step) : 0; }

    platform::PumpPace pace{1, std::chrono::nanoseconds::zero()};
    Hook onRewriteStep;
};

// Sets a rewrite hook of `system` for one scope.
class RewriteHookScope {
public:
    RewriteHookScope(TestSystem& system, TestSystem::Hook hook) : system_(system) {
        system_.onRewriteStep = std::move(hook);
    }
    ~RewriteHookScope() { system_.onRewriteStep = nullptr; }
    RewriteHookScope(const RewriteHookScope&) = delete;
    RewriteHookScope& operator=(const RewriteHookScope&) = delete;

private:
    TestSystem& system_;
};

}  // namespace korbit::testing
