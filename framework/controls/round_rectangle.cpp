#include "framework/controls/round_rectangle.h"

#include <QPainter>
#include <QWidget>

namespace fw {

namespace {
class RoundedFrame : public QWidget {
public:
    RoundedFrame(QWidget* parent, const RoundRectangle* owner) : QWidget(parent), owner_(owner) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    void forget() { owner_ = nullptr; }

protected:
    void paintEvent(QPaintEvent*) override {
        if (!owner_) return;
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const Color fill = owner_->FillColor(), border = owner_->BorderColor();
        const int w = owner_->BorderWidth();
        QPen pen(QColor(border.r, border.g, border.b));
        pen.setWidth(w);
        p.setPen(w > 0 ? pen : Qt::NoPen);
        p.setBrush(QColor(fill.r, fill.g, fill.b));
        const qreal inset = w / 2.0;
        p.drawRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), owner_->OvalWidth() / 2.0,
                          owner_->OvalHeight() / 2.0);
    }

private:
    const RoundRectangle* owner_;
};

std::unique_ptr<ClassRecord> build() {
    auto r = std::make_unique<ClassRecord>();
    r->base = &RectControl::staticRecord();
    using R = RoundRectangle;
    r->properties = {
        props::row<R, Color>("FillColor", "c", &R::FillColor, &R::SetFillColor),
        props::row<R, Color>("BorderColor", "c", &R::BorderColor, &R::SetBorderColor),
        props::row<R, std::int32_t>("BorderWidth", "i4", &R::BorderWidth, &R::SetBorderWidth),
        props::row<R, std::int32_t>("OvalWidth", "i4", &R::OvalWidth, &R::SetOvalWidth),
        props::row<R, std::int32_t>("OvalHeight", "i4", &R::OvalHeight, &R::SetOvalHeight),
    };
    return r;
}
} // namespace

const ClassRecord& RoundRectangle::staticRecord() { return lookupClass("RoundRectangle", build); }

QWidget* RoundRectangle::createWidget(QWidget* content) { return new RoundedFrame(content, this); }

// The frame's widget is deleted later than the control: until then it must not
// read the colours of a control that is gone.
RoundRectangle::~RoundRectangle() {
    if (auto* frame = static_cast<RoundedFrame*>(widget())) frame->forget();
}

void RoundRectangle::SetFillColor(Color c) {
    fill_ = c;
    repaint();
}
void RoundRectangle::SetBorderColor(Color c) {
    border_ = c;
    repaint();
}
void RoundRectangle::SetBorderWidth(std::int32_t v) {
    borderWidth_ = v;
    repaint();
}
void RoundRectangle::SetOvalWidth(std::int32_t v) {
    ovalWidth_ = v;
    repaint();
}
void RoundRectangle::SetOvalHeight(std::int32_t v) {
    ovalHeight_ = v;
    repaint();
}

void RoundRectangle::repaint() {
    if (QWidget* w = widget()) w->update();
}

} // namespace fw
