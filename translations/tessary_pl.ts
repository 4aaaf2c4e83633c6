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
        <source>there is no menu image number %1</source>
        <translation>nie ma obrazu menu o numerze %1</translation>
    </message>
    <message>
        <source>there is no font number %1</source>
        <translation>nie ma czcionki o numerze %1</translation>
    </message>
    <message>
        <source>save the picture with 24 or 32 bits per pixel</source>
        <translation>zapisz obraz w 24 lub 32 bitach na piksel</translation>
    </message>
    <message>
        <source>Sorry but Tessary can&apos;t read RLE encoded .tga files.</source>
        <translation>Niestety Tessary nie potrafi czytać plików .tga kompresowanych RLE.</translation>
    </message>
    <message>
        <source>reading beyond the end of the file (%1)</source>
        <translation>odczyt poza końcem pliku (%1)</translation>
    </message>
    <message>
        <source>is a link, which Tessary does not follow</source>
        <translation>jest dowiązaniem, którego Tessary nie śledzi</translation>
    </message>
    <message>
        <source>is not a plain file</source>
        <translation>nie jest zwykłym plikiem</translation>
    </message>
    <message>
        <source>%1 is not a plain file</source>
        <translation>%1 nie jest zwykłym plikiem</translation>
    </message>
    <message>
        <source>holds %1 bytes, more than such a file ever holds</source>
        <translation>zawiera %1 bajtów, więcej, niż kiedykolwiek zawiera taki plik</translation>
    </message>
    <message>
        <source>error code %1</source>
        <translation>kod błędu %1</translation>
    </message>
    <message>
        <source>the image count %1 is negative</source>
        <translation>liczba obrazów %1 jest ujemna</translation>
    </message>
    <message>
        <source>the index lists %1 image slots but holds only %2 bytes</source>
        <translation>indeks wymienia %1 miejsc na obrazy, ale zawiera tylko %2 bajtów</translation>
    </message>
    <message>
        <source>entry %1 runs past the end of the file</source>
        <translation>wpis %1 wykracza poza koniec pliku</translation>
    </message>
    <message>
        <source>the font table count %1 is negative</source>
        <translation>liczba wpisów %1 w tabeli czcionki jest ujemna</translation>
    </message>
    <message>
        <source>a table of %1 entries and a sheet need %2 bytes, the file has %3</source>
        <translation>tabela z %1 wpisami i arkusz wymagają %2 bajtów, a plik ma %3</translation>
    </message>
    <message>
        <source>the image file holds %1 bytes, more than an image can hold</source>
        <translation>plik obrazu zawiera %1 bajtów, więcej, niż obraz może pomieścić</translation>
    </message>
    <message>
        <source>holds no menu image number %1</source>
        <translation>nie zawiera obrazu menu o numerze %1</translation>
    </message>
    <message>
        <source>the game&apos;s original index has no entry for image %1</source>
        <translation>oryginalny indeks gry nie ma wpisu dla obrazu %1</translation>
    </message>
    <message>
        <source>the kept original holds %1 bytes, but the game&apos;s index gives image %2 %3 × %4 pixels (%5 bytes)</source>
        <translation>zachowany oryginał zawiera %1 bajtów, ale indeks gry podaje dla obrazu %2 wymiary %3 × %4 pikseli (%5 bajtów)</translation>
    </message>
    <message>
        <source>Tessary does not restore it</source>
        <translation>Tessary go nie przywraca</translation>
    </message>
    <message>
        <source>is not a file of the record of installed mods</source>
        <translation>nie jest plikiem spisu zainstalowanych modów</translation>
    </message>
    <message>
        <source>Tessary replaces only plain game files</source>
        <translation>Tessary zastępuje tylko zwykłe pliki gry</translation>
    </message>
    <message>
        <source>Tessary keeps the game&apos;s original files there</source>
        <translation>tam Tessary przechowuje oryginalne pliki gry</translation>
    </message>
    <message>
        <source>Tessary keeps the game&apos;s original of %1 there</source>
        <translation>tam Tessary przechowuje oryginał %1</translation>
    </message>
    <message>
        <source>lies on another drive than the game files, so Tessary can&apos;t keep the game&apos;s original files there</source>
        <translation>leży na innym dysku niż pliki gry, więc Tessary nie może tam przechowywać oryginalnych plików gry</translation>
    </message>
    <message>
        <source>putting the earlier files back failed too (%1)</source>
        <translation>przywrócenie wcześniejszych plików także się nie powiodło (%1)</translation>
    </message>
    <message>
        <source>Tessary finishes the write-back the next time it opens this game folder</source>
        <translation>Tessary dokończy zapis przy następnym otwarciu tego folderu gry</translation>
    </message>
    <message>
        <source>The game&apos;s original of %1 could not be kept in tessary-originals (%2)</source>
        <translation>Nie udało się przechować oryginału %1 w tessary-originals (%2)</translation>
    </message>
    <message>
        <source>it stays beside it as %1, and Tessary tries again the next time it opens this game folder.</source>
        <translation>zostaje obok jako %1, a Tessary spróbuje ponownie przy następnym otwarciu tego folderu gry.</translation>
    </message>
    <message>
        <source>the record of an interrupted write-back is damaged (%1)</source>
        <translation>dziennik przerwanego zapisu jest uszkodzony (%1)</translation>
    </message>
    <message>
        <source>Tessary leaves the folder as it is. Move this file away to use the folder again</source>
        <translation>Tessary zostawia folder bez zmian. Przenieś ten plik gdzie indziej, aby znów używać folderu</translation>
    </message>
    <message>
        <source>it holds %1 bytes, far more than any record Tessary writes</source>
        <translation>zawiera %1 bajtów, znacznie więcej niż jakikolwiek dziennik zapisywany przez Tessary</translation>
    </message>
    <message>
        <source>it does not begin as Tessary writes it</source>
        <translation>początek nie odpowiada temu, co zapisuje Tessary</translation>
    </message>
    <message>
        <source>its end does not match its entries</source>
        <translation>koniec nie zgadza się z wpisami</translation>
    </message>
    <message>
        <source>line %1 is not an entry</source>
        <translation>wiersz %1 nie jest wpisem</translation>
    </message>
    <message>
        <source>it names %1, which is not a game file</source>
        <translation>wymienia %1, który nie jest plikiem gry</translation>
    </message>
    <message>
        <source>it names %1 twice</source>
        <translation>wymienia %1 dwukrotnie</translation>
    </message>
    <message>
        <source>it names files that Tessary does not write beside %1</source>
        <translation>wymienia pliki, których Tessary nie zapisuje obok %1</translation>
    </message>
    <message>
        <source>it ends before its last line</source>
        <translation>kończy się przed ostatnim wierszem</translation>
    </message>
    <message>
        <source>it does not match the files on disk: %1</source>
        <translation>nie zgadza się z plikami na dysku: %1</translation>
    </message>
    <message>
        <source>%1 exists, though the record says it did not before the write-back</source>
        <translation>%1 istnieje, choć dziennik mówi, że przed zapisem go nie było</translation>
    </message>
    <message>
        <source>%1 and its new file are both missing</source>
        <translation>brakuje zarówno %1, jak i jego nowego pliku</translation>
    </message>
    <message>
        <source>%1, its original and its new file are all there at once</source>
        <translation>%1, jego oryginał i nowy plik są wszystkie naraz</translation>
    </message>
    <message>
        <source>%1 and the original the record moved aside are both missing</source>
        <translation>brakuje zarówno %1, jak i oryginału odłożonego według dziennika</translation>
    </message>
    <message>
        <source>a write-back to this game folder was cut short, and Tessary can&apos;t finish or undo it</source>
        <translation>zapis do tego folderu gry został przerwany, a Tessary nie może go ani dokończyć, ani cofnąć</translation>
    </message>
    <message>
        <source>A write-back to %1 was cut short</source>
        <translation>Zapis do %1 został przerwany</translation>
    </message>
    <message>
        <source>Tessary has put the earlier files back, so the folder is as it was before it.</source>
        <translation>Tessary przywrócił wcześniejsze pliki, więc folder jest taki jak przedtem.</translation>
    </message>
    <message>
        <source>Tessary removed %1 that an earlier write-back to %2 left behind</source>
        <translation>Z pozostałości wcześniejszego zapisu do %2 Tessary usunął: %1</translation>
    </message>
    <message>
        <source>Tessary kept %1 in tessary-originals that an earlier write-back to %2 left behind</source>
        <translation>Z pozostałości wcześniejszego zapisu do %2 Tessary zachował w tessary-originals: %1</translation>
    </message>
    <message>
        <source>Tessary removed %1 and kept %2 in tessary-originals that an earlier write-back to %3 left behind</source>
        <translation>Z pozostałości wcześniejszego zapisu do %3 Tessary usunął: %1, a zachował w tessary-originals: %2</translation>
    </message>
    <message>
        <source>the game files were not touched.</source>
        <translation>pliki gry pozostały nietknięte.</translation>
    </message>
    <message>
        <source>colour map type %1 is not one the .tga format defines</source>
        <translation>typ mapy kolorów %1 nie istnieje w formacie .tga</translation>
    </message>
    <message>
        <source>this is not a .tga file Tessary can read</source>
        <translation>to nie jest plik .tga, który Tessary potrafi odczytać</translation>
    </message>
    <message>
        <source>the file holds no picture (image type 0)</source>
        <translation>plik nie zawiera obrazu (typ obrazu 0)</translation>
    </message>
    <message>
        <source>the file is colour-mapped (image type 1) but holds no colour map</source>
        <translation>plik używa mapy kolorów (typ obrazu 1), ale jej nie zawiera</translation>
    </message>
    <message>
        <source>only 8-bit indices can</source>
        <translation>tylko z indeksami 8-bitowymi</translation>
    </message>
    <message>
        <source>colour maps with %1-bit entries can&apos;t be read</source>
        <translation>map kolorów z wpisami %1-bitowymi nie można odczytać</translation>
    </message>
    <message>
        <source>save the picture with a 24- or 32-bit colour map, or as 24- or 32-bit true-colour</source>
        <translation>zapisz obraz z 24- lub 32-bitową mapą kolorów albo jako 24- lub 32-bitowy true color</translation>
    </message>
    <message>
        <source>only 8-bit grey-scale can</source>
        <translation>tylko w 8-bitowej skali szarości</translation>
    </message>
    <message>
        <source>image type %1 is not an uncompressed true-colour, colour-mapped or grey-scale .tga file</source>
        <translation>typ obrazu %1 nie oznacza nieskompresowanego pliku .tga true color, z mapą kolorów ani w skali szarości</translation>
    </message>
    <message>
        <source>the header announces a %1 picture of %2 bits per pixel, which needs %3 bytes, but the file has only %4</source>
        <translation>nagłówek zapowiada obraz %1 z %2 bitami na piksel, który wymaga %3 bajtów, a plik ma tylko %4</translation>
    </message>
    <message>
        <source>pixel (%1, %2) uses colour %3, which the file&apos;s colour map does not hold</source>
        <translation>piksel (%1, %2) używa koloru %3, którego nie ma w mapie kolorów pliku</translation>
    </message>
    <message>
        <source>is not a .png file: it does not start with the PNG signature</source>
        <translation>nie jest plikiem .png: nie zaczyna się od sygnatury PNG</translation>
    </message>
    <message>
        <source>the PNG&apos;s palette or transparency is damaged (%1), so its pixels are not defined</source>
        <translation>paleta lub przezroczystość PNG jest uszkodzona (%1), więc jego piksele są nieokreślone</translation>
    </message>
    <message>
        <source>the PNG data is damaged or cut short (%1)</source>
        <translation>dane PNG są uszkodzone lub ucięte (%1)</translation>
    </message>
    <message>
        <source>the file is too short for a %1 picture</source>
        <translation>plik jest za krótki na obraz %1</translation>
    </message>
    <message>
        <source>the file ends before the picture does</source>
        <translation>plik kończy się przed końcem obrazu</translation>
    </message>
    <message>
        <source>pixel (%1, %2) has colour number %3, but the palette holds only %4 colours</source>
        <translation>piksel (%1, %2) ma kolor numer %3, a paleta zawiera tylko %4 kolorów</translation>
    </message>
    <message>
        <source>the PNG picture can&apos;t be made (%1)</source>
        <translation>nie można utworzyć obrazu PNG (%1)</translation>
    </message>
    <message>
        <source>a %1 picture needs %2 bytes, more than the 2147483647 a menu image can hold</source>
        <translation>obraz %1 wymaga %2 bajtów, więcej niż 2147483647, które mieści obraz menu</translation>
    </message>
    <message>
        <source>the picture is %1 pixels</source>
        <translation>obraz ma %1 pikseli</translation>
    </message>
    <message>
        <source>a font sheet must be 256 x 256</source>
        <translation>arkusz czcionki musi mieć 256 x 256</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>za mało pamięci</translation>
    </message>
    <message>
        <source>not enough memory to read a .png file</source>
        <translation>za mało pamięci, by odczytać plik .png</translation>
    </message>
    <message>
        <source>not enough memory to read a %1 picture</source>
        <translation>za mało pamięci, by odczytać obraz %1</translation>
    </message>
    <message>
        <source>not enough memory for a %1 picture</source>
        <translation>za mało pamięci na obraz %1</translation>
    </message>
    <message>
        <source>image %1 (%2 x %3 pixels) holds no picture a .png file can hold</source>
        <translation>obraz %1 (%2 x %3 pikseli) nie zawiera obrazu, który zmieści plik .png</translation>
    </message>
    <message>
        <source>image %1 (%2 x %3 pixels) holds %4 bytes instead of %5</source>
        <translation>obraz %1 (%2 x %3 pikseli) zawiera %4 bajtów zamiast %5</translation>
    </message>
    <message>
        <source>save it as .tga</source>
        <translation>zapisz go jako .tga</translation>
    </message>
    <message>
        <source>a .png file holds only whole pictures, so save it as .tga</source>
        <translation>plik .png mieści tylko całe obrazy, więc zapisz go jako .tga</translation>
    </message>
    <message>
        <source>there is no font sheet number %1</source>
        <translation>nie ma arkusza czcionki o numerze %1</translation>
    </message>
    <message>
        <source>font sheet %1 holds %2 bytes instead of 65536</source>
        <translation>arkusz czcionki %1 zawiera %2 bajtów zamiast 65536</translation>
    </message>
    <message>
        <source>holds no picture a .png file can hold</source>
        <translation>nie zawiera obrazu, który zmieści plik .png</translation>
    </message>
    <message>
        <source>holds %1 bytes instead of 65536</source>
        <translation>zawiera %1 bajtów zamiast 65536</translation>
    </message>
    <message>
        <source>image %1 is %2 pixels wide</source>
        <translation>obraz %1 ma %2 pikseli szerokości</translation>
    </message>
    <message>
        <source>image %1 is %2 pixels high</source>
        <translation>obraz %1 ma %2 pikseli wysokości</translation>
    </message>
    <message>
        <source>a .tga file can only hold 0 to 65535</source>
        <translation>plik .tga mieści tylko od 0 do 65535</translation>
    </message>
    <message>
        <source>image %1 has a negative byte count (%2)</source>
        <translation>obraz %1 ma ujemną liczbę bajtów (%2)</translation>
    </message>
    <message>
        <source>there is no menu image number %1 to replace</source>
        <translation>nie ma obrazu menu o numerze %1 do zastąpienia</translation>
    </message>
    <message>
        <source>there is no font sheet number %1 to replace</source>
        <translation>nie ma arkusza czcionki o numerze %1 do zastąpienia</translation>
    </message>
    <message>
        <source>these files all name the same image: %1</source>
        <translation>wszystkie te pliki wskazują ten sam obraz: %1</translation>
    </message>
    <message>
        <source>these files all name the same font sheet: %1</source>
        <translation>wszystkie te pliki wskazują ten sam arkusz czcionki: %1</translation>
    </message>
    <message>
        <source>rename or remove all but one</source>
        <translation>zmień nazwy lub usuń wszystkie oprócz jednego</translation>
    </message>
    <message>
        <source>No picture was imported.</source>
        <translation>Nie zaimportowano żadnego obrazu.</translation>
    </message>
    <message>
        <source>No picture was imported from %1.</source>
        <translation>Nie zaimportowano żadnego obrazu z %1.</translation>
    </message>
    <message>
        <source>the archive is damaged (%1)</source>
        <translation>archiwum jest uszkodzone (%1)</translation>
    </message>
    <message>
        <source>the archive is damaged at &quot;%1&quot; (%2)</source>
        <translation>archiwum jest uszkodzone w „%1” (%2)</translation>
    </message>
    <message>
        <source>this build of Tessary can&apos;t expand archives compressed as this one is</source>
        <translation>ta wersja Tessary nie potrafi rozpakować archiwów skompresowanych w ten sposób</translation>
    </message>
    <message>
        <source>the archive holds %1 bytes, more than Tessary reads (%2)</source>
        <translation>archiwum zawiera %1 bajtów, więcej, niż Tessary odczytuje (%2)</translation>
    </message>
    <message>
        <source>is not an archive Tessary can read (%1)</source>
        <translation>nie jest archiwum, które Tessary potrafi odczytać (%1)</translation>
    </message>
    <message>
        <source>the archive holds more than %1 entries</source>
        <translation>archiwum zawiera więcej niż %1 pozycji</translation>
    </message>
    <message>
        <source>the folder holds more than %1 files and folders</source>
        <translation>folder zawiera więcej niż %1 plików i folderów</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is encrypted, which Tessary can&apos;t read</source>
        <translation>„%1” jest zaszyfrowany, a tego Tessary nie odczyta</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link, which Tessary does not follow</source>
        <translation>„%1” jest dowiązaniem, którego Tessary nie śledzi</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a device or another special file, not a file</source>
        <translation>„%1” to urządzenie lub inny plik specjalny, a nie zwykły plik</translation>
    </message>
    <message>
        <source>&quot;%1&quot; expands more than %2 times over what it takes in the archive, as a zip bomb does</source>
        <translation>„%1” po rozpakowaniu rośnie ponad %2 razy względem rozmiaru w archiwum, jak bomba zip</translation>
    </message>
    <message>
        <source>&quot;%1&quot; would make the archive expand past %2 MB, more than any menu mod holds (a zip bomb?)</source>
        <translation>„%1” sprawiłby, że archiwum po rozpakowaniu przekroczy %2 MB, więcej niż zawiera jakikolwiek mod menu (bomba zip?)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; would take the mod past %2 MB, more than any menu mod holds</source>
        <translation>„%1” sprawiłby, że mod przekroczy %2 MB, więcej niż zawiera jakikolwiek mod menu</translation>
    </message>
    <message>
        <source>&quot;%1&quot; lies more than %2 folders deep</source>
        <translation>„%1” leży głębiej niż %2 poziomów folderów</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no name</source>
        <translation>„%1” nie ma nazwy</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a name that is not valid text (UTF-8)</source>
        <translation>„%1” ma nazwę, która nie jest poprawnym tekstem (UTF-8)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a control character in its name</source>
        <translation>„%1” ma w nazwie znak sterujący</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is named by an absolute path</source>
        <translation>„%1” jest nazwany ścieżką bezwzględną</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is named with a drive letter</source>
        <translation>„%1” ma w nazwie literę dysku</translation>
    </message>
    <message>
        <source>&quot;%1&quot; climbs out of the archive&apos;s folder (&quot;..&quot;)</source>
        <translation>„%1” wychodzi poza folder archiwum (&quot;..&quot;)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has &apos;:&apos; in its name, which Windows reads as a drive or a stream</source>
        <translation>„%1” ma w nazwie &apos;:&apos;, co Windows odczytuje jako dysk lub strumień</translation>
    </message>
    <message>
        <source>&quot;%1&quot; lies in a folder that has the name of a file: &quot;%2&quot;</source>
        <translation>„%1” leży w folderze, który ma nazwę pliku: „%2”</translation>
    </message>
    <message>
        <source>&quot;%1&quot; appears twice (letter case aside)</source>
        <translation>„%1” występuje dwa razy (pomijając wielkość liter)</translation>
    </message>
    <message>
        <source>holds no menu image or font sheet of this game that Tessary could take</source>
        <translation>nie zawiera żadnego obrazu menu ani arkusza czcionki tej gry, który Tessary mógłby przejąć</translation>
    </message>
    <message>
        <source>holds no menu image or font sheet of this game that Tessary could take (%1)</source>
        <translation>nie zawiera żadnego obrazu menu ani arkusza czcionki tej gry, który Tessary mógłby przejąć (%1)</translation>
    </message>
    <message>
        <source>holds game files in two folders, &quot;%1&quot; and &quot;%2&quot;</source>
        <translation>zawiera pliki gry w dwóch folderach, „%1” i „%2”</translation>
    </message>
    <message>
        <source>&quot;%1&quot; and &quot;%2&quot; both name %3</source>
        <translation>„%1” i „%2” wskazują oba %3</translation>
    </message>
    <message>
        <source>Tessary can&apos;t tell which of them the mod means</source>
        <translation>Tessary nie wie, o który z nich chodzi w modzie</translation>
    </message>
    <message>
        <source>%1 is image %2, but this game has images 1 to %3 only</source>
        <translation>%1 to obraz %2, ale ta gra ma tylko obrazy od 1 do %3</translation>
    </message>
    <message>
        <source>the mod&apos;s Gp2001.gph lists %1 images, this game&apos;s index %2, and it has no entry for %3</source>
        <translation>Gp2001.gph moda wymienia obrazy w liczbie %1, indeks tej gry %2, i nie ma wpisu dla %3</translation>
    </message>
    <message>
        <source>%1 holds %2 bytes, but its entry in the mod&apos;s Gp2001.gph says %3 (%4 bytes)</source>
        <translation>%1 zawiera %2 bajtów, ale jego wpis w Gp2001.gph moda podaje %3 (%4 bajtów)</translation>
    </message>
    <message>
        <source>%1 holds %2 bytes, but its entry in the game&apos;s index (the mod ships none) says %3 (%4 bytes)</source>
        <translation>%1 zawiera %2 bajtów, ale jego wpis w indeksie gry (mod nie ma własnego) podaje %3 (%4 bajtów)</translation>
    </message>
    <message>
        <source>%1 x %2 pixels</source>
        <translation>%1 x %2 pikseli</translation>
    </message>
    <message>
        <source>holds %1 bytes, not one index entry</source>
        <translation>zawiera %1 bajtów, a nie jeden wpis indeksu</translation>
    </message>
    <message>
        <source>The mod&apos;s Gp2001.gph also changes the entries of images it does not ship</source>
        <translation>Gp2001.gph moda zmienia też wpisy obrazów, których mod nie zawiera</translation>
    </message>
    <message>
        <source>Tessary leaves them as they are</source>
        <translation>Tessary zostawia je bez zmian</translation>
    </message>
    <message>
        <source>Font files with another header or table than the game&apos;s: only their pictures are taken: %1</source>
        <translation>Pliki czcionek z innym nagłówkiem lub tabelą niż w grze (brane są tylko ich obrazy): %1</translation>
    </message>
    <message>
        <source>Files that are no game file were left out: %1</source>
        <translation>Pominięto pliki, które nie są plikami gry: %1</translation>
    </message>
    <message>
        <source>Files that name no menu image or font sheet of this game were left out: %1</source>
        <translation>Pominięto pliki, które nie wskazują żadnego obrazu menu ani arkusza czcionki tej gry: %1</translation>
    </message>
    <message>
        <source>The package was made over other pictures than this game&apos;s originals: %1</source>
        <translation>Pakiet powstał na innych obrazach niż oryginały tej gry: %1</translation>
    </message>
    <message>
        <source>Files its manifest does not list were left out: %1</source>
        <translation>Pominięto pliki, których nie wymienia jego manifest: %1</translation>
    </message>
    <message>
        <source>tessary-mod.json is damaged: %1</source>
        <translation>tessary-mod.json jest uszkodzony: %1</translation>
    </message>
    <message>
        <source>the mod package was made by a newer Tessary (package version %1)</source>
        <translation>pakiet moda utworzono nowszym Tessary (wersja pakietu %1)</translation>
    </message>
    <message>
        <source>this one reads version %1</source>
        <translation>ten czyta wersję %1</translation>
    </message>
    <message>
        <source>it is not a JSON object</source>
        <translation>nie jest obiektem JSON</translation>
    </message>
    <message>
        <source>&quot;format&quot; is not &quot;Tessary mod package&quot;</source>
        <translation>&quot;format&quot; nie ma wartości &quot;Tessary mod package&quot;</translation>
    </message>
    <message>
        <source>&quot;name&quot; is empty</source>
        <translation>&quot;name&quot; jest puste</translation>
    </message>
    <message>
        <source>&quot;created&quot; is not a time such as 2026-05-04T12:34:56Z</source>
        <translation>&quot;created&quot; nie jest datą i godziną w rodzaju 2026-05-04T12:34:56Z</translation>
    </message>
    <message>
        <source>&quot;pictures&quot; is not a list of at most %1 pictures</source>
        <translation>&quot;pictures&quot; nie jest listą najwyżej %1 obrazów</translation>
    </message>
    <message>
        <source>%1 is listed twice</source>
        <translation>%1 występuje dwa razy</translation>
    </message>
    <message>
        <source>the manifest has no &quot;%1&quot;</source>
        <translation>w manifeście brak &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the manifest has an unknown key &quot;%1&quot;</source>
        <translation>manifest ma nieznany klucz &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of the manifest is not text</source>
        <translation>&quot;%1&quot; w manifeście nie jest tekstem</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of the manifest is longer than %2 bytes</source>
        <translation>&quot;%1&quot; w manifeście jest dłuższe niż %2 bajtów</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of the manifest holds a control character</source>
        <translation>&quot;%1&quot; w manifeście zawiera znak sterujący</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of the manifest is not a whole number from %2 to %3</source>
        <translation>&quot;%1&quot; w manifeście nie jest liczbą całkowitą od %2 do %3</translation>
    </message>
    <message>
        <source>picture %1 is not an object</source>
        <translation>obraz %1 nie jest obiektem</translation>
    </message>
    <message>
        <source>picture %1 has no &quot;%2&quot;</source>
        <translation>w obrazie %1 brak &quot;%2&quot;</translation>
    </message>
    <message>
        <source>picture %1 has an unknown key &quot;%2&quot;</source>
        <translation>obraz %1 ma nieznany klucz &quot;%2&quot;</translation>
    </message>
    <message>
        <source>picture %1 must name either an &quot;image&quot; or a &quot;font&quot;</source>
        <translation>obraz %1 musi wskazywać albo &quot;image&quot;, albo &quot;font&quot;</translation>
    </message>
    <message>
        <source>picture %1 names no font of the game: &quot;%2&quot;</source>
        <translation>obraz %1 nie wskazuje żadnej czcionki gry: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>picture %1 must be in the file &quot;%2&quot;</source>
        <translation>obraz %1 musi być w pliku &quot;%2&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of picture %2 is not text</source>
        <translation>&quot;%1&quot; obrazu %2 nie jest tekstem</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of picture %2 is longer than %3 bytes</source>
        <translation>&quot;%1&quot; obrazu %2 jest dłuższe niż %3 bajtów</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of picture %2 holds a control character</source>
        <translation>&quot;%1&quot; obrazu %2 zawiera znak sterujący</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of picture %2 is not a whole number from %3 to %4</source>
        <translation>&quot;%1&quot; obrazu %2 nie jest liczbą całkowitą od %3 do %4</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of picture %2 is not a SHA-256 digest (64 lower-case hex digits)</source>
        <translation>&quot;%1&quot; obrazu %2 nie jest skrótem SHA-256 (64 cyfry szesnastkowe małymi literami)</translation>
    </message>
    <message>
        <source>%1 is not a PNG file, as its manifest says</source>
        <translation>%1 nie jest plikiem PNG, wbrew temu, co podaje manifest</translation>
    </message>
    <message>
        <source>%1 is %2 x %3 pixels, but its manifest says %4 x %5</source>
        <translation>%1 ma %2 x %3 pikseli, ale manifest podaje %4 x %5</translation>
    </message>
    <message>
        <source>%1 does not hold the picture its manifest names (its SHA-256 differs)</source>
        <translation>%1 nie zawiera obrazu wskazanego w manifeście (jego SHA-256 się różni)</translation>
    </message>
    <message>
        <source>the package is damaged</source>
        <translation>pakiet jest uszkodzony</translation>
    </message>
    <message>
        <source>the package replaces image %1, but this game has images 1 to %2 only</source>
        <translation>pakiet zastępuje obraz %1, ale ta gra ma tylko obrazy od 1 do %2</translation>
    </message>
    <message>
        <source>the package lacks %1, which its manifest lists</source>
        <translation>w pakiecie brakuje %1, który wymienia jego manifest</translation>
    </message>
    <message>
        <source>a mod package needs a name</source>
        <translation>pakiet moda musi mieć nazwę</translation>
    </message>
    <message>
        <source>a mod package&apos;s name and author are at most 200 bytes long</source>
        <translation>nazwa i autor pakietu moda mają najwyżej 200 bajtów</translation>
    </message>
    <message>
        <source>a mod package&apos;s description is at most 4000 bytes long</source>
        <translation>opis pakietu moda ma najwyżej 4000 bajtów</translation>
    </message>
    <message>
        <source>a mod package&apos;s name, author and description can&apos;t hold control characters</source>
        <translation>nazwa, autor i opis pakietu moda nie mogą zawierać znaków sterujących</translation>
    </message>
    <message>
        <source>image %1 (%2 x %3 pixels) holds %4 bytes, not a whole picture, which a mod package can&apos;t hold</source>
        <translation>obraz %1 (%2 x %3 pikseli) zawiera %4 bajtów, a nie cały obraz, czego pakiet moda nie zmieści</translation>
    </message>
    <message>
        <source>no package was written</source>
        <translation>nie zapisano żadnego pakietu</translation>
    </message>
    <message>
        <source>every picture is the game&apos;s original, so there is nothing to put in a mod package</source>
        <translation>każdy obraz jest oryginałem gry, więc nie ma czego umieścić w pakiecie moda</translation>
    </message>
    <message>
        <source>the .zip archive can&apos;t be written: %1</source>
        <translation>nie można zapisać archiwum .zip: %1</translation>
    </message>
    <message>
        <source>libarchive failed</source>
        <translation>libarchive zawiodła</translation>
    </message>
    <message>
        <source>the text is not valid UTF-8</source>
        <translation>tekst nie jest poprawnym UTF-8</translation>
    </message>
    <message>
        <source>at byte %1: %2</source>
        <translation>w bajcie %1: %2</translation>
    </message>
    <message>
        <source>there is more after the value</source>
        <translation>po wartości jest coś jeszcze</translation>
    </message>
    <message>
        <source>expected a value</source>
        <translation>oczekiwano wartości</translation>
    </message>
    <message>
        <source>expected a key in quotes</source>
        <translation>oczekiwano klucza w cudzysłowie</translation>
    </message>
    <message>
        <source>expected &apos;:&apos; after a key</source>
        <translation>oczekiwano &apos;:&apos; po kluczu</translation>
    </message>
    <message>
        <source>expected &apos;,&apos; or &apos;}&apos;</source>
        <translation>oczekiwano &apos;,&apos; lub &apos;}&apos;</translation>
    </message>
    <message>
        <source>expected &apos;,&apos; or &apos;]&apos;</source>
        <translation>oczekiwano &apos;,&apos; lub &apos;]&apos;</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; appears twice</source>
        <translation>klucz &quot;%1&quot; występuje dwa razy</translation>
    </message>
    <message>
        <source>the values are nested too deeply</source>
        <translation>wartości są zagnieżdżone zbyt głęboko</translation>
    </message>
    <message>
        <source>\u needs four hex digits</source>
        <translation>\u wymaga czterech cyfr szesnastkowych</translation>
    </message>
    <message>
        <source>a \u escape holds half a character</source>
        <translation>sekwencja \u zawiera pół znaku</translation>
    </message>
    <message>
        <source>unknown escape</source>
        <translation>nieznana sekwencja ucieczki</translation>
    </message>
    <message>
        <source>the text ends inside quotes</source>
        <translation>tekst kończy się wewnątrz cudzysłowu</translation>
    </message>
    <message>
        <source>a control character stands unescaped in quotes</source>
        <translation>w cudzysłowie stoi znak sterujący bez sekwencji ucieczki</translation>
    </message>
    <message>
        <source>a number starts with 0</source>
        <translation>liczba zaczyna się od 0</translation>
    </message>
    <message>
        <source>the number is too large</source>
        <translation>liczba jest za duża</translation>
    </message>
    <message>
        <source>only whole numbers are taken</source>
        <translation>dozwolone są tylko liczby całkowite</translation>
    </message>
    <message>
        <source>is not a folder of Tessary&apos;s own (a link or a file has its name)</source>
        <translation>nie jest własnym folderem Tessary (jego nazwę ma dowiązanie lub plik)</translation>
    </message>
    <message>
        <source>Tessary leaves it as it is</source>
        <translation>Tessary niczego nie zmienia</translation>
    </message>
    <message>
        <source>a mod named &quot;%1&quot; is installed already</source>
        <translation>mod o nazwie „%1” jest już zainstalowany</translation>
    </message>
    <message>
        <source>uninstall it first</source>
        <translation>najpierw go odinstaluj</translation>
    </message>
    <message>
        <source>the record of installed mods is damaged (%1)</source>
        <translation>spis zainstalowanych modów jest uszkodzony (%1)</translation>
    </message>
    <message>
        <source>Tessary leaves it as it is. Move the folder tessary-mods away to install mods again</source>
        <translation>Tessary zostawia go bez zmian. Przenieś folder tessary-mods gdzie indziej, aby znów instalować mody</translation>
    </message>
    <message>
        <source>it is not the file Tessary wrote</source>
        <translation>to nie jest plik zapisany przez Tessary</translation>
    </message>
    <message>
        <source>the record of installed mods was written by another version of Tessary (record version %1)</source>
        <translation>spis zainstalowanych modów zapisała inna wersja Tessary (wersja spisu %1)</translation>
    </message>
    <message>
        <source>it lists too many mods</source>
        <translation>wymienia za dużo modów</translation>
    </message>
    <message>
        <source>a mod has no number of its own</source>
        <translation>mod nie ma własnego numeru</translation>
    </message>
    <message>
        <source>a mod has no list of pictures</source>
        <translation>mod nie ma listy obrazów</translation>
    </message>
    <message>
        <source>two mods have the name &quot;%1&quot;</source>
        <translation>dwa mody mają nazwę „%1”</translation>
    </message>
    <message>
        <source>the mod &quot;%1&quot; lists %2 twice</source>
        <translation>mod „%1” wymienia %2 dwa razy</translation>
    </message>
    <message>
        <source>a picture names neither an image nor a font</source>
        <translation>obraz nie wskazuje ani obrazu menu, ani czcionki</translation>
    </message>
    <message>
        <source>a picture is kept in &quot;%1&quot;, which is not a record file</source>
        <translation>obraz jest przechowywany w „%1”, który nie jest plikiem spisu</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing or not text</source>
        <translation>brak &quot;%1&quot; albo nie jest tekstem</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a SHA-256 digest</source>
        <translation>&quot;%1&quot; nie jest skrótem SHA-256</translation>
    </message>
    <message>
        <source>it lacks %1</source>
        <translation>brakuje %1</translation>
    </message>
    <message>
        <source>%1 is too large</source>
        <translation>%1 jest za duży</translation>
    </message>
    <message>
        <source>%1 is not the picture the record names</source>
        <translation>%1 nie jest obrazem wskazanym w spisie</translation>
    </message>
    <message>
        <source>a mod&apos;s name must be 1 to %1 bytes long</source>
        <translation>nazwa moda musi mieć od 1 do %1 bajtów</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not</source>
        <translation>„%1” nie spełnia tego</translation>
    </message>
    <message>
        <source>the mod is named &quot;%1&quot;, not &quot;%2&quot;</source>
        <translation>mod nazywa się „%1”, a nie „%2”</translation>
    </message>
    <message>
        <source>it can&apos;t update that one</source>
        <translation>nie może zaktualizować tamtego</translation>
    </message>
    <message>
        <source>a profile&apos;s name must be 1 to %1 bytes long</source>
        <translation>nazwa profilu musi mieć od 1 do %1 bajtów</translation>
    </message>
    <message>
        <source>there is no profile named &quot;%1&quot;</source>
        <translation>nie ma profilu o nazwie „%1”</translation>
    </message>
    <message>
        <source>the game&apos;s original of %1 that lay below the mod &quot;%2&quot; is not kept any more (tessary-originals was changed)</source>
        <translation>oryginał gry %1, który leżał pod modem „%2”, nie jest już przechowywany (tessary-originals zostało zmienione)</translation>
    </message>
    <message>
        <source>Tessary can&apos;t give it back, so nothing was changed</source>
        <translation>Tessary nie może go przywrócić, więc nic nie zostało zmienione</translation>
    </message>
    <message>
        <source>the mod &quot;%1&quot; is neither on nor off</source>
        <translation>mod „%1” nie jest ani włączony, ani wyłączony</translation>
    </message>
    <message>
        <source>&quot;profiles&quot; is not a list</source>
        <translation>„profiles” nie jest listą</translation>
    </message>
    <message>
        <source>two profiles have the name &quot;%1&quot;</source>
        <translation>dwa profile mają nazwę „%1”</translation>
    </message>
    <message>
        <source>the profile &quot;%1&quot; has no list of mods</source>
        <translation>profil „%1” nie ma listy modów</translation>
    </message>
    <message>
        <source>the profile &quot;%1&quot; names a mod that is not installed, or one twice</source>
        <translation>profil „%1” wymienia mod, który nie jest zainstalowany, albo jeden dwa razy</translation>
    </message>
    <message numerus="yes">
        <source>the file has only %n bytes, a font header needs 14</source>
        <translation>
            <numerusform>plik ma tylko %n bajt, a nagłówek czcionki wymaga 14</numerusform>
            <numerusform>plik ma tylko %n bajty, a nagłówek czcionki wymaga 14</numerusform>
            <numerusform>plik ma tylko %n bajtów, a nagłówek czcionki wymaga 14</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 … and %n more</source>
        <translation>
            <numerusform>%1 … i jeszcze %n</numerusform>
            <numerusform>%1 … i jeszcze %n</numerusform>
            <numerusform>%1 … i jeszcze %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>another program changed the index to %1 images since Tessary loaded it (%2)</source>
        <translation>inny program zmienił indeks na %1 obrazów, odkąd Tessary go wczytał (%2)</translation>
    </message>
    <message>
        <source>load the game folder again</source>
        <translation>wczytaj folder gry ponownie</translation>
    </message>
    <message numerus="yes">
        <source>%n files matched no image: %1</source>
        <translation>
            <numerusform>%n plik nie pasował do żadnego obrazu: %1</numerusform>
            <numerusform>%n pliki nie pasowały do żadnego obrazu: %1</numerusform>
            <numerusform>%n plików nie pasowało do żadnego obrazu: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files matched no font sheet: %1</source>
        <translation>
            <numerusform>%n plik nie pasował do żadnego arkusza czcionki: %1</numerusform>
            <numerusform>%n pliki nie pasowały do żadnego arkusza czcionki: %1</numerusform>
            <numerusform>%n plików nie pasowało do żadnego arkusza czcionki: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files matched no image or font sheet: %1</source>
        <translation>
            <numerusform>%n plik nie pasował do żadnego obrazu ani arkusza czcionki: %1</numerusform>
            <numerusform>%n pliki nie pasowały do żadnego obrazu ani arkusza czcionki: %1</numerusform>
            <numerusform>%n plików nie pasowało do żadnego obrazu ani arkusza czcionki: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>folder</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>nie jest zwykłym plikiem</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n pictures.</source>
        <translation>
            <numerusform>Zaimportowano %n obraz.</numerusform>
            <numerusform>Zaimportowano %n obrazy.</numerusform>
            <numerusform>Zaimportowano %n obrazów.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n pictures from %1.</source>
        <translation>
            <numerusform>Zaimportowano %n obraz z %1.</numerusform>
            <numerusform>Zaimportowano %n obrazy z %1.</numerusform>
            <numerusform>Zaimportowano %n obrazów z %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1
%2</source>
        <translation>%1
%2</translation>
    </message>
    <message numerus="yes">
        <source>%n files were the same as the picture already there: %1</source>
        <translation>
            <numerusform>%n plik był taki sam jak obraz, który już tam był: %1</numerusform>
            <numerusform>%n pliki były takie same jak obraz, który już tam był: %1</numerusform>
            <numerusform>%n plików było takich samych jak obraz, który już tam był: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were refused:</source>
        <translation>
            <numerusform>Odrzucono %n plik:</numerusform>
            <numerusform>Odrzucono %n pliki:</numerusform>
            <numerusform>Odrzucono %n plików:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… i jeszcze %n</numerusform>
            <numerusform>… i jeszcze %n</numerusform>
            <numerusform>… i jeszcze %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n entries were skipped, as they are no files: %1</source>
        <translation>
            <numerusform>Pominięto %n element, bo nie jest plikiem: %1</numerusform>
            <numerusform>Pominięto %n elementy, bo nie są plikami: %1</numerusform>
            <numerusform>Pominięto %n elementów, bo nie są plikami: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the file has only %n bytes, a .tga header needs 18</source>
        <translation>
            <numerusform>plik ma tylko %n bajt, a nagłówek .tga wymaga 18</numerusform>
            <numerusform>plik ma tylko %n bajty, a nagłówek .tga wymaga 18</numerusform>
            <numerusform>plik ma tylko %n bajtów, a nagłówek .tga wymaga 18</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Tessary has finished it, so all %n files it was replacing now hold the changes.</source>
        <translation>
            <numerusform>Tessary go dokończył, więc %n zastępowany plik zawiera teraz zmiany.</numerusform>
            <numerusform>Tessary go dokończył, więc wszystkie %n zastępowane pliki zawierają teraz zmiany.</numerusform>
            <numerusform>Tessary go dokończył, więc wszystkie %n zastępowanych plików zawiera teraz zmiany.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Tessary has put the earlier files back, but %n files that did not exist before it keep the new content: %1.</source>
        <translation>
            <numerusform>Tessary przywrócił wcześniejsze pliki, ale %n plik, którego wcześniej nie było, zachowuje nową zawartość: %1.</numerusform>
            <numerusform>Tessary przywrócił wcześniejsze pliki, ale %n pliki, których wcześniej nie było, zachowują nową zawartość: %1.</numerusform>
            <numerusform>Tessary przywrócił wcześniejsze pliki, ale %n plików, których wcześniej nie było, zachowuje nową zawartość: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unfinished files</source>
        <translation>
            <numerusform>%n niedokończony plik</numerusform>
            <numerusform>%n niedokończone pliki</numerusform>
            <numerusform>%n niedokończonych plików</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n originals</source>
        <translation>
            <numerusform>%n oryginał</numerusform>
            <numerusform>%n oryginały</numerusform>
            <numerusform>%n oryginałów</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>a checksum (CRC) of the PNG data does not match, so the file is damaged (%1)</source>
        <translation>suma kontrolna (CRC) danych PNG się nie zgadza, więc plik jest uszkodzony (%1)</translation>
    </message>
    <message>
        <source>%1-bit true-colour .tga files can&apos;t be read</source>
        <translation>plików .tga true color %1-bitowych nie można odczytać</translation>
    </message>
    <message>
        <source>colour-mapped .tga files with %1-bit colour indices can&apos;t be read</source>
        <translation>plików .tga z mapą kolorów i %1-bitowymi indeksami nie można odczytać</translation>
    </message>
    <message>
        <source>%1-bit grey-scale .tga files can&apos;t be read</source>
        <translation>plików .tga w skali szarości %1-bitowych nie można odczytać</translation>
    </message>
    <message>
        <source>the mod &quot;%1&quot; lists image %2, but this game has images 1 to %3</source>
        <translation>mod „%1” wymienia obraz %2, ale ta gra ma tylko obrazy od 1 do %3</translation>
    </message>
    <message>
        <source>the record of installed mods has no number left for another mod</source>
        <translation>spis zainstalowanych modów nie ma już wolnego numeru dla kolejnego moda</translation>
    </message>
    <message>
        <source>a picture&apos;s &quot;entry&quot; is not &quot;size&quot;</source>
        <translation>&quot;entry&quot; obrazu nie jest &quot;size&quot;</translation>
    </message>
    <message>
        <source>%1 holds %2 bytes, but its entry says %3 x %4 pixels</source>
        <translation>%1 zawiera %2 bajtów, ale jego wpis podaje %3 x %4 pikseli</translation>
    </message>
    <message>
        <source>the index has no entry for image %1</source>
        <translation>indeks nie ma wpisu dla obrazu %1</translation>
    </message>
    <message>
        <source>picture %1 names the mod it comes from without a name</source>
        <translation>obraz %1 wskazuje mod, z którego pochodzi, bez nazwy</translation>
    </message>
    <message numerus="yes">
        <source>every picture that differs from the game&apos;s original is one an installed mod set (%n), and a package holds only your own changes unless you include the mods&apos; pictures</source>
        <translation>
            <numerusform>każdy obraz, który różni się od oryginału gry, ustawił zainstalowany mod (%n), a pakiet zawiera tylko twoje własne zmiany, chyba że dołączysz obrazy modów</numerusform>
            <numerusform>każdy obraz, który różni się od oryginału gry, ustawił zainstalowany mod (%n), a pakiet zawiera tylko twoje własne zmiany, chyba że dołączysz obrazy modów</numerusform>
            <numerusform>każdy obraz, który różni się od oryginału gry, ustawił zainstalowany mod (%n), a pakiet zawiera tylko twoje własne zmiany, chyba że dołączysz obrazy modów</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is %2 x %3 pixels, larger than the %4 x %5 Tessary takes from a mod</source>
        <translation>%1 ma %2 x %3 pikseli, więcej niż %4 x %5, które Tessary przyjmuje z moda</translation>
    </message>
    <message>
        <source>%1 would bring the mod&apos;s decoded pictures past %2 MB, more than any menu mod holds</source>
        <translation>%1 sprawiłby, że zdekodowane obrazy moda przekroczą %2 MB, więcej niż zawiera jakikolwiek mod menu</translation>
    </message>
    <message>
        <source>a JPEG picture</source>
        <translation>obraz JPEG</translation>
    </message>
    <message>
        <source>a GIF picture</source>
        <translation>obraz GIF</translation>
    </message>
    <message>
        <source>a BMP picture</source>
        <translation>obraz BMP</translation>
    </message>
    <message>
        <source>a WebP picture</source>
        <translation>obraz WebP</translation>
    </message>
    <message>
        <source>is %1, not a PNG or TGA file, whatever its name says</source>
        <translation>to %1, a nie plik PNG ani TGA, cokolwiek mówi jego nazwa</translation>
    </message>
    <message>
        <source>save it as .png or .tga</source>
        <translation>zapisz go jako .png lub .tga</translation>
    </message>
    <message>
        <source>there is not enough memory to expand the archive (%1)</source>
        <translation>brakuje pamięci, aby rozpakować archiwum (%1)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is encrypted, which Tessary can&apos;t read (%2)</source>
        <translation>„%1” jest zaszyfrowany, a tego Tessary nie odczyta (%2)</translation>
    </message>
    <message>
        <source>the archive is encrypted, which Tessary can&apos;t read (%1)</source>
        <translation>archiwum jest zaszyfrowane, a tego Tessary nie odczyta (%1)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; fails its CRC check, so the archive is damaged (%2)</source>
        <translation>„%1” nie przechodzi kontroli CRC, więc archiwum jest uszkodzone (%2)</translation>
    </message>
    <message>
        <source>the archive fails a CRC check, so it is damaged (%1)</source>
        <translation>archiwum nie przechodzi kontroli CRC, więc jest uszkodzone (%1)</translation>
    </message>
    <message>
        <source>the archive is cut off at &quot;%1&quot;, as a download not finished is (%2)</source>
        <translation>archiwum urywa się na „%1”, jak niedokończone pobieranie (%2)</translation>
    </message>
    <message>
        <source>the archive is cut off, as a download not finished is (%1)</source>
        <translation>archiwum jest ucięte, jak niedokończone pobieranie (%1)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is compressed in a way Tessary can&apos;t expand (%2)</source>
        <translation>„%1” jest skompresowany w sposób, którego Tessary nie rozpakuje (%2)</translation>
    </message>
    <message>
        <source>the archive is compressed in a way Tessary can&apos;t expand (%1)</source>
        <translation>archiwum jest skompresowane w sposób, którego Tessary nie rozpakuje (%1)</translation>
    </message>
    <message>
        <source>the archive&apos;s compressed data is cut off or damaged (a download not finished?)</source>
        <translation>skompresowane dane archiwum są ucięte lub uszkodzone (niedokończone pobieranie?)</translation>
    </message>
    <message>
        <source>the archive is cut off: it ends without the end a tar archive has (a download not finished?)</source>
        <translation>archiwum jest ucięte: kończy się bez zakończenia, które ma archiwum tar (niedokończone pobieranie?)</translation>
    </message>
    <message>
        <source>the archive is cut off or damaged: %1 (a download not finished?)</source>
        <translation>archiwum jest ucięte lub uszkodzone: %1 (niedokończone pobieranie?)</translation>
    </message>
    <message>
        <source>the entry &quot;%1&quot; has a name that holds a NUL character, which no file name holds</source>
        <translation>wpis „%1” ma nazwę ze znakiem NUL, którego nie zawiera żadna nazwa pliku</translation>
    </message>
    <message>
        <source>it lacks the central directory at its end, the list of its files</source>
        <translation>brakuje centralnego katalogu na jego końcu, czyli listy jego plików</translation>
    </message>
    <message>
        <source>its zip64 end record is missing</source>
        <translation>brakuje jego rekordu końcowego zip64</translation>
    </message>
    <message>
        <source>its central directory lies outside it</source>
        <translation>jego centralny katalog leży poza nim</translation>
    </message>
    <message>
        <source>its central directory is incomplete</source>
        <translation>jego centralny katalog jest niekompletny</translation>
    </message>
    <message>
        <source>an entry the central directory lists is missing</source>
        <translation>brakuje wpisu wymienionego w centralnym katalogu</translation>
    </message>
    <message numerus="yes">
        <source>its central directory lists %1 of the %n entries it says it holds</source>
        <translation>
            <numerusform>jego centralny katalog wymienia %1 z %n wpisu, który podobno zawiera</numerusform>
            <numerusform>jego centralny katalog wymienia %1 z %n wpisów, które podobno zawiera</numerusform>
            <numerusform>jego centralny katalog wymienia %1 z %n wpisów, które podobno zawiera</numerusform>
        </translation>
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
    <message>
        <source>a temporary folder can&apos;t be made there</source>
        <translation>nie można tam utworzyć folderu tymczasowego</translation>
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
    <message>
        <source>%1 (&quot;%2&quot; shows)</source>
        <translation>%1 (widoczny: „%2”)</translation>
    </message>
    <message>
        <source>%1 (none of the mods shows)</source>
        <translation>%1 (nie widać żadnego z modów)</translation>
    </message>
    <message>
        <source>%1 (an edit shows)</source>
        <translation>%1 (widać edycję)</translation>
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
        <translation>Wróć do pliku z folderu gry</translation>
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
    <message>
        <source>Load a picture (.tga, .png)</source>
        <translation>Wczytaj obraz (.tga, .png)</translation>
    </message>
    <message>
        <source>Save the picture (.tga, .png)</source>
        <translation>Zapisz obraz (.tga, .png)</translation>
    </message>
    <message>
        <source>Mods…</source>
        <translation>Mody…</translation>
    </message>
    <message>
        <source>Install a mod from a folder</source>
        <translation>Zainstaluj mod z folderu</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
    <message>
        <source>Save the images in %1 as .tga or as .png files?</source>
        <translation>Zapisać obrazy w %1 jako pliki .tga czy .png?</translation>
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
        <translation>powrót %1 do pliku z folderu gry</translation>
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

Którym programem je otwierać?</translation>
    </message>
    <message>
        <source>The system&apos;s program</source>
        <translation>Program systemowy</translation>
    </message>
    <message>
        <source>A program of my choice…</source>
        <translation>Wybrany program…</translation>
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
        <source>Apply All Changes</source>
        <translation>Zastosuj wszystko</translation>
    </message>
    <message>
        <source>Change GP4 Path</source>
        <translation>Folder GP4…</translation>
    </message>
    <message>
        <source>Save all images to .tga</source>
        <translation>Eksportuj wszystkie do .tga</translation>
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
        <source>installation of %1</source>
        <translation>instalacja %1</translation>
    </message>
    <message>
        <source>uninstalling of %1</source>
        <translation>odinstalowanie %1</translation>
    </message>
    <message>
        <source>The mod &quot;%1&quot; is uninstalled as changes to apply; &quot;Apply All Changes&quot; writes them into the game folder.</source>
        <translation>Mod „%1” jest odinstalowany, ale jeszcze nie zastosowany; „Zastosuj wszystko” wprowadzi to w folderze gry.</translation>
    </message>
    <message>
        <source>changing the game folder</source>
        <translation>zmianą folderu gry</translation>
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
        <source>import of %1</source>
        <translation>import %1</translation>
    </message>
    <message>
        <source>the record of installed mods</source>
        <translation>spis zainstalowanych modów</translation>
    </message>
    <message>
        <source>the mods can&apos;t be installed or uninstalled: %1</source>
        <translation>nie można instalować ani odinstalowywać modów: %1</translation>
    </message>
    <message>
        <source>Saves every image into a folder, as .tga or .png files</source>
        <translation>Zapisuje wszystkie obrazy w folderze jako pliki .tga lub .png</translation>
    </message>
    <message>
        <source>Takes a .tga or .png file in place of the picture</source>
        <translation>Zastępuje obraz plikiem .tga lub .png</translation>
    </message>
    <message>
        <source>Saves the picture as a .tga or .png file</source>
        <translation>Zapisuje obraz jako plik .tga lub .png</translation>
    </message>
    <message>
        <source>The image editor&apos;s save of %1 was not taken: %2</source>
        <translation>Nie przyjęto zapisu %1 z edytora obrazów: %2</translation>
    </message>
    <message numerus="yes">
        <source>import of %n pictures</source>
        <translation>
            <numerusform>import %n obrazu</numerusform>
            <numerusform>import %n obrazów</numerusform>
            <numerusform>import %n obrazów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pictures imported</source>
        <translation>
            <numerusform>Zaimportowano %n obraz</numerusform>
            <numerusform>Zaimportowano %n obrazy</numerusform>
            <numerusform>Zaimportowano %n obrazów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n images and %1 font sheets loaded</source>
        <translation>
            <numerusform>Wczytano %n obraz i %1 arkuszy czcionek</numerusform>
            <numerusform>Wczytano %n obrazy i %1 arkuszy czcionek</numerusform>
            <numerusform>Wczytano %n obrazów i %1 arkuszy czcionek</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files written to the game folder</source>
        <translation>
            <numerusform>Zapisano %n plik w folderze gry</numerusform>
            <numerusform>Zapisano %n pliki w folderze gry</numerusform>
            <numerusform>Zapisano %n plików w folderze gry</numerusform>
        </translation>
    </message>
    <message>
        <source>Game folder: %1</source>
        <translation>Folder gry: %1</translation>
    </message>
    <message>
        <source>%1
Click to open it in the file manager.</source>
        <translation>%1
Kliknij, aby otworzyć go w menedżerze plików.</translation>
    </message>
    <message>
        <source>The file manager could not be started to show %1.</source>
        <translation>Nie udało się uruchomić menedżera plików, aby pokazać %1.</translation>
    </message>
    <message>
        <source>%1 (&quot;%2&quot;)</source>
        <translation>%1 („%2”)</translation>
    </message>
    <message>
        <source>
Left out, as installed mods set them: %1</source>
        <translation>
Pominięte, bo ustawiają je zainstalowane mody: %1</translation>
    </message>
    <message numerus="yes">
        <source>Saved %n pictures as the mod package %1:
%2</source>
        <translation>
            <numerusform>Zapisano %n obraz jako pakiet moda %1:
%2</numerusform>
            <numerusform>Zapisano %n obrazy jako pakiet moda %1:
%2</numerusform>
            <numerusform>Zapisano %n obrazów jako pakiet moda %1:
%2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>
%n pictures go back to what lies below: %1</source>
        <translation>
            <numerusform>
%n obraz wraca do tego, co leży pod spodem: %1</numerusform>
            <numerusform>
%n obrazy wracają do tego, co leży pod spodem: %1</numerusform>
            <numerusform>
%n obrazów wraca do tego, co leży pod spodem: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>
%n pictures stay as they are, covered since: %1</source>
        <translation>
            <numerusform>
%n obraz zostaje bez zmian, bo został przykryty: %1</numerusform>
            <numerusform>
%n obrazy zostają bez zmian, bo zostały przykryte: %1</numerusform>
            <numerusform>
%n obrazów zostaje bez zmian, bo zostały przykryte: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n images saved</source>
        <translation>
            <numerusform>Zapisano %n obraz</numerusform>
            <numerusform>Zapisano %n obrazy</numerusform>
            <numerusform>Zapisano %n obrazów</numerusform>
        </translation>
    </message>
    <message>
        <source>switching on of %1</source>
        <translation>włączenie %1</translation>
    </message>
    <message>
        <source>switching off of %1</source>
        <translation>wyłączenie %1</translation>
    </message>
    <message>
        <source>moving of %1</source>
        <translation>przeniesienie %1</translation>
    </message>
    <message>
        <source>saving of the profile %1</source>
        <translation>zapisanie profilu %1</translation>
    </message>
    <message>
        <source>switching to the profile %1</source>
        <translation>przełączenie na profil %1</translation>
    </message>
</context>
<context>
    <name>TFormInstallPreview</name>
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
    <message numerus="yes">
        <source>%n pictures change</source>
        <translation>
            <numerusform>Zmienia się %n obraz</numerusform>
            <numerusform>Zmieniają się %n obrazy</numerusform>
            <numerusform>Zmienia się %n obrazów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n are the same already</source>
        <translation>
            <numerusform>; %n jest już taki sam</numerusform>
            <numerusform>; %n są już takie same</numerusform>
            <numerusform>; %n jest już takich samych</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TFormInstalledMods</name>
    <message>
        <source>No mod is installed in this game folder.</source>
        <translation>W tym folderze gry nie zainstalowano żadnego moda.</translation>
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
    <message>
        <source>The mods of this game folder: where two set a picture, the lower one in the list shows.</source>
        <translation>Mody tego folderu gry: gdy dwa ustawiają ten sam obraz, widać obraz niższego na liście.</translation>
    </message>
    <message>
        <source>Changes not yet applied: &quot;Apply All Changes&quot; writes them into the game folder.</source>
        <translation>Zmiany jeszcze niezastosowane: „Zastosuj wszystko” zapisuje je w folderze gry.</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>W górę</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>W dół</translation>
    </message>
    <message>
        <source>Switched off: its pictures don&apos;t show; switch it on to show them again.</source>
        <translation>Wyłączony: jego obrazy nie są widoczne; włącz go, aby znów je pokazać.</translation>
    </message>
    <message>
        <source>Set by other mods too: %1</source>
        <translation>Ustawiane też przez inne mody: %1</translation>
    </message>
    <message>
        <source>Install…</source>
        <translation>Zainstaluj…</translation>
    </message>
    <message>
        <source>From an archive…</source>
        <translation>Z archiwum…</translation>
    </message>
    <message>
        <source>From a folder…</source>
        <translation>Z folderu…</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>to apply</source>
        <translation>do zastosowania</translation>
    </message>
    <message>
        <source>applied</source>
        <translation>zastosowany</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Profil:</translation>
    </message>
    <message>
        <source>(none in use)</source>
        <translation>(żaden nie jest używany)</translation>
    </message>
    <message>
        <source>Save as profile…</source>
        <translation>Zapisz jako profil…</translation>
    </message>
    <message>
        <source>Keep the mods on now, in their order, as the profile:</source>
        <translation>Zapisz włączone teraz mody, w ich kolejności, jako profil:</translation>
    </message>
</context>
<context>
    <name>TFormModPackage</name>
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
    <message>
        <source>Every picture of your own that differs from the game&apos;s original goes into the package, with your changes not yet applied.</source>
        <translation>Każdy twój obraz różny od oryginału gry trafia do pakietu, łącznie z twoimi jeszcze niezastosowanymi zmianami.</translation>
    </message>
    <message>
        <source>Pictures that installed mods set are their authors&apos; work: without this they stay out of the package; with it, the manifest names each one&apos;s mod and author.</source>
        <translation>Obrazy ustawione przez zainstalowane mody są dziełem ich autorów: bez tego zostają poza pakietem; z tym manifest podaje mod i autora każdego z nich.</translation>
    </message>
    <message numerus="yes">
        <source>Include %n pictures of installed mods, crediting their mods</source>
        <translation>
            <numerusform>Dołącz %n obraz zainstalowanego moda, podając jego mod</numerusform>
            <numerusform>Dołącz %n obrazy zainstalowanych modów, podając ich mody</numerusform>
            <numerusform>Dołącz %n obrazów zainstalowanych modów, podając ich mody</numerusform>
        </translation>
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
