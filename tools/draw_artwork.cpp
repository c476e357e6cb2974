// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the program's artwork: the picture of the two wheels and the icon.
// Usage: draw_artwork OUTPUT_FOLDER   (writes wheels.png, icon-N.png for each
// size of the desktop's icon theme, and zarandola.ico there; the results are
// kept in ui/resources)
#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <cstdio>
#include <vector>

namespace {

const QColor ink(0, 0, 0);
const QColor shade(128, 128, 128);

// --- The wheels -----------------------------------------------------------

// A leaf in grey from its stalk to its tip, bulging on each side by the two
// control points.
void draw_leaf(QPainter& p, QPointF stalk, QPointF upper, QPointF tip, QPointF lower) {
  p.setPen(QPen(shade, 1.2));
  QPainterPath leaf;
  leaf.moveTo(stalk);
  leaf.quadTo(upper, tip);
  leaf.quadTo(lower, stalk);
  p.drawPath(leaf);
}

void draw_cherries(QPainter& p) {
  p.setPen(QPen(ink, 1.3));
  p.setBrush(Qt::NoBrush);
  QPainterPath stems;
  stems.moveTo(-5, 5);
  stems.quadTo(-4, -4, 2, -10);
  stems.moveTo(5, 4);
  stems.quadTo(3, -4, 2, -10);
  p.drawPath(stems);
  draw_leaf(p, {2, -10}, {7, -14}, {11, -10}, {6, -7});
  p.setPen(QPen(ink, 1.4));
  p.drawEllipse(QPointF(-5, 8.5), 4.5, 4.5);
  p.drawEllipse(QPointF(5.5, 7.5), 4.5, 4.5);
  p.setPen(QPen(shade, 1));
  p.drawArc(QRectF(-8, 6, 3, 3), 90 * 16, 90 * 16);
  p.drawArc(QRectF(2.5, 5, 3, 3), 90 * 16, 90 * 16);
}

void draw_apple(QPainter& p) {
  p.setPen(QPen(ink, 1.4));
  p.setBrush(Qt::NoBrush);
  QPainterPath apple;
  apple.moveTo(0, -5);
  apple.cubicTo(4, -9, 11, -7, 10, 1);
  apple.cubicTo(9, 8, 4, 11, 1, 9);
  apple.cubicTo(0, 8.5, 0, 8.5, -1, 9);
  apple.cubicTo(-4, 11, -9, 8, -10, 1);
  apple.cubicTo(-11, -7, -4, -9, 0, -5);
  p.drawPath(apple);
  p.drawLine(QPointF(0, -5), QPointF(1.5, -11));
  draw_leaf(p, {1, -8}, {5, -13}, {9, -11}, {5, -7});
  p.drawArc(QRectF(-7, -3, 5, 6), 100 * 16, 80 * 16);
}

void draw_lemon(QPainter& p) {
  p.setPen(QPen(ink, 1.4));
  p.setBrush(Qt::NoBrush);
  QPainterPath lemon;
  lemon.moveTo(-12, 0);
  lemon.cubicTo(-10, -9, 10, -9, 12, 0);
  lemon.cubicTo(10, 9, -10, 9, -12, 0);
  p.drawPath(lemon);
  p.drawLine(QPointF(-12, 0), QPointF(-14, 0));
  p.drawLine(QPointF(12, 0), QPointF(14, 0));
  p.setPen(QPen(shade, 1));
  p.drawArc(QRectF(-7, -5, 9, 6), 60 * 16, 90 * 16);
}

void draw_wheel(QPainter& p, QPointF centre) {
  constexpr double outer = 69;
  constexpr double inner = 65;
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(ink, 1));
  p.drawEllipse(centre, outer, outer);
  p.setPen(QPen(ink, 2.5));
  p.drawEllipse(centre, inner, inner);

  // Three diameters, one of them horizontal, with a dot where each meets the rim.
  p.setPen(QPen(ink, 1.2));
  for (int degrees = 0; degrees < 180; degrees += 60) {
    const QPointF reach(inner * qCos(qDegreesToRadians(degrees)), -inner * qSin(qDegreesToRadians(degrees)));
    p.drawLine(centre - reach, centre + reach);
  }
  p.setBrush(ink);
  for (int degrees = 0; degrees < 360; degrees += 60) {
    const QPointF rim(inner * qCos(qDegreesToRadians(degrees)), -inner * qSin(qDegreesToRadians(degrees)));
    p.drawEllipse(centre + rim, 2.6, 2.6);
  }
  p.setBrush(Qt::NoBrush);

  // Clockwise from the top sector: cherries, apple, cherries, lemon, cherries, apple.
  using Draw = void (*)(QPainter&);
  const Draw fruits[] = {draw_cherries, draw_apple, draw_cherries, draw_lemon, draw_cherries, draw_apple};
  for (int sector = 0; sector < 6; ++sector) {
    const double degrees = 90 - 60 * sector;
    const QPointF at(40 * qCos(qDegreesToRadians(degrees)), -40 * qSin(qDegreesToRadians(degrees)));
    p.save();
    p.translate(centre + at);
    fruits[sector](p);
    p.restore();
  }
}

void draw_arrow(QPainter& p, double x) {
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  p.drawRect(QRectF(x - 3.5, 4, 7, 22));
  p.drawPolygon(QPolygonF({QPointF(x - 11, 24), QPointF(x + 11, 24), QPointF(x, 40)}));
}

QImage wheels() {
  QImage image(344, 190, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  for (const double x : {78.0, 266.0}) {
    draw_wheel(p, QPointF(x, 115));
    draw_arrow(p, x);
  }
  return image;
}

// --- The icon ---------------------------------------------------------------

// The sizes that menus, docks and software centres look for, and the two
// that a web app's manifest names.
constexpr int icon_sizes[] = {16, 32, 48, 64, 128, 256, 192, 512};

// A window seen slightly from the side: its far edge shorter than its near one.
// Drawn on a grid of 32; the small sizes keep hard pixel edges, the larger
// ones are smoothed so that the scaled-up lines do not show steps.
QImage window_icon(int size) {
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, size > 32);
  p.scale(size / 32.0, size / 32.0);
  const QPolygonF body({QPointF(3, 5), QPointF(28, 2), QPointF(28, 30), QPointF(3, 27)});
  const QPolygonF title({QPointF(3, 5), QPointF(28, 2), QPointF(28, 9), QPointF(3, 11)});
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255));
  p.drawPolygon(body);
  p.setBrush(QColor(0, 128, 128));
  p.drawPolygon(title);
  p.setBrush(QColor(192, 192, 192));
  p.drawPolygon(QPolygonF({QPointF(3, 23), QPointF(28, 25), QPointF(28, 30), QPointF(3, 27)}));
  p.setPen(QPen(QColor(0, 0, 0), 1.2));
  p.setBrush(Qt::NoBrush);
  p.drawPolygon(body);
  p.drawLine(QPointF(3, 11), QPointF(28, 9));
  return image;
}

// --- The .ico file ----------------------------------------------------------

const QRgb vga_palette[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xc0c0c0,
                              0x808080, 0xff0000, 0x00ff00, 0xffff00, 0x0000ff, 0xff00ff, 0x00ffff, 0xffffff};
const QRgb two_colours[2] = {0x000000, 0xffffff};

int nearest(QRgb colour, const QRgb* palette, int count) {
  int best = 0;
  long best_distance = -1;
  for (int i = 0; i < count; ++i) {
    const long dr = qRed(colour) - qRed(palette[i]), dg = qGreen(colour) - qGreen(palette[i]),
               db = qBlue(colour) - qBlue(palette[i]);
    const long distance = dr * dr + dg * dg + db * db;
    if (best_distance < 0 || distance < best_distance) best = i, best_distance = distance;
  }
  return best;
}

int padded_row_bytes(int width, int bits) { return ((width * bits + 31) / 32) * 4; }

// One icon image: a bitmap header, the palette, the colour bits and the
// transparency mask, both bottom-up.
QByteArray icon_image(const QImage& image, const QRgb* palette, int colours, int bits) {
  const int w = image.width(), h = image.height();
  const int colour_row = padded_row_bytes(w, bits), mask_row = padded_row_bytes(w, 1);
  QByteArray data;
  QDataStream out(&data, QIODevice::WriteOnly);
  out.setByteOrder(QDataStream::LittleEndian);
  out << quint32(40) << qint32(w) << qint32(2 * h) << quint16(1) << quint16(bits) << quint32(0)
      << quint32((colour_row + mask_row) * h) << qint32(0) << qint32(0) << quint32(colours) << quint32(0);
  for (int i = 0; i < colours; ++i)
    out << quint8(qBlue(palette[i])) << quint8(qGreen(palette[i])) << quint8(qRed(palette[i])) << quint8(0);
  for (int y = h - 1; y >= 0; --y) {
    QByteArray row(colour_row, '\0');
    for (int x = 0; x < w; ++x) {
      const int index = nearest(image.pixel(x, y), palette, colours);
      const int bit = x * bits;
      row[bit / 8] = char(row[bit / 8] | (index << (8 - bits - bit % 8)));
    }
    out.writeRawData(row.constData(), row.size());
  }
  for (int y = h - 1; y >= 0; --y) {
    QByteArray row(mask_row, '\0');
    for (int x = 0; x < w; ++x)
      if (qAlpha(image.pixel(x, y)) < 128) row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
    out.writeRawData(row.constData(), row.size());
  }
  return data;
}

QByteArray ico_file() {
  struct Entry {
    QImage image;
    const QRgb* palette;
    int colours;
    int bits;
  };
  const std::vector<Entry> entries = {{window_icon(32), two_colours, 2, 1},
                                      {window_icon(32), vga_palette, 16, 4},
                                      {window_icon(16), vga_palette, 16, 4}};
  QByteArray file;
  QDataStream out(&file, QIODevice::WriteOnly);
  out.setByteOrder(QDataStream::LittleEndian);
  out << quint16(0) << quint16(1) << quint16(entries.size());
  std::vector<QByteArray> images;
  quint32 offset = 6 + 16 * entries.size();
  for (const Entry& e : entries) {
    images.push_back(icon_image(e.image, e.palette, e.colours, e.bits));
    out << quint8(e.image.width()) << quint8(e.image.height()) << quint8(e.colours) << quint8(0) << quint16(1)
        << quint16(e.bits) << quint32(images.back().size()) << offset;
    offset += images.back().size();
  }
  for (const QByteArray& image : images) out.writeRawData(image.constData(), image.size());
  return file;
}

bool write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: draw_artwork OUTPUT_FOLDER\n");
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  bool written = wheels().save(out.filePath("wheels.png")) && write(out.filePath("zarandola.ico"), ico_file());
  for (const int size : icon_sizes)
    written = written && window_icon(size).save(out.filePath(QStringLiteral("icon-%1.png").arg(size)));
  if (!written) std::fprintf(stderr, "draw_artwork: could not write into %s\n", argv[1]);
  return written ? 0 : 1;
}
