#pragma once
#include <functional>

namespace orvella::ui::win32 {

// Gets and delivers messages until the quit message arrives, which it takes.
void RunUntilQuit();
// Gets and delivers messages until `done` holds (true) or the quit message arrives (false); the
// quit message is posted again so that the outer loop ends too.
bool RunUntil(const std::function<bool()>& done);
// Delivers the messages already waiting; a quit message is left for the outer loop.
void DeliverPending();

}  // namespace orvella::ui::win32
