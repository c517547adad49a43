#include "ui/kit/built_icon_engine.h"

#include <QPainter>
#include <QPixmap>
#include <algorithm>

#include "art/pictures.h"
#include "ui/kit/rendered_picture.h"

namespace korvane::ui {

namespace {

// The smallest rendered size that covers the asked one, else the largest there is.
int renderedSizeFor(const QSize& size) {
    const int wanted = std::max(size.width(), size.height());
    for (int rendered : art::kIconSizes) {
        if (rendered >= wanted) return rendered;
    }
    return std::end(art::kIconSizes)[-1];
}

}  // namespace

QPixmap BuiltIconEngine::pixmap(const QSize& size, QIcon::Mode, QIcon::State) {
    const int rendered = renderedSizeFor(size);
    QImage image = builtPng(QString::fromStdString(art::iconPath(rendered)));
    if (image.isNull()) return {};
    if (rendered > size.width() || rendered > size.height()) {
        image = image.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    return QPixmap::fromImage(std::move(image));
}

void BuiltIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                            QIcon::State state) {
    const QPixmap image = pixmap(rect.size(), mode, state);
    painter->drawPixmap(rect.topLeft(), image);
}

QList<QSize> BuiltIconEngine::availableSizes(QIcon::Mode, QIcon::State) {
    QList<QSize> sizes;
    for (int rendered : art::kIconSizes) sizes.append(QSize(rendered, rendered));
    return sizes;
}

QSize BuiltIconEngine::actualSize(const QSize& size, QIcon::Mode, QIcon::State) {
    const int side = std::min({size.width(), size.height(), renderedSizeFor(size)});
    return QSize(side, side);
}

QIconEngine* BuiltIconEngine::clone() const {
    return new BuiltIconEngine;
}

QString BuiltIconEngine::key() const {
    return QStringLiteral("korvane-built");
}

}  // namespace korvane::ui
