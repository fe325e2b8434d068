// One libFuzzer target: DAUBWERK_FUZZ_FEED names the reader it feeds, DAUBWERK_FUZZ_EXTENSION
// the extension a picture is offered under, and DAUBWERK_FUZZ_OTHER_PICTURES lets the first
// byte pick one of the rest. It runs in the folder it is started in, where the store and
// picture feeds write their files.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "files/fenced_decoding.h"
#include "fuzz/hostile_input.h"
#include "platform/message_box.h"

namespace {

// Millions of refusals would fill a recording backend; these boxes are only answered.
class UnseenMessageBoxes : public dw::platform::MessageBoxes {
  public:
    dw::platform::MessageAnswer show(const dw::platform::Message& message) override {
        return dw::platform::defaultAnswer(message.buttons);
    }
};

#define DAUBWERK_TEXT(x) DAUBWERK_TEXT_OF(x)
#define DAUBWERK_TEXT_OF(x) #x

#if defined(DAUBWERK_FUZZ_EXTENSION)
void feed(std::span<const uint8_t> bytes) {
    dw::fuzz::feedPicture(bytes, DAUBWERK_TEXT(DAUBWERK_FUZZ_EXTENSION));
}
#elif defined(DAUBWERK_FUZZ_OTHER_PICTURES)
void feed(std::span<const uint8_t> bytes) {
    const auto others = dw::fuzz::otherPictureExtensions();
    if (!bytes.empty()) {
        dw::fuzz::feedPicture(bytes.subspan(1), others[bytes[0] % others.size()]);
    }
}
#else
void feed(std::span<const uint8_t> bytes) {
    dw::fuzz::DAUBWERK_FUZZ_FEED(bytes);
}
#endif

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static UnseenMessageBoxes unseen;
    dw::platform::installMessageBoxes(&unseen);
    // The fence as the program has it, but a fork of this process instead of an exec of the
    // decoder, at a fraction of the cost per input; the old library's known loops end after a
    // second instead of five, so that they do not eat the run.
    dw::FencedDecoder decoder;
    decoder.route = dw::FencedDecoder::Route::ForkedCopy;
    decoder.limits.cpuSeconds = 1;
    decoder.limits.wallClock = std::chrono::seconds(2);
    dw::setFencedDecoder(decoder);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    feed(std::span<const uint8_t>(data, size));
    return 0;
}
