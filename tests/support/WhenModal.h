#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>
#include <memory>

// Acts on the next modal window as soon as it is shown (polled every 10 ms, given up after 3 s so that a test
// whose dialog never opens fails instead of hanging).
inline void whenModal(std::function<void(QWidget*)> act)
{
    auto* timer = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, act] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            act(modal);
        } else if (++*tries > 300) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(10);
}
