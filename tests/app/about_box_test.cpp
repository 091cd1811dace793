// The about box: captions, the version line set on every showing, the pictures.
#include "app/about_box.h"

#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "common/product.h"

using quorvex::TAboutBox;

class AboutBoxTest : public QObject {
    Q_OBJECT

    static QLabel* label(TAboutBox& box, const char* name) {
        return box.findChild<QLabel*>(QString::fromLatin1(name));
    }

private slots:
    void jpegPicturesCanBeDecoded() { QVERIFY(QImageReader::supportedImageFormats().contains("jpeg")); }

    void captionsAndTexts() {
        TAboutBox box(nullptr);
        QCOMPARE(box.windowTitle(), QStringLiteral("Quorvex for Windows"));
        QCOMPARE(box.size(), QSize(560, 187));
        QCOMPARE(box.minimumSize(), box.maximumSize());
        for (const char* name : {"ProductName", "Description", "Version"}) {
            QLabel* text = label(box, name);
            QVERIFY2(text, name);
            QVERIFY(text->font().bold());
            QCOMPARE(text->palette().color(QPalette::WindowText), QColor(Qt::blue));
        }
        QCOMPARE(label(box, "ProductName")->text(), QStringLiteral("Quorvex for Windows"));
        QCOMPARE(label(box, "Description")->text(), QStringLiteral("Bridge Hand Generation."));
        QCOMPARE(label(box, "ProductName")->font().pointSize(), 12);
        QCOMPARE(label(box, "Description")->font().pointSize(), 12);
        QCOMPARE(label(box, "Version")->font().pointSize(), 8);

        auto* ok = box.findChild<QPushButton*>(QStringLiteral("OKButton"));
        QVERIFY(ok);
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QVERIFY(ok->isDefault());
        QVERIFY(ok->font().bold());
    }

    void versionOnEveryShowing() {
        TAboutBox box(nullptr);
        for (int showing = 0; showing < 2; ++showing) {
            label(box, "Version")->setText(QStringLiteral("changed in between"));
            box.show();
            QVERIFY(QTest::qWaitForWindowExposed(&box));
            QCOMPARE(label(box, "Version")->text(),
                     QStringLiteral("Version ") + QString::fromLatin1(quorvex::ProductVersion));
            QTest::mouseClick(box.findChild<QPushButton*>(QStringLiteral("OKButton")), Qt::LeftButton);
            QVERIFY(!box.isVisible());
            QCOMPARE(box.result(), int(QDialog::Accepted));
        }
    }

    void iconAndPictureFromTheResources() {
        TAboutBox box(nullptr);
        QLabel* icon = label(box, "ProgramIcon");
        QVERIFY(icon);
        QCOMPARE(icon->pixmap().size(), QSize(32, 32));
        QCOMPARE(icon->size(), QSize(42, 41));
        QVERIFY(icon->hasScaledContents());

        QLabel* picture = label(box, "Picture");
        QVERIFY(picture);
        const QPixmap shown = picture->pixmap();
        QVERIFY(!shown.isNull());
        QVERIFY(shown.width() <= 100 && shown.height() <= 76);
        // Fitted to the box on one side, with the picture's proportions kept.
        QVERIFY(shown.width() == 100 || shown.height() == 76);
        const QSize original = QImageReader(QStringLiteral(":/quorvex/about.jpg")).size();
        QVERIFY(original.isValid());
        QVERIFY(qAbs(double(shown.width()) / shown.height() - double(original.width()) / original.height()) <
                0.02);
    }

    void centredOnTheMainWindow() {
        QWidget mainWindow;
        mainWindow.setGeometry(60, 40, 680, 480);  // within the 800 x 600 offscreen screen
        mainWindow.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));
        TAboutBox box(&mainWindow);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        const QPoint offset = box.frameGeometry().center() - mainWindow.frameGeometry().center();
        QVERIFY2(offset.manhattanLength() <= 4,
                 qPrintable(QStringLiteral("%1,%2").arg(offset.x()).arg(offset.y())));
    }
};

QTEST_MAIN(AboutBoxTest)
#include "about_box_test.moc"
