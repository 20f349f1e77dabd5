// Placeholder bodies until this subsystem's handlers land.
#include "window/NALVO.h"

namespace nalvo {

bool NALVO::Event_KeyDown(const std::string&) { return true; }

}  // namespace nalvo
