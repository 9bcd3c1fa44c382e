#include "window_icon.h"

#include "window_icon_data.h"

#include <QImage>
#include <QList>
#include <QPixmap>

QIcon programIcon()
{
    namespace data = window_icon_data;
    QImage image(data::Pixels.data(), data::Width, data::Height, data::BytesPerLine, QImage::Format(data::Format));
    if (!data::ColourTable.empty())
        image.setColorTable(QList<QRgb>(data::ColourTable.begin(), data::ColourTable.end()));
    // The pixmap is a copy: the data can stay where it is.
    return QIcon(QPixmap::fromImage(image));
}
