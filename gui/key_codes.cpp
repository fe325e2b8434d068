#include "gui/key_codes.h"

#include <Qt>

namespace dw {

uint32_t virtualKeyCode(int qtKey) {
    // Letters, digits and Space share their codes with the virtual keys.
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) ||
        qtKey == Qt::Key_Space) {
        return uint32_t(qtKey);
    }
    switch (qtKey) {
        case Qt::Key_Backspace:
            return 8;
        case Qt::Key_Tab:
            return 9;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        case Qt::Key_Shift:
            return 16;
        case Qt::Key_Control:
            return 17;
        case Qt::Key_Alt:
            return 18;
        case Qt::Key_Escape:
            return 27;
        case Qt::Key_Left:
            return 37;
        case Qt::Key_Up:
            return 38;
        case Qt::Key_Right:
            return 39;
        case Qt::Key_Down:
            return 40;
        case Qt::Key_Delete:
            return 46;
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            return 187;
        case Qt::Key_Minus:
            return 189;
        case Qt::Key_BracketLeft:
            return 219;
        case Qt::Key_BracketRight:
            return 221;
        default:
            return 0;
    }
}

}  // namespace dw
