#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>

// The small things of the seasons the season pictures scatter: flowers,
// leaves, snow, rain and the like. Each is drawn anti-aliased around `c` in
// the colour it is given, so the painter decides how pale it is; `r` is about
// half its size and `angle` its turn in degrees.
class CSeasonMotifs {
public:
    static void Snowflake(QPainter& p, QPointF c, double r, const QColor& ink, double angle);
    // Five round petals (plum) or five notched ones (cherry) around a centre.
    static void Blossom(QPainter& p, QPointF c, double r, const QColor& petal, const QColor& heart,
                        double angle, bool notched);
    // One falling cherry petal.
    static void Petal(QPainter& p, QPointF c, double r, const QColor& ink, double angle);
    static void Camellia(QPainter& p, QPointF c, double r, const QColor& petal, double angle);
    // An almond leaf with its midrib, pointing along `angle`.
    static void Leaf(QPainter& p, QPointF c, double r, const QColor& ink, double angle);
    static void Maple(QPainter& p, QPointF c, double r, const QColor& ink, double angle);
    static void Ginkgo(QPainter& p, QPointF c, double r, const QColor& ink, double angle);
    static void Raindrop(QPainter& p, QPointF c, double r, const QColor& ink);
    // A round head of small four-petal florets.
    static void Hydrangea(QPainter& p, QPointF c, double r, const QColor& ink, unsigned seed);
    static void MorningGlory(QPainter& p, QPointF c, double r, const QColor& ink, double angle);
    // A burst of dotted rays.
    static void Firework(QPainter& p, QPointF c, double r, const QColor& ink);
    static void Moon(QPainter& p, QPointF c, double r, const QColor& ink);
    // A pampas stalk from `base`, `h` high, bending by `lean` pixels at its tip.
    static void Pampas(QPainter& p, QPointF base, double h, double lean, const QColor& stalk,
                       const QColor& plume);
    static void Dragonfly(QPainter& p, QPointF c, double r, const QColor& ink, double angle);
    static void Tulip(QPainter& p, QPointF base, double h, const QColor& flower,
                      const QColor& green);
    static void Butterfly(QPainter& p, QPointF c, double r, const QColor& ink, double angle);
    static void Iris(QPainter& p, QPointF base, double h, const QColor& flower,
                     const QColor& green);
    static void Sunflower(QPainter& p, QPointF c, double r, const QColor& petal,
                          const QColor& heart);
    // A fir tree with snow on its tiers.
    static void SnowyFir(QPainter& p, QPointF base, double h, const QColor& green,
                         const QColor& snow);
    static void Acorn(QPainter& p, QPointF c, double r, const QColor& nut, const QColor& cap,
                      double angle);
};
