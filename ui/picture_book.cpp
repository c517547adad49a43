#include "picture_book.h"

#include "art/pictures.h"

namespace korvane::ui {

PictureBook::PictureBook() {
    const std::pair<Picture, const char*> paths[] = {
        {Picture::Background, art::kBackground}, {Picture::Skull, art::kSkull},
        {Picture::Title, art::kTitle},           {Picture::TrafficLight, art::kTrafficLight},
        {Picture::Splash, art::kSplash},
    };
    for (const auto& [picture, path] : paths) {
        renderers_[picture] = std::make_unique<QSvgRenderer>(QString::fromLatin1(path));
    }
}

void PictureBook::draw(QPainter& painter, Picture picture, QPoint topLeft) const {
    const auto found = renderers_.find(picture);
    if (found == renderers_.end() || !found->second->isValid()) return;
    QSvgRenderer& renderer = *found->second;
    const QRectF bounds(topLeft, renderer.defaultSize());
    // Shapes that run past a picture's edge must not paint beyond its size.
    painter.save();
    painter.setClipRect(bounds, Qt::IntersectClip);
    renderer.render(&painter, bounds);
    painter.restore();
}

}  // namespace korvane::ui
