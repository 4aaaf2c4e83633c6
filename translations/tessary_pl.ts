<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>CoreMessages</name>
    <message>
        <source>file not found</source>
        <translation>nie znaleziono pliku</translation>
    </message>
    <message>
        <source>folder not found</source>
        <translation>nie znaleziono folderu</translation>
    </message>
    <message>
        <source>access denied</source>
        <translation>odmowa dostępu</translation>
    </message>
    <message>
        <source>reading beyond the end of the file</source>
        <translation>odczyt poza końcem pliku</translation>
    </message>
    <message>
        <source>disk full</source>
        <translation>dysk jest pełny</translation>
    </message>
    <message>
        <source>the file system is read-only</source>
        <translation>system plików jest tylko do odczytu</translation>
    </message>
    <message>
        <source>is a folder, not a file</source>
        <translation>jest folderem, a nie plikiem</translation>
    </message>
    <message>
        <source>is a file, not a folder</source>
        <translation>jest plikiem, a nie folderem</translation>
    </message>
    <message>
        <source>is not a folder</source>
        <translation>nie jest folderem</translation>
    </message>
    <message>
        <source>is not a regular file (a pipe or a device)</source>
        <translation>nie jest zwykłym plikiem (to potok lub urządzenie)</translation>
    </message>
    <message>
        <source>is a symbolic link, which Tessary does not follow</source>
        <translation>jest dowiązaniem symbolicznym, którego Tessary nie śledzi</translation>
    </message>
    <message>
        <source>the path is too long</source>
        <translation>ścieżka jest za długa</translation>
    </message>
    <message>
        <source>the file is in use by another program</source>
        <translation>plik jest używany przez inny program</translation>
    </message>
    <message>
        <source>nothing was changed</source>
        <translation>niczego nie zmieniono</translation>
    </message>
    <message>
        <source>nothing was written</source>
        <translation>niczego nie zapisano</translation>
    </message>
    <message>
        <source>error code %1 (%2)</source>
        <translation>kod błędu %1 (%2)</translation>
    </message>
    <message>
        <source>another program changed this file since Tessary loaded them: %1</source>
        <translation>inny program zmienił ten plik, odkąd Tessary go wczytał: %1</translation>
    </message>
    <message>
        <source>another program changed these files since Tessary loaded them: %1</source>
        <translation>inny program zmienił te pliki, odkąd Tessary je wczytał: %1</translation>
    </message>
    <message>
        <source>another program changed the record of installed mods since Tessary read it</source>
        <translation>inny program zmienił spis zainstalowanych modów, odkąd Tessary go odczytał</translation>
    </message>
    <message>
        <source>another program is writing this game folder</source>
        <translation>inny program zapisuje ten folder gry</translation>
    </message>
    <message>
        <source>another program is reading this game folder</source>
        <translation>inny program odczytuje ten folder gry</translation>
    </message>
    <message>
        <source>try again when it has finished</source>
        <translation>spróbuj ponownie, gdy skończy</translation>
    </message>
    <message>
        <source>try again in a moment</source>
        <translation>spróbuj ponownie za chwilę</translation>
    </message>
    <message>
        <source>the files already replaced were put back, so nothing was changed</source>
        <translation>już zastąpione pliki przywrócono, więc niczego nie zmieniono</translation>
    </message>
    <message>
        <source>the game folder is not loaded completely</source>
        <translation>folder gry nie jest wczytany w całości</translation>
    </message>
    <message>
        <source>holds fewer pixels than its byte count</source>
        <translation>zawiera mniej pikseli, niż wskazuje liczba bajtów</translation>
    </message>
    <message>
        <source>this program reads no .png files</source>
        <translation>ten program nie czyta plików .png</translation>
    </message>
    <message>
        <source>the archive is damaged</source>
        <translation>archiwum jest uszkodzone</translation>
    </message>
    <message>
        <source>there is no menu image number %1</source>
        <translation>nie ma obrazu menu o numerze %1</translation>
    </message>
    <message>
        <source>there is no font number %1</source>
        <translation>nie ma czcionki o numerze %1</translation>
    </message>
    <message>
        <source>%1 true-colour .tga files can&apos;t be read</source>
        <translation>plików .tga true color %1 nie można odczytać</translation>
    </message>
    <message>
        <source>save the picture with 24 or 32 bits per pixel</source>
        <translation>zapisz obraz w 24 lub 32 bitach na piksel</translation>
    </message>
    <message>
        <source>Sorry but Tessary can&apos;t read RLE encoded .tga files.</source>
        <translation>Niestety Tessary nie potrafi czytać plików .tga kompresowanych RLE.</translation>
    </message>
</context>
<context>
    <name>ExternalEditor</name>
    <message>
        <source>No program opens .png files on this system; choose one with &quot;Choose image editor…&quot;.</source>
        <translation>Żaden program w tym systemie nie otwiera plików .png; wybierz go poleceniem „Wybierz edytor obrazów…”.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be started.</source>
        <translation>Nie można uruchomić %1.</translation>
    </message>
</context>
<context>
    <name>GameFolder</name>
    <message>
        <source>the value could not be recorded</source>
        <translation>nie udało się zapisać wartości</translation>
    </message>
    <message>
        <source>Please choose your GP4 folder</source>
        <translation>Wybierz folder GP4</translation>
    </message>
    <message>
        <source>Sorry but this is not a valid GP4.exe file. Image folder can&apos;t be found</source>
        <translation>Niestety to nie jest prawidłowy plik GP4.exe. Nie znaleziono folderu obrazów</translation>
    </message>
    <message>
        <source>The game folder is recorded in Tessary&apos;s settings (%1), as %2 can&apos;t be changed (%3).</source>
        <translation>Folder gry zapisano w ustawieniach Tessary (%1), bo nie można zmienić %2 (%3).</translation>
    </message>
    <message>
        <source>%1: the game folder can&apos;t be recorded (%2)</source>
        <translation>%1: nie można zapisać folderu gry (%2)</translation>
    </message>
    <message>
        <source>; %1: neither (%2)</source>
        <translation>; %1: również nie (%2)</translation>
    </message>
</context>
<context>
    <name>ModViews</name>
    <message>
        <source>a Tessary mod package</source>
        <translation>pakiet moda Tessary</translation>
    </message>
    <message>
        <source>laid out as the game folder</source>
        <translation>o układzie folderu gry</translation>
    </message>
    <message>
        <source>a set of pictures</source>
        <translation>zestaw obrazów</translation>
    </message>
    <message>
        <source>By %1, </source>
        <translation>Autor: %1, </translation>
    </message>
    <message>
        <source>, from %1.</source>
        <translation>, z %1.</translation>
    </message>
    <message>
        <source>the same as the picture there now</source>
        <translation>taki sam jak obecny obraz</translation>
    </message>
    <message>
        <source>replaces your change not yet applied
(uninstalling the mod gives it back)</source>
        <translation>zastępuje twoją jeszcze niezastosowaną zmianę
(odinstalowanie moda ją przywróci)</translation>
    </message>
    <message>
        <source>replaces your own picture
(uninstalling the mod gives it back)</source>
        <translation>zastępuje twój własny obraz
(odinstalowanie moda go przywróci)</translation>
    </message>
    <message>
        <source>covers the picture of the mod &quot;%1&quot;</source>
        <translation>zakrywa obraz moda „%1”</translation>
    </message>
    <message>
        <source>an edit</source>
        <translation>edycję</translation>
    </message>
    <message>
        <source>%1 (by %2)</source>
        <translation>%1 (przez %2)</translation>
    </message>
</context>
<context>
    <name>PictureTip</name>
    <message>
        <source>Changed in Tessary, not yet applied</source>
        <translation>Zmieniony w Tessary, jeszcze niezastosowany</translation>
    </message>
    <message>
        <source>As the game folder holds it</source>
        <translation>Jak w folderze gry</translation>
    </message>
    <message>
        <source>Differs from the game&apos;s original</source>
        <translation>Różni się od oryginału gry</translation>
    </message>
    <message>
        <source>The game&apos;s original</source>
        <translation>Oryginał gry</translation>
    </message>
    <message>
        <source>Can&apos;t be compared with the game&apos;s original: %1</source>
        <translation>Nie można porównać z oryginałem gry: %1</translation>
    </message>
    <message>
        <source>Image %1 (%1.gpi)</source>
        <translation>Obraz %1 (%1.gpi)</translation>
    </message>
    <message>
        <source>%1 × %2 pixels, %3 bytes</source>
        <translation>%1 × %2 pikseli, bajtów: %3</translation>
    </message>
    <message>
        <source>Font sheet %1 (%2)</source>
        <translation>Arkusz czcionki %1 (%2)</translation>
    </message>
    <message>
        <source>256 × 256 pixels, %1 bytes</source>
        <translation>256 × 256 pikseli, bajtów: %1</translation>
    </message>
</context>
<context>
    <name>ProgramTexts</name>
    <message>
        <source>Pictures (*.tga *.png)</source>
        <translation>Obrazy (*.tga *.png)</translation>
    </message>
    <message>
        <source>Please select a folder</source>
        <translation>Wybierz folder</translation>
    </message>
    <message>
        <source>Please choose a folder where all .tga files will be saved.</source>
        <translation>Wybierz folder, w którym zostaną zapisane wszystkie pliki .tga.</translation>
    </message>
    <message>
        <source>Please choose the folder that holds the pictures to load.</source>
        <translation>Wybierz folder z obrazami do wczytania.</translation>
    </message>
    <message>
        <source>Load all images from a folder…</source>
        <translation>Wczytaj wszystkie obrazy z folderu…</translation>
    </message>
    <message>
        <source>Load all font sheets from a folder…</source>
        <translation>Wczytaj wszystkie arkusze czcionek z folderu…</translation>
    </message>
    <message>
        <source>Revert to the game folder&apos;s file</source>
        <translation>Przywróć plik z folderu gry</translation>
    </message>
    <message>
        <source>Restore the game&apos;s original</source>
        <translation>Przywróć oryginał gry</translation>
    </message>
    <message>
        <source>Edit in image editor…</source>
        <translation>Edytuj w edytorze obrazów…</translation>
    </message>
    <message>
        <source>Choose image editor…</source>
        <translation>Wybierz edytor obrazów…</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Save changes as a mod package…</source>
        <translation>Zapisz zmiany jako pakiet moda…</translation>
    </message>
    <message>
        <source>Install mod…</source>
        <translation>Zainstaluj moda…</translation>
    </message>
    <message>
        <source>Installed mods…</source>
        <translation>Zainstalowane mody…</translation>
    </message>
    <message>
        <source>Tessary mod package (*.zip)</source>
        <translation>Pakiet moda Tessary (*.zip)</translation>
    </message>
    <message>
        <source>Mods (*.zip *.7z *.rar *.tar *.tar.gz *.tgz *.tar.bz2 *.tbz2 *.tar.xz *.txz)</source>
        <translation>Mody (*.zip *.7z *.rar *.tar *.tar.gz *.tgz *.tar.bz2 *.tbz2 *.tar.xz *.txz)</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Odrzuć</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save as:</source>
        <translation>Zapisz jako:</translation>
    </message>
    <message>
        <source>Programs (*.exe);;All files (*)</source>
        <translation>Programy (*.exe);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Choose the image editor</source>
        <translation>Wybierz edytor obrazów</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>access denied</source>
        <translation>odmowa dostępu</translation>
    </message>
    <message>
        <source>the file is not a valid settings file</source>
        <translation>plik nie jest prawidłowym plikiem ustawień</translation>
    </message>
</context>
<context>
    <name>TChannelToggle</name>
    <message>
        <source>Alpha Layer</source>
        <translation>Kanał alfa</translation>
    </message>
    <message>
        <source>RGB Layers</source>
        <translation>Kanały RGB</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Not enough memory to finish the command.</source>
        <translation>Za mało pamięci, by dokończyć polecenie.</translation>
    </message>
    <message>
        <source>Tessary closes when this work ends…</source>
        <translation>Tessary zamknie się po zakończeniu tej pracy…</translation>
    </message>
    <message>
        <source>closing Tessary</source>
        <translation>zamknięciem Tessary</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Cofnij: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Ponów: %1</translation>
    </message>
    <message>
        <source>The %1 can&apos;t be undone: it is larger than the undo history holds</source>
        <translation>Nie można cofnąć (%1): to więcej, niż mieści historia zmian</translation>
    </message>
    <message>
        <source>revert of %1</source>
        <translation>przywrócenie %1</translation>
    </message>
    <message>
        <source>restore of the original of %1</source>
        <translation>przywrócenie oryginału %1</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Cofnięto: %1</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>Ponowiono: %1</translation>
    </message>
    <message>
        <source>The image index has changes</source>
        <translation>Indeks obrazów ma zmiany</translation>
    </message>
    <message>
        <source>These pictures have changes</source>
        <translation>Te obrazy mają zmiany</translation>
    </message>
    <message>
        <source>%1 not yet applied to the game folder.

Apply them before %2?</source>
        <translation>%1 jeszcze niezastosowane w folderze gry.

Zastosować je przed %2?</translation>
    </message>
    <message>
        <source>the system&apos;s program for .png files</source>
        <translation>domyślnym programie systemu dla plików .png</translation>
    </message>
    <message>
        <source>&quot;Edit in image editor…&quot; opens pictures in %1.

Open them in:</source>
        <translation>„Edytuj w edytorze obrazów…” otwiera obrazy w %1.

Otwieraj je w:</translation>
    </message>
    <message>
        <source>The system&apos;s program</source>
        <translation>Programie systemowym</translation>
    </message>
    <message>
        <source>A program of my choice…</source>
        <translation>Wybranym przeze mnie programie…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>edit of %1 in the image editor</source>
        <translation>edycja %1 w edytorze obrazów</translation>
    </message>
    <message>
        <source>%1 read back from the image editor</source>
        <translation>%1 wczytano z powrotem z edytora obrazów</translation>
    </message>
    <message>
        <source>import</source>
        <translation>import</translation>
    </message>
    <message>
        <source>No picture imported</source>
        <translation>Nie zaimportowano żadnego obrazu</translation>
    </message>
    <message>
        <source>1 picture imported</source>
        <translation>Zaimportowano 1 obraz</translation>
    </message>
    <message>
        <source>%1 pictures imported</source>
        <translation>Zaimportowane obrazy: %1</translation>
    </message>
    <message>
        <source>Apply All Changes</source>
        <translation>Zastosuj wszystko</translation>
    </message>
    <message>
        <source>Change GP4 Path</source>
        <translation>Folder GP4…</translation>
    </message>
    <message>
        <source>Save all images to .tga</source>
        <translation>Wszystkie do .tga</translation>
    </message>
    <message>
        <source>Image Size :</source>
        <translation>Rozmiar:</translation>
    </message>
    <message>
        <source>Thumbnail Size:</source>
        <translation>Miniatury:</translation>
    </message>
    <message>
        <source>Images Workshop</source>
        <translation>Obrazy</translation>
    </message>
    <message>
        <source>Fonts Workshop</source>
        <translation>Czcionki</translation>
    </message>
    <message>
        <source>Load image from a .tga file</source>
        <translation>Wczytaj obraz z pliku .tga</translation>
    </message>
    <message>
        <source>Save image to a .tga file</source>
        <translation>Zapisz obraz do pliku .tga</translation>
    </message>
    <message>
        <source>My menu mod</source>
        <translation>Mój mod menu</translation>
    </message>
    <message>
        <source>Saved %1 as the mod package %2:
%3</source>
        <translation>Zapisano jako pakiet moda %2 (obrazy: %1):
%3</translation>
    </message>
    <message>
        <source>1 picture</source>
        <translation>1</translation>
    </message>
    <message>
        <source>%1 pictures</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>installation of %1</source>
        <translation>instalacja %1</translation>
    </message>
    <message>
        <source>uninstalling of %1</source>
        <translation>odinstalowanie %1</translation>
    </message>
    <message>
        <source>The mod &quot;%1&quot; is uninstalled as changes to apply; &quot;Apply All Changes&quot; writes them into the game folder.</source>
        <translation>Mod „%1” odinstalowano jako zmiany do zastosowania; „Zastosuj wszystko” zapisze je w folderze gry.</translation>
    </message>
    <message>
        <source>
%1 back to what lies below: %2</source>
        <translation>
%1 do tego, co leży pod spodem: %2</translation>
    </message>
    <message>
        <source>1 picture goes</source>
        <translation>Wraca 1 obraz</translation>
    </message>
    <message>
        <source>%1 pictures go</source>
        <translation>Wracają obrazy (%1)</translation>
    </message>
    <message>
        <source>
%1 as it is, covered since: %2</source>
        <translation>
%1 bez zmian, zakryte od tamtej pory: %2</translation>
    </message>
    <message>
        <source>1 picture stays</source>
        <translation>Zostaje 1 obraz</translation>
    </message>
    <message>
        <source>%1 pictures stay</source>
        <translation>Zostają obrazy (%1)</translation>
    </message>
    <message>
        <source>changing the game folder</source>
        <translation>zmianą folderu gry</translation>
    </message>
    <message>
        <source>%1 images and %2 font sheets loaded</source>
        <translation>Wczytano obrazy: %1, arkusze czcionek: %2</translation>
    </message>
    <message>
        <source>Another program changed these files since Tessary loaded them:
%1

Replace them with your changes?</source>
        <translation>Inny program zmienił te pliki, odkąd Tessary je wczytał:
%1

Zastąpić je twoimi zmianami?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Zastąp</translation>
    </message>
    <message>
        <source>Nothing to write: no picture has changed</source>
        <translation>Nie ma nic do zapisania: żaden obraz się nie zmienił</translation>
    </message>
    <message>
        <source>1 file written to the game folder</source>
        <translation>Zapisano 1 plik w folderze gry</translation>
    </message>
    <message>
        <source>%1 files written to the game folder</source>
        <translation>Pliki zapisane w folderze gry: %1</translation>
    </message>
    <message>
        <source>Another program changed these files since Tessary loaded them; they were left as they are:
%1</source>
        <translation>Inny program zmienił te pliki, odkąd Tessary je wczytał; pozostawiono je bez zmian:
%1</translation>
    </message>
    <message>
        <source>%1: the settings can&apos;t be written</source>
        <translation>%1: nie można zapisać ustawień</translation>
    </message>
    <message>
        <source>1 image saved</source>
        <translation>Zapisano 1 obraz</translation>
    </message>
    <message>
        <source>%1 images saved</source>
        <translation>Zapisane obrazy: %1</translation>
    </message>
    <message>
        <source>import of %1</source>
        <translation>import %1</translation>
    </message>
</context>
<context>
    <name>TFormInstallPreview</name>
    <message>
        <source>1 picture changes</source>
        <translation>Zmienia się 1 obraz</translation>
    </message>
    <message>
        <source>%1 pictures change</source>
        <translation>Zmieniają się obrazy: %1</translation>
    </message>
    <message>
        <source>; 1 is the same already</source>
        <translation>; 1 jest już taki sam</translation>
    </message>
    <message>
        <source>; %1 are the same already</source>
        <translation>; już takie same: %1</translation>
    </message>
    <message>
        <source>. Installing makes these changes in Tessary; &quot;Apply All Changes&quot; writes them into the game folder.</source>
        <translation>. Instalacja wprowadza te zmiany w Tessary; „Zastosuj wszystko” zapisze je w folderze gry.</translation>
    </message>
    <message>
        <source>Install the mod &quot;%1&quot;?</source>
        <translation>Zainstalować moda „%1”?</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Zainstaluj</translation>
    </message>
</context>
<context>
    <name>TFormInstalledMods</name>
    <message>
        <source>No mod is installed in this game folder.</source>
        <translation>W tym folderze gry nie zainstalowano żadnego moda.</translation>
    </message>
    <message>
        <source>Installed mods, the last installed at the bottom:</source>
        <translation>Zainstalowane mody, ostatnio zainstalowany na dole:</translation>
    </message>
    <message>
        <source>Mod</source>
        <translation>Mod</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Obrazy</translation>
    </message>
    <message>
        <source>Covered</source>
        <translation>Zakryte</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Zainstalowano</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Odinstaluj</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Installed %1 from %2.</source>
        <translation>Zainstalowano %1 z %2.</translation>
    </message>
    <message>
        <source>None of its pictures is covered by a later mod or an edit.</source>
        <translation>Żaden z jego obrazów nie jest zakryty przez późniejszy mod ani edycję.</translation>
    </message>
    <message>
        <source>Covered since: %1. Uninstalling leaves these as they are.</source>
        <translation>Zakryte od tamtej pory: %1. Odinstalowanie pozostawi je bez zmian.</translation>
    </message>
</context>
<context>
    <name>TFormModPackage</name>
    <message>
        <source>Every picture that differs from the game&apos;s original goes into the package, with your changes not yet applied.</source>
        <translation>Każdy obraz różny od oryginału gry trafia do pakietu, łącznie z twoimi jeszcze niezastosowanymi zmianami.</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nazwa:</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>Autor:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Opis:</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>Zapisz…</translation>
    </message>
</context>
<context>
    <name>TFormPreview</name>
    <message>
        <source>Tessary&apos;s picture</source>
        <translation>Obraz w Tessary</translation>
    </message>
    <message>
        <source>Game folder&apos;s file</source>
        <translation>Plik z folderu gry</translation>
    </message>
    <message>
        <source>Game&apos;s original</source>
        <translation>Oryginał gry</translation>
    </message>
    <message>
        <source>Game folder</source>
        <translation>Folder gry</translation>
    </message>
    <message>
        <source>Show the game folder&apos;s file (hold Space)</source>
        <translation>Pokaż plik z folderu gry (przytrzymaj Spację)</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Oryginał</translation>
    </message>
    <message>
        <source>Show the game&apos;s original (hold Shift + Space)</source>
        <translation>Pokaż oryginał gry (przytrzymaj Shift + Spację)</translation>
    </message>
    <message>
        <source>x %1, y %2</source>
        <translation>x %1, y %2</translation>
    </message>
    <message>
        <source>R %1 G %2 B %3 A %4</source>
        <translation>R %1 G %2 B %3 A %4</translation>
    </message>
    <message>
        <source>no pixel data</source>
        <translation>brak danych pikseli</translation>
    </message>
</context>
</TS>
