#pragma once

#include <functional>

namespace dw {

class MessageQueue;
class Surface;

enum class SplashClosing { Automatic, OnUserAction };

// The splash picture centred on the screen in a borderless framed window. The work runs once
// while it shows; then, closing automatically, it goes 2.5 s after it appeared; in any case a
// click, a key or switching to another program closes it. Messages for other windows wait
// in the queue for the main loop.
void ShowSplash(const Surface& picture, SplashClosing closing, const std::function<void()>& work,
                MessageQueue& queue);

}  // namespace dw
