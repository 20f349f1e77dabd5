// Placeholder bodies until this subsystem's handlers land.
#include "window/NALVO.h"

namespace nalvo {

bool NALVO::Rectangle23_MouseDown(Rectangle&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Rectangle1_MouseDown(Rectangle&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Rectangle2_MouseDown(Rectangle&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Rectangle3_MouseDown(Rectangle&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Rectangle4_MouseDown(Rectangle&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Rectangle5_MouseDown(Rectangle&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Rectangle6_MouseDown(Rectangle&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Rectangle7_MouseDown(Rectangle&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Rectangle8_MouseDown(Rectangle&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Rectangle10_MouseDown(Rectangle&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Rectangle11_MouseDown(Rectangle&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Rectangle12_MouseDown(Rectangle&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Rectangle17_MouseDown(Rectangle&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Rectangle13_MouseDown(Rectangle&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Rectangle9_MouseDown(Rectangle&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Rectangle15_MouseDown(Rectangle&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Rectangle16_MouseDown(Rectangle&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Rectangle19_MouseDown(Rectangle&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Rectangle20_MouseDown(Rectangle&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Rectangle18_MouseDown(Rectangle&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Rectangle24_MouseDown(Rectangle&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Rectangle25_MouseDown(Rectangle&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Rectangle26_MouseDown(Rectangle&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Rectangle30_MouseDown(Rectangle&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Rectangle31_MouseDown(Rectangle&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Rectangle32_MouseDown(Rectangle&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Rectangle33_MouseDown(Rectangle&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Rectangle35_MouseDown(Rectangle&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Rectangle36_MouseDown(Rectangle&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Rectangle14_MouseDown(Rectangle&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Rectangle38_MouseDown(Rectangle&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Rectangle21_MouseDown(Rectangle&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Rectangle39_MouseDown(Rectangle&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Rectangle27_MouseDown(Rectangle&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Rectangle40_MouseDown(Rectangle&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Rectangle22_MouseDown(Rectangle&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Rectangle41_MouseDown(Rectangle&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Rectangle42_MouseDown(Rectangle&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Rectangle45_MouseDown(Rectangle&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Rectangle44_MouseDown(Rectangle&, std::int64_t, std::int64_t) { return false; }

}  // namespace nalvo
