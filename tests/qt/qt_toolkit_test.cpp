#include <QTest>
#include <fstream>

#include "bar/skin_roles.h"
#include "fake/gif_files.h"
#include "platform/qt/qt_picture.h"
#include "platform/qt/qt_toolkit.h"

namespace zelvo {

class QtToolkitTest : public QObject {
    Q_OBJECT

  private slots:
    void screenDensityGivesTwipsPerPixel() {
        QtToolkit toolkit;
        QCOMPARE(toolkit.TwipsPerPixelX(), 15.0F);
        QCOMPARE(toolkit.TwipsPerPixelY(), 15.0F);
    }

    void builtInPicturesHaveTheDesignSizes() {
        QtToolkit toolkit;
        for (int slot = 1; slot <= 10; ++slot) {
            const PictureRef picture = toolkit.BuiltinPicture(slot);
            QVERIFY(picture != nullptr);
            QCOMPARE(picture->width, slot == kSlotRightEnd ? 34 : 26);
            QCOMPARE(picture->height, 33);
            QVERIFY(!PixmapOf(picture).isNull());
        }
        QCOMPARE(toolkit.BuiltinPicture(3).get(), toolkit.BuiltinPicture(3).get());
    }

    void loadsGifFiles() {
        fake::ProgramFolder folder;
        const auto path = folder.SkinFolder("x") / "a.gif";
        fake::WriteGif(path, 30, 33);
        QtToolkit toolkit;
        const PictureRef picture = toolkit.LoadPicture(path.string());
        QVERIFY(picture != nullptr);
        QCOMPARE(PixmapOf(picture).size(), QSize(30, 33));
        QCOMPARE(picture->origin, path.string());
    }

    void anUnchangedFileIsNotReadAgain() {
        fake::ProgramFolder folder;
        const auto path = folder.SkinFolder("x") / "a.gif";
        fake::WriteGif(path, 30, 33);
        QtToolkit toolkit;
        const PictureRef first = toolkit.LoadPicture(path.string());
        QVERIFY(first != nullptr);
        QCOMPARE(toolkit.LoadPicture(path.string()).get(), first.get());

        fake::WriteGif(path, 40, 33);
        const PictureRef changed = toolkit.LoadPicture(path.string());
        QVERIFY(changed != nullptr);
        QVERIFY(changed.get() != first.get());
        QCOMPARE(PixmapOf(changed).size(), QSize(40, 33));
    }

    void refusesMissingBrokenAndAbsurdFiles() {
        fake::ProgramFolder folder;
        QtToolkit toolkit;
        QVERIFY(toolkit.LoadPicture(folder.path() + "/missing.gif") == nullptr);

        const std::string text = folder.path() + "/text.gif";
        std::ofstream(text) << "not a picture";
        QVERIFY(toolkit.LoadPicture(text) == nullptr);

        const auto huge = folder.SkinFolder("x") / "huge.gif";
        fake::WriteGif(huge, 60000, 60000, 1, 1);
        QVERIFY(toolkit.LoadPicture(huge.string()) == nullptr);

        QVERIFY(toolkit.LoadPicture(folder.path()) == nullptr);  // a folder
    }
};

}  // namespace zelvo

QTEST_MAIN(zelvo::QtToolkitTest)
#include "qt_toolkit_test.moc"
