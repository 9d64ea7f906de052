#pragma once

#include <QImage>
#include <QString>

// The game's icon: two fanned cards, a spade behind a heart, with the joker's
// gold star. Drawn once as shapes, so the scalable picture and every pixel size
// show the same thing.
namespace assets {

QImage IconPicture(int size);
QString IconSvg();

} // namespace assets
