// The shipped help files as the programs' own help viewer shows them: a numbered topic opens
// with its text, a link inside it leads to the linked topic, and a search finds the topic a
// reader would look for.

#include "platform/qt/help_window.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTextBrowser>
#include <QtTest>

class ShippedHelpViewerTest : public QObject {
    Q_OBJECT

    static QString titleShown(platform::HelpWindow &window) {
        return window.findChild<QTextBrowser *>(QStringLiteral("helpText"))->toPlainText().section(QLatin1Char('\n'), 0, 0);
    }

    static QList<int> searchHits(platform::HelpWindow &window, const QString &query) {
        window.search(query);
        QList<int> ids;
        auto *list = window.findChild<QListWidget *>(QStringLiteral("helpTopics"));
        for (int i = 0; i < list->count(); ++i)
            ids.append(list->item(i)->data(Qt::UserRole).toInt());
        return ids;
    }

private slots:
    void tessalyTopicsOpenAndLinksLead() {
        platform::HelpWindow window;
        window.openFile(QStringLiteral(TESSALY_HOME "/Tessaly.hlp"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Tessaly Help Contents"));
        QVERIFY(window.showTopic(7));
        QCOMPARE(titleShown(window), QStringLiteral("Getting the applet code (Compile)"));
        QCOMPARE(window.windowTitle(),
                 QStringLiteral("Getting the applet code (Compile) - Tessaly Help"));
        auto *browser = window.findChild<QTextBrowser *>(QStringLiteral("helpText"));
        QVERIFY(browser->toPlainText().contains(QStringLiteral("MultiList.class")));

        emit browser->anchorClicked(QUrl(QStringLiteral("#8")));
        QCOMPARE(window.currentTopic(), 8);
        QCOMPARE(titleShown(window), QStringLiteral("Previewing in your browser"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Previewing in your browser - Tessaly Help"));
        QVERIFY(window.showTopic(0));
        QCOMPARE(window.windowTitle(), QStringLiteral("Tessaly Help Contents"));

        QVERIFY(searchHits(window, QStringLiteral("bookmark file")).contains(6));
        QVERIFY(searchHits(window, QStringLiteral("Pelfin")).contains(11));
    }

    void vellumTopicsOpenForWindowsAndButtons() {
        platform::HelpWindow window;
        window.openFile(QStringLiteral(VMCNTRL_HOME "/vellum.hlp"));
        QVERIFY(window.showTopic(0));
        QVERIFY(window.showTopic(23));
        QVERIFY(window.findChild<QTextBrowser *>(QStringLiteral("helpText"))->toPlainText().contains(QStringLiteral("Next >>")));
        QVERIFY(window.showTopic(11));
        QCOMPARE(titleShown(window), QStringLiteral("The Script Wizard"));
        QCOMPARE(window.windowTitle(),
                 QStringLiteral("The Script Wizard - Vellum Control Panel Help"));
        const auto hits = searchHits(window, QStringLiteral("template keys"));
        QVERIFY(!hits.isEmpty());
        QCOMPARE(hits.first(), 12);
        QVERIFY(searchHits(window, QStringLiteral("vmDiscretePage")).contains(18));
    }

    void escapeClosesTheViewer() {
        platform::HelpWindow window;
        window.openFile(QStringLiteral(TESSALY_HOME "/Tessaly.hlp"));
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.findChild<QLineEdit *>(QStringLiteral("helpSearch"))->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!window.isVisible());
    }
};

QTEST_MAIN(ShippedHelpViewerTest)
#include "help_viewer_test.moc"
