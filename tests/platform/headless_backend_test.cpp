#include <gtest/gtest.h>

#include "platform/headless/headless_message_boxes.h"
#include "platform/message_box.h"
#include "tests/support/message_texts.h"

namespace dw::platform {
namespace {

TEST(HeadlessMessageBoxes, AnswersScriptedThenDefaultAndRecordsEverything) {
    HeadlessMessageBoxes boxes;
    boxes.setEcho(false);
    installMessageBoxes(&boxes);
    boxes.queueAnswer(MessageAnswer::Cancel);
    const Message question{test::kSaveQuestion, "Save Changes?", MessageIcon::Warning,
                           MessageButtons::YesNoCancel, MessageOwner::Frame};
    EXPECT_EQ(showMessage(question), MessageAnswer::Cancel);
    EXPECT_EQ(showMessage(question), MessageAnswer::Yes);
    EXPECT_EQ(showMessage("NULL!", "Error"), MessageAnswer::Ok);
    installMessageBoxes(nullptr);
    ASSERT_EQ(boxes.shown().size(), 3u);
    EXPECT_EQ(boxes.shown()[2].caption, "Error");
}

TEST(HeadlessMessageBoxes, EchoesCaptionAndTextToStandardError) {
    HeadlessMessageBoxes boxes;
    ::testing::internal::CaptureStderr();
    boxes.show({"File Save failed!", "Error"});
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Error: File Save failed!\n");
}

}  // namespace
}  // namespace dw::platform
