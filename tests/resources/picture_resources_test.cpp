// Windows that link the picture resource libraries load pictures by resource path; the
// library must register itself (no Q_INIT_RESOURCE) and give the @2x file its pixel ratio.

#include <QImage>

#include <gtest/gtest.h>

TEST(PictureResources, LinkedLibrariesServeBothSizes) {
    const QImage splash(":/tessaly/pictures/splash.png");
    ASSERT_FALSE(splash.isNull());
    EXPECT_EQ(splash.size(), QSize(420, 260));

    const QImage about(":/vmcntrl/pictures/about@2x.png");
    ASSERT_FALSE(about.isNull());
    EXPECT_EQ(about.size(), QSize(240, 240));
    EXPECT_EQ(about.devicePixelRatio(), 2.0);
}
