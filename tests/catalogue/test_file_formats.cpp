#include <QtTest>

#include <cstdint>
#include <vector>

#include "catalogue.h"
#include "font_file.h"
#include "game_file_error.h"
#include "index_file.h"
#include "write_journal.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void put32(Bytes &b, std::uint32_t v)
{
    for (int s = 0; s < 32; s += 8)
        b.push_back(std::uint8_t(v >> s));
}
void put16(Bytes &b, std::uint16_t v)
{
    b.push_back(std::uint8_t(v));
    b.push_back(std::uint8_t(v >> 8));
}

// An index built by hand: every opaque byte set from fill, so that nothing is taken for granted.
Bytes handBuiltIndex(std::int32_t count, const std::vector<std::uint16_t> &blockCounts, std::uint8_t fill)
{
    Bytes b;
    put32(b, std::uint32_t(count));
    put32(b, 0xFFFFFFFFu ^ fill);
    for (std::size_t e = 0; e + 1 < std::size_t(std::max(count, 0)); ++e) {
        const std::uint16_t blocks = blockCounts.empty() ? 0 : blockCounts[e % blockCounts.size()];
        put32(b, 0xFF00FF00u + std::uint32_t(e) + fill);
        put16(b, blocks);
        put32(b, std::uint32_t(-int(e) - 1)); // widths that look negative must survive too
        put32(b, 480u + std::uint32_t(e));
        for (std::size_t k = 0; k < std::size_t(blocks) * 16 + 32; ++k)
            b.push_back(std::uint8_t(k * 7 + e + fill));
    }
    return b;
}

Bytes handBuiltFont(std::int32_t tableCount, std::uint8_t fill)
{
    Bytes b;
    put32(b, std::uint32_t(tableCount));
    put16(b, std::uint16_t(0xFF00 | fill));
    put32(b, 0xFFFFFFFFu);
    put32(b, 0x80000000u | fill);
    for (std::int32_t e = 0; e < tableCount; ++e)
        put32(b, std::uint32_t(e) * 0x01010101u ^ fill);
    for (std::size_t k = 0; k < FontSheetBytes; ++k)
        b.push_back(std::uint8_t((k >> 8) + k * 3 + fill));
    return b;
}

} // namespace

class FileFormatsTest : public QObject {
    Q_OBJECT

private slots:
    void indexRoundTrip_data();
    void indexRoundTrip();
    void indexDropsBytesAfterLastEntry();
    void indexFieldsLandInTheRightPlaces();
    void malformedIndex_data();
    void malformedIndex();
    void fontRoundTrip_data();
    void fontRoundTrip();
    void fontSheetPlacement();
    void malformedFont_data();
    void malformedFont();
    void journalRoundTrip();
    void journalRefused_data();
    void journalRefused();
    void scratchNames_data();
    void scratchNames();
};

void FileFormatsTest::indexRoundTrip_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<int>>("blockCounts");
    QTest::addColumn<int>("fill");
    QTest::newRow("no slots") << 0 << QList<int>{} << 0;
    QTest::newRow("slot 0 only") << 1 << QList<int>{} << 0x11;
    QTest::newRow("one image, no blocks") << 2 << QList<int>{0} << 0xFF;
    QTest::newRow("many images, mixed blocks") << 60 << QList<int>{0, 1, 2, 7} << 0x5A;
    QTest::newRow("65535 blocks") << 2 << QList<int>{65535} << 0xFF;
}

void FileFormatsTest::indexRoundTrip()
{
    QFETCH(int, count);
    QFETCH(QList<int>, blockCounts);
    QFETCH(int, fill);
    std::vector<std::uint16_t> blocks(blockCounts.begin(), blockCounts.end());
    const Bytes original = handBuiltIndex(count, blocks, std::uint8_t(fill));

    Catalogue c;
    IndexFile::parse("Gp2001.gph", original.data(), original.size(), c);
    QCOMPARE(c.ImageCount, count);
    QCOMPARE(int(c.ImageDetails.size()), count);
    QVERIFY(IndexFile::encode(c) == original);
}

void FileFormatsTest::indexDropsBytesAfterLastEntry()
{
    Bytes original = handBuiltIndex(4, {1}, 3);
    const Bytes withTail = [&] { Bytes b = original; b.insert(b.end(), {1, 2, 3, 4, 5}); return b; }();
    Catalogue c;
    IndexFile::parse("Gp2001.gph", withTail.data(), withTail.size(), c);
    QVERIFY(IndexFile::encode(c) == original);
}

void FileFormatsTest::indexFieldsLandInTheRightPlaces()
{
    const Bytes original = handBuiltIndex(3, {2, 0}, 9);
    Catalogue c;
    IndexFile::parse("Gp2001.gph", original.data(), original.size(), c);
    QCOMPARE(c.IndexExtra, 0xFFFFFFFFu ^ 9u);
    QCOMPARE(c.ImageDetails[1].BlockCount, std::uint16_t(2));
    QCOMPARE(c.ImageDetails[1].Width, -1);
    QCOMPARE(c.ImageDetails[1].Height, 480);
    QCOMPARE(c.ImageBlocks[1].size(), std::size_t(2));
    QCOMPARE(c.ImageBlocks[1][0].Bytes[0], std::uint8_t(9)); // first byte after Height
    QCOMPARE(c.ImageDetails[2].BlockCount, std::uint16_t(0));
    QCOMPARE(c.ImageDetails[2].Width, -2);
    QCOMPARE(c.ImageDetails[2].Trailer[0], std::uint8_t(1 + 9)); // Trailer follows Height directly
    // Entry 1 is 46 + 32 bytes: entry 2's Lead starts at offset 8 + 78.
    QCOMPARE(c.ImageDetails[2].Lead, 0xFF00FF00u + 1 + 9);
}

void FileFormatsTest::malformedIndex_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    const Bytes good = handBuiltIndex(5, {1, 3}, 0);
    auto cut = [&](std::size_t n) { return QByteArray(reinterpret_cast<const char *>(good.data()), qsizetype(n)); };
    QTest::newRow("empty file") << QByteArray() << "reading beyond the end of the file";
    QTest::newRow("half a header") << cut(6) << "reading beyond the end of the file";
    QTest::newRow("header only") << cut(8) << "reading beyond the end of the file";
    QTest::newRow("inside the first entry") << cut(8 + 12) << "reading beyond the end of the file";
    QTest::newRow("inside the blocks") << cut(8 + 14 + 8) << "reading beyond the end of the file";
    QTest::newRow("last trailer cut") << cut(good.size() - 1) << "reading beyond the end of the file";
    Bytes negative = good;
    negative[3] = 0x80;
    QTest::newRow("negative count") << QByteArray(reinterpret_cast<const char *>(negative.data()), qsizetype(negative.size()))
                                    << "is negative";
    Bytes huge = good;
    huge[0] = huge[1] = huge[2] = 0xFF;
    huge[3] = 0x7F;
    QTest::newRow("huge count") << QByteArray(reinterpret_cast<const char *>(huge.data()), qsizetype(huge.size()))
                                << "2147483647 image slots";
    Bytes manyBlocks = handBuiltIndex(2, {0}, 0);
    manyBlocks[8 + 4] = manyBlocks[8 + 5] = 0xFF;
    QTest::newRow("65535 blocks in a short file")
        << QByteArray(reinterpret_cast<const char *>(manyBlocks.data()), qsizetype(manyBlocks.size())) << "entry 1 runs past";
}

void FileFormatsTest::malformedIndex()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    Catalogue c;
    try {
        IndexFile::parse("/game/Gp2001.gph", reinterpret_cast<const std::uint8_t *>(bytes.constData()), std::size_t(bytes.size()), c);
        QFAIL("a malformed index was accepted");
    } catch (const GameFileError &error) {
        QCOMPARE(QString::fromStdString(error.path()), QStringLiteral("/game/Gp2001.gph"));
        QVERIFY2(QString::fromStdString(error.reason()).contains(reason), error.what());
    }
}

void FileFormatsTest::fontRoundTrip_data()
{
    QTest::addColumn<int>("tableCount");
    QTest::addColumn<int>("fill");
    QTest::newRow("no table") << 0 << 0;
    QTest::newRow("one entry") << 1 << 0xFF;
    QTest::newRow("256 entries") << 256 << 0x3C;
}

void FileFormatsTest::fontRoundTrip()
{
    QFETCH(int, tableCount);
    QFETCH(int, fill);
    const Bytes original = handBuiltFont(tableCount, std::uint8_t(fill));
    QCOMPARE(original.size(), std::size_t(65550 + 4 * tableCount));
    TGPFDetails details;
    FontSheet sheet;
    FontFile::parse("f.gpf", original.data(), original.size(), details, sheet);
    QCOMPARE(details.TableCount, tableCount);
    QVERIFY(FontFile::encode(details, sheet) == original);

    Bytes withTail = original;
    withTail.insert(withTail.end(), 17, 0xAB);
    FontFile::parse("f.gpf", withTail.data(), withTail.size(), details, sheet);
    QVERIFY(FontFile::encode(details, sheet) == original);
}

void FileFormatsTest::fontSheetPlacement()
{
    const Bytes original = handBuiltFont(256, 1);
    TGPFDetails details;
    FontSheet sheet;
    FontFile::parse("f.gpf", original.data(), original.size(), details, sheet);
    QCOMPARE(sheet.size(), FontSheetBytes);
    QCOMPARE(sheet.front(), original[14 + 1024]);
    QCOMPARE(sheet.back(), original.back());
    QCOMPARE(details.HeaderWord, std::uint16_t(0xFF01));
    QCOMPARE(details.HeaderIntB, 0x80000001u);
}

void FileFormatsTest::malformedFont_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    const Bytes good = handBuiltFont(4, 0);
    auto asArray = [](const Bytes &b) { return QByteArray(reinterpret_cast<const char *>(b.data()), qsizetype(b.size())); };
    QTest::newRow("header cut") << asArray(Bytes(good.begin(), good.begin() + 10)) << "reading beyond the end of the file";
    QTest::newRow("sheet one byte short") << asArray(Bytes(good.begin(), good.end() - 1)) << "reading beyond the end of the file";
    Bytes negative = good;
    negative[3] = 0xFF;
    QTest::newRow("negative table count") << asArray(negative) << "is negative";
    Bytes huge = good;
    huge[0] = huge[1] = huge[2] = 0xFF;
    huge[3] = 0x7F;
    QTest::newRow("table past the end") << asArray(huge) << "2147483647 entries";
}

void FileFormatsTest::malformedFont()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    TGPFDetails details;
    details.TableCount = 77;
    FontSheet sheet(FontSheetBytes, 9);
    try {
        FontFile::parse("/game/fonts/texttest1250.gpf", reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                        std::size_t(bytes.size()), details, sheet);
        QFAIL("a malformed font was accepted");
    } catch (const GameFileError &error) {
        QCOMPARE(QString::fromStdString(error.path()), QStringLiteral("/game/fonts/texttest1250.gpf"));
        QVERIFY2(QString::fromStdString(error.reason()).contains(reason), error.what());
    }
    QCOMPARE(details.TableCount, 77); // nothing replaced by a failed read
    QCOMPARE(sheet.front(), std::uint8_t(9));
}

namespace {
const std::string Staged = ".tessary-4711-0123456789abcdef.new";
const std::string Aside = ".tessary-4711-fedcba9876543210.old";
}

void FileFormatsTest::journalRoundTrip()
{
    const std::vector<JournalEntry> entries{
        {"images/12.gpi", "images/12.gpi" + Staged, "images/12.gpi" + Aside, 8192},
        {"Gp2001.gph", "Gp2001.gph" + Staged, "", 0},
        {"fonts/style_font_low_blur1250.gpf", "fonts/style_font_low_blur1250.gpf" + Staged, "", 66574},
    };
    QVERIFY(WriteJournal::parse("j", WriteJournal::encode(entries)) == entries);
    QVERIFY(WriteJournal::parse("j", WriteJournal::encode({})).empty());
}

void FileFormatsTest::journalRefused_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("reason");
    const std::string head = "Tessary write-back journal 1\n";
    const std::string good = "images/3.gpi\timages/3.gpi" + Staged + "\t-\t16\n";
    const auto row = [](const char *name, const std::string &text, const char *reason) {
        QTest::newRow(name) << QByteArray::fromStdString(text) << reason;
    };
    const std::string notEntry = "is not an entry";
    row("empty", "", "does not begin");
    row("another heading", "Tessary write-back journal 2\n" + good + "end\t1\n", "does not begin");
    row("cut before its end", head + good, "ends before");
    row("count at the end differs", head + good + "end\t2\n", "end does not match");
    row("lines after the end", head + good + "end\t1\nimages/4.gpi\n", "end does not match");
    row("a file outside the game data", head + "../../etc/passwd\t../../etc/passwd" + Staged + "\t-\t1\nend\t1\n", "not a game file");
    row("an image number with a leading zero", head + "images/03.gpi\timages/03.gpi" + Staged + "\t-\t1\nend\t1\n", "not a game file");
    row("a staged file not beside its target", head + "images/3.gpi\timages/4.gpi" + Staged + "\t-\t1\nend\t1\n", "does not write beside");
    row("a staged name of another form", head + "images/3.gpi\timages/3.gpi.tessary-x-0123456789abcdef.new\t-\t1\nend\t1\n", "does not write beside");
    row("an aside name that is a staged one", head + "images/3.gpi\timages/3.gpi" + Staged + "\timages/3.gpi" + Staged + "\t1\nend\t1\n", "does not write beside");
    row("a size that is not a number", head + "images/3.gpi\timages/3.gpi" + Staged + "\t-\t1e3\nend\t1\n", "line 2 is not an entry");
    row("a size with a leading zero", head + "images/3.gpi\timages/3.gpi" + Staged + "\t-\t016\nend\t1\n", "line 2 is not an entry");
    row("an empty aside field", head + "images/3.gpi\timages/3.gpi" + Staged + "\t\t16\nend\t1\n", "line 2 is not an entry");
    row("a tab after the size", head + "images/3.gpi\timages/3.gpi" + Staged + "\t-\t16\t\nend\t1\n", "line 2 is not an entry");
    row("an end without its line break", head + good + "end\t1", "end does not match");
    row("the same target twice", head + good + good + "end\t2\n", "names images/3.gpi twice");
    // Names from the record are quoted whole only when short and printable.
    row("a NUL in a name", head + "images/3" + '\0' + "x.gpi\tx\t-\t1\nend\t1\n", "names images/3\\x00x.gpi, which");
    row("a name of ten megabytes", head + std::string(10 << 20, 'a') + "\tx\t-\t1\nend\t1\n", "aaa\u2026aaa");
}

void FileFormatsTest::journalRefused()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, reason);
    try {
        WriteJournal::parse("/game/MenuData/PC/GP2001/tessary-write-back.journal", text.toStdString());
        QFAIL("a damaged journal was taken");
    } catch (const GameFileError &error) {
        QVERIFY(error.path().ends_with("tessary-write-back.journal"));
        const QString message = QString::fromUtf8(error.what());
        QVERIFY2(message.contains("damaged") && message.contains(reason), error.what());
        QVERIFY2(message.size() < 600 && !message.contains(QChar(0)), error.what());
    }
}

void FileFormatsTest::scratchNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("target");
    using WriteJournal::Scratch;
    const auto row = [](const char *title, const std::string &name, Scratch kind, const std::string &target) {
        QTest::newRow(title) << QString::fromStdString(name) << int(kind) << QString::fromStdString(target);
    };
    row("staged image", "images/12.gpi" + Staged, Scratch::Staged, "images/12.gpi");
    row("original aside", "Gp2001.gph" + Aside, Scratch::Aside, "Gp2001.gph");
    row("staged font", "fonts/texttest1250.gpf" + Staged, Scratch::Staged, "fonts/texttest1250.gpf");
    row("staged journal", "tessary-write-back.journal" + Staged, Scratch::Staged, "tessary-write-back.journal");
    row("the journal aside", "tessary-write-back.journal" + Aside, Scratch::None, "tessary-write-back.journal" + Aside);
    row("a game file", "images/12.gpi", Scratch::None, "images/12.gpi");
    row("staged by an older Tessary", "images/7.gpi.tessary-new", Scratch::None, "images/7.gpi.tessary-new");
    row("a user's file", "images/12.gpi.tessary-backup", Scratch::None, "images/12.gpi.tessary-backup");
    row("beside a user's file", "images/report" + Aside, Scratch::None, "images/report" + Aside);
    row("an image in the fonts folder", "fonts/12.gpi" + Staged, Scratch::None, "fonts/12.gpi" + Staged);
    row("short random part", "images/12.gpi.tessary-1-abc.new", Scratch::None, "images/12.gpi.tessary-1-abc.new");
}

void FileFormatsTest::scratchNames()
{
    QFETCH(QString, name);
    QFETCH(int, kind);
    QFETCH(QString, target);
    QCOMPARE(int(WriteJournal::scratchKind(name.toStdString())), kind);
    QCOMPARE(QString::fromStdString(WriteJournal::scratchTarget(name.toStdString())), target);
}

QTEST_GUILESS_MAIN(FileFormatsTest)
#include "test_file_formats.moc"
