// Writes the program's icon at one size of the desktop's icon theme, so every size the
// package installs comes from the one picture the program itself shows.
//
// Usage: scale_icon <source.png> <size> <target.png>
#include <QImage>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: scale_icon <source.png> <size> <target.png>\n");
        return 2;
    }
    const int size = std::atoi(argv[2]);
    const QImage source(QString::fromLocal8Bit(argv[1]));
    if (source.isNull() || size <= 0) {
        std::fprintf(stderr, "scale_icon: cannot read %s or bad size %s\n", argv[1], argv[2]);
        return 1;
    }
    // Whole multiples keep the card's outline sharp; other sizes are smoothed.
    const bool wholeMultiple = size % source.width() == 0 && size % source.height() == 0;
    const QImage scaled = source.scaled(size, size, Qt::IgnoreAspectRatio,
                                        wholeMultiple ? Qt::FastTransformation : Qt::SmoothTransformation);
    if (!scaled.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "scale_icon: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
