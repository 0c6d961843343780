// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "keys/letterrows.h"

#include <QAbstractNativeEventFilter>
#include <QObject>

#include <cstdint>
#include <memory>

struct xcb_connection_t;
struct xkb_context;

// Where the keyboard in use has its letters, read from the X server when
// first asked and again whenever the layout changes: a new keymap
// (setxkbmap, a keyboard plugged in) or a switch to another of its layouts.
// Without an X server to ask (offscreen, Wayland alone) the rows stay empty.
class KeyboardLayout : public QObject,
                       public QAbstractNativeEventFilter,
                       public virtualkeys::KeyboardLetters
{
    Q_OBJECT

public:
    explicit KeyboardLayout(QObject *parent = nullptr);
    ~KeyboardLayout() override;

    // The letters of the layout in use; empty rows where it cannot be read.
    virtualkeys::LetterRows letterRows() override;
    void watch(QObject *context,
               std::function<void(const virtualkeys::LetterRows &)> changed) override;

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

signals:
    void letterRowsChanged(const virtualkeys::LetterRows &rows);

private:
    void start();
    void readSoon();
    void read();

    bool m_started = false;
    struct ContextDeleter {
        void operator()(xkb_context *context) const;
    };
    std::unique_ptr<xkb_context, ContextDeleter> m_context;
    xcb_connection_t *m_connection = nullptr;
    std::int32_t m_device = -1;
    std::uint8_t m_firstEvent = 0;
    bool m_readPending = false;
    virtualkeys::LetterRows m_rows;
};
