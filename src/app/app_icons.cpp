#include "app/app_icons.hpp"

#include <QFile>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QSvgRenderer>

namespace qinghe {

namespace {

// Draws an SVG at the size asked for. The renderer is linked into the program, so the icons do
// not depend on an image-format plug-in being installed.
class SvgIconEngine : public QIconEngine {
public:
    explicit SvgIconEngine(QByteArray svg) : svg_(std::move(svg)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        const qreal scale = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, scaledPixmap(rect.size(), mode, state, scale));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }

    // Rendered pictures are kept per size, mode and scale: a list paints the row image in every
    // visible row, and parsing the SVG each time would be wasted work.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State,
                         qreal scale) override {
        const QString key = QStringLiteral("%1x%2@%3/%4")
                                .arg(size.width()).arg(size.height()).arg(scale).arg(int(mode));
        auto found = cache_.constFind(key);
        if (found != cache_.constEnd()) return *found;
        QPixmap pixmap(size * scale);
        pixmap.fill(Qt::transparent);
        {
            QPainter painter(&pixmap);
            painter.setRenderHint(QPainter::Antialiasing);
            if (mode == QIcon::Disabled) painter.setOpacity(0.35);
            QSvgRenderer renderer(svg_);
            renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixmap.size())));
        }
        pixmap.setDevicePixelRatio(scale);
        cache_.insert(key, pixmap);
        return pixmap;
    }

    QIconEngine* clone() const override { return new SvgIconEngine(svg_); }

private:
    QByteArray svg_;
    QHash<QString, QPixmap> cache_;
};

QByteArray svgData(const QString& name) {
    QFile file(QStringLiteral(":/icons/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString fileOf(AppIcon icon) {
    switch (icon) {
    case AppIcon::Application: return QStringLiteral("qinghe.svg");
    case AppIcon::ToolModeSelection: return QStringLiteral("tool_modes.svg");
    case AppIcon::ToolBazi: return QStringLiteral("tool_bazi.svg");
    case AppIcon::ToolScoring: return QStringLiteral("tool_score.svg");
    case AppIcon::ToolRecords: return QStringLiteral("tool_records.svg");
    case AppIcon::ToolDictionary: return QStringLiteral("tool_dictionary.svg");
    case AppIcon::ListRow: return QStringLiteral("list_row.svg");
    case AppIcon::AboutPicture: return QStringLiteral("about_picture.svg");
    }
    return {};
}

QIcon iconOf(const QString& file) { return QIcon(new SvgIconEngine(svgData(file))); }

}  // namespace

QIcon appIcon(AppIcon icon) { return iconOf(fileOf(icon)); }

QIcon modeImage(int index) {
    static const char* const files[kModeImageCount] = {
        "mode_classic.svg", "mode_high_score.svg", "mode_poetry.svg", "mode_combination.svg",
        "mode_nickname.svg", "mode_english.svg", "mode_super.svg"};
    if (index < 0 || index >= kModeImageCount) return {};
    return iconOf(QString::fromLatin1(files[index]));
}

QPixmap appPixmap(AppIcon icon, QSize size, qreal devicePixelRatio) {
    return appIcon(icon).pixmap(size, devicePixelRatio);
}

}  // namespace qinghe
