#include "window_icon.h"

#include "window_icon_16.h"
#include "window_icon_32.h"

#include <QImage>
#include <QList>
#include <QPixmap>

namespace {

template <typename Picture>
QPixmap pixmapOf()
{
    QImage image(Picture::Pixels.data(), Picture::Width, Picture::Height, Picture::BytesPerLine,
                 QImage::Format(Picture::Format));
    if (!Picture::ColourTable.empty())
        image.setColorTable(QList<QRgb>(Picture::ColourTable.begin(), Picture::ColourTable.end()));
    // The pixmap is a copy: the data can stay where it is.
    return QPixmap::fromImage(image);
}

} // namespace

QIcon programIcon()
{
    QIcon icon;
    icon.addPixmap(pixmapOf<window_icon_32>());
    icon.addPixmap(pixmapOf<window_icon_16>());
    return icon;
}
