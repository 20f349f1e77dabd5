// No stuck notes: thousands of random user events on the real window, from a
// fixed seed, played on real FluidSynth. After every event the synthesizer
// holds at most one note; after Space it holds none.
#include "platform/application.h"
#include "support/fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QMainWindow>
#include <QTest>

#include <random>

namespace nalvo {
namespace {

// Random user events on the window: clicks anywhere (the bars among them),
// typed text (note keys, Space, other characters), arrows, popup rows, buttons.
// Any bytes as a key string are the key-down fuzz target's.
class Monkey {
public:
    explicit Monkey(NALVO& w) : w_(w) {}

    // Performs one event; returns what it was, for failure messages. `space`: it was Space.
    std::string next(bool& space) {
        const int pick = pick_(0, 99);
        space = pick >= 90;
        if (pick < 30) return clickAt(QPoint(pick_(0, 1049), pick_(0, 499)));
        if (pick < 60) return type(QString::fromUtf8(std::array{"z", "x", "/", "d", ";", "]", "q", "p", "9", "0", "a", "Z",
                                                                 "", "\xC3\x9B", "\xF0\x9F\x8E\xB9"}[pick_(0, 14)]));
        if (pick < 68) {
            const Qt::Key key = std::array{Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down}[pick_(0, 3)];
            for (int i = pick_(1, 25); i > 0; --i) QTest::keyClick(&w_.qtWindow(), key);
            return "arrows " + std::to_string(key);
        }
        if (pick < 77) return popupRow();
        if (pick < 90) return clickAt((pick < 86 ? w_.PushButton1() : w_.PushButton2()).widget()->geometry().center());
        return type(QStringLiteral(" "));
    }

private:
    int pick_(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }

    std::string clickAt(QPoint p) {
        QWidget& area = w_.contentArea();
        QWidget* target = area.childAt(p);
        for (QWidget* up = target; up; up = up->parentWidget())
            if (qobject_cast<QComboBox*>(up)) return popupRow();  // a click would open the list
        if (!target) target = &area;
        QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->mapFrom(&area, p));
        return "click at " + std::to_string(p.x()) + "," + std::to_string(p.y());
    }

    std::string type(const QString& text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
        QApplication::sendEvent(&w_.qtWindow(), &press);
        return "key \"" + text.toStdString() + "\"";
    }

    std::string popupRow() {
        auto* combo = qobject_cast<QComboBox*>(w_.MusicPopupMenu().widget());
        combo->setCurrentIndex(pick_(0, combo->count() - 1));
        return "popup row " + std::to_string(combo->currentIndex());
    }

    NALVO& w_;
    std::mt19937 rng_{2018};
};

class NoStuckNotes : public WindowFixture {};

TEST_F(NoStuckNotes, RandomEventsLeaveAtMostOneNoteHeld) {
    std::string error;
    std::shared_ptr<FluidSynthOutput> synth = FluidSynthOutput::openRender(testSoundFont(), error);
    ASSERT_TRUE(synth) << error;
    setNoteOutput(synth);
    // REC runs the real script runner, with no Resources folder anywhere.
    setScriptRunner(nullptr);
    Application::executableOverride = [] { return std::optional<std::filesystem::path>("/nonexistent/nalvo/bin/nalvo"); };
    window().qtWindow().activateWindow();

    Monkey monkey(window());
    std::vector<float> buffer;
    int played = 0, spaces = 0;
    for (int i = 0; i < 4000; ++i) {
        bool space = false;
        const std::string what = monkey.next(space);
        synth->render(64, buffer);
        const auto held = heldNotes(*synth);
        ASSERT_LE(held.size(), 1u) << "event " << i << " (" << what << ") left " << ::testing::PrintToString(held);
        if (space) ASSERT_TRUE(held.empty()) << "event " << i << ": Space left " << ::testing::PrintToString(held);
        played += !held.empty();
        spaces += space;
    }
    EXPECT_GT(played, 1500) << "the random events hardly reached the handlers";
    EXPECT_GT(spaces, 200);
    for (const std::string& line : reports)
        EXPECT_TRUE(line.find("script") != std::string::npos || line.find("Resources") != std::string::npos) << line;
}

}  // namespace
}  // namespace nalvo
