// No stuck notes: 10,000 random user events on the real window, from a fixed
// seed. After every event at most one note sounds; after Space none does.
// Then the same events on real FluidSynth, whose voices must all end after
// Space and after quitting.
#include "platform/application.h"
#include "platform/fluidsynth_output.h"
#include "platform/script.h"
#include "support/window_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QScrollBar>
#include <QTest>

#include <algorithm>
#include <bitset>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <sstream>
#include <string>

namespace nalvo {
namespace {

constexpr unsigned kSeed = 2018;

// The notes that sound after the calls seen so far, by the output's policy:
// notes outside 0..127 are dropped, a velocity above 0 starts a note.
class Sounding {
public:
    void follow(const NoteCalls& calls) {
        for (; seen_ < calls.size(); ++seen_) {
            const NoteCall& c = calls[seen_];
            if (c.kind == NoteCall::AllNotesOff) notes_.reset();
            if ((c.kind != NoteCall::NoteOn && c.kind != NoteCall::NoteOff) || c.value < 0 || c.value > 127) continue;
            notes_.set(static_cast<std::size_t>(c.value), c.kind == NoteCall::NoteOn && c.velocity > 0);
        }
    }
    std::size_t count() const { return notes_.count(); }
    std::string text() const {
        std::string s;
        for (std::size_t n = 0; n < 128; ++n)
            if (notes_[n]) s += std::to_string(n) + " ";
        return s;
    }

private:
    std::bitset<128> notes_;
    std::size_t seen_ = 0;
};

// Sends every call to two outputs: the recording and the synthesizer.
class Tee final : public NoteOutput {
public:
    Tee(NoteOutput& a, NoteOutput& b) : a_(a), b_(b) {}
    void setInstrument(std::int64_t i) override { a_.setInstrument(i); b_.setInstrument(i); }
    void playNote(std::int64_t n, std::int64_t v) override { a_.playNote(n, v); b_.playNote(n, v); }
    void allNotesOff() override { a_.allNotesOff(); b_.allNotesOff(); }

private:
    NoteOutput& a_;
    NoteOutput& b_;
};

// Random user events on the window.
class Monkey {
public:
    explicit Monkey(NALVO& w) : w_(w), rng_(kSeed) {}

    // Performs one event; returns what it was, for failure messages.
    std::string next(bool& wasSpace) {
        wasSpace = false;
        const int pick = pickInt(0, 99);
        if (pick < 30) return clickSomewhere();
        if (pick < 55) return typeText(randomKeyText());
        if (pick < 60) return typeBytes();
        if (pick < 68) return arrowsToLimit();
        if (pick < 72) return popupRow();
        if (pick < 77) return barValue();
        if (pick < 86) return clickControl(w_.PushButton1(), "Randam Hit");
        if (pick < 89) return clickControl(w_.PushButton2(), "REC");
        wasSpace = true;
        return typeText(QStringLiteral(" "));
    }

private:
    int pickInt(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }

    std::string clickSomewhere() {
        QWidget& area = w_.contentArea();
        const QPoint p(pickInt(0, area.width() - 1), pickInt(0, area.height() - 1));
        QWidget* target = area.childAt(p);
        for (QWidget* up = target; up; up = up->parentWidget())
            if (qobject_cast<QComboBox*>(up)) return popupRow();  // a click would open the list
        if (!target) target = &area;
        QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->mapFrom(&area, p));
        std::ostringstream s;
        s << "click at " << p.x() << "," << p.y() << " on " << target->metaObject()->className();
        return s.str();
    }

    QString randomKeyText() {
        static const char* const kKeys[] = {"z", "x", "c", "v", "b", "n", "m", ",", ".", "/", "d", "f", "h", "j",
                                            "k", ";", "]", "q", "w", "e", "r", "t", "y", "u", "i", "o", "p", "2",
                                            "3", "5", "6", "7", "9", "0", " ", "a", "Z", "-", "[", "1", "zq"};
        switch (pickInt(0, 9)) {
        case 0: return QString();                                   // empty
        case 1: return QString::fromUcs4(U"\U0001F3B9", 1);          // non-BMP
        case 2: return QString(QChar(0xDB));                         // code 219
        case 3: return QString(QChar(static_cast<char16_t>(pickInt(1, 0xD7FF))));
        case 4: return QString(QChar(static_cast<char16_t>(pickInt(1, 300))));
        default: return QString::fromUtf8(kKeys[pickInt(0, std::size(kKeys) - 1)]);
        }
    }

    std::string typeText(const QString& text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
        QApplication::sendEvent(&w_.qtWindow(), &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, text);
        QApplication::sendEvent(&w_.qtWindow(), &release);
        return "key \"" + text.toStdString() + "\"";
    }

    // Straight to the handler, with bytes that need not be UTF-8.
    std::string typeBytes() {
        std::string bytes(static_cast<std::size_t>(pickInt(0, 4)), '\0');
        for (char& b : bytes) b = static_cast<char>(pickInt(0, 255));
        w_.keyDown(bytes);
        return "key bytes of length " + std::to_string(bytes.size());
    }

    std::string arrowsToLimit() {
        static const Qt::Key kArrows[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down};
        const Qt::Key key = kArrows[pickInt(0, 3)];
        const int times = pickInt(1, 25);
        for (int i = 0; i < times; ++i) QTest::keyClick(&w_.qtWindow(), key);
        return "arrow " + std::to_string(key) + " x" + std::to_string(times);
    }

    std::string popupRow() {
        auto* combo = qobject_cast<QComboBox*>(w_.MusicPopupMenu().widget());
        const int row = pickInt(-1, combo ? combo->count() - 1 : 127);
        if (combo) combo->setCurrentIndex(row);
        return "popup row " + std::to_string(row);
    }

    std::string barValue() {
        const bool pitch = pickInt(0, 1) == 0;
        auto* bar = qobject_cast<QScrollBar*>(pitch ? w_.PitchBar().widget() : w_.VeclotityBar().widget());
        if (!bar) return "no bar";
        const int v = pickInt(bar->minimum() - 2, bar->maximum() + 2);
        bar->setValue(v);
        return std::string(pitch ? "pitch" : "velocity") + " bar " + std::to_string(v);
    }

    std::string clickControl(RectControl& c, const char* what) {
        QWidget* widget = c.widget();
        if (widget) QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
        return std::string("click ") + what;
    }

    NALVO& w_;
    std::mt19937 rng_;
};

class NoStuckNotes : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        // REC runs the real script runner, with no Resources folder anywhere.
        setScriptRunner(nullptr);
        Application::executableOverride = [] {
            return std::optional<std::filesystem::path>("/nonexistent/nalvo-test/bin/nalvo");
        };
        window().qtWindow().activateWindow();
    }

    // Reports other than the script runner's notices are faults.
    void expectOnlyScriptNotices() {
        for (const std::string& line : reports())
            EXPECT_TRUE(line.find("script") != std::string::npos || line.find("Resources") != std::string::npos)
                << "unexpected report: " << line;
    }
};

TEST_F(NoStuckNotes, TenThousandRandomEventsLeaveAtMostOneNoteSounding) {
    Monkey monkey(window());
    Sounding sounding;
    for (int i = 0; i < 10000; ++i) {
        bool space = false;
        const std::string what = monkey.next(space);
        sounding.follow(notes().calls());
        ASSERT_LE(sounding.count(), 1u) << "event " << i << " (" << what << ") left sounding: " << sounding.text();
        if (space) ASSERT_EQ(sounding.count(), 0u) << "event " << i << ": Space left sounding: " << sounding.text();
    }
    // The events really played: most of them start a note.
    const auto started = std::count_if(notes().calls().begin(), notes().calls().end(),
                                       [](const NoteCall& c) { return c.kind == NoteCall::NoteOn; });
    EXPECT_GT(started, 3000) << "the random events hardly reached the handlers";
    expectOnlyScriptNotices();
}

TEST_F(NoStuckNotes, SynthesizerVoicesEndAfterSpaceAndAfterQuitting) {
    const char* font = std::getenv("NALVO_TEST_SOUNDFONT");
    if (!font || !std::filesystem::exists(font)) GTEST_SKIP() << "no test SoundFont";
    std::string error;
    auto synth = FluidSynthOutput::openRender(font, error);
    ASSERT_TRUE(synth) << error;
    setNoteOutput(std::make_shared<Tee>(notes(), *synth));
    struct Restore {
        ~Restore() { setNoteOutput(nullptr); }
    } restore;  // the synthesizer goes before the fixture's tear-down

    constexpr int kBlock = 480;                 // 10 ms at 48 kHz
    constexpr int kMaxReleaseBlocks = 30 * 100;  // 30 s of sound
    std::vector<float> buffer;
    auto releaseBlocks = [&] {
        int blocks = 0;
        while (synth->activeVoiceCount() > 0 && blocks < kMaxReleaseBlocks) {
            synth->render(kBlock, buffer);
            ++blocks;
        }
        return blocks;
    };

    Monkey monkey(window());
    Sounding sounding;
    for (int i = 0; i < 2000; ++i) {
        bool space = false;
        const std::string what = monkey.next(space);
        synth->render(kBlock, buffer);
        sounding.follow(notes().calls());
        ASSERT_LE(sounding.count(), 1u) << "event " << i << " (" << what << ")";
        if (space) {
            releaseBlocks();
            ASSERT_EQ(synth->activeVoiceCount(), 0) << "event " << i << ": voices still sound 30 s after Space";
        }
    }
    // Quitting: every note silenced, then the release rendered.
    noteOutput().allNotesOff();
    releaseBlocks();
    EXPECT_EQ(synth->activeVoiceCount(), 0);
    expectOnlyScriptNotices();
}

}  // namespace
}  // namespace nalvo
