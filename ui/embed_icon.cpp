// A tool of the build: decodes the window's icon with Qt's own image reader
// and writes the picture as it came out, with its format, colour table and
// rows, as C++ data that QImage takes as it is. The program then has the same
// picture without a PNG to decode at every start, and without the image
// format plugins that Qt's reader loads to ask each of them first.
//
//   embed_icon PICTURE OUTPUT.h NAME      (NAME: the struct that holds it)
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QString>

#include <cstdio>
#include <string>

namespace {

std::string hex(unsigned value, int digits)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*x", digits, value);
    return text;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fputs("usage: embed_icon PICTURE OUTPUT.h NAME\n", stderr);
        return 2;
    }
    const std::string name = argv[3];
    const QString input = QString::fromLocal8Bit(argv[1]);
    QImageReader reader(input);
    const QImage image = reader.read();
    if (image.isNull()) {
        std::fprintf(stderr, "embed_icon: %s: %s\n", argv[1], qPrintable(reader.errorString()));
        return 1;
    }

    std::string out = "// Made by embed_icon from " + QFileInfo(input).fileName().toStdString()
        + ", and made again when it changes.\n"
          "#pragma once\n\n"
          "#include <array>\n\n"
          "struct " + name + " {\n";
    out += "    static constexpr int Width = " + std::to_string(image.width()) + ";\n";
    out += "    static constexpr int Height = " + std::to_string(image.height()) + ";\n";
    out += "    static constexpr int BytesPerLine = " + std::to_string(image.bytesPerLine()) + ";\n";
    out += "    // A QImage::Format of the Qt that the program is built with.\n";
    out += "    static constexpr int Format = " + std::to_string(int(image.format())) + ";\n";

    const QList<QRgb> colours = image.colorTable();
    out += "    static constexpr std::array<unsigned, " + std::to_string(colours.size()) + "> ColourTable = {";
    for (qsizetype i = 0; i < colours.size(); ++i)
        out += (i % 8 == 0 ? "\n        " : " ") + hex(colours[i], 8) + ',';
    out += "\n    };\n";

    // QImage wants every row to start on a 32-bit boundary.
    const qsizetype size = image.sizeInBytes();
    const uchar *bytes = image.constBits();
    out += "    alignas(4) static constexpr std::array<unsigned char, " + std::to_string(size) + "> Pixels = {";
    for (qsizetype i = 0; i < size; ++i)
        out += (i % 16 == 0 ? "\n        " : " ") + hex(bytes[i], 2) + ',';
    out += "\n    };\n};\n";

    QFile file(QString::fromLocal8Bit(argv[2]));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(out.data(), qint64(out.size())) != qint64(out.size()) || !file.flush()) {
        std::fprintf(stderr, "embed_icon: %s: %s\n", argv[2], qPrintable(file.errorString()));
        file.remove();
        return 1;
    }
    return 0;
}
