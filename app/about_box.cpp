#include "app/about_box.h"

#include <QApplication>
#include <QFrame>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>

#include "common/product.h"

// The pictures live in the static GUI library; naming its resource here keeps the
// linker from dropping them.
static void initAboutResources() { Q_INIT_RESOURCE(resources); }

namespace quorvex {

namespace {

constexpr int PictureWidth = 100;
constexpr int PictureHeight = 76;

// Bold blue type of the given size in "MS Sans Serif", or the default sans face where
// that one is missing.
QFont aboutFont(int pointSize) {
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QApplication::font().family()});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(pointSize);
    font.setBold(true);
    return font;
}

QLabel* blueLabel(const QString& name, const QString& text, int pointSize, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(aboutFont(pointSize));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    label->setPalette(palette);
    return label;
}

// The picture shown within 100 x 76 pixels with its proportions kept; an empty pixmap
// when it cannot be decoded, so the box still opens.
QPixmap aboutPicture() {
    QImageReader reader(QStringLiteral(":/quorvex/about.jpg"));
    const QImage image = reader.read();
    if (image.isNull()) return {};
    return QPixmap::fromImage(
        image.scaled(PictureWidth, PictureHeight, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

}  // namespace

TAboutBox::TAboutBox(QWidget* mainWindow) : QDialog(mainWindow) {
    initAboutResources();
    setWindowTitle(QStringLiteral("Quorvex for Windows"));
    setFixedSize(560, 187);

    // A lowered outer and a raised inner bevel around the contents.
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setGeometry(8, 8, 544, 136);
    auto* inner = new QFrame(panel);
    inner->setFrameStyle(QFrame::Panel | QFrame::Raised);
    inner->setGeometry(1, 1, 542, 134);

    auto* icon = new QLabel(inner);
    icon->setObjectName(QStringLiteral("ProgramIcon"));
    icon->setPixmap(QPixmap(QStringLiteral(":/quorvex/quorvex.png")));
    icon->setScaledContents(true);
    icon->setGeometry(8, 8, 42, 41);

    blueLabel(QStringLiteral("ProductName"), QStringLiteral("Quorvex for Windows"), 12, inner)
        ->setGeometry(72, 10, 320, 26);
    blueLabel(QStringLiteral("Description"), QStringLiteral("Bridge Hand Generation."), 12, inner)
        ->setGeometry(72, 40, 320, 26);
    Version = blueLabel(QStringLiteral("Version"), QString(), 8, inner);
    Version->setGeometry(72, 76, 320, 20);

    auto* picture = new QLabel(inner);
    picture->setObjectName(QStringLiteral("Picture"));
    picture->setAlignment(Qt::AlignCenter);
    picture->setPixmap(aboutPicture());
    picture->setGeometry(inner->width() - 12 - PictureWidth, 12, PictureWidth, PictureHeight);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    QFont bold = ok->font();
    bold.setBold(true);
    ok->setFont(bold);
    ok->setDefault(true);
    ok->setGeometry((width() - 75) / 2, 152, 75, 25);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutBox::showEvent(QShowEvent* event) {
    Version->setText(QString::fromStdString(versionText()));
    QDialog::showEvent(event);
}

}  // namespace quorvex
