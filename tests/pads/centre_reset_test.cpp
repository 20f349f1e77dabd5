// The centre reset as other surfaces call it, and a pad click on a window
// whose centre pad is missing.
#include "pads/colours.h"
#include "pads/pad_test_support.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace nalvo {
namespace {

const std::vector<std::string> kFullReset = {
    "paint Oval1 255,128,128",     "paint Oval2 255,192,255",     "paint Oval3 128,0,255",
    "paint Oval4 0,128,128",       "paint Oval5 128,128,255",     "paint Oval6 0,64,128",
    "paint Oval7 0,0,128",         "paint Oval8 255,128,128",     "paint miniOval1 255,255,128",
    "paint miniOval2 255,255,128", "paint miniOval3 255,255,128", "paint miniOval4 255,255,128",
    "paint miniOval5 255,255,128",
};

class CentreReset : public PadTest {};

TEST_F(CentreReset, PaintsTheThirteenCentrePadsInOrder) {
    startLog();
    centreReset(window());
    EXPECT_EQ(stopLog(), kFullReset);
}

TEST_F(CentreReset, ReplacedEntryPaintsAnotherPadInTheCentrePadsPlace) {
    // As the computer keyboard lights Oval12 in place of Oval3.
    click("Oval3");
    const ReplacedEntry entry{CentrePad::Oval3, window().Oval12()};
    startLog();
    centreReset(window(), &entry);
    std::vector<std::string> expected = kFullReset;
    expected[2] = "paint Oval12 128,0,255";
    EXPECT_EQ(stopLog(), expected);
    EXPECT_EQ(colour("Oval3"), RGB(160, 32, 255));  // left lit
}

TEST_F(CentreReset, PitchClassColoursAndCentrePads) {
    EXPECT_EQ(baseColour(PitchClass::A), RGB(0, 64, 128));
    EXPECT_EQ(highlightColour(PitchClass::Sharp), RGB(255, 255, 64));
    EXPECT_STREQ(centrePadName(CentrePad::miniOval3), "miniOval3");
    EXPECT_EQ(&centrePadControl(window(), CentrePad::Oval8), &window().Oval8());
}

// A window holding only some controls: NotePlayer1, the centre pads Oval1 to
// Oval4 and the clicked pad, its MouseDown bound as the window binds it.
class PartialWindow {
public:
    explicit PartialWindow(const std::string& clicked) {
        add<NotePlayer>("NotePlayer1");
        for (const char* name : {"Oval1", "Oval2", "Oval3", "Oval4"}) add<Oval>(name);
        Oval& pad = add<Oval>(clicked);
        const MemberRecord* method = window_.classTable().findMember(clicked + "_MouseDown");
        auto delegate = RuntimeCreateDelegate(delegateInvokerFor("Oval"), method, &window_,
                                              delegateSignatureFor("Oval"), 1);
        RuntimeAddEventHandler(pad, event_number::MouseDown, stubMouseDown, std::move(delegate));
        pad_ = &pad;
    }
    Value click() {
        const Value args[] = {std::int64_t{1}, std::int64_t{1}};
        return pad_->raiseEvent(event_number::MouseDown, args, Value{false});
    }

private:
    template <class T>
    T& add(const std::string& name) {
        std::unique_ptr<Object> object = window_.__New(T::__Lookup());
        T& control = *checkCast<T>(object.get());
        if constexpr (std::is_base_of_v<RectControl, T>) control.Constructor();
        control.Name = name;
        window_._AddControl(name, std::move(object));
        return control;
    }
    NALVO window_;
    Oval* pad_ = nullptr;
};

TEST_F(CentreReset, MissingCentrePadEndsTheHandlerAndIsReportedOnce) {
    setState(7, 24, 50, 33);
    PartialWindow partial("Oval19");  // its reset stops at Oval5
    clearReports();
    startLog();
    const Value result = partial.click();
    EXPECT_EQ(stopLog(), (std::vector<std::string>{
                             "instrument 7", "off 33", "paint Oval19 255,128,128", "paint Oval2 255,192,255",
                             "paint Oval3 128,0,255", "paint Oval4 0,128,128"}));
    EXPECT_EQ(result, Value{false});
    ASSERT_EQ(reports().size(), 1u);
    EXPECT_NE(reports()[0].find("Oval19_MouseDown"), std::string::npos) << reports()[0];
    EXPECT_NE(reports()[0].find("NilObjectException"), std::string::npos) << reports()[0];
    EXPECT_EQ(theApp().LastPitch, 33);

    // The program goes on: the real window's pads still play.
    startLog();
    click("Oval5");
    EXPECT_EQ(stopLog().back(), "store 91");
    EXPECT_EQ(reports().size(), 1u);
}

TEST_F(CentreReset, MissingCentrePadStopsASharpPadBeforeItsNote) {
    setState(7, 24, 50, 33);
    PartialWindow partial("miniOval311");
    clearReports();
    startLog();
    partial.click();
    EXPECT_EQ(stopLog(), (std::vector<std::string>{"off 33", "paint Oval1 255,128,128", "paint Oval2 255,192,255",
                                                   "paint Oval3 128,0,255", "paint Oval4 0,128,128"}));
    EXPECT_EQ(reports().size(), 1u);
}

}  // namespace
}  // namespace nalvo
