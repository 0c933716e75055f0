// tevaro-art: draws every picture the table marks as drawn into <folder>/<id>.png
// and, from the same painting code at twice the size, <folder>/<id>@2x.png (the
// pictures for screens of a device pixel ratio above 1), the program icon also
// as tevaro.png and tevaro.svg, and lists the PNGs in
// <folder>/tevaro_pictures.qrc under the prefix /png. A picture that breaks its
// table row (size, frames, key colour, plain areas, text that does not fit)
// fails the run, so the build stops instead of embedding it.
#include "resources/art/CPictureTable.h"
#include "resources/art/generator/CAppIconPainter.h"
#include "resources/art/generator/CArtCanvas.h"
#include "resources/art/generator/CPictureCheck.h"
#include "resources/art/generator/CPicturePainter.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QSaveFile>
#include <QTextStream>

#include <cstdio>

namespace {

int Fail(const QString& line) {
    std::fprintf(stderr, "tevaro-art: %s\n", qPrintable(line));
    return 1;
}

bool WriteText(const QString& path, const QByteArray& text) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit();
}

bool SavePng(const QImage& image, const QString& path) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && image.save(&file, "PNG") && file.commit();
}

// Qt's notes about the build machine's session (no XDG_RUNTIME_DIR in a build
// container) say nothing about the pictures; everything else is passed on.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths:"))) {
        return;
    }
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qInstallMessageHandler(QuietMessages);
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 2) {
        return Fail(QStringLiteral("usage: tevaro-art <output folder>"));
    }
    QElapsedTimer clock;
    clock.start();
    const QDir out(args[1]);
    if (!QDir().mkpath(out.path())) {
        return Fail(QStringLiteral("cannot create %1").arg(out.path()));
    }

    QStringList problems = CPictureCheck::CheckTable();
    QStringList files;
    int drawn = 0;
    int drawn2x = 0;
    for (const PictureSpec& spec : CPictureTable::All()) {
        if (!CPictureTable::IsDrawn(spec)) {
            continue;
        }
        PaintedPicture picture = CPicturePainter::Paint(spec);
        QStringList found = picture.problems;
        found << CPictureCheck::Check(spec, picture.image, picture.frames);
        if (!found.isEmpty()) {
            for (const QString& p : found) {
                problems << QStringLiteral("picture %1: %2").arg(spec.id).arg(p);
            }
            continue;
        }
        const QString name = QStringLiteral("%1.png").arg(spec.id);
        if (!SavePng(picture.image, out.filePath(name))) {
            problems << QStringLiteral("cannot write %1").arg(out.filePath(name));
            continue;
        }
        files << name;
        ++drawn;
        if (spec.id == CPictureTable::kApplicationIconId &&
            (!SavePng(picture.image, out.filePath(QStringLiteral("tevaro.png"))) ||
             !WriteText(out.filePath(QStringLiteral("tevaro.svg")),
                        CAppIconPainter::Svg().toUtf8()))) {
            problems << QStringLiteral("cannot write the program icon files");
        }

        // The same painting at twice the size, for screens of a device pixel
        // ratio above 1: same table row, checked at its own resolution and
        // against the outline just drawn.
        PaintedPicture twice;
        {
            const CArtCanvas::ScaleScope scale(2);
            twice = CPicturePainter::Paint(spec);
        }
        QStringList found2x = twice.problems;
        found2x << CPictureCheck::Check(spec, twice.image, twice.frames, 2);
        if (found2x.isEmpty()) {
            found2x << CPictureCheck::CheckScaledAgainst(spec, twice.image, picture.image, 2);
        }
        if (!found2x.isEmpty()) {
            for (const QString& p : found2x) {
                problems << QStringLiteral("picture %1@2x: %2").arg(spec.id).arg(p);
            }
            continue;
        }
        const QString name2x = QStringLiteral("%1@2x.png").arg(spec.id);
        if (!SavePng(twice.image, out.filePath(name2x))) {
            problems << QStringLiteral("cannot write %1").arg(out.filePath(name2x));
            continue;
        }
        files << name2x;
        ++drawn2x;
    }
    if (!problems.isEmpty()) {
        for (const QString& p : problems) {
            Fail(p);
        }
        return Fail(QStringLiteral("%1 problem(s); no resource list written").arg(problems.size()));
    }

    QByteArray qrc = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/png\">\n";
    for (const QString& f : files) {
        qrc += "    <file>" + f.toUtf8() + "</file>\n";
    }
    qrc += "</qresource>\n</RCC>\n";
    if (!WriteText(out.filePath(QStringLiteral("tevaro_pictures.qrc")), qrc)) {
        return Fail(QStringLiteral("cannot write the resource list"));
    }
    std::printf("tevaro-art: %d pictures (and %d at @2x) in %lld ms\n", drawn, drawn2x,
                static_cast<long long>(clock.elapsed()));
    return 0;
}
