// A key press whose control is missing: the handler stops at that control,
// what it did stays done, and the window reports it once and answers false.
#include "keyboard/event_log.h"

#include <gtest/gtest.h>

namespace nalvo {
namespace {

class KeyFailure : public LoggedWindow {};

TEST_F(KeyFailure, AMissingCentrePadStopsTheNoteBlock) {
    SparseWindow sparse;
    sparse.add<NotePlayer>("NotePlayer1");
    for (const char* name : {"Oval1", "Oval2", "Oval3", "Oval4"}) sparse.add<Oval>(name);
    start({.instrument = 5, .pitch = 24, .velocity = 100, .lastPitch = 7});
    clearReports();

    EXPECT_FALSE(sparse.window().keyDown("x"));
    EXPECT_EQ(take(), (Lines{"instrument 5", "paint Oval1 255,128,128", "paint Oval2 255,192,255",
                             "paint Oval3 128,0,255", "paint Oval4 0,128,128"}));
    EXPECT_EQ(app().LastPitch, 7);
    ASSERT_EQ(reports().size(), 1u);
    EXPECT_NE(reports()[0].find("NilObjectException"), std::string::npos) << reports()[0];

    // Space gets as far, and sends no note-off; an unmatched key still answers true.
    EXPECT_FALSE(sparse.window().keyDown(" "));
    EXPECT_EQ(take().size(), 5u);
    EXPECT_TRUE(sparse.window().keyDown("a"));
    EXPECT_FALSE(sparse.window().keyDown(std::string(1, 28)));  // no PitchSlider
    EXPECT_EQ(reports().size(), 3u);
}

}  // namespace
}  // namespace nalvo
