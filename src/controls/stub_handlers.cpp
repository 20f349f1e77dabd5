// Placeholder bodies until this subsystem's handlers land.
#include "window/NALVO.h"

namespace nalvo {

void NALVO::PitchSlider_ValueChanged(Slider&) {}
void NALVO::VelocitySlider_Open(Slider&) {}
void NALVO::VelocitySlider_ValueChanged(Slider&) {}
void NALVO::MusicPopupMenu_Change(PopupMenu&) {}
void NALVO::MusicPopupMenu_Open(PopupMenu&) {}
void NALVO::NotePlayer1_Open(NotePlayer&) {}
void NALVO::PushButton1_Action(PushButton&) {}
void NALVO::PushButton2_Action(PushButton&) {}
void NALVO::VeclotityBar_Open(ScrollBar&) {}
void NALVO::VeclotityBar_ValueChanged(ScrollBar&) {}
void NALVO::PitchBar_Open(ScrollBar&) {}
void NALVO::PitchBar_ValueChanged(ScrollBar&) {}

void NALVO::Event_Open() {}
std::int64_t NALVO::Onpu(std::int64_t, std::int64_t, std::int64_t) { return 0; }
void NALVO::pxx(std::int64_t) {}

}  // namespace nalvo
