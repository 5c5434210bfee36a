// Draws the program's icon set and writes it, with the resource list that embeds it, into the
// folder given as the only argument:
//   Images/<n>x<n>/<name>.png for every size n of ICON_SIZES, Images/logo.ico, icons.qrc,
//   and logo/<n>x<n>.png for every size n of LOGO_SIZES: the desktop's application icon, which
//   the install copies into the hicolor theme and the program does not embed.
// Every glyph is drawn on a 24 x 24 grid and scaled, so all sizes share one look; nothing is taken
// from an existing icon set and no font is used, so the output is the same on every machine.

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>
#include <QtEndian>

#include <cstdio>
#include <functional>
#include <vector>

namespace {

const int ICON_SIZES[] = {8, 16, 24, 32, 64, 128};
const int LOGO_SIZES[] = {16, 24, 32, 64, 128};

const QColor INK(0x37, 0x47, 0x4f);
const QColor PAPER(0xfa, 0xfa, 0xfa);
const QColor BLUE(0x1e, 0x88, 0xe5);
const QColor GREEN(0x43, 0xa0, 0x47);
const QColor RED(0xe5, 0x39, 0x35);
const QColor AMBER(0xff, 0xb3, 0x00);
const QColor ORANGE(0xfb, 0x8c, 0x00);
const QColor PURPLE(0x8e, 0x24, 0xaa);
const QColor TEAL(0x00, 0x89, 0x7b);
const QColor GREY(0x90, 0xa4, 0xae);
const QColor DARK(0x26, 0x32, 0x38);

// Outline width on the 24-unit grid; never thinner than one device pixel.
qreal g_line = 1.5;

void outline(QPainter &p, const QColor &fill, const QColor &ink = INK)
{
    p.setPen(QPen(ink, g_line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
}

void stroke(QPainter &p, const QColor &ink, qreal width)
{
    p.setPen(QPen(ink, qMax(width, g_line), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
}

// A round badge with a white mark drawn by the callback (error, add, delete, information).
void badge(QPainter &p, const QColor &fill, const QRectF &box, const std::function<void()> &mark)
{
    outline(p, fill, fill.darker(130));
    p.drawEllipse(box);
    stroke(p, Qt::white, box.width() / 7.0);
    mark();
}

void crossMark(QPainter &p, const QRectF &box)
{
    badge(p, RED, box, [&] {
        const qreal d = box.width() * 0.28;
        const QPointF c = box.center();
        p.drawLine(c + QPointF(-d, -d), c + QPointF(d, d));
        p.drawLine(c + QPointF(-d, d), c + QPointF(d, -d));
    });
}

void plusMark(QPainter &p, const QRectF &box)
{
    badge(p, GREEN, box, [&] {
        const qreal d = box.width() * 0.28;
        const QPointF c = box.center();
        p.drawLine(c + QPointF(-d, 0), c + QPointF(d, 0));
        p.drawLine(c + QPointF(0, -d), c + QPointF(0, d));
    });
}

void document(QPainter &p)
{
    QPainterPath page;
    page.moveTo(4, 2);
    page.lineTo(14, 2);
    page.lineTo(19, 7);
    page.lineTo(19, 22);
    page.lineTo(4, 22);
    page.closeSubpath();
    outline(p, PAPER);
    p.drawPath(page);
    p.drawPolyline(QPolygonF({QPointF(14, 2), QPointF(14, 7), QPointF(19, 7)}));
}

void floppy(QPainter &p, const QPointF &at, qreal scale)
{
    p.save();
    p.translate(at);
    p.scale(scale, scale);
    QPainterPath body;
    body.moveTo(2, 2);
    body.lineTo(18, 2);
    body.lineTo(22, 6);
    body.lineTo(22, 22);
    body.lineTo(2, 22);
    body.closeSubpath();
    outline(p, BLUE);
    p.drawPath(body);
    outline(p, PAPER);
    p.drawRect(QRectF(6, 2, 10, 7));
    p.drawRect(QRectF(5, 13, 14, 9));
    p.restore();
}

void relationGlyph(QPainter &p, const QPointF &at)
{
    p.save();
    p.translate(at);
    outline(p, PURPLE.lighter(160), PURPLE.darker(130));
    p.drawRoundedRect(QRectF(2, 5, 20, 14), 3, 3);
    stroke(p, PURPLE.darker(130), 1.5);
    p.drawLine(QPointF(9, 12), QPointF(16, 12));
    p.drawPolyline(QPolygonF({QPointF(13.5, 9.5), QPointF(16, 12), QPointF(13.5, 14.5)}));
    outline(p, PURPLE, PURPLE.darker(130));
    p.drawEllipse(QPointF(6.5, 12), 2, 2);
    p.drawEllipse(QPointF(18.5, 12), 1.2, 1.2);
    p.restore();
}

using Painter = std::function<void(QPainter &)>;

struct Icon
{
    const char *name;
    Painter paint;
};

const std::vector<Icon> &icons()
{
    static const std::vector<Icon> all = {
        {"console",
         [](QPainter &p) {
             outline(p, DARK);
             p.drawRoundedRect(QRectF(2, 4, 20, 16), 2, 2);
             stroke(p, QColor(0x69, 0xf0, 0xae), 1.8);
             p.drawPolyline(QPolygonF({QPointF(6, 9), QPointF(9, 12), QPointF(6, 15)}));
             p.drawLine(QPointF(11, 15.5), QPointF(16, 15.5));
         }},
        {"error", [](QPainter &p) { crossMark(p, QRectF(2, 2, 20, 20)); }},
        {"error message", [](QPainter &p) { crossMark(p, QRectF(2, 2, 20, 20)); }},
        {"warning message",
         [](QPainter &p) {
             outline(p, AMBER, AMBER.darker(150));
             p.drawPolygon(QPolygonF({QPointF(12, 2), QPointF(22.5, 21), QPointF(1.5, 21)}));
             stroke(p, DARK, 2.6);
             p.drawLine(QPointF(12, 8.5), QPointF(12, 14));
             p.drawPoint(QPointF(12, 17.8));
         }},
        {"information message",
         [](QPainter &p) {
             badge(p, BLUE, QRectF(2, 2, 20, 20), [&] {
                 p.drawLine(QPointF(12, 11), QPointF(12, 17));
                 p.drawPoint(QPointF(12, 7.2));
             });
         }},
        {"clear",
         [](QPainter &p) {
             p.save();
             p.translate(12, 11);
             p.rotate(-40);
             outline(p, QColor(0xf4, 0x8f, 0xb1));
             p.drawRoundedRect(QRectF(-9, -4.5, 9, 9), 1.5, 1.5);
             outline(p, PAPER);
             p.drawRoundedRect(QRectF(0, -4.5, 9, 9), 1.5, 1.5);
             p.restore();
             stroke(p, INK, 1.5);
             p.drawLine(QPointF(3, 21), QPointF(21, 21));
         }},
        {"debug",
         [](QPainter &p) {
             stroke(p, INK, 1.5);
             for (qreal y : {10.0, 14.0, 18.0}) {
                 p.drawLine(QPointF(4, y - 1), QPointF(20, y + 1));
                 p.drawLine(QPointF(4, y + 1), QPointF(20, y - 1));
             }
             p.drawLine(QPointF(10, 5), QPointF(8, 2));
             p.drawLine(QPointF(14, 5), QPointF(16, 2));
             outline(p, GREEN);
             p.drawEllipse(QRectF(7, 8, 10, 14));
             p.drawEllipse(QRectF(9, 4, 6, 5));
             stroke(p, INK, 1.2);
             p.drawLine(QPointF(12, 9), QPointF(12, 21));
         }},
        {"run",
         [](QPainter &p) {
             outline(p, GREEN, GREEN.darker(140));
             p.drawPolygon(QPolygonF({QPointF(6, 3), QPointF(20, 12), QPointF(6, 21)}));
         }},
        {"graph",
         [](QPainter &p) {
             const QPointF a(5, 6), b(19, 6), c(12, 18), d(5, 18);
             stroke(p, INK, 1.5);
             p.drawLine(a, b);
             p.drawLine(a, c);
             p.drawLine(b, c);
             p.drawLine(d, c);
             outline(p, BLUE);
             for (const QPointF &n : {a, b, c, d})
                 p.drawEllipse(n, 3, 3);
         }},
        {"filter",
         [](QPainter &p) {
             outline(p, AMBER, AMBER.darker(160));
             p.drawPolygon(QPolygonF({QPointF(2, 3), QPointF(22, 3), QPointF(14, 12),
                                      QPointF(14, 20), QPointF(10, 22), QPointF(10, 12)}));
         }},
        {"create model",
         [](QPainter &p) {
             document(p);
             plusMark(p, QRectF(11, 11, 12, 12));
         }},
        {"close model",
         [](QPainter &p) {
             document(p);
             crossMark(p, QRectF(11, 11, 12, 12));
         }},
        {"open model",
         [](QPainter &p) {
             outline(p, AMBER.darker(115), AMBER.darker(170));
             p.drawPolygon(QPolygonF({QPointF(2, 5), QPointF(9, 5), QPointF(11, 7), QPointF(20, 7),
                                      QPointF(20, 20), QPointF(2, 20)}));
             outline(p, AMBER, AMBER.darker(170));
             p.drawPolygon(
                 QPolygonF({QPointF(2, 20), QPointF(6, 11), QPointF(23, 11), QPointF(20, 20)}));
         }},
        {"save", [](QPainter &p) { floppy(p, QPointF(0, 0), 1.0); }},
        {"save as",
         [](QPainter &p) {
             floppy(p, QPointF(0, 0), 0.85);
             p.save();
             p.translate(17, 17);
             p.rotate(45);
             outline(p, ORANGE);
             p.drawRect(QRectF(-9, -2, 12, 4));
             p.drawPolygon(QPolygonF({QPointF(3, -2), QPointF(7, 0), QPointF(3, 2)}));
             p.restore();
         }},
        {"save all",
         [](QPainter &p) {
             floppy(p, QPointF(4, 0), 0.8);
             floppy(p, QPointF(0, 5), 0.8);
         }},
        {"class",
         [](QPainter &p) {
             outline(p, PAPER);
             p.drawRect(QRectF(3, 3, 18, 18));
             outline(p, BLUE);
             p.drawRect(QRectF(3, 3, 18, 6));
             stroke(p, INK, 1.2);
             p.drawLine(QPointF(3, 15), QPointF(21, 15));
             p.drawLine(QPointF(6, 12), QPointF(16, 12));
             p.drawLine(QPointF(6, 18), QPointF(14, 18));
         }},
        {"parameter",
         [](QPainter &p) {
             outline(p, ORANGE, ORANGE.darker(150));
             p.drawPolygon(QPolygonF({QPointF(2, 7), QPointF(15, 7), QPointF(22, 12),
                                      QPointF(15, 17), QPointF(2, 17)}));
             outline(p, PAPER, ORANGE.darker(150));
             p.drawEllipse(QPointF(15.5, 12), 1.8, 1.8);
         }},
        {"constraint",
         [](QPainter &p) {
             stroke(p, INK, 2.2);
             p.drawArc(QRectF(7, 3, 10, 12), 0, 180 * 16);
             p.drawLine(QPointF(7, 9), QPointF(7, 11));
             p.drawLine(QPointF(17, 9), QPointF(17, 11));
             outline(p, AMBER, AMBER.darker(170));
             p.drawRoundedRect(QRectF(4, 10, 16, 12), 2, 2);
             outline(p, DARK);
             p.drawEllipse(QPointF(12, 16), 1.5, 1.5);
         }},
        {"relation", [](QPainter &p) { relationGlyph(p, QPointF(0, 0)); }},
        {"relations",
         [](QPainter &p) {
             p.save();
             p.scale(0.8, 0.8);
             relationGlyph(p, QPointF(6, -2));
             relationGlyph(p, QPointF(0, 8));
             p.restore();
         }},
        {"rule",
         [](QPainter &p) {
             outline(p, TEAL.lighter(170), TEAL.darker(130));
             p.drawPolygon(
                 QPolygonF({QPointF(9, 3), QPointF(16, 12), QPointF(9, 21), QPointF(2, 12)}));
             stroke(p, TEAL.darker(130), 2);
             p.drawLine(QPointF(16, 12), QPointF(22, 12));
             p.drawPolyline(QPolygonF({QPointF(19, 9), QPointF(22, 12), QPointF(19, 15)}));
         }},
        {"project",
         [](QPainter &p) {
             stroke(p, INK, 1.5);
             p.drawPolyline(QPolygonF({QPointF(6, 8), QPointF(6, 18), QPointF(12, 18)}));
             p.drawLine(QPointF(6, 12), QPointF(12, 12));
             outline(p, BLUE);
             p.drawRect(QRectF(2, 2, 9, 6));
             outline(p, ORANGE);
             p.drawRect(QRectF(12, 9, 9, 6));
             p.drawRect(QRectF(12, 15, 9, 6));
         }},
        {"text",
         [](QPainter &p) {
             outline(p, PAPER);
             p.drawRoundedRect(QRectF(2, 2, 20, 20), 2, 2);
             outline(p, DARK, DARK);
             p.drawRect(QRectF(6, 6, 12, 2.5));
             p.drawRect(QRectF(10.75, 6, 2.5, 12));
         }},
        {"number",
         [](QPainter &p) {
             outline(p, PAPER);
             p.drawRoundedRect(QRectF(2, 2, 20, 20), 2, 2);
             stroke(p, DARK, 2);
             p.drawLine(QPointF(10, 6), QPointF(8.5, 18));
             p.drawLine(QPointF(15.5, 6), QPointF(14, 18));
             p.drawLine(QPointF(6, 10), QPointF(18.5, 10));
             p.drawLine(QPointF(5.5, 14), QPointF(18, 14));
         }},
        {"add base operand", [](QPainter &p) { plusMark(p, QRectF(2, 2, 20, 20)); }},
        {"del base operand",
         [](QPainter &p) {
             badge(p, RED, QRectF(2, 2, 20, 20),
                   [&] { p.drawLine(QPointF(6.5, 12), QPointF(17.5, 12)); });
         }},
    };
    return all;
}

void paintLogo(QPainter &p)
{
    outline(p, BLUE.darker(120), BLUE.darker(170));
    p.drawEllipse(QRectF(1, 1, 22, 22));
    const QPointF top(12, 6.5), left(7, 16.5), right(17, 16.5);
    stroke(p, Qt::white, 1.6);
    p.drawLine(top, left);
    p.drawLine(top, right);
    p.drawLine(left, right);
    outline(p, AMBER, Qt::white);
    for (const QPointF &n : {top, left, right})
        p.drawEllipse(n, 2.6, 2.6);
}

QImage render(const Painter &paint, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal scale = size / 24.0;
    p.scale(scale, scale);
    g_line = qMax<qreal>(1.5, 1.0 / scale);
    paint(p);
    p.end();
    return image;
}

void putLe16(QByteArray &out, quint16 v)
{
    const quint16 le = qToLittleEndian(v);
    out.append(reinterpret_cast<const char *>(&le), 2);
}

void putLe32(QByteArray &out, quint32 v)
{
    const quint32 le = qToLittleEndian(v);
    out.append(reinterpret_cast<const char *>(&le), 4);
}

// An icon file of 32-bit bitmaps, one per size; written here so the build needs no image plugin.
QByteArray icoFile(const std::vector<QImage> &images)
{
    std::vector<QByteArray> bodies;
    for (const QImage &source : images) {
        const QImage image = source.convertToFormat(QImage::Format_ARGB32);
        const int w = image.width(), h = image.height();
        const int maskStride = ((w + 31) / 32) * 4;
        QByteArray body;
        putLe32(body, 40);
        putLe32(body, quint32(w));
        putLe32(body, quint32(2 * h));
        putLe16(body, 1);
        putLe16(body, 32);
        putLe32(body, 0);
        putLe32(body, quint32(w * h * 4 + maskStride * h));
        for (int i = 0; i < 4; ++i)
            putLe32(body, 0);
        for (int y = h - 1; y >= 0; --y) {
            const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            for (int x = 0; x < w; ++x)
                putLe32(body, line[x]); // 0xAARRGGBB little-endian is B, G, R, A
        }
        for (int y = h - 1; y >= 0; --y) {
            QByteArray row(maskStride, '\0');
            const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            for (int x = 0; x < w; ++x)
                if (qAlpha(line[x]) == 0)
                    row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
            body.append(row);
        }
        bodies.push_back(body);
    }
    QByteArray out;
    putLe16(out, 0);
    putLe16(out, 1);
    putLe16(out, quint16(images.size()));
    quint32 offset = quint32(6 + 16 * images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        const int size = images[i].width();
        out.append(char(size >= 256 ? 0 : size));
        out.append(char(size >= 256 ? 0 : size));
        out.append(char(0));
        out.append(char(0));
        putLe16(out, 1);
        putLe16(out, 32);
        putLe32(out, quint32(bodies[i].size()));
        putLe32(out, offset);
        offset += quint32(bodies[i].size());
    }
    for (const QByteArray &body : bodies)
        out.append(body);
    return out;
}

bool writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size()) {
        std::fprintf(stderr, "generateIcons: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

bool makeFolder(const QDir &out, const QString &folder)
{
    if (out.mkpath(folder))
        return true;
    std::fprintf(stderr, "generateIcons: cannot create %s\n", qPrintable(out.filePath(folder)));
    return false;
}

bool savePng(const QImage &image, const QString &path)
{
    if (image.save(path, "PNG"))
        return true;
    std::fprintf(stderr, "generateIcons: cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: generateIcons <output folder>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QStringList entries;
    for (int size : ICON_SIZES) {
        const QString folder = QStringLiteral("Images/%1x%1").arg(size);
        if (!makeFolder(out, folder))
            return 1;
        for (const Icon &icon : icons()) {
            const QString file = folder + QLatin1Char('/') + QLatin1String(icon.name)
                                 + QLatin1String(".png");
            if (!savePng(render(icon.paint, size), out.filePath(file)))
                return 1;
            entries << file;
        }
    }
    std::vector<QImage> logo;
    if (!makeFolder(out, QStringLiteral("logo")))
        return 1;
    for (int size : LOGO_SIZES) {
        logo.push_back(render(paintLogo, size));
        if (!savePng(logo.back(), out.filePath(QStringLiteral("logo/%1x%1.png").arg(size))))
            return 1;
    }
    if (!writeFile(out.filePath(QStringLiteral("Images/logo.ico")), icoFile(logo)))
        return 1;
    entries << QStringLiteral("Images/logo.ico");

    QByteArray qrc;
    QTextStream s(&qrc);
    s << "<RCC>\n  <qresource prefix=\"/prog\">\n";
    for (const QString &entry : entries)
        s << "    <file>" << entry << "</file>\n";
    s << "  </qresource>\n</RCC>\n";
    s.flush();
    return writeFile(out.filePath(QStringLiteral("icons.qrc")), qrc) ? 0 : 1;
}
