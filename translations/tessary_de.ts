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
        <source>the archive is damaged</source>
        <translation>das Archiv ist beschädigt</translation>
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
        <source>%1 true-colour .tga files can&apos;t be read</source>
        <translation>%1-Truecolor-.tga-Dateien können nicht gelesen werden</translation>
    </message>
    <message>
        <source>save the picture with 24 or 32 bits per pixel</source>
        <translation>speichern Sie das Bild mit 24 oder 32 Bit pro Pixel</translation>
    </message>
    <message>
        <source>Sorry but Tessary can&apos;t read RLE encoded .tga files.</source>
        <translation>Tessary kann leider keine RLE-komprimierten .tga-Dateien lesen.</translation>
    </message>
</context>
<context>
    <name>ExternalEditor</name>
    <message>
        <source>No program opens .png files on this system; choose one with &quot;Choose image editor…&quot;.</source>
        <translation>Auf diesem System öffnet kein Programm .png-Dateien; wählen Sie eines mit „Bildbearbeitung wählen…“.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be started.</source>
        <translation>%1 kann nicht gestartet werden.</translation>
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
        <translation>Schriftbild %1 (%2)</translation>
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
        <source>Please select a folder</source>
        <translation>Bitte wählen Sie einen Ordner</translation>
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
        <translation>Alle Schriftbilder aus einem Ordner laden…</translation>
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
        <translation>In Bildbearbeitung bearbeiten…</translation>
    </message>
    <message>
        <source>Choose image editor…</source>
        <translation>Bildbearbeitung wählen…</translation>
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
        <source>Installed mods…</source>
        <translation>Installierte Mods…</translation>
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
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save as:</source>
        <translation>Speichern als:</translation>
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
        <translation>Bildbearbeitung wählen</translation>
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
        <translation>„In Bildbearbeitung bearbeiten…“ öffnet Bilder in %1.

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
        <translation>%1 aus der Bildbearbeitung zurückgelesen</translation>
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
        <source>1 picture imported</source>
        <translation>1 Bild importiert</translation>
    </message>
    <message>
        <source>%1 pictures imported</source>
        <translation>%1 Bilder importiert</translation>
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
        <translation>Alle als .tga sichern</translation>
    </message>
    <message>
        <source>Image Size :</source>
        <translation>Bildgröße:</translation>
    </message>
    <message>
        <source>Thumbnail Size:</source>
        <translation>Vorschau:</translation>
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
        <source>Saved %1 as the mod package %2:
%3</source>
        <translation>%1 als Modpaket %2 gespeichert:
%3</translation>
    </message>
    <message>
        <source>1 picture</source>
        <translation>1 Bild</translation>
    </message>
    <message>
        <source>%1 pictures</source>
        <translation>%1 Bilder</translation>
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
        <translation>Der Mod „%1“ ist als anzuwendende Änderungen deinstalliert; „Alles anwenden“ schreibt sie in den Spielordner.</translation>
    </message>
    <message>
        <source>
%1 back to what lies below: %2</source>
        <translation>
%1 zurück auf das, was darunter liegt: %2</translation>
    </message>
    <message>
        <source>1 picture goes</source>
        <translation>1 Bild geht</translation>
    </message>
    <message>
        <source>%1 pictures go</source>
        <translation>%1 Bilder gehen</translation>
    </message>
    <message>
        <source>
%1 as it is, covered since: %2</source>
        <translation>
%1 wie bisher, seitdem überdeckt: %2</translation>
    </message>
    <message>
        <source>1 picture stays</source>
        <translation>1 Bild bleibt</translation>
    </message>
    <message>
        <source>%1 pictures stay</source>
        <translation>%1 Bilder bleiben</translation>
    </message>
    <message>
        <source>changing the game folder</source>
        <translation>der Spielordner gewechselt wird</translation>
    </message>
    <message>
        <source>%1 images and %2 font sheets loaded</source>
        <translation>%1 Bilder und %2 Schriftbilder geladen</translation>
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
        <source>1 file written to the game folder</source>
        <translation>1 Datei in den Spielordner geschrieben</translation>
    </message>
    <message>
        <source>%1 files written to the game folder</source>
        <translation>%1 Dateien in den Spielordner geschrieben</translation>
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
        <source>1 image saved</source>
        <translation>1 Bild gespeichert</translation>
    </message>
    <message>
        <source>%1 images saved</source>
        <translation>%1 Bilder gespeichert</translation>
    </message>
    <message>
        <source>import of %1</source>
        <translation>Import von %1</translation>
    </message>
</context>
<context>
    <name>TFormInstallPreview</name>
    <message>
        <source>1 picture changes</source>
        <translation>1 Bild ändert sich</translation>
    </message>
    <message>
        <source>%1 pictures change</source>
        <translation>%1 Bilder ändern sich</translation>
    </message>
    <message>
        <source>; 1 is the same already</source>
        <translation>; 1 ist bereits gleich</translation>
    </message>
    <message>
        <source>; %1 are the same already</source>
        <translation>; %1 sind bereits gleich</translation>
    </message>
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
</context>
<context>
    <name>TFormInstalledMods</name>
    <message>
        <source>No mod is installed in this game folder.</source>
        <translation>In diesem Spielordner ist kein Mod installiert.</translation>
    </message>
    <message>
        <source>Installed mods, the last installed at the bottom:</source>
        <translation>Installierte Mods, der zuletzt installierte unten:</translation>
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
</context>
<context>
    <name>TFormModPackage</name>
    <message>
        <source>Every picture that differs from the game&apos;s original goes into the package, with your changes not yet applied.</source>
        <translation>Jedes Bild, das vom Original des Spiels abweicht, kommt ins Paket, auch Ihre noch nicht angewendeten Änderungen.</translation>
    </message>
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
