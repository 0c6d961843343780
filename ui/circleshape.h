// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QWidget>

// A filled circle centred in its box, as wide as the box's smaller side.
class CircleShape : public QWidget
{
    Q_OBJECT
public:
    explicit CircleShape(const QColor &fill, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_fill;
};
