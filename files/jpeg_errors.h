#pragma once

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace dw {

// libjpeg reports a fatal error by calling error_exit, which must not return: it jumps back to
// the setjmp of `escape`. Warnings (a scan cut short, extra bytes) leave a usable picture, and
// nothing goes to stderr.
struct JpegErrors {
    jpeg_error_mgr manager;
    std::jmp_buf escape;

    jpeg_error_mgr* install() {
        jpeg_std_error(&manager);
        manager.error_exit = [](j_common_ptr info) {
            std::longjmp(reinterpret_cast<JpegErrors*>(info->err)->escape, 1);
        };
        manager.emit_message = [](j_common_ptr, int) {};
        return &manager;
    }
};

}  // namespace dw
