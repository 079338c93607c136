// The locked game's input, off screen: the parent's word with any Shift but no Ctrl, Alt or
// Super; a modifier alone is no key; the author window and a message box close on the first key
// or click wherever it lands; the main window's close box does nothing.
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

#include "desktop/desktop_runtime.h"

using kelo::desktop::DesktopRuntime;

namespace {

/// Runs `act` once a message box of the game is shown (within 10 s).
void whenABoxIsShown(std::function<void(QMessageBox&)> act) {
    auto* poll = new QTimer(QCoreApplication::instance());
    QObject::connect(poll, &QTimer::timeout, [poll, act, deadline = QDeadlineTimer(10000)] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<QMessageBox*>(top); box != nullptr && box->isVisible()) {
                poll->deleteLater();
                act(*box);
                return;
            }
        }
        if (deadline.hasExpired()) {
            poll->deleteLater();
        }
    });
    poll->start(10);
}

}  // namespace

class LockedSessionTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        runtime = std::make_unique<DesktopRuntime>();
        runtime->start({.locked = true});
        QVERIFY(QTest::qWaitForWindowExposed(&runtime->mainWindow()));
        QVERIFY(runtime->lockedSession() != nullptr);
    }
    void cleanup() { runtime.reset(); }

    // A game that ends asks the application to quit, and every event loop started after that in
    // this process returns at once: the tests that need a message box to wait come first.
    void anyKeyOrClickClosesTheAuthorWindow() {
        openAuthorWindow();
        QTest::keyClick(runtime->authorWindow(), Qt::Key_X);
        QCoreApplication::processEvents();
        QVERIFY(runtime->authorWindow() == nullptr);
        openAuthorWindow();
        // A click on the disabled main window, where a child's hand lands.
        QTest::mouseClick(&runtime->mainWindow(), Qt::LeftButton, {}, at(5000, 5000));
        QCoreApplication::processEvents();
        QVERIFY(runtime->authorWindow() == nullptr);
        QVERIFY(runtime->program().mainForm().enabled());
        QVERIFY(!ended());
    }

    void theMainWindowsCloseRequestIsRefused() {
        QVERIFY(!runtime->mainWindow().close());
        QVERIFY(!ended());
        QVERIFY(runtime->mainWindow().isVisible());
    }

    void aMessageBoxIsAnsweredByTheFirstKeyEvenWhenTheMainWindowGetsIt() {
        // As on sway, which leaves the keyboard with the full-screen window.
        bool answered = false;
        whenABoxIsShown([&](QMessageBox& box) {
            QTest::keyClick(&runtime->mainWindow(), Qt::Key_X);
            answered = !box.isVisible();
        });
        chooseJapaneseWithABox();
        QVERIFY(answered);
        // The key answered the box and reached nothing else.
        QCOMPARE(runtime->program().mainWindow().panah.tag(), std::string("0"));
    }

    void aMessageBoxIsAnsweredByAClick() {
        whenABoxIsShown(
            [&](QMessageBox& box) { QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(2, 2)); });
        QElapsedTimer waited;
        waited.start();
        chooseJapaneseWithABox();
        QVERIFY(waited.elapsed() < 5000);
    }

    void theWordCountsWhileABoxIsOpenAndEndsTheGameAfterIt() {
        type(QStringLiteral("qui"));
        whenABoxIsShown([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_T); });
        chooseJapaneseWithABox();
        QVERIFY(!ended());  // not inside the handler that opened the box
        QTRY_VERIFY(ended());
    }

    void theWordEndsTheGameTypedWithShiftOrCapsButNotWithCtrlAltOrSuper_data() {
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("ends");
        QTest::newRow("plain") << 0 << true;
        QTest::newRow("Shift") << int(Qt::ShiftModifier) << true;
        QTest::newRow("Ctrl") << int(Qt::ControlModifier) << false;
        QTest::newRow("Alt") << int(Qt::AltModifier) << false;
        QTest::newRow("Super") << int(Qt::MetaModifier) << false;
    }
    void theWordEndsTheGameTypedWithShiftOrCapsButNotWithCtrlAltOrSuper() {
        QFETCH(int, modifiers);
        QFETCH(bool, ends);
        type(QStringLiteral("qui"));
        type(QStringLiteral("t"), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(ended(), ends);
    }

    void aModifierAloneIsNoKeyButAnyOtherKeyStartsTheWordAgain() {
        type(QStringLiteral("qu"));
        for (const Qt::Key modifier : {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt, Qt::Key_Meta,
                                       Qt::Key_Super_L, Qt::Key_CapsLock}) {
            QTest::keyClick(&runtime->mainWindow(), modifier);
        }
        type(QStringLiteral("it"));
        QVERIFY(ended());
    }

    void aKeyBetweenTheLettersBreaksTheWord() {
        type(QStringLiteral("qu"));
        QTest::keyClick(&runtime->mainWindow(), Qt::Key_Space);
        type(QStringLiteral("it"));
        QVERIFY(!ended());
        type(QStringLiteral("quit"));
        QVERIFY(ended());
    }

  private:
    void type(const QString& letters, Qt::KeyboardModifiers modifiers = {}) {
        for (const QChar letter : letters) {
            QTest::keyClick(&runtime->mainWindow(),
                            static_cast<Qt::Key>(letter.toUpper().unicode()), modifiers);
        }
    }
    bool ended() const { return runtime->program().ended(); }
    QPoint at(double xTwips, double yTwips) const {
        return runtime->mainWindow().toWindow({xTwips, yTwips}).toPoint();
    }
    void openAuthorWindow() {
        QTest::mouseClick(&runtime->mainWindow(), Qt::LeftButton, {}, at(240 + 700, 720 + 240));
        QVERIFY(runtime->authorWindow() != nullptr);
    }
    /// Forces the font check to fail, so that choosing Japanese shows a message box.
    void chooseJapaneseWithABox() {
        runtime->program().mainWindow().ifon.setCaption("Label6");
        runtime->program().selectLanguage(1);
    }

    std::unique_ptr<DesktopRuntime> runtime;
};

QTEST_MAIN(LockedSessionTest)
#include "locked_session_test.moc"
