#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>

// The larger pictures of the five special days: the New Year sunrise and pine,
// the doll pair of the girls' festival, carp streamers, Halloween pumpkins and
// bats, the Christmas tree. Drawn anti-aliased; sizes in pixels.
class CHolidayMotifs {
public:
    // The rising sun, its lower part hidden below `horizonY`.
    static void Sunrise(QPainter& p, QPointF c, double r, double horizonY, const QColor& ink);
    // A cloud band of the old paintings: rounded bars laid over each other.
    static void Cloud(QPainter& p, QPointF c, double w, const QColor& ink);
    // A pine sprig: fans of needles along a twig from `root` to `tip`.
    static void PineSprig(QPainter& p, QPointF root, QPointF tip, const QColor& ink);
    // The emperor and empress dolls side by side on a red dais, `h` high.
    static void HinaPair(QPainter& p, QPointF base, double h, const QColor& robeLeft,
                         const QColor& robeRight, const QColor& dais);
    // A paper lantern on its stand.
    static void Bonbori(QPainter& p, QPointF base, double h, const QColor& ink);
    // One carp streamer hanging from `mouth`, `len` long, waving to the right.
    static void Carp(QPainter& p, QPointF mouth, double len, const QColor& body,
                     const QColor& belly, double phase);
    // The streamers' pole with its wheel and ball, from `base` up `h`.
    static void CarpPole(QPainter& p, QPointF base, double h, const QColor& ink);
    static void Kabuto(QPainter& p, QPointF c, double r, const QColor& ink);
    static void Pumpkin(QPainter& p, QPointF c, double r, const QColor& ink, bool face);
    static void Bat(QPainter& p, QPointF c, double r, const QColor& ink, double angle);
    static void Star(QPainter& p, QPointF c, double r, const QColor& ink, double angle);
    static void ChristmasTree(QPainter& p, QPointF base, double h, const QColor& green,
                              unsigned seed);
    static void Gift(QPainter& p, QPointF base, double w, const QColor& box, const QColor& ribbon);
};
