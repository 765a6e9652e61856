#include "FakeServices.h"
#include "TestFolder.h"
#include "app/AppContext.h"
#include "app/ui/AboutWindow.h"
#include "app/ui/Artwork.h"
#include "app/ui/SplashWindow.h"

#include <QImage>
#include <QLabel>
#include <QtTest>

using namespace app;

namespace {

// True when the picture has both painted and varied pixels, so it is artwork rather than a blank.
bool looksPainted(const QPixmap &pixmap)
{
    const QImage image = pixmap.toImage();
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 4) {
        for (int x = 0; x < image.width(); x += 4)
            colours.insert(image.pixel(x, y));
    }
    return colours.size() > 8;
}

} // namespace

class TestArtwork : public QObject {
    Q_OBJECT
private slots:
    void iconIsCompiledIn();
    void aboutWindowShowsIconNameVersionAndAddress();
    void splashShowsItsPicture();
};

void TestArtwork::iconIsCompiledIn()
{
    const QPixmap icon = renderArtwork(iconResource(), QSize(64, 64));
    QVERIFY2(!icon.isNull(), "the icon resource is not in the program");
    QCOMPARE(icon.size(), QSize(64, 64));
    QVERIFY(looksPainted(icon));
    QVERIFY(renderArtwork(QStringLiteral(":/quarrytide/none.svg"), QSize(64, 64)).isNull());
}

void TestArtwork::aboutWindowShowsIconNameVersionAndAddress()
{
    app::PartnerLinks links;
    app::initPartnerLinks(links);
    AboutWindow about(links);
    auto *icon = about.findChild<QLabel *>(QStringLiteral("imgIcon"));
    auto *text = about.findChild<QLabel *>(QStringLiteral("lblAbout"));
    QVERIFY2(icon && text, "imgIcon or lblAbout missing");
    QVERIFY(looksPainted(icon->pixmap()));
    QVERIFY(text->text().contains(links.productName));
    QVERIFY(text->text().contains(QStringLiteral("Version " QUARRYTIDE_VERSION_TEXT)));
    QVERIFY(text->text().contains(links.productWebAddress));
    QVERIFY(!about.windowIcon().isNull());
}

void TestArtwork::splashShowsItsPicture()
{
    testing::TestFolder folder;
    testing::FakeServices fakes;
    AppContext context(folder.appFolder(), folder.settingsFolder(), fakes.services());
    SplashWindow splash(context, [] {});
    splash.load();
    auto *picture = splash.findChild<QLabel *>(QStringLiteral("imgSplash"));
    QVERIFY2(picture, "imgSplash missing");
    QCOMPARE(picture->pixmap().deviceIndependentSize().toSize(), QSize(480, 280));
    QVERIFY(looksPainted(picture->pixmap()));
}

QTEST_MAIN(TestArtwork)
#include "tst_artwork.moc"
