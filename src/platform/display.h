// Opening the display: the QApplication.
#pragma once

#include <memory>

class QApplication;

namespace nalvo {

// Makes the QApplication from the arguments given. Where Qt can open no
// display it would print several lines of its own and abort; instead one line
// names the display that could not be opened (or says that DISPLAY is unset)
// and the process ends with status 1. Qt's messages while it starts are
// held back until the display is open, then go out as they would have.
std::unique_ptr<QApplication> openDisplay(int& argc, char** argv);

}  // namespace nalvo
