// The user-interface thread: the thread of the Qt application, on which every
// window and control operation runs.
#pragma once

#include <string_view>

namespace nalvo {

// Raises ThreadAccessingUIException, naming `operation`, unless called on the
// user-interface thread. Without a Qt application no thread is one.
void checkUIThread(std::string_view operation);

}  // namespace nalvo
