#include "framework/light_palette.h"

#include <QApplication>
#include <QColor>
#include <QEvent>
#include <QObject>
#include <QPalette>
#include <QProxyStyle>
#include <QStyle>

#include <iterator>

namespace fw::palette {

namespace {

struct RoleColours {
    QPalette::ColorRole role;
    QRgb enabled;  // active and inactive windows alike
    QRgb disabled; // a disabled control's
};

// The palette a light desktop gives, with one change: disabled text is a
// darker gray than the usual #BEBEBE, which reads at 1.6:1 on a disabled
// control's face. A locked popup shows the user's pick, so it must be read:
// #5E5E5E reads at 5.6:1 on the #EFEFEF face, and still at 4.5:1 or more
// where small text is drawn lighter by its smoothed edges, and it looks
// clearly lighter than the black of enabled text.
constexpr RoleColours kLight[] = {
    {QPalette::WindowText, 0xFF000000, 0xFF5E5E5E},
    {QPalette::Button, 0xFFEFEFEF, 0xFFEFEFEF},
    {QPalette::Light, 0xFFFFFFFF, 0xFFFFFFFF},
    {QPalette::Midlight, 0xFFCACACA, 0xFFCACACA},
    {QPalette::Dark, 0xFF9F9F9F, 0xFFBEBEBE},
    {QPalette::Mid, 0xFFB8B8B8, 0xFFB8B8B8},
    {QPalette::Text, 0xFF000000, 0xFF5E5E5E},
    {QPalette::BrightText, 0xFFFFFFFF, 0xFFFFFFFF},
    {QPalette::ButtonText, 0xFF000000, 0xFF5E5E5E},
    {QPalette::Base, 0xFFFFFFFF, 0xFFEFEFEF},
    {QPalette::Window, 0xFFEFEFEF, 0xFFEFEFEF},
    {QPalette::Shadow, 0xFF767676, 0xFFB1B1B1},
    {QPalette::Highlight, 0xFF308CC6, 0xFF919191},
    {QPalette::HighlightedText, 0xFFFFFFFF, 0xFFFFFFFF},
    {QPalette::Link, 0xFF0000FF, 0xFF0000FF},
    {QPalette::LinkVisited, 0xFFFF00FF, 0xFFFF00FF},
    {QPalette::AlternateBase, 0xFFF7F7F7, 0xFFF7F7F7},
    {QPalette::NoRole, 0xFF000000, 0xFF000000},
    {QPalette::ToolTipBase, 0xFFFFFFDC, 0xFFFFFFDC},
    {QPalette::ToolTipText, 0xFF000000, 0xFF000000},
    {QPalette::PlaceholderText, 0x80000000, 0x80000000},
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    {QPalette::Accent, 0xFF308CC6, 0xFF919191},
#endif
};
// Every role is set in every group, so nothing of the desktop's palette can
// show through where the table is silent.
static_assert(std::size(kLight) == QPalette::NColorRoles, "every colour role has its row");

void paint(QPalette& p) {
    for (const RoleColours& row : kLight) {
        p.setColor(QPalette::Active, row.role, QColor::fromRgba(row.enabled));
        p.setColor(QPalette::Inactive, row.role, QColor::fromRgba(row.enabled));
        p.setColor(QPalette::Disabled, row.role, QColor::fromRgba(row.disabled));
    }
}

// The desktop's own style, drawing exactly as it does, whose base palette is
// the light one. Qt asks the style for the base palette at start and again
// whenever the desktop's theme changes, so a theme switch lands here too.
//
// The palette reaches the application as its base palette, with no colours
// marked as set, rather than through QApplication::setPalette: a palette the
// application sets carries that mark, and Qt then gives every widget a copy of
// its own. The style caches what it draws under the palette's key, so every
// control of every new window would draw afresh and keep its drawings cached:
// each Restart would keep them. A base palette is shared by every widget.
class LightStyle : public QProxyStyle {
public:
    explicit LightStyle(QStyle* desktopStyle) : QProxyStyle(desktopStyle) {}

    using QProxyStyle::polish;
    void polish(QPalette& palette) override {
        QProxyStyle::polish(palette);
        paint(palette);
        palette.setResolveMask(0);
    }
};

// Turns back a palette that a settings tool of the desktop sets on the
// application while the program runs: setting one with no colours marked
// brings back the base palette, which the style keeps light.
class Keeper : public QObject {
protected:
    bool eventFilter(QObject* target, QEvent* event) override {
        if (event->type() == QEvent::ApplicationPaletteChange && target == QCoreApplication::instance() &&
            QApplication::palette().resolveMask() != 0)
            QApplication::setPalette(QPalette());
        return false;
    }
};

} // namespace

std::unique_ptr<QObject> install() {
    auto* app = QCoreApplication::instance();
    if (!app) return nullptr;
    // The application owns the new style, and the new style the desktop's.
    QApplication::setStyle(new LightStyle(QApplication::style()));
    auto keeper = std::make_unique<Keeper>();
    app->installEventFilter(keeper.get());
    return keeper;
}

} // namespace fw::palette
