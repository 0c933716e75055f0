#pragma once

#include "resources/art/generator/CPicturePainter.h"

// The product's own pictures: the start-up splash and the about picture, one
// artwork family (a rounded card with the product caption and a calm
// air-conditioner scene), both leaving the release label's line plain.
class CProductPainter {
public:
    static PaintedPicture Splash(const PictureSpec& spec);
    static PaintedPicture About(const PictureSpec& spec);

private:
    static PaintedPicture Card(const PictureSpec& spec, bool about);
};
