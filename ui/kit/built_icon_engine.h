#pragma once

#include <QIconEngine>

namespace korvane::ui {

// The window icon from the PNGs the build rendered, read when a size is asked for and not kept:
// X11 copies each size into the window's property, so holding the pixels would only cost memory.
class BuiltIconEngine : public QIconEngine {
  public:
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;
    QString key() const override;
};

}  // namespace korvane::ui
