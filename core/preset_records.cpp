#include "core/preset_records.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "canvas/pattern_images.h"
#include "tools/slider_conversions.h"
#include "tools/tool_table.h"

namespace dw {
namespace {

constexpr float kSliderMax = 100.0f;

class RecordWriter {
  public:
    void byte(uint8_t value) { record_[at_++] = value; }
    void word(uint32_t value) {
        storeLE32(record_.data() + at_, value);
        at_ += 4;
    }
    void real(float value) { word(std::bit_cast<uint32_t>(value)); }
    const PresetRecord& record() const { return record_; }

  private:
    PresetRecord record_{};
    std::size_t at_ = 0;
};

class RecordReader {
  public:
    explicit RecordReader(const PresetRecord& record) : record_(record) {}
    uint8_t byte() { return record_[at_++]; }
    uint32_t word() {
        const uint32_t value = loadLE32(record_.data() + at_);
        at_ += 4;
        return value;
    }
    // A value that is not a number gives `otherwise`; the rest is held to [low, high].
    float real(float low, float high, float otherwise) {
        const float value = std::bit_cast<float>(word());
        return std::isnan(value) ? otherwise : std::clamp(value, low, high);
    }

  private:
    const PresetRecord& record_;
    std::size_t at_ = 0;
};

uint8_t patternNumber(uint8_t number) {
    return std::min<uint8_t>(number, kPatternCount - 1);
}

// Fill has no control to choose it, so a stored one is as foreign as an unknown id.
ToolId soundTool(uint32_t id) {
    const ToolInfo* tool = findTool(ToolId(id));
    return tool == nullptr || tool->id == ToolId::Fill ? BrushSettings{}.tool : tool->id;
}

}  // namespace

PresetRecord recordOf(const BrushSettings& brush) {
    RecordWriter w;
    w.byte(brush.red);
    w.byte(brush.green);
    w.byte(brush.blue);
    w.byte(brush.paintStyle);
    w.real(brush.thickness);
    w.word(uint32_t(brush.tool));
    w.word(uint32_t(brush.size));
    w.real(brush.amount);
    w.byte(brush.glossLevel);
    w.byte(brush.texture);
    w.byte(brush.hardness);
    w.byte(brush.spare);
    return w.record();
}

PresetRecord recordOf(const StrokeModifiers& stroke) {
    RecordWriter w;
    w.byte(stroke.fadeAmount);
    w.byte(stroke.fadeSize);
    w.byte(stroke.wave);
    w.byte(stroke.reserved);
    w.real(stroke.fadeAmountLength);
    w.real(stroke.fadeSizeLength);
    w.real(stroke.waveDepth);
    w.real(stroke.wavePhase);
    w.real(stroke.wavePeriod);
    return w.record();
}

BrushSettings soundBrush(const PresetRecord& record) {
    const BrushSettings start;
    RecordReader r(record);
    BrushSettings brush;
    brush.red = r.byte();
    brush.green = r.byte();
    brush.blue = r.byte();
    brush.paintStyle = patternNumber(r.byte());
    brush.thickness = r.real(0.0f, thicknessFromSlider(kSliderMax), start.thickness);
    brush.tool = soundTool(r.word());
    brush.size = std::clamp(int32_t(r.word()), sizeFromSlider(0.0f), sizeFromSlider(kSliderMax));
    brush.amount = r.real(amountFromSlider(0.0f), amountFromSlider(kSliderMax), start.amount);
    brush.glossLevel = r.byte();
    brush.texture = patternNumber(r.byte());
    brush.hardness = std::min<uint8_t>(r.byte(), 100);
    brush.spare = r.byte();
    return brush;
}

StrokeModifiers soundStroke(const PresetRecord& record) {
    const StrokeModifiers start;
    RecordReader r(record);
    StrokeModifiers stroke;
    stroke.fadeAmount = r.byte() != 0;
    stroke.fadeSize = r.byte() != 0;
    stroke.wave = r.byte() != 0;
    stroke.reserved = r.byte();
    stroke.fadeAmountLength = r.real(0.0f, kSliderMax, start.fadeAmountLength);
    stroke.fadeSizeLength = r.real(0.0f, kSliderMax, start.fadeSizeLength);
    stroke.waveDepth = r.real(0.0f, kSliderMax, start.waveDepth);
    stroke.wavePhase = r.real(0.0f, kSliderMax, start.wavePhase);
    stroke.wavePeriod = r.real(0.0f, kSliderMax, start.wavePeriod);
    return stroke;
}

}  // namespace dw
