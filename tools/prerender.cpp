// Build step: draws every picture that is not a template at its own size, as the program would,
// so that the program can show its first window without drawing vectors and shaping text.
// Usage: prerender SOURCE_DIR OUTPUT_DIR NAME...   (NAME as "shell/start_button")
// Each picture is written as NAME.pixels: the header "RRPX", width, height and QImage format as
// little-endian 32-bit numbers, then the rows of pixels. The resource compiler compresses it; the
// program copies it into an image without decoding a picture format.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: prerender SOURCE_DIR OUTPUT_DIR NAME...\n");
        return 2;
    }
    // The same face the program maps the pictures' font list to.
    QFont::insertSubstitution(QStringLiteral("Liberation Sans, Arial, sans-serif"), QStringLiteral("Liberation Sans"));
    const QDir source(QString::fromLocal8Bit(argv[1]));
    const QDir output(QString::fromLocal8Bit(argv[2]));
    int failures = 0;
    for (int i = 3; i < argc; ++i) {
        const QString name = QString::fromLocal8Bit(argv[i]);
        QFile file(source.filePath(name + QStringLiteral(".svg")));
        QSvgRenderer renderer;
        if (!file.open(QIODevice::ReadOnly) || !renderer.load(file.readAll())) {
            std::fprintf(stderr, "prerender: cannot read %s\n", qPrintable(file.fileName()));
            ++failures;
            continue;
        }
        QImage image(renderer.defaultSize(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(image.size())));
        painter.end();
        bool opaque = true;
        for (int y = 0; y < image.height() && opaque; ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < image.width() && opaque; ++x)
                opaque = qAlpha(line[x]) == 255;
        }
        if (opaque)
            image.convertTo(QImage::Format_RGB32);
        QByteArray bytes("RRPX");
        for (const quint32 value : {quint32(image.width()), quint32(image.height()), quint32(image.format())})
            for (int shift = 0; shift < 32; shift += 8)
                bytes.append(char((value >> shift) & 0xFF));
        for (int y = 0; y < image.height(); ++y)
            bytes.append(reinterpret_cast<const char*>(image.constScanLine(y)), image.width() * 4);
        const QString target = output.filePath(name + QStringLiteral(".pixels"));
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile out(target);
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size()) {
            std::fprintf(stderr, "prerender: cannot write %s\n", qPrintable(target));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
