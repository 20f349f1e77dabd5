// Building the window: layout, the 87 controls in creation order with their
// records and bindings, failures during creation, accessors.
#include "app/MenuBar1.h"
#include "support/fixture.h"

#include <QImage>
#include <QMainWindow>
#include <QScrollBar>
#include <QTest>
#include <QWidget>

#include <map>

namespace nalvo {
namespace {

class NalvoWindow : public WindowFixture {};

// One menu bar for the window and the application; a fixed black 1050 x 500
// window with a close button and no minimise button (its maximise button stands
// for full screen); white piano keys outlined in black.
TEST_F(NalvoWindow, LayoutInstallsTheSharedMenuBarAndTheRecord) {
    EXPECT_EQ(window().menuBar(), &MenuBar1());
    EXPECT_EQ(app().menuBar(), &MenuBar1());
    QMainWindow& qt = window().qtWindow();
    EXPECT_EQ(qt.windowTitle(), "NALVO PRO 2018");
    EXPECT_TRUE(qt.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(qt.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&qt));
    EXPECT_EQ(window().contentArea().size(), QSize(1050, 500));
    EXPECT_EQ(qt.minimumSize(), qt.maximumSize());
    const QImage image = window().contentArea().grab().toImage();
    const std::pair<QPoint, QColor> pixels[] = {{{443, 480}, Qt::black}, {{369, 480}, Qt::white},
                                                {{344, 480}, Qt::black}, {{393, 499}, Qt::black}};
    for (const auto& [at, colour] : pixels) EXPECT_EQ(image.pixelColor(at), colour) << at.x() << "," << at.y();
    EXPECT_EQ(qobject_cast<QScrollBar*>(window().VeclotityBar().widget())->orientation(), Qt::Vertical);
    EXPECT_EQ(qobject_cast<QScrollBar*>(window().PitchBar().widget())->orientation(), Qt::Horizontal);
}

// The control bar: Left, Top, Width, Height (none for the note player and the
// timer), shown and enabled or neither, and the events bound (event number,
// handler suffix) in binding order. Every pad and piano key binds its
// MouseDown alone; their places are the pad and piano suites'.
struct BarControl {
    std::vector<std::int64_t> box;
    bool shown;
    std::vector<std::pair<int, std::string>> bound;
};
const std::map<std::string, BarControl> kBar = {
    {"PitchSlider", {{857, 314, 100, 20}, false, {{20, "ValueChanged"}}}},
    {"VelocitySlider", {{138, 285, 14, 46}, false, {{2, "Open"}, {20, "ValueChanged"}}}},
    {"textfield", {{621, -10, 80, 22}, false, {}}},
    {"MusicPopupMenu", {{656, 24, 152, 34}, true, {{15, "Change"}, {2, "Open"}}}},
    {"NotePlayer1", {{}, false, {{2, "Open"}}}},
    {"PushButton1", {{463, 24, 119, 33}, true, {{15, "Action"}}}},
    {"Mytimer", {{}, false, {}}},
    {"PushButton2", {{304, 24, 97, 39}, true, {{15, "Action"}}}},
    {"VeclotityBar", {{20, 100, 57, 218}, true, {{2, "Open"}, {20, "ValueChanged"}}}},
    {"PitchBar", {{811, 378, 200, 15}, true, {{2, "Open"}, {20, "ValueChanged"}}}},
};

// Control i is the one whose record is stored i-th, of its class, with its
// events bound to its own handlers; a control of the bar where it belongs.
void expectBuilt(NALVO& w, std::size_t i) {
    const std::string name = w.controlNameAt(i);
    SCOPED_TRACE(name);
    const std::string_view record = layoutRecord(name);
    EXPECT_EQ(storedLayoutTexts().substr(storedLayoutOffsets()[i + 1] + 1, record.size()), record);
    auto& control = dynamic_cast<Control&>(w.controlAt(i));
    const auto bar = kBar.find(name);
    if (bar != kBar.end()) {
        auto* rect = dynamic_cast<RectControl*>(&control);
        std::vector<std::int64_t> box;
        if (rect) box = {rect->Left(), rect->Top(), rect->Width(), rect->Height()};
        EXPECT_EQ(box, bar->second.box);
        EXPECT_EQ(rect && rect->Visible(), bar->second.shown);
        EXPECT_EQ(rect && rect->Enabled(), bar->second.shown);
    }
    const auto expected = bar != kBar.end() ? bar->second.bound : decltype(bar->second.bound){{15, "MouseDown"}};
    const std::string cls = control.classTable().name;
    const auto& registered = control.registrations();
    ASSERT_EQ(registered.size(), expected.size());
    for (std::size_t k = 0; k < expected.size(); ++k) {
        const auto& r = registered[k];
        const bool mouse = expected[k].second == "MouseDown";
        EXPECT_EQ(r.eventNumber, expected[k].first);
        EXPECT_EQ(r.delegate->method, w.classTable().findMember(name + "_" + expected[k].second));
        EXPECT_EQ(r.delegate->target, &w);
        EXPECT_EQ(r.delegate->signature, mouse ? "( " + cls + ", Integer, Integer ) as Boolean" : "( " + cls + " )");
        EXPECT_EQ(r.stub, mouse ? &stubMouseDown : &stubNoArguments);
    }
}

TEST_F(NalvoWindow, ControlsInCreationOrderWithRecordsAndBindings) {
    ASSERT_EQ(window().controlCount(), 87u);
    for (std::size_t i = 0; i < 87; ++i) {
        expectBuilt(window(), i);
        const Value accessor = window().classTable().invoke(window(), window().controlNameAt(i));
        EXPECT_EQ(std::get<Object*>(accessor), &window().controlAt(i));
    }
    EXPECT_EQ(window().Mytimer().Period, 1000);
}

class NalvoCreation : public WindowFixture {
protected:
    void TearDown() override {
        Window::beforeConstruct = nullptr;
        WindowFixture::TearDown();
    }
    static void failAt(const char* control) {
        Window::beforeConstruct = [control](std::string_view name) {
            if (name == control) throw RuntimeException("injected failure");
        };
    }
};

TEST_F(NalvoCreation, AFailureKeepsTheControlsBeforeItAndRunsNoLaterChunk) {
    NALVO bare;
    EXPECT_THROW(bare.Oval1(), NilObjectException);
    EXPECT_THROW(bare.FileQuit(), NilObjectException);  // no menu bar

    for (const auto& [at, kept] : {std::pair{"Oval20", 29u}, std::pair{"miniOval11", 34u}}) {
        failAt(at);
        NALVO w;
        EXPECT_THROW(w.Constructor(), RuntimeException);
        ASSERT_EQ(w.controlCount(), kept) << at;
        for (std::size_t i = 0; i < kept; ++i) expectBuilt(w, i);
        EXPECT_EQ(w._ControlByName(at), nullptr);
    }
    resetDefaultWindow();
    failAt("PitchBar");
    EXPECT_THROW(defaultWindow(), RuntimeException);
    EXPECT_EQ(existingDefaultWindow(), nullptr);  // not kept
    Window::beforeConstruct = nullptr;
    EXPECT_EQ(defaultWindow().controlCount(), 87u);
}

}  // namespace
}  // namespace nalvo
