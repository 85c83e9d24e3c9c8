// SPDX-License-Identifier: LicenseRef-proprietary
#include "window_icon.h"

#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>

namespace {

// Naming the format and turning detection off keeps Qt from loading and
// asking every image format plugin whether it reads a ".png" first.
QIcon readPng(const QString &path)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(reader.read()));
    return icon;
}

class LazyPngIconEngine final : public QIconEngine
{
public:
    explicit LazyPngIconEngine(QString path) : path(std::move(path)) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        loaded().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return loaded().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return loaded().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return loaded().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return loaded().availableSizes(mode, state);
    }
    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("railpin-lazy-png"); }
    QIconEngine *clone() const override { return new LazyPngIconEngine(path); }

private:
    const QIcon &loaded()
    {
        if (icon.isNull())
            icon = readPng(path);
        return icon;
    }

    QString path;
    QIcon icon;
};

}  // namespace

QIcon railpinWindowIcon()
{
    return QIcon(new LazyPngIconEngine(QStringLiteral(":/railpin/railpin.png")));
}
