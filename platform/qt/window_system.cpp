#include "window_system.h"

#include <QGuiApplication>
#include <QWidget>

#if defined(PLATFORM_QT_HAVE_XCB) && QT_CONFIG(xcb)
#define PLATFORM_QT_X11 1
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#endif

namespace platform {

#ifdef PLATFORM_QT_X11
namespace {
// Only the xcb platform has a connection of its own; others (offscreen among them) may offer
// the same interface without one.
xcb_connection_t* x11Connection() {
    if (!qGuiApp || QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}
} // namespace
#endif

bool windowSystemReportsFrameExtents() {
#ifdef PLATFORM_QT_X11
    return x11Connection() != nullptr;
#else
    return false;
#endif
}

std::optional<QMargins> frameExtents(const QWidget* window) {
#ifdef PLATFORM_QT_X11
    xcb_connection_t* connection = x11Connection();
    if (!connection || !window || !window->isWindow() ||
        !window->testAttribute(Qt::WA_WState_Created))
        return std::nullopt;
    static const char kName[] = "_NET_FRAME_EXTENTS";
    auto* atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, sizeof kName - 1, kName), nullptr);
    if (!atom)
        return std::nullopt;
    const xcb_atom_t extentsAtom = atom->atom;
    std::free(atom);
    if (extentsAtom == XCB_ATOM_NONE)
        return std::nullopt; // no window manager has announced frame extents
    auto* reply = xcb_get_property_reply(
        connection,
        xcb_get_property(connection, 0, static_cast<xcb_window_t>(window->winId()), extentsAtom,
                         XCB_ATOM_CARDINAL, 0, 4),
        nullptr);
    std::optional<QMargins> margins;
    if (reply && reply->format == 32 && xcb_get_property_value_length(reply) == 16) {
        std::uint32_t v[4];
        std::memcpy(v, xcb_get_property_value(reply), sizeof v); // left, right, top, bottom
        margins = QMargins(static_cast<int>(v[0]), static_cast<int>(v[2]), static_cast<int>(v[1]),
                           static_cast<int>(v[3]));
    }
    std::free(reply);
    return margins;
#else
    (void)window;
    return std::nullopt;
#endif
}

std::optional<QPoint> framedCorner(const QWidget* window) {
#ifdef PLATFORM_QT_X11
    const auto extents = frameExtents(window);
    if (!extents)
        return std::nullopt;
    xcb_connection_t* connection = x11Connection();
    const auto id = static_cast<xcb_window_t>(window->winId());
    auto* geometry = xcb_get_geometry_reply(connection, xcb_get_geometry(connection, id), nullptr);
    if (!geometry)
        return std::nullopt;
    const xcb_window_t root = geometry->root;
    std::free(geometry);
    auto* onRoot = xcb_translate_coordinates_reply(
        connection, xcb_translate_coordinates(connection, id, root, 0, 0), nullptr);
    if (!onRoot)
        return std::nullopt;
    const QPoint client(onRoot->dst_x, onRoot->dst_y);
    std::free(onRoot);
    return client - QPoint(extents->left(), extents->top());
#else
    (void)window;
    return std::nullopt;
#endif
}

void waitUntilDrawn() {
#ifdef PLATFORM_QT_X11
    // A request with a reply is answered only after every earlier request of the connection.
    if (xcb_connection_t* connection = x11Connection())
        std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
#endif
}

} // namespace platform
