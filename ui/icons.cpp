// Renders the program's icon and its files' icons as PNGs for the desktop:
//   corvane_icons OUTDIR
// writes OUTDIR/<size>/corvane.png, application-x-corvane-numbers.png and
// application-x-corvane-settings.png for the usual icon sizes.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "ui/skin.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("icons");
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString dir = QStringLiteral("%1/%2x%2").arg(out).arg(size);
        QDir().mkpath(dir);
        const auto render = [&](const QString& name, auto&& paint) {
            QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter p(&image);
            paint(p, QRectF(0, 0, size, size));
            p.end();
            return image.save(dir + QLatin1Char('/') + name);
        };
        bool ok = render(QStringLiteral("corvane.png"),
                         [](QPainter& p, const QRectF& r) { corvane::skin::paint_icon(p, r); });
        ok = ok && render(QStringLiteral("application-x-corvane-numbers.png"),
                          [](QPainter& p, const QRectF& r) {
                              corvane::skin::paint_file_icon(p, r, QStringLiteral("KVN"));
                          });
        ok = ok && render(QStringLiteral("application-x-corvane-settings.png"),
                          [](QPainter& p, const QRectF& r) {
                              corvane::skin::paint_file_icon(p, r, QStringLiteral("KVS"));
                          });
        if (!ok) {
            return 1;
        }
    }
    return 0;
}
