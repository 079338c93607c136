// The real front end, off screen: keys and clicks reach the model, the windows paint the
// expected colours where the layout puts them, the author window disables the main window,
// and message boxes wait for OK.
#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>

#include "desktop/desktop_runtime.h"
#include "desktop/fonts.h"
#include "desktop/form_painter.h"
#include "desktop/scene_zoom.h"

using kelo::desktop::DesktopRuntime;

namespace {

// The designed scene's edges: the left of the author button, the top of the age line, the end of
// the restart hint and the foot of the pistol's grip (with half its line's width).
constexpr double sceneLeft = 240;
constexpr double sceneTop = 120;
constexpr double sceneRight = 12252;
constexpr double sceneBottom = 8662;

/// Presses OK on the next message box, however late it comes within 10 s, and keeps its text.
void answerNextMessageBox(QString& text) {
    auto* poll = new QTimer(QCoreApplication::instance());
    QObject::connect(poll, &QTimer::timeout, [poll, deadline = QDeadlineTimer(10000), &text] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box != nullptr) {
            text = box->text();
            box->button(QMessageBox::Ok)->click();
        }
        if (box != nullptr || deadline.hasExpired()) {
            poll->deleteLater();
        }
    });
    poll->start(10);
}

}  // namespace

class FrontEndTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        runtime = std::make_unique<DesktopRuntime>();
        runtime->start();
        QVERIFY(QTest::qWaitForWindowExposed(&runtime->mainWindow()));
    }
    void cleanup() { runtime.reset(); }

    /// A point of the main window given in twips, in pixels at the window's zoom.
    QPoint at(double xTwips, double yTwips) const {
        return runtime->mainWindow().toWindow({xTwips, yTwips}).toPoint();
    }
    void resizeMainWindow(QSize size) {
        QWidget& window = runtime->mainWindow();
        window.setWindowState(Qt::WindowNoState);
        window.resize(size);
        QCoreApplication::processEvents();
        QCOMPARE(window.size(), size);
    }

    void opensMaximizedWithTheTitleAndTheFocusOnTheKeyBox() {
        QCOMPARE(runtime->mainWindow().windowTitle(), QStringLiteral("Dorrakan Kelo"));
        QVERIFY(runtime->mainWindow().windowState() & Qt::WindowMaximized);
        QCOMPARE(runtime->program().mainForm().focused()->name(), std::string("panah"));
    }

    void keysReachTheKeyBox() {
        auto& w = runtime->program().mainWindow();
        QTest::keyClick(&runtime->mainWindow(), Qt::Key_A);
        QCOMPARE(w.panah.tag(), std::string("45"));
        QTest::keyClick(&runtime->mainWindow(), Qt::Key_F1);
        QTest::keyClick(&runtime->mainWindow(), Qt::Key_Left);
        QCOMPARE(w.panah.text(), std::string(""));
        QCOMPARE(w.tes.tag(), std::string("0"));  // keys without text do nothing
        QTest::keyClick(&runtime->mainWindow(), Qt::Key_Space);
        QCOMPARE(w.tes.tag(), std::string("1"));
        QCOMPARE(w.panah.tag(), std::string("0"));
    }

    void theSceneFillsTheWindowAtOneZoomCentred_data() {
        QTest::addColumn<QSize>("size");
        QTest::newRow("as opened on 1280 x 1024") << QSize();
        QTest::newRow("1920 x 1080") << QSize(1920, 1080);
        QTest::newRow("3840 x 2160") << QSize(3840, 2160);
        QTest::newRow("a small screen, 1024 x 600") << QSize(1024, 600);
        QTest::newRow("restored") << QSize(-1, -1);
    }
    void theSceneFillsTheWindowAtOneZoomCentred() {
        QFETCH(QSize, size);
        QWidget& window = runtime->mainWindow();
        if (size == QSize(-1, -1)) {
            window.setWindowState(Qt::WindowNoState);
            QCoreApplication::processEvents();
        } else if (size.isValid()) {
            resizeMainWindow(size);
        }
        const QPoint nearCorner = at(sceneLeft, sceneTop);
        const QPoint farCorner = at(sceneRight, sceneBottom);
        const QMargins margins(nearCorner.x(), nearCorner.y(), window.width() - farCorner.x(),
                               window.height() - farCorner.y());
        qInfo() << window.size() << "zoom" << runtime->mainWindow().scale().zoom() << margins;
        QVERIFY2(margins.left() >= 0 && margins.top() >= 0 && margins.right() >= 0 &&
                     margins.bottom() >= 0,
                 "nothing of the scene is clipped");
        QVERIFY2(std::abs(margins.left() - margins.right()) <= 2 &&
                     std::abs(margins.top() - margins.bottom()) <= 2,
                 "the scene is centred");
        QVERIFY2(std::min(margins.left() + margins.right(), margins.top() + margins.bottom()) <=
                     0.06 * std::min(window.width(), window.height()),
                 "the scene fills the window's limiting side, with a narrow margin");
        auto& w = runtime->program().mainWindow();
        w.mobil(4).setVisible(true);
        const QImage shot = window.grab().toImage();
        QCOMPARE(shot.pixelColor(at(1020, 4620)), QColor(255, 255, 0));  // the money square
        QCOMPARE(shot.pixelColor(at(7447, 6007)), QColor(255, 0, 0));    // a red dot of the V
        QCOMPARE(shot.pixelColor(at(7447, 7567)), QColor(255, 0, 0));    // the ball
        QCOMPARE(shot.pixelColor(at(7320 + 367, 1920 + 330)), QColor(0, 0, 255));  // car 4's window
        QCOMPARE(shot.pixelColor(at(9885, 6825)), QColor(255, 192, 128));  // the orange strip
        QCOMPARE(shot.pixelColor(window.width() - 2, window.height() - 2),
                 QColor(255, 224, 192));  // beyond the scene: the window's own colour
    }

    void aRestoredWindowShowsTheSceneAtAReadableSize_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QSize>("restored");
        // The designed scene at zoom 1 where it fits in two thirds of the screen.
        QTest::newRow("1280 x 1024") << QSize(1280, 1024) << QSize(817, 586);
        QTest::newRow("1920 x 1080") << QSize(1920, 1080) << QSize(817, 586);
        QTest::newRow("3840 x 2160") << QSize(3840, 2160) << QSize(817, 586);
        QTest::newRow("1024 x 600") << QSize(1024, 600) << QSize(559, 400);
    }
    void aRestoredWindowShowsTheSceneAtAReadableSize() {
        QFETCH(QSize, screen);
        QFETCH(QSize, restored);
        const QRectF frame = kelo::desktop::sceneFrame(runtime->program().mainForm());
        QCOMPARE(kelo::desktop::restoredSize(screen, frame), restored);
        // On the test's own screen, as the window restores.
        QWidget& window = runtime->mainWindow();
        const QSize room = window.screen()->availableGeometry().size();
        window.setWindowState(Qt::WindowNoState);
        QCoreApplication::processEvents();
        QCOMPARE(window.size(), kelo::desktop::restoredSize(room, frame));
        QVERIFY2(runtime->mainWindow().scale().zoom() >= 0.65, "readable");
    }

    void theWinPictureCoversTheTargets() {
        resizeMainWindow({3840, 2160});
        auto& w = runtime->program().mainWindow();
        w.kelkel.setVisible(true);
        QWidget& window = runtime->mainWindow();
        const QImage shot = window.grab().toImage();
        QCOMPARE(shot.pixelColor(at(2520 + 5160 + 300, 480 + 3840 + 600)), QColor(192, 255, 192));
        const QColor photo = shot.pixelColor(at(3000 + 600, 2160 + 600));
        QVERIFY2(photo != QColor(255, 224, 192), "the target lies under the photograph");
        // The picture fills 9600 of the box's 9612 twips: the box's own colour shows beside it.
        const QColor strip = shot.pixelColor(at(2520 + 9606, 480 + 3000));
        QCOMPARE(strip, window.palette().color(QPalette::Button));
    }

    void theAuthorWindowDisablesTheMainWindowUntilItCloses() {
        QWidget& window = runtime->mainWindow();
        const QRect startButton(at(9840, 7320), at(9840 + 1095, 7320 + 375));
        const QImage enabledLook = window.grab(startButton).toImage();
        QTest::mouseClick(&window, Qt::LeftButton, {}, at(240 + 700, 720 + 240));
        QVERIFY(runtime->authorWindow() != nullptr);
        QCOMPARE(runtime->authorWindow()->windowTitle(), QStringLiteral("Info of Author"));
        QCOMPARE(runtime->authorWindow()->windowHandle()->transientParent(), window.windowHandle());
        QCOMPARE(window.grab(startButton).toImage(), enabledLook);  // disabled, not greyed
        QTest::keyClick(&window, Qt::Key_A);
        QTest::mouseClick(&window, Qt::LeftButton, {}, startButton.center());
        QCOMPARE(runtime->program().mainWindow().panah.tag(), std::string("0"));
        QCOMPARE(runtime->program().mainWindow().tes.tag(), std::string("0"));
        QVERIFY2(!window.close(), "the close box of a disabled window does nothing");
        QVERIFY(!runtime->program().ended());
        const QPointer<QWidget> author = runtime->authorWindow();
        author->close();
        // A second close and a key reach the window before it is deleted: its form is gone.
        QVERIFY(author != nullptr);
        author->close();
        QTest::keyClick(author, Qt::Key_A);
        author->repaint();
        QCoreApplication::processEvents();
        QVERIFY(runtime->authorWindow() == nullptr);
        QVERIFY(runtime->program().mainForm().enabled());
        QCOMPARE(runtime->program().mainForm().focused()->name(), std::string("panah"));
    }

    void aClickOnALanguageChoosesIt() {
        auto& w = runtime->program().mainWindow();
        const auto& scale = runtime->mainWindow().scale();
        const int entryHeight = kelo::desktop::listEntryHeight(w.combo1, scale);
        const QPoint english =
            at(240, 1680) + QPoint(20, kelo::desktop::sunkenBorder(scale) + entryHeight / 2);
        QTest::mouseClick(&runtime->mainWindow(), Qt::LeftButton, {}, english);
        QCOMPARE(w.combo1.listIndex(), 0);
        QCOMPARE(runtime->mainWindow().windowTitle(), QStringLiteral("Kelo's Pistol"));
        QCOMPARE(runtime->program().mainForm().focused()->name(), std::string("panah"));
    }

    void japaneseShowsInAJapaneseFont() {
        auto& w = runtime->program().mainWindow();
        QVERIFY2(w.ifon.caption() != "-1",
                 "a font with a Japanese name must be installed (fonts-ipafont-gothic)");
        runtime->program().selectLanguage(1);
        QCOMPARE(w.Label3.caption(), std::string("くるまはいくつ"));
        const QFontInfo used(kelo::desktop::qtFont(w.Label3.font()));
        QVERIFY2(used.family().contains(QStringLiteral("IPA")) ||
                     used.family().contains(QStringLiteral("VL")),
                 qPrintable(used.family()));
    }

    void aMessageBoxWaitsForOk() {
        runtime->program().mainWindow().ifon.setCaption("Label6");
        QString shown;
        answerNextMessageBox(shown);
        runtime->program().selectLanguage(1);
        QCOMPARE(shown,
                 QStringLiteral("Error in Japanese font-related module. Click OK to continue"));
    }

    void withoutASoundDeviceAShotKeepsItsPace() {
        QTest::keyClick(&runtime->mainWindow(), Qt::Key_A);
        QElapsedTimer timer;
        timer.start();
        QTest::keyClick(&runtime->mainWindow(), Qt::Key_Space);
        const qint64 took = timer.elapsed();
        // 90 steps of a 2 ms pause and a silent 5 ms tone.
        QVERIFY2(took >= 600 && took < 1000, qPrintable(QString::number(took)));
    }

    void closingTheMainWindowEndsTheProgram() {
        runtime->mainWindow().close();
        QVERIFY(runtime->program().ended());
    }

  private:
    std::unique_ptr<DesktopRuntime> runtime;
};

QTEST_MAIN(FrontEndTest)
#include "front_end_test.moc"
