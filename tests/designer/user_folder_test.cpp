// The designer working in the per-user copy of an installed folder: the start
// page, the help and the sample pages all come from the copy.
#include "designer/PreviewPage.h"
#include "platform/UserFolder.h"
#include "tests/designer/main_window_fixture.h"

#include <QFileInfo>
#include <QTemporaryDir>

namespace {

TEST(InstalledFolder, TheDesignerWorksInTheUsersCopyAndOpensItsPagesFromThere) {
    MainWindowFixture f;
    f.app.write(UserFolder::InstalledMarker, "installed");
    QTemporaryDir home;
    const QString user = home.path() + "/wisplet-designer";
    AppFolder::setPath(UserFolder::choose(f.app.path(), user));
    ASSERT_EQ(AppFolder::path(), user);

    f.open();
    QFile page(user + "/samples/preview.html");
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(page.readAll()), StartPageText());
    EXPECT_FALSE(f.app.exists("samples/preview.html")) << "nothing is written into the installed folder";

    f.trigger("HelpIndex");
    f.trigger("s1");
    const QStringList expected{user + "/help/Help.html", user + "/samples/sample1.html"};
    EXPECT_EQ(f.shell.opened, expected);
    for (const QString& p : expected)
        EXPECT_TRUE(QFileInfo::exists(p)) << qPrintable(p);
}

} // namespace
