// Placeholder bodies until this subsystem's handlers land.
#include "window/NALVO.h"

namespace nalvo {

bool NALVO::Oval1_MouseDown(Oval&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Oval3_MouseDown(Oval&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Oval4_MouseDown(Oval&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Oval5_MouseDown(Oval&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Oval6_MouseDown(Oval&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Oval7_MouseDown(Oval&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Oval8_MouseDown(Oval&, std::int64_t, std::int64_t) { return false; }
bool NALVO::miniOval1_MouseDown(Oval&, std::int64_t, std::int64_t) { return false; }
bool NALVO::miniOval2_MouseDown(Oval&, std::int64_t, std::int64_t) { return false; }
bool NALVO::miniOval3_MouseDown(Oval&, std::int64_t, std::int64_t) { return false; }
bool NALVO::miniOval4_MouseDown(Oval&, std::int64_t, std::int64_t) { return false; }
bool NALVO::miniOval5_MouseDown(Oval&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Oval2_MouseDown(Oval&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Oval9_MouseDown(Oval&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Oval10_MouseDown(Oval&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Oval11_MouseDown(Oval&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Oval12_MouseDown(Oval&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Oval13_MouseDown(Oval&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Oval14_MouseDown(Oval&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Oval15_MouseDown(Oval&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Oval16_MouseDown(Oval&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Oval17_MouseDown(Oval&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Oval18_MouseDown(Oval&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Oval19_MouseDown(Oval&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Oval20_MouseDown(Oval&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Oval21_MouseDown(Oval&, std::int64_t, std::int64_t) { return false; }
bool NALVO::Oval22_MouseDown(Oval&, std::int64_t, std::int64_t) { return false; }
bool NALVO::miniOval111_MouseDown(Oval&, std::int64_t, std::int64_t) { return false; }
bool NALVO::miniOval21_MouseDown(Oval&, std::int64_t, std::int64_t) { return false; }
bool NALVO::miniOval11_MouseDown(Oval&, std::int64_t, std::int64_t) { return false; }
bool NALVO::miniOval211_MouseDown(Oval&, std::int64_t, std::int64_t) { return false; }
bool NALVO::miniOval31_MouseDown(Oval&, std::int64_t, std::int64_t) { return false; }
bool NALVO::miniOval311_MouseDown(Oval&, std::int64_t, std::int64_t) { return false; }
bool NALVO::miniOval41_MouseDown(Oval&, std::int64_t, std::int64_t) { return false; }
bool NALVO::miniOval411_MouseDown(Oval&, std::int64_t, std::int64_t) { return false; }
bool NALVO::miniOval51_MouseDown(Oval&, std::int64_t, std::int64_t) { return false; }
bool NALVO::miniOval511_MouseDown(Oval&, std::int64_t, std::int64_t) { return false; }

}  // namespace nalvo
