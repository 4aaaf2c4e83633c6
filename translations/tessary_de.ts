<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CoreMessages</name>
    <message>
        <source>file not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>folder not found</source>
        <translation>Ordner nicht gefunden</translation>
    </message>
    <message>
        <source>access denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>reading beyond the end of the file</source>
        <translation>Lesen über das Dateiende hinaus</translation>
    </message>
    <message>
        <source>disk full</source>
        <translation>Datenträger voll</translation>
    </message>
    <message>
        <source>the file system is read-only</source>
        <translation>das Dateisystem ist schreibgeschützt</translation>
    </message>
    <message>
        <source>is a folder, not a file</source>
        <translation>ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>is a file, not a folder</source>
        <translation>ist eine Datei, kein Ordner</translation>
    </message>
    <message>
        <source>is not a folder</source>
        <translation>ist kein Ordner</translation>
    </message>
    <message>
        <source>is not a regular file (a pipe or a device)</source>
        <translation>ist keine gewöhnliche Datei (eine Pipe oder ein Gerät)</translation>
    </message>
    <message>
        <source>is a symbolic link, which Tessary does not follow</source>
        <translation>ist eine symbolische Verknüpfung, der Tessary nicht folgt</translation>
    </message>
    <message>
        <source>the path is too long</source>
        <translation>der Pfad ist zu lang</translation>
    </message>
    <message>
        <source>the file is in use by another program</source>
        <translation>die Datei wird von einem anderen Programm benutzt</translation>
    </message>
    <message>
        <source>nothing was changed</source>
        <translation>es wurde nichts geändert</translation>
    </message>
    <message>
        <source>nothing was written</source>
        <translation>es wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>error code %1 (%2)</source>
        <translation>Fehlercode %1 (%2)</translation>
    </message>
    <message>
        <source>another program changed this file since Tessary loaded them: %1</source>
        <translation>ein anderes Programm hat diese Datei geändert, seit Tessary sie geladen hat: %1</translation>
    </message>
    <message>
        <source>another program changed these files since Tessary loaded them: %1</source>
        <translation>ein anderes Programm hat diese Dateien geändert, seit Tessary sie geladen hat: %1</translation>
    </message>
    <message>
        <source>another program changed the record of installed mods since Tessary read it</source>
        <translation>ein anderes Programm hat die Liste der installierten Mods geändert, seit Tessary sie gelesen hat</translation>
    </message>
    <message>
        <source>another program is writing this game folder</source>
        <translation>ein anderes Programm schreibt gerade in diesen Spielordner</translation>
    </message>
    <message>
        <source>another program is reading this game folder</source>
        <translation>ein anderes Programm liest gerade diesen Spielordner</translation>
    </message>
    <message>
        <source>try again when it has finished</source>
        <translation>versuchen Sie es erneut, wenn es fertig ist</translation>
    </message>
    <message>
        <source>try again in a moment</source>
        <translation>versuchen Sie es gleich noch einmal</translation>
    </message>
    <message>
        <source>the files already replaced were put back, so nothing was changed</source>
        <translation>die bereits ersetzten Dateien wurden zurückgelegt, also wurde nichts geändert</translation>
    </message>
    <message>
        <source>the game folder is not loaded completely</source>
        <translation>der Spielordner ist nicht vollständig geladen</translation>
    </message>
    <message>
        <source>holds fewer pixels than its byte count</source>
        <translation>enthält weniger Pixel, als seine Byte-Anzahl angibt</translation>
    </message>
    <message>
        <source>this program reads no .png files</source>
        <translation>dieses Programm liest keine .png-Dateien</translation>
    </message>
    <message>
        <source>there is no menu image number %1</source>
        <translation>es gibt kein Menübild Nummer %1</translation>
    </message>
    <message>
        <source>there is no font number %1</source>
        <translation>es gibt keine Schrift Nummer %1</translation>
    </message>
    <message>
        <source>save the picture with 24 or 32 bits per pixel</source>
        <translation>speichern Sie das Bild mit 24 oder 32 Bit pro Pixel</translation>
    </message>
    <message>
        <source>Sorry but Tessary can&apos;t read RLE encoded .tga files.</source>
        <translation>Tessary kann leider keine RLE-komprimierten .tga-Dateien lesen.</translation>
    </message>
    <message>
        <source>reading beyond the end of the file (%1)</source>
        <translation>Lesen über das Dateiende hinaus (%1)</translation>
    </message>
    <message>
        <source>is a link, which Tessary does not follow</source>
        <translation>ist eine Verknüpfung, der Tessary nicht folgt</translation>
    </message>
    <message>
        <source>is not a plain file</source>
        <translation>ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>%1 is not a plain file</source>
        <translation>%1 ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>holds %1 bytes, more than such a file ever holds</source>
        <translation>enthält %1 Byte, mehr als eine solche Datei je enthält</translation>
    </message>
    <message>
        <source>error code %1</source>
        <translation>Fehlercode %1</translation>
    </message>
    <message>
        <source>the image count %1 is negative</source>
        <translation>die Bildanzahl %1 ist negativ</translation>
    </message>
    <message>
        <source>the index lists %1 image slots but holds only %2 bytes</source>
        <translation>der Index nennt %1 Bildplätze, enthält aber nur %2 Byte</translation>
    </message>
    <message>
        <source>entry %1 runs past the end of the file</source>
        <translation>Eintrag %1 reicht über das Dateiende hinaus</translation>
    </message>
    <message>
        <source>the font table count %1 is negative</source>
        <translation>die Anzahl %1 der Einträge in der Schrifttabelle ist negativ</translation>
    </message>
    <message>
        <source>a table of %1 entries and a sheet need %2 bytes, the file has %3</source>
        <translation>eine Tabelle mit %1 Einträgen und eine Schrifttafel brauchen %2 Byte, die Datei hat %3</translation>
    </message>
    <message>
        <source>the image file holds %1 bytes, more than an image can hold</source>
        <translation>die Bilddatei enthält %1 Byte, mehr als ein Bild fassen kann</translation>
    </message>
    <message>
        <source>holds no menu image number %1</source>
        <translation>enthält kein Menübild Nummer %1</translation>
    </message>
    <message>
        <source>the game&apos;s original index has no entry for image %1</source>
        <translation>der Original-Index des Spiels hat keinen Eintrag für Bild %1</translation>
    </message>
    <message>
        <source>the kept original holds %1 bytes, but the game&apos;s index gives image %2 %3 × %4 pixels (%5 bytes)</source>
        <translation>das aufbewahrte Original enthält %1 Byte, aber der Index des Spiels gibt für Bild %2 %3 × %4 Pixel an (%5 Byte)</translation>
    </message>
    <message>
        <source>Tessary does not restore it</source>
        <translation>Tessary stellt es nicht wieder her</translation>
    </message>
    <message>
        <source>is not a file of the record of installed mods</source>
        <translation>ist keine Datei der Liste der installierten Mods</translation>
    </message>
    <message>
        <source>Tessary replaces only plain game files</source>
        <translation>Tessary ersetzt nur gewöhnliche Spieldateien</translation>
    </message>
    <message>
        <source>Tessary keeps the game&apos;s original files there</source>
        <translation>dort bewahrt Tessary die Originaldateien des Spiels auf</translation>
    </message>
    <message>
        <source>Tessary keeps the game&apos;s original of %1 there</source>
        <translation>dort bewahrt Tessary das Original von %1 auf</translation>
    </message>
    <message>
        <source>lies on another drive than the game files, so Tessary can&apos;t keep the game&apos;s original files there</source>
        <translation>liegt auf einem anderen Laufwerk als die Spieldateien, daher kann Tessary dort keine Originaldateien des Spiels aufbewahren</translation>
    </message>
    <message>
        <source>putting the earlier files back failed too (%1)</source>
        <translation>auch das Zurücklegen der früheren Dateien ist gescheitert (%1)</translation>
    </message>
    <message>
        <source>Tessary finishes the write-back the next time it opens this game folder</source>
        <translation>Tessary beendet den Schreibvorgang, wenn es diesen Spielordner das nächste Mal öffnet</translation>
    </message>
    <message>
        <source>The game&apos;s original of %1 could not be kept in tessary-originals (%2)</source>
        <translation>Das Original von %1 konnte nicht in tessary-originals aufbewahrt werden (%2)</translation>
    </message>
    <message>
        <source>it stays beside it as %1, and Tessary tries again the next time it opens this game folder.</source>
        <translation>es bleibt als %1 daneben liegen, und Tessary versucht es erneut, wenn es diesen Spielordner das nächste Mal öffnet.</translation>
    </message>
    <message>
        <source>the record of an interrupted write-back is damaged (%1)</source>
        <translation>das Protokoll eines unterbrochenen Schreibvorgangs ist beschädigt (%1)</translation>
    </message>
    <message>
        <source>Tessary leaves the folder as it is. Move this file away to use the folder again</source>
        <translation>Tessary lässt den Ordner, wie er ist. Verschieben Sie diese Datei woandershin, um den Ordner wieder zu verwenden</translation>
    </message>
    <message>
        <source>it holds %1 bytes, far more than any record Tessary writes</source>
        <translation>es enthält %1 Byte, weit mehr als jedes Protokoll, das Tessary schreibt</translation>
    </message>
    <message>
        <source>it does not begin as Tessary writes it</source>
        <translation>der Anfang entspricht nicht dem, was Tessary schreibt</translation>
    </message>
    <message>
        <source>its end does not match its entries</source>
        <translation>sein Ende passt nicht zu seinen Einträgen</translation>
    </message>
    <message>
        <source>line %1 is not an entry</source>
        <translation>Zeile %1 ist kein Eintrag</translation>
    </message>
    <message>
        <source>it names %1, which is not a game file</source>
        <translation>es nennt %1, was keine Spieldatei ist</translation>
    </message>
    <message>
        <source>it names %1 twice</source>
        <translation>es nennt %1 zweimal</translation>
    </message>
    <message>
        <source>it names files that Tessary does not write beside %1</source>
        <translation>es nennt Dateien, die Tessary nicht neben %1 schreibt</translation>
    </message>
    <message>
        <source>it ends before its last line</source>
        <translation>es endet vor seiner letzten Zeile</translation>
    </message>
    <message>
        <source>it does not match the files on disk: %1</source>
        <translation>es passt nicht zu den Dateien auf dem Datenträger: %1</translation>
    </message>
    <message>
        <source>%1 exists, though the record says it did not before the write-back</source>
        <translation>%1 existiert, obwohl das Protokoll sagt, dass es vor dem Schreibvorgang nicht existierte</translation>
    </message>
    <message>
        <source>%1 and its new file are both missing</source>
        <translation>%1 und seine neue Datei fehlen beide</translation>
    </message>
    <message>
        <source>%1, its original and its new file are all there at once</source>
        <translation>%1, sein Original und seine neue Datei sind alle zugleich vorhanden</translation>
    </message>
    <message>
        <source>%1 and the original the record moved aside are both missing</source>
        <translation>%1 und das Original, das laut Protokoll beiseitegelegt wurde, fehlen beide</translation>
    </message>
    <message>
        <source>a write-back to this game folder was cut short, and Tessary can&apos;t finish or undo it</source>
        <translation>ein Schreibvorgang in diesen Spielordner wurde unterbrochen, und Tessary kann ihn weder abschließen noch rückgängig machen</translation>
    </message>
    <message>
        <source>A write-back to %1 was cut short</source>
        <translation>Ein Schreibvorgang in %1 wurde unterbrochen</translation>
    </message>
    <message>
        <source>Tessary has put the earlier files back, so the folder is as it was before it.</source>
        <translation>Tessary hat die früheren Dateien zurückgelegt, der Ordner ist also wie vorher.</translation>
    </message>
    <message>
        <source>Tessary removed %1 that an earlier write-back to %2 left behind</source>
        <translation>Von dem, was ein früherer Schreibvorgang in %2 hinterlassen hat, hat Tessary %1 entfernt</translation>
    </message>
    <message>
        <source>Tessary kept %1 in tessary-originals that an earlier write-back to %2 left behind</source>
        <translation>Von dem, was ein früherer Schreibvorgang in %2 hinterlassen hat, hat Tessary %1 in tessary-originals aufbewahrt</translation>
    </message>
    <message>
        <source>Tessary removed %1 and kept %2 in tessary-originals that an earlier write-back to %3 left behind</source>
        <translation>Von dem, was ein früherer Schreibvorgang in %3 hinterlassen hat, hat Tessary %1 entfernt und %2 in tessary-originals aufbewahrt</translation>
    </message>
    <message>
        <source>the game files were not touched.</source>
        <translation>die Spieldateien wurden nicht angerührt.</translation>
    </message>
    <message>
        <source>colour map type %1 is not one the .tga format defines</source>
        <translation>der Farbtabellentyp %1 ist keiner, den das .tga-Format kennt</translation>
    </message>
    <message>
        <source>this is not a .tga file Tessary can read</source>
        <translation>das ist keine .tga-Datei, die Tessary lesen kann</translation>
    </message>
    <message>
        <source>the file holds no picture (image type 0)</source>
        <translation>die Datei enthält kein Bild (Bildtyp 0)</translation>
    </message>
    <message>
        <source>the file is colour-mapped (image type 1) but holds no colour map</source>
        <translation>die Datei nutzt eine Farbtabelle (Bildtyp 1), enthält aber keine</translation>
    </message>
    <message>
        <source>only 8-bit indices can</source>
        <translation>nur solche mit 8-Bit-Indizes</translation>
    </message>
    <message>
        <source>colour maps with %1-bit entries can&apos;t be read</source>
        <translation>Farbtabellen mit %1-Bit-Einträgen können nicht gelesen werden</translation>
    </message>
    <message>
        <source>save the picture with a 24- or 32-bit colour map, or as 24- or 32-bit true-colour</source>
        <translation>speichern Sie das Bild mit einer 24- oder 32-Bit-Farbtabelle oder als 24- oder 32-Bit-Truecolor</translation>
    </message>
    <message>
        <source>only 8-bit grey-scale can</source>
        <translation>nur solche mit 8-Bit-Graustufen</translation>
    </message>
    <message>
        <source>image type %1 is not an uncompressed true-colour, colour-mapped or grey-scale .tga file</source>
        <translation>Bildtyp %1 ist keine unkomprimierte .tga-Datei in Truecolor, mit Farbtabelle oder in Graustufen</translation>
    </message>
    <message>
        <source>the header announces a %1 picture of %2 bits per pixel, which needs %3 bytes, but the file has only %4</source>
        <translation>der Kopf kündigt ein Bild von %1 mit %2 Bit pro Pixel an, das %3 Byte braucht, aber die Datei hat nur %4</translation>
    </message>
    <message>
        <source>pixel (%1, %2) uses colour %3, which the file&apos;s colour map does not hold</source>
        <translation>Pixel (%1, %2) nutzt Farbe %3, die die Farbtabelle der Datei nicht enthält</translation>
    </message>
    <message>
        <source>is not a .png file: it does not start with the PNG signature</source>
        <translation>ist keine .png-Datei: sie beginnt nicht mit der PNG-Signatur</translation>
    </message>
    <message>
        <source>the PNG&apos;s palette or transparency is damaged (%1), so its pixels are not defined</source>
        <translation>Palette oder Transparenz der PNG-Datei sind beschädigt (%1), daher sind ihre Pixel nicht festgelegt</translation>
    </message>
    <message>
        <source>the PNG data is damaged or cut short (%1)</source>
        <translation>die PNG-Daten sind beschädigt oder abgeschnitten (%1)</translation>
    </message>
    <message>
        <source>the file is too short for a %1 picture</source>
        <translation>die Datei ist zu kurz für ein Bild von %1</translation>
    </message>
    <message>
        <source>the file ends before the picture does</source>
        <translation>die Datei endet vor dem Bild</translation>
    </message>
    <message>
        <source>pixel (%1, %2) has colour number %3, but the palette holds only %4 colours</source>
        <translation>Pixel (%1, %2) hat die Farbnummer %3, aber die Palette enthält nur %4 Farben</translation>
    </message>
    <message>
        <source>the PNG picture can&apos;t be made (%1)</source>
        <translation>das PNG-Bild kann nicht erstellt werden (%1)</translation>
    </message>
    <message>
        <source>a %1 picture needs %2 bytes, more than the 2147483647 a menu image can hold</source>
        <translation>ein Bild von %1 braucht %2 Byte, mehr als die 2147483647, die ein Menübild fassen kann</translation>
    </message>
    <message>
        <source>the picture is %1 pixels</source>
        <translation>das Bild hat %1 Pixel</translation>
    </message>
    <message>
        <source>a font sheet must be 256 x 256</source>
        <translation>eine Schrifttafel muss 256 x 256 groß sein</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>nicht genug Arbeitsspeicher</translation>
    </message>
    <message>
        <source>not enough memory to read a .png file</source>
        <translation>nicht genug Arbeitsspeicher, um eine .png-Datei zu lesen</translation>
    </message>
    <message>
        <source>not enough memory to read a %1 picture</source>
        <translation>nicht genug Arbeitsspeicher, um ein Bild von %1 zu lesen</translation>
    </message>
    <message>
        <source>not enough memory for a %1 picture</source>
        <translation>nicht genug Arbeitsspeicher für ein Bild von %1</translation>
    </message>
    <message>
        <source>image %1 (%2 x %3 pixels) holds no picture a .png file can hold</source>
        <translation>Bild %1 (%2 x %3 Pixel) enthält kein Bild, das eine .png-Datei fassen kann</translation>
    </message>
    <message>
        <source>image %1 (%2 x %3 pixels) holds %4 bytes instead of %5</source>
        <translation>Bild %1 (%2 x %3 Pixel) enthält %4 Byte statt %5</translation>
    </message>
    <message>
        <source>save it as .tga</source>
        <translation>speichern Sie es als .tga</translation>
    </message>
    <message>
        <source>a .png file holds only whole pictures, so save it as .tga</source>
        <translation>eine .png-Datei fasst nur ganze Bilder, speichern Sie es also als .tga</translation>
    </message>
    <message>
        <source>there is no font sheet number %1</source>
        <translation>es gibt keine Schrifttafel Nummer %1</translation>
    </message>
    <message>
        <source>font sheet %1 holds %2 bytes instead of 65536</source>
        <translation>Schrifttafel %1 enthält %2 Byte statt 65536</translation>
    </message>
    <message>
        <source>holds no picture a .png file can hold</source>
        <translation>enthält kein Bild, das eine .png-Datei fassen kann</translation>
    </message>
    <message>
        <source>holds %1 bytes instead of 65536</source>
        <translation>enthält %1 Byte statt 65536</translation>
    </message>
    <message>
        <source>image %1 is %2 pixels wide</source>
        <translation>Bild %1 ist %2 Pixel breit</translation>
    </message>
    <message>
        <source>image %1 is %2 pixels high</source>
        <translation>Bild %1 ist %2 Pixel hoch</translation>
    </message>
    <message>
        <source>a .tga file can only hold 0 to 65535</source>
        <translation>eine .tga-Datei fasst nur 0 bis 65535</translation>
    </message>
    <message>
        <source>image %1 has a negative byte count (%2)</source>
        <translation>Bild %1 hat eine negative Byte-Anzahl (%2)</translation>
    </message>
    <message>
        <source>there is no menu image number %1 to replace</source>
        <translation>es gibt kein Menübild Nummer %1, das ersetzt werden könnte</translation>
    </message>
    <message>
        <source>there is no font sheet number %1 to replace</source>
        <translation>es gibt keine Schrifttafel Nummer %1, die ersetzt werden könnte</translation>
    </message>
    <message>
        <source>these files all name the same image: %1</source>
        <translation>diese Dateien nennen alle dasselbe Bild: %1</translation>
    </message>
    <message>
        <source>these files all name the same font sheet: %1</source>
        <translation>diese Dateien nennen alle dieselbe Schrifttafel: %1</translation>
    </message>
    <message>
        <source>rename or remove all but one</source>
        <translation>benennen Sie alle bis auf eine um oder entfernen Sie sie</translation>
    </message>
    <message>
        <source>No picture was imported.</source>
        <translation>Es wurde kein Bild importiert.</translation>
    </message>
    <message>
        <source>No picture was imported from %1.</source>
        <translation>Aus %1 wurde kein Bild importiert.</translation>
    </message>
    <message>
        <source>the archive is damaged (%1)</source>
        <translation>das Archiv ist beschädigt (%1)</translation>
    </message>
    <message>
        <source>the archive is damaged at &quot;%1&quot; (%2)</source>
        <translation>das Archiv ist bei „%1“ beschädigt (%2)</translation>
    </message>
    <message>
        <source>this build of Tessary can&apos;t expand archives compressed as this one is</source>
        <translation>diese Ausgabe von Tessary kann so komprimierte Archive nicht entpacken</translation>
    </message>
    <message>
        <source>the archive holds %1 bytes, more than Tessary reads (%2)</source>
        <translation>das Archiv enthält %1 Byte, mehr als Tessary liest (%2)</translation>
    </message>
    <message>
        <source>is not an archive Tessary can read (%1)</source>
        <translation>ist kein Archiv, das Tessary lesen kann (%1)</translation>
    </message>
    <message>
        <source>the archive holds more than %1 entries</source>
        <translation>das Archiv enthält mehr als %1 Einträge</translation>
    </message>
    <message>
        <source>the folder holds more than %1 files and folders</source>
        <translation>der Ordner enthält mehr als %1 Dateien und Ordner</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is encrypted, which Tessary can&apos;t read</source>
        <translation>„%1“ ist verschlüsselt, und das kann Tessary nicht lesen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link, which Tessary does not follow</source>
        <translation>„%1“ ist eine Verknüpfung, der Tessary nicht folgt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a device or another special file, not a file</source>
        <translation>„%1“ ist ein Gerät oder eine andere Sonderdatei, keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>&quot;%1&quot; expands more than %2 times over what it takes in the archive, as a zip bomb does</source>
        <translation>„%1“ wird beim Entpacken mehr als %2-mal so groß wie im Archiv, wie bei einer Zip-Bombe</translation>
    </message>
    <message>
        <source>&quot;%1&quot; would make the archive expand past %2 MB, more than any menu mod holds (a zip bomb?)</source>
        <translation>„%1“ ließe das entpackte Archiv über %2 MB wachsen, mehr als irgendein Menü-Mod enthält (eine Zip-Bombe?)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; would take the mod past %2 MB, more than any menu mod holds</source>
        <translation>„%1“ ließe den Mod über %2 MB wachsen, mehr als irgendein Menü-Mod enthält</translation>
    </message>
    <message>
        <source>&quot;%1&quot; lies more than %2 folders deep</source>
        <translation>„%1“ liegt mehr als %2 Ordner tief</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no name</source>
        <translation>„%1“ hat keinen Namen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a name that is not valid text (UTF-8)</source>
        <translation>„%1“ hat einen Namen, der kein gültiger Text (UTF-8) ist</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a control character in its name</source>
        <translation>„%1“ hat ein Steuerzeichen im Namen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is named by an absolute path</source>
        <translation>„%1“ ist mit einem absoluten Pfad benannt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is named with a drive letter</source>
        <translation>„%1“ ist mit einem Laufwerksbuchstaben benannt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; climbs out of the archive&apos;s folder (&quot;..&quot;)</source>
        <translation>„%1“ führt aus dem Ordner des Archivs hinaus (&quot;..&quot;)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has &apos;:&apos; in its name, which Windows reads as a drive or a stream</source>
        <translation>„%1“ hat &apos;:&apos; im Namen, was Windows als Laufwerk oder Datenstrom liest</translation>
    </message>
    <message>
        <source>&quot;%1&quot; lies in a folder that has the name of a file: &quot;%2&quot;</source>
        <translation>„%1“ liegt in einem Ordner, der wie eine Datei heißt: „%2“</translation>
    </message>
    <message>
        <source>&quot;%1&quot; appears twice (letter case aside)</source>
        <translation>„%1“ kommt zweimal vor (von Groß- und Kleinschreibung abgesehen)</translation>
    </message>
    <message>
        <source>holds no menu image or font sheet of this game that Tessary could take</source>
        <translation>enthält weder ein Menübild noch eine Schrifttafel dieses Spiels, die Tessary übernehmen könnte</translation>
    </message>
    <message>
        <source>holds no menu image or font sheet of this game that Tessary could take (%1)</source>
        <translation>enthält weder ein Menübild noch eine Schrifttafel dieses Spiels, die Tessary übernehmen könnte (%1)</translation>
    </message>
    <message>
        <source>holds game files in two folders, &quot;%1&quot; and &quot;%2&quot;</source>
        <translation>enthält Spieldateien in zwei Ordnern, „%1“ und „%2“</translation>
    </message>
    <message>
        <source>&quot;%1&quot; and &quot;%2&quot; both name %3</source>
        <translation>„%1“ und „%2“ nennen beide %3</translation>
    </message>
    <message>
        <source>Tessary can&apos;t tell which of them the mod means</source>
        <translation>Tessary kann nicht erkennen, was davon der Mod meint</translation>
    </message>
    <message>
        <source>%1 is image %2, but this game has images 1 to %3 only</source>
        <translation>%1 ist Bild %2, aber dieses Spiel hat nur die Bilder 1 bis %3</translation>
    </message>
    <message>
        <source>the mod&apos;s Gp2001.gph lists %1 images, this game&apos;s index %2, and it has no entry for %3</source>
        <translation>die Gp2001.gph des Mods nennt %1 Bilder, der Index dieses Spiels %2, und sie hat keinen Eintrag für %3</translation>
    </message>
    <message>
        <source>%1 holds %2 bytes, but its entry in the mod&apos;s Gp2001.gph says %3 (%4 bytes)</source>
        <translation>%1 enthält %2 Byte, aber sein Eintrag in der Gp2001.gph des Mods sagt %3 (%4 Byte)</translation>
    </message>
    <message>
        <source>%1 holds %2 bytes, but its entry in the game&apos;s index (the mod ships none) says %3 (%4 bytes)</source>
        <translation>%1 enthält %2 Byte, aber sein Eintrag im Index des Spiels (der Mod bringt keinen mit) sagt %3 (%4 Byte)</translation>
    </message>
    <message>
        <source>%1 x %2 pixels</source>
        <translation>%1 x %2 Pixel</translation>
    </message>
    <message>
        <source>holds %1 bytes, not one index entry</source>
        <translation>enthält %1 Byte, nicht genau einen Indexeintrag</translation>
    </message>
    <message>
        <source>The mod&apos;s Gp2001.gph also changes the entries of images it does not ship</source>
        <translation>Die Gp2001.gph des Mods ändert auch die Einträge von Bildern, die er nicht mitbringt</translation>
    </message>
    <message>
        <source>Tessary leaves them as they are</source>
        <translation>Tessary lässt sie, wie sie sind</translation>
    </message>
    <message>
        <source>Font files with another header or table than the game&apos;s: only their pictures are taken: %1</source>
        <translation>Schriftdateien mit anderem Kopf oder anderer Tabelle als im Spiel (nur ihre Bilder werden übernommen): %1</translation>
    </message>
    <message>
        <source>Files that are no game file were left out: %1</source>
        <translation>Dateien, die keine Spieldateien sind, wurden ausgelassen: %1</translation>
    </message>
    <message>
        <source>Files that name no menu image or font sheet of this game were left out: %1</source>
        <translation>Dateien, die weder ein Menübild noch eine Schrifttafel dieses Spiels nennen, wurden ausgelassen: %1</translation>
    </message>
    <message>
        <source>The package was made over other pictures than this game&apos;s originals: %1</source>
        <translation>Das Paket wurde über anderen Bildern als den Originalen dieses Spiels erstellt: %1</translation>
    </message>
    <message>
        <source>Files its manifest does not list were left out: %1</source>
        <translation>Dateien, die sein Manifest nicht aufführt, wurden ausgelassen: %1</translation>
    </message>
    <message>
        <source>tessary-mod.json is damaged: %1</source>
        <translation>tessary-mod.json ist beschädigt: %1</translation>
    </message>
    <message>
        <source>the mod package was made by a newer Tessary (package version %1)</source>
        <translation>das Modpaket wurde mit einem neueren Tessary erstellt (Paketversion %1)</translation>
    </message>
    <message>
        <source>this one reads version %1</source>
        <translation>dieses liest Version %1</translation>
    </message>
    <message>
        <source>it is not a JSON object</source>
        <translation>es ist kein JSON-Objekt</translation>
    </message>
    <message>
        <source>&quot;format&quot; is not &quot;Tessary mod package&quot;</source>
        <translation>&quot;format&quot; ist nicht &quot;Tessary mod package&quot;</translation>
    </message>
    <message>
        <source>&quot;name&quot; is empty</source>
        <translation>&quot;name&quot; ist leer</translation>
    </message>
    <message>
        <source>&quot;created&quot; is not a time such as 2026-05-04T12:34:56Z</source>
        <translation>&quot;created&quot; ist keine Zeitangabe wie 2026-05-04T12:34:56Z</translation>
    </message>
    <message>
        <source>&quot;pictures&quot; is not a list of at most %1 pictures</source>
        <translation>&quot;pictures&quot; ist keine Liste von höchstens %1 Bildern</translation>
    </message>
    <message>
        <source>%1 is listed twice</source>
        <translation>%1 ist zweimal aufgeführt</translation>
    </message>
    <message>
        <source>the manifest has no &quot;%1&quot;</source>
        <translation>dem Manifest fehlt &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the manifest has an unknown key &quot;%1&quot;</source>
        <translation>das Manifest hat einen unbekannten Schlüssel &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of the manifest is not text</source>
        <translation>&quot;%1&quot; des Manifests ist kein Text</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of the manifest is longer than %2 bytes</source>
        <translation>&quot;%1&quot; des Manifests ist länger als %2 Byte</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of the manifest holds a control character</source>
        <translation>&quot;%1&quot; des Manifests enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of the manifest is not a whole number from %2 to %3</source>
        <translation>&quot;%1&quot; des Manifests ist keine ganze Zahl von %2 bis %3</translation>
    </message>
    <message>
        <source>picture %1 is not an object</source>
        <translation>Bild %1 ist kein Objekt</translation>
    </message>
    <message>
        <source>picture %1 has no &quot;%2&quot;</source>
        <translation>bei Bild %1 fehlt &quot;%2&quot;</translation>
    </message>
    <message>
        <source>picture %1 has an unknown key &quot;%2&quot;</source>
        <translation>Bild %1 hat einen unbekannten Schlüssel &quot;%2&quot;</translation>
    </message>
    <message>
        <source>picture %1 must name either an &quot;image&quot; or a &quot;font&quot;</source>
        <translation>Bild %1 muss entweder &quot;image&quot; oder &quot;font&quot; angeben</translation>
    </message>
    <message>
        <source>picture %1 names no font of the game: &quot;%2&quot;</source>
        <translation>Bild %1 nennt keine Schrift des Spiels: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>picture %1 must be in the file &quot;%2&quot;</source>
        <translation>Bild %1 muss in der Datei &quot;%2&quot; liegen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of picture %2 is not text</source>
        <translation>&quot;%1&quot; von Bild %2 ist kein Text</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of picture %2 is longer than %3 bytes</source>
        <translation>&quot;%1&quot; von Bild %2 ist länger als %3 Byte</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of picture %2 holds a control character</source>
        <translation>&quot;%1&quot; von Bild %2 enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of picture %2 is not a whole number from %3 to %4</source>
        <translation>&quot;%1&quot; von Bild %2 ist keine ganze Zahl von %3 bis %4</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of picture %2 is not a SHA-256 digest (64 lower-case hex digits)</source>
        <translation>&quot;%1&quot; von Bild %2 ist kein SHA-256-Hash (64 Hex-Ziffern in Kleinbuchstaben)</translation>
    </message>
    <message>
        <source>%1 is not a PNG file, as its manifest says</source>
        <translation>%1 ist keine PNG-Datei, anders als das Manifest angibt</translation>
    </message>
    <message>
        <source>%1 is %2 x %3 pixels, but its manifest says %4 x %5</source>
        <translation>%1 hat %2 x %3 Pixel, aber das Manifest sagt %4 x %5</translation>
    </message>
    <message>
        <source>%1 does not hold the picture its manifest names (its SHA-256 differs)</source>
        <translation>%1 enthält nicht das Bild, das das Manifest nennt (sein SHA-256 weicht ab)</translation>
    </message>
    <message>
        <source>the package is damaged</source>
        <translation>das Paket ist beschädigt</translation>
    </message>
    <message>
        <source>the package replaces image %1, but this game has images 1 to %2 only</source>
        <translation>das Paket ersetzt Bild %1, aber dieses Spiel hat nur die Bilder 1 bis %2</translation>
    </message>
    <message>
        <source>the package lacks %1, which its manifest lists</source>
        <translation>dem Paket fehlt %1, das sein Manifest aufführt</translation>
    </message>
    <message>
        <source>a mod package needs a name</source>
        <translation>ein Modpaket braucht einen Namen</translation>
    </message>
    <message>
        <source>a mod package&apos;s name and author are at most 200 bytes long</source>
        <translation>Name und Autor eines Modpakets sind höchstens 200 Byte lang</translation>
    </message>
    <message>
        <source>a mod package&apos;s description is at most 4000 bytes long</source>
        <translation>die Beschreibung eines Modpakets ist höchstens 4000 Byte lang</translation>
    </message>
    <message>
        <source>a mod package&apos;s name, author and description can&apos;t hold control characters</source>
        <translation>Name, Autor und Beschreibung eines Modpakets dürfen keine Steuerzeichen enthalten</translation>
    </message>
    <message>
        <source>image %1 (%2 x %3 pixels) holds %4 bytes, not a whole picture, which a mod package can&apos;t hold</source>
        <translation>Bild %1 (%2 x %3 Pixel) enthält %4 Byte, kein ganzes Bild, und das kann ein Modpaket nicht aufnehmen</translation>
    </message>
    <message>
        <source>no package was written</source>
        <translation>es wurde kein Paket geschrieben</translation>
    </message>
    <message>
        <source>every picture is the game&apos;s original, so there is nothing to put in a mod package</source>
        <translation>jedes Bild ist das Original des Spiels, also gibt es nichts für ein Modpaket</translation>
    </message>
    <message>
        <source>the .zip archive can&apos;t be written: %1</source>
        <translation>das .zip-Archiv kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>libarchive failed</source>
        <translation>libarchive ist gescheitert</translation>
    </message>
    <message>
        <source>the text is not valid UTF-8</source>
        <translation>der Text ist kein gültiges UTF-8</translation>
    </message>
    <message>
        <source>at byte %1: %2</source>
        <translation>bei Byte %1: %2</translation>
    </message>
    <message>
        <source>there is more after the value</source>
        <translation>nach dem Wert folgt noch etwas</translation>
    </message>
    <message>
        <source>expected a value</source>
        <translation>Wert erwartet</translation>
    </message>
    <message>
        <source>expected a key in quotes</source>
        <translation>Schlüssel in Anführungszeichen erwartet</translation>
    </message>
    <message>
        <source>expected &apos;:&apos; after a key</source>
        <translation>&apos;:&apos; nach einem Schlüssel erwartet</translation>
    </message>
    <message>
        <source>expected &apos;,&apos; or &apos;}&apos;</source>
        <translation>&apos;,&apos; oder &apos;}&apos; erwartet</translation>
    </message>
    <message>
        <source>expected &apos;,&apos; or &apos;]&apos;</source>
        <translation>&apos;,&apos; oder &apos;]&apos; erwartet</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; appears twice</source>
        <translation>der Schlüssel &quot;%1&quot; kommt zweimal vor</translation>
    </message>
    <message>
        <source>the values are nested too deeply</source>
        <translation>die Werte sind zu tief verschachtelt</translation>
    </message>
    <message>
        <source>\u needs four hex digits</source>
        <translation>\u braucht vier Hex-Ziffern</translation>
    </message>
    <message>
        <source>a \u escape holds half a character</source>
        <translation>eine \u-Escape-Folge enthält ein halbes Zeichen</translation>
    </message>
    <message>
        <source>unknown escape</source>
        <translation>unbekannte Escape-Folge</translation>
    </message>
    <message>
        <source>the text ends inside quotes</source>
        <translation>der Text endet innerhalb von Anführungszeichen</translation>
    </message>
    <message>
        <source>a control character stands unescaped in quotes</source>
        <translation>ein Steuerzeichen steht ohne Escape-Folge in Anführungszeichen</translation>
    </message>
    <message>
        <source>a number starts with 0</source>
        <translation>eine Zahl beginnt mit 0</translation>
    </message>
    <message>
        <source>the number is too large</source>
        <translation>die Zahl ist zu groß</translation>
    </message>
    <message>
        <source>only whole numbers are taken</source>
        <translation>nur ganze Zahlen sind erlaubt</translation>
    </message>
    <message>
        <source>is not a folder of Tessary&apos;s own (a link or a file has its name)</source>
        <translation>ist kein eigener Ordner von Tessary (eine Verknüpfung oder eine Datei trägt seinen Namen)</translation>
    </message>
    <message>
        <source>Tessary leaves it as it is</source>
        <translation>Tessary lässt alles, wie es ist</translation>
    </message>
    <message>
        <source>a mod named &quot;%1&quot; is installed already</source>
        <translation>ein Mod namens „%1“ ist schon installiert</translation>
    </message>
    <message>
        <source>uninstall it first</source>
        <translation>deinstallieren Sie ihn zuerst</translation>
    </message>
    <message>
        <source>the record of installed mods is damaged (%1)</source>
        <translation>die Liste der installierten Mods ist beschädigt (%1)</translation>
    </message>
    <message>
        <source>Tessary leaves it as it is. Move the folder tessary-mods away to install mods again</source>
        <translation>Tessary lässt sie, wie sie ist. Verschieben Sie den Ordner tessary-mods woandershin, um wieder Mods zu installieren</translation>
    </message>
    <message>
        <source>it is not the file Tessary wrote</source>
        <translation>es ist nicht die Datei, die Tessary geschrieben hat</translation>
    </message>
    <message>
        <source>the record of installed mods was written by another version of Tessary (record version %1)</source>
        <translation>die Liste der installierten Mods wurde von einer anderen Version von Tessary geschrieben (Listenversion %1)</translation>
    </message>
    <message>
        <source>it lists too many mods</source>
        <translation>sie nennt zu viele Mods</translation>
    </message>
    <message>
        <source>a mod has no number of its own</source>
        <translation>ein Mod hat keine eigene Nummer</translation>
    </message>
    <message>
        <source>a mod has no list of pictures</source>
        <translation>ein Mod hat keine Bilderliste</translation>
    </message>
    <message>
        <source>two mods have the name &quot;%1&quot;</source>
        <translation>zwei Mods heißen „%1“</translation>
    </message>
    <message>
        <source>the mod &quot;%1&quot; lists %2 twice</source>
        <translation>der Mod „%1“ nennt %2 zweimal</translation>
    </message>
    <message>
        <source>a picture names neither an image nor a font</source>
        <translation>ein Bild nennt weder ein Menübild noch eine Schrift</translation>
    </message>
    <message>
        <source>a picture is kept in &quot;%1&quot;, which is not a record file</source>
        <translation>ein Bild wird in „%1“ aufbewahrt, das keine Datei der Liste ist</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing or not text</source>
        <translation>&quot;%1&quot; fehlt oder ist kein Text</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a SHA-256 digest</source>
        <translation>&quot;%1&quot; ist kein SHA-256-Hash</translation>
    </message>
    <message>
        <source>it lacks %1</source>
        <translation>es fehlt %1</translation>
    </message>
    <message>
        <source>%1 is too large</source>
        <translation>%1 ist zu groß</translation>
    </message>
    <message>
        <source>%1 is not the picture the record names</source>
        <translation>%1 ist nicht das Bild, das die Liste nennt</translation>
    </message>
    <message>
        <source>a mod&apos;s name must be 1 to %1 bytes long</source>
        <translation>der Name eines Mods muss 1 bis %1 Byte lang sein</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not</source>
        <translation>„%1“ ist es nicht</translation>
    </message>
    <message>
        <source>the mod is named &quot;%1&quot;, not &quot;%2&quot;</source>
        <translation>der Mod heißt „%1“, nicht „%2“</translation>
    </message>
    <message>
        <source>it can&apos;t update that one</source>
        <translation>er kann jenen nicht aktualisieren</translation>
    </message>
    <message>
        <source>a profile&apos;s name must be 1 to %1 bytes long</source>
        <translation>der Name eines Profils muss 1 bis %1 Byte lang sein</translation>
    </message>
    <message>
        <source>there is no profile named &quot;%1&quot;</source>
        <translation>es gibt kein Profil namens „%1“</translation>
    </message>
    <message>
        <source>the game&apos;s original of %1 that lay below the mod &quot;%2&quot; is not kept any more (tessary-originals was changed)</source>
        <translation>das Original des Spiels von %1, das unter dem Mod „%2“ lag, ist nicht mehr aufbewahrt (tessary-originals wurde verändert)</translation>
    </message>
    <message>
        <source>Tessary can&apos;t give it back, so nothing was changed</source>
        <translation>Tessary kann es nicht zurückgeben, daher wurde nichts geändert</translation>
    </message>
    <message>
        <source>the mod &quot;%1&quot; is neither on nor off</source>
        <translation>der Mod „%1“ ist weder ein- noch ausgeschaltet</translation>
    </message>
    <message>
        <source>&quot;profiles&quot; is not a list</source>
        <translation>„profiles“ ist keine Liste</translation>
    </message>
    <message>
        <source>two profiles have the name &quot;%1&quot;</source>
        <translation>zwei Profile heißen „%1“</translation>
    </message>
    <message>
        <source>the profile &quot;%1&quot; has no list of mods</source>
        <translation>das Profil „%1“ hat keine Liste von Mods</translation>
    </message>
    <message>
        <source>the profile &quot;%1&quot; names a mod that is not installed, or one twice</source>
        <translation>das Profil „%1“ nennt einen Mod, der nicht installiert ist, oder einen zweimal</translation>
    </message>
    <message numerus="yes">
        <source>the file has only %n bytes, a font header needs 14</source>
        <translation>
            <numerusform>die Datei hat nur %n Byte, ein Schriftkopf braucht 14</numerusform>
            <numerusform>die Datei hat nur %n Byte, ein Schriftkopf braucht 14</numerusform>
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
            <numerusform>%1 … und %n weitere</numerusform>
            <numerusform>%1 … und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>another program changed the index to %1 images since Tessary loaded it (%2)</source>
        <translation>ein anderes Programm hat den Index auf %1 Bilder geändert, seit Tessary ihn geladen hat (%2)</translation>
    </message>
    <message>
        <source>load the game folder again</source>
        <translation>laden Sie den Spielordner neu</translation>
    </message>
    <message numerus="yes">
        <source>%n files matched no image: %1</source>
        <translation>
            <numerusform>%n Datei passte zu keinem Bild: %1</numerusform>
            <numerusform>%n Dateien passten zu keinem Bild: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files matched no font sheet: %1</source>
        <translation>
            <numerusform>%n Datei passte zu keiner Schrifttafel: %1</numerusform>
            <numerusform>%n Dateien passten zu keiner Schrifttafel: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files matched no image or font sheet: %1</source>
        <translation>
            <numerusform>%n Datei passte zu keinem Bild und keiner Schrifttafel: %1</numerusform>
            <numerusform>%n Dateien passten zu keinem Bild und keiner Schrifttafel: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n pictures.</source>
        <translation>
            <numerusform>%n Bild importiert.</numerusform>
            <numerusform>%n Bilder importiert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n pictures from %1.</source>
        <translation>
            <numerusform>%n Bild aus %1 importiert.</numerusform>
            <numerusform>%n Bilder aus %1 importiert.</numerusform>
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
            <numerusform>%n Datei war gleich dem Bild, das schon dort ist: %1</numerusform>
            <numerusform>%n Dateien waren gleich dem Bild, das schon dort ist: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were refused:</source>
        <translation>
            <numerusform>%n Datei wurde abgelehnt:</numerusform>
            <numerusform>%n Dateien wurden abgelehnt:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… und %n weitere</numerusform>
            <numerusform>… und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n entries were skipped, as they are no files: %1</source>
        <translation>
            <numerusform>%n Eintrag wurde übersprungen, da er keine Datei ist: %1</numerusform>
            <numerusform>%n Einträge wurden übersprungen, da sie keine Dateien sind: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the file has only %n bytes, a .tga header needs 18</source>
        <translation>
            <numerusform>die Datei hat nur %n Byte, ein .tga-Kopf braucht 18</numerusform>
            <numerusform>die Datei hat nur %n Byte, ein .tga-Kopf braucht 18</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Tessary has finished it, so all %n files it was replacing now hold the changes.</source>
        <translation>
            <numerusform>Tessary hat ihn abgeschlossen, also enthält die %n Datei, die er ersetzen sollte, jetzt die Änderungen.</numerusform>
            <numerusform>Tessary hat ihn abgeschlossen, also enthalten alle %n Dateien, die er ersetzen sollte, jetzt die Änderungen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Tessary has put the earlier files back, but %n files that did not exist before it keep the new content: %1.</source>
        <translation>
            <numerusform>Tessary hat die früheren Dateien zurückgelegt, aber %n Datei, die es vorher nicht gab, behält den neuen Inhalt: %1.</numerusform>
            <numerusform>Tessary hat die früheren Dateien zurückgelegt, aber %n Dateien, die es vorher nicht gab, behalten den neuen Inhalt: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unfinished files</source>
        <translation>
            <numerusform>%n unfertige Datei</numerusform>
            <numerusform>%n unfertige Dateien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n originals</source>
        <translation>
            <numerusform>%n Original</numerusform>
            <numerusform>%n Originale</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>a checksum (CRC) of the PNG data does not match, so the file is damaged (%1)</source>
        <translation>eine Prüfsumme (CRC) der PNG-Daten stimmt nicht, die Datei ist also beschädigt (%1)</translation>
    </message>
    <message>
        <source>%1-bit true-colour .tga files can&apos;t be read</source>
        <translation>%1-Bit-Truecolor-.tga-Dateien können nicht gelesen werden</translation>
    </message>
    <message>
        <source>colour-mapped .tga files with %1-bit colour indices can&apos;t be read</source>
        <translation>.tga-Dateien mit Farbtabelle und %1-Bit-Farbindizes können nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1-bit grey-scale .tga files can&apos;t be read</source>
        <translation>%1-Bit-Graustufen-.tga-Dateien können nicht gelesen werden</translation>
    </message>
    <message>
        <source>the mod &quot;%1&quot; lists image %2, but this game has images 1 to %3</source>
        <translation>der Mod „%1“ führt Bild %2, aber dieses Spiel hat nur die Bilder 1 bis %3</translation>
    </message>
    <message>
        <source>the record of installed mods has no number left for another mod</source>
        <translation>die Liste der installierten Mods hat keine Nummer mehr für einen weiteren Mod frei</translation>
    </message>
    <message>
        <source>a picture&apos;s &quot;entry&quot; is not &quot;size&quot;</source>
        <translation>das &quot;entry&quot; eines Bildes ist nicht &quot;size&quot;</translation>
    </message>
    <message>
        <source>%1 holds %2 bytes, but its entry says %3 x %4 pixels</source>
        <translation>%1 enthält %2 Byte, aber sein Eintrag sagt %3 x %4 Pixel</translation>
    </message>
    <message>
        <source>the index has no entry for image %1</source>
        <translation>der Index hat keinen Eintrag für Bild %1</translation>
    </message>
    <message>
        <source>picture %1 names the mod it comes from without a name</source>
        <translation>Bild %1 nennt den Mod, aus dem es stammt, ohne Namen</translation>
    </message>
    <message numerus="yes">
        <source>every picture that differs from the game&apos;s original is one an installed mod set (%n), and a package holds only your own changes unless you include the mods&apos; pictures</source>
        <translation>
            <numerusform>jedes Bild, das vom Original des Spiels abweicht, hat ein installierter Mod gesetzt (%n), und ein Paket enthält nur Ihre eigenen Änderungen, außer Sie nehmen die Bilder der Mods mit hinein</numerusform>
            <numerusform>jedes Bild, das vom Original des Spiels abweicht, hat ein installierter Mod gesetzt (%n), und ein Paket enthält nur Ihre eigenen Änderungen, außer Sie nehmen die Bilder der Mods mit hinein</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is %2 x %3 pixels, larger than the %4 x %5 Tessary takes from a mod</source>
        <translation>%1 hat %2 x %3 Pixel, mehr als die %4 x %5, die Tessary aus einem Mod übernimmt</translation>
    </message>
    <message>
        <source>%1 would bring the mod&apos;s decoded pictures past %2 MB, more than any menu mod holds</source>
        <translation>%1 ließe die entpackten Bilder des Mods über %2 MB wachsen, mehr als irgendein Menü-Mod enthält</translation>
    </message>
    <message>
        <source>a JPEG picture</source>
        <translation>ein JPEG-Bild</translation>
    </message>
    <message>
        <source>a GIF picture</source>
        <translation>ein GIF-Bild</translation>
    </message>
    <message>
        <source>a BMP picture</source>
        <translation>ein BMP-Bild</translation>
    </message>
    <message>
        <source>a WebP picture</source>
        <translation>ein WebP-Bild</translation>
    </message>
    <message>
        <source>is %1, not a PNG or TGA file, whatever its name says</source>
        <translation>ist %1, keine PNG- oder TGA-Datei, was auch immer ihr Name sagt</translation>
    </message>
    <message>
        <source>save it as .png or .tga</source>
        <translation>speichern Sie es als .png oder .tga</translation>
    </message>
    <message>
        <source>there is not enough memory to expand the archive (%1)</source>
        <translation>es ist nicht genug Speicher frei, um das Archiv zu entpacken (%1)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is encrypted, which Tessary can&apos;t read (%2)</source>
        <translation>„%1“ ist verschlüsselt, und das kann Tessary nicht lesen (%2)</translation>
    </message>
    <message>
        <source>the archive is encrypted, which Tessary can&apos;t read (%1)</source>
        <translation>das Archiv ist verschlüsselt, und das kann Tessary nicht lesen (%1)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; fails its CRC check, so the archive is damaged (%2)</source>
        <translation>„%1“ besteht seine CRC-Prüfung nicht, das Archiv ist also beschädigt (%2)</translation>
    </message>
    <message>
        <source>the archive fails a CRC check, so it is damaged (%1)</source>
        <translation>das Archiv besteht eine CRC-Prüfung nicht, es ist also beschädigt (%1)</translation>
    </message>
    <message>
        <source>the archive is cut off at &quot;%1&quot;, as a download not finished is (%2)</source>
        <translation>das Archiv bricht bei „%1“ ab, wie ein nicht fertiger Download (%2)</translation>
    </message>
    <message>
        <source>the archive is cut off, as a download not finished is (%1)</source>
        <translation>das Archiv bricht ab, wie ein nicht fertiger Download (%1)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is compressed in a way Tessary can&apos;t expand (%2)</source>
        <translation>„%1“ ist so komprimiert, dass Tessary es nicht entpacken kann (%2)</translation>
    </message>
    <message>
        <source>the archive is compressed in a way Tessary can&apos;t expand (%1)</source>
        <translation>das Archiv ist so komprimiert, dass Tessary es nicht entpacken kann (%1)</translation>
    </message>
    <message>
        <source>the archive&apos;s compressed data is cut off or damaged (a download not finished?)</source>
        <translation>die komprimierten Daten des Archivs brechen ab oder sind beschädigt (ein nicht fertiger Download?)</translation>
    </message>
    <message>
        <source>the archive is cut off: it ends without the end a tar archive has (a download not finished?)</source>
        <translation>das Archiv bricht ab: es endet ohne das Ende, das ein tar-Archiv hat (ein nicht fertiger Download?)</translation>
    </message>
    <message>
        <source>the archive is cut off or damaged: %1 (a download not finished?)</source>
        <translation>das Archiv bricht ab oder ist beschädigt: %1 (ein nicht fertiger Download?)</translation>
    </message>
    <message>
        <source>the entry &quot;%1&quot; has a name that holds a NUL character, which no file name holds</source>
        <translation>der Eintrag „%1“ hat einen Namen mit einem NUL-Zeichen, das kein Dateiname enthält</translation>
    </message>
    <message>
        <source>it lacks the central directory at its end, the list of its files</source>
        <translation>es fehlt das zentrale Verzeichnis an seinem Ende, die Liste seiner Dateien</translation>
    </message>
    <message>
        <source>its zip64 end record is missing</source>
        <translation>sein zip64-Endeintrag fehlt</translation>
    </message>
    <message>
        <source>its central directory lies outside it</source>
        <translation>sein zentrales Verzeichnis liegt außerhalb davon</translation>
    </message>
    <message>
        <source>its central directory is incomplete</source>
        <translation>sein zentrales Verzeichnis ist unvollständig</translation>
    </message>
    <message>
        <source>an entry the central directory lists is missing</source>
        <translation>ein Eintrag, den das zentrale Verzeichnis nennt, fehlt</translation>
    </message>
    <message numerus="yes">
        <source>its central directory lists %1 of the %n entries it says it holds</source>
        <translation>
            <numerusform>sein zentrales Verzeichnis nennt %1 des %n Eintrags, den es enthalten soll</numerusform>
            <numerusform>sein zentrales Verzeichnis nennt %1 der %n Einträge, die es enthalten soll</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExternalEditor</name>
    <message>
        <source>No program opens .png files on this system; choose one with &quot;Choose image editor…&quot;.</source>
        <translation>Auf diesem System öffnet kein Programm .png-Dateien; wählen Sie eines mit „Bildbearbeitungsprogramm wählen…“.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be started.</source>
        <translation>%1 kann nicht gestartet werden.</translation>
    </message>
    <message>
        <source>a temporary folder can&apos;t be made there</source>
        <translation>dort lässt sich kein temporärer Ordner anlegen</translation>
    </message>
</context>
<context>
    <name>GameFolder</name>
    <message>
        <source>the value could not be recorded</source>
        <translation>der Wert konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Please choose your GP4 folder</source>
        <translation>Bitte wählen Sie Ihren GP4-Ordner</translation>
    </message>
    <message>
        <source>Sorry but this is not a valid GP4.exe file. Image folder can&apos;t be found</source>
        <translation>Das ist leider keine gültige GP4.exe. Der Bilderordner wurde nicht gefunden</translation>
    </message>
    <message>
        <source>The game folder is recorded in Tessary&apos;s settings (%1), as %2 can&apos;t be changed (%3).</source>
        <translation>Der Spielordner ist in den Einstellungen von Tessary gespeichert (%1), da %2 nicht geändert werden kann (%3).</translation>
    </message>
    <message>
        <source>%1: the game folder can&apos;t be recorded (%2)</source>
        <translation>%1: der Spielordner kann nicht gespeichert werden (%2)</translation>
    </message>
    <message>
        <source>; %1: neither (%2)</source>
        <translation>; %1: auch nicht (%2)</translation>
    </message>
</context>
<context>
    <name>ModViews</name>
    <message>
        <source>a Tessary mod package</source>
        <translation>ein Tessary-Modpaket</translation>
    </message>
    <message>
        <source>laid out as the game folder</source>
        <translation>aufgebaut wie der Spielordner</translation>
    </message>
    <message>
        <source>a set of pictures</source>
        <translation>eine Sammlung von Bildern</translation>
    </message>
    <message>
        <source>By %1, </source>
        <translation>Von %1, </translation>
    </message>
    <message>
        <source>, from %1.</source>
        <translation>, aus %1.</translation>
    </message>
    <message>
        <source>the same as the picture there now</source>
        <translation>gleich dem Bild, das jetzt dort ist</translation>
    </message>
    <message>
        <source>replaces your change not yet applied
(uninstalling the mod gives it back)</source>
        <translation>ersetzt Ihre noch nicht angewendete Änderung
(Deinstallieren des Mods gibt sie zurück)</translation>
    </message>
    <message>
        <source>replaces your own picture
(uninstalling the mod gives it back)</source>
        <translation>ersetzt Ihr eigenes Bild
(Deinstallieren des Mods gibt es zurück)</translation>
    </message>
    <message>
        <source>covers the picture of the mod &quot;%1&quot;</source>
        <translation>überdeckt das Bild des Mods „%1“</translation>
    </message>
    <message>
        <source>an edit</source>
        <translation>eine Bearbeitung</translation>
    </message>
    <message>
        <source>%1 (by %2)</source>
        <translation>%1 (durch %2)</translation>
    </message>
    <message>
        <source>%1 (&quot;%2&quot; shows)</source>
        <translation>%1 (sichtbar: „%2“)</translation>
    </message>
    <message>
        <source>%1 (none of the mods shows)</source>
        <translation>%1 (keiner der Mods sichtbar)</translation>
    </message>
    <message>
        <source>%1 (an edit shows)</source>
        <translation>%1 (eine Bearbeitung sichtbar)</translation>
    </message>
</context>
<context>
    <name>PictureTip</name>
    <message>
        <source>Changed in Tessary, not yet applied</source>
        <translation>In Tessary geändert, noch nicht angewendet</translation>
    </message>
    <message>
        <source>As the game folder holds it</source>
        <translation>Wie im Spielordner</translation>
    </message>
    <message>
        <source>Differs from the game&apos;s original</source>
        <translation>Weicht vom Original des Spiels ab</translation>
    </message>
    <message>
        <source>The game&apos;s original</source>
        <translation>Das Original des Spiels</translation>
    </message>
    <message>
        <source>Can&apos;t be compared with the game&apos;s original: %1</source>
        <translation>Kann nicht mit dem Original des Spiels verglichen werden: %1</translation>
    </message>
    <message>
        <source>Image %1 (%1.gpi)</source>
        <translation>Bild %1 (%1.gpi)</translation>
    </message>
    <message>
        <source>%1 × %2 pixels, %3 bytes</source>
        <translation>%1 × %2 Pixel, %3 Byte</translation>
    </message>
    <message>
        <source>Font sheet %1 (%2)</source>
        <translation>Schrifttafel %1 (%2)</translation>
    </message>
    <message>
        <source>256 × 256 pixels, %1 bytes</source>
        <translation>256 × 256 Pixel, %1 Byte</translation>
    </message>
</context>
<context>
    <name>ProgramTexts</name>
    <message>
        <source>Pictures (*.tga *.png)</source>
        <translation>Bilder (*.tga *.png)</translation>
    </message>
    <message>
        <source>Please choose a folder where all .tga files will be saved.</source>
        <translation>Wählen Sie den Ordner, in dem alle .tga-Dateien gespeichert werden.</translation>
    </message>
    <message>
        <source>Please choose the folder that holds the pictures to load.</source>
        <translation>Wählen Sie den Ordner mit den Bildern, die geladen werden sollen.</translation>
    </message>
    <message>
        <source>Load all images from a folder…</source>
        <translation>Alle Bilder aus einem Ordner laden…</translation>
    </message>
    <message>
        <source>Load all font sheets from a folder…</source>
        <translation>Alle Schrifttafeln aus einem Ordner laden…</translation>
    </message>
    <message>
        <source>Revert to the game folder&apos;s file</source>
        <translation>Auf die Datei im Spielordner zurücksetzen</translation>
    </message>
    <message>
        <source>Restore the game&apos;s original</source>
        <translation>Original des Spiels wiederherstellen</translation>
    </message>
    <message>
        <source>Edit in image editor…</source>
        <translation>Im Bildbearbeitungsprogramm öffnen…</translation>
    </message>
    <message>
        <source>Choose image editor…</source>
        <translation>Bildbearbeitungsprogramm wählen…</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Save changes as a mod package…</source>
        <translation>Änderungen als Modpaket speichern…</translation>
    </message>
    <message>
        <source>Install mod…</source>
        <translation>Mod installieren…</translation>
    </message>
    <message>
        <source>Tessary mod package (*.zip)</source>
        <translation>Tessary-Modpaket (*.zip)</translation>
    </message>
    <message>
        <source>Mods (*.zip *.7z *.rar *.tar *.tar.gz *.tgz *.tar.bz2 *.tbz2 *.tar.xz *.txz)</source>
        <translation>Mods (*.zip *.7z *.rar *.tar *.tar.gz *.tgz *.tar.bz2 *.tbz2 *.tar.xz *.txz)</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Load a picture (.tga, .png)</source>
        <translation>Bild laden (.tga, .png)</translation>
    </message>
    <message>
        <source>Save the picture (.tga, .png)</source>
        <translation>Bild speichern (.tga, .png)</translation>
    </message>
    <message>
        <source>Mods…</source>
        <translation>Mods…</translation>
    </message>
    <message>
        <source>Install a mod from a folder</source>
        <translation>Einen Mod aus einem Ordner installieren</translation>
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
        <translation>Programme (*.exe);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Choose the image editor</source>
        <translation>Bildbearbeitungsprogramm wählen</translation>
    </message>
    <message>
        <source>Save the images in %1 as .tga or as .png files?</source>
        <translation>Die Bilder in %1 als .tga- oder als .png-Dateien speichern?</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>access denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>the file is not a valid settings file</source>
        <translation>die Datei ist keine gültige Einstellungsdatei</translation>
    </message>
</context>
<context>
    <name>TChannelToggle</name>
    <message>
        <source>Alpha Layer</source>
        <translation>Alphakanal</translation>
    </message>
    <message>
        <source>RGB Layers</source>
        <translation>RGB-Kanäle</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Not enough memory to finish the command.</source>
        <translation>Nicht genug Arbeitsspeicher, um den Befehl abzuschließen.</translation>
    </message>
    <message>
        <source>Tessary closes when this work ends…</source>
        <translation>Tessary wird geschlossen, sobald diese Arbeit endet…</translation>
    </message>
    <message>
        <source>closing Tessary</source>
        <translation>Tessary geschlossen wird</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Wiederholen: %1</translation>
    </message>
    <message>
        <source>The %1 can&apos;t be undone: it is larger than the undo history holds</source>
        <translation>%1 kann nicht rückgängig gemacht werden: dafür ist der Rückgängig-Verlauf zu klein</translation>
    </message>
    <message>
        <source>revert of %1</source>
        <translation>Zurücksetzen von %1</translation>
    </message>
    <message>
        <source>restore of the original of %1</source>
        <translation>Wiederherstellen des Originals von %1</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Rückgängig gemacht: %1</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>Wiederholt: %1</translation>
    </message>
    <message>
        <source>The image index has changes</source>
        <translation>Der Bildindex hat Änderungen</translation>
    </message>
    <message>
        <source>These pictures have changes</source>
        <translation>Diese Bilder haben Änderungen</translation>
    </message>
    <message>
        <source>%1 not yet applied to the game folder.

Apply them before %2?</source>
        <translation>%1, die noch nicht auf den Spielordner angewendet sind.

Sollen sie angewendet werden, bevor %2?</translation>
    </message>
    <message>
        <source>the system&apos;s program for .png files</source>
        <translation>dem Standardprogramm des Systems für .png-Dateien</translation>
    </message>
    <message>
        <source>&quot;Edit in image editor…&quot; opens pictures in %1.

Open them in:</source>
        <translation>„Im Bildbearbeitungsprogramm öffnen…“ öffnet Bilder in %1.

Öffnen in:</translation>
    </message>
    <message>
        <source>The system&apos;s program</source>
        <translation>Standardprogramm des Systems</translation>
    </message>
    <message>
        <source>A program of my choice…</source>
        <translation>Ein Programm meiner Wahl…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>edit of %1 in the image editor</source>
        <translation>Bearbeitung von %1 in der Bildbearbeitung</translation>
    </message>
    <message>
        <source>%1 read back from the image editor</source>
        <translation>%1 aus dem Bildbearbeitungsprogramm zurückgelesen</translation>
    </message>
    <message>
        <source>import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>No picture imported</source>
        <translation>Kein Bild importiert</translation>
    </message>
    <message>
        <source>Apply All Changes</source>
        <translation>Alles anwenden</translation>
    </message>
    <message>
        <source>Change GP4 Path</source>
        <translation>GP4-Ordner…</translation>
    </message>
    <message>
        <source>Save all images to .tga</source>
        <translation>Alle als .tga speichern</translation>
    </message>
    <message>
        <source>Image Size :</source>
        <translation>Bildgröße:</translation>
    </message>
    <message>
        <source>Thumbnail Size:</source>
        <translation>Miniaturen:</translation>
    </message>
    <message>
        <source>Images Workshop</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Fonts Workshop</source>
        <translation>Schriften</translation>
    </message>
    <message>
        <source>Load image from a .tga file</source>
        <translation>Bild aus einer .tga-Datei laden</translation>
    </message>
    <message>
        <source>Save image to a .tga file</source>
        <translation>Bild in einer .tga-Datei speichern</translation>
    </message>
    <message>
        <source>My menu mod</source>
        <translation>Mein Menü-Mod</translation>
    </message>
    <message>
        <source>installation of %1</source>
        <translation>Installation von %1</translation>
    </message>
    <message>
        <source>uninstalling of %1</source>
        <translation>Deinstallation von %1</translation>
    </message>
    <message>
        <source>The mod &quot;%1&quot; is uninstalled as changes to apply; &quot;Apply All Changes&quot; writes them into the game folder.</source>
        <translation>Der Mod „%1“ ist deinstalliert – noch nicht angewendet; „Alles anwenden“ schreibt es in den Spielordner.</translation>
    </message>
    <message>
        <source>changing the game folder</source>
        <translation>der Spielordner gewechselt wird</translation>
    </message>
    <message>
        <source>Another program changed these files since Tessary loaded them:
%1

Replace them with your changes?</source>
        <translation>Ein anderes Programm hat diese Dateien geändert, seit Tessary sie geladen hat:
%1

Durch Ihre Änderungen ersetzen?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Nothing to write: no picture has changed</source>
        <translation>Nichts zu schreiben: kein Bild wurde geändert</translation>
    </message>
    <message>
        <source>Another program changed these files since Tessary loaded them; they were left as they are:
%1</source>
        <translation>Ein anderes Programm hat diese Dateien geändert, seit Tessary sie geladen hat; sie blieben unverändert:
%1</translation>
    </message>
    <message>
        <source>%1: the settings can&apos;t be written</source>
        <translation>%1: die Einstellungen können nicht gespeichert werden</translation>
    </message>
    <message>
        <source>import of %1</source>
        <translation>Import von %1</translation>
    </message>
    <message>
        <source>the record of installed mods</source>
        <translation>die Liste der installierten Mods</translation>
    </message>
    <message>
        <source>the mods can&apos;t be installed or uninstalled: %1</source>
        <translation>die Mods können nicht installiert oder deinstalliert werden: %1</translation>
    </message>
    <message>
        <source>Saves every image into a folder, as .tga or .png files</source>
        <translation>Speichert alle Bilder als .tga- oder .png-Dateien in einen Ordner</translation>
    </message>
    <message>
        <source>Takes a .tga or .png file in place of the picture</source>
        <translation>Ersetzt das Bild durch eine .tga- oder .png-Datei</translation>
    </message>
    <message>
        <source>Saves the picture as a .tga or .png file</source>
        <translation>Speichert das Bild als .tga- oder .png-Datei</translation>
    </message>
    <message>
        <source>The image editor&apos;s save of %1 was not taken: %2</source>
        <translation>Die im Bildbearbeitungsprogramm gespeicherte Fassung von %1 wurde nicht übernommen: %2</translation>
    </message>
    <message numerus="yes">
        <source>import of %n pictures</source>
        <translation>
            <numerusform>Import von %n Bild</numerusform>
            <numerusform>Import von %n Bildern</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pictures imported</source>
        <translation>
            <numerusform>%n Bild importiert</numerusform>
            <numerusform>%n Bilder importiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n images and %1 font sheets loaded</source>
        <translation>
            <numerusform>%n Bild und %1 Schrifttafeln geladen</numerusform>
            <numerusform>%n Bilder und %1 Schrifttafeln geladen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files written to the game folder</source>
        <translation>
            <numerusform>%n Datei in den Spielordner geschrieben</numerusform>
            <numerusform>%n Dateien in den Spielordner geschrieben</numerusform>
        </translation>
    </message>
    <message>
        <source>Game folder: %1</source>
        <translation>Spielordner: %1</translation>
    </message>
    <message>
        <source>%1
Click to open it in the file manager.</source>
        <translation>%1
Klicken, um ihn im Dateimanager zu öffnen.</translation>
    </message>
    <message>
        <source>The file manager could not be started to show %1.</source>
        <translation>Der Dateimanager konnte nicht gestartet werden, um %1 zu zeigen.</translation>
    </message>
    <message>
        <source>%1 (&quot;%2&quot;)</source>
        <translation>%1 („%2“)</translation>
    </message>
    <message>
        <source>
Left out, as installed mods set them: %1</source>
        <translation>
Ausgelassen, da installierte Mods sie setzen: %1</translation>
    </message>
    <message numerus="yes">
        <source>Saved %n pictures as the mod package %1:
%2</source>
        <translation>
            <numerusform>%n Bild als Modpaket %1 gespeichert:
%2</numerusform>
            <numerusform>%n Bilder als Modpaket %1 gespeichert:
%2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>
%n pictures go back to what lies below: %1</source>
        <translation>
            <numerusform>
%n Bild kehrt zu dem zurück, was darunter liegt: %1</numerusform>
            <numerusform>
%n Bilder kehren zu dem zurück, was darunter liegt: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>
%n pictures stay as they are, covered since: %1</source>
        <translation>
            <numerusform>
%n Bild bleibt, wie es ist, inzwischen überdeckt: %1</numerusform>
            <numerusform>
%n Bilder bleiben, wie sie sind, inzwischen überdeckt: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n images saved</source>
        <translation>
            <numerusform>%n Bild gespeichert</numerusform>
            <numerusform>%n Bilder gespeichert</numerusform>
        </translation>
    </message>
    <message>
        <source>switching on of %1</source>
        <translation>Einschalten von %1</translation>
    </message>
    <message>
        <source>switching off of %1</source>
        <translation>Ausschalten von %1</translation>
    </message>
    <message>
        <source>moving of %1</source>
        <translation>Verschieben von %1</translation>
    </message>
    <message>
        <source>saving of the profile %1</source>
        <translation>Speichern des Profils %1</translation>
    </message>
    <message>
        <source>switching to the profile %1</source>
        <translation>Wechsel zum Profil %1</translation>
    </message>
</context>
<context>
    <name>TFormInstallPreview</name>
    <message>
        <source>. Installing makes these changes in Tessary; &quot;Apply All Changes&quot; writes them into the game folder.</source>
        <translation>. Die Installation nimmt diese Änderungen in Tessary vor; „Alles anwenden“ schreibt sie in den Spielordner.</translation>
    </message>
    <message>
        <source>Install the mod &quot;%1&quot;?</source>
        <translation>Den Mod „%1“ installieren?</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installieren</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures change</source>
        <translation>
            <numerusform>%n Bild ändert sich</numerusform>
            <numerusform>%n Bilder ändern sich</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n are the same already</source>
        <translation>
            <numerusform>; %n ist schon gleich</numerusform>
            <numerusform>; %n sind schon gleich</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TFormInstalledMods</name>
    <message>
        <source>No mod is installed in this game folder.</source>
        <translation>In diesem Spielordner ist kein Mod installiert.</translation>
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
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Covered</source>
        <translation>Überdeckt</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Installiert</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Deinstallieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Installed %1 from %2.</source>
        <translation>Installiert am %1 aus %2.</translation>
    </message>
    <message>
        <source>None of its pictures is covered by a later mod or an edit.</source>
        <translation>Keines seiner Bilder ist von einem späteren Mod oder einer Bearbeitung überdeckt.</translation>
    </message>
    <message>
        <source>Covered since: %1. Uninstalling leaves these as they are.</source>
        <translation>Seitdem überdeckt: %1. Die Deinstallation lässt diese, wie sie sind.</translation>
    </message>
    <message>
        <source>The mods of this game folder: where two set a picture, the lower one in the list shows.</source>
        <translation>Die Mods dieses Spielordners: Setzen zwei dasselbe Bild, zeigt sich das des unteren in der Liste.</translation>
    </message>
    <message>
        <source>Changes not yet applied: &quot;Apply All Changes&quot; writes them into the game folder.</source>
        <translation>Noch nicht angewendete Änderungen: „Alles anwenden“ schreibt sie in den Spielordner.</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Switched off: its pictures don&apos;t show; switch it on to show them again.</source>
        <translation>Ausgeschaltet: Seine Bilder werden nicht gezeigt; einschalten, um sie wieder zu zeigen.</translation>
    </message>
    <message>
        <source>Set by other mods too: %1</source>
        <translation>Auch von anderen Mods gesetzt: %1</translation>
    </message>
    <message>
        <source>Install…</source>
        <translation>Installieren…</translation>
    </message>
    <message>
        <source>From an archive…</source>
        <translation>Aus einem Archiv…</translation>
    </message>
    <message>
        <source>From a folder…</source>
        <translation>Aus einem Ordner…</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stand</translation>
    </message>
    <message>
        <source>to apply</source>
        <translation>anzuwenden</translation>
    </message>
    <message>
        <source>applied</source>
        <translation>angewendet</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Profil:</translation>
    </message>
    <message>
        <source>(none in use)</source>
        <translation>(keines in Gebrauch)</translation>
    </message>
    <message>
        <source>Save as profile…</source>
        <translation>Als Profil speichern…</translation>
    </message>
    <message>
        <source>Keep the mods on now, in their order, as the profile:</source>
        <translation>Die jetzt eingeschalteten Mods in ihrer Reihenfolge als Profil speichern:</translation>
    </message>
</context>
<context>
    <name>TFormModPackage</name>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>Autor:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>Speichern…</translation>
    </message>
    <message>
        <source>Every picture of your own that differs from the game&apos;s original goes into the package, with your changes not yet applied.</source>
        <translation>Jedes eigene Bild, das vom Original des Spiels abweicht, kommt ins Paket, auch Ihre noch nicht angewendeten Änderungen.</translation>
    </message>
    <message>
        <source>Pictures that installed mods set are their authors&apos; work: without this they stay out of the package; with it, the manifest names each one&apos;s mod and author.</source>
        <translation>Bilder, die installierte Mods setzen, sind das Werk ihrer Autoren: ohne dies bleiben sie aus dem Paket; damit nennt das Manifest zu jedem Mod und Autor.</translation>
    </message>
    <message numerus="yes">
        <source>Include %n pictures of installed mods, crediting their mods</source>
        <translation>
            <numerusform>%n Bild eines installierten Mods aufnehmen, mit Nennung seines Mods</numerusform>
            <numerusform>%n Bilder installierter Mods aufnehmen, mit Nennung ihrer Mods</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TFormPreview</name>
    <message>
        <source>Tessary&apos;s picture</source>
        <translation>Bild in Tessary</translation>
    </message>
    <message>
        <source>Game folder&apos;s file</source>
        <translation>Datei im Spielordner</translation>
    </message>
    <message>
        <source>Game&apos;s original</source>
        <translation>Original des Spiels</translation>
    </message>
    <message>
        <source>Game folder</source>
        <translation>Spielordner</translation>
    </message>
    <message>
        <source>Show the game folder&apos;s file (hold Space)</source>
        <translation>Datei im Spielordner zeigen (Leertaste halten)</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Show the game&apos;s original (hold Shift + Space)</source>
        <translation>Original des Spiels zeigen (Umschalt + Leertaste halten)</translation>
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
        <translation>keine Pixeldaten</translation>
    </message>
</context>
</TS>
