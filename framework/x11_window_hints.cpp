#include "framework/x11_window_hints.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>

namespace fw::x11 {

namespace {
// The Motif window-manager hints, as window managers read them.
struct MotifHints {
    std::uint32_t flags, functions, decorations;
    std::int32_t inputMode;
    std::uint32_t status;
};
enum : std::uint32_t {
    kHintFunctions = 1u << 0,
    kHintDecorations = 1u << 1,
    kFuncMove = 1u << 2,
    kFuncMinimize = 1u << 3,
    kFuncClose = 1u << 5,
    kDecorBorder = 1u << 1,
    kDecorTitle = 1u << 3,
    kDecorMenu = 1u << 4,
    kDecorMinimize = 1u << 5,
};

xcb_atom_t motifHintsAtom(xcb_connection_t* c) {
    static xcb_atom_t atom = XCB_ATOM_NONE;
    if (atom != XCB_ATOM_NONE) return atom;
    static const char name[] = "_MOTIF_WM_HINTS";
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, sizeof name - 1, name), nullptr);
    if (reply) {
        atom = reply->atom;
        std::free(reply);
    }
    return atom;
}
} // namespace

void offerFixedSize(QWidget& window, bool closeBox, bool minimizeBox) {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !window.isWindow() || !window.testAttribute(Qt::WA_WState_Created)) return;
    xcb_connection_t* c = x11->connection();
    if (!c) return;
    const xcb_atom_t atom = motifHintsAtom(c);
    if (atom == XCB_ATOM_NONE) return;
    MotifHints hints{kHintFunctions | kHintDecorations, kFuncMove, kDecorBorder | kDecorTitle | kDecorMenu, 0, 0};
    if (minimizeBox) {
        hints.functions |= kFuncMinimize;
        hints.decorations |= kDecorMinimize;
    }
    if (closeBox) hints.functions |= kFuncClose;
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window.winId()), atom, atom, 32,
                        sizeof hints / 4, &hints);
    xcb_flush(c);
}

} // namespace fw::x11
