#include <chrono>

#include "files/fenced_decoding.h"
#include "files/image_file.h"
#include "platform/progress.h"
#include "tests/pictures/picture_fixture.h"

namespace dw::test {
namespace {

using Clock = std::chrono::steady_clock;

// The fence around the old picture library, tried with a decoder that misbehaves on order:
// every misdeed ends in the ordinary refusal, within the limits, the picture left as it was.
class FencedDecodingTest : public PictureTest {
  protected:
    void SetUp() override {
        PictureTest::SetUp();
        FencedDecoder decoder;
        decoder.program = DAUBWERK_MISBEHAVING_DECODER;
        decoder.limits = {1, uint64_t(256) << 20, std::chrono::milliseconds(2000)};
        setFencedDecoder(decoder);
    }

    void TearDown() override {
        setFencedDecoder({});
        PictureTest::TearDown();
    }

    // Targa files carry no signature: their name sends them to the fence.
    bool decodeOrder(const std::string& order, Surface& surface) {
        const std::string name = order + ".tga";
        writeFileBytes(name, {order.begin(), order.end()});
        boxes.clear();
        return LoadImageFile(surface, name);
    }
};

TEST_F(FencedDecodingTest, EveryMisdeedEndsInTheFailureMessageWithinTheLimits) {
    for (const std::string order :
         {"sleep", "spin", "allocate", "crash", "short", "long", "huge", "silent", "fail"}) {
        Surface surface = solidPicture(2, 1, {9, 8, 7});
        const Clock::time_point start = Clock::now();
        EXPECT_FALSE(decodeOrder(order, surface)) << order;
        // The wall-clock deadline of 2 s and the CPU limit of 1 s, with room for a busy machine.
        EXPECT_LT(Clock::now() - start, std::chrono::seconds(5)) << order;
        EXPECT_EQ(shownTexts(), std::vector<std::string>{order + ".tga Failed to load!"});
        EXPECT_EQ(colours(surface), colours(solidPicture(2, 1, {9, 8, 7}))) << order;
    }
}

// The user who presses Cancel in the progress window of a slow decoder.
class GivingUp : public platform::ProgressBackend, public platform::Progress {
  public:
    std::unique_ptr<platform::Progress> start(const std::string& title) override {
        titles.push_back(title);
        return std::make_unique<GivingUp>();
    }
    bool proceed(double) override { return false; }
    std::vector<std::string> titles;
};

TEST_F(FencedDecodingTest, CancelInTheProgressWindowEndsTheWaitBeforeTheDeadline) {
    FencedDecoder patient = fencedDecoder();
    patient.limits.wallClock = std::chrono::seconds(30);
    setFencedDecoder(patient);
    GivingUp user;
    platform::installProgress(&user);
    Surface surface;
    const Clock::time_point start = Clock::now();
    EXPECT_FALSE(decodeOrder("sleep", surface));
    platform::installProgress(nullptr);
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(10));
    EXPECT_EQ(user.titles, std::vector<std::string>{"Reading sleep.tga"});
    EXPECT_EQ(shownTexts(), std::vector<std::string>{"sleep.tga Failed to load!"});
}

}  // namespace
}  // namespace dw::test
