#pragma once

#include <QImage>
#include <QRect>

#include <xcb/xcb.h>

#include <cstdlib>

// Reads the X server's screen over a connection of its own, so a test sees only what the
// program under test has really sent to the server, not what it holds in its own buffers.
class X11Screen {
public:
    X11Screen() {
        int number = 0;
        connection_ = xcb_connect(nullptr, &number);
        if (xcb_connection_has_error(connection_))
            return;
        xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(connection_));
        for (; it.rem && number > 0; --number)
            xcb_screen_next(&it);
        if (it.rem)
            screen_ = it.data;
    }
    ~X11Screen() { xcb_disconnect(connection_); }
    X11Screen(const X11Screen&) = delete;
    X11Screen& operator=(const X11Screen&) = delete;

    bool ok() const { return screen_ && screen_->root_depth == 24; }
    QSize size() const {
        return screen_ ? QSize(screen_->width_in_pixels, screen_->height_in_pixels) : QSize();
    }

    // Where a window's client area lies on the screen, as the server knows it.
    QRect windowArea(xcb_window_t window) const {
        const auto geometryCookie = xcb_get_geometry(connection_, window);
        const auto translateCookie =
            xcb_translate_coordinates(connection_, window, screen_->root, 0, 0);
        auto* geometry = xcb_get_geometry_reply(connection_, geometryCookie, nullptr);
        auto* translated = xcb_translate_coordinates_reply(connection_, translateCookie, nullptr);
        QRect area;
        if (geometry && translated)
            area = QRect(translated->dst_x, translated->dst_y, geometry->width, geometry->height);
        std::free(geometry);
        std::free(translated);
        return area;
    }

    // The outer frame of a top-level window: the window manager's frame around it, or the
    // window itself when nothing framed it.
    QRect frameArea(xcb_window_t window) const {
        xcb_window_t outer = window;
        for (int depth = 0; depth < 16; ++depth) {
            auto* tree =
                xcb_query_tree_reply(connection_, xcb_query_tree(connection_, outer), nullptr);
            if (!tree)
                return {};
            const xcb_window_t parent = tree->parent;
            std::free(tree);
            if (parent == screen_->root || parent == XCB_NONE)
                break;
            outer = parent;
        }
        auto* geometry =
            xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, outer), nullptr);
        QRect area;
        if (geometry) {
            const int border = geometry->border_width;
            area = QRect(geometry->x, geometry->y, geometry->width + 2 * border,
                         geometry->height + 2 * border);
        }
        std::free(geometry);
        return area;
    }

    // The screen's pixels in a rectangle (24-bit screens, which Xvfb gives with x24).
    QImage grab(const QRect& area) const {
        const auto cookie = xcb_get_image(
            connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, screen_->root, static_cast<int16_t>(area.x()),
            static_cast<int16_t>(area.y()), static_cast<uint16_t>(area.width()),
            static_cast<uint16_t>(area.height()), ~0u);
        auto* reply = xcb_get_image_reply(connection_, cookie, nullptr);
        if (!reply)
            return {};
        const int bytes = xcb_get_image_data_length(reply);
        QImage image;
        if (bytes == area.width() * area.height() * 4)
            image = QImage(xcb_get_image_data(reply), area.width(), area.height(), area.width() * 4,
                           QImage::Format_RGB32)
                        .copy();
        std::free(reply);
        return image;
    }

private:
    xcb_connection_t* connection_ = nullptr;
    xcb_screen_t* screen_ = nullptr;
};

// The share of pixels (0 to 1) in which two pictures of the same size agree, each channel
// within a small tolerance.
inline double agreement(const QImage& a, const QImage& b) {
    if (a.size() != b.size() || a.isNull())
        return 0.0;
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    qint64 same = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col)
            if (std::abs(qRed(p[col]) - qRed(q[col])) <= 8 &&
                std::abs(qGreen(p[col]) - qGreen(q[col])) <= 8 &&
                std::abs(qBlue(p[col]) - qBlue(q[col])) <= 8)
                ++same;
    }
    return double(same) / (double(x.width()) * x.height());
}
