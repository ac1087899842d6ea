#pragma once
// A failing allocator for tests: once armed, the allocations it is asked
// about are counted, and the one at a chosen count fails, as when the
// memory runs out there. The test binary that links failing_allocations.cpp
// has operator new replaced (single objects fail; arrays never do, since
// Qt's hash tables grow theirs inside functions declared noexcept) and
// says which allocations are asked about by defining
// failThisAllocation().

#include <atomic>
#include <functional>

namespace failing_allocations {

// Whether the allocation made from `caller` fails; the test's own rule,
// which calls countThisAllocation() for each allocation it watches.
bool failThisAllocation(const void* caller) noexcept;

// Counts a watched allocation: true for the one to fail.
bool countThisAllocation() noexcept;

// Whether the allocator is armed, and the thread that armed it.
bool armed() noexcept;
bool onArmingThread() noexcept;
// Set while operator new[] allocates: a malloc hook lets that alone.
bool insideArrayNew() noexcept;

// Allocations are counted until disarm(), and the one at `failAt` fails
// (-1: none). What the failing call leaves is not counted as leaked.
void arm(long failAt);
void disarm();
long counted();
bool fired();

// The allocations `call` makes that the rule watches.
long allocationsOf(const std::function<void()>& call);

}  // namespace failing_allocations
