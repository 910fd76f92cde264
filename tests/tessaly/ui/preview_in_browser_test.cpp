// Preview with "Show in browsers without Java" ticked, seen in the browser of this system: the
// window asks to start Chromium with the preview page (the recording starter notes it), and
// the test then runs that very command line in headless Chromium and reads back the page it
// shows. Java never runs there, so only tessaly.js can make the navigation appear.
#include "window_fixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using tessaly::MainWindow;

namespace {
constexpr auto kChromium = "/usr/bin/chromium";

// What headless Chromium makes of the page once its scripts have run.
QString pageAsShown(const QString& program, const QStringList& arguments) {
    QTemporaryDir profile;
    QProcess browser;
    browser.setProgram(program);
    browser.setArguments(
        QStringList{
            QStringLiteral("--headless"), QStringLiteral("--no-sandbox"),
            QStringLiteral("--disable-gpu"), QStringLiteral("--disable-dev-shm-usage"),
            QStringLiteral("--no-first-run"), QStringLiteral("--disable-background-networking"),
            QStringLiteral("--disable-component-update"), QStringLiteral("--disable-sync"),
            QStringLiteral("--user-data-dir=") + profile.path(), QStringLiteral("--dump-dom")} +
        arguments);
    browser.start();
    if (!browser.waitForFinished(60000)) {
        browser.kill();
        browser.waitForFinished();
        return {};
    }
    return QString::fromUtf8(browser.readAllStandardOutput());
}
} // namespace

class PreviewInBrowserTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        if (!QFile::exists(QString::fromLatin1(kChromium)))
            QSKIP("Chromium is not installed");
    }

    void previewShowsTheWorkingNavigationInChromium() {
        WindowFixture f;
        MainWindow& w = *f.window;
        QVERIFY(QFile::copy(QStringLiteral(TESSALY_RUNTIME), f.homeFile("tessaly.js")));
        TempDir web;
        w.appendLink(QStringLiteral("Home, sweet"), QStringLiteral("index.htm"), QString());
        w.appendLink(QStringLiteral("News"), QStringLiteral("news.htm"), QStringLiteral("_top"));
        w.Check5->click();
        w.Text7->setText(QString::fromStdString(web.path()));
        w.Text8->setText(QString::fromLatin1(kChromium));
        QTest::mouseClick(w.SSCommand1, Qt::LeftButton);

        QCOMPARE(f.starter.starts.size(), std::size_t(1));
        const RecordingProgramStarter::Start& start = f.starter.starts[0];
        QCOMPARE(start.program, QString::fromLatin1(kChromium));
        QCOMPARE(start.arguments, QStringList{QString::fromStdString(web.file("~tsly.htm"))});
        QVERIFY(QFile::exists(QString::fromStdString(web.file("tessaly.js"))));

        const QString shown = pageAsShown(start.program, start.arguments);
        QVERIFY2(shown.startsWith(QStringLiteral("<!DOCTYPE html>")), qPrintable(shown));
        QVERIFY2(shown.contains(QStringLiteral("<span class=\"tessaly-applet\" role=\"navigation\" "
                                               "aria-label=\"Pull down list\"")),
                 qPrintable(shown));
        QVERIFY(shown.contains(QStringLiteral("<option>Home</option><option> sweet</option>"
                                              "<option>News</option>")));
        QVERIFY(!shown.contains(QStringLiteral("<applet"), Qt::CaseInsensitive));
        QVERIFY(!shown.contains(QStringLiteral("This browser is unable to view Java applets.")));
    }

    void withoutTheSwitchThePreviewStaysTheJavaApplet() {
        WindowFixture f;
        MainWindow& w = *f.window;
        QVERIFY(QFile::copy(QStringLiteral(TESSALY_RUNTIME), f.homeFile("tessaly.js")));
        TempDir web;
        f.addLinks(2);
        w.Text7->setText(QString::fromStdString(web.path()));
        w.Text8->setText(QString::fromLatin1(kChromium));
        QTest::mouseClick(w.SSCommand1, Qt::LeftButton);
        QCOMPARE(f.starter.starts.size(), std::size_t(1));
        const QString shown =
            pageAsShown(f.starter.starts[0].program, f.starter.starts[0].arguments);
        QVERIFY2(shown.contains(QStringLiteral("This browser is unable to view Java applets.")),
                 qPrintable(shown));
        QVERIFY(!shown.contains(QStringLiteral("tessaly-applet")));
    }
};

QTEST_MAIN(PreviewInBrowserTest)
#include "preview_in_browser_test.moc"
