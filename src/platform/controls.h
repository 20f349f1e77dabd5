// The framework's controls. Each visible control owns one Qt widget, made by
// its constructor; the window parents and stacks it.
#pragma once

#include "classtable.h"
#include "events.h"
#include "runtime.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QWidget;

namespace nalvo {

class Window;
class NoteOutput;

class Control : public Object {
public:
    static const char* className() { return "Control"; }
    static const ClassTable& __Lookup();
    ~Control() override;

    std::string Name;
    std::int64_t Index = 0;
    std::int64_t TabPanelIndex = 0;

    // The window that holds the control (set by Window::_AddControl).
    Window* window() const { return window_; }
    void setWindow(Window* w) { window_ = w; }

    struct Registration {
        int eventNumber;
        EventStub stub;
        std::shared_ptr<Delegate> delegate;
    };
    void addEventHandler(int eventNumber, EventStub stub, std::shared_ptr<Delegate> delegate);
    const Registration* registrationFor(int eventNumber) const;
    const std::vector<Registration>& registrations() const { return registrations_; }

    // Raises an event. With no registration for it, returns `fallback`. An
    // exception from the handler is reported once (naming the handler) and
    // `fallback` is returned: nothing escapes into the event loop.
    Value raiseEvent(int eventNumber, Args eventArgs = {}, Value fallback = {}) noexcept;

    // The Qt widget, or null for controls without a visible area.
    virtual QWidget* widget() const { return nullptr; }

    // Settings the framework stores without giving them an effect here
    // (locks, tab order, help tags, fonts, ...), by property name.
    std::map<std::string, Value, std::less<>> stored;

private:
    Window* window_ = nullptr;
    std::vector<Registration> registrations_;
};

// A control with a box on the window.
class RectControl : public Control {
public:
    static const char* className() { return "RectControl"; }
    static const ClassTable& __Lookup();
    RectControl();
    ~RectControl() override;

    // Default construction: makes the widget. Call once.
    void Constructor();
    bool constructed() const { return widget_ != nullptr; }
    QWidget* widget() const override { return widget_.get(); }

    std::int64_t Left() const { return left_; }
    std::int64_t Top() const { return top_; }
    std::int64_t Width() const { return width_; }
    std::int64_t Height() const { return height_; }
    bool Visible() const { return visible_; }
    bool Enabled() const { return enabled_; }
    void setLeft(std::int64_t v);
    void setTop(std::int64_t v);
    void setWidth(std::int64_t v);
    void setHeight(std::int64_t v);
    void setVisible(bool v);
    void setEnabled(bool v);
    std::string InitialParent;  // stored, never used to re-parent

    // Parents the widget to the window's content area, shows it as Visible
    // says and raises it above the controls attached before it.
    void attachTo(QWidget& parent);
    // Applies the stored TextFont, TextSize, Bold, Italic and Underline.
    void applyFont();

protected:
    virtual std::unique_ptr<QWidget> makeWidget() = 0;
    void syncGeometry();
    // Called after the box changed and the widget was moved.
    virtual void geometryChanged() {}

private:
    std::unique_ptr<QWidget> widget_;
    std::int64_t left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true, enabled_ = true;
};

// Shape controls, custom-painted. Their MouseDown (15) carries X and Y and
// returns a Boolean.
class Oval : public RectControl {
public:
    static const char* className() { return "Oval"; }
    static const ClassTable& __Lookup();
    const ClassTable& classTable() const override { return __Lookup(); }

    Color FillColor() const { return fill_; }
    void setFillColor(Color c);
    Color BorderColor() const { return border_; }
    void setBorderColor(Color c);
    std::int64_t BorderWidth() const { return borderWidth_; }
    void setBorderWidth(std::int64_t w);

    // Test hook: called after every FillColor write.
    static inline std::function<void(const Oval&, Color)> paintObserver;

protected:
    std::unique_ptr<QWidget> makeWidget() override;
    // Only the ellipse inscribed in the box takes mouse-downs; a press
    // outside it goes to whatever lies beneath.
    void geometryChanged() override;

private:
    Color fill_{}, border_{};
    std::int64_t borderWidth_ = 1;
};

class Rectangle : public RectControl {
public:
    static const char* className() { return "Rectangle"; }
    static const ClassTable& __Lookup();
    const ClassTable& classTable() const override { return __Lookup(); }

    Color FillColor() const { return fill_; }
    void setFillColor(Color c);
    std::int64_t BorderWidth() const { return borderWidth_; }
    void setBorderWidth(std::int64_t w);
    Color TopLeftColor() const { return topLeft_; }
    void setTopLeftColor(Color c);
    Color BottomRightColor() const { return bottomRight_; }
    void setBottomRightColor(Color c);

protected:
    std::unique_ptr<QWidget> makeWidget() override;

private:
    Color fill_{}, topLeft_{}, bottomRight_{};
    std::int64_t borderWidth_ = 1;
};

// Slider and ScrollBar: an integer Value within Minimum..Maximum. Setting
// Value from code raises ValueChanged (20) every time, also when the clamped
// value is the one it holds and on a hidden, disabled control; the user's
// drag or click, and the re-clamp after a new Minimum or Maximum, raise it
// only when the value changes.
class RangeControl : public RectControl {
public:
    std::int64_t Minimum() const { return min_; }
    std::int64_t Maximum() const { return max_; }
    std::int64_t Value() const { return value_; }
    std::int64_t LineStep() const { return lineStep_; }
    std::int64_t PageStep() const { return pageStep_; }
    void setMinimum(std::int64_t v);
    void setMaximum(std::int64_t v);
    void setValue(std::int64_t v);  // clamped to Minimum..Maximum; always raises ValueChanged
    void setLineStep(std::int64_t v);
    void setPageStep(std::int64_t v);

protected:
    void connectWidget(QWidget* w);  // the user's changes on the widget, reported once each
    void syncWidget();
    void syncWidget(QWidget* w);
    void geometryChanged() override;  // upright when taller than wide

private:
    void changeValue(std::int64_t v, bool always);
    std::int64_t min_ = 0, max_ = 100, value_ = 0, lineStep_ = 1, pageStep_ = 20;
};

class Slider : public RangeControl {
public:
    static const char* className() { return "Slider"; }
    static const ClassTable& __Lookup();
    const ClassTable& classTable() const override { return __Lookup(); }

protected:
    std::unique_ptr<QWidget> makeWidget() override;
};

class ScrollBar : public RangeControl {
public:
    static const char* className() { return "ScrollBar"; }
    static const ClassTable& __Lookup();
    const ClassTable& classTable() const override { return __Lookup(); }

protected:
    std::unique_ptr<QWidget> makeWidget() override;
};

// The popup menu: rows from InitialValue (rows separated by CR), a 0-based
// ListIndex (-1: none). Choosing a row, by the user or from code, raises Change (15).
class PopupMenu : public RectControl {
public:
    static const char* className() { return "PopupMenu"; }
    static const ClassTable& __Lookup();
    const ClassTable& classTable() const override { return __Lookup(); }

    const std::string& InitialValue() const { return initialValue_; }
    void setInitialValue(std::string rows);
    std::int64_t ListCount() const { return static_cast<std::int64_t>(rows_.size()); }
    const std::string& List(std::int64_t row) const;  // OutOfBoundsException outside the rows
    std::int64_t ListIndex() const { return listIndex_; }
    void setListIndex(std::int64_t row);  // OutOfBoundsException outside -1..ListCount-1

protected:
    std::unique_ptr<QWidget> makeWidget() override;

private:
    void syncWidget(QWidget* w) const;
    std::string initialValue_;
    std::vector<std::string> rows_;
    std::int64_t listIndex_ = -1;
};

// A push button: a click raises Action (15). It never takes keyboard focus.
class PushButton : public RectControl {
public:
    static const char* className() { return "PushButton"; }
    static const ClassTable& __Lookup();
    const ClassTable& classTable() const override { return __Lookup(); }

    const std::string& Caption() const { return caption_; }
    void setCaption(std::string caption);

protected:
    std::unique_ptr<QWidget> makeWidget() override;

private:
    std::string caption_;
};

class TextField : public RectControl {
public:
    static const char* className() { return "TextField"; }
    static const ClassTable& __Lookup();
    const ClassTable& classTable() const override { return __Lookup(); }

    const std::string& Text() const { return text_; }
    void setText(std::string text);
    // Applies the stored TextColor and BackColor.
    void applyColors();

protected:
    std::unique_ptr<QWidget> makeWidget() override;

private:
    std::string text_;
};

// A timer that keeps its Mode and Period and never fires.
class Timer : public Control {
public:
    static const char* className() { return "Timer"; }
    static const ClassTable& __Lookup();
    const ClassTable& classTable() const override { return __Lookup(); }

    std::int64_t Mode = 0;
    std::int64_t Period = 0;
};

// The General MIDI note player: hands its calls to the program's NoteOutput.
class NotePlayer : public Control {
public:
    static const char* className() { return "NotePlayer"; }
    static const ClassTable& __Lookup();
    const ClassTable& classTable() const override { return __Lookup(); }

    std::int64_t Instrument() const { return instrument_; }
    void setInstrument(std::int64_t instrument);
    // Velocity above 0 starts `note`; velocity 0 ends it.
    void PlayNote(std::int64_t note, std::int64_t velocity);

private:
    std::int64_t instrument_ = 0;
};

}  // namespace nalvo
