// The replaced global allocation functions behind CountedAllocation.
#include "tests/support/engine/CountedAllocation.h"

#include <cstdlib>
#include <new>

namespace tolvo {

std::atomic<bool> CountedAllocation::armed{false};
std::atomic<long> CountedAllocation::count{0};
std::atomic<long> CountedAllocation::failing{0};
std::atomic<bool> CountedAllocation::failed{false};

void armAllocationCounter()
{
    CountedAllocation::count = 0;
    CountedAllocation::failing = 0;
    CountedAllocation::armed = true;
}

long disarmAllocationCounter()
{
    CountedAllocation::armed = false;
    return CountedAllocation::count.load();
}

} // namespace tolvo

namespace {

void* countedAllocation(std::size_t size)
{
    using tolvo::CountedAllocation;
    if (CountedAllocation::armed.load()) {
        const long number = CountedAllocation::count.fetch_add(1) + 1;
        if (number == CountedAllocation::failing.load()) {
            CountedAllocation::failed = true;
            throw std::bad_alloc();
        }
    }
    if (void* memory = std::malloc(size ? size : 1))
        return memory;
    throw std::bad_alloc();
}

} // namespace

void* operator new(std::size_t size)
{
    return countedAllocation(size);
}

void* operator new[](std::size_t size)
{
    return countedAllocation(size);
}

void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    try {
        return countedAllocation(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept
{
    return operator new(size, tag);
}

void operator delete(void* memory) noexcept
{
    std::free(memory);
}

void operator delete[](void* memory) noexcept
{
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept
{
    std::free(memory);
}

void operator delete[](void* memory, std::size_t) noexcept
{
    std::free(memory);
}
