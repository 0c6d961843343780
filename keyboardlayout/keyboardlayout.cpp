// SPDX-License-Identifier: GPL-3.0-or-later

#include "keyboardlayout/keyboardlayout.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTimer>

#include <utility>

// The XKB header of xcb is C, with a field named as a C++ keyword.
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit
#include <xkbcommon/xkbcommon-x11.h>

namespace {

template<typename T, void (*Free)(T *)>
struct Freed {
    void operator()(T *p) const { Free(p); }
};
using Keymap = std::unique_ptr<xkb_keymap, Freed<xkb_keymap, xkb_keymap_unref>>;
using State = std::unique_ptr<xkb_state, Freed<xkb_state, xkb_state_unref>>;

} // namespace

void KeyboardLayout::ContextDeleter::operator()(xkb_context *context) const
{
    xkb_context_unref(context);
}

KeyboardLayout::KeyboardLayout(QObject *parent)
    : QObject(parent)
{}

virtualkeys::LetterRows KeyboardLayout::letterRows()
{
    start();
    return m_rows;
}

void KeyboardLayout::watch(QObject *context,
                           std::function<void(const virtualkeys::LetterRows &)> changed)
{
    start();
    connect(this, &KeyboardLayout::letterRowsChanged, context, std::move(changed));
}

void KeyboardLayout::start()
{
    // The keymap is asked for once a window shows the keys, not while the
    // program starts.
    if (std::exchange(m_started, true))
        return;
    // Only Qt's xcb platform hands on the server's events; the offscreen
    // one may hold an X connection of its own, but draws for no keyboard.
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return;
    // Qt's own keyboard has the extension in use already; asking again
    // gives the number its events begin at.
    if (!xkb_x11_setup_xkb_extension(
            connection, XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
            XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr, &m_firstEvent, nullptr))
        return;
    m_device = xkb_x11_get_core_keyboard_device_id(connection);
    m_context.reset(xkb_context_new(
        xkb_context_flags(XKB_CONTEXT_NO_DEFAULT_INCLUDES | XKB_CONTEXT_NO_ENVIRONMENT_NAMES)));
    if (m_device < 0 || !m_context)
        return;
    m_connection = connection;
    read();
    // Qt's keyboard already asks the server for the events that tell of a
    // new keymap or another layout; they come past this filter first.
    QCoreApplication::instance()->installNativeEventFilter(this);
}

KeyboardLayout::~KeyboardLayout() = default;

bool KeyboardLayout::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    if ((event->response_type & 0x7f) != m_firstEvent)
        return false;
    // Every XKB event begins as a state notification does.
    const auto *xkb = static_cast<const xcb_xkb_state_notify_event_t *>(message);
    if (xkb->deviceID != m_device)
        return false;
    switch (xkb->xkbType) {
    case XCB_XKB_NEW_KEYBOARD_NOTIFY:
    case XCB_XKB_MAP_NOTIFY:
        readSoon();
        break;
    case XCB_XKB_STATE_NOTIFY:
        if (xkb->changed & XCB_XKB_STATE_PART_GROUP_STATE)
            readSoon();
        break;
    default:
        break;
    }
    // Qt's keyboard needs the event as much.
    return false;
}

void KeyboardLayout::readSoon()
{
    // A new keymap comes as several events in a row: it is read once, when
    // they are all in.
    if (m_readPending)
        return;
    m_readPending = true;
    QTimer::singleShot(0, this, [this] {
        m_readPending = false;
        read();
    });
}

void KeyboardLayout::read()
{
    virtualkeys::LetterRows rows;
    const Keymap keymap(xkb_x11_keymap_new_from_device(m_context.get(), m_connection, m_device,
                                                       XKB_KEYMAP_COMPILE_NO_FLAGS));
    const State state(keymap ? xkb_x11_state_new_from_device(keymap.get(), m_connection, m_device)
                             : nullptr);
    if (state)
        rows = virtualkeys::letterRows(
            keymap.get(), xkb_state_serialize_layout(state.get(), XKB_STATE_LAYOUT_EFFECTIVE));
    if (rows == m_rows)
        return;
    m_rows = rows;
    emit letterRowsChanged(m_rows);
}
