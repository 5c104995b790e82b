#include "ui/toolbar_images.h"

#include <QDir>
#include <QPainter>
#include <QSvgRenderer>
#include <array>

#include "app/command_table.h"

// The images live in a static library: its resources must be registered by hand, once.
static void InitToolbarResources() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(icons);
        return true;
    }();
    (void)registered;
}

namespace wayloom {

namespace {

QString ImagePath(int image) {
    InitToolbarResources();
    // The files are named "NN-what.svg" so that their order is the image order.
    static const QStringList files = QDir(QStringLiteral(":/toolbar")).entryList({QStringLiteral("[0-9][0-9]-*.svg")},
                                                                               QDir::Files, QDir::Name);
    return image >= 0 && image < files.size() ? QStringLiteral(":/toolbar/") + files[image] : QString();
}

QImage Render(const QString& path, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(path);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

}  // namespace

QImage ToolbarImage(int image, int size) {
    const QString path = ImagePath(image);
    return path.isEmpty() ? QImage() : Render(path, QSize(size, size));
}

QImage HotImage(const QImage& image) {
    QImage hot = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < hot.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(hot.scanLine(y));
        for (int x = 0; x < hot.width(); ++x) {
            const auto lift = [](int c) { return c < 232 ? c * 11 / 10 : 255; };
            const QRgb p = line[x];
            line[x] = qRgba(lift(qRed(p)), lift(qGreen(p)), lift(qBlue(p)), qAlpha(p));
        }
    }
    return hot;
}

QIcon ToolbarIcon(int image) {
    static std::array<QIcon, ToolbarImageCount> icons;
    if (image < 0 || image >= ToolbarImageCount) return {};
    QIcon& icon = icons[static_cast<std::size_t>(image)];
    if (icon.isNull()) {
        for (const int size : {SmallImageSize, LargeImageSize}) {
            const QImage normal = ToolbarImage(image, size);
            icon.addPixmap(QPixmap::fromImage(normal), QIcon::Normal);
            icon.addPixmap(QPixmap::fromImage(HotImage(normal)), QIcon::Active);
        }
    }
    return icon;
}

QImage ChevronImage() {
    InitToolbarResources();
    return Render(QStringLiteral(":/toolbar/chevron.svg"), QSize(ChevronWidth, ChevronHeight));
}

QCursor CutOffButtonsCursor() {
    // An arrow with the chevron beside it.
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QPolygonF arrow({{1, 1}, {1, 17}, {5, 13}, {8, 20}, {11, 19}, {8, 12}, {13, 12}});
    p.setPen(QPen(Qt::white, 1.5));
    p.setBrush(Qt::black);
    p.drawPolygon(arrow);
    p.drawImage(QRect(14, 14, 2 * ChevronWidth, 2 * ChevronHeight), ChevronImage());
    return QCursor(pixmap, 1, 1);
}

}  // namespace wayloom
