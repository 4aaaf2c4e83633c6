#include <QTest>

#include "message.h"

Q_DECLARE_METATYPE(Message)

// The English of a message is what the command line prints and what() of an error holds, so it
// must come out exactly as the sentences were written before they were values.
class TestMessage : public QObject {
    Q_OBJECT
private slots:
    void english_data();
    void english();
};

void TestMessage::english_data()
{
    QTest::addColumn<Message>("message");
    QTest::addColumn<QString>("english");
    const auto files = [](int count) {
        std::vector<std::string> names;
        for (int n = 1; n <= count; ++n)
            names.push_back(std::to_string(n) + ".gpi");
        return names;
    };
    const char *counted = "%n files were refused:";
    QTest::newRow("numbers in their places") << Message("entry %1 of %2").number(4).number(-7) << "entry 4 of -7";
    QTest::newRow("a name holding placeholders stays") << Message("\"%1\" is %2").name("100%2 %1").name("x") << "\"100%2 %1\" is x";
    QTest::newRow("a nested reason") << Message::about("a.gpi", Message("reading beyond the end of the file (%1)").nested(
                                                                     Message("entry %1 runs past the end of the file").number(3)))
                                     << "a.gpi: reading beyond the end of the file (entry 3 runs past the end of the file)";
    QTest::newRow("a count of one takes the singular") << Message(counted).count(1, "%n file was refused:") << "1 file was refused:";
    QTest::newRow("a count of none takes the plural") << Message(counted).count(0, "%n file was refused:") << "0 files were refused:";
    QTest::newRow("a count beside its arguments")
        << Message("%n files matched no image: %1").name("x.txt").count(22, "%n file matched no image: %1") << "22 files matched no image: x.txt";
    QTest::newRow("joined") << Message::joined("disk full", "nothing was changed") << "disk full; nothing was changed";
    QTest::newRow("joined to nothing") << Message::joined(Message(), "nothing was changed") << "nothing was changed";
    QTest::newRow("a short list") << Message::list(files(3), 10) << "1.gpi, 2.gpi, 3.gpi";
    QTest::newRow("a list cut short") << Message::list(files(12), 10)
                                      << "1.gpi, 2.gpi, 3.gpi, 4.gpi, 5.gpi, 6.gpi, 7.gpi, 8.gpi, 9.gpi, 10.gpi \u2026 and 2 more";
    QTest::newRow("a list of messages") << Message::list(std::vector<Message>{Message("%1 (%2)").name("a").nested("a folder"), Message("b")}, 10)
                                        << "a (a folder), b";
    QTest::newRow("a system error") << Message::systemError(5, "Input/output error") << "error code 5 (Input/output error)";
    QTest::newRow("a system error without words") << Message::systemError(1234, "") << "error code 1234";
    QTest::newRow("English made elsewhere") << Message(std::string("Truncated ZIP file data")) << "Truncated ZIP file data";
}

void TestMessage::english()
{
    QFETCH(Message, message);
    QFETCH(QString, english);
    QCOMPARE(QString::fromStdString(message.english()), english);
}

QTEST_APPLESS_MAIN(TestMessage)
#include "test_message.moc"
