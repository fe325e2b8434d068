#include "filters/filter_commands.h"

#include <tbb/global_control.h>

#include <cstdio>
#include <cstring>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "canvas/byte_fraction.h"
#include "canvas/simd_level.h"
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

uint64_t hashOfCells(const Canvas& painting) {
    uint64_t hash = 14695981039346656037ull;
    const auto* bytes = reinterpret_cast<const uint8_t*>(painting.cells());
    for (std::size_t i = 0; i < painting.cellCount() * sizeof(CanvasCell); ++i) {
        hash = (hash ^ bytes[i]) * 1099511628211ull;
    }
    return hash;
}

// Every filter but Paintify, on random paintings (every byte random, so heights reach NaN and
// infinities) of edge sizes and one that is split over threads: the cells it has always given,
// on every vector path and thread count, and a single Undo gives the painting back exactly.
TEST_F(FilterCommandsTest, EveryFilterGivesTheCellsItAlwaysGaveAndUndoesExactly) {
    const uint32_t sizes[][2] = {{1, 1}, {1, 5000}, {5000, 1}, {521, 523}};
    // FNV-1a of the cells after each filter, in the order of filterCommands() (Paintify left
    // out), for each size.
    const uint64_t expected[4][17] = {
        {53736663030431540ull, 2302885991845962582ull, 9590637559339306920ull,
         4421449680149712499ull, 4994409569695580560ull, 5672324997944200158ull,
         14113305326790786914ull, 7455070927166709277ull, 13420695886973342782ull,
         506478425107231299ull, 14119854091302587627ull, 9036503289818285695ull,
         18035719195900839190ull, 4364379822329121890ull, 3658070433929287973ull,
         8758286165160690534ull, 13006089564466295074ull},
        {2176843348223332135ull, 6235957358333065778ull, 10965158467381597460ull,
         1907905537503809532ull, 3137876359457599374ull, 6360396153683973834ull,
         9772083403737166620ull, 14285593829507479373ull, 18151273078251642373ull,
         916817241294068272ull, 13436931923976004555ull, 15157922058130189054ull,
         5337830935867690582ull, 8359759246602428070ull, 9145664271641452900ull,
         14551491034449142494ull, 14987838418345967121ull},
        {10636732201367661995ull, 13219310421918397172ull, 26279487014786245ull,
         15316067008834486117ull, 394634626101483970ull, 10047410072035143783ull,
         1972350653516834295ull, 17757596891667517387ull, 4088213879319129992ull,
         1068625107376508692ull, 9619326663942337894ull, 10134898798521646602ull,
         14650161510065139581ull, 5728076858509562463ull, 3069867905021646387ull,
         9718640788707764272ull, 7027133625478747799ull},
        {16230403811327064804ull, 4856215268253587679ull, 10047361079596008652ull,
         137497046346835151ull, 14924644415014398861ull, 11650976765312991144ull,
         15192349724699475087ull, 17731324409983558237ull, 17516165595980842674ull,
         3193459990450336678ull, 4666327425850531942ull, 10061740645951863455ull,
         2949118899422171744ull, 12440144947106973478ull, 15209743985223198794ull,
         13846996270638219368ull, 15095562472860073466ull},
    };
    const SimdLevel detected = simdLevel();
    std::mt19937 random(11);
    std::string found;
    for (std::size_t s = 0; s < std::size(sizes); ++s) {
        Canvas original;
        original.create(sizes[s][0], sizes[s][1]);
        auto* bytes = reinterpret_cast<uint8_t*>(original.cellsForWriting());
        for (std::size_t i = 0; i < original.cellCount() * sizeof(CanvasCell); ++i) {
            bytes[i] = uint8_t(random());
        }
        std::size_t f = 0;
        for (const FilterCommand& command : filterCommands()) {
            if (command.batchName == "paintify") {
                continue;
            }
            uint64_t first = 0;
            for (const SimdLevel level : {SimdLevel::Portable, SimdLevel::Avx2}) {
                for (const int threads : {1, 2}) {
                    if (!setSimdLevel(level)) {
                        continue;
                    }
                    tbb::global_control limit(tbb::global_control::max_allowed_parallelism,
                                              threads);
                    history.clearHistory();
                    painting.copyFrom(original);
                    painting.invalidateShading();  // Sicken and Flatten shade it first
                    command.run(painting, history, inputs());
                    const uint64_t hash = hashOfCells(painting);
                    EXPECT_EQ(hash, expected[s][f])
                        << command.batchName << ", size " << s << ", level " << int(level)
                        << ", threads " << threads;
                    first = first ? first : hash;
                    history.undo(painting);
                    EXPECT_EQ(std::memcmp(painting.cells(), original.cells(),
                                          painting.cellCount() * sizeof(CanvasCell)),
                              0)
                        << command.batchName;
                }
            }
            found += std::to_string(first) + "ull, ";
            ++f;
        }
        found += "\n";
    }
    setSimdLevel(detected);
    if (HasFailure()) {
        std::printf("Hashes found:\n%s", found.c_str());
    }
}

// The filters with wide kernels on every colour, paint and gloss varying with it: each vector
// path gives the cells of the cell by cell code, byte for byte.
TEST_F(FilterCommandsTest, ColourFiltersGiveTheSameCellsForEveryColourOnEveryPath) {
    const SimdLevel detected = simdLevel();
    Canvas original;
    original.create(4096, 256);  // every red and green, sixteen blues at a time
    std::vector<CanvasCell> portable(original.cellCount());
    for (const char* name : {"invert-color", "desaturate", "solarize", "night", "aqua"}) {
        const FilterCommand* command = filterNamed(name);
        for (int blues = 0; blues < 256; blues += 16) {
            for (uint32_t i = 0; i < original.cellCount(); ++i) {
                CanvasCell& c = original.cellsForWriting()[i];
                c.red = uint8_t(i);
                c.green = uint8_t(i >> 8);
                c.blue = uint8_t(blues + (i >> 16));
                c.paint = uint8_t(i * 37 + (i >> 12) * 101);
                c.gloss = uint8_t(i >> 3);
                c.height = float(i % 977) - 488.5f;
            }
            for (const SimdLevel level : {SimdLevel::Portable, SimdLevel::Avx2}) {
                if (!setSimdLevel(level)) {
                    continue;
                }
                history.clearHistory();
                painting.copyFrom(original);
                command->run(painting, history, inputs());
                if (level == SimdLevel::Portable) {
                    std::memcpy(portable.data(), painting.cells(),
                                portable.size() * sizeof(CanvasCell));
                }
                ASSERT_EQ(std::memcmp(painting.cells(), portable.data(),
                                      portable.size() * sizeof(CanvasCell)),
                          0)
                    << name << ", blues from " << blues << ", level " << int(level);
            }
        }
    }
    setSimdLevel(detected);
}

// The cell by cell Aqua scales products of three bytes by k twice in doubles; the wide one
// divides them by 65025, which must agree for every such product.
TEST(ScaledProductTest, ProductsOfThreeBytesScaleByKTwiceAsAnIntegerDivision) {
    const double k = kByteFraction;
    int differing = 0;
    for (int x = 0; x < 256; ++x) {
        for (int y = 0; y < 256; ++y) {
            for (int v = 0; v < 256; ++v) {
                const int scaled = int(x * (y * k) * (v * k));
                differing += scaled != x * y * v / (255 * 255);
            }
        }
    }
    EXPECT_EQ(differing, 0);
}

}  // namespace
}  // namespace dw::test
