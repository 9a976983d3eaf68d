// Draws the program's bundled pictures: the toolbar icons (fallbacks for
// desktops without an icon theme), the program icon and the key picture of
// the "Key assignment" page. Run once after a change and commit the PNGs:
//   draw_artwork <resources directory>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace {

QImage Canvas(int w, int h, QColor fill = Qt::transparent) {
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(fill);
    return image;
}

void Save(const QImage& image, const QString& path) { image.save(path); }

void Icons(const QString& dir) {
    const QPen ink(QColor(0x33, 0x33, 0x33), 1);
    {
        QImage img = Canvas(18, 18);
        QPainter p(&img);
        p.setPen(ink);
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygon({QPoint(3, 1), QPoint(11, 1), QPoint(15, 5), QPoint(15, 16), QPoint(3, 16)}));
        p.drawLine(11, 1, 11, 5);
        p.drawLine(11, 5, 15, 5);
        Save(img, dir + "/new.png");
    }
    {
        QImage img = Canvas(18, 18);
        QPainter p(&img);
        p.setPen(QColor(0x6a, 0x50, 0x20));
        p.setBrush(QColor(0xe8, 0xc0, 0x60));
        p.drawPolygon(QPolygon({QPoint(1, 4), QPoint(6, 4), QPoint(8, 2), QPoint(16, 2), QPoint(16, 15), QPoint(1, 15)}));
        p.setBrush(QColor(0xf4, 0xd9, 0x8a));
        p.drawPolygon(QPolygon({QPoint(1, 15), QPoint(4, 7), QPoint(17, 7), QPoint(15, 15)}));
        Save(img, dir + "/open.png");
    }
    {
        QImage img = Canvas(18, 18);
        QPainter p(&img);
        p.setPen(QColor(0x22, 0x22, 0x33));
        p.setBrush(QColor(0x4a, 0x6e, 0xa8));
        p.drawRect(1, 1, 15, 15);
        p.fillRect(5, 2, 8, 6, Qt::white);
        p.fillRect(5, 11, 8, 5, QColor(0xcc, 0xcc, 0xcc));
        Save(img, dir + "/save.png");
    }
    {
        QImage img = Canvas(18, 18);
        QPainter p(&img);
        p.setPen(ink);
        p.setBrush(Qt::white);
        p.drawRect(5, 1, 8, 7);
        p.setBrush(QColor(0xdd, 0xdd, 0xdd));
        p.drawRect(1, 7, 15, 7);
        p.setBrush(Qt::white);
        p.drawRect(5, 11, 8, 6);
        Save(img, dir + "/print.png");
    }
    auto arrow = [&](const QString& name, QColor color, bool down) {
        QImage img = Canvas(18, 18);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(color);
        if (down) {
            p.drawRect(7, 1, 4, 8);
            p.drawPolygon(QPolygon({QPoint(3, 9), QPoint(15, 9), QPoint(9, 15)}));
            p.fillRect(2, 16, 14, 2, QColor(0x33, 0x33, 0x33));
        } else {
            p.drawRect(7, 9, 4, 8);
            p.drawPolygon(QPolygon({QPoint(3, 9), QPoint(15, 9), QPoint(9, 3)}));
            p.fillRect(2, 0, 14, 2, QColor(0x33, 0x33, 0x33));
        }
        Save(img, dir + "/" + name);
    };
    arrow("read.png", QColor(0x2a, 0x7a, 0x2a), true);
    arrow("write.png", QColor(0xb0, 0x30, 0x30), false);
    {
        QImage img = Canvas(18, 18);
        QPainter p(&img);
        p.setPen(ink);
        p.setBrush(Qt::white);
        p.drawRect(1, 2, 15, 13);
        p.drawLine(1, 6, 16, 6);
        p.drawLine(1, 10, 16, 10);
        p.drawLine(6, 2, 6, 15);
        p.fillRect(7, 7, 9, 3, QColor(0x4a, 0x6e, 0xa8));
        Save(img, dir + "/edit.png");
    }
    {
        QImage img = Canvas(18, 18);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        // A pointer outlined in white and a white "?" on a blue disc, so the
        // icon shows on light and dark toolbars alike.
        p.setPen(QPen(Qt::white, 1));
        p.setBrush(QColor(0x33, 0x33, 0x33));
        p.drawPolygon(QPolygon({QPoint(1, 1), QPoint(1, 13), QPoint(4, 10), QPoint(7, 16), QPoint(9, 15),
                                QPoint(6, 9), QPoint(10, 9)}));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x20, 0x50, 0xc0));
        p.drawEllipse(QRectF(8, 0.5, 9.5, 11));
        QFont f("DejaVu Sans");
        f.setPixelSize(10);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRectF(8, 0.5, 9.5, 11), Qt::AlignCenter, "?");
        Save(img, dir + "/whatsthis.png");
    }
    {
        QImage img = Canvas(18, 18);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x20, 0x50, 0xc0));
        p.drawEllipse(1, 1, 16, 16);
        QFont f("DejaVu Serif");
        f.setPixelSize(12);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRect(1, 1, 16, 16), Qt::AlignCenter, "i");
        Save(img, dir + "/about.png");
    }
    {
        QImage img = Canvas(18, 18);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillRect(5, 4, 7, 13, QColor(0x44, 0x44, 0x44));
        p.fillRect(9, 0, 2, 4, QColor(0x44, 0x44, 0x44));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xf0, 0xb0, 0x20));
        p.drawPolygon(QPolygon({QPoint(10, 5), QPoint(6, 11), QPoint(8, 11), QPoint(7, 16), QPoint(12, 9),
                                QPoint(10, 9), QPoint(11, 5)}));
        Save(img, dir + "/power.png");
    }
}

// A handheld radio, front view, 265 x 390 on white, with red leader lines
// from the left edge to its three programmable keys.
void Radio(QPainter& p, double width, double height, bool leaders) {
    p.setRenderHint(QPainter::Antialiasing);
    const double s = width / 265.0;
    p.save();
    p.scale(s, height / 390.0);
    // Antenna and top controls.
    p.setPen(QPen(QColor(0x11, 0x11, 0x11), 1));
    p.setBrush(QColor(0x22, 0x22, 0x22));
    p.drawRoundedRect(QRectF(160, 8, 16, 92), 6, 6);
    p.drawRoundedRect(QRectF(118, 78, 22, 26), 4, 4);        // channel knob
    p.setBrush(QColor(0x40, 0x40, 0x40));
    p.drawRoundedRect(QRectF(142, 96, 30, 12), 3, 3);        // top key
    // Body.
    QLinearGradient body(90, 0, 210, 0);
    body.setColorAt(0, QColor(0x3a, 0x44, 0x50));
    body.setColorAt(0.5, QColor(0x2a, 0x33, 0x3e));
    body.setColorAt(1, QColor(0x1c, 0x22, 0x2a));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(92, 106, 116, 270), 14, 14);
    // Side keys on the left edge: upper (middle key) and lower (bottom key).
    p.setBrush(QColor(0x15, 0x18, 0x1c));
    p.drawRoundedRect(QRectF(84, 212, 10, 44), 3, 3);
    p.drawRoundedRect(QRectF(84, 300, 10, 30), 3, 3);
    // Speaker grille.
    p.setPen(QPen(QColor(0x12, 0x15, 0x19), 3));
    for (int y = 136; y <= 200; y += 9) p.drawLine(QPointF(112, y), QPointF(188, y));
    // Display and keypad.
    p.setPen(QPen(QColor(0x10, 0x10, 0x10), 1));
    p.setBrush(QColor(0x9f, 0xc8, 0xe8));
    p.drawRoundedRect(QRectF(112, 216, 76, 30), 3, 3);
    p.setBrush(QColor(0x5a, 0x62, 0x6c));
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 3; ++col) p.drawRoundedRect(QRectF(114 + col * 25, 262 + row * 24, 20, 16), 4, 4);
    p.setBrush(QColor(0xc0, 0x30, 0x30));
    p.drawEllipse(QPointF(186, 120), 4, 4);                // transmit lamp
    p.restore();
    if (!leaders) return;
    // The leader lines: level to the top key and the upper side key, sloping
    // up to the lower side key.
    p.setPen(QPen(QColor(0xe0, 0x10, 0x10), 1.2));
    p.drawLine(QPointF(15 * s, 118 * s), QPointF(142 * s, 104 * s));
    p.drawLine(QPointF(15 * s, 118 * s), QPointF(142 * s, 118 * s));
    p.drawLine(QPointF(15 * s, 235 * s), QPointF(84 * s, 235 * s));
    p.drawLine(QPointF(15 * s, 354 * s), QPointF(84 * s, 318 * s));
}

// The key picture, drawn at scale times its 265 x 390 pixels: 1 for the
// picture itself, 2 for its @2x sibling that screens scaled to 200 % show.
void KeyPicture(const QString& path, int scale) {
    QImage img = Canvas(265 * scale, 390 * scale, Qt::white);
    QPainter p(&img);
    p.scale(scale, scale);
    Radio(p, 265, 390, false);
    p.setPen(QPen(QColor(0xe0, 0x10, 0x10), 1.2));
    p.drawLine(QPointF(15, 118), QPointF(150, 118));
    p.drawLine(QPointF(150, 118), QPointF(155, 108));
    p.drawLine(QPointF(15, 235), QPointF(84, 235));
    p.drawLine(QPointF(15, 354), QPointF(84, 318));
    img.convertTo(QImage::Format_RGB888);
    img.save(path);
}

// The program icon at size x size pixels: the radio centred, its outline
// (x 84-208, y 8-376 of the key picture) filling the height but a small margin.
// The same drawing as icons/hicolor/zemprog.svg.
void ProgramIcon(int size, const QString& path) {
    QImage img = Canvas(size, size);
    QPainter p(&img);
    const double k = size * 0.94 / 368.0;
    p.translate(size / 2.0 - 146 * k, size / 2.0 - 192 * k);
    Radio(p, 265 * k, 390 * k, false);
    p.end();
    img.save(path);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QString root = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(root + "/icons");
    QDir().mkpath(root + "/images");
    Icons(root + "/icons");
    ProgramIcon(64, root + "/icons/zemprog.png");
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString dir = QStringLiteral("%1/icons/hicolor/%2x%2").arg(root).arg(size);
        QDir().mkpath(dir);
        ProgramIcon(size, dir + "/zemprog.png");
    }
    KeyPicture(root + "/images/key_picture.png", 1);
    KeyPicture(root + "/images/key_picture@2x.png", 2);
    return 0;
}
