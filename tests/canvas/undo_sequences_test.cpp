#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <memory>
#include <random>
#include <string>

#include "canvas/undo_history.h"
#include "filters/filter_commands.h"
#include "tests/canvas/whole_copy_history.h"
#include "tools/brush_footprint.h"
#include "tools/tool_dispatch.h"

namespace dw {

bool operator==(const RestoreResult& a, const RestoreResult& b) {
    return a.restored == b.restored && a.sizeChanged == b.sizeChanged;
}

namespace {

constexpr std::array kPaintingTools = {
    ToolId::TubePaint, ToolId::PaintBrush, ToolId::Eraser, ToolId::SprayPaint, ToolId::Sponge,
    ToolId::GelBrush,  ToolId::Brighten,   ToolId::Darken, ToolId::Gloss,      ToolId::Matte,
    ToolId::Raise,     ToolId::Lower,      ToolId::Knife,  ToolId::Finger};

// Stops long work after a number of reports, as a Cancel button would.
class StopAfter : public platform::Progress {
  public:
    explicit StopAfter(int reports) : left_(reports) {}
    bool proceed(double) override { return left_-- > 0; }
    bool stopped() const { return left_ < 0; }

  private:
    int left_;
};

// Random sessions on small paintings of several tiles, the tile history and the whole-copy
// reference side by side: after every step the painting and everything the Edit menu and the
// title bar show must be the same, and no writer may have gone behind the history's back.
// Every fourth seed also sets a small number of undo steps, now and then mid-session.
class UndoSequences : public ::testing::TestWithParam<uint32_t> {
  protected:
    void SetUp() override {
        engine.seed(GetParam());
        history.setWriteChecking(true);
        varySteps = GetParam() % 4 == 0;
        if (varySteps) {
            setSteps();
        }
        newPainting();
    }

    uint32_t pick(uint32_t low, uint32_t high) {
        return std::uniform_int_distribution<uint32_t>(low, high)(engine);
    }
    uint32_t side() { return pick(0, 3) == 0 ? pick(1, 70) : pick(100, 220); }

    void newPainting() {
        history.clearHistory();
        reference.clear();
        painting.create(side(), side());
        mirror();
    }
    void mirror() {
        shown.create(painting.width(), painting.height());
        std::memcpy(shown.cellsForWriting(), painting.cells(),
                    painting.cellCount() * sizeof(CanvasCell));
    }

    void setSteps() {
        const uint32_t steps = pick(1, 6);
        history.setSteps(steps);
        reference.setSteps(steps);
    }

    void dabs() {
        BrushSettings brush;
        brush.tool = kPaintingTools[pick(0, kPaintingTools.size() - 1)];
        brush.size = int32_t(pick(1, 70));
        brush.amount = float(pick(5, 100)) / 100.0f;
        brush.hardness = uint8_t(pick(0, 100));
        brush.red = uint8_t(pick(0, 255));
        brush.thickness = float(pick(0, 40));
        BrushFootprint footprint;
        BuildFootprint(footprint, brush);
        const DabContext context{footprint, offsets, *patterns, random};
        for (uint32_t i = pick(1, 8); i > 0; --i) {
            const int x = int(pick(0, painting.width() + 40)) - 20;
            const int y = int(pick(0, painting.height() + 40)) - 20;
            ApplyToolEffect(brush.tool, painting, x, y, brush, context);
        }
    }

    void stroke() {
        reference.push(shown);
        history.pushSnapshot(painting);
        dabs();
        if (pick(0, 3) == 0) {
            rewriteAll();  // some actions end by rewriting every cell at once
        }
    }

    void rewriteAll() {
        painting.rewriteAllCells([this](const CanvasCell* from, CanvasCell* to) {
            for (std::size_t i = 0; i < painting.cellCount(); ++i) {
                to[i] = from[i];
                to[i].paint = uint8_t(to[i].paint + 17);
            }
        });
    }

    // Writes with no snapshot taken: a drag begun with the Hand Tool lays dabs once the tool
    // changes mid-drag, and a drag goes on after an Undo. While an older state is shown they
    // belong to it and to the step from the next older state, even when the whole grid is
    // then replaced (as a picture arrives before the history is cleared).
    void writeWithoutSnapshot() {
        for (uint32_t i = pick(1, 3); i > 0; --i) {
            const uint32_t kind = pick(0, 3);
            if (kind < 2) {
                dabs();
            } else if (kind == 2) {
                rewriteAll();
            } else {
                painting.resample(side(), side());
                painting.shadeAll();
            }
        }
    }

    void filter() {
        const auto commands = filterCommands();
        const FilterCommand& command = commands[pick(0, uint32_t(commands.size() - 1))];
        BrushSettings brush;
        brush.size = int32_t(pick(8, 30));
        std::unique_ptr<StopAfter> stop;
        if (command.batchName == "paintify" && pick(0, 1) == 0) {
            stop = std::make_unique<StopAfter>(int(pick(0, 2)));
        }
        const FilterInputs inputs{brush, offsets, *patterns, random, stop.get()};
        command.run(painting, history, inputs);
        // Stopped, Paintify leaves the painting and the history exactly as they were.
        if (!stop || !stop->stopped()) {
            reference.push(shown);
        }
    }

    void step() {
        if (varySteps && pick(0, 9) == 0) {
            setSteps();
        }
        // Writes without a snapshot are most at risk while an older state is shown.
        const uint32_t unrecorded = reference.position > 0 ? 20 : 10;
        const uint32_t roll = pick(0, 99);
        if (roll < unrecorded) {
            writeWithoutSnapshot();
            if (pick(0, 1) == 0) {
                mirror();
                stroke();  // the next press makes them part of a new state
            }
        } else if (roll < 40) {
            stroke();
        } else if (roll < 52) {
            filter();
        } else if (roll < 57) {
            reference.push(shown);
            history.pushSnapshot(painting);
            painting.resample(side(), side());
            painting.shadeAll();
        } else if (roll < 78) {
            EXPECT_EQ(history.undo(painting), reference.undo(shown));
            return expectSame();
        } else if (roll < 95) {
            EXPECT_EQ(history.redo(painting), reference.redo(shown));
            return expectSame();
        } else if (roll < 97) {
            newPainting();
        } else {
            history.setDocumentClean(true);
            reference.documentClean = true;
        }
        mirror();
        expectSame();
    }

    void expectSame() {
        ASSERT_EQ(painting.width(), shown.width());
        ASSERT_EQ(painting.height(), shown.height());
        ASSERT_EQ(
            std::memcmp(painting.cells(), shown.cells(), painting.cellCount() * sizeof(CanvasCell)),
            0);
        EXPECT_EQ(history.count(), reference.count());
        EXPECT_EQ(history.position(), reference.position);
        EXPECT_EQ(history.presentSaved(), reference.presentSaved);
        EXPECT_EQ(history.documentClean(), reference.documentClean);
        EXPECT_EQ(history.checkWrites(), "");
    }

    std::mt19937 engine;
    bool varySteps = false;
    Canvas painting;
    UndoHistory history;
    Canvas shown;  // what the reference shows
    test::WholeCopyHistory reference;
    SamplingOffsets offsets{13.0f, -7.0f, 101.0f, 3.0f};
    std::unique_ptr<PatternImages> patterns = std::make_unique<PatternImages>();
    RandomGenerator random{1};
};

TEST_P(UndoSequences, MatchWholeCopiesAfterEveryStep) {
    for (int i = 0; i < 150; ++i) {
        SCOPED_TRACE("step " + std::to_string(i));
        ASSERT_NO_FATAL_FAILURE(step());
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, UndoSequences, ::testing::Range(1u, 49u));

}  // namespace
}  // namespace dw
