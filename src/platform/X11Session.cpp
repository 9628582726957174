// SPDX-License-Identifier: GPL-3.0-or-later
#include "X11Session.h"

#include <QGuiApplication>
#include <QWindow>

#include <xcb/xcb.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace platform::x11 {
namespace {

constexpr xcb_window_t kNoWindow = XCB_WINDOW_NONE;
constexpr xcb_atom_t kNoAtom = XCB_ATOM_NONE;

template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

xcb_connection_t* connection() {
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

// The root window of the screen DISPLAY names (":0.1" is screen 1), where Qt opened its windows.
xcb_window_t rootWindow(xcb_connection_t* c) {
    char* host = nullptr;
    int display = 0;
    int screen = 0;
    if (!xcb_parse_display(nullptr, &host, &display, &screen))
        screen = 0;
    std::free(host);
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screen && it.rem > 1; ++i)
        xcb_screen_next(&it);
    return it.rem > 0 ? it.data->root : kNoWindow;
}

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
    const Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::uint16_t(std::strlen(name)), name), nullptr),
        &std::free);
    return reply ? reply->atom : kNoAtom;
}

using MessagePiece = std::array<char, 20>;

// A text as the client messages that carry it.
std::vector<MessagePiece> messagePieces(const QByteArray& text) {
    std::vector<MessagePiece> pieces;
    const qsizetype withEnd = text.size() + 1; // the terminating zero byte belongs to the message
    for (qsizetype start = 0; start < withEnd; start += qsizetype(sizeof(MessagePiece))) {
        MessagePiece piece{};
        const qsizetype length = std::min<qsizetype>(text.size() - start, sizeof(MessagePiece));
        if (length > 0)
            std::memcpy(piece.data(), text.constData() + start, std::size_t(length));
        pieces.push_back(piece);
    }
    return pieces;
}

} // namespace

std::optional<bool> managerSupports(const char* atomName) {
    xcb_connection_t* c = connection();
    const xcb_window_t root = c ? rootWindow(c) : kNoWindow;
    if (root == kNoWindow)
        return std::nullopt;
    // Managers list a hundred atoms or so; 4096 leaves room to spare.
    const Reply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(
            c, xcb_get_property(c, 0, root, atom(c, "_NET_SUPPORTED"), XCB_ATOM_ATOM, 0, 4096), nullptr),
        &std::free);
    if (!reply || reply->type != XCB_ATOM_ATOM || reply->format != 32)
        return std::nullopt;
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / int(sizeof(xcb_atom_t));
    return std::find(atoms, atoms + count, atom(c, atomName)) != atoms + count;
}

bool requestActivation(const QWindow& window, quint32 time) {
    xcb_connection_t* c = connection();
    if (!c || managerSupports("_NET_ACTIVE_WINDOW") != true)
        return false;
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = xcb_window_t(window.winId());
    event.type = atom(c, "_NET_ACTIVE_WINDOW");
    event.data.data32[0] = 1; // the request comes from an application
    event.data.data32[1] = time;
    const QWindow* active = QGuiApplication::focusWindow();
    event.data.data32[2] = active ? xcb_window_t(active->winId()) : kNoWindow;
    xcb_send_event(c, 0, rootWindow(c),
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
    xcb_flush(c);
    return true;
}

bool broadcast(const char* firstType, const char* nextType, const QByteArray& text) {
    xcb_connection_t* c = connection();
    const xcb_window_t root = c ? rootWindow(c) : kNoWindow;
    if (root == kNoWindow)
        return false;
    // Listeners put the pieces of one message together by the window they name, so each message
    // gets a window of its own, never mapped, gone once the message is out.
    const xcb_window_t sender = xcb_generate_id(c);
    const std::uint32_t overrideRedirect = 1;
    xcb_create_window(c, XCB_COPY_FROM_PARENT, sender, root, -100, -100, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                      XCB_COPY_FROM_PARENT, XCB_CW_OVERRIDE_REDIRECT, &overrideRedirect);
    const xcb_atom_t types[] = {atom(c, firstType), atom(c, nextType)};
    bool first = true;
    for (const MessagePiece& piece : messagePieces(text)) {
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 8;
        event.window = sender;
        event.type = types[first ? 0 : 1];
        std::memcpy(event.data.data8, piece.data(), piece.size());
        xcb_send_event(c, 0, root, XCB_EVENT_MASK_PROPERTY_CHANGE, reinterpret_cast<const char*>(&event));
        first = false;
    }
    xcb_destroy_window(c, sender);
    xcb_flush(c);
    return true;
}

} // namespace platform::x11
