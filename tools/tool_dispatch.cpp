#include "tools/tool_dispatch.h"

#include "tools/adjust_tools.h"
#include "tools/deposit_tools.h"
#include "tools/smear_tools.h"

namespace dw {
namespace {

using Effect = void (*)(Canvas&, int, int, BrushSettings, const DabContext&);

Effect effectOf(ToolId tool) {
    switch (tool) {
        case ToolId::TubePaint:
            return TubePaint;
        case ToolId::PaintBrush:
            return PaintBrush;
        case ToolId::SprayPaint:
            return SprayPaint;
        case ToolId::GelBrush:
            return GelBrush;
        case ToolId::Knife:
            return Knife;
        case ToolId::Eraser:
            return Eraser;
        case ToolId::Sponge:
            return Sponge;
        case ToolId::Finger:
            return Finger;
        case ToolId::Brighten:
            return Brighten;
        case ToolId::Darken:
            return Darken;
        case ToolId::Gloss:
            return Gloss;
        case ToolId::Matte:
            return Matte;
        case ToolId::Raise:
            return Raise;
        case ToolId::Lower:
            return Lower;
        default:
            return nullptr;
    }
}

}  // namespace

bool ApplyToolEffect(ToolId tool, Canvas& canvas, int x, int y, const BrushSettings& s,
                     const DabContext& context) {
    const Effect effect = effectOf(tool);
    if (!effect) {
        return false;
    }
    effect(canvas, x, y, s, context);
    return true;
}

}  // namespace dw
