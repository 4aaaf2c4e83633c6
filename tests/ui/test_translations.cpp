#include <QAction>
#include <QFontInfo>
#include <QFrame>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QTabBar>
#include <QTest>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <functional>
#include <memory>

#include "catalogue/catalogue.h"
#include "catalogue/folder_lock.h"
#include "catalogue/game_file_error.h"
#include "catalogue/index_file.h"
#include "catalogue/write_back.h"
#include "exchange/folder_import.h"
#include "exchange/tga_rle_refused.h"
#include "archive_reader.h"
#include "entry_names.h"
#include "mod_contents_kinds.h"
#include "mod_record.h"
#include "channel_toggle.h"
#include "core_messages.h"
#include "local_format.h"
#include "main_window.h"
#include "page_control.h"
#include "program_language.h"
#include "preview_canvas.h"
#include "preview_window.h"
#include "push_button.h"
#include "window_fixture.h"

Q_DECLARE_METATYPE(Message)

// The window in the modders' languages: which language it speaks, the core's messages in it,
// and every text of the window whole inside its control.
class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void languageChoice_data();
    void languageChoice();
    void coreMessages_data();
    void coreMessages();
    void systemErrorsInTheLanguage();
    void textsFit_data();
    void textsFit();
    void pluralForms_data();
    void pluralForms();
    void datesInTheLanguage_data();
    void datesInTheLanguage();
};

void TestTranslations::languageChoice_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QStringList>("system");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("system") << QString() << QString() << QStringList{"de-AT", "en-US"} << "de";
    QTest::newRow("system, a later language") << QString() << QString() << QStringList{"ja-JP", "pl-PL"} << "pl";
    QTest::newRow("system, Brazil") << QString() << QString() << QStringList{"pt-BR"} << "pt_BR";
    QTest::newRow("system, Portugal reads Brazilian") << QString() << QString() << QStringList{"pt-PT"} << "pt_BR";
    QTest::newRow("setting beats system") << QString() << "nl" << QStringList{"de-DE"} << "nl";
    QTest::newRow("option beats setting") << "fr" << "nl" << QStringList{"de-DE"} << "fr";
    QTest::newRow("option English") << "en" << "it" << QStringList{"es-ES"} << "en";
    QTest::newRow("unknown setting, system") << QString() << "xx" << QStringList{"es-MX"} << "es";
    QTest::newRow("fallback") << QString() << QString() << QStringList{"ja-JP", "C"} << "en";
}

void TestTranslations::languageChoice()
{
    QFETCH(QString, option);
    QFETCH(QString, setting);
    QFETCH(QStringList, system);
    QFETCH(QString, chosen);
    QCOMPARE(ProgramLanguage::choose(option, setting, system), chosen);
}

void TestTranslations::coreMessages_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<Message>("message");
    QTest::addColumn<QString>("shown");
    const QString file = QStringLiteral("C:\\GP4\\MenuData\\PC\\GP2001\\images\\12.gpi");
    const auto what = [](const GameFileError &error) { return error.message(); };
    QTest::newRow("English unchanged") << "en" << what(GameFileError(file.toStdString(), FailureText::AccessDenied))
                                       << file + ": access denied";
    QTest::newRow("can't be read, German") << "de" << what(GameFileError(file.toStdString(), FailureText::NotFound))
                                           << file + ": Datei nicht gefunden";
    QTest::newRow("can't be written, Polish") << "pl" << what(GameFileError(file.toStdString(), FailureText::DiskFull))
                                              << file + ": dysk jest pełny";
    QTest::newRow("changed by another program, French")
        << "fr" << what(ChangedOnDisk("C:\\GP4", {"images/12.gpi", "Gp2001.gph"}))
        << "C:\\GP4 : un autre programme a modifié ces fichiers depuis que Tessary les a chargés : images/12.gpi, Gp2001.gph ; "
           "rien n'a été modifié";
    QTest::newRow("a name of separators and placeholders, German")
        << "de" << Message::about("C:\\Night: sky; 100%1", FolderLock::writerBusy())
        << "C:\\Night: sky; 100%1: ein anderes Programm schreibt gerade in diesen Spielordner; es wurde nichts geändert";
    QTest::newRow("a library's own words stay as they are, Dutch")
        << "nl" << Message::about(file.toStdString(), Message::joined(std::string("Truncated ZIP file data"), FailureText::NothingChanged))
        << file + ": Truncated ZIP file data; er is niets gewijzigd";

    // The rarer messages, as the core builds them: numbers put into a nested reason, a JSON
    // error inside the record's, a mod's entry refused by name, a folder import's summary.
    const auto refusal = [](const std::function<void()> &refuse) {
        try {
            refuse();
        } catch (const GameFileError &error) {
            return error.message();
        }
        return Message();
    };
    const QString index = QStringLiteral("C:\\GP4\\MenuData\\PC\\GP2001\\Gp2001.gph");
    const std::uint8_t fiveSlotsNoEntries[8] = {5, 0, 0, 0, 0, 0, 0, 0};
    QTest::newRow("index cut short, Italian")
        << "it" << refusal([&] {
               Catalogue read;
               IndexFile::parse(index.toStdString(), fiveSlotsNoEntries, sizeof fiveSlotsNoEntries, read);
           })
        << index + ": lettura oltre la fine del file (l'indice elenca 5 posti per immagini ma contiene solo 8 byte)";
    const QString record = QStringLiteral("C:\\GP4\\MenuData\\PC\\GP2001\\tessary-mods\\installed.json");
    QTest::newRow("damaged record of installed mods, German")
        << "de" << refusal([&] { ModRecord::parseList(record.toStdString(), "[1 2]"); })
        << record + ": die Liste der installierten Mods ist beschädigt (bei Byte 3: ',' oder ']' erwartet); Tessary lässt sie, "
                    "wie sie ist. Verschieben Sie den Ordner tessary-mods woandershin, um wieder Mods zu installieren";
    // A profile of the library naming a mod that isn't there; the name holds "; " and "%1".
    InstalledMod night;
    night.id = 1;
    night.name = "Night";
    night.installed = "2026-12-10T09:00:00Z";
    night.fileSha256 = std::string(64, 'a');
    const std::string withStrayProfile = ModRecord::encodeList({night}, {ModProfile{"2003; season %1", {"Day"}}});
    QTest::newRow("a profile naming a mod not installed, Polish")
        << "pl" << refusal([&] { ModRecord::parseList(record.toStdString(), withStrayProfile); })
        << record + QStringLiteral(": spis zainstalowanych modów jest uszkodzony (profil „2003; season %1” wymienia mod, który nie "
                                   "jest zainstalowany, albo jeden dwa razy); Tessary zostawia go bez zmian. Przenieś folder "
                                   "tessary-mods gdzie indziej, aby znów instalować mody");
    const QString archive = QStringLiteral("C:\\Mods\\menus.zip");
    QTest::newRow("mod entry refused, Polish") << "pl" << refusal([&] { EntryNames(archive.toStdString()).accept("../12.gpi", false); })
                                               << archive + ": „../12.gpi” wychodzi poza folder archiwum (\"..\")";
    // libarchive's own words stay as they are, after Tessary's reason.
    const std::string noArchive = "These are notes, not an archive.\n";
    QTest::newRow("not an archive, German")
        << "de" << refusal([&] {
               ArchiveReader::read(archive.toStdString(), reinterpret_cast<const std::uint8_t *>(noArchive.data()), noArchive.size());
           })
        << archive + ": ist kein Archiv, das Tessary lesen kann (Unrecognized archive format)";
    // A mod's note lists names as they are, though one holds "; " and "%1".
    QTest::newRow("a mod's note, German")
        << "de" << ModContentsKinds::listNote("Files that are no game file were left out: %1", {"readme.txt", "a; b %1.txt"})
        << "Dateien, die keine Spieldateien sind, wurden ausgelassen: readme.txt, a; b %1.txt";
    FolderImportSummary summary;
    summary.imported = {"001.tga", "002.png"};
    summary.identical = {"003.tga"};
    summary.refused = {{"004.tga", TgaRleRefused::Text}};
    summary.unmatched = {"readme.txt"};
    QTest::newRow("folder import summary, Brazilian")
        << "pt_BR" << summary.message("C:\\Pictures")
        << "2 imagens importadas de C:\\Pictures.\n1 arquivo era igual à imagem que já estava lá: 003.tga\n1 arquivo foi recusado:\n"
           "004.tga: Desculpe, o Tessary não consegue ler arquivos .tga com compressão RLE.\n"
           "1 arquivo não correspondia a nenhuma imagem: readme.txt";
    // Polish counts take three forms: 1, 2 to 4 (and 22), 5 and more.
    FolderImportSummary counted;
    counted.imported = {"1.png", "2.png", "3.png", "4.png", "5.png"};
    for (int n = 1; n <= 22; ++n)
        counted.identical.push_back(std::to_string(n + 10) + ".png");
    counted.refused = {{"004.tga", TgaRleRefused::Text}, {"005.tga", FailureText::NotFound}};
    counted.unmatched = {"readme.txt"};
    QTest::newRow("folder import summary with counts, Polish")
        << "pl" << counted.message("C:\\Obrazy")
        << QStringLiteral("Zaimportowano 5 obrazów z C:\\Obrazy.\n22 pliki były takie same jak obraz, który już tam był: 11.png, "
                          "12.png, 13.png, 14.png, 15.png, 16.png, 17.png, 18.png, 19.png, 20.png … i jeszcze 12\n"
                          "Odrzucono 2 pliki:\n004.tga: Niestety Tessary nie potrafi czytać plików .tga kompresowanych RLE.\n"
                          "005.tga: nie znaleziono pliku\n1 plik nie pasował do żadnego obrazu: readme.txt");
    for (const auto &[count, polish] : {std::pair{1, "Zaimportowano 1 obraz."}, {2, "Zaimportowano 2 obrazy."},
                                        {5, "Zaimportowano 5 obrazów."}, {22, "Zaimportowano 22 obrazy."}}) {
        FolderImportSummary imported;
        imported.imported.assign(std::size_t(count), "1.png");
        QTest::addRow("%d pictures imported, Polish", count) << "pl" << imported.message("") << QString::fromUtf8(polish);
    }
    FolderImportSummary many;
    for (int n = 1; n <= 12; ++n)
        many.identical.push_back(std::to_string(n) + ".png");
    QTest::newRow("a list of names cut short, German")
        << "de" << many.message("")
        << QStringLiteral("Es wurde kein Bild importiert.\n12 Dateien waren gleich dem Bild, das schon dort ist: 1.png, 2.png, "
                          "3.png, 4.png, 5.png, 6.png, 7.png, 8.png, 9.png, 10.png \u2026 und 2 weitere");
    QTest::newRow("a file's reason nested in parentheses, Spanish")
        << "es"
        << Message::about(index.toStdString(),
                          Message::joined(Message::joined(FailureText::DiskFull, Message("putting the earlier files back failed too (%1)")
                                                                                     .nested(Message::about(file.toStdString(), FailureText::AccessDenied))),
                                          "Tessary finishes the write-back the next time it opens this game folder"))
        << index + ": disco lleno; también ha fallado la restauración de los archivos anteriores (" + file + ": acceso denegado); "
                   "Tessary terminará la escritura la próxima vez que abra esta carpeta del juego";
}

void TestTranslations::coreMessages()
{
    QFETCH(QString, language);
    QFETCH(Message, message);
    QFETCH(QString, shown);
    QObject owner;
    QVERIFY(ProgramLanguage::install(&owner, language));
    QCOMPARE(CoreMessages::said(message), shown);
}

// The system's text of an error is in the window's language, or left out where the system has
// none in it (as on a machine without that locale): never English in a German sentence. In
// English the system's own English text stands in the parentheses.
void TestTranslations::systemErrorsInTheLanguage()
{
    const QString english = QString::fromLocal8Bit(std::strerror(EIO));
    const Message error = Message::systemError(EIO, english.toStdString());
    const auto saidIn = [&error](const QString &language) {
        QObject owner; // its translators go with it
        return ProgramLanguage::install(&owner, language) ? CoreMessages::said(error) : QString();
    };
    const QString inEnglish = saidIn(QStringLiteral("en"));
    const QString code = QStringLiteral("error code %1 (").arg(EIO);
    QVERIFY2(inEnglish.startsWith(code) && inEnglish.endsWith(QLatin1Char(')')) && inEnglish.size() > code.size() + 1,
             qPrintable(inEnglish));
    const QString inGerman = saidIn(QStringLiteral("de"));
    QVERIFY2(inGerman.startsWith(QStringLiteral("Fehlercode %1").arg(EIO)), qPrintable(inGerman));
    QVERIFY2(!inGerman.contains(english) && !inGerman.contains(inEnglish.mid(code.size())), qPrintable(inGerman));
}

namespace {

// The columns of area that hold ink: pixels at least halfway from the background's grey to the
// text's (a bevel's lighter or fainter lines are no ink).
QList<int> inkedColumns(const QImage &image, const QRect &area, QRgb background, QRgb text)
{
    const int face = qGray(background);
    const int step = qGray(text) - face;
    QList<int> columns;
    for (int x = area.left(); x <= area.right(); ++x) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            if ((qGray(image.pixel(x, y)) - face) * 2 * (step < 0 ? -1 : 1) >= std::abs(step)) {
                columns << x;
                break;
            }
        }
    }
    return columns;
}

// The commonest colour of area: the face the text is drawn on.
QRgb background(const QImage &image, const QRect &area)
{
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    return std::max_element(counts.constKeyValueBegin(), counts.constKeyValueEnd(),
                            [](const auto &a, const auto &b) { return a.second < b.second; })
        ->first;
}

// How wide the ink of text is, drawn alone in font.
int inkWidth(const QString &text, const QFont &font)
{
    QImage alone(QFontMetrics(font).horizontalAdvance(text) + 16, QFontMetrics(font).height() + 8, QImage::Format_RGB32);
    alone.fill(Qt::white);
    {
        QPainter painter(&alone);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(alone.rect(), Qt::AlignCenter, text);
    }
    const QList<int> columns = inkedColumns(alone, alone.rect(), qRgb(255, 255, 255), qRgb(0, 0, 0));
    return columns.isEmpty() ? 0 : columns.constLast() - columns.constFirst() + 1;
}

// Fails unless the ink inside room of grab is the whole text (as wide as drawn alone) and keeps
// off room's edges, where a longer text would be cut.
QString fitProblem(const QString &what, const QImage &grab, const QRect &room, const QString &text, const QFont &font, const QColor &ink)
{
    const QList<int> seen = inkedColumns(grab, room, background(grab, room), ink.rgb());
    const int wanted = inkWidth(text, font);
    if (seen.isEmpty())
        return what + QStringLiteral(" shows no ink");
    const int width = seen.constLast() - seen.constFirst() + 1;
    if (width < wanted - 1 || seen.constFirst() <= room.left() || seen.constLast() >= room.right())
        return QStringLiteral("%1 \"%2\": ink %3..%4 (%5 of %6 pixels) in %7..%8")
            .arg(what, text)
            .arg(seen.constFirst())
            .arg(seen.constLast())
            .arg(width)
            .arg(wanted)
            .arg(room.left())
            .arg(room.right());
    return QString();
}

} // namespace

void TestTranslations::textsFit_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("en") << "en";
    for (const QString &language : ProgramLanguage::shipped())
        QTest::newRow(qPrintable(language)) << language;
}

void TestTranslations::textsFit()
{
    QFETCH(QString, language);
    QObject owner;
    QVERIFY(ProgramLanguage::install(&owner, language));
    WindowFixture fixture;
    TForm1 &form = fixture.form();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QStringList problems;
    const MainWindowParts &parts = form.parts();
    // Every other language has a text of its own for "Apply All Changes".
    if (language != QLatin1String("en"))
        QVERIFY(parts.LMDApplyAll->text() != QLatin1String("Apply All Changes"));

    for (TPushButton *button : form.findChildren<TPushButton *>()) {
        const QImage grab = button->grab().toImage();
        problems << fitProblem(button->objectName(), grab, button->textRect(), button->text(), button->textFont(),
                               button->palette().color(QPalette::ButtonText));
    }
    for (int tag : {1, 0}) {
        parts.PanelChannels->setTag(tag);
        const QImage grab = parts.PanelChannels->grab().toImage();
        problems << fitProblem(QStringLiteral("PanelChannels"), grab, parts.PanelChannels->contentsRect(), parts.PanelChannels->text(),
                               parts.PanelChannels->font(), parts.PanelChannels->palette().color(QPalette::WindowText));
    }
    // The labels of the tool bar: their ink whole, between their neighbours.
    const QImage toolBar = parts.Panel1->grab().toImage();
    for (QLabel *label : {parts.LabelSize, parts.LabelThumb}) {
        int left = 0;
        int right = parts.Panel1->width() - 1;
        for (QWidget *other : parts.Panel1->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (other == label || !other->isVisible())
                continue;
            if (other->geometry().right() < label->x())
                left = std::max(left, other->geometry().right() + 1);
            else if (other->x() > label->x())
                right = std::min(right, other->x() - 1);
        }
        const QRect room(QPoint(left, label->y()), QPoint(right, label->geometry().bottom()));
        problems << fitProblem(label->objectName(), toolBar, room, label->text(), label->font(), label->palette().color(QPalette::WindowText));
    }
    QTabBar *tabs = parts.PageControl1->tabBar();
    const QImage tabGrab = tabs->grab().toImage();
    for (int tab = 0; tab < tabs->count(); ++tab)
        problems << fitProblem(QStringLiteral("tab %1").arg(tab), tabGrab, tabs->tabRect(tab).adjusted(2, 2, -2, -2), tabs->tabText(tab),
                               tabs->font(), tabs->palette().color(QPalette::WindowText));

    parts.Popup1->popup(form.mapToGlobal(QPoint(40, 80)));
    QVERIFY(QTest::qWaitForWindowExposed(parts.Popup1));
    const QImage menuGrab = parts.Popup1->grab().toImage();
    for (QAction *item : parts.Popup1->actions()) {
        if (!item->isSeparator())
            problems << fitProblem(item->objectName(), menuGrab, parts.Popup1->actionGeometry(item).adjusted(2, 1, -2, -1), item->text(), parts.Popup1->font(),
                                   parts.Popup1->palette().color(item->isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    }
    parts.Popup1->close();

    // The preview's read-out of a picture's last pixel, from each source, whole beside its buttons.
    TFormPreview &preview = fixture.preview();
    PreviewPicture picture;
    picture.size = QSize(40, 40);
    picture.shown = QImage(picture.size, QImage::Format_ARGB32);
    picture.shown.fill(qRgba(255, 255, 255, 255));
    picture.values = picture.shown;
    picture.loaded = qsizetype(picture.size.width()) * picture.size.height();
    preview.showPicture(QStringLiteral("9.gpi"), picture, [picture](PreviewSource) { return picture; });
    QVERIFY(QTest::qWaitForWindowExposed(&preview));
    // At 8x the picture is still narrower than the line, which sets the window's width.
    for (PreviewSource source : {PreviewSource::Tessary, PreviewSource::GameFolder, PreviewSource::Original}) {
        preview.showSource(source);
        preview.setZoom(8.0);
        const QPointF at(39 * 8 + 3, 39 * 8 + 3);
        QMouseEvent move(QEvent::MouseMove, at, preview.Preview()->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(preview.Preview(), &move);
        QLabel *line = preview.readOutLine();
        QVERIFY2(line->text().contains(QStringLiteral("255")), qPrintable(line->text()));
        QCOMPARE(preview.width(), preview.lineMinWidth());
        problems << fitProblem(QStringLiteral("the preview's read-out"), preview.grab().toImage(), line->geometry().adjusted(-1, 0, 1, 0),
                               line->text(), line->font(), line->palette().color(QPalette::WindowText));
    }

    // The texts keep the window's font: the layout gives way to them instead.
    for (TPushButton *button : form.findChildren<TPushButton *>())
        if (QFontInfo(button->textFont()).pixelSize() != QFontInfo(button->font()).pixelSize())
            problems << button->objectName() + QStringLiteral(" draws its text smaller");
    for (QLabel *label : {parts.LabelSize, parts.LabelThumb})
        if (label->font() != parts.Panel1->font())
            problems << label->objectName() + QStringLiteral(" draws its text in a font of its own");
    // At the window's narrowest, each bar holds its controls whole, apart from one another.
    form.resize(form.minimumWidth(), form.height());
    QTRY_COMPARE(parts.Panel1->width() + (form.width() - parts.TabSheet1->width()), form.minimumWidth());
    for (QWidget *bar : {static_cast<QWidget *>(parts.TopPanel), static_cast<QWidget *>(parts.Panel1)}) {
        QList<QWidget *> row = bar->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        row.removeIf([](const QWidget *w) { return !w->isVisible(); });
        std::sort(row.begin(), row.end(), [](const QWidget *a, const QWidget *b) { return a->x() < b->x(); });
        for (qsizetype i = 0; i < row.size(); ++i) {
            const QWidget *next = i + 1 < row.size() ? row[i + 1] : nullptr;
            if (row[i]->geometry().right() >= (next ? next->x() : bar->width()))
                problems << QStringLiteral("%1 reaches %2").arg(row[i]->objectName(), next ? next->objectName() : QStringLiteral("the end of its bar"));
        }
    }
    problems.removeAll(QString());
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

void TestTranslations::pluralForms_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("shown");
    const QString imported = QStringLiteral("%n pictures imported");
    const QString stay = QStringLiteral("\n%n pictures stay as they are, covered since: %1");
    QTest::newRow("en 1") << "en" << imported << 1 << "1 picture imported";
    QTest::newRow("en 2") << "en" << imported << 2 << "2 pictures imported";
    QTest::newRow("pl 1") << "pl" << imported << 1 << "Zaimportowano 1 obraz";
    QTest::newRow("pl 2") << "pl" << imported << 2 << "Zaimportowano 2 obrazy";
    QTest::newRow("pl 5") << "pl" << imported << 5 << "Zaimportowano 5 obrazów";
    QTest::newRow("pl 22") << "pl" << imported << 22 << "Zaimportowano 22 obrazy";
    QTest::newRow("pl 12") << "pl" << imported << 12 << "Zaimportowano 12 obrazów";
    QTest::newRow("de 1") << "de" << imported << 1 << "1 Bild importiert";
    QTest::newRow("de 5") << "de" << imported << 5 << "5 Bilder importiert";
    QTest::newRow("fr 1") << "fr" << imported << 1 << "1 image importée";
    QTest::newRow("fr 22") << "fr" << imported << 22 << "22 images importées";
    // A whole sentence for each count: its verb and adjectives agree with the number.
    QTest::newRow("en, stays") << "en" << stay << 1 << "\n1 picture stays as it is, covered since: %1";
    QTest::newRow("it, stay") << "it" << stay << 2 << "\n2 immagini restano come sono, coperte nel frattempo: %1";
    QTest::newRow("es, stays") << "es" << stay << 1 << "\n1 imagen se queda como está, cubierta desde entonces: %1";
    QTest::newRow("fr, stay") << "fr" << stay << 2 << "\n2 images restent telles quelles, recouvertes depuis : %1";
    QTest::newRow("pl, 5 stay") << "pl" << stay << 5 << "\n5 obrazów zostaje bez zmian, bo zostały przykryte: %1";
}

void TestTranslations::pluralForms()
{
    QFETCH(QString, language);
    QFETCH(QString, source);
    QFETCH(int, count);
    QFETCH(QString, shown);
    QObject owner;
    QVERIFY(ProgramLanguage::install(&owner, language));
    QCOMPARE(QCoreApplication::translate("TForm1", source.toUtf8().constData(), nullptr, count), shown);
}

void TestTranslations::datesInTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("month"); // December, as the language writes it in a date
    QTest::newRow("en") << "en" << "en" << "December";
    QTest::newRow("de") << "de" << "de" << "Dezember";
    QTest::newRow("fr") << "fr" << "fr" << "décembre";
    QTest::newRow("it") << "it" << "it" << "dicembre";
    QTest::newRow("es") << "es" << "es" << "diciembre";
    QTest::newRow("nl") << "nl" << "nl" << "december";
    QTest::newRow("pl") << "pl" << "pl" << "grudnia";
    QTest::newRow("pt_BR") << "pt_BR" << "pt_BR" << "dezembro";
}

void TestTranslations::datesInTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, locale);
    QFETCH(QString, month);
    QObject owner;
    QVERIFY(ProgramLanguage::install(&owner, language));
    QVERIFY2(QLocale().name().startsWith(locale), qPrintable(QLocale().name()));
    // A record's time in the window: the user's format and time zone (UTC here), never ISO.
    const QString shown = LocalFormat::dateTime(QStringLiteral("2026-12-09T14:09:02Z"));
    QVERIFY2(shown.contains(month) && shown.contains(QStringLiteral("2026")) && shown.contains(QStringLiteral(":09")), qPrintable(shown));
    QVERIFY2(!shown.contains(QStringLiteral("T14")) && !shown.contains(QStringLiteral("2026-12")), qPrintable(shown));
    QVERIFY(LocalFormat::date(QStringLiteral("2026-12-09T14:09:02Z")).contains(QStringLiteral("9")));
    QCOMPARE(LocalFormat::dateTime(QStringLiteral("yesterday")), QStringLiteral("yesterday"));
}

QTEST_MAIN(TestTranslations)
#include "test_translations.moc"
