#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QScreen>
#include <QTest>

#include <algorithm>

#include "main_window_layout.h"
#include "main_window_parts.h"

// Every letter of the window's small text is drawn: the font the window asks for is one whose
// glyphs the platform draws whole at 11 pixels. Under Wine it runs on the windows platform as
// well, at 96 dpi, where a face without its one-pixel stems dropped "I" and "!".
class TestWindowGlyphs : public QObject {
    Q_OBJECT

private slots:
    void glyphsAreDrawn_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("leading"); // the most blank columns before the first ink
        QTest::newRow("I") << "I" << 4;
        QTest::newRow("!") << "!" << 4;
        QTest::newRow(":") << ":" << 4;
        QTest::newRow("the images tab") << "Images Workshop" << 4;
        QTest::newRow("a title case I inside") << "xIx" << 8;
    }

    void glyphsAreDrawn()
    {
        QFETCH(QString, text);
        QFETCH(int, leading);
        if (QGuiApplication::platformName() == QLatin1String("windows"))
            QCOMPARE(QGuiApplication::primaryScreen()->logicalDotsPerInch(), 96.0);
        QWidget form;
        MainWindowLayout::build(&form);
        const QFontInfo face(form.font());
        qInfo("the window's font: %s, %d px", qPrintable(face.family()), face.pixelSize());
        // One of the faces asked for, not a fallback the system chose.
        // (fontconfig names "DejaVu Sans Condensed" by its family, "DejaVu Sans".)
        const QStringList asked = form.font().families();
        QVERIFY2(std::any_of(asked.begin(), asked.end(), [&](const QString &family) { return family.startsWith(face.family()); }),
                 qPrintable(face.family()));
        QCOMPARE(face.pixelSize(), MainWindowLayout::SmallTextPixels);
        QLabel label(text, &form);
        label.setContentsMargins(0, 0, 0, 0);
        label.adjustSize();
        label.setAutoFillBackground(true);
        const QImage drawn = label.grab().toImage();
        // The columns that hold ink: darker than the label's background by a third at least.
        const int background = qGray(drawn.pixel(0, 0));
        QList<int> inked;
        for (int x = 0; x < drawn.width(); ++x)
            for (int y = 0; y < drawn.height(); ++y)
                if (background - qGray(drawn.pixel(x, y)) > 85) {
                    inked << x;
                    break;
                }
        QVERIFY2(!inked.isEmpty(), qPrintable(text + QStringLiteral(" drew no ink")));
        QVERIFY2(inked.first() <= leading, qPrintable(QStringLiteral("the first ink of \"%1\" is at column %2").arg(text).arg(inked.first())));
        if (text == QLatin1String("xIx")) {
            // Between the two x's there is the I's stem: ink in the middle third.
            const int third = drawn.width() / 3;
            QVERIFY2(std::any_of(inked.begin(), inked.end(), [&](int x) { return x >= third && x < 2 * third; }),
                     "no I between the x's");
        }
    }
};

QTEST_MAIN(TestWindowGlyphs)
#include "test_window_glyphs.moc"
