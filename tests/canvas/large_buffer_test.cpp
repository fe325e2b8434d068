#include "canvas/large_buffer.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <optional>

#include "platform/address_space_limit.h"

namespace dw {
namespace {

TEST(LargeBuffer, ABlockKeptForReuseGivesWayWhenMemoryRunsShort) {
    if (!platform::kAddressSpaceLimitable) {
        GTEST_SKIP() << "the address sanitizer reserves more address space than any limit allows";
    }
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        // 160 MB given back and kept; then 64 MB more address space than the process has.
        std::optional<LargeBuffer<char>> given(std::in_place, std::size_t(160) << 20);
        given.reset();
        std::size_t pages = 0;
        std::ifstream("/proc/self/statm") >> pages;
        const rlim_t limit = rlim_t(pages) * rlim_t(sysconf(_SC_PAGESIZE)) + (64u << 20);
        const rlimit held{limit, limit};
        bool allocated = false;
        try {
            allocated = setrlimit(RLIMIT_AS, &held) == 0 &&
                        LargeBuffer<char>(std::size_t(192) << 20).size() == (192u << 20);
        } catch (const std::bad_alloc&) {
        }
        _exit(allocated ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

}  // namespace
}  // namespace dw
