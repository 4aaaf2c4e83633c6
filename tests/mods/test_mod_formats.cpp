#include <QTemporaryDir>
#include <QTest>

#include <filesystem>

#include <string>

#include "game_file_error.h"
#include "json_reader.h"
#include "mod_manifest.h"
#include "sha256.h"
#include "untrusted_file.h"

namespace {

ModManifest sampleManifest()
{
    ModManifest manifest;
    manifest.name = "Night Race \u00e9dition";
    manifest.author = "Q. \"Quenby\" Smith";
    manifest.description = "Darker menus.\nTwo lines.";
    manifest.created = "2026-05-04T12:34:56Z";
    manifest.pictures = {
        {false, 12, 64, 32, std::string(64, 'a'), std::string(64, 'b'), "City Lights", "Q. Smith"},
        {true, 1, 256, 256, std::string(64, 'c'), std::string(64, '0'), {}, {}},
    };
    return manifest;
}

std::string replaced(std::string text, const std::string &from, const std::string &to)
{
    const std::size_t at = text.find(from);
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

} // namespace

// The small formats of mods: SHA-256, the strict JSON reader and writer, and tessary-mod.json.
class TestModFormats : public QObject {
    Q_OBJECT

private slots:
    void sha256_data()
    {
        QTest::addColumn<QByteArray>("message");
        QTest::addColumn<QString>("digest");
        // FIPS 180-4 examples and NIST's long message.
        QTest::newRow("empty") << QByteArray() << "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855";
        QTest::newRow("abc") << QByteArray("abc") << "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad";
        QTest::newRow("two blocks") << QByteArray("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq")
                                    << "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1";
        QTest::newRow("896 bits") << QByteArray("abcdefghbcdefghicdefghijdefghijkefghijklfghijklmghijklmnhijklmno"
                                                "ijklmnopjklmnopqklmnopqrlmnopqrsmnopqrstnopqrstu")
                                  << "cf5b16a778af8380036ce59e7b0492370b249b11e8f07a51afac45037afee9d1";
        QTest::newRow("a million a") << QByteArray(1000000, 'a') << "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0";
    }

    void sha256()
    {
        QFETCH(QByteArray, message);
        QFETCH(QString, digest);
        // The processor's SHA instructions where it has them, and the portable code.
        for (const bool instructions : {true, false}) {
            Sha256::useProcessorInstructions(instructions);
            QCOMPARE(QString::fromStdString(Sha256::hex(message.constData(), std::size_t(message.size()))), digest);
            // The same message in pieces of odd sizes, across block edges.
            Sha256 pieces;
            for (qsizetype at = 0, step = 1; at < message.size(); at += step, step = step * 3 % 131 + 1)
                pieces.update(message.constData() + at, std::size_t(std::min(step, message.size() - at)));
            QCOMPARE(QString::fromStdString(Sha256::hex(pieces.finish())), digest);
        }
        Sha256::useProcessorInstructions(true);
    }

    void json_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("written"); // what the writer makes of it, or the error's words
        QTest::newRow("object") << QByteArray(R"( {"b": [1, -2, true, null], "a": "x\u00e9\ud83d\ude00\n"} )")
                                << QByteArray("{\n  \"b\": [1, -2, true, null],\n  \"a\": \"x\xc3\xa9\xf0\x9f\x98\x80\\n\"\n}\n");
        QTest::newRow("nested") << QByteArray(R"({"list": [{"n": 9223372036854775807}, {"n": -9223372036854775808}]})")
                                << QByteArray("{\n  \"list\": [\n    {\"n\": 9223372036854775807},\n    {\"n\": -9223372036854775808}\n  ]\n}\n");
        QTest::newRow("duplicate key") << QByteArray(R"({"a": 1, "a": 2})") << QByteArray("the key \"a\" appears twice");
        QTest::newRow("fraction") << QByteArray("[1.5]") << QByteArray("only whole numbers");
        QTest::newRow("too large") << QByteArray("9223372036854775808") << QByteArray("too large");
        QTest::newRow("leading zero") << QByteArray("[01]") << QByteArray("starts with 0");
        QTest::newRow("trailing comma") << QByteArray("[1,]") << QByteArray("expected a value");
        QTest::newRow("after the value") << QByteArray("{} x") << QByteArray("more after the value");
        QTest::newRow("control character") << QByteArray("[\"a\tb\"]") << QByteArray("control character");
        QTest::newRow("half a character") << QByteArray(R"(["\ud83d"])") << QByteArray("half a character");
        QTest::newRow("not UTF-8") << QByteArray("[\"\xc3\x28\"]") << QByteArray("not valid UTF-8");
        QTest::newRow("too deep") << QByteArray(40, '[') + QByteArray(40, ']') << QByteArray("nested too deeply");
        QTest::newRow("ends in quotes") << QByteArray("[\"abc") << QByteArray("ends inside quotes");
    }

    void json()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, written);
        try {
            const JsonValue value = JsonReader::parse(std::string_view(text.constData(), std::size_t(text.size())));
            QCOMPARE(QByteArray::fromStdString(value.dump()), written);
            QVERIFY(JsonReader::parse(value.dump()) == value);
        } catch (const JsonError &error) {
            QVERIFY2(QByteArray(error.what()).contains(written), error.what());
            QVERIFY(QByteArray(error.what()).startsWith("at byte ") || written == "not valid UTF-8");
        }
    }

    void manifestRoundTrip()
    {
        const ModManifest manifest = sampleManifest();
        const std::string text = manifest.toJson();
        QVERIFY(ModManifest::parse("mod.zip", text) == manifest);
        QCOMPARE(manifest.toJson(), text);
        QVERIFY(text.find("\"file\": \"images/12.png\"") != std::string::npos);
        QVERIFY(text.find("\"file\": \"fonts/New_Font1000.gpf.png\"") != std::string::npos);
        QCOMPARE(ModManifest::utcText(0), std::string("1970-01-01T00:00:00Z"));
    }

    void damagedManifests_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("reason");
        const std::string good = sampleManifest().toJson();
        auto row = [&good](const char *name, const std::string &from, const std::string &to, const char *reason) {
            QTest::newRow(name) << QByteArray::fromStdString(replaced(good, from, to)) << QString::fromUtf8(reason);
        };
        row("another format", "Tessary mod package", "Some package", "\"format\" is not");
        row("newer version", "\"version\": 1", "\"version\": 2", "made by a newer Tessary");
        row("unknown key", "\"author\"", "\"writer\"", "unknown key \"writer\"");
        row("no name", "Night Race \u00e9dition", "", "\"name\" is empty");
        row("bad time", "2026-05-04T12:34:56Z", "yesterday", "\"created\" is not a time");
        row("image 0", "\"image\": 12", "\"image\": 0", "picture 1");
        row("unknown font", "\"font\": \"New_Font1000.gpf\"", "\"font\": \"mine.gpf\"", "names no font");
        row("font not 256", "\"width\": 256", "\"width\": 128", "from 256 to 256");
        row("short digest", std::string(64, 'a'), "abc", "not a SHA-256 digest");
        row("other file", "images/12.png", "../12.png", "must be in the file \"images/12.png\"");
        row("not JSON", "{", "[", "is damaged");
        ModManifest twice = sampleManifest();
        twice.pictures[1] = twice.pictures[0];
        QTest::newRow("listed twice") << QByteArray::fromStdString(twice.toJson()) << QStringLiteral("listed twice");
    }

    void damagedManifests()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, reason);
        QVERIFY(text.toStdString() != sampleManifest().toJson());
        try {
            ModManifest::parse("mod.zip", text.toStdString());
            QFAIL("a damaged manifest was taken");
        } catch (const GameFileError &error) {
            QCOMPARE(error.path(), std::string("mod.zip"));
            QVERIFY2(QString::fromStdString(error.reason()).contains(reason), error.what());
        }
    }

    void openedFilesAreChecked_data()
    {
        QTest::addColumn<QString>("kind");  // what lies at the name when it is opened
        QTest::addColumn<QString>("reason");
        QTest::newRow("a link to a file") << "link" << "";
        QTest::newRow("a folder") << "folder" << "is a folder";
        QTest::newRow("a file past the bound") << "large" << "more than such a file ever holds";
        QTest::newRow("a file within the bound") << "file" << "-";
    }

    // What a mod's folder or record holds is read as opened, never through a link: whatever was
    // looked at before may have been swapped since.
    void openedFilesAreChecked()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        namespace fs = std::filesystem;
        QTemporaryDir dir;
        const fs::path target = fs::path(dir.path().toStdString()) / "target.gpi";
        const fs::path name = fs::path(dir.path().toStdString()) / "3.gpi";
        const std::string bytes(kind == "large" ? 200 : 100, 'x');
        QFile file(QString::fromStdString((kind == "link" ? target : name).string()));
        if (kind == "folder") {
            fs::create_directory(name);
        } else {
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes.data(), qint64(bytes.size()));
            file.close();
        }
        if (kind == "link") {
#ifdef Q_OS_WIN
            QSKIP("links need a privilege on Windows that a user seldom has; the check is POSIX's here");
#endif
            fs::create_symlink(target, name);
        }
        bool tooLarge = false;
        try {
            const std::vector<std::uint8_t> read = UntrustedFile::readOpened(name.string(), 150, [&tooLarge](std::uint64_t) { tooLarge = true; });
            QVERIFY2(reason == "-", "a file was read that should not be");
            QCOMPARE(read.size(), bytes.size());
        } catch (const GameFileError &error) {
            QVERIFY2(reason != "-" && QString::fromStdString(error.reason()).contains(reason), error.what());
            QCOMPARE(tooLarge, kind == "large");
        }
    }
};

QTEST_APPLESS_MAIN(TestModFormats)
#include "test_mod_formats.moc"
