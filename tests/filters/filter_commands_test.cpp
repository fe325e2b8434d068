#include "filters/filter_commands.h"

#include <set>

#include "tests/filters/filter_fixture.h"

namespace dw::test {
namespace {

class FilterCommandsTest : public FilterTest {};

TEST_F(FilterCommandsTest, EachMenuCommandOnce) {
    std::set<int> ids;
    for (const FilterCommand& command : filterCommands()) {
        ids.insert(command.commandId);
        EXPECT_EQ(filterNamed(command.batchName), &command);
        EXPECT_EQ(filterForCommand(command.commandId), &command);
    }
    EXPECT_EQ(ids.size(), filterCommands().size());
}

TEST_F(FilterCommandsTest, EveryFilterTakesASnapshotAndLeavesThePaintingUnshaded) {
    for (const FilterCommand& command : filterCommands()) {
        painting.shadeAll();
        history.clearHistory();
        command.run(painting, history, inputs());
        EXPECT_EQ(history.count(), 1u) << command.undoName;
        EXPECT_FALSE(painting.shaded) << command.undoName;
    }
}

// Large paintings are rewritten in two halves at once; both must be done, none twice.
TEST_F(FilterCommandsTest, LargePaintingIsRewrittenThroughout) {
    painting.create(520, 520);
    for (const uint32_t y : {0u, 259u, 260u, 519u}) {
        cell(y, y).red = 200;
    }
    filterNamed("invert-color")->run(painting, history, inputs());
    for (const uint32_t y : {0u, 259u, 260u, 519u}) {
        expectColour(y, y, 54, 0, 0);
        expectColour(519 - y, y, 0, 0, 0);
    }
}

}  // namespace
}  // namespace dw::test
