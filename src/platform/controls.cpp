// The framework's controls on Qt widgets, and their class tables.
#include "platform/controls.h"

#include "platform/noteoutput.h"
#include "platform/property_helpers.h"
#include "platform/ui_thread.h"

#include <QAbstractSlider>
#include <QApplication>
#include <QComboBox>
#include <QFont>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QRegion>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSlider>
#include <QThread>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <limits>

namespace nalvo {

namespace {

QColor qcolor(Color c) { return QColor(c.r, c.g, c.b); }  // alpha 0 is opaque

int toInt(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// Geometry within what Qt can hold: QRect computes x + w - 1, which must not overflow.
int toCoordinate(std::int64_t v) { return static_cast<int>(std::clamp<std::int64_t>(v, -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX)); }
int toExtent(std::int64_t v) { return static_cast<int>(std::clamp<std::int64_t>(v, 0, QWIDGETSIZE_MAX)); }

// A custom-painted shape. Without a mask the whole box takes mouse-downs.
class ShapeWidget : public QWidget {
public:
    using Paint = void (*)(const RectControl& owner, QPainter& painter, QRect box);
    ShapeWidget(RectControl& owner, Paint paint) : owner_(owner), paint_(paint) {
        setAttribute(Qt::WA_OpaquePaintEvent, false);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        paint_(owner_, painter, rect());
    }
    void mousePressEvent(QMouseEvent* event) override {
        const QPoint at = event->position().toPoint();
        const Value args[] = {std::int64_t{at.x()}, std::int64_t{at.y()}};
        owner_.raiseEvent(event_number::MouseDown, args, false);
        event->accept();
    }

private:
    RectControl& owner_;
    Paint paint_;
};

void paintOval(const RectControl& owner, QPainter& painter, QRect box) {
    const auto& oval = static_cast<const Oval&>(owner);
    painter.setRenderHint(QPainter::Antialiasing);
    const int bw = toInt(std::max<std::int64_t>(0, oval.BorderWidth()));
    if (bw > 0)
        painter.setPen(QPen(qcolor(oval.BorderColor()), bw));
    else
        painter.setPen(Qt::NoPen);
    painter.setBrush(qcolor(oval.FillColor()));
    const qreal inset = bw / 2.0;
    painter.drawEllipse(QRectF(box).adjusted(inset, inset, -inset, -inset));
}

void paintRectangle(const RectControl& owner, QPainter& painter, QRect box) {
    const auto& r = static_cast<const Rectangle&>(owner);
    painter.fillRect(box, qcolor(r.FillColor()));
    const int bw = toInt(std::clamp<std::int64_t>(r.BorderWidth(), 0, std::min(box.width(), box.height()) / 2 + 1));
    if (bw == 0) return;
    const QColor tl = qcolor(r.TopLeftColor()), br = qcolor(r.BottomRightColor());
    painter.fillRect(QRect(0, 0, box.width(), bw), tl);                     // top
    painter.fillRect(QRect(0, 0, bw, box.height()), tl);                    // left
    painter.fillRect(QRect(0, box.height() - bw, box.width(), bw), br);     // bottom
    painter.fillRect(QRect(box.width() - bw, 0, bw, box.height()), br);     // right
}

void refresh(const RectControl& c) {
    if (QWidget* w = c.widget()) w->update();
}

void fontChanged(Object& o) {
    if (auto* r = dynamic_cast<RectControl*>(&o)) r->applyFont();
}

void colorsChanged(Object& o) {
    if (auto* t = dynamic_cast<TextField*>(&o)) t->applyColors();
}

}  // namespace

// ---- Control / RectControl ----

Control::~Control() = default;
RectControl::RectControl() = default;
RectControl::~RectControl() {
    // Dropped on another thread (a failed call from there): the widget goes
    // on its own thread.
    if (widget_ && widget_->thread() != QThread::currentThread()) widget_.release()->deleteLater();
}

void RectControl::Constructor() {
    checkUIThread("RectControl.Constructor");
    if (widget_) return;  // constructed once
    widget_ = makeWidget();
    widget_->setFocusPolicy(Qt::NoFocus);
    widget_->setEnabled(enabled_);
    syncGeometry();
    applyFont();
}

void RectControl::syncGeometry() {
    if (!widget_) return;
    widget_->setGeometry(toCoordinate(left_), toCoordinate(top_), toExtent(width_), toExtent(height_));
    geometryChanged();
}

void RectControl::setLeft(std::int64_t v) { left_ = v; syncGeometry(); }
void RectControl::setTop(std::int64_t v) { top_ = v; syncGeometry(); }
void RectControl::setWidth(std::int64_t v) { width_ = v; syncGeometry(); }
void RectControl::setHeight(std::int64_t v) { height_ = v; syncGeometry(); }

void RectControl::setVisible(bool v) {
    visible_ = v;
    // A widget without a parent stays hidden: showing it would open a window of its own.
    if (widget_ && widget_->parentWidget()) widget_->setVisible(v);
}

void RectControl::setEnabled(bool v) {
    enabled_ = v;
    if (widget_) widget_->setEnabled(v);
}

void RectControl::attachTo(QWidget& parent) {
    if (!widget_) return;
    widget_->setParent(&parent);
    syncGeometry();
    widget_->setVisible(visible_);
    widget_->raise();
}

void RectControl::applyFont() {
    if (!widget_) return;
    auto get = [this](const char* name) -> const Value* {
        auto it = stored.find(name);
        return it == stored.end() ? nullptr : &it->second;
    };
    QFont font = widget_->font();
    if (auto* v = get("TextFont"); v && std::holds_alternative<std::string>(*v)) {
        const auto& family = std::get<std::string>(*v);
        if (!family.empty() && family != "System" && family != "SmallSystem")
            font.setFamily(QString::fromStdString(family));
    }
    // The layout is measured in pixels and so are its text sizes: TextSize n
    // is an n-pixel font; 0 is the system's own size, the application's font.
    if (auto* v = get("TextSize"); v && std::holds_alternative<double>(*v) && std::get<double>(*v) > 0) {
        font.setPixelSize(static_cast<int>(std::lround(std::clamp(std::get<double>(*v), 1.0, 4096.0))));
    } else {
        const QFont standard = QApplication::font(widget_.get());
        if (standard.pointSizeF() > 0)
            font.setPointSizeF(standard.pointSizeF());
        else
            font.setPixelSize(standard.pixelSize());
    }
    if (auto* v = get("Bold"); v && std::holds_alternative<bool>(*v)) font.setBold(std::get<bool>(*v));
    if (auto* v = get("Italic"); v && std::holds_alternative<bool>(*v)) font.setItalic(std::get<bool>(*v));
    if (auto* v = get("Underline"); v && std::holds_alternative<bool>(*v)) font.setUnderline(std::get<bool>(*v));
    widget_->setFont(font);
}

// ---- shapes ----

void Oval::setFillColor(Color c) {
    checkUIThread("Oval.FillColor");
    fill_ = c;
    refresh(*this);
    if (paintObserver) paintObserver(*this, c);
}
void Oval::setBorderColor(Color c) { border_ = c; refresh(*this); }
void Oval::setBorderWidth(std::int64_t w) { borderWidth_ = w; refresh(*this); }
std::unique_ptr<QWidget> Oval::makeWidget() { return std::make_unique<ShapeWidget>(*this, &paintOval); }
void Oval::geometryChanged() {
    QWidget* w = widget();
    if (!w) return;
    // Qt builds an ellipse region row by row in 16-bit drawing coordinates and
    // fails on a larger box; an oval that large lies far outside the window,
    // so it keeps its whole box. An empty box gives an empty region, which
    // clears the mask.
    constexpr int kLargestMask = 32767;
    if (w->width() > kLargestMask || w->height() > kLargestMask)
        w->clearMask();
    else
        w->setMask(QRegion(w->rect(), QRegion::Ellipse));
}

void Rectangle::setFillColor(Color c) { fill_ = c; refresh(*this); }
void Rectangle::setBorderWidth(std::int64_t w) { borderWidth_ = w; refresh(*this); }
void Rectangle::setTopLeftColor(Color c) { topLeft_ = c; refresh(*this); }
void Rectangle::setBottomRightColor(Color c) { bottomRight_ = c; refresh(*this); }
std::unique_ptr<QWidget> Rectangle::makeWidget() { return std::make_unique<ShapeWidget>(*this, &paintRectangle); }

// ---- Slider and ScrollBar ----

void RangeControl::setMinimum(std::int64_t v) {
    min_ = v;
    if (max_ < min_) max_ = min_;
    syncWidget();
    changeValue(value_, false);
}

void RangeControl::setMaximum(std::int64_t v) {
    max_ = v;
    if (min_ > max_) min_ = max_;
    syncWidget();
    changeValue(value_, false);
}

void RangeControl::setValue(std::int64_t v) { changeValue(v, true); }

void RangeControl::changeValue(std::int64_t v, bool always) {
    const std::int64_t clamped = std::clamp(v, min_, max_);
    if (clamped == value_ && !always) return;
    value_ = clamped;
    syncWidget();
    raiseEvent(event_number::ValueChanged);
}

void RangeControl::setLineStep(std::int64_t v) { lineStep_ = v; syncWidget(); }
void RangeControl::setPageStep(std::int64_t v) { pageStep_ = v; syncWidget(); }

void RangeControl::connectWidget(QWidget* w) {
    auto* slider = qobject_cast<QAbstractSlider*>(w);
    if (!slider) return;
    QObject::connect(slider, &QAbstractSlider::valueChanged, slider, [this](int v) { changeValue(v, false); });
}

void RangeControl::syncWidget() { syncWidget(widget()); }

void RangeControl::syncWidget(QWidget* w) {
    auto* slider = qobject_cast<QAbstractSlider*>(w);
    if (!slider) return;
    const QSignalBlocker block(slider);
    slider->setRange(toInt(min_), toInt(max_));
    slider->setValue(toInt(value_));
    slider->setSingleStep(toInt(lineStep_));
    slider->setPageStep(toInt(pageStep_));
}

void RangeControl::geometryChanged() {
    if (auto* slider = qobject_cast<QAbstractSlider*>(widget()))
        slider->setOrientation(Height() > Width() ? Qt::Vertical : Qt::Horizontal);
}

std::unique_ptr<QWidget> Slider::makeWidget() {
    auto w = std::make_unique<QSlider>(Qt::Horizontal);
    syncWidget(w.get());
    connectWidget(w.get());
    return w;
}

std::unique_ptr<QWidget> ScrollBar::makeWidget() {
    auto w = std::make_unique<QScrollBar>(Qt::Horizontal);
    syncWidget(w.get());
    connectWidget(w.get());
    return w;
}

// ---- PopupMenu ----

void PopupMenu::setInitialValue(std::string text) {
    initialValue_ = std::move(text);
    rows_.clear();
    if (!initialValue_.empty()) {
        std::size_t start = 0;
        for (;;) {
            const std::size_t cr = initialValue_.find('\r', start);
            rows_.push_back(initialValue_.substr(start, cr == std::string::npos ? std::string::npos : cr - start));
            if (cr == std::string::npos) break;
            start = cr + 1;
        }
    }
    if (listIndex_ >= ListCount()) listIndex_ = -1;
    syncWidget(widget());
}

const std::string& PopupMenu::List(std::int64_t row) const {
    if (row < 0 || row >= ListCount()) throw OutOfBoundsException("popup menu has no row " + std::to_string(row));
    return rows_[static_cast<std::size_t>(row)];
}

void PopupMenu::setListIndex(std::int64_t row) {
    if (row < -1 || row >= ListCount()) throw OutOfBoundsException("popup menu has no row " + std::to_string(row));
    if (row == listIndex_) return;
    listIndex_ = row;
    if (auto* combo = qobject_cast<QComboBox*>(widget()); combo && combo->currentIndex() != row) {
        const QSignalBlocker block(combo);
        combo->setCurrentIndex(toInt(row));
    }
    raiseEvent(event_number::Change);
}

void PopupMenu::syncWidget(QWidget* w) const {
    auto* combo = qobject_cast<QComboBox*>(w);
    if (!combo) return;
    const QSignalBlocker block(combo);
    combo->clear();
    for (const std::string& r : rows_) combo->addItem(QString::fromStdString(r));
    combo->setCurrentIndex(toInt(listIndex_));
}

std::unique_ptr<QWidget> PopupMenu::makeWidget() {
    auto w = std::make_unique<QComboBox>();
    syncWidget(w.get());
    QObject::connect(w.get(), &QComboBox::currentIndexChanged, w.get(), [this](int row) {
        guarded("PopupMenu", [&] { setListIndex(row); });
    });
    return w;
}

// ---- PushButton ----

void PushButton::setCaption(std::string caption) {
    caption_ = std::move(caption);
    if (auto* b = qobject_cast<QPushButton*>(widget())) b->setText(QString::fromStdString(caption_));
}

std::unique_ptr<QWidget> PushButton::makeWidget() {
    auto w = std::make_unique<QPushButton>(QString::fromStdString(caption_));
    w->setAutoDefault(false);
    QObject::connect(w.get(), &QPushButton::clicked, w.get(), [this] { raiseEvent(event_number::Action); });
    return w;
}

// ---- TextField ----

void TextField::setText(std::string text) {
    text_ = std::move(text);
    if (auto* e = qobject_cast<QLineEdit*>(widget()); e && e->text().toStdString() != text_) {
        const QSignalBlocker block(e);
        e->setText(QString::fromStdString(text_));
    }
}

void TextField::applyColors() {
    QWidget* w = widget();
    if (!w) return;
    QPalette palette = w->palette();
    if (auto it = stored.find("TextColor"); it != stored.end() && std::holds_alternative<Color>(it->second))
        palette.setColor(QPalette::Text, qcolor(std::get<Color>(it->second)));
    if (auto it = stored.find("BackColor"); it != stored.end() && std::holds_alternative<Color>(it->second))
        palette.setColor(QPalette::Base, qcolor(std::get<Color>(it->second)));
    w->setPalette(palette);
}

std::unique_ptr<QWidget> TextField::makeWidget() {
    auto w = std::make_unique<QLineEdit>(QString::fromStdString(text_));
    QObject::connect(w.get(), &QLineEdit::textEdited, w.get(), [this](const QString& t) { text_ = t.toStdString(); });
    return w;
}

// ---- NotePlayer ----

void NotePlayer::setInstrument(std::int64_t instrument) {
    instrument_ = instrument;
    noteOutput().setInstrument(instrument);
}

void NotePlayer::PlayNote(std::int64_t note, std::int64_t velocity) { noteOutput().playNote(note, velocity); }

// ---- class tables ----

namespace {

using props::accessor;
using props::field;
using props::makeTable;
using props::keep;
using PT = PropertyType;
using Names = std::vector<std::string>;

constexpr std::uint32_t kMethod = member_flags::Slot | member_flags::Method;

void fontProps(std::vector<PropertyRecord>& p) {
    p.push_back(keep("TextFont", PT::String, &fontChanged));
    p.push_back(keep("TextSize", PT::Single, &fontChanged));
    p.push_back(keep("TextUnit", PT::Enum8, &fontChanged));
    p.push_back(keep("Bold", PT::Boolean, &fontChanged));
    p.push_back(keep("Italic", PT::Boolean, &fontChanged));
    p.push_back(keep("Underline", PT::Boolean, &fontChanged));
}

// The own properties of Slider and ScrollBar but their one extra Boolean or Integer.
std::vector<PropertyRecord> rangeProps() {
    return {
        accessor("Minimum", PT::Integer, &RangeControl::Minimum, &RangeControl::setMinimum),
        accessor("Value", PT::Integer, &RangeControl::Value, &RangeControl::setValue),
        accessor("Maximum", PT::Integer, &RangeControl::Maximum, &RangeControl::setMaximum),
        accessor("LineStep", PT::Integer, &RangeControl::LineStep, &RangeControl::setLineStep),
        accessor("PageStep", PT::Integer, &RangeControl::PageStep, &RangeControl::setPageStep),
        keep("LiveScroll", PT::Boolean),
    };
}

const Names kOwnRange{"GotFocus", "LostFocus", "MouseDown", "MouseDrag", "MouseUp", "ValueChanged"};
const Names kOwnShape{"MouseDown", "MouseDrag", "MouseUp", "DoubleClick"};

template <class T>
std::function<std::unique_ptr<Object>()> factoryOf() {
    return [] { return std::make_unique<T>(); };
}

}  // namespace

const ClassTable& Control::__Lookup() {
    static const ClassTable* t = makeTable(
        "Control", nullptr, {}, {"Close", "CreatePane", "Open"},
        {
            field("Name", PT::String, &Control::Name),
            field("Index", PT::Integer, &Control::Index),
            field("TabPanelIndex", PT::Integer, &Control::TabPanelIndex),
        },
        sizeof(Control), {});
    return *t;
}

const ClassTable& RectControl::__Lookup() {
    static const ClassTable* t = makeTable(
        "RectControl", &Control::__Lookup(),
        {{"Constructor", kMethod, "%%",
          [](Object& self, Args) -> Value {
              props::as<RectControl>(self, "Constructor").Constructor();
              return {};
          }}},
        {"ConstructContextualMenu", "ContextualMenuAction", "DragEnter", "DragExit", "DragOver", "DropObject", "KeyDown",
         "KeyUp", "MouseEnter", "MouseExit", "MouseMove", "MouseWheel"},
        {
            accessor("Left", PT::Integer, &RectControl::Left, &RectControl::setLeft),
            accessor("Top", PT::Integer, &RectControl::Top, &RectControl::setTop),
            accessor("Width", PT::Integer, &RectControl::Width, &RectControl::setWidth),
            accessor("Height", PT::Integer, &RectControl::Height, &RectControl::setHeight),
            keep("LockLeft", PT::Boolean),
            keep("LockTop", PT::Boolean),
            keep("LockRight", PT::Boolean),
            keep("LockBottom", PT::Boolean),
            keep("TabIndex", PT::Integer),
            keep("TabStop", PT::Boolean),
            accessor("Visible", PT::Boolean, &RectControl::Visible, &RectControl::setVisible),
            keep("HelpTag", PT::String),
            keep("AutoDeactivate", PT::Boolean),
            accessor("Enabled", PT::Boolean, &RectControl::Enabled, &RectControl::setEnabled),
            field("InitialParent", PT::String, &RectControl::InitialParent),
        },
        sizeof(RectControl), {});
    return *t;
}

const ClassTable& Oval::__Lookup() {
    static const ClassTable* t = makeTable(
        "Oval", &RectControl::__Lookup(), {}, kOwnShape,
        {
            accessor("FillColor", PT::Color, &Oval::FillColor, &Oval::setFillColor),
            accessor("BorderWidth", PT::Integer, &Oval::BorderWidth, &Oval::setBorderWidth),
            accessor("BorderColor", PT::Color, &Oval::BorderColor, &Oval::setBorderColor),
        },
        sizeof(Oval), factoryOf<Oval>());
    return *t;
}

const ClassTable& Rectangle::__Lookup() {
    static const ClassTable* t = makeTable(
        "Rectangle", &RectControl::__Lookup(), {}, kOwnShape,
        {
            accessor("FillColor", PT::Color, &Rectangle::FillColor, &Rectangle::setFillColor),
            accessor("BorderWidth", PT::Integer, &Rectangle::BorderWidth, &Rectangle::setBorderWidth),
            accessor("TopLeftColor", PT::Color, &Rectangle::TopLeftColor, &Rectangle::setTopLeftColor),
            accessor("BottomRightColor", PT::Color, &Rectangle::BottomRightColor, &Rectangle::setBottomRightColor),
        },
        sizeof(Rectangle), factoryOf<Rectangle>());
    return *t;
}

const ClassTable& Slider::__Lookup() {
    static const ClassTable* t = [] {
        auto p = rangeProps();
        p.push_back(keep("TickStyle", PT::Integer));
        return makeTable("Slider", &RectControl::__Lookup(), {}, kOwnRange, std::move(p), sizeof(Slider),
                         factoryOf<Slider>());
    }();
    return *t;
}

const ClassTable& ScrollBar::__Lookup() {
    static const ClassTable* t = [] {
        auto p = rangeProps();
        p.push_back(keep("AcceptFocus", PT::Boolean));
        return makeTable("ScrollBar", &RectControl::__Lookup(), {}, kOwnRange, std::move(p), sizeof(ScrollBar),
                         factoryOf<ScrollBar>());
    }();
    return *t;
}

const ClassTable& PopupMenu::__Lookup() {
    static const ClassTable* t = [] {
        std::vector<PropertyRecord> p{
            accessor("InitialValue", PT::String, &PopupMenu::InitialValue, &PopupMenu::setInitialValue),
            accessor("ListIndex", PT::Integer, &PopupMenu::ListIndex, &PopupMenu::setListIndex),
            keep("DataSource", PT::String),
            keep("DataField", PT::String),
        };
        fontProps(p);
        return makeTable("PopupMenu", &RectControl::__Lookup(), {},
                         {"Change", "GotFocus", "LostFocus", "MouseDown", "MouseUp"}, std::move(p), sizeof(PopupMenu),
                         factoryOf<PopupMenu>());
    }();
    return *t;
}

const ClassTable& PushButton::__Lookup() {
    static const ClassTable* t = [] {
        std::vector<PropertyRecord> p{
            accessor("Caption", PT::String, &PushButton::Caption, &PushButton::setCaption),
            keep("Default", PT::Boolean),
            keep("Cancel", PT::Boolean),
            keep("ButtonStyle", PT::Integer),
        };
        fontProps(p);
        return makeTable("PushButton", &RectControl::__Lookup(), {},
                         {"Action", "GotFocus", "LostFocus", "MouseDown", "MouseUp"}, std::move(p), sizeof(PushButton),
                         factoryOf<PushButton>());
    }();
    return *t;
}

const ClassTable& TextField::__Lookup() {
    static const ClassTable* t = [] {
        std::vector<PropertyRecord> p{
            accessor("Text", PT::String, &TextField::Text, &TextField::setText),
            keep("TextColor", PT::Color, &colorsChanged),
            keep("BackColor", PT::Color, &colorsChanged),
        };
        for (const char* b : {"Border", "Password", "UseFocusRing", "ReadOnly", "AcceptTabs", "AutomaticallyCheckSpelling"})
            p.push_back(keep(b, PT::Boolean));
        for (const char* s : {"Format", "CueText", "Mask", "DataSource", "DataField"}) p.push_back(keep(s, PT::String));
        for (const char* i : {"LimitText", "Alignment"}) p.push_back(keep(i, PT::Integer));
        fontProps(p);
        return makeTable("TextField", &RectControl::__Lookup(), {},
                         {"TextChange", "GotFocus", "LostFocus", "SelChange", "MouseDown", "MouseUp"}, std::move(p),
                         sizeof(TextField), factoryOf<TextField>());
    }();
    return *t;
}

const ClassTable& Timer::__Lookup() {
    static const ClassTable* t = makeTable(
        "Timer", &Control::__Lookup(), {{"Constructor", kMethod, "%%", [](Object&, Args) -> Value { return {}; }}},
        {"Action"},
        {
            field("Mode", PT::Integer, &Timer::Mode),
            field("Period", PT::Integer, &Timer::Period),
        },
        sizeof(Timer), factoryOf<Timer>());
    return *t;
}

const ClassTable& NotePlayer::__Lookup() {
    static const ClassTable* t = makeTable(
        "NotePlayer", &Control::__Lookup(),
        {{"PlayNote", kMethod, "%%i8i8",
          [](Object& self, Args a) -> Value {
              props::as<NotePlayer>(self, "PlayNote").PlayNote(std::get<std::int64_t>(a[0]), std::get<std::int64_t>(a[1]));
              return {};
          }}},
        {},
        {
            accessor("Instrument", PT::Integer, &NotePlayer::Instrument, &NotePlayer::setInstrument),
            keep("PanelIndex", PT::Integer),
            keep("_mIndex", PT::Integer),
            keep("_mInitialParent", PT::String),
            keep("_mName", PT::String),
            keep("_mPanelIndex", PT::Integer),
        },
        sizeof(NotePlayer), factoryOf<NotePlayer>());
    return *t;
}

}  // namespace nalvo
